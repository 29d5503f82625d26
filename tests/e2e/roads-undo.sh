# Road of the evaluations grid's undo after the project changed under it, sourced by roads.sh (see
# drive.sh for the driver; copied and saved_value are in roads-grid88.sh).

# entered VALUE: VALUE typed over the first body cell of the evaluations grid (the first alternative's
# price), then Enter.
entered() {
    click_grid
    keys ctrl+Home
    type_text "$1"
    keys Return
}

# click_grid: a click on the evaluations grid below its last row, which gives it the focus and leaves
# its cells and its selection as they are.
click_grid() {
    local l t w h
    read -r l t w h <<<"$(geometry "$(view_of 'Evaluations of Alternatives')")"
    xdotool mousemove $((l + w / 2)) $((t + h - 10)) click 1 || fail "xdotool could not click"
}

# undo_redo_change_nothing CELLS: Ctrl+Z, then Ctrl+R, in the grid: its cells stay CELLS.
undo_redo_change_nothing() {
    click_grid
    keys ctrl+z
    expect_text "$(copied 'Evaluations of Alternatives')" "$1"
    click_grid
    keys ctrl+r
    expect_text "$(copied 'Evaluations of Alternatives')" "$1"
}

# removed_from_pane NAME WHAT: NAME removed through its pane's context menu (Remove), answered Yes;
# WHAT is "alternative" or "criterion".
removed_from_pane() {
    click "^        item [0-9]+: \"$1\"" 3
    expect 10 '^#32768 ' >/dev/null
    keys r
    expect_gone 10 '^#32768 '
    message_box "Do you want to remove selected $2: $1 \\?"
    expect_gone 10 "^        item [0-9]+: \"$1\""
}

# grid_of_hand_built: the hand-built project given on the command line, its evaluations grid opened.
grid_of_hand_built() {
    start_hand_built
    keys alt+4
    expect_text "$(copied 'Evaluations of Alternatives')" "$(printf '12.5\thigh\r\n8\tlow\r\n5\tmid\r\n20\tlow\r\n')"
}

# saved_prices EXPECTED: Ctrl+S, then the prices of a1, a2 and a5 in the saved project, joined by '|',
# are EXPECTED.
saved_prices() {
    save_then_open
    keys Escape
    expect_gone 10 '^#32770 "Open" '
    expect_text "$(saved_value "$PROJECT" a1 price)|$(saved_value "$PROJECT" a2 price)|$(saved_value "$PROJECT" a5 price)" "$1"
}

road_grid_undo_after_alternatives_change() {
    grid_of_hand_built

    step "999 typed over a1's price, a1 removed in its pane: Ctrl+Z and Ctrl+R leave a2's price alone"
    entered 999
    expect_text "$(copied 'Evaluations of Alternatives')" "$(printf '999\thigh\r\n8\tlow\r\n5\tmid\r\n20\tlow\r\n')"
    removed_from_pane a1 alternative
    undo_redo_change_nothing "$(printf '8\tlow\r\n5\tmid\r\n20\tlow\r\n')"

    step "777 over a2's price, an alternative added through the name box: Ctrl+Z and Ctrl+R change nothing"
    entered 777
    click '^      Edit "" id=201 '
    type_text a5
    keys Return
    expect 10 '^        item 3: "a5"' >/dev/null
    undo_redo_change_nothing "$(printf '777\tlow\r\n5\tmid\r\n20\tlow\r\n0\t\r\n')"

    step "the project saved holds what the grid shows"
    saved_prices "|777|0"
    end_program
}

road_grid_undo_after_criteria_change() {
    grid_of_hand_built

    step "555 over a1's price, a criterion added through its sheet: Ctrl+Z and Ctrl+R change nothing"
    entered 555
    click '^      Button "" id=222 '
    expect 20 '^#32770 "Properties of the Criterion" ' '^    Edit "" id=1001 ' >/dev/null
    type_text weight
    click '^  Button "OK" id=1 '
    expect_gone 10 '^#32770 "Properties of the Criterion" '
    expect 10 '^        item 2: "weight"' >/dev/null
    undo_redo_change_nothing "$(printf '555\thigh\t0\r\n8\tlow\t0\r\n5\tmid\t0\r\n20\tlow\t0\r\n')"

    step "444 over a1's price, the criterion removed in its pane: Ctrl+Z and Ctrl+R change nothing"
    entered 444
    removed_from_pane weight criterion
    undo_redo_change_nothing "$(printf '444\thigh\r\n8\tlow\r\n5\tmid\r\n20\tlow\r\n')"

    step "the project saved holds what the grid shows"
    saved_prices "444|8|"

    step "opened again: the grid has nothing to undo or redo"
    open_through_dialog "$PROJECT"
    keys alt+4
    undo_redo_change_nothing "$(printf '444\thigh\r\n8\tlow\r\n5\tmid\r\n20\tlow\r\n')"
    end_program
}
