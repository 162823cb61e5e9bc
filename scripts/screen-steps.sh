# Steps shared by the picture scripts that drive the program under a virtual
# display (sourced by them and again inside the display). Every wait polls for the window it needs instead
# of pausing a fixed time, and gives up after STEP_TIMEOUT seconds (default
# 30) with a message, so a changed start-up stops the script instead of
# leaving a wrong picture. Needs xdotool and imagemagick.

STEP_TIMEOUT=${STEP_TIMEOUT:-30}

# Starts the program under a fresh virtual display with a settings folder of
# its own (with Language stored when given, and port 1 when a simulated
# controller runs: start_sim) and runs the named step function
# there with the program's pid first in its arguments (its definition is
# handed over as text: xvfb-run's shell drops exported functions). The whole
# run gives up after RUN_TIMEOUT seconds (default 120); the program is ended when the steps are done or fail.
on_virtual_display() {   # program, language (empty = nothing stored), function, argument...
    local program=$1 language=$2 cfg rc=0
    shift 2
    cfg=$(mktemp -d)
    mkdir -p "$cfg/QZTQ7Z210"
    {
        printf '[Settings]\n'
        if [ -n "$language" ]; then printf 'Language=%s\n' "$language"; fi
        if [ -n "${SIM_PORT:-}" ]; then printf 'PortNo=1\n'; fi
    } > "$cfg/QZTQ7Z210/QZTQ7Z210.ini"
    XDG_CONFIG_HOME="$cfg" REZ4_PORT1="${SIM_PORT:-}" timeout "${RUN_TIMEOUT:-120}" \
        xvfb-run -a -s "-screen 0 1100x820x24" bash -c '
        set -euo pipefail
        . scripts/screen-steps.sh
        "$1" & pid=$!
        trap "kill $pid 2>/dev/null || true" EXIT
        eval "$2"
        steps=$3
        shift 3
        "$steps" "$pid" "$@"' _ "$program" "$(declare -f "$1")" "$@" || rc=$?
    rm -rf "$cfg"
    return "$rc"
}

# Starts the simulated controller with the given arguments and waits for
# its first line, the path of its terminal: sets SIM_PID, SIM_OUT (what it
# printed) and SIM_PORT (empty when it ended first, as for --help or a
# refused argument). The caller stops it and removes SIM_OUT.
start_sim() {   # simulator, argument...
    SIM_OUT=$(mktemp)
    "$@" > "$SIM_OUT" &
    SIM_PID=$!
    until [ -s "$SIM_OUT" ] || ! kill -0 "$SIM_PID" 2>/dev/null; do sleep 0.1; done
    SIM_PORT=$(head -1 "$SIM_OUT")
    if [[ "$SIM_PORT" != /dev/* ]]; then SIM_PORT=""; fi
}

# Prints the id of the first visible window that `xdotool search` finds with
# the given arguments (e.g. --name 'QZ-TQ7', --pid 123), once there is one.
wait_window() {
    local deadline=$((SECONDS + STEP_TIMEOUT)) id
    while ((SECONDS < deadline)); do
        id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "screen-steps: no window for '$*' within $STEP_TIMEOUT s" >&2
    return 1
}

# Returns once the window is no longer shown.
wait_gone() {   # window id
    local deadline=$((SECONDS + STEP_TIMEOUT))
    while ((SECONDS < deadline)); do
        if ! xdotool search --onlyvisible --name '' 2>/dev/null | grep -qx "$1"; then
            return 0
        fi
        sleep 0.1
    done
    echo "screen-steps: window $1 still shown after $STEP_TIMEOUT s" >&2
    return 1
}

# Gives the window the keyboard and sends it the keys.
press() {   # window id, key...
    local id=$1
    shift
    xdotool windowfocus --sync "$id"
    xdotool key "$@"
}

# Answers a question window found by its title with the keys and waits until
# it has closed.
answer() {   # title, key...
    local id
    id=$(wait_window --name "$1")
    shift
    press "$id" "$@"
    wait_gone "$id"
}

# A picture of the whole screen. The short pause lets the window just
# found finish painting; it is not what waits for the window.
picture() {   # file
    sleep 0.5
    import -window root "$1"
}

# The offline start from the first question to the main window: "offline",
# "positioner mode", select the actuator type and read its standard
# parameters, keep the actuators offered. The questions' titles are "選択"
# and "Select"; the actuator window, "アクチュエータ選択" / "Select Device",
# has no default button, so its OK is reached from the axis count list
# (where the window starts) backwards past Back and pressed with Space.
# Prints the main window's id.
offline_start() {
    answer '^(選択|Select)$' Down Return
    answer '^(選択|Select)$' Return
    answer '^(選択|Select)$' Return
    answer '^(アクチュエータ選択|Select Device)$' shift+Tab shift+Tab space
    wait_window --name '^QZ-TQ7'
}
