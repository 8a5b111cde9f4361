#!/usr/bin/env python3
"""The "Outils" menu as a user meets it, on a stored year with a planted odometer going back:
the check lists it and Return takes the user to the field, the readings mended; the export for the
accountant, chosen while an evening field still has the focus; the check clean again; the
allowance dialog with its electric check box, kept in the options file. The command-line forms,
run with no display, say the same."""

import os
import shutil
import subprocess

from harness import Display, Program, read_store, test_main, wait_until

PLANTED = {
    "aledComptabilite": "2025", "aledVehicule": 'Clio; "société"', "aledAnnee": "2020",
    "aledChevaux": "5",
    "JanvKMIn": "10000", "JanvKMFin": "10300", "JanvKMTot": "300", "JanvKMPro": "270",
    "JanvKMPerso": "30", "JanvCoPro": "0,9", "JanvCoPerso": "0,1",
    "JanvM01": "10010", "JanvS01": "10100", "JanvM02": "10130", "JanvS02": "10250",
    "JanvM03": "10240", "JanvS03": "10300",
    "FevKMIn": "10300", "FevKMFin": "10420", "FevKMTot": "120", "FevKMPro": "100",
    "FevKMPerso": "20", "FevCoPro": "0,833333333333333", "FevCoPerso": "0,166666666666667",
    "FevM01": "10320", "FevS01": "10420",
    "DebAnnee": "10000", "FinAnnee": "10420", "TotAnnee": "420", "KmReporter": "10420",
    "TotPro": "370", "TotPerso": "50", "CoefPro": "0,880952380952381",
    "CoefPerso": "0,119047619047619", "Janvier1": "1",
}
ANOMALY = ("3 janvier, matin : le compteur recule : le relevé (10240) est inférieur au relevé du "
           "2 janvier au soir (10250)\n")


CHECK, EXPORT, ALLOWANCE = "Contrôler les relevés", "Exporter pour le comptable", "Indemnités kilométriques"
JOURNAL = "Journal des saisies"


class Tool:
    """One dialog of the "Outils" menu at a time, chosen by its access key, pictured as it opens."""

    def __init__(self, program, artifacts):
        self.program, self.artifacts = program, artifacts
        self.dialog = self.title = None

    def open(self, key, title, picture):
        self.program.focus()
        self.program.key("alt+o", key)
        self.title, self.dialog = title, self.program.wait_window(title)
        shot = os.path.join(self.artifacts, picture)
        self.program.screenshot(shot, window=self.dialog)
        self.program.focus(self.dialog)
        return shot

    def close(self, key):
        self.program.key(key)
        self.program.wait_no_window(self.title)


def plant(program):
    lines = ["[frmVardo]"] + [f"{key}={value}" for key, value in PLANTED.items()]
    with open(program.store, "wb") as handle:
        handle.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))


def command(program, *arguments):
    """The program's command-line form, with no display and no toolkit platform at all."""
    env = {"PATH": "/usr/bin:/bin", "LANG": "fr_FR.UTF-8", "HOME": program.env["HOME"]}
    result = subprocess.run([program.path("vardo"), *arguments], env=env, timeout=20,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    return result.returncode, result.stdout, result.stderr


def read_csv(path):
    with open(path, "rb") as handle:
        raw = handle.read()
    assert raw.startswith(b"\xef\xbb\xbf") and raw.endswith(b"\r\n"), "UTF-8 with BOM, CRLF"
    import csv
    import io
    return list(csv.reader(io.StringIO(raw[3:].decode("utf-8"), newline=""), delimiter=";"))


def scenario(args):
    with Display() as display:
        with Program(display, args.installed) as program:
            home = program.give_own_home()
            plant(program)
            assert command(program, "--controle") == (1, ANOMALY, "")

            program.start()
            # The check lists the planted anomaly; Return takes the user to JanvM03.
            tool = Tool(program, args.artifacts)
            tool.open("c", CHECK, "check-anomaly.png")
            tool.close("Return")
            program.focus()
            program.type("10260")
            program.key("Tab")

            # Exported while the evening of 3 January still has the focus: its exit runs first.
            tool.open("x", EXPORT, "export-dialog.png")
            tool.close("Return")
            exported = os.path.join(home, "vardo_2025.csv")
            wait_until(lambda: os.path.exists(exported), 10, "the exported file")
            shutil.copy(exported, os.path.join(args.artifacts, "vardo_2025.csv"))
            rows = read_csv(exported)
            assert rows[1] == ["Véhicule", 'Clio; "société"'], rows[1]
            assert rows[5] == ["Date", "Matin", "Soir", "Km professionnels", "Km personnels"]
            assert ["03/01/2025", "10260", "10300", "40", "10"] in rows, rows
            assert ["Janvier", "250", "50"] in rows, rows
            assert ["Février", "100", "20"] in rows, rows
            assert ["Km professionnels", "350"] in rows and ["Km personnels", "70"] in rows, rows
            assert ["Coefficient professionnel", "83,33 %"] in rows, rows
            assert rows[-3] == ["Indemnités kilométriques (€)", "222,60"], rows[-3]
            # Last, the journal's fingerprint: the journal on disk still passes through it.
            witness = rows[-1]
            assert witness[0] == "Empreinte du journal" and len(witness[1]) == 64, witness
            # One typed reading: one entry, or a few when a save fell between its keys.
            assert witness[2].endswith((" saisie", " saisies")) and witness[2] != "0 saisie", witness
            code, out, err = command(program, "--verifier", "--empreinte", witness[1])
            assert code == 0 and out.startswith("Journal intègre : "), out + err
            assert ("L'empreinte remise est celle de la ligne" in out), out

            # The journal's list, pictured: the verdict on top, the typed reading in it.
            tool.open("j", JOURNAL, "journal.png")
            tool.close("Escape")

            tool.open("c", CHECK, "check-clean.png")
            tool.close("Escape")

            shot = tool.open("i", ALLOWANCE, "allowance.png")
            program.key("space")
            program.screenshot_after_change(os.path.join(args.artifacts, "allowance-electric.png"),
                                            shot, window=tool.dialog)
            tool.close("Escape")
            program.close_with_alt_f4()

            values = read_store(program.store)
            assert values["JanvM03"] == "10260" and values["JanvKMPro"] == "250", values["JanvKMPro"]
            with open(program.path("VardoM.ini"), "rb") as handle:
                options = handle.read()
            assert options.startswith(b"[Outils]\r\n") and b"\r\nVehiculeElectrique=1\r\n" in options, options
            assert b"[Default]\r\nMois=1000000000000\r\n" in options, options

            assert command(program, "--controle") == (0, "Aucune anomalie.\n", "")
            code, out, err = command(program, "--verifier")
            assert code == 0 and out.endswith("l'année enregistrée est celle du journal.\n"), out + err
            code, out, err = command(program, "--bareme")
            assert code == 0 and "Formule : 350 × 0,636 × 1,2 = 267,12 €\n" in out, out + err
            with open(os.path.join(args.artifacts, "bareme.txt"), "w") as handle:
                handle.write(out)


if __name__ == "__main__":
    test_main(scenario)
