#include "run_fluac.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

FluacRun TranslateText(const std::string& input) {
    char dir[] = "/tmp/fluac-robust-XXXXXX";
    if (!mkdtemp(dir)) return {};
    const std::string in = std::string(dir) + "/in.fl";
    const std::string out = std::string(dir) + "/out.lua";
    const std::string err = std::string(dir) + "/err";
    std::ofstream(in, std::ios::binary).write(input.data(), static_cast<std::streamsize>(input.size()));

    FluacRun run;
    pid_t pid = fork();
    if (pid == 0) {
        int fd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 2);
        execl(FLUAC_BINARY, "fluac", in.c_str(), out.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.maxRssKiB = usage.ru_maxrss;
    run.output = ReadFile(out);
    run.errors = ReadFile(err);
    unlink(in.c_str());
    unlink(out.c_str());
    unlink(err.c_str());
    rmdir(dir);
    return run;
}

size_t CountOf(const std::string& text, const std::string& needle) {
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size()))
        ++count;
    return count;
}
