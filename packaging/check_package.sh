#!/usr/bin/env bash
# Builds the Debian package from a build folder into a scratch folder and
# checks what apt would install: the paths, the owner, Depends, and lintian's
# verdict where lintian is installed.
#   check_package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  exit 1
fi
arch=$(dpkg --print-architecture)
deb=$scratch/solvanto_${version}_${arch}.deb
if [ ! -f "$deb" ]; then
  echo "no $(basename "$deb") was made; cpack said:" >&2
  cat "$scratch/cpack.log" >&2
  exit 1
fi

fail=0
dpkg-deb -c "$deb" >"$scratch/contents"
for path in \
    /usr/bin/solvanto \
    /usr/share/applications/org.solvanto.Solvanto.desktop \
    /usr/share/metainfo/org.solvanto.Solvanto.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/org.solvanto.Solvanto.svg \
    /usr/share/doc/solvanto/copyright \
    /usr/share/doc/solvanto/changelog.gz \
    /usr/share/man/man1/solvanto.1.gz; do
  if ! awk -v p=".$path" '$6 == p { found = 1 } END { exit !found }' "$scratch/contents"; then
    echo "missing in the package: $path" >&2
    fail=1
  fi
done
# Anything outside /usr, or not owned by root, would be a packaging fault.
if awk '$6 !~ /^\.\/(usr\/.*)?$/' "$scratch/contents" | grep .; then
  echo "paths outside /usr (above)" >&2
  fail=1
fi
if awk '$2 != "root/root"' "$scratch/contents" | grep .; then
  echo "entries not owned by root/root (above)" >&2
  fail=1
fi
if ! awk '$6 == "./usr/bin/solvanto" && $1 == "-rwxr-xr-x" { found = 1 } END { exit !found }' \
    "$scratch/contents"; then
  echo "/usr/bin/solvanto is not -rwxr-xr-x" >&2
  fail=1
fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Package names alone, without versions or alternatives' bars.
names=" $(echo "$depends" | tr ',|' '\n\n' | awk '{ print $1 }' | tr '\n' ' ') "
for p in libqt6widgets6 libqt6printsupport6 fonts-liberation2 fonts-dejavu-core fonts-comic-neue qt6-translations-l10n; do
  if [[ $names != *" $p "* ]]; then
    echo "Depends lacks $p" >&2
    fail=1
  fi
done
for field in Package:solvanto Version:"$version" Architecture:"$arch"; do
  got=$(dpkg-deb -f "$deb" "${field%%:*}")
  if [ "$got" != "${field#*:}" ]; then
    echo "${field%%:*} is '$got', not '${field#*:}'" >&2
    fail=1
  fi
done

if command -v lintian >/dev/null; then
  root=()
  [ "$(id -u)" -ne 0 ] || root=(--allow-root)
  # Errors fail the test; warnings and the rest are shown for the reader.
  if lintian "${root[@]}" --fail-on error "$deb"; then
    echo "lintian: no errors"
  else
    echo "lintian reported errors" >&2
    fail=1
  fi
else
  echo "lintian is not installed: its checks were skipped"
fi
exit $fail
