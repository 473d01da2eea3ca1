// Turns and whole games on the real window, offscreen; the cover timer is
// stopped and ticked by hand.
#include "Dialogs.h"
#include "Fakes.h"
#include "TestWorkspace.h"
#include "frmTilewise.h"

#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <numeric>

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void wholeGame_data();
    void wholeGame();
    void namePromptOffersTheLastName();
    void scoreThatCannotBeSaved();
    void realBoxes();
    void coveringMismatches_data();
    void coveringMismatches();
    void hintsAndToolTips_data();
    void hintsAndToolTips();
    void revealAllWhileMismatchShows();
};

namespace {

struct Game {
    Game(int side, int setSize) {
        ws.AddCategory("Animals");
        ws.AddFreePicture();
        ws.Store("settings", "columns", QString::number(side));
        ws.Store("settings", "numTilesToMatch", QString::number(setSize));
        t = MakeWindow();
        t.window->tmrTimer()->stop();
    }
    frmTilewise& w() { return *t.window; }
    QString Panel(int panel) { return w().PanelText(panel); }
    QList<QList<int>> Sets() { return GameStateProbe::Sets(w()); }
    void Click(const QList<int>& turn) {
        for (int tile : turn) {
            w().btns(tile)->click();
        }
    }
    void Tick(int times) {
        for (int k = 0; k < times; ++k) {
            w().tmrTimer_Timer();
        }
    }
    // Face up: the button over the picture is hidden.
    bool FaceUp(const QList<int>& turn, bool up = true) {
        return std::all_of(turn.begin(), turn.end(),
                           [&](int tile) { return w().btns(tile)->isHidden() == up; });
    }
    // All but the first tile of set i, and a stranger from the next set.
    QList<int> Mismatch(int i) {
        const auto sets = Sets();
        return sets.at(i).mid(1) + QList<int>{sets.at(i + 1).at(0)};
    }
    // Matches every set, the first `mismatches` of them after a mismatch that
    // the timer or the next click covers in turn. Returns the cues expected.
    QStringList PlayGame(int mismatches) {
        QStringList cues{"letsplay.wav"};
        const auto sets = Sets();
        for (int i = 0; i < sets.size(); ++i) {
            if (i < mismatches) {
                Click(Mismatch(i));
                Tick(i % 2 == 0 ? 5 : 0);
                cues << "mismatch.wav";
            }
            Click(sets.at(i)); // its first tile is still face down
            cues << "match.wav";
        }
        return cues;
    }
    TestWorkspace ws;
    TestWindow t;
};

} // namespace

void TestPlay::wholeGame_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("setSize");
    QTest::addColumn<int>("mismatches");
    QTest::addColumn<int>("score");
    QTest::newRow("perfect 4x4 pairs, 8 out of 8") << 4 << 2 << 0 << 100;
    QTest::newRow("4x4 pairs, 8 out of 11") << 4 << 2 << 3 << 73;
    QTest::newRow("5x5 pairs, 1 free tile") << 5 << 2 << 1 << 92;
    QTest::newRow("7x7 sets of 5, 4 free tiles") << 7 << 5 << 2 << 82;
    QTest::newRow("8x8 sets of 5, 4 free tiles") << 8 << 5 << 4 << 75;
    QTest::newRow("10x10 pairs") << 10 << 2 << 7 << 88;
}

void TestPlay::wholeGame() {
    QFETCH(int, side);
    QFETCH(int, setSize);
    QFETCH(int, mismatches);
    QFETCH(int, score);
    Game g(side, setSize);
    g.t.dialogs->inputAnswers = QStringList{"Ada"};
    // Free tiles lie face up from the start, and the game ends without them.
    const QList<int> free = GameStateProbe::FreeTiles(g.w());
    QCOMPARE(free.size(), side * side % setSize);
    QVERIFY(g.FaceUp(free));
    const QStringList cues = g.PlayGame(mismatches);
    QCOMPARE(g.t.sound->Played(), cues);
    const int sets = side * side / setSize;
    const int turns = sets + mismatches;
    QCOMPARE(g.Panel(1), QString("Matches: %1 / %2,  %3% ").arg(sets).arg(turns).arg(score));
    const auto& asked = g.t.dialogs->asked;
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked.at(0).title, QString("Congratulations!"));
    const QString result = "You Finished.  You matched %1 out of %2, or  %3%";
    QCOMPARE(asked.at(0).text, result.arg(sets).arg(turns).arg(score));
    QCOMPARE(asked.at(1).text, QString("Your score of %1% is one of the all-time best scores.  "
                                       "Please enter your name")
                                   .arg(score));
    const QString section = QString("%1 x %1 match %2").arg(side).arg(setSize);
    QVERIFY(g.ws.Stored(section, "name1").startsWith("Ada ("));
    QCOMPARE(g.ws.Stored(section, "value1"), QString::number(score));
}

void TestPlay::namePromptOffersTheLastName() {
    Game g(4, 2);
    g.t.dialogs->inputAnswers = QStringList{"Grace", "", "Lin"};
    const QStringList offered{"", "Grace", "No Name"};
    for (int game = 0; game < 3; ++game) {
        g.w().mnuGameNew_Click();
        g.PlayGame(0);
        QCOMPARE(g.t.dialogs->asked.last().defaultText, offered.at(game));
    }
    QVERIFY(g.ws.Stored("4 x 4 match 2", "name2").startsWith("No Name ("));
}

