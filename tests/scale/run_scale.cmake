# Runs the scale scenario on a heavy day: kelvo-daygen writes the day beside a copy of the
# scenario, and the player runs it with --timings on a fresh device folder.
#   cmake -DKELVO=<kelvo> -DDAYGEN=<kelvo-daygen> -DWORK=<folder> -DSCENARIO=<file.scn> -P run_scale.cmake
foreach(var KELVO DAYGEN WORK SCENARIO)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "run_scale.cmake needs -D${var}=...")
    endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/root")
execute_process(COMMAND "${DAYGEN}" "${WORK}/scale-day" --routes 1 --stops 10 --calls 500
                        --flags 5000 --flat-goods 2000
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "kelvo-daygen ended with status ${status}")
endif()
get_filename_component(name "${SCENARIO}" NAME)
configure_file("${SCENARIO}" "${WORK}/${name}" COPYONLY)

set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(
    COMMAND "${KELVO}" --root "${WORK}/root" --play "${WORK}/${name}" --strict --timings
            -platform offscreen
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
message("${output}")
if(NOT status STREQUAL "0")
    message("${errors}")
    message(FATAL_ERROR "scenario ${name} ended with status ${status}")
endif()
