"""Headless Chromium for the page's tests, benchmarks and pictures (Debian's
chromium, chromium-driver and python3-selenium)."""

import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def chromium_options(prefix="gelvant-chromium-", user_data_dir=None, window_size="1400,1000",
                     extra=()):
    """Headless, quiet, with a fresh profile: in user_data_dir if given, else in
    a new temporary folder named after prefix."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    profile = user_data_dir or tempfile.mkdtemp(prefix=prefix)
    for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", *extra,
                     "--window-size=" + window_size, "--user-data-dir=" + str(profile)):
        options.add_argument(argument)
    return options


def start_browser(options=None):
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"),
                            options=options or chromium_options())
