#!/usr/bin/env python3
"""What the Orca screen reader says, read from its debug file's "SPEECH OUTPUT" lines: Orca and
speech-dispatcher (its silent "dummy" voice) on the private accessibility bus, the focus walked
by Tab from January's initial reading to the morning of 3 January. Each box is read by its own
name, never by a bare caption ("3") nor by its group box's title."""

import datetime
import os
import re
import shutil
import subprocess
import tempfile
import time

from accessibility_test import AccessibilityBus, day_name
from harness import MAIN_TITLE, Display, Program, Skip, require, test_main, wait_until

DUMMY_VOICE = "/usr/lib/speech-dispatcher-modules/sd_dummy"
BOX_FIRST_READ = "Janvier, kilométrage initial"


def expected_order():
    """Tab from January's initial reading to the morning of 3 January, in this year (the accounting
    year the program opens on): the names Orca reads."""
    year = datetime.date.today().year
    order = [BOX_FIRST_READ]
    for day in (1, 2, 3):
        for half in ("matin", "soir"):
            order.append(day_name(year, 0, day, half))
    return order[:-1]


SPEECHD_CONF = """CommunicationMethod "unix_socket"
SocketPath "default"
Timeout 0
LogLevel 3
LogDir "{logs}"
AudioOutputMethod "libao"
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
DefaultLanguage "fr"
"""


def spoken(debug_file):
    """The texts Orca has spoken so far, in order."""
    if not os.path.exists(debug_file):
        return []
    with open(debug_file, encoding="utf-8", errors="replace") as handle:
        # The text ends at the quote that the voice's settings or the line's end follow.
        return re.findall(r"SPEECH OUTPUT: '(.*?)'(?=[{\s]|$)", handle.read(), re.MULTILINE)


def start_reader(bus, folder):
    """speech-dispatcher with the dummy voice, then Orca, both in the bus's process groups (ended
    and checked gone with it); returns Orca's debug file once Orca has spoken its greeting."""
    env = dict(bus.env, HOME=folder, XDG_CONFIG_HOME=os.path.join(folder, "config"),
               XDG_DATA_HOME=os.path.join(folder, "data"), XDG_RUNTIME_DIR=os.path.join(folder, "run"),
               LANG="fr_FR.UTF-8", LC_ALL="fr_FR.UTF-8")
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    conf = os.path.join(folder, "speechd")
    os.makedirs(os.path.join(conf, "logs"))
    with open(os.path.join(conf, "speechd.conf"), "w") as handle:
        handle.write(SPEECHD_CONF.format(logs=os.path.join(conf, "logs")))
    socket = os.path.join(env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
    for command in (["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", conf,
                     "--socket-path", socket],
                    ["orca", "--replace", "--user-prefs", os.path.join(folder, "orca"),
                     "--debug-file", os.path.join(folder, "orca-debug.out")]):
        bus.groups.append(subprocess.Popen(command, env=env, start_new_session=True,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        if command[0] == "speech-dispatcher":
            wait_until(lambda: os.path.exists(socket), 30, "speech-dispatcher's socket")
    debug_file = os.path.join(folder, "orca-debug.out")
    wait_until(lambda: spoken(debug_file), 60, "Orca's greeting")
    return debug_file


def scenario(args):
    require("orca", "speech-dispatcher")
    if not os.path.exists(DUMMY_VOICE):
        raise Skip(f"speech-dispatcher has no {DUMMY_VOICE}")
    folder = tempfile.mkdtemp(prefix="vardo-orca-")
    try:
        with Display() as display:
            bus = AccessibilityBus(display)
            try:
                debug_file = start_reader(bus, folder)
                listen(args, display, bus, debug_file)
            finally:
                bus.close()
                wait_until(lambda: not bus.stray(), 10, "the reader and the bus to end")
                if os.path.exists(os.path.join(folder, "orca-debug.out")):
                    shutil.copy(os.path.join(folder, "orca-debug.out"), args.artifacts)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def listen(args, display, bus, debug_file):
    env = {"DBUS_SESSION_BUS_ADDRESS": bus.address, "QT_ACCESSIBILITY": "1",
           "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
    with Program(display, args.installed, extra_env=env) as program:
        program.start()
        program.focus()

        pokes = []

        def said(text):
            if any(line.startswith(text) for line in spoken(debug_file)):
                return True
            # Orca writes its debug file in 8 KiB blocks and never flushes it: a lone Shift, which
            # the program ignores and Orca logs at length, pushes what it said so far to the file.
            if time.monotonic() - (pokes[-1] if pokes else 0) > 0.5:
                pokes.append(time.monotonic())
                program.key("shift")
            return False
        # Keys pressed while Orca still takes in the window's activation are lost on it: the
        # window's title, then its first box, read first.
        wait_until(lambda: said(MAIN_TITLE), 30, f"Orca reading the window; it said {spoken(debug_file)}")
        wait_until(lambda: said(BOX_FIRST_READ), 30, f"Orca reading the first box; it said {spoken(debug_file)}")
        heard_in_order = expected_order()
        for text in heard_in_order[1:]:
            program.key("Tab")
            wait_until(lambda: said(text), 30, f"Orca saying {text!r}; it said {spoken(debug_file)[-6:]}")

        lines = spoken(debug_file)
        boxes = [line for line in lines if line.endswith(" texte.")]
        names = [line[:-len(" texte.")] for line in boxes]
        walked = names[names.index(BOX_FIRST_READ):]
        assert walked == heard_in_order, walked
        bare = [line for line in boxes if re.fullmatch(r"\d+ texte\.|.* : +texte\.", line)]
        assert not bare, f"boxes read by a caption or a group box's title: {bare}"
        program.close_with_alt_f4()


if __name__ == "__main__":
    test_main(scenario)
