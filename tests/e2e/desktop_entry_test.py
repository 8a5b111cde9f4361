#!/usr/bin/env python3
"""The installed desktop entry passes desktop-file-validate and starts the installed program."""

import os

from harness import desktop_entry_keys, require, run, test_main


def scenario(args):
    require("desktop-file-validate")
    keys = desktop_entry_keys(os.path.join(args.installed, "share", "applications", "vardo.desktop"))
    assert keys["Exec"].strip('"') == os.path.join(args.installed, "vardo"), keys["Exec"]
    assert keys["Icon"] == "vardo"
    icon = os.path.join(args.installed, "share", "icons", "hicolor", "256x256", "apps", "vardo.png")
    assert run(["identify", "-format", "%w %h", icon]).stdout == "256 256"


if __name__ == "__main__":
    test_main(scenario)
