#!/usr/bin/python3
"""The work around the form in a real browser: one engine (chromium, firefox
or webkit, see browsers.py) opens gelvant.html from the disk, and a
designer's afternoon of rooms, typing, undo and a download is compared byte
for byte with the native gelvant-cli doing the same; a reopened file, refused
files, the CSV of the results, the question before a sheet of results not
computed again and the page's keys are checked as the designer sees them
(the printed calculation sheet is printed_sheet_test.py's). The
recovery copy is tested as a designer loses work: the browser killed as soon
as the copy is in its store, and started again on the same profile; a copy
the browser refuses is said under the menus, and a damaged copy is refused
with its reason. The test watches what the page hands the browser (a
download, the clipboard) from outside it, as WATCH_PAGE says.

Usage: work_test.py PAGE NATIVE_CLI [ENGINE]   (Debian's python3 and
poppler-utils)
"""

import base64
import json
import pathlib
import subprocess
import sys
import tempfile
import time
import unittest

import browsers

PAGE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/web/gelvant.html").resolve()
NATIVE_CLI = sys.argv[2] if len(sys.argv) > 2 else "build/dev/src/cli/gelvant-cli"
ENGINE = sys.argv[3] if len(sys.argv) > 3 else "chromium"

SECTIONS = ("fields", "lists", "texts", "visible")
ASKED = "const d = document.querySelector('dialog.ask[open]'); return d ? d.textContent : null"


def native(script):
    """Runs the native driver on the script; its dumps, one per line."""
    run = subprocess.run([NATIVE_CLI], input=script.encode(), capture_output=True, check=True)
    return [json.loads(line) for line in run.stdout.decode().splitlines()]


def form_only(dump):
    return {section: dump[section] for section in SECTIONS}


class Designer:
    """What a designer does on the page, in any engine."""

    def __init__(self, browser):
        self.browser = browser

    def open_page(self):
        self.browser.open(PAGE.as_uri())
        self.browser.run(WATCH_PAGE)
        self.browser.wait(browsers.READY_OR_ASKING)

    def menu(self, title, entry):
        self.browser.click("#menubar .opener", title)
        self.browser.click("#menubar [role=menuitem]", entry)

    def select_room(self, index):
        self.browser.select("#room-select", index)

    def answer(self, button, text=None):
        """Answers the box the page asks with, typing text into it first if given."""
        asked = self.browser.wait(ASKED)
        if text is not None:
            self.browser.click("dialog.ask[open] input")
            self.browser.keys("Control+a")
            self.browser.type(text)
        self.browser.click("dialog.ask[open] button", button)
        return asked

    def close_messages(self):
        shown = []
        while self.browser.run("return document.getElementById('message').open"):
            shown.append(self.browser.run(
                "return document.getElementById('message-text').textContent"))
            self.browser.click("#message button")
        return shown

    def work(self):
        return self.browser.run("return window.gelvant.work.state")

    def downloaded(self, name):
        """The bytes the page handed the browser to download under the name."""
        return base64.b64decode(self.browser.wait("""
            const blob = window.watched.downloads[arguments[0]];
            return blob && blob.arrayBuffer().then((bytes) => btoa(Array.from(
                new Uint8Array(bytes), (b) => String.fromCharCode(b)).join("")));""", name))

    def open_file(self, path):
        self.browser.upload('input[type="file"]', path)


