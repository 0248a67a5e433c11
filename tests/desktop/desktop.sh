# Sourced by the desktop checks: a private X display with a real window
# manager, the game started on it, and the X driver (xdrive.c).
# Expects $game (the built game) and $here (this folder).
set -euo pipefail
export LC_ALL=C

# On failure the pictures and logs of the check are kept in $VORN_DESKTOP_OUT
# (the build's test output folder, given by ctest) for a look afterwards.
fail() {
  echo "FAIL: $*" >&2
  if [[ -s ${tmp:-}/game.log ]]; then
    echo "-- the game's output, last lines:" >&2
    tail -n 20 "$tmp/game.log" >&2
  fi
  if [[ -n ${VORN_DESKTOP_OUT:-} && -d ${tmp:-} ]]; then
    mkdir -p "$VORN_DESKTOP_OUT"
    find "$tmp" -maxdepth 2 -type f \( -name '*.ppm' -o -name '*.png' -o -name '*.pic' \
      -o -name '*.log' \) -exec cp {} "$VORN_DESKTOP_OUT/" \;
    echo "-- pictures and logs kept in $VORN_DESKTOP_OUT" >&2
  fi
  exit 1
}
skip() {
  echo "SKIP: $*"
  exit 77
}
for tool in Xvfb openbox cc xprop; do
  command -v "$tool" >/dev/null || skip "$tool is missing (bash tools/deps test installs it)"
done
[[ -x $game ]] || fail "no game at $game"
[[ -z ${VORN_DESKTOP_OUT:-} ]] || rm -rf "$VORN_DESKTOP_OUT"

# Runs the command $2... every 50 ms until it succeeds or $1 ms have passed;
# the command's status is the answer. A check waits on this for what it
# needs to see, never on a bare sleep.
await() {
  local deadline=$(($(date +%s%N) / 1000000 + $1))
  shift
  until "$@"; do
    (($(date +%s%N) / 1000000 < deadline)) || return 1
    sleep 0.05
  done
}

# Starts a session bus of the check's own; sets DBUS_SESSION_BUS_ADDRESS.
start_session_bus() {
  command -v dbus-daemon >/dev/null || skip "dbus-daemon is missing"
  dbus-daemon --session --nofork --address="unix:path=$tmp/bus" --print-address=3 \
    3>"$tmp/bus.address" 2>"$tmp/dbus.log" &
  bg_pids+=($!)
  await 5000 test -s "$tmp/bus.address" || fail "the session bus did not start: $(cat "$tmp/dbus.log")"
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$tmp/bus.address")
  export DBUS_SESSION_BUS_ADDRESS
}

