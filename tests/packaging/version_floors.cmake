# The oldest Qt and glibc the packages are for, QT_FLOOR and GLIBC_FLOOR as
# the tests are handed them, and the checks that a package and its program
# ask for no newer.

# velmora_check_floor(<what> <Qt|GLIBC> <version>): fails when the version,
# taken to its first two numbers (Qt 6.2.4 is Qt 6.2), is above the floor.
function(velmora_check_floor what kind version)
  string(REGEX MATCH "^[0-9]+(\\.[0-9]+)?" version "${version}")
  if(kind STREQUAL "Qt")
    set(floor ${QT_FLOOR})
  else()
    set(floor ${GLIBC_FLOOR})
  endif()
  if(version VERSION_GREATER floor)
    message(FATAL_ERROR "${what} asks for ${kind} ${version}, newer than ${floor}")
  endif()
endfunction()

# velmora_check_version_nodes(<what> <text>): the Qt version nodes and tags
# and the glibc symbol versions in <text>, as objdump -T and rpm write them
# (Qt_6, Qt_6.4, GLIBC_2.34), checked against the floors; <text> must name
# at least one of each.
function(velmora_check_version_nodes what text)
  string(REGEX MATCHALL "(Qt|GLIBC)_[0-9]+(\\.[0-9]+)*" nodes "${text}")
  list(REMOVE_DUPLICATES nodes)
  set(kinds)
  foreach(node IN LISTS nodes)
    string(REGEX MATCH "^(Qt|GLIBC)_(.*)$" _ "${node}")
    velmora_check_floor("${what}" ${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
    list(APPEND kinds ${CMAKE_MATCH_1})
  endforeach()
  if(NOT "Qt" IN_LIST kinds OR NOT "GLIBC" IN_LIST kinds)
    message(FATAL_ERROR "${what} names no Qt version node or no glibc version:\n${text}")
  endif()
endfunction()
