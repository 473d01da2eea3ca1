// Whole games played to the end: the result box, the cues, the status bar,
// the name prompt and the high-score table in the settings file.
#include "Dialogs.h"
#include "Fakes.h"
#include "TestWorkspace.h"
#include "frmTilewise.h"

#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class TestEndGame : public QObject {
    Q_OBJECT
private slots:
    void wholeGame_data();
    void wholeGame();
    void scoreThatDoesNotQualify();
    void namePromptOffersTheLastName();
    void scoreThatCannotBeSaved();
    void realBoxes_data();
    void realBoxes();
};

namespace {

struct Game {
    explicit Game(int side, int setSize) {
        ws.AddCategory("Animals");
        ws.AddFreePicture();
        ws.Store("settings", "columns", QString::number(side));
        ws.Store("settings", "numTilesToMatch", QString::number(setSize));
        t = MakeWindow(std::make_unique<ScriptedRandom>(QList<double>{0.37, 0.81, 0.12, 0.64}));
        t.window->tmrTimer()->stop();
    }
    frmTilewise& w() { return *t.window; }

    QList<QList<int>> Sets() { return GameStateProbe::Sets(w()); }
    void Click(int tile) { w().btns(tile)->click(); }

    // Matches every set; before each of the first `mismatches` matches the
    // player first turns up all but one tile of the set and a stranger. Every
    // other mismatch is covered by the timer, the rest by the next click.
    // Stops short of the last click of the game and returns it.
    int PlayAllButLastClick(int mismatches, QStringList* cues) {
        const auto sets = Sets();
        const int setSize = w().iNumTilesToMatch;
        for (int i = 0; i < sets.size(); ++i) {
            if (i < mismatches) {
                for (int k = 0; k < setSize - 1; ++k) {
                    Click(sets.at(i).at(k));
                }
                Click(sets.at((i + 1) % sets.size()).at(0));
                cues->append("mismatch.wav");
                if (i % 2 == 0) {
                    for (int tick = 0; tick < 5; ++tick) {
                        w().tmrTimer_Timer();
                    }
                }
            }
            // Last tile first: it was not part of the mismatch, so it is covered.
            for (int k = setSize - 1; k >= 0; --k) {
                if (i == sets.size() - 1 && k == 0) {
                    cues->append("match.wav");
                    return sets.at(i).at(k);
                }
                Click(sets.at(i).at(k));
            }
            cues->append("match.wav");
        }
        return -1;
    }

    TestWorkspace ws;
    TestWindow t;
};

const QString kPromptTail = "% is one of the all-time best scores.  Please enter your name";

} // namespace

void TestEndGame::wholeGame_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("setSize");
    QTest::addColumn<int>("mismatches");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("panel1");
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("score");
    QTest::newRow("perfect 4x4 pairs")
        << 4 << 2 << 0 << "You Finished.  You matched 8 out of 8, or  100%"
        << "Matches: 8 / 8,  100% "
        << "4 x 4 match 2" << 100;
    QTest::newRow("4x4 pairs, 8 in 11")
        << 4 << 2 << 3 << "You Finished.  You matched 8 out of 11, or  73%"
        << "Matches: 8 / 11,  73% "
        << "4 x 4 match 2" << 73;
    QTest::newRow("7x7 sets of 5")
        << 7 << 5 << 2 << "You Finished.  You matched 9 out of 11, or  82%"
        << "Matches: 9 / 11,  82% "
        << "7 x 7 match 5" << 82;
    QTest::newRow("8x8 sets of 5")
        << 8 << 5 << 4 << "You Finished.  You matched 12 out of 16, or  75%"
        << "Matches: 12 / 16,  75% "
        << "8 x 8 match 5" << 75;
    QTest::newRow("10x10 pairs") << 10 << 2 << 7
                                 << "You Finished.  You matched 50 out of 57, or  88%"
                                 << "Matches: 50 / 57,  88% "
                                 << "10 x 10 match 2" << 88;
}

void TestEndGame::wholeGame() {
    QFETCH(int, side);
    QFETCH(int, setSize);
    QFETCH(int, mismatches);
    QFETCH(QString, result);
    QFETCH(QString, panel1);
    QFETCH(QString, section);
    QFETCH(int, score);
    Game g(side, setSize);
    g.t.dialogs->inputAnswers = QStringList{"Ada"};

    QStringList cues{"letsplay.wav"};
    const int last = g.PlayAllButLastClick(mismatches, &cues);
    QVERIFY(g.t.dialogs->asked.isEmpty());
    g.Click(last);

    QCOMPARE(g.t.sound->Played(), cues);
    QCOMPARE(g.w().PanelText(1), panel1);
    QCOMPARE(g.w().PanelText(2), QString("Uncovered: 0 / %1").arg(setSize));
    QCOMPARE(g.w().PanelText(3), QString("Cool. You matched."));

    const auto& asked = g.t.dialogs->asked;
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked.at(0).kind, QString("MsgBox"));
    QCOMPARE(asked.at(0).text, result);
    QCOMPARE(asked.at(0).title, QString("Congratulations!"));
    QCOMPARE(asked.at(1).kind, QString("InputBox"));
    QCOMPARE(asked.at(1).text, "Your score of " + QString::number(score) + kPromptTail);
    QCOMPARE(asked.at(1).title, QString("New High Score"));
    QCOMPARE(asked.at(1).defaultText, QString());

    for (int tile = 0; tile < side * side; ++tile) {
        QVERIFY(g.w().btns(tile)->isHidden());
    }
    QVERIFY(QFile::exists(g.ws.SettingsFile()));
    QVERIFY(g.ws.Stored(section, "name1").startsWith("Ada ("));
    QCOMPARE(g.ws.Stored(section, "value1"), QString::number(score));
}

