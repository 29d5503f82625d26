#!/usr/bin/env bash
# roads.sh ROAD: one road of a new user through the built program (see drive.sh for the driver).
. "$(dirname "$0")/drive.sh"

# Commands that are grey do nothing when chosen; each is chosen, then Ctrl+O: the Open dialog comes
# up only after every earlier key was handled, and then no other dialog may stand.
expect_grey_commands() {
    keys "$@" ctrl+o
    expect 20 '^#32770 "Open" ' >/dev/null
    expect_not '^#32770 "(Save As|Ondrix|Inconsistencies)" '
    keys Escape
    expect_gone 10 '^#32770 "Open" '
}

road_start() {
    step "first start: splash, then the main window untitled at 800x570 in the middle of the screen"
    fresh_settings
    start_program
    # the splash: a window without title, its picture seen over the main window for its two seconds
    inspect image 2 '^Afx[^ ]* "" id=0 at=' "$ONDRIX_TEST_DATA/../../res/splash.bmp" >"$OUT/splash.txt" ||
        fail "the splash picture is not seen over the main window ($(cat "$OUT/splash.txt"))"
    splash_gone
    local sw sh
    read -r sw sh <<<"$(xdotool getdisplaygeometry)"
    local left=$(((sw - 800) / 2)) top=$(((sh - 570) / 2))
    expect 10 "^Afx[^ ]* \"Ondrix - \\[untitled\\]\" id=0 at=$left,$top,800x570\$" >/dev/null

    step "the three panes in the left dock, no document window"
    expect 10 '^  AfxControlBar42s "[^"]*" id=59420 ' \
        '^    AfxControlBar42s "Criteria Window" id=100 ' \
        '^    AfxControlBar42s "Reference Set Window" id=101 ' \
        '^    AfxControlBar42s "Alternatives Window" id=102 ' >/dev/null
    [ "$(document_windows)" -eq 0 ] || fail "a document window is open"

    step "Save, Save Results As and Solve are grey"
    expect_grey_commands alt+f s alt+f u F5

    step "the placement was written at once"
    [ "$(setting width)" = 0x320 ] && [ "$(setting height)" = 0x23a ] ||
        fail "width and height stored: $(setting width) $(setting height)"

    step "the window dragged by its title bar to another place"
    local line l t w h
    line=$(main_window)
    read -r l t w h <<<"$(geometry "$line")"
    # a hand's pace: the system's move loop starts on the press and follows the moves that come after
    xdotool mousemove $((l + w / 2)) $((t + 10)) mousedown 1 sleep 0.2 mousemove $((l + w / 2 + 30)) $((t + 30)) \
        sleep 0.2 mousemove $((l + w / 2 + 60)) $((t + 50)) sleep 0.2 mouseup 1 || fail "xdotool could not drag"
    expect 10 "^Afx[^ ]* \"Ondrix - \\[untitled\\]\" id=0 at=$((l + 60)),$((t + 40)),800x570\$" >/dev/null

    step "Exit writes the placement"
    end_program alt+f x
    [ "$(setting "horizontal position")" = "$(printf '0x%x' $((l + 60)))" ] &&
        [ "$(setting "vertical position")" = "$(printf '0x%x' $((t + 40)))" ] ||
        fail "stored position: $(setting "horizontal position") $(setting "vertical position")"
    [ -n "$(setting language)" ] || fail "the settings were not written at the end of the run"

    step "a second start opens at the same place"
    start_program
    expect 10 "^Afx[^ ]* \"Ondrix - \\[untitled\\]\" id=0 at=$((l + 60)),$((t + 40)),800x570\$" >/dev/null
    end_program
}

road_inconsistent() {
    step "a project whose reference ranking contradicts dominance, from the command line"
    fresh_settings
    local project
    project=$(data app/inconsistent_indifference.zex)
    start_program "$(winpath "$project")"
    splash_gone
    expect 10 '^Afx[^ ]* "Ondrix - \[Z:.*inconsistent_indifference\.zex\]"' '^        item 3: "d"' \
        '^          node 1: "d"' >/dev/null

    step "F5 shows the inconsistencies found"
    keys F5
    # the model's lines for this project: the indifference that dominance breaks, and the rank below
    message_box 'Your reference set is inconsistent\\nFollowing constraint\(s\) cause inconstency:\\na I b\\nc >> d   \\n' \
        Inconsistencies

    step "no result window opened"
    [ "$(document_windows)" -eq 0 ] || fail "a result window opened"
    end_program
}

# The size-and-weight project (two alternatives on an ordinal and a gain criterion), as the panes show it.
expect_size_and_weight() {
    expect 10 "^Afx[^ ]* \"Ondrix - \\[Z:.*$1\\]\"" \
        '^        item 0: "A1"' '^        item 1: "A2"' \
        '^        node 0: "Rank 1"' '^          node 1: "A1"' \
        '^        item 0: "size" "Ordinal"' '^        item 1: "w" "Gain"' >/dev/null
    expect_not '^        item 2: '
}

road_open_project() {
    fresh_settings
    local project
    project=$(data model/xml/good/size_and_weight.zex)

    step "the size-and-weight project given on the command line"
    start_program "$(winpath "$project")"
    splash_gone
    expect_size_and_weight 'size_and_weight\.zex'
    end_program

    step "the size-and-weight project through File > Open"
    start_program
    splash_gone
    open_through_dialog "$project"
    expect_size_and_weight 'size_and_weight\.zex'

    step "the evaluations shown in the grid"
    keys alt+4
    expect_text "$(grid_cells 'Evaluations of Alternatives')" "$(printf 'big\t2.5\r\nsmall\t10\r\n')"

    step "two alternatives cannot be solved: Solve and Save Results As stay grey"
    expect_grey_commands F5 alt+f u
    end_program

    step "after a new start the recent file 1 of the File menu opens it again"
    [ "$(registry "Recent File List" File1)" = "$(winpath "$project")" ] ||
        fail "first recent file: $(registry "Recent File List" File1)"
    start_program
    splash_gone
    keys alt+f 1
    expect_size_and_weight 'size_and_weight\.zex'
    end_program
}

