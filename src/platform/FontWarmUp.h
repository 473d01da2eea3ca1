#pragma once

#include <thread>

// Reads the font configuration on a thread of its own while Qt connects to
// the display. Qt's font database asks fontconfig for it the first time
// text is measured, which is most of the work before the first frame:
// fontconfig parses some fifty XML files. Made here first, it is done by
// then, and Qt finds it ready. Wait() is called before any widget exists.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp() { Wait(); }
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    void Wait();

private:
    std::thread thread_;
};
