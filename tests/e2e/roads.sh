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
    # the splash: a window without title over the main window, for its two seconds
    expect 5 '^Afx[^ ]* "" id=0 at=' >/dev/null
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
    xdotool mousemove $((l + w / 2)) $((t + 10)) mousedown 1 mousemove $((l + w / 2 + 30)) $((t + 30)) \
        mousemove $((l + w / 2 + 60)) $((t + 50)) mouseup 1 || fail "xdotool could not drag"
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

# The example project of two alternatives on an ordinal and a gain criterion, as the panes show it.
expect_size_and_weight() {
    expect 10 "^Afx[^ ]* \"Ondrix - \\[Z:.*$1\\]\"" \
        '^        item 0: "A1"' '^        item 1: "A2"' \
        '^        node 0: "Rank 1"' '^          node 1: "A1"' \
        '^        item 0: "size" "Ordinal"' '^        item 1: "w" "Gain"' >/dev/null
    expect_not '^        item 2: '
}

road_open_example() {
    fresh_settings
    local example
    example=$(data model/xml/good/size_and_weight.zex)

    step "the example project given on the command line"
    start_program "$(winpath "$example")"
    splash_gone
    expect_size_and_weight 'size_and_weight\.zex'
    end_program

    step "the example project through File > Open"
    start_program
    splash_gone
    open_through_dialog "$example"
    expect_size_and_weight 'size_and_weight\.zex'

    step "two alternatives cannot be solved: Solve and Save Results As stay grey"
    expect_grey_commands F5 alt+f u
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
    expect 10 "^Afx[^ ]* $(sed 's/[][\\.]/\\&/g' <<<"$title")" '^        item 2: "third"' >/dev/null

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

    step "the File menu's Polish Open dialog filter and the Polish read error"
    cp "$ONDRIX_TEST_DATA/model/xml/good/size_and_weight.zex" "$OUT/broken.zex"
    head -c 200 "$OUT/broken.zex" >"$OUT/truncated.zex"
    open_through_dialog "$OUT/truncated.zex"
    message_box "Nie mo.na odczyta. pliku!"

    step "the language is kept at the end of the run"
    end_program
    [ "$(setting language)" = 0x1 ] || fail "language stored: $(setting language)"
}

"road_$ROAD" || fail "the road did not finish"
echo "road $ROAD passed"
