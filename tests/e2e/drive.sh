# The driver of the end-to-end roads, sourced by roads.sh. It starts the built program in the test Wine
# prefix on the test display with fresh settings, sends it keys and clicks through xdotool, and checks
# what the windows show through ondrix_inspect (see ondrix_inspect.cpp for the dump's lines). Every
# wait polls with a time limit of its own. A failure names the step and leaves a screenshot
# (ROAD.bmp) and the dump of the windows (ROAD-windows.txt) in the road's output folder.
#
# Environment (from ctest): WINE64, ONDRIX_EXE (the program's .exe.so), ONDRIX_INSPECT, E2E_OUT (the
# output folder), ONDRIX_TEST_DATA, WINEPREFIX, DISPLAY.
set -u

ROAD=${1:?road name}
STEP="starting"
PROGRAM_PID=""
OUT="$E2E_OUT/$ROAD"
rm -rf "$OUT"
mkdir -p "$OUT"
SETTINGS_KEY='HKCU\Software\Havrel\Ondrix'

inspect() { "$WINE64" "$ONDRIX_INSPECT" "$@"; }

# step TEXT: names what the road does next; a failure reports it.
step() {
    STEP=$1
    echo "-- $ROAD: $STEP"
}

# fail MESSAGE: the screenshot and the dump of the windows, the message with the step, exit 1. A road
# that has more to tell of a failure names a function that prints it in FAIL_REPORT.
FAIL_REPORT=""
fail() {
    inspect shot "$OUT/$ROAD.bmp" >/dev/null 2>&1
    inspect dump >"$OUT/$ROAD-windows.txt" 2>&1
    echo "road $ROAD failed at step \"$STEP\": $1" >&2
    [ -n "$FAIL_REPORT" ] && "$FAIL_REPORT" >&2
    echo "  screenshot: $OUT/$ROAD.bmp" >&2
    echo "  windows:    $OUT/$ROAD-windows.txt" >&2
    exit 1
}

# The pointer goes back where the road found it: test programs that run later on the display may
# take a pointer resting over their windows for a user's hovering.
POINTER_HOME=$(xdotool getmouselocation 2>/dev/null | sed -E 's/^x:([0-9]+) y:([0-9]+).*/\1 \2/')

# The processes a road started beside the program (a window of another program, say), ended with it.
ALSO_STARTED=()

# leave: ends the program if it still runs, and what the road started beside it, and puts the pointer
# back.
leave() {
    local pid
    for pid in "$PROGRAM_PID" "${ALSO_STARTED[@]}"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
        fi
    done
    PROGRAM_PID=""
    [ -n "$POINTER_HOME" ] && xdotool mousemove $POINTER_HOME 2>/dev/null
    return 0
}
trap leave EXIT

# expect SECONDS REGEX...: every REGEX matches a line of the dump within SECONDS; prints the lines.
expect() {
    local seconds=$1
    shift
    inspect wait "$seconds" "$@" || fail "not seen within $seconds s: $*"
}

# literal TEXT: TEXT as a regular expression that matches it alone.
literal() { sed -E 's/[][\\.()*+?^$|{}]/\\&/g' <<<"$1"; }

# eventually SECONDS MESSAGE COMMAND...: polls COMMAND until it succeeds, else fails with MESSAGE and
# what COMMAND last left in SEEN; for what shows only as drawing (a window is there before its
# contents are painted).
SEEN=""
eventually() {
    local end=$((SECONDS + $1)) message=$2
    shift 2
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || fail "$message (seen: $SEEN)"
        sleep 0.2
    done
}

# save_then_open: Ctrl+S, then Ctrl+O until the Open dialog shows. The keys pressed while the save
# writes are dropped, so Open comes up once the save is over, and the file holds what was saved.
save_then_open() {
    keys ctrl+s
    local end=$((SECONDS + 20))
    until inspect wait 2 '^#32770 "Open" ' >/dev/null; do
        [ "$SECONDS" -lt "$end" ] || fail "the Open dialog did not come after the save"
        keys ctrl+o
    done
}

# expect_gone SECONDS REGEX: no line matches REGEX within SECONDS.
expect_gone() {
    inspect gone "$1" "$2" >/dev/null || fail "still there after $1 s: $2"
}

# expect_not REGEX: no line of the dump matches REGEX now.
expect_not() {
    local line
    line=$(inspect dump | grep -E -m1 -- "$1") && fail "not expected, but seen: $line"
    return 0
}

# fresh_settings: the program's settings key removed, as on a machine where it never ran.
fresh_settings() {
    "$WINE64" reg delete "$SETTINGS_KEY" /f >/dev/null 2>&1
    return 0
}

