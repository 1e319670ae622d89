# Runs one end-to-end scenario on a fresh device folder:
#   cmake -DPLAYER=<kelvo-play> -DROOT=<device folder> -DSCENARIO=<file.scn> -DOUT=<folder> -P run_scenario.cmake
# The device folder is emptied first, so every scenario starts from a device without data.
# Fails (and shows the player's report) when the scenario does not pass.
# A scenario on a generated day adds -DDAYGEN=<kelvo-daygen> -DDAY="--routes 3 ...": the day is
# written into the device's import folder first, and the device folder (large) is removed
# afterwards. -DTIMINGS=ON prints how long each step took. -DLANG=es runs the program in that
# language; every other scenario runs in English, whatever the machine's locale. -DPLATFORM=xcb
# runs it on the X server of $DISPLAY instead of offscreen; -DKEYBOARD=on with the on-screen
# keyboard.
foreach(var PLAYER ROOT SCENARIO OUT)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "run_scenario.cmake needs -D${var}=...")
    endif()
endforeach()

file(REMOVE_RECURSE "${ROOT}")
file(MAKE_DIRECTORY "${ROOT}" "${OUT}")

if(DEFINED DAYGEN)
    separate_arguments(day_args UNIX_COMMAND "${DAY}")
    execute_process(COMMAND "${DAYGEN}" "${ROOT}/My Documents/Before Departure" ${day_args}
                    RESULT_VARIABLE generated OUTPUT_QUIET)
    if(NOT generated STREQUAL "0")
        message(FATAL_ERROR "kelvo-daygen ${DAY} ended with status ${generated}")
    endif()
endif()
set(timings)
if(TIMINGS)
    set(timings --timings)
endif()

if(NOT DEFINED LANG OR LANG STREQUAL "")
    set(LANG en)
endif()

if(NOT DEFINED PLATFORM OR PLATFORM STREQUAL "")
    set(PLATFORM offscreen)
endif()
if(NOT DEFINED KEYBOARD OR KEYBOARD STREQUAL "")
    set(KEYBOARD off)
endif()

set(ENV{QT_QPA_PLATFORM} ${PLATFORM})
execute_process(
    COMMAND "${PLAYER}" --root "${ROOT}" --lang ${LANG} --out "${OUT}" --strict ${timings}
            --keyboard ${KEYBOARD} "${SCENARIO}" -platform ${PLATFORM}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)

if(DEFINED DAYGEN)
    file(REMOVE_RECURSE "${ROOT}")
endif()
message("${output}")
if(NOT errors STREQUAL "")
    message("${errors}")
endif()
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "scenario ${SCENARIO} ended with status ${status}")
endif()
