#!/usr/bin/env bash
# Builds the Debian packages from a build tree (its CPackConfig, nothing is
# rebuilt), unpacks them into a temporary root with dpkg-deb -x, runs
# kxalarmctl from there and builds a program against the unpacked
# libkxsupport-dev.  Exit 77 (skipped) where the Debian tools are missing.
#   package_check.sh <build-dir> <version>
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
  if ! command -v "$tool" >/dev/null; then
    echo "package_check: skipped, $tool is missing (Debian packages cmake, dpkg-dev, file)" >&2
    exit 77
  fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; exit 1; }
for package in kxalarm libkxsupport1 libkxsupport-dev; do
  deb=$(ls "$work/out/${package}_${version}_"*.deb)
  dpkg-deb -x "$deb" "$work/root"
done

lib=$(dirname "$(find "$work/root" -name libkxsupport.so.1)")
export LD_LIBRARY_PATH=$lib
shown=$("$work/root/usr/bin/kxalarmctl" --version)
[ "$shown" = "kxalarmctl $version" ] || { echo "--version printed '$shown'" >&2; exit 1; }
"$work/root/usr/bin/kxalarmctl" demo "$work/site" >/dev/null
"$work/root/usr/bin/kxalarmctl" --root "$work/site" record 4711 >/dev/null
# What the console's package must carry beside the programs.
for file in share/kxalarm/translations/kxalarm_de.qm share/applications/kxalarm.desktop \
            share/icons/hicolor/scalable/apps/kxalarm.svg share/icons/hicolor/48x48/apps/kxalarm.png \
            share/man/man1/kxalarmctl.1.gz share/bash-completion/completions/kxalarmctl \
            share/doc/kxalarm/changelog.gz share/doc/libkxsupport1/copyright; do
  [ -f "$work/root/usr/$file" ] || { echo "the packages lack usr/$file" >&2; exit 1; }
done

# lintian's errors fail the test; its warnings are printed.
if command -v lintian >/dev/null; then
  findings=$(lintian "$work"/out/*.deb 2>/dev/null || true)
  [ -z "$findings" ] || echo "$findings"
  if grep -q '^E:' <<<"$findings"; then exit 1; fi
else
  echo "package_check: lintian is not installed; the packages are not linted"
fi

"$(dirname "$0")/../support/install_check.sh" "$build" "$work/root/usr"
