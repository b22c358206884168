"""A stand-in for logind on a private bus: answers Inhibit with one end of a pipe and prints
"taken WHAT WHO WHY MODE" when it hands the lock out and "released" when every copy of that
end is closed."""

import os
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib


class Manager(dbus.service.Object):
    @dbus.service.method("org.freedesktop.login1.Manager", in_signature="ssss", out_signature="h")
    def Inhibit(self, what, who, why, mode):
        read_end, write_end = os.pipe()
        GLib.io_add_watch(read_end, GLib.IO_HUP | GLib.IO_ERR, self._released)
        print(f"taken {what}|{who}|{why}|{mode}", flush=True)
        lock = dbus.types.UnixFd(write_end)  # holds its own copy
        os.close(write_end)
        return lock

    def _released(self, fd, condition):
        print("released", flush=True)
        os.close(fd)
        return False


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(sys.argv[1])
    name = dbus.service.BusName("org.freedesktop.login1", bus)
    Manager(bus, "/org/freedesktop/login1")
    print("ready", flush=True)
    GLib.MainLoop().run()
    del name


if __name__ == "__main__":
    main()
