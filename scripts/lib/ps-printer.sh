# A PostScript printer for the printing tests under Wine, and readers for what
# it prints. Source it from bash; it defines functions and sets no options.
# Pages are counted from 1 in the order they were printed.
#
#   ps_printer_install TOOL_EXE OUTPUT_FILE
#                             with WINEPREFIX set and its session begun
#                             (xd_wine_session), installs the printer
#                             "Tessmire PS" (A4 by default, Letter, 300 dpi)
#                             as the default: puts our PPD where the driver
#                             reads it, runs add_ps_printer.exe (TOOL_EXE) and
#                             sends port LPT1: to the Unix file OUTPUT_FILE, so
#                             a job printed without an output name lands there
#                             (each job replaces the file, written at EndDoc);
#                             fails, saying what, otherwise
#   ps_page_count FILE        prints how many pages FILE holds
#   ps_page_text FILE N       prints the text drawn on page N: one line per
#                             baseline, in the order drawn (text calls on the
#                             same baseline run together with nothing between
#                             them); a glyph with no ASCII name comes out as
#                             "?"; fails when there is no page N
#   ps_text_right_edges FILE N
#                             prints, for each line of ps_page_text, where it
#                             ends: its start plus its glyphs' advances (the
#                             Arial widths the Liberation fonts share; a
#                             glyph it does not know counts a whole em) at the
#                             font's size, in printer pixels
#   ps_orientation FILE [N]   prints "portrait" or "landscape": of page N, or
#                             of the document as its header states it
#   ps_paper FILE             prints the paper size the job asked for (A4, Letter)
#   ps_images FILE N          prints one line per picture drawn on page N:
#                             "WIDTH HEIGHT X Y DEST_WIDTH DEST_HEIGHT", the
#                             pixels sent, then where and how large it lands,
#                             in printer pixels from the printable area's top
#                             left corner

# The printer's PPD, in the test data.
ps_ppd=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tests/win32/data" && pwd)/tessmire.ppd

# Maps LPT1: to `output`. A prefix whose server is still ending after the
# previous test can refuse to start reg.exe once; a second try finds it gone.
spooler_port_to() {
    local try
    for try in 1 2 3; do
        wine reg add 'HKCU\Software\Wine\Printing\Spooler' /v 'LPT1:' /d "$1" /f \
            </dev/null >"$2" 2>&1 && return 0
        sleep "$try"
    done
    return 1
}

ps_printer_install() {
    local tool=$1 output
    # Wine resolves a relative path from its own working folder.
    output=$(realpath -m "$2")
    local drivers="${WINEPREFIX:-}/drive_c/windows/system32/spool/drivers/x64/3"
    local file log status=0
    if [[ -z "${WINEPREFIX:-}" ]]; then
        echo "ps_printer_install: WINEPREFIX is not set" >&2
        return 1
    fi
    for file in "$tool" "$ps_ppd"; do
        if [[ ! -f "$file" ]]; then
            echo "ps_printer_install: no file $file" >&2
            return 1
        fi
    done
    # The driver reads the PPD from here; adding the driver does not copy it.
    if ! mkdir -p "$drivers" || ! cp "$ps_ppd" "$drivers/"; then
        echo "ps_printer_install: could not put the PPD into $drivers" >&2
        return 1
    fi
    # A file, not a pipe: Wine's background processes may keep stdio open.
    log=$(mktemp "$(dirname "$output")/ps-printer-install.XXXXXX") || return 1
    if ! wine "$tool" </dev/null >"$log" 2>&1; then
        echo "ps_printer_install: $(basename "$tool") failed: $(cat "$log")" >&2
        status=1
    elif ! spooler_port_to "$output" "$log"; then
        echo "ps_printer_install: could not send LPT1: to $output: $(cat "$log")" >&2
        status=1
    fi
    rm -f "$log"
    return "$status"
}

# The awk programs below skip picture data (ASCII85, from "image" to "~>"),
# whose lines could by chance look like anything.

ps_page_count() {
    awk '/^image$/ { data = 1 } data { if (/~>/) data = 0; next }
         /^%%Page:/ { pages++ }
         END { print pages + 0 }' "$1"
}

