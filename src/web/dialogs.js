// The page's boxes that ask and its dialogs: a question with its buttons,
// the project's title block (项目信息) and the plant's machine-load choices,
// each a modal <dialog> with the design session's words.
"use strict";

(function () {
    const page = window.gelvant;
    const work = page.work;
    const element = page.element;

    // A modal box of the class: its title, the content, its buttons
    // ([label, value] pairs); gone from the page once closed.
    function modal(className, title, content, buttons) {
        const dialog = element("dialog", { class: className });
        const form = element("form", { method: "dialog" });
        const row = element("div", { class: "buttons" });
        for (const [label, value] of buttons) {
            row.append(element("button", { value }, label));
        }
        form.append(element("h2", {}, title), ...content, row);
        dialog.append(form);
        document.body.append(dialog);
        dialog.addEventListener("close", () => dialog.remove());
        dialog.showModal();
        return dialog;
    }

    const okCancel = () => [[work.words.ok, "ok"], [work.words.cancel, "cancel"]];

    // A question with the given buttons; resolves with the value of the one
    // pressed (Esc: the last button's). With input, a box holding it is
    // asked for too, and the answer is {value, text}.
    work.ask = (caption, text, buttons, input) => new Promise((resolve) => {
        const content = text ? [element("p", {}, text)] : [];
        let field = null;
        if (input !== undefined) {
            field = element("input", { type: "text", "aria-label": text || caption });
            field.value = input;
            content.push(field);
        }
        const dialog = modal("ask", caption, content, buttons);
        dialog.addEventListener("close", () => {
            const value = dialog.returnValue || buttons[buttons.length - 1][1];
            resolve(field ? { value, text: field.value } : value);
        });
        if (field) {
            field.select();
        }
    });

    work.tell = (caption, text) => page.showMessage({ caption, text });

    // The project's title block; its name names the design file.
    function editProjectInfo() {
        const words = work.words;
        const info = JSON.parse(work.call("gv_project_info"));
        const content = [];
        const boxes = {};
        for (const { key, label, multiline } of words.projectInfoFields) {
            const id = `project-${key}`;
            const box = multiline ? element("textarea", { id, rows: "4" })
                                  : element("input", { id, type: "text" });
            box.value = info[key];
            if (key === "date") {
                box.placeholder = work.today();
            }
            boxes[key] = box;
            content.push(element("label", { for: id }, label), box);
        }
        const dialog = modal("ask project-info", words.projectInfoTitle, content, okCancel());
        dialog.addEventListener("close", () => {
            if (dialog.returnValue === "ok") {
                const edited = Object.fromEntries(
                    Object.entries(boxes).map(([key, box]) => [key, box.value]));
                work.act("gv_set_project_info", ["string"], [JSON.stringify(edited)]);
            }
        });
    }

    // The machine load's choices for the whole project, as the window's
    // 机械负荷系数 asks them; a coefficient out of the code's range is
    // refused with the core's words and the dialog stays.
    function editPlant() {
        const words = work.words;
        const plant = work.state.plant;
        const system = element("select", { id: "plant-system" });
        plant.systems.forEach((label) => system.append(element("option", {}, label)));
        system.selectedIndex = plant.system;
        const content = [element("label", { for: "plant-system" }, words.coolingSystemLabel),
                         system];
        const boxes = plant.coefficients.map((c) => {
            const box = element("input", { id: `plant-${c.key}`, type: "text" });
            box.value = c.text;
            content.push(element("label", { for: box.id }, c.label), box);
            return box;
        });
        content.push(element("p", { class: "hint" }, words.plantHint));
        const dialog = modal("ask plant", words.plantTitle, content, okCancel());
        const ok = dialog.querySelector('button[value="ok"]');
        ok.addEventListener("click", (event) => {
            event.preventDefault();
            const answer = JSON.parse(work.call("gv_set_plant", ["number", "string"],
                                                [system.selectedIndex,
                                                 boxes.map((b) => b.value).join("\n")]));
            if (answer.refused) {
                dialog.querySelector(".refused")?.remove();
                ok.parentNode.before(element("p", { class: "refused", role: "alert" },
                                             answer.refused.text));
                boxes[answer.refused.box].focus();
                boxes[answer.refused.box].select();
                return;
            }
            dialog.close();
            page.show(answer);
        });
    }

    function showAbout() {
        const about = JSON.parse(work.call("gv_about"));
        if (about.caption) {
            work.ask(about.caption, about.text, [[work.words.ok, "ok"]]);
        }
    }

    work.command("projectInfo", editProjectInfo);
    work.command("plant", editPlant);
    work.command("about", showAbout);
})();
