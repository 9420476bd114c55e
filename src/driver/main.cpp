// fluac [--extended] [--layout-only] INPUT.fl OUTPUT.lua
#include <cstdio>
#include <cstring>

#include "driver/parse_fluid.h"

namespace {

const char kUsage[] =
    "usage: fluac [-x|--extended] [--layout-only] INPUT.fl OUTPUT.lua\n"
    "Translates a FLUID user-interface file into a Lua script for an FLTK binding.\n"
    "INPUT.fl may be - for standard input.\n"
    "  -x, --extended   read the whole file format the designer saves, not only\n"
    "                   the translated subset\n"
    "  --layout-only    leave out callbacks, code and user data, so that a file\n"
    "                   whose code is C++ still gives a script that Lua runs\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        puts("fluac " FLUAC_VERSION);
        return 0;
    }
    fluac::TranslateOptions options;
    int first = 1;
    for (; first < argc && argv[first][0] == '-' && argv[first][1] != '\0'; ++first) {
        if (std::strcmp(argv[first], "--extended") == 0 || std::strcmp(argv[first], "-x") == 0) {
            options.extended = true;
        } else if (std::strcmp(argv[first], "--layout-only") == 0) {
            options.layoutOnly = true;
        } else {
            fprintf(stderr, "fluac: unknown option %s\n", argv[first]);
            fputs(kUsage, stderr);
            return 2;
        }
    }
    if (argc - first < 2) {
        fputs(kUsage, stderr);
        return 2;
    }
    return vemt_ParseFluid(argv[first], argv[first + 1], options);
}