road_bad_input() {
    fresh_settings
    start_program
    splash_gone
    local good
    good=$(data model/xml/good/size_and_weight.zex)

    step "a truncated project file"
    head -c 300 "$good" >"$OUT/truncated.zex"
    open_through_dialog "$OUT/truncated.zex"
    message_box "Can't read file!"

    step "a well-formed project file that the model refuses (a rank beyond the alternatives)"
    open_through_dialog "$(data model/xml/bad/rank_too_high.zex)"
    message_box "Can't read file!"

    step "a project file with an unknown extension"
    cp "$good" "$OUT/size_and_weight.xml"
    open_through_dialog "$OUT/size_and_weight.xml"
    message_box "Can't read file!"

    step "after each failed read: an empty untitled project"
    expect 10 '^Afx[^ ]* "Ondrix - \[untitled\]"' >/dev/null
    expect_not '^        item 0: '

    step "an element the reader does not know is passed over; the rest of the file is read"
    sed 's/<OBJECTS>/<OBJECTS><SHAPE Value="round"\/>/' "$good" >"$OUT/unknown_tag.zex"
    open_through_dialog "$OUT/unknown_tag.zex"
    expect 10 '^Afx[^ ]* "Ondrix - \[Z:.*unknown_tag\.zex\]"' '^        item 1: "A2"' >/dev/null

    step "a good project opens"
    open_through_dialog "$good"
    expect 10 '^        item 1: "A2"' >/dev/null

    step "saving into a folder that cannot be written"
    # a folder the program may not write in, holding the earlier file (for root, which may write
    # everywhere, the folder is replaced by a file of that name, so that nothing can be made in it)
    local folder="$OUT/locked"
    mkdir -p "$folder"
    printf 'earlier\n' >"$folder/proj.zex"
    chmod 555 "$folder"
    local target="$folder/proj.zex"
    if [ "$(id -u)" -eq 0 ]; then
        chmod 755 "$folder"
        rm -rf "$folder"
        printf 'earlier\n' >"$folder"
        target="$folder/proj.zex"
    fi
    save_through_dialog "$target"
    message_box "Can't write file!"
    if [ -d "$folder" ]; then
        [ "$(cat "$folder/proj.zex")" = earlier ] || fail "the earlier file changed"
        chmod 755 "$folder"
    else
        [ "$(cat "$folder")" = earlier ] || fail "the earlier file changed"
    fi

    step "New on a modified project asks the save question; Cancel keeps everything"
    click '^      Edit "" id=201 '
    type_text "third"
    keys Return
    expect 10 '^        item 2: "third"' >/dev/null
    local title
    title=$(main_window | sed -E 's/^Afx[^ ]* ("[^"]*").*/\1/')
    keys alt+f n
    ANSWER=Escape message_box "Do you want to save file '.*proj\\.zex'\\?"
    expect 10 "^Afx[^ ]* $(literal "$title")" '^        item 2: "third"' >/dev/null

    step "New, answered No, empties the project"
    keys alt+f n
    ANSWER=n message_box "Do you want to save file '.*'\\?"
    expect 10 '^Afx[^ ]* "Ondrix - \[untitled\]"' >/dev/null
    expect_not '^        item 0: '
    end_program
}

road_polish() {
    step "the language setting Polish, then a start"
    fresh_settings
    start_program
    end_program
    set_setting language 1
    start_program
    splash_gone

    step "the panes show their Polish titles and labels"
    expect 10 '^    AfxControlBar42s "Okno kryteri.w" id=100 ' \
        '^    AfxControlBar42s "Okno zbioru referencyjnego" id=101 ' \
        '^    AfxControlBar42s "Okno wariant.w" id=102 ' \
        '^      Static "Warianty" ' '^      Static "Ranking referencyjny" ' >/dev/null

    step "a docked pane's hide button gives its Polish tip"
    local l t w h
    read -r l t w h <<<"$(geometry "$(expect 10 '^    AfxControlBar42s "Okno kryteri.w" id=100 ' | head -1)")"
    tip_at $((l + w - 9)) $((t + 7)) "Ukryj zadokowane okno"

    step "the File menu's Polish Open dialog filter and the Polish read error"
    cp "$ONDRIX_TEST_DATA/model/xml/good/size_and_weight.zex" "$OUT/broken.zex"
    head -c 200 "$OUT/broken.zex" >"$OUT/truncated.zex"
    open_through_dialog "$OUT/truncated.zex"
    message_box "Nie mo.na odczyta. pliku!"

    step "the language is kept at the end of the run"
    end_program
    [ "$(setting language)" = 0x1 ] || fail "language stored: $(setting language)"
}

# expect_same FILE EXPECTED: the file the program wrote has the expected bytes.
expect_same() {
    cmp -s "$1" "$ONDRIX_TEST_DATA/$2" ||
        fail "$(basename "$1") differs from $2: $(diff "$ONDRIX_TEST_DATA/$2" "$1" | head -5)"
}

# expect_text ACTUAL EXPECTED: two texts are equal (the message shows both, escaped).
expect_text() {
    [ "$1" = "$2" ] || fail "seen $(printf '%q' "$1"), expected $(printf '%q' "$2")"
}

