# Fails when a text of the program has no finished translation: runs lupdate over the sources
# into a copy of the translation file (the file itself is left alone) and lists what is open.
#   cmake -DLUPDATE=... -DSOURCES=src -DTS=translations/kelvo_es.ts -DWORK=dir -P check_complete.cmake
cmake_minimum_required(VERSION 3.25)
foreach(var LUPDATE SOURCES TS WORK)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "check_complete.cmake needs -D${var}=...")
    endif()
endforeach()

get_filename_component(name "${TS}" NAME)
file(MAKE_DIRECTORY "${WORK}")
file(COPY_FILE "${TS}" "${WORK}/${name}")
execute_process(
    COMMAND "${LUPDATE}" -silent -locations none -no-obsolete
            -tr-function-alias QT_TR_NOOP+=KELVO_TR_NOOP "${SOURCES}" -ts "${WORK}/${name}"
    RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${result}): ${errors}")
endif()

file(READ "${WORK}/${name}" ts)
# One message per line, so that a match never reaches into the next message.
string(REPLACE "\n" " " ts "${ts}")
string(REPLACE "</message>" "</message>\n" ts "${ts}")
string(REGEX MATCHALL "<source>[^<]*</source>[^\n]*type=\"unfinished\"" open "${ts}")
list(LENGTH open count)
if(count GREATER 0)
    set(listing "")
    foreach(entry IN LISTS open)
        string(REGEX MATCH "<source>([^<]*)</source>" _ "${entry}")
        string(APPEND listing "\n  ${CMAKE_MATCH_1}")
    endforeach()
    message(FATAL_ERROR "${count} texts have no finished translation in ${name} "
                        "(cmake --build build --target update_translations, then translate them):${listing}")
endif()
message(STATUS "${name}: every text is translated")
