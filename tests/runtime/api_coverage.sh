#!/bin/sh
# The FLTK API the binding has, counted against FLTK's headers: the methods
# of the widget classes, each of Fl's static functions, fl_ask.H's and
# fl_draw.H's functions and the methods of the classes that are not widgets.
# In each group that `checked` names, every name is bound or listed as left
# out with its reason; the others are only counted. Needs an X server.
# usage: api_coverage.sh FLUAC_LUA LUA SOURCE_DIR WORK_DIR
set -u
fluac_lua=$1 lua=$2 src=$3 work=$4
checked=Fl,fl_ask,support,fl_draw,widget,windows,groups,buttons,inputs,valuators,others
mkdir -p "$work/prefs"
[ -n "${XVFB_STARTED:-}" ] && : >"$XVFB_STARTED"
"$fluac_lua" "$src/tests/runtime/api_names.lua" "$src/tests/render/screens/info_icon.png" \
    "$work/prefs" >"$work/bound.txt" || exit 1
checked=$checked,browsers,text,menus,menu_item
"$lua" "$src/scripts/fltk_api.lua" --bound "$work/bound.txt" \
    --omitted "$src/scripts/fltk_api_omitted.txt" --check "$checked"