# The result windows a solve opens.
expect_result_windows() {
    expect 20 '^    [^ ]+ "Alternatives comparison matrix" ' \
        '^    [^ ]+ "Final Ranking worked out with ZEK MD" ' \
        '^    [^ ]+ "Resulting preference graphs worked out with ZEK KTR" ' >/dev/null
}

# expect_solved: the result windows a solve opens, then the solve's end. The keys and clicks made while
# a solve runs are dropped (its windows open before it ends), so a road waits for its end before it
# goes on: Alt+F opens the File menu once no solve runs, and Escape closes it again.
expect_solved() {
    expect_result_windows
    local try
    for try in $(seq 30); do
        keys alt+f
        if inspect wait 2 '^#32768 ' >/dev/null; then
            keys Escape
            expect_gone 10 '^#32768 '
            return 0
        fi
    done
    fail "the solve did not end: the File menu did not open"
}

# open_ranked_pair_value_charts: the program started with the ranked pair's project, solved, and the
# value charts of its criteria c and g opened from the View menu.
open_ranked_pair_value_charts() {
    fresh_settings
    local project
    project=$(data app/ranked_pair_gain_cost.zex)
    start_program "$(winpath "$project")"
    splash_gone

    step "solved, then the value charts opened from the View menu"
    keys F5
    expect_solved
    keys alt+v m
    expect 20 '^    [^ ]+ "c" ' '^    [^ ]+ "g" ' >/dev/null
}

# add_to_rank NAME RANK: the alternative clicked in its pane, then its context menu's "Add to
# Reference Ranking" > "Add to Rank RANK" (RANK 1 to 5) chosen by its keys.
add_to_rank() {
    click "^        item [0-9]+: \"$1\" " 3
    expect 10 '^#32768 ' >/dev/null
    keys a "$2"
    expect_gone 10 '^#32768 '
}

road_build_project() {
    fresh_settings
    start_program
    splash_gone

    step "a cost criterion through the criterion property sheet"
    click '^      Button "" id=222 '
    expect 20 '^#32770 "Properties of the Criterion" ' '^    Edit "" id=1001 ' >/dev/null
    type_text price
    click '^    Button "Cost" id=1009 '
    click '^  Button "OK" id=1 '
    expect_gone 10 '^#32770 "Properties of the Criterion" '
    expect 10 '^        item 0: "price" "Cost"' >/dev/null

    step "an ordinal criterion with three values on the sheet's Values page"
    click '^      Button "" id=222 '
    expect 20 '^#32770 "Properties of the Criterion" ' '^    Edit "" id=1001 ' >/dev/null
    type_text quality
    click '^    Button "Ordinal" id=1010 '
    keys ctrl+Tab
    click '^    Edit "" id=235 '
    local value
    for value in low mid high; do
        type_text "$value"
        keys Return
    done
    expect 10 '^      item 0: "low" "1"' '^      item 1: "mid" "2"' '^      item 2: "high" "3"' >/dev/null
    click '^  Button "OK" id=1 '
    expect_gone 10 '^#32770 "Properties of the Criterion" '
    expect 10 '^        item 1: "quality" "Ordinal"' >/dev/null

    step "four alternatives typed into the name box"
    click '^      Edit "" id=201 '
    for value in a1 a2 a3 a4; do
        type_text "$value"
        keys Return
    done
    expect 10 '^        item 0: "a1"' '^        item 3: "a4"' >/dev/null

    step "the evaluations typed into the grid, the ordinal ones chosen from the drop-down"
    keys alt+4
    local l t w h
    read -r l t w h <<<"$(geometry "$(view_of 'Evaluations of Alternatives')")"
    xdotool mousemove $((l + w - 10)) $((t + h - 10)) click 1 || fail "xdotool could not click"
    keys ctrl+Home
    for value in 12.50 8 5 20; do
        type_text "$value"
        keys Down
    done
    # the scale's values in its order: low, mid, high; Down from the list's top picks the first
    keys ctrl+Home Right
    local picks
    for picks in 3 1 2 1; do
        keys alt+Down
        expect 10 '^ComboLBox ' >/dev/null
        keys $(printf 'Down %.0s' $(seq "$picks")) Return
        expect_gone 10 '^ComboLBox '
        keys Down
    done
    expect_text "$(grid_cells 'Evaluations of Alternatives')" \
        "$(printf '12.5\thigh\r\n8\tlow\r\n5\tmid\r\n20\tlow\r\n')"

    step "two alternatives put into ranks 1 and 2 through the pane's context menu"
    add_to_rank a3 1
    add_to_rank a4 2
    expect 10 '^        node 0: "Rank 1"' '^          node 1: "a3"' '^        node 0: "Rank 2"' \
        '^          node 1: "a4"' >/dev/null

    step "F5 solves: the comparison matrix, the ranking chart and the graph page open"
    keys F5
    expect_solved
    expect 10 '^        OndrixPageView ' >/dev/null

    step "Save As \"proj\" writes proj.zex with the expected bytes"
    save_through_dialog "$OUT/proj"
    expect 10 '^Afx[^ ]* "Ondrix - \[Z:.*\\proj\.zex\]"' >/dev/null
    expect_same "$OUT/proj.zex" e2e/hand_built.zex

    step "the recent list holds it"
    end_program
    [ "$(registry "Recent File List" File1)" = "$(winpath "$OUT/proj.zex")" ] ||
        fail "first recent file: $(registry "Recent File List" File1)"
}

