# Roads of the keys that end dialogs whatever control has the focus, of the grey menu items and of
# the class library's texts in Polish (sourced by roads.sh, which holds the driver and the helpers).

# sys_color NAME: the system colour NAME of the test prefix (its registry) as RRGGBB.
sys_color() {
    "$WINE64" reg query 'HKCU\Control Panel\Colors' /v "$1" 2>/dev/null | tr -d '\r' |
        awk -v name="$1" '$1 == name { printf "%02x%02x%02x\n", $3, $4, $5 }'
}

# first_item_grey: the open popup menu's first item, highlighted, shows its text in the system's grey
# text colour and nothing in the highlight text's colour (the look of an enabled item); SEEN tells
# what was seen.
first_item_grey() {
    local l t w h grey bright
    read -r l t w h <<<"$(geometry "$(expect 10 '^#32768 ' | head -1)")"
    # inside the popup's border and the item's edges: the highlighted row of the first item
    grey=$(inspect pixels $((l + 4)) $((t + 4)) $((w - 8)) 16 "$(sys_color GrayText)" | wc -l)
    bright=$(inspect pixels $((l + 4)) $((t + 4)) $((w - 8)) 16 "$(sys_color HilightText)" | wc -l)
    SEEN="$grey points of the grey text colour, $bright of the highlight text colour"
    [ "$grey" -gt 10 ] && [ "$bright" -eq 0 ]
}

# The keyboard ends every dialog from any of its controls: Escape from a multi-line box and from the
# Values page's box, Alt+F4 from the rank dialog's list and from the system's print dialog; and the
# grey Undo of an untouched grid, highlighted as the Edit menu opens, looks grey.
road_dialog_close_keys() {
    print_server_ready
    start_hand_built
    expect 10 '^        item 3: "a4"' >/dev/null

    step "the alternative's sheet: Tab to the description, typed into with a new line, Escape closes the sheet"
    click '^        item 0: "a1" '
    keys shift+F10 p
    local described
    described=$(expect 20 '^#32770 "Properties of the Alternative" ' '^    Edit ".*" id=1003 ' | grep ' id=1003 ')
    keys Tab
    type_text "cheap"
    keys Return
    type_text "good"
    expect_not "^$(literal "$described")\$"
    keys Escape
    expect_gone 10 '^#32770 "Properties of the Alternative" '

    step "the sheet again: the description is as it was; Escape from the name closes it"
    keys shift+F10 p
    expect 20 '^#32770 "Properties of the Alternative" ' "^$(literal "$described")\$" >/dev/null
    keys Escape
    expect_gone 10 '^#32770 "Properties of the Alternative" '

    step "a new ordinal criterion: on its Values page a value typed, Escape closes the sheet without it"
    keys ctrl+a
    expect 20 '^#32770 "Properties of the Criterion" ' >/dev/null
    type_text comfort
    keys Tab Tab Down Down ctrl+Tab
    expect 10 '^    Edit "" id=235 ' >/dev/null
    type_text low
    expect 10 '^    Edit "low" id=235 ' >/dev/null
    keys Escape
    expect_gone 10 '^#32770 "Properties of the Criterion" '
    expect_not '^        item [0-9]+: "comfort"'

    step "three ranks more; the rank dialog: Alt+F4 in its Rank number list closes it"
    keys ctrl+alt+a ctrl+alt+a ctrl+alt+a
    expect 10 '^        node 0: "Rank 5"' >/dev/null
    click '^        item 0: "a1" '
    keys shift+F10 a o
    expect 20 '^#32770 "Add Alternative To Ranking" ' >/dev/null
    keys alt+F4
    expect_gone 10 '^#32770 "Add Alternative To Ranking" '

    step "the evaluations grid untouched, Alt+E: the Edit menu's grey Undo is highlighted grey"
    keys alt+4
    view_of 'Evaluations of Alternatives' >/dev/null
    keys alt+e
    eventually 10 "the highlighted Undo is not drawn grey" first_item_grey
    shot grey_undo
    keys Escape Escape
    expect_gone 10 '^#32768 '

    step "the print dialog: Alt+F4 in its first control closes it, and nothing is printed"
    rm -f "$ONDRIX_PRINT_OUT"
    keys ctrl+p
    expect 20 '^#32770 "Print" ' '^  +Static "CUPS:Ondrix_PDF" ' >/dev/null
    keys alt+F4
    expect_gone 10 '^#32770 "Print" '
    sleep 1
    [ ! -e "$ONDRIX_PRINT_OUT" ] || fail "the print dialog printed"

    # (empty ranks leave the project unmodified: the program ends without a question)
    end_program
}

# The class library's texts in Polish: the grey Undo, the print preview's bar, the dialogs' checks.
road_polish_library_texts() {
    step "a Polish start with the project, under the Windows-1250 code page"
    export LANG=pl_PL.UTF-8 LC_ALL=pl_PL.UTF-8
    fresh_settings
    start_program
    end_program
    set_setting language 1
    PROJECT=$(data e2e/hand_built.zex)
    start_program "$(winpath "$PROJECT")"
    splash_gone
    expect 10 '^        item 3: "a4"' >/dev/null

    step "the evaluations grid untouched, Alt+E: Cofnij is highlighted grey"
    keys alt+4
    view_of 'Oceny wariant.w' >/dev/null
    keys alt+e
    eventually 10 "the highlighted Cofnij is not drawn grey" first_item_grey
    shot polish_grey_undo
    keys Escape Escape
    expect_gone 10 '^#32768 '

    step "the print preview's bar in Polish, within the window; Alt+W shows one page, Alt+Z closes it"
    keys alt+p p
    local close l t w h ml mt mw mh
    close=$(expect 20 '^    Button "&Drukuj\.\.\." ' '^    Button "&Nast.pna strona" ' '^    Button "&Poprzednia strona" ' \
        '^    Button "D&wie strony" ' '^    Button "Pow&i.ksz" ' '^    Button "Po&mniejsz" ' '^    Button "&Zamknij" ' |
        grep '"&Zamknij"')
    read -r l t w h <<<"$(geometry "$close")"
    read -r ml mt mw mh <<<"$(geometry "$(main_window)")"
    [ $((l + w)) -le $((ml + mw)) ] || fail "Zamknij stands past the window's right edge: $close"
    shot polish_preview
    keys alt+w
    expect 10 '^    Button "&Jedna strona" ' >/dev/null
    keys alt+z
    expect_gone 10 '^    Button "&Zamknij" '

    step "Options: a delta that is no number is refused with the Polish check"
    keys alt+o o
    expect 20 '^#32770 "Opcje" ' >/dev/null
    keys ctrl+a
    type_text abc
    keys Return
    message_box "Prosz. poda. liczb.\."
    keys Escape
    expect_gone 10 '^#32770 "Opcje" '
    end_program
}
