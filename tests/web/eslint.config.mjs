// The lint of the page's scripts and of the Node helper that drives Firefox:
// ESLint's recommended rules, run from the repository's root by scripts/lint
// (`eslint -c tests/web/eslint.config.mjs`), so the paths are the root's.
import js from "@eslint/js";
import globals from "globals";

export default [
    js.configs.recommended,
    {
        // The page's scripts are plain scripts, put one after another into the
        // page's one script element in the order src/web/CMakeLists.txt lists.
        // Each keeps to a function of its own and shares what it builds through
        // window.gelvant; the only name they take from outside the browser is
        // the core's factory, which the core's script element before them sets.
        files: ["src/web/*.js"],
        languageOptions: {
            // No syntax newer than the browser engines of the tests all run.
            ecmaVersion: 2022,
            sourceType: "script",
            globals: { ...globals.browser, GelvantCore: "readonly" },
        },
    },
    {
        // The functions the helper hands to page.evaluate run in the page.
        files: ["tests/web/*.mjs"],
        languageOptions: {
            ecmaVersion: 2022,
            sourceType: "module",
            globals: { ...globals.node, document: "readonly" },
        },
    },
];