# registry SECTION NAME: the value of NAME in the program's SECTION as reg prints it (empty when absent).
registry() {
    "$WINE64" reg query "$SETTINGS_KEY\\$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v name="$2" 'index($0, "    " name "    ") == 1 { sub(/^.*REG_[A-Z_]+ +/, ""); print }'
}

# setting NAME: the value of NAME in the program's "Settings".
setting() { registry Settings "$1"; }

# set_setting NAME DWORD: stores an integer setting before a start.
set_setting() {
    "$WINE64" reg add "$SETTINGS_KEY\\Settings" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1 ||
        fail "could not store the setting $1"
}

# winpath HOSTPATH: the path as the program's file dialogs take it.
winpath() { echo "Z:${1//\//\\}"; }

# start_program [ARG...]: starts the program and waits for its main window with the untitled title or
# any project title; the splash must be gone first (it takes the first two seconds).
start_program() {
    (cd "$OUT" && exec "$WINE64" "$ONDRIX_EXE" "$@" >"$OUT/program.log" 2>&1 </dev/null) &
    PROGRAM_PID=$!
    expect 30 '^Afx[^ ]* "Ondrix - \[' >/dev/null
}

# splash_gone: waits for the splash (a top-level window without title) to close.
splash_gone() { expect_gone 10 '^Afx[^ ]* "" id=0 '; }

# start_hand_built: the program started afresh, with fresh settings, on the hand-built project of four
# alternatives, whose file PROJECT names.
start_hand_built() {
    fresh_settings
    PROJECT=$(data e2e/hand_built.zex)
    start_program "$(winpath "$PROJECT")"
    splash_gone
}

# end_program [KEY...]: closes the main window (Alt+F4 unless keys are given: File > Exit is alt+f x
# in English), then the program ends within 20 s with exit code 0.
end_program() {
    keys "${@:-alt+F4}"
    local i
    for i in $(seq 200); do
        if ! kill -0 "$PROGRAM_PID" 2>/dev/null; then
            wait "$PROGRAM_PID"
            local rc=$?
            PROGRAM_PID=""
            [ "$rc" -eq 0 ] || fail "the program ended with exit code $rc"
            return 0
        fi
        sleep 0.1
    done
    fail "the program did not end after Exit"
}

# keys KEY...: key presses to the window with the focus (xdotool key names).
keys() {
    local k
    for k in "$@"; do
        xdotool key --delay 40 "$k" || fail "xdotool could not press $k"
    done
}

# type_text TEXT: types TEXT into the window with the focus.
type_text() { xdotool type --delay 20 -- "$1" || fail "xdotool could not type $1"; }

# geometry LINE: "LEFT TOP WIDTH HEIGHT" of a dump line's at=; the line's text may hold 8-bit letters
# that are not UTF-8 (a Polish title)
geometry() { LC_ALL=C sed -E 's/.* at=(-?[0-9]+),(-?[0-9]+),([0-9]+)x([0-9]+).*/\1 \2 \3 \4/' <<<"$1"; }

# click REGEX [BUTTON]: clicks the middle of the first window whose dump line matches REGEX.
click() {
    local line l t w h
    line=$(expect 10 "$1" | head -1)
    read -r l t w h <<<"$(geometry "$line")"
    xdotool mousemove $((l + w / 2)) $((t + h / 2)) click "${2:-1}" || fail "xdotool could not click"
}

# main_window: the dump line of the main window.
main_window() { expect 10 '^Afx[^ ]* "Ondrix - \[' | head -1; }

# document_windows: the number of document windows inside the main window's MDI client.
document_windows() {
    inspect dump | awk '/^  MDIClient / { inside = 1; next } inside && /^    [^ ]/ { n++ } inside && /^  [^ ]/ { inside = 0 } END { print n + 0 }'
}

# message_box TEXT-REGEX [CAPTION]: waits for a message box (caption "Ondrix" unless given) whose text
# matches, then answers it with the key given in ANSWER (default Return).
message_box() {
    local caption=${2:-Ondrix}
    expect 20 "^#32770 \"$caption\" " "^  Static \"$1\"" >/dev/null
    keys "${ANSWER:-Return}"
    expect_gone 10 "^#32770 \"$caption\" "
}

# open_through_dialog HOSTPATH: File > Open, the path typed into the file dialog, Return.
open_through_dialog() {
    keys ctrl+o
    expect 20 '^#32770 "Open" ' >/dev/null
    type_text "$(winpath "$1")"
    keys Return
    expect_gone 20 '^#32770 "Open" '
}

