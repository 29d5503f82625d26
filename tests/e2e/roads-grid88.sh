# Roads of the evaluations grid's undo, of the mouse wheel over the document windows and of the
# ordinal drop-down, sourced by roads.sh (see drive.sh for the driver).

# saved_value FILE ALTERNATIVE CRITERION: the value the project file holds for that evaluation.
saved_value() {
    awk -v object="$2" -v attribute="$3" '
        /<OBJECT / { inside = index($0, "ObjID=\"" object "\"") > 0 }
        inside && index($0, "AttrID=\"" attribute "\"") { sub(/.* Value="/, ""); sub(/".*/, ""); print; exit }' "$1"
}

# saved_evaluations FILE EXPECTED: Ctrl+S, then the weights of A1 and A2 in the saved FILE, joined by a
# blank, are EXPECTED.
saved_evaluations() {
    # Open comes up once the save before it is done
    keys ctrl+s ctrl+o
    expect 20 '^#32770 "Open" ' >/dev/null
    keys Escape
    expect_gone 10 '^#32770 "Open" '
    expect_text "$(saved_value "$1" A1 w) $(saved_value "$1" A2 w)" "$2"
}

road_grid_undo() {
    fresh_settings
    local project
    project=$(data model/xml/good/size_and_weight.zex)
    start_program "$(winpath "$project")"
    splash_gone
    keys alt+4
    expect_text "$(grid_cells 'Evaluations of Alternatives')" "$(printf 'big\t2.5\r\nsmall\t10\r\n')"

    step "999 typed over A1's weight and Enter, then one Ctrl+Z: the old value is back"
    keys ctrl+Home Right
    type_text 999
    keys Return
    expect_text "$(grid_cells 'Evaluations of Alternatives')" "$(printf 'big\t999\r\nsmall\t10\r\n')"
    keys ctrl+Home Right ctrl+z
    expect_text "$(grid_cells 'Evaluations of Alternatives')" "$(printf 'big\t2.5\r\nsmall\t10\r\n')"

    step "Ctrl+R makes the entry again, Ctrl+Z takes it back again"
    keys ctrl+r
    expect_text "$(grid_cells 'Evaluations of Alternatives')" "$(printf 'big\t999\r\nsmall\t10\r\n')"
    keys ctrl+z
    expect_text "$(grid_cells 'Evaluations of Alternatives')" "$(printf 'big\t2.5\r\nsmall\t10\r\n')"

    step "A2's weight cleared with Delete and Enter: the project saved holds it cleared"
    keys ctrl+Home Right Down Delete Return
    expect_text "$(grid_cells 'Evaluations of Alternatives')" "$(printf 'big\t2.5\r\nsmall\t\r\n')"
    saved_evaluations "$project" "2.5 "

    step "Ctrl+Z: the value is back in the grid and in the project saved"
    keys ctrl+Home Right Down ctrl+z
    expect_text "$(grid_cells 'Evaluations of Alternatives')" "$(printf 'big\t2.5\r\nsmall\t10\r\n')"
    saved_evaluations "$project" "2.5 10"

    step "Ctrl+R clears it again, in the grid and in the project saved"
    keys ctrl+Home ctrl+r
    expect_text "$(grid_cells 'Evaluations of Alternatives')" "$(printf 'big\t2.5\r\nsmall\t\r\n')"
    saved_evaluations "$project" "2.5 "
    end_program
}
