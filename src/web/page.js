// The design form in the browser: a thin view over the core. The core hands
// over the form's make-up (groups, cells, labels, lists) and, after every
// action of the designer, the whole form with the messages that action
// raised; the page lays the form out, forwards each key, pick and press, and
// shows the messages one after another as modal boxes.
"use strict";

(function () {
    const page = { core: null, layout: null, boxes: {}, lists: {}, texts: {}, toggled: {},
                   itemKeys: {}, queue: [], focusAfterMessages: null };
    window.gelvant = page; // the page's other scripts build on it

    const call = (name, types, args) => page.core.ccall(name, "string", types, args);
    // An HTML element with its attributes and text; the work and the sheet use it too.
    const element = page.element = (tag, attributes, text) => {
        const node = document.createElement(tag);
        for (const [key, value] of Object.entries(attributes || {})) {
            node.setAttribute(key, value);
        }
        if (text !== undefined) {
            node.textContent = text;
        }
        return node;
    };
    const place = (node, cell, column, span) => {
        node.style.gridRow = String(cell.row + 1);
        node.style.gridColumn = `${column + 1} / span ${span}`;
    };

    // --- Building the form from the core's tables -----------------------------

    function buildForm() {
        const form = document.getElementById("form");
        form.textContent = "";
        const note = element("p", { class: "note" }, page.layout.topNote);
        form.append(note);
        const bands = Math.max(...page.layout.groups.map((g) => g.band)) + 1;
        for (let band = 0; band < bands; ++band) {
            form.append(buildBand(band));
        }
        // The note wraps to the width of the groups beneath it, in em so
        // that it keeps doing so at any zoom.
        const em = parseFloat(getComputedStyle(form).fontSize);
        note.style.width = `${form.getBoundingClientRect().width / em}em`;
        note.style.display = "block";
        form.removeAttribute("aria-busy");
    }

    function buildBand(band) {
        const row = element("div", { class: "band" });
        let column = null;
        let columnNo = -1;
        page.layout.groups.forEach((group, index) => {
            if (group.band !== band) {
                return;
            }
            if (group.column !== columnNo) {
                column = element("div", { class: "column" });
                row.append(column);
                columnNo = group.column;
            }
            if (!group.title) {
                row.classList.add("untitled");
            }
            column.append(buildGroup(index, group));
        });
        return row;
    }

    function buildGroup(index, group) {
        const box = element("fieldset", { "data-group": String(index) });
        if (group.title) {
            box.append(element("legend", {}, group.title));
        }
        const cells = page.layout.cells.filter((c) => c.group === index);
        for (const cell of cells) {
            placeCell(box, cell, group, cells);
        }
        return box;
    }

    function placeCell(box, cell, group, cells) {
        switch (cell.kind) {
        case "field":
        case "bareField":
            placeField(box, cell);
            break;
        case "list":
            box.append(makeList(cell, listLabel(cell, group, cells)));
            break;
        case "text":
            box.append(makeText(cell));
            break;
        case "caption": {
            const caption = element("span", { class: "caption" }, cell.caption);
            place(caption, cell, cell.column, cell.span);
            box.append(caption);
            break;
        }
        case "button":
            box.append(makeButton(cell));
            break;
        default: // option buttons stay out of sight, as in the window
            break;
        }
    }

    function placeField(box, cell) {
        const id = `box-${cell.name}`;
        const input = element("input", { id, type: "text", "data-field": cell.name,
                                         autocomplete: "off", spellcheck: "false" });
        input.readOnly = cell.box === "readOnly";
        const hidden = cell.box === "hidden";
        if (cell.kind === "field") {
            const label = element("label", { for: id }, cell.label);
            place(label, cell, cell.column, 1);
            place(input, cell, cell.column + 1, 1);
            label.classList.toggle("absent", hidden);
            box.append(label);
        } else {
            input.setAttribute("aria-label", cell.label.trim());
            place(input, cell, cell.column, 1);
        }
        input.classList.toggle("absent", hidden);
        input.addEventListener("input", () => act("gv_type", ["number", "string"],
                                                  [cell.field, input.value]));
        input.addEventListener("blur", () => page.core.ccall("gv_leave", null, [], []));
        page.boxes[cell.name] = input;
        box.append(input);
    }

    // A list is named by its caption in the list table, else by the caption
    // before it in its row, else by its group.
    function listLabel(cell, group, cells) {
        const def = Object.values(page.layout.lists).find((l) => l.control === cell.control);
        if (def && def.caption) {
            return def.caption;
        }
        const before = cells.filter((c) => c.kind === "caption" && c.row === cell.row &&
                                           c.column < cell.column);
        const caption = before.length ? before[before.length - 1].caption.replace(/\s+/g, "") : "";
        return [group.title, caption].filter(Boolean).join(" ") || cell.name;
    }

    // A drop-down list with an edit part, as in the window (combobox.js).
    function makeList(cell, label) {
        const listName = Object.keys(page.layout.lists).find(
            (name) => page.layout.lists[name].control === cell.control);
        const def = page.layout.lists[listName];
        const combo = page.combobox(label, {
            pick: (index) => act("gv_choose", ["number", "number"], [cell.control, index]),
            typeOver: (text) => act("gv_type_over_list", ["number", "string"],
                                    [cell.control, text]),
            leave: () => page.core.ccall("gv_leave", null, [], []),
            rows: listName === "referenceList" ? 30 : 20, // as many rows as the window shows
        });
        combo.input.dataset.list = listName;
        combo.root.dataset.list = listName;
        place(combo.root, cell, cell.column, cell.span);
        if (cell.widthEm > 0) {
            combo.root.style.width = `${cell.widthEm}em`;
        }
        combo.root.classList.toggle("gone", def.hidden);
        combo.setItems(def.items, def.builtIn);
        page.itemKeys[listName] = def.key;
        page.lists[listName] = combo;
        return combo.root;
    }

    function makeText(cell) {
        const text = element("div", { class: "text", "data-text": cell.name || "" });
        place(text, cell, cell.column, cell.span);
        if (cell.widthEm > 0) {
            text.style.width = `${cell.widthEm}em`;
        } else {
            text.classList.add("fill");
        }
        if (cell.lines > 1) {
            text.classList.add("wrap");
            text.style.height = `${cell.lines * 1.4}em`;
            text.style.gridRow = `${cell.row + 1} / span ${cell.lines}`;
        }
        page.texts[cell.name] = text;
        return text;
    }

    function makeButton(cell) {
        const button = element("button", { type: "button" }, cell.caption);
        place(button, cell, cell.column, cell.span);
        button.addEventListener("click", () => act("gv_click", ["number"], [cell.control]));
        if (cell.toggled) {
            page.toggled[cell.toggled] = button;
        }
        return button;
    }

    // --- Showing the form -------------------------------------------------------

    function act(name, types, args) {
        show(JSON.parse(call(name, types, args)));
    }

    function show(state) {
        for (const [name, text] of Object.entries(state.fields)) {
            const input = page.boxes[name];
            if (input && input.value !== text) {
                input.value = text;
            }
        }
        for (const [name, list] of Object.entries(state.lists)) {
            showList(name, list, state.page.itemKeys[name], state.page.listTexts[name]);
        }
        for (const [name, text] of Object.entries(state.texts)) {
            if (page.texts[name] && page.texts[name].textContent !== text) {
                page.texts[name].textContent = text;
            }
        }
        for (const [name, visible] of Object.entries(state.visible)) {
            const node = page.toggled[name] || (page.lists[name] && page.lists[name].root);
            if (node) {
                node.classList.toggle("gone", !visible);
            }
        }
        page.state = state;
        if (state.page.prompted) {
            page.focusAfterMessages = state.page.focus;
        }
        page.queue.push(...state.messages);
        showNextMessage();
        if (page.shown) {
            page.shown(state); // the work around the form follows
        }
    }

    // A list is filled anew when its items changed: it grew, or an entry
    // of the designer's was added, renamed or removed.
    function showList(name, list, itemsKey, editText) {
        const combo = page.lists[name];
        if (!combo) {
            return;
        }
        if (page.itemKeys[name] !== itemsKey) {
            const fetched = JSON.parse(call("gv_items", ["number"],
                                            [page.layout.lists[name].control]));
            combo.setItems(fetched.items, fetched.builtIn);
            page.itemKeys[name] = fetched.key;
        }
        combo.show(list.index, editText);
    }

    // Message boxes, one at a time, in the order the core raised them. Enter
    // and Esc close a box; nothing else of the form reacts to them.
    function showNextMessage() {
        const dialog = document.getElementById("message");
        if (dialog.open) {
            return;
        }
        const message = page.queue.shift();
        if (!message) {
            focusRefusedBox();
            return;
        }
        document.getElementById("message-caption").textContent = message.caption;
        document.getElementById("message-text").textContent = message.text;
        dialog.showModal();
    }

    function focusRefusedBox() {
        const control = page.focusAfterMessages;
        page.focusAfterMessages = null;
        const cell = page.layout.cells.find((c) => c.control === control && c.name);
        const input = cell && page.boxes[cell.name];
        if (input) {
            input.focus();
            if (page.state.page.focusSelected) {
                input.select();
            }
        }
    }

    function keepEnterAndEsc(event) {
        if ((event.key === "Enter" || event.key === "Escape") &&
            event.target.closest && event.target.closest("#form")) {
            event.preventDefault();
        }
    }

    // The language the page shows: ?lang=en or ?lang=zh in its address, kept
    // for the next visit; else the one kept; else Chinese.
    function pageLanguage() {
        const known = (code) => (code === "en" || code === "zh" ? code : null);
        const asked = known(new URLSearchParams(window.location.search).get("lang"));
        try {
            if (asked) {
                localStorage.setItem("gelvant-language", asked);
                return asked;
            }
            return known(localStorage.getItem("gelvant-language")) || "zh";
        } catch {
            return asked || "zh"; // the browser keeps no storage for the page
        }
    }

    // The core shows its texts in the language of the code from now on.
    page.useLanguage = (code) => {
        page.language = code;
        page.core.ccall("gv_set_language", null, ["string"], [code]);
        document.documentElement.lang = code === "en" ? "en" : "zh-CN";
    };

    // The form laid out again in the page's language and shown as it stands:
    // its values, lists and texts are the design session's, untouched.
    page.showFormAgain = () => {
        page.layout = JSON.parse(call("gv_layout", [], []));
        buildForm();
        show(JSON.parse(call("gv_form", [], [])));
    };

    function open(core) {
        page.core = core;
        page.useLanguage(pageLanguage());
        page.layout = JSON.parse(call("gv_layout", [], []));
        buildForm();
        document.getElementById("message").addEventListener("close", showNextMessage);
        document.addEventListener("keydown", keepEnterAndEsc);
        // The work around the form may first offer a recovered design.
        page.act = act;
        page.show = show;
        page.showMessage = (message) => {
            page.queue.push(message);
            showNextMessage();
        };
        const start = () => show(JSON.parse(call("gv_start", [], [])));
        Promise.resolve(page.start ? page.start(start) : start()).then(ready);
    }

    function ready() {
        page.ready = true;
        // The first frame with the computed form, for the benchmark.
        requestAnimationFrame(() => setTimeout(() => { page.paintedAt = performance.now(); }));
    }

    GelvantCore().then(open);
})();
