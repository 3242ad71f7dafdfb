"""The browser page in headless Chromium, driven from the keyboard alone.

Plans walk the wizard to the finish page and download the report, which must
equal moorplan-report's output for the same plan byte for byte. Checked pages
must show their first failure's message on the page and stay; Back must always
move.

Every state the tests visit is checked by axe-core against the WCAG 2.1 A and
AA rules and the best practices: no violation.

Usage: BrowserWizardTest.py PAGE.html MOORPLAN-REPORT AXE.min.js [unittest arguments]
"""
import datetime
import json
import math
import os
import subprocess
import sys
import tempfile
import time
import unittest

from selenium import webdriver
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

PAGE = ""
REPORT = ""
AXE = ""
AXE_RULES = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "best-practice"]

# A plan: the pages in order, each a list of (control's accessible name, what
# to do: True/False for radio buttons and check boxes, the entry's text for a
# list, the text for a field); "test" turns on the finish page's Test mode; and
# the same plan as moorplan-report options.
PLANS = {
    "Kelvo 620, typical": dict(
        pages=[[("Kelvo 620", True)],
               [("RS 232", True), ("Firmware Revision:", "2.0 or higher")],
               [("Pressure Sensor Type", "Strain gauge")],
               [("Pump Type:", "P4M")],
               [("Sample Interval in Seconds:", "900"),
                ("Number of measurements per sample (NCycles):", "2")],
               [("Number of Auxiliary Sensors", "1")],
               [("Battery Type:", "Lithium (42 Amp-hr)"),
                ("Approximate Deployment Temperature (deg C):", "8.5")]],
        test=False,
        args=["--model", "Kelvo 620", "--comm", "RS 232", "--firmware", "2.0 or higher",
              "--pressure-sensor", "Strain gauge", "--pump", "P4M", "--interval", "900",
              "--ncycles", "2", "--aux", "0", "--battery", "Lithium (42 Amp-hr)",
              "--temperature", "8.5"]),
    "Kelvo 610 path": dict(
        pages=[[("Kelvo 610", True)],
               [("Pressure Sensor Type", "Digiquartz")],
               [("Pump Type:", "P4M")],
               [("Sample Interval in Seconds:", "1200")],
               [("Number of Auxiliary Sensors", "2"), ("Sensor type: 1", "Kelvo 830"), ("Sensor type: 2", "Other"),
                ("Current (Amps), enter for non Kelvo: 2", "0.02")],
               [("Approximate Deployment Temperature (deg C):", "4")]],
        test=False,
        args=["--model", "Kelvo 610", "--pressure-sensor", "Digiquartz", "--pump", "P4M", "--interval", "1200", "--aux", "Kelvo 830", "--aux", "Other=0.02",
              "--temperature", "4"]),
    "Kelvo 700 pumped, test mode": dict(
        pages=[[("Kelvo 700 - Integral Pump", True)],
               [("RS 232", True), ("Firmware Revision:", "3.0 and higher, less than 4.0")],
               [("Pressure Sensor Type", "Strain gauge")],
               [("Sample Interval in Seconds:", "600"), ("Autonomous Sampling", True),
                ("Transmit Real-time", False)],
               [("Battery Type:", "AA Lithium")]],
        test=True,
        args=["--model", "Kelvo 700 - Integral Pump", "--comm", "RS 232",
              "--firmware", "3.0 and higher, less than 4.0", "--pressure-sensor", "Strain gauge",
              "--interval", "600", "--sampling", "autonomous", "--transmit-real-time", "off",
              "--battery", "AA Lithium", "--test"]),
}

