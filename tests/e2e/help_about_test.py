#!/usr/bin/env python3
"""Help and About as a user opens them from the "Aide" menu, and "&Quitter" with the help window
still open: the program ends and the year is saved."""

import os
import shutil

from harness import JANV_KMIN, Display, Program, read_ini, test_main


def scenario(args):
    with Display() as display:
        program = Program(display, args.installed)
        try:
            program.start()
            program.focus()
            program.type_over(JANV_KMIN, "5000", 1)
            program.key("Tab")

            program.key("alt+a", "r")
            help_window = program.wait_window("Aide de Vardo", 15)
            program.screenshot(os.path.join(args.artifacts, "help.png"), window=help_window)

            program.focus()
            program.key("alt+a", "p")
            about = program.wait_window("A propos de...", 10)
            program.screenshot(os.path.join(args.artifacts, "about.png"), window=about)
            program.focus(about)
            program.key("Return")
            program.wait_no_window("A propos de...")

            program.focus()
            program.key("alt+f", "q")
            program.wait_exit(15)
            program.wait_no_window("Aide de Vardo")
            values = {}
            for section in read_ini(program.store).values():
                values.update(section)
            assert values["JanvKMIn"] == "5000" and values["DebAnnee"] == "5000"
        finally:
            program.kill()
            shutil.rmtree(program.folder, ignore_errors=True)


if __name__ == "__main__":
    test_main(scenario)
