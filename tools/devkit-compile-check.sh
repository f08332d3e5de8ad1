#!/usr/bin/env bash
# Checks which plug-in sources compile against the host's API headers alone: every .cpp in DIR is
# compiled with g++ -std=c++20 -fsyntax-only -I host/include, and each file's result is printed (OK,
# or the first error), then the count. Usage: tools/devkit-compile-check.sh DIR
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:?usage: tools/devkit-compile-check.sh DIR}
[ -d "$dir" ] || { echo "devkit-compile-check: $dir is not a folder" >&2; exit 2; }

total=0
passed=0
for file in "$dir"/*.cpp; do
    [ -e "$file" ] || continue
    total=$((total + 1))
    if errors=$(g++ -std=c++20 -fsyntax-only -w -I "$root/host/include" -I "$dir" "$file" 2>&1); then
        passed=$((passed + 1))
        echo "OK    $(basename "$file")"
    else
        first=$(printf '%s\n' "$errors" | grep -m1 -E 'error|fatal' || printf '%s\n' "$errors" | head -n1)
        echo "FAIL  $(basename "$file"): ${first#"$dir"/}"
    fi
done
echo "$passed of $total compile"
[ "$total" -gt 0 ]
