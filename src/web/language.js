// The 语言 menu's choice: the page shows another language at once, without
// loading again. The design session stays as it is in the core (the form's
// values, the rooms, undo and redo, the unsaved changes); only what the page
// shows of it is asked for again in the new words. Every dialog is modal, so
// none is open while the menus are used; a part that keeps words of its own
// forgets them (work.onLanguage) and asks for them when it next shows them.
"use strict";

(function () {
    const page = window.gelvant;
    const work = page.work;
    const forgetters = [];

    work.onLanguage = (forget) => forgetters.push(forget);

    // Kept for the next visit, and in the address when it names a language,
    // so that loading it again shows the same.
    function keep(code) {
        try {
            localStorage.setItem("gelvant-language", code);
        } catch {
            // the browser keeps no storage for the page: the address still says it
        }
        const address = new URL(window.location.href);
        if (address.searchParams.has("lang")) {
            address.searchParams.set("lang", code);
            try {
                history.replaceState(history.state, "", address.href);
            } catch {
                // an address the browser will not rewrite (a local file in some engines)
            }
        }
    }

    work.switchLanguage = (code) => {
        keep(code);
        if (code === page.language) {
            return;
        }
        page.useLanguage(code);
        forgetters.forEach((forget) => forget());
        work.words = JSON.parse(work.call("gv_words"));
        document.querySelector('#message button[value="ok"]').textContent = work.words.ok;
        work.buildMenus();
        work.buildRoomBar();
        document.getElementById("summary")?.remove();
        work.buildSummary();
        page.showFormAgain(); // and, after the form, the title, menus, rooms and summary
    };
})();
