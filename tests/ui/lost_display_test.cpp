// A display lost while the program runs, noticed by two of its connections at once: Qt's (whose
// xcb plugin tells it in a message) and Xlib's (the GTK theme's, whose I/O error handler is
// called). The program is a copy of the test process (fork), whose end is held: the first end
// does not cut the other connection's short, so that both would be seen telling the loss.

#include "support/AppHarness.h"

#include <QtGlobal>

#include <X11/Xlib.h>

#include <linux/filter.h>
#include <linux/seccomp.h>

#include <csignal>
#include <cstddef>
#include <iterator>
#include <string>
#include <thread>

#include <poll.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

using testing_support::AppTest;

namespace {

int endsPipe = -1;

// An end of the program, held: it is counted, and the thread that asked for it waits.
void onHeldEnd(int, siginfo_t*, void*)
{
    const char end = 'e';
    (void)!write(endsPipe, &end, 1);
    for (;;)
        pause();
}

// From here on, an end of the process (exit_group, as _Exit and exit ask for it) raises SIGSYS
// in the thread that asks for it instead, for this thread and those it starts.
bool holdEnds()
{
    struct sigaction action = {};
    action.sa_sigaction = onHeldEnd;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    if (sigaction(SIGSYS, &action, nullptr) != 0)
        return false;
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_exit_group, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_TRAP),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog program = {static_cast<unsigned short>(std::size(filter)), filter};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

// Waits at most that long for a byte on the pipe.
bool byteWithin(int fd, int milliseconds)
{
    pollfd wait = {fd, POLLIN, 0};
    char byte = 0;
    return poll(&wait, 1, milliseconds) == 1 && read(fd, &byte, 1) == 1;
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    return text;
}

class LostDisplay : public AppTest {};

TEST_F(LostDisplay, TwoConnectionsNoticingItAtOnceTellItOnce)
{
    int errors[2];
    int ends[2];
    ASSERT_EQ(pipe(errors), 0);
    ASSERT_EQ(pipe(ends), 0);
    const pid_t program = fork();
    ASSERT_GE(program, 0);
    if (program == 0) {
        dup2(errors[1], STDERR_FILENO);
        close(errors[0]);
        close(errors[1]);
        close(ends[0]);
        endsPipe = ends[1];
        const XIOErrorHandler xlibHandler = XSetIOErrorHandler(nullptr);
        if (!holdEnds() || !xlibHandler)
            _exit(2);
        std::thread xlib([xlibHandler] { xlibHandler(nullptr); });
        qWarning("The X11 connection broke (error 1). Did the X11 server die?");
        for (;;)
            pause();
    }
    close(errors[1]);
    close(ends[1]);

    int endsSeen = 0;
    if (byteWithin(ends[0], 20000)) {
        ++endsSeen;
        // A second end, when there is one, follows the first at once: both connections are told together.
        if (byteWithin(ends[0], 1000))
            ++endsSeen;
    }
    kill(program, SIGKILL);
    int status = 0;
    waitpid(program, &status, 0);
    const std::string told = readAll(errors[0]);
    close(errors[0]);
    close(ends[0]);

    EXPECT_EQ(endsSeen, 1) << "ends asked for: " << endsSeen;
    const std::string line = "Merrowby lost its connection to the display";
    const std::size_t first = told.find(line);
    ASSERT_NE(first, std::string::npos) << told;
    EXPECT_EQ(told.find(line, first + 1), std::string::npos) << "the loss is told more than once:\n" << told;
    EXPECT_EQ(told.find('\n'), told.size() - 1) << "more than one line:\n" << told;
}

} // namespace
