#include "HighScoresDialog.h"

#include "BoardConfig.h"
#include "HighScores.h"

#include <QLabel>
#include <QPushButton>

HighScoresDialog::HighScoresDialog(const BoardConfig& game, SettingsValues table, QWidget* parent)
    : FixedDialog(parent), game_(game), table_(std::move(table)) {
    setObjectName(QStringLiteral("frmHighScores"));
    setWindowTitle(QStringLiteral("High Scores"));
    setClientSize(5055, 3480);

    addLabel(this, "Label1", QStringLiteral("These are the all-time best Tilewise players:"), 150,
             150, 3285, 255);
    QPushButton* okButton = addButton(this, "cmdOK", QStringLiteral("OK"), 3660, 150, 1185, 375);
    connect(okButton, &QPushButton::clicked, this, &HighScoresDialog::okClicked);
    boardSizeLabel_ = addLabel(this, "lblBoardSize", QString(), 300, 510, 3135, 255);
    for (std::size_t n = 0; n < rows_.size(); ++n) {
        const QByteArray name = "lbl" + QByteArray::number(static_cast<int>(n) + 1);
        rows_.at(n) = addLabel(this, name.constData(), QString(), 300,
                               840 + 240 * static_cast<int>(n), 3135, 195);
    }
    okButton->setFocus();

    load();
}

void HighScoresDialog::load() {
    boardSizeLabel_->setText(HighScores::boardName(game_.columns, game_.rows, game_.tilesPerSet));
    for (std::size_t n = 0; n < rows_.size(); ++n) {
        rows_.at(n)->setText(rowText(static_cast<int>(n) + 1));
    }
}

QString HighScoresDialog::rowText(int rank) const {
    const QString name = HighScores::scoreName(table_, game_.columns, game_.tilesPerSet, rank);
    const int score = HighScores::scoreValue(table_, game_.columns, game_.tilesPerSet, rank);
    if (name.isEmpty()) {
        return QString();
    }
    const QString digits = score == 0 ? QString() : QString::number(score);
    return QString::number(rank) + QStringLiteral(".  ") + digits + QStringLiteral("% ") + name;
}

void HighScoresDialog::okClicked() {
    accept();
}
