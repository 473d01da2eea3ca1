#pragma once

#include <QString>

// What a wave file's header says, read without decoding any sound. Only a
// RIFF/WAVE file with a PCM format of 8 or 16 bits and a data chunk is
// playable; anything else would only make Qt's decoder log errors.
struct WaveFile {
    bool playable = false;
    double seconds = 0;
    QString problem; // why it is not played, for the log

    // Cues are short: a file over 5 MB or over 10 seconds is refused rather
    // than held whole in memory.
    static constexpr qint64 kMaxBytes = 5 * 1024 * 1024;
    static constexpr double kMaxSeconds = 10;

    static WaveFile inspect(const QString& path);
};
