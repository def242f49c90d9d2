#!/usr/bin/python3
"""Figures of the page in headless Chromium (Debian's chromium, chromium-driver
and python3-selenium): from opening gelvant.html to the computed form
painted (median of 10 loads), from a key typed into a box to the form
updated and painted (median of 40 keys), and the file's size.

Usage: web_bench.py [build/web/gelvant.html]
"""

import pathlib
import statistics
import sys

from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from chromium import chromium_options, start_browser  # noqa: E402

PAGE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/web/gelvant.html").resolve()

# Types one key into the length box as the browser delivers it (an input
# event), then waits for the next frame: the time to the form updated, and
# to it painted.
TYPE_ONE_KEY = """
const done = arguments[arguments.length - 1];
const box = window.gelvant.boxes.storeLength;
box.value = arguments[0];
const start = performance.now();
box.dispatchEvent(new Event("input", {bubbles: true}));
const updated = performance.now();
requestAnimationFrame(() => setTimeout(() => done([updated - start, performance.now() - start])));
"""


def open_page(browser):
    browser.get(PAGE.as_uri())
    WebDriverWait(browser, 10).until(
        lambda b: b.execute_script("return window.gelvant && window.gelvant.paintedAt"))
    return browser.execute_script("return window.gelvant.paintedAt")


def main():
    browser = start_browser(chromium_options(prefix="gelvant-bench-"))
    try:
        open_page(browser)  # the first load warms the browser's caches
        loads = [open_page(browser) for _ in range(10)]
        browser.execute_script("document.getElementById('message').close()")
        keys = [browser.execute_async_script(TYPE_ONE_KEY, str(50 + i % 7)) for i in range(40)]
    finally:
        browser.quit()
    print(f"open to computed form painted: median {statistics.median(loads):.0f} ms "
          f"(min {min(loads):.0f}, max {max(loads):.0f}, 10 loads; limit 300 ms)")
    print(f"key to form updated: median {statistics.median(k[0] for k in keys):.1f} ms, "
          f"to the next frame painted {statistics.median(k[1] for k in keys):.1f} ms "
          f"(40 keys; limit 16 ms)")
    print(f"gelvant.html: {PAGE.stat().st_size / 1e6:.2f} MB (limit 3 MB)")


if __name__ == "__main__":
    main()
