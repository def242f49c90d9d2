// The rooms: the room bar beside the menus (the room list, the room's use
// and its goods load factor p) and the room commands, each passed on to the
// design session.
"use strict";

(function () {
    const page = window.gelvant;
    const work = page.work;
    const element = page.element;
    const bar = { rooms: null, use: null, p: null };

    work.buildRoomBar = () => {
        const words = work.words;
        bar.rooms = element("select", { id: "room-select", "aria-label": words.roomCaption });
        bar.rooms.addEventListener("change", () => work.goToRoom(bar.rooms.selectedIndex));
        bar.use = element("select", { id: "room-use", "aria-label": words.useCaption });
        bar.use.addEventListener("change", () => work.act("gv_room_use", ["number"],
                                                          [bar.use.selectedIndex]));
        bar.p = element("input", { id: "room-p", type: "text",
                                   "aria-label": words.goodsLoadFactorLabel,
                                   title: words.goodsLoadFactorHint });
        bar.p.addEventListener("change", takeGoodsLoadFactor);
        bar.p.addEventListener("keydown", (event) => {
            if (event.key === "Enter") {
                event.preventDefault(); // else the key goes on to the refusal's 确定
                takeGoodsLoadFactor();
            }
        });
        const caption = (text) => `${text}${words.captionColon}`;
        document.getElementById("menubar").append(
            element("span", { class: "room-label" }, caption(words.roomCaption)), bar.rooms,
            element("span", {}, caption(words.useCaption)), bar.use,
            element("span", {}, caption(words.goodsLoadFactorCaption)), bar.p);
    };

    work.showRooms = (state) => {
        const select = bar.rooms;
        if (select.options.length !== state.rooms.length ||
            state.rooms.some((name, i) => select.options[i].text !== name)) {
            select.textContent = "";
            for (const name of state.rooms) {
                select.append(element("option", {}, name));
            }
        }
        select.selectedIndex = state.current;
        showUse(state.use);
        showGoodsLoadFactor(state.p);
    };

    function showUse(use) {
        const select = bar.use;
        use.labels.forEach((label, i) => {
            if (!select.options[i]) {
                select.append(element("option"));
            }
            if (select.options[i].text !== label) {
                select.options[i].text = label;
            }
        });
        select.selectedIndex = use.current;
    }

    // The room's own p, or the use's greyed in the empty box.
    function showGoodsLoadFactor(p) {
        if (bar.p.value !== p.text) {
            bar.p.value = p.text;
        }
        bar.p.placeholder = p.automatic;
    }

    // p typed and left (Enter or the focus gone): a value outside its range
    // is refused with the core's words and the box shows the room's p again.
    function takeGoodsLoadFactor() {
        const p = work.state.p;
        if (bar.p.value.trim() === p.text) {
            return;
        }
        const answer = JSON.parse(work.call("gv_room_p", ["string"], [bar.p.value]));
        if (answer.refused) {
            showGoodsLoadFactor(p);
            // The box gets the focus back, its text selected, once the refusal
            // is closed: the focus the closing box hands back takes no keys.
            bar.p.blur();
            document.getElementById("message").addEventListener("close", () => {
                bar.p.focus();
                bar.p.select();
            }, { once: true });
            work.tell(answer.refused.caption, answer.refused.text);
            return;
        }
        page.show(answer);
    }

    // The room of the index becomes the current one, if it is another.
    work.goToRoom = (index) => {
        if (index >= 0 && index < work.state.rooms.length && index !== work.state.current) {
            work.act("gv_room_select", ["number"], [index]);
        }
    };

    async function renameRoom() {
        const words = work.words;
        const current = work.state.rooms[work.state.current];
        const answer = await work.ask(words.renameRoomTitle, words.roomNameLabel,
                                      [[words.ok, "ok"], [words.cancel, "cancel"]], current);
        if (answer.value === "ok") {
            work.act("gv_room_rename", ["string"], [answer.text]);
        }
    }

    async function deleteRoom() {
        if (!work.state.canDelete) {
            return;
        }
        const words = work.words;
        const answer = await work.ask(words.deleteRoomTitle, work.state.deleteQuestion,
                                      [[words.yes, "yes"], [words.no, "no"]]);
        if (answer === "yes") {
            work.act("gv_room_delete");
        }
    }

    // Every room computed; what their message boxes said comes in one box,
    // and the promise settles once it is closed.
    function computeAll() {
        const words = work.words;
        const answer = work.act("gv_compute_all");
        if (!answer.gathered) {
            return Promise.resolve();
        }
        return work.ask(words.computeAllTitle, `${words.computeAllIntro}\n\n${answer.gathered}`,
                        [[words.ok, "ok"]]);
    }

    work.command("addRoom", () => work.act("gv_room_add"));
    work.command("copyRoom", () => work.act("gv_room_copy"));
    work.command("renameRoom", renameRoom);
    work.command("deleteRoom", deleteRoom);
    work.command("moveUp", () => work.act("gv_room_move", ["number"], [-1]));
    work.command("moveDown", () => work.act("gv_room_move", ["number"], [1]));
    work.command("previousRoom", () => work.goToRoom(work.state.current - 1));
    work.command("nextRoom", () => work.goToRoom(work.state.current + 1));
    work.command("airCooler", () => work.act("gv_room_coil", ["number"], [0]));
    work.command("coil", () => work.act("gv_room_coil", ["number"], [1]));
    work.command("computeAll", computeAll);
})();
