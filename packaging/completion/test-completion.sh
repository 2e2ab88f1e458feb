#!/bin/sh
# test-completion.sh SCRIPT KXALARMCTL: sources the completion script in bash
# and completes "kxalarmctl settings gen" and a value name of a dialog.
command -v bash >/dev/null || { echo "bash is missing: the completion script is not tested"; exit 77; }
exec bash -c '
set -u
source "$1" || exit 1
complete -p kxalarmctl | grep -q -- "-F _kxalarmctl" || { echo "kxalarmctl has no completion"; exit 1; }
check() {  # expected words...
    local expected=$1; shift
    COMP_WORDS=("$ctl" "$@"); COMP_CWORD=$#; COMPREPLY=()
    _kxalarmctl
    [ "${COMPREPLY[*]}" = "$expected" ] || { echo "${*}: got \"${COMPREPLY[*]}\", expected \"$expected\""; exit 1; }
}
ctl=$2
check general settings gen
check "Active=" settings master-slave --set Act
check "--root" --ro
' test-completion "$@"
