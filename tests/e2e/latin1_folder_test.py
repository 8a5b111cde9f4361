#!/usr/bin/env python3
"""A program folder whose name is not UTF-8 ("café" in Latin-1) is the program's folder: the
year typed there is stored there, and nothing is written at the root or in the working folder."""

import os
import shutil
import tempfile

from harness import JANV_KMIN, Display, Program, read_store, test_main


def scenario(args):
    scratch = tempfile.mkdtemp(prefix="vardo-latin1-")
    folder = os.fsdecode(os.path.join(os.fsencode(scratch), b"caf\xe9"))
    shutil.copytree(args.installed, folder)
    root_before = set(os.listdir("/"))
    try:
        with Display() as display, Program(display, None, folder=folder) as program:
            assert program.store.endswith("VARDO.INI")
            program.start()
            program.focus()
            program.type_over(JANV_KMIN, "4321", 1)
            program.key("Tab")
            program.close_with_alt_f4()
            assert read_store(program.store)["JanvKMIn"] == "4321"
            assert "VardoM.ini" in os.listdir(folder)
            assert set(os.listdir("/")) == root_before, set(os.listdir("/")) ^ root_before
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    test_main(scenario)
