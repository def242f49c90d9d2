"""The three browser engines the page is tested and measured in, behind one
small driver, so that a test is written once and run in each:

- chromium: Debian's chromium and chromium-driver, through Selenium;
- firefox: Debian's firefox-esr over WebDriver BiDi, through puppeteer-core
  (firefox_bridge.mjs; `npm ci` in this folder installs it, no browser);
- webkit: Debian's webkit2gtk-driver (WebKitWebDriver with MiniBrowser)
  through Selenium, on an Xvfb display of its own.

A test names elements by CSS selector and, where needed, by their text;
runs a function body in the page (its value, a promise's once settled);
waits on a condition, in the page or outside it (until), never for a fixed
time; and presses keys as chords such as "Control+a" or "Alt+Shift+Backspace".
"""

import base64
import json
import os
import pathlib
import signal
import subprocess
import tempfile
import time

HERE = pathlib.Path(__file__).resolve().parent
ENGINES = ("chromium", "firefox", "webkit")

# What the page shows of the current room, read the way a designer sees it:
# the box texts, each list's chosen item, the run-time texts, the controls
# that come and go.
READ_FORM = """
const page = window.gelvant, form = {fields: {}, lists: {}, texts: {}, visible: {}};
for (const [name, box] of Object.entries(page.boxes)) form.fields[name] = box.value;
for (const [name, list] of Object.entries(page.lists)) {
    const i = list.index;
    form.lists[name] = {index: i, text: i < 0 ? "" : list.items[i]};
}
for (const [name, text] of Object.entries(page.texts)) form.texts[name] = text.textContent;
for (const name of Object.keys(page.state.visible)) {
    const node = page.toggled[name] || page.lists[name].root;
    form.visible[name] = !node.classList.contains("gone");
}
return form;
"""

# Whether the page is ready or asks a question first (a recovery offer).
READY_OR_ASKING = """
return window.gelvant && window.gelvant.ready ? "ready"
     : document.querySelector("dialog.ask[open]") ? "asking" : null;
"""

# The first element that matches the selector and, if given, has the text
# (its own, or its first child's: a menu entry's label before its keys).
FIND = """
const [css, wanted] = arguments;
return [...document.querySelectorAll(css)].find((e) => wanted === null ||
    e.textContent.trim() === wanted ||
    (e.firstElementChild && e.firstElementChild.textContent.trim() === wanted)) || null;
"""


# Generous: WebKitGTK paints in software, and CI runs two tests at once on
# two cores. A wait that holds returns as soon as it holds.
def until(condition, what, seconds=30):
    """Calls condition until it gives a true value; that value."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimeoutError(f"never true: {what}")
        time.sleep(0.05)


class Browser:
    """One browser with one page; profile is the folder it keeps its data in
    (if not given, a temporary one, removed when the browser is done), so
    that a browser killed and started again on the same profile finds what
    the page stored."""

    engine = ""

    def __init__(self, profile=None, width=1400, height=1000):
        self.own_profile = None if profile else tempfile.TemporaryDirectory(
            prefix=f"gelvant-{self.engine}-", ignore_cleanup_errors=True)
        self.profile = pathlib.Path(profile or self.own_profile.name)
        self.width, self.height = width, height
        self.launch()

    # --- what every engine does alike ---------------------------------------------------

    def wait(self, body, *args, seconds=30):
        """Runs the function body until it gives a true value; that value."""
        return until(lambda: self.run(body, *args), f"{self.engine}: {body.strip()[:200]}",
                     seconds)

    def wait_ready(self, seconds=60):
        """Waits for the page's core to be loaded and its form shown."""
        self.wait("return !!(window.gelvant && window.gelvant.ready)", seconds=seconds)

    def wait_ready_giving_up_copies(self):
        """Waits for the page's form, giving up each copy an earlier page left
        for recovery, which the page offers first (a page left a moment
        after a change has left one)."""
        while self.wait(READY_OR_ASKING, seconds=60) == "asking":
            self.click("dialog.ask[open] button", "放弃")

    def read_form(self):
        return self.run(READ_FORM)

    def type_keys(self, name, keys):
        """Selects the text of the form's box and types over it key by key."""
        self.click(f'input[data-field="{name}"]')
        self.keys("Control+a")
        for key in keys:
            self.type(key)

    def pick(self, name, index):
        """Opens the form's list with the mouse and clicks its item."""
        self.click(f'.combo[data-list="{name}"] .combo-open')
        self.click(f'.combo[data-list="{name}"] li[data-index="{index}"]')

    # --- each engine's own ----------------------------------------------------------------

    def launch(self):
        raise NotImplementedError

    def open(self, url):
        raise NotImplementedError

    def run(self, body, *args):
        raise NotImplementedError

    def click(self, selector, text=None):
        raise NotImplementedError

    def keys(self, *chords):
        raise NotImplementedError

    def select(self, selector, index):
        """Picks the item of a <select> element."""
        raise NotImplementedError

    def type(self, text):
        raise NotImplementedError

    def upload(self, selector, path):
        raise NotImplementedError

    def resize(self, width, height):
        raise NotImplementedError

    def pdf(self):
        """The page printed to PDF, or None where the driver cannot print."""
        return None

    def title(self):
        return self.run("return document.title")

    def quit(self, crash=False):
        """Ends the browser; with crash, kills its processes at once, as a crash does."""
        try:
            self.stop(crash)
        finally:
            if self.own_profile:
                self.own_profile.cleanup()

    def stop(self, crash):
        raise NotImplementedError


