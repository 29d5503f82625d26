# Roads of the docked panes: their places and sizes as they are hidden and shown again, and the columns
# of the criteria pane's list (sourced by roads.sh, which holds the driver and the helpers used here).

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
    start_hand_built
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
    start_hand_built

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
    start_hand_built

    step "solved, the result windows tiled, the splitter under the reference set dragged 30 points up"
    keys F5
    expect_solved
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

# columns_of ID: "LEFT WIDTH TEXT" of each column of the pane list with control id ID (TEXT: the width
# of its widest text as the list measures it, without margins), a line each, from the first column.
columns_of() {
    inspect dump | LC_ALL=C awk -v list="^      SysListView32 \"\" id=$1 " '
        $0 ~ list { inside = 1; next }
        inside && /^      [^ ]/ { inside = 0 }
        inside && /^          column [0-9]+: / { print }' |
        LC_ALL=C sed -E 's/.* at=(-?[0-9]+),-?[0-9]+,([0-9]+)x[0-9]+ text=([0-9]+).*/\1 \2 \3/'
}

# text_whole ID NAME COLUMN: in the pane list with control id ID, the row of the item named NAME shows
# the text of its column COLUMN (0 or 1) whole: the column is at least the list's margins (12 points)
# wider than its widest text, which must be that item's, and the ink of the text (black points) spans
# within 3 points as much as that text measures; SEEN tells what was seen.
text_whole() {
    local line il it iw ih cl cw ctext points extent
    line=$(inspect dump | LC_ALL=C grep -m1 -A200 "^      SysListView32 \"\" id=$1 " | LC_ALL=C grep -m1 "^        item [0-9]*: \"$2\" ")
    [ -n "$line" ] || { SEEN="no item $2"; return 1; }
    read -r il it iw ih <<<"$(geometry "$line")"
    read -r cl cw ctext <<<"$(columns_of "$1" | sed -n "$(($3 + 1))p")"
    SEEN="column $3 of \"$2\": $cw wide for a text of $ctext"
    [ "$cw" -ge $((ctext + 12)) ] || return 1
    # the first column's text stands in the item's label (right of its image)
    if [ "$3" -eq 0 ]; then cl=$il; cw=$iw; fi
    points=$(inspect pixels "$cl" "$it" "$cw" "$ih" 000000) || fail "could not read the screen"
    extent=$(awk 'NR == 1 || $1 < min { min = $1 } $1 > max { max = $1 } END { print (NR ? max - min + 1 : 0) }' <<<"$points")
    SEEN="$SEEN; its ink $extent across, in $cw from $cl"
    [ "$extent" -ge $((ctext - 3)) ] && [ "$extent" -le $((ctext + 2)) ]
}

# names_take_the_rest ID WIDTH: the second column of the pane list with control id ID is WIDTH wide and
# the first takes the rest of the client area, or, where that is too little, is wider and the list
# scrolls across (its horizontal scroll bar shows); SEEN tells what was seen.
names_take_the_rest() {
    local list l t w h cl ct cw ch w0 w1
    list=$(inspect dump | grep -m1 -E "^      SysListView32 \"\" id=$1 ")
    read -r l t w h <<<"$(geometry "$list")"
    read -r cl ct cw ch <<<"$(client_of "$list")"
    read -r w0 w1 <<<"$(columns_of "$1" | awk '{ printf "%s ", $2 }')"
    SEEN="columns $w0 and $w1 in a client area $cw wide"
    [ "$w1" = "$2" ] || return 1
    [ $((w0 + w1)) -eq "$cw" ] || { [ $((w0 + w1)) -gt "$cw" ] && [ "$w0" -gt 0 ] && [ $((h - ch)) -gt 4 ]; }
}

