#!/usr/bin/env bash
# The installer's round trip under Wine, in a prefix and a Wine session of its own on a private
# X display: ".jpeg" opens with another program ("Photo Studio"); the silent install puts the
# files, the shortcut, the uninstall entry and the default-apps registration in place and the
# viewer takes ".jpeg" over; a page image opened through the shell shows in the installed
# viewer, a plain JPEG goes on to Photo Studio; a second install upgrades in place and keeps the
# record of Photo Studio; the silent uninstall closes a running viewer, which saves its settings,
# gives ".jpeg" back and leaves nothing of the program but the user's own settings, which go only
# with /REMOVESETTINGS; an install into new folders with blanks and non-ASCII letters in their
# names leaves none of them after its uninstall.
#
#   e2e-install.sh <installer.exe> <recorder.exe> <work-dir>
set -euo pipefail

if [[ $# -ne 3 ]]; then
    echo "usage: $0 <installer.exe> <recorder.exe> <work-dir>" >&2
    exit 2
fi
installer=$(realpath "$1")
recorder=$(realpath "$2")
work=$(realpath -m "$3")
root=$(cd "$(dirname "$0")/.." && pwd)
log="$work/wine.log"
source "$root/scripts/lib/xdisplay.sh"
trap xd_cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work/pages" "$work/my photos"
: >"$log"
cp "$root/samples/page-news.jpg" "$work/pages/news.jpeg"
cp "$root/samples/photo.jpg" "$work/my photos/holiday.jpeg"
winpath() { echo "Z:${1//\//\\}"; }

xd_start_xvfb "$log" || fail "no X display"
# xd_wine_session's session, with winemenubuilder off as well: it would turn the installer's
# Start-menu shortcut into a menu entry in the user's own ~/.local/share.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1
wineboot -i </dev/null >/dev/null 2>&1
sh "$root/scripts/lib/wine-prefix.sh"

quiet() { "$@" </dev/null >>"$log" 2>&1; }
lower() { tr '[:upper:]' '[:lower:]'; }
# A value's data as reg query prints it ("" for the default value); empty when it is missing.
value_of() {
    local name=(/v "$2")
    [[ -n "$2" ]] || name=(/ve)
    { wine reg query "$1" "${name[@]}" </dev/null 2>/dev/null || true; } | tr -d '\r' |
        awk -F'    ' 'NF >= 4 && $1 == "" { print $4 }'
}
has_key() { wine reg query "$1" </dev/null >/dev/null 2>&1; }
has_value() { wine reg query "$1" /v "$2" </dev/null >/dev/null 2>&1; }
expect_value() {
    local got
    got=$(value_of "$1" "$2")
    [[ "$got" == "$3" ]] || fail "$1 [${2:-default}] is \"$got\", expected \"$3\""
}

program_files="$WINEPREFIX/drive_c/Program Files"
instdir="$program_files/Tessmire"
instdir_win='C:\Program Files\Tessmire'
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tessmire.lnk"
studio_win='C:\Program Files\Photo Studio\studio.exe'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessmire'
capabilities='HKLM\SOFTWARE\Tessmire\Capabilities'
application='HKLM\SOFTWARE\Classes\Applications\tsviewer.exe'
export TS_RECORDER_OUT
TS_RECORDER_OUT=$(winpath "$work/recorded.txt")
photo_win=$(winpath "$work/my photos/holiday.jpeg")

# Opens a file as Explorer would, waiting for the program the shell starts for it.
shell_open() {
    timeout 60 wine start /wait /unix "$1" </dev/null >>"$log" 2>&1
}
# The plain JPEG through the shell: what Photo Studio was started with.
photo_reaches_studio() {
    rm -f "$work/recorded.txt"
    shell_open "$work/my photos/holiday.jpeg" || fail "$1: opening holiday.jpeg failed"
    local _
    for _ in $(seq 1 50); do
        [[ -s "$work/recorded.txt" ]] && break
        sleep 0.1
    done
    local recorded
    recorded=$(cat "$work/recorded.txt" 2>/dev/null || true)
    [[ "$recorded" == "\"$studio_win\""* && "$recorded" == *"\"$photo_win\""* ]] ||
        fail "$1: Photo Studio was started with: ${recorded:-nothing}"
    echo "$1: Photo Studio got: $recorded"
}
# A folder other than the default goes as a second argument, "/D=...": through cmd, since NSIS
# takes /D= only unquoted, as users type it, and Wine quotes every argument with a blank.
install() {
    (cd "$(dirname "$installer")" &&
        timeout 120 wine cmd /c "$(basename "$installer") /S ${2:-}" </dev/null >>"$log" 2>&1) ||
        fail "the installer failed ($1)"
}
# Run as Apps & features runs it: the uninstaller copies itself to the temp folder, starts the
# copy and returns at once; the copy removes the install folder (and any folder the install made
# above it, $made_dir) last, so its going marks the end.
# ("_?=<folder>" would run it in place and wait, but it could not delete itself, and the folder
# would stay: not what users get.)
uninstall() {
    [[ -f "$instdir/uninstall.exe" ]] || fail "no uninstall.exe"
    quiet wine "$instdir_win\uninstall.exe" /S "$@" || fail "uninstall.exe $* failed"
    local deadline=$((SECONDS + 60))
    while [[ -e "${made_dir:-$instdir}" ]]; do
        ((SECONDS < deadline)) || fail "the uninstall did not finish within 60 s"
        sleep 0.2
    done
}

# Before: ".jpeg" opens with Photo Studio, from a folder with a blank in its name.
mkdir -p "$program_files/Photo Studio"
cp "$recorder" "$program_files/Photo Studio/studio.exe"
quiet wine reg add 'HKLM\Software\Classes\.jpeg' /ve /d studiofile /f ||
    fail "could not register Photo Studio"
quiet wine reg add 'HKLM\Software\Classes\studiofile\shell\open\command' /ve \
    /d "\"$studio_win\" \"%1\"" /f || fail "could not register Photo Studio"
echo "set up: .jpeg opens with Photo Studio"

install "first"
for file in tsviewer.exe help.chm tscleanup.exe uninstall.exe; do
    [[ -f "$instdir/$file" ]] || fail "$file is not installed"
done
[[ -f "$shortcut" ]] || fail "no Start-menu shortcut"
grep -aq 'Tessmire\\tsviewer.exe' "$shortcut" || fail "the shortcut does not lead to tsviewer.exe"
echo "installed: the files and the Start-menu shortcut"

expect_value "$uninstall_key" DisplayName Tessmire
expect_value "$uninstall_key" DisplayVersion 1.2
expect_value "$uninstall_key" Publisher Tessmire
expect_value "$uninstall_key" DisplayIcon "$instdir_win\\tsviewer.exe,0"
expect_value "$uninstall_key" InstallLocation "$instdir_win"
expect_value "$uninstall_key" UninstallString "\"$instdir_win\\uninstall.exe\""
expect_value "$uninstall_key" QuietUninstallString "\"$instdir_win\\uninstall.exe\" /S"
expect_value "$uninstall_key" NoModify 0x1
expect_value "$uninstall_key" NoRepair 0x1
installed_bytes=$(cat "$instdir"/* | wc -c)
expect_value "$uninstall_key" EstimatedSize "$(printf '0x%x' $((installed_bytes / 1024)))"
echo "installed: the uninstall entry"

expect_value "$capabilities" ApplicationName Tessmire
[[ -n $(value_of "$capabilities" ApplicationDescription) ]] || fail "no ApplicationDescription"
for type in .jpeg .jpg; do
    expect_value "$capabilities\\FileAssociations" $type tessmirejpgfile
done
for type in .mire .mre; do
    expect_value "$capabilities\\FileAssociations" $type tessmirefile
done
expect_value 'HKLM\SOFTWARE\RegisteredApplications' Tessmire 'SOFTWARE\Tessmire\Capabilities'
expect_value "$application" FriendlyAppName Tessmire
expect_value "$application\\shell\\open\\command" "" "\"$instdir_win\\tsviewer.exe\" %1"
# Empty strings: reg query shows garbage for their data, so only their being there counts.
for type in .jpeg .jpg .mire .mre; do
    has_value "$application\\SupportedTypes" $type || fail "SupportedTypes has no $type"
done
for type in .jpeg .jpg; do
    has_value "HKLM\\SOFTWARE\\Classes\\$type\\OpenWithProgids" tessmirejpgfile ||
        fail "$type has no OpenWithProgids entry"
done
echo "installed: default apps registration"

[[ $(value_of 'HKCR\.jpeg' "" | lower) == tessmirejpgfile ]] ||
    fail ".jpeg is not the viewer's: $(value_of 'HKCR\.jpeg' "")"
[[ $(value_of 'HKCR\tessmirejpgfile\shell\open\command' "") == *"$instdir_win\\tsviewer.exe"* ]] ||
    fail "tessmirejpgfile opens with: $(value_of 'HKCR\tessmirejpgfile\shell\open\command' "")"
expect_value 'HKLM\SOFTWARE\tessmire\JPEG_HKROOT' PROG_ID studiofile
echo "installed: .jpeg is the viewer's, Photo Studio is on record"

# A page image through the shell: the installed viewer shows it.
timeout 60 wine start /wait /unix "$work/pages/news.jpeg" </dev/null >>"$log" 2>&1 &
xd_viewer_pid=$!
window=$(xd_wait_window "$xd_viewer_pid" "news.jpeg" 30) || fail "no viewer window for news.jpeg"
caption=$(xdotool getwindowname "$window" 2>/dev/null || true)
[[ "$caption" == "Tessmire v1.2  news.jpeg"* ]] || fail "the viewer's caption is \"$caption\""
xd_close_window "$window" "$xd_viewer_pid" || fail "the viewer did not close cleanly"
xd_viewer_pid=""
echo "opened: news.jpeg in the installed viewer, \"$caption\""

photo_reaches_studio "opened"

install "upgrade"
[[ -f "$instdir/tsviewer.exe" ]] || fail "tsviewer.exe is gone after the upgrade"
expect_value "$uninstall_key" InstallLocation "$instdir_win"
expect_value 'HKLM\SOFTWARE\tessmire\JPEG_HKROOT' PROG_ID studiofile
echo "upgraded in place: Photo Studio is still on record"

# A viewer still open: the uninstall closes it, and its unload saves the address bar's state.
quiet wine reg delete 'HKCU\Software\tessmire' /v ADDRESS_BAR /f || fail "no setting to delete"
timeout 60 wine start /wait /unix "$work/pages/news.jpeg" </dev/null >>"$log" 2>&1 &
xd_viewer_pid=$!
xd_wait_window "$xd_viewer_pid" "news.jpeg" 30 >/dev/null || fail "no viewer window for news.jpeg"
uninstall
for _ in $(seq 1 75); do
    kill -0 "$xd_viewer_pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$xd_viewer_pid" 2>/dev/null && fail "the uninstall left the viewer running"
wait "$xd_viewer_pid" || fail "the viewer ended with status $?"
xd_viewer_pid=""
expect_value 'HKCR\.jpeg' "" studiofile
[[ ! -e "$shortcut" ]] || fail "the shortcut is still there"
has_key "$uninstall_key" && fail "the uninstall entry is still there"
has_key 'HKLM\SOFTWARE\tessmire' && fail "HKLM\\SOFTWARE\\tessmire is still there"
has_value 'HKLM\SOFTWARE\RegisteredApplications' Tessmire && fail "still a registered application"
has_key "$application" && fail "Applications\\tsviewer.exe is still there"
for progid in tessmirefile tessmirejpgfile; do
    has_key "HKCR\\$progid" && fail "HKCR\\$progid is still there"
    for type in .jpeg .jpg .mire .mre; do
        has_value "HKCR\\$type\\OpenWithProgids" $progid && fail "$type still offers $progid"
    done
done
expect_value 'HKCU\Software\tessmire' ADDRESS_BAR 1
echo "uninstalled: the viewer closed, nothing left but the user's settings"
photo_reaches_studio "uninstalled"

made_dir="$WINEPREFIX/drive_c/Prog Files ÄÖ 日本"
instdir="$made_dir/Tess mire"
instdir_win='C:\Prog Files ÄÖ 日本\Tess mire'
install "again" "/D=$instdir_win"
[[ -f "$instdir/tsviewer.exe" ]] || fail "tsviewer.exe is not in $instdir"
uninstall /REMOVESETTINGS
has_key 'HKCU\Software\tessmire' && fail "/REMOVESETTINGS kept the user's settings"
# Beyond the keys above: nothing anywhere in the machine's or the user's software names it.
for key in 'HKLM\Software' 'HKCU\Software'; do
    quiet wine reg export "$key" "$(winpath "$work/export.reg")" /y || fail "could not export $key"
    left=$(iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r' |
        grep -i 'tessmire\|tsviewer' || true)
    [[ -z "$left" ]] || fail "$key still names the program:"$'\n'"$(head -n 10 <<<"$left")"
done
echo "uninstalled with /REMOVESETTINGS: the user's settings and the folders made are gone," \
    "and nothing else is left"
echo "installer end to end: passed"
