# What a player sees on a real desktop (Xvfb, openbox, real X input).
# Usage: bash checks.sh CHECK GAME     (CHECK: one of the check_* below)
here=$(cd "$(dirname "$0")" && pwd)
check=$1
game=$2
source "$here/desktop.sh"

# A point of the wooden background inside the triangle, between holes 0, 1, 2.
bg=(144 70)

# Whether window $1's _NET_WM_STATE holds the atoms $2...; the state
# read last is in $state.
has_state() {
  state=$(xprop -id "$1" _NET_WM_STATE)
  local atom
  for atom in "${@:2}"; do [[ $state == *"$atom"* ]] || return; done
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
# one, $tmp/fresh.ppm. The ball in hole $1 is lifted: drawn 5 pixels higher.
lifted() {
  local xy
  read -ra xy <<<"$(hole_xy "$1")"
  xd same-disc "$2" "${xy[0]}" $((xy[1] - 5)) "$tmp/fresh.ppm" "${xy[@]}" 9 >/dev/null
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
# has been answered: the board takes the keyboard focus by itself.
check_keyboard_focus() {
  start_desktop
  env QT_QPA_PLATFORM=xcb "$game" >>"$tmp/game.log" 2>&1 &
  game_pid=$!
  board=$(await_window vorn 10000)
  xd focus "$board" 5000 ||
    fail "the board did not take the keyboard focus at the start ($(xprop -root _NET_ACTIVE_WINDOW))"
  xd key F2
  local win
  win=$(xd find "Reset VORN" "$game_pid" 3000) ||
    fail "F2 right after the start does not reach the game: the board has no keyboard focus ($(xprop -root _NET_ACTIVE_WINDOW))"
  xd key Escape
  xd gone "$win" 2000 || fail "Escape did not close the 'Reset VORN' question"
  xd focus "$board" 5000 ||
    fail "once the 'Reset VORN' question is answered, the board does not get the keyboard focus back ($(xprop -root _NET_ACTIVE_WINDOW))"
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
    xd at 0 $((x0 + 150)) $((y0 + 120))
    xd at 0 $((x0 + 40)) $((y0 + 170))
    # Once the question is up, the game has handled the click and the moves
    # before it, and the window manager any move the game asked for.
    xd key F2
    win=$(xd find "Reset VORN" "$game_pid" 3000) ||
      fail "after a $hold ms click on the background F2 no longer reaches the game (no 'Reset VORN' question)"
    read -r x y _ <<<"$(xd geom "$board")"
    [[ "$x $y" == "$x0 $y0" ]] ||
      fail "after a $hold ms click on the background the window followed the pointer without a button held: ($x0,$y0) -> ($x,$y)"
    xd key Escape
    xd gone "$win" 2000 || fail "Escape did not close the 'Reset VORN' question"
    xd focus "$board" 3000 || fail "the board did not get the keyboard focus back from the question"
  done
  xd drag "$board" "${bg[@]}" $((bg[0] + 100)) $((bg[1] + 50)) 10 15
  # A drag threshold may hold the window back by a step.
  moved_by_drag() {
    read -r x y _ <<<"$(xd geom "$board")"
    ((x >= x0 + 85 && x <= x0 + 103 && y >= y0 + 35 && y <= y0 + 53))
  }
  await 3000 moved_by_drag ||
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
    await 2000 has_state "$win" _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER ||
      problems+=("$name lacks _NET_WM_STATE_SKIP_TASKBAR or _NET_WM_STATE_SKIP_PAGER ($state)")
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
  # One ball left, in hole 11: every other hole looks like the empty apex hole.
  balls_left() {
    local h
    balls=()
    for h in $(seq 0 14); do
      xd same-disc "$1" $(hole_xy $h) "$tmp/fresh.ppm" $(hole_xy 0) 11 >/dev/null || balls+=("$h")
    done
    [[ ${balls[*]} == 11 ]]
  }
  local balls=()
  shows balls_left || fail "the board does not show one ball, in hole 11, after the 'VORN' message (balls in holes: ${balls[*]:-none})"
}

# A drag that is over before the game gets to draw: the board comes to show
# the landed ball and the jumped ball gone, never stays with a ball left
# between. How many drops took longer than a frame (VORN_FRAME_MS) to show
# is reported, not judged: it depends on the machine's load.
check_quick_drag_burst() {
  start_desktop
  start_game
  # VORN_BURST_TRIES sets another number of tries.
  local tries=${VORN_BURST_TRIES:-200} frame_ms=${VORN_FRAME_MS:-50} stale=0 stuck=0 i diff
  cp "$tmp/start.ppm" "$tmp/fresh.ppm"
  jump 3 0
  shows first_jump || fail "a slow drag from hole 3 to hole 0 did not show the jump"
  xd settle "$board" "$tmp/now.ppm" 2000 >/dev/null || fail "the board did not settle after the jump 3 -> 0"
  cp "$tmp/now.ppm" "$tmp/landed.ppm"
  local -a path
  read -r -a path <<<"$(hole_xy 3) $(hole_xy 1) $(hole_xy 0)"
  for i in $(seq "$tries"); do
    xd key F8
    xd settle "$board" "$tmp/fresh.ppm" 2000 >/dev/null || fail "F8 did not take the jump back (try $i)"
    if ! diff=$(xd burst "$board" "${path[@]}" "$frame_ms" "$tmp/landed.ppm"); then
      stale=$((stale + 1))
      xd settle "$board" "$tmp/landed.ppm" 2000 >/dev/null || {
        stuck=$((stuck + 1))
        xd snap "$board" "$tmp/stuck-$i.ppm"
      }
      echo "try $i: $diff pixels differ from the landed board ${frame_ms} ms after the release"
    fi
  done
  echo "shown later than ${frame_ms} ms: $stale of $tries drops ($stuck still stale 2 s later)"
  ((stuck == 0)) || fail "$stuck of $tries quick drags left a stale board: a ball between the holes 2 s after the release"
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
  rm -f "$XDG_CONFIG_HOME/vorn/vorn.conf"
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
  ended() { ! kill -0 "$game_pid" 2>/dev/null; }
  await 10000 ended || fail "the game was still running 10 s after SIGTERM with the 'VORN Exit' question open"
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
    xd cursor >/dev/null || skip "cannot read the pointer's picture (XFixes)"
    xd at "$board" $(hole_xy 3 "$scale")
    size=$((32 * scale))
    hand_shown() {
      read -r -a hot <<<"$(xd cursor)"
      ((hot[0] == size && hot[1] == size))
    }
    await 3000 hand_shown ||
      problems+=("at scale $scale the pointer over a movable ball is ${hot[0]}x${hot[1]}, not a ${size}x${size} hand")
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

# Whether the screen shows only the board's triangle at scale $1 over the
# desktop picture $2, softened when $3 is "smooth"; what was seen is in
# $seen, the picture in $tmp/board.ppm.
triangle_shown() {
  local x y w h
  xd snap "$root" "$tmp/board.ppm"
  read -r x y w h <<<"$(xd geom "$board")"
  seen=$(python3 "$here/picture.py" triangle "$tmp/board.ppm" "$x" "$y" "$w" "$h" "$1" "$2" "${3:-}" 2>&1)
}

# Starts xcompmgr and waits until it has taken the screen's compositing
# selection, which the game follows.
start_compositor() {
  command -v xcompmgr >/dev/null || skip "xcompmgr is missing (bash tools/deps test installs it)"
  xcompmgr >"$tmp/xcompmgr.log" 2>&1 &
  bg_pids+=($!)
  xd owner _NET_WM_CM_S0 5000 || fail "xcompmgr did not take the compositing selection: $(cat "$tmp/xcompmgr.log")"
  # It paints the bare desktop grey.
  composited() {
    xd snap "$root" "$tmp/composited.ppm" && [[ $(xd pixel "$tmp/composited.ppm" 1 1) == "128 128 128" ]]
  }
  await 5000 composited || fail "xcompmgr did not paint the desktop"
}

# On X11 the player sees only the triangle: without a compositing manager
# the window is cut to it, with one (xcompmgr) the triangle is drawn with
# softened edges over a transparent window. Presses outside the triangle
# reach the desktop, presses on the wood the game.
check_triangle_x11() {
  start_desktop
  local root geometry scale compositor smooth seen
  root=$(root_window)
  for compositor in none xcompmgr; do
    smooth=
    if [[ $compositor == xcompmgr ]]; then
      start_compositor
      smooth=smooth
    fi
    xd snap "$root" "$tmp/desktop-$compositor.ppm"
    for scale in 1 2; do
      start_game QT_SCALE_FACTOR=$scale
      await 5000 triangle_shown "$scale" "$tmp/desktop-$compositor.ppm" $smooth ||
        fail "$compositor, scale $scale: more than the triangle is drawn, or its edge is hard ($seen)"
      geometry=$(xd geom "$board")
      xd drag "$board" $((4 * scale)) $((4 * scale)) $((60 * scale)) $((40 * scale)) 6 15
      # Once the menu is up the game has handled whatever of the drag reached it.
      xd click "$board" $((bg[0] * scale)) $((bg[1] * scale)) 3 30
      xd menus 1 3000 || fail "$compositor, scale $scale: a right press on the wood opened no menu"
      [[ $(xd geom "$board") == "$geometry" ]] ||
        fail "$compositor, scale $scale: a drag outside the triangle moved the board ($geometry -> $(xd geom "$board"))"
      xd key Escape
      xd menus 0 2000 || fail "$compositor, scale $scale: Escape did not close the menu"
      stop_game
    done
  done
  # A compositing manager that starts while the game runs is followed.
  kill "${bg_pids[-1]}"
  xd owner -_NET_WM_CM_S0 5000 || fail "xcompmgr did not give the compositing selection up"
  start_game QT_SCALE_FACTOR=2
  start_compositor
  await 10000 triangle_shown 2 "$tmp/desktop-xcompmgr.ppm" smooth ||
    fail "a compositing manager started later is not followed ($seen)"
}

# A key that opens the menu during a carry puts the ball back, and the
# carry's release over "Reset" chooses nothing: the jumps and their undo
# stay.
check_drag_then_menu() {
  start_desktop
  start_game
  cp "$tmp/start.ppm" "$tmp/fresh.ppm"
  jump 3 0
  one_jump() { cp "$1" "$tmp/one.ppm" && first_jump "$1"; }
  shows one_jump || fail "the jump 3 -> 0 did not show"
  jump 5 3
  local key ten menu mx my mw mh
  read -ra ten <<<"$(hole_xy 10)"
  for key in F1 Menu shift+F10; do
    xd press "$board" "${ten[@]}" 1
    xd at "$board" $((ten[0] + 5)) "${ten[1]}"
    xd key "$key"
    menu=$(xd popup 10000) || fail "$key during a carry opened no menu"
    # Onto "Reset", the sixth of the eleven items, and let go there.
    read -r mx my mw mh <<<"$menu"
    xd at 0 $((mx + mw / 2)) $((my + mh * 11 / 22))
    xd release 1
    # Escape closes the menu (and first a submenu the pointer may have opened).
    local closed=
    for _ in 1 2 3; do
      xd key Escape
      xd menus 0 3000 && closed=yes && break
    done
    [[ -n $closed ]] || fail "$key: the menu stayed open after Escape"
  done
  # Two jumps are still there to take back, one after the other.
  xd key F8
  xd settle "$board" "$tmp/one.ppm" 10000 >/dev/null ||
    fail "after the menus F8 did not take the second jump back: the board was reset or lost a jump"
  xd key F8
  xd settle "$board" "$tmp/fresh.ppm" 10000 >/dev/null || fail "the first jump could not be taken back"
}

# The session manager (xsession.c, as xsm or a desktop's) takes a checkpoint
# and cancels a logout: Exit still asks. A logout that goes through closes
# the game without a question, with the level stored.
check_session_end() {
  cc -O2 -std=c11 -Wall -Wextra -o "$tmp/xsession" "$here/xsession.c" -lSM -lICE \
    2>"$tmp/cc.log" || skip "cannot build the session manager (needs libsm-dev): $(cat "$tmp/cc.log")"
  start_desktop
  mkfifo "$tmp/sm.in"
  "$tmp/xsession" <"$tmp/sm.in" >"$tmp/sm.out" 2>&1 &
  bg_pids+=($!)
  exec 5>"$tmp/sm.in"
  said() { grep -qx "$1" "$tmp/sm.out"; }
  await 5000 grep -q '^SESSION_MANAGER=' "$tmp/sm.out" || fail "the session manager did not start: $(cat "$tmp/sm.out")"
  start_game "$(grep '^SESSION_MANAGER=' "$tmp/sm.out")"
  await 5000 said registered || fail "the game did not join the session: $(cat "$tmp/sm.out")"
  jump 3 0
  local step win count=0
  answered() { (($(grep -c -x -e saved -e cancelled "$tmp/sm.out") >= count)); }
  for step in checkpoint cancel; do
    echo "$step" >&5
    count=$((count + 1))
    await 10000 answered ||
      fail "the game did not answer the session manager's $step: $(cat "$tmp/sm.out")"
    open_menu
    xd key Up Return
    win=$(xd find "VORN Exit" "$game_pid" 3000) || fail "after a $step, Exit closed the game without asking"
    xd key Escape
    xd gone "$win" 2000 || fail "Escape did not answer the exit question"
    ensure_focus
  done
  echo logout >&5
  ended() { ! kill -0 "$game_pid" 2>/dev/null; }
  await 10000 ended || {
    xd find "VORN Exit" "$game_pid" 0 >/dev/null && fail "the logout asked the exit question"
    fail "the game did not end with the session: $(cat "$tmp/sm.out")"
  }
  wait "$game_pid" 2>/dev/null || true
  game_pid=
  grep -q '^GLevel=0' "$XDG_CONFIG_HOME/vorn/vorn.conf" 2>/dev/null ||
    fail "the level was not stored at the logout"
}

# A settings folder the game cannot write, and a full disk: a win tells the
# player its time could not be saved, before the win's own message, and so
# does the exit for the level; the record and the file stay as they were.
check_records_not_stored() {
  start_desktop
  local conf=$XDG_CONFIG_HOME/vorn/vorn.conf way
  mkdir -p "$XDG_CONFIG_HOME/vorn"
  printf '[BestTimes]\nLevel1Date=2026-01-02\nLevel1Seconds=100\nLevel1Wins=4\n\n' >"$conf"
  printf '[Settings]\nBoardSize=100\n' >>"$conf"
  cp "$conf" "$tmp/kept.conf"
  for way in unwritable full; do
    runner=()
    if [[ $way == unwritable ]]; then
      if (($(id -u) == 0)); then
        # Root writes anywhere: the game runs as nobody, from a copy it can reach.
        command -v setpriv >/dev/null || { echo "no setpriv: skipping the unwritable folder"; continue; }
        cp "$game" "$tmp/vorn"
        game=$tmp/vorn
        chmod 755 "$tmp" "$game" "$XDG_CONFIG_HOME" "$XDG_CONFIG_HOME/vorn" "$HOME"
        mkdir -p "$tmp/runtime-nobody"
        chown 65534 "$tmp/runtime-nobody"
        chmod 700 "$tmp/runtime-nobody"
        runner=(setpriv --reuid=65534 --regid=65534 --clear-groups env XDG_RUNTIME_DIR="$tmp/runtime-nobody" HOME="$tmp/runtime-nobody")
      else
        chmod 444 "$conf"
        chmod 555 "$XDG_CONFIG_HOME/vorn"
      fi
    else
      (($(id -u) == 0)) && mount -t tmpfs -o size=64k,mode=755 tmpfs "$XDG_CONFIG_HOME/vorn" 2>/dev/null || {
        echo "cannot mount a small tmpfs here: skipping the full disk"
        continue
      }
      cp "$tmp/kept.conf" "$conf"
      dd if=/dev/zero of="$XDG_CONFIG_HOME/vorn/filler" bs=4k 2>/dev/null || true
    fi
    start_game
    local j=0 move win
    for move in "5 0" "3 5" "0 3" "9 2" "6 1" "12 4" "11 3" "2 8" "1 6" "10 3" "3 11" "13 12" "14 11"; do
      ((j++ == 0)) || ! xd find VORN "$game_pid" 0 >/dev/null || fail "$way: the game ended before jump $j"
      jump $move
    done
    for what in "the time not saved" "the win"; do
      win=$(xd find VORN "$game_pid" 5000) || fail "$way: no message for $what after the last jump"
      xd key Escape
      xd gone "$win" 2000 || fail "$way: Escape did not answer the message for $what"
    done
    ensure_focus
    open_menu
    xd key Up Return
    win=$(xd find "VORN Exit" "$game_pid" 3000) || fail "$way: Exit did not ask"
    xd key Return
    win=$(xd find VORN "$game_pid" 3000) || fail "$way: the exit did not say the level could not be saved"
    xd key Escape
    ended() { ! kill -0 "$game_pid" 2>/dev/null; }
    await 5000 ended || fail "$way: the game did not end after its exit"
    game_pid=
    cmp -s "$conf" "$tmp/kept.conf" || fail "$way: the settings file changed: $(cat "$conf")"
    [[ $way == unwritable ]] || umount "$XDG_CONFIG_HOME/vorn"
    chmod 755 "$XDG_CONFIG_HOME/vorn"
    chmod 644 "$conf"
  done
  runner=()
}

# A board covered by another window is found again by starting the game
# again: the running board comes to the front with the keyboard focus, and
# the second copy ends at once. With a session bus (the desktop id's name)
# and without one (a local socket, where one left behind is taken over).
check_second_start() {
  start_desktop
  local way cover second x y w h
  for way in bus socket; do
    if [[ $way == bus ]]; then
      start_session_bus
    else
      # A socket left by a copy that ended, which nobody listens on, is taken over.
      unset DBUS_SESSION_BUS_ADDRESS
      python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' \
        "$XDG_RUNTIME_DIR/org.example.Vorn.socket"
    fi
    start_game
    if [[ $way == bus ]]; then
      dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.example.Vorn 2>&1 | grep -q 'boolean true' ||
        fail "the game did not take its name on the session bus"
    fi
    read -r x y w h <<<"$(xd geom "$board")"
    rm -f "$tmp/cover.id"
    xd cover $((x - 20)) $((y - 20)) $((w + 40)) $((h + 40)) 60000 >"$tmp/cover.id" 2>/dev/null &
    bg_pids+=($!)
    await 5000 test -s "$tmp/cover.id" || fail "$way: the covering window did not open"
    cover=$(head -n 1 "$tmp/cover.id")
    await 5000 xd stacking "$cover" || fail "$way: the covering window did not come over the board"
    xd focus "$cover" 5000 || fail "$way: the covering window did not take the focus"
    # A launcher's start, with the startup id it makes.
    env QT_QPA_PLATFORM=xcb DESKTOP_STARTUP_ID="vorn-test_TIME$(date +%s)" "$game" \
      >>"$tmp/game.log" 2>&1 &
    second=$!
    ended() { ! kill -0 "$second" 2>/dev/null; }
    await 5000 ended || fail "$way: the second start did not end"
    wait "$second" || fail "$way: the second start ended with a failure"
    await 5000 xd stacking "$board" || fail "$way: the board did not come over the covering window"
    xd focus "$board" 5000 || fail "$way: the board did not get the keyboard focus back"
    [[ $(xd clients | grep -c ' vorn$') == 1 ]] || fail "$way: a second board opened"
    kill "${bg_pids[-1]}"
    stop_game
  done
}

# On screens of today and of yesterday, at scales 1 and 2: a first start
# takes the largest size within 45 % of the screen's height, Ctrl+Plus stops
# at the largest that fits, and the whole board stays on the screen.
check_screen_sizes() {
  local screen scale first largest w h x y width height percent step
  for screen in "1920x1080 200 100 300 200" "1280x800 150 100 300 150"; do
    read -r screen first[1] first[2] largest[1] largest[2] <<<"$screen"
    width=${screen%x*} height=${screen#*x}
    start_desktop "" "$screen"
    for scale in 1 2; do
      rm -f "$XDG_CONFIG_HOME/vorn/vorn.conf"  # a first start
      start_game QT_SCALE_FACTOR=$scale
      read -r x y w h <<<"$(xd geom "$board")"
      percent=$((w * 100 / (287 * scale)))
      ((percent >= first[scale] - 1 && percent <= first[scale])) ||
        fail "$screen at scale $scale: the first start is ${w}x${h}, not ${first[scale]} %"
      # Four steps up, more than there are room for: the board ends at the
      # largest size that fits, whole on the screen.
      xd key ctrl+plus ctrl+plus ctrl+plus ctrl+plus
      largest_inside() {
        read -r x y w h <<<"$(xd geom "$board")"
        percent=$((w * 100 / (287 * scale)))
        ((percent >= largest[scale] - 1 && percent <= largest[scale])) &&
          ((x >= 0 && y >= 0 && x + w <= width && y + h <= height))
      }
      await 5000 largest_inside ||
        fail "$screen at scale $scale: Ctrl+Plus ended at ${w}x${h} at ($x,$y), not whole on the screen at ${largest[scale]} %"
      stop_game
    done
  done
}

# At the board's edges: no white fringe beyond the painted board, the balls
# whole, the focus ring around a corner ball without touching its disc, and
# a dot on the landing hole of a lifted ball.
check_edges_and_marks() {
  start_desktop
  xd paint-root 3c5a78
  local root scale x y w h cx cy touched
  root=$(root_window)
  xd snap "$root" "$tmp/desktop.ppm"
  for scale in 1 2; do
    start_game QT_SCALE_FACTOR=$scale
    await 5000 triangle_shown "$scale" "$tmp/desktop.ppm" ||
      fail "scale $scale: more than the board is drawn, or a fringe ($seen)"
    cp "$tmp/start.ppm" "$tmp/fresh.ppm"
    # The ring onto hole 14, the bottom left corner.
    xd key Up Down Down Down Down Left Left Left Left
    read -r x y w h <<<"$(xd geom "$board")"
    read -r cx cy <<<"$(hole_xy 14 "$scale")"
    # The ring's band lies about 21 designed pixels right of the centre.
    ring_shown() {
      xd snap "$board" "$tmp/ring.ppm" && ! xd same-disc "$tmp/ring.ppm" $((cx + 21 * scale)) "$cy" \
        "$tmp/fresh.ppm" $((cx + 21 * scale)) "$cy" $((2 * scale)) >/dev/null
    }
    await 3000 ring_shown || fail "scale $scale: the focus ring did not show around hole 14"
    touched=$(xd same-disc "$tmp/ring.ppm" "$cx" "$cy" "$tmp/fresh.ppm" "$cx" "$cy" $((12 * scale))) ||
      fail "scale $scale: the focus ring reaches into the ball of hole 14 ($touched pixels)"
    xd snap "$root" "$tmp/corner.ppm"
    local showing
    showing=$(python3 "$here/picture.py" disc "$tmp/corner.ppm" $((x + cx)) $((y + cy)) \
      $((13 * scale)) 3c5a78)
    ((showing == 0)) || fail "scale $scale: the ball of hole 14 is cut: $showing pixels show the desktop"
    # Ball 3 lifted: its landing hole, the apex, shows the dark green dot.
    xd key Escape Tab space
    read -r cx cy <<<"$(hole_xy 0 "$scale")"
    dot_shown() {
      local rgb
      xd snap "$board" "$tmp/dot.ppm" && read -ra rgb <<<"$(xd pixel "$tmp/dot.ppm" "$cx" "$cy")" &&
        ((rgb[0] < 40 && rgb[1] > 70 && rgb[1] < 130 && rgb[2] < 70))
    }
    await 3000 dot_shown || fail "scale $scale: the landing hole of the lifted ball is not marked"
    # Jumped to the apex, ball 3 stands ringed there: whole, and untouched
    # by its ring.
    xd key Tab space
    local hx hy
    read -r hx hy <<<"$(hole_xy 3 "$scale")"
    apex_ball() {
      xd snap "$board" "$tmp/apex.ppm" &&
        touched=$(xd same-disc "$tmp/apex.ppm" "$cx" "$cy" "$tmp/fresh.ppm" "$hx" "$hy" $((12 * scale)))
    }
    await 3000 apex_ball ||
      fail "scale $scale: the ringed ball at the apex is not whole, or its ring reaches into it ($touched pixels)"
    xd snap "$root" "$tmp/apex-root.ppm"
    showing=$(python3 "$here/picture.py" disc "$tmp/apex-root.ppm" $((x + cx)) $((y + cy)) \
      $((13 * scale)) 3c5a78)
    ((showing == 0)) || fail "scale $scale: the ball at the apex is cut: $showing pixels show the desktop"
    stop_game
  done
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
}

# Waits until pictures taken by $1 (a command writing the picture given)
# show Weston's background, as $tmp/desktop.pic.
await_weston_desktop() {
  background_shown() {
    "$1" "$tmp/desktop.pic" &&
      [[ $(python3 "$here/picture.py" pixel "$tmp/desktop.pic" 400 300) == "60 90 120" ]]
  }
  await 10000 background_shown "$1" || fail "Weston's desktop did not show its background within 10 s"
}

# A picture of Weston's headless output, as $1.
weston_shot() {
  rm -f "$tmp"/shots/*.png
  mkdir -p "$tmp/shots"
  (cd "$tmp/shots" && weston-screenshooter >/dev/null 2>&1) || fail "weston-screenshooter failed"
  mv "$tmp"/shots/*.png "$1"
}

# Waits until the board shows in pictures taken by $1 (a command writing
# the picture given) and two pictures in a row agree, against $2 without
# it; prints its box "x y w h". The picture is left in $tmp/board.pic.
await_board_picture() {
  board_settled() {
    "$1" "$tmp/board.pic" &&
      box=$(python3 "$here/picture.py" board "$tmp/board.pic" "$2" 0 2>/dev/null) &&
      "$1" "$tmp/board-again.pic" && cmp -s "$tmp/board.pic" "$tmp/board-again.pic"
  }
  local box
  await 20000 board_settled "$@" ||
    fail "the board never showed settled on Wayland (box of what changed: ${box:-none}): $(tail -5 "$tmp/game.log")"
  echo "$box"
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
  store_designed_size
  chmod 700 "$tmp/runtime"
  start_weston --backend=headless-backend.so --debug
  await_weston_desktop weston_shot
  local scale x y w h
  for scale in 1 2; do
    launch_on_wayland QT_SCALE_FACTOR=$scale
    read -r x y w h <<<"$(await_board_picture weston_shot "$tmp/desktop.pic")"
    # The box of what changed starts at the apex's row and the bottom left
    # corner, 3 pixels in from the window's left edge.
    python3 "$here/picture.py" triangle "$tmp/board.pic" $((x - 3 * scale)) "$y" \
      $((287 * scale)) $((222 * scale)) "$scale" "$tmp/desktop.pic" smooth ||
      fail "Wayland, scale $scale: more than the triangle is drawn, or its edge is hard"
    stop_game
    board_gone() {
      weston_shot "$tmp/gone.pic" && ! python3 "$here/picture.py" board "$tmp/gone.pic" "$tmp/desktop.pic" 0 >/dev/null 2>&1
    }
    await 5000 board_gone || fail "Wayland, scale $scale: the board stayed on the screen after the game ended"
  done
}

# On Wayland with real input (Weston's X11 back end in a window of Xvfb,
# driven with XTEST): a right press on the wood opens the menu.
check_wayland_menu() {
  start_desktop
  # Weston's X11 back end learns where the X pointer is when it enters its
  # window: a pointer resting inside the window as Weston starts stays, for
  # Weston, at the output's corner, and a first press there lands on the
  # desktop. The pointer waits outside, as a player's would.
  xd at 0 1 1
  start_weston --backend=x11-backend.so
  local output
  output=$(xd find "Weston Compositor - screen0" 0 5000) || fail "no Weston window"
  snap_output() { xd snap "$output" "$1"; }
  await_weston_desktop snap_output
  # The game reports what it hears from the compositor, pointer events too.
  launch_on_wayland WAYLAND_DEBUG=client
  local x y w h
  read -r x y w h <<<"$(await_board_picture snap_output "$tmp/desktop.pic")"
  xd snap "$output" "$tmp/before.ppm"
  local wood=($((x - 3 + bg[0])) $((y + bg[1])))
  # The press goes where the board knows the pointer is: on the wood.
  xd at "$output" "${wood[@]}"
  await 5000 grep -q 'wl_pointer@[0-9]*\.enter(' "$tmp/game.log" ||
    fail "the pointer moved onto the wood, but the board was never told it entered"
  xd click "$output" "${wood[@]}" 3 30
  local changed
  menu_shown() {
    xd snap "$output" "$tmp/menu.ppm" &&
      changed=$(python3 "$here/picture.py" changed-outside "$tmp/menu.ppm" "$tmp/before.ppm" \
        $((x - 3)) "$y" 287 222) && ((changed > 2000))
  }
  await 5000 menu_shown || fail "a right press on the wood opened no menu on Wayland ($changed pixels changed)"
}

declare -F "check_$check" >/dev/null || { echo "no check '$check'" >&2; exit 2; }
"check_$check"
echo "PASS: $check"