road_save_results() {
    fresh_settings
    local project
    project=$(data app/ranked_pair_gain_cost.zex)

    step "a project that can be solved, from the command line, solved by F5"
    start_program "$(winpath "$project")"
    splash_gone
    expect 10 '^Afx[^ ]* "Ondrix - \[Z:.*ranked_pair_gain_cost\.zex\]"' '^          node 1: "y"' >/dev/null
    keys F5
    expect_solved

    step "Save Results As offers \"Results.txt\" and writes the model's results text"
    keys alt+f u
    expect 20 '^#32770 "Save As" ' '^      Edit "Results\.txt" ' >/dev/null
    type_text "$(winpath "$OUT/Results.txt")"
    keys Return
    expect_gone 20 '^#32770 "Save As" '
    expect_same "$OUT/Results.txt" e2e/ranked_pair_results.txt
    end_program
}

road_value_charts() {
    local project
    project=$(data app/ranked_pair_gain_cost.zex)
    open_ranked_pair_value_charts
    # the charts are drawn: three points on the cost chart, the ranking's red bars
    local x y marks bars matrix
    charts_drawn() {
        marks=$(marks_of c ff0000)
        bars=$(points_of 'Final Ranking worked out with ZEK MD' ff0000)
        SEEN="points of c at $(echo $marks); $(wc -l <<<"$bars") red points on the ranking chart"
        [ "$(wc -l <<<"$marks")" -eq 3 ] && [ -n "$bars" ]
    }
    eventually 10 "the charts are not drawn as expected" charts_drawn
    matrix=$(grid_cells 'Alternatives comparison matrix')

    step "the middle breakpoint of the cost chart dragged up; the tip follows the pointer"
    read -r x y <<<"$(sed -n 2p <<<"$marks")"
    xdotool mousemove "$x" "$y" mousedown 1 mousemove "$x" $((y - 4)) || fail "xdotool could not drag"
    local tip tip_window
    tip=$(expect 10 '^[^ ]+ "" id=0 at=[0-9]+,[0-9]+,[0-9]+x[0-9]+$' | grep -v '^#' | head -1)
    tip_window=$(literal "${tip% at=*}")
    xdotool mousemove "$x" $((y - 12)) || fail "xdotool could not drag"
    expect_gone 10 "^$(literal "$tip")\$"

    step "while the point is held, its range stands as a bar in the bars' colour at its x"
    held_bar() {
        SEEN="bar rows $(bar_rows c "$x")"
        local top bottom
        read -r top bottom <<<"$(bar_rows c "$x")"
        [ -n "$top" ] && [ $((bottom - top)) -ge 20 ] && [ "$top" -le $((y - 12)) ] && [ "$bottom" -ge $((y - 12)) ]
    }
    eventually 10 "no bar of the held point's range" held_bar
    local moved
    moved=$(expect 10 "^$tip_window at=" | head -1)
    [ "$(geometry "$moved" | cut -d' ' -f2)" -lt "$(geometry "$tip" | cut -d' ' -f2)" ] ||
        fail "the tip went to $(geometry "$moved") from $(geometry "$tip") while the point moved up"
    xdotool mouseup 1 || fail "xdotool could not release"

    step "the tip goes with the release of the button"
    expect_gone 3 "^$tip_window at="

    step "on release the point stays higher and the ranking chart changes, without a solve"
    local after
    dropped() {
        after=$(marks_of c ff0000 | sed -n 2p)
        local now
        now=$(points_of 'Final Ranking worked out with ZEK MD' ff0000)
        SEEN="the point at $after, it was at $x $y; the ranking chart $([ "$now" = "$bars" ] && echo unchanged)"
        [ "${after#* }" -lt "$y" ] && [ "$now" != "$bars" ]
    }
    eventually 10 "the point does not stay higher or the ranking chart does not change" dropped

    step "after the release every point but the first, fixed at 0, shows the bar of its range"
    released_bars() {
        local mark mx my top bottom n=0
        SEEN=""
        while read -r mx my; do
            read -r top bottom <<<"$(bar_rows c "$mx")"
            SEEN="$SEEN [$mx: ${top:-none} ${bottom:-}]"
            [ -n "$top" ] && [ $((bottom - top)) -ge 10 ] && n=$((n + 1))
        done <<<"$(marks_of c ff0000)"
        [ "$n" -ge 2 ]
    }
    eventually 10 "the points do not show their bars" released_bars
    # the matrix holds the largest differences over every compatible function: a drag keeps them
    expect_text "$(grid_cells 'Alternatives comparison matrix')" "$matrix"

    step "the drag leaves the project unmodified: Open asks no save question"
    # the project file holds no value functions: a drag changes nothing it would write
    keys ctrl+o
    expect 20 '^#32770 "Open" ' >/dev/null
    expect_not '^#32770 "Ondrix" '
    keys Escape
    expect_gone 10 '^#32770 "Open" '

    step "Save writes the project as Save does, asking nothing"
    local before
    before=$(cat "$project")
    save_then_open
    expect_not '^#32770 "(Save As|Ondrix)" '
    keys Escape
    expect_gone 10 '^#32770 "Open" '
    expect_text "$(cat "$project")" "$before"
    end_program
}

# bar_rows TITLE-REGEX X: the top and bottom rows of the points in the bars' colour (green, 00C000)
# that the chart of that window draws within the bar's 10 points around X; empty when none.
bar_rows() {
    points_of "$1" 00c000 | awk -v x="$2" '$1 >= x - 6 && $1 <= x + 5 {
        if (top == "" || $2 < top) top = $2; if ($2 > bottom) bottom = $2 }
        END { if (top != "") print top, bottom }'
}