# save_through_dialog HOSTPATH: File > Save As, the path typed, Return.
save_through_dialog() {
    keys alt+f a
    expect 20 '^#32770 "Save As" ' >/dev/null
    type_text "$(winpath "$1")"
    keys Return
    expect_gone 20 '^#32770 "Save As" '
}

# data FILE: a copy of test data FILE (relative to tests/data) in the output folder; prints its path.
data() {
    local copy="$OUT/$(basename "$1")"
    cp "$ONDRIX_TEST_DATA/$1" "$copy" || fail "no test data $1"
    echo "$copy"
}

# view_of TITLE-REGEX: the dump line of the view inside the document window whose title matches.
view_of() {
    expect 10 "^    [^ ]+ \"$1\" " >/dev/null
    inspect dump | awk -v title="^    [^ ]+ \"$1\" " '$0 ~ title { getline; print; exit }'
}

# grid_cells TITLE-REGEX: the cells of the grid in that document window as a user copies them: a click
# on the grid's top-left corner selects them all, Ctrl+C copies them; prints the clipboard's text: the
# body cells without the header row and column, tabs between the cells, CR LF after each row. A click
# on the corner of a grid whose cells are all selected already takes the selection away; nothing is
# then copied, and a second click selects them again.
grid_cells() {
    local l t w h try i
    read -r l t w h <<<"$(geometry "$(view_of "$1")")"
    for try in 1 2; do
        inspect clipboard empty || fail "could not empty the clipboard"
        xdotool mousemove $((l + 4)) $((t + 4)) click 1 || fail "xdotool could not click"
        keys ctrl+c
        for i in $(seq 20); do
            inspect clipboard && return 0
            sleep 0.1
        done
    done
    fail "nothing was copied from the grid in \"$1\""
}

# points_of TITLE-REGEX COLOUR: the screen points of colour RRGGBB drawn in the view of that document
# window, "X Y" a line (what the view shows, for comparing before and after an edit).
points_of() {
    local l t w h
    read -r l t w h <<<"$(geometry "$(view_of "$1")")"
    inspect pixels "$l" "$t" "$w" "$h" "$2" || fail "could not read the screen"
}

# marks_of TITLE-REGEX COLOUR: the middles of the marks of colour RRGGBB in that view, from left to
# right, "X Y" a line; points further apart than 3 pixels across belong to different marks.
marks_of() {
    points_of "$1" "$2" | sort -n -k1,1 -k2,2 | awk '
        function flush() { if (n) printf "%d %d\n", int(sx / n + 0.5), int(sy / n + 0.5); sx = sy = n = 0 }
        n && $1 > last + 3 { flush() }
        { sx += $1; sy += $2; n++; last = $1 }
        END { flush() }'
}

# ---- printing --------------------------------------------------------------------------------------
# The tests' print server (tools/common.sh, ondrix_print_server) is the default printer of the test
# prefix; it writes each job as a PDF file into ONDRIX_PRINT_OUT.

# print_server_ready: fails unless the roads run with the tests' print server.
print_server_ready() {
    [ -n "${CUPS_SERVER:-}" ] && [ -n "${ONDRIX_PRINT_OUT:-}" ] && lpstat -d 2>/dev/null | grep -q 'Ondrix_PDF$' ||
        fail "no print server: the printing road runs through tools/test"
}

# activate TITLE-REGEX: a click on the caption of the document window whose title matches makes it the
# active one (the windows must not cover each other: Window > Tile).
activate() {
    local l t w h
    read -r l t w h <<<"$(geometry "$(expect 10 "^    [^ ]+ \"$1\" " | head -1)")"
    xdotool mousemove $((l + w / 2)) $((t + 10)) click 1 || fail "xdotool could not click"
}

# printed NAME: waits for the print server to have written a whole PDF file and to hold no job, then
# moves the file to NAME.pdf in the output folder.
printed() {
    rm -f "$OUT/$1.pdf"
    job_done() {
        SEEN="jobs waiting: $(lpstat -o 2>/dev/null | wc -l), output: $(ls -l "$ONDRIX_PRINT_OUT" 2>&1)"
        [ -s "$ONDRIX_PRINT_OUT" ] && [ -z "$(lpstat -o 2>/dev/null)" ] && pdfinfo "$ONDRIX_PRINT_OUT" >/dev/null 2>&1
    }
    eventually 60 "no PDF came out of the print server" job_done
    mv "$ONDRIX_PRINT_OUT" "$OUT/$1.pdf" || fail "could not keep the printed file"
}

