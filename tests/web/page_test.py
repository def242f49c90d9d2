#!/usr/bin/python3
"""The page in a real browser: headless Chromium opens gelvant.html from the
disk, a designer's actions are done with keys, picks and clicks, and what
the page then shows (every box, list, text, visibility and message box) is
compared field for field with the native gelvant-cli dump of the same
actions.

Usage: page_test.py PAGE NATIVE_CLI   (Debian's python3-selenium, chromium
and chromium-driver)
"""

import json
import pathlib
import subprocess
import sys
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import chromium
from chromium import READ_FORM, start_browser, wait_ready

PAGE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/web/gelvant.html").resolve()
NATIVE_CLI = sys.argv[2] if len(sys.argv) > 2 else "build/dev/src/cli/gelvant-cli"


def native_dump(script, startup=True):
    args = [NATIVE_CLI] + ([] if startup else ["--no-startup"])
    run = subprocess.run(args, input=(script + "dump\n").encode(), capture_output=True,
                         check=True)
    return json.loads(run.stdout.decode().splitlines()[-1])


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.browser = start_browser()

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()

    def setUp(self):
        self.browser.get(PAGE.as_uri())
        wait_ready(self.browser)
        self.start_messages = self.close_messages()

    # --- what the designer does ----------------------------------------------

    def box(self, name):
        return self.browser.find_element(By.CSS_SELECTOR, f'input[data-field="{name}"]')

    def type_keys(self, name, keys):
        chromium.type_keys(self.browser, name, keys)

    def pick(self, name, index):
        chromium.pick(self.browser, name, index)

    def press(self, caption):
        self.browser.find_element(By.XPATH, f'//button[text()="{caption}"]').click()

    def close_messages(self):
        """Closes every message box in turn with its button; returns them in order."""
        shown = []
        while self.browser.execute_script("return document.getElementById('message').open"):
            self.assertTrue(self.browser.execute_script(
                "return document.getElementById('message').matches(':modal')"))
            caption = self.browser.find_element(By.ID, "message-caption").text
            text = self.browser.execute_script(
                "return document.getElementById('message-text').textContent")
            shown.append({"caption": caption, "text": text})
            self.browser.find_element(By.CSS_SELECTOR, "#message button").click()
        return shown

    # --- comparing with the native driver ----------------------------------------

    def expect_form_as_native(self, script, messages=None):
        expected = native_dump(script)
        shown = self.browser.execute_script(READ_FORM)
        for section in ("fields", "lists", "texts", "visible"):
            self.assertEqual(shown[section].keys(), expected[section].keys(), section)
            for name, value in expected[section].items():
                self.assertEqual(shown[section][name], value, f"{section}/{name}")
        if messages is not None:
            # The driver's dump gathers every message since start-up.
            self.assertEqual(self.start_messages + messages, expected["messages"])
        return shown

    # --- the tests -----------------------------------------------------------------

    def test_opens_on_the_computed_reference_room_after_the_welcome_box(self):
        self.assertEqual(self.start_messages[0]["caption"], "欢迎使用")
        shown = self.expect_form_as_native("", messages=[])
        self.assertEqual(shown["fields"]["totalCoolingLoadW"], "44834")
        # One file: nothing was fetched besides the page itself.
        self.assertEqual(self.browser.execute_script(
            "return performance.getEntriesByType('resource').map(r => r.name)"), [])

    def test_every_key_runs_the_box_rule_and_a_bad_number_is_refused(self):
        self.type_keys("storeLength", "80")
        self.assertEqual(self.close_messages(), [])
        self.expect_form_as_native("type storeLength 8\ntype storeLength 80\n", messages=[])
        self.type_keys("storeWidth", "1x")
        prompts = self.close_messages()
        self.assertEqual(prompts, [{"caption": "Gelvant", "text": "请输入一个数字。"}])
        script = "type storeLength 8\ntype storeLength 80\ntype storeWidth 1\ntype storeWidth 1x\n"
        shown = self.expect_form_as_native(script, messages=prompts)
        self.assertEqual(shown["fields"]["storeWidth"], "1")  # the previous value is back
        focused = self.browser.switch_to.active_element
        self.assertEqual(focused.get_attribute("data-field"), "storeWidth")
        self.assertTrue(self.browser.execute_script(
            "const b = document.activeElement;"
            "return b.selectionStart === 0 && b.selectionEnd === b.value.length"))

    def test_picks_apply_a_reference_room_and_compute(self):
        self.pick("siteChoice", 5)
        self.pick("insulationChoice", 2)
        self.pick("referenceList", 3)
        self.press("以此库参数代入上表栏核算")
        applied = self.close_messages()
        self.type_keys("doorWidth", "1200")
        self.press("计算冷负荷")
        computed = self.close_messages()
        script = ("choose siteChoice 5\nchoose insulationChoice 2\nchoose referenceList 3\n"
                  "click apply\ntype doorWidth 1\ntype doorWidth 12\ntype doorWidth 120\n"
                  "type doorWidth 1200\nclick compute\n")
        self.expect_form_as_native(script, messages=applied + computed)

    def test_a_row_without_preset_hides_the_apply_button(self):
        self.pick("referenceList", 40)
        shown = self.expect_form_as_native("choose referenceList 40\n",
                                           messages=self.close_messages())
        self.assertFalse(shown["visible"]["applyReferenceButton"])

    def test_enter_and_esc_do_nothing_to_the_form(self):
        before = self.browser.execute_script(READ_FORM)
        box = self.box("roomTemp")
        box.click()
        box.send_keys(Keys.ENTER)
        box.send_keys(Keys.ESCAPE)
        self.assertEqual(self.close_messages(), [])
        self.assertEqual(self.browser.execute_script(READ_FORM), before)

    def test_every_box_and_list_is_named_and_tab_follows_the_form(self):
        unnamed = self.browser.execute_script("""
            return [...document.querySelectorAll('#form input, #form select')]
                .filter(c => c.offsetParent !== null)
                .filter(c => !(c.labels && c.labels.length) && !c.getAttribute('aria-label'))
                .map(c => c.outerHTML);""")
        self.assertEqual(unnamed, [])
        self.box("storeLength").click()
        order = []
        for _ in range(3):
            self.browser.switch_to.active_element.send_keys(Keys.TAB)
            order.append(self.browser.switch_to.active_element.get_attribute("data-field"))
        self.assertEqual(order, ["storeWidth", "storeHeight", "innerVolume"])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
