// The board: geometry, captions, pictures and their files, rebuilding.
#include "BoardGeometry.h"
#include "Fakes.h"
#include "ImageControl.h"
#include "TestWorkspace.h"
#include "Twips.h"
#include "frmTilewise.h"

#include <QPushButton>
#include <QtTest>

class TestBoard : public QObject {
    Q_OBJECT
private slots:
    void geometryTable_data();
    void geometryTable();
    void fiveByFiveLayout();
    void tilesAbutAndFillTheClientArea_data();
    void tilesAbutAndFillTheClientArea();
    void freeTilesShowTheirPicture();
    void gifPreferredOverJpeg();
    void missingPicturesGetStandIns();
    void newGameFromTenToFour();
    void newGameKeepsDecodedPictures();
    void enlargedWindowGivesLargerTiles();
};

namespace {

// The deal a window made, tile by tile.
QList<int> Deal(const frmTilewise& w) {
    QList<int> deal;
    for (int t = 0; t < w.iNumColumns * w.iNumRows; ++t) {
        deal << GameStateProbe::TileImage(w, t);
    }
    return deal;
}

int Px(const QWidget* w, int twips) {
    return Twips::ToPixels(twips, Twips::LogicalDpi(w));
}

void StoreBoard(TestWorkspace& ws, int side, int setSize) {
    ws.Store("settings", "columns", QString::number(side));
    ws.Store("settings", "numTilesToMatch", QString::number(setSize));
}

} // namespace

void TestBoard::geometryTable_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("F");
    QTest::newRow("4x4") << 4 << 1703 << 1377 << 46;
    QTest::newRow("5x5") << 5 << 1363 << 1102 << 37;
    QTest::newRow("6x6") << 6 << 1136 << 918 << 31;
    QTest::newRow("7x7") << 7 << 973 << 787 << 26;
    QTest::newRow("8x8") << 8 << 852 << 688 << 23;
    QTest::newRow("9x9") << 9 << 757 << 612 << 20;
    QTest::newRow("10x10") << 10 << 681 << 551 << 18;
}

void TestBoard::geometryTable() {
    QFETCH(int, side);
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(int, F);
    const BoardGeometry g = ComputeBoardGeometry(6885, 5580, side, side);
    QCOMPARE(g.W, W);
    QCOMPARE(g.H, H);
    QCOMPARE(g.F, F);
}

void TestBoard::fiveByFiveLayout() {
    TestWorkspace ws;
    ws.AddCategory("Animals");
    ws.AddFreePicture();
    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;

    QCOMPARE(w.centralWidget()->width(), Px(&w, 6885));
    QCOMPARE(w.centralWidget()->height(), Px(&w, 5580));
    QCOMPARE(w.TileControls(), 25);
    QCOMPARE(w.btns(0)->geometry(), QRect(Px(&w, 72), Px(&w, 72), Px(&w, 72 + 1363) - Px(&w, 72),
                                          Px(&w, 72 + 1102) - Px(&w, 72)));
    QCOMPARE(w.btns(4)->x(), Px(&w, 5524));
    QCOMPARE(w.btns(5)->pos(), QPoint(Px(&w, 72), Px(&w, 1174)));
    for (int i = 0; i < 25; ++i) {
        QCOMPARE(w.btns(i)->text(), QString::number(i + 1));
        QCOMPARE(w.btns(i)->font().pointSize(), 37);
        QVERIFY(!w.btns(i)->font().bold());
        QCOMPARE(w.btns(i)->toolTip(), QStringLiteral("Uncovered 0 time before"));
        QCOMPARE(w.imgs(i)->geometry(), w.btns(i)->geometry());
        QVERIFY(!w.imgs(i)->Picture().isNull());
    }
    QCOMPARE(w.btns(0)->font().family(), QStringLiteral("Arial"));
    QCOMPARE(w.PanelText(1), QStringLiteral("Matches: 0 / 0,  0% "));
    QCOMPARE(w.PanelText(2), QStringLiteral("Uncovered: 0 / 2"));
    QCOMPARE(w.PanelText(3), QStringLiteral("Start matching tiles."));
}

void TestBoard::tilesAbutAndFillTheClientArea_data() {
    QTest::addColumn<int>("side");
    for (int side = 4; side <= 10; ++side) {
        QTest::addRow("%dx%d", side, side) << side;
    }
}

void TestBoard::tilesAbutAndFillTheClientArea() {
    QFETCH(int, side);
    TestWorkspace ws;
    ws.AddCategory("Animals");
    ws.AddFreePicture();
    StoreBoard(ws, side, 2);
    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;
    QCOMPARE(w.TileControls(), side * side);
    for (int i = 0; i < side * side; ++i) {
        const QRect r = w.imgs(i)->geometry();
        if (i % side != side - 1) {
            QCOMPARE(w.imgs(i + 1)->x(), r.x() + r.width());
        }
        if (i + side < side * side) {
            QCOMPARE(w.imgs(i + side)->y(), r.y() + r.height());
        }
        QVERIFY(r.right() < w.centralWidget()->width() + 2);
        QVERIFY(r.bottom() < w.centralWidget()->height() + 2);
    }
}

void TestBoard::freeTilesShowTheirPicture() {
    TestWorkspace ws;
    ws.AddCategory("Animals");
    ws.AddFreePicture();
    StoreBoard(ws, 7, 5);
    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;
    int free = 0;
    for (int i = 0; i < 49; ++i) {
        const bool isFree = GameStateProbe::TileImage(w, i) == -1;
        free += isFree ? 1 : 0;
        QCOMPARE(w.btns(i)->isVisibleTo(&w), !isFree);
        QVERIFY(w.imgs(i)->isVisibleTo(&w));
        if (isFree) {
            QCOMPARE(w.imgs(i)->Picture().toImage().pixelColor(3, 3), QColor(Qt::white));
        }
    }
    QCOMPARE(free, 4);
    QCOMPARE(w.PanelText(3), QStringLiteral("Start matching tiles."));
}

