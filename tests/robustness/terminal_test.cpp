// A terminal is read one line at a time: each line is scanned as soon as it
// has been typed, so a syntax error on the first line ends the run at once,
// while the terminal stays open. (A block read would wait for more input, and
// so would a scanner that looks one byte past a lexeme, as flex's full and
// fast tables do, when the error is on the newline that ends the line.)
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

// Waits up to seconds for the child to exit; returns its wait status or -1.
int WaitFor(pid_t pid, int seconds) {
    for (int tick = 0; tick < seconds * 20; ++tick) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return status;
        usleep(50 * 1000);
    }
    return -1;
}

// Runs fluac on a terminal, types text and returns fluac's wait status once
// it has exited, or -1 if it still waits for input after 20 seconds (or
// could not be started).
int TypeAndWait(const std::string& text) {
    int master = -1, slave = -1;
    char dir[] = "/tmp/fluac-tty-XXXXXX";
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0 || !mkdtemp(dir)) {
        ADD_FAILURE() << "no terminal or no temporary directory";
        return -1;
    }
    const std::string out = std::string(dir) + "/out.lua";

    pid_t pid = fork();
    if (pid == 0) {
        dup2(slave, 0);
        close(master);
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 2);
        execl(FLUAC_BINARY, "fluac", "-", out.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(slave);
    EXPECT_EQ(write(master, text.data(), text.size()), static_cast<ssize_t>(text.size()));

    int status = WaitFor(pid, 20);
    if (status == -1) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    close(master);
    unlink(out.c_str());
    rmdir(dir);
    return status;
}

TEST(Terminal, EachLineIsScannedAsSoonAsItIsTyped) {
    int status = TypeAndWait("not a header line\n");
    ASSERT_NE(status, -1) << "fluac still waited for input after the first line";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// The last token of the last typed line is the newline after "code", where
// the grammar wants a brace.
TEST(Terminal, ALineIsScannedWithoutLookingPastItsEnd) {
    int status = TypeAndWait(
        "# data file\nversion 1.0308\nheader_name {.h}\ncode_name {.cxx}\n"
        "Function {f()} {} {\n  Fl_Box b {label {x y}}\n  code\n");
    ASSERT_NE(status, -1) << "fluac still waited for input after the line that ends in an error";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
