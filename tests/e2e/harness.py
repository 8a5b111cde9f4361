"""Drives the installed program the way a person does: a real X display (Xvfb) with a window
manager, keys typed with xdotool, message boxes read through the clipboard (Ctrl+C copies a
message box's text), screenshots with ImageMagick. Every wait is bounded."""

import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time

SKIP = 77  # ctest's SKIP_RETURN_CODE
SOURCE = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))

# Points inside the main window (its client area, 96 dpi) where a user clicks.
COMPTABILITE = (112, 52)
VEHICULE = (330, 52)
JANV_KMIN = (590, 150)
MAIN_TITLE = "Vardo 1.0 - Coefficient d'utilisation professionnelle de véhicule"


class Skip(Exception):
    """The machine cannot run this test (no X server, no printer); reported as skipped."""


def require(*tools):
    for tool in tools:
        if shutil.which(tool) is None:
            raise Skip(f"{tool} is not installed")


def source_text(path):
    with open(os.path.join(SOURCE, path), encoding="utf-8") as handle:
        return handle.read()


def project_version():
    return re.search(r"project\(Vardo VERSION ([0-9.]+)", source_text("CMakeLists.txt")).group(1)


class UnwritableFolder:
    """A folder that refuses new files while it lives: read-only mode bits for a user, the
    immutable attribute for root (who ignores mode bits)."""

    def __init__(self, path):
        self.path = path

    def __enter__(self):
        os.chmod(self.path, 0o555)
        if os.geteuid() == 0:
            result = subprocess.run(["chattr", "+i", self.path], capture_output=True, text=True)
            if result.returncode != 0:
                os.chmod(self.path, 0o755)
                raise Skip(f"no folder can be made read-only for root here: {result.stderr.strip()}")
        probe = os.path.join(self.path, "probe")
        try:
            open(probe, "x").close()
            os.remove(probe)
            raise Skip(f"{self.path} still takes new files")
        except OSError:
            pass
        return self

    def __exit__(self, *exc):
        if os.geteuid() == 0:
            subprocess.run(["chattr", "-i", self.path], check=False)
        os.chmod(self.path, 0o755)


def desktop_entry_keys(entry):
    """The keys of a desktop entry that desktop-file-validate accepts without a word."""
    result = run(["desktop-file-validate", entry], check=False)
    assert result.returncode == 0 and not result.stdout.strip(), result.stdout + result.stderr
    with open(entry, encoding="utf-8") as handle:
        return dict(line.rstrip("\n").split("=", 1) for line in handle if "=" in line)


def wait_until(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError(f"timed out after {timeout} s waiting for {what}")


def run(args, env=None, timeout=20, check=True):
    return subprocess.run(args, env=env, timeout=timeout, check=check,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)


class Display:
    """A private Xvfb display at 96 dpi with openbox, so that Alt+F4 and activation work."""

    def __init__(self, width=1024, height=768):
        self.width, self.height = width, height
        require("Xvfb", "xdotool", "openbox", "xclip", "xprop", "xwininfo", "import")
        # Xvfb chooses a free display number itself and reports it on a pipe: tests running side
        # by side never race for the same number.
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                      f"{width}x{height}x24", "-dpi", "96", "-nolisten", "tcp"],
                                     pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as reported:
            ready, _, _ = select.select([reported], [], [], 15)
            number = reported.readline().strip() if ready else ""  # empty: the server gave up
        if not number:
            self.close()
            raise Skip("Xvfb could not start")
        self.name = f":{number}"
        self.env = dict(os.environ, DISPLAY=self.name)
        try:
            wait_until(lambda: self.xvfb.poll() is None and
                       run(["xdotool", "getdisplaygeometry"], env=self.env, check=False).returncode == 0,
                       10, "the X server")
        except AssertionError as error:
            self.close()
            raise Skip(f"Xvfb could not start: {error}")
        self.wm = None
        self.start_window_manager()

    def start_window_manager(self, attempts=3):
        """openbox, waited for until it has run its start-up command, which it runs once its key
        bindings are in place (it announces itself on the root window before); started again if
        it ends before (a loaded machine has been seen to lose it)."""
        marks = tempfile.mkdtemp(prefix="vardo-wm-")
        log = tempfile.TemporaryFile()
        try:
            for attempt in range(attempts):
                ready = os.path.join(marks, f"ready-{attempt}")

                def started():
                    if self.wm.poll() is not None:
                        return "ended"
                    return "ready" if os.path.exists(ready) else None
                self.wm = subprocess.Popen(["openbox", "--sm-disable", "--startup", f"touch {ready}"],
                                           env=self.env, stdout=log, stderr=subprocess.STDOUT)
                try:
                    if wait_until(started, 20, "the window manager") == "ready":
                        return
                    failure = "openbox ended at start"
                except AssertionError as error:
                    failure = str(error)
                    break
        finally:
            shutil.rmtree(marks, ignore_errors=True)
        log.seek(0)
        self.close()
        raise AssertionError(failure + ":\n" + log.read().decode(errors="replace"))

    def close(self):
        for process in (getattr(self, "wm", None), self.xvfb):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