# criteria_project FILE: a project of three alternatives on an ordinal criterion with a long name, a
# cost and a gain, written into FILE.
LONG_CRITERION="finish quality after ten years of use"
criteria_project() {
    cat >"$1" <<END
<DATA>
  <ATTRIBUTES>
    <ATTRIBUTE AttrID="$LONG_CRITERION">
      <SEGMENTS Value="2"/>
      <TYPE Value="Enum">
        <ENUM EnumID="q_low" Value="low"/>
        <ENUM EnumID="q_high" Value="high"/>
      </TYPE>
      <ROLE Value="Condition"/>
      <CRITERION Value="Rank">
        <RANK EnumID="q_low" Value="1"/>
        <RANK EnumID="q_high" Value="2"/>
      </CRITERION>
    </ATTRIBUTE>
    <ATTRIBUTE AttrID="price">
      <SEGMENTS Value="2"/>
      <TYPE Value="Numeric"/>
      <ROLE Value="Condition"/>
      <CRITERION Value="Cost"/>
    </ATTRIBUTE>
    <ATTRIBUTE AttrID="speed">
      <SEGMENTS Value="2"/>
      <TYPE Value="Numeric"/>
      <ROLE Value="Condition"/>
      <CRITERION Value="Gain"/>
    </ATTRIBUTE>
  </ATTRIBUTES>
  <OBJECTS>
END
    local i
    for i in 1 2 3; do
        printf '    <OBJECT ObjID="a%d">\n      <VALUE AttrID="%s" Value="%s"/>\n' "$i" "$LONG_CRITERION" low
        printf '      <VALUE AttrID="price" Value="%d"/>\n      <VALUE AttrID="speed" Value="%d"/>\n    </OBJECT>\n' $((i * 3)) $((7 - i))
    done >>"$1"
    printf '  </OBJECTS>\n</DATA>\n' >>"$1"
}

# kinds_whole: the criteria list shows the long criterion's kind whole in its second column and the
# names take what that column leaves; KIND_WIDTH is that column's width.
KIND_WIDTH=""
kinds_whole() {
    KIND_WIDTH=$(columns_of 221 | sed -n 2p | awk '{ print $2 }')
    eventually 10 "the names do not take what the kinds leave" names_take_the_rest 221 "$KIND_WIDTH"
    eventually 10 "the long criterion's kind is cut" text_whole 221 "$LONG_CRITERION" 1
}

# dock_width WIDTH: the left dock's edge dragged so that the panes are WIDTH points wide.
dock_width() {
    local l t w h pl pt pw ph
    read -r l t w h <<<"$(geometry "$(expect 10 '^  AfxControlBar42s "[^"]*" id=59420 ' | head -1)")"
    read -r pl pt pw ph <<<"$(geometry "$(pane_line Criteria)")"
    # (the drag lets go a point further on)
    drag_to $((l + w - 4)) $((t + h / 2)) $((l + w - 5 + $1 - pw)) $((t + h / 2))
    read -r pl pt pw ph <<<"$(geometry "$(pane_line Criteria)")"
    [ "$pw" -eq "$1" ] || fail "the panes are $pw wide, not $1"
}

road_criteria_columns() {
    fresh_settings
    criteria_project "$OUT/criteria.zex"
    start_program "$(winpath "$OUT/criteria.zex")"
    splash_gone
    expect 10 "^        item 0: \"$(literal "$LONG_CRITERION")\" \"Ordinal\" " >/dev/null

    step "as the pane opens: \"Type\" shows \"Ordinal\" whole, the names take the rest"
    kinds_whole
    local kind=$KIND_WIDTH
    inspect shot "$OUT/default.bmp" >/dev/null

    step "the panes widened to 350: \"Type\" keeps its width, the names take the rest and the long name shows whole"
    dock_width 350
    eventually 10 "the names do not take what \"Type\" leaves" names_take_the_rest 221 "$kind"
    eventually 10 "the long name is cut" text_whole 221 "$LONG_CRITERION" 0
    eventually 10 "\"Ordinal\" is cut" text_whole 221 "$LONG_CRITERION" 1
    eventually 10 "the alternatives list does not fill its width" list_fits 202 0
    inspect shot "$OUT/wide.bmp" >/dev/null

    step "the panes narrowed to 90: \"Type\" keeps its width, the names their heading's, the list scrolls across"
    dock_width 90
    eventually 10 "\"Type\" does not keep its width" names_take_the_rest 221 "$kind"
    eventually 10 "the alternatives list does not fill its width" list_fits 202 0
    inspect shot "$OUT/narrow.bmp" >/dev/null
    end_program
}

