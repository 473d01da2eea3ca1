// Turns: uncovering tiles, covering a mismatch again, hints, tool tips and
// Reveal All. Timer ticks are driven by hand; the real timer is stopped.
#include "Fakes.h"
#include "TestWorkspace.h"
#include "frmTilewise.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestTurns : public QObject {
    Q_OBJECT
private slots:
    void clickWhileMismatchShowsCoversItFirst();
    void fifthTickCoversTheSet_data();
    void fifthTickCoversTheSet();
    void quickSecondMismatchIsCoveredSooner();
    void freeTilesNeverTakePart_data();
    void freeTilesNeverTakePart();
    void hintsAndToolTipsFollowClicks_data();
    void hintsAndToolTipsFollowClicks();
    void keyboardPlaysTiles();
    void revealAll_data();
    void revealAll();
};

namespace {

// A board of `side` x `side` with sets of `setSize`, dealt from a fixed
// script so every run lays the pictures out the same way.
struct Game {
    explicit Game(int side, int setSize) {
        ws.AddCategory("Animals");
        ws.AddFreePicture();
        ws.Store("settings", "columns", QString::number(side));
        ws.Store("settings", "numTilesToMatch", QString::number(setSize));
        t = MakeWindow(
            std::make_unique<ScriptedRandom>(QList<double>{0.71, 0.18, 0.93, 0.42, 0.05}));
        t.window->tmrTimer()->stop();
    }
    frmTilewise& w() { return *t.window; }

    QList<QList<int>> Sets() { return GameStateProbe::Sets(w()); }
    QList<int> FreeTiles() { return GameStateProbe::FreeTiles(w()); }
    void Click(int tile) { w().btns(tile)->click(); }
    void Tick(int times = 1) {
        for (int k = 0; k < times; ++k) {
            w().tmrTimer_Timer();
        }
    }
    bool Covered(int tile) { return !w().btns(tile)->isHidden(); }
    int Uncovered() { return GameStateProbe::NumUncovered(w()); }

    TestWorkspace ws;
    TestWindow t;
};

} // namespace

void TestTurns::clickWhileMismatchShowsCoversItFirst() {
    Game g(4, 2);
    const auto sets = g.Sets();
    const int a = sets.at(0).at(0);
    const int b = sets.at(1).at(0);
    const int c = sets.at(2).at(0);
    g.Click(a);
    g.Click(b);
    QVERIFY(!g.Covered(a) && !g.Covered(b));
    QCOMPARE(g.Uncovered(), 2);
    QCOMPARE(g.t.sound->Played().last(), QString("mismatch.wav"));
    QCOMPARE(g.w().PanelText(3), QString("Concentrate!"));

    g.Click(c);
    QVERIFY(g.Covered(a) && g.Covered(b));
    QVERIFY(!g.Covered(c));
    QCOMPARE(g.Uncovered(), 1);
    QCOMPARE(GameStateProbe::UncoveredTile(g.w(), 0), c);
    QCOMPARE(g.w().PanelText(2), QString("Uncovered: 1 / 2"));
    QCOMPARE(g.w().PanelText(1), QString("Matches: 0 / 1,  0% "));
}

void TestTurns::fifthTickCoversTheSet_data() {
    QTest::addColumn<int>("setSize");
    QTest::newRow("pairs") << 2;
    QTest::newRow("sets of 3") << 3;
    QTest::newRow("sets of 5") << 5;
}

void TestTurns::fifthTickCoversTheSet() {
    QFETCH(int, setSize);
    Game g(6, setSize);
    const auto sets = g.Sets();
    QList<int> turn = sets.at(0).mid(0, setSize - 1);
    turn.append(sets.at(1).at(0));
    for (int tile : turn) {
        g.Click(tile);
    }
    const QString showing = QString("Uncovered: %1 / %1").arg(setSize);
    QCOMPARE(g.w().PanelText(2), showing);
    QCOMPARE(g.t.sound->Played(), QStringList({"letsplay.wav", "mismatch.wav"}));

    for (int tick = 1; tick <= 4; ++tick) {
        g.Tick();
        QCOMPARE(GameStateProbe::CoverElapsed(g.w()), tick * 500);
        for (int tile : turn) {
            QVERIFY(!g.Covered(tile));
        }
        QCOMPARE(g.w().PanelText(2), showing);
    }
    g.Tick();
    for (int tile : turn) {
        QVERIFY(g.Covered(tile));
    }
    QCOMPARE(g.Uncovered(), 0);
    QCOMPARE(g.w().PanelText(2), QString("Uncovered: 0 / %1").arg(setSize));
    QCOMPARE(g.w().PanelText(1), QString("Matches: 0 / 1,  0% "));
    // The cue belongs to the click that completed the set, not to the cover.
    QCOMPARE(g.t.sound->Played(), QStringList({"letsplay.wav", "mismatch.wav"}));

    g.Tick();
    QCOMPARE(GameStateProbe::CoverElapsed(g.w()), 0);
}

// The count is only reset by a tick that finds the turn open, so a mismatch
// made right after another one inherits the time already counted.
void TestTurns::quickSecondMismatchIsCoveredSooner() {
    Game g(4, 2);
    const auto sets = g.Sets();
    g.Click(sets.at(0).at(0));
    g.Click(sets.at(1).at(0));
    g.Tick(2);
    QCOMPARE(GameStateProbe::CoverElapsed(g.w()), 1000);

    const int c = sets.at(2).at(0);
    const int d = sets.at(3).at(0);
    g.Click(c);
    g.Click(d);
    QCOMPARE(GameStateProbe::CoverElapsed(g.w()), 1000);
    g.Tick(2);
    QVERIFY(!g.Covered(c) && !g.Covered(d));
    g.Tick();
    QVERIFY(g.Covered(c) && g.Covered(d));
    QCOMPARE(g.Uncovered(), 0);
}

