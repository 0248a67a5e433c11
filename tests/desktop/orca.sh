# What a blind player hears: the game played from the keyboard under the
# Orca screen reader, whose speech is written to a transcript instead of
# the loudspeaker, on a desktop of its own (Xvfb, openbox, a session bus,
# the accessibility bus, speech-dispatcher).
# Usage: bash orca.sh GAME [display-bus]
# With display-bus, the session bus is the one started for the X display,
# as the bus library starts one where a session names none, and the game
# finds it through the display rather than its environment.
here=$(cd "$(dirname "$0")" && pwd)
game=$1
bus_kind=${2:-session}
source "$here/desktop.sh"

orca=/usr/bin/orca
launcher=/usr/libexec/at-spi-bus-launcher
modules=/usr/lib/speech-dispatcher-modules
# Orca runs on the system's Python, which has its modules (gi, pyatspi,
# speechd), whatever python3 comes first on the PATH.
python=/usr/bin/python3
[[ -x $orca ]] || skip "Orca is missing (bash tools/deps test installs orca)"
command -v speech-dispatcher >/dev/null && [[ -x $modules/sd_generic ]] ||
  skip "speech-dispatcher or its generic module is missing (bash tools/deps test installs speech-dispatcher)"
[[ -x $launcher ]] || skip "$launcher is missing (at-spi2-core)"
command -v dbus-daemon >/dev/null || skip "dbus-daemon is missing"
"$python" -c 'import gi, pyatspi, speechd' 2>/dev/null ||
  skip "$python lacks gi, pyatspi or speechd, which Orca needs"

speech=$tmp/speech.log

# Speech-dispatcher on a socket of its own, with one voice: a command that
# appends each utterance to the transcript as one line, in one write, so
# that a line is never read half written. The module would cut an
# utterance after each full stop; its one divider is a "|" that nothing
# says.
start_speech() {
  mkdir -p "$tmp/speechd/modules"
  cat >"$tmp/speechd/speechd.conf" <<EOF
LogLevel 2
LogDir "$tmp/speechd"
AddModule "transcript" "sd_generic" "transcript.conf"
DefaultModule transcript
DefaultLanguage "en"
# The generic module opens a sound device it never uses; libao's opens
# without a sound card.
AudioOutputMethod "libao"
EOF
  cat >"$tmp/speechd/modules/transcript.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' | paste -sd ' ' >>'$speech'"
GenericMaxChunkLength 100000
GenericDelimiters "|"
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "default"
EOF
  : >"$speech"
  export SPEECHD_ADDRESS=unix_socket:$tmp/speechd.sock
  # Orca would start one itself, on the user's socket, and gives up on
  # speech when that takes more than a few seconds.
  speech-dispatcher -s -C "$tmp/speechd" -m "$modules" -c unix_socket -S "$tmp/speechd.sock" \
    -t 0 -P "$tmp/speechd.pid" -L "$tmp/speechd" >"$tmp/speechd.log" 2>&1 &
  bg_pids+=($!)
  await 10000 test -S "$tmp/speechd.sock" ||
    fail "speech-dispatcher did not open its socket within 10 s: $(tail -n 5 "$tmp/speechd.log")"
}

# Orca takes seconds to leave after its goodbye; nothing of it needs
# keeping, so it goes at once, before the buses it is on.
orca_pid=
stop_orca() {
  [[ -n $orca_pid ]] || return 0
  kill -KILL "$orca_pid" 2>/dev/null || true
  await 2000 eval '! kill -0 "$orca_pid" 2>/dev/null' || true
  orca_pid=
}
trap 'stop_orca; cleanup' EXIT

# A bus registered on the X display, where a program with no bus in its
# environment finds it: started as the bus library itself starts one
# (dbus-launch --autolaunch, under the machine's id as the library reads it).
start_display_bus() {
  command -v dbus-launch >/dev/null || skip "dbus-launch is missing (bash tools/deps test installs dbus-x11)"
  local id launched
  id=$(dbus-uuidgen --get 2>/dev/null) || skip "no machine id, under which a bus is registered on the display"
  launched=$(dbus-launch --autolaunch="$id" --sh-syntax --close-stderr) ||
    fail "dbus-launch started no bus for the display"
  eval "$launched"
  [[ -n ${DBUS_SESSION_BUS_PID:-} && -n ${DBUS_SESSION_BUS_ADDRESS:-} ]] ||
    fail "dbus-launch named no bus: $launched"
  export DBUS_SESSION_BUS_ADDRESS
  bg_pids+=("$DBUS_SESSION_BUS_PID")
  runner=(env -u DBUS_SESSION_BUS_ADDRESS)
}

