#!/usr/bin/env bash
# A long fuzzing campaign over every target of build-fuzz/ (built with the address, undefined-behaviour
# and fuzzer sanitizers by `./torva.sh fuzz-campaign`).
#
# usage: tools/fuzz-campaign.sh HOURS
#   TORVA_FUZZ_GOAL  executions after which a target stops (default 10000000), counted over every
#                    campaign in the ledger fuzz/campaigns.tsv: a campaign continues where the last one
#                    stopped, on the corpus it kept. The time left is shared out among the targets still
#                    below the goal, run after run, until every one has passed it or the hours are spent
#   TORVA_FUZZ_TARGETS  the targets to run, by name and separated by spaces (default: every target)
#   TORVA_FUZZ_JOBS  how many targets run at once (default 1; one a core at most is worth it)
#   TORVA_FUZZ_LEDGER  the ledger (default fuzz/campaigns.tsv), for a trial campaign that must not count
#
# Each target grows its work corpus in build-fuzz/campaign/<name>/; at the end the inputs that add
# coverage are merged into the kept corpus fuzz/corpus/<name>/ (libFuzzer -merge=1, so the kept seeds
# stay and the corpus stays small), and the campaign's figures are added to the ledger, one row a
# target. Crash inputs go to build-fuzz/artifacts/<name>/. The report, a Markdown table, goes to
# standard output and build-fuzz/campaign.md. Exits 1 when a target found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."

hours=${1:?usage: tools/fuzz-campaign.sh HOURS}
goal=${TORVA_FUZZ_GOAL:-10000000}
jobs=${TORVA_FUZZ_JOBS:-1}
ledger=${TORVA_FUZZ_LEDGER:-fuzz/campaigns.tsv}
end=$(($(date +%s) + $(awk -v h="$hours" 'BEGIN { printf "%d", h * 3600 }')))

[ -f "$ledger" ] || printf 'date\ttarget\tseconds\texecutions\tcov\tft\tfindings\n' >"$ledger"
# earlier NAME: the executions NAME ran in the campaigns of the ledger.
earlier() {
  awk -F'\t' -v t="$1" 'NR > 1 && $2 == t { n += $4 } END { printf "%d", n }' "$ledger"
}

declare -A execs seconds cov ft before found
declare -A pids=()
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

# start_target NAME BUDGET: starts one libFuzzer run of NAME in the background, for at most BUDGET
# seconds or the executions it still needs, with its flags (tools/fuzz-flags.sh); its log is
# build-fuzz/campaign/NAME.log.
start_target() {
  local name=$1 budget=$2 flags=()
  mapfile -t flags < <(tools/fuzz-flags.sh "$name")
  local runs=$((goal - $(earlier "$name") - execs[$name]))
  echo "torva: fuzzing $name for up to ${budget}s or $runs executions"
  date +%s >"build-fuzz/campaign/$name.started"
  "build-fuzz/fuzz/${name}_fuzz" -max_total_time="$budget" -runs="$runs" \
    -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$name/" "${flags[@]}" \
    "build-fuzz/campaign/$name" "fuzz/corpus/$name" >"build-fuzz/campaign/$name.log" 2>&1 &
  pids[$!]=$name
}

# collect NAME STATUS: adds the figures of NAME's finished run to the totals.
collect() {
  local name=$1 status=$2 log=build-fuzz/campaign/$1.log
  seconds[$name]=$((seconds[$name] + $(date +%s) - $(cat "build-fuzz/campaign/$name.started")))
  local ran last
  ran=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  execs[$name]=$((execs[$name] + ${ran:-0}))
  last=$(grep -a -E ' cov: [0-9]+ ft: [0-9]+' "$log" | tail -1 || true)
  if [ -n "$last" ]; then
    cov[$name]=$(sed -E 's/.* cov: ([0-9]+).*/\1/' <<<"$last")
    ft[$name]=$(sed -E 's/.* ft: ([0-9]+).*/\1/' <<<"$last")
  fi
  if [ "$status" -ne 0 ]; then
    found[$name]="exit $status: $(grep -a -m1 -E '^SUMMARY|ERROR:|deadly signal' "$log" || echo see "$log")"
    echo "torva: $name FOUND A FAULT; see $log and build-fuzz/artifacts/$name/" >&2
    tail -30 "$log" >&2
  fi
}

# A free job slot goes to the target below the goal, not running, that has run the least time so far,
# for an equal share of the time the jobs have left among the targets still below the goal.
while :; do
  left=$((end - $(date +%s)))
  below=0 next=""
  for name in "${targets[@]}"; do
    [ -z "${found[$name]}" ] && [ $(($(earlier "$name") + execs[$name])) -lt "$goal" ] || continue
    below=$((below + 1))
    grep -qxF -- "$name" <(printf '%s\n' "${pids[@]}") && continue
    if [ -z "$next" ] || [ "${seconds[$name]}" -lt "${seconds[$next]}" ]; then next=$name; fi
  done
  if [ -n "$next" ] && [ "$left" -gt 0 ] && [ ${#pids[@]} -lt "$jobs" ]; then
    share=$((left * jobs / below))
    [ "$share" -gt "$left" ] && share=$left
    [ "$share" -lt 1 ] && share=1
    start_target "$next" "$share"
    continue
  fi
  [ ${#pids[@]} -eq 0 ] && break
  # A run that has ended is collected (bash's `wait -n` misses a child that ended before it was called).
  sleep 2
  for pid in "${!pids[@]}"; do
    kill -0 "$pid" 2>/dev/null && continue
    status=0
    wait "$pid" || status=$?
    name=${pids[$pid]}
    unset "pids[$pid]"
    collect "$name" "$status"
  done
done

status=0
today=$(date +%F)
{
  echo "| target | seconds | executions | exec/s | all campaigns | cov | ft | corpus before | corpus after | findings |"
  echo "|---|---:|---:|---:|---:|---:|---:|---:|---:|---|"
  for name in "${targets[@]}"; do
    "build-fuzz/fuzz/${name}_fuzz" -merge=1 "fuzz/corpus/$name" "build-fuzz/campaign/$name" \
      >"build-fuzz/campaign/$name.merge.log" 2>&1 || echo "torva: merging the corpus of $name failed" >&2
    after=$(find "fuzz/corpus/$name" -type f | wc -l)
    rate=$((execs[$name] / (seconds[$name] > 0 ? seconds[$name] : 1)))
    all=$(($(earlier "$name") + execs[$name]))
    echo "| $name | ${seconds[$name]} | ${execs[$name]} | $rate | $all | ${cov[$name]} | ${ft[$name]} | ${before[$name]} | $after | ${found[$name]:-none} |"
    if [ "${execs[$name]}" -gt 0 ]; then
      printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$today" "$name" "${seconds[$name]}" "${execs[$name]}" \
        "${cov[$name]}" "${ft[$name]}" "${found[$name]:-none}" >>"$ledger"
    fi
  done
} | tee build-fuzz/campaign.md
# The report ran in a pipeline of its own; the findings are counted here.
for name in "${targets[@]}"; do
  if [ -n "${found[$name]}" ]; then status=1; fi
done
exit $status
