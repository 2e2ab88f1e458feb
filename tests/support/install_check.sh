#!/usr/bin/env bash
# Installs the library's components of a build tree into a temporary prefix
# (or takes an installed PREFIX), then compiles, links and runs a small
# program against it from outside the build tree, with the flags of its
# pkg-config file.
#   install_check.sh <build-dir> [PREFIX]
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
cxx=$(cache CMAKE_CXX_COMPILER)
flags=""
if [ "$(cache KX_SANITIZE)" = ON ]; then
  flags="-fsanitize=address,undefined"
fi

prefix=${2:-$work/prefix}
if [ $# -lt 2 ]; then
  for component in libkxsupport1 libkxsupport-dev; do
    cmake --install "$build" --component "$component" --prefix "$prefix" >/dev/null
  done
fi
lib=$(dirname "$(find "$prefix" -name 'libkxsupport.so' | head -n1)")
test -f "$prefix/include/kxsupport/kxsupport.h"
kxsupport=$(PKG_CONFIG_PATH="$lib/pkgconfig" pkg-config --cflags --libs kxsupport)

mkdir "$work/app"
cat >"$work/app/main.cpp" <<'CPP'
#include <kxsupport/kxsupport.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// One use of each class: the headers compile and the library links and runs.
int main()
{
    const std::string dir = std::getenv("CHECK_DIR");
    setenv("KX_PIPEDIR", dir.c_str(), 1);
    CDosFile file((dir + "/file.txt").c_str());
    char line[16];
    if (!file.Create(CDosFile::modeReadWrite) || !file.Write("one\r\ntwo", 8) || !file.Seek(0) ||
        !file.ReadLine(line, sizeof line) || std::strcmp(line, "one") != 0)
        return 2;
    CNamedPipe server;
    CPipeService service("check", 1, nullptr, 1);
    if (!server.InitServer("check") || server.Connect(1, 0) != 0 || !service.Start() || !service.Stop(1000, 0))
        return 3;
    if (std::strcmp(CCommPort("COM1").GetDeviceName(), "/dev/ttyS0") != 0)
        return 4;
    std::puts("kxsupport install check: ok");
    return 0;
}
CPP
# shellcheck disable=SC2086
"$cxx" -std=c++20 $flags "$work/app/main.cpp" $kxsupport -pthread -o "$work/app/check"
CHECK_DIR=$work LD_LIBRARY_PATH="$lib" "$work/app/check"