# inside WINDOW-LINE ITEM-LINE: the item's place (at=) lies inside the window's.
inside() {
    local wl wt ww wh il it iw ih
    read -r wl wt ww wh <<<"$(geometry "$1")"
    [[ "$2" == *" at="* ]] || return 1
    read -r il it iw ih <<<"$(geometry "$2")"
    [ "$il" -ge "$wl" ] && [ "$it" -ge "$wt" ] && [ $((il + iw)) -le $((wl + ww)) ] && [ $((it + ih)) -le $((wt + wh)) ]
}

# client_of LINE: "LEFT TOP WIDTH HEIGHT" of a list or tree view line's client= (where its lines show).
client_of() { LC_ALL=C sed -E 's/.* client=(-?[0-9]+),(-?[0-9]+),([0-9]+)x([0-9]+).*/\1 \2 \3 \4/' <<<"$1"; }

# panes_show_first_lines: every pane's list and the tree show their first line whole (inside the
# view's client area, not under a scroll bar) and the alternatives' name box lies whole inside its
# pane; SEEN names what does not.
panes_show_first_lines() {
    local dump id list item wl wt ww wh il it iw ih pane box
    dump=$(inspect dump)
    for id in 202 221 213; do
        list=$(grep -m1 -A200 "^      Sys[A-Za-z]*32 \"\" id=$id " <<<"$dump" | head -1)
        item=$(grep -m1 -A200 "^      Sys[A-Za-z]*32 \"\" id=$id " <<<"$dump" | grep -m1 -E '^        (item|node) 0: ')
        SEEN="the first line of $id: $item in $list"
        [[ "$list" == *" client="* && "$item" == *" at="* ]] || return 1
        read -r wl wt ww wh <<<"$(client_of "$list")"
        read -r il it iw ih <<<"$(geometry "$item")"
        [ "$it" -ge "$wt" ] && [ $((it + ih)) -le $((wt + wh)) ] && [ "$il" -lt $((wl + ww)) ] || return 1
    done
    pane=$(grep -m1 '^    AfxControlBar42s "Alternatives Window" id=102 ' <<<"$dump")
    box=$(grep -m1 '^      Edit "" id=201 ' <<<"$dump")
    SEEN="the name box $box in $pane"
    inside "$pane" "$box"
}

# drag_to X1 Y1 X2 Y2: the left button pressed at X1 Y1, the pointer moved in steps to X2 Y2 and let go.
drag_to() {
    xdotool mousemove "$1" "$2" mousedown 1 sleep 0.3 mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) sleep 0.2 \
        mousemove "$3" "$4" sleep 0.2 mousemove $(($3 + 1)) $(($4 + 1)) sleep 0.3 mouseup 1 ||
        fail "xdotool could not drag"
}

# pane_line NAME: the dump line of the docked pane "NAME Window".
pane_line() { expect 10 "^    AfxControlBar42s \"$1 Window\" id=10[0-2] " | head -1; }

# pane_heights: "NAME:HEIGHT" of each docked pane, a line each.
pane_heights() {
    inspect dump | sed -nE 's/^    AfxControlBar42s "([^"]*) Window" id=10[0-2] at=-?[0-9]+,-?[0-9]+,[0-9]+x([0-9]+).*/\1:\2/p'
}

# same_heights BEFORE: each of the three panes is within a point of its height in BEFORE (pane_heights).
same_heights() {
    SEEN=$(pane_heights | tr '\n' ' ')
    awk -F: 'NR == FNR { was[$1] = $2; next } ($1 in was) { n++; d = $2 - was[$1]; if (d > 1 || d < -1) bad = 1 }
        END { exit bad || n != 3 }' <(echo "$1") <(pane_heights)
}

# pane_at_foot NAME BOTTOM: the docked pane "NAME Window" ends at BOTTOM (the screen's y).
pane_at_foot() {
    local l t w h
    read -r l t w h <<<"$(geometry "$(pane_line "$1")")"
    SEEN="it ends at $((t + h)), the column at $2"
    [ $((t + h)) -eq "$2" ]
}

