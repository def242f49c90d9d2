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

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from chromium import chromium_options, start_browser, wait_ready  # noqa: E402

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


def main():
    folder = pathlib.Path(tempfile.mkdtemp(prefix="gelvant-bench-"))
    encoded = base64.b64encode(project_file(folder)).decode()
    options = chromium_options(user_data_dir=folder / "chromium")
    options.set_capability("unhandledPromptBehavior", "accept")
    browser = start_browser(options)
    try:
        opens = []
        for _ in range(11):  # the first warms the browser's caches
            browser.get(PAGE.as_uri())
            wait_ready(browser)
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
