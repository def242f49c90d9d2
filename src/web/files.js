// What comes into the page and what leaves it: design files opened from the
// file picker or dropped on the page, each request of the design session
// carried out with its questions; the design, the CSV of the results
// downloaded; the calculation sheet printed; the current room's load table
// on the clipboard.
"use strict";

(function () {
    const page = window.gelvant;
    const work = page.work;
    const element = page.element;
    let picker = null;

    function download(name, bytes, type) {
        const link = element("a", { download: name });
        link.href = URL.createObjectURL(new Blob([bytes], { type }));
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    }
    work.download = download;

    // Takes a file request of the design session to its end: its questions
    // put as boxes, a save made when it asks for one first; whether it was
    // carried out.
    work.carryOut = async (step) => {
        for (;;) {
            if (step.fields) {
                page.show(step);
            }
            if (step.step === "refused") {
                work.tell(step.refusal.caption, step.refusal.text);
                return false;
            }
            if (step.step === "ask") {
                const question = step.question;
                const answer = await work.ask(question.caption, question.text,
                                              question.buttons.map((b) => [b.label, b.answer]));
                step = JSON.parse(work.call("gv_answer", ["string"], [answer]));
            } else if (step.step === "saveFirst") {
                save();
                step = JSON.parse(work.call("gv_saved", ["number"], [1]));
            } else {
                return step.carriedOut;
            }
        }
    };

    async function openFile(file) {
        const bytes = new Uint8Array(await file.arrayBuffer());
        return work.carryOut(work.withBytes(bytes, (pointer, size) => JSON.parse(
            work.call("gv_open", ["number", "number", "string"], [pointer, size, file.name]))));
    }

    function chooseFile() {
        picker.value = "";
        picker.click();
    }

    // Downloaded under the name the design session suggests, after the project.
    function save() {
        const name = JSON.parse(work.call("gv_work")).saveName;
        const bytes = work.heldBytes(page.core.ccall("gv_save", "number", [], []));
        download(name, bytes, "application/json");
        work.refresh();
    }

    function reportName(extension) {
        const file = work.state.fileName;
        const base = file ? file.replace(/\.[^.]*$/, "") : work.words.sheetFileName;
        return `${base}.${extension}`;
    }

    // Before the sheet or its CSV, as the window asks: when rooms hold
    // results that no longer answer to their inputs, every room computed
    // first (its messages seen), the marked results taken as they are, or
    // nothing done; whether to go on.
    async function resultsSettled() {
        const question = JSON.parse(work.call("gv_stale_question"));
        if (!question) {
            return true;
        }
        const answer = await work.ask(question.caption, question.text,
                                      question.buttons.map((b) => [b.label, b.answer]));
        if (answer === "computeAll") {
            await work.commands.computeAll.run();
        }
        return answer === "computeAll" || answer === "anyway";
    }

    async function exportCsv() {
        if (!await resultsSettled()) {
            return;
        }
        const pointer = page.core.ccall("gv_csv", "number", ["string", "string"],
                                        [work.state.fileName, work.today()]);
        download(reportName("csv"), work.heldBytes(pointer), "text/csv");
    }

    async function printSheet() {
        if (!await resultsSettled()) {
            return;
        }
        const report = JSON.parse(work.call("gv_report", ["string", "string"],
                                            [work.state.fileName, work.today()]));
        page.layoutSheet(report);
        document.body.classList.add("printing");
        window.print();
    }

    // The current room's load table for a spreadsheet, on the clipboard.
    function copyResults() {
        const text = work.call("gv_results_tsv", ["string", "string"],
                               [work.state.fileName, work.today()]);
        if (navigator.clipboard) {
            navigator.clipboard.writeText(text).catch((error) => {
                work.tell("Gelvant", `${work.words.cannotCopy}${error.message}`);
            });
        }
    }

    // The file picker 打开 opens, a file dropped anywhere on the page, and
    // the browser's own question when the page is left with unsaved changes.
    work.takeFiles = () => {
        picker = element("input", { type: "file", accept: ".gelvant", class: "absent" });
        picker.addEventListener("change", () => {
            if (picker.files.length === 1) {
                openFile(picker.files[0]);
            }
        });
        document.body.append(picker);
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
    };

    work.command("newDesign", () => work.carryOut(JSON.parse(work.call("gv_new"))));
    work.command("open", chooseFile);
    work.command("save", save);
    work.command("printSheet", printSheet);
    work.command("csv", exportCsv);
    work.command("copyResults", copyResults);
})();
