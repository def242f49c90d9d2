#!/usr/bin/python3
"""The work around the form in a real browser: headless Chromium opens
gelvant.html from the disk, and a designer's afternoon of rooms, typing,
undo and a download is compared byte for byte with the native gelvant-cli
doing the same; a reopened file, recovery after a closed tab, refused files
and the CSV of the results are checked as the designer sees them (the
printed calculation sheet is sheet_test.py's).

Usage: work_test.py PAGE NATIVE_CLI   (Debian's python3-selenium, chromium
and chromium-driver)
"""

import base64
import json
import pathlib
import subprocess
import sys
import tempfile
import time
import unittest

from selenium.common.exceptions import NoAlertPresentException, NoSuchWindowException
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

import chromium
from chromium import READ_FORM, chromium_options

PAGE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/web/gelvant.html").resolve()
NATIVE_CLI = sys.argv[2] if len(sys.argv) > 2 else "build/dev/src/cli/gelvant-cli"

SECTIONS = ("fields", "lists", "texts", "visible")


def start_browser(downloads):
    options = chromium_options()
    options.add_experimental_option("prefs", {"download.default_directory": str(downloads),
                                              "download.prompt_for_download": False})
    # Leaving a page with unsaved changes: the browser's question is answered "leave".
    options.set_capability("unhandledPromptBehavior", "accept")
    browser = chromium.start_browser(options)
    browser.execute_cdp_cmd("Browser.setDownloadBehavior",
                            {"behavior": "allow", "downloadPath": str(downloads)})
    return browser


def native(script):
    """Runs the native driver on the script; its dumps, one per line."""
    run = subprocess.run([NATIVE_CLI], input=script.encode(), capture_output=True, check=True)
    return [json.loads(line) for line in run.stdout.decode().splitlines()]


def form_only(dump):
    return {section: dump[section] for section in SECTIONS}


class WorkTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.downloads = pathlib.Path(tempfile.mkdtemp(prefix="gelvant-downloads-"))
        cls.browser = start_browser(cls.downloads)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()

    def setUp(self):
        for old in self.downloads.iterdir():
            old.unlink()
        self.browser.get(PAGE.as_uri())
        # The page left by the test before may have kept a copy for recovery.
        WebDriverWait(self.browser, 10).until(lambda b: b.execute_script(
            "return !!(window.gelvant && (window.gelvant.ready ||"
            " document.querySelector('dialog.ask[open]')))"))
        while self.browser.find_elements(By.CSS_SELECTOR, "dialog.ask[open]"):
            self.answer("放弃")
        self.wait_ready()
        self.close_messages()

    # --- what the designer does ------------------------------------------------------

    def wait_ready(self):
        chromium.wait_ready(self.browser)

    def menu(self, title, entry):
        self.browser.find_element(By.XPATH, f'//nav[@id="menubar"]//button[text()="{title}"]') \
            .click()
        self.browser.find_element(
            By.XPATH, f'//nav[@id="menubar"]//button[@role="menuitem"][span="{entry}"]').click()

    def type_keys(self, name, keys):
        chromium.type_keys(self.browser, name, keys)

    def pick(self, name, index):
        chromium.pick(self.browser, name, index)

    def select_room(self, index):
        Select(self.browser.find_element(By.ID, "room-select")).select_by_index(index)

    def answer(self, button, text=None):
        """Answers the box the page asks with, typing text into it first if given."""
        dialog = WebDriverWait(self.browser, 5).until(
            lambda b: b.find_element(By.CSS_SELECTOR, "dialog.ask[open]"))
        asked = dialog.text
        if text is not None:
            field = dialog.find_element(By.TAG_NAME, "input")
            field.send_keys(Keys.CONTROL, "a")
            field.send_keys(text)
        dialog.find_element(By.XPATH, f'.//button[text()="{button}"]').click()
        return asked

    def close_messages(self):
        shown = []
        while self.browser.execute_script("return document.getElementById('message').open"):
            shown.append(self.browser.execute_script(
                "return document.getElementById('message-text').textContent"))
            self.browser.find_element(By.CSS_SELECTOR, "#message button").click()
        return shown

    def work(self):
        return self.browser.execute_script("return window.gelvant.work.state")

    def form(self):
        return self.browser.execute_script(READ_FORM)

    def downloaded(self, name):
        path = self.downloads / name
        WebDriverWait(self.browser, 10).until(lambda _: path.exists())
        time.sleep(0.2)  # the browser renames the file once it is whole
        return path.read_bytes()

    def open_file(self, path):
        picker = self.browser.find_element(By.CSS_SELECTOR, 'input[type="file"]')
        picker.send_keys(str(path))

    # --- the tests -----------------------------------------------------------------------

    def test_a_designers_afternoon_downloads_the_native_bytes_and_opens_again(self):
        self.menu("库房", "新增库房")
        self.menu("库房", "新增库房")
        self.select_room(1)
        self.menu("库房", "复制库房")
        self.menu("库房", "重命名...")
        self.answer("确定", "冷藏间A")
        self.type_keys("storeLength", "60")
        self.pick("siteChoice", 5)
        self.select_room(0)
        self.type_keys("storeWidth", "9")
        self.pick("insulationChoice", 2)
        self.select_room(1)
        self.type_keys("doorWidth", "12")
        self.menu("库房", "全部重新计算")
        gathered = self.browser.find_elements(By.CSS_SELECTOR, "dialog.ask[open]")
        if gathered:
            self.answer("确定")
        for _ in range(3):
            self.menu("编辑", "撤销")
        self.menu("编辑", "重做")
        self.assertEqual(self.close_messages(), [])
        self.assertEqual(self.browser.title, "无标题* - Gelvant")

        native_file = self.downloads.parent / (self.downloads.name + "-native.gelvant")
        rooms = ("room add\nroom add\nroom select 1\nroom copy\nroom rename 冷藏间A\n"
                 "type storeLength 6\ntype storeLength 60\nchoose siteChoice 5\nroom select 0\n"
                 "type storeWidth 9\nchoose insulationChoice 2\nroom select 1\n"
                 "type doorWidth 1\ntype doorWidth 12\ncompute all\nundo\nundo\nundo\nredo\n")
        native(rooms + f"save {native_file}\n")
        self.assertEqual(self.work()["rooms"], ["库房1", "库房2", "冷藏间A", "库房3"])
        self.assertEqual(form_only(self.form()), form_only(native(rooms + "dump\n")[-1]))

        self.menu("文件", "保存")
        saved = self.downloaded("无标题.gelvant")
        self.assertEqual(saved, native_file.read_bytes())
        self.assertEqual(self.browser.title, "无标题.gelvant - Gelvant")

        # A fresh page opens the file to the same rooms and forms.
        self.browser.get(PAGE.as_uri())
        self.wait_ready()
        self.close_messages()
        self.open_file(self.downloads / "无标题.gelvant")
        WebDriverWait(self.browser, 5).until(
            lambda _: len(self.work()["rooms"]) == 4)
        self.assertEqual(self.browser.title, "无标题.gelvant - Gelvant")
        script = f"open {native_file}\n" + "".join(
            f"room select {i}\ndump\n" for i in range(4))
        expected = native(script)
        for room, dump in enumerate(expected):
            self.select_room(room)
            self.assertEqual(form_only(self.form()), form_only(dump), f"room {room}")

    def test_the_design_file_is_named_after_the_project(self):
        self.menu("文件", "项目信息...")
        name = self.browser.find_element(By.ID, "project-name")
        name.send_keys("冷库一期/二号")
        self.browser.find_element(By.XPATH, '//dialog[@open]//button[text()="确定"]').click()
        self.assertEqual(self.work()["saveName"], "冷库一期-二号.gelvant")
        self.assertEqual(self.browser.title, "无标题* - Gelvant")
        self.menu("文件", "保存")
        saved = json.loads(self.downloaded("冷库一期-二号.gelvant"))
        self.assertEqual(saved["project"]["name"], "冷库一期/二号")
        self.assertEqual(self.browser.title, "冷库一期-二号.gelvant - Gelvant")
        self.menu("编辑", "撤销")  # the name was one step
        self.assertEqual(self.work()["saveName"], "无标题.gelvant")

    def test_the_rooms_use_and_p_and_the_plant_coefficients_save_as_the_native_driver(self):
        Select(self.browser.find_element(By.ID, "room-use")).select_by_index(4)
        p = self.browser.find_element(By.ID, "room-p")
        self.assertEqual((p.get_attribute("value"), p.get_attribute("placeholder")), ("", "自动 1"))
        p.send_keys("1.4", Keys.ENTER)
        self.assertEqual(self.close_messages(), ["负荷系数 p 应在 1～1.3 之间。"])
        self.assertEqual(p.get_attribute("value"), "")
        p.send_keys("1.150", Keys.ENTER)
        self.assertEqual(self.work()["p"]["text"], "1.15")
        self.assertEqual(p.get_attribute("value"), "1.15")
        self.menu("库房", "机械负荷系数...")
        Select(self.browser.find_element(By.ID, "plant-system")).select_by_index(1)
        n1 = self.browser.find_element(By.ID, "plant-n1")
        n1.send_keys(Keys.CONTROL, "a")
        n1.send_keys("1.6")
        ok = self.browser.find_element(By.XPATH, '//dialog[@open]//button[text()="确定"]')
        ok.click()
        refused = self.browser.find_element(By.CSS_SELECTOR, "dialog.plant .refused").text
        self.assertEqual(refused, "围护结构热流量季节修正系数 n1 应在 0.5～1.5 之间。")
        self.assertEqual(self.work()["plant"]["system"], 0)  # nothing changed yet
        n1.send_keys(Keys.CONTROL, "a")
        n1.send_keys("0.8")
        ok.click()
        self.assertEqual(self.browser.find_elements(By.CSS_SELECTOR, "dialog.plant"), [])
        summary = self.browser.find_element(By.ID, "summary").text
        self.assertIn("机械负荷", summary)
        self.menu("文件", "保存")
        folder = pathlib.Path(tempfile.mkdtemp(prefix="gelvant-plant-"))
        native(f"room use frozen\nroom p 1.15\nplant system indirect\nplant n1 0.8\n"
               f"save {folder / 'plant.gelvant'}\n")
        self.assertEqual(self.downloaded("无标题.gelvant"), (folder / "plant.gelvant").read_bytes())

    def test_leaving_asks_only_with_unsaved_changes(self):
        # WebDriver answers the browser's question itself, so the page's
        # answer to the event is read instead.
        leave = ("const e = new Event('beforeunload', {cancelable: true});"
                 "window.dispatchEvent(e); return e.defaultPrevented;")
        self.assertFalse(self.browser.execute_script(leave))
        self.type_keys("storeLength", "7")
        self.assertTrue(self.browser.execute_script(leave))
        self.menu("文件", "保存")
        self.assertFalse(self.browser.execute_script(leave))

    def test_a_dropped_design_file_is_opened(self):
        folder = pathlib.Path(tempfile.mkdtemp(prefix="gelvant-drop-"))
        native(f"room add 冷藏间B\ntype storeLength 40\nsave {folder / 'drop.gelvant'}\n")
        self.browser.execute_script("""
            const file = new File([Uint8Array.from(atob(arguments[0]), c => c.charCodeAt(0))],
                                  "drop.gelvant");
            const drop = new DataTransfer();
            drop.items.add(file);
            document.getElementById("form").dispatchEvent(
                new DragEvent("drop", {dataTransfer: drop, bubbles: true, cancelable: true}));""",
            base64.b64encode((folder / "drop.gelvant").read_bytes()).decode())
        WebDriverWait(self.browser, 5).until(lambda _: len(self.work()["rooms"]) == 2)
        self.assertEqual(self.work()["rooms"], ["库房1", "冷藏间B"])
        self.assertEqual(self.form()["fields"]["storeLength"], "40")
        self.assertEqual(self.browser.title, "drop.gelvant - Gelvant")

    def test_undo_and_redo_keys_the_browser_leaves_to_the_page(self):
        before = self.form()
        self.type_keys("storeLength", "60")
        typed = self.form()
        body = self.browser.find_element(By.TAG_NAME, "body")
        body.send_keys(Keys.ALT, Keys.BACKSPACE)
        self.assertEqual(self.form(), before)
        body.send_keys(Keys.ALT, Keys.SHIFT, Keys.BACKSPACE)
        self.assertEqual(self.form(), typed)
        body.send_keys(Keys.ALT, Keys.PAGE_DOWN)  # no next room: nothing happens
        self.menu("库房", "新增库房")
        body.send_keys(Keys.ALT, Keys.PAGE_UP)
        self.assertEqual(self.work()["current"], 0)
        self.menu("帮助", "键盘快捷键")
        help_text = self.answer("确定")
        for key in ("Alt+Backspace", "Alt+Shift+Backspace", "Alt+PageUp", "Alt+PageDown",
                    "Alt+Shift+N", "Alt+Shift+C"):
            self.assertIn(key, help_text)
        body.send_keys(Keys.F1)
        self.assertIn("Gelvant", self.answer("确定"))
        self.menu("编辑", "复制结果")
        copied = self.browser.execute_script("return window.gelvant.work.copied")
        self.assertIn("\t", copied)
        self.assertIn(self.form()["fields"]["totalCoolingLoadW"], copied)

    def test_a_click_in_the_summary_goes_to_the_room(self):
        self.menu("库房", "新增库房")
        self.type_keys("storeLength", "30")
        self.assertEqual(self.work()["current"], 1)
        rows = self.browser.find_elements(By.CSS_SELECTOR, "#summary tr[data-room]")
        self.assertEqual([r.find_element(By.TAG_NAME, "td").text for r in rows],
                         ["库房1", "库房2"])
        rows[0].click()
        self.assertEqual(self.work()["current"], 0)
        self.assertEqual(self.form()["fields"]["storeLength"], "50")

    def test_refused_files_leave_the_design_as_it_was(self):
        self.menu("库房", "新增库房")
        self.type_keys("storeLength", "70")
        before = (self.form(), self.work(), self.browser.title)
        folder = pathlib.Path(tempfile.mkdtemp(prefix="gelvant-refused-"))
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
                shown = WebDriverWait(self.browser, 5).until(lambda _: self.close_messages())
                self.assertEqual(len(shown), 1)
                self.assertTrue(shown[0].startswith(f"无法打开“{name}”：\n"), shown[0])
                self.assertGreater(len(shown[0]), len(f"无法打开“{name}”：\n"))
                self.assertEqual((self.form(), self.work(), self.browser.title), before)

    def test_the_results_download_as_csv_with_a_byte_order_mark(self):
        self.menu("库房", "复制库房")
        self.menu("文件", "导出结果(CSV)...")
        csv = self.downloaded("冷负荷计算书.csv")
        self.assertTrue(csv.startswith(b"\xef\xbb\xbf"))
        self.assertIn(b"\r\n", csv)


