#!/usr/bin/env bash
# Builds the .deb and checks what it holds.
#   check-package.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: check-package.sh BUILD_DIR}
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/vantor_*.deb | head -n 1)
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/vantor ./usr/bin/vantor-bake ./usr/lib/vantor/libLocalizer.so ./usr/share/vantor/lang/zz-en.lng \
            ./usr/share/applications/vantor.desktop ./usr/share/metainfo/org.vantor.Vantor.metainfo.xml \
            ./usr/share/icons/hicolor/48x48/apps/vantor.png ./usr/share/man/man1/vantor-bake.1.gz \
            ./usr/share/doc/vantor/copyright; do
  grep -qxF "$path" <<<"$contents" || { echo "package: $deb lacks $path" >&2; exit 1; }
done
depends=$(dpkg-deb --field "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || { echo "package: Depends lacks Qt: $depends" >&2; exit 1; }
echo "package: $(basename "$deb") holds every installed file; Depends: $depends"
