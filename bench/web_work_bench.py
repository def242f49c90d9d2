#!/usr/bin/python3
"""Figures of the work around the page's form in headless Chromium: opening a
project of 200 rooms (the file read, the design replaced, the form, the room
selector and the project summary shown and painted; median of 10 opens,
limit 150 ms) and switching rooms in it (median of 60 switches, limit 16 ms).
The project is written by the native driver.

Usage: web_work_bench.py PAGE NATIVE_CLI
"""

import base64
import pathlib
import statistics
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

PAGE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/web/gelvant.html").resolve()
NATIVE_CLI = sys.argv[2] if len(sys.argv) > 2 else "build/release/src/cli/gelvant-cli"
ROOMS = 200

# Opens the file as a dropped file is opened, then waits for the next frame.
OPEN_FILE = """
const done = arguments[arguments.length - 1];
const bytes = Uint8Array.from(atob(arguments[0]), (c) => c.charCodeAt(0));
const file = new File([bytes], "bench.gelvant");
const start = performance.now();
window.gelvant.work.openFile(file).then(() => {
    const shown = performance.now();
    requestAnimationFrame(() => setTimeout(() => done([shown - start, performance.now() - start,
                                                        window.gelvant.work.state.rooms.length])));
});
"""

SWITCH_ROOM = """
const done = arguments[arguments.length - 1];
const start = performance.now();
window.gelvant.work.selectRoom(arguments[0]);
const shown = performance.now();
requestAnimationFrame(() => setTimeout(() => done([shown - start, performance.now() - start])));
"""


def project_file(folder):
    """200 rooms, each a little different, every one computed."""
    lines = []
    for room in range(ROOMS):
        if room:
            lines.append("room add")
        lines.append(f"type storeLength {30 + room % 40}")
        lines.append(f"type roomTemp {-(room % 25)}")
    lines += ["compute all", f"save {folder / 'rooms.gelvant'}"]
    subprocess.run([NATIVE_CLI], input="\n".join(lines).encode(), capture_output=True, check=True)
    return (folder / "rooms.gelvant").read_bytes()


def start_browser(folder):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", "--window-size=1400,1000",
                     "--user-data-dir=" + str(folder / "chromium")):
        options.add_argument(argument)
    options.set_capability("unhandledPromptBehavior", "accept")
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def main():
    folder = pathlib.Path(tempfile.mkdtemp(prefix="gelvant-bench-"))
    encoded = base64.b64encode(project_file(folder)).decode()
    browser = start_browser(folder)
    try:
        opens = []
        for _ in range(11):  # the first warms the browser's caches
            browser.get(PAGE.as_uri())
            WebDriverWait(browser, 10).until(
                lambda b: b.execute_script("return !!(window.gelvant && window.gelvant.ready)"))
            browser.execute_script("document.getElementById('message').close()")
            opens.append(browser.execute_async_script(OPEN_FILE, encoded))
        opens = opens[1:]
        assert all(o[2] == ROOMS for o in opens), opens
        switches = [browser.execute_async_script(SWITCH_ROOM, (i * 37 + 1) % ROOMS)
                    for i in range(60)]
    finally:
        browser.quit()
    print(f"open a project of {ROOMS} rooms: median {statistics.median(o[0] for o in opens):.0f} ms "
          f"shown, {statistics.median(o[1] for o in opens):.0f} ms painted "
          f"(max {max(o[1] for o in opens):.0f}, 10 opens; limit 150 ms)")
    print(f"switch rooms: median {statistics.median(s[0] for s in switches):.1f} ms shown, "
          f"{statistics.median(s[1] for s in switches):.1f} ms painted (60 switches; limit 16 ms)")


if __name__ == "__main__":
    main()
