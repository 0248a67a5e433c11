# What a player sees on a real desktop (Xvfb, openbox, real X input).
# Usage: bash checks.sh CHECK GAME     (CHECK: one of the check_* below)
here=$(cd "$(dirname "$0")" && pwd)
check=$1
game=$2
source "$here/desktop.sh"

# A point of the wooden background inside the triangle, between holes 0, 1, 2.
bg=(144 70)

# _NET_WM_STATE of a window, once the window manager has had a moment.
net_state() {
  sleep 0.2
  xprop -id "$1" _NET_WM_STATE
}

# Opens an item of the Help menu from the keyboard: F1, up to Help (above
# Exit, the last item), into the submenu, then the item's letter.
help_item() {
  ensure_focus
  open_menu
  xd key Up Up Right
  xd menus 2 3000 || fail "the Help submenu did not open"
  xd key "$1"
}

open_menu() {
  xd key F1
  xd menus 1 3000 || fail "F1 did not open the menu"
}

# Whether window $1's centre lies on the board's rectangle; $2 names it.
centred_on_board() {
  local bx by bw bh x y w h
  read -r bx by bw bh <<<"$(xd geom "$board")"
  read -r x y w h <<<"$(xd geom "$1")"
  local cx=$((x + w / 2)) cy=$((y + h / 2))
  ((cx >= bx && cx < bx + bw && cy >= by && cy < by + bh)) && return 0
  echo "$2 opened at ($x,$y) ${w}x${h}, centre ($cx,$cy), off the board at ($bx,$by) ${bw}x${bh}"
  return 1
}

# Tests of a picture of the board (the file comes last) against the fresh
# one, $tmp/fresh.ppm. The ball in hole $1 is lifted: drawn 3 pixels higher
# (and cut where it meets the board's edge).
lifted() {
  local xy
  read -ra xy <<<"$(hole_xy "$1")"
  xd same-disc "$2" "${xy[0]}" $((xy[1] - 3)) "$tmp/fresh.ppm" "${xy[@]}" 9 >/dev/null
}
# Holes $1... look as they did at the start.
as_fresh() {
  local h
  for h in "${@:1:$#-1}"; do
    xd same-disc "${!#}" $(hole_xy "$h") "$tmp/fresh.ppm" $(hole_xy "$h") 11 >/dev/null || return
  done
}
# The first jump 3 -> 0 is shown: ball 3 in hole 0, holes 1 and 3 as empty
# as hole 0 was.
first_jump() {
  xd same-disc "$1" $(hole_xy 0) "$tmp/fresh.ppm" $(hole_xy 3) 11 >/dev/null &&
    xd same-disc "$1" $(hole_xy 1) "$tmp/fresh.ppm" $(hole_xy 0) 11 >/dev/null &&
    xd same-disc "$1" $(hole_xy 3) "$tmp/fresh.ppm" $(hole_xy 0) 11 >/dev/null
}
# Waits up to 3 s for a picture of the board that passes the test $@.
shows() {
  for _ in $(seq 30); do
    xd snap "$board" "$tmp/now.ppm"
    "$@" "$tmp/now.ppm" && return
    sleep 0.1
  done
  return 1
}

# Keys reach the game at once after the start, and again once a question
# has been answered.
check_keyboard_focus() {
  start_desktop
  env QT_QPA_PLATFORM=xcb "$game" >>"$tmp/game.log" 2>&1 &
  game_pid=$!
  board=$(await_window vorn 10000)
  sleep 0.5
  xd key F2
  local win
  win=$(xd find "Reset VORN" "$game_pid" 3000) ||
    fail "F2 right after the start does not reach the game: the board has no keyboard focus ($(xprop -root _NET_ACTIVE_WINDOW))"
  xd key Escape
  xd gone "$win" 2000 || fail "Escape did not close the 'Reset VORN' question"
  sleep 0.3
  xd key F2
  xd find "Reset VORN" "$game_pid" 3000 >/dev/null ||
    fail "once the 'Reset VORN' question is answered, F2 no longer reaches the game: the keyboard focus did not return to the board ($(xprop -root _NET_ACTIVE_WINDOW))"
}

