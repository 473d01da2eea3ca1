#pragma once

#include <QString>
#include <cstdint>

class SoundDevice;

// The game's short wave-audio cues, played through the main window's sound
// device.
enum class Cue : std::int16_t { Match = 0, Mismatch = 1, Greeting = 2 };

// The wave file of a cue, looked up in the data folder; a number outside
// the three cues names no file.
QString cueFile(Cue cue);

// Closes whatever the device last played, so a new cue cuts the one before
// short, then opens and plays the cue's file. Returns at once; a missing
// file stays silent.
void playCue(SoundDevice& device, Cue cue);
