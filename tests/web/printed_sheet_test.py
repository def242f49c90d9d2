#!/usr/bin/python3
"""The calculation sheet the page prints against the window's PDF of the same
design (`gelvant --report`). Both are laid out from one report model, so once
the PDF's running title and footers are set aside and the line breaks and
spacing of either layout are ignored, they read the same: every heading,
column title, label and figure, in the same order.

Usage: printed_sheet_test.py PAGE NATIVE_APP DESIGN   (Debian's python3-selenium,
chromium, chromium-driver and poppler-utils)
"""

import os
import pathlib
import re
import subprocess
import sys
import tempfile
import unittest

import browsers

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
        self.folder = pathlib.Path(self.enterContext(tempfile.TemporaryDirectory()))
        self.browser = browsers.start("chromium")
        self.addCleanup(self.browser.quit)

    def print_page(self):
        """Opens the design in the page and prints its sheet to a PDF."""
        browser = self.browser
        browser.open(PAGE.as_uri())
        browser.wait_ready()
        while browser.run("return document.getElementById('message').open"):
            browser.click("#message button")
        browser.upload('input[type="file"]', DESIGN)
        browser.wait("return document.title.startsWith(arguments[0])", DESIGN.name)
        # The browser's print dialog stays shut; the test prints the page itself.
        browser.run("window.print = () => { window.gelvant.printed = true; }")
        browser.click("#menubar .opener", "文件")
        browser.click("#menubar [role=menuitem]", "打印计算书...")
        browser.wait("return window.gelvant.printed === true")
        pdf = self.folder / "page.pdf"
        pdf.write_bytes(browser.pdf())
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