# A short click on the background starts nothing: the window stays put when
# the pointer then moves, and keys still reach the game. A drag moves it.
check_background_click() {
  start_desktop
  start_game
  local x0 y0 x y hold win
  read -r x0 y0 _ <<<"$(xd geom "$board")"
  for hold in 0 0 10 25 50; do
    xd click "$board" "${bg[@]}" 1 "$hold"
    sleep 0.15
    xd at 0 $((x0 + 150)) $((y0 + 120))
    sleep 0.1
    xd at 0 $((x0 + 40)) $((y0 + 170))
    sleep 0.25
    read -r x y _ <<<"$(xd geom "$board")"
    [[ "$x $y" == "$x0 $y0" ]] ||
      fail "after a $hold ms click on the background the window followed the pointer without a button held: ($x0,$y0) -> ($x,$y)"
    xd key F2
    win=$(xd find "Reset VORN" "$game_pid" 2000) ||
      fail "after a $hold ms click on the background F2 no longer reaches the game (no 'Reset VORN' question)"
    xd key Escape
    xd gone "$win" 2000 || fail "Escape did not close the 'Reset VORN' question"
  done
  xd drag "$board" "${bg[@]}" $((bg[0] + 100)) $((bg[1] + 50)) 10 15
  sleep 0.3
  read -r x y _ <<<"$(xd geom "$board")"
  # A drag threshold may hold the window back by a step.
  ((x >= x0 + 85 && x <= x0 + 103 && y >= y0 + 35 && y <= y0 + 53)) ||
    fail "dragging the background by (100,50) moved the window from ($x0,$y0) to ($x,$y)"
}

