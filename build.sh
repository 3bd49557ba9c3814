#!/bin/sh
# Annals: set up, build, play and test.
#
#   ./build.sh play    install what is missing, build, start the game
#   ./build.sh test    install what is missing, build, run every test (also under the sanitizers)
#   ./build.sh build   install what is missing and build
#   ./build.sh deps    only install what is missing
set -eu
cd "$(dirname "$0")"

PACKAGES="build-essential cmake ninja-build pkg-config
  libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev libcairo2-dev librsvg2-dev libpng-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  fonts-dejavu-core fonts-dejavu-extra fluid-soundfont-gm
  xvfb xdotool imagemagick"

install_missing() {
    missing=""
    for p in $PACKAGES; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $p"
        fi
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
}

jobs() { nproc 2>/dev/null || echo 2; }

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j "$(jobs)"
}

# Runs a test program split into one share per core, each share in one process: under
# the sanitizers a process's start and its leak scan at the end cost more than most
# tests do. Prints what failed, and fails when any share does.
run_in_shards() {
    n="$(jobs)"
    i=0
    pids=""
    while [ "$i" -lt "$n" ]; do
        SDL_AUDIODRIVER=dummy GTEST_TOTAL_SHARDS="$n" GTEST_SHARD_INDEX="$i" "$1" --gtest_brief=1 \
            >"shard-$i.log" 2>&1 &
        pids="$pids $!"
        i=$((i + 1))
    done
    status=0
    for pid in $pids; do wait "$pid" || status=1; done
    i=0
    while [ "$i" -lt "$n" ]; do
        cat "shard-$i.log"
        i=$((i + 1))
    done
    return "$status"
}

run_tests() {
    build
    (cd build && ctest --output-on-failure -j "$(jobs)")
    # The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer. That
    # build makes only the tests; the pictures, sounds and music come from the first.
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DANNALS_SANITIZE=ON -DANNALS_BENCH=OFF \
        -DANNALS_GAME=OFF -DANNALS_ASSETS_FROM="$PWD/build/game"
    cmake --build build-asan -j "$(jobs)"
    (cd build-asan && run_in_shards tests/annals-tests)
    # The save loader against damaged files, for a short while. It starts from real saves
    # (fuzz/corpus, made by annals-cli new and play) and takes inputs as long as a whole
    # save, so that its changes reach the checks beyond the header; what it finds goes to
    # build-fuzz/corpus.
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DANNALS_FUZZ=ON
    cmake --build build-fuzz -j "$(jobs)"
    mkdir -p build-fuzz/corpus
    ./build-fuzz/game/save_fuzzer -max_total_time="${ANNALS_FUZZ_SECONDS:-30}" -max_len=200000 \
        -print_final_stats=1 build-fuzz/corpus fuzz/corpus
}

case "${1:-play}" in
deps) install_missing ;;
build) install_missing && build ;;
test) install_missing && run_tests ;;
play) install_missing && build && exec ./build/game/annals ;;
*)
    echo "usage: $0 [play|test|build|deps]" >&2
    exit 2
    ;;
esac
