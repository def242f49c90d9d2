#!/usr/bin/python3
"""The designer's own data (自定义数据) in a real browser, as a designer
uses it: an entry of each kind written in the dialog, chosen in its list,
fills the form as the native driver's `library add` and `choose` do; a
refused entry names the box and its range and adds nothing, and a personal
library the browser cannot read is named and left alone; a renamed entry
is renamed in its list; the exported library and the saved design open in
a fresh browser to the same lists and figures, and the personal library the
browser keeps is what new designs start with.

Usage: library_test.py PAGE NATIVE_CLI [ENGINE]
"""

import json
import pathlib
import subprocess
import sys
import tempfile
import unittest

import browsers
from work_test import ASKED, NATIVE_CLI, Designer, form_only, native

ENGINE = sys.argv[3] if len(sys.argv) > 3 else "chromium"
LIBRARY_LISTS = ("siteChoice", "productChoice", "insulationChoice", "goodsKindChoice")

# tab, the driver's kind, its list, the entry's name, its keys and values as typed
KINDS = (
    ("地区气候", "site", "siteChoice", "某县",
     {"ambientTemp": "31.5", "ambientHumidity": "80", "summerAirConditioningTemp": "33",
      "summerPressurePa": "99000"}),
    ("食品", "product", "productChoice", "某果",
     {"waterContentPercent": "85", "freezingPoint": "-1.5", "specificHeatUnfrozen": "3.8",
      "specificHeatFrozen": "2"}),
    ("保温材料", "insulation", "insulationChoice", "某板",
     {"insulationConductivity": "0.03", "insulationDensity": "40",
      "insulationSpecificHeat": "1.4"}),
    ("货物种类", "goods", "goodsKindChoice", "某货", {"goodsDensity": "350"}),
)

# tab, name, values, the core's words, the box that takes the focus
REFUSALS = (
    ("地区气候", "某县", ["70", "80", "33", "99000"], "环境平均温度℃ 应在 -60～60 之间。",
     "library-value-0"),
    ("地区气候", "某县", ["30", "80.5", "33", "99000"], "环境湿度(%) 应为 0～100 之间的整数。",
     "library-value-1"),
    ("货物种类", "某货", ["abc"], "货物密度(kg/m3) 应为数字：“abc”不是数字。", "library-value-0"),
    ("货物种类", "", ["350"], "请输入货物种类的名称。", "library-name"),
    ("货物种类", "机制冰", ["350"], "货物种类列表中已有“机制冰”，请另取一个名称。", "library-name"),
)

LIST_ITEMS = """
return arguments[0].map((name) => {
    const list = window.gelvant.lists[name];
    return [list.items, [...list.box.children].filter((li) =>
        getComputedStyle(li).fontStyle === "italic").map((li) => Number(li.dataset.index))];
});"""
ENTRY_ROWS = """
return [...document.querySelectorAll("dialog.library table.entries")].map((t) =>
    [...t.querySelectorAll("tr[data-entry]")].map((r) => [...r.cells].map((c) => c.textContent)));
"""
NO_ENTRY_DIALOG = "return !document.querySelector('dialog.library-entry')"


def library_script(kinds):
    return "".join(f"library add {kind} {name} " +
                   " ".join(f"{key}={value}" for key, value in values.items()) + "\n"
                   for _, kind, _, name, values in kinds)


class LibraryDesigner(Designer):
    """A designer at the 自定义数据 dialog."""

    def fill(self, selector, text):
        self.browser.click(selector)
        self.browser.keys("Control+a")
        if text:
            self.browser.type(text)
        else:
            self.browser.keys("Backspace")

    def command(self, label):
        self.browser.click("dialog.library .commands button", label)

    def write_entry(self, tab, command, name, values):
        """Writes an entry of the tab's kind and presses 确定."""
        self.browser.click("dialog.library [role=tab]", tab)
        self.command(command)
        self.fill("#library-name", name)
        for i, value in enumerate(values):
            self.fill(f"#library-value-{i}", value)
        self.browser.click("dialog.library-entry button", "确定")

    def lists(self):
        return self.browser.run(LIST_ITEMS, list(LIBRARY_LISTS))


