#!/usr/bin/env python3
"""The installed desktop entry passes desktop-file-validate and starts the installed program."""

import os
import shutil

from harness import Skip, run, test_main


def scenario(args):
    if shutil.which("desktop-file-validate") is None:
        raise Skip("desktop-file-validate is not installed (desktop-file-utils)")
    entry = os.path.join(args.installed, "share", "applications", "vardo.desktop")
    result = run(["desktop-file-validate", entry], check=False)
    assert result.returncode == 0 and not result.stdout.strip(), result.stdout + result.stderr
    with open(entry, encoding="utf-8") as handle:
        keys = dict(line.rstrip("\n").split("=", 1) for line in handle if "=" in line)
    assert keys["Exec"].strip('"') == os.path.join(args.installed, "vardo"), keys["Exec"]
    assert keys["Icon"] == "vardo"
    icon = os.path.join(args.installed, "share", "icons", "hicolor", "256x256", "apps", "vardo.png")
    assert run(["identify", "-format", "%w %h", icon]).stdout == "256 256"


if __name__ == "__main__":
    test_main(scenario)
