// The window against what it meets: ends it does not choose, small screens, long names.
#include "EndSignals.h"
#include "HighScoresDialog.h"
#include "Win.h"

#include <QApplication>
#include <QInputDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>
#include <csignal>
#include <sys/fsuid.h>
#include <sys/stat.h>

namespace {

// The real box for the name; no other box.
struct NameBoxOnly final : Dialogs {
    void messageBox(QWidget*, const QString&, const QString&) override {}
    QString inputBox(QWidget* p, const QString& a, const QString& b, const QString& c) override {
        return QtDialogs().inputBox(p, a, b, c);
    }
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return std::nullopt; }
    QString chooseFolder(QWidget*, const QString&) override { return {}; }
    bool question(QWidget*, const QString&, const QString&) override { return false; }
};

} // namespace

class TestRobust : public QObject {
    Q_OBJECT
private slots:
    // Told at start-up with the file's path; the game starts with the defaults.
    void unreadableSettingsTold() {
        TestWorkspace ws;
        ws.store("settings", "columns", "6");
        QVERIFY(::chmod(qPrintable(ws.settingsFile()), 0) == 0 &&
                ::chmod(qPrintable(ws.path()), 0755) == 0);
        ::setfsuid(::geteuid() == 0 ? 65534 : ::geteuid()); // as "nobody": root reads any file
        FakeWindow t = ws.open();
        ::setfsuid(::geteuid());
        QCOMPARE(t.window->panel(3)->text(), "Settings file unreadable: " + ws.settingsFile());
    }

    void decidedIsKept_data() {
        QTest::addColumn<QString>("typed"); // in the name box when the end comes
        QTest::newRow("a signal, a name typed") << "Grace";
        QTest::newRow("a signal, the name box emptied") << QString();
        QTest::newRow("the display lost, a name typed") << "Lin";
    }

    // The board and font decided outlast every end; a score is entered once, as in its box.
    void decidedIsKept() {
        QFETCH(QString, typed);
        const bool signal = QString(QTest::currentDataTag()).startsWith("a signal");
        TestWorkspace ws;
        ws.addCategory("A");
        MainWindow w({ws.path(), ws.settingsFile(), std::make_unique<NameBoxOnly>(),
                      std::make_unique<ScriptedRandom>(7), std::make_unique<FakeSound>()});
        w.show();
        w.setNextGame({6, 6, 2, 1, 0}); // as Preferences' OK does
        w.newGame();
        QFont font;
        font.fromString("DejaVu Serif,12,-1,5,400,1,1,1,0,0"); // italic, underline, strikeout
        w.board()->setTileFont(font);
        QTimer::singleShot(0, &w, [&] { // once the name box is open
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            box->setTextValue(typed);
            // The display lost: Qt ends the program once the hook has saved.
            signal ? w.endSession() : (w.saveDecided(), box->reject());
        });
        for (const QList<int>& set : setsOf(w.game())) {
            for (int tile : set) {
                w.board()->button(tile)->click();
            }
        }
        w.close(); // after a signal, closed already
        QCOMPARE(ws.stored("6 x 6 match 2", "name1").section(" (", 0, 0),
                 typed.isEmpty() ? QString("No Name") : typed);
        QCOMPARE(ws.stored("6 x 6 match 2", "name2"), QString()); // entered once
        FakeWindow next = ws.open();
        QCOMPARE(next.window->game().current().columns, 6);
        const QFont kept = next.window->board()->button(35)->font();
        QVERIFY(kept.family() == font.family() && kept.italic() && kept.underline() &&
                kept.strikeOut() && !kept.bold() && kept.pointSize() == 31); // size as the board's
    }

    void endedFromOutside_data() {
        QTest::addColumn<int>("signal"); // 0: the X server ends, and Qt exits with 1
        QTest::addColumn<bool>("nohup"); // started ignoring SIGHUP, which it gets first
        QTest::newRow("SIGTERM") << int(SIGTERM) << false;
        QTest::newRow("SIGHUP") << int(SIGHUP) << false;
        QTest::newRow("the X server ends") << 0 << false;
        QTest::newRow("under nohup, SIGHUP, then the X server ends") << 0 << true;
    }

