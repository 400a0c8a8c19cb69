#!/bin/bash
# Builds the Debian package and checks it as a user of Debian 12 meets it:
#   - lintian finds no error and no warning (overrides need a comment in debian/);
#   - apt-get installs it, pulling what it needs;
#   - the menu entry, icon, metainfo, manual pages, tile sets and the service unit are where
#     `make install` puts them below /usr; desktop-file-validate, appstreamcli and
#     systemd-analyze accept them; the unit is neither enabled nor started;
#   - the installed `quillor --version` prints the package's version, and `quillor --serve
#     --port 0`, and the unit's own command line, accept a connection and greet it;
#   - a short start of the game, as an ordinary user and as root, each with a home folder of
#     its own, writes its files in that home and nothing below /usr;
#   - `apt-get purge` leaves no file behind (the file lists before and after are compared).
# The machine is restored (the package and whatever it pulled in purged) even when a step
# fails. Needs root; meant for throwaway machines (CI, development).
#
# Usage: check_deb.sh OUT [JOBS]
set -euo pipefail

SOURCE=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
OUT=$(cd "$1" && pwd)
JOBS=${2:-2}

if [ "$(id -u)" -ne 0 ]; then
    echo "check_deb: needs root: it installs and purges the package" >&2
    exit 1
fi

changelog=$SOURCE/debian/changelog
package=$(dpkg-parsechangelog -l "$changelog" -S Source)
version=$(dpkg-parsechangelog -l "$changelog" -S Version)
upstream=${version%-*}
arch=$(dpkg --print-architecture)
DEB=$OUT/${package}_${version}_${arch}.deb
CHANGES=$OUT/${package}_${version}_${arch}.changes
APP_ID=org.example.quillor
# Debian installs a game's programs in /usr/games, which every user's PATH holds.
BINDIR=/usr/games
USER_PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
APT=(apt-get -o DPkg::Lock::Timeout=600 -y -q)
export DEBIAN_FRONTEND=noninteractive

installed() {
    dpkg-query -W -f='${db:Status-Abbrev}' "$1" 2>/dev/null | grep -q '^.i'
}
known_to_dpkg() {
    dpkg-query -W -f='${db:Status-Abbrev}' "$1" >/dev/null 2>&1
}
if known_to_dpkg "$package"; then
    echo "check_deb: $package is already installed here ($(dpkg-query -W -f='${Version}' "$package")); remove it first" >&2
    exit 1
fi

WORK=$(mktemp -d)
chmod 755 "$WORK"
BG_PID=""
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
step() {
    echo "check_deb: --- $*"
}

# Everything below these folders that a package may leave behind. Package manager state,
# caches, logs and temporary files change on their own and are left out; the package's
# own dpkg records are checked by name.
snapshot() {
    find /usr /etc /var /opt /srv -xdev \
        \( -path /var/lib/dpkg -o -path /var/lib/apt -o -path /var/cache -o -path /var/log \
           -o -path /var/tmp -o -path /var/mail -o -path /var/spool \) -prune -o -print 2>/dev/null |
        LC_ALL=C sort
}
# The package that owns PATH, if any; a merged /usr shows /lib's files below /usr/lib.
owner() {
    local found
    found=$(dpkg -S "$1" 2>/dev/null) || found=$(dpkg -S "${1#/usr}" 2>/dev/null) || return 0
    echo "${found%%: *}"
}

# The packages that apt-get install of the .deb newly installs besides it, as apt plans
# it: the only ones the restore may take away again. (Comparing the installed packages
# before and after is not enough: another install on the machine at the same time would
# add its own.)
PULLED=""
# Purges the packages named, but only when apt would remove nothing else: a package that
# someone else installed meanwhile and that needs one of them is never taken along.
safe_purge() {
    local planned unexpected
    planned=$("${APT[@]}" -s purge "$@" 2>&1 | awk '/^Purg / {sub(/:.*/, "", $2); print $2}')
    unexpected=$(echo "$planned" | grep -vxF -f <(printf '%s\n' "$@") || true)
    if [ -n "$unexpected" ]; then
        echo "check_deb: not purging $*: apt would also remove $(echo "$unexpected" | tr '\n' ' ')" >&2
        return 1
    fi
    "${APT[@]}" purge "$@"
}
# Purges what the install pulled in and is still there, installed as a dependency.
purge_pulled() {
    local left=()
    for name in $PULLED; do
        apt-mark showauto "$name" 2>/dev/null | grep -qx "$name" && left+=("$name")
    done
    [ "${#left[@]}" -eq 0 ] && return 0
    echo "check_deb: purging what the package pulled in: ${left[*]}"
    safe_purge "${left[@]}"
}

