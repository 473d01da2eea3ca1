#pragma once

#include "FixedDialog.h"
#include "SettingsStore.h"

#include <QString>
#include <array>

class QLabel;
struct BoardConfig;

// The high-score table of the board in play: a heading, the configuration
// and ten ranked rows, read afresh from the store at every opening.
class HighScoresDialog final : public FixedDialog {
    Q_OBJECT
public:
    // `table`: the settings file's values, read as the dialog opens.
    HighScoresDialog(const BoardConfig& game, SettingsValues table, QWidget* parent = nullptr);

private:
    void load();
    void okClicked();
    // "3.  85% Ann (5/27/99)"; blank when the rank holds no name.
    QString rowText(int rank) const;

    const BoardConfig& game_;
    const SettingsValues table_;
    QLabel* boardSizeLabel_ = nullptr;
    std::array<QLabel*, 10> rows_{}; // lbl1 to lbl10
};
