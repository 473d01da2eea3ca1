#pragma once

#include <QString>
#include <optional>

// The modal boxes open at a moment the program has to end without a player
// to answer them: on a signal, at log-out, when the display goes away.
namespace OpenBoxes {

// The text typed so far in the input box that is open, if one is.
std::optional<QString> inputText();

// Closes every open modal box as Cancel would, the one on top first.
void closeAll();

} // namespace OpenBoxes
