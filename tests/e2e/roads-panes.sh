# Roads of the docked panes: their places and sizes as they are hidden and shown again (sourced by
# roads.sh, which holds the driver and the helpers used here).

# pane_title N: the title of pane N without " Window" (1 alternatives, 2 reference set, 3 criteria:
# the order of their keys Alt+1 to Alt+3 and of the View menu).
pane_title() {
    local titles=(Alternatives "Reference Set" Criteria)
    echo "${titles[$1 - 1]}"
}

# toggle_pane HOW N: hides or shows pane N with its key Alt+N (HOW key) or from the View menu (HOW
# menu), and waits until it has gone or come back.
toggle_pane() {
    local pattern menu=(a r c)
    pattern="^    AfxControlBar42s \"$(pane_title "$2") Window\" id=10[0-2] .*\\[hidden\\]"
    local was_hidden=0
    inspect dump | grep -qE "$pattern" && was_hidden=1
    if [ "$1" = key ]; then keys "alt+$2"; else keys alt+v "${menu[$2 - 1]}"; fi
    if [ "$was_hidden" -eq 1 ]; then
        expect_gone 10 "$pattern"
    else
        expect 10 "$pattern" >/dev/null
    fi
}

# panes_as LINES: the three panes' dump lines (pane_lines) are LINES: each pane has that place and
# size; SEEN shows their heights.
panes_as() {
    SEEN=$(pane_heights | tr '\n' ' ')
    [ "$(pane_lines)" = "$1" ]
}

# hide_and_show "HOW N ..." "HOW N ...": the panes of the first list hidden one after another, then
# those of the second shown one after another (toggle_pane's HOW N pairs); then each pane has its
# place and size of PANES again.
hide_and_show() {
    local -a hides=($1) shows=($2)
    local i
    for ((i = 0; i < ${#hides[@]}; i += 2)); do toggle_pane "${hides[i]}" "${hides[i + 1]}"; done
    for ((i = 0; i < ${#shows[@]}; i += 2)); do toggle_pane "${shows[i]}" "${shows[i + 1]}"; done
    eventually 10 "hidden ($1) and shown ($2), the panes are not as they were: $(tr '\n' ' ' <<<"$PANES")" panes_as "$PANES"
}

road_pane_sizes() {
    fresh_settings
    local project
    project=$(data e2e/hand_built.zex)
    start_program "$(winpath "$project")"
    splash_gone
    PANES=$(pane_lines)
    [ "$(wc -l <<<"$PANES")" -eq 3 ] || fail "three panes expected: $PANES"

    step "the three panes hidden with Alt+1, Alt+2, Alt+3 and shown again in the same order"
    hide_and_show "key 1 key 2 key 3" "key 1 key 2 key 3"

    step "from the View menu: hidden as criteria, alternatives, reference set; shown as reference set, criteria, alternatives"
    hide_and_show "menu 3 menu 1 menu 2" "menu 2 menu 3 menu 1"

    step "two of them, the keys and the menu mixed; then one from the menu"
    hide_and_show "key 2 menu 3" "key 3 menu 2"
    hide_and_show "menu 1" "menu 1"

    inspect shot "$OUT/shown.bmp" >/dev/null
    end_program
}

road_pane_sizes_dragged() {
    fresh_settings
    local project
    project=$(data e2e/hand_built.zex)
    start_program "$(winpath "$project")"
    splash_gone

    step "the splitter under the alternatives dragged 40 points down: the new sizes come back the same ways"
    local l t w h
    read -r l t w h <<<"$(geometry "$(pane_line Alternatives)")"
    local old=$h
    # the splitter is the 6 points below the pane
    drag_to $((l + w / 2)) $((t + h + 3)) $((l + w / 2)) $((t + h + 43))
    read -r l t w h <<<"$(geometry "$(pane_line Alternatives)")"
    [ $((h - old)) -ge 38 ] && [ $((h - old)) -le 42 ] || fail "the drag made the alternatives pane $h high, from $old"
    PANES=$(pane_lines)
    hide_and_show "key 1 key 3" "key 3 key 1"
    hide_and_show "key 3 menu 1 key 2" "key 2 key 1 menu 3"
    hide_and_show "menu 2 key 1 key 3" "key 1 key 2 key 3"
    inspect shot "$OUT/shown.bmp" >/dev/null
    end_program
}

road_pane_sizes_preview() {
    print_server_ready
    fresh_settings
    local project
    project=$(data e2e/hand_built.zex)
    start_program "$(winpath "$project")"
    splash_gone

    step "solved, the result windows tiled, the splitter under the reference set dragged 30 points up"
    keys F5
    expect_result_windows
    keys alt+w t
    local l t w h
    read -r l t w h <<<"$(geometry "$(pane_line 'Reference Set')")"
    drag_to $((l + w / 2)) $((t + h + 3)) $((l + w / 2)) $((t + h - 27))
    PANES=$(pane_lines)
    [ "$(wc -l <<<"$PANES")" -eq 3 ] || fail "three panes expected: $PANES"

    step "two panes hidden, a print preview opened and closed, the two shown again: every pane as it was"
    toggle_pane key 1
    toggle_pane menu 3
    preview_of 'Alternatives comparison matrix'
    close_preview
    hide_and_show "" "key 3 key 1"

    step "all three hidden, a preview opened and closed, all three shown: every pane as it was"
    toggle_pane key 2
    toggle_pane key 3
    toggle_pane key 1
    preview_of 'Alternatives comparison matrix'
    close_preview
    hide_and_show "" "menu 2 key 1 key 3"
    inspect shot "$OUT/shown.bmp" >/dev/null
    end_program
}
