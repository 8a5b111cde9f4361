#!/usr/bin/env python3
"""The program as a screen reader sees it, on a real accessibility bus (AT-SPI) of its own: every
box named from the table of names, the header boxes too, a status bar, text questions answered at
every offset without a hang, and Tab through January reading the names in order."""

import datetime
import os
import warnings
import signal
import subprocess
import time

from harness import VEHICULE, Display, Program, Skip, require, test_main, wait_until

MONTHS = ["janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre",
          "octobre", "novembre", "décembre"]
PAGES = ["Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre",
         "Octobre", "Novembre", "Décembre"]
WEEKDAYS = ["lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"]
BALANCE = ["kilométrage initial", "kilométrage final", "kilométrage total", "kilométrage pro",
           "kilométrage perso", "coefficient pro", "coefficient perso"]
ANNUAL = ["Bilan, coefficient pro", "Bilan, coefficient perso", "Bilan, kilométrage initial annuel",
          "Bilan, kilométrage final annuel", "Bilan, total annuel", "Bilan, kilométrage à reporter",
          "Bilan, total pro", "Bilan, total perso"]
HEADER = ["Comptabilité", "Véhicule", "Année du véhicule", "Chevaux"]
DAY_ROWS = [31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
ANSWER_BOUND = 2.0  # seconds for one text question; Qt 6.4's own answer never came


def day_name(year, month, day, half):
    """'jeudi 1er janvier, matin': the weekday when the year has that day."""
    words = "1er" if day == 1 else str(day)
    try:
        words = WEEKDAYS[datetime.date(year, month + 1, day).weekday()] + " " + words
    except ValueError:
        pass  # 29 February of a common year
    return f"{words} {MONTHS[month]}, {half}"


def expected_names(year):
    """The 888 names, written here a second time from the table, January first."""
    names = []
    for month in range(12):
        names += [f"{PAGES[month]}, {what}" for what in BALANCE]
        for day in range(1, DAY_ROWS[month] + 1):
            names += [day_name(year, month, day, "matin"), day_name(year, month, day, "soir")]
    for month in range(12):
        names += [f"Bilan, {MONTHS[month]}, {what}" for what in BALANCE[:5]]
    return names + ANNUAL + HEADER


class AccessibilityBus:
    """A private session bus, the AT-SPI bus launcher and registry on it; each in a process
    group of its own, all ended (and checked gone) at the close."""

    def __init__(self, display):
        require("dbus-launch", "/usr/libexec/at-spi-bus-launcher", "/usr/libexec/at-spi2-registryd")
        self.groups = []
        self.bus_pid = None
        launched = subprocess.run(["dbus-launch", "--sh-syntax"], env=display.env, capture_output=True,
                                  text=True, timeout=20, check=True).stdout
        values = dict(line.split("=", 1) for line in launched.replace(";", "\n").splitlines()
                      if "=" in line and not line.startswith("export"))
        self.address = values["DBUS_SESSION_BUS_ADDRESS"].strip("'")
        self.bus_pid = int(values["DBUS_SESSION_BUS_PID"])
        self.env = dict(display.env, DBUS_SESSION_BUS_ADDRESS=self.address)
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self.start(["/usr/libexec/at-spi2-registryd", "--use-gnome-session=false"])

    def start(self, command):
        process = subprocess.Popen(command, env=self.env, start_new_session=True,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.groups.append(process)

    def close(self):
        for process in reversed(self.groups):
            try:
                os.killpg(process.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait(5)
        if self.bus_pid:
            try:
                os.kill(self.bus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass

    def stray(self):
        """Processes of ours still alive after the close."""
        left = []
        for process in self.groups:
            try:
                os.killpg(process.pid, 0)
                left.append(f"group {process.pid}")
            except ProcessLookupError:
                pass
        if self.bus_pid:
            try:
                os.kill(self.bus_pid, 0)
                left.append(f"dbus-daemon {self.bus_pid}")
            except ProcessLookupError:
                pass
        return left


def walk(Atspi, node, found):
    """Every box (an editable text) and the status bar under node; the painted captions and
    other static texts are not descended into."""
    role = node.get_role()
    if role in (Atspi.Role.TEXT, Atspi.Role.ENTRY) and node.get_state_set().contains(Atspi.StateType.EDITABLE) \
            or role in (Atspi.Role.TEXT, Atspi.Role.ENTRY) and node.get_text_iface() is not None:
        found["boxes"].append(node)
        return
    if role == Atspi.Role.STATUS_BAR:
        found["status"].append(node)
    if role in (Atspi.Role.LABEL, Atspi.Role.STATIC, Atspi.Role.MENU_BAR, Atspi.Role.PAGE_TAB_LIST):
        return
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None:
            walk(Atspi, child, found)


def timed(what, call):
    started = time.monotonic()
    result = call()
    spent = time.monotonic() - started
    assert spent < ANSWER_BOUND, f"{what} took {spent:.1f} s"
    return result


def scenario(args):
    with Display() as display:
        bus = AccessibilityBus(display)
        try:
            run_with_bus(args, display, bus)
        finally:
            bus.close()
            wait_until(lambda: not bus.stray(), 10, "the accessibility bus processes to end")


def run_with_bus(args, display, bus):
    # Qt 6.4's bridge answers the older text questions only, which the library marks deprecated.
    warnings.simplefilter("ignore", DeprecationWarning)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.address
    os.environ["DISPLAY"] = display.name
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, GLib
    except (ImportError, ValueError) as error:
        raise Skip(f"no AT-SPI client library: {error}")
    Atspi.init()
    Atspi.set_timeout(int(ANSWER_BOUND * 1000), 15000)

    env = {"DBUS_SESSION_BUS_ADDRESS": bus.address, "QT_ACCESSIBILITY": "1",
           "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
    with Program(display, args.installed, extra_env=env) as program:
        program.start()
        program.focus()
        # A box holding several words, for the word and line questions.
        program.type_over(VEHICULE, "Clio RS 2.0", 0)
        program.key("Tab")

        desktop = Atspi.get_desktop(0)
        desktop.set_cache_mask(Atspi.Cache.NONE)

        def vardo():
            for index in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(index)
                if app is not None and app.get_process_id() == program.process.pid:
                    return app
            return None
        app = wait_until(vardo, 20, "the program on the accessibility bus")
        app.set_cache_mask(Atspi.Cache.NONE)

        found = {"boxes": [], "status": []}
        walk(Atspi, app, found)
        names = [box.get_name() for box in found["boxes"]]
        year = datetime.date.today().year
        expected = expected_names(year)
        assert all(names), "a box without a name"
        assert len(set(names)) == len(names), "two boxes share a name"
        assert sorted(names) == sorted(expected), (
            f"{len(names)} boxes; missing {sorted(set(expected) - set(names))[:10]}, "
            f"unexpected {sorted(set(names) - set(expected))[:10]}")
        for header in HEADER:
            assert header in names, header
        assert any(bar.get_name() == "Barre d'état" for bar in found["status"]), "no status bar"

        # Every box asked for the character, word and line at its start, middle and end, by the
        # boundary question that Orca asks (Qt 6.4's bridge has no granularity question).
        kinds = [Atspi.TextBoundaryType.CHAR, Atspi.TextBoundaryType.WORD_START,
                 Atspi.TextBoundaryType.LINE_START]
        for box, name in zip(found["boxes"], names):
            text = box.get_text_iface()
            length = text.get_character_count()
            whole = text.get_text(0, length)
            for offset in sorted({0, length // 2, length}):
                for kind in kinds:
                    piece = timed(f"{name} {kind} at {offset}",
                                  lambda: text.get_text_at_offset(offset, kind))
                    assert piece.content == whole[piece.start_offset:piece.end_offset], (name, offset, kind)
        vehicle = found["boxes"][names.index("Véhicule")].get_text_iface()
        assert vehicle.get_text(0, -1) == "Clio RS 2.0", "the last character reached the reader"
        assert vehicle.get_text_at_offset(11, Atspi.TextBoundaryType.WORD_START).content.strip() == "2.0"
        assert app.get_name(), "the program stopped answering"

        # Tab through January from its initial reading: the names in the order of the boxes.
        january = {name: box for box, name in zip(found["boxes"], names)
                   if name.startswith("Janvier, ") or name.endswith(" janvier, matin")
                   or name.endswith(" janvier, soir")}
        assert len(january) == 7 + 62, len(january)
        program.key("ctrl+Next", "ctrl+Prior")  # to February and back: January's first box

        def focused():
            hits = [name for name, box in january.items()
                    if box.get_state_set().contains(Atspi.StateType.FOCUSED)]
            return hits[0] if len(hits) == 1 else None
        order = [f"Janvier, {BALANCE[0]}"]
        for day in range(1, 5):
            order += [day_name(year, 0, day, "matin"), day_name(year, 0, day, "soir")]
        heard = [wait_until(focused, 10, "a focused January box")]
        for _ in order[1:]:
            program.key("Tab")
            previous = heard[-1]
            heard.append(wait_until(lambda: (lambda now: now if now != previous else None)(focused()),
                                    10, "the focus to move"))
        assert heard == order, heard

        # A day typed in January changes the coefficients: the status bar's panels tell it.
        told = []
        listener = Atspi.EventListener.new(lambda event: told.append(event.source.get_name()))
        listener.register("object:property-change:accessible-name")
        program.key("ctrl+Next", "ctrl+Prior")
        wait_until(lambda: focused() == order[0], 10, "January's initial reading focused")
        for reading in ("1000", "1000", "1100"):
            program.type(reading)
            program.key("Tab")

        def heard_coefficient():
            GLib.MainContext.default().iteration(False)
            return any(name.startswith("Coefficient pro : 100") for name in told)
        wait_until(heard_coefficient, 10, "the new coefficient told on the bus")
        listener.deregister("object:property-change:accessible-name")
        program.close_with_alt_f4()


if __name__ == "__main__":
    test_main(scenario)
