#!/usr/bin/env python3
"""The chart of the year and the real costs, as a user meets them on a stored year with empty
months (July, August, from November), a month of personal kilometres only (March): the chart
dialog opened from the "Outils" menu, pictured, its table tab reached with Alt+T, Échap closing
it; the costs typed into "Frais réels et barème", compared as they are typed and kept in the
options file. The command-line forms draw the same chart and print the same comparison."""

import os

from harness import Display, Program, test_main
from tools_test import Tool, command

MONTHS = ["Janv", "Fev", "Mars", "Avril", "Mai", "Juin", "Juil", "Aout", "Sept", "Oct", "Nov", "Dec"]
# (month, [(day, professional km, personal km), ...]); the months left out have no reading.
PLAN = [
    (0, [(2, 120, 15), (3, 95, 10), (6, 180, 25), (7, 60, 5), (20, 210, 30)]),
    (1, [(3, 150, 20), (4, 90, 40), (17, 300, 10)]),
    (2, [(8, 0, 150)]),
    (3, [(1, 250, 35), (14, 310, 20), (28, 120, 60)]),
    (4, [(5, 400, 50), (19, 220, 30)]),
    (5, [(2, 180, 90), (16, 260, 40)]),
    (8, [(1, 330, 120), (15, 280, 30)]),
    (9, [(6, 190, 25), (13, 240, 15), (27, 170, 45)]),
]
START = 20000


def coefficient(numerator, denominator):
    return ("%.15g" % (numerator / denominator)).replace(".", ",")


def planted_year():
    """The stored year as the ledger leaves it: readings, month balances, grid, annual figures."""
    values = {"aledComptabilite": "2025", "aledVehicule": "Peugeot 308", "aledAnnee": "2021",
              "aledChevaux": "5", "Janvier1": "1"}
    odometer = START
    totals = [0, 0]
    for month, days in PLAN:
        code = MONTHS[month]
        initial = odometer
        professional = personal = 0
        for day, pro, perso in days:
            morning = odometer + perso
            odometer = morning + pro
            values[f"{code}M{day:02d}"], values[f"{code}S{day:02d}"] = str(morning), str(odometer)
            professional, personal = professional + pro, personal + perso
        balance = {"KMIn": initial, "KMFin": odometer, "KMTot": odometer - initial,
                   "KMPro": professional, "KMPerso": personal}
        for suffix, value in balance.items():
            values[code + suffix] = str(value)
            values[("KMIni" if suffix == "KMIn" else suffix) + code] = str(value)
        values[code + "CoPro"] = coefficient(professional, odometer - initial)
        values[code + "CoPerso"] = coefficient(personal, odometer - initial)
        if month + 1 < 12 and all(m != month + 1 for m, _ in PLAN):
            values[MONTHS[month + 1] + "KMIn"] = str(odometer)  # handed on to an empty month
        totals = [totals[0] + professional, totals[1] + personal]
    total = odometer - START
    values.update({"DebAnnee": str(START), "FinAnnee": str(odometer), "TotAnnee": str(total),
                   "KmReporter": str(odometer), "TotPro": str(totals[0]), "TotPerso": str(totals[1]),
                   "CoefPro": coefficient(totals[0], total), "CoefPerso": coefficient(totals[1], total)})
    return values, totals


def plant(program):
    values, totals = planted_year()
    lines = ["[frmVardo]"] + [f"{key}={value}" for key, value in values.items()]
    with open(program.store, "wb") as handle:
        handle.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
    return totals


def scenario(args):
    with Display() as display:
        with Program(display, args.installed) as program:
            program.give_own_home()
            professional, personal = plant(program)
            program.start()

            tool = Tool(program, args.artifacts)
            chart = tool.open("g", "Graphique de l'année", "chart.png")
            program.key("alt+t")
            program.screenshot_after_change(os.path.join(args.artifacts, "chart-table.png"), chart,
                                            window=tool.dialog)
            tool.close("Escape")

            costs = tool.open("f", "Frais réels et barème", "costs-empty.png")
            program.type("4500")
            program.screenshot_after_change(os.path.join(args.artifacts, "costs.png"), costs,
                                            window=tool.dialog)
            tool.close("Escape")
            program.close_with_alt_f4()

            with open(program.path("VardoM.ini"), "rb") as handle:
                options = handle.read()
            assert b"\r\nFraisReels=4500,00\r\n" in options, options

            image = os.path.join(args.artifacts, "command-line-chart.svg")
            assert command(program, "--graphique", image) == (0, "", "")
            with open(image, encoding="utf-8") as handle:
                svg = handle.read()
            assert ">Année comptable 2025 - Peugeot 308<" in svg, "the title in the SVG"
            code, out, err = command(program, "--bareme", "--frais", "4 500")
            share = round(450000 * professional / (professional + personal)) / 100
            assert code == 0, out + err
            assert f"Part professionnelle des frais : {share:,.2f} €".replace(",", " ").replace(".", ",") \
                in out.replace("\u202f", " "), out
            with open(os.path.join(args.artifacts, "frais.txt"), "w", encoding="utf-8") as handle:
                handle.write(out)


if __name__ == "__main__":
    test_main(scenario)
