"""A stand-in for the desktop's notification service on the bus given: prints
"notify APP|SUMMARY|BODY" for every notification it is sent."""

import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib


class Notifications(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.sent = 0

    @dbus.service.method("org.freedesktop.Notifications", in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        print(f"notify {app}|{summary}|{body}", flush=True)
        self.sent += 1
        return self.sent

    @dbus.service.method("org.freedesktop.Notifications", out_signature="as")
    def GetCapabilities(self):
        return ["body"]

    @dbus.service.method("org.freedesktop.Notifications", out_signature="ssss")
    def GetServerInformation(self):
        return "stand-in", "tests", "1", "1.2"


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(sys.argv[1])
    name = dbus.service.BusName("org.freedesktop.Notifications", bus)
    Notifications(bus)
    print("ready", flush=True)
    GLib.MainLoop().run()
    del name


if __name__ == "__main__":
    main()
