"""The 5-position mooring in Firefox ESR, headless, through Firefox's own
remote protocol (Marionette over its TCP socket; no separate driver): the
page opens the file and its table equals moorplan-report --mooring --json.

Usage: FirefoxMooringTest.py PAGE.html MOORPLAN-REPORT FIVE.mooring
"""
import json
import os
import socket
import subprocess
import sys
import tempfile
import time
import unittest

PAGE = REPORT = FIVE = ""


class Marionette:
    """A Firefox of its own, with a fresh profile, and commands to it."""

    def __init__(self):
        self.profile = tempfile.TemporaryDirectory()
        with open(os.path.join(self.profile.name, "user.js"), "w") as file:
            file.write('user_pref("marionette.port", 0);\n')
        self.process = subprocess.Popen(["firefox-esr", "--headless", "--marionette", "--no-remote",
                                         "--profile", self.profile.name],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile.name, "MarionetteActivePort")
        self.socket = None
        for _ in range(600):
            port = ""
            if os.path.exists(port_file):
                with open(port_file) as file:
                    port = file.read().strip()
            if port:
                self.socket = socket.create_connection(("127.0.0.1", int(port)), timeout=60)
                break
            time.sleep(0.1)
        if not self.socket:
            self.close()
            raise RuntimeError("Firefox did not open its remote protocol")
        self.buffer = b""
        self.next_id = 0
        self.receive()   # the greeting
        self.command("WebDriver:NewSession", {"capabilities": {}})

    def receive(self):
        while b":" not in self.buffer:
            self.buffer += self.socket.recv(65536)
        length, _, rest = self.buffer.partition(b":")
        while len(rest) < int(length):
            rest += self.socket.recv(65536)
        self.buffer = rest[int(length):]
        return json.loads(rest[:int(length)])

    def command(self, name, parameters=None):
        self.next_id += 1
        data = json.dumps([0, self.next_id, name, parameters or {}]).encode()
        self.socket.sendall(str(len(data)).encode() + b":" + data)
        _, _, error, result = self.receive()
        if error:
            raise RuntimeError(f"{name}: {error}")
        return result.get("value") if isinstance(result, dict) else result

    def script(self, text):
        return self.command("WebDriver:ExecuteScript", {"script": text, "args": []})

    def element(self, css):
        found = self.command("WebDriver:FindElement", {"using": "css selector", "value": css})
        return next(iter(found.values()))

    def close(self):
        if self.socket:
            self.socket.close()
        self.process.kill()
        self.process.wait()
        self.profile.cleanup()


class FirefoxMooringTest(unittest.TestCase):
    def wait_for(self, browser, script):
        for _ in range(300):
            value = browser.script(script)
            if value:
                return value
            time.sleep(0.1)
        self.fail("timed out: " + script)

    def test_five_position_mooring_table_matches_moorplan_report(self):
        browser = Marionette()
        try:
            browser.command("WebDriver:Navigate", {"url": "file://" + os.path.abspath(PAGE)})
            self.wait_for(browser, "return document.documentElement.dataset.ready")
            browser.command("WebDriver:ElementClick", {"id": browser.element("#show-mooring")})
            browser.command("WebDriver:ElementSendKeys", {"id": browser.element("#open-mooring"), "text": FIVE})
            self.wait_for(browser, "return document.querySelectorAll('#positions tbody tr').length")
            shown = browser.script(
                "var heads = Array.from(document.querySelectorAll('#positions thead th'), h => h.textContent);"
                "return Array.from(document.querySelectorAll('#positions tbody tr'), tr => Object.fromEntries("
                "  Array.from(tr.cells, (c, i) => [heads[i], c.querySelector('input') ? c.querySelector('input').value"
                "                                                                      : c.textContent])));")
            facts = json.loads(subprocess.run([REPORT, "--mooring", FIVE, "--json"], capture_output=True).stdout)
            self.assertEqual([(r["Label"], r["Days"], r["End"], r["Margin"], r["Status"]) for r in shown],
                             [(p["label"], f"{p['days']:.0f}", p["end"], str(p["margin"]), p["status"])
                              for p in facts["positions"]])
            self.assertEqual(browser.script("return document.getElementById('verdict').textContent"),
                             facts["verdict"])
        finally:
            browser.close()


if __name__ == "__main__":
    PAGE, REPORT, FIVE = sys.argv[1], sys.argv[2], os.path.abspath(sys.argv[3])
    unittest.main(argv=[sys.argv[0]] + sys.argv[4:], verbosity=2)
