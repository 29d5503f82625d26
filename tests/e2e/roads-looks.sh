# Roads of what the windows look like to a demanding user: Polish letters in the menus, charts drawn
# whole, names kept clear of the bars, lists without a needless scroll bar. Sourced by roads.sh.

road_polish_menus() {
    step "a Polish start under the Windows-1250 code page, with the settings of an earlier run"
    # the program's code page comes from the locale it starts in
    export LANG=pl_PL.UTF-8 LC_ALL=pl_PL.UTF-8
    fresh_settings
    start_program
    end_program
    set_setting language 1
    start_program
    splash_gone

    step "the View menu's first item shows its Polish letters as the system draws them in Unicode"
    # the menu opens with its first item selected: Down selects the next, and the first is drawn plain
    keys alt+w Down
    expect 10 '^#32768 ' >/dev/null
    inspect shows 10 '^#32768 ' menu "Pasek &narzędzi" ||
        fail "the menu does not show \"Pasek narzędzi\" as the system draws it"
    keys Escape Escape
    expect_gone 10 '^#32768 '
    end_program
}
