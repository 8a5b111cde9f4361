#!/usr/bin/env python3
"""The Debian package as a user gets it: its name and control fields, its file list, a desktop
entry and an AppStream description that their validators accept, lintian without errors. Then the
package's program, extracted into a temporary root whose usr/bin refuses new files and started
with HOME in a temporary folder: a reading typed and the program closed, the year is in that
home's .local/share/vardo, and a second start shows it (and writes its debug report there); with
no display at all, it draws the chart of that year into a PNG and an SVG image."""

import glob
import os
import shutil
import tempfile

from harness import (JANV_KMIN, Display, Program, UnwritableFolder, desktop_entry_keys, project_version,
                     read_store, require, run, test_main)

BILAN_TAB = (558, 80, 598, 108)  # lit while it holds the focus, before the close only

EXPECTED_FILES = {
    "usr/bin/vardo",
    "usr/share/applications/vardo.desktop",
    "usr/share/icons/hicolor/48x48/apps/vardo.png",
    "usr/share/icons/hicolor/128x128/apps/vardo.png",
    "usr/share/icons/hicolor/256x256/apps/vardo.png",
    "usr/share/metainfo/fr.vardo.vardo.metainfo.xml",
    "usr/share/man/man1/vardo.1.gz",
    "usr/share/doc/vardo/copyright",
    "usr/share/doc/vardo/changelog.Debian.gz",
}


def check_control(deb, version):
    fields = {}
    for line in run(["dpkg-deb", "-f", deb]).stdout.splitlines():
        if not line.startswith(" ") and ":" in line:
            key, value = line.split(":", 1)
            fields[key] = value.strip()
    assert fields["Package"] == "vardo", fields
    assert fields["Version"] == f"{version}-1", fields
    assert fields["Architecture"] == run(["dpkg", "--print-architecture"]).stdout.strip(), fields
    depends = {item.split()[0] for item in fields["Depends"].split(", ")}
    for needed in ("libc6", "libqt6widgets6", "libqt6printsupport6", "libqt6charts6", "libqt6svg6",
                   "qt6-qpa-plugins", "qt6-translations-l10n", "fonts-liberation"):
        assert needed in depends, f"{needed} not in Depends: {fields['Depends']}"
    assert fields["Description"].startswith("carnet kilométrique"), fields["Description"]


def check_files(deb):
    listed = set()
    for line in run(["dpkg-deb", "-c", deb]).stdout.splitlines():
        path = line.split()[-1].lstrip("./")
        if not line.startswith("d"):
            listed.add(path)
    assert listed == EXPECTED_FILES, f"unexpected {listed - EXPECTED_FILES}, missing {EXPECTED_FILES - listed}"


def check_desktop_entry(root):
    keys = desktop_entry_keys(os.path.join(root, "usr/share/applications/vardo.desktop"))
    assert keys["Exec"] == "vardo" and keys["Icon"] == "vardo", keys
    assert {"Office", "Finance"} <= set(keys["Categories"].split(";")), keys["Categories"]
    assert "kilométrique" in keys["Comment"], keys["Comment"]


def check_metainfo(root):
    metainfo = os.path.join(root, "usr/share/metainfo/fr.vardo.vardo.metainfo.xml")
    result = run(["appstreamcli", "validate", "--no-net", metainfo], check=False)
    assert result.returncode == 0, result.stdout + result.stderr


def check_lintian(deb, artifacts):
    """Errors fail the test; the warnings are kept with the artifacts and printed."""
    if shutil.which("lintian") is None:
        print("lintian is not installed: the package's lint is left out")
        return
    result = run(["lintian", "--tag-display-limit", "0", deb], check=False, timeout=300)
    with open(os.path.join(artifacts, "lintian.txt"), "w", encoding="utf-8") as report:
        report.write(result.stdout + result.stderr)
    print(result.stdout, end="")
    errors = [line for line in result.stdout.splitlines() if line.startswith("E:")]
    assert not errors, "\n".join(errors)


def check_program(root, artifacts):
    program_folder = os.path.join(root, "usr", "bin")
    home = tempfile.mkdtemp(prefix="vardo-home-")
    store = os.path.join(home, ".local", "share", "vardo", "VARDO")
    env = {"HOME": home, "XDG_DATA_HOME": ""}
    try:
        with Display() as display, UnwritableFolder(program_folder):
            program = Program(display, None, folder=program_folder, extra_env=env, store=store)
            try:
                program.start()
                program.focus()
                program.type_over(JANV_KMIN, "23456", 1)
                program.key("Tab")
                january = os.path.join(artifacts, "package-january.png")
                program.screenshot(january)
                program.key("alt+e", "b")
                bilan = os.path.join(artifacts, "package-bilan-before-close.png")
                program.screenshot_after_change(bilan, january)
                program.close_with_alt_f4()
                assert read_store(store)["JanvKMIn"] == "23456"
                assert sorted(os.listdir(program_folder)) == ["vardo"], os.listdir(program_folder)
                with open(store, "rb") as handle:
                    first_store = handle.read()

                # Started again: the "Bilan" page as it was closed, the reading in its grid; the
                # debug report asked for goes with the other files.
                program.start("-debug")
                program.focus()
                program.screenshot_matching(os.path.join(artifacts, "package-bilan-after-restart.png"),
                                            bilan, BILAN_TAB)
                program.close_with_alt_f4()
            finally:
                program.kill()
        assert read_store(store)["JanvKMIn"] == "23456"
        data = os.path.dirname(store)
        assert os.path.exists(os.path.join(data, "HHDebug.txt"))
        with open(os.path.join(data, "Vardo.vrd"), "rb") as handle:
            assert handle.read() == first_store, "the start-up copy is not the year found at the start"
        shutil.copy(store, os.path.join(artifacts, "package-store.ini"))
        with UnwritableFolder(program_folder):  # as installed: the year is in the home folder
            check_chart(program_folder, home, artifacts)
    finally:
        shutil.rmtree(home, ignore_errors=True)


def check_chart(program_folder, home, artifacts):
    """The package's program draws the year's chart through Qt Charts, with no display."""
    env = {"PATH": "/usr/bin:/bin", "LANG": "fr_FR.UTF-8", "HOME": home}
    for name in ("package-chart.png", "package-chart.svg"):
        image = os.path.join(artifacts, name)
        result = run([os.path.join(program_folder, "vardo"), "--graphique", image], env=env, check=False)
        assert result.returncode == 0, result.stdout + result.stderr
    colours = run(["identify", "-format", "%k", os.path.join(artifacts, "package-chart.png")]).stdout
    assert int(colours) > 10, f"a blank chart: {colours} colours"
    with open(os.path.join(artifacts, "package-chart.svg"), encoding="utf-8") as handle:
        svg = handle.read()
    assert all(f">{month}<" in svg for month in ("janv.", "févr.", "déc.")), "no month names in the SVG"


def scenario(args):
    require("dpkg-deb", "desktop-file-validate", "appstreamcli")
    version = project_version()
    deb = os.path.join(args.package, f"vardo_{version}-1_{run(['dpkg', '--print-architecture']).stdout.strip()}.deb")
    assert os.path.exists(deb), f"no package {deb}; built: {glob.glob(os.path.join(args.package, '*'))}"
    check_control(deb, version)
    check_files(deb)
    root = tempfile.mkdtemp(prefix="vardo-package-")
    try:
        run(["dpkg-deb", "-x", deb, root])
        check_desktop_entry(root)
        check_metainfo(root)
        check_lintian(deb, args.artifacts)
        check_program(root, args.artifacts)
    finally:
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    test_main(scenario)
