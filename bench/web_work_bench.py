#!/usr/bin/python3
"""Figures of the work around the page's form in each browser engine
(Chromium, Firefox, WebKit, as tests/web/browsers.py drives them): opening a
project of 200 rooms (the file read, the design replaced, the form, the room
selector and the project summary shown and painted; median of 10 opens,
limit 150 ms) and switching rooms in it (median of 60 switches, limit
16 ms). The project is written by the native driver.

Usage: web_work_bench.py PAGE NATIVE_CLI [ENGINE...]
"""

import base64
import pathlib
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
import browsers  # noqa: E402

PAGE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/web/gelvant.html").resolve()
NATIVE_CLI = sys.argv[2] if len(sys.argv) > 2 else "build/release/src/cli/gelvant-cli"
ENGINES = sys.argv[3:] or browsers.ENGINES
ROOMS = 200

# Opens the file as a dropped file is opened: shown once the title names it,
# painted at the next frame.
OPEN_FILE = """
const bytes = Uint8Array.from(atob(arguments[0]), (c) => c.charCodeAt(0));
const drop = new DataTransfer();
drop.items.add(new File([bytes], "bench.gelvant"));
const start = performance.now();
return new Promise((done) => {
    const title = new MutationObserver(() => {
        if (!document.title.startsWith("bench.gelvant")) return;
        title.disconnect();
        const shown = performance.now();
        requestAnimationFrame(() => setTimeout(() => done([shown - start, performance.now() - start,
            document.getElementById("room-select").options.length])));
    });
    title.observe(document.querySelector("title"), {childList: true, characterData: true,
                                                    subtree: true});
    document.body.dispatchEvent(new DragEvent("drop", {dataTransfer: drop, bubbles: true,
                                                       cancelable: true}));
});
"""

# Picks the room in the room list, as the designer does.
SWITCH_ROOM = """
const rooms = document.getElementById("room-select");
const start = performance.now();
rooms.selectedIndex = arguments[0];
rooms.dispatchEvent(new Event("change"));
const shown = performance.now();
return new Promise((done) => requestAnimationFrame(
    () => setTimeout(() => done([shown - start, performance.now() - start]))));
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


def measure(engine, encoded):
    browser = browsers.start(engine)
    try:
        opens = []
        for _ in range(11):  # the first warms the browser's caches
            browser.open(PAGE.as_uri())
            browser.wait_ready_giving_up_copies()
            browser.run("document.getElementById('message').close()")
            opens.append(browser.run(OPEN_FILE, encoded))
        opens = opens[1:]
        assert all(o[2] == ROOMS for o in opens), opens
        switches = [browser.run(SWITCH_ROOM, (i * 37 + 1) % ROOMS) for i in range(60)]
    finally:
        browser.quit()
    return opens, switches


def main():
    with tempfile.TemporaryDirectory(prefix="gelvant-bench-") as folder:
        encoded = base64.b64encode(project_file(pathlib.Path(folder))).decode()
    print(f"| engine | open {ROOMS} rooms: shown / painted (ms, median of 10; max painted) "
          "| switch rooms: shown / painted (ms, median of 60) |")
    print("| --- | --- | --- |")
    for engine in ENGINES:
        opens, switches = measure(engine, encoded)
        print(f"| {engine} | {statistics.median(o[0] for o in opens):.0f} / "
              f"{statistics.median(o[1] for o in opens):.0f} ({max(o[1] for o in opens):.0f}) "
              f"| {statistics.median(s[0] for s in switches):.1f} / "
              f"{statistics.median(s[1] for s in switches):.1f} |", flush=True)
    print("limits: open 150 ms, switch 16 ms")


if __name__ == "__main__":
    main()
