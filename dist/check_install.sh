#!/bin/sh
# Installs the build into a temporary DESTDIR and checks what a desktop gets from it: the
# layout, the menu entry and the metainfo (validated with desktop-file-validate and
# appstreamcli), the icon sizes, the manual pages (formatted by groff without a warning),
# the service unit (systemd-analyze verify, where systemd is present), the installed
# programs' --version, that the dedicated host needs no windowing library and that
# `quillor --serve` becomes it, and that uninstalling removes every installed file again.
#
# Usage: check_install.sh CMAKE BUILD_DIR PREFIX BINDIR DATADIR MANDIR UNITDIR APP_ID VERSION
#        (the folders as absolute paths without DESTDIR)
set -eu

CMAKE=$1 BUILD=$2 PREFIX=$3 BINDIR=$4 DATADIR=$5 MANDIR=$6 UNITDIR=$7 APPID=$8 VERSION=$9
SOURCE=$(cd "$(dirname "$0")/.." && pwd)

ROOT=$(mktemp -d)
WORK=$(mktemp -d)
trap 'rm -rf "$ROOT" "$WORK"' EXIT INT TERM

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
need_file() {
    [ -f "$ROOT$1" ] && [ -s "$ROOT$1" ] || fail "$1 was not installed"
}

DESTDIR=$ROOT "$CMAKE" --install "$BUILD" --component quillor >"$WORK/install.log" 2>&1 ||
    { cat "$WORK/install.log" >&2; echo "FAIL: cmake --install failed" >&2; exit 1; }
MANIFEST=$BUILD/install_manifest_quillor.txt

# --- the layout ---------------------------------------------------------------------
for program in quillor quillor-host quillor-tally; do
    [ -x "$ROOT$BINDIR/$program" ] || fail "$BINDIR/$program is missing or not executable"
