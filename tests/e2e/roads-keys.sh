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
    start_hand_built
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

    step "Alt+Backspace undoes the last typing in the box, not the main window's last edit"
    keys ctrl+a
    type_text omega
    name_box_is omega
    keys alt+BackSpace
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

# shot NAME: the screen as NAME.bmp in the road's output folder, for the eyes.
shot() { inspect shot "$OUT/$1.bmp" >/dev/null || fail "no screenshot $1"; }

# The keyboard alone through the program's dialogs and sheets: each is opened by keys, Tab and
# Shift+Tab move through all its controls and buttons, Space presses the button reached.
road_dialog_keys() {
    start_hand_built
    expect 10 '^        item 3: "a4"' >/dev/null

    step "Tab twice to the alternatives list, Home, the context menu's Properties: the alternative's sheet"
    keys Tab Tab Home shift+F10 p
    expect 20 '^#32770 "Properties of the Alternative" ' '^    Edit "a1" id=1000 ' >/dev/null

    step "Tab to the description, typed into; Tab on to OK and Space presses it"
    keys Tab
    type_text "cheap"
    expect 10 '^    Edit "cheap" id=1003 ' >/dev/null
    shot alternative_sheet
    keys Tab space
    expect_gone 10 '^#32770 "Properties of the Alternative" '

    step "the sheet again: Shift+Tab goes back through Cancel, OK and the description to the name"
    keys shift+F10 p
    expect 20 '^#32770 "Properties of the Alternative" ' '^    Edit "cheap" id=1003 ' >/dev/null
    # from the name: the tab, Cancel, OK, the description, the name again, then the tab and Cancel
    keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
    expect_gone 10 '^#32770 "Properties of the Alternative" '

    step "Ctrl+A: a new criterion, typed, made ordinal with the arrows in its kind"
    keys ctrl+a
    expect 20 '^#32770 "Properties of the Criterion" ' >/dev/null
    type_text comfort
    keys Tab Tab Down Down
    # the ordinal value count stands in the segments list's place
    expect 10 '^    ComboBox "" id=1012 .*\[hidden\]' '^    Static "0" id=1014 ' >/dev/null

    step "Ctrl+Tab to the Values page: two values typed, each added with Return"
    keys ctrl+Tab
    expect 10 '^    Edit "" id=235 ' >/dev/null
    type_text low
    keys Return
    type_text high
    keys Return
    expect 10 '^      item 1: "high" "2"' >/dev/null

    step "Tab to the list, Home, Tab past add to remove, up and down: Space on down moves low below high"
    keys Tab Home Tab Tab Tab space
    expect 10 '^      item 0: "high" "1"' '^      item 1: "low" "2"' >/dev/null
    shot criterion_values_page

    step "Shift+Tab twice to remove, Space: the question, Return, low is gone"
    keys shift+Tab shift+Tab space
    expect 20 '^#32770 "Ondrix" ' "^  Static \"Do you want to remove selected value: 'low' \\?\"" >/dev/null
    shot criterion_remove_question
    keys Return
    expect_gone 10 '^#32770 "Ondrix" '
    expect_gone 10 '^      item [0-9]+: "low"'
    expect 10 '^      item 0: "high" "1"' >/dev/null

    step "Escape leaves the sheet without a criterion"
    keys Escape
    expect_gone 10 '^#32770 "Properties of the Criterion" '
    expect_not '^        item [0-9]+: "comfort"'

    step "Calculate > Options: Tab through delta, epsilon and OK to Cancel, Space closes it"
    keys alt+c o
    expect 20 '^#32770 "Options" ' >/dev/null
    shot options_dialog
    keys Tab Tab Tab space
    expect_gone 10 '^#32770 "Options" '

    step "three ranks added with Ctrl+Alt+A: with five, the list's context menu offers Add to Other"
    keys ctrl+alt+a ctrl+alt+a ctrl+alt+a
    expect 10 '^        node 0: "Rank 5"' >/dev/null

    step "the list again (Tab round the panes), Home, the context menu's Add to Other: the rank dialog"
    keys Tab Tab Tab Tab Home shift+F10 a o
    expect 20 '^#32770 "Add Alternative To Ranking" ' >/dev/null
    shot rank_dialog
    keys Tab Tab space
    expect_gone 10 '^#32770 "Add Alternative To Ranking" '

    step "Tab to the reference tree, its context menu's Define Credibility: the credibility dialog"
    keys Tab Menu c
    expect 20 '^#32770 "Credibility options" ' >/dev/null

    step "the first high-credibility alternative chosen with Down, Tab to -->, Space moves it"
    keys Down Tab space
    # each of the two lists holds one of the two alternatives of the reference ranking
    expect_gone 10 '^    item 1: '
    [ "$(inspect dump | grep -c '^    item 0: ')" -eq 2 ] || fail "no alternative moved to the low-credibility list"
    shot credibility_dialog
    keys Escape
    expect_gone 10 '^#32770 "Credibility options" '
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
    start_hand_built

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
