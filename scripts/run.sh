#!/usr/bin/env bash
# Installs what is missing, builds kesh and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
if [ ! -x build/dev/app/kesh ]; then
    echo "kesh: the application is not part of this build yet; only the ledger model and its tests are." >&2
    exit 1
fi
exec build/dev/app/kesh "$@"
