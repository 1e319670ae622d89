# kelvo check-in on big days, timed (wall clock, the figures printed; nothing asserted):
#   cmake -DKELVO=<kelvo> -DDAYGEN=<kelvo-daygen> -DWORK=<scratch folder> -P check_in_scale.cmake
# 1. A day of 3 routes of 300 stops with 3 invoices of 40 lines, worked to its end by one
#    handheld (kelvo-daygen --returned): the summary, the JSON and the check-in sheet.
# 2. A depot of 40 handhelds, each back with one route of 300 stops: 40 folders in one run.
# The days (some 330 MB and 560 MB) are removed again.
foreach(var KELVO DAYGEN WORK)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "check_in_scale.cmake needs -D${var}=...")
    endif()
endforeach()
set(ENV{QT_QPA_PLATFORM} "")

function(generate name)
    file(REMOVE_RECURSE "${WORK}/${name}")
    execute_process(COMMAND "${DAYGEN}" "${WORK}/${name}/sent" ${ARGN}
                            --returned "${WORK}/${name}/back"
                    RESULT_VARIABLE status OUTPUT_QUIET)
    if(NOT status STREQUAL "0")
        message(FATAL_ERROR "kelvo-daygen ${ARGN} ended with status ${status}")
    endif()
endfunction()

# Runs one check-in and prints its wall time; the day must check in clean.
function(timed what)
    string(TIMESTAMP start "%s%f" UTC)
    execute_process(COMMAND "${KELVO}" check-in ${ARGN}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    string(TIMESTAMP end "%s%f" UTC)
    if(NOT status STREQUAL "0")
        message(FATAL_ERROR "check-in ${what}: status ${status}\n${err}")
    endif()
    math(EXPR ms "(${end} - ${start}) / 1000")
    string(REGEX MATCH "[^\n]*checked in;[^\n]*" summary "${out}")
    message("${what}: ${ms} ms wall  (${summary})")
endfunction()

generate(day --routes 3 --stops 300 --invoices 3 --lines 40)
set(day "${WORK}/day/sent" "${WORK}/day/back")
foreach(run 1 2 3)
    timed("3 routes of 300 stops, summary, run ${run}" ${day})
endforeach()
timed("3 routes of 300 stops, JSON" ${day} --json)
timed("3 routes of 300 stops, summary and sheet" ${day} --pdf "${WORK}/day/sheet.pdf")
file(REMOVE_RECURSE "${WORK}/day")

generate(depot --routes 40 --stops 300 --handhelds 40)
file(GLOB folders LIST_DIRECTORIES true "${WORK}/depot/back/handheld-*")
list(LENGTH folders count)
foreach(run 1 2)
    timed("${count} folders of one route of 300 stops, run ${run}" "${WORK}/depot/sent" ${folders})
endforeach()
timed("${count} folders, summary and sheet" "${WORK}/depot/sent" ${folders}
      --pdf "${WORK}/depot/sheet.pdf")
file(REMOVE_RECURSE "${WORK}/depot")
