#!/usr/bin/env bash
# Fetches Debian's libjpeg-turbo source package, patches applied, into
# CACHE/source for the Windows builds. Quick when it is there already.
#
#   fetch-libjpeg-source.sh CACHE
#
# The source comes through the Debian archive this machine is configured with:
# when no deb-src entry exists, one is derived from the existing deb entries
# (same archives, suites and keys), so no host name is written here.
set -euo pipefail

if [[ $# -ne 1 ]]; then
    echo "usage: $0 CACHE-DIR" >&2
    exit 2
fi
cache=$1
source_dir=$cache/source
deb_src_file=/etc/apt/sources.list.d/tessmire-deb-src.sources
deb_src_list=/etc/apt/sources.list.d/tessmire-deb-src.list

[[ -f $source_dir/CMakeLists.txt ]] && exit 0

mkdir -p "$cache"
# Both Windows presets may configure at once; one fetches, the other waits.
exec 9>"$cache/.fetch.lock"
flock 9
[[ -f $source_dir/CMakeLists.txt ]] && exit 0

as_root() {
    if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

has_deb_src() {
    apt-get indextargets --format '$(TARGET_OF)' 2>/dev/null | grep -qx deb-src
}

# The deb822 stanzas whose Types include deb, with Types: deb-src instead.
derive_deb822() {
    local file
    for file in /etc/apt/sources.list.d/*.sources; do
        [[ -f $file && $file != "$deb_src_file" ]] || continue
        awk 'BEGIN { RS = "" }
             {
                 out = ""; deb = 0; enabled = 1
                 n = split($0, lines, "\n")
                 for (i = 1; i <= n; i++) {
                     line = lines[i]
                     if (line ~ /^#/) continue
                     if (line ~ /^Types:/) {
                         if (line ~ /[ \t]deb([ \t]|$)/) deb = 1
                         line = "Types: deb-src"
                     }
                     if (line ~ /^Enabled:[ \t]*no/) enabled = 0
                     out = out line "\n"
                 }
                 if (deb && enabled) printf "%s\n", out
             }' "$file"
    done
}

# The one-line deb entries, as deb-src lines.
derive_one_line() {
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f $file && $file != "$deb_src_list" ]] || continue
        sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file"
    done
}

add_deb_src() {
    local stanzas lines
    stanzas=$(derive_deb822)
    lines=$(derive_one_line)
    if [[ -z $stanzas && -z $lines ]]; then
        echo "fetch-libjpeg-source: no Debian archive is configured in /etc/apt" >&2
        exit 1
    fi
    echo "fetch-libjpeg-source: adding deb-src entries derived from the deb entries"
    if [[ -n $stanzas ]]; then
        printf '# Source packages from the archives of the deb entries; derived by scripts/fetch-libjpeg-source.sh.\n%s\n' \
            "$stanzas" | as_root tee "$deb_src_file" >/dev/null
    fi
    if [[ -n $lines ]]; then
        printf '%s\n' "$lines" | as_root tee "$deb_src_list" >/dev/null
    fi
}

ensure_dpkg_source() {
    local status
    status=$(dpkg-query -W -f='${Status}' dpkg-dev 2>/dev/null || true)
    [[ $status == "install ok installed" ]] && return
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends dpkg-dev
}

updated=0
update_lists() {
    echo "fetch-libjpeg-source: apt-get update"
    as_root apt-get update -qq
    updated=1
}

if ! has_deb_src; then
    add_deb_src
    update_lists
fi
ensure_dpkg_source

work=$(mktemp -d "$cache/fetch.XXXXXX")
trap 'rm -rf "$work"' EXIT
fetch() { (cd "$work" && apt-get source -qq libjpeg-turbo) >"$work/log" 2>&1; }
# A deb-src entry configured earlier may not have its lists fetched yet.
if ! fetch; then
    if ((updated)); then
        cat "$work/log" >&2
        exit 1
    fi
    update_lists
    fetch || { cat "$work/log" >&2; exit 1; }
fi

unpacked=("$work"/libjpeg-turbo-*/)
if [[ ${#unpacked[@]} -ne 1 || ! -f ${unpacked[0]}/CMakeLists.txt ]]; then
    echo "fetch-libjpeg-source: apt-get source gave no libjpeg-turbo tree" >&2
    cat "$work/log" >&2
    exit 1
fi
basename "${unpacked[0]}" >"${unpacked[0]}/.debian-source"
mv "${unpacked[0]}" "$source_dir"
echo "fetch-libjpeg-source: $(cat "$source_dir/.debian-source") in $source_dir"
