// Times a program from its start to its first top-level window mapped on the
// X display, and reads its resident memory one second after that map.
//
//   tilewise-launch-meter [--timeout SECONDS] PROGRAM [ARGUMENT...]
//
// Prints one line, "ms 41.20 rss_kib 30124 windows 1": milliseconds to the
// map, VmRSS, and the top-level windows mapped by the time memory was read.
// Exits non-zero, with a message, when no window is mapped within the
// timeout (30 s unless given) or the program ends first.
#include "Child.h"
#include "MapWatch.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Options {
    std::chrono::seconds timeout{30};
    std::vector<std::string> command;
};

Options parse(int argc, char* argv[]) {
    Options options;
    int next = 1;
    if (next + 1 < argc && std::string(argv[next]) == "--timeout") {
        options.timeout = std::chrono::seconds(std::stoi(argv[next + 1]));
        next += 2;
    }
    options.command.assign(argv + next, argv + argc);
    if (options.command.empty() || options.timeout.count() <= 0) {
        throw std::invalid_argument("usage: tilewise-launch-meter [--timeout SECONDS] PROGRAM "
                                    "[ARGUMENT...]");
    }
    return options;
}

int measure(const Options& options) {
    MapWatch watch;
    const auto start = MapWatch::Clock::now();
    Child child(options.command);
    const auto running = [&child] { return child.running(); };
    if (!watch.waitForMap(start + options.timeout, running)) {
        if (!child.running()) {
            throw std::runtime_error(options.command.front() + " " + child.ending() +
                                     " before it mapped a window");
        }
        throw std::runtime_error(options.command.front() + " mapped no window within " +
                                 std::to_string(options.timeout.count()) + " s");
    }
    // Later windows, such as a message box over the main one, are counted.
    while (watch.waitForMap(watch.firstMap() + std::chrono::seconds(1), running)) {
    }
    const long kib = child.residentKiB();
    if (!child.running() || kib < 0) {
        throw std::runtime_error(options.command.front() + " " + child.ending() +
                                 " within a second of mapping its window");
    }
    const std::chrono::duration<double, std::milli> ms = watch.firstMap() - start;
    std::printf("ms %.2f rss_kib %ld windows %d\n", ms.count(), kib, watch.maps());
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        return measure(parse(argc, argv));
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tilewise-launch-meter: %s\n", error.what());
        return 1;
    }
}
