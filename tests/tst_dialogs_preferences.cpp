// Edit > Preferences: the choice for the next game, and whether it starts one.
#include "Fakes.h"
#include "TestWorkspace.h"
#include "frmPreferences.h"
#include "frmTilewise.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// The five next-game values, and the same five of the game in progress.
struct Choice {
    int columns;
    int rows;
    int tilesPerSet;
    int category;
    int players;
    bool operator==(const Choice& o) const {
        return columns == o.columns && rows == o.rows && tilesPerSet == o.tilesPerSet &&
               category == o.category && players == o.players;
    }
};

Choice NextGame(const frmTilewise& w) {
    return {w.iNewNumColumns, w.iNewNumRows, w.iNewNumTilesToMatch, w.iNewCategoryIndex,
            w.iNewNumPlayers};
}

Choice InPlay(const frmTilewise& w) {
    return {w.iNumColumns, w.iNumRows, w.iNumTilesToMatch, GameStateProbe::CategoryIndex(w),
            w.iNumPlayers};
}

template <class T> T* Find(QDialog& dialog, const char* name) {
    return dialog.findChild<T*>(QLatin1String(name));
}

void Click(QDialog& dialog, const char* name) {
    Find<QAbstractButton>(dialog, name)->click();
}

// A game of 6 x 6 with sets of 3 in the second of three categories.
void SixBySixInSecondCategory(TestWorkspace& workspace) {
    for (const char* name : {"Animals", "Birds", "Cars"}) {
        workspace.AddEntry(QLatin1String(name));
    }
    workspace.Store("settings", "columns", "6");
    workspace.Store("settings", "numTilesToMatch", "3");
    workspace.Store("settings", "categoryIndex", "2");
}

// Opens Preferences from the menu and lets `use` work the dialog.
bool OpenPreferences(TestWindow& t, const std::function<void(QDialog&)>& use) {
    return WithModal([&] { t.window->mnuEditPreferences_Click(); }, use);
}

} // namespace

class TestPreferencesDialog : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheGameInProgress();
    void okWritesTheChoice_data();
    void okWritesTheChoice();
    void cancelAndCloseBoxWriteNothing_data();
    void cancelAndCloseBoxWriteNothing();
    void defaultThenOk();
    void outOfRangeNextGameValues();
    void listsAtMost32Categories();
    void noCategoryKeepsTheFirst();
    void typedPlayerCount_data();
    void typedPlayerCount();
};

void TestPreferencesDialog::opensWithTheGameInProgress() {
    TestWorkspace workspace;
    SixBySixInSecondCategory(workspace);
    TestWindow t = MakeWindow();
    t.window->iNewNumColumns = 9; // a stale next-game choice is replaced on opening
    const int draws = t.random->draws;

    QVERIFY(OpenPreferences(t, [](QDialog& d) {
        QVERIFY(Find<QRadioButton>(d, "optBoardSize6x6")->isChecked());
        QVERIFY(Find<QRadioButton>(d, "optMatch3")->isChecked());
        auto* category = Find<QComboBox>(d, "cmboCategory");
        QCOMPARE(category->count(), 3);
        QCOMPARE(category->currentIndex(), 1);
        QCOMPARE(category->currentText(), QStringLiteral("Birds"));
        auto* players = Find<QComboBox>(d, "cmboPlayers");
        QCOMPARE(players->count(), 4);
        QCOMPARE(players->itemText(3), QStringLiteral("4"));
        QCOMPARE(players->currentIndex(), -1);
        QCOMPARE(players->currentText(), QString());
        Click(d, "btnOK");
    }));
    QCOMPARE(t.random->draws, draws); // no new game
    QCOMPARE(InPlay(*t.window), (Choice{6, 6, 3, 2, 0}));
    QCOMPARE(NextGame(*t.window), (Choice{6, 6, 3, 2, 0}));
}

