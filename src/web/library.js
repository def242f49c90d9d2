// 自定义数据: the designer's own entries of the site, product, insulation
// and goods-kind lists, a table per kind, with the commands that add,
// change, remove, import and export them, as the window's dialog has them.
// Every change is a verb of the design session (one undo step); the entries
// made, changed and removed are kept in the personal library too, which the
// browser keeps in its web storage and every new design starts with.
"use strict";

(function () {
    const page = window.gelvant;
    const work = page.work;
    const element = page.element;
    // The personal library, as a library file's text.
    const kStorageKey = "gelvant-library";
    const library = { words: null, keep: true, dialog: null };

    const words = () => library.words ||
        (library.words = JSON.parse(work.call("gv_library_words")));
    work.onLanguage(() => { library.words = null; });

    function storage() {
        try {
            return window.localStorage;
        } catch {
            return null; // storage switched off: even the getter throws
        }
    }

    // The personal library handed to the design session; the words saying
    // why it cannot be read, or null. One that cannot be read is never
    // written over: the changes made here then stay with the designs.
    function takePersonal(text) {
        const bytes = new TextEncoder().encode(text || "");
        const answer = work.withBytes(bytes, (pointer, size) => JSON.parse(
            work.call("gv_set_personal_library", ["number", "number"], [pointer, size])));
        library.keep = !answer.unread;
        return answer.unread || null;
    }

    // Before the first design starts: what the browser kept, read; what
    // another tab keeps later follows.
    work.takePersonalLibrary = () => {
        const store = storage();
        let text = null;
        try {
            text = store ? store.getItem(kStorageKey) : null;
        } catch {
            text = null;
        }
        window.addEventListener("storage", (event) => {
            if (event.key === kStorageKey) {
                takePersonal(event.newValue);
            }
        });
        const unread = takePersonal(text);
        return () => {
            if (unread) {
                work.tell("Gelvant", unread);
            }
        };
    };

    function keepPersonal(text) {
        if (!library.keep || text === undefined) {
            return;
        }
        try {
            storage().setItem(kStorageKey, text);
        } catch (error) {
            work.tell("Gelvant", words().cannotKeep + ((error && error.message) || String(error)));
        }
    }

    // The design's answer to a change: the form shown, the personal library
    // kept, the tables filled again; false when the change was refused.
    function took(answer) {
        if (answer.refused) {
            return false;
        }
        page.show(answer);
        keepPersonal(answer.personal);
        if (library.dialog) {
            library.dialog.showEntries();
        }
        return true;
    }

    // --- One entry -------------------------------------------------------------------

    // One entry as the designer writes it: its name and a box per key,
    // labelled with its range; from built-in rows, a list of them on top
    // fills the boxes. A refusal names the box and its range, and the box
    // waits to be mended.
    function editEntry(kindIndex, start, builtInRows, submit) {
        const w = words();
        const kind = w.kinds[kindIndex];
        const colon = (text) => `${text}${w.labelColon}`;
        const content = [];
        const name = element("input", { id: "library-name", type: "text", autocomplete: "off" });
        const boxes = kind.columns.map((column, i) => element("input", {
            id: `library-value-${i}`, type: "text", autocomplete: "off", "data-key": String(i),
        }));
        const showRow = (row) => {
            name.value = row[0];
            boxes.forEach((box, i) => {
                box.value = row[i + 1];
            });
        };
        if (builtInRows) {
            const rows = element("select", { id: "library-built-in" });
            builtInRows.forEach((row) => rows.append(element("option", {}, row[0])));
            rows.addEventListener("change", () => {
                const row = builtInRows[rows.selectedIndex];
                showRow(row);
                name.value = ""; // a built-in item's name is taken: the designer gives his own
                name.placeholder = row[0];
            });
            content.push(element("label", { for: rows.id }, w.builtInPrompt), rows);
            if (builtInRows.length) {
                rows.dispatchEvent(new Event("change"));
            }
        }
        content.push(element("label", { for: name.id }, colon(w.nameColumn)), name);
        boxes.forEach((box, i) => {
            content.push(element("label", { for: box.id }, colon(kind.columns[i])), box);
        });
        if (start) {
            showRow(start);
        }
        const dialog = element("dialog", { class: "ask library-entry" });
        const form = element("form", { method: "dialog" });
        const buttons = element("div", { class: "buttons" });
        const ok = element("button", { value: "ok" }, work.words.ok);
        buttons.append(ok, element("button", { value: "cancel" }, work.words.cancel));
        form.append(element("h2", {}, `${w.title} - ${kind.title}`), ...content, buttons);
        dialog.append(form);
        document.body.append(dialog);
        dialog.addEventListener("close", () => dialog.remove());
        ok.addEventListener("click", (event) => {
            event.preventDefault();
            const written = { name: name.value.trim(), values: boxes.map((b) => b.value.trim()) };
            const answer = submit(written);
            if (!took(answer)) {
                dialog.querySelector(".refused")?.remove();
                buttons.before(element("p", { class: "refused", role: "alert" },
                                       answer.refused.text));
                const wrong = answer.refused.box >= 0 ? boxes[answer.refused.box] : name;
                wrong.focus();
                wrong.select();
                return;
            }
            dialog.close();
            if (library.dialog) {
                library.dialog.select(kindIndex, written.name);
            }
        });
        dialog.showModal();
        (builtInRows ? form.querySelector("select") : name).focus();
    }

    const entryJson = (written) => JSON.stringify(written);

    // --- The library -----------------------------------------------------------------

    function openLibrary() {
        const w = words();
        const dialog = element("dialog", { class: "library", "aria-labelledby": "library-title" });
        const form = element("form", { method: "dialog" });
        const tabs = element("div", { role: "tablist", class: "tabs" });
        const panels = element("div", { class: "panels" });
        const shown = { kind: 0, tables: [], selected: w.kinds.map(() => -1), rows: [] };

        w.kinds.forEach((kind, i) => {
            const tab = element("button", { type: "button", role: "tab", id: `library-tab-${i}`,
                                            "aria-controls": `library-panel-${i}` }, kind.title);
            tab.addEventListener("click", () => showKind(i));
            tabs.append(tab);
            const panel = element("div", { role: "tabpanel", id: `library-panel-${i}`,
                                           "aria-labelledby": tab.id });
            const table = element("table", { class: "entries", tabindex: "0",
                                             "data-kind": kind.key });
            table.addEventListener("click", (event) => {
                const row = event.target.closest("tr[data-entry]");
                if (row) {
                    selectRow(i, Number(row.dataset.entry));
                }
            });
            table.addEventListener("dblclick", (event) => {
                if (event.target.closest("tr[data-entry]")) {
                    changeEntry();
                }
            });
            table.addEventListener("keydown", (event) => onTableKey(event, i));
            panel.append(table);
            panels.append(panel);
            shown.tables.push(table);
        });

        function showKind(i) {
            shown.kind = i;
            [...tabs.children].forEach((tab, k) => tab.setAttribute("aria-selected",
                                                                     String(k === i)));
            [...panels.children].forEach((panel, k) => {
                panel.hidden = k !== i;
            });
        }

        function selectRow(kindIndex, row) {
            const table = shown.tables[kindIndex];
            const count = shown.rows[kindIndex].length;
            const wanted = count ? Math.max(0, Math.min(row, count - 1)) : -1;
            table.querySelector("tr.selected")?.classList.remove("selected");
            shown.selected[kindIndex] = wanted;
            const node = table.querySelector(`tr[data-entry="${wanted}"]`);
            if (node) {
                node.classList.add("selected");
                node.scrollIntoView({ block: "nearest" });
            }
        }

        function onTableKey(event, kindIndex) {
            const moves = { ArrowDown: 1, ArrowUp: -1 };
            if (event.key in moves) {
                event.preventDefault();
                selectRow(kindIndex, shown.selected[kindIndex] + moves[event.key]);
            } else if (event.key === "Enter") {
                event.preventDefault();
                changeEntry();
            } else if (event.key === "Delete") {
                event.preventDefault();
                removeEntry();
            }
        }

        // The design's entries, the selection kept on the entry of its name.
        function showEntries() {
            const tables = JSON.parse(work.call("gv_library"));
            tables.forEach((rows, i) => {
                const was = shown.selected[i];
                const before = shown.rows[i] && shown.rows[i][was];
                shown.rows[i] = rows;
                page.fillTable(shown.tables[i], [w.nameColumn, ...w.kinds[i].columns], rows);
                [...shown.tables[i].querySelectorAll("tr")].slice(1).forEach((row, k) => {
                    row.dataset.entry = String(k);
                });
                const kept = before ? rows.findIndex((row) => row[0] === before[0]) : -1;
                selectRow(i, kept >= 0 ? kept : was); // a removed entry's place
            });
        }

        const current = () => {
            const rows = shown.rows[shown.kind];
            const row = shown.selected[shown.kind];
            return row >= 0 && row < rows.length ? rows[row] : null;
        };

        function addEntry(fromBuiltIn) {
            const kind = shown.kind;
            const rows = fromBuiltIn
                ? JSON.parse(work.call("gv_library_built_in", ["number"], [kind])) : null;
            editEntry(kind, null, rows, (written) => JSON.parse(work.call(
                "gv_library_add", ["number", "string"], [kind, entryJson(written)])));
        }

        function changeEntry() {
            const kind = shown.kind;
            const entry = current();
            if (entry) {
                editEntry(kind, entry, null, (written) => JSON.parse(work.call(
                    "gv_library_change", ["number", "string", "string"],
                    [kind, entry[0], entryJson(written)])));
            }
        }

        function removeEntry() {
            const entry = current();
            if (entry) {
                const answer = JSON.parse(work.call("gv_library_remove", ["number", "string"],
                                                    [shown.kind, entry[0]]));
                if (!took(answer)) {
                    work.tell(w.title, answer.refused.text);
                }
            }
        }

        const picker = element("input", { type: "file", accept: ".json,application/json",
                                          class: "absent" });
        picker.addEventListener("change", async () => {
            if (picker.files.length !== 1) {
                return;
            }
            const bytes = new Uint8Array(await picker.files[0].arrayBuffer());
            const answer = work.withBytes(bytes, (pointer, size) => JSON.parse(
                work.call("gv_library_import", ["number", "number"], [pointer, size])));
            if (!took(answer)) {
                work.tell(w.title, answer.refused.text);
            }
        });

        function importFile() {
            picker.value = "";
            picker.click();
        }

        function exportFile() {
            const bytes = work.heldBytes(page.core.ccall("gv_library_export", "number", [], []));
            work.download(w.fileName, bytes, "application/json");
        }

        const commands = element("div", { class: "commands" });
        const actions = [[w.add, () => addEntry(false)], [w.edit, changeEntry],
                         [w.remove, removeEntry], [w.copyBuiltIn, () => addEntry(true)],
                         [w.import, importFile], [w.export, exportFile]];
        for (const [label, run] of actions) {
            const button = element("button", { type: "button" }, label);
            button.addEventListener("click", run);
            commands.append(button);
        }
        commands.append(element("button", { value: "close", class: "close" }, w.close));

        const body = element("div", { class: "body" });
        const kinds = element("div", { class: "kinds" });
        kinds.append(tabs, panels);
        body.append(kinds, commands);
        form.append(element("h2", { id: "library-title" }, w.title),
                    element("p", { class: "hint" }, w.hint), body, picker);
        dialog.append(form);
        document.body.append(dialog);
        library.dialog = {
            showEntries,
            select: (kindIndex, name) => {
                const row = shown.rows[kindIndex].findIndex((r) => r[0] === name);
                if (row >= 0) {
                    selectRow(kindIndex, row);
                }
            },
        };
        dialog.addEventListener("close", () => {
            library.dialog = null;
            dialog.remove();
        });
        showKind(0);
        showEntries();
        dialog.showModal();
    }

    work.command("library", openLibrary);
})();
