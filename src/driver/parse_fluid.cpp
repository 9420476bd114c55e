// The translation run: open the streams, translate once, close the script.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "driver/parse_fluid.h"
#include "output/diagnostics.h"

namespace {

constexpr size_t kOutputBufferSize = 1 << 16;

// Whether the open input and the output path name the same file. Compared by
// device and inode, so links and other spellings of the path are caught.
bool IsSameFile(FILE* input, const char* outputPath) {
    struct stat in, out;
    if (fstat(fileno(input), &in) != 0 || stat(outputPath, &out) != 0) return false;
    return S_ISREG(in.st_mode) && in.st_dev == out.st_dev && in.st_ino == out.st_ino;
}

}  // namespace

int vemt_ParseFluid(const char* inputPath, const char* outputPath, const fluac::TranslateOptions& options) {
    const Messages to{stderr, options.program};
    std::string inputName = inputPath;
    FILE* input = nullptr;
    if (std::strcmp(inputPath, "-") != 0) {
        input = fopen(inputPath, "r");
        if (!input) Report(to, inputPath, std::string(strerror(errno)) + "; reading standard input");
    }
    if (!input) {
        inputName = "<stdin>";
        input = stdin;
    }

    if (IsSameFile(input, outputPath)) {
        Report(to, outputPath, "is the input file; not overwriting it");
        return 2;
    }
    FILE* output = fopen(outputPath, "w");
    if (!output) {
        Report(to, outputPath, strerror(errno));
        return 2;
    }
    setvbuf(output, nullptr, _IOFBF, kOutputBufferSize);

    fluac::TranslateOptions named = options;
    named.outputName = outputPath;
    int status = fluac::translate(input, output, stderr, inputName.c_str(), named);
    // A failed write may also surface in the close.
    if (fclose(output) != 0 && status == 0) {
        Report(to, outputPath, strerror(errno));
        status = 2;
    }
    if (input != stdin) fclose(input);
    return status;
}