restore() {
    local status=$?
    set +e
    if [ -n "$BG_PID" ]; then
        kill -TERM "$BG_PID" 2>/dev/null && wait "$BG_PID" 2>/dev/null
    fi
    if known_to_dpkg "$package"; then
        echo "check_deb: restoring the machine: purging $package"
        safe_purge "$package" >"$WORK/restore.log" 2>&1 || cat "$WORK/restore.log" >&2
    fi
    purge_pulled >>"$WORK/restore.log" 2>&1 || cat "$WORK/restore.log" >&2
    rm -rf "$WORK"
    exit "$status"
}
trap restore EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# --- the package and lintian ----------------------------------------------------------
step "building the package"
sh "$SOURCE/dist/make_deb.sh" "$OUT" "$JOBS"
[ -f "$DEB" ] || { echo "check_deb: $DEB was not built" >&2; exit 1; }

step "lintian"
# Every binary package of the build and its .buildinfo, through the .changes file.
lintian --fail-on error,warning --display-info "$CHANGES" 2>&1 | tee "$WORK/lintian.log" ||
    fail "lintian failed"
if grep -Eq '^[EW]: ' "$WORK/lintian.log"; then
    fail "lintian reports errors or warnings: $(grep -Ec '^[EW]: ' "$WORK/lintian.log")"
fi

# --- installing --------------------------------------------------------------------------
step "installing with apt-get"
snapshot >"$WORK/files.before"
PULLED=$("${APT[@]}" -s install "$DEB" 2>/dev/null |
    awk -v own="$package" '/^Inst / && $3 !~ /^\[/ {sub(/:.*/, "", $2); if ($2 != own) print $2}')
[ -z "$PULLED" ] || echo "check_deb: apt-get pulls in: $(echo "$PULLED" | tr '\n' ' ')"
"${APT[@]}" install "$DEB" >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log" >&2; exit 1; }
installed "$package" || { echo "check_deb: $package is not installed after apt-get install" >&2; exit 1; }
dpkg -L "$package" | LC_ALL=C sort >"$WORK/package.files"
owned() {
    grep -qxF "$1" "$WORK/package.files" || fail "$1 is not in the package"
    [ -e "$1" ] || fail "$1 is not on the disk"
}

step "the installed files"
for program in quillor quillor-tally; do
    owned "$BINDIR/$program"
    [ -x "$BINDIR/$program" ] || fail "$BINDIR/$program is not executable"
