# Shared by tools/run and tools/test: packages, build, virtual display, print server and Wine prefix.
# Sourced, not run. Every function stops the script with a plain message when it fails.

ONDRIX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ONDRIX_BUILD=${ONDRIX_BUILD:-$ONDRIX_ROOT/build}
export PATH=/usr/lib/wine:$PATH

ONDRIX_PACKAGES="wine64 wine64-tools libwine-dev fonts-wine xvfb xauth x11-utils cmake make g++ pkgconf
  googletest libgtest-dev libglpk-dev libexpat1-dev libjpeg-dev libgraphviz-dev libgl1-mesa-dev
  libglu1-mesa-dev fonts-liberation locales-all ccache xdotool
  cups-daemon cups-client cups-filters ghostscript poppler-utils"

die() { echo "ondrix: $*" >&2; exit 1; }

# ondrix_jobs: how many compile or test jobs to run at once; ONDRIX_JOBS overrides the processor count
# (several builds sharing one machine).
ondrix_jobs() { echo "${ONDRIX_JOBS:-$(nproc 2>/dev/null || echo 2)}"; }

# ondrix_packages [extra...]: install the Debian packages that are missing; no apt-get when none is.
ondrix_packages() {
    local missing=() p
    for p in $ONDRIX_PACKAGES "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "ondrix: installing ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq || die "apt-get update failed"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" \
        || die "could not install ${missing[*]}"
}

# ondrix_build [targets...]: configure once, then build in parallel.
ondrix_build() {
    local jobs
    jobs=$(ondrix_jobs)
    # configure every time: cheap when nothing changed, and it picks up folders that came to exist.
    # Only its status lines are dropped: warnings and notices (a folder skipped) come on the error
    # stream and are shown.
    cmake -S "$ONDRIX_ROOT" -B "$ONDRIX_BUILD" >/dev/null || die "configuring the build failed"
    if [ $# -eq 0 ]; then
        cmake --build "$ONDRIX_BUILD" -j "$jobs" || die "the build failed"
    else
        local t
        for t in "$@"; do cmake --build "$ONDRIX_BUILD" -j "$jobs" --target "$t" || die "the build failed"; done
    fi
}

# The faces the program names (in its code and its resources) that a new Wine prefix does not have,
# each mapped to an installed face of the same kind: the Liberation faces keep text metrics the same on
# every machine, and "Courier" (the ranking chart's names, measured as fixed-width) would otherwise
# be drawn in a proportional face. "MS Shell Dlg" reaches "Tahoma" through Wine's own substitutes.
ONDRIX_FONT_MAP="Arial=Liberation Sans;Times New Roman=Liberation Serif;Courier New=Liberation Mono;Courier=Liberation Mono;MS Sans Serif=Liberation Sans;Tahoma=Liberation Sans"

# ondrix_prefix_fonts: Wine's symbol font Marlett (caption boxes, scroll arrows, check marks drawn by
# the system) is shipped with Wine but not registered in a new prefix, so those glyphs came out as
# letters; a copy in the prefix's Fonts folder is found. Then the face mapping above goes into the
# prefix's font replacements, also into a prefix made before the mapping last changed (a marker file
# holds the mapping the prefix has). Cheap when both are there already.
ondrix_prefix_fonts() {
    local font=/usr/share/wine/fonts/marlett.ttf dir="$WINEPREFIX/drive_c/windows/Fonts"
    [ -f "$font" ] && [ -d "$dir" ] && [ ! -f "$dir/marlett.ttf" ] && cp "$font" "$dir/"
    local marker="$WINEPREFIX/.ondrix-font-map"
    [ -f "$marker" ] && [ "$(cat "$marker")" = "$ONDRIX_FONT_MAP" ] && return 0
    local reg="$WINEPREFIX/.ondrix-font-map.reg" face
    {
        printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n'
        local IFS=';'
        for face in $ONDRIX_FONT_MAP; do
            printf '"%s"="%s"\n' "${face%%=*}" "${face#*=}"
        done
    } >"$reg"
    wine64 regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1 || die "could not map the fonts in $WINEPREFIX"
    wineserver -w
    rm -f "$reg"
    printf '%s' "$ONDRIX_FONT_MAP" >"$marker"
}

# winepath_of HOSTPATH: the path as a Windows program of the prefix takes it (drive Z: is the root).
winepath_of() { local p=$1; echo "Z:${p//\//\\}"; }

# ondrix_prefix DIR [test]: make a Wine prefix once; its fonts (above) are seen to on every call, so
# that a prefix made earlier gets a mapping added since. A test prefix also makes
# Wine's windows unmanaged: there is no window manager on the virtual display, and a managed window
# that is hidden or destroyed waits two seconds for one to answer.
ondrix_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=${WINEDEBUG:--all}
    local kind=${2:-run}
    if [ -f "$WINEPREFIX/.ondrix-$kind-prefix" ]; then
        ondrix_prefix_fonts
        return 0
    fi
    mkdir -p "$WINEPREFIX"
    wine64 wineboot --init >/dev/null 2>&1 || die "could not create the Wine prefix $WINEPREFIX"
    if [ "$kind" = test ]; then
        wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 \
            || die "could not configure the test prefix"
    fi
    wineserver -w
    ondrix_prefix_fonts
    touch "$WINEPREFIX/.ondrix-$kind-prefix"
}

