#!/usr/bin/python3
"""The page in a real browser: one engine (chromium, firefox or webkit, see
browsers.py) opens gelvant.html from the disk, a designer's actions are done
with keys, picks and clicks, and what the page then shows (every box, list,
text, visibility and message box) is compared field for field with the
native gelvant-cli dump of the same actions. The form's lists are
drop-downs with an edit part; a laptop's screen reaches every control.

Usage: page_test.py PAGE NATIVE_CLI [ENGINE]   (Debian's python3)
"""

import json
import pathlib
import re
import subprocess
import sys
import unittest

import browsers

PAGE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/web/gelvant.html").resolve()
NATIVE_CLI = sys.argv[2] if len(sys.argv) > 2 else "build/dev/src/cli/gelvant-cli"
ENGINE = sys.argv[3] if len(sys.argv) > 3 else "chromium"


def native_dump(script, startup=True):
    args = [NATIVE_CLI] + ([] if startup else ["--no-startup"])
    run = subprocess.run(args, input=(script + "dump\n").encode(), capture_output=True,
                         check=True)
    return json.loads(run.stdout.decode().splitlines()[-1])


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.browser = browsers.start(ENGINE)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()

    def setUp(self):
        self.browser.resize(1400, 1000)
        self.browser.open(PAGE.as_uri())
        self.browser.wait_ready_giving_up_copies()
        self.start_messages = self.close_messages()

    # --- what the designer does ----------------------------------------------

    def press(self, caption):
        self.browser.click("#form button", caption)

    def close_messages(self):
        """Closes every message box in turn with its button; returns them in order."""
        shown = []
        while self.browser.run("return document.getElementById('message').open"):
            self.assertTrue(self.browser.run(
                "return document.getElementById('message').matches(':modal')"))
            shown.append(self.browser.run(
                "return {caption: document.getElementById('message-caption').textContent,"
                "        text: document.getElementById('message-text').textContent}"))
            self.browser.click("#message button")
        return shown

    def list_state(self, name):
        return self.browser.run(
            "const c = window.gelvant.lists[arguments[0]];"
            "return {index: c.index, text: c.input.value, open: !c.box.hidden,"
            "        expanded: c.input.getAttribute('aria-expanded'),"
            "        active: c.active, focused: document.activeElement === c.input}", name)

    # --- comparing with the native driver ----------------------------------------

    def expect_form_as_native(self, script, messages=None):
        expected = native_dump(script)
        shown = self.browser.read_form()
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
        self.assertEqual(self.browser.run(
            "return performance.getEntriesByType('resource').map(r => r.name)"), [])

    def test_lang_en_shows_the_page_in_english_and_the_next_visit_keeps_it(self):
        try:
            for address in (PAGE.as_uri() + "?lang=en", PAGE.as_uri()):
                self.browser.open(address)
                self.browser.wait_ready_giving_up_copies()
                self.assertEqual(self.close_messages()[0]["caption"], "Welcome")
                self.assertEqual(self.browser.run("return document.documentElement.lang"), "en")
                # The figures are the native driver's, whatever the words.
                shown = self.browser.read_form()
                self.assertEqual(shown["fields"]["totalCoolingLoadW"], "44834")
                words = self.browser.run("return document.body.innerText")
                self.assertEqual(re.findall("[\u2e80-\u9fff\uff00-\uffef]", words), [])
            # On a 1366 × 768 screen no caption, heading or button is cut off.
            self.browser.resize(1366, 768)
            self.assertEqual(self.browser.run(
                "return [...document.querySelectorAll("
                "    'label, legend, h1, h2, h3, th, button, span, .text')]"
                "  .filter(e => e.offsetParent !== null"
                "               && getComputedStyle(e).overflowX !== 'visible'"
                "               && e.scrollWidth > e.clientWidth + 1)"
                "  .map(e => e.textContent)"), [])
        finally:
            self.browser.resize(self.browser.width, self.browser.height)
            self.browser.open(PAGE.as_uri() + "?lang=zh")
            self.browser.wait_ready_giving_up_copies()
        self.assertEqual(self.close_messages()[0]["caption"], "欢迎使用")

    def test_the_language_menu_switches_at_once_keeping_the_design_and_the_next_visit(self):
        cjk = "[\u2e80-\u9fff\uff00-\uffef]"
        words = ("return [...document.querySelectorAll('#menubar .opener, #form legend,"
                 " #form label, #form .caption, #form button, #summary h2')]"
                 ".map(e => e.textContent)")

        def choose(menu, entry, role="menuitem"):
            self.browser.click("#menubar .opener", menu)
            self.browser.click(f"#menubar [role={role}]", entry)

        try:
            self.browser.open(PAGE.as_uri() + "?lang=zh")
            self.browser.wait_ready_giving_up_copies()
            self.close_messages()
            chinese = self.browser.run(words)
            before = self.browser.read_form()["fields"]["storeLength"]
            self.browser.type_keys("storeLength", "80")
            typed = self.browser.read_form()
            title = self.browser.title()
            self.assertTrue(title.startswith("无标题*"), title)

            choose("语言", "English", "menuitemradio")
            self.assertEqual(self.browser.run("return document.documentElement.lang"), "en")
            self.assertEqual(re.findall(cjk, self.browser.run("return document.body.innerText")),
                             [])
            shown = self.browser.read_form()
            self.assertEqual(shown["fields"], typed["fields"])
            self.assertEqual({n: l["index"] for n, l in shown["lists"].items()},
                             {n: l["index"] for n, l in typed["lists"].items()})
            self.assertEqual(shown["visible"], typed["visible"])
            self.assertTrue(self.browser.title().startswith("Untitled*"), self.browser.title())
            self.assertEqual(self.browser.run(
                "return [...document.querySelectorAll('[data-language]')]"
                ".map(e => [e.textContent, e.getAttribute('aria-checked')])"),
                [["中文", "false"], ["English", "true"]])

            choose("Edit", "Undo")
            self.assertEqual(self.browser.read_form()["fields"]["storeLength"], before)

            choose("Language", "中文", "menuitemradio")
            self.assertEqual(self.browser.run(words), chinese)
            self.assertTrue(self.browser.title().startswith("无标题"), self.browser.title())

            # The last choice holds on the next visit, whatever the address said.
            choose("语言", "English", "menuitemradio")
            address = self.browser.run("return location.href")
            self.assertTrue(address.endswith("?lang=en"), address)
            self.browser.open(address)
            self.browser.wait("return window.gelvant && window.gelvant.layout")
            self.assertEqual(self.browser.run("return document.documentElement.lang"), "en")
        finally:
            self.browser.open(PAGE.as_uri() + "?lang=zh")
            self.browser.wait_ready_giving_up_copies()

    def test_every_key_runs_the_box_rule_and_a_bad_number_is_refused(self):
        self.browser.type_keys("storeLength", "80")
        self.assertEqual(self.close_messages(), [])
        self.expect_form_as_native("type storeLength 8\ntype storeLength 80\n", messages=[])
        self.browser.type_keys("storeWidth", "1x")
        prompts = self.close_messages()
        self.assertEqual(prompts, [{"caption": "Gelvant", "text": "请输入一个数字。"}])
        script = "type storeLength 8\ntype storeLength 80\ntype storeWidth 1\ntype storeWidth 1x\n"
        shown = self.expect_form_as_native(script, messages=prompts)
        self.assertEqual(shown["fields"]["storeWidth"], "1")  # the previous value is back
        self.assertTrue(self.browser.run(
            "const b = document.activeElement;"
            "return b.dataset.field === 'storeWidth' &&"
            "       b.selectionStart === 0 && b.selectionEnd === b.value.length"))

    def test_picks_apply_a_reference_room_and_compute(self):
        self.browser.pick("siteChoice", 5)
        self.browser.pick("insulationChoice", 2)
        self.browser.pick("referenceList", 3)
        self.press("以此库参数代入上表栏核算")
        applied = self.close_messages()
        self.browser.type_keys("doorWidth", "1200")
        self.press("计算冷负荷")
        computed = self.close_messages()
        script = ("choose siteChoice 5\nchoose insulationChoice 2\nchoose referenceList 3\n"
                  "click apply\ntype doorWidth 1\ntype doorWidth 12\ntype doorWidth 120\n"
                  "type doorWidth 1200\nclick compute\n")
        self.expect_form_as_native(script, messages=applied + computed)

    def test_a_row_without_preset_hides_the_apply_button(self):
        self.browser.pick("referenceList", 40)
        shown = self.expect_form_as_native("choose referenceList 40\n",
                                           messages=self.close_messages())
        self.assertFalse(shown["visible"]["applyReferenceButton"])

    def test_typing_over_a_list_then_picking_its_item_again_is_the_native_clear_and_choose(self):
        # The current item picked again runs the list's handler: the site's
        # climate comes back over the temperature typed.
        self.browser.type_keys("ambientTemp", "40")
        self.browser.pick("siteChoice", 1)
        self.expect_form_as_native("type ambientTemp 4\ntype ambientTemp 40\n"
                                   "choose siteChoice 1\n", messages=[])
        # Typed over, the list has no current item and shows what was typed.
        self.browser.click('input[data-list="siteChoice"]')
        self.browser.keys("Control+a")
        self.browser.type("无此地")
        self.assertEqual(self.list_state("siteChoice")["text"], "无此地")
        shown = self.expect_form_as_native("type ambientTemp 4\ntype ambientTemp 40\n"
                                           "choose siteChoice 1\nclear siteChoice\n")
        self.assertEqual(shown["lists"]["siteChoice"], {"index": -1, "text": ""})
        # Picked again with the keys: Down opens, Down and Down reach item 1, Enter picks.
        self.browser.keys("ArrowDown", "ArrowDown", "ArrowDown", "Enter")
        self.expect_form_as_native("type ambientTemp 4\ntype ambientTemp 40\n"
                                   "choose siteChoice 1\nclear siteChoice\nchoose siteChoice 1\n",
                                   messages=self.close_messages())
        # Undo takes the pick back, then the typing: the list's item comes back.
        self.browser.run("document.activeElement.blur()")
        self.browser.keys("Alt+Backspace", "Alt+Backspace")
        self.assertEqual(self.list_state("siteChoice")["index"], 1)

    def test_a_list_is_a_combobox_the_keys_open_move_find_pick_and_close(self):
        combos = self.browser.run("""
            return [...document.querySelectorAll('#form [role=combobox]')].map(c => ({
                list: c.dataset.list, label: c.getAttribute('aria-label'),
                box: document.getElementById(c.getAttribute('aria-controls'))
                    .getAttribute('role')}));""")
        self.assertEqual(sorted(c["list"] for c in combos), sorted(native_dump("")["lists"]))
        self.assertTrue(all(c["label"] and c["box"] == "listbox" for c in combos), combos)
        self.assertEqual(
            self.browser.run("return document.querySelectorAll('#form select').length"), 0)
        before = self.browser.read_form()
        self.browser.click('input[data-list="siteChoice"]')
        self.browser.keys("Alt+ArrowDown")
        state = self.list_state("siteChoice")
        self.assertEqual((state["open"], state["expanded"], state["active"]), (True, "true", 1))
        self.browser.keys("End")
        self.assertEqual(self.list_state("siteChoice")["active"], self.browser.run(
            "return window.gelvant.lists.siteChoice.items.length - 1"))
        self.browser.keys("Escape")  # closes without a pick; nothing of the form changes
        self.assertFalse(self.list_state("siteChoice")["open"])
        self.assertEqual(self.browser.read_form(), before)
        self.assertEqual(self.close_messages(), [])
        # Type-ahead: the open list takes the letters and finds the item.
        self.browser.keys("ArrowDown", "甘")
        state = self.list_state("siteChoice")
        self.assertEqual((state["active"], state["text"]), (15, "上海"))
        self.browser.keys("Enter")
        state = self.list_state("siteChoice")
        self.assertEqual((state["index"], state["text"], state["open"], state["focused"]),
                         (15, "甘肃兰州", False, True))
        self.expect_form_as_native("choose siteChoice 15\n", messages=self.close_messages())

    def test_enter_and_esc_do_nothing_to_the_form(self):
        before = self.browser.read_form()
        self.browser.click('input[data-field="roomTemp"]')
        self.browser.keys("Enter", "Escape")
        self.browser.click('input[data-list="siteChoice"]')
        self.browser.keys("Enter", "Escape")
        self.assertEqual(self.close_messages(), [])
        self.assertEqual(self.browser.read_form(), before)

    def test_every_box_and_list_is_named_and_tab_follows_the_form(self):
        unnamed = self.browser.run("""
            return [...document.querySelectorAll('#form input')]
                .filter(c => c.offsetParent !== null)
                .filter(c => !(c.labels && c.labels.length) && !c.getAttribute('aria-label'))
                .map(c => c.outerHTML);""")
        self.assertEqual(unnamed, [])
        self.browser.click('input[data-field="storeLength"]')
        order = []
        for _ in range(3):
            self.browser.keys("Tab")
            order.append(self.browser.run("return document.activeElement.dataset.field"))
        self.assertEqual(order, ["storeWidth", "storeHeight", "innerVolume"])

    def test_a_laptop_screen_reaches_every_box_list_button_and_menu(self):
        for width, height in ((1280, 720), (1366, 768)):
            with self.subTest(f"{width}x{height}"):
                self.browser.resize(width, height)
                self.assertEqual(self.browser.run(REACH_EVERY_CONTROL), [])
                self.assertEqual(self.browser.run(REACH_EVERY_MENU), [])
                # The groups keep the window's bands: no band wraps.
                self.assertTrue(self.browser.run(
                    "return [...document.querySelectorAll('#form .band')].every(b =>"
                    " new Set([...b.children].map(c => c.offsetTop)).size === 1)"))
                for name in ("referenceList", "siteChoice"):
                    self.assertEqual(self.browser.run(REACH_EVERY_ITEM, name), [], name)