class WorkTest(unittest.TestCase, Designer):
    @classmethod
    def setUpClass(cls):
        cls.browser = browsers.start(ENGINE)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()

    def setUp(self):
        self.folder = pathlib.Path(self.enterContext(tempfile.TemporaryDirectory()))
        self.open_page()
        self.browser.wait_ready_giving_up_copies()
        self.close_messages()

    # --- the tests -----------------------------------------------------------------------

    def test_a_designers_afternoon_downloads_the_native_bytes_and_opens_again(self):
        self.menu("库房", "新增库房")
        self.menu("库房", "新增库房")
        self.select_room(1)
        self.menu("库房", "复制库房")
        self.menu("库房", "重命名...")
        self.answer("确定", "冷藏间A")
        self.browser.type_keys("storeLength", "60")
        self.browser.pick("siteChoice", 5)
        self.select_room(0)
        self.browser.type_keys("storeWidth", "9")
        self.browser.pick("insulationChoice", 2)
        self.select_room(1)
        self.browser.type_keys("doorWidth", "12")
        self.menu("库房", "全部重新计算")
        if self.browser.run(ASKED):
            self.answer("确定")
        for _ in range(3):
            self.menu("编辑", "撤销")
        self.menu("编辑", "重做")
        self.assertEqual(self.close_messages(), [])
        self.assertEqual(self.browser.title(), "无标题* - Gelvant")

        folder = self.folder
        native_file = folder / "native.gelvant"
        rooms = ("room add\nroom add\nroom select 1\nroom copy\nroom rename 冷藏间A\n"
                 "type storeLength 6\ntype storeLength 60\nchoose siteChoice 5\nroom select 0\n"
                 "type storeWidth 9\nchoose insulationChoice 2\nroom select 1\n"
                 "type doorWidth 1\ntype doorWidth 12\ncompute all\nundo\nundo\nundo\nredo\n")
        native(rooms + f"save {native_file}\n")
        self.assertEqual(self.work()["rooms"], ["库房1", "库房2", "冷藏间A", "库房3"])
        expected = native(rooms + "dump\n")[-1]
        self.assertEqual(form_only(self.browser.read_form()), form_only(expected))

        self.menu("文件", "保存")
        saved = self.downloaded("无标题.gelvant")
        self.assertEqual(saved, native_file.read_bytes())
        self.assertEqual(self.browser.title(), "无标题.gelvant - Gelvant")
        if ENGINE == "chromium":  # where the test sets the browser's download folder
            on_disk = self.browser.downloads / "无标题.gelvant"
            browsers.until(lambda: on_disk.exists() and on_disk.read_bytes() == saved,
                           "the download is on the disk")
        (folder / "无标题.gelvant").write_bytes(saved)

        # A fresh page opens the file to the same rooms and forms.
        self.open_page()
        self.browser.wait_ready()
        self.close_messages()
        self.open_file(folder / "无标题.gelvant")
        self.browser.wait("return window.gelvant.work.state.rooms.length === 4")
        self.assertEqual(self.browser.title(), "无标题.gelvant - Gelvant")
        script = f"open {native_file}\n" + "".join(
            f"room select {i}\ndump\n" for i in range(4))
        expected = native(script)
        for room, dump in enumerate(expected):
            self.select_room(room)
            self.assertEqual(form_only(self.browser.read_form()), form_only(dump), f"room {room}")

    def test_the_design_file_is_named_after_the_project(self):
        self.menu("文件", "项目信息...")
        self.browser.click("#project-name")
        self.browser.type("冷库一期/二号")
        self.browser.click("dialog[open] button", "确定")
        self.browser.wait("return window.gelvant.work.state.saveName !== '无标题.gelvant'")
        self.assertEqual(self.work()["saveName"], "冷库一期-二号.gelvant")
        self.assertEqual(self.browser.title(), "无标题* - Gelvant")
        self.menu("文件", "保存")
        saved = json.loads(self.downloaded("冷库一期-二号.gelvant"))
        self.assertEqual(saved["project"]["name"], "冷库一期/二号")
        self.assertEqual(self.browser.title(), "冷库一期-二号.gelvant - Gelvant")
        self.menu("编辑", "撤销")  # the name was one step
        self.assertEqual(self.work()["saveName"], "无标题.gelvant")

    def test_the_rooms_use_and_p_and_the_plant_coefficients_save_as_the_native_driver(self):
        self.browser.select("#room-use", 4)
        p_box = "return [document.getElementById('room-p').value, " \
                "document.getElementById('room-p').placeholder]"
        self.assertEqual(self.browser.run(p_box), ["", "自动 1"])
        self.browser.click("#room-p")
        self.browser.type("1.4")
        self.browser.keys("Enter")
        self.assertEqual(self.close_messages(), ["负荷系数 p 应在 1～1.3 之间。"])
        self.assertEqual(self.browser.run(p_box)[0], "")
        self.browser.click("#room-p")
        self.browser.type("1.150")
        self.browser.keys("Enter")
        self.browser.wait("return window.gelvant.work.state.p.text === '1.15'")
        self.assertEqual(self.browser.run(p_box)[0], "1.15")
        self.menu("库房", "机械负荷系数...")
        self.browser.select("#plant-system", 1)
        self.browser.click("#plant-n1")
        self.browser.keys("Control+a")
        self.browser.type("1.6")
        self.browser.click("dialog[open] button", "确定")
        refused = self.browser.run(
            "return document.querySelector('dialog.plant .refused').textContent")
        self.assertEqual(refused, "围护结构热流量季节修正系数 n1 应在 0.5～1.5 之间。")
        self.assertEqual(self.work()["plant"]["system"], 0)  # nothing changed yet
        self.browser.click("#plant-n1")
        self.browser.keys("Control+a")
        self.browser.type("0.8")
        self.browser.click("dialog[open] button", "确定")
        self.browser.wait("return !document.querySelector('dialog.plant')")
        self.assertIn("机械负荷", self.browser.run(
            "return document.getElementById('summary').textContent"))
        self.menu("文件", "保存")
        native(f"room use frozen\nroom p 1.15\nplant system indirect\nplant n1 0.8\n"
               f"save {self.folder / 'plant.gelvant'}\n")
        self.assertEqual(self.downloaded("无标题.gelvant"),
                         (self.folder / "plant.gelvant").read_bytes())

    def test_leaving_asks_only_with_unsaved_changes(self):
        # WebDriver answers the browser's question itself, so the page's
        # answer to the event is read instead.
        leave = ("const e = new Event('beforeunload', {cancelable: true});"
                 "window.dispatchEvent(e); return e.defaultPrevented;")
        self.assertFalse(self.browser.run(leave))
        self.browser.type_keys("storeLength", "7")
        self.assertTrue(self.browser.run(leave))
        self.menu("文件", "保存")
        self.assertFalse(self.browser.run(leave))

    def test_a_dropped_design_file_is_opened(self):
        folder = self.folder
        native(f"room add 冷藏间B\ntype storeLength 40\nsave {folder / 'drop.gelvant'}\n")
        drop = """
            const file = new File([Uint8Array.from(atob(arguments[0]), c => c.charCodeAt(0))],
                                  "drop.gelvant");
            const drop = new DataTransfer();
            drop.items.add(file);
            document.getElementById("form").dispatchEvent(
                new DragEvent("drop", {dataTransfer: drop, bubbles: true, cancelable: true}));"""
        self.browser.run(drop, base64.b64encode((folder / "drop.gelvant").read_bytes()).decode())
        self.browser.wait("return window.gelvant.work.state.rooms.length === 2")
        self.assertEqual(self.work()["rooms"], ["库房1", "冷藏间B"])
        self.assertEqual(self.browser.read_form()["fields"]["storeLength"], "40")
        self.assertEqual(self.browser.title(), "drop.gelvant - Gelvant")

    def test_undo_and_redo_keys_the_browser_leaves_to_the_page(self):
        before = self.browser.read_form()
        self.browser.type_keys("storeLength", "60")
        typed = self.browser.read_form()
        self.browser.run("document.activeElement.blur()")
        self.browser.keys("Alt+Backspace")
        self.assertEqual(self.browser.read_form(), before)
        self.browser.keys("Alt+Shift+Backspace")
        self.assertEqual(self.browser.read_form(), typed)
        self.browser.keys("Alt+PageDown")  # no next room: nothing happens
        self.menu("库房", "新增库房")
        self.browser.run("document.activeElement.blur()")
        self.browser.keys("Alt+PageUp")
        self.assertEqual(self.work()["current"], 0)
        self.menu("帮助", "键盘快捷键")
        help_text = self.answer("确定")
        for key in ("Alt+Backspace", "Alt+Shift+Backspace", "Alt+PageUp", "Alt+PageDown",
                    "Alt+Shift+N", "Alt+Shift+C"):
            self.assertIn(key, help_text)
        self.browser.keys("F1")
        self.assertIn("Gelvant", self.answer("确定"))
        self.menu("编辑", "复制结果")
        copied = self.browser.wait("return window.watched.copied")
        self.assertIn("\t", copied)
        self.assertIn(self.browser.read_form()["fields"]["totalCoolingLoadW"], copied)

    def test_a_click_in_the_summary_goes_to_the_room(self):
        self.menu("库房", "新增库房")
        self.browser.type_keys("storeLength", "30")
        self.assertEqual(self.work()["current"], 1)
        self.assertEqual(self.browser.run(
            "return [...document.querySelectorAll('#summary tr[data-room]')]"
            ".map(r => r.cells[0].textContent)"), ["库房1", "库房2（未重新计算）"])  # typed into
        self.browser.click('#summary tr[data-room="0"] td')
        self.assertEqual(self.work()["current"], 0)
        self.assertEqual(self.browser.read_form()["fields"]["storeLength"], "50")
        # kW chosen above the summary: the total converted from the W, one undo step.
        total = "return [...document.querySelectorAll('#summary table.groups tr.total td')]" \
                ".map(c => c.textContent)"
        watts = float(self.browser.run(total)[4])
        self.browser.select("#load-unit", 1)
        self.browser.wait("return document.querySelector('#summary table.groups th:nth-child(5)')"
                          ".textContent === '总冷负荷(kW)'")
        self.assertEqual(self.browser.run(total)[4], f"{watts / 1000:.1f}")
        self.assertEqual(self.work()["loadUnit"], 1)

    def test_a_sheet_of_results_not_computed_again_asks_first_and_can_compute_them(self):
        summary = "return document.getElementById('summary').textContent"
        self.browser.run("window.print = () => { window.gelvant.printed = true; }")
        self.browser.type_keys("storeLength", "30")
        self.assertIn("库房1（未重新计算）", self.browser.run(summary))
        self.assertIn("合计（未重新计算）", self.browser.run(summary))
        self.menu("文件", "打印计算书...")
        self.assertIn("库房1", self.answer("计算全部"))
        self.browser.wait("return window.gelvant.printed === true")
        self.assertNotIn("未重新计算", self.browser.run(summary))
        self.assertNotIn("未重新计算", self.browser.run(
            "return document.getElementById('sheet').textContent"))

    def test_refused_files_leave_the_design_as_it_was(self):
        self.menu("库房", "新增库房")
        self.browser.type_keys("storeLength", "70")

        def design():
            return self.browser.read_form(), self.work(), self.browser.title()
        before = design()
        folder = self.folder
        native(f"room add\nsave {folder / 'good.gelvant'}\n")
        saved = (folder / "good.gelvant").read_bytes()
        cases = {
            "not-json.gelvant": b"\x89PNG this is no design",
            "wrong-format.gelvant": saved.replace(b'"gelvant-design"', b'"gelvant-report"'),
            "cut-short.gelvant": saved[: len(saved) // 2],
        }
        for name, content in cases.items():
            with self.subTest(name):
                (folder / name).write_bytes(content)
                self.open_file(folder / name)
                self.browser.wait("return document.getElementById('message').open")
                shown = self.close_messages()
                self.assertEqual(len(shown), 1)
                self.assertTrue(shown[0].startswith(f"无法打开“{name}”：\n"), shown[0])
                self.assertGreater(len(shown[0]), len(f"无法打开“{name}”：\n"))
                self.assertEqual(design(), before)

    def test_the_results_download_as_csv_with_a_byte_order_mark(self):
        self.menu("库房", "复制库房")
        self.menu("文件", "导出结果(CSV)...")
        csv = self.downloaded("冷负荷计算书.csv")
        self.assertTrue(csv.startswith(b"\xef\xbb\xbf"))
        self.assertIn(b"\r\n", csv)

    def test_a_copy_the_browser_refuses_is_said_once_under_the_menus_until_one_is_kept_again(self):
        words = self.work()["copyNotKept"]
        shown = ("const n = document.getElementById('storage-notice');"
                 "return n && !n.hidden && n.previousElementSibling.id === 'menubar' &&"
                 "       n.getAttribute('role') === 'alert' ? n.textContent : null")
        # Said again, the notice's text is put again: a change the observer counts.
        count_sayings = ("window.sayings = 0; new MutationObserver(() => window.sayings++).observe("
                         "document.getElementById('storage-notice'), {childList: true})")
        try:
            self.browser.run(REFUSE_COPIES)
            self.browser.type_keys("storeLength", "61")
            self.assertTrue(self.browser.wait(shown).startswith(words))
            self.browser.run(count_sayings)
            refused = self.browser.run("return window.refusedCopies")
            self.browser.type_keys("storeWidth", "9")  # failing again: not said again
            self.browser.wait("return window.refusedCopies > arguments[0]", refused)
            self.assertEqual(self.browser.run("return window.sayings"), 0)
            self.browser.run(KEEP_COPIES)
            self.browser.type_keys("storeLength", "63")  # the work is protected again
            self.browser.wait("return document.getElementById('storage-notice').hidden")
            self.browser.run(REFUSE_COPIES)
            self.browser.type_keys("storeLength", "64")
            self.assertTrue(self.browser.wait(shown).startswith(words))
        finally:
            self.browser.run(KEEP_COPIES)

    def test_a_damaged_copy_is_refused_with_its_reason_and_an_earlier_pages_copy_is_offered_once(
            self):
        native(f"type storeLength 45\nsave {self.folder / 'copy.gelvant'}\n")
        design = (self.folder / "copy.gelvant").read_text()
        self.browser.run(PUT_COPY, "damaged", {"savedAt": int(time.time() * 1000),
                                               "design": design[: len(design) // 2]})
        self.browser.run("localStorage.setItem('gelvant-recovery:earlier', JSON.stringify("
                         "{savedAt: Date.now() - 60000, design: arguments[0]}))", design)
        self.open_page()
        # The newest first: the damaged one refused, then the earlier page's offered.
        self.assertIn("要恢复这些修改吗？", self.answer("恢复"))
        self.browser.wait_ready()
        refused = self.close_messages()
        self.assertEqual(len(refused), 1, refused)
        self.assertTrue(refused[0].startswith("上次未保存的设计无法恢复：\n"), refused[0])
        self.assertGreater(len(refused[0]), len("上次未保存的设计无法恢复：\n"))
        self.assertEqual(self.browser.read_form()["fields"]["storeLength"], "45")
        self.assertEqual(self.browser.title(), "无标题* - Gelvant")
        # The earlier page's copy is gone from web storage, the damaged one
        # from the store; the restored changes are this page's copy now.
        self.assertEqual(self.browser.run(
            "return Object.keys(localStorage).filter(k => k.startsWith('gelvant-recovery:'))"), [])
        kept = self.browser.run(COPY_IDS)
        self.assertEqual(len(kept), 1)
        self.assertNotEqual(kept, ["damaged"])


@unittest.skipIf(ENGINE == "webkit", "WebKitWebDriver's sessions keep no data on the disk, and "
                 "a killed page ends the session: TabsTest restores from a closed tab there")
class CrashTest(unittest.TestCase):
    """A designer's browser crashes as soon as the copy is written."""

    def test_a_copy_kept_before_the_browser_is_killed_is_offered_and_restored(self):
        profile = self.enterContext(tempfile.TemporaryDirectory(ignore_cleanup_errors=True))
        browser = browsers.start(ENGINE, profile)
        try:
            designer = Designer(browser)
            designer.open_page()
            browser.wait_ready()
            designer.close_messages()
            browser.type_keys("storeLength", "45")
            changed = browser.read_form()
            browser.wait(COPY_IDS)  # the copy is in the store, as another reader finds it
        finally:
            browser.quit(crash=True)
        browser = browsers.start(ENGINE, profile)
        try:
            designer = Designer(browser)
            designer.open_page()
            self.assertIn("要恢复这些修改吗？", designer.answer("恢复"))
            browser.wait_ready()
            self.assertEqual(designer.close_messages(), [])  # no welcome box over restored work
            self.assertEqual(browser.read_form(), changed)
            self.assertEqual(browser.title(), "无标题* - Gelvant")
        finally:
            browser.quit()


@unittest.skipIf(ENGINE == "firefox", "tabs are driven through Selenium's windows")
class TabsTest(unittest.TestCase):
    """Each run is a browser of its own: a closed tab, then a new one."""

    def setUp(self):
        self.browser = browsers.start(ENGINE)
        self.driver = self.browser.driver
        self.designer = Designer(self.browser)

    def tearDown(self):
        self.browser.quit()

    def open_tab(self):
        self.driver.switch_to.new_window("tab")
        self.designer.open_page()

    def close_tab(self, handle):
        """Closes the tab without saving; another tab stays open."""
        from selenium.common.exceptions import NoAlertPresentException, NoSuchWindowException
        self.driver.switch_to.window(handle)
        self.driver.close()
        try:
            self.driver.switch_to.alert.accept()  # leave without saving
        except (NoAlertPresentException, NoSuchWindowException):
            pass
        self.driver.switch_to.window(self.driver.window_handles[-1])

    def change_and_wait(self):
        self.browser.wait_ready()
        self.designer.close_messages()
        self.browser.type_keys("storeLength", "65")
        changed = self.browser.read_form()
        self.browser.wait(COPY_IDS)
        return changed

    def test_restore_brings_the_changes_back_and_a_second_tab_takes_nothing(self):
        self.designer.open_page()
        first = self.driver.current_window_handle
        changed = self.change_and_wait()
        left = self.browser.run(COPY_IDS)
        self.assertEqual(len(left), 1)
        # A tab opened while the first is still open is not offered its copy.
        self.open_tab()
        self.assertIsNone(self.browser.run(ASKED))
        self.close_tab(first)
        self.open_tab()
        self.assertIn("要恢复这些修改吗？", self.designer.answer("恢复"))
        self.browser.wait_ready()
        self.assertEqual(self.designer.close_messages(), [])
        self.assertEqual(self.browser.read_form(), changed)
        self.assertEqual(self.browser.title(), "无标题* - Gelvant")
        # The restoring tab keeps the changes under its own name at once.
        kept = self.browser.run(COPY_IDS)
        self.assertEqual(len(kept), 1)
        self.assertNotEqual(kept, left)
        # A save clears the copy.
        self.designer.menu("文件", "保存")
        browsers.until(lambda: self.browser.run(COPY_IDS) == [], "the copy is dropped")

    def test_discard_opens_on_the_start_up_form(self):
        self.designer.open_page()
        first = self.driver.current_window_handle
        self.change_and_wait()
        self.open_tab()
        self.close_tab(first)
        self.designer.open_page()
        self.designer.answer("放弃")
        self.browser.wait_ready()
        welcome = self.designer.close_messages()
        start = native("dump\n")[-1]
        self.assertEqual(welcome, [m["text"] for m in start["messages"]])
        self.assertEqual(form_only(self.browser.read_form()), form_only(start))
        self.assertEqual(self.browser.run(COPY_IDS), [])


# What the page hands the browser, watched from the test: each download's
# Blob by the name the page's link gives it (the page makes the link's
# address of the Blob just before it clicks the link), and the text the page
# puts on the clipboard (a stand-in clipboard: the test's browser may have none).
WATCH_PAGE = """
const createURL = URL.createObjectURL, click = HTMLAnchorElement.prototype.click;
const watched = window.watched = {downloads: {}, blob: null, copied: null};
URL.createObjectURL = (blob) => createURL.call(URL, watched.blob = blob);
HTMLAnchorElement.prototype.click = function () {
    if (this.download) watched.downloads[this.download] = watched.blob;
    return click.call(this);
};
Object.defineProperty(navigator, "clipboard", {configurable: true, value: {
    writeText: async (text) => { watched.copied = text; }}});
"""

# The recovery copies' store, opened as the page opens it.
OPEN_COPIES = """
const db = await new Promise((done, failed) => {
    const r = indexedDB.open("gelvant", 1);
    r.onupgradeneeded = () => r.result.createObjectStore("recovery");
    r.onsuccess = () => done(r.result);
    r.onerror = () => failed(r.error);
});
"""

# The names of the copies kept, as a reader other than the page finds them.
COPY_IDS = "return (async () => {" + OPEN_COPIES + """
const keys = await new Promise((done) => {
    const get = db.transaction("recovery").objectStore("recovery").getAllKeys();
    get.onsuccess = () => done(get.result);
});
db.close();
return keys; })();
"""

# A copy put into the store under a name of no open tab.
PUT_COPY = "return (async (id, copy) => {" + OPEN_COPIES + """
await new Promise((done) => {
    const tx = db.transaction("recovery", "readwrite");
    tx.objectStore("recovery").put(copy, id);
    tx.oncomplete = done;
});
db.close();
return true; })(...arguments);
"""

# The browser refuses every copy, as a full disk or storage switched off does;
# the copies refused are counted.
REFUSE_COPIES = """
const store = IDBObjectStore.prototype;
window.keptPut = window.keptPut || store.put;
window.refusedCopies = window.refusedCopies || 0;
store.put = function () {
    window.refusedCopies += 1;
    throw new DOMException("The quota has been exceeded.", "QuotaExceededError");
};
"""

KEEP_COPIES = """
if (window.keptPut) IDBObjectStore.prototype.put = window.keptPut;
"""


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
