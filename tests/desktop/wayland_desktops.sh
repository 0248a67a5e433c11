# The game on the Wayland compositors of the desktops players use: sway
# (wlroots), mutter (GNOME), KWin (KDE Plasma), each headless, and Weston in
# a window of Xvfb. Input goes through each compositor's own way in for
# automation; what the compositor and the game say comes from their logs
# (WAYLAND_DEBUG) and, on sway, from pictures of the screen.
# Usage: bash wayland_desktops.sh CHECK GAME     (CHECK: one of the check_* below)
here=$(cd "$(dirname "$0")" && pwd)
check=$1
game=$2
source "$here/desktop.sh"

# Evdev key codes.
key_escape=1 key_a=30 key_f1=59 key_up=103 key_right=106
# A point of the wood inside the triangle, in window pixels.
wood=(144 70)

# The game's settings and files in $tmp, at the designed size.
private_home() {
  export XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data XDG_STATE_HOME=$tmp/state
  export XDG_CACHE_HOME=$tmp/cache HOME=$tmp/home
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$HOME"
  unset DISPLAY SESSION_MANAGER QT_SCALE_FACTOR
  store_designed_size
}

# Starts the game on $WAYLAND_DISPLAY, every message of the connection in
# its log; waits until the board has the keyboard (the compositor gives it).
launch() {
  env QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$@" "$game" >>"$tmp/game.log" 2>&1 7>&- &
  game_pid=$!
  await 15000 grep -q 'wl_keyboard@[0-9]*\.enter(' "$tmp/game.log" ||
    fail "the board never got the keyboard: $(grep -v '^\[' "$tmp/game.log" | tail -3)"
}

# The requests of an activation token: each is the game asking to be given
# the focus, which GNOME answers with a notification that it "is ready".
activation_requests() {
  grep -c 'xdg_activation_v1@[0-9]*\.get_activation_token(' "$tmp/game.log" || true
}

# A pop-up menu made ($1: how many by now).
popups_made() {
  (($(grep -c -- '-> xdg_surface@[0-9]*\.get_popup(' "$tmp/game.log") >= $1))
}
# Whether the menu opened last was closed, by the compositor or the game.
popup_closed_since() {
  local at
  at=$(grep -n -- '-> xdg_surface@[0-9]*\.get_popup(' "$tmp/game.log" | tail -1 | cut -d: -f1)
  tail -n +"$at" "$tmp/game.log" | grep -qE 'xdg_popup@[0-9]+\.popup_done\(|-> xdg_popup@[0-9]+\.destroy\('
}

# Opens the menu with F1, typed by the command $1 (given the key code), and
# checks that it stays open for a second.
menu_stays_open_after_f1() {
  local before
  before=$(grep -c -- '-> xdg_surface@[0-9]*\.get_popup(' "$tmp/game.log" || true)
  "$1" $key_f1
  await 5000 popups_made $((before + 1)) || fail "F1 opened no menu"
  if await 1000 popup_closed_since; then
    fail "the menu opened by F1 closed at once"
  fi
}

# Whether the rectangle "x y w h" $1 has its centre on the rectangle $2.
centre_on() {
  local x y w h bx by bw bh
  read -r x y w h <<<"$1"
  read -r bx by bw bh <<<"$2"
  local cx=$((x + w / 2)) cy=$((y + h / 2))
  ((cx >= bx && cx < bx + bw && cy >= by && cy < by + bh))
}

# ---- sway --------------------------------------------------------------

