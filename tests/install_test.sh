#!/bin/sh
# Installs the build into a temporary prefix, checks what lands where, and
# runs the installed programs. With "gui" (under run_under_x.sh) the installed
# fluac-lua also takes a screenshot of an installed example.
# usage: install_test.sh BUILD_DIR [gui]
set -u
build=$1
gui=${2:-}
[ -n "${XVFB_STARTED:-}" ] && touch "$XVFB_STARTED"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail=0

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "install failed"; exit 1; }

# Everything lands in bin/, share/man/man1/ (man3/ for the binding's
# reference), share/doc/fluac/examples/ (the applications in folders of their
# own) and Lua's folder of the prefix.
( cd "$prefix" && find . -type f | sort ) >"$prefix.files"
stray=$(grep -v -E '^\./(bin/[^/]+|share/man/man1/[^/]+\.1|share/man/man3/[^/]+\.3|share/doc/fluac/examples/([^/]+/)?[^/]+|lib/lua/5\.4/fltk\.so)$' "$prefix.files")
[ -z "$stray" ] || { echo "installed outside the expected places:"; echo "$stray"; fail=1; }
for f in bin/fluac share/man/man1/fluac.1; do
    [ -f "$prefix/$f" ] || { echo "missing: $f"; fail=1; }
done
ls "$prefix"/share/doc/fluac/examples/*.fl >/dev/null 2>&1 || { echo "no examples installed"; fail=1; }
rm -f "$prefix.files"

# The installed translator translates the installed examples as the built one does.
for fl in "$prefix"/share/doc/fluac/examples/*.fl; do
    "$prefix/bin/fluac" "$fl" "$prefix/installed.lua" || fail=1
    "$build/fluac" "$fl" "$prefix/built.lua" || fail=1
    cmp -s "$prefix/installed.lua" "$prefix/built.lua" || { echo "installed fluac differs on $fl"; fail=1; }
done
"$prefix/bin/fluac" --version | grep -q '^fluac ' || { echo "installed --version"; fail=1; }

# fluac-lua, where it is built.
if [ -x "$build/src/runtime/fluac-lua" ]; then
    [ -x "$prefix/bin/fluac-lua" ] && [ -f "$prefix/share/man/man1/fluac-lua.1" ] &&
        [ -f "$prefix/share/man/man3/fluac-lua-api.3" ] ||
        { echo "fluac-lua or its man pages not installed"; fail=1; }
    "$prefix/bin/fluac-lua" --version | grep -q '^fluac-lua ' || { echo "installed fluac-lua --version"; fail=1; }
    if [ "$gui" = gui ]; then
        "$prefix/bin/fluac" "$prefix/share/doc/fluac/examples/editor.fl" "$prefix/editor.lua" || fail=1
        (cd "$prefix" && "$prefix/bin/fluac-lua" --screenshot editor.png editor.lua) || fail=1
        head -c 8 "$prefix/editor.png" | od -An -c | grep -q 'P   N   G' ||
            { echo "installed fluac-lua wrote no PNG"; fail=1; }
    fi
fi

# The Lua module, where it is built: lua5.4 finds it in the prefix's folder
# for Lua's C modules, and it runs an installed example.
if [ -f "$build/lua/fltk.so" ]; then
    "$prefix/bin/fluac" "$prefix/share/doc/fluac/examples/settings_dialog.fl" "$prefix/ui.lua" || fail=1
    (cd "$prefix" && LUA_CPATH="$prefix/lib/lua/5.4/?.so" FLUAC_LUA_TREE=1 lua5.4 -l fltk ui.lua 2>&1) |
        cmp -s - "$prefix/share/doc/fluac/examples/settings_dialog.tree" || { echo "installed module"; fail=1; }
fi

# The man pages render without warnings.
for page in "$prefix"/share/man/man1/*.1 "$prefix"/share/man/man3/*.3; do
    out=$(groff -ww -man -z "$page" 2>&1)
    [ -z "$out" ] || { echo "groff warns on $(basename "$page"):"; echo "$out"; fail=1; }
done
exit $fail
