// A terminal is read one line at a time: each line is scanned as soon as it
// has been typed, so a syntax error on the first line ends the run at once,
// while the terminal stays open. (A block read would wait for more input.)
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

TEST(Terminal, EachLineIsScannedAsSoonAsItIsTyped) {
    int master = -1, slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    char dir[] = "/tmp/fluac-tty-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
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
    const char line[] = "not a header line\n";
    ASSERT_EQ(write(master, line, sizeof line - 1), static_cast<ssize_t>(sizeof line - 1));

    int status = WaitFor(pid, 20);
    if (status == -1) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    close(master);
    unlink(out.c_str());
    rmdir(dir);
    ASSERT_NE(status, -1) << "fluac still waited for input after the first line";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
