# The soak road (sourced by roads.sh, which holds the driver and the helpers used here): from a fixed
# seed, a long run of random actions of the kinds a user takes, in whatever state the program is in:
# the menus' commands and the accelerators, the panes' buttons, clicks and drags on every window that
# shows, typed text, Escape and Enter, Shift+F10 and the menu key; panes floated by their grippers,
# closed by their close boxes or Alt+F4 and shown again by their keys; another program activated and
# the program activated again by its caption or by a click on its page; a large project opened and
# acted on while it is read; a drag whose button is held across F5. What stands open is answered as a
# careful user answers it: message boxes (No or Cancel to a save question, either to a removal, OK to
# the rest), file dialogs (Cancel, or a file of the road's folder), the print dialog (Cancel, now and
# then OK to the tests' queue), property sheets and dialogs (some clicks and typing, then OK or
# Escape). Now and then a print preview or a dialog is kept for several actions. Exit and Alt+F4 are
# followed by a new start, with no project or a copy of one of the test projects.
#
# Only what shows is a target: the items of a list or tree that does not show (hidden, or inside a
# hidden window) are none; each click's line in steps.txt names the window that the system gives the
# pointer there as the button goes down.
#
# After every action the program must live: an end that is not asked for fails the road, whatever its
# exit code. An end is asked for by the action that is the last one taken or the one before it: File >
# Exit, or Alt+F4 reaching the main window (while no preview shows and no long work runs), or the
# answer to the save question that these raise (and the file named in the Save As dialog that Yes
# opens). Such a key taken while a solve was seen running may end the program too: the solve can be
# over before the key comes (the roads on input during a solve check that it is dropped meanwhile).
# An asked end must be over within SOAK_END_BOUND seconds: a process that lives on without
# windows fails as a hang, and an ending program is waited for before it is called unresponsive. An
# exit code other than 0, Wine's crash dialog or an unhandled exception in the program's output is a
# crash. After every action the keyboard focus must be on a window that shows and is enabled, or on
# none, and no window may hold the mouse with no button down. Every 50 actions the program must answer
# (the inspector's dump returns and the main window takes a message). A message box whose text is none
# of the program's messages (an exception that a window procedure caught, say) fails the road too. At
# the end, Save As must write a file that opens again with the same alternatives and criteria.
#
# A failure prints the seed and the last 20 actions; actions.txt in the road's output folder holds them
# all, a line each, and replays them when given as SOAK_REPLAY. After its words each line holds, behind
# a "#", the seconds since the road's start at which it was taken, the state the road saw (and the long
# work it saw running) and "burst" for an action taken during a read without waiting for the program:
# a replay takes the same pauses between actions and takes bursts at once again.
#
# Environment: SOAK_SEED (the seed of the draw, 1 unless given), SOAK_ACTIONS (how many actions, 1000
# unless given), SOAK_REPLAY (a file of actions to take instead of drawn ones), SOAK_PACE (seconds to
# let the program take an action before the next look, 0.05 unless given), SOAK_END_BOUND (seconds an
# asked end may take, 20 unless given), SOAK_LARGE (alternatives of the generated project that is read
# while the road acts, 20000 unless given), SOAK_AVOID (for exploring with other seeds while a known
# fault is being mended, a comma-separated list: "preview" closes a print preview as soon as it shows,
# "read-end" presses no Alt+F4 during a read, "focus" notes a focus on a hidden or disabled window in
# noted.txt instead of failing, "capture" notes there a window that holds the mouse),
# SOAK_OTHER_FAULT ("hidden-focus": the other program gives its focus to a hidden window when it is
# activated, for the road's test of its own check).

SOAK_SEED=${SOAK_SEED:-1}
SOAK_ACTIONS=${SOAK_ACTIONS:-1000}
SOAK_PACE=${SOAK_PACE:-0.05}
SOAK_END_BOUND=${SOAK_END_BOUND:-20}
SOAK_LARGE=${SOAK_LARGE:-20000}

# ---- the inspector, asked through one process for the whole road -----------------------------------

# soak_inspector: starts the inspector's server (once more when the last one ended).
soak_inspector() {
    [ -n "${SOAK_INSPECTOR_PID:-}" ] && kill -0 "$SOAK_INSPECTOR_PID" 2>/dev/null && return 0
    coproc SOAK_INSPECTOR { exec "$WINE64" "$ONDRIX_INSPECT" serve "$OUT/inspect.out" 2>>"$OUT/inspect.log"; }
}

# ask SECONDS COMMAND ARG...: the inspector's server runs the command; what it printed is in REPLY_LINES
# (an array, read from the file the server writes), its exit code is returned; 124 when no answer came
# within SECONDS.
REPLY_LINES=()
ask() {
    local seconds=$1 line request
    shift
    soak_inspector
    REPLY_LINES=()
    # (not from a subshell: the coprocess's pipes are closed there)
    printf -v request '%s\t' "$@"
    printf '%s\n' "${request%$'\t'}" >&"${SOAK_INSPECTOR[1]}" || return 124
    if ! IFS= read -r -t "$seconds" -u "${SOAK_INSPECTOR[0]}" line || [[ $line != "=end "* ]]; then
        # its answer may still come: a server of its own for the next question
        soak_inspector_stop
        return 124
    fi
    mapfile -t REPLY_LINES <"$OUT/inspect.out"
    return "${line#=end }"
}

soak_inspector_stop() {
    local pid=${SOAK_INSPECTOR_PID:-}
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
}

# ---- the other program -------------------------------------------------------------------------------

# A window of another program on the display, in the screen's bottom right corner, clear of the
# program's windows where they start: a click on it takes the activation away from the program, and
# keys pressed meanwhile go to its edit box.
SOAK_OTHER='OndrixInspectOther "Another Program" id=0'
SOAK_OTHER_PID=""

soak_other_start() {
    "$WINE64" "$ONDRIX_INSPECT" other "Another Program" 1075 930 200 90 ${SOAK_OTHER_FAULT:-} \
        >/dev/null 2>>"$OUT/inspect.log" </dev/null &
    SOAK_OTHER_PID=$!
    ALSO_STARTED+=("$SOAK_OTHER_PID")
    expect 30 "^$(literal "$SOAK_OTHER") " >/dev/null
}

# ---- the draw ------------------------------------------------------------------------------------

# pick N: R is a number from 0 to N-1 drawn from the seeded sequence (in this shell, never a subshell,
# so that the sequence goes on).
R=0
pick() { R=$(((RANDOM * 32768 + RANDOM) % $1)); }

# chance PERCENT: true PERCENT times in a hundred.
chance() {
    pick 100
    [ "$R" -lt "$1" ]
}

# one_of WORD...: CHOSEN is one of the words.
CHOSEN=""
one_of() {
    pick $#
    local words=("$@")
    CHOSEN=${words[$R]}
}

# avoiding WHAT: true when SOAK_AVOID names WHAT.
avoiding() { [[ ,${SOAK_AVOID:-}, == *,$1,* ]]; }

# ---- what the screen shows ------------------------------------------------------------------------

