#include "frmHighScores.h"

#include "BoardConfig.h"
#include "HighScores.h"

#include <QLabel>
#include <QPushButton>

frmHighScores::frmHighScores(const BoardConfig& game, SettingsValues table, QWidget* parent)
    : FixedDialog(parent), game_(game), table_(std::move(table)) {
    setObjectName(QStringLiteral("frmHighScores"));
    setWindowTitle(QStringLiteral("High Scores"));
    SetClientSize(5055, 3480);

    AddLabel(this, "Label1", QStringLiteral("These are the all-time best Tilewise players:"), 150,
             150, 3285, 255);
    QPushButton* cmdOK = AddButton(this, "cmdOK", QStringLiteral("OK"), 3660, 150, 1185, 375);
    connect(cmdOK, &QPushButton::clicked, this, &frmHighScores::cmdOK_Click);
    lblBoardSize_ = AddLabel(this, "lblBoardSize", QString(), 300, 510, 3135, 255);
    for (std::size_t n = 0; n < rows_.size(); ++n) {
        const QByteArray name = "lbl" + QByteArray::number(static_cast<int>(n) + 1);
        rows_.at(n) = AddLabel(this, name.constData(), QString(), 300,
                               840 + 240 * static_cast<int>(n), 3135, 195);
    }
    cmdOK->setFocus();

    Form_Load();
}

void frmHighScores::Form_Load() {
    lblBoardSize_->setText(
        HighScores::BoardName(game_.iNumColumns, game_.iNumRows, game_.iNumTilesToMatch));
    for (std::size_t n = 0; n < rows_.size(); ++n) {
        rows_.at(n)->setText(GetRowText(static_cast<int>(n) + 1));
    }
}

QString frmHighScores::GetRowText(int rank) const {
    const QString name =
        HighScores::GetScoreName(table_, game_.iNumColumns, game_.iNumTilesToMatch, rank);
    const int score =
        HighScores::GetScoreValue(table_, game_.iNumColumns, game_.iNumTilesToMatch, rank);
    if (name.isEmpty()) {
        return QString();
    }
    const QString digits = score == 0 ? QString() : QString::number(score);
    return QString::number(rank) + QStringLiteral(".  ") + digits + QStringLiteral("% ") + name;
}

void frmHighScores::cmdOK_Click() {
    accept();
}
