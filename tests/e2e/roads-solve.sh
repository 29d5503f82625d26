# Roads of a long solve (sourced by roads.sh, see drive.sh for the driver): the program's windows go
# on being painted while it solves and while its graphs render, and what the user does meanwhile is
# dropped.

# solve_cover_gone L T W H: true when no point of the rectangle has the cover's colour (SEEN: how many do).
solve_cover_gone() {
    local points
    points=$(inspect pixels "$1" "$2" "$3" "$4" ff00ff | wc -l)
    SEEN="$points points of the cover's colour"
    [ "$points" -eq 0 ]
}

# start_generated_gated: the program started with a project of 120 alternatives and 12 criteria,
# generated, named on the command line, from a folder of its own beside a graph renderer that notes
# each run in the file "renders" (two a solve) and waits for the file "render" (a minute at most)
# before it renders: the command that waits for its graphs goes on until the road lets it end.
start_generated_gated() {
    local project="$OUT/generated.zex"
    "$ONDRIX_GENERATE_PROJECT" 120 "$project" || fail "could not generate the project"
    local bin="$OUT/bin" renderer
    renderer="$(dirname "$ONDRIX_EXE")/ondrix_graph_render"
    mkdir -p "$bin"
    ln -s "$ONDRIX_EXE" "$bin/Ondrix.exe.so" || fail "could not link the program"
    printf '#!/bin/sh\necho run >>"%s"\nfor i in $(seq 600); do [ -e "%s" ] && break; sleep 0.1; done\nexec "%s" "$@"\n' \
        "$OUT/renders" "$OUT/render" "$renderer" >"$bin/ondrix_graph_render"
    chmod +x "$bin/ondrix_graph_render"
    ONDRIX_EXE="$bin/Ondrix.exe.so"
    start_program "$(winpath "$project")"
    splash_gone
    expect 30 '^Afx[^ ]* "Ondrix - \[Z:.*generated\.zex\]"' '^          node 1: ' >/dev/null
}

# one_core: the program and the threads it starts kept to the first core it may use, so that a solve
# of the generated project lasts several seconds on any machine (on eight cores it may end within one);
# every_core: back to the cores it might use before.
PROGRAM_CORES=""
one_core() {
    PROGRAM_CORES=$(taskset -c -p "$PROGRAM_PID" | sed 's/.*: *//')
    local core=${PROGRAM_CORES%%[^0-9]*}
    [ -n "$core" ] || fail "could not read the cores the program may use"
    taskset -a -c -p "$core" "$PROGRAM_PID" >/dev/null || fail "could not keep the program to core $core"
}
every_core() {
    taskset -a -c -p "$PROGRAM_CORES" "$PROGRAM_PID" >/dev/null || fail "could not give the program the cores $PROGRAM_CORES"
}

road_solve_paints() {
    fresh_settings
    step "a project of 120 alternatives and 12 criteria, generated, from the command line"
    start_generated_gated

    step "while F5 solves, a window laid over the main window and taken away leaves its own pixels"
    one_core
    local l t w h
    read -r l t w h <<<"$(geometry "$(main_window)")"
    keys F5
    sleep 1
    inspect cover "$l" "$t" "$w" "$h" ff00ff 1 || fail "could not lay a window over the main window"
    eventually 3 "the main window keeps the pixels of the window laid over it" solve_cover_gone "$l" "$t" "$w" "$h"
    inspect shot "$OUT/solving.bmp" >/dev/null
    expect_not '^    [^ ]+ "Alternatives comparison matrix" '

    step "the result windows, opened while the graphs render, are painted as they open"
    local ml mt mw mh
    read -r ml mt mw mh <<<"$(geometry "$(expect 10 '^  MDIClient ' | head -1)")"
    # laid over the windows' place until the first of them opens
    inspect cover "$ml" "$mt" "$mw" "$mh" ff00ff 100 '^    [^ ]+ "Alternatives comparison matrix" ' ||
        fail "could not lay a window over the documents' place"
    eventually 3 "the result windows show the pixels of the window laid over them" solve_cover_gone "$ml" "$mt" "$mw" "$mh"
    inspect shot "$OUT/rendering.bmp" >/dev/null

    step "once the graphs are rendered the solve ends as before: three result windows, the graph page shown"
    touch "$OUT/render"
    expect_solved
    expect 30 '^        OndrixPageView ' >/dev/null
    [ "$(document_windows)" -eq 3 ] || fail "$(document_windows) document windows, not the three result windows"
    end_program
}

# first_document_window: the title of the document window on top (the active one).
first_document_window() {
    inspect dump | awk '/^  MDIClient / { inside = 1; next } inside && /^    [^ ]/ { print; exit } inside && /^  [^ ]/ { exit }' |
        sed -E 's/^    [^ ]+ "([^"]*)".*/\1/'
}

# solve_renders: the number of renders the program has asked the graph renderer for (two a solve).
solve_renders() { [ -e "$OUT/renders" ] && wc -l <"$OUT/renders" || echo 0; }

