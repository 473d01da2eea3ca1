#pragma once

#include <QString>

// The wave-audio device that the game's cues go through: a file name and the
// commands "Open", "Play" and "Close", nothing read back. A missing or
// unplayable file stays silent; a command never blocks.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    virtual void setFileName(const QString& fileName) = 0;
    virtual void setCommand(const QString& command) = 0;
    // Called once the window is on screen: setting up audio then costs the
    // first frame nothing. A cue played before waits for it.
    virtual void start() = 0;
};
