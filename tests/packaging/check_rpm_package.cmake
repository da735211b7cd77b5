# Reads back the one RPM in PACKAGE_DIR beside the Debian package there: its
# name, VERSION, release and the licence METAINFO states; that it requires
# shared libraries and rpm's own features only, no package by name; that it
# holds the Debian package's files, the same bytes at the same paths, apart
# from the documentation, which goes where the RPM family keeps it; that it
# owns no folder but its own; that its %changelog starts at this version;
# and that it requires Qt QT_FLOOR and no Qt version tag and no glibc symbol
# version newer than QT_FLOOR and GLIBC_FLOOR.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/version_floors.cmake)

foreach(kind IN ITEMS rpm deb)
  file(GLOB ${kind} ${PACKAGE_DIR}/*.${kind})
  list(LENGTH ${kind} count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "Expected one .${kind} in ${PACKAGE_DIR}: ${${kind}}")
  endif()
endforeach()

# query(<format> <out-var>): rpm's answer to --queryformat <format>.
function(query format out_var)
  execute_process(
    COMMAND ${RPM} --query --package --queryformat ${format} ${rpm}
    OUTPUT_VARIABLE value
    COMMAND_ERROR_IS_FATAL ANY)
  set(${out_var} "${value}" PARENT_SCOPE)
endfunction()

file(READ ${METAINFO} metainfo)
string(REGEX MATCH "<project_license>([^<]*)</project_license>" _ "${metainfo}")
query("%{NAME}|%{VERSION}|%{RELEASE}|%{LICENSE}|%{ARCH}" header)
string(REPLACE "|" ";" header "${header}")
list(POP_BACK header arch)
if(NOT header STREQUAL "velmora;${VERSION};1;${CMAKE_MATCH_1}")
  message(FATAL_ERROR "The RPM's name, version, release and licence are ${header}")
endif()
get_filename_component(file_name ${rpm} NAME)
if(NOT file_name STREQUAL "velmora-${VERSION}-1.${arch}.rpm")
  message(FATAL_ERROR "The RPM is named ${file_name}")
endif()

# Only what rpmbuild finds by itself: sonames such as libc.so.6(GLIBC_2.34)(64bit),
# the dynamic linker's features and rpm's own.
execute_process(COMMAND ${RPM} --query --package --requires ${rpm}
  OUTPUT_VARIABLE requires COMMAND_ERROR_IS_FATAL ANY)
message("${requires}")
string(REGEX MATCHALL "[^\n]+" requires "${requires}")
foreach(requirement IN LISTS requires)
  if(NOT requirement MATCHES "^[^ /()]+\\.so(\\.[0-9]+)*(\\([^ ()]*\\))*$"
     AND NOT requirement MATCHES "^rpmlib\\([A-Za-z]+\\) <= [0-9.-]+$"
     AND NOT requirement STREQUAL "rtld(GNU_HASH)")
    message(FATAL_ERROR "The RPM requires something other than a library: ${requirement}")
  endif()
endforeach()
if(NOT "libQt6Widgets.so.6()(64bit)" IN_LIST requires)
  message(FATAL_ERROR "rpmbuild found no library requirement of the program")
endif()
velmora_check_version_nodes("The RPM" "${requires}")
# rpm would take any Qt 6 for enough: the package names the oldest it is for.
if(NOT "libQt6Core.so.6(Qt_${QT_FLOOR})(64bit)" IN_LIST requires)
  message(FATAL_ERROR "The RPM does not ask for Qt ${QT_FLOOR}")
endif()

# The Debian package's files as "path sha256" under /usr, moved where the
# RPM keeps them: the copyright file is the licence, and the changelog is
# the RPM's %changelog instead of a file.
set(unpacked ${PACKAGE_DIR}/deb-for-rpm)
file(REMOVE_RECURSE ${unpacked})
execute_process(COMMAND ${DPKG_DEB} --extract ${deb} ${unpacked} COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE deb_files RELATIVE ${unpacked} ${unpacked}/*)
set(expected)
foreach(path IN LISTS deb_files)
  if(path STREQUAL "usr/share/doc/velmora/changelog.gz")
    continue()
  endif()
  file(SHA256 ${unpacked}/${path} digest)
  string(REPLACE "usr/share/doc/velmora/copyright" "usr/share/licenses/velmora/copyright" path ${path})
  list(APPEND expected "/${path} ${digest}")
endforeach()
list(SORT expected)

# rpm 4.18 keeps SHA-256 digests (algorithm 8).
query("%{FILEDIGESTALGO}" algorithm)
if(NOT algorithm STREQUAL "8")
  message(FATAL_ERROR "The RPM's file digests are not SHA-256 but algorithm ${algorithm}")
endif()
query("[%{FILEMODES:perms}|%{FILEFLAGS:fflags}|%{FILEDIGESTS}|%{FILENAMES}\n]" entries)
string(REGEX MATCHALL "[^\n]+" entries "${entries}")
set(files)
set(folders)
foreach(entry IN LISTS entries)
  string(REGEX MATCH "^(.)[^|]*\\|([^|]*)\\|([^|]*)\\|(.*)$" _ "${entry}")
  set(flags "${CMAKE_MATCH_2}")
  set(path "${CMAKE_MATCH_4}")
  if(CMAKE_MATCH_1 STREQUAL "d")
    list(APPEND folders ${path})
  else()
    list(APPEND files "${path} ${CMAKE_MATCH_3}")
  endif()
  if(path MATCHES "^/usr/share/licenses/velmora/." AND NOT flags MATCHES "l")
    message(FATAL_ERROR "The RPM does not mark ${path} as %license")
  endif()
endforeach()
list(SORT files)
if(NOT files STREQUAL expected)
  message(FATAL_ERROR "The RPM holds\n${files}\nthe Debian package\n${expected}")
endif()
# The folders it shares with others (/usr/bin, the icon theme's and so on)
# belong to the filesystem and the icon theme.
if(NOT folders STREQUAL "/usr/share/licenses/velmora")
  message(FATAL_ERROR "The RPM owns the folders ${folders}")
endif()

query("%{CHANGELOGNAME}" changelog)
if(NOT changelog MATCHES " - ${VERSION}-1$")
  message(FATAL_ERROR "The RPM's newest %changelog entry is not of ${VERSION}-1: ${changelog}")
endif()