# Sway refuses to run as root: as root, it runs as nobody, in a runtime
# folder of its own that the game (root) reaches too.
start_sway() {
  command -v sway >/dev/null || skip "sway is missing (bash tools/deps test installs it)"
  command -v swaymsg >/dev/null || skip "swaymsg is missing (bash tools/deps test installs sway)"
  local rt=$tmp/sway as=()
  mkdir -p "$rt"
  chmod 700 "$rt"
  if (($(id -u) == 0)); then
    command -v setpriv >/dev/null || skip "no setpriv to run sway as an unprivileged user"
    chmod 711 "$tmp"
    chown 65534:65534 "$rt"
    as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  fi
  printf '%s\n' 'output HEADLESS-1 resolution 1280x800 position 0 0 bg #3c5a78 solid_color' \
    'default_border none' 'default_floating_border none' 'focus_follows_mouse no' \
    'exec touch $XDG_RUNTIME_DIR/ready' >"$tmp/sway.conf"
  chmod 644 "$tmp/sway.conf"
  "${as[@]}" env -i PATH="$PATH" HOME="$rt" XDG_RUNTIME_DIR="$rt" WLR_BACKENDS=headless \
    WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 WLR_HEADLESS_OUTPUTS=1 \
    sway -c "$tmp/sway.conf" >"$tmp/sway.log" 2>&1 &
  bg_pids+=($!)
  sway_ready() {
    [[ -e $rt/ready ]] || { kill -0 "${bg_pids[-1]}" 2>/dev/null || return 2; return 1; }
  }
  await 15000 sway_ready ||
    skip "sway cannot start on this machine: $(grep -v '^ *$' "$tmp/sway.log" | tail -2 | tr '\n' ' ')"
  export XDG_RUNTIME_DIR=$rt
  WAYLAND_DISPLAY=$(cd "$rt" && ls wayland-[0-9]* | grep -v lock | head -1)
  SWAYSOCK=$(ls "$rt"/sway-ipc.*.sock | head -1)
  export WAYLAND_DISPLAY SWAYSOCK
}

# Builds and starts the virtual pointer and keyboard (wlinput.c); `wl`
# sends it commands and waits for each to be taken.
start_wlinput() {
  command -v wayland-scanner >/dev/null || skip "wayland-scanner is missing (libwayland-bin)"
  local p
  for p in virtual-keyboard-unstable-v1 wlr-virtual-pointer-unstable-v1; do
    wayland-scanner client-header "$here/protocols/$p.xml" "$tmp/$p.h"
    wayland-scanner private-code "$here/protocols/$p.xml" "$tmp/$p.c"
  done
  cc -O2 -std=c11 -Wall -Wextra -I"$tmp" -o "$tmp/wlinput" "$here/wlinput.c" \
    "$tmp/virtual-keyboard-unstable-v1.c" "$tmp/wlr-virtual-pointer-unstable-v1.c" \
    -lwayland-client -lxkbcommon 2>"$tmp/cc-wlinput.log" ||
    skip "cannot build the Wayland input client (needs libwayland-dev, libxkbcommon-dev): $(head -3 "$tmp/cc-wlinput.log")"
  mkfifo "$tmp/wlinput.in"
  "$tmp/wlinput" 1280 800 <"$tmp/wlinput.in" >"$tmp/wlinput.log" 2>&1 &
  bg_pids+=($!)
  exec 7>"$tmp/wlinput.in"
  await 5000 grep -q '^ready' "$tmp/wlinput.log" || fail "wlinput: $(cat "$tmp/wlinput.log")"
}
# Hands each command $3... to the input client on descriptor 7, waiting
# each time until its log $1 has one more line matching $2.
feed() {
  local log=$1 acks=$2 c n
  shift 2
  for c in "$@"; do
    n=$(grep -cE "$acks" "$log" || true)
    echo "$c" >&7
    await 5000 eval '(($(grep -cE "$acks" "$log") > n))' ||
      fail "$(basename "$log" .log) did not take '$c'"
  done
}
wl() { feed "$tmp/wlinput.log" '^ok' "$@"; }
wl_key() { wl "key $1 ${2:-20}"; }

# "x y w h" of the window of the game titled $1; Qt gives the untitled
# board the program's name, "vorn".
sway_rect() {
  swaymsg -t get_tree | python3 -c '
import json, sys
def walk(n):
    if n.get("pid") and (n.get("name") or "") == sys.argv[1] and n.get("visible", True):
        r = n["rect"]
        print(r["x"], r["y"], r["width"], r["height"])
        sys.exit(0)
    for c in n.get("nodes", []) + n.get("floating_nodes", []):
        walk(c)
walk(json.load(sys.stdin))
sys.exit(1)' "$1" 2>/dev/null
}

