// The dialogs: Preferences and High Scores.
#include "AboutDialog.h"
#include "HighScores.h"
#include "HighScoresDialog.h"
#include "MainWindow.h"
#include "PreferencesDialog.h"
#include "TestWorkspace.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

template <class T = QComboBox> T* find(QDialog& d, const QString& name) {
    return d.findChild<T*>(name);
}

void click(QDialog& d, const QString& name) { // a button, or the "close box"
    name == QLatin1String("close box") ? void(d.close()) : find<QAbstractButton>(d, name)->click();
}

// Opens a dialog, reads its title and the named labels, and closes it with `ok`.
QStringList shown(const std::function<void()>& open, const QStringList& labels, const char* ok) {
    QStringList texts;
    withModal(open, [&](QDialog& d) {
        texts << d.windowTitle();
        for (const QString& name : labels) {
            texts << find<QLabel>(d, name)->text();
        }
        click(d, ok);
    });
    return texts;
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void preferences_data() {
        QTest::addColumn<QStringList>("clicks"); // the last one ends the dialog
        QTest::addColumn<int>("category");       // a list position picked before the clicks
        QTest::addColumn<QString>("players");    // typed into the players box
        QTest::addColumn<QList<int>>("expected");
        QTest::addColumn<int>("side"); // of the game in play
        auto row = [](const char* name, QStringList clicks, int category, const char* players,
                      QList<int> expected, int side = 6) {
            QTest::newRow(name) << clicks << category << players << expected << side;
        };
        row("OK unchanged", {"btnOK"}, 1, "", {6, 6, 3, 2, 0});
        row("8 x 8", {"optBoardSize8x8", "btnOK"}, 1, "", {8, 8, 3, 2, 0});
        row("sets of 5", {"optMatch5", "btnOK"}, 1, "", {6, 6, 5, 2, 0});
        row("the third category alone", {"btnOK"}, 2, "", {6, 6, 3, 3, 0});
        row("a first player count", {"btnOK"}, 1, "2", {6, 6, 3, 2, 2});
        row("Cancel", {"optBoardSize9x9", "optMatch4", "cmdCancel"}, 2, "4", {6, 6, 3, 2, 0});
        row("close box", {"optBoardSize9x9", "optMatch4", "close box"}, 2, "4", {6, 6, 3, 2, 0});
        row("Default, then OK", {"optBoardSize7x7", "cmdDefault", "btnOK"}, 2, "3",
            {5, 5, 2, 1, 1});
        row("typed text that is no item", {"btnOK"}, 1, "7", {6, 6, 3, 2, 0});
        row("10 x 10 shows as itself", {"btnOK"}, 1, "", {10, 10, 3, 2, 0}, 10);
    }

    // Opened during a 6 x 6 game with sets of 3 in the second of three categories: a
    // changed choice starts a new game; OK alone once more starts none.
    void preferences() {
        QFETCH(QStringList, clicks);
        QFETCH(int, category);
        QFETCH(QString, players);
        QFETCH(QList<int>, expected);
        QFETCH(int, side);
        TestWorkspace ws;
        for (const char* name : {"Animals", "Birds", "Cars"}) {
            ws.addEntry(QLatin1String(name));
        }
        ws.store("settings", "columns", QString::number(side));
        ws.store("settings", "numTilesToMatch", "3");
        ws.store("settings", "categoryIndex", "2");
        FakeWindow t = ws.open();
        BoardConfig stale = t.window->game().current(); // replaced on opening
        stale.columns = stale.players = 3;
        t.window->setNextGame(stale);
        const auto inPlay = [&] {
            const BoardConfig& c = t.window->game().current();
            return QList<int>{c.columns, c.rows, c.tilesPerSet, c.categoryIndex, c.players};
        };
        const QList<int> before = inPlay();
        const int draws = t.random->draws;
        const auto open = [&] { t.window->editPreferences(); };
        QVERIFY(withModal(open, [&](QDialog& d) {
            QCOMPARE(find(d, "cmboCategory")->count(), 3);
            find(d, "cmboCategory")->setCurrentIndex(category);
            QComboBox* box = find(d, "cmboPlayers");
            QVERIFY(QTest::qWaitForWindowActive(&d));
            box->setFocus();
            QTest::keyClicks(box, players);
            QTest::keyClick(box, Qt::Key_Return); // must neither add an item nor close
            QTest::keyClick(&d, Qt::Key_Escape);  // no cancel button: nothing happens
            QCOMPARE(box->count(), 4);
            for (const QString& name : clicks) {
                QVERIFY(d.isVisible());
                click(d, name);
            }
        }));
        QCOMPARE(t.random->draws != draws, expected != before);
        QCOMPARE(inPlay(), expected);
        const int later = t.random->draws;
        QVERIFY(withModal(open, [](QDialog& d) { click(d, "btnOK"); }));
        QCOMPARE(t.random->draws, later);
    }

    // Fixed texts, the same at every opening.
    void about() {
        TestWorkspace ws;
        FakeWindow t = ws.open();
        const QStringList labels{"lblAppName", "lblAppVersion", "lblAppDate", "lblAppDescription"};
        const QStringList expected{"About Tilewise", "Tilewise", "2.00", "May 27, 1999",
                                   "A game to test your memory skills"};
        for (int opening = 0; opening < 2; ++opening) {
            QCOMPARE(shown([&] { t.window->showAbout(); }, labels, "btnOK"), expected);
        }
    }

    void highScores_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("tilesPerSet");
        QTest::addColumn<QStringList>("entries"); // name and value by rank
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("after the first entry, with the store's placeholder below")
            << 6 << 3 << QStringList{"Ann (5/27/99)", "85", "", "0"}
            << QStringList{"6 x 6 match 3", "1.  85% Ann (5/27/99)"} + QStringList(9, QString());
        QStringList full;
        QStringList rows{"10 x 10 match 5"};
        for (int n = 1; n <= 10; ++n) {
            full << QStringLiteral("P%1").arg(n) << QString::number(100 - 10 * n);
            rows << QStringLiteral("%1.  %2% P%1").arg(n).arg(100 - 10 * n);
        }
        full[16] = rows[9] = QString();          // a blank name blanks the row whatever the score
        rows[10] = QStringLiteral("10.  % P10"); // a score of 0 shows no digits
        QTest::newRow("10 x 10, sets of 5") << 10 << 5 << full << rows;
    }

    // The table of the board in play, read afresh at each opening.
    void highScores() {
        QFETCH(int, columns);
        QFETCH(int, tilesPerSet);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        TestWorkspace ws;
        ws.store("settings", "columns", QString::number(columns));
        ws.store("settings", "numTilesToMatch", QString::number(tilesPerSet));
        ws.store(QStringLiteral("8 x 8 match %1").arg(tilesPerSet), "name1", "Next");
        FakeWindow t = ws.open();
        BoardConfig next = t.window->game().current(); // the next game's table is not shown
        next.columns = next.rows = 8;
        t.window->setNextGame(next);
        QStringList labels{"lblBoardSize"};
        for (int n = 1; n <= 10; ++n) {
            labels << QStringLiteral("lbl%1").arg(n);
        }
        const auto table = [&] {
            return shown([&] { t.window->showHighScores(); }, labels, "cmdOK");
        };
        QCOMPARE(table(),
                 (QStringList{"High Scores", expected.at(0)} + QStringList(10, QString())));
        const QString section = QStringLiteral("%1 x %1 match %2").arg(columns).arg(tilesPerSet);
        for (int n = 1; n <= entries.size() / 2; ++n) {
            ws.store(section, QStringLiteral("name%1").arg(n), entries.at(2 * n - 2));
            ws.store(section, QStringLiteral("value%1").arg(n), entries.at(2 * n - 1));
        }
        QCOMPARE(table(), QStringList{"High Scores"} + expected);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
