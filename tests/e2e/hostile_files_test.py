#!/usr/bin/env python3
"""Names of the program's files taken by hostile things: links to a device, to /dev/zero or to a
folder, FIFOs, a huge sparse file, a store whose keys are chosen to collide in an unkeyed index, a
year text that climbs out of the folder, a link in place of the probe's file. For each, the
installed program starts and ends within a bounded time with the expected French messages, writes
nothing outside its folder, and leaves what a link leads to as it was when that is not a regular
file. Links to regular files are followed."""

import os
import shutil
import stat
import subprocess
import tempfile
import time
from dataclasses import dataclass
from functools import partial

from harness import MAIN_TITLE, Display, Program, read_store, test_main

START_LIMIT = 20  # seconds from launch to the main window, error boxes answered included
BOX = "Vardo 1.0"


def describe(path):
    """What a path leads to: its kind, size and device, to see that it was left as it was."""
    try:
        info = os.stat(path)
    except FileNotFoundError:
        return "missing"
    return (stat.S_IFMT(info.st_mode), info.st_size, info.st_rdev)


def listing(folder):
    return {os.path.join(root, name): describe(os.path.join(root, name))
            for root, dirs, files in os.walk(folder) for name in dirs + files}


def colliding_store(count_stages=17):
    """A store of 2^17 keys (12 MB) whose names all reach one FNV-1a state in its low 24 bits,
    those that choose a slot in an unkeyed index: two 5-letter blocks with the same effect at each
    stage, found by the birthday search."""
    import random
    rng = random.Random(5)
    letters = "abcdefghijklmnopqrstuvwxyz0123456789"

    def step(state, text):
        for char in text.encode():
            state = ((state ^ char) * 0x1B3) & 0xFFFFFF
        return state
    state, pairs = 0x222325, []
    while len(pairs) < count_stages:
        seen = {}
        while True:
            block = "".join(rng.choice(letters) for _ in range(5))
            after = step(state, block)
            if after in seen and seen[after] != block:
                pairs.append((seen[after], block))
                state = after
                break
            seen[after] = block
    lines = [b"[frmVardo]"]
    for choice in range(1 << count_stages):
        name = "".join(pair[(choice >> i) & 1] for i, pair in enumerate(pairs))
        lines.append(name.encode() + b"=1")
    lines.append(b"JanvM01=4242")
    return b"\r\n".join(lines) + b"\r\n"


@dataclass
class Case:
    name: str
    prepare: object
    start_messages: list = ()
    close_messages: list = ()
    during: object = None
    check: object = None
    changes_outside: tuple = ()


def answer_box(program, expected):
    text = program.message_box_text(BOX)
    assert expected in text, f"expected {expected!r} in the box, got {text!r}"
    program.key("Return")
    program.wait_no_window(BOX)