tmp=$(mktemp -d "${TMPDIR:-/tmp}/vorn-desktop.XXXXXX")
bg_pids=()
# A command the game is started through (another user, say); none by default.
runner=()
game_pid=
# Ends the game, then the rest in the reverse order of their start, the X
# server last, so that none of them dies of a lost display.
cleanup() {
  local pid i pids=($game_pid)
  for ((i = ${#bg_pids[@]} - 1; i >= 0; i--)); do pids+=("${bg_pids[i]}"); done
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || continue
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
    kill -KILL "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  # A small disk a check mounted under its folder.
  awk -v under="$tmp/" 'index($2, under) == 1 { print $2 }' /proc/mounts 2>/dev/null |
    while read -r at; do umount "$at" 2>/dev/null || true; done
  # and a folder a check made unwritable.
  chmod -R u+w "$tmp" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

cc -O2 -std=c11 -Wall -Wextra -o "$tmp/xdrive" "$here/xdrive.c" -lX11 -lXtst -lXfixes 2>"$tmp/cc.log" ||
  skip "cannot build the X driver (needs libx11-dev, libxtst-dev, libxfixes-dev): $(cat "$tmp/cc.log")"
xd() { "$tmp/xdrive" "$@"; }

# A display of its own with openbox (and a task bar when asked with
# "panel"), on a screen of 1280x1024 or the size given second, so that
# checks run side by side. The settings of the game and of openbox are
# private.
start_desktop() {
  local with_panel=${1:-} screen=${2:-1280x1024}
  rm -f "$tmp/display" "$tmp/openbox.ready"
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset 3>"$tmp/display" \
    2>"$tmp/xvfb.log" &
  bg_pids+=($!)
  for _ in $(seq 200); do
    [[ -s $tmp/display ]] && break
    kill -0 "${bg_pids[-1]}" 2>/dev/null || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
    sleep 0.025
  done
  [[ -s $tmp/display ]] || fail "Xvfb gave no display number"
  DISPLAY=:$(head -n 1 "$tmp/display")
  export DISPLAY
  export XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data XDG_STATE_HOME=$tmp/state
  export XDG_CACHE_HOME=$tmp/cache XDG_RUNTIME_DIR=$tmp/runtime HOME=$tmp/home
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR" "$HOME"
  chmod 700 "$XDG_RUNTIME_DIR"
  store_designed_size
  unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY SESSION_MANAGER QT_SCALE_FACTOR
  # Openbox runs its startup command once it is running; a window mapped
  # before that is not given the focus.
  openbox --sm-disable --startup "touch $tmp/openbox.ready" >"$tmp/openbox.log" 2>&1 &
  bg_pids+=($!)
  for _ in $(seq 400); do
    [[ -e $tmp/openbox.ready ]] && break
    kill -0 "${bg_pids[-1]}" 2>/dev/null || fail "openbox did not start: $(cat "$tmp/openbox.log")"
    sleep 0.025
  done
  [[ -e $tmp/openbox.ready ]] || fail "openbox did not finish starting within 10 s"
  if [[ $with_panel == panel ]]; then
    command -v tint2 >/dev/null || skip "tint2 is missing (bash tools/deps test installs it)"
    tint2 >"$tmp/tint2.log" 2>&1 &
    bg_pids+=($!)
  fi
}

# The checks play on the board at its designed size (hole_xy); the size a
# first start chooses for the screen has checks of its own.
store_designed_size() {
  mkdir -p "$XDG_CONFIG_HOME/vorn"
  printf '[Settings]\nBoardSize=100\n' >"$XDG_CONFIG_HOME/vorn/vorn.conf"
}

# Starts the game (extra VAR=VALUE words go to its environment) and waits for
# the board window, drawn and holding the keyboard focus; sets $game_pid and
# $board. A board that does not take the focus itself (check_keyboard_focus
# covers that) gets it the way a player gives it, with a click.
start_game() {
  "${runner[@]}" env QT_QPA_PLATFORM=xcb "$@" "$game" >>"$tmp/game.log" 2>&1 &
  game_pid=$!
  board=$(xd find vorn "$game_pid" 10000) || {
    kill -0 "$game_pid" 2>/dev/null || fail "the game exited at start: $(tail -5 "$tmp/game.log")"
    fail "no board window within 10 s"
  }
  # A point of the wood, at any scale and size.
  local wood width
  read -r _ _ width _ <<<"$(xd geom "$board")"
  wood=$(awk -v f="$width" 'BEGIN { f /= 287; print int(144 * f), int(70 * f) }')
  await 10000 board_drawn $wood ||
    fail "the board was not drawn within 10 s (the wood at ($wood) shows $(xd pixel "$tmp/start.ppm" $wood))"
  ensure_focus 1500
}

# The board shows its wood at ($1,$2), not the bare window, and two pictures
# taken a moment apart agree; the picture is $tmp/start.ppm.
board_drawn() {
  local rgb
  xd snap "$board" "$tmp/start.ppm" || return
  read -ra rgb <<<"$(xd pixel "$tmp/start.ppm" "$1" "$2")"
  ((rgb[0] > 200 && rgb[1] > 170)) && xd settle "$board" "$tmp/start.ppm" 100 >/dev/null
}

# Makes sure keys go to the board, if need be by clicking a ball that cannot
# move at the start (hole 12). Waits $1 ms for the focus first.
ensure_focus() {
  xd focus "$board" "${1:-500}" && return
  xd click "$board" $(hole_xy 12) 1 30
  xd focus "$board" 3000 || fail "the board takes no keyboard focus, not even when clicked"
}

# Ends the game (SIGTERM, then SIGKILL) and forgets it.
stop_game() {
  [[ -n $game_pid ]] || return 0
  kill "$game_pid" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.02; done
  kill -KILL "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=
}

# Waits for a window of the game titled $1; prints its id.
await_window() {
  xd find "$1" "$game_pid" "${2:-5000}" || fail "no window titled '$1' appeared"
}

# The centre of hole $1 of the 5-row board in window pixels, at scale $2.
hole_xy() {
  local -a left=(130 153 101 177 130 73 201 101 153 45 225 130 73 177 17)
  local -a top=(14 56 56 98 98 98 140 140 140 140 182 182 182 182 182)
  echo "$(((left[$1] + 14) * ${2:-1})) $(((top[$1] + 14) * ${2:-1}))"
}

# Drags the ball in hole $1 into hole $2 the way a player does.
jump() {
  local from to
  read -ra from <<<"$(hole_xy "$1")"
  read -ra to <<<"$(hole_xy "$2")"
  xd drag "$board" "${from[@]}" "${to[@]}" 8 15
}
