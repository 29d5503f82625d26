# Roads of what a user can reach while a print preview shows: whatever the key or the click, the
# program lives, one preview at most shows, and the project loses nothing, on disk or in the grid.
# Sourced by roads.sh, which holds the driver and the helpers used here (preview_of and close_preview
# are in roads-keys.sh).

# The grid of the project these roads work on, with a1's price changed from 12.5 to 13 and not saved.
EDITED_GRID=$(printf '13\thigh\r\n8\tlow\r\n5\tmid\r\n20\tlow\r\n')

# previews: the number of print previews shown (their Close buttons).
previews() { inspect dump | grep -c '^ *Button "&Close" id=58112 '; }

# edited_project [charts]: the hand-built project of four alternatives started and solved, a1's price
# changed to 13 in the evaluations grid and not saved, with "charts" the value charts opened, the
# windows tiled. PROJECT is the file; ON_DISK a copy of what it holds.
edited_project() {
    start_hand_built
    ON_DISK="$OUT/on_disk.zex"
    cp "$PROJECT" "$ON_DISK"

    step "solved; a1's price changed to 13 in the evaluations grid and not saved"
    keys F5
    expect_solved
    keys alt+4
    expect 20 '^    [^ ]+ "Evaluations of Alternatives" ' >/dev/null
    keys ctrl+Home
    type_text 13
    keys Return
    if [ "${1:-}" = charts ]; then
        keys alt+v m
        expect 20 '^    [^ ]+ "price" ' '^    [^ ]+ "quality" ' >/dev/null
    fi
    keys alt+w t
    expect_text "$(grid_cells 'Evaluations of Alternatives')" "$EDITED_GRID"
    keys Escape
}

# shown TITLE-REGEX: whether a document window of that title stands.
shown() { inspect dump | grep -qE "^    [^ ]+ \"$1\" "; }

# in_preview TITLE-REGEX OPEN-KEY KEY...: the document window of that title opened again by OPEN-KEY
# when a command before closed it, the windows tiled, its Print Preview; then the KEYs pressed.
in_preview() {
    local title=$1 open=$2
    shift 2
    step "$* in the print preview of \"$title\""
    if ! shown "$title"; then
        keys $open
        expect 20 "^    [^ ]+ \"$title\" " >/dev/null
    fi
    keys alt+w t
    preview_of "$title"
    [ "$(previews)" -eq 1 ] || fail "$(previews) previews opened"
    keys "$@"
}

# preview_closed: the preview goes, and the program lives.
preview_closed() {
    expect_gone 10 '^ *Button "&Close" id=58112 '
    program_lives
}

# program_lives: the program runs, its main window stands, no error box shows and at most one preview;
# the project file holds what it held.
program_lives() {
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended"
    main_window >/dev/null
    local n
    n=$(previews)
    [ "$n" -le 1 ] || fail "$n previews show"
    expect_not '^#32770 "(Ondrix|Program Error|Error)" '
    cmp -s "$PROJECT" "$ON_DISK" || fail "the project file changed"
}

# dialog_cancelled CAPTION: the dialog of that caption comes, Escape cancels it; the preview is gone.
dialog_cancelled() {
    expect 20 "^#32770 \"$1\" " >/dev/null
    keys Escape
    expect_gone 10 "^#32770 \"$1\" "
    preview_closed
}

# still_in_preview: a moment for the keys to be handled; then the preview still shows, alone, with no
# menu open, and it closes with Escape.
still_in_preview() {
    sleep 0.5
    expect_not '^#32768 '
    program_lives
    [ "$(previews)" -eq 1 ] || fail "the preview is gone"
    keys Escape
    preview_closed
}

# commands_in_preview TITLE-REGEX OPEN-KEY: each command of the road in the preview of that window
# (OPEN-KEY opens the window again when one closed it); the grid keeps the unsaved change throughout,
# Ctrl+S saves it, and Ctrl+N on the saved project then empties it.
commands_in_preview() {
    local title=$1 open=$2
    in_preview "$title" "$open" ctrl+n
    ANSWER=Escape message_box "Do you want to save file '.*hand_built\\.zex'\\?"
    preview_closed

    in_preview "$title" "$open" ctrl+o
    dialog_cancelled Open

    in_preview "$title" "$open" F5
    preview_closed
    expect_solved

    local key
    for key in alt+4 alt+5 alt+7 Escape alt+c alt+F4; do
        in_preview "$title" "$open" "$key"
        preview_closed
    done

    in_preview "$title" "$open" alt+f
    step "Alt+F drops no menu over the preview; V after it opens no second preview"
    sleep 0.5
    expect_not '^#32768 '
    keys v
    still_in_preview

    step "after these commands the grid holds the unsaved change"
    shown 'Evaluations of Alternatives' || keys alt+4
    keys alt+w t
    expect_text "$(grid_cells 'Evaluations of Alternatives')" "$EDITED_GRID"
    keys Escape

    in_preview "$title" "$open" ctrl+s
    expect_gone 10 '^ *Button "&Close" id=58112 '
    saved() { [ "$(saved_value "$PROJECT" a1 price)" = 13 ]; }
    eventually 10 "the change was not saved" saved
    cp "$PROJECT" "$ON_DISK"
    program_lives

    in_preview "$title" "$open" ctrl+n
    step "Ctrl+N on the saved project in the preview: it closes, the new project is empty"
    preview_closed
    expect 10 '^Afx[^ ]* "Ondrix - \[untitled\]"' >/dev/null
    [ "$(document_windows)" -eq 0 ] || fail "$(document_windows) document windows are left"
    end_program
}

