// The copy of unsaved changes kept for recovery: written a moment after the
// last change (the design session says how long), dropped once the design
// is saved, and a copy a closed tab left offered when the page starts.
//
// Each tab keeps its copy under its own name and holds a lock of that name
// while it is open, so that a copy whose lock nobody holds was left by a tab
// that is gone, and only one tab can take it. Where the browser has no Web
// Locks, every copy counts as left. The copies live where recovery_store.js
// keeps them; writes and removals go one after another.
"use strict";

(function () {
    const page = window.gelvant;
    const work = page.work;
    const element = page.element;
    const kTabLockPrefix = "gelvant-tab:";
    const recovery = { copies: null, queue: Promise.resolve(), hasCopy: false, tabId: "",
                       timer: 0, notice: null };

    const hasLocks = () => !!(navigator.locks && navigator.locks.request);

    function newTabId() {
        const bytes = crypto.getRandomValues(new Uint8Array(8));
        return Array.from(bytes, (b) => b.toString(16).padStart(2, "0")).join("");
    }

    function holdTab(id) {
        recovery.tabId = id;
        if (!hasLocks()) {
            return Promise.resolve();
        }
        return new Promise((held) => {
            navigator.locks.request(kTabLockPrefix + id, () => {
                held();
                return new Promise(() => {}); // held until the tab goes
            });
        });
    }

    // The task once those before it are over, whether they succeeded or not.
    function queued(task) {
        const run = recovery.queue.then(task);
        recovery.queue = run.catch(() => {});
        return run;
    }

    work.keepForRecovery = (modified) => {
        clearTimeout(recovery.timer);
        if (!recovery.tabId) {
            return;
        }
        if (!modified) {
            hideNotice(); // nothing left unprotected
            if (recovery.hasCopy) {
                recovery.hasCopy = false;
                queued(() => recovery.copies.remove(recovery.tabId)).catch(() => {});
            }
            return;
        }
        recovery.timer = setTimeout(writeRecovery, work.state.recoveryDelayMs);
    };

    // Resolves with whether the copy is kept; when it is not, the bar under
    // the menus says so, once until a copy was kept again.
    function writeRecovery() {
        const pointer = page.core.ccall("gv_recovery_bytes", "number", [], []);
        const copy = { savedAt: Date.now(),
                       design: new TextDecoder().decode(work.heldBytes(pointer)) };
        recovery.hasCopy = true; // a removal asked for from now on follows this write
        return queued(() => recovery.copies.put(recovery.tabId, copy)).then(() => {
            hideNotice();
            return true;
        }, (error) => {
            sayNotKept(error);
            return false;
        });
    }

    function sayNotKept(error) {
        if (recovery.notice && !recovery.notice.hidden) {
            return; // said already
        }
        if (!recovery.notice) {
            recovery.notice = element("div", { id: "storage-notice", role: "alert" });
            document.getElementById("menubar").after(recovery.notice);
        }
        const reason = error && error.name && error.name !== "Error" ? ` (${error.name})` : "";
        recovery.notice.textContent = work.state.copyNotKept + reason;
        recovery.notice.hidden = false;
    }

    function hideNotice() {
        if (recovery.notice) {
            recovery.notice.hidden = true;
        }
    }

    // Copies left by tabs that are gone, newest first: those kept by this
    // page's store, then those earlier pages left in web storage.
    async function leftCopies() {
        const held = hasLocks()
            ? new Set((await navigator.locks.query()).held.map((lock) => lock.name))
            : new Set();
        const { earlierCopies } = page.recoveryStore;
        const stores = recovery.copies.durable ? [recovery.copies, earlierCopies]
                                               : [recovery.copies];
        const left = [];
        for (const store of stores) {
            for (const id of await store.ids().catch(() => [])) {
                if (!held.has(kTabLockPrefix + id)) {
                    const copy = await store.read(id).catch(() => null);
                    left.push({ store, id, savedAt: (copy && Number(copy.savedAt)) || 0 });
                }
            }
        }
        return left.sort((a, b) => b.savedAt - a.savedAt);
    }

    // Takes a left copy by holding its tab's lock: a second tab opening at
    // the same moment finds it held and leaves the copy alone.
    function claim(id) {
        if (!hasLocks()) {
            return Promise.resolve(true);
        }
        return new Promise((claimed) => {
            navigator.locks.request(kTabLockPrefix + id, { ifAvailable: true }, (lock) => {
                claimed(!!lock);
                return lock ? new Promise(() => {}) : undefined; // this tab now stands for it
            });
        });
    }

    // When a copy was kept, as the question names it: "YYYY-MM-DD HH:MM".
    function savedAtText(copy) {
        const when = new Date((copy && Number(copy.savedAt)) || Date.now());
        const two = (n) => String(n).padStart(2, "0");
        return `${when.getFullYear()}-${two(when.getMonth() + 1)}-${two(when.getDate())} ` +
               `${two(when.getHours())}:${two(when.getMinutes())}`;
    }

    // Before anything else: a copy a closed tab left is offered first. A copy
    // that cannot be read is refused with its reason and given up, as is one
    // the designer gives up.
    async function offerRecovery() {
        for (const left of await leftCopies()) {
            if (!(await claim(left.id))) {
                continue;
            }
            let copy = null;
            try {
                copy = await left.store.read(left.id);
            } catch {
                copy = null; // unreadable: offered as an empty design, which the core refuses
            }
            if (copy === undefined) {
                continue; // taken by another tab in the meantime
            }
            const design = copy && typeof copy.design === "string" ? copy.design : "";
            const offer = work.withBytes(new TextEncoder().encode(design), (pointer, size) =>
                JSON.parse(work.call("gv_offer_recovery", ["number", "number", "string"],
                                     [pointer, size, savedAtText(copy)])));
            if (!(await work.carryOut(offer))) {
                await left.store.remove(left.id).catch(() => {});
                continue;
            }
            return left; // dropped once this tab has a copy of its own
        }
        return null;
    }

    // The page's start: a left copy offered, else the form started; the
    // restored changes are never without a copy.
    work.recoverOrStart = async (startForm) => {
        recovery.copies = await page.recoveryStore.openCopies();
        const restored = await offerRecovery();
        await holdTab(newTabId());
        if (!restored) {
            startForm();
        }
        work.refresh();
        if (restored && (await writeRecovery())) {
            await restored.store.remove(restored.id).catch(() => {});
        }
    };
})();
