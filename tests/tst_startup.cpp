// Start-up and shutdown: preferences read and written, the category list,
// the greeting, and what happens when pictures or categories are missing.
#include "Fakes.h"
#include "ImageControl.h"
#include "TestWorkspace.h"
#include "frmTilewise.h"

#include <QProcess>
#include <QtTest>
#include <stdexcept>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void defaultsWithNothingStored();
    void storedPreferences_data();
    void storedPreferences();
    void categoryIsAPositionInTheSortedList();
    void greetingPlaysOnTheDevice();
    void savedAtExit_data();
    void savedAtExit();
    void savedPreferencesReadByTheNextRun();
    void noCategoryAtAll();
    void hourglassRestoredWhenANewGameFails();
};

void TestStartup::defaultsWithNothingStored() {
    TestWorkspace ws;
    ws.AddCategory("Zoo");
    ws.AddCategory("Birds");
    ws.AddFreePicture();
    TestWindow t = MakeWindow();
    const frmTilewise& w = *t.window;
    QCOMPARE(w.iNumColumns, 5);
    QCOMPARE(w.iNumRows, 5);
    QCOMPARE(w.iNumTilesToMatch, 2);
    QCOMPARE(GameStateProbe::CategoryIndex(w), 1);
    QCOMPARE(w.GetCategory(1), QStringLiteral("Birds"));
    QCOMPARE(w.iNewNumColumns, 5);
    QCOMPARE(w.iNewNumRows, 5);
    QCOMPARE(w.iNewNumTilesToMatch, 2);
    QCOMPARE(w.iNewCategoryIndex, 1);
    QCOMPARE(w.iNumPlayers, 0);
    QCOMPARE(w.iNewNumPlayers, 0);
    QCOMPARE(GameStateProbe::NumSets(w), 12);
    QCOMPARE(w.TileControls(), 25);
}

void TestStartup::storedPreferences_data() {
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("tilesPerSet");
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("expectedColumns");
    QTest::addColumn<int>("expectedTilesPerSet");
    QTest::addColumn<int>("expectedCategory");

    QTest::newRow("as stored") << "8"
                               << "4"
                               << "3" << 8 << 4 << 3;
    QTest::newRow("smallest and largest") << "4"
                                          << "5"
                                          << "1" << 4 << 5 << 1;
    QTest::newRow("largest board, pairs") << "10"
                                          << "2"
                                          << "2" << 10 << 2 << 2;
    QTest::newRow("too small") << "3"
                               << "1"
                               << "0" << 5 << 2 << 1;
    QTest::newRow("too large") << "11"
                               << "6"
                               << "4" << 5 << 2 << 1;
    QTest::newRow("negative") << "-6"
                              << "-2"
                              << "-1" << 5 << 2 << 1;
    QTest::newRow("beyond 16 bits") << "99999"
                                    << "70000"
                                    << "99999" << 5 << 2 << 1;
    QTest::newRow("not numbers") << "six"
                                 << "x"
                                 << "abc" << 5 << 2 << 1;
    QTest::newRow("truncated") << ""
                               << ""
                               << "" << 5 << 2 << 1;
    QTest::newRow("fractions") << "6.5"
                               << "2.0"
                               << "1.5" << 5 << 2 << 1;
}

void TestStartup::storedPreferences() {
    QFETCH(QString, columns);
    QFETCH(QString, tilesPerSet);
    QFETCH(QString, category);
    QFETCH(int, expectedColumns);
    QFETCH(int, expectedTilesPerSet);
    QFETCH(int, expectedCategory);
    TestWorkspace ws;
    ws.AddCategory("A", 0);
    ws.AddCategory("B", 0);
    ws.AddCategory("C");
    ws.AddFreePicture();
    ws.Store("settings", "columns", columns);
    ws.Store("settings", "numTilesToMatch", tilesPerSet);
    ws.Store("settings", "categoryIndex", category);

    TestWindow t = MakeWindow();
    const frmTilewise& w = *t.window;
    QCOMPARE(w.iNumColumns, expectedColumns);
    QCOMPARE(w.iNumRows, expectedColumns);
    QCOMPARE(w.iNumTilesToMatch, expectedTilesPerSet);
    QCOMPARE(GameStateProbe::CategoryIndex(w), expectedCategory);
    QCOMPARE(w.TileControls(), expectedColumns * expectedColumns);
    QCOMPARE(GameStateProbe::NumSets(w), expectedColumns * expectedColumns / expectedTilesPerSet);
    QVERIFY(t.dialogs->asked.isEmpty()); // quietly
}

