#!/bin/sh
# test-man.sh DIR KXALARMCTL PAGE...: each DIR/PAGE.1 renders without a
# warning, and kxalarmctl.1 has an entry for every command kxalarmctl knows.
dir=$1 ctl=$2
shift 2
command -v groff >/dev/null || { echo "groff is missing: the manual pages are not checked"; exit 77; }
for page in "$@"; do
    [ -f "$dir/$page.1" ] || { echo "$page.1 was not made (pandoc is missing?)"; exit 77; }
done
failed=0
for page in "$@"; do
    warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 "$dir/$page.1" 2>&1)
    [ -z "$warnings" ] || { echo "$page.1: $warnings"; failed=1; }
done
text=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -P-cbou "$dir/kxalarmctl.1" 2>/dev/null)
for command in $("$ctl" --complete "" | grep -v '^-'); do
    printf '%s\n' "$text" | grep -Eq "^ +$command( |\$)" || { echo "kxalarmctl.1 does not describe $command"; failed=1; }
done
exit $failed
