// The work around the form, as the window has it: the menus, design files
// opened, dropped and downloaded, undo and redo, the rooms and the project
// summary, the calculation sheet and its CSV, and the copy of unsaved changes
// kept for recovery. The design session does every one of these; the page
// passes the designer's commands on and hands the bytes it writes to the
// browser.
//
// This file holds what the parts share, as page.work: the calls into the
// core, the work's state as the core last told it, the commands by name, and
// the start. Each part has a file of its own: dialogs.js (the boxes that ask,
// the project's and the plant's dialogs), menus.js (the menu bar and the
// keys), rooms.js (the room bar and the room commands), files.js (design
// files, downloads, print and the clipboard), summary.js (the project summary
// under the form), recovery.js (the copy kept for recovery) and library.js
// (the designer's own data and the personal library). A new dialog
// gives its command to work.command; the menus show it where the design
// session lists it.
"use strict";

(function () {
    const page = window.gelvant;
    const work = {
        state: null, // what gv_work last told: the title, the rooms, the menus' state…
        words: null, // the page's own words, from the design session
        commands: {}, // by the names the design session's menus use
    };
    page.work = work;

    // A call into the core that answers with text.
    work.call = (name, types, args) => page.core.ccall(name, "string", types || [], args || []);

    // A verb of the designer: the form is shown as it then is; its answer.
    work.act = (name, types, args) => {
        const answer = JSON.parse(work.call(name, types, args));
        page.show(answer);
        return answer;
    };

    // Today as the title block and the sheet write a date: "YYYY-MM-DD".
    work.today = () => {
        const now = new Date();
        const two = (n) => String(n).padStart(2, "0");
        return `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`;
    };

    // Bytes the core handed back (a design file, a CSV), copied out of its memory.
    work.heldBytes = (pointer) => {
        const size = page.core.ccall("gv_held_size", "number", [], []);
        return page.core.HEAPU8.slice(pointer, pointer + size);
    };

    // Bytes handed to the core: it gets its own copy for the call.
    work.withBytes = (bytes, use) => {
        const pointer = page.core._malloc(Math.max(bytes.length, 1));
        try {
            page.core.HEAPU8.set(bytes, pointer);
            return use(pointer, bytes.length);
        } finally {
            page.core._free(pointer);
        }
    };

    // A command of the menus and the keys: what it runs. Its words and keys
    // come with the menus from the design session (menus.js).
    work.command = (name, run) => {
        work.commands[name] = { run, label: "", keys: [], entry: null };
    };

    work.command("undo", () => work.act("gv_undo"));
    work.command("redo", () => work.act("gv_redo"));

    // After every change: the title, the menus' state, the room bar, the
    // summary, and the recovery copy's timing.
    work.refresh = () => {
        const state = JSON.parse(work.call("gv_work"));
        work.state = state;
        document.title = state.title;
        work.showMenus(state);
        work.showRooms(state);
        work.showSummary(state);
        work.keepForRecovery(state.modified);
    };

    // The page's start, once the core is loaded: the work laid out around the
    // form, then a copy a closed tab left offered, else the form started.
    page.start = async (startForm) => {
        work.words = JSON.parse(work.call("gv_words"));
        // The message box's button in the page's language.
        document.querySelector('#message button[value="ok"]').textContent = work.words.ok;
        work.buildMenus();
        work.buildRoomBar();
        work.buildSummary();
        work.takeFiles();
        page.shown = work.refresh;
        const tellUnreadLibrary = work.takePersonalLibrary(); // what every new design starts with
        await work.recoverOrStart(startForm);
        tellUnreadLibrary();
    };
})();
