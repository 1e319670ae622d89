# Usage errors on the command line:
#   cmake -DKELVO=<kelvo> -DPLAYER=<kelvo-play> -DWORK=<scratch folder> -P usage.cmake
# A command or an option the program does not know gets the usage on standard error and exit
# status 2; it never starts the program on a device folder. Without any display the program
# could not even open its window, so a 2 here also shows the check runs before one is needed.
set(ENV{DISPLAY} "")
set(ENV{WAYLAND_DISPLAY} "")
set(ENV{QT_QPA_PLATFORM} "")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(root "${WORK}/device")

# Runs PROGRAM with the arguments; fails unless it ends with `expected` and what it printed
# on `stream` (out or err) matches `pattern`.
function(run program expected stream pattern)
    execute_process(COMMAND "${program}" ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err TIMEOUT 60)
    get_filename_component(name "${program}" NAME)
    if(NOT status STREQUAL "${expected}")
        message(FATAL_ERROR "${name} ${ARGN}: status ${status}, not ${expected}\n${out}${err}")
    endif()
    if(NOT "${${stream}}" MATCHES "${pattern}")
        message(FATAL_ERROR "${name} ${ARGN}: the std${stream} does not match ${pattern}:\n"
                            "${out}${err}")
    endif()
endfunction()

# Unknown commands: a mistyped one, and one Kelvo does not have.
run("${KELVO}" 2 err "unknown command frobnicate.*usage: kelvo " frobnicate)
run("${KELVO}" 2 err "unknown command check-dya.*usage: kelvo check-day" check-dya "${WORK}")
run("${KELVO}" 2 err "unknown command day.*usage: kelvo " --root "${root}" day)
# Unknown options, and one that lacks its value.
run("${KELVO}" 2 err "Unknown option 'frobnicate'.*usage: kelvo " --frobnicate)
run("${KELVO}" 2 err "Unknown option 'play'.*usage: kelvo " --root "${root}" --play x.scn)
run("${KELVO}" 2 err "Missing value after '--root'.*usage: kelvo " --root)
run("${KELVO}" 2 err "--keyboard maybe: use on, off or auto.*usage: kelvo " --root "${root}"
    --keyboard maybe)
# What does work without a display.
run("${KELVO}" 0 out "^kelvo [0-9.]+\n$" --version)
run("${KELVO}" 0 out "usage: kelvo .*usage: kelvo check-day.*usage: kelvo check-in" --help)

# With a display (offscreen), Qt takes its own options and what is left must be Kelvo's:
# "-kiosk" with one dash is no option of Qt's and is refused, not ignored.
set(ENV{QT_QPA_PLATFORM} offscreen)
run("${KELVO}" 2 err "Unknown option.*usage: kelvo " --root "${root}" -kiosk -platform offscreen)
run("${KELVO}" 2 err "unknown command now" --root "${root}" -reverse now -platform offscreen)
if(EXISTS "${root}")
    message(FATAL_ERROR "a usage error started Kelvo on ${root}")
endif()

# kelvo-play runs one scenario: none, two, or an option it does not know are usage errors.
run("${PLAYER}" 2 err "needs the scenario.*usage: kelvo-play " --root "${root}")
run("${PLAYER}" 2 err "one scenario at a time.*usage: kelvo-play " a.scn b.scn)
run("${PLAYER}" 2 err "Unknown option 'kiosk'.*usage: kelvo-play " --kiosk a.scn)
run("${PLAYER}" 0 out "usage: kelvo-play .*--strict" --help)
