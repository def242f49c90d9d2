// A drop-down list with an edit part, as the window's lists are: a text box
// (role combobox) that can be typed over, a button that opens the list box,
// and the list box of items (role listbox). Picking an item runs the list's
// handler even when the item is the current one; typing over the edit part
// leaves the list without a current item. Keys, as the window's lists take
// them: Alt+Down, Down or Up opens the list box, Alt+Up closes it; in the
// open list box the arrows, PageUp, PageDown, Home and End move, Enter
// picks, Esc and Tab close it without a pick, and letters find the next
// item that begins with what was typed.
"use strict";

(function () {
    const page = window.gelvant;
    const element = page.element;
    const kPageRows = 10;
    const kTypeAheadMs = 700; // letters typed closer together than this make one prefix
    let lastId = 0;

    // A list's items show their runs of blanks, as the window's do.
    const shown = (item) => item.replace(/ /g, "\u00a0");

    // label names the list; pick(index) and typeOver(text) are what the
    // designer did; leave() ends typing into the edit part.
    page.combobox = function combobox(label, { pick, typeOver, leave, rows }) {
        const id = `combo-${++lastId}`;
        const root = element("div", { class: "combo" });
        const input = element("input", {
            id, type: "text", role: "combobox", "aria-label": label, "aria-expanded": "false",
            "aria-controls": `${id}-items`, "aria-autocomplete": "none", autocomplete: "off",
            spellcheck: "false",
        });
        const opener = element("button", { type: "button", class: "combo-open", tabindex: "-1",
                                           "aria-hidden": "true" }, "\u25be");
        const box = element("ul", { id: `${id}-items`, role: "listbox", class: "combo-items",
                                    "aria-label": label });
        box.hidden = true;
        const maxHeight = `${(rows || 20) * 1.5 + 0.4}em`;
        root.append(input, opener, box);

        const combo = { root, input, box, items: [], index: -1, active: -1, typed: "",
                        typedAt: 0 };

        function option(i) {
            return box.children[i];
        }

        function highlight(i) {
            if (combo.active >= 0 && option(combo.active)) {
                option(combo.active).classList.remove("active");
            }
            combo.active = i;
            const node = i >= 0 ? option(i) : null;
            if (node) {
                node.classList.add("active");
                input.setAttribute("aria-activedescendant", node.id);
                // Only the list box scrolls, never the page under it.
                const top = node.offsetTop;
                if (top < box.scrollTop) {
                    box.scrollTop = top;
                } else if (top + node.offsetHeight > box.scrollTop + box.clientHeight) {
                    box.scrollTop = top + node.offsetHeight - box.clientHeight;
                }
            } else {
                input.removeAttribute("aria-activedescendant");
            }
        }

        function open() {
            if (!box.hidden || combo.items.length === 0) {
                return;
            }
            box.hidden = false;
            input.setAttribute("aria-expanded", "true");
            // Opens upwards when the room under the list is short and above it
            // is not, and no taller than the room it has: on a laptop's
            // screen every item stays in sight.
            root.classList.remove("upwards");
            box.style.maxHeight = maxHeight;
            const rect = root.getBoundingClientRect();
            const below = window.innerHeight - rect.bottom - 2;
            const above = rect.top - 2;
            if (box.offsetHeight > below && above > below) {
                root.classList.add("upwards");
            }
            const room = Math.max(below, above);
            if (box.offsetHeight > room) {
                box.style.maxHeight = `${Math.floor(room)}px`;
            }
            highlight(combo.index);
        }

        function close() {
            if (box.hidden) {
                return;
            }
            box.hidden = true;
            input.setAttribute("aria-expanded", "false");
            highlight(-1);
        }

        function choose(i) {
            close();
            if (i >= 0 && i < combo.items.length) {
                pick(i); // even the current item: its handler runs, as in the window
            }
        }

        function move(by) {
            const last = combo.items.length - 1;
            const from = combo.active < 0 ? (by > 0 ? -1 : last + 1) : combo.active;
            highlight(Math.min(last, Math.max(0, from + by)));
        }

        // The next item (after the highlighted one, round the end) whose
        // text begins with the letters typed in a row.
        function typeAhead(letter) {
            const now = Date.now();
            combo.typed = now - combo.typedAt < kTypeAheadMs ? combo.typed + letter : letter;
            combo.typedAt = now;
            const wanted = combo.typed.toLowerCase();
            const count = combo.items.length;
            const start = combo.typed.length > 1 ? Math.max(combo.active, 0) : combo.active + 1;
            for (let k = 0; k < count; ++k) {
                const i = (start + k) % count;
                if (combo.items[i].trimStart().toLowerCase().startsWith(wanted)) {
                    highlight(i);
                    return;
                }
            }
        }

        input.addEventListener("keydown", (event) => {
            const isOpen = !box.hidden;
            const key = event.key;
            if (event.ctrlKey || event.metaKey || event.isComposing) {
                return; // the page's and the browser's keys, and an input method's
            }
            if (!isOpen) {
                if (key === "ArrowDown" || key === "ArrowUp") {
                    event.preventDefault();
                    open();
                }
                return;
            }
            const moves = { ArrowDown: 1, ArrowUp: -1, PageDown: kPageRows, PageUp: -kPageRows,
                            Home: -combo.items.length, End: combo.items.length };
            if (event.altKey && key === "ArrowUp") {
                event.preventDefault();
                close();
            } else if (key in moves) {
                event.preventDefault();
                move(moves[key]);
            } else if (key === "Enter") {
                event.preventDefault();
                choose(combo.active);
            } else if (key === "Escape") {
                event.preventDefault();
                event.stopPropagation(); // a box that asks is not closed by it
                close();
            } else if (key === "Tab") {
                close();
            } else if (key.length === 1 && !event.altKey) {
                event.preventDefault(); // the open list takes the letters, not the edit part
                typeAhead(key);
            }
        });
        input.addEventListener("input", () => typeOver(input.value));
        input.addEventListener("blur", () => {
            close();
            leave();
        });
        opener.addEventListener("mousedown", (event) => {
            event.preventDefault(); // the edit part keeps the focus
            if (box.hidden) {
                input.focus();
                open();
            } else {
                close();
            }
        });
        box.addEventListener("mousedown", (event) => event.preventDefault());
        box.addEventListener("click", (event) => {
            const item = event.target.closest("[role=option]");
            if (item) {
                choose(Number(item.dataset.index));
            }
        });
        box.addEventListener("mousemove", (event) => {
            const item = event.target.closest("[role=option]");
            if (item && Number(item.dataset.index) !== combo.active) {
                highlight(Number(item.dataset.index));
            }
        });

        // The items anew; those from builtIn on are the designer's own
        // entries, in italics as the window shows them.
        combo.setItems = (items, builtIn) => {
            close();
            combo.items = items.slice();
            box.textContent = "";
            const own = builtIn === undefined ? items.length : builtIn;
            items.forEach((item, i) => {
                const node = element("li", { id: `${id}-${i}`, role: "option",
                                             "data-index": String(i), "aria-selected": "false" },
                                     shown(item));
                if (i >= own) {
                    node.classList.add("own");
                }
                box.append(node);
            });
            combo.index = -1;
        };

        // The current item, or none with the text typed over the edit part.
        combo.show = (index, editText) => {
            if (combo.index !== index) {
                if (option(combo.index)) {
                    option(combo.index).setAttribute("aria-selected", "false");
                }
                combo.index = index;
                if (option(index)) {
                    option(index).setAttribute("aria-selected", "true");
                }
            }
            const text = index >= 0 ? combo.items[index] : editText || "";
            if (input.value !== text) {
                input.value = text;
            }
        };
        return combo;
    };
})();
