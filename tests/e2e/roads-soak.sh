# The soak road (sourced by roads.sh, which holds the driver and the helpers used here): from a fixed
# seed, a long run of random actions of the kinds a user takes, in whatever state the program is in:
# the menus' commands and the accelerators, the panes' buttons, clicks and drags on every visible
# window, typed text, Escape and Enter. What stands open is answered as a careful user answers it:
# message boxes (No or Cancel to a save question, either to a removal, OK to the rest), file dialogs
# (Cancel, or a file of the road's folder), the print dialog (Cancel, now and then OK to the tests'
# queue), property sheets and dialogs (some clicks and typing, then OK or Escape). Exit and Alt+F4
# are followed by a new start, with no project or a copy of one of the test projects.
#
# After every action the program must live: an end that no Exit or Alt+F4 asked for, an end with an
# exit code other than 0, Wine's crash dialog or an unhandled exception in the program's output is a
# crash. Every 50 actions the program must answer (the inspector's dump returns and the main window
# takes a message). A message box whose text is none of the program's messages (an exception that a
# window procedure caught, say) fails the road too. At the end, Save As must write a file that opens
# again with the same alternatives and criteria.
#
# A failure prints the seed and the last 20 actions; actions.txt in the road's output folder holds them
# all, a line each, and replays them when given as SOAK_REPLAY.
#
# Environment: SOAK_SEED (the seed of the draw, 1 unless given), SOAK_ACTIONS (how many actions, 1000
# unless given), SOAK_REPLAY (a file of actions to take instead of drawn ones), SOAK_PACE (seconds to
# let the program take an action before the next look, 0.05 unless given), SOAK_AVOID (for exploring
# with other seeds while a known fault is being mended: "preview" closes a print preview as soon as it
# shows).

SOAK_SEED=${SOAK_SEED:-1}
SOAK_ACTIONS=${SOAK_ACTIONS:-1000}
SOAK_PACE=${SOAK_PACE:-0.05}

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

# ---- what the screen shows ------------------------------------------------------------------------