class RecoveryTest(unittest.TestCase):
    """Each run is a browser of its own: a closed tab, then a new one."""

    def setUp(self):
        self.browser = start_browser(pathlib.Path(tempfile.mkdtemp(prefix="gelvant-dl-")))

    def tearDown(self):
        self.browser.quit()

    def open_tab(self):
        self.browser.switch_to.new_window("tab")
        self.browser.get(PAGE.as_uri())
        WebDriverWait(self.browser, 10).until(lambda b: b.execute_script(
            "return !!(window.gelvant && (window.gelvant.ready ||"
            " document.querySelector('dialog.ask[open]')))"))

    def close_tab(self, handle):
        """Closes the tab without saving; another tab stays open."""
        self.browser.switch_to.window(handle)
        self.browser.close()
        try:
            self.browser.switch_to.alert.accept()  # leave without saving
        except (NoAlertPresentException, NoSuchWindowException):
            pass
        self.browser.switch_to.window(self.browser.window_handles[-1])

    def close_messages(self):
        texts = []
        while self.browser.execute_script("return document.getElementById('message').open"):
            texts.append(self.browser.execute_script(
                "return document.getElementById('message-text').textContent"))
            self.browser.find_element(By.CSS_SELECTOR, "#message button").click()
        return texts

    def change_and_wait(self):
        chromium.wait_ready(self.browser)
        self.close_messages()
        box = self.browser.find_element(By.CSS_SELECTOR, 'input[data-field="storeLength"]')
        box.click()
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys("6")
        box.send_keys("5")
        changed = self.browser.execute_script(READ_FORM)
        time.sleep(2.5)
        return changed

    def recovery_copies(self):
        return self.browser.execute_script(
            "return Object.keys(localStorage).filter(k => k.startsWith('gelvant-recovery:'))")

    def asked(self):
        dialogs = self.browser.find_elements(By.CSS_SELECTOR, "dialog.ask[open]")
        return dialogs[0] if dialogs else None

    def test_restore_brings_the_changes_back_and_a_second_tab_takes_nothing(self):
        self.browser.get(PAGE.as_uri())
        first = self.browser.current_window_handle
        changed = self.change_and_wait()
        left = self.recovery_copies()
        self.assertEqual(len(left), 1)
        # A tab opened while the first is still open is not offered its copy.
        self.open_tab()
        self.assertIsNone(self.asked())
        self.close_tab(first)
        self.open_tab()
        question = self.asked()
        self.assertIn("要恢复这些修改吗？", question.text)
        question.find_element(By.XPATH, './/button[text()="恢复"]').click()
        WebDriverWait(self.browser, 5).until(
            lambda b: b.execute_script("return !!window.gelvant.ready"))
        self.assertEqual(self.close_messages(), [])  # no welcome box over a restored design
        self.assertEqual(self.browser.execute_script(READ_FORM), changed)
        self.assertEqual(self.browser.title, "无标题* - Gelvant")
        # The restoring tab keeps the changes under its own name at once.
        kept = self.recovery_copies()
        self.assertEqual(len(kept), 1)
        self.assertNotEqual(kept, left)
        # A save clears the copy.
        self.browser.find_element(By.XPATH, '//nav[@id="menubar"]//button[text()="文件"]').click()
        self.browser.find_element(By.XPATH, '//button[@role="menuitem"][span="保存"]').click()
        self.assertEqual(self.recovery_copies(), [])

    def test_discard_opens_on_the_start_up_form(self):
        self.browser.get(PAGE.as_uri())
        first = self.browser.current_window_handle
        self.change_and_wait()
        self.open_tab()
        self.close_tab(first)
        self.browser.get(PAGE.as_uri())
        WebDriverWait(self.browser, 10).until(lambda _: self.asked())
        self.asked().find_element(By.XPATH, './/button[text()="放弃"]').click()
        WebDriverWait(self.browser, 5).until(
            lambda b: b.execute_script("return !!window.gelvant.ready"))
        welcome = self.close_messages()
        start = native("dump\n")[-1]
        self.assertEqual(welcome, [m["text"] for m in start["messages"]])
        self.assertEqual(form_only(self.browser.execute_script(READ_FORM)), form_only(start))
        self.assertEqual(self.recovery_copies(), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
