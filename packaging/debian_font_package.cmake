# velmora_debian_font_package(<family> <out-var>): the Debian package that
# ships the file fontconfig picks for the font <family> on this machine. The
# program asks for its font by name at run time, which dpkg-shlibdeps cannot
# see, so the package dependency is found here instead. Where the font or the
# tools to look it up are missing, <out-var> is empty: the program still
# builds and runs with another font, and a Debian package made here lacks
# the dependency.
function(velmora_debian_font_package family out_var)
  set(${out_var} "" PARENT_SCOPE)
  find_program(VELMORA_FC_MATCH fc-match)
  find_program(VELMORA_DPKG_QUERY dpkg-query)
  if(NOT VELMORA_FC_MATCH OR NOT VELMORA_DPKG_QUERY)
    message(STATUS "fc-match or dpkg-query not found: the Debian package will "
      "not depend on the package of the font \"${family}\"")
    return()
  endif()

  execute_process(
    COMMAND ${VELMORA_FC_MATCH} --format=%{family[0]}\n%{file} ${family}
    OUTPUT_VARIABLE match
    RESULT_VARIABLE match_result)
  string(REPLACE "\n" ";" match "${match}")
  list(LENGTH match match_fields)
  set(matched_family "")
  if(match_result EQUAL 0 AND match_fields EQUAL 2)
    list(GET match 0 matched_family)
    list(GET match 1 font_file)
  endif()
  # fontconfig answers with some font if it has any; a different family means
  # the one asked for is not installed.
  if(NOT matched_family STREQUAL family)
    message(STATUS "The font \"${family}\" is not installed: the Debian package "
      "will not depend on it (scripts/install-deps installs it)")
    return()
  endif()

  execute_process(
    COMMAND ${VELMORA_DPKG_QUERY} --search ${font_file}
    OUTPUT_VARIABLE owner
    RESULT_VARIABLE owner_result)
  # "fonts-liberation2: /usr/share/fonts/...", or "name:arch: path" for a
  # package of one architecture.
  if(NOT owner_result EQUAL 0
     OR NOT owner MATCHES "^([a-z0-9][a-z0-9.+-]+)(:[a-z0-9-]+)?: ")
    message(STATUS "No Debian package owns ${font_file}, the file of the font "
      "\"${family}\": the Debian package will not depend on it")
    return()
  endif()
  set(${out_var} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
