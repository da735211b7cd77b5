# Reads back the one Debian package in PACKAGE_DIR: its control fields (name,
# the project's VERSION, the library dependencies dpkg-shlibdeps found and the
# package of the windows' font), that it holds exactly the installed files of
# APP_ID under /usr, its copyright file and changelog, its manual page as MAN
# renders it, that its program is stripped and hardened (HARDENING_CHECK),
# and that neither its Depends nor its program's version needs (OBJDUMP) ask
# for a Qt or glibc newer than QT_FLOOR and GLIBC_FLOOR.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/version_floors.cmake)

# Without the font the package cannot depend on the package that ships it.
execute_process(COMMAND fc-match --format=%{family[0]} "Liberation Sans"
  OUTPUT_VARIABLE font RESULT_VARIABLE font_result)
if(font_result OR NOT font STREQUAL "Liberation Sans")
  message("test skipped: the font Liberation Sans is not installed, so the package lacks its dependency")
  return()
endif()

file(GLOB packages ${PACKAGE_DIR}/*.deb)
list(LENGTH packages package_count)
if(NOT package_count EQUAL 1)
  message(FATAL_ERROR "Expected one package in ${PACKAGE_DIR}: ${packages}")
endif()

# field(<name> <out-var>): a control field of the package.
function(field name out_var)
  execute_process(
    COMMAND ${DPKG_DEB} --field ${packages} ${name}
    OUTPUT_VARIABLE value
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  set(${out_var} "${value}" PARENT_SCOPE)
endfunction()

# expect_equal(<what> <actual> <expected>)
function(expect_equal what actual expected)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${what} is \"${actual}\", expected \"${expected}\"")
  endif()
endfunction()

foreach(name_value IN ITEMS "Package=velmora" "Version=${VERSION}" "Section=sound"
    "Priority=optional" "Maintainer=Velmora team <team@velmora.invalid>")
  string(REGEX MATCH "^([^=]*)=(.*)$" _ "${name_value}")
  field(${CMAKE_MATCH_1} value)
  expect_equal("${CMAKE_MATCH_1}" "${value}" "${CMAKE_MATCH_2}")
endforeach()

# "libc6 (>= 2.34), libqt6widgets6 (>= 6.1.2), fonts-liberation2": glibc and
# Qt no newer than the floors; then down to the package names, alternatives
# included.
field(Depends depends)
string(REGEX MATCHALL "(^|, )lib(c|qt6[a-z0-9]*)6 \\(>= [^)]+\\)" versioned "${depends}")
foreach(dependency IN LISTS versioned)
  string(REGEX MATCH "lib(c|qt)[^ ]* \\(>= ([^)]+)\\)$" _ "${dependency}")
  if(CMAKE_MATCH_1 STREQUAL "c")
    velmora_check_floor("The package's Depends" GLIBC ${CMAKE_MATCH_2})
  else()
    velmora_check_floor("The package's Depends" Qt ${CMAKE_MATCH_2})
  endif()
endforeach()
string(REGEX REPLACE " *\\([^)]*\\)" "" depends "${depends}")
string(REGEX REPLACE " *[,|] *" ";" depends "${depends}")
foreach(dependency IN ITEMS libqt6widgets6 fonts-liberation2)
  if(NOT dependency IN_LIST depends)
    message(FATAL_ERROR "The package does not depend on ${dependency}: ${depends}")
  endif()
endforeach()

# --contents lists "mode owner size date time ./path" per entry; folders
# end in a slash.
execute_process(
  COMMAND ${DPKG_DEB} --contents ${packages}
  OUTPUT_VARIABLE contents
  COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\\./usr/[^\n]*[^/\n]\n" files "${contents}")
list(TRANSFORM files REPLACE "^\\./usr/(.*)\n$" "\\1")
list(SORT files)
velmora_installed_files(${APP_ID} expected)
if(NOT files STREQUAL expected)
  message(FATAL_ERROR "The package holds ${files}\nexpected ${expected}")
endif()

set(root ${PACKAGE_DIR}/unpacked)
file(REMOVE_RECURSE ${root})
execute_process(COMMAND ${DPKG_DEB} --extract ${packages} ${root} COMMAND_ERROR_IS_FATAL ANY)

# The copyright file is machine-readable and states for every file the
# licence the AppStream description gives.
file(READ ${root}/usr/share/doc/velmora/copyright copyright)
if(NOT copyright MATCHES "^Format: https://www\\.debian\\.org/doc/packaging-manuals/copyright-format/1\\.0/\n")
  message(FATAL_ERROR "The copyright file is not in copyright-format 1.0:\n${copyright}")
endif()
file(READ ${root}/usr/share/metainfo/${APP_ID}.metainfo.xml metainfo)
string(REGEX MATCH "<project_license>([^<]*)</project_license>" _ "${metainfo}")
set(project_license "${CMAKE_MATCH_1}")
string(REGEX MATCH "\nFiles: \\*\n(.*\n)?License: ([^\n]*)\n" _ "${copyright}")
expect_equal("The licence of all files" "${CMAKE_MATCH_2}" "${project_license}")
# A licence named in a Files paragraph has a stand-alone paragraph with its text.
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" license_regex "${project_license}")
if(NOT copyright MATCHES "\n\nLicense: ${license_regex}\n [^\n]")
  message(FATAL_ERROR "The copyright file has no text of ${project_license}")
endif()

# The changelog's newest entry is of this version; gzip -9n leaves no name
# or time stamp in the header (flags and the four bytes of time all zero).
set(changelog ${root}/usr/share/doc/velmora/changelog.gz)
file(READ ${changelog} gzip_header HEX LIMIT 8)
expect_equal("The changelog's gzip header" "${gzip_header}" "1f8b080000000000")
execute_process(COMMAND gzip -dc ${changelog} OUTPUT_VARIABLE changelog_text COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "^velmora \\(([^)]*)\\) " _ "${changelog_text}")
expect_equal("The changelog's newest version" "${CMAKE_MATCH_1}" "${VERSION}")

# The manual page renders without a complaint from man, names the program and
# lists the files the package installs.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
          ${MAN} --warnings -E UTF-8 -l ${root}/usr/share/man/man1/velmora.1.gz
  OUTPUT_VARIABLE page
  ERROR_VARIABLE man_warnings
  COMMAND_ERROR_IS_FATAL ANY)
if(NOT man_warnings STREQUAL "")
  message(FATAL_ERROR "man complains about the manual page:\n${man_warnings}")
endif()
if(NOT page MATCHES "\nNAME\n +velmora - guitar chord chart\n")
  message(FATAL_ERROR "The manual page does not name the program:\n${page}")
endif()
if(NOT page MATCHES "\nVelmora ${VERSION} +[^\n]+ +VELMORA\\(1\\)\n*$")
  message(FATAL_ERROR "The manual page's footer does not name version ${VERSION}:\n${page}")
endif()
foreach(file IN ITEMS bin/velmora share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml share/icons/hicolor/*/apps/${APP_ID}.png)
  string(FIND "${page}" "/usr/${file}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "The manual page does not list /usr/${file}:\n${page}")
  endif()
endforeach()

set(program ${root}/usr/bin/velmora)
# The versions the dynamic linker will ask the system's Qt and glibc for:
# no version tag of the Qt it was built against, no newer symbol.
execute_process(COMMAND ${OBJDUMP} -T ${program} OUTPUT_VARIABLE needs COMMAND_ERROR_IS_FATAL ANY)
velmora_check_version_nodes("The packaged program" "${needs}")

# The program is stripped, the compiler's comment included, and hardened.
execute_process(COMMAND readelf --section-headers --wide ${program}
  OUTPUT_VARIABLE sections COMMAND_ERROR_IS_FATAL ANY)
foreach(section IN ITEMS .symtab .comment .debug_info)
  string(REPLACE "." "\\." section_regex ${section})
  if(sections MATCHES " ${section_regex} ")
    message(FATAL_ERROR "The packaged program still has its ${section} section")
  endif()
endforeach()
execute_process(COMMAND ${HARDENING_CHECK} --nocfprotection ${program}
  OUTPUT_VARIABLE hardening RESULT_VARIABLE hardening_result)
message("${hardening}")
foreach(feature IN ITEMS "Position Independent Executable" "Stack protected"
    "Fortify Source functions" "Read-only relocations" "Immediate binding")
  if(NOT hardening MATCHES "\n ${feature}: yes")
    message(FATAL_ERROR "The packaged program lacks: ${feature}")
  endif()
endforeach()
if(hardening_result)
  message(FATAL_ERROR "hardening-check fails the packaged program")
endif()
