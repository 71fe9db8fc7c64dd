#!/usr/bin/env bash
# Validates what `make deb` built: the desktop entry and the AppStream data as they lie in the
# package, and the package itself with lintian. Fails on any error or warning.
#   check-package.sh <build folder>
set -euo pipefail

build=$1
packages=("$build"/vorlant_*.deb)
[[ ${#packages[@]} -eq 1 && -f ${packages[0]} ]] || {
    echo "expected one package in $build, found: ${packages[*]}" >&2
    exit 1
}
package=${packages[0]}
contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$package" "$contents"

echo "== desktop-file-validate usr/share/applications/vorlant.desktop"
desktop-file-validate "$contents/usr/share/applications/vorlant.desktop"
echo "== appstreamcli validate --no-net usr/share/metainfo/vorlant.metainfo.xml"
appstreamcli validate --no-net "$contents/usr/share/metainfo/vorlant.metainfo.xml"
echo "== lintian $(basename "$package")"
lintian --fail-on error,warning --info "$package"
echo "== $(basename "$package"): $(du -k "$package" | cut -f1) KiB"
dpkg-deb -f "$package" Depends Recommends Installed-Size