def run_case(display, installed, case):
    outside = tempfile.mkdtemp(prefix="vardo-outside-")
    try:
        with Program(display, installed) as program:
            try:
                case.prepare(program, outside)
            except CannotMake as reason:
                print(f"{case.name}: SKIPPED, {reason}")
                return
            # What the names lead to that is not a regular file must stay as it is.
            watched = {name: kind for name in os.listdir(program.folder)
                       if (kind := describe(program.path(name))) != "missing" and not stat.S_ISREG(kind[0])}
            outside_before = listing(outside)
            launched = time.monotonic()
            program.process = subprocess.Popen([program.path("vardo")], env=program.env, cwd="/",
                                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
            for message in case.start_messages:
                answer_box(program, message.format(folder=program.folder, outside=outside))
            program.window = program.wait_window(MAIN_TITLE, START_LIMIT)
            started = time.monotonic() - launched
            assert started < START_LIMIT, f"{case.name}: the window took {started:.1f} s"
            if case.during:
                case.during(program, outside)
            program.press_alt_f4()
            for message in case.close_messages:
                answer_box(program, message.format(folder=program.folder, outside=outside))
            program.wait_exit(15)
            ended = time.monotonic() - launched
            for name, before in watched.items():
                assert describe(program.path(name)) == before, f"{case.name}: {name} changed"
            after = listing(outside)
            for path in set(after) | set(outside_before):
                if os.path.basename(path) not in case.changes_outside:
                    assert after.get(path) == outside_before.get(path), f"{case.name}: {path} written"
            if case.check:
                case.check(program, outside)
            print(f"{case.name}: window after {started:.1f} s, ended after {ended:.1f} s")
    finally:
        shutil.rmtree(outside, ignore_errors=True)


def link(target):
    return lambda program, outside, name: os.symlink(target(outside), program.path(name))


def fifo(program, outside, name):
    os.mkfifo(program.path(name))


def sparse_gigabyte(program, outside, name):
    with open(program.path(name), "wb") as handle:
        handle.write(b"[frmVardo]\r\n")
        handle.truncate(1 << 30)


class CannotMake(Exception):
    """This machine cannot make the hostile thing: that case is reported skipped."""


def device_node(outside, name, minor):
    """A device node of the test's own (the same device as /dev/null or /dev/zero), so that a
    fault writing through the link would replace this node, never the system's."""
    node = os.path.join(outside, name)
    try:
        os.mknod(node, 0o666 | stat.S_IFCHR, os.makedev(1, minor))
    except PermissionError:
        raise CannotMake("device nodes need root")
    return node


def to_folder(outside):
    os.makedirs(os.path.join(outside, "folder"), exist_ok=True)
    return os.path.join(outside, "folder")


def to_regular(outside):
    path = os.path.join(outside, "year.ini")
    with open(path, "wb") as handle:
        handle.write(b"[frmVardo]\r\nJanvM01=12500\r\n")
    return path


def at(name, make):
    return lambda program, outside: make(program, outside, name)


def store_open(reason):
    return 'Impossible d\'ouvrir le fichier "{folder}/VARDO.INI". ' + reason


def copy_open(reason):
    return 'Impossible d\'ouvrir le fichier "{folder}/Vardo". ' + reason


def with_source(make):
    def prepare(program, outside):
        with open(program.path("Vardo"), "wb") as handle:
            handle.write(b"line\r\n")
        make(program, outside)
    return prepare


def no_copy_made(program, outside):
    assert not os.path.exists(program.path("Vardo.vrd")), "a copy was made"


def linked_store_followed(program, outside):
    assert os.path.islink(program.store)
    assert read_store(os.path.join(outside, "year.ini"))["JanvM01"] == "12500"


def crafted_year(program, outside):
    os.makedirs(program.path("vardo_1"))
    climb = "1/../../" + os.path.basename(outside) + "/owned"
    with open(program.store, "wb") as handle:
        handle.write(b"[frmVardo]\r\naledComptabilite=" + climb.encode() + b"\r\n")


def save_and_new_year(program, outside):
    climb = "1/../../" + os.path.basename(outside) + "/owned"
    for keys in (("alt+f", "s"), ("alt+f", "c")):
        program.focus()
        program.key(*keys)
        answer_box(program, f"'{climb}' n'est pas une valeur entière correcte.")


def nothing_saved_by_the_year(program, outside):
    assert not any(name.endswith(".txt") or name.startswith("VARDO_") for name in os.listdir(program.folder))


def probe_link(program, outside):
    victim = os.path.join(outside, "victim")
    with open(victim, "w") as handle:
        handle.write("precious\n")
    os.symlink(victim, program.path("$_Temp_$.$$$"))


def victim_intact(program, outside):
    with open(os.path.join(outside, "victim")) as handle:
        assert handle.read() == "precious\n"
    assert os.path.islink(program.path("$_Temp_$.$$$"))


def colliding(program, outside):
    with open(program.store, "wb") as handle:
        handle.write(colliding_store())


def colliding_loaded(program, outside):
    assert read_store(program.store, keys=None)["JanvM01"] == "4242"


to_device = partial(device_node, name="null", minor=3)
to_zero = partial(device_node, name="zero", minor=5)


ACCESS = "Accès refusé"
# A store that could not be read is left alone: the session's year goes to a recovery file, named
# in a box at the close.
RECOVERED = ["n'a pas pu être lu : l'année de cette session est enregistrée dans"]
CASES = [
    Case("store linked to a regular file", at("VARDO.INI", link(to_regular)),
         check=linked_store_followed, changes_outside=("year.ini",)),
    Case("store linked to a device", at("VARDO.INI", link(to_device)), [store_open(ACCESS)], RECOVERED),
    Case("store linked to a folder", at("VARDO.INI", link(to_folder)), [store_open(ACCESS)], RECOVERED),
    Case("store linked to /dev/zero", at("VARDO.INI", link(to_zero)), [store_open(ACCESS)], RECOVERED),
    Case("store as a FIFO", at("VARDO.INI", fifo), [store_open(ACCESS)], RECOVERED),
    Case("store of 1 GB", at("VARDO.INI", sparse_gigabyte),
         [store_open("Le fichier est trop volumineux")], RECOVERED),
    Case("options as a FIFO", at("VardoM.ini", fifo),
         close_messages=["Impossible d'écrire dans {folder}/VardoM.ini"]),
    Case("options linked to a device", at("VardoM.ini", link(to_device)),
         close_messages=["Impossible d'écrire dans {folder}/VardoM.ini"]),
    Case("copy source as a FIFO", at("Vardo", fifo), [copy_open(ACCESS)]),
    Case("copy source linked to /dev/zero", at("Vardo", link(to_zero)), [copy_open(ACCESS)]),
    Case("copy source of 1 GB", at("Vardo", sparse_gigabyte),
         [copy_open("Le fichier est trop volumineux")],
         check=no_copy_made),
    Case("copy target linked to a device", with_source(at("Vardo.vrd", link(to_device))),
         ['Impossible de créer le fichier "{folder}/Vardo.vrd". ' + ACCESS]),
    Case("copy target linked to a folder", with_source(at("Vardo.vrd", link(to_folder))),
         ['Impossible de créer le fichier "{folder}/Vardo.vrd". ' + ACCESS]),
    Case("store of 131 072 colliding keys", colliding, check=colliding_loaded),
    Case("year text climbing out of the folder", crafted_year, during=save_and_new_year,
         check=nothing_saved_by_the_year),
    Case("probe's file name as a link", probe_link, check=victim_intact),
]


def scenario(args):
    with Display() as display:
        for case in CASES:
            run_case(display, args.installed, case)


if __name__ == "__main__":
    test_main(scenario)
