# Roads of the panes' context menus opened from the keyboard and of the panes' buttons (sourced by
# roads.sh, which holds the driver and the helpers used here).

# menu_below LINE: the open popup menu's top-left corner stands at the left of the dump line's item
# rectangle and within a few points of its bottom.
menu_below() {
    local l t w h ml mt mw mh
    read -r l t w h <<<"$(geometry "$1")"
    read -r ml mt mw mh <<<"$(geometry "$(expect 10 '^#32768 ' | head -1)")"
    SEEN="menu at $ml,$mt, item at $l,$t ${w}x$h"
    [ $((ml - l)) -ge -2 ] && [ $((ml - l)) -le 2 ] && [ $((mt - t - h)) -ge -3 ] && [ $((mt - t - h)) -le 3 ]
}

road_keyboard_menus() {
    start_hand_built
    expect 10 '^        item 3: "a4"' >/dev/null

    step "Tab twice to the alternatives list, Home, Shift+F10: the context menu opens below a1"
    keys Tab Tab Home shift+F10
    eventually 10 "the menu is not below a1" menu_below "$(expect 10 '^        item 0: "a1" .*\[selected\]' | head -1)"
    shot list_menu
    keys Escape
    expect_gone 10 '^#32768 '

    step "Tab to the reference tree, Shift+F10: its context menu opens, the menu bar is not armed"
    keys Tab shift+F10
    expect 10 '^#32768 ' >/dev/null
    SEEN=$(inspect focus)
    grep -q '^mode: menu' <<<"$SEEN" || fail "no menu takes the keys: $SEEN"
    shot tree_menu
    keys Escape
    expect_gone 10 '^#32768 '
    step "Home selects Rank 1, the menu key: the menu opens below it"
    keys Home Menu
    eventually 10 "the menu is not below Rank 1" menu_below "$(expect 10 '^        node 0: "Rank 1"' | head -1)"
    keys Escape
    expect_gone 10 '^#32768 '

    step "a1 selected again (its remove button enabled), File > New: every remove button is grey"
    keys shift+Tab Home
    expect 10 '^      Button "" id=204 at=[^[]*$' >/dev/null
    keys alt+f n
    expect_gone 10 '^        item 0: '
    expect 10 '^      Button "" id=204 .*\[disabled\]' '^      Button "" id=212 .*\[disabled\]' \
        '^      Button "" id=223 .*\[disabled\]' >/dev/null
    end_program
}
