// Game > High Scores: the table of the board in play, read from the store.
#include "Fakes.h"
#include "TestWorkspace.h"
#include "frmTilewise.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// What the dialog shows: the board line, then the ten rows.
QStringList ShownTexts(QDialog& dialog) {
    QStringList texts{dialog.findChild<QLabel*>(QStringLiteral("lblBoardSize"))->text()};
    for (int n = 1; n <= 10; ++n) {
        texts << dialog.findChild<QLabel*>(QStringLiteral("lbl%1").arg(n))->text();
    }
    return texts;
}

QStringList OpenAndRead(frmTilewise& window) {
    QStringList texts;
    const bool opened =
        WithModal([&] { window.mnuGameHighScores_Click(); },
                  [&](QDialog& dialog) {
                      texts = ShownTexts(dialog);
                      dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
                  });
    return opened ? texts : QStringList{};
}

using Entries = QList<QPair<QString, QString>>; // stored name and value by rank

} // namespace

class TestHighScoresDialog : public QObject {
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
    void readsTheStoreAtEveryOpening();
};

void TestHighScoresDialog::rows_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("tilesPerSet");
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QStringList>("expected");

    const QStringList tenBlank(10, QString());

    QTest::newRow("never played") << 6 << 3 << Entries{}
                                  << (QStringList{"6 x 6 match 3"} + tenBlank);

    // The store's first entry leaves placeholders ("" and "0") below it.
    Entries first{{"Ann (5/27/99)", "85"}};
    for (int n = 2; n <= 10; ++n) {
        first.append({QString(), QStringLiteral("0")});
    }
    QStringList afterFirst{"6 x 6 match 3", "1.  85% Ann (5/27/99)"};
    afterFirst += QStringList(9, QString());
    QTest::newRow("after the first entry") << 6 << 3 << first << afterFirst;

    Entries full;
    QStringList fullRows{"10 x 10 match 5"};
    for (int n = 1; n <= 10; ++n) {
        full.append({QStringLiteral("P%1 (1/2/03)").arg(n), QString::number(100 - 10 * n)});
        fullRows << QStringLiteral("%1.  %2% P%1 (1/2/03)").arg(n).arg(100 - 10 * n);
    }
    fullRows.last() = QStringLiteral("10.  % P10 (1/2/03)"); // a score of 0 shows no digits
    QTest::newRow("10 x 10, sets of 5, all ranks") << 10 << 5 << full << fullRows;

    QStringList odd{"4 x 4 match 2", "1.  -7% <b>Eve</b> & Co (x)", QString(), "3.  85% Bo"};
    odd += QStringList(7, QString());
    QTest::newRow("negative score, markup shown as typed, blank name with a score")
        << 4 << 2 << Entries{{"<b>Eve</b> & Co (x)", "-7"}, {QString(), "90"}, {"Bo", "85"}} << odd;
}

void TestHighScoresDialog::rows() {
    QFETCH(int, columns);
    QFETCH(int, tilesPerSet);
    QFETCH(Entries, entries);
    QFETCH(QStringList, expected);

    TestWorkspace workspace;
    workspace.AddEntry(QStringLiteral("Animals"));
    workspace.Store("settings", "columns", QString::number(columns));
    workspace.Store("settings", "numTilesToMatch", QString::number(tilesPerSet));
    const QString section = QStringLiteral("%1 x %1 match %2").arg(columns).arg(tilesPerSet);
    for (int n = 1; n <= entries.size(); ++n) {
        workspace.Store(section, QStringLiteral("name%1").arg(n), entries.at(n - 1).first);
        workspace.Store(section, QStringLiteral("value%1").arg(n), entries.at(n - 1).second);
    }
    // A table for the configuration chosen for the next game is not the one shown.
    workspace.Store("8 x 8 match 4", "name1", "Next (1/1/01)");
    workspace.Store("8 x 8 match 4", "value1", "99");

    TestWindow t = MakeWindow();
    t.window->iNewNumColumns = t.window->iNewNumRows = 8;
    t.window->iNewNumTilesToMatch = 4;
    QCOMPARE(OpenAndRead(*t.window), expected);
}

void TestHighScoresDialog::readsTheStoreAtEveryOpening() {
    TestWorkspace workspace;
    workspace.AddEntry(QStringLiteral("Animals"));
    TestWindow t = MakeWindow();
    QCOMPARE(OpenAndRead(*t.window).value(1), QString());

    workspace.Store("5 x 5 match 2", "name1", "Ann (5/27/99)");
    workspace.Store("5 x 5 match 2", "value1", "64");
    QCOMPARE(OpenAndRead(*t.window).value(1), QStringLiteral("1.  64% Ann (5/27/99)"));
}

QTEST_MAIN(TestHighScoresDialog)
#include "tst_dialogs_highscores.moc"
