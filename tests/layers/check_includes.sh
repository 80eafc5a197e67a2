#!/bin/sh
# Checks the include rules between the layers (docs/architecture.md):
# convert/ and cli/ include no Qt header; platform/ includes nothing from
# skin/, app/ or convert/; skin/ includes nothing from app/ or convert/.
# Prints every offending line and fails if there is one.
set -eu
root=${1:?usage: check_includes.sh SOURCE_FOLDER}
status=0

# Every include line of a layer's sources, as FILE:LINE:TEXT.
includes() {
    grep -rnE '^[[:space:]]*#[[:space:]]*include' --include='*.h' --include='*.cpp' "$root/$1" || true
}

# The names of a layer's headers, one per line.
headers() {
    find "$root/$1" -name '*.h' -exec basename {} \;
}

report() {
    if [ -n "$2" ]; then
        echo "$1"
        echo "$2"
        status=1
    fi
}

# forbid_qt LAYER: no Qt header at all.
forbid_qt() {
    report "$1/ includes Qt:" "$(includes "$1" | grep -E '<Q[A-Za-z]*>|<Qt[A-Za-z]*/' || true)"
}

# forbid_layers LAYER OTHER...: no header of the other layers.
forbid_layers() {
    layer=$1
    shift
    patterns=$(for other in "$@"; do headers "$other"; done | sed 's/.*/"&"/')
    report "$layer/ includes a header of $*:" \
        "$(includes "$layer" | grep -F "$patterns" || true)"
}

forbid_qt convert
forbid_qt cli
forbid_layers convert platform skin app cli
forbid_layers cli platform skin app
forbid_layers platform skin app convert cli
forbid_layers skin app convert cli
exit $status