# ondrix_xvfb: start a virtual X display on a free display number; sets DISPLAY and XVFB_PID.
ondrix_xvfb() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local n
    read -r -t 20 n <"$fifo" || n=""
    rm -f "$fifo"
    [ -n "$n" ] || die "the virtual X display did not start"
    export DISPLAY=":$n"
}

# ondrix_wineserver: start a persistent wineserver for WINEPREFIX and Wine's background services, and
# wait until they serve the prefix; sets WINESERVER_PID and notes it in the prefix
# (.ondrix-wineserver, for the test launcher's report). The start is made in order: a server still
# ending for the prefix is waited for first; the wine programs come only once the persistent server
# listens, since a program that finds no server starts one of its own that persists for no time
# (Debian's wineserver command passes -p0): if that one won the prefix, it would be shutting down as
# the first tests connect, ending them. The services are started here, with their output sent nowhere:
# started by a test program instead, they would inherit its output and ctest would wait for them to end.
ondrix_wineserver() {
    local attempt i
    for attempt in 1 2 3; do
        # a server left running for the prefix (a run that was killed, or one still ending) would keep
        # ours from starting
        wineserver -k >/dev/null 2>&1
        wineserver -w
        wineserver -f -p >/dev/null 2>&1 &
        WINESERVER_PID=$!
        local ready=no
        for i in $(seq 3000); do
            ondrix_wineserver_ready "$WINESERVER_PID" && { ready=yes; break; }
            kill -0 "$WINESERVER_PID" 2>/dev/null || break
            sleep 0.02
        done
        [ "$ready" = yes ] && break
        kill -0 "$WINESERVER_PID" 2>/dev/null &&
            die "the wineserver for $WINEPREFIX did not serve it within a minute: $(ondrix_wineserver_state)"
        echo "ondrix: the wineserver for $WINEPREFIX ended as it started: $(ondrix_wineserver_state)" >&2
    done
    ondrix_wineserver_ready "$WINESERVER_PID" || die "no wineserver could be started for $WINEPREFIX"
    printf '%s' "$WINESERVER_PID" >"$WINEPREFIX/.ondrix-wineserver"
    # The first program starts the services. On a loaded machine it has been seen to fail once with the
    # server serving, just after the server before had ended: it gets two more tries, and its output
    # (in the prefix, where the services write theirs too) goes into the message when none works.
    local log=$WINEPREFIX/.ondrix-wineboot.log
    for attempt in 1 2 3; do
        wine64 wineboot >"$log" 2>&1 </dev/null && break
        ondrix_wineserver_ready "$WINESERVER_PID" || break
        [ "$attempt" -lt 3 ] ||
            die "Wine does not start in $WINEPREFIX: wineboot failed three times: $(tail -c 1000 "$log" | tr '\n' ' ')"
        echo "ondrix: wineboot failed in $WINEPREFIX (try $attempt), once more" >&2
        sleep 1
    done
    ondrix_wineserver_ready "$WINESERVER_PID" ||
        die "the wineserver for $WINEPREFIX no longer serves it after Wine started: $(ondrix_wineserver_state)"
}

# ondrix_wineserver_ready PID: whether the wineserver PID serves its prefix: it holds the lock of its
# folder, which only one server of a prefix can, and listens on a socket (the socket file alone says
# nothing: one left by the server before stays there until the new one replaces it, and the server
# does not always work in that folder).
ondrix_wineserver_ready() {
    grep -q "^[0-9]*: POSIX *ADVISORY *WRITE $1 " /proc/locks || return 1
    [ -n "$(ondrix_listening_sockets "$1")" ]
}

