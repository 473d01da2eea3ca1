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
    void storedPreferences_data();
    void storedPreferences();
    void savedAtExit_data();
    void savedAtExit();
    void savedPreferencesReadByTheNextRun();
    void noCategoryAtAll();
    void hourglassRestoredWhenANewGameFails();
};

void TestStartup::storedPreferences_data() {
    // Stored columns, tiles per set and category; then what the game uses.
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QList<int>>("used");
    QTest::newRow("nothing stored") << QStringList() << QList<int>{5, 2, 1};
    QTest::newRow("as stored") << QStringList{"8", "4", "3"} << QList<int>{8, 4, 3};
    QTest::newRow("smallest, largest") << QStringList{"4", "5", "1"} << QList<int>{4, 5, 1};
    QTest::newRow("largest board") << QStringList{"10", "2", "2"} << QList<int>{10, 2, 2};
    QTest::newRow("too small") << QStringList{"3", "1", "0"} << QList<int>{5, 2, 1};
    QTest::newRow("too large") << QStringList{"11", "6", "4"} << QList<int>{5, 2, 1};
    QTest::newRow("negative") << QStringList{"-6", "-2", "-1"} << QList<int>{5, 2, 1};
    QTest::newRow("beyond 16 bits")
        << QStringList{"99999", "70000", "99999"} << QList<int>{5, 2, 1};
    QTest::newRow("not numbers") << QStringList{"six", "x", "abc"} << QList<int>{5, 2, 1};
    QTest::newRow("truncated") << QStringList{"", "", ""} << QList<int>{5, 2, 1};
    QTest::newRow("fractions") << QStringList{"6.5", "2.0", "1.5"} << QList<int>{5, 2, 1};
}

void TestStartup::storedPreferences() {
    QFETCH(QStringList, stored);
    QFETCH(QList<int>, used);
    const int expectedColumns = used.at(0);
    const int expectedTilesPerSet = used.at(1);
    const int expectedCategory = used.at(2);
    TestWorkspace ws;
    ws.AddCategory("A", 0);
    ws.AddCategory("B", 0);
    ws.AddCategory("C");
    ws.AddFreePicture();
    if (!stored.isEmpty()) {
        ws.Store("settings", "columns", stored.at(0));
        ws.Store("settings", "numTilesToMatch", stored.at(1));
        ws.Store("settings", "categoryIndex", stored.at(2));
    }

    TestWindow t = MakeWindow();
    const frmTilewise& w = *t.window;
    QCOMPARE(w.iNumColumns, expectedColumns);
    QCOMPARE(w.iNumRows, expectedColumns);
    QCOMPARE(w.iNumTilesToMatch, expectedTilesPerSet);
    QCOMPARE(GameStateProbe::CategoryIndex(w), expectedCategory);
    QCOMPARE(QList<int>({w.iNewNumColumns, w.iNewNumRows, w.iNewNumTilesToMatch,
                         w.iNewCategoryIndex, w.iNumPlayers, w.iNewNumPlayers}),
             QList<int>(
                 {expectedColumns, expectedColumns, expectedTilesPerSet, expectedCategory, 0, 0}));
    QCOMPARE(w.TileControls(), expectedColumns * expectedColumns);
    QCOMPARE(GameStateProbe::NumSets(w), expectedColumns * expectedColumns / expectedTilesPerSet);
    QVERIFY(t.dialogs->asked.isEmpty()); // quietly
    QCOMPARE(t.sound->calls, (QStringList{"type:WaveAudio", "file:letsplay.wav", "Open", "Play",
                                          "played:letsplay.wav"}));
    QCOMPARE(w.PanelText(3), QStringLiteral("Start matching tiles."));
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
    QFile file(ws.SettingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    // Plain decimal text, as a fresh run reads it back.
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