done
for tileset in "$SOURCE"/assets/quillortiles/*.bmp; do
    owned "/usr/share/quillor/quillortiles/$(basename "$tileset")"
done
DESKTOP=/usr/share/applications/$APP_ID.desktop
METAINFO=/usr/share/metainfo/$APP_ID.metainfo.xml
owned "$DESKTOP"
owned "$METAINFO"
for size in 16 24 32 48 64 128 256; do
    owned "/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
done
owned "/usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
owned /usr/share/man/man6/quillor.6.gz
owned /usr/share/man/man6/quillor-host.6.gz
owned /usr/share/man/man1/quillor-tally.1.gz
owned "/usr/share/doc/$package/copyright"
# Debian 12 keeps units in /lib/systemd/system, which a merged /usr makes /usr/lib/systemd/system.
UNIT=/lib/systemd/system/quillor-serve@.service
owned "$UNIT"
if [ -L /lib ]; then
    [ -f "/usr$UNIT" ] || fail "/usr$UNIT is missing"
fi
for page in quillor.6 quillor-host.6 quillor-tally.1; do
    out=$(zcat "/usr/share/man/man${page##*.}/$page.gz" | groff -t -man -ww -z 2>&1) && [ -z "$out" ] ||
        fail "groff $page: $out"
done

step "the menu entry, the metainfo and the unit"
out=$(desktop-file-validate "$DESKTOP" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
# The menu starts the installed program by name and shows the installed icon.
exec_line=$(sed -n 's/^Exec=//p' "$DESKTOP")
[ "$(PATH=$USER_PATH command -v "${exec_line%% *}")" = "$BINDIR/quillor" ] ||
    fail "the menu's Exec=$exec_line does not find $BINDIR/quillor"
[ "$(sed -n 's/^Icon=//p' "$DESKTOP")" = "$APP_ID" ] || fail "the menu entry does not show the icon $APP_ID"
out=$(appstreamcli validate --no-net "$METAINFO" 2>&1) || fail "appstreamcli validate: $out"
out=$(systemd-analyze verify "$UNIT" 2>&1) || fail "systemd-analyze verify $UNIT: $out"
out=$(systemd-analyze verify quillor-serve@7772.service 2>&1) || fail "systemd-analyze verify quillor-serve@7772.service: $out"
# Neither enabled nor started: no link to the unit anywhere in /etc, nothing running.
links=$(find /etc/systemd -name 'quillor-serve@*' 2>/dev/null)
[ -z "$links" ] || fail "the unit is enabled: $links"
if [ -d /run/systemd/system ]; then
    running=$(systemctl list-units --all --no-legend 'quillor-serve@*' 2>&1)
    [ -z "$running" ] || fail "the unit was started: $running"
fi

# --- the installed programs run ----------------------------------------------------------
# A user of the machine with a home folder of his own, and nothing else of the caller's
# environment: sets RUN_AS (the command prefix), USER_HOME and USER_RUNTIME.
prepare_user() {
    local user=$1
    USER_HOME=$WORK/home-$user
    USER_RUNTIME=$WORK/runtime-$user
    mkdir -p "$USER_HOME" "$USER_RUNTIME"
    chmod 700 "$USER_RUNTIME"
    chown "$user:" "$USER_HOME" "$USER_RUNTIME"
    RUN_AS=(setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups
        env -i PATH="$USER_PATH" HOME="$USER_HOME" XDG_RUNTIME_DIR="$USER_RUNTIME" LANG=C.UTF-8)
}

step "quillor --version"
prepare_user nobody
out=$("${RUN_AS[@]}" quillor --version 2>&1) || fail "quillor --version failed: $out"
[ "$out" = "$upstream" ] || fail "quillor --version printed '$out', not '$upstream'"

# The TCP port that process PID (or a child of it, whatever program it runs by then) listens
# on, waiting up to 20 s for it; nothing when it does not.
listening_port() {
    local pid=$1 port="" tries=0
    while [ -z "$port" ] && [ "$tries" -lt 200 ] && kill -0 "$pid" 2>/dev/null; do
        sleep 0.1
        tries=$((tries + 1))
        for listener in $pid $(pgrep -P "$pid"); do
            # The first listening socket of the process, "*:PORT" or "[::]:PORT"; none yet is no error.
            port=$(ss -Hltnp 2>/dev/null | awk -v p="pid=$listener," 'index($0, p) && !seen {sub(/.*:/, "", $4); print $4; seen = 1}') || true
            [ -z "$port" ] || break
        done
    done
    echo "$port"
}

# Starts a headless host (the command line in "$@", as the user prepared last), finds the
# port it listens on, and checks that it accepts a connection and greets it.
serve_check() {
    local label=$1
    shift
    "${RUN_AS[@]}" "$@" >"$WORK/serve.log" 2>&1 &
    local pid=$!
    BG_PID=$pid
    local port greeting=""
    port=$(listening_port "$pid")
    if [ -z "$port" ]; then
        fail "$label: no listening port after 20 s: $(cat "$WORK/serve.log")"
    else
        # The host greets every accepted connection with the slot it gave it.
        greeting=$(timeout 10 bash -c 'exec 3<>"/dev/tcp/127.0.0.1/$1"; head -c 17 <&3' _ "$port" 2>&1) || true
        [ "$greeting" = CMD_sendlogininfo ] || fail "$label: port $port answered '$greeting', not CMD_sendlogininfo"
    fi
    kill -TERM "$pid" 2>/dev/null
    local status=0
    wait "$pid" || status=$?
    BG_PID=""
    [ "$status" -eq 0 ] || fail "$label: ended with status $status after SIGTERM: $(cat "$WORK/serve.log")"
    echo "check_deb: $label: port ${port:-none}, greeting '${greeting:-none}', status $status after SIGTERM"
}

step "quillor --serve --port 0"
serve_check "quillor --serve" quillor --serve --port 0
# The unit's own command line, for instance 0 (any free port).
read -r -a unit_command <<<"$(sed -n 's/^ExecStart=//p' "$UNIT" | sed 's/%i/0/g')"
[ -x "${unit_command[0]}" ] && grep -qxF "${unit_command[0]}" "$WORK/package.files" ||
    fail "the unit starts ${unit_command[0]}, which the package does not install"
step "the unit's command line: ${unit_command[*]}"
serve_check "the unit's command line" "${unit_command[@]}"

# A short start of the game on the offscreen platform (a solo game, hosted on any free port):
# on its way out (SIGTERM, as at a logout) it keeps its settings and tally. Both must land in
# the user's own folders. A window that was not moved stores no placement, so the settings
# file is seeded with a placement no screen shows: the game moves the window into sight and
# stores where it then is when it closes.
game_check() {
    local user=$1
    prepare_user "$user"
    mkdir -p "$USER_HOME/.config/quillor"
    printf '[agame]\r\nLeft=100000\r\nTop=100000\r\nWidth=772\r\nHeight=535\r\n' \
        >"$USER_HOME/.config/quillor/pelklobby.ini"
    chown -R "$user:" "$USER_HOME/.config"
    touch "$WORK/marker"
    sleep 1
    "${RUN_AS[@]}" QT_QPA_PLATFORM=offscreen quillor --port 0 >"$WORK/game.log" 2>&1 &
    local pid=$!
    BG_PID=$pid
    # The window is up once its game host listens; then the player has arrived.
    [ -n "$(listening_port "$pid")" ] || fail "the game as $user did not start its host: $(cat "$WORK/game.log")"
    sleep 1
    kill -TERM "$pid" 2>/dev/null
    local status=0
    wait "$pid" || status=$?
    BG_PID=""
    [ "$status" -eq 0 ] || fail "the game as $user ended with status $status: $(cat "$WORK/game.log")"
    grep -q '^Left=100000' "$USER_HOME/.config/quillor/pelklobby.ini" &&
        fail "the game as $user kept no settings in ~/.config/quillor (the placement is the seeded one)"
    [ -s "$USER_HOME/.local/share/quillor/agametally.tld" ] || fail "the game as $user kept no tally in ~/.local/share/quillor"
    # Nothing written below /usr (a file another package's install wrote meanwhile is its own).
    while IFS= read -r written; do
        by=$(owner "$written")
        [ -n "$by" ] && [ "$by" != "$package" ] && continue
        fail "the game as $user wrote $written"
    done < <(find /usr -xdev -type f -newer "$WORK/marker" 2>/dev/null)
    echo "check_deb: the game as $user kept: $(cd "$USER_HOME" && find . -type f | sort | tr '\n' ' ')"
}
step "a short start of the game as an ordinary user"
game_check nobody
step "a short start of the game as root"
game_check root

# --- purging --------------------------------------------------------------------------
step "apt-get purge"
safe_purge "$package" >"$WORK/purge.log" 2>&1 || fail "apt-get purge failed: $(cat "$WORK/purge.log")"
known_to_dpkg "$package" && fail "dpkg still knows $package after the purge"
purge_pulled >>"$WORK/purge.log" 2>&1 || fail "purging what the package pulled in failed: $(cat "$WORK/purge.log")"
leftover=$(ls /var/lib/dpkg/info/"$package".* /var/lib/dpkg/info/"$package":* 2>/dev/null || true)
[ -z "$leftover" ] || fail "dpkg records left: $leftover"
snapshot >"$WORK/files.after"
# A new file that another package owns was installed meanwhile by someone else.
while IFS= read -r path; do
    by=$(owner "$path")
    [ -n "$by" ] && [ "$by" != "$package" ] && continue
    fail "left after the purge: $path"
done < <(LC_ALL=C comm -13 "$WORK/files.before" "$WORK/files.after")
# A file that went away and that a package still lists was removed by the purge.
while IFS= read -r path; do
    by=$(owner "$path")
    [ -z "$by" ] || fail "the purge removed $path, which $by installed"
done < <(LC_ALL=C comm -23 "$WORK/files.before" "$WORK/files.after")

if [ "$failures" -ne 0 ]; then
    echo "check_deb: $failures check(s) failed" >&2
    exit 1
fi
echo "check_deb: $(basename "$DEB") ($(wc -l <"$WORK/package.files") paths) is lintian-clean, installs, runs and purges without a trace"
