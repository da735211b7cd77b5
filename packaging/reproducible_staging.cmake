# Run by CPack for each package once it has installed the files into its
# staging folder, before it packs them: every file and folder gets the
# release's time, SOURCE_DATE_EPOCH, and permissions that do not depend on
# the umask the build ran with (the owner's, less write for the others), so
# that two builds pack the same bytes. The packing tools run after it, in
# this process: rpmbuild takes its build time from SOURCE_DATE_EPOCH too.
set(ENV{SOURCE_DATE_EPOCH} ${CPACK_VELMORA_SOURCE_DATE_EPOCH})
execute_process(COMMAND chmod -R u+rwX,go=u-w ${CPACK_TEMPORARY_INSTALL_DIRECTORY}
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(
  COMMAND find ${CPACK_TEMPORARY_INSTALL_DIRECTORY} -exec
          touch --no-dereference --date=@${CPACK_VELMORA_SOURCE_DATE_EPOCH} {} +
  COMMAND_ERROR_IS_FATAL ANY)
