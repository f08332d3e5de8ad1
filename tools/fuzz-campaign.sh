#!/usr/bin/env bash
# A long fuzzing campaign over every target of build-fuzz/ (built with the address, undefined-behaviour
# and fuzzer sanitizers by `./torva.sh fuzz-campaign`).
#
# usage: tools/fuzz-campaign.sh HOURS
#   TORVA_FUZZ_GOAL  executions after which a target stops (default 10000000); the time left is shared
#                    out among the targets still below the goal, round after round, until every one has
#                    passed it or the hours are spent
#   TORVA_FUZZ_TARGETS  the targets to run, by name and separated by spaces (default: every target), for
#                    a campaign that continues on some of them
#
# Each target grows its work corpus in build-fuzz/campaign/<name>/; at the end the inputs that add
# coverage are merged into the kept corpus fuzz/corpus/<name>/ (libFuzzer -merge=1, so the kept seeds
# stay and the corpus stays small). Crash inputs go to build-fuzz/artifacts/<name>/. The report, a
# Markdown table, goes to standard output and build-fuzz/campaign.md. Exits 1 when a target found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."

hours=${1:?usage: tools/fuzz-campaign.sh HOURS}
goal=${TORVA_FUZZ_GOAL:-10000000}
end=$(($(date +%s) + $(awk -v h="$hours" 'BEGIN { printf "%d", h * 3600 }')))

declare -A execs seconds cov ft before found
targets=()
for bin in build-fuzz/fuzz/*_fuzz; do
  name=$(basename "$bin" _fuzz)
  if [ -n "${TORVA_FUZZ_TARGETS:-}" ] && ! grep -qw -- "$name" <<<"$TORVA_FUZZ_TARGETS"; then continue; fi
  targets+=("$name")
  execs[$name]=0 seconds[$name]=0 cov[$name]=- ft[$name]=- found[$name]=""
  mkdir -p "fuzz/corpus/$name" "build-fuzz/campaign/$name" "build-fuzz/artifacts/$name"
  before[$name]=$(find "fuzz/corpus/$name" -type f | wc -l)
done
if [ ${#targets[@]} -eq 0 ]; then
  echo "torva: no fuzz target in build-fuzz/fuzz/ matches '${TORVA_FUZZ_TARGETS:-}'" >&2
  exit 2
fi

# run_target NAME BUDGET: one libFuzzer run of NAME for at most BUDGET seconds or the executions it
# still needs; adds its figures to the totals.
run_target() {
  local name=$1 budget=$2 log=build-fuzz/campaign/$name.log dict=()
  [ -f "fuzz/dict/$name.dict" ] && dict=(-dict="fuzz/dict/$name.dict")
  local started=$SECONDS status=0
  "build-fuzz/fuzz/${name}_fuzz" -max_total_time="$budget" -runs=$((goal - execs[$name])) \
    -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$name/" "${dict[@]}" \
    "build-fuzz/campaign/$name" "fuzz/corpus/$name" >"$log" 2>&1 || status=$?
  seconds[$name]=$((seconds[$name] + SECONDS - started))
  local ran
  ran=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  execs[$name]=$((execs[$name] + ${ran:-0}))
  local last
  last=$(grep -E ' cov: [0-9]+ ft: [0-9]+' "$log" | tail -1 || true)
  if [ -n "$last" ]; then
    cov[$name]=$(sed -E 's/.* cov: ([0-9]+).*/\1/' <<<"$last")
    ft[$name]=$(sed -E 's/.* ft: ([0-9]+).*/\1/' <<<"$last")
  fi
  if [ "$status" -ne 0 ]; then
    found[$name]="exit $status: $(grep -m1 -E '^SUMMARY|ERROR:|deadly signal' "$log" || echo see "$log")"
    echo "torva: $name FOUND A FAULT; see $log and build-fuzz/artifacts/$name/" >&2
    tail -30 "$log" >&2
  fi
}

while :; do
  waiting=()
  for name in "${targets[@]}"; do
    [ -z "${found[$name]}" ] && [ "${execs[$name]}" -lt "$goal" ] && waiting+=("$name")
  done
  left=$((end - $(date +%s)))
  [ ${#waiting[@]} -eq 0 ] || [ "$left" -le 0 ] && break
  for name in "${waiting[@]}"; do
    left=$((end - $(date +%s)))
    [ "$left" -le 0 ] && break
    budget=$((left / ${#waiting[@]}))
    [ "$budget" -lt 1 ] && budget=1
    echo "torva: fuzzing $name for up to ${budget}s (${execs[$name]} of $goal executions so far)"
    run_target "$name" "$budget"
  done
done

status=0
{
  echo "| target | seconds | executions | exec/s | cov | ft | corpus before | corpus after | findings |"
  echo "|---|---:|---:|---:|---:|---:|---:|---:|---|"
  for name in "${targets[@]}"; do
    "build-fuzz/fuzz/${name}_fuzz" -merge=1 "fuzz/corpus/$name" "build-fuzz/campaign/$name" \
      >"build-fuzz/campaign/$name.merge.log" 2>&1 || echo "torva: merging the corpus of $name failed" >&2
    after=$(find "fuzz/corpus/$name" -type f | wc -l)
    rate=$((execs[$name] / (seconds[$name] > 0 ? seconds[$name] : 1)))
    echo "| $name | ${seconds[$name]} | ${execs[$name]} | $rate | ${cov[$name]} | ${ft[$name]} | ${before[$name]} | $after | ${found[$name]:-none} |"
  done
} | tee build-fuzz/campaign.md
# The report ran in a pipeline of its own; the findings are counted here.
for name in "${targets[@]}"; do
  if [ -n "${found[$name]}" ]; then status=1; fi
done
exit $status
