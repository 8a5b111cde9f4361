#!/usr/bin/env python3
"""A user's January, typed in a real window: the header, the initial reading, a week of readings,
an emptied evening and its error box, the last day handing on to February, a correction. Then
February: a first day without movement (no error box), a personal-only last day and an undriven
month end that still hands on to March. The "Bilan" page through the menu, the annual text saved,
Alt+F4. Then what the user would check: the stored year, the page and every figure back after a
restart, the annual text (518 lines: 2025 has no 29 February), a picture of each page."""

import filecmp
import os
import shutil

from harness import (COMPTABILITE, JANV_KMIN, Display, Program, Skip, locale_available,
                     read_lines, read_store, test_main)

COMPTABILITE_BOX = (90, 38, 134, 66)
JANV_M02 = (80, 190)
JANV_M31 = (352, 406)
FEV_M26 = (352, 286)

WEEK = [(10010, 10100), (10130, 10200), (10200, 10200), (10250, 10400),
        (10420, 10480), (10480, 10480), (10500, 10560)]

MONTHS = ["Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre",
          "Octobre", "Novembre", "Décembre"]


def box_text(clipboard):
    """The text of a copied message box: the part between its title and its button."""
    parts = [part.strip("\n") for part in clipboard.replace("\r", "\n").split("---------------------------")]
    return [part for part in parts if part][1]


def enter_january(program, expected_error):
    # The header first: once a day is counted, the header fields are locked like every figure.
    program.type_over(COMPTABILITE, "2025", 4)
    for text in ("Peugeot 308 AB-123-CD", "2019", "5"):
        program.key("Tab")
        program.type(text)
    program.type_over(JANV_KMIN, "10000", 1)
    program.key("Tab")
    for morning, evening in WEEK:
        program.type(str(morning))
        program.key("Tab")
        program.type(str(evening))
        program.key("Tab")

    # Day 8: the evening's "0" deleted, the field left empty.
    program.type("10600")
    program.key("Tab", "BackSpace", "Tab")
    assert box_text(program.message_box_text("Vardo 1.0")) == expected_error
    program.key("Return")
    program.wait_no_window("Vardo 1.0")
    program.focus()
    program.key("shift+Tab")  # back to the empty evening
    program.type("10650")
    program.key("Tab")

    # The last day of January hands its evening on to February.
    program.type_over(JANV_M31, "11900", 1)
    program.key("Tab")
    program.type("12000")
    program.key("Tab")

    # Correction: day 2's morning was 10140, then every evening left again, day after day.
    program.key("alt+c")
    program.type_over(JANV_M02, "10140", 5)
    program.key("Tab")
    program.xdo("key", "--clearmodifiers", "--delay", "20", "--repeat", str(2 * (31 - 2) + 1), "Tab")
    program.key("alt+p")


def enter_february(program):
    """Day 1 without movement, days 26 and 27 (personal kilometres only), the 28th not driven."""
    show_page(program, 1)  # the focus on day 1: the initial reading came from January
    for reading in ("12000", "12000"):
        program.type(reading)
        program.key("Tab")
    program.type_over(FEV_M26, "12100", 1)
    program.key("Tab")
    for reading in ("12200", "12250", "12250"):
        program.type(reading)
        program.key("Tab")
    # A month total of 0 has no coefficient yet: no error box came up on the way.
    assert program.find_window("Vardo 1.0") is None, "an error box for a day without movement"
    program.click(*COMPTABILITE)  # where the focus was left before the year was looked at


def expected_store(decimal):
    figures = {
        "aledComptabilite": "2025", "aledVehicule": "Peugeot 308 AB-123-CD", "aledAnnee": "2019",
        "aledChevaux": "5",
        "JanvKMIn": "10000", "JanvKMFin": "12000", "JanvKMTot": "2000", "JanvKMPro": "570",
        "JanvKMPerso": "1430", "JanvCoPro": f"0{decimal}285", "JanvCoPerso": f"0{decimal}715",
        "JanvM02": "10140", "JanvM08": "10600", "JanvS08": "10650", "JanvM31": "11900",
        "JanvS31": "12000", "FevKMIn": "12000", "FevKMFin": "12250", "FevKMTot": "250",
        "FevKMPro": "100", "FevKMPerso": "150", "FevCoPro": f"0{decimal}4",
        "FevCoPerso": f"0{decimal}6", "FevM01": "12000", "FevS01": "12000", "FevM26": "12100",
        "FevS26": "12200", "FevM27": "12250", "FevS27": "12250", "FevS28": "0",
        "MarsKMIn": "12250", "KMIniMars": "12250",
        "KMIniJanv": "10000", "KMFinJanv": "12000", "KMTotJanv": "2000", "KMProJanv": "570",
        "KMPersoJanv": "1430", "KMIniFev": "12000", "KMFinFev": "12250", "KMProFev": "100",
        "KMPersoFev": "150",
        "DebAnnee": "10000", "FinAnnee": "12250", "TotAnnee": "2250", "TotPro": "670",
        "TotPerso": "1580", "KmReporter": "12250", "CoefPro": f"0{decimal}297777777777778",
        "CoefPerso": f"0{decimal}702222222222222", "BilanAnnuel1": "1", "Janvier1": "0",
    }
    for day, (morning, evening) in enumerate(WEEK, start=1):
        if day != 2:
            figures[f"JanvM{day:02}"] = str(morning)
        figures[f"JanvS{day:02}"] = str(evening)
    return figures