# look [full]: the dump into LINES (without full: down to the second level below the top-level
# windows, without items, which is cheaper and enough for what lies on top; with full: every window
# and the items that lists and trees show) and the report of the focus, and from them: STATE (none: no
# main window; main; other: another program is active; menu: a popup menu; list: a drop-down list;
# box: a message box; open, save, print, setup: those common dialogs; dialog: any other dialog or
# property sheet; crash: Wine's crash dialog), MODAL (the index of the modal window's line), MAIN (the
# main window's), PREVIEW (1 while a print preview shows), MINIMIZED (1 while the main window is),
# LARGE_OPEN (1 while the generated large project is open), DOCUMENTS (how many document windows are
# open), TARGETS (indexes of the lines that can be clicked in the state: what shows, in the program's
# windows), SEEN (1 at the index of every line that shows), PANES (the docked panes' lines), FLOATING
# (the floating panes' frames' lines), BOX_TEXT (a message box's text); from the focus report
# FOREGROUND, FOCUS, FOCUS_IN, CAPTURE (the windows' lines), MENU_MODE and WORK ("running" while the
# program runs long work on a thread).
SOAK_MAIN='^Afx[^ ]* "Ondrix - \['
LINES=()
SEEN=()
STATE=none
MODAL=-1
MAIN=-1
PREVIEW=0
MINIMIZED=0
LARGE_OPEN=0
DOCUMENTS=0
TARGETS=()
PANES=()
FLOATING=()
BOX_TEXT=""
LOOKED=""
FOREGROUND="" FOCUS="" FOCUS_IN="" CAPTURE="" MENU_MODE=0 WORK="" FOCUS_FRESH=0
look() {
    LOOKED=${1:-}
    if [ -n "$LOOKED" ]; then
        ask 60 dump seen
    else
        ask 60 dump 2
    fi || soak_fail "the inspector's dump did not return within 60 s"
    LINES=("${REPLY_LINES[@]}")
    # (the report that the check after the last action took serves the first look after it)
    if [ "$FOCUS_FRESH" -eq 0 ]; then
        ask 20 focus || soak_fail "the inspector's report of the focus did not return within 20 s"
        read_focus
    fi
    FOCUS_FRESH=0
    STATE=none MODAL=-1 MAIN=-1 PREVIEW=0 MINIMIZED=0 LARGE_OPEN=0 BOX_TEXT="" DOCUMENTS=0
    TARGETS=() SEEN=() PANES=() FLOATING=()
    local i line top=-1 kind="" n=${#LINES[@]} documents=0 hidden=-1 depth indent
    local -a program=()
    local pane='^    AfxControlBar42s "(Alternatives|Reference Set|Criteria) Window" id=10[0-2] '
    for ((i = 0; i < n; i++)); do
        line=${LINES[i]}
        indent=${line%%[! ]*}
        depth=$((${#indent} / 2))
        # what lies in a window that does not show does not show either
        if [ "$hidden" -ge 0 ] && [ "$depth" -gt "$hidden" ]; then
            continue
        fi
        hidden=-1
        if [[ $line == *"[hidden]"* ]]; then
            hidden=$depth
            continue
        fi
        SEEN[i]=1
        if [ "$depth" -eq 0 ]; then
            top=$i
            kind=other
            if [[ $line == "#32770 \"Program Error"* || $line == *winedbg* ]]; then
                STATE=crash
                return
            elif [[ $line =~ $SOAK_MAIN ]]; then
                kind=main
                MAIN=$i
                [[ $line == *"[minimized]"* ]] && MINIMIZED=1
                [[ $line == *'large.zex]" '* ]] && LARGE_OPEN=1
            elif [[ $line == "#32768 "* || $line == "ComboLBox "* || $line == "#32770 "* ]]; then
                kind=modal
            elif [[ $line == Afx* ]]; then
                kind=floating
                [[ $line =~ \"(Alternatives|Reference Set|Criteria)\ Window\" ]] && FLOATING+=("$i")
            fi
            if [ "$kind" = modal ] && [ "$MODAL" -lt 0 ]; then
                MODAL=$i
            fi
            continue
        fi
        case $kind in
        main | floating)
            [[ $line == '    Button "&Close" '* ]] && PREVIEW=1
            if [[ $line == '  MDIClient '* ]]; then
                documents=1
            elif [[ $line == '  '[^\ ]* ]]; then
                documents=0
            elif [ "$documents" -eq 1 ] && [[ $line == '    '[^\ ]* ]]; then
                DOCUMENTS=$((DOCUMENTS + 1))
            fi
            [ "$kind" = main ] && [[ $line =~ $pane ]] && PANES+=("$i")
            [ "$MODAL" -lt 0 ] && program+=("$i")
            ;;
        modal)
            [ "$top" -eq "$MODAL" ] && TARGETS+=("$i")
            ;;
        esac
    done
    [ "$MAIN" -lt 0 ] && [ "$MODAL" -lt 0 ] && return
    if [[ $FOREGROUND == "$SOAK_OTHER "* ]]; then
        # another program is active: what shows of the program is a target for coming back
        STATE=other
        [ "$MODAL" -lt 0 ] && TARGETS=("${program[@]}")
        return
    fi
    if [ "$MODAL" -lt 0 ]; then
        STATE=main
        TARGETS=("${program[@]}")
        return
    fi
    line=${LINES[MODAL]}
    case $line in
    "#32768 "*) STATE=menu ;;
    "ComboLBox "*) STATE=list ;;
    '#32770 "Open" '*) STATE=open ;;
    '#32770 "Save As" '*) STATE=save ;;
    '#32770 "Print" '*) STATE=print ;;
    '#32770 "Print Setup" '*) STATE=setup ;;
    *)
        STATE=dialog
        # a message box: static texts and push buttons only
        local text="" other=0 re_static='^  Static "(.*)" id='

        for i in "${TARGETS[@]}"; do
            case ${LINES[i]} in
            '  Static "'*)
                [[ ${LINES[i]} =~ $re_static ]] && [ -n "${BASH_REMATCH[1]}" ] &&
                    text="$text${text:+ }${BASH_REMATCH[1]}"
                ;;
            '  Button "'*) ;;
            *) other=1 ;;
            esac
        done
        if [ "$other" -eq 0 ] && [ -n "$text" ]; then
            STATE=box
            BOX_TEXT=$text
        fi
        ;;
    esac
}

# read_focus: FOREGROUND, FOCUS, FOCUS_IN, CAPTURE, MENU_MODE and WORK from the inspector's report of
# the focus in REPLY_LINES.
read_focus() {
    FOREGROUND="" FOCUS="" FOCUS_IN="" CAPTURE="" MENU_MODE=0 WORK=""
    local line
    for line in "${REPLY_LINES[@]}"; do
        case $line in
        "foreground: "*) FOREGROUND=${line#foreground: } ;;
        "focus: "*) FOCUS=${line#focus: } ;;
        "focus in: "*) FOCUS_IN=${line#focus in: } ;;
        "capture: "*) CAPTURE=${line#capture: } ;;
        "mode: menu") MENU_MODE=1 ;;
        "work: running") WORK=running ;;
        esac
    done
}

# main_is_foreground: the main window is the active one of the display (Alt+F4 goes to it).
main_is_foreground() { [[ $FOREGROUND =~ $SOAK_MAIN ]]; }

