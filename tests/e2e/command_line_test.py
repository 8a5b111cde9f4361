#!/usr/bin/env python3
"""The installed program's command line, without any display (no X server, no QT_QPA_PLATFORM):
"--version" and "--help" print and end, an unknown option prints the usage on the error output
with status 2; "--help" names the folder in use, byte for byte even where the name is not UTF-8,
and the user's data folder where the program's own folder refuses new files."""

import os
import shutil
import subprocess
import tempfile

from harness import UnwritableFolder, project_version, test_main

def without_display(home):
    env = {name: value for name, value in os.environ.items()
           if name not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_DATA_HOME")}
    env.update(HOME=home, LANG="C.UTF-8", LC_ALL="C.UTF-8")
    return env


def vardo(program, *args, env):
    """Runs the program; its outputs as bytes, as it writes them."""
    return subprocess.run([program, *args], env=env, timeout=20, cwd="/",
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE)


def folder_line(output):
    lines = [line for line in output.split(b"\n") if line.startswith(b"Dossier des fichiers : ")]
    assert len(lines) == 1, output
    return lines[0][len(b"Dossier des fichiers : "):]


def scenario(args):
    with tempfile.TemporaryDirectory(prefix="vardo-cli-") as scratch:
        home = os.path.join(scratch, "home")
        os.mkdir(home)
        env = without_display(home)
        installed = os.path.join(args.installed, "vardo")

        result = vardo(installed, "--version", env=env)
        assert (result.returncode, result.stdout, result.stderr) == \
            (0, f"Vardo {project_version()}\n".encode(), b""), result

        result = vardo(installed, "--help", env=env)
        assert result.returncode == 0 and result.stderr == b"", result
        assert result.stdout.startswith("Utilisation : vardo [OPTION]\n".encode()), result.stdout
        assert folder_line(result.stdout) == os.fsencode(args.installed.rstrip("/") + "/")

        result = vardo(installed, "--inconnue", env=env)
        assert result.returncode == 2 and result.stdout == b"", result
        error = result.stderr.decode()
        assert error.startswith("vardo : option inconnue « --inconnue »\n"), error
        assert "Utilisation : vardo [OPTION]" in error, error

        # A folder whose name is not UTF-8 ("café" in Latin-1) is the program's folder all the same.
        latin1 = os.path.join(os.fsencode(scratch), b"caf\xe9")
        os.mkdir(latin1)
        shutil.copy(installed, os.fsdecode(latin1))
        result = vardo(os.fsdecode(os.path.join(latin1, b"vardo")), "--help", env=env)
        assert result.returncode == 0, result
        assert folder_line(result.stdout) == latin1 + b"/", result.stdout
        assert os.listdir(latin1) == [b"vardo"], "asking for help writes nothing"

        # A folder that refuses new files: the data folder is named, not yet made.
        locked = os.path.join(scratch, "locked")
        os.mkdir(locked)
        shutil.copy(installed, locked)
        with UnwritableFolder(locked):
            result = vardo(os.path.join(locked, "vardo"), "--help", env=env)
            assert folder_line(result.stdout) == os.fsencode(home + "/.local/share/vardo/"), result.stdout
            assert not os.path.exists(os.path.join(home, ".local")), "asking for help creates nothing"

if __name__ == "__main__":
    test_main(scenario)
