# velmora_debian_font_package(<family> <out-var>): the Debian package that
# ships the file fontconfig picks for the font <family> on this machine. The
# program asks for its font by name at run time, which dpkg-shlibdeps cannot
# see, so the package dependency is found here instead.
function(velmora_debian_font_package family out_var)
  find_program(VELMORA_FC_MATCH fc-match REQUIRED)
  find_program(VELMORA_DPKG_QUERY dpkg-query REQUIRED)

  execute_process(
    COMMAND ${VELMORA_FC_MATCH} --format=%{family[0]}\n%{file} ${family}
    OUTPUT_VARIABLE match
    RESULT_VARIABLE match_result)
  string(REPLACE "\n" ";" match "${match}")
  list(LENGTH match match_fields)
  if(NOT match_result EQUAL 0 OR NOT match_fields EQUAL 2)
    message(FATAL_ERROR "fc-match could not look up the font \"${family}\"")
  endif()
  list(GET match 0 matched_family)
  list(GET match 1 font_file)
  # fontconfig always answers with some font; a different family means the
  # one asked for is not installed.
  if(NOT matched_family STREQUAL family)
    message(FATAL_ERROR "The font \"${family}\" is not installed (fontconfig "
      "falls back to \"${matched_family}\"); scripts/install-deps installs it")
  endif()

  execute_process(
    COMMAND ${VELMORA_DPKG_QUERY} --search ${font_file}
    OUTPUT_VARIABLE owner
    RESULT_VARIABLE owner_result)
  # "fonts-liberation2: /usr/share/fonts/...", or "name:arch: path" for a
  # package of one architecture.
  if(NOT owner_result EQUAL 0
     OR NOT owner MATCHES "^([a-z0-9][a-z0-9.+-]+)(:[a-z0-9-]+)?: ")
    message(FATAL_ERROR "No Debian package owns ${font_file}, the file of "
      "the font \"${family}\"")
  endif()
  set(${out_var} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
