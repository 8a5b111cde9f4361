#!/usr/bin/env python3
"""The accountant's CSV as the accountant meets it: exported from the "Outils" menu, then opened
by LibreOffice Calc with the French CSV filter, formulas evaluated. In the sheet: no cell holds a
formula (the vehicle is named "=1+1"), the vehicle's name reads as typed, dates are dates,
kilometres are numbers, a 29 February of a common year is nowhere, and the sums of the day
table's columns equal the "Bilan" page the program stored."""

import os
import shutil
import subprocess
import tempfile
import xml.etree.ElementTree as ElementTree

from harness import Display, Program, Skip, read_store, test_main, wait_until

YEAR = 2025
MONTHS = ["Janv", "Fev", "Mars", "Avril", "Mai", "Juin", "Juil", "Aout", "Sept", "Oct", "Nov", "Dec"]
DAYS_IN_2025 = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
# Typed readings: (month index, day) -> (morning, evening).
DAYS = {
    (0, 2): (10010, 10100), (0, 3): (10130, 10250), (0, 31): (10260, 10300),
    (1, 3): (10320, 10420),
    (1, 29): (10500, 10900),  # a day 2025 does not have: stored, counted nowhere
    (2, 10): (10450, 10600), (2, 11): (10600, 10600),
    (11, 31): (10610, 10955),
}
TYPED_INITIAL = {0: 10000, 11: 10600}  # January's, and December's after empty months
HEADER = {"aledComptabilite": str(YEAR), "aledVehicule": "=1+1", "aledAnnee": "@2019",
          "aledChevaux": "5"}

OFFICE = "urn:oasis:names:tc:opendocument:xmlns:office:1.0"
TABLE = "urn:oasis:names:tc:opendocument:xmlns:table:1.0"
# Separator ";", quote '"', UTF-8, from line 1, standard columns, French, quoted fields not forced
# to text, special numbers detected, then "evaluate formulas" on: the setting that would run one.
FRENCH_CSV = "CSV:59,34,76,1,,1036,false,true,false,false,false,-1,true"


def coefficient(numerator, denominator):
    return "0" if denominator == 0 else f"{numerator / denominator:.15g}".replace(".", ",")


def planted_year():
    """The typed fields, and the figures the ledger derives from them, as a stored year."""
    values = dict(HEADER)
    for (month, day), (morning, evening) in DAYS.items():
        values[f"{MONTHS[month]}M{day:02d}"] = str(morning)
        values[f"{MONTHS[month]}S{day:02d}"] = str(evening)
    handed = None
    professional_sum = personal_sum = 0
    final_of_year = None
    for month, code in enumerate(MONTHS):
        initial = TYPED_INITIAL.get(month, handed)
        days = sorted(day for (m, day) in DAYS if m == month and day <= DAYS_IN_2025[month])
        handed = None
        if initial is not None:
            values[f"{code}KMIn"] = str(initial)
        if not days:
            continue
        previous, professional, personal = initial, 0, 0
        for day in days:
            morning, evening = DAYS[(month, day)]
            professional += evening - morning
            personal += morning - previous
            previous = evening
        total = previous - initial
        values.update({f"{code}KMFin": str(previous), f"{code}KMTot": str(total),
                       f"{code}KMPro": str(professional), f"{code}KMPerso": str(personal),
                       f"{code}CoPro": coefficient(professional, total),
                       f"{code}CoPerso": coefficient(personal, total)})
        professional_sum += professional
        personal_sum += personal
        handed = final_of_year = previous
    start = TYPED_INITIAL[0]
    total = final_of_year - start
    values.update({"DebAnnee": str(start), "FinAnnee": str(final_of_year), "TotAnnee": str(total),
                   "KmReporter": str(final_of_year), "TotPro": str(professional_sum),
                   "TotPerso": str(personal_sum),
                   "CoefPro": coefficient(professional_sum, total),
                   "CoefPerso": coefficient(personal_sum, total), "Janvier1": "1"})
    return values


def plant(program):
    lines = ["[frmVardo]"] + [f"{key}={value}" for key, value in planted_year().items()]
    with open(program.store, "wb") as handle:
        handle.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))


def export_from_the_menu(program, home):
    """Outils > Exporter pour le comptable..., the suggested name accepted with Return."""
    program.focus()
    program.key("alt+o", "x")
    dialog = program.wait_window("Exporter pour le comptable")
    program.focus(dialog)
    program.key("Return")
    exported = os.path.join(home, f"vardo_{YEAR}.csv")
    wait_until(lambda: os.path.exists(exported), 10, "the exported file")
    return exported


