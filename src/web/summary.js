// The project summary under the form, as the window's 项目汇总 shows it: a
// row for each room (a click on it goes to the room), the sums by group and
// the plant's machine load.
"use strict";

(function () {
    const page = window.gelvant;
    const work = page.work;
    const element = page.element;
    const kRoomsInSight = 20; // more rooms than fit under the form on a screen
    const parts = { section: null, unit: null, rooms: null, groups: null, notes: null,
                    machine: null };

    work.buildSummary = () => {
        const title = work.words.summaryTitle;
        parts.section = element("section", { id: "summary", "aria-label": title });
        parts.unit = loadUnitList();
        parts.rooms = element("table", { class: "rooms" });
        parts.groups = element("table", { class: "groups" });
        parts.notes = element("p", { class: "notes" });
        parts.machine = element("div");
        const unitLabel = element("label", { class: "load-unit" },
                                  `${work.words.loadUnitLabel}${work.words.captionColon}`);
        unitLabel.append(parts.unit);
        parts.section.append(element("h2", {}, title), unitLabel, parts.rooms, parts.groups,
                             parts.notes, parts.machine);
        parts.rooms.addEventListener("click", (event) => {
            const row = event.target.closest("tr[data-room]");
            if (row) {
                work.goToRoom(Number(row.dataset.room));
            }
        });
        document.getElementById("form").after(parts.section);
    };

    // The core hands the summary over only when it changed; the current
    // room's row is marked whichever it is.
    work.showSummary = (state) => {
        parts.rooms.querySelector("tr.current")?.classList.remove("current");
        parts.unit.selectedIndex = state.loadUnit;
        if (state.summary) {
            layoutSummary(state.summary);
        }
        parts.rooms.rows[state.current + 1]?.classList.add("current");
    };

    // The design's unit for loads: the summary, the sheet and the CSV follow.
    function loadUnitList() {
        const list = element("select", { id: "load-unit", title: work.words.loadUnitHint });
        for (const symbol of work.words.loadUnits) {
            list.append(element("option", {}, symbol));
        }
        list.addEventListener("change", () => work.act("gv_set_load_unit", ["number"],
                                                       [list.selectedIndex]));
        return list;
    }

    function layoutSummary(summary) {
        page.fillTable(parts.rooms, summary.roomColumns, summary.rooms);
        Array.from(parts.rooms.rows).slice(1).forEach((row, index) => {
            row.dataset.room = String(index);
            row.title = work.words.goToRoomHint;
        });
        page.fillTable(parts.groups, summary.groupColumns, summary.groups, summary.total);
        parts.notes.textContent = summary.notes.join("\n");
        parts.machine.textContent = "";
        if (summary.machineLoad) {
            const part = machineLoadPart(summary.machineLoad);
            // Under the rooms of a large project the machine load lies far
            // below the window: it is laid out and painted when scrolled near.
            part.classList.toggle("far", summary.rooms.length > kRoomsInSight);
            parts.machine.append(part);
        }
    }

    // The plant's machine load: the formula with its coefficients, each
    // room's flows, the sums by evaporating temperature.
    function machineLoadPart(load) {
        const part = element("div", { class: "machine-load" });
        const colon = work.words.coefficientColon;
        part.append(element("h2", {}, load.title));
        part.append(element("p", { class: "notes" }, [load.formula].concat(
            load.coefficients.map(([label, value]) => `${label}${colon}${value}`),
            [load.goodsFlow[1]]).join("\n")));
        part.append(page.table("", load.roomColumns, load.rooms),
                    page.table("", load.groupColumns, load.groups, load.total),
                    element("p", { class: "notes" }, load.notes.join("\n")));
        return part;
    }

    work.command("summary", () => parts.section.scrollIntoView());
})();
