#!/usr/bin/env python3
"""A January kept without the mouse, as a user who cannot point works: the header and four days
typed with Tab, a reading going back found by the check of the readings and mended through the
month's correction button, the year printed from the "&Fichier" menu to a private CUPS PDF queue,
the check opened again and read, everything by keys alone. Then what the user would look at: the
stored year, the printed pages and a picture of the screen."""

import os
import re
import subprocess

from harness import Display, Program, read_store, run, test_main, wait_until
from print_test import CupsServer, print_through_dialog
from year_test import box_text

CHECK = "Contrôler les relevés"
# The morning of 3 January typed 10190 instead of 10210: below the evening before.
TYPED_DAYS = [("10010", "10100"), ("10130", "10200"), ("10190", "10260"), ("10300", "10420")]
GOING_BACK = ("3 janvier, matin : le compteur recule : le relevé (10190) est inférieur au relevé "
              "du 2 janvier au soir (10200)")
MENDED_MORNING = "10210"
PROTECTED = ("Le champ « 3 janvier, matin » est protégé : le bouton « Corriger » de la page "
             "« Janvier » l'ouvre à la saisie.")


def copied_text(program):
    """What Ctrl+C puts on the clipboard from the focused control, the clipboard emptied first."""
    # xclip stays behind to serve the emptied clipboard until Ctrl+C takes it over
    subprocess.run(["xclip", "-selection", "clipboard", "-i", "/dev/null"], env=program.env, timeout=10,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    program.key("ctrl+c")
    return wait_until(lambda: run(["xclip", "-selection", "clipboard", "-o"], env=program.env,
                                  check=False).stdout, 10, "the copied text on the clipboard")


def open_check(program):
    """"&Outils" then "&Contrôler les relevés...": the list of findings has the focus."""
    program.key("alt+o", "c")
    dialog = program.wait_window(CHECK, 20)
    program.focus(dialog)
    return dialog


def type_header_and_days(program):
    # The program opens on January's initial reading; the header boxes come before the page.
    program.key(*["shift+Tab"] * 5)
    for text in ("2026", "Clio", "2021", "4"):
        program.type(text)  # a box reached by Tab has its whole text selected
        program.key("Tab")
    program.key("Tab")  # from the tab bar into the page: January's initial reading
    program.type("10000")
    program.key("Tab")
    for morning, evening in TYPED_DAYS:
        for reading in (morning, evening):
            program.type(reading)
            program.key("Tab")


def mend_going_back(program, artifacts):
    """The check names the reading; Entrée on its line goes there, "&Corriger" opens it."""
    dialog = open_check(program)
    program.screenshot(os.path.join(artifacts, "check-going-back.png"), window=dialog)
    assert copied_text(program) == GOING_BACK
    program.key("Return")
    program.wait_no_window(CHECK, 20)
    assert box_text(program.message_box_text("Information")) == PROTECTED, "the way to open the box"
    program.key("Return")
    program.wait_no_window("Information", 20)
    program.focus()
    program.key("alt+c", "ctrl+a")
    program.type(MENDED_MORNING)
    program.key("Tab", "Tab")  # the evening left again: the day counted afresh
    program.key("alt+p")


def print_year(program, cups, artifacts):
    """"&Fichier" then "&Imprimer le bilan annuel", the print dialog accepted with Entrée."""
    return print_through_dialog(program, cups, ["alt+f", "i"], "Vardo - Bilan annuel 2026",
                                os.path.join(artifacts, "bilan-annuel.pdf"))


def printed_lines(pdf):
    text = run(["pdftotext", "-layout", "-enc", "UTF-8", pdf, "-"]).stdout
    return [re.sub(r"\s", "", line) for line in text.splitlines() if line.strip()]


def january_block():
    lines = ["KILOMETRAGE DE : JANVIER 2026"]
    days = dict(enumerate(TYPED_DAYS, start=1))
    days[3] = (MENDED_MORNING, days[3][1])
    for day in range(1, 32):
        morning, evening = days.get(day, ("0", "0"))
        lines.append(f"{day:02} | Matin : {morning} Km | Soir : {evening} Km")
    lines += ["Kilométrage initial : 10000 Km", "Kilométrage final : 10420 Km",
              "Kilométarge total : 420 Km", "Kilométrage professionnel : 330 Km",
              "Kilométrage personnel : 90 Km"]
    return [re.sub(r"\s", "", line) for line in lines]


def check_printed(pdf):
    printed = printed_lines(pdf)
    assert re.sub(r"\s", "", "Véhicule : Clio Année : 2021 Chevaux : 4") in printed, printed[:5]
    block = january_block()
    start = printed.index(block[0])
    assert printed[start:start + len(block)] == block, "\n".join(printed[start:start + len(block)])
    assert "COEFFICIENTPROFESSIONNEL:0,785714285714286" in printed, printed[-12:]


def check_store(program):
    values = read_store(program.store)
    expected = {
        "aledComptabilite": "2026", "aledVehicule": "Clio", "aledAnnee": "2021", "aledChevaux": "4",
        "JanvKMIn": "10000", "JanvKMFin": "10420", "JanvKMTot": "420", "JanvKMPro": "330",
        "JanvKMPerso": "90", "JanvCoPro": "0,785714285714286", "JanvCoPerso": "0,214285714285714",
        "JanvM03": MENDED_MORNING, "JanvM05": "0", "TotPro": "330", "TotPerso": "90",
        "CoefPro": "0,785714285714286",
    }
    for day, (morning, evening) in enumerate(TYPED_DAYS, start=1):
        if day != 3:
            expected[f"JanvM{day:02}"] = morning
        expected[f"JanvS{day:02}"] = evening
    for name, text in expected.items():
        assert values.get(name) == text, f"{name}: stored {values.get(name)!r}, expected {text!r}"


def scenario(args):
    with CupsServer() as cups, Display() as display:
        with Program(display, args.installed, extra_env={"CUPS_SERVER": cups.env["CUPS_SERVER"]}) as program:
            program.start()
            program.focus()
            type_header_and_days(program)
            mend_going_back(program, args.artifacts)
            check_printed(print_year(program, cups, args.artifacts))

            dialog = open_check(program)
            assert copied_text(program) == "Aucune anomalie."
            program.screenshot(os.path.join(args.artifacts, "check-clean.png"), window=dialog)
            program.key("Escape")
            program.wait_no_window(CHECK, 20)
            run(["import", "-window", "root", os.path.join(args.artifacts, "screen.png")], env=program.env)
            program.close_with_alt_f4()
            check_store(program)


if __name__ == "__main__":
    test_main(scenario)
