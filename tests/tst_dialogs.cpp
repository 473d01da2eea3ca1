// The dialogs: Preferences, High Scores and About, their keys and places.
#include "HighScores.h"
#include "TestWorkspace.h"
#include "Twips.h"
#include "frmAbout.h"
#include "frmHighScores.h"
#include "frmPreferences.h"
#include "frmTilewise.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

template <class T = QComboBox> T* Find(QDialog& d, const QString& name) {
    return d.findChild<T*>(name);
}

void Click(QDialog& d, const QString& name) { // a button, or the "close box"
    name == QLatin1String("close box") ? void(d.close()) : Find<QAbstractButton>(d, name)->click();
}

// Columns, rows, tiles per set, category and players of the game in play.
QList<int> InPlay(const frmTilewise& w) {
    const BoardConfig& c = w.Game().Current();
    return {c.iNumColumns, c.iNumRows, c.iNumTilesToMatch, c.iCategoryIndex, c.iNumPlayers};
}

// Opens a dialog, reads its title and the named labels, and closes it with `ok`.
QStringList Shown(const std::function<void()>& open, const QStringList& labels, const char* ok) {
    QStringList texts;
    WithModal(open, [&](QDialog& d) {
        texts << d.windowTitle();
        for (const QString& name : labels) {
            texts << Find<QLabel>(d, name)->text();
        }
        Click(d, ok);
    });
    return texts;
}

// A dialog on its own, over a game and a high-score store of the workspace.
struct Opened {
    Opened(const QString& kind, const TestWorkspace& ws) : store(ws.SettingsFile()), scores(store) {
        game.Configure(BoardConfig{5, 5, 2, 1, 0});
        if (kind == QLatin1String("frmHighScores")) {
            dialog = std::make_unique<frmHighScores>(game.Current(), scores);
        } else if (kind == QLatin1String("frmPreferences")) {
            dialog = std::make_unique<frmPreferences>(game);
        } else {
            dialog = std::make_unique<frmAbout>();
        }
    }
    SettingsStore store;
    HighScores scores;
    GameState game;
    std::unique_ptr<QDialog> dialog;
};

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void preferences_data();
    void preferences();
    void categoriesListed_data();
    void categoriesListed();
    void highScores_data();
    void highScores();
    void aboutTexts();
    void keys_data();
    void keys();
    void places_data();
    void places();
};

void TestDialogs::preferences_data() {
    QTest::addColumn<QStringList>("clicks"); // the last one ends the dialog
    QTest::addColumn<int>("category");       // a list position picked before the clicks
    QTest::addColumn<QString>("players");    // typed into the players box
    QTest::addColumn<QList<int>>("expected");
    auto row = [](const char* name, QStringList clicks, int category, const char* players,
                  QList<int> expected) {
        QTest::newRow(name) << clicks << category << players << expected;
    };
    row("OK unchanged", {"btnOK"}, 1, "", {6, 6, 3, 2, 0});
    row("8 x 8", {"optBoardSize8x8", "btnOK"}, 1, "", {8, 8, 3, 2, 0});
    row("sets of 5", {"optMatch5", "btnOK"}, 1, "", {6, 6, 5, 2, 0});
    row("the third category alone", {"btnOK"}, 2, "", {6, 6, 3, 3, 0});
    row("a first player count", {"btnOK"}, 1, "2", {6, 6, 3, 2, 2});
    row("Cancel", {"optBoardSize9x9", "optMatch4", "cmdCancel"}, 2, "4", {6, 6, 3, 2, 0});
    row("close box", {"optBoardSize9x9", "optMatch4", "close box"}, 2, "4", {6, 6, 3, 2, 0});
    row("Default, then OK", {"optBoardSize7x7", "cmdDefault", "btnOK"}, 2, "3", {5, 5, 2, 1, 1});
    // Typed text counts only when it is one of the items.
    row("typed 7", {"btnOK"}, 1, "7", {6, 6, 3, 2, 0});
    row("typed two", {"btnOK"}, 1, "two", {6, 6, 3, 2, 0});
}

