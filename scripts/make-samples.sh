#!/usr/bin/env bash
# Regenerates the bundled sample pictures in samples/ with make_page_image from the native build,
# building that tool first when it is missing. The output is the same on every run with the same
# libjpeg. MAKE_PAGE_IMAGE=/path/to/make_page_image uses another build of the tool.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
tool=${MAKE_PAGE_IMAGE:-$root/build/native/tools/make_page_image}
if [[ ! -x $tool ]]; then
    (cd "$root" && cmake --preset native >/dev/null &&
        cmake --build --preset native --target make_page_image -j 2)
fi

out=$root/samples
mkdir -p "$out"

# Page images of three heights; one under the viewer's own extension.
"$tool" "$out/page-news.jpg" 1024 3000 --seed 11 --quality 55 \
    --title "Harbour festival draws record crowds" \
    --address "https://example.org/news/2024/06/harbour-festival"
"$tool" "$out/page-recipes.jpg" 1024 1500 --seed 23 --quality 60 \
    --title "Café menu — Spring" \
    --address "https://example.com/cafe/menu/spring"
"$tool" "$out/page-long.mire" 1024 6000 --seed 37 --quality 55 \
    --title "Annual report 2023: the full text" \
    --address "https://example.org/reports/2023/annual-report?view=all"
# A plain JPEG without an IPTC record.
"$tool" "$out/photo.jpg" 640 480 --seed 5 --quality 85 --plain --look photo

du -cb "$out"/page-news.jpg "$out"/page-recipes.jpg "$out"/page-long.mire "$out"/photo.jpg