// A folder where the settings file belongs makes the write fail, even for root.
void TestPlay::scoreThatCannotBeSaved() {
    Game g(4, 2);
    QVERIFY(QFile::remove(g.ws.SettingsFile()));
    QVERIFY(QDir().mkpath(g.ws.SettingsFile()));
    g.PlayGame(0);
    const FakeDialogs::Asked told = g.t.dialogs->asked.last();
    QCOMPARE(told.title, QString("New High Score"));
    QVERIFY2(told.text.contains("could not be saved"), qPrintable(told.text));
}

void TestPlay::realBoxes() {
    QtDialogs dialogs;
    QVERIFY(WithModal([&] { dialogs.MsgBox(nullptr, "You Finished.", "Congratulations!"); },
                      [](QDialog& dialog) {
                          auto* box = qobject_cast<QMessageBox*>(&dialog);
                          QVERIFY(box != nullptr);
                          QCOMPARE(box->text(), QString("You Finished."));
                          box->button(QMessageBox::Ok)->click();
                      }));
    QString typed;
    QVERIFY(WithModal([&] { typed = dialogs.InputBox(nullptr, "Name?", "Score", "Grace"); },
                      [](QDialog& dialog) {
                          auto* box = qobject_cast<QInputDialog*>(&dialog);
                          QVERIFY(box != nullptr);
                          QCOMPARE(box->labelText(), QString("Name?"));
                          box->accept();
                      }));
    QCOMPARE(typed, QString("Grace")); // the default, confirmed
}

void TestPlay::coveringMismatches_data() {
    QTest::addColumn<int>("setSize");
    QTest::newRow("pairs") << 2;
    QTest::newRow("sets of 3") << 3;
    QTest::newRow("sets of 5") << 5;
}

void TestPlay::coveringMismatches() {
    QFETCH(int, setSize);
    Game g(6, setSize);
    const QList<int> turn = g.Mismatch(0);
    g.Click(turn);
    QCOMPARE(g.Panel(3), QString("Concentrate!"));
    for (int tick = 1; tick <= 4; ++tick) {
        g.Tick(1);
        QVERIFY(g.FaceUp(turn));
        QCOMPARE(g.Panel(2), QString("Uncovered: %1 / %1").arg(setSize));
    }
    g.Tick(1);
    QVERIFY(g.FaceUp(turn, false));
    QCOMPARE(g.Panel(2), QString("Uncovered: 0 / %1").arg(setSize));
    QCOMPARE(g.Panel(1), QString("Matches: 0 / 1,  0% "));
    // The cue belongs to the click that completed the set, not to the cover.
    QCOMPARE(g.t.sound->Played(), QStringList({"letsplay.wav", "mismatch.wav"}));
    // Only a tick that finds no full turn resets the count, so a quick second
    // mismatch is covered by the very next tick.
    const QList<int> second = g.Mismatch(2);
    g.Click(second);
    g.Tick(1);
    QVERIFY(g.FaceUp(second, false));
    // A click while a mismatch shows covers it before turning its own tile.
    const QList<int> third = g.Mismatch(4);
    g.Click(third + second.mid(0, 1));
    QVERIFY(g.FaceUp(third, false) && g.FaceUp(second.mid(0, 1)));
    QCOMPARE(g.Panel(2), QString("Uncovered: 1 / %1").arg(setSize));
}

void TestPlay::hintsAndToolTips_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("hint");
    QTest::newRow("second") << 1 << "";
    QTest::newRow("third") << 2 << "You've clicked this 2 times already.";
    QTest::newRow("fourth") << 3 << "You've clicked this 3 times already.";
}

void TestPlay::hintsAndToolTips() {
    QFETCH(int, before);
    QFETCH(QString, hint);
    Game g(4, 2);
    const QList<int> turn = g.Mismatch(0);
    QCOMPARE(g.w().btns(turn.at(0))->toolTip(), QString("Uncovered 0 time before"));
    for (int k = 0; k < before; ++k) {
        g.Click(turn);
    }
    // The first tile of a turn decides nothing, so the hint stays in view.
    g.Click({turn.at(0)});
    QCOMPARE(g.Panel(3), hint);
    QCOMPARE(g.w().btns(turn.at(0))->toolTip(),
             QString("Uncovered %1 times before").arg(before + 1));
}

// Gives the game up without refreshing the status bar, however often.
void TestPlay::revealAllWhileMismatchShows() {
    Game g(4, 2);
    g.Click(g.Mismatch(0));
    g.Click(g.Sets().at(0));
    g.Click(g.Mismatch(1));
    const QString panel1 = g.Panel(1);
    const QString panel2 = g.Panel(2);
    const QStringList sounds = g.t.sound->Played();
    QList<int> all(16);
    std::iota(all.begin(), all.end(), 0);
    for (int twice = 0; twice < 2; ++twice) {
        g.w().mnuGameRevealAll_Click();
        QVERIFY(g.FaceUp(all));
        QCOMPARE(g.Panel(1) + g.Panel(2) + g.Panel(3), panel1 + panel2);
    }
    g.Tick(6);
    QVERIFY(g.FaceUp(all));
    QCOMPARE(g.t.sound->Played(), sounds);
    QVERIFY(g.t.dialogs->asked.isEmpty());
}

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
