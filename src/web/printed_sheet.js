// The calculation sheet laid out for print from the core's report model, in
// the order and with the words of the window's PDF: the title block, the
// project summary and the plant's machine load, then each room on pages of its
// own, with its load chart drawn as SVG. Every text, the headings included, is
// the report's own.
"use strict";

(function () {
    const page = window.gelvant;
    const svgNs = "http://www.w3.org/2000/svg";

    const element = page.element;
    const table = page.table; // tables.js
    const svg = (tag, attributes, text) => {
        const node = document.createElementNS(svgNs, tag);
        for (const [key, value] of Object.entries(attributes || {})) {
            node.setAttribute(key, String(value));
        }
        if (text !== undefined) {
            node.textContent = text;
        }
        return node;
    };

    // A group of labelled values, each label with its value; the label names the unit.
    function group(block) {
        const part = element("div", { class: "group" });
        if (block.title) {
            part.append(element("h5", {}, block.title));
        }
        part.append(table("fields", null, block.fields.map((f) => [f.label, f.value])));
        return part;
    }

    function notes(part, words, texts) {
        for (const text of texts) {
            part.append(element("p", { class: "note alert" }, words.note + text));
        }
    }

    // What the results of a room cannot be read as, above them.
    function stateNote(part, room) {
        if (room.stateNote) {
            part.append(element("p", { class: "note alert state" }, room.stateNote));
        }
    }

    // A horizontal bar chart: one bar per line, its length the bar's fraction
    // of the longest, the value and share after it; or the note saying why
    // there are no bars to draw. A room's load chart takes its title from the
    // section heading above it.
    function chart(bars, withTitle) {
        const part = element("figure", { class: "chart" });
        if (withTitle) {
            part.append(element("figcaption", {}, bars.title));
        }
        if (bars.emptyNote) {
            part.append(element("p", { class: "note" }, bars.emptyNote));
            return part;
        }
        const line = 18;
        const labelWidth = 150;
        const barWidth = 330;
        const width = labelWidth + barWidth + 150;
        const drawing = svg("svg", { viewBox: `0 0 ${width} ${bars.bars.length * line + 4}`,
                                     width: "100%", role: "img", "aria-label": bars.title });
        bars.bars.forEach((bar, i) => {
            const y = i * line + 2;
            drawing.append(svg("text", { x: labelWidth - 6, y: y + 12, "text-anchor": "end",
                                         "font-size": 11 }, bar.label));
            drawing.append(svg("rect", { x: labelWidth, y: y + 2, height: line - 6,
                                         width: Math.max(0, bar.fraction) * barWidth,
                                         fill: "#4a78b0" }));
            drawing.append(svg("text", { x: labelWidth + Math.max(0, bar.fraction) * barWidth + 4,
                                         y: y + 12, "font-size": 11 },
                               `${bar.value}  ${bar.share}`));
        });
        part.append(drawing);
        return part;
    }

    function loadTable(load, words) {
        const rows = load.rows.map((r) => [r.name, ...r.figures, r.share, r.basis]);
        rows.push([load.total.name, ...load.total.figures, load.total.share, load.totalNote]);
        const part = element("div", { class: "group" });
        part.append(table("load", words.loadColumns, rows));
        const perTon = load.loadPerTon;
        part.append(element("p", { class: "per-ton" },
                            perTon.label + words.colon + perTon.value + words.gap + load.tonnageNote));
        return part;
    }

    // How each line of the load table and its total are worked out, under the
    // table as the window's sheet sets them: the line, its heat flow (and why
    // the room leaves it out), then its formula, the values put in with the
    // result, and what the symbols stand for.
    function loadFormulas(load, words) {
        const part = page.table("load-formulas", words.formulaColumns, []);
        for (const row of load.rows.concat([load.total])) {
            const line = element("tr", row === load.total ? { class: "total" } : {});
            const flow = element("td", {}, row.flow);
            if (row.flowNote) {
                flow.append(element("div", { class: "alert" }, row.flowNote));
            }
            const formula = element("td");
            formula.append(element("div", { class: "symbols" }, row.formula));
            for (const step of row.substituted) {
                formula.append(element("div", {}, step));
            }
            if (row.legend) {
                formula.append(element("div", { class: "legend" }, words.where + row.legend));
            }
            line.append(element("td", row.inOperating ? { class: "part" } : {}, row.name), flow,
                        formula);
            part.append(line);
        }
        return [element("h5", {}, words.formulas), part];
    }

    // The numbered sections of a room; in a project of several rooms the
    // room's name, what its results cannot be read as and its main results
    // stand above them.
    function roomSection(report, room) {
        const words = report.words;
        const section = element("section", { class: "sheet-section" });
        if (report.summary) {
            section.append(element("h3", {}, words.room + room.name));
            stateNote(section, room);
            section.append(group(room.keyResults));
        }
        section.append(element("h4", {}, words.inputs));
        for (const block of room.inputs) {
            section.append(group(block));
        }
        section.append(element("h4", {}, words.load));
        section.append(loadTable(room.load, words), ...loadFormulas(room.load, words));
        section.append(element("h4", {}, words.chart + room.chart.title));
        section.append(chart(room.chart, false));
        section.append(element("h4", {}, words.equipment));
        for (const block of room.equipment) {
            section.append(group(block));
        }
        if (room.reference) {
            const part = element("div", { class: "group" });
            part.append(element("h4", {}, words.reference));
            part.append(element("p", { class: "reference" }, room.reference.row));
            part.append(element("p", { class: "note" }, room.reference.note));
            section.append(part);
        }
        return section;
    }

    function machineLoadSection(load, words) {
        const section = element("section", { class: "sheet-section" });
        section.append(element("h3", {}, words.machineLoad));
        section.append(element("p", { class: "formula" }, load.formula));
        section.append(table("fields", null, load.coefficients));
        section.append(table("flows", words.flowColumns,
                             load.flowNames.map((name, q) => [name, load.flowSources[q]])));
        section.append(element("p", { class: "note" }, load.goodsFlow[1]));
        section.append(table("summary", load.roomColumns, load.rooms));
        section.append(table("summary", load.groupColumns, load.groups, load.total));
        notes(section, words, load.notes);
        return section;
    }

    // The equipment chosen, as the window's sheet sets it after the machine load.
    function scheduleSection(tables, words) {
        const section = element("section", { class: "sheet-section" });
        section.append(element("h3", {}, words.schedule));
        for (const t of tables) {
            section.append(element("h4", {}, t.title));
            section.append(table("summary", t.columns, t.rows, t.total));
        }
        return section;
    }

    // A single room's sheet opens with what its results cannot be read as
    // and its main results, and closes with its plant's machine load.
    page.layoutSheet = (report) => {
        let sheet = document.getElementById("sheet");
        if (!sheet) {
            sheet = element("article", { id: "sheet" });
            document.body.append(sheet);
        }
        sheet.textContent = "";
        const words = report.words;
        const single = !report.summary && report.rooms.length ? report.rooms[0] : null;
        const title = element("section", { class: "sheet-section title" });
        title.append(element("h1", {}, report.title));
        if (single) {
            stateNote(title, single);
        }
        title.append(table("fields", null, report.heading.map((f) => [f.label, f.value])));
        title.append(element("h4", {}, words.signOff));
        title.append(table("fields sign-offs", words.signOffColumns, report.signOffs));
        if (single) {
            title.append(group(single.keyResults));
        }
        if (report.summary) {
            const summary = report.summary.table;
            title.append(element("h3", {}, words.summary));
            title.append(table("summary", summary.roomColumns, summary.rooms));
            title.append(table("summary", summary.groupColumns, summary.groups, summary.total));
            notes(title, words, summary.notes);
            title.append(chart(report.summary.chart, true));
        }
        sheet.append(title);
        const machineLoad = report.machineLoad ? [machineLoadSection(report.machineLoad, words)] : [];
        if (report.schedule) {
            machineLoad.push(scheduleSection(report.schedule, words));
        }
        const rooms = report.rooms.map((room) => roomSection(report, room));
        sheet.append(...(report.summary ? machineLoad.concat(rooms) : rooms.concat(machineLoad)));
        return sheet;
    };
})();
