#!/usr/bin/env python3
"""Long-session soak of the calculator through the scenario runner.

A seeded generator writes random commands (presses, typing, Alt letters, function buttons with
typing into their boxes, conversions, ticks, hovers, help boxes and aerodrome searches with
replies queued) and feeds them one at a time to aerlith-scenario on its standard input. It checks
that every output line is well formed, that no line reports an error or an end, that the runner
exits 0, and that the runner's resident memory grows by no more than a set share between the
sample after the first thousand commands and the end.

Nothing the generator writes may end the program: no `shot`, no `close`, and Esc only where it
cannot reach a keypad key or the window. Esc is sent only after the runner has confirmed that the
entry box or the value box about to receive it holds the focus.

usage: soak.py --runner PATH [--emulator WINE] --data DIR [--commands N] [--seed S] [--max-growth PERCENT]
"""

import argparse
import collections
import queue
import random
import re
import subprocess
import sys
import threading
import time

KEYS = "7410852.963C/x-+<=)("
ALT_LETTERS = "ufnshblkm>toirga~\\wd-ypeso" + "cxzqjv1"
# What the calculator gets typed: digits, operators, brackets, named keys and junk.
TYPED = "0123456789" * 4 + ".+-x*/^()<=E" * 2 + "aZ ,;&%c"
# Names and identifiers of the small aerodrome file, and some that are not in it.
NAMES = ["ottawa", "sea", "montreal", "lake", "intl", "x", "zzz", "", " ", "after the end"]
IDENTS = ["CYOW", "CYUL", "KSEA", "W55", "SEA", "YOW", "ZZZZ", "AB", "CYOWX", ""]
REPLIES = ["ok", "skip", "enter", "esc", "click", "close"]
LOOKUP, CROSS_COUNTRY = 4, 3
# A runner that answers nothing for this long is stuck.
STALL_SECONDS = 60
# The soak asks for these itself and waits for the answers, so random commands never do.
SYNC_SHOWS = ("show focus", "show title")

LINE_FORMS = [
    re.compile(r"entry: \[.*\]"),
    re.compile(r"box [0-3]: \[.*\] visible=[01] label=\[.*\]"),
    re.compile(r"state: entryState=[023] mode=\[.?\] align=(left|center)"),
    re.compile(r"enabled: keys=[01]{20} conv=[01]{18}"),
    re.compile(r"picture: \[.*\] visible=[01]"),
    re.compile(r"title: \[.*\]"),
    re.compile(r"focus: (none|calcs|[A-Za-z][A-Za-z0-9]*(\([0-9]+\))?)"),
    re.compile(r"underline:( none|( buttonplus[123]\([0-9]+\))+)"),
    re.compile(r"modal: cibox caption=\[.*\] text=\[.*\] layout=(short|long)"),
]


def typed_text(rng, length):
    text = ""
    for _ in range(length):
        roll = rng.random()
        if roll < 0.04:
            text += "{Backspace}"
        elif roll < 0.07:
            text += "{Enter}"
        else:
            text += rng.choice(TYPED)
    return text


def target(rng):
    kind = rng.choice(["key", "conv", "func", "box", "entry"])
    if kind == "key":
        return "key " + rng.choice(KEYS)
    if kind == "conv":
        return "conv %d" % rng.randrange(18)
    if kind == "func":
        return "func %d" % rng.randrange(9)
    if kind == "box":
        return "box %d" % rng.randrange(4)
    return "entry"


def hover_target(rng):
    roll = rng.random()
    if roll < 0.15:
        return "label %d" % rng.randrange(8)
    if roll < 0.25:
        return rng.choice(["picture", "background", "outside"])
    return target(rng)


def show(rng):
    return rng.choice(["show entry", "show box %d" % rng.randrange(4), "show state",
                       "show enabled", "show picture", "show underline"])


def generate(rng):
    """One step: a list of ("send", line) and ("escape", target) items."""
    roll = rng.random()
    if roll < 0.22:
        return [("send", "press key " + rng.choice(KEYS))]
    if roll < 0.30:
        return [("send", "press conv %d" % rng.randrange(18))]
    if roll < 0.40:
        # A function button, then its boxes typed into and '=' pressed or typed.
        function = rng.randrange(9)
        steps = [("send", "press func %d" % function)]
        if function == LOOKUP:
            for _ in range(rng.randrange(4)):
                steps.append(("send", "answer " + rng.choice(REPLIES)))
            steps.append(("send", "type box 0 " + rng.choice(NAMES) + "="))
        elif function == CROSS_COUNTRY:
            steps.append(("send", "type box 0 %s{Enter}%s=" % (rng.choice(IDENTS),
                                                            rng.choice(IDENTS))))
        else:
            boxes = rng.randrange(1, 5)
            values = "{Enter}".join(typed_text(rng, rng.randrange(1, 6)) for _ in range(boxes))
            steps.append(("send", "type box 0 " + values))
            if rng.random() < 0.5:
                steps.append(("send", "press key ="))
        return steps
    if roll < 0.55:
        return [("send", "type %s %s" % (target(rng), typed_text(rng, rng.randrange(0, 12))))]
    if roll < 0.59:
        return [("send", "alt " + rng.choice(ALT_LETTERS))]
    if roll < 0.64:
        return [("send", "tick")]
    if roll < 0.74:
        return [("send", "hover " + hover_target(rng))]
    if roll < 0.79:
        steps = [("send", "answer " + rng.choice(REPLIES)) for _ in range(rng.randrange(3))]
        kind = rng.choice(["key " + rng.choice(KEYS), "conv %d" % rng.randrange(18),
                           "func %d" % rng.randrange(9)])
        return steps + [("send", "rightclick " + kind)]
    if roll < 0.83:
        return [("escape", rng.choice(["entry", "box %d" % rng.randrange(4)]))]
    return [("send", show(rng))]