# look [full]: the dump into LINES (without full: down to the second level below the top-level
# windows, without items, which is cheaper and enough for what lies on top), and from it: STATE (none:
# no main window; main; menu: a popup menu; list: a drop-down list; box: a message box; open, save,
# print, setup: those common dialogs; dialog: any other dialog or property sheet; crash: Wine's crash
# dialog), MODAL (the index of the modal window's line), PREVIEW (1 while a print preview shows),
# DOCUMENTS (how many document windows are open), TARGETS (indexes of the lines that can be clicked in
# the state), BOX_TEXT (a message box's text).
SOAK_MAIN='^Afx[^ ]* "Ondrix - \['
LINES=()
STATE=none
MODAL=-1
PREVIEW=0
DOCUMENTS=0
TARGETS=()
BOX_TEXT=""
LOOKED=""
look() {
    LOOKED=${1:-}
    if [ -n "$LOOKED" ]; then
        ask 60 dump
    else
        ask 60 dump 2
    fi || soak_fail "the inspector's dump did not return within 60 s"
    LINES=("${REPLY_LINES[@]}")
    STATE=none MODAL=-1 PREVIEW=0 BOX_TEXT="" DOCUMENTS=0
    TARGETS=()
    local i line top=-1 kind="" main=-1 n=${#LINES[@]} documents=0
    local -a program=()
    for ((i = 0; i < n; i++)); do
        line=${LINES[i]}
        if [[ $line != " "* ]]; then
            top=$i
            kind=other
            if [[ $line == "#32770 \"Program Error"* || $line == *winedbg* ]]; then
                kind=crash
            elif [[ $line =~ $SOAK_MAIN ]]; then
                kind=main
                main=$i
            elif [[ $line == "#32768 "* || $line == "ComboLBox "* || $line == "#32770 "* ]]; then
                kind=modal
            elif [[ $line == Afx* ]]; then
                kind=floating
            fi
            if [ "$kind" = crash ]; then
                STATE=crash
                return
            fi
            if [ "$kind" = modal ] && [ "$MODAL" -lt 0 ]; then
                MODAL=$i
            fi
            continue
        fi
        [[ $line == *"[hidden]"* ]] && continue
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
            [ "$MODAL" -lt 0 ] && program+=("$i")
            ;;
        modal)
            [ "$top" -eq "$MODAL" ] && TARGETS+=("$i")
            ;;
        esac
    done
    [ "$main" -lt 0 ] && [ "$MODAL" -lt 0 ] && return
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

# find_ident IDENT: FOUND is the index of the first line of the dump that IDENT names, else -1.
FOUND=-1
find_ident() {
    local i n=${#LINES[@]} ident
    FOUND=-1
    unnamed "$1"
    ident=$UNNAMED
    for ((i = 0; i < n; i++)); do
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

# point IDENT FX FY: X Y of the point FX, FY thousandths into the window or item that IDENT names, kept
# on the screen.
point() {
    find_ident "$1" || return 1
    place "$FOUND" || return 1
    X=$((L + W * $2 / 1000)) Y=$((T + H * $3 / 1000))
    [ "$X" -lt 0 ] && X=0
    [ "$Y" -lt 0 ] && Y=0
    [ "$X" -gt 1279 ] && X=1279
    [ "$Y" -gt 1023 ] && Y=1023
    return 0
}

# ---- actions ------------------------------------------------------------------------------------

# Each action is a line of tab-separated words, kept in ACTIONS and in actions.txt:
#   keys KEY...                      xdotool's key names, pressed one after the other
#   exit KEY...                      the same, keys that ask the program to end (or may: a command
#                                    chosen in a menu)
#   type TEXT                        typed
#   file PATH                        a path typed into a file dialog and Return
#   click IDENT FX FY BUTTON COUNT   a click (COUNT 2: a double click) at FX, FY thousandths into the
#                                    window or item that IDENT (a dump line up to its at=) names
#   drag IDENT FX FY IDENT FX FY     the left button pressed at the one and let go at the other
#   start [PATH]                     a new start of the program, with that project
ACTIONS=()
ACTION_COUNT=0
EXIT_ASKED=-100

# do_action WORD...: takes the action and notes it.
do_action() {
    local action
    action=$(IFS=$'\t'; printf '%s' "$*")
    ACTION_COUNT=$((ACTION_COUNT + 1))
    local state=$STATE
    [ "$DOCUMENTS" -gt 0 ] && state="$state, $DOCUMENTS documents"
    [ "$PREVIEW" -eq 1 ] && state="$state, preview"
    ACTIONS+=("$ACTION_COUNT [$state] $action")
    printf '%s\n' "$action" >>"$OUT/actions.txt"
    printf '%s\t%s\n' "${ACTIONS[-1]%% *}" "${ACTIONS[-1]#* }" >>"$OUT/steps.txt"
    take "$@"
}

# take WORD...: carries the action out.
take() {
    local kind=$1
    shift
    case $kind in
    keys)
        xdotool key --delay 30 "$@" 2>/dev/null
        ;;
    exit)
        EXIT_ASKED=$ACTION_COUNT
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
        point "$1" "$2" "$3" || return 0
        xdotool mousemove "$X" "$Y" click --repeat "$5" --delay 80 "$4" 2>/dev/null
        ;;
    drag)
        point "$4" "$5" "$6" || return 0
        local x2=$X y2=$Y
        point "$1" "$2" "$3" || return 0
        xdotool mousemove "$X" "$Y" mousedown 1 sleep 0.1 mousemove $(((X + x2) / 2)) $(((Y + y2) / 2)) sleep 0.05 \
            mousemove "$x2" "$y2" sleep 0.05 mousemove $((x2 + 1)) $((y2 + 1)) sleep 0.05 mouseup 1 2>/dev/null
        ;;
    start)
        # (in a replay the program may live on where it ended before)
        [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null && return 0
        soak_start "$@"
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
}

