#!/usr/bin/env bash
# Installs what the fuzz harnesses need on top of scripts/install-deps.sh: clang with libFuzzer
# and the sanitizer runtimes. Kept apart so that `make test` never installs a second compiler.
set -euo pipefail
exec bash "$(dirname "$0")/install-deps.sh" clang libclang-rt-14-dev
