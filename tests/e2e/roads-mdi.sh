# Roads of the document windows inside the main window: their titles in every state. Sourced by
# roads.sh.

# minimise_window TITLE: the document window of that title minimised by a click on its minimise box,
# the third box from the right of its caption.
minimise_window() {
    local l t w h size
    read -r l t w h <<<"$(geometry "$(expect 10 "^    [^ ]+ \"$1\" " | head -1)")"
    size=18
    xdotool mousemove $((l + w - 4 - 2 * size - size / 2)) $((t + 4 + size / 2)) click 1 ||
        fail "xdotool could not click"
    expect 10 "^    [^ ]+ \"$1\" .*\[minimized\]" >/dev/null
}

road_mdi_windows() {
    fresh_settings
    start_program "$(winpath "$(data app/ranked_pair_gain_cost.zex)")"
    splash_gone

    step "the main window maximised, solved and its windows tiled"
    keys alt+space
    expect 10 '^#32768 ' >/dev/null
    keys x
    expect_gone 10 '^#32768 '
    keys F5
    expect_solved
    keys alt+w t

    step "two result windows minimised keep their titles as their icons' labels"
    minimise_window 'Final Ranking worked out with ZEK MD'
    minimise_window 'Alternatives comparison matrix'
    titled_icons() {
        local icons
        icons=$(inspect dump | grep -E '^    [^ ]+ "[^"]*" .*\[minimized\]')
        SEEN="the icons: $icons"
        [ "$(grep -c . <<<"$icons")" -eq 2 ] && ! grep -q '^    [^ ]* "" ' <<<"$icons"
    }
    eventually 10 "a minimised window lost its title" titled_icons
    end_program
}
