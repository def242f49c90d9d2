#!/usr/bin/env bash
# Installs puppeteer-core, which drives Firefox for the page's tests and
# benchmarks, and ESLint, which `make lint` runs over the page's scripts, from
# this folder's lock file, unless node_modules was installed from this very
# lock file already. It downloads no browser: the tests use Debian's
# firefox-esr.
set -euo pipefail
cd "$(dirname "$0")"
if cmp -s package-lock.json node_modules/.installed-from-lock 2>/dev/null; then
  exit 0
fi
PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
cp package-lock.json node_modules/.installed-from-lock