# ranking_names_fit: in the ranking chart every name's ink ends before the last point ahead of the boxes of
# the bars (the left end of the longest black line across a row), so that no name runs under a bar.
ranking_names_fit() {
    local l t w h points x0 last
    read -r l t w h <<<"$(geometry "$(view_of 'Final Ranking worked out with ZEK MD')")"
    points=$(inspect pixels "$l" "$t" "$w" "$h" 000000) || fail "could not read the screen"
    x0=$(awk '{print $2, $1}' <<<"$points" | sort -n -k1,1 -k2,2 | awk '
        $1 != row || $2 != last + 1 { if (len > best) { best = len; start = first } first = $2; len = 0; row = $1 }
        { len++; last = $2 }
        END { if (len > best) start = first; print start + 0 }')
    # the names' rows start below the scale's labels
    last=$(awk -v x0="$x0" -v top=$((t + 25)) '$2 >= top && $1 < x0 && $1 > max { max = $1 } END { print max + 0 }' <<<"$points")
    SEEN="names end at x=$last, the bars' boxes start at x=$x0"
    [ "$x0" -gt 0 ] && [ "$last" -gt 0 ] && [ "$last" -le $((x0 - 2)) ]
}

# tip_at X Y TEXT: the pointer rests at X Y: a tool tip shows TEXT; then it moves over the empty
# document area, and the tip goes.
tip_at() {
    xdotool mousemove "$1" "$2" sleep 0.2 mousemove_relative 1 1 || fail "xdotool could not move"
    expect 5 "^tooltips_class32 \"$(literal "$3")\" " >/dev/null
    local l t w h
    read -r l t w h <<<"$(geometry "$(expect 10 '^  MDIClient ' | head -1)")"
    xdotool mousemove $((l + w / 2)) $((t + h / 2)) sleep 0.2 mousemove_relative 1 1 || fail "xdotool could not move"
    expect_gone 5 '^tooltips_class32 '
}

road_screen() {
    fresh_settings
    local project
    project=$(data e2e/ranked_wide_names.zex)

    step "a project of ten ranks opened: the reference tree shows its first rank"
    start_program "$(winpath "$project")"
    splash_gone
    expect 10 '^          node 1: "WWai"' >/dev/null
    local tree first
    tree=$(expect 10 '^      SysTreeView32 "" id=213 ' | head -1)
    first=$(expect 10 '^        node 0: "Rank 1"' | head -1)
    inside "$tree" "$first" || fail "the first rank is not in view: $first in $tree"

    step "tool tips: the Solve button, the criteria pane's add button and a docked pane's hide button"
    local l t w h
    # the tool bar's buttons: New, Open, Save | Cut, Copy, Paste | Print | Solve ...; Solve is the
    # eighth, 206 points in
    read -r l t w h <<<"$(geometry "$(expect 10 '^    AfxControlBar42s "" id=59392 ' | head -1)")"
    tip_at $((l + 206)) $((t + h / 2)) Solve
    read -r l t w h <<<"$(geometry "$(expect 10 '^      Button "" id=222 ' | head -1)")"
    tip_at $((l + w / 2)) $((t + h / 2)) "Add criterion"
    # the gripper along the pane's top: the hide button is the last 11-point square at its right end
    read -r l t w h <<<"$(geometry "$(expect 10 '^    AfxControlBar42s "Criteria Window" id=100 ' | head -1)")"
    tip_at $((l + w - 9)) $((t + 7)) "Hide docked window"

    step "each pane hidden and shown again from the View menu, three times, keeps its place and size"
    local panes pane key round
    panes=$(inspect dump | grep -E '^    AfxControlBar42s "(Alternatives|Reference Set|Criteria) Window" ')
    [ "$(wc -l <<<"$panes")" -eq 3 ] || fail "three panes expected: $panes"
    for key in alt+1 alt+2 alt+3; do
        for round in 1 2 3; do
            keys "$key"
            expect 10 '^    AfxControlBar42s "[^"]*" id=10[0-2] .*\[hidden\]' >/dev/null
            keys "$key"
            expect_gone 10 '^    AfxControlBar42s "[^"]*" id=10[0-2] .*\[hidden\]'
        done
    done
    while IFS= read -r pane; do
        expect 10 "^$(literal "$pane")\$" >/dev/null
    done <<<"$panes"

    step "every pane's list shows its first item"
    eventually 10 "a pane's list does not show its first line" panes_show_first_lines

    step "solved: the ranking chart's names end before its bars"
    keys F5
    expect_solved
    eventually 10 "a name runs under the bars" ranking_names_fit

    step "the alternatives pane dragged off onto the documents and its floating frame back into the left dock"
    local l t w h frame
    read -r l t w h <<<"$(geometry "$(pane_line Alternatives)")"
    local ml mt mw mh
    read -r ml mt mw mh <<<"$(geometry "$(expect 10 '^  MDIClient ' | head -1)")"
    # the gripper along the pane's top, clear of its boxes at the right end
    drag_to $((l + 20)) $((t + 7)) $((ml + mw / 2)) $((mt + mh / 2))
    frame=$(expect 10 '^Afx[^ ]* "Alternatives Window" ' | head -1)
    read -r l t w h <<<"$(geometry "$frame")"
    local rl rt rw rh
    read -r rl rt rw rh <<<"$(geometry "$(pane_line 'Reference Set')")"
    # by its caption, onto the middle of the reference pane
    drag_to $((l + w / 2)) $((t + 8)) $((rl + rw / 2)) $((rt + rh / 2))
    expect_gone 10 '^Afx[^ ]* "Alternatives Window" '
    read -r l t w h <<<"$(geometry "$(pane_line Alternatives)")"
    [ "$l" -eq "$rl" ] || fail "the alternatives pane docked elsewhere than the column of the others: at $l, not $rl"
    eventually 10 "a pane's list does not show its first line" panes_show_first_lines

    step "the top pane dragged to the foot of its column keeps its share, and so do the others"
    local before top name
    before=$(pane_heights)
    top=$(inspect dump | grep -E '^    AfxControlBar42s "(Alternatives|Reference Set|Criteria) Window" ' |
        sort -t, -k2,2n | head -1)
    name=$(sed -E 's/^ *AfxControlBar42s "([^"]*) Window".*/\1/' <<<"$top")
    read -r l t w h <<<"$(geometry "$top")"
    read -r rl rt rw rh <<<"$(geometry "$(expect 10 '^  AfxControlBar42s "[^"]*" id=59420 ' | head -1)")"
    drag_to $((l + 20)) $((t + 7)) $((l + 20)) $((rt + rh - 10))
    eventually 10 "the $name pane is not at the foot of its column" pane_at_foot "$name" $((rt + rh))
    eventually 10 "the panes' heights changed (before: $(tr '\n' ' ' <<<"$before"))" same_heights "$before"
    eventually 10 "a pane's list does not show its first line" panes_show_first_lines

    step "the main window shrunk to 521 by 379 by its corner: every pane still shows its first line"
    read -r l t w h <<<"$(geometry "$(main_window)")"
    # (the drag ends a point past where it is aimed)
    drag_to $((l + w - 2)) $((t + h - 2)) $((l + 521 - 3)) $((t + 379 - 3))
    expect 10 '^Afx[^ ]* "Ondrix - \[.*\]" id=0 at=-?[0-9]+,-?[0-9]+,521x379' >/dev/null
    eventually 10 "a pane's list does not show its first line" panes_show_first_lines
    end_program
}

# cars_project FILE: a project of 60 cars on a gain criterion "quality" and a cost criterion "price"
# (no car dominates another of the two ranked first), written into FILE.
cars_project() {
    {
        printf '<DATA>\n  <ATTRIBUTES>\n'
        local criterion
        for criterion in quality:Gain price:Cost; do
            printf '    <ATTRIBUTE AttrID="%s">\n      <SEGMENTS Value="2"/>\n      <TYPE Value="Numeric"/>\n' "${criterion%:*}"
            printf '      <ROLE Value="Condition"/>\n      <CRITERION Value="%s"/>\n    </ATTRIBUTE>\n' "${criterion#*:}"
        done
        printf '  </ATTRIBUTES>\n  <OBJECTS>\n'
        local i
        for i in $(seq 60); do
            printf '    <OBJECT ObjID="car%02d">\n' "$i"
            [ "$i" -le 2 ] && printf '      <RANK Value="%d"/>\n' "$i"
            printf '      <VALUE AttrID="quality" Value="%d"/>\n' $((i * 7 % 61))
            printf '      <VALUE AttrID="price" Value="%d"/>\n    </OBJECT>\n' $((100 + i * 13 % 53))
        done
        printf '  </OBJECTS>\n</DATA>\n'
    } >"$1"
}

# expect_readable PDF WHAT MIN-WIDTH MIN-HEIGHT WORD-REGEX: the words of page 1 that match are at least
# 6 points high (a readable print), and together they reach across MIN-WIDTH and MIN-HEIGHT parts of
# the page (a drawing, not a strip along one edge).
expect_readable() {
    local seen
    seen=$(pdf_words "$1" | awk -v pattern="$5" -v width="$3" -v height="$4" -v page="$(pdfinfo "$1" |
        sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\).*/\1 \2/p')" '
        BEGIN { split(page, size, " "); low = 1e9; left = top = 1e9 }
        $1 == 1 && $6 ~ pattern {
            n++; if ($5 - $3 < low) low = $5 - $3
            if ($2 < left) left = $2; if ($4 > right) right = $4
            if ($3 < top) top = $3; if ($5 > bottom) bottom = $5
        }
        END {
            printf "%d words, the smallest %.1f pt high, over %.0f%% of the width and %.0f%% of the height", n, low,
                100 * (right - left) / size[1], 100 * (bottom - top) / size[2]
            exit !(n > 0 && low >= 6 && right - left >= width * size[1] && bottom - top >= height * size[2])
        }') || fail "$2 is not printed at a readable size: $seen"
}

# expect_printed_grid PDF ROWS COLUMNS CELLS: the printed grid (see printed_grid) holds CELLS.
expect_printed_grid() {
    local printed
    printed=$(printed_grid "$1" "$2" "$3") || fail "$(basename "$1") does not hold the grid's pages as expected"
    [ "$printed" = "$4" ] || fail "$(basename "$1") holds other cells than the window: $(diff <(echo "$4") <(echo "$printed") | head -5)"
}

road_print() {
    print_server_ready
    fresh_settings
    local project=$OUT/cars.zex names criteria
    cars_project "$project"
    names=$(seq -f 'car%02g' 60)
    start_program "$(winpath "$project")"
    splash_gone

    step "solved; the evaluations grid and the value charts opened, every window tiled"
    keys F5
    expect_solved
    keys alt+4
    expect 20 '^    [^ ]+ "Evaluations of Alternatives" ' >/dev/null
    keys alt+v m
    expect 20 '^    [^ ]+ "quality" ' '^    [^ ]+ "price" ' >/dev/null
    keys alt+w t
    local evaluations matrix
    evaluations=$(grid_cells 'Evaluations of Alternatives')
    matrix=$(grid_cells 'Alternatives comparison matrix')
    criteria=$(printf 'quality\nprice\n')

    step "the evaluations grid printed: every alternative's evaluations, over pages with the header row and the footer"
    activate 'Evaluations of Alternatives'
    print_active evaluations
    [ "$(pdf_title "$OUT/evaluations.pdf")" = "Evaluations of Alternatives" ] ||
        fail "the job is titled $(pdf_title "$OUT/evaluations.pdf")"
    [ "$(pdf_pages "$OUT/evaluations.pdf")" -ge 2 ] || fail "60 alternatives printed on one page"
    expect_printed_grid "$OUT/evaluations.pdf" "$names" "$criteria" "$evaluations"

    step "the comparison matrix printed: every value, its pages across then down"
    activate 'Alternatives comparison matrix'
    print_active matrix
    local portrait
    portrait=$(pdf_pages "$OUT/matrix.pdf")
    [ "$portrait" -ge 4 ] || fail "the 60 by 60 matrix printed on $portrait pages"
    expect_printed_grid "$OUT/matrix.pdf" "$names" "$names" "$matrix"

    step "the ranking chart printed on one page: every alternative's name and the scale, at a readable size"
    activate 'Final Ranking worked out with ZEK MD'
    print_active ranking
    [ "$(pdf_pages "$OUT/ranking.pdf")" -eq 1 ] || fail "the ranking printed on $(pdf_pages "$OUT/ranking.pdf") pages"
    local words
    words=$(pdf_text "$OUT/ranking.pdf" | tr -s ' \n\f' '\n\n\n' | sort)
    expect_text "$(grep -c '^car[0-9][0-9]$' <<<"$words") $(grep -E '^(0\.[02468]|1\.0)$' <<<"$words" | tr '\n' ' ')" \
        "60 0.0 0.2 0.4 0.6 0.8 1.0 "
    expect_text "$(grep '^car' <<<"$words" | uniq)" "$names"
    expect_readable "$OUT/ranking.pdf" "the ranking chart" 0.5 0.5 '^(car[0-9][0-9]|[01]\.[02468])$'

    step "a value chart printed on one page: its scales, at a readable size"
    activate price
    print_active price
    [ "$(pdf_pages "$OUT/price.pdf")" -eq 1 ] || fail "the value chart printed on $(pdf_pages "$OUT/price.pdf") pages"
    # the labels under the chart: abscissae of breakpoints (the prices the grid shows), from the first
    # one on, left to right, each clear of the next
    local breakpoints labels
    breakpoints=$(cut -f2 <<<"$evaluations" | tr -d '\r' | sort -n | awk '{ printf "%.3f\n", $1 }' | uniq)
    labels=$(pdf_words "$OUT/price.pdf" | awk '$1 == 1 && $6 ~ /^[0-9]+\.[0-9][0-9][0-9]$/' | sort -n -k2,2)
    [ "$(wc -l <<<"$labels")" -ge 3 ] || fail "the value chart shows no breakpoints: $(pdf_text "$OUT/price.pdf" | tail -3)"
    expect_text "$(head -1 <<<"$labels" | cut -d' ' -f6)" "$(head -1 <<<"$breakpoints")"
    [ -z "$(cut -d' ' -f6 <<<"$labels" | grep -vxF -f <(echo "$breakpoints"))" ] ||
        fail "labels that are no breakpoint: $(cut -d' ' -f6 <<<"$labels" | grep -vxF -f <(echo "$breakpoints") | head -3)"
    awk -v width="$(pdfinfo "$OUT/price.pdf" | sed -n 's/^Page size: *\([0-9.]*\) .*/\1/p')" '
        $2 < 0 || $4 > width || NR > 1 && ($2 <= right || $6 + 0 <= last) { exit 1 }
        { right = $4; last = $6 + 0 }' <<<"$labels" ||
        fail "the labels under the value chart run into each other or off the page: $(echo $labels)"
    local point
    for point in 0 1; do
        pdf_text "$OUT/price.pdf" | grep -qw -- "$point" || fail "the value chart shows no label $point"
    done
    expect_readable "$OUT/price.pdf" "the value chart" 0.5 0.5 '^[0-9.]+$'

    step "the graph page printed: its headings, legends and the other alternatives, each line once"
    activate 'Resulting preference graphs worked out with ZEK KTR'
    print_active graphs
    local text
    text=$(pdf_text "$OUT/graphs.pdf" | tr -d '\f' | grep .)
    expect_text "$(grep -c -E '^(Partial preorder graph \(strong outranking\)|Complete preorder graph \(weak outranking\)|No arc between alternatives means indifference\.)$' <<<"$text")" 3
    grep -q -E '^car[0-9]{2}(, car[0-9]{2})*$' <<<"$text" || fail "no list of other alternatives printed: $text"
    [ -z "$(sort <<<"$text" | uniq -d)" ] || fail "lines printed twice: $(sort <<<"$text" | uniq -d)"

    step "Print Preview of the matrix shows its page 1, the first of several, drawn"
    activate 'Alternatives comparison matrix'
    keys alt+f v
    expect 20 '^    Button "Pre&v Page" id=[0-9]+ .*\[disabled\]$' '^    Button "&Next Page" id=[0-9]+ [^[]*$' >/dev/null
    # the preview takes the place of the frame's documents, with the page's lines drawn on its sheet
    local l t w h
    read -r l t w h <<<"$(geometry "$(expect 10 '^  [^ ]+ "" id=59648 ' | head -1)")"
    sheet_drawn() {
        SEEN="$(inspect pixels "$l" "$t" "$w" "$h" 000000 | wc -l) black points in the preview"
        [ "$(inspect pixels "$l" "$t" "$w" "$h" 000000 | wc -l)" -gt 100 ]
    }
    eventually 10 "the preview shows no page" sheet_drawn
    click '^    Button "&Close" '
    expect_gone 10 '^    Button "&Next Page" '

    step "Print Setup: landscape reaches the next printout, whose pages hold more columns and fewer rows"
    keys alt+f r
    expect 20 '^#32770 "Print Setup" ' '^  +Button "L&andscape" ' '^  +Static "CUPS:Ondrix_PDF" ' >/dev/null
    keys alt+a Return
    expect_gone 20 '^#32770 "Print Setup" '
    activate 'Alternatives comparison matrix'
    print_active landscape
    expect_printed_grid "$OUT/landscape.pdf" "$names" "$names" "$matrix"
    across() { pdf_text "$1" -layout -f 1 -l 1 | grep -m1 . | wc -w; }
    down() { pdf_text "$1" -layout -f 1 -l 1 | grep -c '^ *car[0-9][0-9] '; }
    [ "$(across "$OUT/landscape.pdf")" -gt "$(across "$OUT/matrix.pdf")" ] &&
        [ "$(down "$OUT/landscape.pdf")" -lt "$(down "$OUT/matrix.pdf")" ] ||
        fail "landscape pages hold $(across "$OUT/landscape.pdf") columns and $(down "$OUT/landscape.pdf") rows, portrait ones $(across "$OUT/matrix.pdf") and $(down "$OUT/matrix.pdf")"
    end_program
}

# the roads of one topic each, kept in files of their own beside this one
for topic in "$(dirname "$0")"/roads-*.sh; do
    [ -f "$topic" ] && . "$topic"
done

"road_$ROAD" || fail "the road did not finish"
echo "road $ROAD passed"