# Each box, list and button of the form scrolled to (as Tab or a screen
# reader would): it lies whole inside the viewport and nothing covers it.
# The controls that cannot be reached are named.
REACH_EVERY_CONTROL = """
const missed = [];
const controls = [...document.querySelectorAll('#form input, #form .combo, #form button')]
    .filter(c => c.offsetParent !== null && !c.closest('.gone') && !c.closest('.combo-open'));
for (const c of controls) {
    c.scrollIntoView({block: 'center', inline: 'nearest'});
    const r = c.getBoundingClientRect();
    const top = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
    // A pixel's part of slack: the layout's fractions of a pixel.
    if (r.left < -1 || r.top < -1 || r.right > innerWidth + 1 || r.bottom > innerHeight + 1 ||
        !top || !(c === top || c.contains(top) || (top.control === c))) {
        missed.push(c.dataset.field || c.dataset.list || c.textContent);
    }
}
window.scrollTo(0, 0);
return missed;
"""

# Each menu opened from the top of the page: every entry lies inside the
# viewport; so do the room selector and the use beside the menus.
REACH_EVERY_MENU = """
const missed = [];
const inside = (e) => { const r = e.getBoundingClientRect();
    return r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight; };
window.scrollTo(0, 0);
for (const menu of document.querySelectorAll('#menubar .menu')) {
    menu.classList.add('open');
    for (const e of menu.querySelectorAll('[role=menuitem]')) {
        if (!inside(e)) missed.push(e.textContent);
    }
    menu.classList.remove('open');
}
for (const e of document.querySelectorAll('#menubar select, #menubar .opener')) {
    if (!inside(e)) missed.push(e.id || e.textContent);
}
return missed;
"""

# A list opened where it sits when scrolled to the foot of the viewport:
# every item can be scrolled to inside the list box, which lies in sight.
REACH_EVERY_ITEM = """
const combo = window.gelvant.lists[arguments[0]];
combo.root.scrollIntoView({block: 'end'});
combo.input.focus();
combo.input.dispatchEvent(new KeyboardEvent('keydown', {key: 'ArrowDown', bubbles: true}));
const box = combo.box.getBoundingClientRect();
const missed = [];
if (combo.box.hidden || box.top < 0 || box.bottom > innerHeight) missed.push('list box');
for (const item of combo.box.children) {
    item.scrollIntoView({block: 'nearest'});
    const r = item.getBoundingClientRect();
    if (r.top < box.top - 1 || r.bottom > box.bottom + 1) missed.push(item.textContent);
}
combo.input.dispatchEvent(new KeyboardEvent('keydown', {key: 'Escape', bubbles: true}));
combo.input.blur();
window.scrollTo(0, 0);
return missed;
"""


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
