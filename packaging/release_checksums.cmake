# Writes DIR/SHA256SUMS: the SHA-256 of each file of the release of VERSION
# found in DIR (the Debian package, the RPM, the Windows installers and
# the programs they install, windows/Velmora.exe for 64-bit Windows and
# windows32/Velmora.exe for 32-bit), in the format `sha256sum -c` reads. With a GnuPG
# key id in GPG_KEY, GPG also writes its detached, armoured signature
# SHA256SUMS.asc; without one, no signature is left from an earlier run.
cmake_minimum_required(VERSION 3.25)
file(GLOB files RELATIVE ${DIR}
  ${DIR}/velmora_${VERSION}_*.deb ${DIR}/velmora-${VERSION}-*.rpm
  ${DIR}/Velmora-${VERSION}-win64.exe ${DIR}/windows/Velmora.exe
  ${DIR}/Velmora-${VERSION}-win32.exe ${DIR}/windows32/Velmora.exe)
list(SORT files)
if(NOT files)
  message(FATAL_ERROR "No release file of ${VERSION} in ${DIR}: make the packages first")
endif()
set(sums "")
foreach(file IN LISTS files)
  file(SHA256 ${DIR}/${file} digest)
  string(APPEND sums "${digest}  ${file}\n")
endforeach()
file(WRITE ${DIR}/SHA256SUMS "${sums}")
message("${DIR}/SHA256SUMS:\n${sums}")

file(REMOVE ${DIR}/SHA256SUMS.asc)
if(GPG_KEY)
  execute_process(
    COMMAND ${GPG} --batch --yes --armor --local-user ${GPG_KEY}
            --output ${DIR}/SHA256SUMS.asc --detach-sign ${DIR}/SHA256SUMS
    RESULT_VARIABLE result)
  if(result)
    message(FATAL_ERROR "gpg could not sign ${DIR}/SHA256SUMS with the key ${GPG_KEY}")
  endif()
endif()