# The board and its helper windows stay out of the task bar and the pager.
check_taskbar_pager() {
  start_desktop panel
  start_game
  local problems=() state win name
  for name in board "About VORN Game" "Game Instructions"; do
    case $name in
      board) win=$board ;;
      About*) help_item a && win=$(await_window "$name") ;;
      *) help_item i && win=$(await_window "$name") ;;
    esac
    state=$(net_state "$win")
    for atom in _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER; do
      [[ $state == *"$atom"* ]] || problems+=("$name lacks $atom ($state)")
    done
    if [[ $name != board ]]; then
      xd key Escape
      xd gone "$win" 2000 || fail "Escape did not close $name"
    fi
  done
  ((${#problems[@]} == 0)) || fail "$(printf '%s; ' "${problems[@]}")"
}

# Questions and windows open over the board, wherever the board is, from the
# first moment of a start.
check_dialogs_over_board() {
  start_desktop
  local problems=() start win
  local places=("" "" "60 90" "" "880 620" "" "700 60" "90 700")
  for start in "${!places[@]}"; do
    start_game
    if [[ -n ${places[start]} ]]; then
      xd wmove "$board" ${places[start]} || fail "the window manager did not move the board"
    fi
    ensure_focus
    xd key F2
    win=$(await_window "Reset VORN")
    centred_on_board "$win" "start $start: 'Reset VORN'" || problems+=(x)
    xd key Escape
    xd gone "$win" 2000 || fail "Escape did not close the 'Reset VORN' question"
    help_item i
    win=$(await_window "Game Instructions")
    centred_on_board "$win" "start $start: 'Game Instructions'" || problems+=(x)
    xd key Escape
    xd gone "$win" 2000 || fail "Escape did not close the instructions"
    # Six jumps that leave no move: the end-of-game question.
    for j in "5 0" "11 5" "6 7" "9 8" "3 11" "0 3"; do jump $j; done
    win=$(await_window VORN)
    centred_on_board "$win" "start $start: end of game ('VORN')" || problems+=(x)
    stop_game
  done
  ((${#problems[@]} == 0)) || fail "${#problems[@]} of $((3 * ${#places[@]})) windows opened away from the board"
}

# A whole game won by dragging balls ends with the win message.
check_won_game() {
  start_desktop
  start_game
  cp "$tmp/start.ppm" "$tmp/fresh.ppm"
  local j=0 h ball='' win
  for move in "5 0" "3 5" "0 3" "9 2" "6 1" "12 4" "11 3" "2 8" "1 6" "10 3" "3 11" "13 12" "14 11"; do
    ((j++ == 0)) || ! xd find VORN "$game_pid" 0 >/dev/null || fail "the game ended before jump $j"
    jump $move
  done
  win=$(xd find VORN "$game_pid" 5000) || fail "no end-of-game message after the 13th jump"
  # Escape answers No: the board stays as the game ended.
  xd key Escape
  xd gone "$win" 2000 || fail "Escape did not answer the end-of-game message"
  sleep 0.3
  xd snap "$board" "$tmp/end.ppm"
  # One ball left, in hole 11: every other hole looks like the empty apex hole.
  for h in $(seq 0 14); do
    if ! xd same-disc "$tmp/end.ppm" $(hole_xy $h) "$tmp/fresh.ppm" $(hole_xy 0) 11 >/dev/null; then
      [[ -z $ball ]] || fail "more than one ball is left (holes $ball and $h) after the 'VORN' message"
      ball=$h
    fi
  done
  [[ $ball == 11 ]] || fail "the last ball is not in hole 11 (${ball:-none found})"
}

# A drag that is over before the game gets to draw: the next frame shows the
# landed ball and the jumped ball gone, never a ball left between.
check_quick_drag_burst() {
  start_desktop
  start_game
  # VORN_BURST_TRIES sets another number of tries, VORN_FRAME_MS the time a
  # drop may take to show (longer in the sanitizer build, which draws slower).
  local tries=${VORN_BURST_TRIES:-200} frame_ms=${VORN_FRAME_MS:-50} stale=0 stuck=0 i diff
  cp "$tmp/start.ppm" "$tmp/fresh.ppm"
  jump 3 0
  sleep 0.5
  xd snap "$board" "$tmp/landed.ppm"
  first_jump "$tmp/landed.ppm" || fail "a slow drag from hole 3 to hole 0 did not show the jump"
  local -a path
  read -r -a path <<<"$(hole_xy 3) $(hole_xy 1) $(hole_xy 0)"
  for i in $(seq "$tries"); do
    xd key F8
    xd settle "$board" "$tmp/fresh.ppm" 2000 >/dev/null || fail "F8 did not take the jump back (try $i)"
    if ! diff=$(xd burst "$board" "${path[@]}" "$frame_ms" "$tmp/landed.ppm"); then
      stale=$((stale + 1))
      xd settle "$board" "$tmp/landed.ppm" 1000 >/dev/null || stuck=$((stuck + 1))
      echo "try $i: $diff pixels differ from the landed board ${frame_ms} ms after the release"
    fi
  done
  echo "stale screens: $stale of $tries tries ($stuck still stale after a further second)"
  ((stale == 0)) || fail "$stale of $tries quick drags showed a stale board ${frame_ms} ms after the release ($stuck stayed stale)"
}

# Real keys through the X server and the window manager play: Tab goes to a
# ball that can jump rather than to another widget, Space lifts it, Escape
# puts it down, Tab and Space make the jump 3 -> 0. The Menu key opens the
# menu at the ring, and once it is closed keys reach the board again.
check_keyboard_play() {
  start_desktop
  start_game
  cp "$tmp/start.ppm" "$tmp/fresh.ppm"
  xd key Tab space
  shows lifted 3 || fail "Tab, Space did not lift the ball in hole 3"
  xd key Escape
  shows as_fresh 3 || fail "Escape did not put the lifted ball down"
  # The ring, left on the landing hole, is taken down to hole 2, off the
  # holes the jump changed.
  xd key space Tab space Down
  shows first_jump || fail "Space, Tab, Space did not make the jump 3 -> 0"
  local menu bx by hx hy mx my
  xd key Menu
  menu=$(xd popup 3000) || fail "the Menu key opened no menu"
  read -r bx by _ <<<"$(xd geom "$board")"
  read -r hx hy <<<"$(hole_xy 2)"
  read -r mx my _ <<<"$menu"
  (((mx - bx - hx) ** 2 + (my - by - hy) ** 2 <= 8)) ||
    fail "the Menu key opened the menu at ($mx,$my), not at the ring on hole 2 ($((bx + hx)),$((by + hy)))"
  xd key Escape
  xd menus 0 2000 || fail "Escape did not close the menu"
  xd key F8
  shows as_fresh 0 1 3 || fail "after the menu closed, F8 did not take the jump back"
}

# A click on a ball that can jump lifts it, a click on its landing hole makes
# the jump; a click elsewhere puts it down. A press with a tremor of a pixel
# or two is a click too.
check_click_to_move() {
  start_desktop
  start_game
  cp "$tmp/start.ppm" "$tmp/fresh.ppm"
  local xy
  read -ra xy <<<"$(hole_xy 5)"
  xd drag "$board" "${xy[@]}" $((xy[0] + 2)) $((xy[1] + 1)) 2 15
  shows lifted 5 || fail "a click on ball 5 did not lift it"
  xd click "$board" "${bg[@]}" 1 30
  shows as_fresh 5 || fail "a click on the wood did not put the lifted ball 5 down"
  xd click "$board" $(hole_xy 3) 1 30
  shows lifted 3 || fail "a click on ball 3 did not lift it"
  xd click "$board" $(hole_xy 0) 1 30
  shows first_jump || fail "a click on hole 0 did not make the jump 3 -> 0 of the lifted ball"
}

# A screen reader on a real AT-SPI bus follows the ring and the jumps
# (accessible.py tells what it checks).
check_accessibility() {
  local py launcher=/usr/libexec/at-spi-bus-launcher
  for py in python3 /usr/bin/python3 ''; do
    [[ -n $py ]] && "$py" -c 'import pyatspi' 2>/dev/null && break
  done
  [[ -n $py ]] || skip "python3-pyatspi is missing (bash tools/deps test installs it)"
  [[ -x $launcher ]] || skip "$launcher is missing (at-spi2-core)"
  command -v dbus-daemon >/dev/null || skip "dbus-daemon is missing"
  start_desktop
  # A session bus of its own, and the accessibility bus it hands out.
  dbus-daemon --session --nofork --address="unix:path=$tmp/bus" --print-address=3 \
    3>"$tmp/bus.address" 2>"$tmp/dbus.log" &
  bg_pids+=($!)
  for _ in $(seq 200); do [[ -s $tmp/bus.address ]] && break; sleep 0.025; done
  [[ -s $tmp/bus.address ]] || fail "the session bus did not start: $(cat "$tmp/dbus.log")"
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$tmp/bus.address")
  export DBUS_SESSION_BUS_ADDRESS
  "$launcher" --launch-immediately >"$tmp/atspi.log" 2>&1 &
  bg_pids+=($!)
  start_game QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
  local bx by hx hy out
  read -r bx by _ <<<"$(xd geom "$board")"
  read -r hx hy <<<"$(hole_xy 0)"
  out=$("$py" "$here/accessible.py" "$tmp/xdrive" "$game_pid" $((bx + hx)) $((by + hy)) 2>&1) ||
    fail "over AT-SPI: $out ($(tail -n 3 "$tmp/atspi.log"))"
}

# A FIFO where the settings file belongs must not hold the game up.
check_settings_fifo() {
  start_desktop
  mkdir -p "$XDG_CONFIG_HOME/vorn"
  mkfifo "$XDG_CONFIG_HOME/vorn/vorn.conf"
  env QT_QPA_PLATFORM=xcb "$game" >>"$tmp/game.log" 2>&1 &
  game_pid=$!
  xd find vorn "$game_pid" 5000 >/dev/null ||
    fail "with a FIFO as the settings file no window appeared within 5 s$(kill -0 "$game_pid" 2>/dev/null && echo ' (the game is still running)')"
}

# A request to terminate while the exit question is open ends the game at
# once, and the level is stored.
check_terminate_during_exit_question() {
  start_desktop
  start_game
  jump 3 0
  open_menu
  xd key Up Return
  await_window "VORN Exit" >/dev/null
  kill -TERM "$game_pid"
  local ended=
  for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || { ended=1; break; }
    sleep 0.02
  done
  [[ -n $ended ]] || fail "the game was still running 2 s after SIGTERM with the 'VORN Exit' question open"
  wait "$game_pid" 2>/dev/null || true
  game_pid=
  grep -q '^GLevel=0' "$XDG_CONFIG_HOME/vorn/vorn.conf" 2>/dev/null ||
    fail "the level was not stored ($XDG_CONFIG_HOME/vorn/vorn.conf: $(cat "$XDG_CONFIG_HOME/vorn/vorn.conf" 2>&1))"
}

# The hand over a movable ball points with its fingertip, at any scale.
check_hand_hot_spot() {
  start_desktop
  local scale size hot problems=()
  for scale in 1 2; do
    start_game QT_SCALE_FACTOR=$scale
    xd at "$board" $(hole_xy 3 "$scale")
    sleep 0.3
    read -r -a hot <<<"$(xd cursor)" || fail "cannot read the pointer's picture (XFixes)"
    size=$((32 * scale))
    ((hot[0] == size && hot[1] == size)) ||
      problems+=("at scale $scale the hand is ${hot[0]}x${hot[1]}, not ${size}x${size}")
    ((hot[2] >= 11 * scale && hot[2] <= 13 * scale && hot[3] >= 1 * scale && hot[3] <= 3 * scale)) ||
      problems+=("at scale $scale the hot spot is (${hot[2]},${hot[3]}), not on the fingertip ($((12 * scale)),$((2 * scale)))")
    stop_game
  done
  ((${#problems[@]} == 0)) || fail "$(printf '%s; ' "${problems[@]}")"
}


# The root window's id, for pictures of the whole screen.
root_window() {
  xwininfo -root | awk '/Window id:/ {print $4}'
}

# On X11 the player sees only the triangle: without a compositing manager
# the window is cut to it, with one (xcompmgr) the triangle is drawn with
# softened edges over a transparent window. Presses outside the triangle
# reach the desktop, presses on the wood the game.
check_triangle_x11() {
  start_desktop
  local root x y w h scale compositor
  root=$(root_window)
  for compositor in none xcompmgr; do
    if [[ $compositor == xcompmgr ]]; then
      command -v xcompmgr >/dev/null || skip "xcompmgr is missing (bash tools/deps test installs it)"
      xcompmgr >"$tmp/xcompmgr.log" 2>&1 &
      bg_pids+=($!)
      sleep 1
    fi
    xd snap "$root" "$tmp/desktop-$compositor.ppm"
    for scale in 1 2; do
      start_game QT_SCALE_FACTOR=$scale
      sleep 0.5
      xd snap "$root" "$tmp/board.ppm"
      read -r x y w h <<<"$(xd geom "$board")"
      python3 "$here/picture.py" triangle "$tmp/board.ppm" "$x" "$y" "$w" "$h" "$scale" \
        "$tmp/desktop-$compositor.ppm" "$([[ $compositor == xcompmgr ]] && echo smooth)" ||
        fail "$compositor, scale $scale: more than the triangle is drawn, or its edge is hard"
      xd drag "$board" $((4 * scale)) $((4 * scale)) $((60 * scale)) $((40 * scale)) 6 15
      sleep 0.3
      [[ $(xd geom "$board") == "$x $y $w $h" ]] ||
        fail "$compositor, scale $scale: a drag outside the triangle moved the board"
      xd click "$board" $((bg[0] * scale)) $((bg[1] * scale)) 3 30
      xd menus 1 3000 || fail "$compositor, scale $scale: a right press on the wood opened no menu"
      xd key Escape
      stop_game
    done
  done
  # A compositing manager that starts while the game runs is followed.
  kill "${bg_pids[-1]}"
  sleep 1
  start_game QT_SCALE_FACTOR=2
  xcompmgr >"$tmp/xcompmgr.log" 2>&1 &
  bg_pids+=($!)
  sleep 4
  xd snap "$root" "$tmp/board.ppm"
  read -r x y w h <<<"$(xd geom "$board")"
  python3 "$here/picture.py" triangle "$tmp/board.ppm" "$x" "$y" "$w" "$h" 2 \
    "$tmp/desktop-xcompmgr.ppm" smooth || fail "a compositing manager started later is not followed"
}

# Weston in the background of this check, on the given back end; sets
# $WAYLAND_DISPLAY. A plain background and no panel make pictures simple.
start_weston() {
  command -v weston >/dev/null || skip "weston is missing (bash tools/deps test installs it)"
  printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nbackground-color=0xff3c5a78\n' \
    >"$tmp/weston.ini"
  export XDG_RUNTIME_DIR=$tmp/runtime WAYLAND_DISPLAY=vorn-wayland
  weston --config="$tmp/weston.ini" --socket="$WAYLAND_DISPLAY" --use-pixman \
    --width=800 --height=600 "$@" >"$tmp/weston.log" 2>&1 &
  bg_pids+=($!)
  for _ in $(seq 400); do
    [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] && break
    kill -0 "${bg_pids[-1]}" 2>/dev/null || fail "weston did not start: $(tail -5 "$tmp/weston.log")"
    sleep 0.025
  done
  sleep 1  # the shell's background
}

# A picture of Weston's headless output, as $1.
weston_shot() {
  rm -f "$tmp"/shots/*.png
  mkdir -p "$tmp/shots"
  (cd "$tmp/shots" && weston-screenshooter >/dev/null 2>&1) || fail "weston-screenshooter failed"
  mv "$tmp"/shots/*.png "$1"
}

# Waits until the board shows in pictures taken by $1 (a command writing
# the picture given), against $2 without it; prints its box "x y w h".
await_board_picture() {
  local box
  for _ in $(seq 50); do
    sleep 0.2
    "$1" "$tmp/board.pic"
    box=$(python3 "$here/picture.py" board "$tmp/board.pic" "$2" 0 2>/dev/null) && {
      sleep 0.5
      "$1" "$tmp/board.pic"
      python3 "$here/picture.py" board "$tmp/board.pic" "$2" 0
      return
    }
  done
  fail "the board never showed on Wayland: $(tail -5 "$tmp/game.log")"
}

launch_on_wayland() {
  env QT_QPA_PLATFORM=wayland "$@" "$game" >>"$tmp/game.log" 2>&1 &
  game_pid=$!
}

# On Wayland (Weston's headless back end, as the issue of the white
# rectangle was seen): nothing but the triangle, with softened edges.
check_wayland_triangle() {
  command -v weston-screenshooter >/dev/null || skip "weston is missing"
  export XDG_CONFIG_HOME=$tmp/config HOME=$tmp/home
  mkdir -p "$XDG_CONFIG_HOME" "$HOME" "$tmp/runtime"
  chmod 700 "$tmp/runtime"
  start_weston --backend=headless-backend.so --debug
  weston_shot "$tmp/desktop.png"
  local scale x y w h
  for scale in 1 2; do
    launch_on_wayland QT_SCALE_FACTOR=$scale
    read -r x y w h <<<"$(await_board_picture weston_shot "$tmp/desktop.png")"
    # The box of what changed starts at the apex's row and the bottom left
    # corner, 3 pixels in from the window's left edge.
    python3 "$here/picture.py" triangle "$tmp/board.pic" $((x - 3 * scale)) "$y" \
      $((287 * scale)) $((222 * scale)) "$scale" "$tmp/desktop.png" smooth ||
      fail "Wayland, scale $scale: more than the triangle is drawn, or its edge is hard"
    stop_game
    sleep 0.5
  done
}

# On Wayland with real input (Weston's X11 back end in a window of Xvfb,
# driven with XTEST): a right press on the wood opens the menu.
check_wayland_menu() {
  start_desktop
  start_weston --backend=x11-backend.so
  local output
  output=$(xd find "Weston Compositor - screen0" 0 5000) || fail "no Weston window"
  xd snap "$output" "$tmp/desktop.ppm"
  launch_on_wayland
  snap_output() { xd snap "$output" "$1"; }
  local x y w h
  read -r x y w h <<<"$(await_board_picture snap_output "$tmp/desktop.ppm")"
  xd snap "$output" "$tmp/before.ppm"
  xd click "$output" $((x - 3 + bg[0])) $((y + bg[1])) 3 30
  sleep 1
  xd snap "$output" "$tmp/menu.ppm"
  local changed
  changed=$(python3 "$here/picture.py" changed-outside "$tmp/menu.ppm" "$tmp/before.ppm" \
    $((x - 3)) "$y" 287 222)
  ((changed > 2000)) || fail "a right press on the wood opened no menu on Wayland ($changed pixels changed)"
}

declare -F "check_$check" >/dev/null || { echo "no check '$check'" >&2; exit 2; }
"check_$check"
echo "PASS: $check"
