#!/usr/bin/env bash
# Purpose: builds the libFuzzer targets with clang (address and undefined-behaviour sanitizers):
# the add-on and the host are compiled with coverage hooks in their own build folder, then each
# fuzz/Fuzz*.cpp is linked against them. The normal build never needs clang.
set -euo pipefail
cd "$(dirname "$0")/.."
FUZZ_BUILD=${FUZZ_BUILD:-build-fuzz}
CLANGXX=${CLANGXX:-$(command -v clang++-14 || command -v clang++)}
JOBS=${JOBS:-2}
FLAGS="-O1 -g -fsanitize=address,undefined -fno-omit-frame-pointer"

# SKIP_LIBS=1 links against the libraries already in the build folder (they take long to build).
if [ "${SKIP_LIBS:-0}" != 1 ]; then
    CXX=$CLANGXX cmake -S . -B "$FUZZ_BUILD" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="-O1 -g -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer" > /dev/null
    # The data files beside the add-on come with the deliverable: the session fuzzer loads from there.
    # The workbench's target loads a deliverable as `tevaro serve` does.
    cmake --build "$FUZZ_BUILD" -j"$JOBS" --target tevaro_addon_static tevaro_host tevaro_objectlib tevaro_import tevaro_import_ifc Tevaro_21_x64_hun
fi

root=$(pwd)
build=$(cd "$FUZZ_BUILD" && pwd)
libs=("$build/libtevaro_addon_static.a" "$build/import/libtevaro_import.a" "$build/import/ifc/libtevaro_import_ifc.a"
      "$build/host/libtevaro_host.a"
      "$build/objectlib/libtevaro_objectlib.a")
for source in fuzz/Fuzz*.cpp; do
    name=$(basename "$source" .cpp)
    extra=()
    # The session lines and the workbench live in the program, not in a library: its files but main,
    # with the HTTP library the workbench's command links.
    if [ "$name" = FuzzSessionLines ] || [ "$name" = FuzzServeRequests ]; then
        for f in app/*.cpp; do [ "$f" != app/main.cpp ] && extra+=("$f"); done
        # the drawing prints to PDF through librsvg and cairo
        read -r -a pdf <<< "$(pkg-config --cflags --libs librsvg-2.0 cairo-pdf)"
        extra+=("${pdf[@]}")
        read -r -a http <<< "$(pkg-config --cflags --libs cpp-httplib) -lpthread"
        extra+=("${http[@]}")
    fi
    echo "linking $name"
    $CLANGXX -std=c++20 $FLAGS -fsanitize=fuzzer -I"$root" \
        -DTEVARO_SOURCE_DIR="\"$root\"" -DTEVARO_BUILD_DIR="\"$build\"" \
        "$source" "${extra[@]}" "${libs[@]}" -lpugixml -lgmp -lmpfr -ldl -o "$build/$name"
done