def _descendants(pid):
    """The processes under pid, children first, from /proc."""
    children = {}
    for stat in pathlib.Path("/proc").glob("[0-9]*/stat"):
        try:
            fields = stat.read_text().rsplit(")", 1)[1].split()
        except OSError:
            continue
        children.setdefault(int(fields[1]), []).append(int(stat.parent.name))
    found, todo = [], [pid]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def _kill_all(pids):
    for pid in pids:
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass


class _Selenium(Browser):
    """What Chromium and WebKit share: a Selenium WebDriver session."""

    KEYS = None

    def run(self, body, *args):
        return self.driver.execute_script(body, *args)

    def open(self, url):
        self.driver.get(url)

    def element(self, selector, text=None):
        found = self.driver.execute_script(FIND, selector, text)
        if found is None:
            raise LookupError(f"no element {selector} {text or ''}")
        return found

    def click(self, selector, text=None):
        from selenium.common.exceptions import ElementNotInteractableException
        from selenium.webdriver.common.action_chains import ActionChains

        found = self.element(selector, text)
        try:
            found.click()
        except ElementNotInteractableException:
            # WebKitWebDriver takes a button in a <dialog> whose content is
            # wider than the dialog for one out of reach, though it is in
            # sight: the focus goes to it and the space bar presses it.
            self.run("arguments[0].focus()", found)
            ActionChains(self.driver).send_keys(" ").perform()

    def select(self, selector, index):
        from selenium.webdriver.support.ui import Select
        Select(self.element(selector)).select_by_index(index)

    def _key(self, name):
        from selenium.webdriver.common.keys import Keys
        named = {"Control": Keys.CONTROL, "Alt": Keys.ALT, "Shift": Keys.SHIFT,
                 "Backspace": Keys.BACKSPACE, "Enter": Keys.ENTER, "Escape": Keys.ESCAPE,
                 "Tab": Keys.TAB, "ArrowDown": Keys.ARROW_DOWN, "ArrowUp": Keys.ARROW_UP,
                 "PageUp": Keys.PAGE_UP, "PageDown": Keys.PAGE_DOWN, "Home": Keys.HOME,
                 "End": Keys.END, "F1": Keys.F1}
        return named.get(name, name)

    def keys(self, *chords):
        from selenium.webdriver.common.action_chains import ActionChains
        for chord in chords:
            *modifiers, last = chord.split("+") if chord != "+" else ["+"]
            actions = ActionChains(self.driver)
            for modifier in modifiers:
                actions.key_down(self._key(modifier))
            actions.send_keys(self._key(last))
            for modifier in reversed(modifiers):
                actions.key_up(self._key(modifier))
            actions.perform()

    def type(self, text):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.driver).send_keys(text).perform()

    def upload(self, selector, path):
        self.element(selector).send_keys(str(path))

    def resize(self, width, height):
        """The page's viewport to width × height."""
        self.driver.set_window_size(width, height)
        for _ in range(3):
            inner = self.run("return [window.innerWidth, window.innerHeight]")
            if inner == [width, height]:
                return
            size = self.driver.get_window_size()
            self.driver.set_window_size(size["width"] + width - inner[0],
                                        size["height"] + height - inner[1])

    def _stop_service(self):
        process = self.driver.service.process
        if process and process.poll() is None:
            process.kill()
            process.wait()

    def stop(self, crash):
        if crash:
            _kill_all(_descendants(self.driver.service.process.pid))
            self._stop_service()
            return
        try:
            self.driver.quit()
        finally:
            self._stop_service()


