// The board offscreen: its layout, its pictures and stand-ins, the notices
// of what it could not show, and the controls a new board replaces.
#include "BoardGeometry.h"
#include "PictureCache.h"
#include "StatusNotices.h"
#include "TilePicture.h"
#include "Twips.h"
#include "Win.h"

#include <QtTest>
#include <cmath>

namespace {

// Pixels at the offscreen screen's 96 dpi: 15 twips a pixel, rounded to the
// nearest, halves to the even neighbour.
int px(const QWidget* w, int twips) {
    const bool at96 = Twips::logicalDpi(w) == 96.0;
    return at96 ? static_cast<int>(std::nearbyint(twips / 15.0)) : -1;
}

} // namespace

class TestBoard : public QObject {
    Q_OBJECT
private slots:
    void layout_data() {
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

    // Tiles abut from a 72-twip margin; each edge is rounded once, so neighbours
    // share it. Free tiles lie face up on the free picture.
    void layout() {
        QFETCH(int, side);
        QFETCH(int, W);
        QFETCH(int, H);
        QFETCH(int, F);
        const BoardGeometry g = computeBoardGeometry(6885, 5580, side, side);
        QCOMPARE(QList<int>({g.w, g.h, g.f}), QList<int>({W, H, F}));

        Win win(side, 3);
        MainWindow& w = win.w();
        w.board()->finishPictures();
        QCOMPARE(w.centralWidget()->size(), QSize(px(&w, 6885), px(&w, 5580)));
        QCOMPARE(w.board()->controlCount(), side * side);
        for (int i = 0; i < side * side; ++i) {
            const int left = 72 + (i % side) * W;
            const int top = 72 + (i / side) * H;
            const QRect expected(px(&w, left), px(&w, top), px(&w, left + W) - px(&w, left),
                                 px(&w, top + H) - px(&w, top));
            QCOMPARE(w.board()->button(i)->geometry(), expected);
            QCOMPARE(w.board()->picture(i)->geometry(), expected);
            QCOMPARE(w.board()->button(i)->text(), QString::number(i + 1));
            QCOMPARE(w.board()->button(i)->font().pointSize(), F);
            QVERIFY(!w.board()->button(i)->font().bold());
            QCOMPARE(w.board()->button(i)->toolTip(), QStringLiteral("Uncovered 0 time before"));
            const bool free = w.game().tileImage(i) == -1;
            QCOMPARE(w.board()->button(i)->isHidden(), free);
            const QColor shown = w.board()->picture(i)->picture().toImage().pixelColor(3, 3);
            QCOMPARE(shown == QColor(Qt::white), free);
        }
        QCOMPARE(w.panel(1)->text(), QStringLiteral("Matches: 0 / 0,  0% "));
        QCOMPARE(w.panel(2)->text(), QStringLiteral("Uncovered: 0 / 3"));
    }

    // Stand-ins for pictures that cannot show still tell sets apart, one drawn
    // per set; the notice
    // holds until the first click, the full paths in its tool tip.
    void notices() {
        TestWorkspace ws;
        ws.addCategory("Zoo%1", 10); // img010 onwards missing
        ws.writeFile("imgs/Zoo%1/img003.jpg", "not a picture");
        ws.writeFile("imgs/Zoo%1/img005.jpg", "");
        ws.writeJpeg("imgs/Zoo%1/img004.jpg", Qt::red, 8001); // beyond the size limit
        ws.writeJpeg("imgs/Zoo%1/img006.jpg", Qt::red, 8000); // at the limit: shown
        ws.writeJpeg("free.jpg", Qt::white);
        ws.store("settings", "columns", "10"); // all 50 pictures dealt
        FakeWindow t = ws.open();
        MainWindow& w = *t.window;
        w.board()->finishPictures();
        QHash<int, QPixmap> byPicture; // the tiles of a set share one stand-in
        for (int i = 0; i < 100; ++i) {
            const int picture = w.game().tileImage(i);
            const QPixmap shown = w.board()->picture(i)->picture();
            const QPixmap seen = byPicture.value(picture, shown);
            QVERIFY(picture < 10 || seen.size() != shown.size() ||
                    seen.cacheKey() == shown.cacheKey());
            byPicture.insert(picture, shown);
        }
        const auto colour = [&byPicture](int picture) {
            const QImage image = byPicture.value(picture).toImage();
            return image.pixelColor(image.width() / 2, 4);
        };
        QSet<QRgb> colours; // and every missing picture has a stand-in of its own
        for (int picture = 3; picture < 50; ++picture) {
            if (picture < 6 || picture >= 10) {
                colours.insert(colour(picture).rgb());
            }
        }
        QCOMPARE(colours.size(), 43);
        QVERIFY(!colours.contains(QColor(Qt::red).rgb()));
        QVERIFY2(colour(6).red() > 240 && colour(6).green() < 16, qPrintable(colour(6).name()));
        for (int board = 0; board < 2; ++board) {
            const QString panel = w.panel(3)->text();
            QVERIFY2(panel.startsWith("Picture missing or unreadable: img0") &&
                         panel.endsWith(".jpg and 42 more"),
                     qPrintable(panel));
            QVERIFY(w.panel(3)->toolTip().contains(ws.path() + "/imgs/Zoo%1/img0"));
            w.newGame();
            w.board()->finishPictures();
        }
        w.board()->button(w.game().isFaceDown(0) ? 0 : 1)->click();
        QCOMPARE(w.panel(3)->text().isEmpty(), false); // an empty message shows it again
        QVERIFY(t.dialogs->asked.isEmpty());
    }

    void missingNotice_data() {
        QTest::addColumn<int>("files");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");    // of the tool tip
        QTest::addColumn<QString>("last"); // the tool tip's last line
        const auto row = [](const char* name, int files, int more, int lines, const char* last) {
            const QString text = "Picture missing or unreadable: img000.jpg";
            QTest::newRow(name) << files
                                << text + (more > 0 ? QString(" and %1 more").arg(more) : "")
                                << lines << last;
        };
        row("one", 1, 0, 2, "/c/img000.jpg");
        row("two", 2, 1, 3, "/c/img001.jpg");
        row("ten", 10, 9, 11, "/c/img009.jpg");
        row("eleven", 11, 10, 12, "and 1 more");
    }

    // Short in the panel; in its tool tip the first ten paths in full.
    void missingNotice() {
        QFETCH(int, files);
        QFETCH(QString, text);
        QFETCH(int, lines);
        QFETCH(QString, last);
        QStringList paths;
        for (int n = 0; n < files; ++n) {
            paths << QStringLiteral("/c/img%1.jpg").arg(n, 3, 10, QLatin1Char('0'));
        }
        const QList<StatusNotices::Notice> notices = StatusNotices::missingPictures(paths);
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices.first().text, text);
        const QStringList tip = notices.first().detail.split('\n');
        QCOMPARE(tip.size(), lines);
        QCOMPARE(tip.last(), last);
        QVERIFY(StatusNotices::missingPictures({}).isEmpty());
    }