    // On a real X server, 1024 x 768 at scale 2: the window fits; every end saves the game's board.
    void endedFromOutside() {
        QFETCH(int, signal);
        QFETCH(bool, nohup);
        QProcess xvfb, game, mapped;
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QVERIFY(xvfb.waitForReadyRead(60000));
        TestWorkspace ws;
        ws.store("settings", "columns", "99");
        const QStringList env{"DISPLAY=:" + QString(xvfb.readLine()).trimmed(),
                              "QT_QPA_PLATFORM=xcb", "QT_SCALE_FACTOR=2",
                              "XDG_CONFIG_HOME=" + ws.path() + "/config",
                              "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent"}; // none started
        game.setEnvironment(QProcess::systemEnvironment() + env);
        mapped.setEnvironment(QProcess::systemEnvironment() + env);
        // SIGHUP as the row says, whatever the suite was started under.
        game.setChildProcessModifier([nohup] { ::signal(SIGHUP, nohup ? SIG_IGN : SIG_DFL); });
        game.start(TILEWISE_PROGRAM);
        mapped.start("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Tilewise$",
                                 "getwindowgeometry", "%1"});
        QVERIFY(mapped.waitForFinished(60000)); // the window is up
        const QString size = QString(mapped.readAll()).section("Geometry: ", 1).trimmed();
        QVERIFY2(size.section('x', 0, 0).toInt() <= 1024 && size.section('x', 1).toInt() <= 768,
                 qPrintable(size));
        QFile status(QString("/proc/%1/status").arg(game.processId()));
        status.open(QIODevice::ReadOnly);
        const QString ignored = QString(status.readAll()).section("SigIgn:", 1).section('\n', 0, 0);
        QCOMPARE(bool(ignored.toULongLong(nullptr, 16) & 1), nohup); // SIGHUP's bit
        ::kill(pid_t(game.processId()), nohup ? SIGHUP : 0);         // 0 sends nothing
        ::kill(pid_t(signal != 0 ? game.processId() : xvfb.processId()), signal ? signal : SIGTERM);
        QVERIFY(game.waitForFinished(60000));
        QCOMPARE(game.exitStatus() == QProcess::NormalExit ? game.exitCode() : -1,
                 signal != 0 ? 0 : 1);
        QCOMPARE(ws.stored("settings", "columns"), QString("5"));
    }

    // What EndSignals found is what it leaves: here, QtTest's own handlers.
    void endSignalsGiveBack() {
        for (int number : {SIGTERM, SIGHUP}) {
            struct sigaction before {};
            struct sigaction after {};
            ::sigaction(number, nullptr, &before);
            EndSignals{}; // made and gone
            ::sigaction(number, nullptr, &after);
            QVERIFY(before.sa_handler != SIG_DFL && after.sa_handler == before.sa_handler);
        }
    }

    // A board larger than its area keeps its layout and scrolls to the focused tile.
    void everyTileReachable() {
        Win win(10, 2);
        MainWindow& w = win.w();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w)); // focus moves within the active window
        w.resize(320, 240);
        auto* area = qobject_cast<QScrollArea*>(w.centralWidget());
        QTRY_VERIFY(area->verticalScrollBar()->isVisible()); // the layout stays
        const auto inView = [&](int tile) {                  // not cut off by the area
            return w.board()->button(tile)->visibleRegion() == w.board()->button(tile)->rect();
        };
        for (int tile : {99, 0, 59}) {
            w.board()->focusTile(tile);
            QVERIFY2(inView(tile), qPrintable(QString::number(tile)));
        }
        w.newGame(); // laid out in the area, which it fills exactly, with no scroll bars
        QTRY_VERIFY(!area->verticalScrollBar()->isVisible() &&
                    !area->horizontalScrollBar()->isVisible());
        QVERIFY(inView(99) && inView(0) && w.board()->size() == area->viewport()->size());
    }

    // A long name ends in "…" but is read whole; a right-to-left one keeps the rank first.
    void highScoreRows() {
        TestWorkspace ws;
        const QString name = QString(60, 'W') + " (1/2/26)";
        ws.store("4 x 4 match 2", "name1", name);
        ws.store("4 x 4 match 2", "name2", QString::fromUtf8("שלום (1/2/26)"));
        HighScoresDialog dialog({4, 4, 2, 1, 0}, SettingsStore(ws.settingsFile()).read());
        const QLabel* first = dialog.findChild<QLabel*>("lbl1");
        const QString row = "1.  % " + name; // a score of 0 shows no digits
        QVERIFY2(first->text().endsWith(QChar(0x2026)) && row.startsWith(first->text().chopped(1)),
                 qPrintable(first->text()));
        QVERIFY(first->toolTip() == row && first->accessibleName() == row);
        QVERIFY(!dialog.findChild<QLabel*>("lbl2")->text().isRightToLeft());
    }
};

QTEST_MAIN(TestRobust)
#include "tst_robust.moc"
