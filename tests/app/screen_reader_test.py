#!/usr/bin/python3
"""What a screen reader gets from the real program, through pyatspi (the library Orca uses).

Usage: screen_reader_test.py PROGRAM. Runs PROGRAM on a private Xvfb in a private D-Bus session
with the accessibility bus, prints each check, and exits 1 when one fails.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

INSIDE = "AERLITH_ATSPI_SESSION"
WAIT_SECONDS = 15
TAB, F1, ESC = 0xFF09, 0xFFBE, 0xFF1B


def run_in_private_session(program):
    """Starts an Xvfb and a D-Bus session of our own, with a fresh home, and runs this script
    again inside them."""
    scratch = tempfile.mkdtemp(prefix="atspi-")
    env = {k: v for k, v in os.environ.items() if "DBUS" not in k and "AT_SPI" not in k}
    for folder in ("home", "config", "cache", "data", "runtime"):
        os.mkdir(os.path.join(scratch, folder), 0o700)
    env.update(HOME=f"{scratch}/home", XDG_CONFIG_HOME=f"{scratch}/config",
               XDG_CACHE_HOME=f"{scratch}/cache", XDG_DATA_HOME=f"{scratch}/data",
               XDG_RUNTIME_DIR=f"{scratch}/runtime", QT_QPA_PLATFORM="xcb", **{INSIDE: "1"})
    read_end, write_end = os.pipe()
    # -displayfd takes the first free display, so no other X server on the machine is met.
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
                             "-screen", "0", "1920x1080x24"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
        with os.fdopen(read_end) as display:
            env["DISPLAY"] = ":" + display.readline().strip()
        inner = ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), program]
        return subprocess.run(inner, env=env, timeout=240).returncode
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(scratch, ignore_errors=True)


def walk(node):
    for child in node:
        if child is not None:
            yield child
            yield from walk(child)


def has(node, state):
    return node.getState().contains(state)


class Checks:
    def __init__(self, program):
        self.program, self.failures, self.announced = program, 0, []

    def check(self, holds, what):
        print(("ok    " if holds else "FAIL  ") + what, flush=True)
        self.failures += not holds
        return holds

    def pump(self, until, what):
        """Lets events arrive until `until()` gives something, which it returns; fails after
        the wait."""
        deadline = time.monotonic() + WAIT_SECONDS
        while True:
            while GLib.MainContext.default().iteration(False):
                pass
            try:
                found = until()
            except Exception:  # an object that went away while it was read
                found = None
            if found or time.monotonic() > deadline:
                return found or self.check(False, f"waited {WAIT_SECONDS} s for {what}")
            time.sleep(0.05)

    def window(self, name=None):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid:
                for window in app:
                    if has(window, pyatspi.STATE_SHOWING) and name in (None, window.name):
                        return window
        return None

    def control(self, window, role, name):
        return next(node for node in walk(window) if node.getRole() == role
                    and node.name == name and has(node, pyatspi.STATE_SHOWING))

    def press(self, window, name):
        action = self.control(window, pyatspi.ROLE_PUSH_BUTTON, name).queryAction()
        action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))

    def focus_then_key(self, window, name, keysym):
        button = self.control(window, pyatspi.ROLE_PUSH_BUTTON, name)
        self.pump(lambda: has(button, pyatspi.STATE_ENABLED), f"{name!r} enabled")
        button.queryComponent().grabFocus()
        self.pump(lambda: has(button, pyatspi.STATE_FOCUSED), f"the focus on {name!r}")
        pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
        return button

    def all_named(self, window, role):
        print(f"{window.getRoleName()} {window.name!r}: {window.description!r}"[:160])
        self.check(window.getRoleName() == role, f"{window.name!r} is a {role}")
        nameless = [node.getRoleName() for node in (window, *walk(window))
                    if has(node, pyatspi.STATE_SHOWING) and not node.name.strip()]
        self.check(not nameless, f"every showing control of {window.name!r} has a name "
                   f"{nameless or ''}")

    def on_showing(self, event):
        if event.detail1 and event.source.getRole() in (pyatspi.ROLE_NOTIFICATION,
                                                         pyatspi.ROLE_ALERT):
            self.announced.append(f"{event.source.getRoleName()} {event.source.name!r}")

    def announced_holding(self, text):
        return self.pump(lambda: [a for a in self.announced if text in a],
                         f"{text!r} to be announced")

    def run(self):
        # Qt exposes its windows only when the bus says a reader runs (ScreenReaderEnabled or
        # IsEnabled) or QT_LINUX_ACCESSIBILITY_ALWAYS_ON is set, and reads the flags only as it
        # starts: set the flag first, as Orca does when it starts. The variable would also pass a
        # program that never asks the bus.
        Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
            GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                   GLib.Variant("b", True))),
            None, Gio.DBusCallFlags.NONE, WAIT_SECONDS * 1000)
        pyatspi.Registry.registerEventListener(self.on_showing, "object:state-changed:showing")
        self.process = subprocess.Popen([self.program])
        try:
            main = self.pump(self.window, "the main window")
            if main:
                self.check_main_window(main)
                self.check_dialogs(main)
        finally:
            self.process.kill()
            self.process.wait()
        print(f"{self.failures} check(s) failed" if self.failures else "all checks passed")
        return 1 if self.failures else 0

    def check_main_window(self, main):
        self.all_named(main, "frame")
        self.check(main.name == main.name.strip(), "the title is read without its blanks")
        # No window manager runs here to give the new window the keyboard; a click on its
        # corner, away from every control, does.
        def click_corner():
            corner = main.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            pyatspi.Registry.generateMouseEvent(corner.x + 3, corner.y + 3, "b1c")
            time.sleep(0.2)
            return has(main, pyatspi.STATE_ACTIVE)
        self.pump(click_corner, "the main window to be active")

        entry = self.control(main, pyatspi.ROLE_TEXT, "Entry").queryText()
        for key in ("2", "plus", "3"):
            self.press(main, key)
        self.pump(lambda: entry.getText(0, -1) == "2+3", "'2+3' in the entry")
        self.check(entry.getText(0, -1) == "2+3", "keys pressed through their action type 2+3")
        self.announced.clear()
        self.press(main, "equals")
        self.check(self.announced_holding("5"), f"'=' announces 5: {self.announced}")

        seven = self.focus_then_key(main, "7", TAB)
        four = self.control(main, pyatspi.ROLE_PUSH_BUTTON, "4")
        self.pump(lambda: has(four, pyatspi.STATE_FOCUSED), "the focus on '4'")
        self.check(has(four, pyatspi.STATE_FOCUSED) and not has(seven, pyatspi.STATE_FOCUSED),
                   "Tab moves the focus from 7 to 4")

    def check_dialogs(self, main):
        self.press(main, "Look Up Airport ID")
        box = self.pump(lambda: self.control(main, pyatspi.ROLE_TEXT, "Partial Name of Airport"),
                        "the box for the name")
        if box:
            box.queryEditableText().setTextContents("ottawa")
            self.press(main, "equals")
        offer = self.pump(lambda: self.window("Possible choice found."),
                          "the box offering an aerodrome")
        if offer:
            self.all_named(offer, "dialog")
            # A reader speaks a dialog's labels as it opens, each name once.
            entry = self.control(main, pyatspi.ROLE_TEXT, "Entry").queryText().getText(0, -1)
            labels = [n.name for n in walk(offer)
                      if n.getRole() == pyatspi.ROLE_LABEL and has(n, pyatspi.STATE_SHOWING)]
            print(f"labels of the offer: {labels}")
            self.check("OTTAWA" in entry and labels == [f"{entry.strip()}\nDo you want this one?"],
                       "the box's one label reads the aerodrome offered, then the question")
            self.press(offer, "OK")
            self.announced_holding("OTTAWA")

        self.press(main, "clear")
        self.focus_then_key(main, "8", F1)
        title = "Calculator Help - Number Keypad"
        help_box = self.pump(lambda: self.window(title), "the help")
        if help_box:
            self.all_named(help_box, "dialog")
        pyatspi.Registry.generateKeyboardEvent(ESC, None, pyatspi.KEY_SYM)

        # Esc on a key closes the main window. The thank-you window is left open: closing it
        # would open the maker's web address.
        self.focus_then_key(main, "9", ESC)
        thanks = self.pump(lambda: self.window("Thank you!"), "thank-you")
        if thanks:
            self.all_named(thanks, "dialog")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    if INSIDE not in os.environ:
        sys.exit(run_in_private_session(os.path.abspath(sys.argv[1])))
    import gi
    gi.require_version("Gio", "2.0")
    from gi.repository import Gio, GLib
    import pyatspi
    sys.exit(Checks(sys.argv[1]).run())
