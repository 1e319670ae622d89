# Writes a copy of a translation file in which every message is also found in the context
# "kelvo", where the core's tr() (src/common/Translate.h) asks for it:
#   cmake -DTS_IN=kelvo_es.ts -DTS_OUT=build/.../kelvo_es.ts -P core_context.cmake
# lupdate names the context of a text after the class or namespace it is written in, and the
# core's texts are written in many; the screens' own lookups keep their class contexts.
cmake_minimum_required(VERSION 3.25)
foreach(var TS_IN TS_OUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "core_context.cmake needs -D${var}=...")
    endif()
endforeach()

file(READ "${TS_IN}" ts)
# Two characters no translation file holds stand for ";" (CMake's list separator) and for the
# end of a message while the messages are cut out.
string(ASCII 30 semicolon)
string(ASCII 31 endOfMessage)
string(REPLACE ";" "${semicolon}" ts "${ts}")
# lupdate's own context "kelvo" is renamed, so that the copy below is the only one of that name.
string(REPLACE "<name>kelvo</name>" "<name>kelvo.sources</name>" ts "${ts}")
string(REPLACE "</message>" "</message>${endOfMessage}" marked "${ts}")
string(REGEX MATCHALL "<message[^${endOfMessage}]*${endOfMessage}" messages "${marked}")

set(copies "")
set(seen "")
foreach(message IN LISTS messages)
    string(REGEX MATCH "<source>[^<]*</source>" source "${message}")
    if(message MATCHES "type=\"(vanished|obsolete)\"" OR source STREQUAL "")
        continue()
    endif()
    string(MD5 key "${source}")
    if(key IN_LIST seen)
        continue()
    endif()
    list(APPEND seen "${key}")
    string(REPLACE "${endOfMessage}" "" message "${message}")
    string(APPEND copies "    ${message}\n")
endforeach()

string(REPLACE "</TS>" "<context>\n    <name>kelvo</name>\n${copies}</context>\n</TS>" ts "${ts}")
string(REPLACE "${semicolon}" ";" ts "${ts}")
file(WRITE "${TS_OUT}" "${ts}")
