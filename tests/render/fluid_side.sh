# The C++ side of a screenshot comparison, shared by compare.sh and
# real_files.sh (which source it after the configuration file): FLUID compiles
# a file to C++, and a host built from it shows the window and writes its PNG.

# FLUID stops at a dialog when it finds something wrong in a file and has a
# display, so it runs without one; but it needs one to read images, so a file
# with images gets a second, time-limited run with the display.
# run_fluid NAME: NAME.fl -> NAME.cxx, NAME.h in the current folder.
run_fluid() {
    env -u DISPLAY "$FLUID" -c -o "$1.cxx" -h "$1.h" "$1.fl" >>log 2>&1 && return 0
    grep -q 'image {' "$1.fl" && grep -q Fl_Window "$1.fl" &&
        timeout 30 "$FLUID" -c -o "$1.cxx" -h "$1.h" "$1.fl" >>log 2>&1
}

# write_make_shim NAME MAKE: shim.cpp includes NAME.cxx and makes the window
# to show with the C++ statements MAKE; a main() of the file (FLUID's
# translation of an unnamed function) must not replace the host's.
write_make_shim() {
    cat >shim.cpp <<SHIM
#define main fluid_file_main
#include "$1.cxx"
#undef main
#include <FL/Fl_Double_Window.H>
Fl_Widget* fluac_render_make() { $2 }
SHIM
}

# The statements that make a widget class CLASS of KIND (window_class or
# group_class, as cut_windows.lua names them) and size W x H: a group is
# shown in a window of its size, as fluac-lua previews a group that no window
# holds.
class_maker() {
    case $1 in
    window_class) echo "return new $2();" ;;
    group_class) echo "Fl_Double_Window* w = new Fl_Double_Window($3, $4); new $2(0, 0, $3, $4); w->end(); return w;" ;;
    esac
}

# build_host NAME LABEL: compiles shim.cpp, which the caller wrote (it includes
# NAME.cxx and defines fluac_render_make), into ./host, reusing the host built
# last time for LABEL when FLUID's output, the shim and the host library are
# unchanged.
build_host() {
    key=$(cat "$1.cxx" "$1.h" shim.cpp $HOST_LIBRARIES | cksum)
    cache="$CACHE_DIR/$(echo "$2" | tr / _)"
    if [ -x "$cache/host" ] && [ "$(cat "$cache/key" 2>/dev/null)" = "$key" ]; then
        cp "$cache/host" host
        return 0
    fi
    # shellcheck disable=SC2086
    "$CXX" -std=c++17 -O0 -w $HOST_CXXFLAGS -I. shim.cpp -o host $HOST_LIBRARIES $HOST_LINK >>log 2>&1 ||
        return 1
    mkdir -p "$cache" && cp host "$cache/host" && echo "$key" >"$cache/key"
}
