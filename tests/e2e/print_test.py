#!/usr/bin/env python3
"""A month printed as a user prints it: "&Imprimer" on the January page, the print dialog
accepted with its default printer, a private CUPS server's PDF queue, the PDF of that job (by
its number and its name) read back."""

import os
import pwd
import re
import shutil
import subprocess
import tempfile
import time

from harness import COMPTABILITE, JANV_KMIN, Display, Program, Skip, require, run, test_main, wait_until

HERE = os.path.dirname(os.path.abspath(__file__))
CUPS_SCRIPT = os.path.join(HERE, "..", "..", "scripts", "cups-test-server.sh")


class CupsServer:
    """The private cupsd of scripts/cups-test-server.sh, its default queue a cups-pdf printer."""

    def __init__(self):
        require("pdftotext", "lpstat")
        self.folder = tempfile.mkdtemp(prefix="vardo-cups-")
        os.chmod(self.folder, 0o755)
        started = subprocess.run(["bash", CUPS_SCRIPT, "start", self.folder], capture_output=True,
                                 text=True, timeout=90)
        if started.returncode != 0:
            shutil.rmtree(self.folder, ignore_errors=True)
            raise Skip(f"the test CUPS server could not start: {started.stderr.strip()}")
        self.env = dict(os.environ, CUPS_SERVER=os.path.join(self.folder, "cups.sock"))

    def jobs(self, pending_only=False):
        """The numbers of the server's jobs, pending or done ("VardoPDF-12" is 12)."""
        command = ["lpstat", "-o"] if pending_only else ["lpstat", "-W", "all", "-o"]
        listed = run(command, env=self.env, check=False).stdout.split("\n")
        return {line.split()[0].rsplit("-", 1)[-1] for line in listed if line.strip()}

    def close(self):
        subprocess.run(["bash", CUPS_SCRIPT, "stop", self.folder], timeout=60)
        shutil.rmtree(self.folder, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


def pdf_folder():
    """cups-pdf's "Out" folder: ${HOME}/PDF of the job's owner unless configured otherwise."""
    out = "${HOME}/PDF"
    try:
        with open("/etc/cups/cups-pdf.conf") as conf:
            for line in conf:
                if line.strip().startswith("Out "):
                    out = line.strip()[4:].strip()
    except FileNotFoundError:
        pass
    return out.replace("${HOME}", pwd.getpwuid(os.getuid()).pw_dir)


def job_pdf(number, title):
    """The test queue names a job's PDF "job_<n>-<title>.pdf", the title's blanks turned into
    underscores."""
    return os.path.join(pdf_folder(), f"job_{number}-{title.replace(' ', '_')}.pdf")


def print_through_dialog(program, cups, keys, title, kept, screenshot=None):
    """Presses the keys that open the print dialog, accepts it with Entrée, and moves the job's
    PDF to kept once the queue has written it; returns kept."""
    since = time.time() - 1
    jobs_before = cups.jobs()
    program.key(*keys)
    dialog = program.wait_window("Imprimer", 20)
    program.focus(dialog)
    if screenshot:
        program.screenshot(screenshot, window=dialog)
    program.key("Return")
    program.wait_no_window("Imprimer", 20)
    new_jobs = wait_until(lambda: cups.jobs() - jobs_before, 30, "the print job")
    assert len(new_jobs) == 1, f"jobs {sorted(new_jobs)} for one print"
    # A file of that name older than the job was left by an earlier server.
    pdf = job_pdf(new_jobs.pop(), title)
    wait_until(lambda: not cups.jobs(pending_only=True) and os.path.exists(pdf)
               and os.stat(pdf).st_mtime >= since, 120, f"the PDF {pdf}")
    shutil.move(pdf, kept)
    return kept


def expected_lines():
    days = {1: (10010, 10100), 2: (10130, 10200)}
    lines = ["KILOMETRAGE DE : JANVIER 2026", "Véhicule : Clio Année : 2021 Chevaux : 4"]
    for day in range(1, 32):
        morning, evening = days.get(day, (0, 0))
        lines.append(f"{day:02} | Matin : {morning} Km | Soir : {evening} Km")
    lines += ["Kilométrage initial  : 10000 Km", "Kilométrage final : 10200 Km",
              "Kilométarge total : 200 Km", "Kilométrage professionnel : 160 Km",
              "Kilométrage personnel      : 40 Km",
              "Vardo 1.0 - Coefficient d'utilisation professionnelle de véhicule"]
    return [re.sub(r"\s", "", line) for line in lines]


def scenario(args):
    with CupsServer() as cups, Display() as display:
        with Program(display, args.installed, extra_env={"CUPS_SERVER": cups.env["CUPS_SERVER"]}) as program:
            program.start()
            program.focus()
            program.type_over(COMPTABILITE, "2026", 4)
            for text in ("Clio", "2021", "4"):
                program.key("Tab")
                program.type(text)
            program.type_over(JANV_KMIN, "10000", 1)
            program.key("Tab")
            for text in ("10010", "10100", "10130", "10200"):
                program.type(text)
                program.key("Tab")

            kept = print_through_dialog(program, cups, ["alt+i"], "Vardo - Janvier 2026",
                                        os.path.join(args.artifacts, "janvier.pdf"),
                                        os.path.join(args.artifacts, "print-dialog.png"))

            text = run(["pdftotext", "-layout", "-enc", "UTF-8", kept, "-"]).stdout
            pages = [page for page in text.split("\f") if page.strip()]
            assert len(pages) == 1, f"{len(pages)} pages printed"
            printed = [re.sub(r"\s", "", line) for line in pages[0].splitlines() if line.strip()]
            assert printed == expected_lines(), "\n".join(printed)
            program.close_with_alt_f4()


if __name__ == "__main__":
    test_main(scenario)
