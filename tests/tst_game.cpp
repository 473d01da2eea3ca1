// A game in the main window, offscreen: what a player sees and hears, the
// boxes, the stored preferences and the start-up news.
#include "TilePicture.h"
#include "Win.h"

#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QtTest>
#include <numeric>

class TestGame : public QObject {
    Q_OBJECT
private slots:
    void wholeGame_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("setSize");
        QTest::addColumn<int>("mismatches");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("name");    // typed at the prompt; "write" and "better": trouble
        QTest::addColumn<QString>("lastBox"); // the start of the box after the prompt, if any
        const auto row = [](const char* name, int side, int setSize, int mismatches, int score,
                            const char* typed, const char* lastBox = "") {
            QTest::newRow(name) << side << setSize << mismatches << score << typed << lastBox;
        };
        row("perfect 4x4 pairs, 8 out of 8", 4, 2, 0, 100, "Ada");
        row("4x4 pairs, 8 out of 11", 4, 2, 3, 73, "");
        row("7x7 sets of 5, 4 free tiles", 7, 5, 2, 82, "Ada");
        row("a tenth score as good, whatever lies above", 4, 2, 0, 100, "full");
        row("the file cannot be written", 4, 2, 0, 100, "write",
            "The high score could not be saved. The file ");
        row("another copy entered better scores meanwhile", 4, 2, 0, 100, "better",
            "Your score no longer makes the top ten for this board: better scores");
    }

    // Cues, last status, result box, prompt and high score; the name typed is
    // offered at the next prompt ("No Name" for none).
    void wholeGame() {
        QFETCH(int, side);
        QFETCH(int, setSize);
        QFETCH(int, mismatches);
        QFETCH(int, score);
        QFETCH(QString, name); // "full": no place in the table
        QFETCH(QString, lastBox);
        Win win(side, setSize);
        const QString section = QString("%1 x %1 match %2").arg(side).arg(setSize);
        win.t.dialogs->inputAnswers = QStringList{name};
        const auto fillTable = [&] { // by hand: only the tenth entry counts
            for (int rank = 1; rank <= 10; ++rank) {
                win.ws.store(section, QStringLiteral("value%1").arg(rank),
                             rank == 1 ? "99" : "100");
            }
        };
        if (name == "full") {
            fillTable();
        } else if (name == "write") {
            win.w().settings().setWriteHook([](const QString& file) { QFile(file).resize(0); });
        } else if (name == "better") {
            win.t.dialogs->onInput = fillTable;
        }
        const QStringList cues = win.playGame(mismatches);
        QCOMPARE(win.t.sound->played(), QStringList{"letsplay.wav"} + cues);
        const int sets = side * side / setSize;
        const int turns = sets + mismatches;
        QCOMPARE(win.panel(1), QString("Matches: %1 / %2,  %3% ").arg(sets).arg(turns).arg(score));
        QCOMPARE(win.panel(2), QString("Uncovered: 0 / %1").arg(setSize));
        const auto& asked = win.t.dialogs->asked;
        QCOMPARE(asked.size(), name == "full" ? 1 : lastBox.isEmpty() ? 2 : 3);
        QCOMPARE(asked.at(0).title + asked.at(0).text,
                 QString("Congratulations!You Finished.  You matched %1 out of %2, or  %3%")
                     .arg(sets)
                     .arg(turns)
                     .arg(score));
        if (name == "full") {
            return; // a score that earns no place asks for no name
        }
        QCOMPARE(asked.at(1).title + asked.at(1).text,
                 QString("New High ScoreYour score of %1% is one of the all-time best scores.  "
                         "Please enter your name")
                     .arg(score));
        if (!lastBox.isEmpty()) {
            QVERIFY2(asked.at(2).text.startsWith(lastBox), qPrintable(asked.at(2).text));
            return;
        }
        const QString stored = name.isEmpty() ? QStringLiteral("No Name") : name;
        QVERIFY(win.ws.stored(section, "name1").startsWith(stored + " ("));
        QCOMPARE(win.ws.stored(section, "value1"), QString::number(score));
        win.w().newGame();
        win.playGame(0);
        QCOMPARE(asked.last().defaultText, stored);
    }

    // What one turn shows: the cue at the click, the fifth tick covering, the
    // hint, the tool tips, Reveal All and a new game's fresh count.
    void turnOnScreen() {
        Win win(6, 2);
        win.w().board()->finishPictures(); // every picture shows: the greeting stays
        QCOMPARE(win.panel(3), QStringLiteral("Start matching tiles."));
        QCOMPARE(win.t.sound->calls.mid(0, 4),
                 (QStringList{"Close", "file:letsplay.wav", "Open", "Play"}));
        const QList<int> turn = win.mismatch(0);
        win.click(turn);
        QCOMPARE(win.panel(3), QStringLiteral("Concentrate!"));
        QCOMPARE(win.t.sound->played(), QStringList({"letsplay.wav", "mismatch.wav"}));
        win.tick(4);
        QVERIFY(win.faceUp(turn));
        QCOMPARE(win.panel(2), QStringLiteral("Uncovered: 2 / 2"));
        win.tick(1);
        QVERIFY(win.faceUp(turn, false));
        QCOMPARE(win.panel(2), QStringLiteral("Uncovered: 0 / 2"));
        QCOMPARE(win.panel(1), QStringLiteral("Matches: 0 / 1,  0% "));
        QCOMPARE(win.t.sound->played().size(), 2); // nothing more at the cover

        win.click(turn); // the second uncovering of both
        win.tick(5);
        win.click({turn.at(0)});
        QCOMPARE(win.panel(3), QStringLiteral("You've clicked this 2 times already."));
        QCOMPARE(win.w().board()->button(turn.at(0))->toolTip(),
                 QStringLiteral("Uncovered 3 times before"));
        QCOMPARE(win.w().board()->button(turn.at(1))->toolTip(),
                 QStringLiteral("Uncovered 2 times before"));

        const QString panels = win.panel(1) + win.panel(2);
        win.w().revealAll();
        win.tick(6);
        QList<int> all(36);
        std::iota(all.begin(), all.end(), 0);
        QVERIFY(win.faceUp(all));
        QCOMPARE(win.panel(1) + win.panel(2), panels);
        QCOMPARE(win.t.sound->played().size(), 3);

        win.w().newGame();
        QCOMPARE(win.panel(1), QStringLiteral("Matches: 0 / 0,  0% "));
        QCOMPARE(win.w().board()->button(turn.at(0))->toolTip(),
                 QStringLiteral("Uncovered 0 time before"));
        win.w().revealAll(); // before a single picture is decoded: they come as they are
        QTRY_VERIFY(std::all_of(all.cbegin(), all.cend(), [&win](int i) {
            const TilePicture* shown = win.w().board()->picture(i);
            return shown != nullptr && !shown->picture().isNull();
        }));
    }

    void savedAtExit_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Game > Exit") << "menu";
        QTest::newRow("close button") << "close";
        QTest::newRow("a write that fails") << "fail";
    }

    // The game in progress is saved, not the next game's choice; a failed save
    // leaves the file as it was and says so.
    void savedAtExit() {
        QFETCH(QString, how);
        Win win;
        win.ws.addCategory("Birds", 0);
        MainWindow& w = win.w();
        w.show();
        BoardConfig next{6, 6, 3, 2, 0};
        w.setNextGame(next);
        w.newGame();
        next.columns = next.rows = 9;
        w.setNextGame(next);
        const QByteArray before = win.ws.settingsBytes();
        if (how == "fail") {
            w.settings().setWriteHook([](const QString& file) { QFile(file).resize(3); });
        }
        how == "close" ? void(w.close()) : w.exitGame();
        QVERIFY(!w.isVisible());
        QCOMPARE(win.t.sound->calls.last(), QStringLiteral("Close"));
        const auto& told = win.t.dialogs->asked;
        QCOMPARE(told.size(), how == "fail" ? 1 : 0);
        if (how == "fail") {
            QCOMPARE(win.ws.settingsBytes(), before);
            QVERIFY(told.first().text.startsWith("Your preferences could not be saved."));
        } else { // plain decimal text, as a fresh run reads it back
            QVERIFY(win.ws.settingsBytes().contains(
                "[settings]\ncategoryIndex=2\ncolumns=6\nnumTilesToMatch=3\n"));
        }
    }

    // Told once in panel 3 at start-up: categories left out, a damaged settings
    // file copied aside. No category at all is told in a box, once.
    void startUpNews() {
        TestWorkspace ws;
        for (int n = 0; n < 33; ++n) {
            ws.addEntry(QStringLiteral("C%1").arg(n, 2, 10, QLatin1Char('0')));
        }
        ws.writeFile("config/Tilewise/Tilewise.ini", "garbage line\n[settings]\ncolumns=4\n");
        FakeWindow t = ws.open();
        MainWindow& w = *t.window;
        QCOMPARE(w.game().current().columns, 4);
        const QString panel = w.panel(3)->text();
        QVERIFY2(panel.contains("damaged") && panel.contains("32 categories"), qPrintable(panel));
        QVERIFY(w.panel(3)->toolTip().contains(ws.settingsFile() + ".bad-"));
        w.board()->button(0)->click();
        w.newGame();
        QVERIFY(!w.panel(3)->text().contains("32 categories"));

        TestWorkspace none; // no imgs folder at all: told once, not per board
        FakeWindow u = none.open();
        u.window->newGame();
        QTRY_COMPARE(u.dialogs->asked.size(), 1);
        QVERIFY(u.dialogs->asked.first().text.startsWith("No picture categories were found."));
        QCOMPARE(u.window->game().current().categoryIndex, 1);
    }

    // The real boxes, Cancel and OK, and Yes. The font dialog opens on the family really
    // drawn, its font goes on every tile; a new board keeps family and italic.
    void realDialogs() {
        TestWorkspace ws;
        ws.addEntry("Animals"); // a category: no box about its absence
        MainWindow::Services services{ws.path(), ws.settingsFile(), nullptr, nullptr,
                                      std::make_unique<FakeSound>()};
        MainWindow w(std::move(services));
        const QString drawnIn = QFontInfo(w.board()->button(0)->font()).family();
        const auto tilesShow = [&](int tiles, bool italic, int size) { // in the family drawn
            for (int i = 0; i < tiles; ++i) {
                const QFont font = w.board()->button(i)->font();
                QVERIFY(QFontInfo(font).family() == drawnIn && font.italic() == italic &&
                        !font.bold() && font.pointSize() == size);
            }
        };
        QtDialogs dialogs;
        for (const bool ok : {false, true}) {
            QFont picked;
            QVERIFY(withModal([&] { w.chooseTileFont(); },
                              [&](QDialog& d) {
                                  picked = qobject_cast<QFontDialog*>(&d)->currentFont();
                                  picked.setStyleName(QStringLiteral("Italic"));
                                  qobject_cast<QFontDialog*>(&d)->setCurrentFont(picked);
                                  picked = qobject_cast<QFontDialog*>(&d)->currentFont();
                                  ok ? d.accept() : d.reject();
                              }));
            tilesShow(25, ok, ok ? picked.pointSize() : 37);
            QString typed = "unset";
            QVERIFY(withModal([&] { typed = dialogs.inputBox(nullptr, "Name?", "Score", "Grace"); },
                              [&](QDialog& d) {
                                  QCOMPARE(qobject_cast<QInputDialog*>(&d)->labelText(), "Name?");
                                  ok ? d.accept() : d.reject();
                              }));
            QCOMPARE(typed, ok ? QString("Grace") : QString());
        }
        BoardConfig next = w.game().current();
        next.columns = next.rows = 6;
        w.setNextGame(next);
        w.newGame();
        tilesShow(36, true, 31);
        bool replace = false;
        QVERIFY(withModal(
            [&] { replace = dialogs.question(nullptr, "Replace?", "Title"); },
            [](QDialog& d) { qobject_cast<QMessageBox*>(&d)->button(QMessageBox::Yes)->click(); }));
        QVERIFY(replace);
        QVERIFY(withModal([&] { dialogs.messageBox(nullptr, "You Finished.", "Congratulations!"); },
                          [](QDialog& d) {
                              auto* box = qobject_cast<QMessageBox*>(&d);
                              QCOMPARE(box->text(), QString("You Finished."));
                              box->button(QMessageBox::Ok)->click();
                          }));
    }
};

QTEST_MAIN(TestGame)
#include "tst_game.moc"
