#!/usr/bin/python3
"""Size of the browser page and the time from opening the file to the first
page being interactive (the page's "moorplan-interactive" mark, set once the
first page's controls are drawn and take input), in headless Chromium.

    bench/web/time-to-interactive.py [PAGE] [RUNS]

Each run starts a fresh browser, so no compiled code is reused between runs.
"""
import os
import statistics
import sys
import time

from selenium import webdriver

page = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build-web/moorplan.html")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10

options = webdriver.ChromeOptions()
for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1280,800"):
    options.add_argument(arg)

times = []
for _ in range(runs):
    driver = webdriver.Chrome(options=options)
    try:
        driver.get("file://" + page)
        mark = None
        for _ in range(200):
            mark = driver.execute_script(
                "var m = performance.getEntriesByName('moorplan-interactive'); return m.length ? m[0].startTime : null;")
            if mark is not None:
                break
            time.sleep(0.05)
        if mark is None:
            sys.exit("the page never became interactive")
        times.append(mark)
    finally:
        driver.quit()

print(f"page size: {os.path.getsize(page)} bytes ({os.path.getsize(page) / 1024 / 1024:.2f} MB)")
print(f"time to interactive over {runs} fresh browsers: median {statistics.median(times):.0f} ms, "
      f"min {min(times):.0f} ms, max {max(times):.0f} ms")
print("each run (ms):", " ".join(f"{t:.0f}" for t in times))
