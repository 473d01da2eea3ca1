#include "HighScoresDialog.h"

#include "BoardConfig.h"
#include "HighScores.h"
#include "NumberText.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {

// Right-to-left letters, or the controls that change the direction of text.
bool turnsDirection(const QString& name) {
    const QList<uint> points = name.toUcs4();
    return std::any_of(points.begin(), points.end(), [](uint point) {
        switch (QChar::direction(static_cast<char32_t>(point))) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirPDF:
        case QChar::DirLRI:
        case QChar::DirRLI:
        case QChar::DirFSI:
        case QChar::DirPDI:
            return true;
        default:
            return false;
        }
    });
}

// "3.  85% Ann (5/27/99)"; blank when the rank holds no name, and no digits
// for a score of 0. A name that turns the direction of text is isolated
// (first-strong isolate ... pop isolate): the row stays left to right, its
// rank and score first, whatever the name holds.
QString rowText(int rank, const HighScoreEntry& entry) {
    if (entry.name.isEmpty()) {
        return QString();
    }
    const QString digits = entry.score == 0 ? QString() : NumberText::local(entry.score);
    const QString name =
        turnsDirection(entry.name) ? QChar(0x2068) + entry.name + QChar(0x2069) : entry.name;
    //: A row of the high-score table: rank, score in percent (left out for 0) and the name
    //: with the date it was entered
    return HighScoresDialog::tr("%1.  %2% %3").arg(NumberText::local(rank), digits, name);
}

// A row longer than its label ends in "…", never cut inside a letter, and
// is read whole in its tool tip and by a screen reader.
void showRow(QLabel* label, const QString& text) {
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, label->width());
    label->setText(shown);
    if (shown != text) {
        label->setToolTip(text);
        label->setAccessibleName(text);
    }
}

} // namespace

HighScoresDialog::HighScoresDialog(const BoardConfig& game, const SettingsValues& values,
                                   QWidget* parent)
    : FixedDialog(parent) {
    setObjectName(QStringLiteral("frmHighScores"));
    setWindowTitle(tr("High Scores"));
    setClientSize(5055, 3480);

    addLabel(this, "Label1", tr("These are the all-time best Tilewise players:"), 150, 150, 3285,
             255);
    QPushButton* okButton = addButton(this, "cmdOK", tr("OK"), 3660, 150, 1185, 375);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    //: The board the table is for: columns x rows, and the tiles in a set
    const QString board = tr("%1 x %2 match %3")
                              .arg(NumberText::local(game.columns), NumberText::local(game.rows),
                                   NumberText::local(game.tilesPerSet));
    addLabel(this, "lblBoardSize", board, 300, 510, 3135, 255);
    QList<QLabel*> rows;
    for (int rank = 1; rank <= HighScores::kRanks; ++rank) {
        const QByteArray name = "lbl" + QByteArray::number(rank);
        rows.append(
            addLabel(this, name.constData(), QString(), 300, 840 + 240 * (rank - 1), 3135, 195));
    }
    fitTexts();
    // The rows are cut to their labels, as wide as the dialog has become.
    const QList<HighScoreEntry> table = HighScores::table(values, game.columns, game.tilesPerSet);
    for (int rank = 1; rank <= HighScores::kRanks; ++rank) {
        showRow(rows.at(rank - 1), rowText(rank, table.at(rank - 1)));
    }
    okButton->setFocus();
}
