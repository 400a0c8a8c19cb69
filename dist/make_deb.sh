#!/bin/sh
# Builds the Debian package (debian/) from a clean copy of the source tree: the files git
# tracks, plus new files it would track, and nothing it ignores, so no build folder or
# other local leftover gets into the package. dpkg-buildpackage -us -uc -b runs in a folder
# below OUT, which is removed afterwards; the packages, the .buildinfo and the .changes
# land in OUT.
#
# DEB_BUILD_OPTIONS passes through ("nocheck" skips the test suite); without a
# "parallel=N" in it, the build runs JOBS jobs.
#
# Usage: make_deb.sh OUT [JOBS]
set -eu

SOURCE=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
OUT=$(cd "$1" && pwd)
JOBS=${2:-2}

changelog=$SOURCE/debian/changelog
package=$(dpkg-parsechangelog -l "$changelog" -S Source)
version=$(dpkg-parsechangelog -l "$changelog" -S Version)
upstream=${version%-*}

# The package carries the program's own version: a release changes both.
project=$(sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\).*/\1/p' "$SOURCE/CMakeLists.txt")
if [ "$project" != "$upstream" ]; then
    echo "make_deb: debian/changelog is at $upstream, but CMakeLists.txt builds version $project" >&2
    exit 1
fi

WORK=$OUT/build
TREE=$WORK/$package-$upstream
rm -rf "$WORK"
mkdir -p "$TREE"

# The clean copy. Outside a git checkout (an unpacked archive) everything but build
# folders and earlier output is taken.
if git -C "$SOURCE" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    # A tracked file deleted in the working tree is left out, not an error.
    (cd "$SOURCE" && git ls-files -z --cached --others --exclude-standard |
        tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$TREE"
else
    (cd "$SOURCE" && tar --exclude='./build*' --exclude='./dist/out' -cf - .) | tar -xf - -C "$TREE"
fi
[ -x "$TREE/debian/rules" ] || { echo "make_deb: the copy of the tree has no debian/rules" >&2; exit 1; }

options=${DEB_BUILD_OPTIONS:-}
case " $options " in
    *" parallel="*) ;;
    *) options="$options parallel=$JOBS" ;;
esac
# Without the tests, the packages they alone need are not asked for either.
profiles=""
case " $options " in
    *" nocheck "*) profiles="-Pnocheck" ;;
esac
export DEB_BUILD_OPTIONS="${options# }"
echo "make_deb: building $package $version (DEB_BUILD_OPTIONS=\"$DEB_BUILD_OPTIONS\")"

start=$(date +%s)
# shellcheck disable=SC2086
(cd "$TREE" && dpkg-buildpackage -us -uc -b $profiles)

# Earlier builds' files of this package make room for the new ones.
rm -f "$OUT/${package}"_*.deb "$OUT/${package}"-dbgsym_*.deb "$OUT/${package}"_*.buildinfo "$OUT/${package}"_*.changes
mv "$WORK"/*.deb "$WORK"/*.buildinfo "$WORK"/*.changes "$OUT"/
rm -rf "$WORK"
echo "make_deb: built in $(($(date +%s) - start)) s:"
ls -1 "$OUT"/*"_${version}_"*
