// One translation run: FLUID file in, Lua script out.
#pragma once

#include "translator/translate.h"

// Translates the file at inputPath into a Lua script at outputPath and
// returns the exit status: 0, or 2 when the output could not be written or
// would overwrite the input. An input that cannot be opened is replaced by
// standard input, as is the path "-". Messages go to standard error.
int vemt_ParseFluid(const char* inputPath, const char* outputPath,
                    const fluac::TranslateOptions& options = {});
