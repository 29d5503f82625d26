# Roads of the keys a text box takes for itself and of the print preview (sourced by roads.sh, which
# holds the driver and the helpers used here).

# name_box_is TEXT: the alternatives pane's name box shows TEXT.
name_box_is() { expect 10 "^      Edit \"$(literal "$1")\" id=201 " >/dev/null; }

# clipboard_is TEXT: the clipboard holds TEXT within a few seconds.
clipboard_is() {
    holds() {
        SEEN=$(inspect clipboard)
        [ "$SEEN" = "$1" ]
    }
    eventually 5 "the clipboard does not hold \"$1\"" holds "$1"
}

# no_sheet: no property sheet opened.
no_sheet() { expect_not '^#32770 "Properties of the Criterion" '; }

road_edit_keys() {
    fresh_settings
    local project
    project=$(data e2e/hand_built.zex)
    start_program "$(winpath "$project")"
    splash_gone
    expect 10 '^        item 3: "a4"' >/dev/null

    step "a name typed into the alternatives' name box, Ctrl+A selects it all and opens no sheet: Ctrl+C copies it"
    inspect clipboard empty || fail "could not empty the clipboard"
    click '^      Edit "" id=201 '
    type_text delta
    name_box_is delta
    keys ctrl+a ctrl+c
    clipboard_is delta
    no_sheet

    step "Ctrl+X clears the box, Ctrl+V pastes the name back, Shift+Insert once more, Ctrl+Z undoes that"
    keys ctrl+a ctrl+x
    name_box_is ""
    clipboard_is delta
    keys ctrl+v
    name_box_is delta
    keys shift+Insert
    name_box_is deltadelta
    keys ctrl+z
    name_box_is delta

    step "Shift+Delete cuts the selected name, Ctrl+Insert copies another; Return adds the pasted name"
    keys ctrl+a shift+Delete
    name_box_is ""
    clipboard_is delta
    type_text epsilon
    keys ctrl+a ctrl+Insert
    clipboard_is epsilon
    keys BackSpace
    name_box_is ""
    keys shift+Insert Return
    expect 10 '^        item 4: "epsilon"' >/dev/null
    no_sheet
    expect_not '^        item 5: '

    step "in the criterion sheet's name box Ctrl+A and Ctrl+C copy the typed name"
    inspect clipboard empty || fail "could not empty the clipboard"
    click '^      Button "" id=222 '
    expect 20 '^#32770 "Properties of the Criterion" ' '^    Edit "" id=1001 ' >/dev/null
    type_text weight
    keys ctrl+a ctrl+c
    clipboard_is weight
    keys Escape
    expect_gone 10 '^#32770 "Properties of the Criterion" '

    step "outside a text box the keys stay the main window's: Ctrl+A in the alternatives list opens the criterion sheet"
    click '^        item 0: "a1" '
    keys ctrl+a
    expect 20 '^#32770 "Properties of the Criterion" ' >/dev/null
    keys Escape
    expect_gone 10 '^#32770 "Properties of the Criterion" '
    # the added alternative is left unsaved
    keys alt+f n
    ANSWER=n message_box "Do you want to save file '.*'\\?"
    end_program
}

# pane_lines: the dump lines of the three docked panes (their places and sizes).
pane_lines() { inspect dump | grep -E '^    AfxControlBar42s "(Alternatives|Reference Set|Criteria) Window" id=10[0-2] '; }

# preview_of TITLE-REGEX: Print Preview of that document window; waits for the preview's bar.
preview_of() {
    activate "$1"
    keys alt+f v
    expect 20 '^    Button "&Close" ' >/dev/null
}

# close_preview: the preview's Close button; waits until the bar is gone.
close_preview() {
    click '^    Button "&Close" '
    expect_gone 10 '^    Button "&Close" '
}

road_preview() {
    print_server_ready
    fresh_settings
    local project
    project=$(data e2e/hand_built.zex)
    start_program "$(winpath "$project")"
    splash_gone

    step "solved, the result windows tiled"
    keys F5
    expect_solved
    keys alt+w t
    local panes
    panes=$(pane_lines)
    [ "$(wc -l <<<"$panes")" -eq 3 ] || fail "three panes expected: $panes"

    step "two previews of the comparison matrix closed: every pane has its place and size back"
    local round pane
    for round in 1 2; do
        preview_of 'Alternatives comparison matrix'
        close_preview
        while IFS= read -r pane; do
            expect 10 "^$(literal "$pane")\$" >/dev/null
        done <<<"$panes"
    done

    step "the ranking chart's preview has one page: Next Page and Prev Page stay grey"
    preview_of 'Final Ranking worked out with ZEK MD'
    expect 10 '^    Button "&Next Page" id=[0-9]+ .*\[disabled\]$' '^    Button "Pre&v Page" id=[0-9]+ .*\[disabled\]$' >/dev/null

    step "its Print button prints what it showed: one page"
    rm -f "$ONDRIX_PRINT_OUT"
    click '^    Button "&Print\.\.\." '
    expect 20 '^#32770 "Print" ' '^  +Static "CUPS:Ondrix_PDF" ' >/dev/null
    keys Return
    expect_gone 20 '^#32770 "Print" '
    printed ranking
    [ "$(pdf_pages "$OUT/ranking.pdf")" -eq 1 ] || fail "the ranking printed on $(pdf_pages "$OUT/ranking.pdf") pages"
    while IFS= read -r pane; do
        expect 10 "^$(literal "$pane")\$" >/dev/null
    done <<<"$panes"
    end_program
}
