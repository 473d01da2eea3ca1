#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// A program this process started, stopped when the object goes: SIGTERM
// first, SIGKILL when it has not ended two seconds later.
class Child {
public:
    // Starts `command` (looked up on PATH) with this process's environment.
    // Its standard output goes to our standard error, so that the meter's
    // one line of figures stays alone on standard output. Throws when it
    // cannot start.
    explicit Child(const std::vector<std::string>& command);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // False once the program has ended; ending() then tells how.
    bool running();
    std::string ending() const;

    // VmRSS from /proc/<pid>/status in kibibytes; -1 when it has none.
    long residentKiB() const;

private:
    pid_t pid_ = -1;
    bool ended_ = false;
    int status_ = 0;
};
