#!/usr/bin/env bash
# Remakes the pictures of the user guide (docs/imagens/*.png) with the program's own
# screenshot tool, offscreen, at a fixed time and in Brazilian Portuguese number format.
# Builds the tool in build-docs/ (or the build folder given as $1, which must build the
# benchmarks). Usage: docs/make-pictures.sh [build-folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-docs}"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBUILD_TESTING=OFF -DQUORVEL_BENCH=ON >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target bench_odometer -- --quiet
LANG=pt_BR.UTF-8 LC_ALL= LC_CTYPE=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    "$build/bench/bench_odometer" guide "$root/docs/imagens"

# The picture made to share, by the program itself as a scheduled job makes it (no display);
# its caption carries the date and time it is made.
cmake --build "$build" -j"$(nproc)" --target quorvel-counter -- --quiet
user_data="$(mktemp -d)" # an empty data folder: the files beside the program are read
# Made as a job without LANG makes it (LC_ALL=C): its numbers are Brazilian all the same.
for shape in 1080x1080:compartilhar 1920x1080:compartilhar-1920 \
    1080x1920:compartilhar-1080x1920; do
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANG LC_ALL=C \
        XDG_DATA_HOME="$user_data" "$build/src/quorvel-counter" --entrada Bahia --modo ano \
        --tamanho "${shape%%:*}" --imagem "$root/docs/imagens/${shape#*:}.png"
done
rm -rf "$user_data"

# The comparison view, as the command line opens it, drawn the same way.
user_data="$(mktemp -d)"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=pt_BR.UTF-8 \
    XDG_DATA_HOME="$user_data" "$build/src/quorvel-counter" --entrada Bahia \
    --entrada "São Paulo" --entrada Brasil --entrada "Roubos em geral na cidade de São Paulo" \
    --modo ano --tamanho 1280x720 --imagem "$root/docs/imagens/comparacao.png"
rm -rf "$user_data"

# The page that counts in a browser, made by the program as --pagina makes it and photographed
# by headless Chromium at a phone's size and a desktop's, in the light and the dark scheme.
"$root/scripts/deps.sh" chromium
user_data="$(mktemp -d)"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=pt_BR.UTF-8 \
    XDG_DATA_HOME="$user_data" "$build/src/quorvel-counter" \
    --entrada "Homicidios em São Paulo" --modo mes --pagina "$user_data/pagina.html"
for size in 390,844 1920,1080; do
    for scheme in claro escuro; do
        profile="$(mktemp -d)"
        dark=()
        if [ "$scheme" = escuro ]; then dark=(--force-dark-mode); fi
        chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
            --disable-background-networking --disable-component-update --disable-sync \
            --user-data-dir="$profile" --hide-scrollbars --window-size="$size" "${dark[@]}" \
            --screenshot="$root/docs/imagens/pagina-${size%%,*}-$scheme.png" \
            "file://$user_data/pagina.html" 2>/dev/null
        rm -rf "$profile"
    done
done
rm -rf "$user_data"
