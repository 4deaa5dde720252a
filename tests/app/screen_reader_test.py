#!/usr/bin/python3
"""What a screen reader gets from the real program, through pyatspi (the library Orca uses).

Usage: screen_reader_test.py PROGRAM

Runs PROGRAM on a private Xvfb inside a private D-Bus session, with the accessibility bus of
at-spi2-core, and checks: every showing control has a name; the roles and names of the windows;
a key pressed through the Action interface changes the entry; Tab moves the focus; the candidate
aerodrome reaches the reader while "Do you want this one?" is open; the result of '=' reaches the
reader as a notification that appears. Exits 1 when a check fails.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

INSIDE = "AERLITH_ATSPI_SESSION"
WAIT_SECONDS = 15


def run_in_private_session(program):
    """Starts Xvfb and a D-Bus session of our own and runs this script again inside them."""
    scratch = tempfile.mkdtemp(prefix="atspi-")
    env = dict(os.environ)
    for folder in ("home", "config", "cache", "data", "runtime"):
        os.mkdir(os.path.join(scratch, folder), 0o700)
    env.update(HOME=f"{scratch}/home", XDG_CONFIG_HOME=f"{scratch}/config",
               XDG_CACHE_HOME=f"{scratch}/cache", XDG_DATA_HOME=f"{scratch}/data",
               XDG_RUNTIME_DIR=f"{scratch}/runtime", QT_QPA_PLATFORM="xcb")
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)
    env.pop("AT_SPI_BUS_ADDRESS", None)
    read_end, write_end = os.pipe()
    # -displayfd takes the first free display, so no other X server on the machine is met.
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
                             "-screen", "0", "1920x1080x24"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
        with os.fdopen(read_end) as display:
            env["DISPLAY"] = ":" + display.readline().strip()
        if env["DISPLAY"] == ":":
            print("Xvfb did not start")
            return 1
        env[INSIDE] = "1"
        inner = ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), program]
        try:
            return subprocess.run(inner, env=env, timeout=240).returncode
        except subprocess.TimeoutExpired:
            print("the checks did not end in time")
            return 1
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(scratch, ignore_errors=True)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    if INSIDE not in os.environ:
        return run_in_private_session(os.path.abspath(sys.argv[1]))
    return Checks(sys.argv[1]).run()


class Checks:
    def __init__(self, program):
        self.program = program
        self.failures = 0
        self.announced = []

    # -- the session --------------------------------------------------------------------------

    def turn_on_the_reader(self):
        """Says on the bus that a screen reader runs, as Orca does when it starts.

        Qt exposes its windows only when the bus says so (ScreenReaderEnabled or IsEnabled) or
        when QT_LINUX_ACCESSIBILITY_ALWAYS_ON is set. It reads the flags once, as it starts, and
        only if org.a11y.Bus is already up: so the flag is set, which starts the bus, before the
        program. The environment variable would hide a program that never looks at the bus.
        """
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                             GLib.Variant("b", True))),
                      None, Gio.DBusCallFlags.NONE, WAIT_SECONDS * 1000, None)

    def pump(self, until, what):
        """Lets events arrive until `until()` holds; a failed check (None) after the wait."""
        deadline = time.monotonic() + WAIT_SECONDS
        context = GLib.MainContext.default()
        while True:
            while context.iteration(False):
                pass
            try:
                found = until()
            except Exception:  # an object that went away while it was read
                found = None
            if found or time.monotonic() > deadline:
                if not found:
                    self.check(False, f"waited {WAIT_SECONDS} s for {what}")
                return found
            time.sleep(0.05)

    def check(self, holds, what):
        print(("ok    " if holds else "FAIL  ") + what, flush=True)
        if not holds:
            self.failures += 1
        return holds

    # -- the accessible tree ------------------------------------------------------------------

    def application(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def window(self, role, name=None):
        app = self.application()
        for window in app or []:
            if (window.getRole() == role and showing(window)
                    and (name is None or window.name == name)):
                return window
        return None

    def control(self, window, role, name):
        for node in walk(window):
            if node.getRole() == role and node.name == name and showing(node):
                return node
        raise LookupError(f"no {name!r}")

    def press(self, window, name):
        button = self.control(window, pyatspi.ROLE_PUSH_BUTTON, name)
        action = button.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press"))

    def key(self, keysym):
        pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)

    def all_named(self, window):
        nameless = [f"{node.getRoleName()} at {path}" for node, path in walk_paths(window)
                    if showing(node) and not node.name.strip()]
        self.check(not nameless, f"every showing control of {window.name!r} has a name"
                   + (": not " + ", ".join(nameless) if nameless else ""))

    def on_showing(self, event):
        if event.detail1 and event.source.getRole() in (pyatspi.ROLE_NOTIFICATION,
                                                         pyatspi.ROLE_ALERT):
            self.announced.append((event.source.getRoleName(), event.source.name))

    # -- the checks ---------------------------------------------------------------------------

    def run(self):
        self.turn_on_the_reader()
        pyatspi.Registry.registerEventListener(self.on_showing, "object:state-changed:showing")
        self.process = subprocess.Popen([self.program])
        try:
            self.check_main_window()
            self.check_aerodrome_offer()
            self.check_help()
            self.check_thank_you()
        finally:
            self.process.kill()
            self.process.wait()
        print(f"{self.failures} check(s) failed" if self.failures else "all checks passed")
        return 1 if self.failures else 0

    def check_main_window(self):
        main = self.pump(lambda: self.window(pyatspi.ROLE_FRAME), "the main window as a frame")
        if main is None:
            return
        print(f"main window: role {main.getRoleName()}, name {main.name!r}")
        # No window manager runs here to give the new window the keyboard; a click on its
        # corner, away from every control, does.
        corner = main.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        pyatspi.Registry.generateMouseEvent(corner.x + 3, corner.y + 3, "b1c")
        self.pump(lambda: main.getState().contains(pyatspi.STATE_ACTIVE), "the window active")
        self.check(main.name.strip() == main.name != "", "the main window is named by its title")
        self.all_named(main)

        entry = self.control(main, pyatspi.ROLE_TEXT, "Entry").queryText()
        for key in ("2", "plus", "3"):
            self.press(main, key)
        self.pump(lambda: entry.getText(0, -1) == "2+3", "'2+3' in the entry after 2, +, 3")
        self.check(entry.getText(0, -1) == "2+3", "keys pressed by their action type '2+3'")

        self.announced.clear()
        self.press(main, "equals")
        heard = self.pump(lambda: [a for a in self.announced if "5" in a[1]],
                          "the result 5 to be announced")
        print(f"announced after '=': {self.announced}")
        self.check(bool(heard), "the result of '=' is announced")

        seven = self.control(main, pyatspi.ROLE_PUSH_BUTTON, "7")
        four = self.control(main, pyatspi.ROLE_PUSH_BUTTON, "4")
        seven.queryComponent().grabFocus()
        self.pump(lambda: focused(seven), "the focus on key 7")
        self.key(0xFF09)  # Tab
        self.pump(lambda: focused(four), "the focus on key 4 after Tab")
        self.check(focused(four) and not focused(seven), "Tab moves the focus from 7 to 4")

    def check_aerodrome_offer(self):
        main = self.window(pyatspi.ROLE_FRAME)
        if main is None:
            return
        self.press(main, "Look Up Airport ID")
        box = self.pump(lambda: self.control(main, pyatspi.ROLE_TEXT, "Partial Name of Airport"),
                        "the value box for the name")
        if box is None:
            return
        box.queryEditableText().setTextContents("ottawa")
        self.press(main, "equals")
        offer = self.pump(lambda: self.window(pyatspi.ROLE_DIALOG, "Possible choice found."),
                          "the dialog offering an aerodrome")
        if offer is None:
            return
        entry = self.control(main, pyatspi.ROLE_TEXT, "Entry").queryText().getText(0, -1)
        print(f"offer: role {offer.getRoleName()}, name {offer.name!r}, "
              f"description {offer.description!r}")
        self.check("OTTAWA" in entry and entry.strip() in offer.description,
                   "the offered aerodrome is in the dialog's description")
        self.all_named(offer)
        labels = [n.name for n in walk(offer) if n.getRole() == pyatspi.ROLE_LABEL and showing(n)]
        self.check(labels == ["Do you want this one?"], f"the question is read once: {labels}")
        self.announced.clear()
        self.press(offer, "OK")
        self.pump(lambda: [a for a in self.announced if "OTTAWA" in a[1]],
                  "the chosen aerodrome to be announced")

    def check_help(self):
        main = self.window(pyatspi.ROLE_FRAME)
        if main is None:
            return
        self.press(main, "clear")
        key = self.control(main, pyatspi.ROLE_PUSH_BUTTON, "8")
        self.pump(lambda: key.getState().contains(pyatspi.STATE_ENABLED), "'clear' to unlock 8")
        key.queryComponent().grabFocus()
        self.pump(lambda: focused(key), "the focus on key 8")
        self.key(0xFFBE)  # F1
        title = "Calculator Help - Number Keypad"
        help_box = self.pump(lambda: self.window(pyatspi.ROLE_DIALOG, title), "the help dialog")
        if help_box is not None:
            print(f"help: role {help_box.getRoleName()}, name {help_box.name!r}")
            self.all_named(help_box)
        self.key(0xFF1B)  # Esc
        self.pump(lambda: self.window(pyatspi.ROLE_DIALOG) is None, "the help to close")

    def check_thank_you(self):
        main = self.window(pyatspi.ROLE_FRAME)
        if main is None:
            return
        key = self.control(main, pyatspi.ROLE_PUSH_BUTTON, "9")
        key.queryComponent().grabFocus()
        self.pump(lambda: focused(key), "the focus on key 9")
        self.key(0xFF1B)  # Esc on a key closes the main window
        # Left open: dismissing it would open the maker's web address.
        thanks = self.pump(lambda: self.window(pyatspi.ROLE_DIALOG, "Thank you!"),
                           "the thank-you dialog")
        if thanks is not None:
            print(f"thank-you: role {thanks.getRoleName()}, name {thanks.name!r}")
            self.all_named(thanks)


def walk_paths(node, path="0"):
    for index, child in enumerate(node):
        if child is not None:
            yield child, f"{path}.{index}"
            yield from walk_paths(child, f"{path}.{index}")


def walk(node):
    return (child for child, _ in walk_paths(node))


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


if __name__ == "__main__":
    if INSIDE in os.environ:
        import gi
        gi.require_version("Gio", "2.0")
        from gi.repository import Gio, GLib
        import pyatspi
    sys.exit(main())
