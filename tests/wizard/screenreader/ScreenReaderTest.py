"""The wizard as a screen reader meets it: the real program under Xvfb, read
over the accessibility bus in a private session bus.

Plans land on the finish page of a Kelvo 620, a Kelvo 700 with oxygen and a
Kelvo 710; Back then visits every page on their way, so all ten page kinds are
read. A fourth plan is refused on a sampling page and shows its message box.
On every page each showing control that takes focus must have a name that is
not only its value, and the role of its kind. Prints the counts per page.

Usage: ScreenReaderTest.py MOORPLAN
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

MOORPLAN = ""

PLANS = [
    ("Sampling600", {"model": "Kelvo 620", "comm": "RS 232", "firmware": "2.0 or higher",
                   "pressure-sensor": "Strain gauge", "pump": "P4M", "interval": 900, "ncycles": 2,
                   "aux": [{"type": "Other", "current": 0.02}, {"type": "Other", "current": 0.03}], "battery": "Alkaline", "temperature": 10}),
    ("Sampling700", {"model": "Kelvo 700 - Integral Pump and Integral Oxygen", "interval": 3600,
                               "temperature": 5, "pressure": 1000, "tau20": 2}),
    ("Sampling710", {"model": "Kelvo 710", "interval": 600}),
]
REFUSED = ("message box", {"model": "Kelvo 700 - Integral Pump", "interval": 2},
           "Sample interval must be between")

# The page kinds by their titles; the sampling pages by the plan.
KINDS = {"Brevanta Moorplan 1.3": "Intro", "Communications and Firmware": "Comms", "Pressure Sensor": "PressureSelect",
         "Moored Pump": "MooredPumpSelect", "Sensor List": "SensorList", "Battery Type": "BatterySelect",
         "Battery Type and Pump Time Parameters": "BatterySelect", "Finish": "Finish"}
# The roles a control that takes focus may have. The seven models are radio
# buttons, never check boxes.
ROLES = {"radio button", "check box", "push button", "combo box", "text", "page tab", "page tab list", "spin button", "chart", "filler",
         "label"}
RADIOS = {"Intro": 7}


def wait(condition, seconds=10.0, step=0.05):
    end = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() > end:
            return value
        time.sleep(step)


def inner():
    import pyatspi
    from gi.repository import Atspi

    def safe(fn, default=None):
        try:
            return fn()
        except Exception:
            return default

    def find_app(proc):
        def look():
            desktop = pyatspi.Registry.getDesktop(0)
            for app in desktop:
                if app is not None and safe(lambda: app.get_process_id()) == proc.pid:
                    return app
            return None
        return wait(look, 10.0, 0.1)

    def walk(node, into_lists=True):
        yield node
        if not into_lists and safe(lambda: node.getRoleName()) == "combo box":
            return   # its entries are the list's, not controls of the page
        for child in safe(lambda: list(node), []):
            if child is not None:
                yield from walk(child, into_lists)

    def states(node):
        return safe(lambda: node.getState(), None)

    def text_of(node):
        text = safe(lambda: node.queryText())
        return safe(lambda: text.getText(0, -1), "") if text else ""

    def window(app):
        for child in safe(lambda: list(app), []):
            s = states(child)
            if s and s.contains(pyatspi.STATE_SHOWING) and child.getRoleName() in ("dialog", "frame", "alert"):
                return child
        return None

    def controls(win):
        found = []
        for node in walk(win, False):
            s = states(node)
            if s and s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_FOCUSABLE):
                found.append(node)
        return found

    def value_of(node):
        role = node.getRoleName()
        if role == "combo box":
            return {safe(lambda: c.name, "") for c in walk(node) if c is not node} | {text_of(node)}
        return {text_of(node)}

    def press(win, name):
        for node in walk(win):
            if safe(lambda: node.getRoleName()) == "push button" and safe(lambda: node.name) == name:
                if safe(lambda: node.queryAction().doAction(0), False):
                    return True
        return False

    def name_of(node):
        """As a screen reader says it: the labels the control is labelled by, else its own name."""
        labels = []
        for relation in safe(lambda: node.getRelationSet(), []):
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                labels += [relation.getTarget(i).name for i in range(relation.getNTargets())]
        return " ".join(labels).strip() or (node.name or "").strip()

    def check_page(kind, win, report):
        unnamed, wrong, radios = [], [], 0
        nodes = controls(win)
        for node in nodes:
            role, name = node.getRoleName(), name_of(node)
            if not name or name in value_of(node):
                path, up = [], node
                while up is not None and len(path) < 6:
                    path.append("%s[%s]" % (safe(lambda: up.getRoleName()), safe(lambda: up.name)))
                    up = safe(lambda: up.parent)
                unnamed.append("%s %r in %s" % (role, name, " < ".join(path[1:])))
            if role not in ROLES:
                wrong.append("%s %r" % (role, name))
            radios += role == "radio button"
        if kind in RADIOS and radios != RADIOS[kind]:
            wrong.append("%d radio buttons, want %d" % (radios, RADIOS[kind]))
        report.append((kind, len(nodes), unnamed, wrong))

    failures = []
    report = []
    folder = tempfile.mkdtemp()
    try:
        runs = [(label, plan, None) for label, plan in PLANS] + [REFUSED]
        for label, plan, message in runs:
            path = os.path.join(folder, "plan.moorplan")
            with open(path, "w") as out:
                json.dump(dict({"moorplan-plan": 1}, **plan), out)
            for attempt in range(3):
                # The first program on a new bus may come up before the bus's registry.
                proc = subprocess.Popen([MOORPLAN, path], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                app = find_app(proc)
                if app:
                    break
                proc.terminate()
                proc.wait(10)
            try:
                if not app:
                    failures.append("%s: the program never showed on the bus" % label)
                    continue
                # Pages rebuild their controls: read them afresh every time.
                app.set_cache_mask(Atspi.Cache.NONE)
                if message:
                    alert = wait(lambda: next((n for n in walk(app) if n.getRoleName() == "alert"), None))
                    shown = [n.name for n in walk(alert)] + [text_of(n) for n in walk(alert)] if alert else []
                    if not any(message in t for t in shown):
                        failures.append("%s: the message box does not expose %r" % (label, message))
                    check_page("message box", alert, report) if alert else None
                    continue
                win = wait(lambda: (lambda w: w if w is not None and w.name == "Finish" else None)(window(app)))
                if not win:
                    failures.append("%s: did not land on the finish page" % label)
                    continue
                while True:
                    time.sleep(0.2)
                    title = win.name
                    check_page(KINDS.get(title, label), win, report)
                    if not press(win, "< Back") or not wait(lambda: win.name != title, 5.0):
                        break
            finally:
                proc.terminate()
                proc.wait(10)
    finally:
        shutil.rmtree(folder, ignore_errors=True)

    kinds = {kind for kind, _, _, _ in report}
    if len(kinds) != 11:
        failures.append("read %d page kinds and the message box, want 10 and 1: %s" % (len(kinds), sorted(kinds)))
    print("%-18s %8s %8s %10s" % ("page", "controls", "unnamed", "wrong role"))
    for kind, count, unnamed, wrong in report:
        print("%-18s %8d %8d %10d" % (kind, count, len(unnamed), len(wrong)))
        for what in unnamed:
            print("    unnamed:", what)
        for what in wrong:
            print("    wrong role:", what)
    for failure in failures:
        print("FAIL:", failure)
    bad = failures or any(unnamed or wrong for _, _, unnamed, wrong in report)
    return 1 if bad else 0


def main():
    global MOORPLAN
    MOORPLAN = os.path.abspath(sys.argv[1])
    if os.environ.get("MOORPLAN_A11Y_INNER"):
        return inner()
    # A display of our own (Xvfb picks a free number) and a session bus of our
    # own, so runs in parallel never meet.
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            pass_fds=(write_fd,), stderr=subprocess.DEVNULL)
    os.close(write_fd)
    with os.fdopen(read_fd) as displays:
        display = displays.readline().strip()
    try:
        env = dict(os.environ, DISPLAY=":" + display, QT_QPA_PLATFORM="xcb", MOORPLAN_A11Y_INNER="1",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", NO_AT_BRIDGE="0")
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env.pop("AT_SPI_BUS_ADDRESS", None)
        return subprocess.call(["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), MOORPLAN],
                               env=env, timeout=120)
    finally:
        xvfb.terminate()
        xvfb.wait(10)


if __name__ == "__main__":
    sys.exit(main())