# ondrix_listening_sockets PID: the inodes of the Unix sockets PID listens on, one a line.
ondrix_listening_sockets() {
    local fd target inodes=" "
    for fd in /proc/"$1"/fd/*; do
        target=$(readlink "$fd" 2>/dev/null) || continue
        case $target in socket:\[*\]) target=${target#socket:[}; inodes+="${target%]} " ;; esac
    done
    [ "$inodes" = " " ] && return 0
    # /proc/net/unix: Num RefCount Protocol Flags Type St Inode Path; a listening socket has the
    # accepting flag (00010000)
    awk -v inodes="$inodes" '$4 == "00010000" && index(inodes, " " $7 " ") { print $7 }' /proc/net/unix
}

# ondrix_wineserver_state: what can be seen of WINESERVER_PID and of the servers of the prefix, for a
# message that says why the server does not serve it.
ondrix_wineserver_state() {
    local pid=$WINESERVER_PID folder
    if kill -0 "$pid" 2>/dev/null; then
        folder=$(readlink "/proc/$pid/cwd")
        printf 'process %s runs in %s, listens on %s, its locks: %s' "$pid" "$folder" \
            "$(ondrix_listening_sockets "$pid" | tr '\n' ' ' | sed 's/^$/no socket/')" \
            "$(grep " $pid " /proc/locks | tr -s ' ' | tr '\n' ';')"
    else
        printf 'process %s has ended' "$pid"
    fi
    printf "; wineservers on this machine: %s" "$(pgrep -a -x wineserver64 | tr "\n" ";")"
}

# ondrix_stop: stop what ondrix_xvfb and ondrix_wineserver started, by process id.
ondrix_stop() {
    if [ -n "${WINESERVER_PID:-}" ]; then
        # "wineserver -k" ends the server of this prefix with every Wine process attached to it (the
        # background services outlive a server that is merely killed); then make sure of our process.
        wineserver -k >/dev/null 2>&1
        kill "$WINESERVER_PID" 2>/dev/null
        wait "$WINESERVER_PID" 2>/dev/null
        rm -f "$WINEPREFIX/.ondrix-wineserver"
    fi
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    WINESERVER_PID="" XVFB_PID=""
}

# ondrix_print_server: a print server of the tests' own: CUPS's cupsd with its configuration, spool, logs
# and socket in the build folder (no system service, file or port is used), holding one queue,
# "Ondrix_PDF", whose jobs come out as PDF files. Exports CUPS_SERVER, through which every client of
# CUPS started afterwards finds it (Wine's printing among them, which makes the queue the default
# printer of the prefix it runs in), and ONDRIX_PRINT_OUT, the file each job is written to (anew).
# Sets CUPSD_PID for ondrix_print_server_stop.
ondrix_print_server() {
    local dir=$ONDRIX_BUILD/printer
    # A socket's path holds at most 107 bytes, and a server started by root runs its filters as the
    # user lp, who must reach the spool: where either fails, the server lives in a folder of the
    # temporary directory instead.
    if [ ${#dir} -gt 90 ] || { [ "$(id -u)" -eq 0 ] && ! runuser -u lp -- test -x "$ONDRIX_BUILD"; }; then
        dir=$(mktemp -d "${TMPDIR:-/tmp}/ondrix-printer.XXXXXX") || die "could not make the print server's folder"
        chmod 755 "$dir"
        ONDRIX_PRINT_TEMP=$dir
    fi
    rm -rf "$dir"
    mkdir -p "$dir/conf" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/out" ||
        die "could not make the print server's folder $dir"
    printf '%s\n' "ServerRoot $dir/conf" "RequestRoot $dir/spool" "TempDir $dir/spool/tmp" "CacheDir $dir/cache" \
        "StateDir $dir/state" "ServerKeychain $dir/state/ssl" "AccessLog $dir/log/access_log" \
        "ErrorLog $dir/log/error_log" "PageLog $dir/log/page_log" "Printcap $dir/state/printcap" \
        "FileDevice Yes" "SystemGroup root" >"$dir/conf/cups-files.conf"
    # every operation is open to every client: the server answers only on its own socket
    printf '%s\n' "Listen $dir/cups.sock" "Browsing No" "WebInterface No" "DefaultEncryption Never" "LogLevel warn" \
        "<Location />" "Order allow,deny" "Allow all" "</Location>" \
        "<Policy default>" "<Limit All>" "Order deny,allow" "</Limit>" "</Policy>" >"$dir/conf/cupsd.conf"
    # (cupsd and lpadmin stand in /usr/sbin, which a user's PATH may lack)
    /usr/sbin/cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
    CUPSD_PID=$!
    local i
    for i in $(seq 250); do
        [ -S "$dir/cups.sock" ] && break
        kill -0 "$CUPSD_PID" 2>/dev/null || die "the print server did not start: $(cat "$dir/log/cupsd.out")"
        sleep 0.02
    done
    export CUPS_SERVER=$dir/cups.sock ONDRIX_PRINT_OUT=$dir/out/job.pdf
    # (lpadmin warns that printer drivers are deprecated: the queue's PPD is one)
    /usr/sbin/lpadmin -p Ondrix_PDF -E -v "file://$ONDRIX_PRINT_OUT" -P "$ONDRIX_ROOT/tools/pdf-printer.ppd" 2>/dev/null &&
        /usr/sbin/lpadmin -d Ondrix_PDF || die "could not make the print server's queue (see $dir/log/error_log)"
}

# ondrix_print_server_stop: stops what ondrix_print_server started, by process id.
ondrix_print_server_stop() {
    if [ -n "${CUPSD_PID:-}" ]; then
        kill "$CUPSD_PID" 2>/dev/null
        wait "$CUPSD_PID" 2>/dev/null
    fi
    [ -n "${ONDRIX_PRINT_TEMP:-}" ] && rm -rf "$ONDRIX_PRINT_TEMP"
    CUPSD_PID="" ONDRIX_PRINT_TEMP=""
}