# On sway: the clean triangle; no request for the focus while the board has
# it; the menu opened by F1 stays open. Sway places every dialog in the
# middle of the screen, wherever its parent is: where About opened is only
# reported.
check_sway() {
  private_home
  start_sway
  start_wlinput
  command -v grim >/dev/null || skip "grim is missing (bash tools/deps test installs it)"
  shot() { grim -t ppm "$1" 2>/dev/null; }
  shot "$tmp/desktop.ppm" || fail "grim took no picture of sway's screen"
  launch
  local board
  await 5000 eval 'board=$(sway_rect vorn)' || fail "sway lists no board window"
  # The triangle alone, with softened edges, once two pictures agree.
  read -r x y w h <<<"$board"
  clean_triangle() {
    shot "$tmp/board.ppm" && shot "$tmp/board-again.ppm" && cmp -s "$tmp/board.ppm" "$tmp/board-again.ppm" &&
      seen=$(python3 "$here/picture.py" triangle "$tmp/board.ppm" "$x" "$y" 287 222 1 "$tmp/desktop.ppm" smooth 2>&1)
  }
  await 10000 clean_triangle || fail "sway: more than the triangle is drawn, or its edge is hard: $seen"
  # The board moved aside, the menu from a right press on the wood, About
  # from the keyboard.
  swaymsg "[pid=$game_pid] move position 100 100" >/dev/null
  await 3000 eval '[[ $(sway_rect vorn) == "100 100 "* ]]' || fail "sway did not move the board"
  board=$(sway_rect vorn)
  wl "move $((100 + wood[0])) $((100 + wood[1]))" "press right" "release right"
  await 5000 popups_made 1 || fail "a right press on the wood opened no menu"
  wl_key $key_up && wl_key $key_up && wl_key $key_right
  await 5000 popups_made 2 || fail "the Help submenu did not open"
  wl_key $key_a
  local about
  await 5000 eval 'about=$(sway_rect "About VORN Game")' || fail "About did not open"
  echo "sway: board at ($board), About at ($about)"
  wl_key $key_escape
  await 5000 eval '! sway_rect "About VORN Game" >/dev/null' || fail "Escape did not close About"
  # The keyboard is back on the board: F1 opens the menu, which stays.
  menu_stays_open_after_f1 wl_key
  local asked
  asked=$(activation_requests)
  ((asked == 0)) || fail "sway: the game asked $asked times for the focus it had"
  # Qt's widgets ask once more as Escape closes the menu, with the key's
  # serial: a request that the compositor grants.
  wl_key $key_escape
  echo "sway: focus asked for $asked times, $(activation_requests) after Escape closed the menu"
}

# ---- mutter ------------------------------------------------------------

# Whether the bus name $1 has an owner.
bus_name_owned() {
  gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
    -m org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null | grep -q true
}

# Mutter headless on a virtual monitor of 1280x800, Wayland only; its log
# tells where it places each window.
start_mutter() {
  command -v mutter >/dev/null || skip "mutter is missing (bash tools/deps test installs it)"
  command -v gdbus >/dev/null || skip "gdbus is missing (libglib2.0-bin)"
  start_session_bus
  export XDG_RUNTIME_DIR=$tmp/runtime WAYLAND_DISPLAY=vorn-mutter
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  MUTTER_DEBUG=placement,geometry,window-ops mutter --headless --wayland --no-x11 \
    --virtual-monitor 1280x800 --wayland-display="$WAYLAND_DISPLAY" >"$tmp/mutter.log" 2>&1 &
  bg_pids+=($!)
  mutter_ready() {
    kill -0 "${bg_pids[-1]}" 2>/dev/null || return 2
    [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] && bus_name_owned org.gnome.Mutter.RemoteDesktop
  }
  await 20000 mutter_ready ||
    skip "mutter cannot start on this machine: $(grep -vE 'Message|^ *$' "$tmp/mutter.log" | tail -2 | tr '\n' ' ')"
}

# The remote-desktop input (rdinput.py); `rd` sends commands and waits.
start_rdinput() {
  local py
  for py in python3 /usr/bin/python3 ''; do
    [[ -n $py ]] && "$py" -c 'import gi' 2>/dev/null && break
  done
  [[ -n $py ]] || skip "python3-gi is missing (bash tools/deps test installs it)"
  mkfifo "$tmp/rdinput.in"
  "$py" "$here/rdinput.py" <"$tmp/rdinput.in" >"$tmp/rdinput.log" 2>&1 &
  bg_pids+=($!)
  exec 7>"$tmp/rdinput.in"
  await 5000 grep -q '^ready' "$tmp/rdinput.log" || fail "rdinput: $(cat "$tmp/rdinput.log")"
  # Mutter makes its virtual pointer and keyboard at their first use: both
  # are made now, so that the seat has them when the game connects.
  rd "rel 0 0" "key 42"
}
rd() {
  local c
  for c in "$@"; do
    feed "$tmp/rdinput.log" '^(ok|error)' "$c"
    ! tail -1 "$tmp/rdinput.log" | grep -q '^error' || fail "rdinput: $(tail -1 "$tmp/rdinput.log")"
  done
}
rd_key() { rd "key $1 ${2:-20}"; }
# The pointer to (X, Y) of the screen: into the corner, then that far.
rd_at() { rd "rel -4000 -4000" "rel $1 $2"; }

