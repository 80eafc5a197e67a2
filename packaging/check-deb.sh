#!/usr/bin/env bash
# Builds the Debian package with cpack from a configured and built tree and
# checks it: computed dependencies, stripped programs with their debug
# information in the -dbgsym package, and lintian without errors.
# Usage: packaging/check-deb.sh BUILD_DIR
set -euo pipefail

BUILD=$(realpath "$1")
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$BUILD" && cpack -G DEB -B "$OUT" >"$OUT/cpack.log" 2>&1) || {
    cat "$OUT/cpack.log" >&2
    fail "cpack"
}
DEB=$(ls "$OUT"/quorvel-marlune_*.deb)
DDEB=$(ls "$OUT"/quorvel-marlune-dbgsym_*.ddeb 2>/dev/null || true)
echo "package: $(basename "$DEB") ($(stat -c %s "$DEB") bytes)"

DEPENDS=$(dpkg-deb -f "$DEB" Depends)
RECOMMENDS=$(dpkg-deb -f "$DEB" Recommends)
echo "Depends: $DEPENDS"
echo "Recommends: $RECOMMENDS"
for lib in libc6 libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    [[ $DEPENDS == *"$lib"* ]] || fail "Depends lacks $lib"
done
[[ $RECOMMENDS == *qt6-wayland* ]] || fail "Recommends lacks qt6-wayland"

mkdir "$OUT/tree"
dpkg-deb -x "$DEB" "$OUT/tree"
for program in quorvel-marlune txt2htm; do
    file -b "$OUT/tree/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
done
[ -n "$DDEB" ] || fail "no -dbgsym package"
dpkg-deb -c "$DDEB" >"$OUT/dbgsym.list"
[ "$(grep -c '/usr/lib/debug/.build-id/.*\.debug$' "$OUT/dbgsym.list")" -eq 2 ] ||
    fail "the -dbgsym package does not hold the debug files of both programs"

# Errors fail; warnings and notes are listed for the reader.
lintian --fail-on error --tag-display-limit 0 "$DEB" || fail "lintian reports errors"
echo PASS
