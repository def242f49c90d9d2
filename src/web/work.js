// The work around the form, as the window has it: the menus, design files
// opened, dropped and downloaded, undo and redo, the rooms and the project
// summary, the calculation sheet and its CSV, and the copy of unsaved changes
// kept for recovery. The design session does every one of these; this script
// passes the designer's commands on and hands the bytes it writes to the
// browser.
"use strict";

(function () {
    const page = window.gelvant;
    const work = { state: null, recoveryTimer: 0, tabId: "", downloads: [] };
    page.work = work;

    const kTabLockPrefix = "gelvant-tab:";

    const element = page.element;
    let words = null; // the page's own words, from the design session
    const core = (name, types, args) => page.core.ccall(name, "string", types || [], args || []);
    const act = (name, types, args) => {
        const answer = JSON.parse(core(name, types, args));
        page.show(answer);
        return answer;
    };
    const today = () => {
        const now = new Date();
        const two = (n) => String(n).padStart(2, "0");
        return `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`;
    };

    // Bytes the core handed back (a design file, a CSV), copied out of its memory.
    function heldBytes(pointer) {
        const size = page.core.ccall("gv_held_size", "number", [], []);
        return page.core.HEAPU8.slice(pointer, pointer + size);
    }

    // Bytes handed to the core: it gets its own copy for the call.
    function withBytes(bytes, use) {
        const pointer = page.core._malloc(Math.max(bytes.length, 1));
        try {
            page.core.HEAPU8.set(bytes, pointer);
            return use(pointer, bytes.length);
        } finally {
            page.core._free(pointer);
        }
    }

    function download(name, bytes, type) {
        work.downloads.push({ name, bytes });
        const link = element("a", { download: name });
        link.href = URL.createObjectURL(new Blob([bytes], { type }));
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    }

    // --- Questions -------------------------------------------------------------------

    // A modal box with the given buttons; resolves with the value of the one
    // pressed (Esc: the last button's).
    function ask(caption, text, buttons, input) {
        return new Promise((resolve) => {
            const dialog = element("dialog", { class: "ask" });
            const form = element("form", { method: "dialog" });
            form.append(element("h2", {}, caption));
            if (text) {
                form.append(element("p", {}, text));
            }
            let field = null;
            if (input !== undefined) {
                field = element("input", { type: "text", "aria-label": text || caption });
                field.value = input;
                form.append(field);
            }
            const row = element("div", { class: "buttons" });
            for (const [label, value] of buttons) {
                row.append(element("button", { value }, label));
            }
            form.append(row);
            dialog.append(form);
            document.body.append(dialog);
            dialog.addEventListener("close", () => {
                const value = dialog.returnValue || buttons[buttons.length - 1][1];
                dialog.remove();
                resolve(field ? { value, text: field.value } : value);
            });
            dialog.showModal();
            if (field) {
                field.select();
            }
        });
    }

    function tell(caption, text) {
        page.showMessage({ caption, text });
    }

    // --- Title, menus' state, rooms and summary --------------------------------------

    function refresh() {
        const state = JSON.parse(core("gv_work"));
        work.state = state;
        document.title = state.title;
        const enabled = {
            undo: state.canUndo, redo: state.canRedo, deleteRoom: state.canDelete,
            moveUp: state.canMoveUp, moveDown: state.canMoveDown,
            previousRoom: state.current > 0, nextRoom: state.current + 1 < state.rooms.length,
        };
        for (const [name, on] of Object.entries(enabled)) {
            commands[name].entry.disabled = !on;
        }
        commands.airCooler.entry.setAttribute("aria-checked", String(!state.coil));
        commands.coil.entry.setAttribute("aria-checked", String(state.coil));
        showRooms(state);
        showUse(state.use);
        showGoodsLoadFactor(state.p);
        showSummary(state);
        keepForRecovery(state.modified);
    }

    function showRooms(state) {
        const select = work.roomSelect;
        if (select.options.length !== state.rooms.length ||
            state.rooms.some((name, i) => select.options[i].text !== name)) {
            select.textContent = "";
            for (const name of state.rooms) {
                select.append(element("option", {}, name));
            }
        }
        select.selectedIndex = state.current;
    }

    function showUse(use) {
        const select = work.useSelect;
        use.labels.forEach((label, i) => {
            if (!select.options[i]) {
                select.append(element("option"));
            }
            if (select.options[i].text !== label) {
                select.options[i].text = label;
            }
        });
        select.selectedIndex = use.current;
    }

    // The room's own p, or the use's greyed in the empty box.
    function showGoodsLoadFactor(p) {
        const box = work.pBox;
        if (box.value !== p.text) {
            box.value = p.text;
        }
        box.placeholder = p.automatic;
    }

    // p typed and left (Enter or the focus gone): a value outside its range
    // is refused with the core's words and the box shows the room's p again.
    function takeGoodsLoadFactor() {
        const p = work.state.p;
        if (work.pBox.value.trim() === p.text) {
            return;
        }
        const answer = JSON.parse(core("gv_room_p", ["string"], [work.pBox.value]));
        if (answer.refused) {
            showGoodsLoadFactor(p);
            // The box gets the focus back, its text selected, once the refusal
            // is closed: the focus the closing box hands back takes no keys.
            work.pBox.blur();
            document.getElementById("message").addEventListener("close", () => {
                work.pBox.focus();
                work.pBox.select();
            }, { once: true });
            tell(answer.refused.caption, answer.refused.text);
            return;
        }
        page.show(answer);
    }

    function tableRow(cells, tag) {
        const row = element("tr");
        for (const cell of cells) {
            row.append(element(tag, {}, cell));
        }
        return row;
    }

    // Fills the table afresh: the heading row, a row for each, then the total
    // row if there is one.
    function fillTable(table, columns, rows, total) {
        table.textContent = "";
        table.append(tableRow(columns, "th"));
        for (const cells of rows) {
            table.append(tableRow(cells, "td"));
        }
        if (total) {
            const row = tableRow(total, "td");
            row.classList.add("total");
            table.append(row);
        }
        return table;
    }

    // The core hands the summary over only when it changed; the current
    // room's row is marked whichever it is.
    function showSummary(state) {
        const rows = work.summaryRooms.rows;
        const current = work.summaryRooms.querySelector("tr.current");
        if (current) {
            current.classList.remove("current");
        }
        if (state.summary) {
            layoutSummary(state.summary);
        }
        if (rows[state.current + 1]) {
            rows[state.current + 1].classList.add("current");
        }
    }

    function layoutSummary(summary) {
        const rooms = work.summaryRooms;
        rooms.textContent = "";
        rooms.append(tableRow(summary.roomColumns, "th"));
        summary.rooms.forEach((cells, index) => {
            const row = tableRow(cells, "td");
            row.dataset.room = String(index);
            row.title = words.goToRoomHint;
            rooms.append(row);
        });
        fillTable(work.summaryGroups, summary.groupColumns, summary.groups, summary.total);
        work.summaryNotes.textContent = summary.notes.join("\n");
        work.summaryMachine.textContent = "";
        if (summary.machineLoad) {
            work.summaryMachine.append(machineLoadPart(summary.machineLoad));
        }
    }

    // The plant's machine load: the formula with its coefficients, each
    // room's flows, the sums by evaporating temperature.
    function machineLoadPart(load) {
        const part = element("div", { class: "machine-load" });
        part.append(element("h2", {}, load.title));
        part.append(element("p", { class: "notes" }, [load.formula].concat(
            load.coefficients.map(([label, value]) => `${label}${words.coefficientColon}${value}`),
            [load.goodsFlow[1]]).join("\n")));
        const rooms = fillTable(element("table"), load.roomColumns, load.rooms);
        const groups = fillTable(element("table"), load.groupColumns, load.groups, load.total);
        part.append(rooms, groups, element("p", { class: "notes" }, load.notes.join("\n")));
        return part;
    }

    // --- Files ---------------------------------------------------------------------------

    // Takes a file request of the design session to its end: its questions
    // put as boxes, a save made when it asks for one first.
    async function carryOut(step) {
        for (;;) {
            if (step.fields) {
                page.show(step);
            }
            if (step.step === "refused") {
                tell(step.refusal.caption, step.refusal.text);
                return false;
            }
            if (step.step === "ask") {
                const question = step.question;
                const answer = await ask(question.caption, question.text,
                                         question.buttons.map((b) => [b.label, b.answer]));
                step = JSON.parse(core("gv_answer", ["string"], [answer]));
            } else if (step.step === "saveFirst") {
                save();
                step = JSON.parse(core("gv_saved", ["number"], [1]));
            } else {
                return step.carriedOut;
            }
        }
    }

    function newDesign() {
        return carryOut(JSON.parse(core("gv_new")));
    }

    function chooseFile() {
        work.filePicker.value = "";
        work.filePicker.click();
    }

    async function openFile(file) {
        const bytes = new Uint8Array(await file.arrayBuffer());
        return carryOut(withBytes(bytes, (pointer, size) => JSON.parse(
            core("gv_open", ["number", "number", "string"], [pointer, size, file.name]))));
    }

    // Downloaded under the name the design session suggests, after the project.
    function save() {
        const name = JSON.parse(core("gv_work")).saveName;
        const bytes = heldBytes(page.core.ccall("gv_save", "number", [], []));
        download(name, bytes, "application/json");
        refresh();
    }

    // The project's title block; its name names the design file.
    function editProjectInfo() {
        const info = JSON.parse(core("gv_project_info"));
        const dialog = element("dialog", { class: "ask project-info" });
        const form = element("form", { method: "dialog" });
        form.append(element("h2", {}, words.projectInfoTitle));
        const boxes = {};
        for (const { key, label, multiline } of words.projectInfoFields) {
            const id = `project-${key}`;
            const box = multiline ? element("textarea", { id, rows: "4" })
                                  : element("input", { id, type: "text" });
            box.value = info[key];
            if (key === "date") {
                box.placeholder = today();
            }
            boxes[key] = box;
            form.append(element("label", { for: id }, label), box);
        }
        const buttons = element("div", { class: "buttons" });
        buttons.append(element("button", { value: "ok" }, words.ok),
                       element("button", { value: "cancel" }, words.cancel));
        form.append(buttons);
        dialog.append(form);
        document.body.append(dialog);
        dialog.addEventListener("close", () => {
            dialog.remove();
            if (dialog.returnValue === "ok") {
                const edited = Object.fromEntries(
                    Object.entries(boxes).map(([key, box]) => [key, box.value]));
                act("gv_set_project_info", ["string"], [JSON.stringify(edited)]);
            }
        });
        dialog.showModal();
    }

    // The machine load's choices for the whole project, as the window's
    // 机械负荷系数 asks them; a coefficient out of the code's range is
    // refused with the core's words and the dialog stays.
    function editPlant() {
        const plant = work.state.plant;
        const dialog = element("dialog", { class: "ask plant" });
        const form = element("form", { method: "dialog" });
        form.append(element("h2", {}, words.plantTitle));
        const system = element("select", { id: "plant-system" });
        plant.systems.forEach((label) => system.append(element("option", {}, label)));
        system.selectedIndex = plant.system;
        form.append(element("label", { for: "plant-system" }, words.coolingSystemLabel), system);
        const boxes = plant.coefficients.map((c) => {
            const box = element("input", { id: `plant-${c.key}`, type: "text" });
            box.value = c.text;
            form.append(element("label", { for: box.id }, c.label), box);
            return box;
        });
        form.append(element("p", { class: "hint" }, words.plantHint));
        const buttons = element("div", { class: "buttons" });
        const ok = element("button", { value: "ok" }, words.ok);
        buttons.append(ok, element("button", { value: "cancel" }, words.cancel));
        form.append(buttons);
        dialog.append(form);
        document.body.append(dialog);
        ok.addEventListener("click", (event) => {
            event.preventDefault();
            const answer = JSON.parse(core("gv_set_plant", ["number", "string"],
                                           [system.selectedIndex,
                                            boxes.map((b) => b.value).join("\n")]));
            if (answer.refused) {
                dialog.querySelector(".refused")?.remove();
                ok.parentNode.before(element("p", { class: "refused", role: "alert" },
                                             answer.refused.text));
                boxes[answer.refused.box].focus();
                boxes[answer.refused.box].select();
                return;
            }
            dialog.close();
            page.show(answer);
        });
        dialog.addEventListener("close", () => dialog.remove());
        dialog.showModal();
    }

    // --- The calculation sheet --------------------------------------------------------

    function reportName(extension) {
        const file = work.state.fileName;
        const base = file ? file.replace(/\.[^.]*$/, "") : words.sheetFileName;
        return `${base}.${extension}`;
    }

    function exportCsv() {
        const pointer = page.core.ccall("gv_csv", "number", ["string", "string"],
                                        [work.state.fileName, today()]);
        download(reportName("csv"), heldBytes(pointer), "text/csv");
    }

    function printSheet() {
        const report = JSON.parse(core("gv_report", ["string", "string"],
                                       [work.state.fileName, today()]));
        page.layoutSheet(report);
        document.body.classList.add("printing");
        window.print();
    }

    // --- Rooms -------------------------------------------------------------------------

    async function renameRoom() {
        const current = work.state.rooms[work.state.current];
        const answer = await ask(words.renameRoomTitle, words.roomNameLabel,
                                 [[words.ok, "ok"], [words.cancel, "cancel"]], current);
        if (answer.value === "ok") {
            act("gv_room_rename", ["string"], [answer.text]);
        }
    }

    async function deleteRoom() {
        if (!work.state.canDelete) {
            return;
        }
        const answer = await ask(words.deleteRoomTitle, work.state.deleteQuestion,
                                 [[words.yes, "yes"], [words.no, "no"]]);
        if (answer === "yes") {
            act("gv_room_delete");
        }
    }

    function selectRoom(index) {
        if (index >= 0 && index < work.state.rooms.length && index !== work.state.current) {
            act("gv_room_select", ["number"], [index]);
        }
    }

    function computeAll() {
        const answer = act("gv_compute_all");
        if (answer.gathered) {
            ask(words.computeAllTitle, `${words.computeAllIntro}\n\n${answer.gathered}`,
                [[words.ok, "ok"]]);
        }
    }

    function showAbout() {
        const about = JSON.parse(core("gv_about"));
        if (about.caption) {
            ask(about.caption, about.text, [[words.ok, "ok"]]);
        }
    }

    // The current room's load table for a spreadsheet, on the clipboard.
    function copyResults() {
        const text = core("gv_results_tsv", ["string", "string"], [work.state.fileName, today()]);
        work.copied = text;
        if (navigator.clipboard) {
            navigator.clipboard.writeText(text).catch((error) => {
                tell("Gelvant", `${words.cannotCopy}${error.message}`);
            });
        }
    }

    function showHelp() {
        const lines = Object.values(commands).filter((c) => c.keys.length)
            .map((c) => `${c.label.replace(/\.\.\.$/, "")}\t${c.keys.join(words.keysBetween)}`);
        ask(words.keyboardHelpTitle, `${words.keyboardHelpIntro}\n\n${lines.join("\n")}`,
            [[words.ok, "ok"]]);
    }

    // --- The menus -----------------------------------------------------------------------

    // What each command does; its words and keys (those the browser leaves
    // to the page) come with the menus from the design session.
    const commands = {
        newDesign: { run: newDesign },
        open: { run: chooseFile },
        save: { run: save },
        printSheet: { run: printSheet },
        csv: { run: exportCsv },
        projectInfo: { run: editProjectInfo },
        undo: { run: () => act("gv_undo") },
        redo: { run: () => act("gv_redo") },
        addRoom: { run: () => act("gv_room_add") },
        copyRoom: { run: () => act("gv_room_copy") },
        renameRoom: { run: renameRoom },
        deleteRoom: { run: deleteRoom },
        moveUp: { run: () => act("gv_room_move", ["number"], [-1]) },
        moveDown: { run: () => act("gv_room_move", ["number"], [1]) },
        previousRoom: { run: () => selectRoom(work.state.current - 1) },
        nextRoom: { run: () => selectRoom(work.state.current + 1) },
        airCooler: { run: () => act("gv_room_coil", ["number"], [0]) },
        coil: { run: () => act("gv_room_coil", ["number"], [1]) },
        computeAll: { run: computeAll },
        plant: { run: editPlant },
        summary: { run: () => work.summary.scrollIntoView() },
        copyResults: { run: copyResults },
        help: { run: showHelp },
        about: { run: showAbout },
    };
    for (const command of Object.values(commands)) {
        command.keys = [];
    }

    function buildMenus() {
        const bar = element("nav", { id: "menubar", role: "menubar" });
        for (const { title, items } of JSON.parse(core("gv_menus"))) {
            const menu = element("div", { class: "menu" });
            const opener = element("button", { type: "button", class: "opener",
                                               "aria-haspopup": "menu" }, title);
            const list = element("div", { class: "entries", role: "menu" });
            for (const item of items) {
                if (item.separator) {
                    list.append(element("hr"));
                    continue;
                }
                if (item.heading) {
                    list.append(element("div", { class: "section" }, item.heading));
                    continue;
                }
                const name = item.command;
                const command = commands[name];
                command.label = item.label;
                command.keys = item.keys;
                const entry = element("button", { type: "button", role: "menuitem",
                                                  "data-command": name });
                entry.append(element("span", {}, command.label),
                             element("kbd", {}, command.keys[0] || ""));
                entry.addEventListener("click", () => {
                    closeMenus();
                    command.run();
                });
                command.entry = entry;
                list.append(entry);
            }
            opener.addEventListener("click", () => {
                const open = menu.classList.contains("open");
                closeMenus();
                menu.classList.toggle("open", !open);
            });
            opener.addEventListener("mouseenter", () => {
                if (bar.querySelector(".menu.open") && !menu.classList.contains("open")) {
                    closeMenus();
                    menu.classList.add("open");
                }
            });
            menu.append(opener, list);
            bar.append(menu);
        }
        const select = element("select", { id: "room-select", "aria-label": words.roomCaption });
        select.addEventListener("change", () => selectRoom(select.selectedIndex));
        const use = element("select", { id: "room-use", "aria-label": words.useCaption });
        use.addEventListener("change", () => act("gv_room_use", ["number"], [use.selectedIndex]));
        const p = element("input", { id: "room-p", type: "text",
                                      "aria-label": words.goodsLoadFactorLabel,
                                      title: words.goodsLoadFactorHint });
        p.addEventListener("change", takeGoodsLoadFactor);
        p.addEventListener("keydown", (event) => {
            if (event.key === "Enter") {
                event.preventDefault(); // else the key goes on to the refusal's 确定
                takeGoodsLoadFactor();
            }
        });
        const caption = (text) => `${text}${words.captionColon}`;
        bar.append(element("span", { class: "room-label" }, caption(words.roomCaption)), select,
                   element("span", {}, caption(words.useCaption)), use,
                   element("span", {}, caption(words.goodsLoadFactorCaption)), p);
        work.roomSelect = select;
        work.useSelect = use;
        work.pBox = p;
        document.addEventListener("click", (event) => {
            if (!event.target.closest("#menubar")) {
                closeMenus();
            }
        });
        document.body.prepend(bar);
    }

    function closeMenus() {
        for (const open of document.querySelectorAll("#menubar .menu.open")) {
            open.classList.remove("open");
        }
    }

    function buildSummary() {
        const summary = element("section", { id: "summary", "aria-label": words.summaryTitle });
        summary.append(element("h2", {}, words.summaryTitle));
        work.summaryRooms = element("table", { class: "rooms" });
        work.summaryGroups = element("table", { class: "groups" });
        work.summaryNotes = element("p", { class: "notes" });
        work.summaryMachine = element("div");
        summary.append(work.summaryRooms, work.summaryGroups, work.summaryNotes,
                       work.summaryMachine);
        work.summaryRooms.addEventListener("click", (event) => {
            const row = event.target.closest("tr[data-room]");
            if (row) {
                selectRoom(Number(row.dataset.room));
            }
        });
        document.getElementById("form").after(summary);
        work.summary = summary;
    }

    // The key as the help writes it: "Ctrl+Shift+Z", "Alt+PageUp".
    function keyName(event) {
        const key = event.key.length === 1 ? event.key.toUpperCase() : event.key;
        return [event.ctrlKey && "Ctrl", event.altKey && "Alt", event.shiftKey && "Shift", key]
            .filter(Boolean).join("+");
    }

    function onKey(event) {
        if (document.querySelector("dialog[open]")) {
            return; // a box is up: its keys are its own
        }
        const pressed = keyName(event);
        const command = Object.values(commands).find((c) => c.keys.includes(pressed));
        if (command && !(command.entry && command.entry.disabled)) {
            event.preventDefault();
            command.run();
        } else if (command) {
            event.preventDefault();
        }
    }

    // --- Recovery ------------------------------------------------------------------------

    // Each tab keeps its copy under its own name and holds a lock of that
    // name while it is open, so that a copy whose lock nobody holds was left
    // by a tab that is gone, and only one tab can take it. Where the browser
    // has no Web Locks, every copy counts as left. The copies live where
    // recovery.js keeps them; writes and removals go one after another.
    const recovery = { copies: null, queue: Promise.resolve(), hasCopy: false, kept: 0,
                       failed: 0, notice: null };
    work.recovery = recovery;

    const hasLocks = () => !!(navigator.locks && navigator.locks.request);

    function newTabId() {
        const bytes = crypto.getRandomValues(new Uint8Array(8));
        return Array.from(bytes, (b) => b.toString(16).padStart(2, "0")).join("");
    }

    function holdTab(id) {
        work.tabId = id;
        if (!hasLocks()) {
            return Promise.resolve();
        }
        return new Promise((held) => {
            navigator.locks.request(kTabLockPrefix + id, () => {
                held();
                return new Promise(() => {}); // held until the tab goes
            });
        });
    }

    // The task once those before it are over, whether they succeeded or not.
    function queued(task) {
        const run = recovery.queue.then(task);
        recovery.queue = run.catch(() => {});
        return run;
    }

    function keepForRecovery(modified) {
        clearTimeout(work.recoveryTimer);
        if (!work.tabId) {
            return;
        }
        if (!modified) {
            hideNotice(); // nothing left unprotected
            if (recovery.hasCopy) {
                recovery.hasCopy = false;
                queued(() => recovery.copies.remove(work.tabId)).catch(() => {});
            }
            return;
        }
        work.recoveryTimer = setTimeout(writeRecovery, work.state.recoveryDelayMs);
    }

    // Resolves with whether the copy is kept; when it is not, the bar under
    // the menus says so, once until a copy was kept again.
    function writeRecovery() {
        const pointer = page.core.ccall("gv_recovery_bytes", "number", [], []);
        const copy = { savedAt: Date.now(), design: new TextDecoder().decode(heldBytes(pointer)) };
        recovery.hasCopy = true; // a removal asked for from now on follows this write
        return queued(() => recovery.copies.put(work.tabId, copy)).then(() => {
            recovery.kept += 1;
            hideNotice();
            return true;
        }, (error) => {
            recovery.failed += 1;
            sayNotKept(error);
            return false;
        });
    }

    function sayNotKept(error) {
        if (recovery.notice && !recovery.notice.hidden) {
            return; // said already
        }
        if (!recovery.notice) {
            recovery.notice = element("div", { id: "storage-notice", role: "alert" });
            document.getElementById("menubar").after(recovery.notice);
        }
        const reason = error && error.name && error.name !== "Error" ? ` (${error.name})` : "";
        recovery.notice.textContent = work.state.copyNotKept + reason;
        recovery.notice.hidden = false;
        recovery.said = (recovery.said || 0) + 1;
    }

    function hideNotice() {
        if (recovery.notice) {
            recovery.notice.hidden = true;
        }
    }

    // Copies left by tabs that are gone, newest first: those kept by this
    // page's store, then those earlier pages left in web storage.
    async function leftCopies() {
        const held = hasLocks()
            ? new Set((await navigator.locks.query()).held.map((lock) => lock.name))
            : new Set();
        const { earlierCopies } = page.recoveryStore;
        const stores = recovery.copies.durable ? [recovery.copies, earlierCopies]
                                               : [recovery.copies];
        const left = [];
        for (const store of stores) {
            for (const id of await store.ids().catch(() => [])) {
                if (!held.has(kTabLockPrefix + id)) {
                    const copy = await store.read(id).catch(() => null);
                    left.push({ store, id, savedAt: (copy && Number(copy.savedAt)) || 0 });
                }
            }
        }
        return left.sort((a, b) => b.savedAt - a.savedAt);
    }

    // Takes a left copy by holding its tab's lock: a second tab opening at
    // the same moment finds it held and leaves the copy alone.
    function claim(id) {
        if (!hasLocks()) {
            return Promise.resolve(true);
        }
        return new Promise((claimed) => {
            navigator.locks.request(kTabLockPrefix + id, { ifAvailable: true }, (lock) => {
                claimed(!!lock);
                return lock ? new Promise(() => {}) : undefined; // this tab now stands for it
            });
        });
    }

    // When a copy was kept, as the question names it: "YYYY-MM-DD HH:MM".
    function savedAtText(copy) {
        const when = new Date((copy && Number(copy.savedAt)) || Date.now());
        const two = (n) => String(n).padStart(2, "0");
        return `${when.getFullYear()}-${two(when.getMonth() + 1)}-${two(when.getDate())} ` +
               `${two(when.getHours())}:${two(when.getMinutes())}`;
    }

    // Before anything else: a copy a closed tab left is offered first. A copy
    // that cannot be read is refused with its reason and given up, as is one
    // the designer gives up.
    async function offerRecovery() {
        for (const left of await leftCopies()) {
            if (!(await claim(left.id))) {
                continue;
            }
            let copy = null;
            try {
                copy = await left.store.read(left.id);
            } catch (error) {
                copy = null; // unreadable: offered as an empty design, which the core refuses
            }
            if (copy === undefined) {
                continue; // taken by another tab in the meantime
            }
            const design = copy && typeof copy.design === "string" ? copy.design : "";
            const offer = withBytes(new TextEncoder().encode(design), (pointer, size) =>
                JSON.parse(core("gv_offer_recovery", ["number", "number", "string"],
                                [pointer, size, savedAtText(copy)])));
            if (!(await carryOut(offer))) {
                await left.store.remove(left.id).catch(() => {});
                continue;
            }
            return left; // dropped once this tab has a copy of its own
        }
        return null;
    }

    // The page's start: a left copy offered, else the form started; the
    // restored changes are never without a copy.
    async function recoverOrStart(startForm) {
        recovery.copies = await page.recoveryStore.openCopies();
        const restored = await offerRecovery();
        await holdTab(newTabId());
        if (!restored) {
            startForm();
        }
        refresh();
        if (restored && (await writeRecovery())) {
            await restored.store.remove(restored.id).catch(() => {});
        }
    }

    // For the tests and the benchmark.
    work.openFile = openFile;
    work.selectRoom = selectRoom;

    // --- Start ---------------------------------------------------------------------------

    page.start = async (startForm) => {
        words = JSON.parse(core("gv_words"));
        buildMenus();
        buildSummary();
        page.shown = refresh;
        work.filePicker = element("input", { type: "file", accept: ".gelvant", class: "absent" });
        work.filePicker.addEventListener("change", () => {
            if (work.filePicker.files.length === 1) {
                openFile(work.filePicker.files[0]);
            }
        });
        document.body.append(work.filePicker);
        document.addEventListener("keydown", onKey);
        document.addEventListener("dragover", (event) => event.preventDefault());
        document.addEventListener("drop", (event) => {
            event.preventDefault();
            const files = event.dataTransfer.files;
            if (files.length === 1) {
                openFile(files[0]);
            }
        });
        window.addEventListener("beforeunload", (event) => {
            if (work.state && work.state.modified) {
                event.preventDefault();
                event.returnValue = ""; // the browser asks its own question
            }
        });
        window.addEventListener("afterprint", () => document.body.classList.remove("printing"));
        await recoverOrStart(startForm);
        work.ready = true;
        document.dispatchEvent(new Event("gelvant-work-ready"));
    };
})();
