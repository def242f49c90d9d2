// The menu bar and the keys: the menus, their entries and keys as the design
// session lists them, each entry running the command of its name that a part
// of the page gave to work.command; an entry whose command no part has is
// left out. The keyboard help lists the keys in the menus' order.
"use strict";

(function () {
    const page = window.gelvant;
    const work = page.work;
    const element = page.element;
    const inMenus = []; // the commands the menus show, in their order

    work.buildMenus = () => {
        const bar = element("nav", { id: "menubar", role: "menubar" });
        for (const { title, items } of JSON.parse(work.call("gv_menus"))) {
            const menu = element("div", { class: "menu" });
            const opener = element("button", { type: "button", class: "opener",
                                               "aria-haspopup": "menu" }, title);
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
        document.addEventListener("click", (event) => {
            if (!event.target.closest("#menubar")) {
                closeMenus();
            }
        });
        document.addEventListener("keydown", onKey);
        document.body.prepend(bar);
    };

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