# A session bus, the accessibility bus it hands out, speech and Orca,
# ready once it has said so.
start_orca() {
  if [[ $bus_kind == display-bus ]]; then start_display_bus; else start_session_bus; fi
  # Settings in memory: no dconf service on the bus to outlive it.
  export GSETTINGS_BACKEND=memory
  "$launcher" --launch-immediately >"$tmp/atspi.log" 2>&1 &
  bg_pids+=($!)
  start_speech
  "$python" "$here/orca_launch.py" >"$tmp/orca.log" 2>&1 &
  orca_pid=$!
  # It is killed at the end (stop_orca), without a word from the shell.
  disown "$orca_pid"
  await 20000 heard_since 0 '^Screen reader on\.' ||
    fail "Orca did not start speaking within 20 s: $(tail -n 5 "$tmp/orca.log")"
}

# Whether the transcript, from line $1 on (0: the start), holds lines that
# match the extended regular expressions $2..., in that order.
heard_since() {
  tail -n +$(($1 + 1)) "$speech" | awk '
    BEGIN { n = k = 0; for (i = 2; i < ARGC; i++) re[n++] = ARGV[i]; ARGC = 1 }
    k < n && $0 ~ re[k] { k++ }
    END { exit (k < n) }' - "${@:2}"
}

# Sends keys (xdrive's names) once the transcript so far is marked: what
# they make Orca say is looked for after the mark.
mark=0
press() {
  mark=$(wc -l <"$speech")
  pressed="$*"
  xd key "$@"
}

# Waits up to 10 s for Orca to say lines matching $2... in that order, since
# the last keys; $1 tells what the player should hear. A line that does not
# come is counted, with what Orca said instead, and the check goes on.
missed=()
expect() {
  local what=$1
  shift
  await 10000 heard_since "$mark" "$@" && return
  missed+=("$what")
  {
    echo "MISSED: $what"
    echo "  after the keys: $pressed"
    printf '  wanted, in order: /%s/\n' "$@"
    echo "  Orca said:"
    tail -n +$((mark + 1)) "$speech" | tail -n 25 | sed 's/^/   | /'
  } >&2
}

start_desktop
start_orca
pressed="(the game's start)"
mark=$(wc -l <"$speech")
start_game QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
# A fresh board has its apex empty, and the ring there.
expect "the board, then the ringed hole and the balls" \
  '^Board\.' 'List with 15 items' '^Row 1, hole 1: empty\. 14 balls left\.'
# Before the first jump Shift+Space empties the ringed ball's hole (and
# fills the apex).
press Down
expect "the ring one row down" '^Row 2, hole 1: ball'
press shift+space
expect "Shift+Space chooses the starting hole" '^Starting hole: row 2, hole 1\. 14 balls left\.'
# Down the left edge to a ball that can jump into it: Space lifts it, Tab
# rings its one landing hole, Space jumps.
press Down Down
expect "the ring on a ball that can jump" '^Row 4, hole 1: ball, can jump'
press space
expect "Space lifts the ball" '^Lifted\. 1 landing hole\.'
press Tab
expect "Tab rings the landing hole" '^Row 2, hole 1: empty, the lifted ball can land here'
press space
expect "Space jumps" \
  '^Row 4, hole 1 to row 2, hole 1\. Ball taken from row 3, hole 1\. 13 balls left\.'
press F8
expect "F8 takes the jump back" '^Undone: row 2, hole 1 back to row 4, hole 1\. 14 balls left\.'
press F3
expect "F3 tells a jump on a winning line" \
  '^Hint: row [0-9]+, hole [0-9]+ to row [0-9]+, hole [0-9]+\.'
press F4
expect "F4 tells the position" '^14 balls left\.'
press F1
expect "F1 opens the menu on its first item, with its key" '^Undo[^a-z].*F8'
xd menus 1 3000 || fail "F1 opened no menu"
press Escape
xd menus 0 3000 || fail "Escape did not close the menu"
xd focus "$board" 3000 || fail "the board did not get the keyboard focus back from the menu"
press F2
question=$(await_window "Reset VORN" 5000)
expect "F2 reads its question in full" 'Are you sure you want to reset this game'
press Escape
xd gone "$question" 3000 || fail "Escape did not close the 'Reset VORN' question"
xd focus "$board" 3000 || fail "the board did not get the keyboard focus back from the question"
# Up to the apex from any row, then once more.
press Up Up Up Up Up
expect "an arrow at the edge says so" '^Edge of the board\.'

((${#missed[@]} == 0)) || fail "Orca did not say what the player should hear: $(printf '%s; ' "${missed[@]}")"