road_preview_grid_commands() {
    edited_project
    commands_in_preview 'Evaluations of Alternatives' alt+4
}

road_preview_matrix_commands() {
    edited_project
    commands_in_preview 'Alternatives comparison matrix' alt+5
}

road_preview_ranking_commands() {
    edited_project
    commands_in_preview 'Final Ranking worked out with ZEK MD' F5
}

road_preview_chart_commands() {
    edited_project charts
    commands_in_preview 'price' 'alt+v m'
}

# stays_in_preview KEY...: the KEYs pressed in the preview leave it showing, alone, with no menu or
# dialog open.
stays_in_preview() {
    step "$* in the print preview: it stays"
    keys "$@"
    sleep 0.5
    expect_not '^#32768 '
    program_lives
    [ "$(previews)" -eq 1 ] || fail "the preview is gone"
}

# panes_as_before: the three panes show, with the project's alternatives, ranks and criteria.
panes_as_before() {
    expect 10 '^        item 0: "a1"' '^        item 3: "a4"' '^        node 0: "Rank 1"' '^          node 1: "a3"' \
        '^        item 1: "quality" "Ordinal"' >/dev/null
}

road_preview_keys() {
    edited_project
    local title='Alternatives comparison matrix' windows
    windows=$(document_windows)

    in_preview "$title" alt+5 Tab
    step "Tab goes to the preview's first button, Print..., which Return presses: the print dialog"
    keys Return
    dialog_cancelled Print

    local pane
    for pane in 'alt+1 Alternatives' 'alt+2 Reference Set' 'alt+3 Criteria'; do
        in_preview "$title" alt+5 "${pane%% *}"
        step "${pane%% *} closes the preview and hides the ${pane#* } pane; again, it shows"
        preview_closed
        expect_gone 10 "^    AfxControlBar42s \"${pane#* } Window\" id=[0-9]+ at=[-0-9,x]+\$"
        keys "${pane%% *}"
        expect 10 "^    AfxControlBar42s \"${pane#* } Window\" id=[0-9]+ at=[-0-9,x]+\$" >/dev/null
    done
    panes_as_before

    in_preview "$title" alt+5 ctrl+p
    step "Ctrl+P closes the preview, then the print dialog comes"
    dialog_cancelled Print

    in_preview "$title" alt+5 ctrl+a
    step "Ctrl+A closes the preview, then the criterion sheet comes"
    dialog_cancelled 'Properties of the Criterion'

    in_preview "$title" alt+5 Escape
    preview_closed
    preview_of "$title"
    # a command nobody handles (the final-ranking list), the windows' keys, the menu keys, plain keys
    stays_in_preview alt+6
    stays_in_preview ctrl+F4
    stays_in_preview ctrl+F6
    stays_in_preview ctrl+Tab
    stays_in_preview F10 Down
    stays_in_preview alt Down
    stays_in_preview alt+w c
    stays_in_preview alt+w t
    stays_in_preview alt+e alt+v alt+h
    stays_in_preview Delete Return x BackSpace
    step "Alt+Space opens the system menu over the preview; Escape closes the menu"
    keys alt+space
    expect 10 '^#32768 ' >/dev/null
    keys Escape
    expect_gone 10 '^#32768 '
    [ "$(previews)" -eq 1 ] || fail "the preview is gone"
    keys Escape
    preview_closed

    step "every document window is still there, the panes and the grid as they were"
    [ "$(document_windows)" -eq "$windows" ] || fail "$(document_windows) document windows, $windows before"
    panes_as_before
    keys alt+w t
    expect_text "$(grid_cells 'Evaluations of Alternatives')" "$EDITED_GRID"
    keys Escape
    keys ctrl+n
    ANSWER=n message_box "Do you want to save file '.*hand_built\\.zex'\\?"
    end_program
}

# clicks_in_preview WHAT X-Y...: a click, a double click and a right click at each point (where the
# preview covers WHAT) leave the preview showing, alone, with no menu or dialog open.
clicks_in_preview() {
    step "clicks, double clicks and right clicks where the preview covers $1"
    shift
    local point x y
    for point in "$@"; do
        read -r x y <<<"$point"
        xdotool mousemove "$x" "$y" click 1 sleep 0.1 click --repeat 2 1 sleep 0.1 click 3 || fail "xdotool could not click"
    done
    sleep 0.5
    expect_not '^#32768 '
    expect_not '^#32770 '
    program_lives
    [ "$(previews)" -eq 1 ] || fail "the preview is gone"
}

