// Included first by each scanner flex makes from scanner.l: everything it
// includes, so that the namespace the scanner is put in (FLUAC_FLEX_NS, set
// by CMakeLists.txt) opens after them.
#pragma once

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <inttypes.h>
#include <new>
#include <unistd.h>

#include "scanner/flex_scanner.h"
#include "scanner/input.h"
#include "scanner/scanner.h"
#include "translator/tokens.h"

#define FLUAC_FLEX_BEGIN namespace FLUAC_FLEX_NS {
#define FLUAC_FLEX_END }
