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

# mark_spans TITLE-REGEX COLOUR: the marks of colour RRGGBB in that view, from left to right, as
# "LEFT RIGHT" of their columns; points further apart than 3 pixels across belong to different marks.
mark_spans() {
    points_of "$1" "$2" | sort -n -k1,1 | awk '
        n && $1 > last + 3 { print first, last; n = 0 }
        { if (!n) first = $1; n++; last = $1 }
        END { if (n) print first, last }'
}

# whole_breakpoints TITLE-REGEX COUNT: the value chart in that window shows COUNT round markers of the
# points' colour (red), each 11 points across (a marker's 5 points each side of its middle), and
# each marker's range bar (green), where it has one, 10 points across; SEEN tells what was seen.
whole_breakpoints() {
    local spans bars left right middle columns n=0
    spans=$(mark_spans "$1" ff0000)
    bars=$(points_of "$1" 00c000)
    SEEN="$1: markers at"
    while read -r left right; do
        [ -n "$left" ] || continue
        middle=$(((left + right) / 2))
        columns=$(awk -v l=$((middle - 6)) -v r=$((middle + 6)) '$1 >= l && $1 <= r { print $1 }' <<<"$bars" | sort -un | wc -l)
        SEEN="$SEEN [$left..$right, bar $columns across]"
        [ $((right - left + 1)) -eq 11 ] && { [ "$columns" -eq 0 ] || [ "$columns" -eq 10 ]; } || return 1
        n=$((n + 1))
    done <<<"$spans"
    [ "$n" -eq "$2" ]
}

# ranking_name_gap: the points between the ink of the ranking chart's names and its boxes (the left end
# of the longest black line across a row), on the rows below the scale's labels; -1 when none shows.
ranking_name_gap() {
    local l t w h points x0 last
    read -r l t w h <<<"$(geometry "$(view_of 'Final Ranking worked out with ZEK MD')")"
    points=$(inspect pixels "$l" "$t" "$w" "$h" 000000) || fail "could not read the screen"
    x0=$(awk '{print $2, $1}' <<<"$points" | sort -n -k1,1 -k2,2 | awk '
        $1 != row || $2 != last + 1 { if (len > best) { best = len; start = first } first = $2; len = 0; row = $1 }
        { len++; last = $2 }
        END { if (len > best) start = first; print start + 0 }')
    last=$(awk -v x0="$x0" -v top=$((t + 25)) '$2 >= top && $1 < x0 && $1 > max { max = $1 } END { print max + 0 }' <<<"$points")
    [ "$x0" -gt 0 ] && [ "$last" -gt 0 ] && echo $((x0 - last - 1)) || echo -1
}

road_result_charts() {
    open_ranked_pair_value_charts

    step "every breakpoint of both value charts is drawn whole, the first and the last too"
    eventually 10 "a breakpoint is cut" whole_breakpoints c 3
    eventually 10 "a breakpoint is cut" whole_breakpoints g 3

    step "the ranking chart's names keep a gap of at least 3 points before the boxes"
    gap_kept() {
        local gap
        gap=$(ranking_name_gap)
        SEEN="a gap of $gap points"
        [ "$gap" -ge 3 ]
    }
    eventually 10 "a name touches its bar" gap_kept
    end_program
}

# pane_project FILE ALTERNATIVES CRITERIA: a project of that many alternatives ("alt01"...) on that
# many gain criteria ("crit01"...), written into FILE.
pane_project() {
    {
        printf '<DATA>\n  <ATTRIBUTES>\n'
        local i k
        for k in $(seq "$3"); do
            printf '    <ATTRIBUTE AttrID="crit%02d">\n      <SEGMENTS Value="2"/>\n      <TYPE Value="Numeric"/>\n' "$k"
            printf '      <ROLE Value="Condition"/>\n      <CRITERION Value="Gain"/>\n    </ATTRIBUTE>\n'
        done
        printf '  </ATTRIBUTES>\n  <OBJECTS>\n'
        for i in $(seq "$2"); do
            printf '    <OBJECT ObjID="alt%02d">\n' "$i"
            for k in $(seq "$3"); do
                printf '      <VALUE AttrID="crit%02d" Value="%d"/>\n' "$k" $(((i * k) % 7))
            done
            printf '    </OBJECT>\n'
        done
        printf '  </OBJECTS>\n</DATA>\n'
    } >"$1"
}

# list_fits ID SCROLLED: the pane list with control id ID shows no horizontal scroll bar (its client
# area is its window less the two-point edges, in height), a vertical one when SCROLLED is 1 and none
# when 0, and, for a list of one column with items, its first item's label ends at the client area's
# right edge (the column fills it); SEEN tells what was seen.
list_fits() {
    local dump list item l t w h cl ct cw ch il it iw ih
    dump=$(inspect dump)
    list=$(grep -m1 -E "^      SysListView32 \"\" id=$1 " <<<"$dump")
    item=$(grep -m1 -A1 -E "^      SysListView32 \"\" id=$1 " <<<"$dump" | grep -E '^        item 0: ')
    SEEN="list $1: $list; first item: $item"
    [[ "$list" == *" client="* ]] || return 1
    read -r l t w h <<<"$(geometry "$list")"
    read -r cl ct cw ch <<<"$(client_of "$list")"
    [ $((h - ch)) -eq 4 ] || return 1
    if [ "$2" -eq 1 ]; then [ $((w - cw)) -gt 4 ] || return 1; else [ $((w - cw)) -eq 4 ] || return 1; fi
    # (columns stand in quotes one after another)
    [ -n "$item" ] && [[ "$item" != *'" "'* ]] || return 0
    read -r il it iw ih <<<"$(geometry "$item")"
    [ $((il + iw)) -eq $((cl + cw)) ]
}

road_pane_lists() {
    fresh_settings
    pane_project "$OUT/many.zex" 40 12
    pane_project "$OUT/few.zex" 3 2

    step "a project of 40 alternatives on 12 criteria: both lists scroll down, not across"
    start_program "$(winpath "$OUT/many.zex")"
    splash_gone
    expect 10 '^        item 39: "alt40"' '^        item 11: "crit12"' >/dev/null
    eventually 10 "the alternatives list shows a needless scroll bar" list_fits 202 1
    eventually 10 "the criteria list shows a needless scroll bar" list_fits 221 1

    step "the panes widened by the edge of their dock: the lists follow, still without a horizontal bar"
    local l t w h
    read -r l t w h <<<"$(geometry "$(expect 10 '^  AfxControlBar42s "[^"]*" id=59420 ' | head -1)")"
    drag_to $((l + w - 4)) $((t + h / 2)) $((l + w + 66)) $((t + h / 2))
    expect 10 '^  AfxControlBar42s "[^"]*" id=59420 at=-?[0-9]+,-?[0-9]+,2[5-9][0-9]x' >/dev/null
    eventually 10 "the alternatives list does not follow its width" list_fits 202 1
    eventually 10 "the criteria list does not follow its width" list_fits 221 1

    step "a project of 3 alternatives on 2 criteria: the lists lose the vertical bar, the last columns fill them"
    open_through_dialog "$OUT/few.zex"
    expect 10 '^        item 2: "alt03"' '^        item 1: "crit02"' >/dev/null
    expect_gone 10 '^        item 3: "alt04"'
    eventually 10 "the alternatives list does not fill its width" list_fits 202 0
    eventually 10 "the criteria list does not fill its width" list_fits 221 0

    end_program
}
