"""Input for mutter, which has no input devices when headless: a session of
its remote-desktop service (org.gnome.Mutter.RemoteDesktop) on the session
bus, kept for as long as this runs. Reads commands, one a line:
  key CODE [MS]      press and release an evdev key code, MS (20) apart
  rel DX DY          move the pointer by (DX, DY)
  press B | release B    B: an evdev button code (272 left, 273 right)
and answers "ready" once the session runs, then "ok" (or "error ...") after
each command, once mutter has taken it.
"""
import sys
import time

from gi.repository import Gio, GLib

SERVICE = "org.gnome.Mutter.RemoteDesktop"


def call(bus, path, interface, method, args=None, reply=None):
    return bus.call_sync(SERVICE, path, interface, method, args,
                         GLib.VariantType(reply) if reply else None,
                         Gio.DBusCallFlags.NONE, 5000, None)


def main():
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    session = call(bus, "/org/gnome/Mutter/RemoteDesktop", SERVICE, "CreateSession",
                   reply="(o)").unpack()[0]
    interface = SERVICE + ".Session"
    call(bus, session, interface, "Start")
    print("ready", flush=True)

    def key(code, down):
        call(bus, session, interface, "NotifyKeyboardKeycode",
             GLib.Variant("(ub)", (code, down)))

    for line in sys.stdin:
        words = line.split()
        if not words:
            continue
        try:
            if words[0] == "key":
                key(int(words[1]), True)
                time.sleep(int(words[2] if len(words) > 2 else 20) / 1000)
                key(int(words[1]), False)
            elif words[0] == "rel":
                call(bus, session, interface, "NotifyPointerMotionRelative",
                     GLib.Variant("(dd)", (float(words[1]), float(words[2]))))
            elif words[0] in ("press", "release"):
                call(bus, session, interface, "NotifyPointerButton",
                     GLib.Variant("(ib)", (int(words[1]), words[0] == "press")))
            else:
                print("error: unknown command", flush=True)
                continue
            print("ok", flush=True)
        except GLib.Error as error:
            print("error", error.message, flush=True)
    call(bus, session, interface, "Stop")


main()