road_criteria_columns_polish() {
    step "the language setting Polish, a start with the project"
    export LANG=pl_PL.UTF-8 LC_ALL=pl_PL.UTF-8
    fresh_settings
    start_program
    end_program
    set_setting language 1
    criteria_project "$OUT/criteria.zex"
    start_program "$(winpath "$OUT/criteria.zex")"
    splash_gone
    expect 10 "^        item 0: \"$(literal "$LONG_CRITERION")\" \"Porz" >/dev/null

    step "the Polish \"Type\" shows \"Porządkowe\" whole, the names take the rest"
    kinds_whole
    inspect shot "$OUT/polish.bmp" >/dev/null
    end_program
}

# floating_frame N: the dump line of pane N's floating frame (pane_title's numbers); empty while it is
# hidden.
floating_frame() { inspect dump | grep -m1 -E "^Afx[^ ]* \"$(pane_title "$1") Window\" " || true; }

# focus_sound: the main window is the active window and the keyboard focus is on a window that shows
# and is enabled; SEEN holds the report of the focus.
focus_sound() {
    SEEN=$(inspect focus | tr '\n' ' ')
    [[ $SEEN == *"active: Afx"*'"Ondrix - ['* ]] && [[ $SEEN == *"focus: "* ]] && [[ $SEEN != *"focus: none"* ]] &&
        [[ $SEEN != *"[hidden]"* ]] && [[ $SEEN != *"[disabled]"* ]]
}

# float_pane N: pane N floated by a double click on its gripper; FRAME is its floating frame's line.
float_pane() {
    local l t w h
    read -r l t w h <<<"$(geometry "$(pane_line "$(pane_title "$1")")")"
    # the gripper along the pane's top, clear of its boxes at the right end
    xdotool mousemove $((l + 20)) $((t + 7)) click --repeat 2 --delay 80 1 || fail "xdotool could not double-click"
    FRAME=$(expect 10 "^Afx[^ ]* \"$(pane_title "$1") Window\" " | head -1)
}

# hide_floating HOW N: floating pane N, clicked inside (so that its frame is active and its list has
# the focus), hidden by its frame's close box (HOW box), Alt+F4 (alt-f4), its key (key) or its View
# item (menu); then its frame is gone, the main window is active and the focus shows.
hide_floating() {
    local l t w h menu=(a r c)
    read -r l t w h <<<"$(geometry "$FRAME")"
    xdotool mousemove $((l + w / 2)) $((t + 40)) click 1 || fail "xdotool could not click"
    case $1 in
    box) xdotool mousemove $((l + w - 13)) $((t + 10)) click 1 || fail "xdotool could not click" ;;
    alt-f4) keys alt+F4 ;;
    key) keys "alt+$2" ;;
    menu) keys alt+v "${menu[$2 - 1]}" ;;
    esac
    expect_gone 10 "^Afx[^ ]* \"$(pane_title "$2") Window\" "
    eventually 10 "hidden by $1, pane $2's frame left the activation or the focus behind" focus_sound
}

# show_floating HOW N: hidden floating pane N shown again by its key (HOW key) or its View item
# (menu): its frame comes back where it was, as large as it was.
show_floating() {
    local menu=(a r c)
    if [ "$1" = key ]; then keys "alt+$2"; else keys alt+v "${menu[$2 - 1]}"; fi
    expect 10 "^$(literal "$FRAME")\$" >/dev/null
}