# The files a file dialog is given: copies of the test projects and what the road saved.
soak_files() {
    mkdir -p "$OUT/files" "$OUT/saved"
    local file
    for file in e2e/hand_built.zex e2e/ranked_wide_names.zex app/ranked_pair_gain_cost.zex \
        app/inconsistent_indifference.zex model/xml/good/size_and_weight.zex model/xml/good/escaped_names.zex \
        model/xml/good/polish_letters.zex model/csv/good/number_forms.csv model/zek/good/size_and_weight.zek \
        model/xml/bad/rank_too_high.zex; do
        cp "$ONDRIX_TEST_DATA/$file" "$OUT/files/" || fail "no test data $file"
    done
    cars_project "$OUT/files/cars.zex"
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

# targets: the targets of a full look (a look that stopped short of the main window's inner windows
# is taken again).
targets() { [ "$STATE" = main ] && [ -z "$LOOKED" ] && look full; }

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

# click_button TEXT-REGEX: a click on the middle of the modal window's button whose text matches;
# false when it has none.
click_button() {
    a_target "^ +Button \"$1\" " || return 1
    line_ident "$CHOSEN"
    do_action click "$IDENT" 500 500 1 1
}

# ---- what is done in each state ---------------------------------------------------------------------

SOAK_MENUS=("alt+f n" "alt+f o" "alt+f s" "alt+f a" "alt+f u" "alt+f p" "alt+f v" "alt+f r" "alt+f 1"
    "alt+e u" "alt+e t" "alt+e c" "alt+e p"
    "alt+v t" "alt+v s" "alt+v a" "alt+v r" "alt+v c" "alt+v e" "alt+v o" "alt+v l" "alt+v g" "alt+v m"
    "alt+c s" "alt+c p" "alt+c o" "alt+w c" "alt+w t" "alt+w a")
SOAK_ACCELERATORS=(ctrl+a ctrl+alt+a ctrl+c ctrl+Insert ctrl+n ctrl+o ctrl+p ctrl+s ctrl+v shift+Insert ctrl+x
    shift+Delete ctrl+z alt+BackSpace F5 F5 F5 F6 shift+F6 Tab alt+1 alt+2 alt+3 alt+4 alt+5 alt+6 alt+7
    ctrl+F6 ctrl+F4 shift+F10)
SOAK_KEYS=(Escape Escape Return Return Up Down Left Right Home End Prior Next Delete BackSpace space F2
    ctrl+Home ctrl+End alt+Down shift+Down shift+Right ctrl+space Tab shift+Tab)

act_main() {
    if [ "$PREVIEW" -eq 1 ] && [[ ,${SOAK_AVOID:-}, == *,preview,* ]]; then
        click_button '&Close' && return
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
    elif [ "$R" -lt 310 ]; then
        one_of "${SOAK_MENUS[@]}"
        # shellcheck disable=SC2086
        do_action keys $CHOSEN
    elif [ "$R" -lt 460 ]; then
        one_of "${SOAK_ACCELERATORS[@]}"
        do_action keys "$CHOSEN"
    elif [ "$R" -lt 510 ]; then
        click_target '^ +Button "[^"]*" id=2[0-9][0-9] '
    elif [ "$R" -lt 530 ] && [ "$PREVIEW" -eq 1 ]; then
        click_target '^    Button "[^"]*" id=[0-9]+ '
    elif [ "$R" -lt 730 ]; then
        click_target
    elif [ "$R" -lt 770 ]; then
        drag_targets
    elif [ "$R" -lt 850 ]; then
        one_of "${SOAK_TEXTS[@]}"
        do_action type "$CHOSEN"
    elif [ "$R" -lt 985 ]; then
        one_of "${SOAK_KEYS[@]}"
        do_action keys "$CHOSEN"
    elif [ "$R" -lt 993 ]; then
        do_action exit alt+F4
    else
        do_action exit alt+f x
    fi
}

# drag_targets: the left button pressed on a random target and let go on another.
drag_targets() {
    targets
    a_target || return 0
    local from=$CHOSEN ident fx fy tx
    a_target || return 0
    line_ident "$from"
    ident=$IDENT
    line_ident "$CHOSEN"
    pick 1000
    fx=$R
    pick 1000
    fy=$R
    pick 1000
    tx=$R
    pick 1000
    do_action drag "$ident" "$fx" "$fy" "$IDENT" "$tx" "$R"
}

act_menu() {
    pick 100
    if [ "$R" -lt 10 ]; then
        # a click beside the menu, as a user closes a menu that keys leave standing
        click_beside
    elif [ "$R" -lt 25 ]; then
        do_action keys Escape
    elif [ "$R" -lt 35 ]; then
        one_of Left Right
        do_action keys "$CHOSEN"
    else
        # a command of the menu, which may be Exit
        pick 8
        local keys=() k
        for ((k = 0; k < R; k++)); do keys+=(Down); done
        do_action exit "${keys[@]}" Return
    fi
}

act_list() {
    one_of Escape Return "Down Return" "Up Return" Down
    # shellcheck disable=SC2086
    do_action keys $CHOSEN
}

# the answer to a message box: No or Cancel to a save question (now and then Yes), either to a removal,
# OK to the rest
act_box() {
    local known
    soak_message "$BOX_TEXT"
    case $BOX_TEXT in
    "Do you want to save"*)
        pick 100
        if [ "$R" -lt 50 ]; then
            click_button '&No' || do_action keys n
        elif [ "$R" -lt 85 ]; then
            click_button 'Cancel' || do_action keys Escape
        else
            click_button '&Yes' || do_action keys y
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
    else
        a_project
        do_action file "$CHOSEN"
    fi
}

