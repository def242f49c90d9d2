// Where the page keeps the copy of unsaved changes (recovery.js says when):
// in IndexedDB, written in transactions of strict durability, so that a copy
// is on the disk when its write completes and a browser killed a second
// later still has it. Web storage (localStorage) is written to disk lazily
// and loses a copy made seconds before a crash; it is used only where
// IndexedDB cannot be opened, and the copies earlier pages left there are
// offered once.
"use strict";

(function () {
    const page = window.gelvant;
    const kDatabase = "gelvant";
    const kCopies = "recovery";
    // Copies in web storage: "gelvant-recovery:<tab>" → {savedAt, design}.
    const kWebStoragePrefix = "gelvant-recovery:";

    const request = (req) => new Promise((done, failed) => {
        req.onsuccess = () => done(req.result);
        req.onerror = () => failed(req.error);
    });

    function openDatabase() {
        return new Promise((done, failed) => {
            const req = indexedDB.open(kDatabase, 1);
            req.onupgradeneeded = () => req.result.createObjectStore(kCopies);
            req.onsuccess = () => done(req.result);
            req.onerror = () => failed(req.error);
            req.onblocked = () => failed(new Error("blocked"));
        });
    }

    // A transaction's work, settled when the transaction has completed
    // (for a write: is on the disk) or has failed.
    function transaction(db, mode, work) {
        return new Promise((done, failed) => {
            const tx = db.transaction(kCopies, mode, { durability: "strict" });
            let result;
            tx.oncomplete = () => done(result);
            tx.onerror = () => failed(tx.error);
            tx.onabort = () => failed(tx.error || new Error("aborted"));
            Promise.resolve(work(tx.objectStore(kCopies))).then((value) => {
                result = value;
            }, (error) => {
                try {
                    tx.abort();
                } catch {
                    // already over
                }
                failed(error);
            });
        });
    }

    function databaseCopies(db) {
        return {
            durable: true,
            put: (id, copy) => transaction(db, "readwrite", (store) => {
                store.put(copy, id);
            }),
            remove: (id) => transaction(db, "readwrite", (store) => {
                store.delete(id);
            }),
            read: (id) => transaction(db, "readonly", (store) => request(store.get(id))),
            ids: () => transaction(db, "readonly", (store) => request(store.getAllKeys())),
        };
    }

    // Copies in web storage; a write that the browser refuses throws.
    const webStorageCopies = {
        durable: false,
        put: async (id, copy) => {
            localStorage.setItem(kWebStoragePrefix + id, JSON.stringify(copy));
        },
        remove: async (id) => {
            localStorage.removeItem(kWebStoragePrefix + id);
        },
        read: async (id) => parseCopy(localStorage.getItem(kWebStoragePrefix + id)),
        ids: async () => webStorageIds(),
    };

    function webStorageIds() {
        const ids = [];
        for (let i = 0; i < localStorage.length; ++i) {
            const key = localStorage.key(i);
            if (key.startsWith(kWebStoragePrefix)) {
                ids.push(key.slice(kWebStoragePrefix.length));
            }
        }
        return ids;
    }

    // A copy as web storage holds it; what cannot be read is kept as it is,
    // for the core to refuse with its reason.
    function parseCopy(text) {
        if (text === null) {
            return undefined;
        }
        try {
            const copy = JSON.parse(text);
            if (copy && typeof copy === "object") {
                return copy;
            }
        } catch {
            // falls through
        }
        return { savedAt: 0, design: text };
    }

    function hasWebStorage() {
        try {
            return !!window.localStorage;
        } catch {
            return false; // storage switched off: even the getter throws
        }
    }

    // The store of copies: IndexedDB where it opens, else web storage, else
    // none (every write then fails, and the page says so).
    async function openCopies() {
        if (window.indexedDB) {
            try {
                return databaseCopies(await openDatabase());
            } catch (error) {
                console.warn("gelvant: IndexedDB cannot be opened:", error);
            }
        }
        if (hasWebStorage()) {
            return webStorageCopies;
        }
        const refuse = async () => {
            throw new Error("no storage");
        };
        return { durable: false, put: refuse, remove: async () => {}, read: refuse,
                 ids: async () => [] };
    }

    // Copies that earlier pages left in web storage, offered once and then
    // dropped; none when web storage is the store itself.
    const earlierCopies = {
        ids: async () => (hasWebStorage() ? webStorageIds() : []),
        read: webStorageCopies.read,
        remove: webStorageCopies.remove,
    };

    page.recoveryStore = { openCopies, earlierCopies };
})();