ps_page_text() {
    awk -v want="$2" '
        BEGIN {
            # Glyph names of ASCII 32 to 126, as the fonts name them.
            n = split("space exclam quotedbl numbersign dollar percent ampersand quotesingle " \
                "parenleft parenright asterisk plus comma hyphen period slash zero one two " \
                "three four five six seven eight nine colon semicolon less equal greater " \
                "question at A B C D E F G H I J K L M N O P Q R S T U V W X Y Z bracketleft " \
                "backslash bracketright asciicircum underscore grave a b c d e f g h i j k l " \
                "m n o p q r s t u v w x y z braceleft bar braceright asciitilde", names, " ")
            for (i = 1; i <= n; i++) char[names[i]] = sprintf("%c", 31 + i)
            # TrueType fonts share one glyph between look-alikes and name it
            # after the other one: space after no-break space, hyphen after
            # soft hyphen, semicolon after the Greek question mark.
            char["uni00A0"] = char["nbspace"] = char["nonbreakingspace"] = " "
            char["uni00AD"] = char["sfthyphen"] = char["minus"] = "-"
            char["uni037E"] = ";"
            char["quoteright"] = "\047"
            char["quoteleft"] = "`"
        }
        /^image$/ { data = 1 }
        data { if (/~>/) data = 0; next }
        /^%%Page:/ { page++; next }
        page != want { next }
        $3 == "moveto" { y = $2; next }
        $2 == "glyphshow" {
            name = substr($1, 2)
            c = (name in char) ? char[name] : "?"
            if (started && y != line_y) printf "\n"
            started = 1
            line_y = y
            printf "%s", c
        }
        END {
            if (started) printf "\n"
            if (page < want || want < 1) {
                printf "ps_page_text: no page %s (of %d)\n", want, page > "/dev/stderr"
                exit 1
            }
        }' "$1"
}

ps_text_right_edges() {
    awk -v want="$2" '
        BEGIN {
            n = split("a 556 b 556 c 500 d 556 e 556 f 278 g 556 h 556 i 222 j 222 k 500 l 222 " \
                "m 833 n 556 o 556 p 556 q 556 r 333 s 500 t 278 u 556 v 500 w 722 x 500 y 500 " \
                "z 500 slash 278 colon 278 period 278 hyphen 333 question 556 ampersand 667 " \
                "equal 584 space 278 uni00A0 278 uni00AD 333", w, " ")
            for (i = 1; i < n; i += 2) em[w[i]] = w[i + 1] / 1000
            split("zero one two three four five six seven eight nine", digits, " ")
            for (i in digits) em[digits[i]] = 0.556
        }
        /^image$/ { data = 1 }
        data { if (/~>/) data = 0; next }
        /^%%Page:/ { page++; next }
        page != want { next }
        /^\[[0-9.]+ 0 0 -[0-9.]+ 0 0\]$/ { size = substr($1, 2) }
        $3 == "moveto" { if (started) print end; started = 1; end = $1; next }
        $2 == "glyphshow" { name = substr($1, 2); end += size * ((name in em) ? em[name] : 1) }
        END { if (started) print end }' "$1"
}

# The driver turns a landscape page by a rotation in the page set-up.
ps_orientation() {
    awk -v want="${2:-0}" '
        /^image$/ { data = 1 }
        data { if (/~>/) data = 0; next }
        want == 0 && /^%%Orientation:/ { print tolower($2); found = 1; exit }
        /^%%Page:/ { page++; next }
        page == want && $2 == "rotate" {
            print ($1 == 0) ? "portrait" : "landscape"
            found = 1
            exit
        }
        END {
            if (!found) {
                print "ps_orientation: no orientation found" > "/dev/stderr"
                exit 1
            }
        }' "$1"
}

ps_paper() {
    awk '/^%%BeginFeature: \*PageSize / { print $3; found = 1; exit }
         END { if (!found) { print "ps_paper: no page size found" > "/dev/stderr"; exit 1 } }' "$1"
}

ps_images() {
    awk -v want="$2" '
        /^image$/ {
            if (page == want) print w, h, x, y, dw, dh
            data = 1
        }
        data { if (/~>/) data = 0; next }
        /^%%Page:/ { page++; next }
        page != want { next }
        $3 == "translate" { x = $1; y = $2 }
        $3 == "scale" { dw = $1; dh = $2 }
        $1 == "/Width" { w = $2 }
        $1 == "/Height" { h = $2 }
    ' "$1"
}
