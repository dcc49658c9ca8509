#!/usr/bin/env bash
# cpack -G DEB makes a package with computed library dependencies and the run-time
# packages that are not libraries; unpacked into a scratch root, both programs answer
# from there, run from another folder, and nothing in them names the build tree.
source "$(dirname "$0")/lib/common.sh"
src="$(cd "$(dirname "$0")/../.." && pwd)"

(cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/package") >"$tmp/cpack.txt" 2>&1 \
  || { cat "$tmp/cpack.txt" >&2; fail "cpack failed"; }
deb=$(ls "$tmp"/package/*.deb)
[ -f "$deb" ] || fail "no package made"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libvlc5 libqt6widgets6 libqt6webenginecore6 vlc-plugin-base vlc-plugin-video-output qt6-qpa-plugins \
  libqt6webenginecore6-bin fonts-noto-cjk; do
  echo "$depends" | grep -E "(^|, )$needed( |,|$)" >/dev/null || fail "package does not depend on $needed: $depends"
done
echo "package $(basename "$deb"): $(stat -c %s "$deb") bytes; Depends: $depends"

root="$tmp/root"
dpkg -x "$deb" "$root"
for file in usr/bin/direvovu usr/bin/direvovu-cli usr/bin/direvovu-sample \
  usr/share/applications/org.direvovu.Viewer.desktop usr/share/metainfo/org.direvovu.Viewer.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/org.direvovu.Viewer.svg usr/share/icons/hicolor/48x48/apps/org.direvovu.Viewer.png \
  usr/share/icons/hicolor/256x256/apps/org.direvovu.Viewer.png usr/share/man/man1/direvovu.1 \
  usr/share/man/man1/direvovu-cli.1 usr/share/bash-completion/completions/direvovu-cli \
  usr/share/doc/direvovu/copyright; do
  [ -e "$root/$file" ] || fail "package lacks $file"
done

grep -qx "License: GPL-3.0-or-later" "$root/usr/share/doc/direvovu/copyright" || fail "the package's terms"
grep -qF "<project_license>GPL-3.0-or-later</project_license>" "$root/usr/share/metainfo/org.direvovu.Viewer.metainfo.xml" \
  || fail "the metainfo's licence"

cd /
version=$("$root/usr/bin/direvovu" --version) || fail "direvovu --version failed from the scratch root"
[ "$version" = "$("$cli" --version | sed 's/-cli//')" ] || fail "direvovu --version says '$version'"
"$root/usr/bin/direvovu-cli" --help | grep -F "Usage: direvovu-cli" >/dev/null || fail "direvovu-cli --help from the scratch root"
# A sanitizer build names its source files in its own instrumentation (such a build is
# never shipped); running from the scratch root above shows it needs nothing from there.
if [ -z "${DIREVOVU_SANITIZED_BUILD:-}" ]; then
  for program in direvovu direvovu-cli; do
    if grep -a -F -e "$build" -e "$src" "$root/usr/bin/$program" >/dev/null; then
      fail "$program names the build tree"
    fi
  done
fi