# Where mutter placed its windows, "Wn x y w h" each, in order.
mutter_places() {
  awk '/PLACEMENT: Placing window/ { w = $NF; want = 1; next }
       want && /after constrain_partially_onscreen/ {
         for (i = 1; i <= NF; i++) if ($i == "is") { split($(i + 1), xy, ","); split($(i + 2), wh, ",") }
         print w, xy[1], xy[2], substr(wh[1], 2), wh[2]; want = 0 }' "$tmp/mutter.log"
}

# On GNOME's mutter: About opens over the board; no request for the focus
# (each would show "VORN is ready"); the menu opened by F1 stays open.
check_mutter() {
  private_home
  start_mutter
  start_rdinput
  launch
  await 5000 eval '(($(mutter_places | wc -l) >= 1))' || fail "mutter placed no board"
  local board about
  board=$(mutter_places | head -1 | cut -d' ' -f2-)
  read -r x y _ <<<"$board"
  rd_at $((x + wood[0])) $((y + wood[1]))
  rd "press 273" "release 273"
  await 5000 popups_made 1 || fail "a right press on the wood opened no menu"
  rd_key $key_up && rd_key $key_up && rd_key $key_right
  await 5000 popups_made 2 || fail "the Help submenu did not open"
  rd_key $key_a
  await 5000 eval '(($(mutter_places | wc -l) >= 2))' || fail "About did not open"
  about=$(mutter_places | sed -n 2p | cut -d' ' -f2-)
  echo "mutter: board at ($board), About at ($about)"
  centre_on "$about" "$board" || fail "mutter opened About at ($about), off the board at ($board)"
  rd_key $key_escape
  await 5000 grep -q -- '-> gtk_surface1@[0-9]*\.release(' "$tmp/game.log" ||
    fail "About did not close, or its surface was not released"
  menu_stays_open_after_f1 rd_key
  local asked refused
  asked=$(activation_requests)
  ((asked == 0)) || fail "mutter: the game asked $asked times for the focus it had"
  # Qt's widgets ask once more as Escape closes the menu, with the key's
  # serial: mutter grants that request, and shows no notification.
  local entered
  entered=$(grep -c 'wl_keyboard@[0-9]*\.enter(' "$tmp/game.log")
  rd_key $key_escape
  await 5000 eval '(($(grep -c "wl_keyboard@[0-9]*\.enter(" "$tmp/game.log") > entered))' ||
    fail "mutter: the keyboard did not come back to the board after the menu"
  refused=$(grep -cE 'Marking W[0-9]+ as needing attention' "$tmp/mutter.log" || true)
  ((refused == 0)) || fail "mutter: $refused requests of the game for the focus shown as needing attention"
  echo "mutter: focus asked for $asked times, $(activation_requests) after Escape closed the menu"
}

# ---- KWin --------------------------------------------------------------

# KWin headless (--virtual) on a screen of 1280x800, on a session bus of
# its own. kwin_wayland carries a file capability (cap_sys_resource): where
# the machine's bounding set lacks it, the kernel refuses to start it, and a
# copy without the capability runs instead.
start_kwin() {
  local kwin
  kwin=$(command -v kwin_wayland) || skip "kwin_wayland is missing (bash tools/deps test installs kwin-wayland)"
  start_session_bus
  export XDG_RUNTIME_DIR=$tmp/runtime WAYLAND_DISPLAY=vorn-kwin
  mkdir -p "$XDG_RUNTIME_DIR" "$tmp/kwin-home"
  chmod 700 "$XDG_RUNTIME_DIR"
  if ! "$kwin" --help >/dev/null 2>&1; then
    mkdir -p "$tmp/kwin-bin"
    cp "$kwin" "$tmp/kwin-bin/kwin_wayland"
    kwin=$tmp/kwin-bin/kwin_wayland
  fi
  env XDG_CONFIG_HOME="$tmp/kwin-home" KWIN_COMPOSE=Q "$kwin" --virtual --socket "$WAYLAND_DISPLAY" \
    --width 1280 --height 800 --no-lockscreen --no-global-shortcuts --no-kactivities \
    >"$tmp/kwin.log" 2>&1 &
  bg_pids+=($!)
  kwin_ready() {
    kill -0 "${bg_pids[-1]}" 2>/dev/null || return 2
    [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] && bus_name_owned org.kde.KWin
  }
  await 20000 kwin_ready ||
    skip "KWin cannot start on this machine: $(grep -v '^ *$' "$tmp/kwin.log" | tail -2 | tr '\n' ' ')"
}

