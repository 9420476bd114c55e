#!/bin/sh
# Builds the Debian package, unpacks it, checks that everything in it is
# under usr/, and runs the unpacked translator on a golden case.
# usage: package_test.sh BUILD_DIR CASES_DIR
set -u
build=$1 cases=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail=0

(cd "$build" && cpack -B "$dir/out" >"$dir/cpack.log" 2>&1) || { cat "$dir/cpack.log"; exit 1; }
deb=$(ls "$dir"/out/fluac_*_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "no fluac_VERSION_ARCH.deb made"; cat "$dir/cpack.log"; exit 1; }
echo "package: $(basename "$deb")"

dpkg-deb -c "$deb" >"$dir/contents" || fail=1
cat "$dir/contents"
outside=$(awk '{print $6}' "$dir/contents" | grep -v -E '^\./(usr/.*)?$')
[ -z "$outside" ] || { echo "files outside usr/:"; echo "$outside"; fail=1; }
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
echo "$depends" | grep -q libc6 || { echo "no library dependencies recorded"; fail=1; }
# fluac-lua, where it is built, brings in FLTK, Lua and libpng.
if [ -x "$build/src/runtime/fluac-lua" ]; then
    for lib in libfltk1.3 liblua5.4 libpng16; do
        echo "$depends" | grep -q "$lib" || { echo "no dependency on $lib"; fail=1; }
    done
    grep -q ' \./usr/bin/fluac-lua$' "$dir/contents" || { echo "fluac-lua not packaged"; fail=1; }
fi

dpkg-deb -x "$deb" "$dir/root" || exit 1
"$dir/root/usr/bin/fluac" "$cases/window_with_button.fl" "$dir/out.lua" || fail=1
cmp -s "$cases/window_with_button.lua" "$dir/out.lua" || { echo "the packaged fluac translates differently"; fail=1; }

# The Lua module, where it is built: in Lua's folder for C modules, it runs
# an example that the packaged fluac translates.
if [ -f "$build/lua/fltk.so" ]; then
    cmod=$(pkg-config --variable=INSTALL_CMOD lua5.4 2>/dev/null) || cmod=$(cd "$dir/root" && dirname "$(find usr -name fltk.so)")
    cmod=$dir/root/${cmod#/}
    examples=$dir/root/usr/share/doc/fluac/examples
    "$dir/root/usr/bin/fluac" "$examples/settings_dialog.fl" "$dir/ui.lua" || fail=1
    (cd "$dir" && LUA_CPATH="$cmod/?.so" FLUAC_LUA_TREE=1 lua5.4 -l fltk ui.lua 2>&1) |
        cmp -s - "$examples/settings_dialog.tree" || { echo "packaged module in $cmod"; fail=1; }
fi
exit $fail
