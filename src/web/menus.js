// The menu bar and the keys: the menus, their entries and keys as the design
// session lists them, each entry running the command of its name that a part
// of the page gave to work.command; an entry whose command no part has is
// left out. The keyboard help lists the keys in the menus' order.
"use strict";

(function () {
    const page = window.gelvant;
    const work = page.work;
    const element = page.element;
    let inMenus = []; // the commands the menus show, in their order

    // The bar anew, in the page's language: the design session's menus, with
    // the 语言 menu before the last (帮助), as in the window.
    work.buildMenus = () => {
        document.getElementById("menubar")?.remove();
        inMenus = [];
        const bar = element("nav", { id: "menubar", role: "menubar" });
        const menus = JSON.parse(work.call("gv_menus"));
        menus.forEach(({ title, items }, index) => {
            if (index === menus.length - 1) {
                bar.append(languageMenu());
            }
            const list = element("div", { class: "entries", role: "menu" });
            for (const item of items) {
                if (item.separator) {
                    list.append(element("hr"));
                } else if (item.heading) {
                    list.append(element("div", { class: "section" }, item.heading));
                } else if (work.commands[item.command]) {
                    list.append(menuEntry(item));
                }
            }
            bar.append(menu(title, list));
        });
        document.body.prepend(bar);
    };

    function menu(title, list) {
        const node = element("div", { class: "menu" });
        const opener = element("button", { type: "button", class: "opener",
                                           "aria-haspopup": "menu" }, title);
        opener.addEventListener("click", () => {
            const open = node.classList.contains("open");
            closeMenus();
            node.classList.toggle("open", !open);
        });
        opener.addEventListener("mouseenter", () => {
            if (document.querySelector("#menubar .menu.open") &&
                !node.classList.contains("open")) {
                closeMenus();
                node.classList.add("open");
            }
        });
        node.append(opener, list);
        return node;
    }

    // Each language named in its own words, the page's one checked.
    function languageMenu() {
        const { title, languages } = JSON.parse(work.call("gv_languages"));
        const list = element("div", { class: "entries", role: "menu" });
        for (const { code, name } of languages) {
            const entry = element("button", { type: "button", role: "menuitemradio",
                                              "data-language": code,
                                              "aria-checked": String(code === page.language),
                                              lang: code === "en" ? "en" : "zh-CN" });
            entry.append(element("span", {}, name), element("kbd", {}, ""));
            entry.addEventListener("click", () => {
                closeMenus();
                work.switchLanguage(code);
            });
            list.append(entry);
        }
        return menu(title, list);
    }

    document.addEventListener("click", (event) => {
        if (!event.target.closest("#menubar")) {
            closeMenus();
        }
    });
    document.addEventListener("keydown", onKey);

    function menuEntry(item) {
        const name = item.command;
        const command = work.commands[name];
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
        inMenus.push(command);
        return entry;
    }

    function closeMenus() {
        for (const open of document.querySelectorAll("#menubar .menu.open")) {
            open.classList.remove("open");
        }
    }

    // Which entries can be chosen and which way of cooling is ticked.
    work.showMenus = (state) => {
        const enabled = {
            undo: state.canUndo, redo: state.canRedo, deleteRoom: state.canDelete,
            moveUp: state.canMoveUp, moveDown: state.canMoveDown,
            previousRoom: state.current > 0, nextRoom: state.current + 1 < state.rooms.length,
        };
        const entry = (name) => work.commands[name]?.entry;
        for (const [name, on] of Object.entries(enabled)) {
            if (entry(name)) {
                entry(name).disabled = !on;
            }
        }
        entry("airCooler")?.setAttribute("aria-checked", String(!state.coil));
        entry("coil")?.setAttribute("aria-checked", String(state.coil));
    };

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
        const command = inMenus.find((c) => c.keys.includes(pressed));
        if (command) {
            event.preventDefault();
            if (!(command.entry && command.entry.disabled)) {
                command.run();
            }
        }
    }

    function showHelp() {
        const words = work.words;
        const lines = inMenus.filter((c) => c.keys.length)
            .map((c) => `${c.label.replace(/\.\.\.$/, "")}\t${c.keys.join(words.keysBetween)}`);
        work.ask(words.keyboardHelpTitle, `${words.keyboardHelpIntro}\n\n${lines.join("\n")}`,
                 [[words.ok, "ok"]]);
    }

    work.command("help", showHelp);
})();
