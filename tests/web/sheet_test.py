#!/usr/bin/python3
"""The calculation sheet the page prints against the window's PDF of the same
design (`gelvant --report`). Both are laid out from one report model, so once
the PDF's running title and footers are set aside and the line breaks and
spacing of either layout are ignored, they read the same: every heading,
column title, label and figure, in the same order.

Usage: sheet_test.py PAGE NATIVE_APP DESIGN   (Debian's python3-selenium,
chromium, chromium-driver and poppler-utils)
"""

import base64
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

import chromium

PAGE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/web/gelvant.html").resolve()
NATIVE_APP = sys.argv[2] if len(sys.argv) > 2 else "build/dev/src/app/gelvant"
DESIGN = pathlib.Path(sys.argv[3] if len(sys.argv) > 3
                      else "examples/distribution-cold-store.gelvant").resolve()

PAGE_NUMBER = re.compile(r"第 \d+ 页 共 \d+ 页")
# A font draws these alike, and the PDF's text may name either.
SAME_GLYPH = str.maketrans("〜", "～")


def pdf_info(pdf):
    return subprocess.run(["pdfinfo", str(pdf)], capture_output=True, check=True,
                          text=True).stdout


def sheet_text(pdf):
    """The sheet's text in the order it was laid out, without the PDF's page
    furniture (the running title, which starts as the title does, and the
    footer with the page number), and without any white space."""
    lines = subprocess.run(["pdftotext", "-raw", str(pdf), "-"], capture_output=True,
                           check=True, text=True).stdout.splitlines()
    title = lines[0]
    body = [lines[0]] + [line for line in lines[1:]
                         if not line.startswith(title) and not PAGE_NUMBER.search(line)]
    return re.sub(r"\s+", "", "".join(body)).translate(SAME_GLYPH)


class SheetTest(unittest.TestCase):
    def setUp(self):
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="gelvant-sheet-"))
        self.browser = chromium.start_browser(
            chromium.chromium_options(user_data_dir=self.folder / "profile"))
        self.addCleanup(self.browser.quit)

    def print_page(self):
        """Opens the design in the page and prints its sheet to a PDF."""
        browser = self.browser
        browser.get(PAGE.as_uri())
        chromium.wait_ready(browser)
        while browser.execute_script("return document.getElementById('message').open"):
            browser.find_element(By.CSS_SELECTOR, "#message button").click()
        browser.find_element(By.CSS_SELECTOR, 'input[type="file"]').send_keys(str(DESIGN))
        WebDriverWait(browser, 10).until(lambda b: b.title.startswith(DESIGN.name))
        browser.execute_script("window.print = () => { window.gelvant.printed = true; }")
        browser.find_element(By.XPATH, '//nav[@id="menubar"]//button[text()="文件"]').click()
        browser.find_element(
            By.XPATH, '//nav[@id="menubar"]//button[@role="menuitem"][span="打印计算书..."]').click()
        WebDriverWait(browser, 10).until(
            lambda b: b.execute_script("return window.gelvant.printed === true"))
        pdf = self.folder / "page.pdf"
        pdf.write_bytes(base64.b64decode(browser.execute_cdp_cmd(
            "Page.printToPDF", {"preferCSSPageSize": True})["data"]))
        return pdf

    def test_the_printed_sheet_reads_as_the_windows_pdf(self):
        window = self.folder / "window.pdf"
        subprocess.run([NATIVE_APP, "--report", str(window), str(DESIGN)], check=True,
                       env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        page = self.print_page()

        info = pdf_info(page)
        self.assertRegex(info, r"Page size:.*\(A4\)")
        rooms = len(re.findall(r"库房：", sheet_text(window)))
        self.assertGreaterEqual(rooms, 2)  # a project of several rooms, each on pages of its own
        self.assertGreaterEqual(int(re.search(r"Pages:\s+(\d+)", info).group(1)), rooms + 2)

        printed, expected = sheet_text(page), sheet_text(window)
        if printed != expected:
            at = next((i for i, (a, b) in enumerate(zip(printed, expected)) if a != b),
                      min(len(printed), len(expected)))
            self.fail(f"the sheets part after {at} characters:\n"
                      f"  page:   …{printed[max(0, at - 40):at + 60]}\n"
                      f"  window: …{expected[max(0, at - 40):at + 60]}")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
