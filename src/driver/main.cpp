// fluac INPUT.fl OUTPUT.lua
#include <cstdio>
#include <cstring>

#include "driver/parse_fluid.h"

namespace {

const char kUsage[] =
    "usage: fluac INPUT.fl OUTPUT.lua\n"
    "Translates a FLUID user-interface file into a Lua script for an FLTK binding.\n"
    "INPUT.fl may be - for standard input.\n";

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
    if (argc < 3) {
        fputs(kUsage, stderr);
        return 2;
    }
    return vemt_ParseFluid(argv[1], argv[2]);
}
