# Runs one end-to-end scenario on a fresh device folder:
#   cmake -DKELVO=<kelvo> -DROOT=<device folder> -DSCENARIO=<file.scn> -DOUT=<folder> -P run_scenario.cmake
# The device folder is emptied first, so every scenario starts from a device without data.
# Fails (and shows the player's report) when the scenario does not pass.
foreach(var KELVO ROOT SCENARIO OUT)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "run_scenario.cmake needs -D${var}=...")
    endif()
endforeach()

file(REMOVE_RECURSE "${ROOT}")
file(MAKE_DIRECTORY "${ROOT}" "${OUT}")

set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(
    COMMAND "${KELVO}" --root "${ROOT}" --play "${SCENARIO}" --out "${OUT}" --strict
            -platform offscreen
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)

message("${output}")
if(NOT errors STREQUAL "")
    message("${errors}")
endif()
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "scenario ${SCENARIO} ended with status ${status}")
endif()
