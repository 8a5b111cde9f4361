#!/usr/bin/env python3
"""A new year started from the "Bilan" page of a logged year, once the question is answered
"Oui" ("Non" first, the default, changes nothing): the program closed and started again finds
every field at "0", and the replaced year waits in its archive beside the program."""

import filecmp
import os
import shutil

from harness import JANV_KMIN, VEHICULE, Display, Program, read_store, test_main

def not_zero(values):
    return {name: text for name, text in values.items() if text != "0"}


def scenario(args):
    with Display() as display:
        with Program(display, args.installed) as program:
            program.start()
            program.focus()
            first_page = os.path.join(args.artifacts, "first-start.png")
            program.screenshot(first_page)
            program.click(*VEHICULE)
            program.type("Kangoo")
            program.type_over(JANV_KMIN, "30000", 1)
            program.key("Tab")
            for text in ("30040", "30100"):
                program.type(text)
                program.key("Tab")
            program.key("alt+e", "b")
            bilan = os.path.join(args.artifacts, "bilan-before-new-year.png")
            program.screenshot_after_change(bilan, first_page)
            # Alt+F then Entrée only asks; "Non" is the default answer.
            program.key("alt+f", "Return")
            question = program.message_box_text("Vardo 1.0")
            assert "Commencer une nouvelle année ?" in question, question
            assert os.path.join(program.folder, "VARDO_") in question, question
            program.key("Return")
            program.wait_no_window("Vardo 1.0")
            assert not [name for name in os.listdir(program.folder) if name.startswith("VARDO_")]
            program.key("alt+f", "c")
            program.focus(program.wait_window("Vardo 1.0"))
            program.key("alt+o")
            program.wait_no_window("Vardo 1.0")
            program.screenshot_after_change(os.path.join(args.artifacts, "new-year.png"), bilan)
            program.close_with_alt_f4()

            assert not_zero(read_store(program.store)) == {"Janvier1": "1"}
            archives = [name for name in os.listdir(program.folder)
                        if name.startswith("VARDO_") and not name.endswith(".journal")]
            assert len(archives) == 1, archives
            # The journal is put aside with its year, and the new one goes on from it.
            assert os.path.exists(program.path(archives[0][:-len(".INI")] + ".journal")), archives
            archived = read_store(program.path(archives[0]))
            assert archived["JanvKMIn"] == "30000" and archived["JanvS01"] == "30100"
            assert archived["aledVehicule"] == "Kangoo" and archived["TotPro"] == "60"
            first_store = os.path.join(args.artifacts, "new-year-store.ini")
            shutil.copy(program.store, first_store)

            program.start()
            program.focus()
            program.screenshot(os.path.join(args.artifacts, "new-year-restarted.png"))
            program.close_with_alt_f4()
            assert filecmp.cmp(program.store, first_store, shallow=False)
            assert not_zero(read_store(program.store)) == {"Janvier1": "1"}


if __name__ == "__main__":
    test_main(scenario)