class Program:
    """The installed vardo, copied into a fresh program folder of its own, or the one already in
    `folder`; `store` names the stored year when it is kept elsewhere than beside the program."""

    def __init__(self, display, installed_folder, locale="fr_FR.UTF-8", folder=None, extra_env=None,
                 dotted=False, store=None):
        self.display = display
        # A folder whose path holds a "." (like the user's ~/.local/opt/vardo) keeps the year in
        # the file VARDO, any other in VARDO.INI.
        self.folder = folder or tempfile.mkdtemp(prefix="vardo.e2e-" if dotted else "vardo-e2e-")
        self.store = store or self.path("VARDO" if "." in self.folder else "VARDO.INI")
        if folder is None:
            shutil.copytree(installed_folder, self.folder, dirs_exist_ok=True)
        self.env = dict(display.env, LANG=locale, LC_ALL=locale, LANGUAGE="", QT_QPA_PLATFORM="xcb")
        self.env.update(extra_env or {})
        self.process = None
        self.window = None

    def path(self, name):
        return os.path.join(self.folder, name)

    def give_own_home(self):
        """A home folder inside the program folder, so that the tools' options and the files a
        dialog suggests stay in this scenario."""
        home = self.path("home")
        os.mkdir(home)
        self.env["HOME"] = home
        return home

    def start(self, *parameters):
        self.process = subprocess.Popen([self.path("vardo"), *parameters], env=self.env, cwd="/",
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.window = self.wait_window(MAIN_TITLE, 20)
        return self

    def xdo(self, *args, check=True):
        return run(["xdotool", *args], env=self.env, check=check).stdout.strip()

    def find_window(self, name):
        result = run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"], env=self.env, check=False)
        ids = result.stdout.split()
        return ids[-1] if ids else None

    def wait_window(self, name, timeout=10):
        def found():
            if self.process and self.process.poll() is not None:
                raise AssertionError(f"the program ended ({self.process.returncode}) while waiting for {name!r}:\n"
                                     + self.process.stdout.read().decode(errors="replace"))
            return self.find_window(name)
        return wait_until(found, timeout, f"window {name!r}")

    def wait_no_window(self, name, timeout=10):
        wait_until(lambda: self.find_window(name) is None, timeout, f"window {name!r} to close")

    def focus(self, window=None):
        window = window or self.window
        self.xdo("windowactivate", "--sync", window, check=False)
        wait_until(lambda: self.xdo("getactivewindow", check=False) == window, 5, "window activation")

    def frame_geometry(self):
        """(x, y, width, height) of the window with the frame the window manager put around it."""
        tree = run(["xwininfo", "-id", self.window, "-tree"], env=self.env).stdout
        frame = next(line for line in tree.splitlines() if "Parent window id" in line).split()[3]
        info = run(["xwininfo", "-id", frame], env=self.env).stdout
        value = {line.split(":")[0].strip(): line.split(":")[1].strip()
                 for line in info.splitlines() if ":" in line}
        return tuple(int(value[key]) for key in ("Absolute upper-left X", "Absolute upper-left Y",
                                                 "Width", "Height"))

    def key(self, *keys):
        self.xdo("key", "--clearmodifiers", "--delay", "20", *keys)

    def type(self, text):
        self.xdo("type", "--clearmodifiers", "--delay", "15", text)

    def click(self, x, y, window=None):
        """A left click at (x, y) inside the window, as a user points at a field."""
        self.xdo("mousemove", "--sync", "--window", window or self.window, str(x), str(y))
        self.xdo("click", "1")

    def type_over(self, point, text, old_length):
        """Clicks into a field, deletes its old text from the end and types the new one."""
        self.click(*point)
        self.key("End", *["BackSpace"] * old_length)
        self.type(text)

    def message_box_text(self, title):
        """Waits for a message box, copies its text with Ctrl+C and reads the clipboard."""
        box = self.wait_window(title, 10)
        self.focus(box)
        # xclip stays behind to serve the emptied clipboard until Ctrl+C takes it over
        subprocess.run(["xclip", "-selection", "clipboard", "-i", "/dev/null"], env=self.env, timeout=10,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.key("ctrl+c")
        return wait_until(lambda: run(["xclip", "-selection", "clipboard", "-o"], env=self.env,
                                      check=False).stdout, 5, "the message box text on the clipboard")

    def screenshot(self, path, expected_size=None, window=None, timeout=10):
        """Saves the window's picture; fails on a window that stays mis-sized or blank (uniform)
        for the whole wait (a window just mapped may not be drawn yet)."""
        problem = []

        def taken():
            run(["import", "-window", window or self.window, path], env=self.env)
            width, height = map(int, run(["identify", "-format", "%w %h", path]).stdout.split())
            deviation = float(run(["convert", path, "-colorspace", "Gray", "-format",
                                   "%[fx:standard_deviation]", "info:"]).stdout)
            if expected_size and (width, height) != expected_size:
                problem[:] = [f"window is {width}x{height}, expected {expected_size}"]
            elif deviation <= 0.01:
                problem[:] = [f"window picture {path} is uniform (blank)"]
            else:
                return width, height
            return None
        try:
            return wait_until(taken, timeout, "the window's picture")
        except AssertionError:
            raise AssertionError(problem[0] if problem else "no picture of the window") from None

    def screenshot_after_change(self, path, previous, expected_size=None, timeout=10, window=None):
        """Waits for the window's picture to change from `previous` (by more than a blinking
        text cursor could), then keeps it: the program has drawn what the keys asked for."""
        def changed():
            self.screenshot(path, expected_size, window=window)
            return differing_pixels(previous, path) > 500
        wait_until(changed, timeout, f"the window to change from {os.path.basename(previous)}")

    def screenshot_matching(self, path, reference, hidden=None, timeout=10):
        """Waits for the window's picture to equal `reference` (a rectangle left out of both);
        returns the picture's size."""
        def same():
            size = self.screenshot(path)
            return size if differing_pixels(reference, path, hidden) == 0 else None
        return wait_until(same, timeout, f"the window to look as in {os.path.basename(reference)}")

    def press_alt_f4(self):
        """Alt+F4 on the main window, as a user closes it. openbox has been seen, on a window it had
        just mapped, to let both keys through to the program (which received Alt and F4 as plain
        key presses) instead of closing the window: when the window is still shown, alone, a
        while later, the keys are pressed again, once."""
        def answered():
            return self.process.poll() is not None or self.visible_windows() != [MAIN_TITLE]
        for attempt in range(2):
            self.focus()
            self.key("alt+F4")
            try:
                wait_until(answered, 3, "the close to begin")
                return
            except AssertionError:
                print("Alt+F4 did not reach the window manager: pressed again")

    def close_with_alt_f4(self, timeout=15):
        self.press_alt_f4()
        self.wait_exit(timeout)

    def visible_windows(self):
        """The names of the windows shown on the display, to tell what a program waits on."""
        ids = run(["xdotool", "search", "--onlyvisible", "--name", "."], env=self.env, check=False).stdout.split()
        return [run(["xdotool", "getwindowname", wid], env=self.env, check=False).stdout.strip() for wid in ids]

    def wait_exit(self, timeout=15):
        try:
            self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            shown = self.visible_windows()
            self.process.kill()
            output = self.process.stdout.read().decode(errors="replace")
            raise AssertionError(f"the program did not end after the close; windows shown: {shown}\n{output}")
        output = self.process.stdout.read().decode(errors="replace")
        assert self.process.returncode == 0, f"exit code {self.process.returncode}\n{output}"

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        """The program never outlives its test, nor does its folder."""
        self.kill()
        shutil.rmtree(self.folder, ignore_errors=True)

    def kill(self):
        if self.process and self.process.poll() is None:
            self.process.send_signal(signal.SIGKILL)
            self.process.wait(5)


def differing_pixels(first, second, hidden=None):
    """How many pixels two pictures differ by, a rectangle (x0, y0, x1, y1) left out of both."""
    pictures = []
    for path in (first, second):
        if hidden:
            masked = path + ".masked.png"
            run(["convert", path, "-fill", "black", "-draw", "rectangle %d,%d %d,%d" % hidden, masked])
            path = masked
        pictures.append(path)
    result = run(["compare", "-metric", "AE", *pictures, "null:"], check=False)
    for path in pictures:
        if path.endswith(".masked.png"):
            os.remove(path)
    return int(float(result.stderr.split()[0]))


STORED_KEYS = 915  # the 888 fields and the check marks of the 27 menu items


def read_store(path, keys=STORED_KEYS):
    """The stored year (or an archive of one) as the program writes it, Windows-1252 and CRLF:
    every key with its text, the first of a repeated key as the program reads it; `keys` of
    them unless None."""
    with open(path, "rb") as handle:
        raw = handle.read()
    assert raw.endswith(b"\r\n"), f"{path} does not end with CRLF"
    values = {}
    for line in raw.decode("cp1252").split("\r\n"):
        if "=" in line and not line.startswith("["):
            key, value = line.split("=", 1)
            values.setdefault(key, value)
    assert keys is None or len(values) == keys, f"{len(values)} keys stored in {path}"
    return values


def read_lines(path):
    """A text file as the program writes it (Windows-1252, CRLF): its lines, without the ends."""
    with open(path, "rb") as handle:
        raw = handle.read()
    assert raw.endswith(b"\r\n"), f"{path} does not end with CRLF"
    return raw.decode("cp1252").split("\r\n")[:-1]


def test_main(scenario):
    """Runs one end-to-end test from the command line: --installed DIR --artifacts DIR [--locale L].
    A machine that cannot run it makes the test skipped (SKIP), never passed."""
    import argparse
    parser = argparse.ArgumentParser()
    parser.add_argument("--installed", required=True, help="the installed program's folder")
    parser.add_argument("--artifacts", required=True, help="where screenshots and files are kept")
    parser.add_argument("--locale", default="fr_FR.UTF-8")
    parser.add_argument("--package", help="the folder where the Debian package was built")
    args = parser.parse_args()
    os.makedirs(args.artifacts, exist_ok=True)
    try:
        scenario(args)
    except Skip as reason:
        print(f"SKIPPED: {reason}")
        raise SystemExit(SKIP)
    print("passed")


def locale_available(name):
    wanted = name.lower().replace("-", "")
    return any(line.strip().lower().replace("-", "") == wanted
               for line in run(["locale", "-a"], check=False).stdout.splitlines())