def check_store(program, decimal):
    values = read_store(program.store)
    for name, text in expected_store(decimal).items():
        assert values.get(name) == text, f"{name}: stored {values.get(name)!r}, expected {text!r}"
    with open(program.path("VardoM.ini"), "rb") as options:
        assert options.read() == b"[Default]\r\nMois=0000000000001\r\n"


def check_annual_text(path, decimal):
    lines = read_lines(path)
    assert len(lines) == 518, f"{len(lines)} lines: 2025 has no 29 February"
    expected = {
        1: "KILOMETRAGE DE L'ANNEE : 2025",
        2: "Véhicule : Peugeot 308 AB-123-CD Année : 2019 Chevaux : 5",
        3: "KILOMETRAGE DE : JANVIER 2025",
        5: "02 | Matin : 10140 Km | Soir : 10200 Km",
        11: "08 | Matin : 10600 Km | Soir : 10650 Km",
        34: "31 | Matin : 11900 Km | Soir : 12000 Km",
        37: "Kilométrage initial  : 10000 Km",
        38: "Kilométrage final    : 12000 Km",
        39: "Kilométarge total    : 2000 Km",
        40: "Kilométrage professionnel  : 570 Km",
        41: "Kilométrage personnel      : 1430 Km",
        45: "KILOMETRAGE DE : FEVRIER 2025",
        500: "BILAN KILOMETRAGE ANNUEL  : 2025",
        503: "KILOMETRAGE DEBUT ANNEE   : 10000 Km",
        504: "KILOMETRAGE FIN ANNEE     : 12250 Km",
        505: "KILOMETRAGE A REPORTER    : 12250 Km",
        506: "KILOMETRAGE TOTAL ANNEE   : 2250 Km",
        507: "KILOMETRAGE PROFESSIONNEL : 670 Km",
        508: "KILOMETRAGE PERSONNEL     : 1580 Km",
        510: f"COEFFICIENT PROFESSIONNEL : 0{decimal}297777777777778",
        511: f"COEFFICIENT PERSONNEL     : 0{decimal}702222222222222",
    }
    for number, text in expected.items():
        assert lines[number - 1] == text, f"line {number}: {lines[number - 1]!r}, expected {text!r}"
    assert "Kilométrage initial  : 12000 Km" in lines[44:85], "February's initial reading"
    assert "Kilométrage final    : 12250 Km" in lines[44:85], "February's final reading"
    assert "Kilométrage initial  : 12250 Km" in lines[85:130], "March starts where February ended"


def show_page(program, page):
    """A page chosen through the "Edition" menu: months by arrow keys, "Bilan" by its access key."""
    if page == 12:
        program.key("alt+e", "b")
    else:
        program.key("alt+e", *["Down"] * page, "Return")


def scenario(args):
    if not locale_available(args.locale):
        raise Skip(f"the locale {args.locale} is not generated on this machine")
    decimal = "," if args.locale.startswith("fr_") else "."
    tag = args.locale.split(".")[0]
    expected_error = "'' n'est pas une valeur entière correcte."
    with Display() as display:
        # French settings in a folder like the user's own (~/.local/opt/vardo); the other locale
        # in a plain folder, where the year is kept in VARDO.INI.
        with Program(display, args.installed, locale=args.locale, dotted=decimal == ",") as program:
            program.start()
            program.focus()
            # Centred on the screen at first show, the window manager's frame included.
            x, y, width, height = program.frame_geometry()
            assert abs(x - (display.width - x - width)) <= 1 and abs(y - (display.height - y - height)) <= 1, \
                f"frame at {x},{y} size {width}x{height} is not centred"
            enter_january(program, expected_error)
            enter_february(program)
            show_page(program, 12)
            program.key("alt+f", "s")
            saved = program.path("vardo_2025.txt")
            message = box_text(program.message_box_text("Information"))
            assert message == f"Sauvegarde réalisée dans le répertoire de l'application :\n\n{saved} !", message
            program.key("Return")
            program.wait_no_window("Information")
            bilan_before = os.path.join(args.artifacts, f"{tag}-bilan-before-close.png")
            program.screenshot(bilan_before)
            program.close_with_alt_f4()

            check_store(program, decimal)
            check_annual_text(saved, decimal)
            first_store = os.path.join(args.artifacts, f"{tag}-{os.path.basename(program.store)}")
            shutil.copy(program.store, first_store)
            shutil.copy(saved, os.path.join(args.artifacts, f"{tag}-{os.path.basename(saved)}"))

            # Started again: the "Bilan" page as it was closed, with every figure.
            program.start()
            program.focus()
            bilan_after = os.path.join(args.artifacts, f"{tag}-bilan-after-restart.png")
            # Only the focus may differ: it was in the accounting year before the close.
            size = program.screenshot_matching(bilan_after, bilan_before, COMPTABILITE_BOX)
            if program.store.endswith("VARDO"):
                assert filecmp.cmp(program.path("Vardo.vrd"), first_store, shallow=False), \
                    "the start-up copy differs from the stored year"
            previous = bilan_after
            for page in range(13):
                show_page(program, page)
                name = MONTHS[page] if page < 12 else "Bilan"
                shot = os.path.join(args.artifacts, f"{tag}-page-{page + 1:02}-{name}.png")
                program.screenshot_after_change(shot, previous, size)
                previous = shot
            program.close_with_alt_f4()
            assert filecmp.cmp(program.store, first_store, shallow=False), \
                "the year stored after the restart differs from the one stored before"


if __name__ == "__main__":
    test_main(scenario)
