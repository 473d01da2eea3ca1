// The picture checker's exit code and the words it prints, in their order. It
// runs with no GUI application, as it will for the command line.
#include "PictureCache.h"
#include "PictureCheck.h"
#include "TestWorkspace.h"

#include <QImage>
#include <QtTest>

using Layout = std::function<void(TestWorkspace&)>;
Q_DECLARE_METATYPE(Layout)

QString jpeg(int n) {
    return QStringLiteral("imgs/Animals/img%1.jpg").arg(n, 3, 10, QLatin1Char('0'));
}

class TestCheckPictures : public QObject {
    Q_OBJECT
private slots:
    void check_data() {
        QTest::addColumn<int>("pictures"); // how many imgs/Animals starts with
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("words");
        const QString animals = QStringLiteral("imgs/Animals");
        const Layout none = [](TestWorkspace&) {};
        const QStringList groups{"img001.jpg, img049.jpg", "img020.jpg, img030.jpg, img040.jpg"};
        QTest::newRow("complete") << 50 << Layout([](TestWorkspace& ws) {
            ws.writeGif(QStringLiteral("imgs/Animals/img000.gif"));
            ws.writeFile(jpeg(0), "text"); // never shown: the GIF is
        }) << animals << 0 << QStringList{"Animals", "complete"};
        QTest::newRow("missing") << 10 << Layout([](TestWorkspace& ws) {
            QFile::remove(ws.path() + QLatin1Char('/') + jpeg(3));
        }) << animals << 1 << QStringList{"img003, img010-img049", "41 missing"};
        QTest::newRow("corrupt") << 50 << Layout([](TestWorkspace& ws) {
            ws.writeFile(jpeg(7), "not a picture");
        }) << animals << 1 << QStringList{"img007.jpg", "1 unreadable"};
        QTest::newRow("duplicates") << 50 << Layout([](TestWorkspace& ws) {
            for (const int n : {49, 30, 40}) {
                ws.writeJpeg(jpeg(n), TestWorkspace::pictureColour(n == 49 ? 1 : 20));
            }
        }) << animals << 1 << groups + QStringList{"3 repeated"};
        QTest::newRow("too large") << 50 << Layout([](TestWorkspace& ws) {
            for (const int width : {8000, 8001}) { // img004 is within the limits
                QImage wide(width, 2, QImage::Format_RGB32);
                wide.fill(Qt::gray);
                wide.save(ws.path() + QLatin1Char('/') + jpeg(width - 7996));
            }
            for (const int n : {6, 7}) { // img007 is not too large, only unreadable
                ws.writeFile(QStringLiteral("imgs/Animals/img00%1.gif").arg(n),
                             QByteArray(PictureCache::kMaxFileBytes + 7 - n, 'x'));
            }
        }) << animals << 1 << QStringList{"img005.jpg", "8001", "img006.gif", "2 too large"};
        // The bad category sorts first: the one after it must still be checked.
        QTest::newRow("imgs, capitals first") << 0 << Layout([](TestWorkspace& ws) {
            ws.addCategory(QStringLiteral("birds"));
            ws.addCategory(QStringLiteral("Zoo"), 49);
            ws.addEntry(QStringLiteral("notes.txt"), false);
        }) << "imgs" << 1 << QStringList{"Zoo", "img049", "birds: complete"};
        QTest::newRow("no folder") << 0 << none << "nowhere" << 1 << QStringList{"nowhere"};
        // The case of an extension does not matter; a name that is not the
        // game's is told, and the maker pointed to.
        QTest::newRow("near misses") << 50 << Layout([](TestWorkspace& ws) {
            const QString folder = ws.path() + QStringLiteral("/imgs/Animals/");
            QFile::rename(folder + "img045.jpg", folder + "IMG045.JPG");
            QFile::rename(folder + "img007.jpg", folder + "img007.JPEG");
            QFile::copy(folder + "img001.jpg", folder + "img012.bmp");
            QFile::copy(folder + "img001.jpg", folder + "img050.jpg");
        }) << animals << 1
                                     << QStringList{"IMG045.JPG is not named img000 to img049",
                                                    "img012.bmp is not a",
                                                    "img050.jpg is not named",
                                                    "missing img045",
                                                    "1 missing",
                                                    "--make-category"};
        QTest::newRow("a folder of photos") << 0 << Layout([](TestWorkspace& ws) {
            ws.writeJpeg(QStringLiteral("Trip/IMG_1234.JPG"), Qt::red);
        }) << "Trip" << 1 << QStringList{"Trip: IMG_1234.JPG is not named", "--make-category"};
    }

    void check() {
        QFETCH(int, pictures);
        QFETCH(Layout, layout);
        QFETCH(QString, folder);
        QFETCH(int, exitCode);
        QFETCH(QStringList, words);
        TestWorkspace ws;
        if (pictures > 0) {
            ws.addCategory(QStringLiteral("Animals"), pictures);
        }
        layout(ws);
        QString text;
        QTextStream out(&text);
        QCOMPARE(checkPictures(ws.path() + QLatin1Char('/') + folder, out), exitCode);
        qsizetype at = 0;
        for (const QString& word : std::as_const(words)) {
            at = text.indexOf(word, at);
            QVERIFY2(at >= 0, qPrintable(word + QStringLiteral(" not in order in:\n") + text));
        }
    }
};

QTEST_GUILESS_MAIN(TestCheckPictures)
#include "tst_check_pictures.moc"
