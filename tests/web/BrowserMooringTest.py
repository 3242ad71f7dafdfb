"""The browser page's mooring view in headless Chromium, from the keyboard.

Every figure the table shows must be moorplan-report --mooring's for the same
file; a plan changed through the wizard and saved must read back in
moorplan-report to the table the page shows; a bad file shows the line
moorplan-report prints; axe-core finds nothing on any state visited.

Usage: BrowserMooringTest.py PAGE.html MOORPLAN-REPORT AXE.min.js FIVE.mooring [unittest arguments]
"""
import datetime
import json
import os
import subprocess
import sys
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import BrowserWizardTest as wizard

FIVE = ""
# The table's columns the figures are compared in, and the JSON fields they show.
FIGURES = {"Days": "days", "End": "end", "Margin": "margin", "Status": "status"}


def report(*args, cwd=None):
    return subprocess.run([wizard.REPORT, *args], capture_output=True, cwd=cwd)


class BrowserMooringTest(wizard.BrowserCase):
    def mooring_view(self):
        self.press("show-mooring")
        self.assertTrue(self.by_id("mooring-view").is_displayed())

    def open_mooring(self, path):
        before = self.driver.execute_script("return document.getElementById('mooring-heading').textContent")
        self.by_id("open-mooring").send_keys(path)
        self.wait_for(lambda: self.by_id("mooring-message").text or self.by_id("mooring-heading").text != before)
        self.audit()

    def table(self):
        """The positions' table as the page shows it: one dict per row, under its column headings."""
        headings = [h.text for h in self.driver.find_elements(By.CSS_SELECTOR, "#positions thead th")]
        rows = []
        for tr in self.driver.find_elements(By.CSS_SELECTOR, "#positions tbody tr"):
            cells = tr.find_elements(By.TAG_NAME, "td")
            rows.append({h: (c.find_elements(By.TAG_NAME, "input") or [c])[0].get_attribute("value") or c.text
                         for h, c in zip(headings, cells)})
        return rows

    def assert_table_is_reports(self, path):
        """The table, row by row, and the verdict, against moorplan-report --mooring --json on the file."""
        facts = json.loads(report("--mooring", path, "--json").stdout)
        rows = self.table()
        self.assertEqual([r["Label"] for r in rows], [p["label"] for p in facts["positions"]])
        for row, position in zip(rows, facts["positions"]):
            with self.subTest(position=position["label"]):
                expected = {"days": "" if position["days"] is None else f"{position['days']:.0f}",
                            "end": position["end"] or "", "margin": "" if position["margin"] is None
                            else str(position["margin"]), "status": position["status"]}
                self.assertEqual({FIGURES[h]: row[h] for h in FIGURES}, expected)
        self.assertEqual(self.by_id("verdict").text, facts["verdict"])
        return facts

    def type_into(self, element_id, text):
        element = self.by_id(element_id)
        element.send_keys(Keys.CONTROL, "a")
        element.send_keys(text + Keys.TAB)

    def test_five_positions_open_edit_through_the_wizard_and_save_to_the_same_table(self):
        self.mooring_view()
        self.audit()
        self.open_mooring(FIVE)
        self.assertEqual(self.by_id("mooring-message").text, "")
        facts = self.assert_table_is_reports(FIVE)
        # The drawings say in words what they show.
        for chart in ("line", "timeline"):
            told = self.by_id(chart).get_attribute("aria-label")
            self.assertTrue(all(p["label"] in told for p in facts["positions"]), told)
        self.audit()

        # SN 6101's plan in the wizard: it lands on the finish page; a shorter
        # interval there, then Exit, puts it back.
        self.press("pos-0-plan")
        self.assertTrue(self.by_id("finish").is_displayed())
        self.assertEqual(self.message(), "")
        # Its expected end is the table's, counted from the mooring's deployment.
        self.assertEqual(datetime.datetime.strptime(self.by_id("end-date").text, "%d %b %Y").date().isoformat(),
                         facts["positions"][0]["end"])
        self.audit()
        while "Sample Interval in Seconds:" not in self.by_id("controls").text:
            self.press("back")
        self.act("Sample Interval in Seconds:", "300")
        while not self.by_id("finish").is_displayed():
            self.press("next")
            self.assertEqual(self.message(), "")
        self.press("finish")
        self.assertTrue(self.by_id("mooring-view").is_displayed())

        # Label, depth and notes typed; the last position moved up; a position
        # added from the current plan and removed again.
        self.type_into("pos-0-depth", "55.5")
        self.type_into("pos-1-notes", "moved, \"checked\"")
        self.type_into("pos-2-label", "SN 7003b")
        self.press("pos-4-up")
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("id"), "pos-3-up")
        self.press("add-current")
        self.assertEqual(len(self.table()), 6)
        self.press("pos-5-remove")
        self.type_into("pos-0-depth", "deep")
        self.assertIn("the depth must be a number of metres", self.by_id("mooring-message").text)
        self.assertEqual(self.by_id("pos-0-depth").get_attribute("value"), "55.5")

        saved = os.path.join(self.downloads.name, "five.mooring")
        self.download("save-mooring", "five.mooring")
        with open(saved) as file:
            positions = json.load(file)["positions"]
        self.assertEqual([(p["label"], p["depth"], p.get("notes")) for p in positions],
                         [("SN 6101", 55.5, None), ("SN 6202", 120, "moved, \"checked\""), ("SN 7003b", 300, None),
                          ("SN 7105", 1500, None), ("SN 7304", 800, None)])
        self.assertEqual(positions[0]["plan"]["interval"], 300)
        self.assertNotEqual(self.assert_table_is_reports(saved)["positions"][0]["days"],
                            facts["positions"][0]["days"])
        self.assertEqual(self.download("download-csv", "five.csv"), report("--mooring", saved, "--csv").stdout)

    def test_finish_page_adds_to_a_new_mooring_and_plans_are_imported(self):
        plan = wizard.PLANS["Kelvo 610 path"]
        self.walk(plan["pages"])
        self.press("next")
        self.press("add-to-mooring")
        self.assertEqual([r["Label"] for r in self.table()], ["Position 1"])
        path = os.path.join(self.downloads.name, "deep.moorplan")
        self.assertEqual(report(*plan["args"], "--save-plan", path).returncode, 0)
        self.by_id("import-plan").send_keys(path)
        self.wait_for(lambda: len(self.table()) == 2)
        rows = self.table()
        self.assertEqual(rows[1]["Label"], "deep")
        self.assertEqual(rows[0]["Days"], rows[1]["Days"])
        self.audit()
        # A new position: a fresh run of the wizard, added by Exit.
        self.press("add-new")
        self.walk(wizard.PLANS["Kelvo 620, typical"]["pages"])
        self.press("next")
        self.press("finish")
        self.assertEqual([r["Label"] for r in self.table()], ["Position 1", "deep", "Position 3"])

    def test_bad_files_show_moorplan_reports_line_in_the_alert(self):
        with open(FIVE) as file:
            five = file.read()
        cases = {"broken.mooring": five[:200],
                 "late.mooring": five.replace("2026-03-15", "2024-03-15"),
                 "days.mooring": five.replace('"interval": 900', '"interval": 900, "days": 3'),
                 "notaplan.mooring": five.replace('"Kelvo 710"', '"Kelvo 999"')}
        self.mooring_view()
        self.open_mooring(FIVE)
        for name, text in cases.items():
            with self.subTest(file=name):
                path = os.path.join(self.downloads.name, name)
                with open(path, "w") as file:
                    file.write(text)
                expected = report("--mooring", name, cwd=self.downloads.name)
                self.assertEqual(expected.returncode, 2, expected.stderr)
                self.open_mooring(path)
                self.assertEqual("moorplan-report: " + self.by_id("mooring-message").text + "\n",
                                 expected.stderr.decode())
                # The mooring that was open stays.
                self.assertEqual(len(self.table()), 5)
        self.audit()


if __name__ == "__main__":
    wizard.PAGE, wizard.REPORT, wizard.AXE, FIVE = sys.argv[1], sys.argv[2], sys.argv[3], os.path.abspath(sys.argv[4])
    unittest.main(argv=[sys.argv[0]] + sys.argv[5:], verbosity=2)