class Runner:
    def __init__(self, command):
        self.process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        bufsize=0)
        self.lines = 0
        self.faults = []
        self.recent = collections.deque(maxlen=30)
        # Output is read all the time, so that neither side of the two pipes ever waits on a
        # full buffer.
        self.output = queue.Queue()
        threading.Thread(target=self.read_all, daemon=True).start()

    def read_all(self):
        for raw in self.process.stdout:
            self.output.put(raw.decode("utf-8", "replace").rstrip("\n"))
        self.output.put(None)

    def send(self, line):
        self.recent.append(line)
        try:
            self.process.stdin.write((line + "\n").encode())
        except BrokenPipeError:
            self.faults.append("the runner stopped reading at '%s'" % line)

    def next_line(self):
        """The next output line, checked; None at the end of the output or after a stall."""
        try:
            line = self.output.get(timeout=STALL_SECONDS)
        except queue.Empty:
            self.faults.append("no answer in %d s; last commands sent: %s"
                               % (STALL_SECONDS, " | ".join(self.recent)))
            self.process.kill()
            return None
        if line is not None:
            self.check(line)
        return line

    def ask(self, show_command):
        """Sends one of SYNC_SHOWS and returns its answer, once the runner has done everything
        sent before it; None when the output ends first."""
        self.send(show_command)
        prefix = show_command.split()[1] + ":"
        while (line := self.next_line()) is not None:
            if line.startswith(prefix):
                return line
        self.faults.append("output ended while waiting for '%s'" % show_command)
        return None

    def finish(self):
        try:
            self.process.stdin.close()
        except BrokenPipeError:
            pass
        while self.next_line() is not None:
            pass
        return self.process.wait()

    def check(self, line):
        self.lines += 1
        if not any(form.fullmatch(line) for form in LINE_FORMS):
            self.faults.append("malformed or forbidden line after '%s': %r"
                               % (self.recent[-1], line))

    def memory_kb(self):
        with open("/proc/%d/status" % self.process.pid) as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
        return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runner", required=True)
    parser.add_argument("--emulator", default="",
                        help="what starts the runner, such as wine for the Windows build")
    parser.add_argument("--data", required=True)
    parser.add_argument("--commands", type=int, default=5000)
    parser.add_argument("--seed", type=int, default=20260)
    parser.add_argument("--max-growth", type=float, default=10.0,
                        help="percent; negative to skip the memory check")
    parser.add_argument("--sample-at", type=int, default=1000)
    options = parser.parse_args()

    rng = random.Random(options.seed)
    runner = Runner(options.emulator.split() + [options.runner, "--data", options.data])
    started = time.monotonic()
    sent = 0
    escapes = 0
    early_kb = None
    while sent < options.commands and not runner.faults:
        for action, argument in generate(rng):
            if action == "send":
                runner.send(argument)
            else:
                runner.send("type " + argument)
                focus = runner.ask("show focus")
                wanted = "Text2" if argument == "entry" else "Text1(%s)" % argument.split()[1]
                if focus == "focus: " + wanted:
                    runner.send("type %s {Esc}" % argument)
                    escapes += 1
            sent += 1
        if sent % 50 == 0:
            # Keeps the two sides in step, so that a stuck runner is caught within a minute
            # instead of filling its input pipe.
            runner.ask("show title")
        if early_kb is None and sent >= options.sample_at:
            runner.ask("show title")
            early_kb = runner.memory_kb()
    runner.ask("show title")
    late_kb = runner.memory_kb() if not runner.faults else 0
    status = runner.finish()
    elapsed = time.monotonic() - started

    if status != 0:
        runner.faults.append("runner exited with status %d" % status)
    print("soak: seed %d, %d commands (%d guarded Esc), %d output lines, %.1f s"
          % (options.seed, sent, escapes, runner.lines, elapsed))
    if early_kb:
        growth = 100.0 * (late_kb - early_kb) / early_kb
        print("soak: resident memory %d kB after %d commands, %d kB at the end (%+.1f %%)"
              % (early_kb, options.sample_at, late_kb, growth))
        if options.max_growth >= 0 and growth > options.max_growth:
            runner.faults.append("memory grew %.1f %% (limit %.1f %%)"
                                 % (growth, options.max_growth))
    for fault in runner.faults[:20]:
        print("soak: FAULT: " + fault)
    return 1 if runner.faults else 0


if __name__ == "__main__":
    sys.exit(main())
