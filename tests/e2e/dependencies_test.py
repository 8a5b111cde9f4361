#!/usr/bin/env python3
"""The run command's packages are what building and running need, and nothing the tests alone
need: the tools and headers the tests use come from packages of the other sets, the program's
build configures with the tests' packages hidden, and a user who is not root, once the packages
are there, gets through the run command's dependency step without any privilege."""

import os
import pwd
import shlex
import shutil
import subprocess
import tempfile

from harness import SOURCE, Skip, run, source_text, test_main

# What the tests use, and what only the tests use.
TEST_TOOLS = ["Xvfb", "xdotool", "xclip", "openbox", "xprop", "import", "cupsd", "lpadmin",
              "pdftoppm", "clang++", "desktop-file-validate", "appstreamcli", "lintian",
              "dpkg-shlibdeps"]
TEST_FILES = ["/usr/include/gtest/gtest.h", "/usr/include/gmock/gmock.h",
              "/usr/include/benchmark/benchmark.h"]


def package_set(name):
    return {line.split()[0] for line in source_text(f"scripts/packages/{name}.txt").splitlines()
            if line.strip() and not line.startswith("#")}


def owning_package(path):
    """The installed package that holds a file (by its real path: /bin is a link to /usr/bin)."""
    for candidate in (path, os.path.realpath(path)):
        result = run(["dpkg-query", "-S", candidate], check=False)
        if result.returncode == 0:
            return result.stdout.split(":")[0].split(",")[0].strip()
    raise AssertionError(f"no package holds {path}")


def direct_dependencies(packages):
    """The packages that those packages depend on directly (imagemagick on imagemagick-6.q16)."""
    found = set()
    for package in packages:
        depends = run(["dpkg-query", "-W", "-f=${Depends}", package], check=False).stdout
        found |= {item.split()[0].split(":")[0] for part in depends.split(",") for item in part.split("|")
                  if item.strip()}
    return found


def run_command_cmake_line():
    lines = [line.strip() for line in source_text("scripts/run.sh").splitlines()
             if line.strip().startswith("cmake -S")]
    assert len(lines) == 1, lines
    return shlex.split(lines[0].split(">")[0])


def check_sets():
    runs, package, tests = package_set("run"), package_set("package"), package_set("test")
    assert not runs & (package | tests), f"in the run set and another: {runs & (package | tests)}"
    for_tests = tests | package
    for_tests |= direct_dependencies(for_tests)
    for tool in TEST_TOOLS:
        path = shutil.which(tool)
        assert path, f"{tool} is not installed (the test set installs it)"
        owner = owning_package(path)
        assert owner not in runs, f"{tool} ({owner}) is only for the tests, yet in the run set"
        assert owner in for_tests, f"{tool} ({owner}) is in no set"
    for path in TEST_FILES:
        owner = owning_package(path)
        assert owner not in runs and owner in for_tests, f"{path} ({owner})"


def check_build_without_test_packages():
    words = run_command_cmake_line()
    with tempfile.TemporaryDirectory(prefix="vardo-run-build-") as build:
        words[words.index("-B") + 1] = build
        words[words.index("-S") + 1] = SOURCE
        hidden = ["-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON", "-DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON"]
        result = subprocess.run(words + hidden, capture_output=True, text=True, timeout=120)
        assert result.returncode == 0, result.stdout + result.stderr


def check_unprivileged_user():
    if os.geteuid() != 0:
        user = []
    elif shutil.which("setpriv") is None:
        raise Skip("setpriv is not installed: no way to run the step as another user")
    else:
        nobody = pwd.getpwnam("nobody")
        user = ["setpriv", f"--reuid={nobody.pw_uid}", f"--regid={nobody.pw_gid}", "--clear-groups"]
    script = os.path.join(SOURCE, "scripts", "install-deps.sh")
    if not os.access(script, os.R_OK) or (user and os.stat(script).st_mode & 0o004 == 0):
        raise Skip(f"{script} can't be read by another user")
    result = subprocess.run(user + ["bash", script, "run"], capture_output=True, text=True, timeout=60,
                            env=dict(os.environ, HOME="/nonexistent"))
    assert result.returncode == 0, result.stdout + result.stderr
    assert "sudo" not in result.stdout + result.stderr, result.stdout + result.stderr


def scenario(args):
    check_sets()
    check_build_without_test_packages()
    check_unprivileged_user()


if __name__ == "__main__":
    test_main(scenario)
