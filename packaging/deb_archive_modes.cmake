# Run by CPack once it has made a package, before it copies it into the
# build tree. CPack gives the members of the Debian package's ar archive
# (debian-binary, control.tar.gz, data.tar.gz) the permissions of the
# temporary files it packed them from, which follow the umask; they are set
# to 0644, as dpkg-deb writes them, so that the package does not depend on
# the umask. An ar member's header is 60 bytes: name, time, owner, group,
# then the mode in octal at byte 40 (8 bytes) and the size at byte 48
# (10 bytes); the data follows, padded to an even length.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  file(SIZE ${package} end)
  set(at 8)  # past "!<arch>\n"
  while(at LESS end)
    math(EXPR mode_at "${at} + 40")
    math(EXPR size_at "${at} + 48")
    file(READ ${package} size OFFSET ${size_at} LIMIT 10)
    string(STRIP "${size}" size)
    execute_process(
      COMMAND printf "%-8s" 100644
      COMMAND dd of=${package} bs=1 seek=${mode_at} conv=notrunc status=none
      COMMAND_ERROR_IS_FATAL ANY)
    math(EXPR at "${at} + 60 + ${size} + ${size} % 2")
  endwhile()
endforeach()