road_solve_drops_input() {
    fresh_settings
    step "a project of 120 alternatives and 12 criteria, generated, from the command line, its grid open"
    start_generated_gated
    local evaluations='Evaluations of Alternatives'
    keys alt+4
    expect 20 "^    [^ ]+ \"$evaluations\" " >/dev/null
    local cells
    cells=$(grid_cells "$evaluations")
    keys Escape
    [ -n "$cells" ] || fail "nothing was copied from the grid"

    step "while F5 solves: 77 typed into a cell, Ctrl+N, F5, Alt+F4, the caption dragged, the close box clicked"
    one_core
    local ml mt mw mh
    read -r ml mt mw mh <<<"$(geometry "$(main_window)")"
    keys ctrl+Home Right F5
    sleep 1
    type_text 77
    keys ctrl+n F5 alt+F4
    xdotool mousemove $((ml + mw / 2)) $((mt + 10)) mousedown 1 sleep 0.2 mousemove $((ml + mw / 2 + 30)) \
        $((mt + 30)) sleep 0.2 mousemove $((ml + mw / 2 + 60)) $((mt + 50)) sleep 0.2 mouseup 1 ||
        fail "xdotool could not drag"
    # the close box: the last of the caption's buttons, at its right end
    xdotool mousemove $((ml + mw - 13)) $((mt + 13)) click 1 || fail "xdotool could not click"
    sleep 0.5
    inspect shot "$OUT/input.bmp" >/dev/null
    [ "$(solve_renders)" -le 2 ] || fail "$(solve_renders) renders asked for while the first solve runs"
    # the rest of the solve need not be slow
    every_core

    step "while its graphs render, its result windows open: the grid's window clicked, 5 typed, Ctrl+N"
    # the work's end and its results taken out may take a while on a busy machine
    expect 90 '^    [^ ]+ "Alternatives comparison matrix" ' '^    [^ ]+ "Final Ranking worked out with ZEK MD" ' \
        '^    [^ ]+ "Resulting preference graphs worked out with ZEK KTR" ' >/dev/null
    local top
    top=$(first_document_window)
    [ -n "$top" ] && [ "$top" != "$evaluations" ] || fail "the active window is \"$top\""
    local l t w h
    read -r l t w h <<<"$(geometry "$(view_of "$evaluations")")"
    xdotool mousemove $((l + w / 2)) $((t + h / 2)) click 1 || fail "xdotool could not click"
    type_text 5
    keys ctrl+n
    sleep 0.5
    [ "$(solve_renders)" -le 2 ] || fail "$(solve_renders) renders asked for while the first solve runs"

    step "the solve ends as before, and none of the input is carried out after it"
    touch "$OUT/render"
    expect_solved
    inspect shot "$OUT/after.bmp" >/dev/null
    [ "$(solve_renders)" -eq 2 ] || fail "$(solve_renders) renders: the F5 pressed during the solve solved again"
    expect_not '^#32770 '
    expect 10 "^Afx[^ ]* \"Ondrix - \\[Z:.*generated\\.zex\\]\" id=0 at=$ml,$mt,${mw}x$mh\$" >/dev/null
    [ "$(document_windows)" -eq 4 ] || fail "$(document_windows) document windows, not the grid and the three result windows"
    [ "$(first_document_window)" = "$top" ] || fail "the active window is now $(first_document_window), not $top"
    expect_text "$(grid_cells "$evaluations")" "$cells"
    keys Escape
    end_program
}

# work_running: the program runs long work whose input it drops (the inspector's "work: running").
work_running() { SEEN=$(inspect focus | grep -c '^work: running'); [ "$SEEN" -gt 0 ]; }

# foreground_is TEXT-REGEX: the foreground window's line matches (read from the inspector's focus
# report, which lists no window's items: the dump of a large project's lists takes long).
foreground_is() { SEEN=$(inspect focus | grep '^foreground: '); [[ $SEEN =~ $1 ]]; }

# read_with KEY: a generated project of 30,000 alternatives opened through File > Open, KEY pressed
# while it is read; after the read that project is open, no question or box shows and the program
# lives.
read_with() {
    local project="$OUT/large.zex"
    [ -e "$project" ] || "$ONDRIX_GENERATE_PROJECT" 30000 "$project" || fail "could not generate the project"
    start_program
    splash_gone
    step "$1 pressed while a project of 30,000 alternatives is read: dropped"
    open_through_dialog "$project"
    eventually 10 "no read was seen running" work_running
    keys "$1"
    work_over() { ! work_running; }
    eventually 60 "the read did not end" work_over
    sleep 2
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended"
    foreground_is '^foreground: Afx[^ ]* "Ondrix - \[Z:.*large\.zex\]"' || fail "not the large project's main window: $SEEN"
    step "Ctrl+N then leaves the project for a new one"
    keys ctrl+n
    expect 20 '^Afx[^ ]* "Ondrix - \[untitled\]"' >/dev/null
    end_program
}

road_read_drops_new() { read_with ctrl+n; }

road_read_drops_alt_f4() { read_with alt+F4; }
