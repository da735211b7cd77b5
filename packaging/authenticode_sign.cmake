# cmake [-DCERT=<pem> -DKEY=<pem> -DOSSLSIGNCODE=<program>] -DEPOCH=<time>
#       -P authenticode_sign.cmake <file> [<copy>]
# Signs the Windows program <file> in place with osslsigncode: an
# Authenticode signature, SHA-256, by the certificate CERT with its key KEY,
# signed at the time EPOCH and without a time-stamp, which would need a
# time-stamping server. Without CERT the file is left as it is. With
# <copy>, the file, signed or not, is copied there too.
cmake_minimum_required(VERSION 3.25)
# The arguments after the script's name.
foreach(i RANGE ${CMAKE_ARGC})
  if(CMAKE_ARGV${i} STREQUAL "-P")
    math(EXPR file_at "${i} + 2")
    math(EXPR copy_at "${i} + 3")
    break()
  endif()
endforeach()
set(FILE "${CMAKE_ARGV${file_at}}")
set(COPY "${CMAKE_ARGV${copy_at}}")
if(CERT)
  file(REMOVE ${FILE}.signed)
  execute_process(
    COMMAND ${OSSLSIGNCODE} sign -certs ${CERT} -key ${KEY} -h sha256
            # The signing time: -st, which osslsigncode has taken since 2.1
            # (Debian 12 ships 2.5; later versions also call it -time).
            -n Velmora -i https://velmora.invalid/ -st ${EPOCH}
            -in ${FILE} -out ${FILE}.signed
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output
    RESULT_VARIABLE result)
  if(result)
    message(FATAL_ERROR "osslsigncode could not sign ${FILE}:\n${output}")
  endif()
  file(RENAME ${FILE}.signed ${FILE})
endif()
if(COPY)
  file(COPY_FILE ${FILE} ${COPY})
endif()
