#include "Child.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <limits>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

class FileActions {
public:
    FileActions() { posix_spawn_file_actions_init(&actions_); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_{};
};

} // namespace

Child::Child(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    FileActions actions;
    posix_spawn_file_actions_adddup2(actions.get(), STDERR_FILENO, STDOUT_FILENO);
    const int error =
        posix_spawnp(&pid_, argv.front(), actions.get(), nullptr, argv.data(), environ);
    if (error != 0) {
        throw std::runtime_error("cannot start " + command.front() + ": " + std::strerror(error));
    }
}

Child::~Child() {
    if (!running()) {
        return;
    }
    kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status_, 0);
    }
}

bool Child::running() {
    if (!ended_ && waitpid(pid_, &status_, WNOHANG) == pid_) {
        ended_ = true;
    }
    return !ended_;
}

std::string Child::ending() const {
    if (WIFSIGNALED(status_)) {
        return "was killed by signal " + std::to_string(WTERMSIG(status_));
    }
    return "exited with status " + std::to_string(WEXITSTATUS(status_));
}

long Child::residentKiB() const {
    // The line reads "VmRSS:	   41236 kB".
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = -1;
            status >> kib;
            return kib;
        }
        status.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return -1;
}