void TestPreferencesDialog::okWritesTheChoice_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("players");
    QTest::addColumn<Choice>("expected");
    QTest::addColumn<bool>("newGame");

    QTest::newRow("8 x 8") << "optBoardSize8x8" << 1 << -1 << Choice{8, 8, 3, 2, 0} << true;
    QTest::newRow("10 x 10") << "optBoardSize10x10" << 1 << -1 << Choice{10, 10, 3, 2, 0} << true;
    QTest::newRow("4 x 4") << "optBoardSize4x4" << 1 << -1 << Choice{4, 4, 3, 2, 0} << true;
    QTest::newRow("5 tiles") << "optMatch5" << 1 << -1 << Choice{6, 6, 5, 2, 0} << true;
    QTest::newRow("2 tiles") << "optMatch2" << 1 << -1 << Choice{6, 6, 2, 2, 0} << true;
    QTest::newRow("third category") << "" << 2 << -1 << Choice{6, 6, 3, 3, 0} << true;
    QTest::newRow("two players") << "" << 1 << 1 << Choice{6, 6, 3, 2, 2} << true;
    QTest::newRow("same again") << "optBoardSize6x6" << 1 << -1 << Choice{6, 6, 3, 2, 0} << false;
}

void TestPreferencesDialog::okWritesTheChoice() {
    QFETCH(QString, option);
    QFETCH(int, category);
    QFETCH(int, players);
    QFETCH(Choice, expected);
    QFETCH(bool, newGame);

    TestWorkspace workspace;
    SixBySixInSecondCategory(workspace);
    TestWindow t = MakeWindow();
    const int draws = t.random->draws;

    QVERIFY(OpenPreferences(t, [&](QDialog& d) {
        if (!option.isEmpty()) {
            Click(d, option.toLatin1().constData());
        }
        Find<QComboBox>(d, "cmboCategory")->setCurrentIndex(category);
        Find<QComboBox>(d, "cmboPlayers")->setCurrentIndex(players);
        Click(d, "btnOK");
    }));
    QCOMPARE(NextGame(*t.window), expected);
    QCOMPARE(t.random->draws != draws, newGame);
    QCOMPARE(InPlay(*t.window), expected); // a new game made the choice current
    QCOMPARE(t.window->TileControls(), expected.columns * expected.rows);
}

void TestPreferencesDialog::cancelAndCloseBoxWriteNothing_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close box") << true;
}

void TestPreferencesDialog::cancelAndCloseBoxWriteNothing() {
    QFETCH(bool, closeBox);
    TestWorkspace workspace;
    SixBySixInSecondCategory(workspace);
    TestWindow t = MakeWindow();
    const int draws = t.random->draws;

    QVERIFY(OpenPreferences(t, [&](QDialog& d) {
        Click(d, "optBoardSize9x9");
        Click(d, "optMatch4");
        Find<QComboBox>(d, "cmboCategory")->setCurrentIndex(2);
        Find<QComboBox>(d, "cmboPlayers")->setCurrentIndex(3);
        if (closeBox) {
            QVERIFY(d.close());
        } else {
            Click(d, "cmdCancel");
        }
    }));
    QCOMPARE(NextGame(*t.window), (Choice{6, 6, 3, 2, 0}));
    QCOMPARE(InPlay(*t.window), (Choice{6, 6, 3, 2, 0}));
    QCOMPARE(t.random->draws, draws);
}

void TestPreferencesDialog::defaultThenOk() {
    TestWorkspace workspace;
    workspace.AddEntry(QStringLiteral("Animals"));
    workspace.AddEntry(QStringLiteral("Birds"));
    TestWindow t = MakeWindow(); // 5 x 5, sets of 2, first category, no player count yet

    auto pressDefaultThenOk = [](QDialog& d) {
        Find<QComboBox>(d, "cmboCategory")->setCurrentIndex(1);
        Click(d, "optBoardSize7x7");
        Click(d, "cmdDefault");
        QVERIFY(d.isVisible()); // Default keeps the dialog open
        QVERIFY(Find<QRadioButton>(d, "optBoardSize5x5")->isChecked());
        QVERIFY(Find<QRadioButton>(d, "optMatch2")->isChecked());
        QCOMPARE(Find<QComboBox>(d, "cmboCategory")->currentIndex(), 0);
        QCOMPARE(Find<QComboBox>(d, "cmboPlayers")->currentText(), QStringLiteral("1"));
        Click(d, "btnOK");
    };

    // The first time, the player count goes from 0 to 1: a new game.
    int draws = t.random->draws;
    QVERIFY(OpenPreferences(t, pressDefaultThenOk));
    QVERIFY(t.random->draws != draws);
    QCOMPARE(InPlay(*t.window), (Choice{5, 5, 2, 1, 1}));

    // Now the same choice is the game in progress: nothing starts.
    draws = t.random->draws;
    QVERIFY(OpenPreferences(t, [](QDialog& d) {
        QCOMPARE(Find<QComboBox>(d, "cmboPlayers")->currentText(), QStringLiteral("1"));
        Click(d, "cmdDefault");
        Click(d, "btnOK");
    }));
    QCOMPARE(t.random->draws, draws);
}

