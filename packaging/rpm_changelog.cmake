# velmora_rpm_changelog(<debian-changelog> <release> <out-file>): writes the
# entries of the Debian changelog as the RPM's %changelog, newest first,
# each headed by its date, its author and <version>-<release>:
#
#   * Thu Jan 15 2026 Velmora team <team@velmora.invalid> - 1.0.0.0-1
#   - First release.
function(velmora_rpm_changelog debian_changelog release out_file)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${debian_changelog})
  file(STRINGS ${debian_changelog} lines)
  set(out "")
  set(body "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[a-z0-9][a-z0-9.+-]* \\(([^)]+)\\) ")
      set(version ${CMAKE_MATCH_1})
      set(body "")
    elseif(line MATCHES "^  \\* (.*)$")
      string(APPEND body "- ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^    (.*)$")
      string(APPEND body "  ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^ -- (.+>)  ([A-Z][a-z][a-z]), ([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+) ")
      # "Thu, 15 Jan 2026 12:00:00 +0000" becomes "Thu Jan 15 2026".
      string(APPEND out "* ${CMAKE_MATCH_2} ${CMAKE_MATCH_4} ${CMAKE_MATCH_3} ${CMAKE_MATCH_5}"
        " ${CMAKE_MATCH_1} - ${version}-${release}\n${body}\n")
    elseif(NOT line STREQUAL "")
      message(FATAL_ERROR "${debian_changelog}: cannot carry into the RPM: ${line}")
    endif()
  endforeach()
  if(out STREQUAL "")
    message(FATAL_ERROR "${debian_changelog} has no entry")
  endif()
  string(STRIP "${out}" out)
  file(WRITE ${out_file} "${out}\n")
endfunction()