done
for tileset in "$SOURCE"/assets/quillortiles/*.bmp; do
    need_file "$DATADIR/quillor/quillortiles/$(basename "$tileset")"
done
for name in slate slate@2x garden garden@2x; do
    need_file "$DATADIR/quillor/quillortiles/$name.bmp"
done
DESKTOP=$DATADIR/applications/$APPID.desktop
METAINFO=$DATADIR/metainfo/$APPID.metainfo.xml
need_file "$DESKTOP"
need_file "$METAINFO"
need_file "$DATADIR/icons/hicolor/scalable/apps/$APPID.svg"
grep -q '<svg' "$ROOT$DATADIR/icons/hicolor/scalable/apps/$APPID.svg" || fail "the scalable icon is no SVG file"
need_file "$MANDIR/man6/quillor.6"
need_file "$MANDIR/man6/quillor-host.6"
need_file "$MANDIR/man1/quillor-tally.1"
UNIT=$UNITDIR/quillor-serve@.service
need_file "$UNIT"

# Each PNG icon has the size of its folder (width and height from the PNG header).
for size in 16 24 32 48 64 128 256; do
    png=$DATADIR/icons/hicolor/${size}x${size}/apps/$APPID.png
    need_file "$png"
    [ -f "$ROOT$png" ] || continue
    # shellcheck disable=SC2046
    set -- $(od -An -tu1 -j16 -N8 "$ROOT$png")
    width=$(( ($1 << 24) + ($2 << 16) + ($3 << 8) + $4 ))
    height=$(( ($5 << 24) + ($6 << 16) + ($7 << 8) + $8 ))
    [ "$width" -eq "$size" ] && [ "$height" -eq "$size" ] || fail "$png is ${width}x${height}"
done

# --- the menu entry and the metainfo ----------------------------------------------------
out=$(desktop-file-validate "$ROOT$DESKTOP" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
grep -qx "Icon=$APPID" "$ROOT$DESKTOP" || fail "the menu entry does not name the icon $APPID"
grep -qx "Exec=quillor" "$ROOT$DESKTOP" || fail "the menu entry does not start quillor"
grep -q '^Categories=Game;' "$ROOT$DESKTOP" || fail "the menu entry is not in the Game category"
out=$(appstreamcli validate --no-net --pedantic "$ROOT$METAINFO" 2>&1) || fail "appstreamcli validate: $out"
out=$(appstreamcli validate-tree --no-net "$ROOT$PREFIX" 2>&1) || fail "appstreamcli validate-tree: $out"
grep -q "<release version=\"$VERSION\"" "$ROOT$METAINFO" || fail "the metainfo has no release $VERSION"

# --- the manual pages ---------------------------------------------------------------
for page in "$MANDIR/man6/quillor.6" "$MANDIR/man1/quillor-tally.1"; do
    out=$(groff -t -man -ww -z "$ROOT$page" 2>&1) && [ -z "$out" ] || fail "groff $page: $out"
done

# --- the service unit -----------------------------------------------------------------
grep -qx "ExecStart=$BINDIR/quillor-host --port %i" "$ROOT$UNIT" || fail "the unit does not start $BINDIR/quillor-host"
if command -v systemd-analyze >/dev/null 2>&1; then
    # The unit names the program where it will be; here it is below DESTDIR.
    sed "s|^ExecStart=$BINDIR/|ExecStart=$ROOT$BINDIR/|" "$ROOT$UNIT" >"$WORK/quillor-serve@.service"
    out=$(MANPATH=$ROOT$MANDIR systemd-analyze verify "$WORK/quillor-serve@.service" 2>&1) ||
        fail "systemd-analyze verify: $out"
else
    echo "systemd-analyze is not present: the service unit is not verified"
fi

# --- the installed programs run -----------------------------------------------------------
out=$(XDG_RUNTIME_DIR=$WORK QT_QPA_PLATFORM=offscreen "$ROOT$BINDIR/quillor" --version 2>&1) ||
    fail "quillor --version failed: $out"
[ "$out" = "$VERSION" ] || fail "quillor --version printed '$out', not '$VERSION'"
out=$("$ROOT$BINDIR/quillor-host" --version 2>&1) || fail "quillor-host --version failed: $out"
[ "$out" = "$VERSION" ] || fail "quillor-host --version printed '$out', not '$VERSION'"
# The dedicated host needs no windowing library.
needed=$(readelf -d "$ROOT$BINDIR/quillor-host" | grep NEEDED) || fail "readelf cannot read quillor-host"
case $needed in
*Qt6Gui* | *Qt6Widgets* | *Qt6Multimedia* | *libX11* | *libGL*) fail "quillor-host needs a windowing library: $needed" ;;
esac
# `quillor --serve` becomes the installed quillor-host beside it.
"$ROOT$BINDIR/quillor" --serve --port 0 2>"$WORK/serve.log" &
serve=$!
tries=0
until grep -q "listening on port" "$WORK/serve.log" || [ "$tries" -ge 100 ]; do
    sleep 0.05
    tries=$((tries + 1))
done
ran=$(readlink "/proc/$serve/exe" || true)
kill "$serve" 2>/dev/null || true
wait "$serve" || true
grep -q "listening on port" "$WORK/serve.log" || fail "quillor --serve did not start the host: $(cat "$WORK/serve.log")"
[ "$ran" = "$ROOT$BINDIR/quillor-host" ] || fail "quillor --serve ran '$ran', not $ROOT$BINDIR/quillor-host"
status=0
"$ROOT$BINDIR/quillor-tally" >/dev/null 2>"$WORK/tally.err" || status=$?
[ "$status" -eq 2 ] && grep -q '^usage: quillor-tally' "$WORK/tally.err" ||
    fail "quillor-tally without arguments: status $status, $(cat "$WORK/tally.err")"

# --- the manifest lists every installed file, and uninstalling removes them all ------------
(cd "$ROOT" && find . -type f | sed 's|^\.||' | sort) >"$WORK/found"
sort "$MANIFEST" >"$WORK/listed"
cmp -s "$WORK/found" "$WORK/listed" || fail "the install manifest differs from the installed files: $(diff "$WORK/listed" "$WORK/found")"
DESTDIR=$ROOT "$CMAKE" -DMANIFEST="$MANIFEST" -P "$SOURCE/dist/Uninstall.cmake" >"$WORK/uninstall.log" 2>&1 ||
    fail "uninstalling failed: $(cat "$WORK/uninstall.log")"
left=$(cd "$ROOT" && find . -type f)
[ -z "$left" ] || fail "left after uninstalling: $left"
[ ! -e "$ROOT$DATADIR/quillor" ] || fail "$DATADIR/quillor is left after uninstalling"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed $(wc -l <"$WORK/listed") files below $PREFIX; all checks passed"
