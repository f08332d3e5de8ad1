#!/usr/bin/env bash
# The libFuzzer flags of one fuzz target, one a line, for every run of it (the short pass of
# `./torva.sh fuzz` and the campaigns alike): its dictionary fuzz/dict/NAME.dict, when there is one,
# and the flags of fuzz/flags/NAME.flags, when there is one (a flag a line; blank lines and lines
# beginning with # are left out).
#
# usage: tools/fuzz-flags.sh NAME
set -euo pipefail
cd "$(dirname "$0")/.."
name=${1:?usage: tools/fuzz-flags.sh NAME}
if [ -f "fuzz/dict/$name.dict" ]; then echo "-dict=fuzz/dict/$name.dict"; fi
if [ -f "fuzz/flags/$name.flags" ]; then
  grep -v -E '^[[:space:]]*(#|$)' "fuzz/flags/$name.flags" || true
fi
