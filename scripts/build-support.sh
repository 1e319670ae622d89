# Sourced by test.sh and fuzz.sh: how a build folder is configured, and the time each phase
# takes.

# configure DIR CMAKE-OPTION...: configures the build folder DIR with Ninja, which keeps every
# core busy across the libraries' boundaries (Make waits for a library before it compiles the
# files of the next); a folder made before keeps the generator it was made with.
configure() {
    local dir=$1
    shift
    local generator=()
    if [ ! -f "$dir/CMakeCache.txt" ] && command -v ninja > /dev/null; then
        generator=(-G Ninja)
    fi
    cmake -S . -B "$dir" "${generator[@]}" "$@" > /dev/null
}

# phase NAME: ends the phase before (printing its wall time) and starts NAME.
phase_name=""
phase_start=$SECONDS
phase() {
    phase_end
    phase_name=$1
    phase_start=$SECONDS
    echo "== $phase_name"
}

# phase_end: prints how long the running phase took.
phase_end() {
    if [ -n "$phase_name" ]; then
        local took=$((SECONDS - phase_start))
        printf '== %s: %d min %02d s\n' "$phase_name" $((took / 60)) $((took % 60))
    fi
    phase_name=""
}
