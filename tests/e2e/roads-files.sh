# Road of file names outside plain ASCII, sourced by roads.sh (see drive.sh for the driver): a name
# typed into the file dialogs, kept in the recent-file list and given on the command line is the name
# the program reads and writes and shows in its title, under any locale.

POLISH_NAME="Łódź żółw ęą"

# through_file_dialog KEYS CAPTION-REGEX HOSTPATH: KEYS open a file dialog whose caption matches (the
# system's, in Wine's language), the path is typed, Return.
through_file_dialog() {
    keys $1
    expect 20 "^#32770 \"($2)\" " >/dev/null
    # slowly: xdotool types a letter outside the keyboard's map by remapping a key each time, and a
    # fast one can be lost before the program reads it
    xdotool type --delay 120 -- "$(winpath "$3")" || fail "xdotool could not type $3"
    keys Return
    expect_gone 20 "^#32770 \"($2)\" "
}

# caption_is TEXT: the main window's caption is TEXT, every letter of it.
CAPTION=""
caption_is() {
    CAPTION=$(inspect caption '^Afx[^ ]* "Ondrix - \[') && SEEN=$CAPTION && [ "$CAPTION" = "$1" ]
}
# title_names HOSTPATH: the main window's caption names that file.
title_names() {
    eventually 10 "the title does not name $(winpath "$1")" caption_is "Ondrix - [$(winpath "$1")]"
}

# the_project_shows: the hand-built project's alternatives are in their pane.
the_project_shows() { expect 10 '^        item 3: "a4"' >/dev/null; }

# only_zex_files FOLDER NAME...: the project files in FOLDER are exactly NAME... (no file written under
# another name).
only_zex_files() {
    local folder=$1
    shift
    local seen expected
    seen=$(cd "$folder" && ls -1 -- *.zex 2>/dev/null | sort)
    expected=$(printf '%s\n' "$@" | sort)
    [ "$seen" = "$expected" ] || fail "project files in $folder: $(printf '%q ' $seen), expected $(printf '%q ' "$@")"
}

road_file_names() {
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
    start_hand_built
    the_project_shows
    local saved="$OUT/$POLISH_NAME.zex"

    step "under C.UTF-8 (Windows-1252), Save As \"$POLISH_NAME\" writes that file and the title names it"
    through_file_dialog "alt+f a" "Save As" "$OUT/$POLISH_NAME"
    title_names "$saved"
    expect_same "$saved" e2e/hand_built.zex
    only_zex_files "$OUT" hand_built.zex "$POLISH_NAME.zex"
    inspect shot "$OUT/saved_c_utf8.bmp" >/dev/null

    step "New, then Open reads it back under its name"
    keys ctrl+n
    expect_gone 10 '^        item 0: '
    through_file_dialog ctrl+o "Open" "$saved"
    title_names "$saved"
    the_project_shows
    end_program

    step "under pl_PL.UTF-8 (Windows-1250), the recent list's first entry opens it"
    export LANG=pl_PL.UTF-8 LC_ALL=pl_PL.UTF-8
    start_program
    splash_gone
    keys alt+f 1
    title_names "$saved"
    the_project_shows

    step "Save As \"$POLISH_NAME\" in another folder writes it there, and Open reads it back"
    mkdir -p "$OUT/pl"
    local polish="$OUT/pl/$POLISH_NAME.zex"
    through_file_dialog "alt+f a" "Save As|Zapisz jako" "$OUT/pl/$POLISH_NAME"
    title_names "$polish"
    expect_same "$polish" e2e/hand_built.zex
    only_zex_files "$OUT/pl" "$POLISH_NAME.zex"
    keys ctrl+n
    expect_gone 10 '^        item 0: '
    through_file_dialog ctrl+o "Open|Otw.rz" "$polish"
    title_names "$polish"
    the_project_shows
    inspect shot "$OUT/reopened_pl_pl.bmp" >/dev/null
    end_program

    step "the command line names it: it opens under its name"
    start_program "$(winpath "$polish")"
    splash_gone
    title_names "$polish"
    the_project_shows
    end_program
}
