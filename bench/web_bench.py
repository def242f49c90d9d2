#!/usr/bin/python3
"""Figures of the page in each browser engine (Chromium, Firefox, WebKit, as
tests/web/browsers.py drives them): from opening gelvant.html to the
computed form painted (median of 10 loads), from a key typed into a box to
the form updated and painted (median of 40 keys), and the file's size.

Usage: web_bench.py [build/web/gelvant.html] [ENGINE...]
"""

import pathlib
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
import browsers  # noqa: E402

PAGE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/web/gelvant.html").resolve()
ENGINES = sys.argv[2:] or browsers.ENGINES

# Types one key into the length box as the browser delivers it (an input
# event), then waits for the next frame: the time to the form updated, and
# to it painted.
TYPE_ONE_KEY = """
const box = window.gelvant.boxes.storeLength;
box.value = arguments[0];
const start = performance.now();
box.dispatchEvent(new Event("input", {bubbles: true}));
const updated = performance.now();
return new Promise((done) => requestAnimationFrame(
    () => setTimeout(() => done([updated - start, performance.now() - start]))));
"""


def open_page(browser):
    browser.open(PAGE.as_uri())
    return browser.wait("return window.gelvant && window.gelvant.paintedAt", seconds=20)


def measure(engine):
    browser = browsers.start(engine)
    try:
        open_page(browser)  # the first load warms the browser's caches
        loads = [open_page(browser) for _ in range(10)]
        browser.run("document.getElementById('message').close()")
        keys = [browser.run(TYPE_ONE_KEY, str(50 + i % 7)) for i in range(40)]
    finally:
        browser.quit()
    return loads, keys


def main():
    print("| engine | open to computed form painted (ms, median of 10; min–max) "
          "| key to form updated / painted (ms, median of 40) |")
    print("| --- | --- | --- |")
    for engine in ENGINES:
        loads, keys = measure(engine)
        print(f"| {engine} | {statistics.median(loads):.0f} ({min(loads):.0f}–{max(loads):.0f}) "
              f"| {statistics.median(k[0] for k in keys):.1f} / "
              f"{statistics.median(k[1] for k in keys):.1f} |", flush=True)
    print(f"limits: open 300 ms, key 16 ms; gelvant.html: {PAGE.stat().st_size / 1e6:.2f} MB "
          f"(limit 3 MB)")


if __name__ == "__main__":
    main()