# KWin's own view of the game's windows, one line each: "caption|x y w h|
# skipTaskbar|skipSwitcher", through a script of KWin's, which prints to
# KWin's log.
kwin_windows() {
  local name=list$RANDOM
  cat >"$tmp/$name.js" <<'JS'
var all = workspace.clientList();
for (var i = 0; i < all.length; i++) {
  var c = all[i], g = c.frameGeometry;
  print("WINDOW " + c.pid + "|" + c.caption + "|" + g.x + " " + g.y + " " + g.width + " " + g.height +
        "|" + c.skipTaskbar + "|" + c.skipSwitcher);
}
print("LISTED " + all.length);
JS
  local before
  before=$(grep -c '^js: LISTED\|LISTED' "$tmp/kwin.log" || true)
  gdbus call --session -d org.kde.KWin -o /Scripting -m org.kde.kwin.Scripting.loadScript \
    "$tmp/$name.js" "$name" >/dev/null || return
  gdbus call --session -d org.kde.KWin -o /Scripting -m org.kde.kwin.Scripting.start >/dev/null || return
  await 3000 eval '(($(grep -c "LISTED" "$tmp/kwin.log") > before))' || return
  gdbus call --session -d org.kde.KWin -o /Scripting -m org.kde.kwin.Scripting.unloadScript \
    "$name" >/dev/null
  # The lines of this listing only, those of the game.
  awk -v n="$before" '/LISTED/ { seen++; next } seen == n && /WINDOW / { sub(/.*WINDOW /, ""); print }' \
    "$tmp/kwin.log" | grep "^$game_pid|" | cut -d'|' -f2-
}

# On KDE Plasma's KWin: the board has no task-bar entry, and Alt+Tab still
# lists it. (Headless KWin takes input only from trusted clients: no dialog
# is opened here.)
check_kwin() {
  private_home
  start_kwin
  launch
  local board rect skip_taskbar skip_switcher
  # Qt gives the untitled board the program's name.
  board_listed() { board=$(kwin_windows | grep '^vorn|') && [[ -n $board ]]; }
  await 5000 board_listed || fail "KWin lists no board"
  IFS='|' read -r _ rect skip_taskbar skip_switcher <<<"$board"
  echo "kwin: board at ($rect), skipTaskbar=$skip_taskbar skipSwitcher=$skip_switcher"
  [[ $skip_taskbar == true ]] || fail "KWin shows the board in the task bar"
  [[ $skip_switcher == false ]] || fail "KWin leaves the board out of Alt+Tab"
}

# ---- Weston ------------------------------------------------------------

# Weston's X11 back end in a window of Xvfb; sets $WAYLAND_DISPLAY and
# $output, its X window.
start_weston_x11() {
  command -v weston >/dev/null || skip "weston is missing (bash tools/deps test installs it)"
  start_desktop
  # Weston learns where the X pointer is when it enters its window: the
  # pointer waits outside.
  xd at 0 1 1
  printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nbackground-color=0xff3c5a78\n' \
    >"$tmp/weston.ini"
  export XDG_RUNTIME_DIR=$tmp/runtime WAYLAND_DISPLAY=vorn-weston
  weston --config="$tmp/weston.ini" --socket="$WAYLAND_DISPLAY" --use-pixman \
    --width=800 --height=600 --backend=x11-backend.so >"$tmp/weston.log" 2>&1 &
  bg_pids+=($!)
  output=$(xd find "Weston Compositor - screen0" 0 10000) ||
    fail "no Weston window: $(tail -3 "$tmp/weston.log")"
  xd focus "$output" 5000 || fail "Weston's window has no X keyboard focus"
}

# On Weston, a menu opened by a key is closed as soon as it opens when the
# key's release reaches Weston before the menu does (the menu's grab is for
# a key whose release Weston already knows). The game opens it within 8 ms,
# and within a player's tap of about 100 ms, as F1 is held here, even built
# with the sanitizers on a busy machine (30 ms was too short there).
check_weston_key_menu() {
  private_home
  start_weston_x11
  launch
  held_f1() { xd key-held 100 F1; }
  menu_stays_open_after_f1 held_f1
  xd key-held 30 Escape
}

declare -F "check_$check" >/dev/null || { echo "no check '$check'" >&2; exit 2; }
"check_$check"
echo "PASS: $check"
