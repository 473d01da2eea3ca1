// Pictures of the player's own: the category maker (its rules, its command
// line and Edit > New Category...), the names the game finds its picture
// files by, the free picture that stands in, and pictures decoded off the
// GUI thread.
#include "CategoryMaker.h"
#include "CommandLine.h"
#include "MakeCategoryCommand.h"
#include "PictureFiles.h"
#include "TilePicture.h"
#include "Win.h"

#include <QImage>
#include <QProgressDialog>
#include <QtTest>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

using Layout = std::function<void(const QString& source, MakerRequest& request)>;
Q_DECLARE_METATYPE(Layout)

namespace {

// A w x h picture in `colour`, its right half in `right`; its left eighth
// black, its right eighth white.
void writePicture(const QString& path, QColor colour, int w = 32, int h = 24,
                  const char* format = nullptr, QColor right = QColor()) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w / 2; ++x) {
            image.setPixelColor(w - 1 - x, y, right.isValid() ? right : colour);
        }
        for (int x = 0; x < w / 8; ++x) {
            image.setPixelColor(x, y, Qt::black);
            image.setPixelColor(w - 1 - x, y, Qt::white);
        }
    }
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY(image.save(path, format, 95));
}

// `count` pictures named by `name(n)`, each of its own colour.
void writePictures(const QString& folder, int count, const QString& name = "still%1.jpg") {
    for (int n = 0; n < count; ++n) {
        writePicture(folder + '/' + name.arg(n, 2, 10, QLatin1Char('0')),
                     TestWorkspace::pictureColour(n));
    }
}

