# Roads of the evaluations grid's undo, of the mouse wheel over the document windows and of the
# ordinal drop-down, sourced by roads.sh (see drive.sh for the driver).

# saved_value FILE ALTERNATIVE CRITERION: the value the project file holds for that evaluation.
saved_value() {
    awk -v object="$2" -v attribute="$3" '
        /<OBJECT / { inside = index($0, "ObjID=\"" object "\"") > 0 }
        inside && index($0, "AttrID=\"" attribute "\"") { sub(/.* Value="/, ""); sub(/".*/, ""); print; exit }' "$1"
}

# copied TITLE-REGEX: the cells of that grid as grid_cells copies them; then Escape takes the selection
# of every cell away again, so that the next copy's click on the corner selects them at once.
copied() {
    grid_cells "$1"
    keys Escape
}

# saved_evaluations FILE EXPECTED: Ctrl+S, then the weights of A1 and A2 in the saved FILE, joined by a
# blank, are EXPECTED.
saved_evaluations() {
    save_then_open
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
    expect_text "$(copied 'Evaluations of Alternatives')" "$(printf 'big\t2.5\r\nsmall\t10\r\n')"

    step "999 typed over A1's weight and Enter, then one Ctrl+Z: the old value is back"
    keys ctrl+Home Right
    type_text 999
    keys Return
    expect_text "$(copied 'Evaluations of Alternatives')" "$(printf 'big\t999\r\nsmall\t10\r\n')"
    keys ctrl+Home Right ctrl+z
    expect_text "$(copied 'Evaluations of Alternatives')" "$(printf 'big\t2.5\r\nsmall\t10\r\n')"

    step "Ctrl+R makes the entry again, Ctrl+Z takes it back again"
    keys ctrl+r
    expect_text "$(copied 'Evaluations of Alternatives')" "$(printf 'big\t999\r\nsmall\t10\r\n')"
    keys ctrl+z
    expect_text "$(copied 'Evaluations of Alternatives')" "$(printf 'big\t2.5\r\nsmall\t10\r\n')"

    step "A2's weight cleared with Delete and Enter: the project saved holds it cleared"
    keys ctrl+Home Right Down Delete Return
    expect_text "$(copied 'Evaluations of Alternatives')" "$(printf 'big\t2.5\r\nsmall\t\r\n')"
    saved_evaluations "$project" "2.5 "

    step "Ctrl+Z: the value is back in the grid and in the project saved"
    keys ctrl+Home Right Down ctrl+z
    expect_text "$(copied 'Evaluations of Alternatives')" "$(printf 'big\t2.5\r\nsmall\t10\r\n')"
    saved_evaluations "$project" "2.5 10"

    step "Ctrl+R clears it again, in the grid and in the project saved"
    keys ctrl+Home ctrl+r
    expect_text "$(copied 'Evaluations of Alternatives')" "$(printf 'big\t2.5\r\nsmall\t\r\n')"
    saved_evaluations "$project" "2.5 "
    end_program
}

# shifted_up TITLE-REGEX BEFORE PIXELS: the black points of that view (its names, lines and labels)
# are the points BEFORE moved up by PIXELS, over the band of the view that shows them both times.
shifted_up() {
    local l t w h
    read -r l t w h <<<"$(geometry "$(view_of "$1")")"
    SEEN="$(points_of "$1" 000000 | wc -l) black points"
    awk -v d="$3" -v low=$((t + 4)) -v high=$((t + h - $3 - 4)) '
        FNR == NR { if ($2 - d >= low && $2 - d <= high) want[$1 " " ($2 - d)] = 1; next }
        $2 >= low && $2 <= high { if (!($0 in want)) exit 1; seen[$0] = 1 }
        END { for (p in want) if (!(p in seen)) exit 1 }' <(echo "$2") <(points_of "$1" 000000)
}

# wheel TITLE-REGEX NOTCHES: the pointer to the middle of that window's view, then the wheel turned
# NOTCHES notches towards the user (down), or away from the user when negative.
wheel() {
    local l t w h button=5 n=$2
    read -r l t w h <<<"$(geometry "$(view_of "$1")")"
    [ "$n" -lt 0 ] && button=4 n=$((-n))
    xdotool mousemove $((l + w / 2)) $((t + h / 2)) sleep 0.2 click --repeat "$n" --delay 100 "$button" ||
        fail "xdotool could not turn the wheel"
}

# view_moved TITLE-REGEX BEFORE: the black points of that view are no longer BEFORE.
view_moved() {
    local now
    now=$(points_of "$1" 000000)
    SEEN="$(wc -l <<<"$now") black points, $(wc -l <<<"$2") before"
    [ "$now" != "$2" ]
}

# view_back TITLE-REGEX BEFORE: the black points of that view are BEFORE again.
view_back() {
    SEEN="$(points_of "$1" 000000 | wc -l) black points, $(wc -l <<<"$2") before"
    [ "$(points_of "$1" 000000)" = "$2" ]
}

# solved_cars: the project of 60 cars started and solved; the result windows open, the graph page
# active.
solved_cars() {
    fresh_settings
    local project=$OUT/cars.zex
    cars_project "$project"
    start_program "$(winpath "$project")"
    splash_gone
    keys F5
    expect_solved
}

