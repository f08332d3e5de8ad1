#!/usr/bin/env bash
# Runs the naming check (.clang-tidy) over every project source file of a configured build and fails on any
# finding. Usage: tools/check-naming.sh [build-dir] (default build; it needs the build's
# compile_commands.json, which every configure writes). TORVA_LINT_JOBS sets the parallel runs (default:
# the number of cores).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
db=$build/compile_commands.json
[ -f "$db" ] || { echo "check-naming: $db is missing; configure the build first" >&2; exit 2; }
command -v clang-tidy >/dev/null || { echo "check-naming: clang-tidy is not installed" >&2; exit 2; }
jobs=${TORVA_LINT_JOBS:-$(nproc)}
out=$(mktemp)
list=$out.list
trap 'rm -f "$out" "$out.err" "$list"' EXIT

# The project's own sources: every file of the database that lies in the tree and outside any build folder.
# Headers are checked through the sources that include them.
python3 - "$db" "$root" >"$list" <<'PY'
import json, os, sys
db, root = sys.argv[1], sys.argv[2]
seen = set()
for entry in json.load(open(db)):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    rel = os.path.relpath(path, root)
    if rel.startswith("..") or rel.split(os.sep)[0].startswith("build") or path in seen:
        continue
    seen.add(path)
    print(path)
PY
[ -s "$list" ] || { echo "check-naming: no project sources in $db" >&2; exit 2; }
dirs='util|gui|host|unidevice|platform|core|system|interface|plugins|tools|tests|bench|fuzz|examples'
start=$(date +%s)
# clang-tidy exits 1 on a finding (xargs then says 123); any other status means a run crashed or could
# not start.
status=0
xargs -d '\n' -P "$jobs" -n 4 <"$list" clang-tidy -p "$build" --quiet \
  "-header-filter=^$(printf '%s' "$root" | sed 's/[].[^$*+?(){}|\\]/\\&/g')/($dirs)/" >"$out" 2>"$out.err" || status=$?
if [ "$status" -ne 0 ] && [ "$status" -ne 123 ]; then
  cat "$out.err" >&2
  echo "check-naming: clang-tidy failed (status $status)" >&2
  exit 2
fi
# A finding is a naming error or a source that does not compile (compiler warnings are the build's
# business). A header's findings come once for every source that includes it: report each one once, by
# its path in the tree.
findings=$(grep -E '^/[^:]+:[0-9]+:[0-9]+: error: .*\[(readability-identifier-naming|clang-diagnostic-error)' "$out" |
  sed "s#^$root/##" | sort -u || true)
count=$(printf '%s' "$findings" | grep -c . || true)
seconds=$(( $(date +%s) - start ))
n=$(wc -l <"$list")
if [ "$count" -gt 0 ]; then
  printf '%s\n' "$findings"
  echo "check-naming: $count finding(s) in $n sources (${seconds}s)" >&2
  exit 1
fi
echo "check-naming: $n sources clean (${seconds}s)"