// Opened during a 6 x 6 game with sets of 3 in the second of three categories, and
// once more with OK alone, which then never starts a game.
void TestDialogs::preferences() {
    QFETCH(QStringList, clicks);
    QFETCH(int, category);
    QFETCH(QString, players);
    QFETCH(QList<int>, expected);
    TestWorkspace workspace;
    for (const char* name : {"Animals", "Birds", "Cars"}) {
        workspace.AddEntry(QLatin1String(name));
    }
    workspace.Store("settings", "columns", "6");
    workspace.Store("settings", "numTilesToMatch", "3");
    workspace.Store("settings", "categoryIndex", "2");
    FakeWindow t = workspace.Open();
    BoardConfig stale = t.window->Game().Current(); // replaced on opening
    stale.iNumColumns = stale.iNumPlayers = 3;
    t.window->SetNextGame(stale);
    const QList<int> before = InPlay(*t.window);
    const int draws = t.random->draws;
    const auto open = [&] { t.window->mnuEditPreferences_Click(); };

    QVERIFY(WithModal(open, [&](QDialog& d) {
        Find(d, "cmboCategory")->setCurrentIndex(category);
        QComboBox* box = Find(d, "cmboPlayers");
        QVERIFY(QTest::qWaitForWindowActive(&d));
        box->setFocus();
        QTest::keyClicks(box, players);
        QTest::keyClick(box, Qt::Key_Return); // must neither add an item nor close
        QCOMPARE(box->count(), 4);
        for (const QString& name : clicks) {
            QVERIFY(d.isVisible());
            Click(d, name);
        }
    }));
    QCOMPARE(t.random->draws != draws, expected != before); // a changed choice starts a game
    QCOMPARE(InPlay(*t.window), expected);
    const int later = t.random->draws;
    QVERIFY(WithModal(open, [](QDialog& d) { Click(d, "btnOK"); }));
    QCOMPARE(t.random->draws, later);
}

void TestDialogs::categoriesListed_data() {
    QTest::addColumn<int>("folders");
    QTest::newRow("40 folders: the first 32") << 40;
    QTest::newRow("none: OK keeps category 1") << 0;
}

void TestDialogs::categoriesListed() {
    QFETCH(int, folders);
    TestWorkspace workspace;
    for (int n = 0; n < folders; ++n) {
        workspace.AddEntry(QStringLiteral("cat%1").arg(n, 2, 10, QLatin1Char('0')));
    }
    FakeWindow t = workspace.Open();
    QVERIFY(WithModal([&] { t.window->mnuEditPreferences_Click(); },
                      [&](QDialog& d) {
                          QComboBox* list = Find(d, "cmboCategory");
                          QCOMPARE(list->count(), std::min(folders, 32));
                          for (int k = 0; k < list->count(); ++k) {
                              QCOMPARE(list->itemText(k), t.window->Game().GetCategory(k + 1));
                          }
                          Click(d, "cmdDefault");
                          Click(d, "btnOK");
                      }));
    QCOMPARE(t.window->Game().Current().iCategoryIndex, 1);
}

void TestDialogs::highScores_data() {
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
void TestDialogs::highScores() {
    QFETCH(int, columns);
    QFETCH(int, tilesPerSet);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);
    TestWorkspace workspace;
    workspace.AddEntry(QStringLiteral("Animals"));
    workspace.Store("settings", "columns", QString::number(columns));
    workspace.Store("settings", "numTilesToMatch", QString::number(tilesPerSet));
    workspace.Store(QStringLiteral("8 x 8 match %1").arg(tilesPerSet), "name1", "Next");
    FakeWindow t = workspace.Open();
    BoardConfig next = t.window->Game().Current(); // the next game's table is not shown
    next.iNumColumns = next.iNumRows = 8;
    t.window->SetNextGame(next);
    const QStringList labels{"lblBoardSize", "lbl1", "lbl2", "lbl3", "lbl4", "lbl5",
                             "lbl6",         "lbl7", "lbl8", "lbl9", "lbl10"};
    const auto shown = [&] {
        return Shown([&] { t.window->mnuGameHighScores_Click(); }, labels, "cmdOK");
    };
    QCOMPARE(shown(), (QStringList{"High Scores", expected.at(0)} + QStringList(10, QString())));

    const QString section = QStringLiteral("%1 x %1 match %2").arg(columns).arg(tilesPerSet);
    for (int n = 1; n <= entries.size() / 2; ++n) {
        workspace.Store(section, QStringLiteral("name%1").arg(n), entries.at(2 * n - 2));
        workspace.Store(section, QStringLiteral("value%1").arg(n), entries.at(2 * n - 1));
    }
    QCOMPARE(shown(), QStringList{"High Scores"} + expected);
}