road_wheel_results() {
    step "solved: the result windows open, the graph page active"
    solved_cars
    local ranking='Final Ranking worked out with ZEK MD' matrix='Alternatives comparison matrix'
    local before
    drawn() {
        before=$(points_of "$ranking" 0000ff)
        SEEN="$(wc -l <<<"$before") blue points"
        [ -n "$before" ]
    }
    eventually 10 "the ranking chart shows no bars" drawn

    step "the wheel over the ranking chart scrolls it three rows a notch"
    sleep 0.5
    before=$(points_of "$ranking" 000000)
    wheel "$ranking" 1
    eventually 10 "the chart did not move up by three rows" shifted_up "$ranking" "$before" 60

    step "a click on the chart's down arrow scrolls it one row"
    before=$(points_of "$ranking" 000000)
    local l t w h
    read -r l t w h <<<"$(geometry "$(view_of "$ranking")")"
    xdotool mousemove $((l + w - 8)) $((t + h - 8)) click 1 || fail "xdotool could not click"
    eventually 10 "the chart did not move up by one row" shifted_up "$ranking" "$before" 20

    step "the wheel over the comparison matrix scrolls it and leaves its cells"
    local cells
    cells=$(copied "$matrix")
    before=$(points_of "$matrix" 000000)
    wheel "$matrix" 2
    eventually 10 "the matrix did not move" view_moved "$matrix" "$before"
    wheel "$matrix" -2
    eventually 10 "the matrix did not come back" view_back "$matrix" "$before"
    expect_text "$(copied "$matrix")" "$cells"
    end_program
}

road_wheel_grid() {
    step "solved, the evaluations grid opened and the windows tiled: the wheel scrolls the grid"
    solved_cars
    local graphs='Resulting preference graphs worked out with ZEK KTR' evaluations='Evaluations of Alternatives'
    keys alt+4
    expect 20 "^    [^ ]+ \"$evaluations\" " >/dev/null
    keys alt+w t
    sleep 1
    local before
    before=$(points_of "$evaluations" 000000)
    wheel "$evaluations" 1
    eventually 10 "the evaluations grid did not move" view_moved "$evaluations" "$before"
    wheel "$evaluations" -1
    eventually 10 "the evaluations grid did not come back" view_back "$evaluations" "$before"

    step "the wheel over the graph page scrolls it while the grid keeps the focus"
    before=$(points_of "$graphs" 000000)
    wheel "$graphs" 2
    eventually 10 "the graph page did not move" view_moved "$graphs" "$before"
    end_program
}

road_ordinal_list() {
    fresh_settings
    # the size-and-weight project with A2's size not given: its cell is empty, marked green
    local project=$OUT/empty_size.zex
    grep -v 'AttrID="size" Value="small"' "$ONDRIX_TEST_DATA/model/xml/good/size_and_weight.zex" >"$project" ||
        fail "could not write the project"
    start_program "$(winpath "$project")"
    splash_gone
    keys alt+4

    step "a click on the empty green cell opens its list under the column titles"
    local green x y
    shown_green() {
        green=$(points_of 'Evaluations of Alternatives' 80ff80)
        SEEN="$(wc -l <<<"$green") green points"
        [ -n "$green" ]
    }
    eventually 10 "no green cell in the grid" shown_green
    read -r x y <<<"$(awk '{ sx += $1; sy += $2; n++ } END { printf "%d %d\n", sx / n, sy / n }' <<<"$green")"
    xdotool mousemove "$x" "$y" click 1 || fail "xdotool could not click"
    local list titles l t w h
    list=$(expect 10 '^ComboLBox "" id=[0-9]+ at=' | head -1)
    titles=$(expect 10 '^GXWND "" id=0 at=' | head -1)

    step "the open list shows its values on the window's white, not on the cell's green"
    read -r l t w h <<<"$(geometry "$list")"
    [ -n "$(inspect pixels "$l" "$t" "$w" "$h" ffffff)" ] || fail "the list shows no white"
    [ -z "$(inspect pixels "$l" "$t" "$w" "$h" 80ff80)" ] || fail "the list shows the cell's green"
    read -r l t w h <<<"$(geometry "$titles")"
    [ "$(geometry "$list" | cut -d' ' -f2)" -eq $((t + h)) ] || fail "the titles at $titles do not stand over the list at $list"

    step "Escape closes the list and the cell stays empty"
    keys Escape
    expect_gone 10 '^ComboLBox "" id=[0-9]+ at='
    expect_text "$(copied 'Evaluations of Alternatives')" "$(printf 'big\t2.5\r\n\t10\r\n')"

    step "Alt+Down right after a click on the cell shows its list, and so does F4 from the grid"
    xdotool mousemove "$x" "$y" click 1 || fail "xdotool could not click"
    keys alt+Down
    sleep 0.5
    expect 10 '^ComboLBox "" id=[0-9]+ at=' >/dev/null
    keys Escape
    expect_gone 10 '^ComboLBox "" id=[0-9]+ at='
    keys F4
    expect 10 '^ComboLBox "" id=[0-9]+ at=' >/dev/null
    keys Escape
    expect_gone 10 '^ComboLBox "" id=[0-9]+ at='
    end_program
}
