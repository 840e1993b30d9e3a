#!/bin/sh
# Runs the comparator page's browser test: installs the node packages on the first
# run, then drives Chromium headless over the built page.
set -eu
cd "$(dirname "$0")"
[ -z "${HOME:-}" ] || mkdir -p "$HOME"
if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
    echo "node and npm are needed (scripts/setup.sh --test installs them)" >&2
    exit 1
fi
if [ ! -x "${CHROMIUM:-/usr/bin/chromium}" ]; then
    echo "chromium is needed (scripts/setup.sh --test installs it)" >&2
    exit 1
fi
if [ ! -d node_modules/playwright-core ]; then
    npm ci --no-audit --no-fund --loglevel=error
fi
exec node comparator.test.js
