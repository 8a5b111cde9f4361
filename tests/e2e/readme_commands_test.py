#!/usr/bin/env python3
"""The README's two commands are the ones in use: CI runs exactly its test command, the test
command runs this suite's build, and its start command installs the program the way this suite
installs it."""

import os
import re
import shlex

from harness import SOURCE, source_text, test_main

INSTALL_SCRIPT = "scripts/install-program.sh"


def commands(script):
    """The script's command lines, comments, blank lines and shell settings left out."""
    text = source_text(script).replace("\\\n", " ")  # continued lines joined
    lines = [" ".join(line.split()) for line in text.splitlines()]
    return [line for line in lines if line and not line.startswith("#")
            and not line.startswith(("set ", "cd "))]


def readme_commands():
    """The indented command lines of the README's "Deux commandes" section."""
    section = source_text("README.md").split("## Deux commandes", 1)[1].split("\n## ", 1)[0]
    return [line.strip() for line in section.splitlines() if line.startswith("    ") and line.strip()]


def scenario(args):
    found = readme_commands()
    assert found == ["./scripts/run.sh", "./scripts/test.sh"], found
    start_command, test_command = found
    for command in found:
        assert os.access(os.path.join(SOURCE, command), os.X_OK), f"{command} is not executable"

    assert commands(".ci/run") == [test_command], commands(".ci/run")

    # The test command configures a build with the window (this suite's) and runs its tests.
    test_lines = commands(test_command)
    builds = {}
    for line in test_lines:
        words = shlex.split(line)
        if words[:1] == ["cmake"] and "-B" in words:
            builds[words[words.index("-B") + 1]] = words
    with_suite = [folder for folder, words in builds.items()
                  if "-DVARDO_GUI=OFF" not in words
                  and any(shlex.split(line)[:3] == ["ctest", "--test-dir", folder] for line in test_lines)]
    assert with_suite, f"{test_command} runs no build that holds the end-to-end tests"
    assert "bash scripts/install-deps.sh run package test" in test_lines

    # The start command installs with the script this suite installs with.
    start_lines = commands(start_command)
    # The start command installs the run set alone.
    assert "bash scripts/install-deps.sh run" in start_lines
    assert any(INSTALL_SCRIPT in line for line in start_lines), f"{start_command} does not call {INSTALL_SCRIPT}"
    assert INSTALL_SCRIPT in source_text("tests/e2e/CMakeLists.txt")
    assert re.search(r"^exec ", source_text(start_command), re.M), f"{start_command} does not start the program"


if __name__ == "__main__":
    test_main(scenario)