void TestPreferencesDialog::outOfRangeNextGameValues() {
    GameState game;
    game.ScanCategories({"Animals"});
    game.iNewNumColumns = 12;
    game.iNewNumTilesToMatch = 7;
    game.iNewCategoryIndex = 1;

    frmPreferences dialog(game);
    QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("optBoardSize4x4"))->isChecked());
    for (const char* name : {"optMatch2", "optMatch3", "optMatch4", "optMatch5"}) {
        QVERIFY(!dialog.findChild<QRadioButton*>(QLatin1String(name))->isChecked());
    }
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    QCOMPARE(game.iNewNumColumns, 4);
    QCOMPARE(game.iNewNumRows, 4);
    QCOMPARE(game.iNewNumTilesToMatch, 7);
}

void TestPreferencesDialog::listsAtMost32Categories() {
    TestWorkspace workspace;
    for (int n = 0; n < 40; ++n) {
        workspace.AddEntry(QStringLiteral("cat%1").arg(n, 2, 10, QLatin1Char('0')));
    }
    TestWindow t = MakeWindow();
    QStringList expected;
    for (int index = 1; index <= 32; ++index) {
        expected << t.window->GetCategory(index);
    }
    QStringList listed;
    QVERIFY(OpenPreferences(t, [&](QDialog& d) {
        auto* category = Find<QComboBox>(d, "cmboCategory");
        for (int k = 0; k < category->count(); ++k) {
            listed << category->itemText(k);
        }
        Click(d, "cmdCancel");
    }));
    QCOMPARE(listed.size(), 32);
    QCOMPARE(listed, expected);
}

void TestPreferencesDialog::noCategoryKeepsTheFirst() {
    TestWorkspace workspace; // no imgs folder at all
    TestWindow t = MakeWindow();
    const int draws = t.random->draws;
    QVERIFY(OpenPreferences(t, [](QDialog& d) {
        QCOMPARE(Find<QComboBox>(d, "cmboCategory")->count(), 0);
        Click(d, "cmdDefault");
        Click(d, "btnOK");
    }));
    QCOMPARE(t.window->iNewCategoryIndex, 1);
    QCOMPARE(GameStateProbe::CategoryIndex(*t.window), 1);
    // The player count changed, so a new game ran, and it could look up its category.
    QVERIFY(t.random->draws != draws);
    QCOMPARE(t.window->GetCategory(GameStateProbe::CategoryIndex(*t.window)), QString());
}

void TestPreferencesDialog::typedPlayerCount_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("players");

    QTest::newRow("an item") << "3" << 3;
    QTest::newRow("the last item") << "4" << 4;
    QTest::newRow("above the list") << "7" << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("negative") << "-1" << 0;
    QTest::newRow("large") << "32767" << 0;
    QTest::newRow("not a number") << "two" << 0;
    QTest::newRow("nothing") << "" << 0;
}

void TestPreferencesDialog::typedPlayerCount() {
    QFETCH(QString, typed);
    QFETCH(int, players);

    TestWorkspace workspace;
    workspace.AddEntry(QStringLiteral("Animals"));
    TestWindow t = MakeWindow();
    QVERIFY(OpenPreferences(t, [&](QDialog& d) {
        auto* box = Find<QComboBox>(d, "cmboPlayers");
        box->setCurrentIndex(1); // "2" was picked before the typing
        QVERIFY(QTest::qWaitForWindowActive(&d));
        box->setFocus();
        QWidget* typing = QApplication::focusWidget();
        QCOMPARE(typing, box);
        QTest::keyClick(typing, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(typing, Qt::Key_Backspace);
        QTest::keyClicks(typing, typed);
        QTest::keyClick(typing, Qt::Key_Return);
        QCOMPARE(box->currentText(), typed);
        QCOMPARE(box->count(), 4); // typing adds no items
        QVERIFY(d.isVisible());    // and Enter there closes nothing
        Click(d, "btnOK");
    }));
    QCOMPARE(t.window->iNewNumPlayers, players);
    QCOMPARE(t.window->iNumPlayers, players);
}

QTEST_MAIN(TestPreferencesDialog)
#include "tst_dialogs_preferences.moc"