void TestEndGame::scoreThatDoesNotQualify() {
    Game g(4, 2);
    for (int rank = 1; rank <= 10; ++rank) {
        g.ws.Store("4 x 4 match 2", QString("name%1").arg(rank), "Best");
        g.ws.Store("4 x 4 match 2", QString("value%1").arg(rank), "100");
    }
    const QByteArray before = [&] {
        QFile file(g.ws.SettingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QStringList cues;
    g.Click(g.PlayAllButLastClick(0, &cues));

    QCOMPARE(g.t.dialogs->asked.size(), 1);
    QCOMPARE(g.t.dialogs->asked.at(0).title, QString("Congratulations!"));
    QFile file(g.ws.SettingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestEndGame::namePromptOffersTheLastName() {
    Game g(4, 2);
    g.t.dialogs->inputAnswers = QStringList{"Grace", "", "Lin"};
    QStringList cues;
    for (int game = 0; game < 3; ++game) {
        if (game > 0) {
            g.w().mnuGameNew_Click();
        }
        g.Click(g.PlayAllButLastClick(0, &cues));
    }
    QList<FakeDialogs::Asked> prompts;
    for (const auto& asked : g.t.dialogs->asked) {
        if (asked.kind == "InputBox") {
            prompts.append(asked);
        }
    }
    QCOMPARE(prompts.size(), 3);
    QCOMPARE(prompts.at(0).defaultText, QString());
    QCOMPARE(prompts.at(1).defaultText, QString("Grace"));
    QCOMPARE(prompts.at(2).defaultText, QString("No Name"));
    QCOMPARE(GameStateProbe::PlayerName(g.w()), QString("Lin"));
    // Equal scores rank in the order they were made.
    QVERIFY(g.ws.Stored("4 x 4 match 2", "name1").startsWith("Grace ("));
    QVERIFY(g.ws.Stored("4 x 4 match 2", "name2").startsWith("No Name ("));
    QVERIFY(g.ws.Stored("4 x 4 match 2", "name3").startsWith("Lin ("));
}

// A high score that cannot be written is told to the player instead of
// being lost in silence. A folder where the settings file should be makes
// the write fail even for root.
void TestEndGame::scoreThatCannotBeSaved() {
    Game g(4, 2);
    QVERIFY(QFile::remove(g.ws.SettingsFile()));
    QVERIFY(QDir().mkpath(g.ws.SettingsFile()));
    g.t.dialogs->inputAnswers = QStringList{"Ada"};
    QStringList cues;
    g.Click(g.PlayAllButLastClick(0, &cues));

    const auto& asked = g.t.dialogs->asked;
    QCOMPARE(asked.size(), 3);
    QCOMPARE(asked.at(1).kind, QString("InputBox"));
    QCOMPARE(asked.at(2).kind, QString("MsgBox"));
    QCOMPARE(asked.at(2).title, QString("New High Score"));
    QVERIFY2(asked.at(2).text.contains("could not be saved"), qPrintable(asked.at(2).text));

    // The game goes on: a new one can be started and played.
    g.w().mnuGameNew_Click();
    QCOMPARE(g.w().PanelText(1), QString("Matches: 0 / 0,  0% "));
    g.Click(g.Sets().at(0).at(0));
    QCOMPARE(g.w().PanelText(2), QString("Uncovered: 1 / 2"));
}

void TestEndGame::realBoxes_data() {
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("answer");
    QTest::newRow("typed and confirmed") << true << "Lin";
    QTest::newRow("cancelled") << false << "";
}

// The boxes the end of a game shows, really opened offscreen and answered
// while they are up.
void TestEndGame::realBoxes() {
    QFETCH(bool, accept);
    QFETCH(QString, answer);
    QtDialogs dialogs;
    QWidget parent;
    const QString result = "You Finished.  You matched 8 out of 8, or  100%";
    QVERIFY(WithModal([&] { dialogs.MsgBox(&parent, result, "Congratulations!"); },
                      [&](QDialog& dialog) {
                          auto* box = qobject_cast<QMessageBox*>(&dialog);
                          QVERIFY(box != nullptr);
                          QCOMPARE(box->standardButtons(),
                                   QMessageBox::StandardButtons(QMessageBox::Ok));
                          QCOMPARE(box->icon(), QMessageBox::NoIcon);
                          QCOMPARE(box->text(), result);
                          QCOMPARE(box->windowTitle(), QString("Congratulations!"));
                          box->button(QMessageBox::Ok)->click();
                      }));

    const QString prompt = "Your score of 100" + kPromptTail;
    QString typed = "untouched";
    QVERIFY(WithModal([&] { typed = dialogs.InputBox(&parent, prompt, "New High Score", "Grace"); },
                      [&](QDialog& dialog) {
                          auto* box = qobject_cast<QInputDialog*>(&dialog);
                          QVERIFY(box != nullptr);
                          QCOMPARE(box->textValue(), QString("Grace"));
                          QCOMPARE(box->labelText(), prompt);
                          QCOMPARE(box->windowTitle(), QString("New High Score"));
                          box->setTextValue("Lin");
                          if (accept) {
                              box->accept();
                          } else {
                              box->reject();
                          }
                      }));
    QCOMPARE(typed, answer);
}

QTEST_MAIN(TestEndGame)
#include "tst_endgame.moc"
