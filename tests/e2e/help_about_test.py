#!/usr/bin/env python3
"""Help and About as a user opens them from the "Aide" menu, and "&Quitter" with the help window
still open: the program ends and the year is saved."""

import os

from harness import JANV_KMIN, Display, Program, read_store, test_main


def scenario(args):
    with Display() as display:
        with Program(display, args.installed) as program:
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
            values = read_store(program.store)
            assert values["JanvKMIn"] == "5000" and values["DebAnnee"] == "5000"


if __name__ == "__main__":
    test_main(scenario)