class Chromium(_Selenium):
    engine = "chromium"

    def launch(self):
        import chromium
        self.downloads = self.profile / "downloads"
        self.downloads.mkdir(exist_ok=True)
        options = chromium.chromium_options(user_data_dir=self.profile,
                                            window_size=f"{self.width},{self.height}")
        options.add_experimental_option("prefs", {
            "download.default_directory": str(self.downloads),
            "download.prompt_for_download": False})
        # Leaving a page with unsaved changes: the browser's question is answered "leave".
        options.set_capability("unhandledPromptBehavior", "accept")
        self.driver = chromium.start_browser(options)
        self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                    {"behavior": "allow", "downloadPath": str(self.downloads)})
        self.resize(self.width, self.height)

    def pdf(self):
        return base64.b64decode(self.driver.execute_cdp_cmd(
            "Page.printToPDF", {"preferCSSPageSize": True})["data"])


class WebKit(_Selenium):
    engine = "webkit"
    MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"

    def select(self, selector, index):
        # WebKitWebDriver cannot click a <select>'s option: the pick as the
        # browser announces it.
        self.run("const s = document.querySelector(arguments[0]); s.selectedIndex = arguments[1];"
                 "s.dispatchEvent(new Event('input', {bubbles: true}));"
                 "s.dispatchEvent(new Event('change', {bubbles: true}));", selector, index)

    def launch(self):
        from selenium import webdriver
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", "1", "-screen", "0", "1920x1200x24", "-nolisten", "tcp"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        display = ":" + self.xvfb.stdout.readline().decode().strip()
        options = webdriver.WebKitGTKOptions()
        options.binary_location = self.MINIBROWSER
        options.add_argument("--automation")
        options.set_capability("unhandledPromptBehavior", "accept")
        environment = dict(os.environ, DISPLAY=display, GDK_BACKEND="x11",
                           XDG_DATA_HOME=str(self.profile / "data"),
                           XDG_CACHE_HOME=str(self.profile / "cache"))
        saved = os.environ.copy()
        os.environ.clear()
        os.environ.update(environment)  # the driver and its browser inherit the display
        try:
            self.driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver",
                                              options=options)
        finally:
            os.environ.clear()
            os.environ.update(saved)
        self.resize(self.width, self.height)

    def stop(self, crash):
        try:
            super().stop(crash)
        finally:
            self.xvfb.kill()
            self.xvfb.wait()


class Firefox(Browser):
    engine = "firefox"

    def launch(self):
        self.bridge = subprocess.Popen(["node", str(HERE / "firefox_bridge.mjs")], cwd=HERE,
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.asked = 0
        self.pid = self.ask("launch", profile=str(self.profile), width=self.width,
                            height=self.height)

    def ask(self, op, **args):
        self.asked += 1
        self.bridge.stdin.write(json.dumps({"id": self.asked, "op": op, "args": args}) + "\n")
        self.bridge.stdin.flush()
        line = self.bridge.stdout.readline()
        if not line:
            raise RuntimeError("firefox: the bridge ended")
        answer = json.loads(line)
        if "error" in answer:
            raise RuntimeError(f"firefox: {op}: {answer['error']}")
        return answer["value"]

    def open(self, url):
        self.ask("goto", url=url)

    def run(self, body, *args):
        return self.ask("run", body=body, args=list(args))

    def click(self, selector, text=None):
        self.ask("click", selector=selector, text=text)

    def keys(self, *chords):
        self.ask("keys", chords=list(chords))

    def select(self, selector, index):
        self.ask("select", selector=selector, index=index)

    def type(self, text):
        self.ask("type", text=text)

    def upload(self, selector, path):
        self.ask("upload", selector=selector, path=str(path))

    def resize(self, width, height):
        self.ask("resize", width=width, height=height)

    def pdf(self):
        return base64.b64decode(self.ask("pdf"))

    def title(self):
        return self.ask("title")

    def _end_bridge(self):
        self.bridge.stdin.close()
        self.bridge.wait(timeout=30)

    def stop(self, crash):
        try:
            if crash:
                self.ask("kill")
            self.ask("quit")
        finally:
            self._end_bridge()


def browser_class(engine):
    return {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}[engine]


def start(engine, profile=None, width=1400, height=1000):
    return browser_class(engine)(profile, width, height)
