// A virtual display (Xvfb) of one test's own, for runs that depend on which
// window has the focus: on the display the tests share, any other test's new
// window takes it.
#pragma once

#include <string>

#include <sys/types.h>

class PrivateDisplay {
public:
    // Starts the server and waits until it takes clients; name() is empty when
    // it could not start.
    PrivateDisplay();
    ~PrivateDisplay();
    PrivateDisplay(const PrivateDisplay&) = delete;
    PrivateDisplay& operator=(const PrivateDisplay&) = delete;

    // ":N", as DISPLAY takes it.
    const std::string& name() const { return displayName; }

private:
    pid_t server = -1;
    std::string displayName;
};