road_floating_panes() {
    start_hand_built
    local n how show=key
    for n in 1 2 3; do
        step "the $(pane_title "$n") pane floated; hidden by its close box, Alt+F4, its key, its View item; shown by its key and its item"
        float_pane "$n"
        for how in box alt-f4 key menu box; do
            hide_floating "$how" "$n"
            show_floating "$show" "$n"
            if [ "$show" = key ]; then show=menu; else show=key; fi
        done

        step "the $(pane_title "$n") pane docked back by a double click on its frame's caption"
        local l t w h
        read -r l t w h <<<"$(geometry "$FRAME")"
        xdotool mousemove $((l + w / 2)) $((t + 8)) click --repeat 2 --delay 80 1 || fail "xdotool could not double-click"
        expect_gone 10 "^Afx[^ ]* \"$(pane_title "$n") Window\" "
        pane_line "$(pane_title "$n")" >/dev/null
    done
    inspect shot "$OUT/docked.bmp" >/dev/null
    end_program
}

# bars_ink: "X Y" of every black point of the menu bar and of the tool bar as the screen shows them.
bars_ink() {
    local id l t w h
    for id in 59647 59392; do
        read -r l t w h <<<"$(geometry "$(expect 10 "^    AfxControlBar42s \"[^\"]*\" id=$id " | head -1)")"
        inspect pixels "$l" "$t" "$w" "$h" 000000 || fail "could not read the screen"
    done
}

# bars_as INK: the menu bar and the tool bar show the black points INK (bars_ink); SEEN tells how many
# they show.
bars_as() {
    local now
    now=$(bars_ink)
    SEEN="$(wc -l <<<"$now") black points, $(wc -l <<<"$1") before"
    [ "$now" = "$1" ]
}

road_dock_repaint() {
    start_hand_built
    local ink l t w h
    ink=$(bars_ink)
    [ "$(wc -l <<<"$ink")" -gt 100 ] || fail "the menu bar and the tool bar show too little: $(wc -l <<<"$ink") black points"

    step "the alternatives pane dragged by its gripper onto the bottom edge: it docks across the bottom"
    read -r l t w h <<<"$(geometry "$(pane_line Alternatives)")"
    local sl st sw sh
    read -r sl st sw sh <<<"$(geometry "$(expect 10 '^  [^ ]* "" id=59393 ' | head -1)")"
    drag_to $((l + 20)) $((t + 7)) $((sl + sw / 2)) $((st - 4))
    read -r l t w h <<<"$(geometry "$(pane_line Alternatives)")"
    [ "$w" -gt $((sw / 2)) ] && [ $((t + h)) -le "$st" ] && [ $((t + h)) -ge $((st - 10)) ] ||
        fail "the alternatives pane is not docked across the bottom: at $l,$t ${w}x$h, the status bar at $st"
    eventually 5 "the menu bar and the tool bar are not repainted after the dock at the bottom" bars_as "$ink"

    step "dragged by its gripper up to just under the tool bar: it docks at the top, the bars show whole"
    local tl tt tw th
    read -r tl tt tw th <<<"$(geometry "$(expect 10 '^    AfxControlBar42s "" id=59392 ' | head -1)")"
    # docked across, its gripper runs down its left end
    drag_to $((l + 4)) $((t + h / 2)) $((tl + 200)) $((tt + th + 4))
    read -r l t w h <<<"$(geometry "$(pane_line Alternatives)")"
    [ "$w" -gt $((sw / 2)) ] && [ "$t" -ge $((tt + th)) ] && [ "$t" -le $((tt + th + 10)) ] ||
        fail "the alternatives pane is not docked at the top: at $l,$t ${w}x$h, the tool bar ends at $((tt + th))"
    eventually 5 "the menu bar and the tool bar are not repainted after the dock at the top" bars_as "$ink"
    inspect shot "$OUT/top.bmp" >/dev/null
    end_program
}
