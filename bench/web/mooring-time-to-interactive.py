#!/usr/bin/python3
"""Time to interactive of the browser page's mooring view with 50 positions,
in headless Chromium: each run starts a fresh browser, opens the page, shows
the mooring view and opens a 50-position mooring (50 different plans, made
from the test's five by varying the interval, so none is walked from another's
result), and reads the page's marks: the page taking input, and the file
chosen until its table, drawings and verdict are drawn and take input.

    bench/web/mooring-time-to-interactive.py [PAGE] [FIVE.mooring] [RUNS]
"""
import json
import os
import statistics
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.common.by import By

page = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build-web/moorplan.html")
five = sys.argv[2] if len(sys.argv) > 2 else "tests/mooring/fixtures/five.mooring"
runs = int(sys.argv[3]) if len(sys.argv) > 3 else 10

with open(five) as file:
    mooring = json.load(file)
positions = []
for n in range(50):
    position = json.loads(json.dumps(mooring["positions"][n % 5]))
    position["label"] = f"SN {n + 1:04d}"
    position["depth"] = 20 * (n + 1)
    position["plan"]["interval"] = position["plan"]["interval"] + 10 * (n // 5)
    positions.append(position)
mooring["positions"] = positions
folder = tempfile.TemporaryDirectory()
path = os.path.join(folder.name, "fifty.mooring")
with open(path, "w") as file:
    json.dump(mooring, file, indent=2)

options = webdriver.ChromeOptions()
for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1280,800"):
    options.add_argument(arg)


def mark(driver, name):
    for _ in range(400):
        found = driver.execute_script(f"var m = performance.getEntriesByName('{name}'); return m.length ? m[0].startTime : null;")
        if found is not None:
            return found
        time.sleep(0.025)
    sys.exit(f"no mark {name}")


page_times, view_times = [], []
for _ in range(runs):
    driver = webdriver.Chrome(options=options)
    try:
        driver.get("file://" + page)
        page_times.append(mark(driver, "moorplan-interactive"))
        driver.find_element(By.ID, "show-mooring").click()
        driver.find_element(By.ID, "open-mooring").send_keys(path)
        view_times.append(mark(driver, "moorplan-mooring-interactive") - mark(driver, "moorplan-mooring-chosen"))
        if len(driver.find_elements(By.CSS_SELECTOR, "#positions tbody tr")) != 50:
            sys.exit("the mooring did not open: " + driver.find_element(By.ID, "mooring-message").text)
    finally:
        driver.quit()

totals = [a + b for a, b in zip(page_times, view_times)]
print(f"page size: {os.path.getsize(page)} bytes ({os.path.getsize(page) / 1024 / 1024:.2f} MB)")
for name, times in (("page taking input", page_times), ("50-position mooring, chosen to interactive", view_times),
                    ("both together", totals)):
    print(f"{name} over {runs} fresh browsers: median {statistics.median(times):.0f} ms, "
          f"min {min(times):.0f} ms, max {max(times):.0f} ms")