    // A new game that cannot be dealt leaves game, board and cursor as they
    // were, and says so once; one that can replaces all tiles but element 0.
    void newGames() {
        Win win(10);
        MainWindow& w = win.w();
        win.click(win.mismatch(0));
        w.board()->finishPictures(); // every tile's picture control made
        const QList<int> deal = win.deal();
        const QString panels = win.panel(1) + win.panel(2);
        QPointer<QPushButton> tile0 = w.board()->button(0);
        QPointer<QPushButton> tile15 = w.board()->button(15);
        QPointer<TilePicture> image99 = w.board()->picture(99);
        BoardConfig next = w.game().current();
        next.columns = next.rows = 11;
        w.setNextGame(next);
        w.newGame();
        QCOMPARE(win.t.dialogs->asked.size(), 1);
        QVERIFY(win.t.dialogs->asked.first().text.startsWith("A new game could not be started"));
        QCOMPARE(win.deal(), deal);
        QVERIFY(tile15 && win.faceUp(win.mismatch(0)));
        QCOMPARE(win.panel(1) + win.panel(2), panels);
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        next.columns = next.rows = 4;
        w.setNextGame(next);
        w.newGame();
        QCOMPARE(w.board()->controlCount(), 16);
        QVERIFY(tile0 && tile0 == w.board()->button(0) && !tile15 && !image99);
        QVERIFY(w.board()->picture(0)->picture().isNull()); // not the last board's
        w.board()->finishPictures();
        QCOMPARE(w.centralWidget()->findChildren<QPushButton*>().size(), 16);
        QCOMPARE(w.centralWidget()->findChildren<TilePicture*>().size(), 16);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // A GIF wins over a JPEG; decoded pictures are kept for the next board, and
    // a file that changes, even to the same size, is decoded afresh.
    void pictures() {
        Win win(10);
        MainWindow& w = win.w();
        w.board()->finishPictures();
        const int decodes = w.board()->pictureCache().decodes();
        w.newGame();
        w.board()->finishPictures();
        QCOMPARE(w.board()->pictureCache().decodes(), decodes);

        QTest::qWait(20);
        win.ws.writeJpeg("imgs/Animals/img007.jpg", Qt::blue);
        win.ws.writeGif("imgs/Animals/img008.gif");
        w.newGame();
        w.board()->finishPictures();
        QCOMPARE(w.board()->pictureCache().decodes(), decodes + 2);
        const auto colourOf = [&](int picture) {
            return w.board()
                ->picture(win.deal().indexOf(picture))
                ->picture()
                .toImage()
                .pixelColor(5, 5);
        };
        QVERIFY2(colourOf(7).blue() > 240 && colourOf(7).red() < 16,
                 qPrintable(colourOf(7).name()));
        QCOMPARE(colourOf(8), QColor(Qt::red));
        QTest::qWait(20);
        win.ws.writeGif("imgs/Animals/img008.gif", Qt::green); // the same size, a new time
        w.newGame();
        w.board()->finishPictures();
        QCOMPARE(colourOf(8), QColor(Qt::green));

        // Spoken names: line 1 of names.txt names picture 0, blanks and a
        // Windows line end trimmed; a picture without a line goes by its file.
        win.ws.writeFile("imgs/Animals/names.txt", "  ant \r\nbee\n");
        w.newGame();
        const auto nameOf = [&](int picture) {
            return w.board()->pictureName(win.deal().indexOf(picture));
        };
        QCOMPARE(QStringList({nameOf(0), nameOf(1), nameOf(2)}),
                 QStringList({"ant", "bee", "img002"}));
    }
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