void TestDialogs::aboutTexts() {
    TestWorkspace workspace;
    FakeWindow t = workspace.Open();
    const QStringList labels{"lblAppName", "lblAppVersion", "lblAppDate", "lblAppDescription"};
    QCOMPARE(Shown([&] { t.window->mnuHelpAbout_Click(); }, labels, "btnOK"),
             (QStringList{"About Tilewise", "Tilewise", "2.00", "May 27, 1999",
                          "A game to test your memory skills"}));
}

// No dialog has a default or cancel button: Enter presses only the focused button.
void TestDialogs::keys_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("result");    // -1: the dialog stays open
    QTest::addColumn<QString>("after"); // the control focused afterwards
    auto row = [](const char* dialog, const char* focus, const char* keys, int result,
                  const char* after = "") {
        QTest::addRow("%s: %s on %s", dialog, keys, focus)
            << dialog << focus << keys << result << after;
    };
    row("frmAbout", "btnOK", "Esc", -1);
    row("frmAbout", "btnOK", "Return", QDialog::Accepted);
    row("frmHighScores", "cmdOK", "Enter", QDialog::Accepted);
    row("frmPreferences", "cmboCategory", "Esc", -1);
    row("frmPreferences", "btnOK", "Return", QDialog::Accepted);
    row("frmPreferences", "cmdCancel", "Return", QDialog::Rejected);
    row("frmPreferences", "cmdDefault", "Return", -1);
    row("frmPreferences", "cmboPlayers", "Return", -1);
    row("frmPreferences", "btnOK", "Alt+P", -1, "cmboPlayers"); // out of sight, still reached
}

void TestDialogs::keys() {
    QFETCH(QString, dialog);
    QFETCH(QString, focus);
    QFETCH(QString, keys);
    QFETCH(int, result);
    QFETCH(QString, after);
    TestWorkspace workspace;
    Opened opened(dialog, workspace);
    QDialog* d = opened.dialog.get();
    d->show();
    QVERIFY(QTest::qWaitForWindowActive(d));
    auto* target = d->findChild<QWidget*>(focus);
    target->setFocus();
    QTest::keySequence(target, QKeySequence(keys));

    QCOMPARE(d->isVisible(), result == -1);
    QCOMPARE(d->result(), std::max(result, 0));
    if (!after.isEmpty()) {
        QCOMPARE(QApplication::focusWidget()->objectName(), after);
    }
}

void TestDialogs::places_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("control"); // no such control: the client area
    QTest::addColumn<QRect>("twips");
    auto row = [](const char* dialog, const char* control, int l, int t, int w, int h) {
        QTest::addRow("%s %s", dialog, control) << dialog << control << QRect(l, t, w, h);
    };
    row("frmHighScores", "client", 0, 0, 5055, 3480);
    row("frmHighScores", "lbl10", 300, 3000, 3135, 195);
    row("frmPreferences", "client", 0, 0, 5160, 2145);
    row("frmPreferences", "optMatch4", 150, 840, 975, 255);     // inside Frame2
    row("frmPreferences", "cmboPlayers", 960, 2160, 2655, 315); // below the client area
    row("frmAbout", "client", 0, 0, 4185, 2760);
    row("frmAbout", "btnOK", 2820, 180, 1155, 375);
}

void TestDialogs::places() {
    QFETCH(QString, dialog);
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    TestWorkspace workspace;
    Opened opened(dialog, workspace);
    QDialog* d = opened.dialog.get();
    d->show();
    const QWidget* w = d->findChild<QWidget*>(control);
    const QRect g = w != nullptr ? w->geometry() : QRect(QPoint(), d->size());
    auto px = [&](int t) { return Twips::ToPixels(t, d->logicalDpiX()); };
    QCOMPARE(g, QRect(px(twips.left()), px(twips.top()),
                      px(twips.left() + twips.width()) - px(twips.left()), px(twips.height())));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