void TestStartup::categoryIsAPositionInTheSortedList() {
    TestWorkspace ws;
    ws.AddCategory("Birds", 0);
    ws.AddCategory("Fish");
    ws.AddFreePicture();
    ws.Store("settings", "categoryIndex", "2");
    {
        TestWindow t = MakeWindow();
        QCOMPARE(t.window->GetCategory(GameStateProbe::CategoryIndex(*t.window)), "Fish");
    }
    ws.AddCategory("Apes", 0); // sorts first: position 2 now names Birds
    TestWindow t = MakeWindow();
    QCOMPARE(t.window->GetCategory(GameStateProbe::CategoryIndex(*t.window)), "Birds");
}

void TestStartup::greetingPlaysOnTheDevice() {
    TestWorkspace ws;
    ws.AddCategory("Animals");
    ws.AddFreePicture();
    TestWindow t = MakeWindow();
    QCOMPARE(t.sound->calls, (QStringList{"type:WaveAudio", "file:letsplay.wav", "Open", "Play",
                                          "played:letsplay.wav"}));
    QCOMPARE(t.window->PanelText(3), QStringLiteral("Start matching tiles."));
}

void TestStartup::savedAtExit_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Game > Exit") << true;
    QTest::newRow("close button") << false;
}

void TestStartup::savedAtExit() {
    QFETCH(bool, fromMenu);
    TestWorkspace ws;
    ws.AddCategory("Animals");
    ws.AddCategory("Birds");
    ws.AddFreePicture();
    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;
    w.show();
    w.iNewNumColumns = w.iNewNumRows = 6;
    w.iNewNumTilesToMatch = 3;
    w.iNewCategoryIndex = 2;
    w.mnuGameNew_Click();
    // Next-game values that never became current are not what is saved.
    w.iNewNumColumns = w.iNewNumRows = 9;
    if (fromMenu) {
        w.mnuGameExit_Click();
    } else {
        w.close();
    }
    QVERIFY(!w.isVisible());
    QCOMPARE(t.sound->calls.last(), QStringLiteral("Close"));
    QCOMPARE(ws.Stored("settings", "categoryIndex"), QStringLiteral("2"));
    QCOMPARE(ws.Stored("settings", "numTilesToMatch"), QStringLiteral("3"));
    QCOMPARE(ws.Stored("settings", "columns"), QStringLiteral("6"));
    QFile file(ws.SettingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("[settings]\ncategoryIndex=2\ncolumns=6\nnumTilesToMatch=3\n"),
             text.constData());
}

void TestStartup::savedPreferencesReadByTheNextRun() {
    TestWorkspace ws;
    ws.AddCategory("Animals");
    ws.AddCategory("Birds");
    ws.AddFreePicture();
    const QString probe = QStringLiteral(TILEWISE_HELPER_DIR "/prefs_probe");
    QProcess first;
    first.start(probe, {ws.Path(), ws.SettingsDir(), "change", "7", "5", "2"});
    QVERIFY(first.waitForFinished(30000));
    QCOMPARE(first.exitCode(), 0);

    QProcess second;
    second.start(probe, {ws.Path(), ws.SettingsDir(), "show"});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.readAllStandardOutput().trimmed(), QByteArray("7 7 5 2"));
}

void TestStartup::noCategoryAtAll() {
    TestWorkspace ws; // no imgs folder, no free picture
    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;
    QCOMPARE(GameStateProbe::NumCategories(w), 0);
    QCOMPARE(GameStateProbe::CategoryIndex(w), 1);
    QCOMPARE(w.TileControls(), 25);
    for (int i = 0; i < 25; ++i) {
        QVERIFY(!w.imgs(i)->Picture().isNull());
    }
    QTRY_COMPARE(t.dialogs->asked.size(), 1);
    QVERIFY(t.dialogs->asked.first().text.contains("No picture categories were found."));
    w.mnuGameNew_Click();
    QTest::qWait(20);
    QCOMPARE(t.dialogs->asked.size(), 1); // told once, not per board
    QVERIFY(w.PanelText(3).startsWith("Picture missing or unreadable: imgs//img"));
}

void TestStartup::hourglassRestoredWhenANewGameFails() {
    TestWorkspace ws;
    ws.AddCategory("Animals");
    ws.AddFreePicture();
    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;
    w.iNewNumColumns = w.iNewNumRows = 11; // more tiles than a board can hold
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, w.mnuGameNew_Click());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
