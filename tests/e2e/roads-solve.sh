# Roads of a long solve (sourced by roads.sh, see drive.sh for the driver): the program's windows go
# on being painted while it solves and while its graphs render.

# solve_cover_gone L T W H: true when no point of the rectangle has the cover's colour (SEEN: how many do).
solve_cover_gone() {
    local points
    points=$(inspect pixels "$1" "$2" "$3" "$4" ff00ff | wc -l)
    SEEN="$points points of the cover's colour"
    [ "$points" -eq 0 ]
}

road_solve_paints() {
    fresh_settings
    step "a project of 120 alternatives and 12 criteria, generated, from the command line"
    local project="$OUT/generated.zex"
    "$ONDRIX_GENERATE_PROJECT" 120 "$project" || fail "could not generate the project"
    # the program started from a folder of its own, beside a graph renderer that waits for the file
    # "render" (a minute at most) before it renders: the command that waits for its graphs goes on
    # until the road has seen its windows
    local bin="$OUT/bin" renderer
    renderer="$(dirname "$ONDRIX_EXE")/ondrix_graph_render"
    mkdir -p "$bin"
    ln -s "$ONDRIX_EXE" "$bin/Ondrix.exe.so" || fail "could not link the program"
    printf '#!/bin/sh\nfor i in $(seq 600); do [ -e "%s" ] && break; sleep 0.1; done\nexec "%s" "$@"\n' \
        "$OUT/render" "$renderer" >"$bin/ondrix_graph_render"
    chmod +x "$bin/ondrix_graph_render"
    ONDRIX_EXE="$bin/Ondrix.exe.so"
    start_program "$(winpath "$project")"
    splash_gone
    expect 30 '^Afx[^ ]* "Ondrix - \[Z:.*generated\.zex\]"' '^          node 1: ' >/dev/null

    step "while F5 solves, a window laid over the main window and taken away leaves its own pixels"
    # kept to one core, the solve lasts several seconds on any machine (on eight it may end within
    # one): the program's threads, and the solve's that they start, share the first core it may use
    local core
    core=$(taskset -c -p "$PROGRAM_PID" | sed 's/.*: *//; s/[^0-9].*//')
    [ -n "$core" ] || fail "could not read the cores the program may use"
    taskset -a -c -p "$core" "$PROGRAM_PID" >/dev/null || fail "could not keep the program to core $core"
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
    expect_result_windows
    expect 30 '^        OndrixPageView ' >/dev/null
    [ "$(document_windows)" -eq 3 ] || fail "$(document_windows) document windows, not the three result windows"
    end_program
}