// The JPEG told, in an EXIF block, to be turned a quarter clockwise.
void turnQuarter(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QByteArray bytes = file.readAll();
    const QByteArray exif = QByteArray::fromHex("ffe100224578696600004d4d002a00000008000101120003"
                                                "000000010006000000000000");
    file.seek(0);
    file.write(bytes.left(2) + exif + bytes.mid(2));
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QStringList lines(const QString& file) {
    QFile text(file);
    return text.open(QIODevice::ReadOnly) ? QString::fromUtf8(text.readAll()).split('\n')
                                          : QStringList();
}

// The titles of "still00".."still59" less every sixth, as names.txt holds
// them: 50 spread evenly over 60.
QStringList spreadTitles() {
    QStringList titles;
    for (int n = 0; n < 60; ++n) {
        if (n % 6 != 5) {
            titles << QStringLiteral("still%1").arg(n, 2, 10, QLatin1Char('0'));
        }
    }
    return titles << QString();
}

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           40;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void maker_data() {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("words");     // in the summary, in order
        QTest::addColumn<QStringList>("namesFile"); // the category's names.txt
        using Outcome = MakerResult::Outcome;
        const auto row = [](const char* name, Outcome outcome, const QStringList& words,
                            const QStringList& namesFile, const Layout& layout) {
            QTest::newRow(name) << layout << int(outcome) << words << namesFile;
        };
        const QStringList tooFew{"49 of the 50", "add 1 more", "Nothing was written",
                                 "not read as pictures (1): notes.txt",
                                 "copies of files before them (1): still03.jpg"};
        row("too few", Outcome::TooFew, tooFew, {}, [](const QString& source, MakerRequest&) {
            writePictures(source, 49);
            QFile::copy(source + "/still03.jpg", source + "/still03 copy.jpg");
            QFile(source + "/notes.txt").open(QIODevice::WriteOnly);
        });
        // A damaged JPEG is chosen, fails, and the choice is spread again.
        const QStringList spread{"from 63 files", "not read as pictures (1): still30x.jpg",
                                 "50 megapixels (1): huge.jpg (10000 x 10000",
                                 "never opened (1): pipe", "Left out: 10 more"};
        row("spread evenly", Outcome::Made, spread, spreadTitles(),
            [](const QString& source, MakerRequest&) {
                writePictures(source, 60);
                QFile bad(source + "/still30x.jpg");
                QVERIFY(bad.open(QIODevice::WriteOnly));
                bad.write("\xff\xd8\xff\xe0 damaged");
                QVERIFY(mkfifo(qPrintable(source + "/pipe"), 0600) == 0);
                writePicture(source + "/huge.jpg", Qt::red); // its header says 10000 x 10000
                QFile huge(source + "/huge.jpg");
                QVERIFY(huge.open(QIODevice::ReadWrite));
                QByteArray bytes = huge.readAll();
                bytes.replace(bytes.indexOf("\xff\xc0") + 5, 4, QByteArray::fromHex("27102710"));
                huge.seek(0);
                huge.write(bytes);
            });
        QStringList photos{"Beach day 2"};
        for (int n = 1; n <= 49; ++n) {
            photos << QStringLiteral("Photo %1").arg(n);
        }
        const QStringList big{"50 pictures",
                              "big.bmp (6000 x 6000 pixels: a BMP file is decoded whole"};
        row("camera names, any case", Outcome::Made, big, photos << QString(),
            [](const QString& source, MakerRequest& r) {
                r.name = QString(64, QLatin1Char('n')); // the longest name taken
                writePictures(source, 49, "IMG_00%1.JPG");
                writePicture(source + "/Beach_day.2.png", Qt::yellow, 30, 40, "PNG");
                writePicture(source + "/big.bmp", Qt::red, 32, 24, "BMP"); // says 6000 x 6000
                QFile bmp(source + "/big.bmp");
                QVERIFY(bmp.open(QIODevice::ReadWrite) && bmp.seek(18));
                bmp.write(QByteArray::fromHex("7017000070170000"));
            });
        const QStringList refused{"cannot name a category", "no / or \\ or .."};
        for (const char* bad : {"a/b", "..", ".hidden", "x..y"}) {
            row(bad, Outcome::Failed, refused, {}, [bad](const QString& source, MakerRequest& r) {
                writePictures(source, 50);
                r.name = bad;
            });
        }
        row("a name the game has", Outcome::Failed, {"has already"}, {},
            [](const QString& source, MakerRequest& r) {
                writePictures(source, 50);
                r.taken = QStringList{"Trip"};
            });
        // A link to a folder (the source) is replaced, as one a make cut short left.
        row("replacing a link", Outcome::Made, {"Made the category"}, spreadTitles(),
            [](const QString& source, MakerRequest& r) {
                writePictures(source, 60);
                const QString stale = r.imgs + "/.new-category-aB3dE9";
                QDir().mkpath(stale);
                QFile::link(source, stale + "-replaced");
                QFile::link(source, r.imgs + "/Trip");
                const timeval hourAgo{time(nullptr) - 3600, 0};
                for (const QString& path : {stale, stale + "-replaced"}) { // symlink: the source's
                    QVERIFY(utimes(qPrintable(path), std::array{hourAgo, hourAgo}.data()) == 0);
                }
                r.replace = true;
            });
        row("target cannot be written", Outcome::Failed, {"Cannot make the folder"}, {},
            [](const QString& source, MakerRequest& r) {
                writePictures(source, 50);
                r.imgs += "/in-a-file";
                QFile(QFileInfo(r.imgs).path()).open(QIODevice::WriteOnly);
            });
        row("no folder", Outcome::Failed, {"is not a folder"}, {},
            [](const QString&, MakerRequest& r) { r.source += "/nowhere"; });
        if (geteuid() != 0) { // root reads any folder
            row("unreadable folder", Outcome::Failed, {"cannot be read"}, {},
                [](const QString& source, MakerRequest&) {
                    writePictures(source, 50);
                    QFile::setPermissions(source, QFileDevice::WriteOwner);
                });
        }
    }

    // What is made, from what, and that a refusal writes nothing at all.
    void maker() {
        QFETCH(Layout, layout);
        QFETCH(int, outcome);
        QFETCH(QStringList, words);
        QFETCH(QStringList, namesFile);
        QTemporaryDir dir;
        const QString source = dir.filePath("Trip");
        QDir().mkpath(source);
        MakerRequest request{source, "Trip", dir.filePath("made"), {}, false};
        layout(source, request);
        const QStringList before = entries(request.imgs);
        const QStringList sources = entries(source);
        const MakerResult result = CategoryMaker::make(request, [](const MakerProgress&) {}, {});
        QFile::setPermissions(source, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QCOMPARE(entries(source), sources);
        QCOMPARE(int(result.outcome), outcome);
        const QString summary = result.summary();
        qsizetype at = 0;
        for (const QString& word : std::as_const(words)) {
            at = summary.indexOf(word, at);
            QVERIFY2(at >= 0, qPrintable(word + " not in order in:\n" + summary));
        }
        if (namesFile.isEmpty()) {
            QCOMPARE(entries(request.imgs), before);
            return;
        }
        const QString made = request.imgs + '/' + request.name;
        QCOMPARE(entries(request.imgs), QStringList{request.name});
        QCOMPARE(lines(made + "/names.txt"), namesFile);
        QCOMPARE(entries(made).size(), 51);
        QCOMPARE(QImage(made + "/img049.jpg").size(), QSize(512, 512));
    }

    // The centre square, the black left edge cut off, of a JPEG turned as its
    // EXIF block says (what was left comes out on top), a PNG and a TIFF.
    void squareAndTurned() {
        QTemporaryDir dir;
        writePictures(dir.filePath("Trip"), 50);
        for (const QString file : {"still00.jpg", "still01.png", "still02.tif"}) {
            QFile::remove(dir.filePath("Trip/" + file.left(7) + ".jpg"));
            writePicture(dir.filePath("Trip/" + file), Qt::red, 48, 24, nullptr, Qt::blue);
        }
        turnQuarter(dir.filePath("Trip/still00.jpg"));
        const MakerRequest request{dir.filePath("Trip"), "Trip", dir.filePath("made"), {}, false};
        QCOMPARE(int(CategoryMaker::make(request, [](const MakerProgress&) {}, {}).outcome),
                 int(MakerResult::Outcome::Made));
        for (int n = 0; n < 3; ++n) {
            const QImage made(dir.filePath(QStringLiteral("made/Trip/img00%1.jpg").arg(n)));
            for (const auto& [along, colour] : {std::pair(60, QColor(Qt::red)), {450, Qt::blue}}) {
                const QColor found =
                    n == 0 ? made.pixelColor(256, along) : made.pixelColor(along, 256);
                QVERIFY2(near(found, colour), qPrintable(found.name()));
            }
        }
    }

    // A cancel, while looking or while making, leaves no file behind; a name
    // taken meanwhile by another maker is kept, and its work in progress.
    void cancel_data() {
        QTest::addColumn<bool>("making");
        QTest::addColumn<QStringList>("taken"); // meanwhile, instead of a cancel
        QTest::newRow("looking") << false << QStringList();
        QTest::newRow("making") << true << QStringList();
        QTest::newRow("name taken") << true << QStringList{".new-category-Other1", "Trip"};
    }
    void cancel() {
        QFETCH(bool, making);
        QFETCH(QStringList, taken);
        QTemporaryDir dir;
        writePictures(dir.filePath("Trip"), 60);
        QDir().mkpath(dir.filePath("made"));
        std::atomic<bool> stop{false};
        const MakerRequest request{dir.filePath("Trip"), "Trip", dir.filePath("made"), {}, false};
        const MakerResult result = CategoryMaker::make(
            request,
            [&](const MakerProgress& p) {
                stop = stop || (p.making == making && taken.isEmpty());
                for (const QString& name : taken) {
                    QDir().mkpath(dir.filePath("made/" + name));
                }
            },
            stop);
        QCOMPARE(int(result.outcome), int(taken.isEmpty() ? MakerResult::Outcome::Cancelled
                                                          : MakerResult::Outcome::Exists));
        QCOMPARE(entries(dir.filePath("made")), taken);
    }

    // The command line refuses an existing category and an empty path; the
    // name is the folder's when left out.
    void commandLine() {
        QTemporaryDir dir;
        writePictures(dir.filePath("Trip"), 50);
        const auto line = CommandLine::parse({"tilewise", "--make-category", "Trip", "Holiday"});
        QVERIFY(line.ok && line.makeCategory == "Trip" && line.categoryName == "Holiday");
        QVERIFY(!CommandLine::parse({"tilewise", "--make-category", "Trip", "A", "B"}).ok);
        for (const char* option : {"--screenshot", "--check-pictures", "--make-category"}) {
            const CommandLine empty = CommandLine::parse({"tilewise", option, ""});
            QVERIFY2(!empty.ok && empty.message.startsWith(QString(option) + " needs the "),
                     option);
        }
        for (const int expected : {0, 1}) {
            QString out;
            QString err;
            QTextStream outStream(&out);
            QTextStream errStream(&err);
            QCOMPARE(makeCategoryCommand(dir.filePath("Trip"), " ", dir.filePath("made"), {},
                                         outStream, errStream, false),
                     expected);
            QVERIFY2((expected == 0 ? out : err)
                         .contains(expected == 0 ? "Made the category \"Trip\"" : "exists already"),
                     qPrintable(out + err));
        }
    }

    // Edit > New Category...: made categories come after the data folder's,
    // sorted, less the names it has; one made in play is listed at once and
    // the games keep their categories, or take the first one when theirs is
    // pushed out of the 32. An existing one is replaced only on Yes.
    void windowMakesCategories() {
        TestWorkspace ws;
        ws.addCategory("Zoo", 1);
        ws.addCategory("animals", 1);
        for (const char* made : {"Trip", "Zoo", "Beach"}) {
            QDir().mkpath(ws.madeFolder() + '/' + made);
        }
        for (int n = 0; n < 28; ++n) { // 32 listed, x27 last
            QDir().mkpath(ws.madeFolder() + QStringLiteral("/x%1").arg(n, 2, 10, QLatin1Char('0')));
        }
        ws.store("settings", "categoryIndex", "32");
        FakeWindow t = ws.open();
        const GameState& game = t.window->game();
        const auto listed = [&game] {
            QStringList names;
            for (int i = 1; i <= 5; ++i) {
                names << game.category(i) + (game.isMadeCategory(i) ? "*" : "");
            }
            return names;
        };
        QCOMPARE(listed(), QStringList({"Zoo", "animals", "Beach*", "Trip*", "x00*"}));
        BoardConfig next = game.current();
        next.categoryIndex = 4; // Trip
        t.window->setNextGame(next);
        writePictures(ws.path() + "/Photos", 49);
        QList<FakeDialogs::Asked>& asked = t.dialogs->asked;
        const auto ask = [&](const QString& name, const QList<bool>& answers) {
            asked.clear();
            t.dialogs->folderAnswers = QStringList{ws.path() + "/Photos"};
            t.dialogs->inputAnswers = QStringList{name};
            t.dialogs->questionAnswers = answers;
            t.window->newCategory();
        };
        ask("", {}); // the name's box cancelled
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked.last().defaultText, QStringLiteral("Photos"));
        using Round = std::tuple<QString, QList<bool>, QStringList>; // name, answers, words told
        const QString boats = "Made the category \"Boats\"";
        for (const auto& [name, answers, words] :
             QList<Round>{{"Few", {}, {"49 of the 50"}}, // ends at once, under the real dialog
                          {"Boats", {}, {boats, "Choose it in", "\"x27\"", "\"Zoo\""}},
                          {"Boats", {false}, {"exists already"}},
                          {"Boats", {true}, {boats, "Choose it in"}},
                          {"zz", {}, {"\"zz\"", "only the first 32"}}}) {
            ask(name, answers);
            QTRY_COMPARE(asked.size(), 3 + answers.size() - (answers == QList{false} ? 1 : 0));
            for (const QString& word : words) {
                QVERIFY2(asked.last().text.contains(word), qPrintable(asked.last().text));
            }
            QCOMPARE(t.window->findChildren<QProgressDialog*>().size(), 0);
            writePictures(ws.path() + "/Photos", 50); // enough from the second round on
        }
        QCOMPARE(listed(), QStringList({"Zoo", "animals", "Beach*", "Boats*", "Trip*"}));
        QCOMPARE(game.categoryName(), QStringLiteral("Zoo")); // x27 is no longer listed
        QCOMPARE(game.category(game.next().categoryIndex), QStringLiteral("Trip"));
        next.categoryIndex = 4; // Boats, from the made folder
        t.window->setNextGame(next);
        t.window->newGame();
        t.window->board()->finishPictures();
        QCOMPARE(t.window->board()->missingPictures(), QStringList());
    }

    // Extensions in any case; the GIF, then the JPEG, then the PNG; the base
    // name as the game writes it.
    void fileNames_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("shown");
        QTest::newRow(".jpeg") << QStringList{"img000.jpeg", "img000.PNG"} << "img000.jpeg";
        QTest::newRow("PNG last") << QStringList{"img000.png", "img000.Jpg"} << "img000.Jpg";
        QTest::newRow("GIF first")
            << QStringList{"img000.png", "img000.jpg", "img000.GIF"} << "img000.GIF";
        QTest::newRow("no such name")
            << QStringList{"IMG000.jpg", "img000.bmp", "img0000.jpg"} << "";
    }
    void fileNames() {
        QFETCH(QStringList, files);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        for (const QString& file : files) {
            QFile(dir.filePath(file)).open(QIODevice::WriteOnly);
        }
        const QString found = PictureFiles(dir.path(), "img").find("img000");
        QCOMPARE(found, shown.isEmpty() ? QString() : dir.filePath(shown));
    }

    // Free tiles show the start folder's free picture, in any of the kinds,
    // else the bundled one, without a notice; a click shows a picture no
    // decode has reached, on a board whose decoding has not begun.
    void freePictureAndClick_data() {
        QTest::addColumn<QString>("own");
        QTest::newRow("own, a PNG") << "free.PNG";
        QTest::newRow("none: the bundled one") << "";
    }
    void freePictureAndClick() {
        QFETCH(QString, own);
        TestWorkspace ws;
        ws.addCategory("Animals");
        if (!own.isEmpty()) {
            writePicture(ws.path() + '/' + own, Qt::red, 32, 24, "PNG");
        }
        ws.store("settings", "numTilesToMatch", "3"); // 5 x 5: one free tile
        FakeWindow t = ws.open();
        const int tile = t.window->game().lastFaceDown();
        t.window->board()->button(tile)->click();
        QTRY_VERIFY(t.window->board()->picture(tile) != nullptr);
        const auto colourOf = [&t](int at) {
            return t.window->board()->picture(at)->picture().toImage().pixelColor(12, 12);
        };
        QVERIFY(
            near(colourOf(tile), TestWorkspace::pictureColour(t.window->game().tileImage(tile))));
        int free = 0;
        while (t.window->game().tileImage(free) != -1) {
            ++free;
        }
        t.window->board()->reviewTile(free); // face up, its picture not decoded yet
        t.window->board()->finishPictures();
        QCOMPARE(t.window->board()->missingPictures(), QStringList());
        QCOMPARE(near(colourOf(free), Qt::red), !own.isEmpty());
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
