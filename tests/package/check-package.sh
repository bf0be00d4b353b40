#!/bin/sh
# Checks the Debian package: its dependencies, its files, the desktop entry and the metainfo,
# and that the installed program starts (offscreen) to its first window and ends on Esc with 0.
#   check-package.sh BUILD_DIR ESCAPE_HOOK.so
set -eu
build=$1
hook=$2
deb=$(ls "$build"/vertebra_*.deb | head -n 1)
root="$build/package-root"
rm -rf "$root"
mkdir -p "$root"
dpkg-deb -x "$deb" "$root"   # a clean root folder of its own

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6printsupport6 libqt6uitools6 fonts-liberation2; do
    echo "$depends" | grep -q "$needed" || { echo "Depends lacks $needed: $depends" >&2; exit 1; }
done

for file in usr/bin/vertebra usr/bin/vertebra-grade \
            usr/share/applications/org.vertebra.Vertebra.desktop \
            usr/share/metainfo/org.vertebra.Vertebra.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.vertebra.Vertebra.svg; do
    [ -e "$root/$file" ] || { echo "the package lacks $file" >&2; exit 1; }
done
for size in 16 22 24 32 48 64 128 256; do
    [ -e "$root/usr/share/icons/hicolor/${size}x${size}/apps/org.vertebra.Vertebra.png" ] ||
        { echo "the package lacks the ${size}x${size} icon" >&2; exit 1; }
done

desktop-file-validate "$root/usr/share/applications/org.vertebra.Vertebra.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.vertebra.Vertebra.metainfo.xml"

"$root/usr/bin/vertebra-grade" --help > /dev/null

runtime="$build/package-runtime"
mkdir -p "$runtime"
chmod 700 "$runtime"
out=$(XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$hook" timeout 60 "$root/usr/bin/vertebra") || {
    echo "the installed program ended with status $?: $out" >&2
    exit 1
}
echo "$out"
echo "$out" | grep -q "^first window: Установление половой принадлежности I поясничного позвонка$"
echo "$out" | grep -q "^Esc in: Edit1$"
echo "package checked: $deb"