# program_is_foreground: the main window or a floating pane's frame is the active one (the keys of the
# main window's menus reach it from either).
program_is_foreground() {
    main_is_foreground || [[ $FOREGROUND =~ ^Afx[^\ ]*\ \"(Alternatives|Reference\ Set|Criteria)\ Window\" ]]
}

# line_ident INDEX: the line up to its place (" at="): what names the window or item again in a later
# dump, for a replay.
line_ident() {
    local line=${LINES[$1]}
    IDENT=${line%% at=*}
}

# unnamed LINE: the line with the class names that the system makes up for the framework's windows
# ("Afx:" and the handles it was registered with) made one ("Afx:"), which a replay finds again.
UNNAMED=""
unnamed() {
    UNNAMED=$1
    local made_up='^( *)Afx:[^ ]*( .*)$'
    [[ $1 =~ $made_up ]] && UNNAMED="${BASH_REMATCH[1]}Afx:${BASH_REMATCH[2]}"
    return 0
}

# find_ident IDENT: FOUND is the index of the first line of the dump that IDENT names and that shows,
# else -1.
FOUND=-1
find_ident() {
    local i n=${#LINES[@]} ident
    FOUND=-1
    unnamed "$1"
    ident=$UNNAMED
    for ((i = 0; i < n; i++)); do
        [ -n "${SEEN[i]:-}" ] || continue
        [[ ${LINES[i]} == *" at="* ]] || continue
        unnamed "${LINES[i]}"
        if [[ $UNNAMED == "$ident at="* ]]; then
            FOUND=$i
            return 0
        fi
    done
    return 1
}

# place INDEX: L T W H of the line's at=.
place() {
    [[ ${LINES[$1]} =~ \ at=(-?[0-9]+),(-?[0-9]+),([0-9]+)x([0-9]+) ]] || return 1
    L=${BASH_REMATCH[1]} T=${BASH_REMATCH[2]} W=${BASH_REMATCH[3]} H=${BASH_REMATCH[4]}
}

# offset SIZE SPEC: OFF is where SPEC lies along SIZE: thousandths of it (a number), or points from its
# start ("+N") or from its end ("-N"), for a place that stands a fixed distance from an edge (a
# gripper, a close box, a caption).
OFF=0
offset() {
    case $2 in
    +*) OFF=${2#+} ;;
    -*) OFF=$(($1 - ${2#-})) ;;
    *) OFF=$(($1 * $2 / 1000)) ;;
    esac
}

# point IDENT FX FY: X Y of the point FX, FY (see offset) into the window or item that IDENT names, kept
# on the screen; false when it does not show.
point() {
    find_ident "$1" || return 1
    place "$FOUND" || return 1
    offset "$W" "$2"
    X=$((L + OFF))
    offset "$H" "$3"
    Y=$((T + OFF))
    [ "$X" -lt 0 ] && X=0
    [ "$Y" -lt 0 ] && Y=0
    [ "$X" -gt 1279 ] && X=1279
    [ "$Y" -gt 1023 ] && Y=1023
    return 0
}

# hit_at X Y: HIT names what a click at X Y reaches now: the window there (its dump line up to its
# place) and the list item or tree node under the point.
HIT=""
hit_at() {
    HIT="?"
    ask 10 at "$1" "$2" || return 0
    local line item=""
    HIT=""
    for line in "${REPLY_LINES[@]}"; do
        case $line in
        "at: "*) HIT=${line#at: } HIT=${HIT%% at=*} ;;
        "at item: "*) item=${line#at item: } ;;
        esac
    done
    [ -n "$item" ] && HIT="$HIT, $item"
    return 0
}

# ---- actions ------------------------------------------------------------------------------------

# Each action is a line of tab-separated words, kept in ACTIONS and in actions.txt:
#   keys KEY...                      xdotool's key names, pressed one after the other
#   type TEXT                        typed
#   file PATH                        a path typed into a file dialog and Return
#   click IDENT FX FY BUTTON COUNT   a click (COUNT 2: a double click) at FX, FY (see offset) into the
#                                    window or item that IDENT (a dump line up to its at=) names
#   drag IDENT FX FY IDENT FX FY     the left button pressed at the one and let go at the other
#   hold IDENT FX FY KEY IDENT FX FY the left button pressed at the one, KEY pressed while it is held,
#                                    the button let go at the other
#   start [PATH]                     a new start of the program, with that project
# An action that asks the program to end starts with the word "ending" (see the head of this file).
# After the words, behind "#": the seconds since the road's start, the state and "burst".
ACTIONS=()
ACTION_COUNT=0
EXIT_ASKED=-100
EXIT_MAY=-100
EXIT_PENDING=0
BURST=0
SOAK_START_US=0
WORK_KIND=""

# soak_seconds: SECONDS_NOW is the time since the road's start, in seconds with milliseconds.
SECONDS_NOW=0
soak_seconds() {
    local us=${EPOCHREALTIME/[.,]/}
    local ms=$(((us - SOAK_START_US) / 1000))
    printf -v SECONDS_NOW '%d.%03d' $((ms / 1000)) $((ms % 1000))
}

# do_action [ending] WORD...: takes the action and notes it.
do_action() {
    local ending=""
    if [ "$1" = ending ]; then
        ending=ending
        shift
    fi
    local action
    action=$(IFS=$'\t'; printf '%s' "${ending:+ending$'\t'}$*")
    ACTION_COUNT=$((ACTION_COUNT + 1))
    if [ -n "$ending" ]; then
        EXIT_ASKED=$ACTION_COUNT
        EXIT_PENDING=1
    else
        EXIT_PENDING=0
    fi
    local state=$STATE
    [ "$DOCUMENTS" -gt 0 ] && state="$state, $DOCUMENTS documents"
    [ "$PREVIEW" -eq 1 ] && state="$state, preview"
    [ "$MINIMIZED" -eq 1 ] && state="$state, minimized"
    [ "$LARGE_OPEN" -eq 1 ] && state="$state, large project"
    if [ "$BURST" -eq 1 ]; then
        state="$state, ${WORK_KIND:-work} running"
    elif [ -n "$WORK" ]; then
        state="$state, ${WORK_KIND:-work} running"
    fi
    [ "$BURST" -eq 0 ] && work_kind "$action"
    soak_seconds
    HIT=""
    take "$@"
    ACTIONS+=("$ACTION_COUNT [$state] $action${HIT:+ -> $HIT}")
    printf '%s\t#\t%s\t%s%s\n' "$action" "$SECONDS_NOW" "$state" "$([ "$BURST" -eq 1 ] && printf '\tburst')" \
        >>"$OUT/actions.txt"
    printf '%s\t%s\t[%s]\t%s%s\n' "$ACTION_COUNT" "$SECONDS_NOW" "$state" "$action" "${HIT:+$'\t'-> $HIT}" \
        >>"$OUT/steps.txt"
    return 0
}

# work_kind ACTION: WORK_KIND names the long work that the action may start, for the log: a read of a
# project, a save or a solve; else it stays what it was.
work_kind() {
    local tab=$'\t'
    case "$tab$1$tab" in
    *"${tab}F5$tab"* | *"${tab}alt+c${tab}s$tab"* | *"${tab}hold$tab"*) WORK_KIND=solve ;;
    *"${tab}ctrl+s$tab"* | *"${tab}alt+f${tab}s$tab"*) WORK_KIND=save ;;
    *"${tab}alt+f$tab"[1-9]"$tab"* | *"${tab}start$tab"?*) WORK_KIND=read ;;
    *"${tab}file$tab"*)
        [ "$STATE" = open ] && WORK_KIND=read
        [ "$STATE" = save ] && WORK_KIND=save
        ;;
    esac
    return 0
}

# take WORD...: carries the action out; for a click or drag HIT names what the button went down on (and
# for a drag, after " / ", what it was let go on), or "not seen" when its target does not show.
take() {
    local kind=$1
    shift
    case $kind in
    keys)
        xdotool key --delay 30 "$@" 2>/dev/null
        ;;
    type)
        xdotool type --delay 8 -- "$1" 2>/dev/null
        ;;
    file)
        xdotool type --delay 6 -- "$(winpath "$1")" 2>/dev/null
        xdotool key Return 2>/dev/null
        ;;
    click)
        point "$1" "$2" "$3" || {
            HIT="not seen"
            return 0
        }
        xdotool mousemove "$X" "$Y" 2>/dev/null
        hit_at "$X" "$Y"
        xdotool click --repeat "$5" --delay 80 "$4" 2>/dev/null
        ;;
    drag | hold)
        local key=""
        if [ "$kind" = hold ]; then
            key=$4
            set -- "$1" "$2" "$3" "$5" "$6" "$7"
        fi
        point "$4" "$5" "$6" || {
            HIT="not seen"
            return 0
        }
        local x2=$X y2=$Y hit
        point "$1" "$2" "$3" || {
            HIT="not seen"
            return 0
        }
        xdotool mousemove "$X" "$Y" 2>/dev/null
        hit_at "$X" "$Y"
        hit=$HIT
        xdotool mousedown 1 sleep 0.1 2>/dev/null
        [ -n "$key" ] && xdotool key "$key" sleep 0.3 2>/dev/null
        xdotool mousemove $(((X + x2) / 2)) $(((Y + y2) / 2)) sleep 0.05 mousemove "$x2" "$y2" sleep 0.05 \
            mousemove $((x2 + 1)) $((y2 + 1)) 2>/dev/null
        hit_at $((x2 + 1)) $((y2 + 1))
        HIT="$hit / $HIT"
        xdotool sleep 0.05 mouseup 1 2>/dev/null
        ;;
    start)
        # (in a replay the program may live on where it ended before)
        [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null && return 0
        soak_start "$@"
        ;;
    *)
        soak_fail "an action of an unknown kind: $kind $*"
        ;;
    esac
    return 0
}

# The texts typed: names, numbers good and bad, and the letters a project file must escape.
SOAK_TEXTS=("a1" "x" "new" "12.5" "-3" "0" "1e9" "0.000001" "abc def" "<b>&amp;\"'" "%s%d%n" "Rank 1" "1,5"
    "  " "Z" "value" "9999999999999999999999" "$(printf 'w%.0s' $(seq 120))" "a/b\\c" "low" "mid" "high" "2"
    "7.25" "b2")

