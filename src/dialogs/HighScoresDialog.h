#pragma once

#include "FixedDialog.h"

class SettingsValues;
struct BoardConfig;

// The high-score table of the board in play: a heading, the configuration
// and ten ranked rows, read afresh from the store at every opening.
class HighScoresDialog final : public FixedDialog {
    Q_OBJECT
public:
    // `values`: the settings file's values, read as the dialog opens.
    HighScoresDialog(const BoardConfig& game, const SettingsValues& values,
                     QWidget* parent = nullptr);
};
