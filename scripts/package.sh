#!/usr/bin/env bash
# Installs what is missing, builds the Debian package of kesh into
# build/package and checks it: the desktop entries, the metainfo, lintian
# and the package's file list.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset package >/dev/null
cmake --build --preset package
rm -f build/package/kesh_*.deb
(cd build/package && cpack -G DEB)

shopt -s nullglob
debs=(build/package/kesh_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    echo "package.sh: expected one package in build/package, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}

desktop-file-validate resources/io.github.kesh.Kesh.desktop resources/io.github.kesh.KeshImport.desktop
appstreamcli validate --no-net resources/io.github.kesh.Kesh.metainfo.xml

# Errors fail; warnings are shown. lintian refuses to run as root without this.
lintian --allow-root --fail-on error "$deb"

contents=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
missing=0
for path in \
    ./usr/bin/kesh \
    ./usr/bin/kesh-import \
    ./usr/share/applications/io.github.kesh.Kesh.desktop \
    ./usr/share/applications/io.github.kesh.KeshImport.desktop \
    ./usr/share/metainfo/io.github.kesh.Kesh.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/kesh.svg \
    ./usr/share/icons/hicolor/scalable/apps/kesh-import.svg \
    ./usr/share/icons/hicolor/16x16/apps/kesh.png \
    ./usr/share/icons/hicolor/256x256/apps/kesh.png \
    ./usr/share/icons/hicolor/48x48/apps/kesh-import.png \
    ./usr/share/man/man1/kesh.1.gz \
    ./usr/share/man/man1/kesh-import.1.gz \
    ./usr/share/doc/kesh/copyright \
    ./usr/share/doc/kesh/changelog.gz; do
    if ! grep -qxF -- "$path" <<<"$contents"; then
        echo "package.sh: $deb lacks $path" >&2
        missing=1
    fi
done
if [ "$missing" -ne 0 ]; then
    exit 1
fi
echo "Built and checked $deb"
