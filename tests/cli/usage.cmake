# Usage errors on the command line:
#   cmake -DKELVO=<kelvo> -DPLAYER=<kelvo-play> -DWORK=<scratch folder> -P usage.cmake
# A command or an option the program does not know gets the usage on standard error and exit
# status 2; it never starts the program on a device folder. Without any display the program
# could not even open its window, so a 2 here also shows the check runs before one is needed.
include("${CMAKE_CURRENT_LIST_DIR}/run.cmake")
without_display()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(root "${WORK}/device")

set(command "${KELVO}")
# Unknown commands: a mistyped one, and one Kelvo does not have.
run_matching(2 err "unknown command frobnicate.*usage: kelvo " frobnicate)
run_matching(2 err "unknown command check-dya.*usage: kelvo check-day" check-dya "${WORK}")
run_matching(2 err "unknown command day.*usage: kelvo " --root "${root}" day)
# Unknown options, and one that lacks its value.
run_matching(2 err "Unknown option 'frobnicate'.*usage: kelvo " --frobnicate)
run_matching(2 err "Unknown option 'play'.*usage: kelvo " --root "${root}" --play x.scn)
run_matching(2 err "Missing value after '--root'.*usage: kelvo " --root)
run_matching(2 err "--keyboard maybe: use on, off or auto.*usage: kelvo " --root "${root}"
    --keyboard maybe)
# What does work without a display.
run_matching(0 out "^kelvo [0-9.]+\n$" --version)
# The device options are told as the program takes them, the keyboard's default included.
set(help "usage: kelvo .*--root DIR.*property Keyboard.*--kiosk.*--version")
run_matching(0 out "${help}.*usage: kelvo check-day.*usage: kelvo check-in" --help)

# With a display (offscreen), Qt takes its own options and what is left must be Kelvo's:
# "-kiosk" with one dash is no option of Qt's and is refused, not ignored.
set(ENV{QT_QPA_PLATFORM} offscreen)
run_matching(2 err "Unknown option.*usage: kelvo " --root "${root}" -kiosk -platform offscreen)
run_matching(2 err "unknown command now" --root "${root}" -reverse now -platform offscreen)
if(EXISTS "${root}")
    message(FATAL_ERROR "a usage error started Kelvo on ${root}")
endif()

# kelvo-play runs one scenario: none, two, or an option it does not know are usage errors.
set(command "${PLAYER}")
run_matching(2 err "needs the scenario.*usage: kelvo-play " --root "${root}")
run_matching(2 err "one scenario at a time.*usage: kelvo-play " a.scn b.scn)
run_matching(2 err "Unknown option 'kiosk'.*usage: kelvo-play " --kiosk a.scn)
run_matching(0 out "usage: kelvo-play .*--root DIR.*default off.*--strict.*--version" --help)
