// The picture cache: each picture decoded once per size; tiles a pixel off
// the nominal size get a stretched copy, which is kept too.
#include "PictureCache.h"
#include "TestWorkspace.h"

#include <QtTest>

class TestPictureCache : public QObject {
    Q_OBJECT
private slots:
    void shownAtTheTileSize_data();
    void shownAtTheTileSize();
};

void TestPictureCache::shownAtTheTileSize_data() {
    QTest::addColumn<QSize>("shown");
    QTest::newRow("nominal tile") << QSize(45, 38);
    QTest::newRow("a pixel wider") << QSize(46, 38);
    QTest::newRow("a pixel taller") << QSize(45, 39);
}

void TestPictureCache::shownAtTheTileSize() {
    QFETCH(QSize, shown);
    TestWorkspace ws;
    ws.WriteJpeg("imgs/A/img000.jpg", Qt::red, 96);
    PictureCache cache;
    const QPixmap picture = cache.Load("imgs/A/img000.jpg", QSize(45, 38), shown);
    QCOMPARE(picture.size(), shown);
    const QColor middle = picture.toImage().pixelColor(picture.width() / 2, picture.height() / 2);
    QVERIFY2(middle.red() > 200 && middle.green() < 60, qPrintable(middle.name()));

    cache.Load("imgs/A/img000.jpg", QSize(45, 38), QSize(45, 38));
    const QPixmap again = cache.Load("imgs/A/img000.jpg", QSize(45, 38), shown);
    QCOMPARE(cache.Decodes(), 1);
    QCOMPARE(again.cacheKey(), picture.cacheKey()); // the kept copy, not a new stretch
}

QTEST_MAIN(TestPictureCache)
#include "tst_picturecache.moc"
