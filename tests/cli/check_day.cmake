# kelvo check-day from the command line, on a machine without any display:
#   cmake -DKELVO=<kelvo> -DSAMPLES=<samples folder> -DWORK=<scratch folder> -P check_day.cmake
# The sample day passes (exit 0, also as JSON), a copy without one invoice fails (exit 1) and
# names the file, a missing folder or an unknown option is a usage error (exit 2).
include("${CMAKE_CURRENT_LIST_DIR}/run.cmake")
without_display()
set(command "${KELVO}" check-day)

run(0 "${SAMPLES}/day")
if(NOT out MATCHES "Kelvo can work this day")
    message(FATAL_ERROR "no verdict for the sample day:\n${out}")
endif()
run(0 "${SAMPLES}/day" --json)
if(NOT out MATCHES "\"workable\": true" OR NOT out MATCHES "\"findings\": \\[\\]")
    message(FATAL_ERROR "the sample day as JSON:\n${out}")
endif()

file(REMOVE_RECURSE "${WORK}")
file(COPY "${SAMPLES}/day/" DESTINATION "${WORK}")
file(REMOVE "${WORK}/Inv_100105.xml")
run(1 "${WORK}" --json)
if(NOT out MATCHES "\"kind\": \"missing-file\", \"file\": \"Inv_100105.xml\"")
    message(FATAL_ERROR "the missing invoice is not named:\n${out}")
endif()
file(REMOVE_RECURSE "${WORK}")

run(2 "${WORK}/no-such-folder")
run(2 "${SAMPLES}/day" --colour)
run(2)
