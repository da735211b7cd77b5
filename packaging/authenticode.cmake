# Authenticode signatures of Velmora.exe, the installer and its uninstaller,
# made where a code-signing certificate and its key are given (PEM files,
# VELMORA_SIGN_CERT and VELMORA_SIGN_KEY: from the environment in the Linux
# build, packaging/signing_keys.cmake, which hands them on to the cross
# build). Without them nothing is signed.
# VELMORA_AUTHENTICODE_SIGN: the command that signs the file named after it
# (packaging/authenticode_sign.cmake).
if(VELMORA_SIGN_CERT)
  find_program(VELMORA_OSSLSIGNCODE osslsigncode REQUIRED)
endif()
set(VELMORA_AUTHENTICODE_SIGN ${CMAKE_COMMAND} -DCERT=${VELMORA_SIGN_CERT} -DKEY=${VELMORA_SIGN_KEY}
  -DOSSLSIGNCODE=${VELMORA_OSSLSIGNCODE} -DEPOCH=${VELMORA_SOURCE_DATE_EPOCH}
  -P ${CMAKE_CURRENT_LIST_DIR}/authenticode_sign.cmake)

# The certificate signed with, VELMORA_SIGNER (packaging/signing_keys.cmake):
# what decides whether a program that is up to date must be signed anew,
# or linked anew without a signature.
set(VELMORA_AUTHENTICODE_SIGNER ${CMAKE_BINARY_DIR}/authenticode-signer.txt)
file(CONFIGURE OUTPUT ${VELMORA_AUTHENTICODE_SIGNER} CONTENT "${VELMORA_SIGNER}\n")

# velmora_authenticode_sign(<target>): signs the program <target> once it
# is linked.
function(velmora_authenticode_sign target)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${VELMORA_AUTHENTICODE_SIGNER})
  if(VELMORA_SIGN_CERT)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${VELMORA_AUTHENTICODE_SIGN} $<TARGET_FILE:${target}>
      VERBATIM)
  endif()
endfunction()
