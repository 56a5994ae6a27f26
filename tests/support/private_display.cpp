#include "private_display.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace {

// Long enough for a server start on a busy machine.
constexpr int StartTimeoutMilliseconds = 20000;

}  // namespace

PrivateDisplay::PrivateDisplay()
{
    int report[2];
    if (pipe(report) != 0)
        return;
    server = fork();
    if (server == 0) {
        // Xvfb picks a free display number itself and writes it to the pipe.
        const std::string fd = std::to_string(report[1]);
        close(report[0]);
        // The server's notes on display numbers already taken are no test's business.
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(report[1]);
    std::string number;
    pollfd wait{report[0], POLLIN, 0};
    char digit = 0;
    while (server > 0 && poll(&wait, 1, StartTimeoutMilliseconds) > 0 && read(report[0], &digit, 1) == 1 &&
           digit != '\n')
        number += digit;
    close(report[0]);
    if (!number.empty())
        displayName = ":" + number;
}

PrivateDisplay::~PrivateDisplay()
{
    if (server <= 0)
        return;
    kill(server, SIGTERM);
    int status = 0;
    waitpid(server, &status, 0);
}
