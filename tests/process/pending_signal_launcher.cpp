// Runs a program with a signal already waiting for it: the signal is blocked, raised, and
// kept pending across exec, so that it arrives at the program's first unblocking of it,
// before any of its code could have been timed to miss it.
//   pending_signal_launcher TERM|INT program [arguments...]

#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TERM|INT program [arguments...]\n", argv[0]);
        return 2;
    }
    const int signal = std::strcmp(argv[1], "TERM") == 0 ? SIGTERM : std::strcmp(argv[1], "INT") == 0 ? SIGINT : 0;
    if (signal == 0) {
        std::fprintf(stderr, "%s: unknown signal %s\n", argv[0], argv[1]);
        return 2;
    }
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, signal);
    // A caller's shell may ignore the signal (a background job ignores SIGINT); an ignored
    // signal would be dropped, not kept pending.
    std::signal(signal, SIG_DFL);
    sigprocmask(SIG_BLOCK, &blocked, nullptr);
    raise(signal);
    execv(argv[2], argv + 2);
    std::perror(argv[2]);
    return 127;
}