void TestBoard::gifPreferredOverJpeg() {
    TestWorkspace ws;
    ws.AddCategory("Animals");
    ws.AddFreePicture();
    // Every picture as a red GIF too; the JPEGs have other colours.
    for (int n = 0; n < 50; ++n) {
        ws.WriteGif(QStringLiteral("imgs/Animals/img%1.gif").arg(n, 3, 10, QLatin1Char('0')));
    }
    ws.WriteGif(QStringLiteral("free.gif"));
    StoreBoard(ws, 5, 2);
    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;
    for (int i = 0; i < 25; ++i) {
        QCOMPARE(w.imgs(i)->Picture().toImage().pixelColor(2, 2), QColor(Qt::red));
    }
}

void TestBoard::missingPicturesGetStandIns() {
    TestWorkspace ws;
    ws.AddCategory("Animals", 10); // img010 onwards missing
    ws.WriteFile("imgs/Animals/img003.jpg", "not a picture");
    ws.AddFreePicture();
    StoreBoard(ws, 10, 2); // uses all 50 pictures
    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;
    QCOMPARE(w.TileControls(), 100);
    QHash<int, QColor> byPicture;
    for (int i = 0; i < 100; ++i) {
        const QImage image = w.imgs(i)->Picture().toImage();
        QVERIFY(!image.isNull());
        const int picture = GameStateProbe::TileImage(w, i);
        const QColor colour = image.pixelColor(image.width() / 2, 4);
        if (byPicture.contains(picture)) {
            QCOMPARE(colour, byPicture.value(picture)); // the pair still looks alike
        }
        byPicture.insert(picture, colour);
    }
    // Stand-ins of different pictures differ.
    QVERIFY(byPicture.value(3) != byPicture.value(11));
    QVERIFY(byPicture.value(11) != byPicture.value(12));
    QVERIFY2(w.PanelText(3).isEmpty() || w.PanelText(3) == "Start matching tiles.",
             qPrintable(w.PanelText(3)));
    w.mnuGameNew_Click();
    QVERIFY2(w.PanelText(3).startsWith("Picture missing or unreadable: imgs/Animals/img"),
             qPrintable(w.PanelText(3)));
    QVERIFY2(w.PanelText(3).endsWith("and 40 more"), qPrintable(w.PanelText(3)));
    QVERIFY(t.dialogs->asked.isEmpty());
}

void TestBoard::newGameFromTenToFour() {
    TestWorkspace ws;
    ws.AddCategory("Animals");
    ws.AddFreePicture();
    StoreBoard(ws, 10, 2);
    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;
    QCOMPARE(w.TileControls(), 100);
    QPointer<QPushButton> tile0 = w.btns(0);
    QPointer<QPushButton> tile15 = w.btns(15);
    QPointer<QPushButton> tile99 = w.btns(99);
    QPointer<ImageControl> image99 = w.imgs(99);

    w.iNewNumColumns = w.iNewNumRows = 4;
    w.mnuGameNew_Click();
    QCOMPARE(w.iNumColumns, 4);
    QCOMPARE(w.TileControls(), 16);
    QVERIFY(tile0 && tile0 == w.btns(0)); // element 0 lives on
    QVERIFY(!tile15 && !tile99 && !image99);
    QCOMPARE(w.centralWidget()->findChildren<QPushButton*>().size(), 16);
    QCOMPARE(w.centralWidget()->findChildren<ImageControl*>().size(), 16);
    QCOMPARE(w.btns(15)->text(), QStringLiteral("16"));
    QCOMPARE(w.btns(0)->font().pointSize(), 46);
    QCOMPARE(w.PanelText(2), QStringLiteral("Uncovered: 0 / 2"));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void TestBoard::newGameKeepsDecodedPictures() {
    TestWorkspace ws;
    ws.AddCategory("Animals");
    ws.AddFreePicture();
    StoreBoard(ws, 10, 2); // every one of the 50 pictures is dealt
    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;
    const int decodes = w.Pictures().Decodes();
    QCOMPARE(decodes, 50);

    const QList<int> first = Deal(w);
    w.mnuGameNew_Click();
    QVERIFY(Deal(w) != first);
    QCOMPARE(w.Pictures().Decodes(), decodes);

    // A picture changed on disk is decoded afresh.
    QTest::qWait(1100); // file times may have one-second resolution
    ws.WriteJpeg("imgs/Animals/img007.jpg", Qt::blue, 30);
    w.mnuGameNew_Click();
    QCOMPARE(w.Pictures().Decodes(), decodes + 1);
    const int tile = static_cast<int>(Deal(w).indexOf(7));
    const QColor shown = w.imgs(tile)->Picture().toImage().pixelColor(5, 5);
    QVERIFY2(shown.blue() > 240 && shown.red() < 16 && shown.green() < 16,
             qPrintable(shown.name()));
}

void TestBoard::enlargedWindowGivesLargerTiles() {
    TestWorkspace ws;
    ws.AddCategory("Animals");
    ws.AddFreePicture();
    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;
    const QSize before = w.btns(0)->size();
    w.resize(w.width() * 2, w.height() * 2);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.btns(0)->size(), before); // the board in play keeps its layout
    w.mnuGameNew_Click();
    QVERIFY(w.btns(0)->width() > before.width() * 3 / 2);
    QVERIFY(w.btns(0)->height() > before.height() * 3 / 2);
}

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
