#!/usr/bin/env bash
# Installs the build into a scratch prefix, validates the desktop files there
# and starts the installed program.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/org.solvanto.Solvanto.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.solvanto.Solvanto.metainfo.xml"
test -s "$prefix/share/icons/hicolor/scalable/apps/org.solvanto.Solvanto.svg"
# Still running after two seconds means it started and waits for the user.
set +e
QT_QPA_PLATFORM=offscreen timeout 2 "$prefix/bin/solvanto"
rc=$?
set -e
if [ "$rc" -ne 124 ]; then
  echo "installed program ended with $rc instead of running" >&2
  exit 1
fi
echo "installed program started"
