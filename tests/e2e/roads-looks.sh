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
    fresh_settings
    local project
    project=$(data app/ranked_pair_gain_cost.zex)
    start_program "$(winpath "$project")"
    splash_gone

    step "solved, then the value charts opened from the View menu"
    keys F5
    expect_result_windows
    keys alt+v m
    expect 20 '^    [^ ]+ "c" ' '^    [^ ]+ "g" ' >/dev/null

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
