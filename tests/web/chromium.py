"""Headless Chromium for the page's tests, benchmarks and pictures (Debian's
chromium, chromium-driver and python3-selenium), and what they read of the
page the same way."""

import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

# What the page shows of the current room, read the way a designer sees it:
# the box texts, each list's chosen item, the run-time texts, the controls
# that come and go.
READ_FORM = """
const page = window.gelvant, form = {fields: {}, lists: {}, texts: {}, visible: {}};
for (const [name, box] of Object.entries(page.boxes)) form.fields[name] = box.value;
for (const [name, list] of Object.entries(page.lists)) {
    const i = list.selectedIndex;
    form.lists[name] = {index: i, text: i < 0 ? "" : list.options[i].text.replace(/\\u00a0/g, " ")};
}
for (const [name, text] of Object.entries(page.texts)) form.texts[name] = text.textContent;
for (const name of Object.keys(page.state.visible)) {
    const node = page.toggled[name] || page.lists[name];
    form.visible[name] = !node.classList.contains("gone");
}
return form;
"""


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


def wait_ready(browser, seconds=10):
    """Waits for the page to have its core loaded and its form shown."""
    WebDriverWait(browser, seconds).until(
        lambda b: b.execute_script("return !!(window.gelvant && window.gelvant.ready)"))


def type_keys(browser, name, keys):
    """Selects the text of the form's box and types over it key by key."""
    box = browser.find_element(By.CSS_SELECTOR, f'input[data-field="{name}"]')
    box.click()
    box.send_keys(Keys.CONTROL, "a")
    for key in keys:
        box.send_keys(key)


def pick(browser, name, index):
    """Chooses the item of the form's list."""
    Select(browser.find_element(By.CSS_SELECTOR, f'select[data-list="{name}"]')) \
        .select_by_index(index)
