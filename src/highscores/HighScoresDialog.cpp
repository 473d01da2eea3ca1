#include "HighScoresDialog.h"

#include "BoardConfig.h"
#include "HighScores.h"

#include <QLabel>
#include <QPushButton>

namespace {

// "3.  85% Ann (5/27/99)"; blank when the rank holds no name, and no digits
// for a score of 0.
QString rowText(int rank, const HighScoreEntry& entry) {
    if (entry.name.isEmpty()) {
        return QString();
    }
    const QString digits = entry.score == 0 ? QString() : QString::number(entry.score);
    return QString::number(rank) + QStringLiteral(".  ") + digits + QStringLiteral("% ") +
           entry.name;
}

} // namespace

HighScoresDialog::HighScoresDialog(const BoardConfig& game, const SettingsValues& values,
                                   QWidget* parent)
    : FixedDialog(parent) {
    setObjectName(QStringLiteral("frmHighScores"));
    setWindowTitle(QStringLiteral("High Scores"));
    setClientSize(5055, 3480);

    addLabel(this, "Label1", QStringLiteral("These are the all-time best Tilewise players:"), 150,
             150, 3285, 255);
    QPushButton* okButton = addButton(this, "cmdOK", QStringLiteral("OK"), 3660, 150, 1185, 375);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    addLabel(this, "lblBoardSize", HighScores::boardName(game.columns, game.rows, game.tilesPerSet),
             300, 510, 3135, 255);
    const QList<HighScoreEntry> table = HighScores::table(values, game.columns, game.tilesPerSet);
    for (int rank = 1; rank <= HighScores::kRanks; ++rank) {
        const QByteArray name = "lbl" + QByteArray::number(rank);
        addLabel(this, name.constData(), rowText(rank, table.at(rank - 1)), 300,
                 840 + 240 * (rank - 1), 3135, 195);
    }
    okButton->setFocus();
}
