// The calculation sheet laid out for print from the core's report model: the
// title block, the project summary, then each room on pages of its own, with
// its load chart drawn as SVG. Every text is the report's own.
"use strict";

(function () {
    const page = window.gelvant;
    const svgNs = "http://www.w3.org/2000/svg";

    const element = page.element;
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

    function table(header, rows, className) {
        const body = element("table", { class: className || "" });
        if (header) {
            const row = element("tr");
            for (const cell of header) {
                row.append(element("th", {}, cell));
            }
            body.append(row);
        }
        for (const cells of rows) {
            const row = element("tr");
            for (const cell of cells) {
                row.append(element("td", {}, cell));
            }
            body.append(row);
        }
        return body;
    }

    // A group of labelled values: label, value, unit on each line.
    function group(block) {
        const part = element("div", { class: "group" });
        if (block.title) {
            part.append(element("h4", {}, block.title));
        }
        part.append(table(null, block.fields.map((f) => [f.label, f.value, f.unit]), "fields"));
        return part;
    }

    // A horizontal bar chart: one bar per line, its length the bar's fraction
    // of the longest, the value and share after it.
    function chart(bars) {
        const part = element("figure", { class: "chart" });
        part.append(element("figcaption", {}, bars.title));
        if (!bars.bars.length) {
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
        if (bars.emptyNote) {
            part.append(element("p", { class: "note" }, bars.emptyNote));
        }
        return part;
    }

    function loadTable(load) {
        const rows = load.rows.map((r) => [r.label, r.watts, r.kcal, r.share, r.basis]);
        rows.push([load.total.label, load.total.watts, load.total.kcal, load.total.share,
                   load.totalNote]);
        const part = element("div", { class: "group" });
        part.append(table(["项目", "W", "kcal/h", "比例", "依据"], rows, "load"));
        part.append(table(null, load.loadPerTon.map((f) => [f.label, f.value, f.unit]), "fields"));
        if (load.tonnageNote) {
            part.append(element("p", { class: "note" }, load.tonnageNote));
        }
        return part;
    }

    function roomSection(room) {
        const section = element("section", { class: "sheet-section" });
        section.append(element("h3", {}, room.name));
        if (room.stateNote) {
            section.append(table(null, [["说明", room.stateNote]], "fields state"));
        }
        section.append(group(room.keyResults));
        for (const block of room.inputs) {
            section.append(group(block));
        }
        section.append(loadTable(room.load));
        section.append(chart(room.chart));
        for (const block of room.equipment) {
            section.append(group(block));
        }
        if (room.reference) {
            const part = element("div", { class: "group" });
            part.append(element("h4", {}, "经验数据"));
            part.append(table(null, [["库房类型", room.reference.row], ["说明", room.reference.note]],
                              "fields"));
            section.append(part);
        }
        return section;
    }

    function machineLoadSection(load) {
        const section = element("section", { class: "sheet-section" });
        section.append(element("h3", {}, load.title));
        section.append(table(null, [["公式", load.formula], load.goodsFlow].concat(load.coefficients),
                             "fields"));
        section.append(table(load.roomColumns, load.rooms, "summary"));
        section.append(table(load.groupColumns, load.groups.concat([load.total]), "summary"));
        if (load.notes.length) {
            section.append(table(null, load.notes.map((note) => ["说明", note]), "fields"));
        }
        return section;
    }

    page.layoutSheet = (report) => {
        let sheet = document.getElementById("sheet");
        if (!sheet) {
            sheet = element("article", { id: "sheet" });
            document.body.append(sheet);
        }
        sheet.textContent = "";
        const title = element("section", { class: "sheet-section title" });
        title.append(element("h1", {}, report.title));
        title.append(table(null, report.heading.map((f) => [f.label, f.value]), "fields"));
        if (report.summary) {
            const table_ = report.summary.table;
            title.append(element("h3", {}, "项目汇总"));
            title.append(table(table_.roomColumns, table_.rooms, "summary"));
            title.append(table(table_.groupColumns, table_.groups.concat([table_.total]), "summary"));
            if (table_.notes.length) {
                title.append(table(null, table_.notes.map((note) => ["说明", note]), "fields"));
            }
            title.append(chart(report.summary.chart));
        }
        sheet.append(title);
        if (report.machineLoad) {
            sheet.append(machineLoadSection(report.machineLoad));
        }
        for (const room of report.rooms) {
            sheet.append(roomSection(room));
        }
        return sheet;
    };
})();
