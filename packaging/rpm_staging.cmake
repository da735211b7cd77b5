# Run by CPack for each package once it has installed the files into its
# staging folder, before it packs them. The installation lays out the
# documentation as Debian keeps it; for the RPM the copyright file moves to
# the licences' folder, and the Debian changelog goes, the package's
# %changelog holding the same history.
if(NOT CPACK_GENERATOR STREQUAL "RPM")
  return()
endif()
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc_dir ${usr}/share/doc/${CPACK_PACKAGE_NAME})
set(license_dir ${usr}/share/licenses/${CPACK_PACKAGE_NAME})
file(MAKE_DIRECTORY ${license_dir})
file(RENAME ${doc_dir}/copyright ${license_dir}/copyright)
file(REMOVE ${doc_dir}/changelog.gz)
file(GLOB left ${doc_dir}/*)
if(left)
  message(FATAL_ERROR "The RPM has no place for ${left}")
endif()
file(REMOVE_RECURSE ${doc_dir})
