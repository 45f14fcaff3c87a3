#!/bin/sh
# Installs the build into a fresh prefix and checks what a desktop expects of
# it: the files in their places, a valid menu entry and metadata, icons of
# every size, and the installed programs working from any folder.
#   install_test.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
src=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

data=share/vandrel-catalogue
for f in bin/vandrel-catalogue bin/vdcat $data/dat/vd_fan.rec $data/txt/vd_lan.txt \
  $data/txt/vd_setup.txt $data/clips/clip.txt $data/clips/desc.txt $data/clips/cols.txt \
  $data/wmf/blank.wmf $data/pics/vandrel_logo.wmf $data/bmp/pw.bmp \
  share/applications/example.vandrel.catalogue.desktop \
  share/metainfo/example.vandrel.catalogue.metainfo.xml; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
for tool in gen_catalogue gen_artwork gen_material; do
  [ ! -e "$prefix/bin/$tool" ] && [ ! -e "$prefix/$data/$tool" ] || fail "the build tool $tool is installed"
done
# With serve in vdcat, its unit starts the installed vdcat.
if ! "$prefix/bin/vdcat" serve --listen none 2>&1 | grep -q "without an HTTP library"; then
  unit="$prefix/lib/systemd/system/vdcat-serve.service"
  [ -f "$unit" ] || fail "the vdcat-serve unit is not installed"
  grep -q "^ExecStart=$prefix/bin/vdcat serve " "$unit" || fail "the unit does not start the installed vdcat"
fi
for page in "$src"/tools/vdcat/*.1 "$src"/docs/*.1; do
  [ -f "$page" ] || continue
  [ -f "$prefix/share/man/man1/$(basename "$page")" ] || fail "$(basename "$page") is not installed"
done

# Icons: a PNG of the size its folder names (width and height from the header).
for size in 16 22 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/vandrel-catalogue.png"
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  dims=$(od -An -tu1 -j16 -N8 "$icon" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
  [ "$dims" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $dims"
done

desktop="$prefix/share/applications/example.vandrel.catalogue.desktop"
desktop-file-validate "$desktop" || fail "desktop entry rejected"
grep -qx 'Exec=vandrel-catalogue' "$desktop" || fail "the entry does not start vandrel-catalogue"
grep -qx 'Icon=vandrel-catalogue' "$desktop" || fail "the entry does not name the icon"
appstreamcli validate --no-net "$prefix/share/metainfo/example.vandrel.catalogue.metainfo.xml" >/dev/null ||
  fail "AppStream metadata rejected"

# The installed vdcat reads the installed tree from any folder, and gives the
# same rows as the build tree's; --data still decides where it is given.
select="select --volume 1.2 --volume-unit m3/s --pressure 300 --pressure-unit Pa --include PW,BNBQ"
installed=$(cd / && "$prefix/bin/vdcat" $select) || fail "installed vdcat select failed"
[ -n "$installed" ] || fail "installed vdcat found no fan"
built=$(cd "$build/runtime" && ./vdcat $select)
[ "$installed" = "$built" ] || fail "installed and build tree selections differ"
empty="$prefix/empty"
mkdir "$empty"
rc=0
(cd / && "$prefix/bin/vdcat" $select --data "$empty" >/dev/null 2>&1) || rc=$?
[ "$rc" = 3 ] || fail "vdcat --data EMPTY gave exit code $rc, not 3"

# The drawing commands run in the installed vdcat-render beside vdcat.
if [ -x "$build/runtime/vdcat-render" ]; then
  [ -x "$prefix/bin/vdcat-render" ] || fail "bin/vdcat-render is not installed"
  (cd / && QT_QPA_PLATFORM=offscreen "$prefix/bin/vdcat" preview "$prefix/$data/pics/vandrel_logo.wmf" \
    --out "$prefix/logo.png" >/dev/null 2>&1) || fail "installed vdcat preview failed"
  [ -s "$prefix/logo.png" ] || fail "installed vdcat preview wrote nothing"
fi
# So does the service, in vdcat-serve.
if [ -x "$build/runtime/vdcat-serve" ]; then
  [ -x "$prefix/bin/vdcat-serve" ] || fail "bin/vdcat-serve is not installed"
  (cd / && "$prefix/bin/vdcat" serve --help >/dev/null) || fail "installed vdcat serve --help failed"
fi
echo "install test passed"
