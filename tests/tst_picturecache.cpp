// The picture cache: each picture decoded once per size, stretched copies for
// tiles a pixel off the nominal size kept too, changed files read afresh.
#include "PictureCache.h"
#include "TestWorkspace.h"

#include <QtTest>

class TestPictureCache : public QObject {
    Q_OBJECT
private slots:
    void shownAtTheTileSize_data();
    void shownAtTheTileSize();
    void stretchedCopiesAreKept();
    void changedFileIsStretchedAfresh();
    void missingOrUnreadableFile();
};

void TestPictureCache::shownAtTheTileSize_data() {
    QTest::addColumn<QSize>("nominal");
    QTest::addColumn<QSize>("shown");

    QTest::newRow("nominal tile") << QSize(45, 38) << QSize(45, 38);
    QTest::newRow("a pixel wider") << QSize(45, 38) << QSize(46, 38);
    QTest::newRow("a pixel taller") << QSize(45, 38) << QSize(45, 39);
    QTest::newRow("no shown size") << QSize(45, 38) << QSize();
}

void TestPictureCache::shownAtTheTileSize() {
    QFETCH(QSize, nominal);
    QFETCH(QSize, shown);
    TestWorkspace ws;
    ws.WriteJpeg("imgs/A/img000.jpg", Qt::red, 96);
    PictureCache cache;
    const QPixmap picture = cache.Load("imgs/A/img000.jpg", nominal, shown);
    QCOMPARE(picture.size(), shown.isValid() ? shown : nominal);
    QCOMPARE(cache.Decodes(), 1);
    const QColor middle = picture.toImage().pixelColor(picture.width() / 2, picture.height() / 2);
    QVERIFY2(middle.red() > 200 && middle.green() < 60, qPrintable(middle.name()));
}

void TestPictureCache::stretchedCopiesAreKept() {
    TestWorkspace ws;
    ws.WriteJpeg("imgs/A/img000.jpg", Qt::green, 96);
    PictureCache cache;
    const QPixmap wide = cache.Load("imgs/A/img000.jpg", QSize(45, 38), QSize(46, 38));
    const QPixmap nominal = cache.Load("imgs/A/img000.jpg", QSize(45, 38), QSize(45, 38));
    const QPixmap again = cache.Load("imgs/A/img000.jpg", QSize(45, 38), QSize(46, 38));
    QCOMPARE(cache.Decodes(), 1);
    QCOMPARE(nominal.size(), QSize(45, 38));
    QCOMPARE(again.cacheKey(), wide.cacheKey()); // the kept copy, not a new stretch
}

void TestPictureCache::changedFileIsStretchedAfresh() {
    TestWorkspace ws;
    ws.WriteJpeg("imgs/A/img000.jpg", Qt::green, 96);
    PictureCache cache;
    cache.Load("imgs/A/img000.jpg", QSize(45, 38), QSize(46, 38));
    QTest::qWait(1100); // file times may have one-second resolution
    ws.WriteJpeg("imgs/A/img000.jpg", Qt::blue, 80);
    const QPixmap changed = cache.Load("imgs/A/img000.jpg", QSize(45, 38), QSize(46, 38));
    QCOMPARE(cache.Decodes(), 2);
    QCOMPARE(changed.size(), QSize(46, 38));
    const QColor colour = changed.toImage().pixelColor(20, 20);
    QVERIFY2(colour.blue() > 200 && colour.green() < 60, qPrintable(colour.name()));
}

void TestPictureCache::missingOrUnreadableFile() {
    TestWorkspace ws;
    ws.WriteFile("imgs/A/img001.jpg", "not a picture");
    PictureCache cache;
    QVERIFY(cache.Load("imgs/A/img000.jpg", QSize(45, 38), QSize(46, 38)).isNull());
    QVERIFY(cache.Load("imgs/A/img001.jpg", QSize(45, 38), QSize(46, 38)).isNull());
}

QTEST_MAIN(TestPictureCache)
#include "tst_picturecache.moc"