# soak_start [PATH]: the program started afresh, with the project PATH.
soak_start() {
    if [ $# -gt 0 ]; then
        start_program "$(winpath "$1")"
    else
        start_program
    fi
    splash_gone
    EXIT_ASKED=-100
    EXIT_MAY=-100
    EXIT_PENDING=0
}

# The files a file dialog is given: copies of the test projects and what the road saved; apart from
# them, given now and then, two generated projects: one whose solve takes some seconds, one whose read
# does (the road acts while it is read).
soak_files() {
    mkdir -p "$OUT/files" "$OUT/saved" "$OUT/large"
    local file
    for file in e2e/hand_built.zex e2e/ranked_wide_names.zex app/ranked_pair_gain_cost.zex \
        app/inconsistent_indifference.zex model/xml/good/size_and_weight.zex model/xml/good/escaped_names.zex \
        model/xml/good/polish_letters.zex model/csv/good/number_forms.csv model/zek/good/size_and_weight.zek \
        model/xml/bad/rank_too_high.zex; do
        cp "$ONDRIX_TEST_DATA/$file" "$OUT/files/" || fail "no test data $file"
    done
    cars_project "$OUT/files/cars.zex"
    SOAK_SOLVE_FILE=$OUT/large/solve.zex
    "$ONDRIX_GENERATE_PROJECT" 70 "$SOAK_SOLVE_FILE" || fail "could not generate the project to solve"
    SOAK_LARGE_FILE=$OUT/large/large.zex
    # (without its reference ranking: Solve stays grey on it, whatever reaches the program while it
    # is read; a solve of thousands of alternatives would outlast the road)
    "$ONDRIX_GENERATE_PROJECT" "$SOAK_LARGE" "$OUT/large/ranked.zex" &&
        sed '/<RANK /d' "$OUT/large/ranked.zex" >"$SOAK_LARGE_FILE" && rm -f "$OUT/large/ranked.zex" ||
        fail "could not generate the large project"
}

# a_project: CHOSEN is a project file of the road's folder.
a_project() {
    local files=("$OUT"/files/* "$OUT"/saved/*)
    local existing=()
    local f
    for f in "${files[@]}"; do [ -f "$f" ] && existing+=("$f"); done
    one_of "${existing[@]}"
}

# a_target [PATTERN]: CHOSEN is the index of a target line (matching PATTERN), or empty when none.
a_target() {
    local candidates=() i
    for i in "${TARGETS[@]}"; do
        [[ ${LINES[i]} == *" at="* ]] || continue
        [[ ${LINES[i]} =~ \ at=-?[0-9]+,-?[0-9]+,([0-9]+)x([0-9]+) ]] || continue
        [ "${BASH_REMATCH[1]}" -ge 3 ] && [ "${BASH_REMATCH[2]}" -ge 3 ] || continue
        [ -n "${1:-}" ] && ! [[ ${LINES[i]} =~ $1 ]] && continue
        candidates+=("$i")
    done
    CHOSEN=""
    [ ${#candidates[@]} -eq 0 ] && return 1
    one_of "${candidates[@]}"
}

# targets: the targets of a full look (a look that stopped short of the main window's inner windows is
# taken again; a dialog's lie within the first look's depth).
targets() {
    [ -z "$LOOKED" ] || return 0
    [ "$STATE" = main ] || [ "$STATE" = other ] || return 0
    look full
}

# click_target [PATTERN]: a click, mostly with the left button, into a random target.
click_target() {
    targets
    a_target "${1:-}" || {
        do_action keys Escape
        return
    }
    line_ident "$CHOSEN"
    local fx fy button=1 count=1
    pick 1000
    fx=$R
    pick 1000
    fy=$R
    pick 10
    if [ "$R" -ge 8 ]; then
        button=3
    elif [ "$R" -ge 7 ]; then
        count=2
    fi
    do_action click "$IDENT" "$fx" "$fy" "$button" "$count"
}

# click_beside: a click on the main window's documents' place or status bar, whatever stands open.
click_beside() {
    local i candidates=()
    for ((i = 0; i < ${#LINES[@]}; i++)); do
        [ -n "${SEEN[i]:-}" ] || continue
        [[ ${LINES[i]} == '  MDIClient '* || ${LINES[i]} == '  msctls_statusbar32 '* ]] && candidates+=("$i")
    done
    [ ${#candidates[@]} -gt 0 ] || {
        do_action keys Escape
        return
    }
    one_of "${candidates[@]}"
    line_ident "$CHOSEN"
    local fx
    pick 1000
    fx=$R
    pick 1000
    do_action click "$IDENT" "$fx" "$R" 1 1
}

# click_button TEXT-REGEX [ending]: a click on the middle of the modal window's button whose text
# matches; false when it has none.
click_button() {
    a_target "^ +Button \"$1\" " || return 1
    line_ident "$CHOSEN"
    do_action ${2:-} click "$IDENT" 500 500 1 1
}

# ---- what is done in each state ---------------------------------------------------------------------

SOAK_MENUS=("alt+f n" "alt+f o" "alt+f s" "alt+f a" "alt+f u" "alt+f p" "alt+f v" "alt+f r" "alt+f 1"
    "alt+e u" "alt+e t" "alt+e c" "alt+e p"
    "alt+v t" "alt+v s" "alt+v a" "alt+v r" "alt+v c" "alt+v e" "alt+v o" "alt+v l" "alt+v g" "alt+v m"
    "alt+c s" "alt+c p" "alt+c o" "alt+w c" "alt+w t" "alt+w a")
SOAK_ACCELERATORS=(ctrl+a ctrl+alt+a ctrl+c ctrl+Insert ctrl+n ctrl+o ctrl+p ctrl+s ctrl+v shift+Insert ctrl+x
    shift+Delete ctrl+z alt+BackSpace F5 F5 F5 F6 shift+F6 Tab alt+1 alt+2 alt+3 alt+4 alt+5 alt+6 alt+7
    ctrl+F6 ctrl+F4 shift+F10 Menu)
SOAK_KEYS=(Escape Escape Return Return Up Down Left Right Home End Prior Next Delete BackSpace space F2
    ctrl+Home ctrl+End alt+Down shift+Down shift+Right ctrl+space Tab shift+Tab shift+F10 Menu)

# ending_keys KEY...: keys that ask the program to end when they reach its main window: taken as asking
# only while the main window is the active one, no print preview shows (closing the frame closes
# the preview alone) and no long work runs (the input made meanwhile is dropped).
ending_keys() {
    if main_is_foreground && [ "$PREVIEW" -eq 0 ] && [ -z "$WORK" ]; then
        do_action ending keys "$@"
    else
        do_action keys "$@"
        may_end main_is_foreground
    fi
}

# may_end TEST: the keys just taken, sent where TEST says they ask for the end, would have asked for it
# had no solve run: the solve seen running may have been over before they came.
may_end() {
    [ "$WORK_KIND" = solve ] && [ -n "$WORK" ] && "$1" && [ "$PREVIEW" -eq 0 ] &&
        EXIT_MAY=$ACTION_COUNT
    return 0
}

# LINGER: how many more actions keep the print preview or the dialog that stands (no command that
# closes it), once the draw has chosen to stay in it; LINGER_IN: the line of what is kept.
LINGER=0
LINGER_IN=""

# lingering: true while the road keeps what stands open: the draw chose, when it came, to stay in it
# for some actions.
lingering() {
    local here
    if [ "$STATE" = main ] && [ "$PREVIEW" -eq 1 ]; then
        here=preview
    elif [ "$STATE" = dialog ]; then
        here=${LINES[MODAL]%% at=*}
    else
        LINGER=0 LINGER_IN=""
        return 1
    fi
    if [ "$here" != "$LINGER_IN" ]; then
        LINGER_IN=$here
        LINGER=0
        chance 25 && {
            pick 6
            LINGER=$((R + 3))
        }
    fi
    [ "$LINGER" -gt 0 ] || return 1
    LINGER=$((LINGER - 1))
    return 0
}

act_main() {
    if [ "$PREVIEW" -eq 1 ] && avoiding preview; then
        click_button '&Close' && return
    fi
    if [ "$MINIMIZED" -eq 1 ] && main_is_foreground; then
        # the main window is given back its place by its system menu
        do_action keys alt+space r
        return
    fi
    if [ "$LARGE_OPEN" -eq 1 ] && [ -z "$WORK" ]; then
        act_large
        return
    fi
    if lingering; then
        act_preview
        return
    fi
    pick 1000
    if [ "$R" -lt 40 ] && [ "$DOCUMENTS" -eq 0 ]; then
        # a project to work on, more often while no window of one is open
        do_action keys ctrl+o
    elif [ "$R" -lt 80 ]; then
        # the states worth reaching often: solved, the value charts, a print preview, the evaluations
        do_action keys F5
    elif [ "$R" -lt 110 ]; then
        do_action keys alt+v m
    elif [ "$R" -lt 140 ]; then
        do_action keys alt+f v
    elif [ "$R" -lt 160 ]; then
        do_action keys alt+4
    elif [ "$R" -lt 290 ]; then
        one_of "${SOAK_MENUS[@]}"
        # shellcheck disable=SC2086
        do_action keys $CHOSEN
    elif [ "$R" -lt 420 ]; then
        one_of "${SOAK_ACCELERATORS[@]}"
        do_action keys "$CHOSEN"
    elif [ "$R" -lt 460 ]; then
        click_target '^ +Button "[^"]*" id=2[0-9][0-9] '
    elif [ "$R" -lt 480 ] && [ "$PREVIEW" -eq 1 ]; then
        click_target '^    Button "[^"]*" id=[0-9]+ '
    elif [ "$R" -lt 660 ]; then
        click_target
    elif [ "$R" -lt 690 ]; then
        drag_targets
    elif [ "$R" -lt 700 ]; then
        hold_across
    elif [ "$R" -lt 725 ]; then
        act_panes
    elif [ "$R" -lt 745 ]; then
        activate_other
    elif [ "$R" -lt 815 ]; then
        one_of "${SOAK_TEXTS[@]}"
        do_action type "$CHOSEN"
    elif [ "$R" -lt 985 ]; then
        one_of "${SOAK_KEYS[@]}"
        do_action keys "$CHOSEN"
    elif [ "$R" -lt 993 ]; then
        ending_keys alt+F4
    elif [ -z "$WORK" ] && [ "$PREVIEW" -eq 0 ] && program_is_foreground; then
        do_action ending keys alt+f x
    else
        # (no menu bar shows over a print preview)
        do_action keys alt+f x
        may_end program_is_foreground
    fi
}

# act_preview: an action that keeps the print preview: its pages turned and zoomed, keys, the
# program left for another and activated again.
act_preview() {
    pick 100
    if [ "$R" -lt 30 ]; then
        click_target '^    Button "(&Next Page|Pre&v Page|Zoom &In|Zoom &Out|&One Page|&Two Page)" '
    elif [ "$R" -lt 50 ]; then
        # the page
        click_target '^  [^ ]+ "" id=59648 '
    elif [ "$R" -lt 70 ]; then
        one_of Next Prior Up Down Home End space Return shift+F10 Menu
        do_action keys "$CHOSEN"
    elif [ "$R" -lt 80 ]; then
        one_of 5 x 12.5
        do_action type "$CHOSEN"
    else
        activate_other
    fi
}

# act_large: while the generated large project is open, it is soon left (New) after a few steps in
# its lists; nothing that would solve or print thousands of alternatives.
act_large() {
    pick 100
    if [ "$R" -lt 45 ]; then
        do_action keys ctrl+n
    elif [ "$R" -lt 65 ]; then
        one_of Up Down Home End Next Prior Tab
        do_action keys "$CHOSEN"
    elif [ "$R" -lt 85 ]; then
        click_target '^ +(item [0-9]+|node [0-9]+): '
    elif [ "$R" -lt 93 ]; then
        one_of "${SOAK_TEXTS[@]}"
        do_action type "$CHOSEN"
    else
        # a save of some seconds
        do_action keys ctrl+s
    fi
}

# act_panes: a docked pane floated by a double click on its gripper; a floating one closed by its close
# box, or activated and closed by Alt+F4; a hidden one shown by its key or its View command.
act_panes() {
    pick 100
    if [ "$R" -lt 40 ] && [ ${#FLOATING[@]} -gt 0 ]; then
        one_of "${FLOATING[@]}"
        line_ident "$CHOSEN"
        if chance 50; then
            do_action click "$IDENT" -13 +10 1 1
        elif [ "$FOREGROUND" = "${LINES[CHOSEN]}" ]; then
            do_action keys alt+F4
        else
            # its caption: the next time, Alt+F4 goes to it
            do_action click "$IDENT" 400 +8 1 1
        fi
    elif [ "$R" -lt 70 ] && [ ${#PANES[@]} -gt 0 ]; then
        one_of "${PANES[@]}"
        line_ident "$CHOSEN"
        # the gripper along the pane's top, clear of its boxes at the right end
        do_action click "$IDENT" +20 +7 1 2
    else
        one_of alt+1 alt+2 alt+3 "alt+v a" "alt+v r" "alt+v c"
        # shellcheck disable=SC2086
        do_action keys $CHOSEN
    fi
}

# activate_other: a click on the other program's window, which takes the activation from the program;
# a key instead while the program's windows cover the point.
activate_other() {
    if point "$SOAK_OTHER" 500 700 && hit_at "$X" "$Y" && [[ $HIT == *'"Another Program"'* || $HIT == 'Edit "'* ]]; then
        do_action click "$SOAK_OTHER" 500 700 1 1
    else
        one_of "${SOAK_KEYS[@]}"
        do_action keys "$CHOSEN"
    fi
}

# act_other: another program is active: the program is activated again by a click on the caption of
# its main window (or of the dialog that stands), or on its page; or keys go to the other program.
act_other() {
    pick 100
    if [ "$R" -lt 45 ]; then
        local i=$MAIN
        [ "$MODAL" -ge 0 ] && [[ ${LINES[MODAL]} == "#32770 "* ]] && i=$MODAL
        [ "$i" -ge 0 ] || i=$MODAL
        line_ident "$i"
        do_action click "$IDENT" 450 +10 1 1
    elif [ "$R" -lt 85 ]; then
        if [ "$MODAL" -ge 0 ]; then
            TARGETS=()
            local n=${#LINES[@]} j
            for ((j = MODAL + 1; j < n; j++)); do
                [[ ${LINES[j]} == " "* ]] || break
                [ -n "${SEEN[j]:-}" ] && TARGETS+=("$j")
            done
            a_target || {
                do_action keys Escape
                return
            }
            line_ident "$CHOSEN"
            do_action click "$IDENT" 500 500 1 1
        else
            click_target
        fi
    else
        one_of "${SOAK_TEXTS[@]}"
        do_action type "$CHOSEN"
    fi
}

# pick_places: where a drag starts and ends within its targets (see offset): FX FY and TX TY.
pick_places() {
    pick 1000
    FX=$R
    pick 1000
    FY=$R
    pick 1000
    TX=$R
    pick 1000
    TY=$R
}

# drag_targets: the left button pressed on a random target and let go on another.
drag_targets() {
    targets
    a_target || return 0
    local from=$CHOSEN ident
    a_target || return 0
    line_ident "$from"
    ident=$IDENT
    line_ident "$CHOSEN"
    pick_places
    do_action drag "$ident" "$FX" "$FY" "$IDENT" "$TX" "$TY"
}

# hold_across: a drag in a document window's view (a selection in a grid, a point of a chart), with F5
# pressed while the button is held.
hold_across() {
    targets
    a_target '^      [^ ]+ "[^"]*" id=[0-9]+ ' || a_target || return 0
    line_ident "$CHOSEN"
    pick_places
    do_action hold "$IDENT" "$FX" "$FY" F5 "$IDENT" "$TX" "$TY"
}

# menu_selects_end: the item that Return would choose in an open menu ends the program (File > Exit,
# the main window's system menu's Close).
menu_selects_end() {
    local i
    for ((i = 0; i < ${#LINES[@]}; i++)); do
        [[ ${LINES[i]} == "#32768 "* ]] || continue
        local at=${LINES[i]#* at=}
        at=${at%% *}
        ask 10 shows 0 "^#32768 .* at=$at" selected 'E&xit' && return 0
        # (a document window's Close has the key Ctrl+F4)
        ask 10 shows 0 "^#32768 .* at=$at" selected '&Close' && ask 10 shows 0 "^#32768 .* at=$at" selected 'Alt+F4' &&
            return 0
    done
    return 1
}

act_menu() {
    if [ "$LARGE_OPEN" -eq 1 ]; then
        do_action keys Escape
        return
    fi
    pick 100
    if [ "$R" -lt 10 ]; then
        # a click beside the menu, as a user closes a menu that keys leave standing
        click_beside
    elif [ "$R" -lt 25 ]; then
        do_action keys Escape
    elif [ "$R" -lt 35 ]; then
        one_of Left Right
        do_action keys "$CHOSEN"
    elif [ "$R" -lt 60 ]; then
        pick 7
        local keys=(Down) k
        for ((k = 0; k < R; k++)); do keys+=(Down); done
        do_action keys "${keys[@]}"
    else
        # the command that is selected, which may be Exit or Close
        if menu_selects_end && [ -z "$WORK" ]; then
            do_action ending keys Return
        else
            do_action keys Return
        fi
    fi
}

act_list() {
    one_of Escape Return "Down Return" "Up Return" Down
    # shellcheck disable=SC2086
    do_action keys $CHOSEN
}

# the answer to a message box: No or Cancel to a save question (now and then Yes), either to a removal,
# OK to the rest; No or Yes to the save question that an asked end raised go on asking for the end
act_box() {
    soak_message "$BOX_TEXT"
    local ending=""
    [ "$EXIT_PENDING" -eq 1 ] && ending=ending
    case $BOX_TEXT in
    "Do you want to save"*)
        pick 100
        if [ "$R" -lt 50 ]; then
            click_button '&No' $ending || do_action $ending keys n
        elif [ "$R" -lt 85 ]; then
            click_button 'Cancel' || do_action keys Escape
        else
            click_button '&Yes' $ending || do_action $ending keys y
        fi
        ;;
    "Do you want to remove"*)
        if chance 50; then
            click_button '&Yes' || do_action keys y
        else
            click_button '&No' || do_action keys n
        fi
        ;;
    *)
        if chance 50; then
            do_action keys Return
        else
            click_button '(OK|&Yes|&Retry)' || do_action keys Return
        fi
        ;;
    esac
}

act_open() {
    if chance 25; then
        do_action keys Escape
    elif chance 8; then
        # the large project, and actions while it is read
        do_action file "$SOAK_LARGE_FILE"
        read_burst
    elif chance 8; then
        # a project whose solves last (and the actions taken meanwhile are dropped)
        do_action file "$SOAK_SOLVE_FILE"
    else
        a_project
        do_action file "$CHOSEN"
    fi
}

# read_burst: one to three actions taken while the program reads the project just named, each a
# moment after the one before, without waiting for the program: keys that start other commands (New,
# Alt+F4: dropped or not, they must not end the program), typing, clicks on its windows.
read_burst() {
    local k n
    pick 3
    n=$((R + 1))
    BURST=1
    for ((k = 0; k < n; k++)); do
        pick 4
        sleep "0.$((R * 2 + 1))"
        pick 100
        if [ "$R" -lt 25 ]; then
            do_action keys ctrl+n
        elif [ "$R" -lt 40 ] && ! avoiding read-end; then
            do_action keys alt+F4
        elif [ "$R" -lt 60 ]; then
            one_of "${SOAK_TEXTS[@]}"
            do_action type "$CHOSEN"
        elif [ "$R" -lt 80 ]; then
            one_of Escape Return Down Delete F5 Tab
            do_action keys "$CHOSEN"
        else
            click_beside
        fi
    done
    BURST=0
}

act_save() {
    local ending=""
    [ "$EXIT_PENDING" -eq 1 ] && ending=ending
    if chance 35; then
        do_action keys Escape
        return
    fi
    local results=0 i
    for i in "${TARGETS[@]}"; do
        [[ ${LINES[i]} == *'Edit "Results.txt"'* ]] && results=1
    done
    pick 4
    local name="$OUT/saved/save-$R"
    if [ "$results" -eq 1 ]; then
        do_action $ending file "$name.txt"
    else
        one_of zex zex zex csv zek
        do_action $ending file "$name.$CHOSEN"
    fi
}

act_print() {
    if chance 80; then
        do_action keys Escape
    else
        do_action keys Return
    fi
}

act_setup() {
    one_of Escape Escape "alt+a Return" "alt+o Return"
    # shellcheck disable=SC2086
    do_action keys $CHOSEN
}

act_dialog() {
    local staying=0
    lingering && staying=1
    pick 100
    if [ "$staying" -eq 0 ] && [ "$R" -lt 15 ]; then
        do_action keys Escape
    elif [ "$staying" -eq 0 ] && [ "$R" -lt 30 ]; then
        click_button '(OK|Cancel|&Close|Close)' || do_action keys Return
    elif [ "$staying" -eq 0 ] && [ "$R" -lt 35 ]; then
        do_action keys Return
    elif [ "$R" -lt 65 ] && [ "$staying" -eq 1 ]; then
        # anything but the buttons that close it (OK and Cancel)
        if a_target '^ +([^B ]|B[^u]|Button "[^"]*" id=([03-9]|[1-9][0-9]+) )'; then
            line_ident "$CHOSEN"
            pick 1000
            local fx=$R
            pick 1000
            do_action click "$IDENT" "$fx" "$R" 1 1
        else
            do_action keys Tab
        fi
    elif [ "$R" -lt 65 ]; then
        click_target
    elif [ "$R" -lt 80 ]; then
        one_of "${SOAK_TEXTS[@]}"
        do_action type "$CHOSEN"
    else
        one_of Tab shift+Tab ctrl+Tab ctrl+shift+Tab space Down Up Delete alt+Down BackSpace Right Left shift+F10 Menu
        do_action keys "$CHOSEN"
    fi
}

# ---- the checks ---------------------------------------------------------------------------------

# The program's own messages, as its message boxes show them; anything else is a fault reported (a
# caught exception, say).
SOAK_MESSAGES='^(Do you want to save file .*|Do you want to remove .*|Can.t read file!|Can.t write file!|'
SOAK_MESSAGES+='Your reference (set|ranking) is inconsistent.*|Error! Incorrect input data!|'
SOAK_MESSAGES+='(Alternative|Criterion) name cannot be empty!|(Alternative|Criterion) .* already exists!|'
SOAK_MESSAGES+='Criterion name .* is reserved for the information about alternatives!|'
SOAK_MESSAGES+='Please enter .*|The printer could not .*)$'

# soak_message TEXT: fails when TEXT is none of the program's messages; notes it in messages.txt.
soak_message() {
    grep -qxF -- "$1" "$OUT/messages.txt" 2>/dev/null || printf '%s\n' "$1" >>"$OUT/messages.txt"
    [[ $1 =~ $SOAK_MESSAGES ]] || soak_fail "a message that is none of the program's: \"$1\""
}

# soak_report: the seed and the last 20 actions, for fail().
soak_report() {
    echo "soak road: seed $SOAK_SEED, $ACTION_COUNT actions taken; the active window at the last look: ${FOREGROUND:-none}"
    echo "the last actions (state: action -> what a click reached):"
    local first=$((${#ACTIONS[@]} - 20)) i
    [ "$first" -lt 0 ] && first=0
    for ((i = first; i < ${#ACTIONS[@]}; i++)); do
        printf '  %s\n' "${ACTIONS[i]}" | tr '\t' ' '
    done
    echo "  (every action: $OUT/actions.txt; replay with SOAK_REPLAY=that file)"
}

soak_fail() {
    soak_inspector_stop
    fail "$1"
}

# program_gone: true when the program's process is not running.
program_gone() { [ -z "$PROGRAM_PID" ] || ! kill -0 "$PROGRAM_PID" 2>/dev/null; }

# crash_in_log: the program's output tells of a crash.
crash_in_log() {
    grep -a -q -i -E 'unhandled (exception|page fault|stack overflow)|stack overflow|Program Error|backtrace:' \
        "$OUT/program.log" 2>/dev/null
}

crash_lines() { grep -a -i -m3 -E 'unhandled|overflow|error' "$OUT/program.log" | tr '\n' ' '; }

# end_asked: the last action taken, or the one before it, asked the program to end.
end_asked() { [ $((ACTION_COUNT - EXIT_ASKED)) -le 1 ] || [ $((ACTION_COUNT - EXIT_MAY)) -le 1 ]; }

# program_windowless: the program's process runs, but no window of it shows.
program_windowless() {
    ask 20 dump 0 || return 1
    local line
    for line in "${REPLY_LINES[@]}"; do
        [[ $line =~ $SOAK_MAIN || $line == "#32"* || $line == Afx* ]] && return 1
    done
    return 0
}

# await_end: the program was asked to end and shows no window: its process must end within
# SOAK_END_BOUND seconds, else it hangs.
await_end() {
    local i
    for ((i = 0; i < SOAK_END_BOUND * 10; i++)); do
        program_gone && return 0
        sleep 0.1
    done
    soak_fail "the program was asked to end (action $EXIT_ASKED): its windows went, but its process still runs $SOAK_END_BOUND s later (a hang)"
}

# check: after an action: the program lives, or it ended as asked (then a new start); no crash.
check() {
    if ! program_gone; then
        # (its output is read every tenth action: a crash that leaves the process running shows
        # Wine's crash dialog meanwhile)
        [ $((ACTION_COUNT % 10)) -eq 0 ] && crash_in_log && soak_fail "the program crashed: $(crash_lines)"
        # an asked end: once the windows have gone the process follows
        end_asked && program_windowless && await_end
        program_gone || return 0
    fi
    if [ -n "$PROGRAM_PID" ]; then
        wait "$PROGRAM_PID" 2>/dev/null
        local rc=$?
        PROGRAM_PID=""
        cat "$OUT/program.log" >>"$OUT/program-all.log" 2>/dev/null
        crash_in_log && soak_fail "the program crashed: $(crash_lines)"
        [ "$rc" -eq 0 ] || soak_fail "the program ended with exit code $rc"
        end_asked || soak_fail "the program ended, but neither of the last two actions asked it to (the last that did was action $EXIT_ASKED)"
    fi
    STATE=none
    # a new start, with no project or one of the road's (a replay has its own)
    [ -n "${SOAK_REPLAY:-}" ] && return
    if chance 30; then
        do_action start
    else
        a_project
        do_action start "$CHOSEN"
    fi
}

# check_focus: after an action: the keyboard focus is on a window that shows and is enabled, or on
# none; no window holds the mouse while no button is down and no menu tracks it, but one under the
# pointer (a button that follows the pointer's coming and going holds it while the pointer is over
# it). What the program is still doing may pass through such a state: it must last through three more
# looks in two seconds (and, for the mouse, through a move of the pointer by a point and back).
check_focus() {
    program_gone && return 0
    local try fault=""
    for try in 0 3 6 9; do
        if [ "$try" -gt 0 ]; then
            sleep "0.$try"
            [ "$try" -eq 9 ] && [[ $fault == "a window holds"* ]] &&
                xdotool mousemove_relative 1 0 sleep 0.05 mousemove_relative -- -1 0 sleep 0.2 2>/dev/null
        fi
        ask 20 focus || soak_fail "the inspector's report of the focus did not return within 20 s"
        read_focus
        fault=""
        if [[ $FOCUS == *"[hidden]"* ]]; then
            fault="the keyboard focus is on a hidden window: $FOCUS${FOCUS_IN:+ in $FOCUS_IN}"
        elif [[ $FOCUS == *"[disabled]"* ]]; then
            fault="the keyboard focus is on a disabled window: $FOCUS${FOCUS_IN:+ in $FOCUS_IN}"
        elif [ -n "$CAPTURE" ] && [ "$MENU_MODE" -eq 0 ] && [[ $CAPTURE != ComboLBox* && $CAPTURE != "#32768"* ]] &&
            ! pointer_over "$CAPTURE"; then
            fault="a window holds the mouse with no button down and the pointer outside it: $CAPTURE"
        fi
        if [ -z "$fault" ]; then
            FOCUS_FRESH=1
            return 0
        fi
    done
    if { [[ $fault != "a window holds"* ]] && avoiding focus; } || { [[ $fault == "a window holds"* ]] && avoiding capture; }; then
        # (exploring past a fault that is being mended: noted, not failed)
        printf 'action %s: %s\n' "$ACTION_COUNT" "$fault" >>"$OUT/noted.txt"
        return 0
    fi
    soak_fail "$fault"
}

# pointer_over LINE: the pointer rests inside the window of the dump line.
pointer_over() {
    local X Y
    eval "$(xdotool getmouselocation --shell 2>/dev/null | grep -E '^[XY]=[0-9]+$')"
    [[ $1 =~ \ at=(-?[0-9]+),(-?[0-9]+),([0-9]+)x([0-9]+) ]] || return 1
    [ "${X:-0}" -ge "${BASH_REMATCH[1]}" ] && [ "${X:-0}" -lt $((BASH_REMATCH[1] + BASH_REMATCH[3])) ] &&
        [ "${Y:-0}" -ge "${BASH_REMATCH[2]}" ] && [ "${Y:-0}" -lt $((BASH_REMATCH[2] + BASH_REMATCH[4])) ]
}

# settle: lets the program take what it was given: a pause, then its main window must take a message.
settle() {
    sleep "$SOAK_PACE"
    [ -n "$PROGRAM_PID" ] || return 0
    ask 30 answers 10 "$SOAK_MAIN" >/dev/null
    return 0
}

# answers: every so often, the program must answer within 30 s; an ending program is waited for
# first.
answers() {
    ask 60 answers 30 "$SOAK_MAIN" && return 0
    program_gone && return 0
    if program_windowless; then
        end_asked || soak_fail "the program shows no window, and no action asked it to end"
        await_end
        return 0
    fi
    soak_fail "the program does not answer (its main window took no message within 30 s)"
}

# soak_step: one action drawn for the state the screen shows; a window on top of the main window that
# a hundred answers in a row have not closed (each has a chance of one in four or better to close it)
# fails the road.
OPEN_FOR=0
soak_step() {
    look
    if [ "$STATE" = main ] || [ "$STATE" = none ] || [ "$STATE" = other ]; then
        OPEN_FOR=0
    else
        OPEN_FOR=$((OPEN_FOR + 1))
        [ "$OPEN_FOR" -le 100 ] || soak_fail "100 answers have not closed what stands open: ${LINES[MODAL]}"
    fi
    case $STATE in
    crash) soak_fail "Wine's crash dialog shows" ;;
    none)
        # the main window is not there (yet): the program is starting or ending
        sleep 0.5
        look
        [ "$STATE" = none ] && {
            program_gone || {
                end_asked && await_end && return
                ask 30 wait 20 '^(Afx[^ ]* "Ondrix - \[|#32)' >/dev/null || soak_fail "the program shows no window"
                return
            }
            check
            return
        }
        soak_step
        return
        ;;
    main) act_main ;;
    other) act_other ;;
    menu) act_menu ;;
    list) act_list ;;
    box) act_box ;;
    open) act_open ;;
    save) act_save ;;
    print) act_print ;;
    setup) act_setup ;;
    dialog) act_dialog ;;
    esac
}

# await_asked_end: right after an action that asked the program to end, the program ends, or asks
# something first (the save question), within SOAK_END_BOUND seconds.
await_asked_end() {
    [ "$EXIT_ASKED" -eq "$ACTION_COUNT" ] || return 0
    local i line
    for ((i = 0; i < SOAK_END_BOUND * 4; i++)); do
        program_gone && return 0
        ask 20 dump 0 || continue
        for line in "${REPLY_LINES[@]}"; do
            [[ $line == "#32770 "* ]] && return 0
        done
        program_windowless && {
            await_end
            return 0
        }
        sleep 0.25
    done
    program_gone ||
        soak_fail "the program was asked to end (action $EXIT_ASKED), but in $SOAK_END_BOUND s it neither ended nor asked anything"
}

# after_action: what follows every action: the program takes it, it lives (or ended as asked, in
# time), the focus is sound, and every 50 actions it answers.
after_action() {
    settle
    await_asked_end
    check
    check_focus
    [ $((ACTION_COUNT % 50)) -eq 0 ] && answers
    return 0
}

# replay: the actions of SOAK_REPLAY, each taken after the pause it had (at least), the bursts at once.
replay() {
    local -a lines words
    mapfile -t lines <"$SOAK_REPLAY"
    local i n=${#lines[@]} line word took=0 last_us=0 gap_ms
    local -a times=() bursts=()
    for ((i = 0; i < n; i++)); do
        IFS=$'\t' read -r -a words <<<"${lines[i]}"
        times[i]="" bursts[i]=0
        local k found=0
        for ((k = 0; k < ${#words[@]}; k++)); do
            if [ "${words[k]}" = "#" ]; then
                found=1
                times[i]=${words[k + 1]:-}
                [ "${words[-1]}" = burst ] && bursts[i]=1
                break
            fi
        done
    done
    for ((i = 0; i < n; i++)); do
        line=${lines[i]}
        [ -n "$line" ] || continue
        IFS=$'\t' read -r -a words <<<"${line%%$'\t'#*}"
        # the pause the action had after the one before
        if [ "$took" -eq 1 ] && [ -n "${times[i]}" ] && [ -n "${times[i - 1]:-}" ]; then
            gap_ms=$((10#${times[i]/./} - 10#${times[i - 1]/./}))
            local now_us=${EPOCHREALTIME/[.,]/} waited_ms
            waited_ms=$(((now_us - last_us) / 1000))
            [ "$gap_ms" -gt "$waited_ms" ] && sleep "$(printf '%d.%03d' $(((gap_ms - waited_ms) / 1000)) $(((gap_ms - waited_ms) % 1000)))"
        fi
        BURST=${bursts[i]}
        if [ "$BURST" -eq 0 ]; then
            local first=${words[0]}
            [ "$first" = ending ] && first=${words[1]}
            look "$([[ $first == click || $first == drag || $first == hold ]] && echo full)"
            [ "$STATE" = crash ] && soak_fail "Wine's crash dialog shows"
            [ "$STATE" = box ] && soak_message "$BOX_TEXT"
        fi
        do_action "${words[@]}"
        last_us=${EPOCHREALTIME/[.,]/}
        took=1
        # the actions taken during a read follow at once
        [ "${bursts[i + 1]:-0}" -eq 1 ] && continue
        BURST=0
        after_action
    done
}

# soak_settle_modal: answers what stands open (Escape, else the box's safe answer) until the main
# window is alone, for the end; a large project is left for a new one.
soak_settle_modal() {
    local tries
    for tries in $(seq 40); do
        settle
        check
        look
        case $STATE in
        main)
            if [ "$PREVIEW" -eq 1 ]; then
                click_button '&Close' || do_action keys Escape
            elif [ "$LARGE_OPEN" -eq 1 ]; then
                do_action keys ctrl+n
            else
                return 0
            fi
            ;;
        other)
            if [ "$MAIN" -ge 0 ]; then
                line_ident "$MAIN"
                do_action click "$IDENT" 450 +10 1 1
            else
                sleep 0.5
            fi
            ;;
        box)
            soak_message "$BOX_TEXT"
            case $BOX_TEXT in
            "Do you want to save"*) click_button '&No' || do_action keys n ;;
            "Do you want to remove"*) click_button '&No' || do_action keys n ;;
            *) do_action keys Return ;;
            esac
            ;;
        none) sleep 0.5 ;;
        crash) soak_fail "Wine's crash dialog shows" ;;
        dialog)
            # (by its buttons every other time)
            if [ $((tries % 2)) -eq 0 ]; then
                click_button '(Cancel|&Close|Close|OK)' || do_action keys Escape
            else
                do_action keys Escape
            fi
            ;;
        *) do_action keys Escape ;;
        esac
    done
    local open=$STATE
    [ "$MODAL" -ge 0 ] && open=${LINES[MODAL]}
    soak_fail "windows stay open at the end: $open"
}

# names_of ID: the items of the list view with that id, sorted, a line each, from the whole dump in
# LINES.
names_of() {
    local i inside=0 line list="^ +SysListView32 \"\" id=$1 " item='^ +item [0-9]+: ("[^"]*")'
    for ((i = 0; i < ${#LINES[@]}; i++)); do
        line=${LINES[i]}
        if [[ $line =~ $list ]]; then
            inside=1
        elif [ "$inside" -eq 1 ] && [[ $line =~ $item ]]; then
            printf '%s\n' "${BASH_REMATCH[1]}"
        elif [ "$inside" -eq 1 ]; then
            inside=0
        fi
    done | sort
}

# dump_all: LINES is the whole dump, every item.
dump_all() {
    ask 120 dump || soak_fail "the inspector's dump did not return within 120 s"
    LINES=("${REPLY_LINES[@]}")
}

road_soak() {
    local what="$SOAK_ACTIONS random actions"
    [ -n "${SOAK_REPLAY:-}" ] && what="the actions of $SOAK_REPLAY"
    step "soak: seed $SOAK_SEED, $what"
    print_server_ready
    FAIL_REPORT=soak_report
    RANDOM=$SOAK_SEED
    SOAK_START_US=${EPOCHREALTIME/[.,]/}
    : >"$OUT/actions.txt"
    : >"$OUT/steps.txt"
    soak_files
    fresh_settings
    soak_other_start

    if [ -n "${SOAK_REPLAY:-}" ]; then
        # (a replay starts the program as its first action)
        [[ $(head -1 "$SOAK_REPLAY") == start* ]] || do_action start
        replay
    else
        do_action start
        while [ "$ACTION_COUNT" -lt "$SOAK_ACTIONS" ]; do
            soak_step
            # the actions taken during a read went without waiting: the program is waited for now
            after_action
        done
    fi

    step "soak: after $ACTION_COUNT actions, Save As writes a file that opens again with the same lists"
    # (a replay may end where the program had ended)
    program_gone && do_action start
    soak_settle_modal
    local alternatives criteria target="$OUT/soak-end.zex"
    dump_all
    alternatives=$(names_of 202)
    criteria=$(names_of 221)
    rm -f "$target"
    keys alt+f a
    expect 20 '^#32770 "Save As" ' >/dev/null
    type_text "$(winpath "$target")"
    keys Return
    expect_gone 20 '^#32770 "Save As" '
    expect_not '^  Static "Can.t write file!"'
    [ -s "$target" ] || fail "Save As wrote nothing"
    keys ctrl+o
    expect 20 '^#32770 "(Open|Ondrix)" ' >/dev/null
    if inspect dump | grep -q '^#32770 "Ondrix" '; then
        ANSWER=n message_box "Do you want to save file .*"
        expect 20 '^#32770 "Open" ' >/dev/null
    fi
    type_text "$(winpath "$target")"
    keys Return
    expect_gone 20 '^#32770 "Open" '
    expect 20 "^Afx[^ ]* \"Ondrix - \\[Z:.*soak-end\\.zex\\]\"" >/dev/null
    expect_not '^  Static "Can.t read file!"'
    dump_all
    [ "$(names_of 202)" = "$alternatives" ] ||
        fail "the alternatives read back differ: $(diff <(echo "$alternatives") <(names_of 202) | head -5 |
            tr '\n' ' ')"
    [ "$(names_of 221)" = "$criteria" ] ||
        fail "the criteria read back differ: $(diff <(echo "$criteria") <(names_of 221) | head -5 | tr '\n' ' ')"
    soak_inspector_stop
    EXIT_ASKED=$ACTION_COUNT
    # (by the menu: Alt+F4 closes the window that is active, which may be a floating pane's)
    end_program alt+f x
    echo "soak road: seed $SOAK_SEED, $ACTION_COUNT actions, the program lived through them"
}

# ---- the road's own checks ---------------------------------------------------------------------------

# soak_case NAME ACTION...: the soak road run on the actions given (lines of actions.txt), in a folder
# of its own (CASE, with the road's output folder CASE/out/soak), with SOAK_OTHER_FAULT as given; its
# messages in CASE/road.log; its exit code returned.
CASE=""
soak_case() {
    CASE=$OUT/$1
    shift
    rm -rf "$CASE"
    mkdir -p "$CASE"
    printf '%s\n' "$@" >"$CASE/actions.txt"
    E2E_OUT=$CASE/out SOAK_REPLAY=$CASE/actions.txt SOAK_OTHER_FAULT=${SOAK_OTHER_FAULT:-} \
        bash "$(dirname "$0")/roads.sh" soak >"$CASE/road.log" 2>&1
}

# expect_case_failed MESSAGE-REGEX: the case's road failed with a message that matches.
expect_case_failed() {
    grep -q -E "^road soak failed at step \".*\": $1" "$CASE/road.log" ||
        fail "the soak road did not fail as expected ($1): $(grep -m1 -E '^road soak (failed|passed)' "$CASE/road.log")"
}

road_soak_checks() {
    step "an end that no action asked for fails the soak road, even with exit code 0 and a menu command just before"
    soak_case unasked start $'keys\talt+v' $'keys\tDown\tReturn' $'keys\talt+f\tx'
    expect_case_failed "the program ended, but neither of the last two actions asked it to"

    step "the tree of a pane that a print preview hides is no target: the click is not taken, the log says so"
    local tree=$'        node 0: "Rank 1"'
    soak_case hidden "start"$'\t'"$OUT/hidden/out/soak/files/hand_built.zex" $'keys\talt+4' $'keys\talt+f\tv' \
        $'click\t'"$tree"$'\t500\t500\t3\t1' $'keys\tEscape' $'ending\tkeys\talt+f\tx' ||
        fail "the soak road failed: $(grep -m1 '^road soak failed' "$CASE/road.log")"
    grep -q -P "^4\t[0-9.]+\t\[main[^]]*, preview\]\tclick\t\Q$tree\E\t.*\t-> not seen$" \
        "$CASE/out/soak/steps.txt" || fail "the click on the hidden tree was taken: $(sed -n 4p "$CASE/out/soak/steps.txt")"

    step "a keyboard focus on a hidden window fails the soak road, naming the window"
    SOAK_OTHER_FAULT=hidden-focus soak_case focus start $'click\tOndrixInspectOther "Another Program" id=0\t500\t700\t1\t1'
    expect_case_failed 'the keyboard focus is on a hidden window: Edit "" id=2 .*\[hidden\] in OndrixInspectOther'
}