class LibraryTest(unittest.TestCase, LibraryDesigner):
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
        # Each test starts from an empty personal library.
        self.addCleanup(self.browser.run, "localStorage.removeItem('gelvant-library')")

    def test_each_kind_written_in_the_dialog_fills_its_boxes_as_the_native_driver(self):
        built_in = self.lists()
        self.menu("库房", "自定义数据...")
        for tab, _, _, name, values in KINDS:
            self.write_entry(tab, "新增...", name, list(values.values()))
            self.browser.wait(NO_ENTRY_DIALOG)
        self.assertEqual(self.browser.run(ENTRY_ROWS),
                         [[[name, *values.values()]] for _, _, _, name, values in KINDS])
        self.command("关闭")
        # Each list ends with its entry, in italics; every built-in item stays upright.
        for (items, italic), (items_before, _), kind in zip(self.lists(), built_in, KINDS):
            self.assertEqual(items, items_before + [kind[3]])
            self.assertEqual(italic, [len(items) - 1])
        script = library_script(KINDS)
        for (items, _), (_, _, list_name, _, _) in zip(built_in, KINDS):
            self.browser.pick(list_name, len(items))
            script += f"choose {list_name} {len(items)}\n"
        self.assertEqual(form_only(self.browser.read_form()),
                         form_only(native(script + "dump\n")[-1]))
        self.assertEqual(self.close_messages(), [])

        # Renamed, the entry keeps its place: its list shows the new name as
        # its current item; undo gives the old name back.
        self.menu("库房", "自定义数据...")
        self.browser.click("dialog.library [role=tab]", "货物种类")
        self.command("编辑...")
        self.fill("#library-name", "某货二")
        self.browser.click("dialog.library-entry button", "确定")
        self.browser.wait(NO_ENTRY_DIALOG)
        self.command("关闭")
        goods = self.browser.read_form()["lists"]["goodsKindChoice"]
        self.assertEqual(goods["text"], "某货二")
        self.assertEqual(self.lists()[3][0][-1], "某货二")
        self.menu("编辑", "撤销")
        self.assertEqual(self.browser.read_form()["lists"]["goodsKindChoice"]["text"], "某货")
        self.assertEqual(self.lists()[3][0][-1], "某货")

    def test_a_refused_entry_names_the_box_and_its_range_and_adds_nothing(self):
        before = self.lists()
        self.menu("库房", "自定义数据...")
        for tab, name, values, words, box in REFUSALS:
            with self.subTest(words):
                self.write_entry(tab, "新增...", name, values)
                shown = self.browser.wait(
                    "const r = document.querySelector('dialog.library-entry .refused');"
                    "return r && [r.textContent, document.activeElement.id]")
                self.assertEqual(shown, [words, box])
                self.browser.click("dialog.library-entry button", "取消")
                self.browser.wait(NO_ENTRY_DIALOG)
        self.assertEqual(self.browser.run(ENTRY_ROWS), [[], [], [], []])
        self.command("关闭")
        self.assertEqual(self.lists(), before)
        self.assertFalse(self.work()["canUndo"])
        self.assertIsNone(self.browser.run("return localStorage.getItem('gelvant-library')"))

        # A personal library the browser kept but cannot read is named at
        # start and never written over.
        newer = '{"format": "gelvant-library", "version": 99}'
        self.browser.run("localStorage.setItem('gelvant-library', arguments[0])", newer)
        self.open_page()
        self.browser.wait_ready_giving_up_copies()
        # The notice follows the start's own boxes: closed as they come, until it is seen.
        shown = []
        browsers.until(lambda: shown.extend(self.close_messages()) or any(
            m.startswith("本浏览器中保存的个人库无法读取") for m in shown), "the unreadable-library notice")
        self.menu("库房", "自定义数据...")
        self.write_entry("货物种类", "新增...", "某货", ["350"])
        self.browser.wait(NO_ENTRY_DIALOG)
        self.assertEqual(self.browser.run("return localStorage.getItem('gelvant-library')"), newer)

    def test_an_exported_library_and_its_design_open_alike_in_a_fresh_browser(self):
        self.menu("库房", "自定义数据...")
        self.browser.click("dialog.library [role=tab]", "保温材料")
        self.command("复制内置项...")
        self.browser.select("#library-built-in", 2)
        self.fill("#library-name", "某板")
        self.browser.click("dialog.library-entry button", "确定")
        self.browser.wait(NO_ENTRY_DIALOG)
        tab, _, _, name, values = KINDS[0]
        self.write_entry(tab, "新增...", name, list(values.values()))
        self.browser.wait(NO_ENTRY_DIALOG)
        self.command("导出...")
        exported = self.downloaded("gelvant-library.json")
        self.command("关闭")
        for list_name in ("insulationChoice", "siteChoice"):
            self.browser.pick(list_name, len(self.lists()[LIBRARY_LISTS.index(list_name)][0]) - 1)
        self.menu("库房", "全部重新计算")
        if self.browser.run(ASKED):
            self.answer("确定")
        self.close_messages()
        shown, lists = self.browser.read_form(), self.lists()
        self.menu("文件", "保存")
        (self.folder / "entries.gelvant").write_bytes(self.downloaded("无标题.gelvant"))
        (self.folder / "entries.json").write_bytes(exported)

        # The native driver reads the page's library file to the same entries.
        listed = subprocess.run(
            [NATIVE_CLI, "--library", str(self.folder / "entries.json")],
            input=b"library list site\nlibrary list insulation\n", capture_output=True,
            check=True).stdout.decode().splitlines()
        library = json.loads(exported)
        self.assertEqual([json.loads(line) for line in listed],
                         [library["site"], library["insulation"]])
        self.assertEqual([e["name"] for e in library["site"] + library["insulation"]],
                         ["某县", "某板"])

        fresh = browsers.start(ENGINE)
        try:
            other = LibraryDesigner(fresh)
            other.open_page()
            fresh.wait_ready()
            other.close_messages()
            self.assertEqual([own for _, own in other.lists()], [[], [], [], []])
            other.open_file(self.folder / "entries.gelvant")
            fresh.wait("return document.title.startsWith('entries.gelvant')")
            self.assertEqual(other.close_messages(), [])
            self.assertEqual(fresh.read_form(), shown)
            self.assertEqual(other.lists(), lists)

            # Imported, the entries join the personal library: a new page's
            # design starts with them.
            other.menu("库房", "自定义数据...")
            fresh.upload("dialog.library input[type=file]", self.folder / "entries.json")
            fresh.wait("return !!localStorage.getItem('gelvant-library')")
            other.command("关闭")
            other.open_page()
            fresh.wait_ready_giving_up_copies()
            other.close_messages()
            self.assertEqual(other.lists(), lists)

            # Changed here, the personal entry differs from the design's: the
            # design keeps its own, and the designer is told once.
            other.menu("库房", "自定义数据...")
            other.browser.click("dialog.library [role=tab]", "保温材料")
            other.command("编辑...")
            other.fill("#library-value-0", "0.05")
            fresh.click("dialog.library-entry button", "确定")
            fresh.wait(NO_ENTRY_DIALOG)
            other.command("关闭")
            other.open_file(self.folder / "entries.gelvant")
            other.answer("不保存")  # the entry's change is unsaved
            fresh.wait("return document.title.startsWith('entries.gelvant')")
            self.assertEqual(other.close_messages(), [
                "以下自定义数据与本机的同名数据不同，本设计仍用设计文件中的数值：保温材料 某板"])
            self.assertEqual(fresh.read_form(), shown)
        finally:
            fresh.quit()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