# Checked pages: the pages before it, then entries with (at least) one
# failure, and the same plan as options (moorplan-report tells the message).
REFUSALS = {
    "Kelvo 610 sampling, interval before NCycles": dict(
        pages=[[("Kelvo 620", True)], [("Inductive Modem", True), ("Firmware Revision:", "1.2c or less")],
               [("Pressure Sensor Type", "Digiquartz")], [],
               [("Sample Interval in Seconds:", "0"),
                ("Number of measurements per sample (NCycles):", "3")]],
        args=["--model", "Kelvo 620", "--comm", "Inductive Modem", "--firmware", "1.2c or less",
              "--pressure-sensor", "Digiquartz", "--interval", "0", "--ncycles", "3"]),
    "Kelvo 610 sampling, odd NCycles": dict(
        pages=[[("Kelvo 620", True)], [("Inductive Modem", True), ("Firmware Revision:", "1.2c or less")],
               [("Pressure Sensor Type", "Digiquartz")], [],
               [("Number of measurements per sample (NCycles):", "3")]],
        args=["--model", "Kelvo 620", "--comm", "Inductive Modem", "--firmware", "1.2c or less",
              "--pressure-sensor", "Digiquartz", "--ncycles", "3"]),
    "Kelvo 610 sampling, negative delay": dict(
        pages=[[("Kelvo 620", True)], [("Inductive Modem", True), ("Firmware Revision:", "2.0 or higher")], [], [],
               [("Delay Before Sampling (seconds):", "-0")]],
        args=["--model", "Kelvo 620", "--comm", "Inductive Modem", "--firmware", "2.0 or higher", "--delay", "-0"]),
    "Kelvo 700 sampling": dict(
        pages=[[("Kelvo 700 - No Pump", True)], [("Firmware Revision:", "2.0 and higher, less than 2.6")], [],
               [("Sample Interval in Seconds:", "abc"), ("Number of measurements per sample (NAvg or NCycle):", "101")]],
        args=["--model", "Kelvo 700 - No Pump", "--firmware", "2.0 and higher, less than 2.6",
              "--interval", "abc", "--navg", "101"]),
    "Kelvo 710 sampling": dict(
        pages=[[("Kelvo 710", True)], [], [], [("Sample Interval in Seconds:", "99999")]],
        args=["--model", "Kelvo 710", "--interval", "99999"]),
    "battery, pump against lithium": dict(
        pages=[[("Kelvo 620", True)], [], [], [("Pump Type:", "P4T Low Pwr 2000 RPM")], [], [],
               [("Battery Type:", "Lithium (30 Amp-hr)"), ("Approximate Deployment Temperature (deg C):", "5")]],
        args=["--model", "Kelvo 620", "--pump", "P4T Low Pwr 2000 RPM", "--battery", "Lithium (30 Amp-hr)",
              "--temperature", "5"]),
    "oxygen battery, temperature before pressure and Tau20": dict(
        pages=[[("Kelvo 700 - Integral Pump and Integral Oxygen", True)], [], [], [],
               [("Approximate Deployment Temperature (deg C):", "41"),
                ("Approximate Deployment Pressure (decibars):", "0"),
                ("Tau20 From Oxygen Calibration Sheet", "99")]],
        args=["--model", "Kelvo 700 - Integral Pump and Integral Oxygen", "--temperature", "41",
              "--pressure", "0", "--tau20", "99"]),
    "oxygen battery, Tau20": dict(
        pages=[[("Kelvo 700 - Integral Pump and Integral Oxygen", True)], [], [], [],
               [("Approximate Deployment Temperature (deg C):", "10"),
                ("Approximate Deployment Pressure (decibars):", "500"),
                ("Tau20 From Oxygen Calibration Sheet", "0.4")]],
        args=["--model", "Kelvo 700 - Integral Pump and Integral Oxygen", "--temperature", "10",
              "--pressure", "500", "--tau20", "0.4"]),
}


def run_report(args):
    return subprocess.run([REPORT] + args, capture_output=True)


class BrowserWizardTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.downloads = tempfile.TemporaryDirectory()
        options = webdriver.ChromeOptions()
        # CI runs as root: Chromium needs --no-sandbox there.
        for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                    "--window-size=1280,800"):
            options.add_argument(arg)
        options.add_experimental_option("prefs", {"download.default_directory": cls.downloads.name,
                                                  "download.prompt_for_download": False})
        cls.driver = webdriver.Chrome(options=options)
        cls.driver.execute_cdp_cmd("Page.setDownloadBehavior",
                                   {"behavior": "allow", "downloadPath": cls.downloads.name})
        with open(AXE) as file:
            cls.axe = file.read()
        cls.audited = set()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.downloads.cleanup()

    def setUp(self):
        self.driver.get("file://" + os.path.abspath(PAGE))
        self.wait_for(lambda: self.driver.execute_script("return document.documentElement.dataset.ready"))
        self.audit()

    def audit(self):
        """axe-core over the page as it stands, once for each state seen (page, message, what shows)."""
        state = self.driver.execute_script(
            "return [document.getElementById('title').textContent, document.getElementById('message').textContent,"
            " Array.from(document.querySelectorAll('input,select,button,section'))"
            ".map(function (e) { return e.offsetParent ? 1 : 0; }).join('')].join('|')")
        if state in self.audited:
            return
        self.audited.add(state)
        if not self.driver.execute_script("return !!window.axe"):
            self.driver.execute_script(self.axe)
        result = self.driver.execute_async_script(
            "var done = arguments[arguments.length - 1];"
            "axe.run(document, {runOnly: {type: 'tag', values: arguments[0]}})"
            ".then(function (r) { done(r.violations.map(function (v) {"
            " return v.id + ': ' + v.nodes.map(function (n) { return n.target.join(' '); }).join(', '); })); },"
            " function (e) { done(['axe failed: ' + e]); });", AXE_RULES)
        self.assertEqual(result, [], f"axe-core on {state!r}")
    def wait_for(self, condition, seconds=10):
        end = time.time() + seconds
        while time.time() < end:
            value = condition()
            if value:
                return value
            time.sleep(0.05)
        self.fail("timed out")

    def by_id(self, name):
        return self.driver.find_element(By.ID, name)

    def title(self):
        return self.by_id("title").text

    def message(self):
        return self.by_id("message").text

    def control(self, name):
        for element in self.driver.find_elements(By.CSS_SELECTOR, "#controls input, #controls select"):
            if element.is_displayed() and element.accessible_name.strip() == name:
                return element
        self.fail(f"no visible control named {name!r} on page {self.title()!r}")

    # Keyboard only: Space on radio buttons and check boxes, the arrow keys in
    # lists, typing in fields, Enter on the wizard buttons.
    def act(self, name, value):
        element = self.control(name)
        if element.tag_name == "select":
            entries = [option.text for option in element.find_elements(By.TAG_NAME, "option")]
            target = entries.index(value)
            current = self.driver.execute_script("return arguments[0].selectedIndex", element)
            key = Keys.ARROW_DOWN if target > current else Keys.ARROW_UP
            for _ in range(abs(target - current)):
                element.send_keys(key)
            self.assertEqual(element.get_attribute("value"), value)
        elif element.get_attribute("type") == "text":
            element.send_keys(Keys.CONTROL, "a")
            element.send_keys(Keys.DELETE)
            element.send_keys(value)
        elif element.is_selected() != value:
            element.send_keys(Keys.SPACE)
        self.assertEqual(self.message(), "")
        self.audit()

    def press(self, button):
        self.by_id(button).send_keys(Keys.ENTER)
        self.audit()

    def walk(self, pages):
        """Answers the pages, pressing Next after each but the last; checks that each Next moves."""
        for index, page in enumerate(pages):
            for name, value in page:
                self.act(name, value)
            if index + 1 < len(pages):
                before = self.title()
                self.press("next")
                self.assertEqual(self.message(), "", f"refused on {before!r}")
                self.assertNotEqual(self.title(), before)

    def download(self, button="download", name="Kelvobatteryend.txt"):
        target = os.path.join(self.downloads.name, name)
        if os.path.exists(target):
            os.remove(target)
        self.press(button)
        self.wait_for(lambda: os.path.exists(target) and os.path.getsize(target) > 0)
        with open(target, "rb") as file:
            return file.read()

    def test_plans_reach_the_finish_page_and_download_the_export(self):
        for label, plan in PLANS.items():
            with self.subTest(plan=label):
                self.setUp()
                self.walk(plan["pages"])
                self.press("next")
                self.assertEqual(self.message(), "")
                self.assertTrue(self.by_id("finish").is_displayed())
                self.assertFalse(self.by_id("next").is_displayed())
                if plan["test"]:
                    self.by_id("test-mode").send_keys(Keys.SPACE)
                    self.audit()
                expected = run_report(plan["args"])
                self.assertEqual(expected.returncode, 0, expected.stderr)
                self.assertEqual(self.download(), expected.stdout)
                # The report box shows the same text, with plain line ends.
                shown = self.by_id("report").get_attribute("textContent")
                self.assertEqual(shown + "\n", expected.stdout.decode("latin-1").replace("\r\n", "\n"))

    def test_checked_pages_show_their_first_failure_and_stay(self):
        for label, plan in REFUSALS.items():
            with self.subTest(page=label):
                self.setUp()
                self.walk(plan["pages"])
                expected = run_report(plan["args"])
                self.assertEqual(expected.returncode, 1, expected.stderr)
                page = self.title()
                self.press("next")
                self.assertEqual(self.message() + "\n", expected.stderr.decode())
                self.assertEqual(self.title(), page)
                # Pressing Next again shows it again; no alert box ever opens.
                self.press("next")
                self.assertEqual(self.title(), page)
                self.assertNotEqual(self.message(), "")
                # Back with the same entries moves without a message.
                self.press("back")
                self.assertNotEqual(self.title(), page)
                self.assertEqual(self.message(), "")

    def open_plan(self, path):
        """Chooses the plan file on the introduction page; waits for the page it lands on or its message."""
        first = self.title()
        self.by_id("open-plan").send_keys(path)
        self.wait_for(lambda: self.title() != first or self.message())
        self.audit()

    def test_plan_saved_in_the_page_is_moorplan_reports_and_opens_to_its_report(self):
        plan = PLANS["Kelvo 610 path"]
        self.walk(plan["pages"])
        self.press("next")
        saved = self.download("save-plan", "plan.moorplan")
        expected = os.path.join(self.downloads.name, "expected.moorplan")
        report = run_report(plan["args"] + ["--save-plan", expected])
        self.assertEqual(report.returncode, 0, report.stderr)
        with open(expected, "rb") as file:
            self.assertEqual(saved, file.read())
        self.setUp()
        self.open_plan(expected)
        self.assertEqual(self.message(), "")
        self.assertTrue(self.by_id("finish").is_displayed())
        self.assertEqual(self.download(), report.stdout)
        # The breakdown: one slice per consumer of moorplan-report's, with its
        # share; the expected end counts the whole days from the chosen start.
        facts = json.loads(run_report(plan["args"] + ["--json"]).stdout)
        total = facts["breakdown"]["total"]
        slices = self.driver.find_elements(By.CSS_SELECTOR, "#breakdown > *")
        self.assertEqual([s.get_attribute("textContent") for s in slices],
                         [f"{p['name']} {100 * p['perDay'] / total:.1f} %" for p in facts["breakdown"]["parts"]])
        self.driver.execute_script("var d = document.getElementById('start-date'); d.value = '2026-12-07';"
                                   "d.dispatchEvent(new Event('input'));")
        end = datetime.date(2026, 12, 7) + datetime.timedelta(days=math.floor(facts["enduranceDays"]))
        self.assertEqual(self.by_id("end-date").text, end.strftime("%d %b %Y"))

    def test_opened_plan_stops_where_moorplan_report_does(self):
        # (file content, what moorplan-report prints before the message)
        cases = {"refused.moorplan": ('{"moorplan-plan": 1, "model": "Kelvo 710", "interval": 99999}', ""),
                 "bad.moorplan": ('{"moorplan-plan": 1,', "moorplan-report: "),
                 "model.moorplan": ('{"moorplan-plan": 1, "model": "Kelvo 999"}', "moorplan-report: "),
                 "unknown.moorplan": ('{"moorplan-plan": 1, "endurance": 3}', "moorplan-report: "),
                 "overflow.moorplan": ('{"moorplan-plan": 1, "temperature": -1e400}', "moorplan-report: ")}
        for name, (text, prefix) in cases.items():
            with self.subTest(plan=name):
                self.setUp()
                path = os.path.join(self.downloads.name, name)
                with open(path, "w") as file:
                    file.write(text)
                expected = subprocess.run([REPORT, "--plan", name], capture_output=True, cwd=self.downloads.name)
                self.assertEqual(expected.returncode, 2 if prefix else 1, expected.stderr)
                self.open_plan(path)
                self.assertEqual(prefix + self.message() + "\n", expected.stderr.decode())
                # A refusing page shows the plan's value; a file that cannot be used leaves the first page.
                if prefix:
                    self.assertTrue(self.by_id("open-plan").is_displayed())
                else:
                    self.assertEqual(self.control("Sample Interval in Seconds:").get_attribute("value"), "99999")

    def test_back_never_stays(self):
        self.walk(PLANS["Kelvo 700 pumped, test mode"]["pages"][:4])
        self.act("Sample Interval in Seconds:", "not a number")
        titles = [self.title()]
        while not self.by_id("back").get_attribute("disabled"):
            self.press("back")
            self.assertEqual(self.message(), "")
            self.assertNotIn(self.title(), titles)
            titles.append(self.title())
        self.assertEqual(len(titles), 4)

    def test_485_setting_offers_rs485_on_the_communications_page(self):
        self.walk([[("Kelvo 700 - Integral Pump", True)], []])
        self.assertFalse(self.control("RS 485").is_enabled())
        self.by_id("switch-485").send_keys(Keys.SPACE)
        self.act("RS 485", True)
        self.press("next")
        self.assertIn("RS-485", self.by_id("report").text)


if __name__ == "__main__":
    PAGE, REPORT, AXE = sys.argv[1], sys.argv[2], sys.argv[3]
    if not os.path.isfile(PAGE):
        sys.exit(f"{PAGE} is missing: build it with ./build.sh web")
    if not os.path.isfile(AXE):
        sys.exit(f"{AXE} is missing: ./build.sh web fetches it")
    unittest.main(argv=[sys.argv[0]] + sys.argv[4:], verbosity=2)
