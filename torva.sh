#!/usr/bin/env bash
# Torva Suite developer entry point; `./torva.sh help` prints the usage below.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD

usage() {
  cat <<'USAGE'
usage: ./torva.sh [command]
  run [dir]    install what is missing, build, and run the example scene in torva-host with the
               torvasuite plug-in: a take recorded, undone, saved, reopened, re-simulated and
               checked; the scene, CSV and PNG files go to dir (default build/take)
  test         install what is missing, build, run every test (the default with no command)
  sanitize     the test suite built with address + undefined sanitizers
  fuzz [s]     every fuzz target for s seconds (default 20) on its seed corpus
  fuzz-campaign HOURS
               every fuzz target in turn for HOURS in all (or until each has run TORVA_FUZZ_GOAL
               executions over the campaigns of fuzz/campaigns.tsv, default 10 million); the grown
               corpus is merged into fuzz/corpus/, the figures are added to the ledger and a report
               goes to build-fuzz/campaign.md (TORVA_FUZZ_JOBS=2 runs two targets at once)
  bench        build and run the benchmarks; each one's figures go to build-bench/<name>.json
  soak [args]  build and run torva-soak (Release, build-bench/): an hour-long take of 100 instances,
               ten take/undo cycles and the tick's pacing; args go to it (--short, --minutes M, ...)
  lint         the naming check (.clang-tidy, docs/CONTRIBUTING.md) over every source (build-lint/); fails on
               any finding
  images       build torva-imagegen and redraw every image below data/ from its source in art/
  help         this text (also -h, --help)
Set TORVA_WERROR=1 to treat compiler warnings as errors (CI does).
USAGE
}

# Debian packages the build needs; keep this list the one place that names them.
packages=(g++ clang clang-tidy cmake ninja-build ccache pkg-config
          libgtest-dev libgmock-dev libbenchmark-dev libpugixml-dev qt6-base-dev
          libsdl2-dev libspnav-dev libclang-rt-14-dev libx11-dev libxi-dev locales
          libqt6opengl6-dev libgl1-mesa-dri libglx-mesa0 xvfb libbullet-dev libembree-dev)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "torva: installing ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The tests check that numbers keep the "C" form under a comma-decimal locale; make sure one exists.
ensure_comma_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "torva: generating the de_DE.UTF-8 locale"
  if ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen >/dev/null
}

# The viewport's tests draw with OpenGL, which the offscreen platform reaches through an X display: without
# one, a virtual frame buffer (Mesa's software renderer) stands in for the run. TORVA_REQUIRE_GL makes a
# test fail, not skip, when OpenGL is still missing.
ensure_display() {
  export TORVA_REQUIRE_GL=1
  [ -n "${DISPLAY:-}" ] && return 0
  local n=99
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -nolisten tcp -screen 0 1280x1024x24 >/dev/null 2>&1 &
  local pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  [ -e "/tmp/.X11-unix/X$n" ] || { echo "torva: the virtual frame buffer did not start" >&2; exit 1; }
  export DISPLAY=":$n"
  # The tests need no session bus; without an address the bus library would try to start one through
  # the new display (and leaves a block behind for the leak checker when it cannot).
  export DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-unix:path=/nonexistent}
}

# configure DIR [cmake args...]: configure DIR (once; again when the arguments change).
configure() {
  local dir=$1; shift
  local werror=OFF
  if [ "${TORVA_WERROR:-0}" = "1" ] || [ "${CI:-}" = "true" ]; then werror=ON; fi
  export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
  cmake -S "$root" -B "$dir" -G Ninja -Wno-dev -DTORVA_WERROR=$werror "$@" >/dev/null
}

# configure_build DIR [cmake args...]: configure (once) and build DIR.
configure_build() {
  configure "$@"
  cmake --build "$1" -j "$(nproc)"
}

# The libFuzzer targets, built with clang and the address and undefined-behaviour sanitizers.
build_fuzz() {
  CC=clang CXX=clang++ configure_build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTORVA_FUZZ=ON -DTORVA_TESTS=OFF -DTORVA_BENCH=OFF -DTORVA_EXAMPLES=OFF
}

cmd=${1:-test}
case "$cmd" in
  help | -h | --help) usage; exit 0 ;;
  run | test | sanitize | fuzz | fuzz-campaign | bench | soak | images | lint) ;;
  *) echo "torva: unknown command '$cmd'" >&2; usage >&2; exit 2 ;;
esac
install_missing
ensure_comma_locale
case "$cmd" in
  run)
    configure_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    out=${2:-build/take}
    # The user's documents start as the example ships them (the tool's input profile for the stick).
    mkdir -p "$out"
    rm -rf "$out/documents"
    cp -R examples/scene/documents "$out/documents"
    MAYA_PLUG_IN_PATH=build/system ./build/host/torva-host --batch-clock --data-root "$out/documents" \
      -c "string \$out = \"$out\";" examples/scene/take.mel | grep -v '^// Result: \|^TorvaUndoWrapperII \|^Undo: \|^Redo: '
    ;;
  test)
    configure_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ensure_display
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    ;;
  sanitize)
    configure_build build-asan -DCMAKE_BUILD_TYPE=Debug -DTORVA_SANITIZE=ON -DTORVA_BENCH=OFF
    ensure_display
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
    ;;
  fuzz)
    seconds=${2:-20}
    build_fuzz
    for bin in build-fuzz/fuzz/*_fuzz; do
      name=$(basename "$bin" _fuzz)
      work=build-fuzz/corpus-work/$name
      mkdir -p "$work" "build-fuzz/artifacts/$name"
      mapfile -t flags < <(tools/fuzz-flags.sh "$name")
      echo "torva: fuzzing $name for ${seconds}s"
      "$bin" -max_total_time="$seconds" -print_final_stats=0 -artifact_prefix="build-fuzz/artifacts/$name/" \
        "${flags[@]}" "$work" "fuzz/corpus/$name" 2>"build-fuzz/$name.log" || { tail -50 "build-fuzz/$name.log"; exit 1; }
      tail -1 "build-fuzz/$name.log"
    done
    ;;
  fuzz-campaign)
    build_fuzz
    tools/fuzz-campaign.sh "${2:?usage: ./torva.sh fuzz-campaign HOURS}"
    ;;
  lint)
    # Configuring writes the compilation database the check reads; nothing needs building. The fuzz
    # targets are configured too (they need clang), so every source of the tree is in the database.
    CC=clang CXX=clang++ configure build-lint -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVA_FUZZ=ON
    tools/check-naming.sh build-lint
    ;;
  images)
    configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build --target torva-imagegen -j "$(nproc)"
    ./build/tools/imagegen/torva-imagegen --art art --data data
    echo "torva: images redrawn from art/ into data/"
    ;;
  soak)
    configure build-bench -DCMAKE_BUILD_TYPE=Release -DTORVA_TESTS=OFF
    cmake --build build-bench --target torva-soak -j "$(nproc)"
    QT_QPA_PLATFORM=offscreen ./build-bench/bench/torva-soak "${@:2}"
    ;;
  bench)
    configure_build build-bench -DCMAKE_BUILD_TYPE=Release -DTORVA_TESTS=OFF
    ensure_display
    for bin in build-bench/bench/*_bench; do
      "$bin" --benchmark_min_time=0.5 --benchmark_out="build-bench/$(basename "$bin").json" \
        --benchmark_out_format=json
    done
    ;;
esac
