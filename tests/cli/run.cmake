# What the command-line tests share: include("${CMAKE_CURRENT_LIST_DIR}/run.cmake").

# No display at all: what runs next must not need one.
macro(without_display)
    set(ENV{DISPLAY} "")
    set(ENV{WAYLAND_DISPLAY} "")
    set(ENV{QT_QPA_PLATFORM} "")
endmacro()

# Sets `var` to the command line run with the arguments, its program without its folder.
function(named var)
    set(line ${command} ${ARGN})
    list(GET line 0 program)
    list(REMOVE_AT line 0)
    get_filename_component(name "${program}" NAME)
    string(REPLACE ";" " " line "${name};${line}")
    set(${var} "${line}" PARENT_SCOPE)
endfunction()

# Runs the list `command` (the program and its leading arguments) with the arguments after
# `expected`; fails unless it ends with status `expected`. Sets `out` and `err` in the caller
# to what it printed.
function(run expected)
    execute_process(COMMAND ${command} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err TIMEOUT 300)
    if(NOT status STREQUAL "${expected}")
        named(what ${ARGN})
        message(FATAL_ERROR "${what}: status ${status}, not ${expected}\n${out}${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

# As run, and fails unless what it printed on `stream` (out or err) matches `pattern`.
function(run_matching expected stream pattern)
    run("${expected}" ${ARGN})
    if(NOT "${${stream}}" MATCHES "${pattern}")
        named(what ${ARGN})
        message(FATAL_ERROR "${what}: the std${stream} does not match ${pattern}:\n"
                            "${out}${err}")
    endif()
endfunction()