# print_active NAME: File > Print (Ctrl+P) on the active window; the print dialog offers the print
# server's queue; OK prints, and the PDF is kept as NAME.pdf.
print_active() {
    rm -f "$ONDRIX_PRINT_OUT"
    keys ctrl+p
    expect 20 '^#32770 "Print" ' '^  +Static "CUPS:Ondrix_PDF" ' >/dev/null
    keys Return
    expect_gone 20 '^#32770 "Print" '
    printed "$1"
}

# pdf_pages PDF: its number of pages.
pdf_pages() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ { print $2 }'; }

# pdf_title PDF: the title the job gave it (the printed document's title).
pdf_title() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Title: *//p'; }

# pdf_text PDF [pdftotext options...]: its text, pages ended by form feeds; a minus sign comes back
# from the printer's fonts as a soft hyphen, turned back here.
pdf_text() { pdftotext "${@:2}" "$1" - 2>/dev/null | sed 's/\xc2\xad/-/g'; }

# pdf_words PDF: each word with its box on the page in points: "PAGE XMIN YMIN XMAX YMAX WORD".
pdf_words() {
    pdf_text "$1" -bbox | awk '
        /<page / { page++ }
        /<word / {
            match($0, /xMin="[^"]*" yMin="[^"]*" xMax="[^"]*" yMax="[^"]*"/)
            split(substr($0, RSTART, RLENGTH), f, "\"")
            word = $0; sub(/^.*">/, "", word); sub(/<\/word>.*$/, "", word)
            print page, f[2], f[4], f[6], f[8], word
        }'
}

# printed_grid PDF ROWS COLUMNS: the cells of a printed grid as a copy out of the grid gives them (tabs
# between cells, CR LF after each row, headers left out), rebuilt from its pages; ROWS and COLUMNS are
# the row and column headers, one a line. Fails when a page does not start with the header row of its
# columns or end with the footer "PAGE/PAGES", when the pages do not hold every cell exactly once, or
# when there are more pages than the row and column parts that the cells need.
printed_grid() {
    local rows columns
    rows=$(printf '%s\n' "$2" | tr '\n' ' ')
    columns=$(printf '%s\n' "$3" | tr '\n' ' ')
    pdf_text "$1" -layout | awk -v rows="$rows" -v columns="$columns" -v pages="$(pdf_pages "$1")" '
        function bad(message) { print "page " page ": " message > "/dev/stderr"; failed = 1; exit 1 }
        BEGIN {
            RS = "\f"
            nr = split(rows, rowName, " "); nc = split(columns, columnName, " ")
            for (i = 1; i <= nr; i++) isRow[rowName[i]] = i
            for (i = 1; i <= nc; i++) isColumn[columnName[i]] = i
        }
        {
            if (++page > pages) exit
            n = 0
            m = split($0, line, "\n")
            for (i = 1; i <= m; i++) if (line[i] ~ /[^ ]/) kept[++n] = line[i]
            k = split(kept[1], head, " ")
            for (i = 1; i <= k; i++) if (!(head[i] in isColumn)) bad("the header row is not the columns: " kept[1])
            header = head[1]; for (i = 2; i <= k; i++) header = header " " head[i]
            columnSet[header] = 1
            if (kept[n] !~ (" " page "/" pages "$")) bad("the footer does not end with " page "/" pages ": " kept[n])
            first = ""
            for (i = 2; i < n; i++) {
                c = split(kept[i], cell, " ")
                if (!(cell[1] in isRow) || c != k + 1) bad("not a row of the columns " header ": " kept[i])
                first = first == "" ? cell[1] : first
                for (j = 2; j <= c; j++) {
                    if ((cell[1], head[j - 1]) in value) bad("printed twice: " cell[1] " " head[j - 1])
                    value[cell[1], head[j - 1]] = cell[j]
                }
            }
            rowSet[first] = 1
        }
        END {
            if (failed) exit 1
            if (page != pages) { print "pdftotext found " page " pages of " pages > "/dev/stderr"; exit 1 }
            parts = 0; for (s in columnSet) parts++
            bands = 0; for (s in rowSet) bands++
            if (parts * bands != pages) { print pages " pages for " parts " column parts and " bands " row parts" > "/dev/stderr"; exit 1 }
            for (i = 1; i <= nr; i++) {
                for (j = 1; j <= nc; j++) {
                    if (!((rowName[i], columnName[j]) in value)) { print "not printed: " rowName[i] " " columnName[j] > "/dev/stderr"; exit 1 }
                    printf "%s%s", value[rowName[i], columnName[j]], j < nc ? "\t" : "\r\n"
                }
            }
        }'
}