# middle LINE: "X Y", the middle of a dump line's place.
middle() {
    local l t w h
    read -r l t w h <<<"$(geometry "$1")"
    echo "$((l + w / 2)) $((t + h / 2))"
}

road_preview_mouse() {
    edited_project
    local title='Alternatives comparison matrix' windows
    windows=$(document_windows)

    step "a pane edit that solves again (a1 into rank 2) and refreshes the result windows"
    add_to_rank a1 2
    expect_solved
    expect 10 '^        node 0: "Rank 2"' '^          node 1: "a1"' >/dev/null

    # the places of what the preview covers: the panes' lists, boxes and buttons, the tool bar's
    # buttons (New, Open, Save, Print, Solve), the other document windows' captions and views
    local panes=() tools=() others=() line l t w h i
    for line in '^        item 1: "a2" ' '^      Edit "" id=201 ' '^          node 1: "a3" ' '^        item 0: "price" ' \
        '^      Button "" id=222 '; do
        panes+=("$(middle "$(expect 10 "$line" | head -1)")")
    done
    read -r l t w h <<<"$(geometry "$(expect 10 '^    AfxControlBar42s "" id=59392 ' | head -1)")"
    for i in 0 1 2 6 7; do
        tools+=("$((l + 11 + 23 * i)) $((t + h / 2))")
    done
    for line in "$(expect 10 '^    [^ ]+ "Final Ranking worked out with ZEK MD" ' | head -1)" \
        "$(view_of 'Evaluations of Alternatives')"; do
        read -r l t w h <<<"$(geometry "$line")"
        others+=("$((l + w / 2)) $((t + 10))" "$((l + w / 2)) $((t + h / 2))")
    done

    in_preview "$title" alt+5
    clicks_in_preview "the panes" "${panes[@]}"
    clicks_in_preview "the tool bar" "${tools[@]}"
    clicks_in_preview "the other document windows" "${others[@]}"

    step "the main window's close box closes the preview; the program stays"
    read -r l t w h <<<"$(geometry "$(main_window)")"
    xdotool mousemove $((l + w - 15)) $((t + 12)) click 1 || fail "xdotool could not click"
    preview_closed
    expect_not '^#32770 '

    step "F5 in the preview, after the pane edit, closes it and solves; the matrix refreshed previews again"
    preview_of "$title"
    keys F5
    preview_closed
    expect_solved
    keys alt+w t
    preview_of "$title"
    close_preview

    step "every document window is still there, the panes and the grid as they were"
    [ "$(document_windows)" -eq "$windows" ] || fail "$(document_windows) document windows, $windows before"
    expect 10 '^        item 3: "a4"' '^          node 1: "a1"' '^        item 1: "quality" "Ordinal"' >/dev/null
    expect_text "$(grid_cells 'Evaluations of Alternatives')" "$EDITED_GRID"
    keys Escape ctrl+n
    ANSWER=n message_box "Do you want to save file '.*hand_built\\.zex'\\?"
    end_program
}

# back_from_other WHERE: a click on the other program's window takes the activation from the program;
# a click on the main window's caption (WHERE caption) or on the preview's page (WHERE page) brings it
# back, and the keyboard is with the preview (the line "focus: ..." names its view).
back_from_other() {
    click "^$(literal "$SOAK_OTHER") "
    focus_on_other() { SEEN=$(inspect focus | grep '^foreground: '); [[ $SEEN == *'"Another Program"'* ]]; }
    eventually 10 "the other program did not become active" focus_on_other
    local l t w h
    read -r l t w h <<<"$(geometry "$(main_window)")"
    if [ "$1" = caption ]; then
        xdotool mousemove $((l + w / 2)) $((t + 10)) click 1 || fail "xdotool could not click"
    else
        xdotool mousemove $((l + w / 2)) $((t + h * 2 / 3)) click 1 || fail "xdotool could not click"
    fi
    focus_back() { SEEN=$(inspect focus | grep -E '^(foreground|focus): '); [[ $SEEN == *'"Ondrix - ['* ]]; }
    eventually 10 "the main window did not become active" focus_back
}

road_preview_after_another_program() {
    soak_other_start
    edited_project charts
    local window title open where
    for window in 'Evaluations of Alternatives|alt+4' 'Alternatives comparison matrix|alt+5' \
        'Final Ranking worked out with ZEK MD|F5' 'price|alt+v m'; do
        title=${window%|*} open=${window#*|}
        for where in caption page; do
            in_preview "$title" "$open"
            step "another program activated, the main window clicked on its $where; 5, Delete, Return, Escape"
            back_from_other "$where"
            type_text 5
            keys Delete Return Escape
            preview_closed
        done
    done
    step "no cell changed, the project kept its unsaved change only"
    keys alt+w t
    expect_text "$(grid_cells 'Evaluations of Alternatives')" "$EDITED_GRID"
    keys Escape ctrl+n
    ANSWER=n message_box "Do you want to save file '.*hand_built\\.zex'\\?"
    end_program
}
