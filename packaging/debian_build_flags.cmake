# Optimized builds on Debian take the distribution's hardening flags from
# dpkg-buildflags, as a package built by Debian's own tools would: stack
# protector, source fortification, PIE, read-only relocations and immediate
# binding. Sanitized builds keep their own instrumentation instead.
option(VELMORA_DEBIAN_BUILDFLAGS "Harden optimized builds with the flags of dpkg-buildflags" ON)

find_program(VELMORA_DPKG_BUILDFLAGS dpkg-buildflags)
if(VELMORA_DEBIAN_BUILDFLAGS AND VELMORA_DPKG_BUILDFLAGS AND NOT VELMORA_SANITIZE
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${VELMORA_DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE flags
      OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # The build type chooses the optimization and the debugging information.
    list(FILTER flags EXCLUDE REGEX "^-(O[0-9s]?|g)$")
    if(kind STREQUAL "LDFLAGS")
      add_link_options(${flags})
    else()
      add_compile_options(${flags})
    endif()
  endforeach()
endif()
