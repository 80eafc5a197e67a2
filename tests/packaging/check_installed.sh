#!/usr/bin/env bash
# Installs the build into a private folder, as the package lays it out under
# /usr, and checks the installed desktop files: the desktop entry, the
# AppStream metainfo, the man pages, the bash completion, the icons and the help.
# Usage: check_installed.sh BUILD_DIR
set -euo pipefail

BUILD=$(realpath "$1")
ROOT=$(mktemp -d)
trap 'rm -rf "$ROOT"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR="$ROOT" cmake --install "$BUILD" --prefix /usr >/dev/null
USR="$ROOT/usr"
ID=org.quorvel.Marlune

desktop-file-validate "$USR/share/applications/$ID.desktop" || fail "desktop-file-validate"
grep -qx 'Exec=quorvel-marlune %F' "$USR/share/applications/$ID.desktop" || fail "Exec without %F"
grep -qx 'MimeType=text/plain;' "$USR/share/applications/$ID.desktop" || fail "no MimeType"
grep -qx "Icon=$ID" "$USR/share/applications/$ID.desktop" || fail "wrong Icon"

appstreamcli validate --no-net "$USR/share/metainfo/$ID.metainfo.xml" || fail "appstreamcli validate"
VERSION=$("$USR/bin/quorvel-marlune" --version | sed -n 's/^quorvel-marlune //p')
[ -n "$VERSION" ] || fail "quorvel-marlune --version says nothing"
grep -q "<release version=\"$VERSION\"" "$USR/share/metainfo/$ID.metainfo.xml" ||
    fail "the metainfo has no release $VERSION"
[ "$("$USR/bin/txt2htm" --version)" = "txt2htm $VERSION" ] || fail "txt2htm has another version"

# Man pages: gzipped without a time stamp, rendered by man without a warning.
for page in quorvel-marlune txt2htm; do
    gz="$USR/share/man/man1/$page.1.gz"
    [ -f "$gz" ] || fail "no man page $page"
    gzip -t "$gz" || fail "$page.1.gz is not gzip"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man warns about $page: $warnings"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$gz" 2>/dev/null | grep -q "$VERSION" ||
        fail "$page(1) does not carry version $VERSION"
done

# Bash completion: loads, completes options and sizes.
COMPLETION="$USR/share/bash-completion/completions/txt2htm"
[ -f "$COMPLETION" ] || fail "no bash completion"
if [ -f /usr/share/bash-completion/bash_completion ]; then
    result=$(bash --norc -c '
        source /usr/share/bash-completion/bash_completion
        source "$1"
        COMP_WORDS=(txt2htm --heading-s); COMP_CWORD=1; COMP_LINE="txt2htm --heading-s"
        COMP_POINT=${#COMP_LINE}; _txt2htm txt2htm --heading-s txt2htm; echo "${COMPREPLY[*]}"
        COMP_WORDS=(txt2htm --body-size ""); COMP_CWORD=2; COMP_LINE="txt2htm --body-size "
        COMP_POINT=${#COMP_LINE}; _txt2htm txt2htm "" --body-size; echo "${COMPREPLY[*]}"
    ' bash "$COMPLETION" 2>/dev/null)
    [ "$result" = $'--heading-size=\n1 2 3 4 5 6 7' ] || fail "completion gave: $result"
fi

for size in 16 24 32 48 64 128 256; do
    icon="$USR/share/icons/hicolor/${size}x${size}/apps/$ID.png"
    [ -f "$icon" ] || fail "no $size icon"
    file -b "$icon" | grep -q "PNG image data, $size x $size" || fail "$icon is not $size x $size"
done
[ -f "$USR/share/icons/hicolor/scalable/apps/$ID.svg" ] || fail "no scalable icon"

[ -f "$USR/share/quorvel-marlune/help/index.htm" ] || fail "no HTML help"
[ -f "$USR/share/doc/quorvel-marlune/copyright" ] || fail "no copyright file"
echo PASS
