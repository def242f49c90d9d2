// Firefox for the page's Python tests and benchmarks, driven over WebDriver
// BiDi by puppeteer-core (no browser is downloaded: Debian's firefox-esr).
// One request per line on standard input, {"id", "op", "args"}; one answer
// per line on standard output, {"id", "value"} or {"id", "error"}.
import puppeteer from "puppeteer-core";
import { createInterface } from "node:readline";

let browser = null;
let page = null;

// A function body run in the page with its arguments, as WebDriver runs a
// script: its value, a promise's once settled.
const script = (body, args) =>
    page.evaluate(`(function () { ${body}\n}).apply(null, ${JSON.stringify(args || [])})`);

// The first element that matches the selector and, if given, has the text
// (its own, or its first child's: a menu entry's label before its keys).
async function find(selector, text) {
    const handle = await page.evaluateHandle((css, wanted) =>
        [...document.querySelectorAll(css)].find((e) => wanted === null ||
            e.textContent.trim() === wanted ||
            (e.firstElementChild && e.firstElementChild.textContent.trim() === wanted)) || null,
        selector, text === undefined ? null : text);
    const found = handle.asElement();
    if (!found) {
        throw new Error(`no element ${selector} ${text || ""}`);
    }
    return found;
}

// "Control+a", "Alt+Shift+Backspace", "F1": modifiers held, the last key pressed.
async function chord(keys) {
    const parts = keys.split("+");
    const last = parts.pop();
    for (const modifier of parts) {
        await page.keyboard.down(modifier);
    }
    const key = parts.length && /^[a-z]$/i.test(last) ? `Key${last.toUpperCase()}` : last;
    await page.keyboard.press(key);
    for (const modifier of parts.reverse()) {
        await page.keyboard.up(modifier);
    }
}

const ops = {
    async launch({ profile, width, height }) {
        browser = await puppeteer.launch({
            browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: true,
            userDataDir: profile, defaultViewport: { width, height },
            extraPrefsFirefox: { "browser.download.folderList": 2, "print.always_print_silent": true },
        });
        page = (await browser.pages())[0] || (await browser.newPage());
        await page.setViewport({ width, height });
        // Leaving a page with unsaved changes: the browser's question is answered "leave".
        page.on("dialog", (dialog) => dialog.accept().catch(() => {}));
        return browser.process().pid;
    },
    async goto({ url }) {
        await page.goto(url);
    },
    async run({ body, args }) {
        return script(body, args);
    },
    async click({ selector, text }) {
        await (await find(selector, text)).click();
    },
    async select({ selector, index }) {
        const list = await find(selector);
        await list.select(await list.evaluate((s, i) => s.options[i].value, index));
    },
    async keys({ chords }) {
        for (const keys of chords) {
            await chord(keys);
        }
    },
    async type({ text }) {
        await page.keyboard.type(text);
    },
    async upload({ selector, path }) {
        await (await find(selector)).uploadFile(path);
    },
    async resize({ width, height }) {
        await page.setViewport({ width, height });
    },
    async pdf() {
        return Buffer.from(await page.pdf({ preferCSSPageSize: true })).toString("base64");
    },
    async title() {
        return page.title();
    },
    async kill() {
        browser.process().kill("SIGKILL");
        await new Promise((done) => browser.process().once("exit", done));
        browser = null;
    },
    async quit() {
        if (browser) {
            await browser.close();
        }
        browser = null;
    },
};

const lines = createInterface({ input: process.stdin });
for await (const line of lines) {
    const { id, op, args } = JSON.parse(line);
    let answer;
    try {
        const value = await ops[op](args || {});
        answer = { id, value: value === undefined ? null : value };
    } catch (error) {
        answer = { id, error: String(error && error.stack || error) };
    }
    process.stdout.write(JSON.stringify(answer) + "\n");
    if (op === "quit") {
        break;
    }
}
