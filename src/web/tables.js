// The one builder of the page's tables: rows of texts as the core hands them
// over, under their column headings, for the project summary, the machine
// load and the printed calculation sheet alike.
"use strict";

(function () {
    const page = window.gelvant;
    const element = page.element;

    function tableRow(cells, tag) {
        const row = element("tr");
        for (const cell of cells) {
            row.append(element(tag, {}, cell));
        }
        return row;
    }

    // Fills the table afresh: the heading row when there are headings, a row
    // for each of rows, then the total row, marked, when there is one.
    page.fillTable = (table, headings, rows, total) => {
        table.textContent = "";
        if (headings) {
            table.append(tableRow(headings, "th"));
        }
        for (const cells of rows) {
            table.append(tableRow(cells, "td"));
        }
        if (total) {
            const row = tableRow(total, "td");
            row.classList.add("total");
            table.append(row);
        }
        return table;
    };

    // A new table of the class, filled as fillTable fills it.
    page.table = (className, headings, rows, total) =>
        page.fillTable(element("table", className ? { class: className } : {}), headings, rows,
                       total);
})();
