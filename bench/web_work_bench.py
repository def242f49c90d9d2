#!/usr/bin/python3
"""Figures of the work around the page's form in each browser engine
(Chromium, Firefox, WebKit, as tests/web/browsers.py drives them): opening a
project of 200 rooms (the file read, the design replaced, the form, the room
selector and the project summary shown and painted; median of 10 opens,
limit 150 ms) and switching rooms in it (median of 60 switches, limit
16 ms). The same again with a personal library of 500 entries of each kind
in the browser's storage, which the project carries too, so that every
room's four lists show 500 entries more. The project is written by the
native driver.

Usage: web_work_bench.py PAGE NATIVE_CLI [ENGINE...]
"""

import base64
import json
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
ENTRIES = 500

# The file to drop, made beforehand: decoding the bench's copy of it is no
# part of opening it, and the garbage it leaves is collected before the open.
MAKE_FILE = """
const bytes = Uint8Array.from(atob(arguments[0]), (c) => c.charCodeAt(0));
window.benchFile = new File([bytes], "bench.gelvant");
return new Promise((done) => setTimeout(done, 200));
"""

# Opens the file as a dropped file is opened: shown once the title names it,
# painted at the next frame.
OPEN_FILE = """
const drop = new DataTransfer();
drop.items.add(window.benchFile);
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

# How many of the designer's own entries the goods-kind list shows.
ENTRIES_SHOWN = """
const list = window.gelvant.lists.goodsKindChoice;
return [...list.box.children].filter((li) => li.classList.contains("own")).length;
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


# Each kind's entries: a name of its own and values inside every key's range.
ENTRY_VALUES = {
    "site": {"ambientTemp": 31.5, "ambientHumidity": 80, "summerAirConditioningTemp": 33,
             "summerPressurePa": 99000},
    "product": {"waterContentPercent": 85, "freezingPoint": -1.5, "specificHeatUnfrozen": 3.8,
                "specificHeatFrozen": 2},
    "insulation": {"insulationConductivity": 0.03, "insulationDensity": 40,
                   "insulationSpecificHeat": 1.4},
    "goods": {"goodsDensity": 350},
}


def library_text():
    """A library file of ENTRIES entries of each kind."""
    library = {"format": "gelvant-library", "version": 1}
    for kind, values in ENTRY_VALUES.items():
        library[kind] = [dict(name=f"自家{n}", **values) for n in range(ENTRIES)]
    return json.dumps(library, ensure_ascii=False)


def project_file(folder, library=None):
    """200 rooms, each a little different, every one computed; with a
    library, started from it as a personal library, so the design carries it."""
    options = []
    if library:
        (folder / "library.json").write_text(library, encoding="utf-8")
        options = ["--library", str(folder / "library.json")]
    lines = []
    for room in range(ROOMS):
        if room:
            lines.append("room add")
        lines.append(f"type storeLength {30 + room % 40}")
        lines.append(f"type roomTemp {-(room % 25)}")
    lines += ["compute all", f"save {folder / 'rooms.gelvant'}"]
    subprocess.run([NATIVE_CLI, *options], input="\n".join(lines).encode(), capture_output=True,
                   check=True)
    return (folder / "rooms.gelvant").read_bytes()


def measure(engine, encoded, library=None):
    browser = browsers.start(engine)
    try:
        browser.open(PAGE.as_uri())
        browser.wait_ready_giving_up_copies()
        if library:  # the personal library, as the page keeps it
            browser.run("localStorage.setItem('gelvant-library', arguments[0])", library)
        opens = []
        for _ in range(11):  # the first warms the browser's caches
            browser.open(PAGE.as_uri())
            browser.wait_ready_giving_up_copies()
            if library:
                assert browser.run(ENTRIES_SHOWN) == ENTRIES, "the personal library is not shown"
            browser.run("document.getElementById('message').close()")
            browser.run(MAKE_FILE, encoded)
            opens.append(browser.run(OPEN_FILE))
        opens = opens[1:]
        assert all(o[2] == ROOMS for o in opens), opens
        switches = [browser.run(SWITCH_ROOM, (i * 37 + 1) % ROOMS) for i in range(60)]
    finally:
        browser.quit()
    return opens, switches


def main():
    library = library_text()
    with tempfile.TemporaryDirectory(prefix="gelvant-bench-") as folder:
        plain = base64.b64encode(project_file(pathlib.Path(folder))).decode()
        carrying = base64.b64encode(project_file(pathlib.Path(folder), library)).decode()
    print(f"| engine | personal library | open {ROOMS} rooms: shown / painted (ms, median of 10; "
          "max painted) | switch rooms: shown / painted (ms, median of 60; max painted) |")
    print("| --- | --- | --- | --- |")
    for engine in ENGINES:
        for what, encoded, personal in (("none", plain, None),
                                        (f"{ENTRIES} per kind", carrying, library)):
            opens, switches = measure(engine, encoded, personal)
            print(f"| {engine} | {what} | {statistics.median(o[0] for o in opens):.0f} / "
                  f"{statistics.median(o[1] for o in opens):.0f} ({max(o[1] for o in opens):.0f}) "
                  f"| {statistics.median(s[0] for s in switches):.1f} / "
                  f"{statistics.median(s[1] for s in switches):.1f} "
                  f"({max(s[1] for s in switches):.1f}) |", flush=True)
    print("limits: open 150 ms, switch 16 ms")


if __name__ == "__main__":
    main()
