#!/usr/bin/env bash
# End to end under Wine, in a prefix of its own: "install" takes ".jpeg" over
# from the program that had it, a plain JPEG given to the viewer goes to that
# program without a viewer window, and "uninstall" gives ".jpeg" back. Then a
# program whose command is REG_EXPAND_SZ, known to the record by its ProgID
# alone, gets a photo named outside any one code page.
#
#   e2e-associations.sh <tsviewer.exe> <recorder.exe> <work-dir>
set -euo pipefail

viewer=$(realpath "$1")
recorder=$(realpath "$2")
work=$(realpath -m "$3")
root=$(cd "$(dirname "$0")/.." && pwd)
prefix="$work/prefix"
rm -rf "$work"
mkdir -p "$work"
trap '"$root/scripts/wine-stop.sh" "$prefix" >/dev/null 2>&1 || true' EXIT

wine_run() { "$root/scripts/wine-run.sh" "$prefix" "$@"; }
winpath() { echo "Z:${1//\//\\}"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
# The default value of a registry key, as reg query prints it.
default_of() {
    wine_run reg query "$1" /ve 2>/dev/null | tr -d '\r' | awk -F'REG_SZ' 'NF > 1 { gsub(/^[ \t]+/, "", $2); print $2 }'
}
value_of() {
    wine_run reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -F'REG_SZ' 'NF > 1 { gsub(/^[ \t]+/, "", $2); print $2 }'
}

# Before: ".jpeg" opens with the recorder.
wine_run reg add 'HKLM\Software\Classes\.jpeg' /ve /d recorderfile /f >/dev/null
wine_run reg add 'HKLM\Software\Classes\recorderfile\shell\open\command' /ve \
    /d "\"$(winpath "$recorder")\" \"%1\"" /f >/dev/null
[[ $(default_of 'HKCR\.jpeg') == recorderfile ]] || fail "set-up: .jpeg is not the recorder's"

# "Install" is not the verb: it is taken as a (missing) file and changes nothing.
timeout 20 "$root/scripts/wine-run.sh" "$prefix" "$viewer" Install >/dev/null 2>&1 &
sleep 5
wine_run taskkill /f /im tsviewer.exe >/dev/null 2>&1 || true
wait || true
[[ $(default_of 'HKCR\.jpeg') == recorderfile ]] || fail "\"Install\" took .jpeg over"

echo "== install"
wine_run "$viewer" install
# ProgIDs are compared without regard to letter case, as Windows does.
lower() { tr '[:upper:]' '[:lower:]'; }
[[ $(default_of 'HKCR\.jpeg' | lower) == tessmirejpgfile ]] || fail ".jpeg is not the viewer's after install"
[[ $(default_of 'HKCR\.mire' | lower) == tessmirefile ]] || fail ".mire is not registered"
[[ $(default_of 'HKCR\tessmirejpgfile\shell\open\command') == "\"$(winpath "$(dirname "$viewer")")\\tsviewer.exe\" %1" ]] ||
    fail "open command: $(default_of 'HKCR\tessmirejpgfile\shell\open\command')"
# Wine's classes root is the machine's classes, so the handler is kept as the classes root's.
[[ $(value_of 'HKLM\SOFTWARE\tessmire\JPEG_HKROOT' PROG_ID) == recorderfile ]] ||
    fail "the previous handler was not recorded"
[[ -z $(value_of 'HKCU\Software\tessmire' ADDRESS_BAR) ]] || fail "install wrote ADDRESS_BAR"

echo "== a plain JPEG goes to the previous handler"
mkdir -p "$work/my photos"
cp "$root/samples/photo.jpg" "$work/my photos/holiday.jpeg"
photo=$(winpath "$work/my photos/holiday.jpeg")
export TS_RECORDER_OUT
TS_RECORDER_OUT=$(winpath "$work/recorded.txt")
# The user hid the address bar: a run that shows no window leaves that choice alone.
wine_run reg add 'HKCU\Software\tessmire' /v ADDRESS_BAR /d 0 /f >/dev/null 2>&1
# A viewer window would keep the process alive; the hand-off ends it at once.
timeout 30 "$root/scripts/wine-run.sh" "$prefix" "$viewer" "$photo" || fail "the viewer did not end by itself"
for _ in $(seq 50); do [[ -s "$work/recorded.txt" ]] && break; sleep 0.2; done
recorded=$(cat "$work/recorded.txt" 2>/dev/null || true)
[[ "$recorded" == *"\"$photo\""* ]] || fail "the recorder got: $recorded"
# The program's path keeps its quotes, so no shorter path is tried first.
[[ "$recorded" == "\"$(winpath "$recorder")\" "* ]] || fail "the recorder's path lost its quotes: $recorded"
echo "recorder got: $recorded"
[[ $(value_of 'HKCU\Software\tessmire' ADDRESS_BAR) == 0 ]] || fail "the hand-off changed ADDRESS_BAR"
[[ -n $(value_of 'HKCU\Software\tessmire\Last Execute' Error) ]] || fail "no last-run record"
# Every value the viewer wrote reads back with the system's own tool.
for key in 'HKCU\Software\tessmire' 'HKLM\SOFTWARE\tessmire'; do
    wine_run reg query "$key" /s >/dev/null 2>&1 || fail "reg query cannot read $key"
done

echo "== uninstall"
wine_run "$viewer" uninstall
[[ $(default_of 'HKCR\.jpeg') == recorderfile ]] || fail ".jpeg was not given back: $(default_of 'HKCR\.jpeg')"
wine_run reg query 'HKCR\.mire' >/dev/null 2>&1 && fail ".mire is still registered"

echo "== a program known by its ProgID alone, a name outside the code page"
wine_run reg add 'HKLM\Software\Classes\recorderfile\shell\open\command' /ve /t REG_EXPAND_SZ \
    /d "\"$(winpath "$recorder")\" \"%1\"" /f >/dev/null
wine_run "$viewer" install
[[ -z $(value_of 'HKLM\SOFTWARE\tessmire\JPEG_HKROOT' PROG_SHELL) ]] || fail "an expandable command was recorded"
cp "$root/samples/photo.jpg" "$work/my photos/фото 日本.jpeg"
photo=$(winpath "$work/my photos/фото 日本.jpeg")
rm -f "$work/recorded.txt"
timeout 30 "$root/scripts/wine-run.sh" "$prefix" "$viewer" "$photo" || fail "the viewer did not end by itself"
for _ in $(seq 50); do [[ -s "$work/recorded.txt" ]] && break; sleep 0.2; done
recorded=$(cat "$work/recorded.txt" 2>/dev/null || true)
[[ "$recorded" == *"$photo"* ]] || fail "through the ProgID the recorder got: $recorded"
echo "recorder got: $recorded"
# The last run's record names the file as it is (regedit exports UTF-16).
wine_run regedit /e "$(winpath "$work/last.reg")" 'HKEY_CURRENT_USER\Software\tessmire\Last Execute'
iconv -f UTF-16LE -t UTF-8 "$work/last.reg" | grep -q "фото 日本.jpeg" ||
    fail "the last-run record lost the file's name"
wine_run "$viewer" uninstall
echo "associations end to end: passed"