act_save() {
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
        do_action file "$name.txt"
    else
        one_of zex zex zex csv zek
        do_action file "$name.$CHOSEN"
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
    pick 100
    if [ "$R" -lt 15 ]; then
        do_action keys Escape
    elif [ "$R" -lt 30 ]; then
        click_button '(OK|Cancel|&Close|Close)' || do_action keys Return
    elif [ "$R" -lt 35 ]; then
        do_action keys Return
    elif [ "$R" -lt 65 ]; then
        click_target
    elif [ "$R" -lt 80 ]; then
        one_of "${SOAK_TEXTS[@]}"
        do_action type "$CHOSEN"
    else
        one_of Tab shift+Tab ctrl+Tab ctrl+shift+Tab space Down Up Delete alt+Down Return BackSpace Right Left
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
    echo "soak road: seed $SOAK_SEED, $ACTION_COUNT actions taken; the last ones (state: action):"
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

# check: after an action: the program lives, or it ended as asked (then a new start); no crash.
check() {
    if ! program_gone; then
        # (its output is read every tenth action: a crash that leaves the process running shows
        # Wine's crash dialog meanwhile)
        [ $((ACTION_COUNT % 10)) -eq 0 ] && crash_in_log && soak_fail "the program crashed: $(crash_lines)"
        return
    fi
    if [ -n "$PROGRAM_PID" ]; then
        wait "$PROGRAM_PID" 2>/dev/null
        local rc=$?
        PROGRAM_PID=""
        cat "$OUT/program.log" >>"$OUT/program-all.log" 2>/dev/null
        crash_in_log && soak_fail "the program crashed: $(crash_lines)"
        [ "$rc" -eq 0 ] || soak_fail "the program ended with exit code $rc"
        [ $((ACTION_COUNT - EXIT_ASKED)) -le 15 ] || soak_fail "the program ended without an Exit asked for"
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

# settle: lets the program take what it was given: a pause, then its main window must take a message.
settle() {
    sleep "$SOAK_PACE"
    [ -n "$PROGRAM_PID" ] || return 0
    ask 30 answers 10 "$SOAK_MAIN" >/dev/null
    return 0
}

# answers: every so often, the program must answer within 30 s.
answers() {
    ask 60 answers 30 "$SOAK_MAIN" ||
        { program_gone || soak_fail "the program does not answer (its main window took no message within 30 s)"; }
}

# soak_step: one action drawn for the state the screen shows; a window on top of the main window that
# a hundred answers in a row have not closed (each has a chance of one in four or better to close it)
# fails the road.
OPEN_FOR=0
soak_step() {
    look
    if [ "$STATE" = main ] || [ "$STATE" = none ]; then
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

# replay_step LINE: the action of a line of actions.txt.
replay_step() {
    local words
    IFS=$'\t' read -r -a words <<<"$1"
    look "$([[ ${words[0]} == click || ${words[0]} == drag ]] && echo full)"
    [ "$STATE" = crash ] && soak_fail "Wine's crash dialog shows"
    [ "$STATE" = box ] && soak_message "$BOX_TEXT"
    do_action "${words[@]}"
}

# soak_settle_modal: answers what stands open (Escape, else the box's safe answer) until the main
# window is alone, for the end.
soak_settle_modal() {
    local tries
    for tries in $(seq 40); do
        settle
        check
        look
        case $STATE in
        main)
            [ "$PREVIEW" -eq 0 ] && return 0
            click_button '&Close' || do_action keys Escape
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
        *) do_action keys Escape ;;
        esac
    done
    soak_fail "windows stay open at the end: ${LINES[MODAL]:-}"
}

# names_of ID: the items of the list view with that id, sorted, a line each.
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

road_soak() {
    local what="$SOAK_ACTIONS random actions"
    [ -n "${SOAK_REPLAY:-}" ] && what="the actions of $SOAK_REPLAY"
    step "soak: seed $SOAK_SEED, $what"
    print_server_ready
    FAIL_REPORT=soak_report
    RANDOM=$SOAK_SEED
    : >"$OUT/actions.txt"
    : >"$OUT/steps.txt"
    soak_files
    fresh_settings
    # (a replay starts the program as its first action)
    [ -n "${SOAK_REPLAY:-}" ] && [[ $(head -1 "$SOAK_REPLAY") == start* ]] || do_action start

    if [ -n "${SOAK_REPLAY:-}" ]; then
        local line
        while IFS= read -r line; do
            [ -n "$line" ] || continue
            replay_step "$line"
            settle
            check
            [ $((ACTION_COUNT % 50)) -eq 0 ] && answers
        done <"$SOAK_REPLAY"
    else
        while [ "$ACTION_COUNT" -lt "$SOAK_ACTIONS" ]; do
            soak_step
            settle
            check
            [ $((ACTION_COUNT % 50)) -eq 0 ] && answers
        done
    fi

    step "soak: after $ACTION_COUNT actions, Save As writes a file that opens again with the same lists"
    # (a replay may end where the program had ended)
    program_gone && do_action start
    soak_settle_modal
    local alternatives criteria target="$OUT/soak-end.zex"
    look full
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
    look full
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