def open_in_calc(csv_path, artifacts):
    """The sheet Calc makes of the file, saved as flat XML; one dict per cell, row by row."""
    soffice = shutil.which("soffice")
    if soffice is None:
        raise Skip("LibreOffice Calc (libreoffice-calc-nogui) is not installed")
    profile = tempfile.mkdtemp(prefix="vardo-calc-")
    out = os.path.join(profile, "out")
    env = {"PATH": "/usr/bin:/bin", "HOME": profile, "LANG": "fr_FR.UTF-8"}
    result = subprocess.run([soffice, f"-env:UserInstallation=file://{profile}/user", "--headless",
                             "--norestore", f"--infilter={FRENCH_CSV}", "--convert-to", "fods",
                             "--outdir", out, csv_path], env=env, timeout=150,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    sheet = os.path.join(out, os.path.splitext(os.path.basename(csv_path))[0] + ".fods")
    assert result.returncode == 0 and os.path.exists(sheet), result.stdout
    shutil.copy(sheet, os.path.join(artifacts, "calc.fods"))
    shutil.rmtree(profile, ignore_errors=True)
    return read_sheet(os.path.join(artifacts, "calc.fods"))


def read_sheet(path):
    rows = []
    table = ElementTree.parse(path).getroot().find(f".//{{{TABLE}}}table")
    for row in table.iter(f"{{{TABLE}}}table-row"):
        cells = []
        for cell in row.iter(f"{{{TABLE}}}table-cell"):
            repeat = min(int(cell.get(f"{{{TABLE}}}number-columns-repeated", "1")), 8)
            cells += [{"type": cell.get(f"{{{OFFICE}}}value-type"),
                       "value": cell.get(f"{{{OFFICE}}}value"),
                       "date": cell.get(f"{{{OFFICE}}}date-value"),
                       "formula": cell.get(f"{{{TABLE}}}formula"),
                       "text": "".join(cell.itertext()).strip()}] * repeat
        repeat = min(int(row.get(f"{{{TABLE}}}number-rows-repeated", "1")), 4)
        rows += [cells] * repeat
    return rows


def first_cell_row(rows, text):
    return next(index for index, row in enumerate(rows) if row and row[0]["text"] == text)


def numbers(rows, column):
    """What Calc's SUM over a whole column adds: the numeric cells of that column."""
    return [float(row[column]["value"]) for row in rows
            if len(row) > column and row[column]["type"] in ("float", "percentage")]


def check_sheet(rows, bilan):
    for row in rows:
        for cell in row:
            assert cell["formula"] is None, f"a formula in the sheet: {cell}"
    vehicle = rows[first_cell_row(rows, "Véhicule")][1]
    assert vehicle["type"] == "string" and vehicle["text"] == "'=1+1", vehicle
    vehicle_year = rows[first_cell_row(rows, "Année du véhicule")][1]
    assert vehicle_year["type"] == "string" and vehicle_year["text"] == "'@2019", vehicle_year

    # The day table: dates in column A, four numbers beside each, one row per counted day.
    heading = first_cell_row(rows, "Date")
    days = []
    for row in rows[heading + 1:]:
        if not row or row[0]["type"] is None:
            break
        days.append(row)
    counted = sorted((month, day) for (month, day) in DAYS if day <= DAYS_IN_2025[month])
    assert len(days) == len(counted), [row[0] for row in days]
    for row, (month, day) in zip(days, counted):
        assert row[0]["type"] == "date", row[0]
        assert row[0]["date"] == f"{YEAR}-{month + 1:02d}-{day:02d}", row[0]
        morning, evening = DAYS[(month, day)]
        assert [cell["type"] for cell in row[1:5]] == ["float"] * 4, row
        assert float(row[1]["value"]) == morning and float(row[2]["value"]) == evening, row
        assert float(row[3]["value"]) == evening - morning, row
    assert not any("29/02" in cell["text"] or (cell["date"] or "").endswith("-02-29")
                   for row in rows for cell in row), "a day 2025 does not have"

    # The month table: twelve rows of numbers in columns of their own.
    months = first_cell_row(rows, "Mois")
    for row in rows[months + 1:months + 13]:
        assert [cell["type"] for cell in row[1:3]] == ["float", "float"], row

    # What a SUM over each day column gives is the year on the "Bilan" page.
    assert sum(numbers(rows, 3)) == int(bilan["TotPro"]), (numbers(rows, 3), bilan["TotPro"])
    assert sum(numbers(rows, 4)) == int(bilan["TotPerso"]), (numbers(rows, 4), bilan["TotPerso"])
    annual = rows[first_cell_row(rows, "Km professionnels")][1]
    assert annual["type"] == "float" and float(annual["value"]) == int(bilan["TotPro"]), annual
    coefficient_cell = rows[first_cell_row(rows, "Coefficient professionnel")][1]
    assert coefficient_cell["type"] == "percentage", coefficient_cell
    expected = round(float(bilan["CoefPro"].replace(",", ".")), 4)
    assert abs(float(coefficient_cell["value"]) - expected) < 1e-9, (coefficient_cell, expected)


def scenario(args):
    if shutil.which("soffice") is None:
        raise Skip("LibreOffice Calc (libreoffice-calc-nogui) is not installed")
    with Display() as display:
        with Program(display, args.installed) as program:
            home = program.give_own_home()
            plant(program)
            program.start()
            exported = export_from_the_menu(program, home)
            shutil.copy(exported, os.path.join(args.artifacts, f"vardo_{YEAR}.csv"))
            program.close_with_alt_f4()
            bilan = read_store(program.store)
            assert bilan["FevS29"] == "10900", "the reading of 29 February stays stored"
            assert (bilan["TotPro"], bilan["TotPerso"]) == ("845", "110"), bilan["TotPro"]
            check_sheet(open_in_calc(exported, args.artifacts), bilan)


if __name__ == "__main__":
    test_main(scenario)