void TestTurns::freeTilesNeverTakePart_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("setSize");
    QTest::addColumn<int>("freeTiles");
    QTest::newRow("5x5 pairs") << 5 << 2 << 1;
    QTest::newRow("4x4 sets of 3") << 4 << 3 << 1;
    QTest::newRow("7x7 sets of 5") << 7 << 5 << 4;
}

void TestTurns::freeTilesNeverTakePart() {
    QFETCH(int, side);
    QFETCH(int, setSize);
    QFETCH(int, freeTiles);
    Game g(side, setSize);
    const QList<int> free = g.FreeTiles();
    QCOMPARE(free.size(), freeTiles);
    for (int tile : free) {
        QVERIFY(!g.Covered(tile));
    }
    // Every set matched without the free tiles: the game is over.
    for (const QList<int>& set : g.Sets()) {
        for (int tile : set) {
            g.Click(tile);
        }
    }
    QCOMPARE(GameStateProbe::NumMatches(g.w()), GameStateProbe::NumSets(g.w()));
    QCOMPARE(g.t.dialogs->asked.first().title, QString("Congratulations!"));
    for (int tile : free) {
        QCOMPARE(GameStateProbe::TileClicks(g.w(), tile), 0);
    }
}

void TestTurns::hintsAndToolTipsFollowClicks_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("first") << 0 << ""
                           << "Uncovered 1 time before";
    QTest::newRow("second") << 1 << ""
                            << "Uncovered 2 times before";
    QTest::newRow("third") << 2 << "You've clicked this 2 times already."
                           << "Uncovered 3 times before";
    QTest::newRow("fourth") << 3 << "You've clicked this 3 times already."
                            << "Uncovered 4 times before";
}

void TestTurns::hintsAndToolTipsFollowClicks() {
    QFETCH(int, before);
    QFETCH(QString, hint);
    QFETCH(QString, toolTip);
    Game g(4, 2);
    const auto sets = g.Sets();
    const int a = sets.at(0).at(0);
    const int b = sets.at(1).at(0);
    QCOMPARE(g.w().btns(a)->toolTip(), QString("Uncovered 0 time before"));
    for (int k = 0; k < before; ++k) {
        g.Click(a);
        g.Click(b);
        g.Tick(5);
    }
    g.Click(a);
    // The first tile of a turn decides nothing, so the hint stays in view.
    QCOMPARE(g.w().PanelText(3), hint);
    QCOMPARE(g.w().btns(a)->toolTip(), toolTip);
    QCOMPARE(GameStateProbe::TileClicks(g.w(), a), before + 1);
}

void TestTurns::keyboardPlaysTiles() {
    Game g(4, 2);
    g.w().show();
    QVERIFY(QTest::qWaitForWindowExposed(&g.w()));
    QPushButton* first = g.w().btns(0);
    first->setFocus();
    QTest::keyClick(&g.w(), Qt::Key_Tab);
    QPushButton* second = g.w().btns(1);
    QCOMPARE(QApplication::focusWidget(), second);
    QTest::keyClick(second, Qt::Key_Space);
    QVERIFY(second->isHidden());
    QCOMPARE(g.Uncovered(), 1);
    QCOMPARE(GameStateProbe::UncoveredTile(g.w(), 0), 1);
}

void TestTurns::revealAll_data() {
    QTest::addColumn<int>("clicks");
    QTest::newRow("ready") << 0;
    QTest::newRow("one tile up") << 1;
    QTest::newRow("mismatch showing") << 2;
}

void TestTurns::revealAll() {
    QFETCH(int, clicks);
    Game g(4, 2);
    const auto sets = g.Sets();
    g.Click(sets.at(0).at(0));
    g.Click(sets.at(1).at(0));
    g.Tick(5);
    g.Click(sets.at(1).at(0));
    g.Click(sets.at(1).at(1));
    const QList<int> turn{sets.at(2).at(0), sets.at(3).at(0)};
    for (int k = 0; k < clicks; ++k) {
        g.Click(turn.at(k));
    }
    const QString panel1 = g.w().PanelText(1);
    const QString panel2 = g.w().PanelText(2);
    const QStringList sounds = g.t.sound->Played();

    for (int twice = 0; twice < 2; ++twice) {
        g.w().mnuGameRevealAll_Click();
        for (int tile = 0; tile < 16; ++tile) {
            QVERIFY(!g.Covered(tile));
        }
        QCOMPARE(g.Uncovered(), 0);
        QCOMPARE(g.w().PanelText(1), panel1);
        QCOMPARE(g.w().PanelText(2), panel2);
        QCOMPARE(g.w().PanelText(3), QString());
    }
    g.Tick(6);
    for (int tile = 0; tile < 16; ++tile) {
        QVERIFY(!g.Covered(tile));
    }
    QCOMPARE(GameStateProbe::NumMatches(g.w()), 1);
    QCOMPARE(g.t.sound->Played(), sounds);
    QVERIFY(g.t.dialogs->asked.isEmpty());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

QTEST_MAIN(TestTurns)
#include "tst_turns.moc"
