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
    void init();
    void cleanup() { ws_.reset(); }
    void layout_data();
    void layout();
    void gifPreferredOverJpeg();
    void missingPicturesGetStandIns();
    void newGameFromTenToFour();
    void newGameKeepsDecodedPictures();

private:
    void StoreBoard(int side) { ws_->Store("settings", "columns", QString::number(side)); }
    std::unique_ptr<TestWorkspace> ws_;
};

namespace {

int Px(const QWidget* w, int twips) {
    return Twips::ToPixels(twips, Twips::LogicalDpi(w));
}

QList<int> Deal(const frmTilewise& w) {
    QList<int> deal;
    for (int t = 0; t < w.iNumColumns * w.iNumRows; ++t) {
        deal << GameStateProbe::TileImage(w, t);
    }
    return deal;
}

} // namespace

void TestBoard::init() {
    ws_ = std::make_unique<TestWorkspace>();
    ws_->AddCategory("Animals");
    ws_->AddFreePicture();
}

void TestBoard::layout_data() {
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

void TestBoard::layout() {
    QFETCH(int, side);
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(int, F);
    const BoardGeometry g = ComputeBoardGeometry(6885, 5580, side, side);
    QCOMPARE(QList<int>({g.W, g.H, g.F}), QList<int>({W, H, F}));

    StoreBoard(side);
    TestWindow t = MakeWindow();
    const frmTilewise& w = *t.window;
    QCOMPARE(w.centralWidget()->size(), QSize(Px(&w, 6885), Px(&w, 5580)));
    QCOMPARE(w.TileControls(), side * side);
    int free = 0;
    for (int i = 0; i < side * side; ++i) {
        const int left = 72 + (i % side) * W;
        const int top = 72 + (i / side) * H;
        const QRect expected(Px(&w, left), Px(&w, top), Px(&w, left + W) - Px(&w, left),
                             Px(&w, top + H) - Px(&w, top));
        QCOMPARE(w.btns(i)->geometry(), expected); // tiles abut: edges are shared
        QCOMPARE(w.imgs(i)->geometry(), expected);
        QCOMPARE(w.btns(i)->text(), QString::number(i + 1));
        QCOMPARE(w.btns(i)->font().pointSize(), F);
        QVERIFY(!w.btns(i)->font().bold());
        QCOMPARE(w.btns(i)->toolTip(), QStringLiteral("Uncovered 0 time before"));
        const bool isFree = GameStateProbe::TileImage(w, i) == -1;
        free += isFree ? 1 : 0;
        QCOMPARE(w.btns(i)->isHidden(), isFree);
        QVERIFY(!w.imgs(i)->isHidden());
        if (isFree) {
            QCOMPARE(w.imgs(i)->Picture().toImage().pixelColor(3, 3), QColor(Qt::white));
        }
    }
    QCOMPARE(free, side * side % 2);
    QCOMPARE(w.btns(0)->font().family(), QStringLiteral("Arial"));
    QCOMPARE(w.PanelText(1), QStringLiteral("Matches: 0 / 0,  0% "));
    QCOMPARE(w.PanelText(2), QStringLiteral("Uncovered: 0 / 2"));
}

void TestBoard::gifPreferredOverJpeg() {
    for (int n = 0; n < 50; ++n) { // red GIFs beside the coloured JPEGs
        ws_->WriteGif(QStringLiteral("imgs/Animals/img%1.gif").arg(n, 3, 10, QLatin1Char('0')));
    }
    ws_->WriteGif(QStringLiteral("free.gif"));
    TestWindow t = MakeWindow();
    for (int i = 0; i < 25; ++i) {
        QCOMPARE(t.window->imgs(i)->Picture().toImage().pixelColor(2, 2), QColor(Qt::red));
    }
}

void TestBoard::missingPicturesGetStandIns() {
    TestWorkspace ws;
    ws.AddCategory("Animals", 10); // img010 onwards missing
    ws.WriteFile("imgs/Animals/img003.jpg", "not a picture");
    ws.AddFreePicture();
    ws.Store("settings", "columns", "10"); // all 50 pictures dealt
    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;
    QHash<int, QColor> byPicture;
    for (int i = 0; i < 100; ++i) {
        const QImage image = w.imgs(i)->Picture().toImage();
        const QColor colour = image.pixelColor(image.width() / 2, 4);
        const int picture = GameStateProbe::TileImage(w, i);
        QVERIFY(!byPicture.contains(picture) || byPicture.value(picture) == colour);
        byPicture.insert(picture, colour);
    }
    QVERIFY(byPicture.value(3) != byPicture.value(11)); // stand-ins tell pictures apart
    QVERIFY(byPicture.value(11) != byPicture.value(12));
    w.mnuGameNew_Click();
    QVERIFY2(w.PanelText(3).startsWith("Picture missing or unreadable: imgs/Animals/img") &&
                 w.PanelText(3).endsWith("and 40 more"),
             qPrintable(w.PanelText(3)));
    QVERIFY(t.dialogs->asked.isEmpty());
}

void TestBoard::newGameFromTenToFour() {
    StoreBoard(10);
    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;
    QPointer<QPushButton> tile0 = w.btns(0);
    QPointer<QPushButton> tile15 = w.btns(15);
    QPointer<ImageControl> image99 = w.imgs(99);

    w.iNewNumColumns = w.iNewNumRows = 4;
    w.mnuGameNew_Click();
    QCOMPARE(w.TileControls(), 16);
    QVERIFY(tile0 && tile0 == w.btns(0)); // element 0 lives on
    QVERIFY(!tile15 && !image99);
    QCOMPARE(w.centralWidget()->findChildren<QPushButton*>().size(), 16);
    QCOMPARE(w.centralWidget()->findChildren<ImageControl*>().size(), 16);
    QCOMPARE(w.btns(15)->text(), QStringLiteral("16"));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void TestBoard::newGameKeepsDecodedPictures() {
    StoreBoard(10);
    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;
    const int decodes = w.Pictures().Decodes();
    const QList<int> first = Deal(w);
    w.mnuGameNew_Click();
    QVERIFY(Deal(w) != first);
    QCOMPARE(w.Pictures().Decodes(), decodes);

    QTest::qWait(1100); // file times may have one-second resolution
    ws_->WriteJpeg("imgs/Animals/img007.jpg", Qt::blue, 30);
    w.mnuGameNew_Click();
    QCOMPARE(w.Pictures().Decodes(), decodes + 1); // a changed file is decoded afresh
    const QColor shown = w.imgs(Deal(w).indexOf(7))->Picture().toImage().pixelColor(5, 5);
    QVERIFY2(shown.blue() > 240 && shown.red() < 16, qPrintable(shown.name()));
}

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
