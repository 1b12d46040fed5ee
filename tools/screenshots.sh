#!/usr/bin/env bash
# Builds Orvane and its screenshot driver, then runs the driver on a virtual
# display in English and Chinese at three screen set-ups:
#
#   1920x1080          -> the manual's pictures (docs/screenshots/) and the review set
#   1024x768           -> review set (the smallest screen the program accepts)
#   1920x1080 at 200 % -> review set (QT_SCALE_FACTOR=2 on a 3840x2160 screen),
#                         once as the program draws today and once with @2x pictures
#
# The review set goes to build/screenshots/<lang>-<setup>/ and is not kept in
# the repository. Chinese runs from a copy of the program folder whose
# Setup.xml selects Translator 1.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_BUILD_DIR:-$top/build}
stage="$build/stage"
driver="$build/tools/orvane_shots"
review="$build/screenshots"
manual="$top/docs/screenshots"

"$top/tools/build.sh" --target orvane orvane_shots

# The single-instance guard keeps its lock in XDG_RUNTIME_DIR: a private one
# keeps these runs apart from an Orvane the user has open.
runtime=$(mktemp -d)
zhstage=$(mktemp -d)
trap 'rm -rf "$runtime" "$zhstage"' EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"

cp -a "$stage/." "$zhstage/"
# Translator 1 selects Chinese; the element spans lines, so perl reads the file whole.
perl -0pi -e 's|(<Translator>\s*<Value>)[^<]*(</Value>)|${1}1${2}|' "$zhstage/Setup.xml"
grep -A1 "<Translator>" "$zhstage/Setup.xml" | grep -q "<Value>1</Value>" || { echo "could not select Chinese" >&2; exit 1; }
if [ ! -f "$zhstage/translations/orvane_zh.qm" ]; then
    echo "note: translations/orvane_zh.qm is missing; the Chinese pictures show English texts" >&2
fi

status=0
run() { # lang folder setup-name screen driver-options [env...]
    local lang=$1 folder=$2 name=$3 screen=$4 options=$5
    shift 5
    local out="$review/$lang-$name"
    rm -rf "$out"
    mkdir -p "$out"
    echo "== $lang $name ($screen $options $*)"
    # shellcheck disable=SC2086 # options is a word list
    if ! env "$@" LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 ${screen}x24" \
        "$driver" --stage "$folder" --out "$out" --prefix "$lang" $options >"$out/log.txt" 2>&1; then
        echo "   failed, see $out/log.txt" >&2
        status=1
    fi
    grep -E "FAILED|refused" "$out/log.txt" >&2 || true
}

for lang in en zh; do
    folder=$stage
    [ "$lang" = zh ] && folder=$zhstage
    run "$lang" "$folder" 1920x1080 1920x1080 ""
    run "$lang" "$folder" 1024x768 1024x768 ""
    run "$lang" "$folder" 1920x1080-200 3840x2160 "" QT_SCALE_FACTOR=2
    # The same with pictures drawn from their @2x files, which the program
    # itself does only once it sets Qt::AA_UseHighDpiPixmaps.
    run "$lang" "$folder" 1920x1080-200-hidpi 3840x2160 --hidpi-pixmaps QT_SCALE_FACTOR=2
done

# The manual's pictures and the README's, from the plain 1920x1080 runs.
mkdir -p "$manual"
for lang in en zh; do
    for shot in start varrate cards size menu update; do
        cp "$review/$lang-1920x1080/$lang-$shot.png" "$manual/$lang-$shot.png"
    done
    cp "$review/$lang-1920x1080/$lang-list.png" "$manual/readme-cards-$lang.png"
done

# The manual's PDF files in the program folder pick up the new pictures.
"$top/tools/build.sh" --target orvane_manual >/dev/null

echo "Manual pictures: $manual"
echo "Review set: $review"
exit $status
