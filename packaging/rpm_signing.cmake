# Run by CPack once it has made a package, before it copies it into the
# build tree: the RPM is signed by rpmsign with the GnuPG key
# CPACK_VELMORA_GPG_KEY, where one is given (packaging/signing_keys.cmake),
# through the gpg found when configuring.
if(NOT CPACK_GENERATOR STREQUAL "RPM" OR NOT CPACK_VELMORA_GPG_KEY)
  return()
endif()
execute_process(
  COMMAND ${CPACK_VELMORA_RPMSIGN} --addsign --define "_gpg_name ${CPACK_VELMORA_GPG_KEY}"
          --define "__gpg ${CPACK_VELMORA_GPG}"
          ${CPACK_PACKAGE_FILES}
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output
  RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "rpmsign could not sign ${CPACK_PACKAGE_FILES}:\n${output}")
endif()
