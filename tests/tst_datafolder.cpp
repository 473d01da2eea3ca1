// Which working folder the game settles in: a folder with its own pictures
// wins; anywhere else the bundled data folder beside the program is used.
#include "DataFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestDataFolder : public QObject {
    Q_OBJECT
private slots:
    void init() { start_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(start_); }
    void choice_data();
    void choice();

private:
    QString start_;
};

void TestDataFolder::choice_data() {
    QTest::addColumn<bool>("workingHasImgs");
    QTest::addColumn<bool>("bundleExists");
    QTest::addColumn<QString>("expected"); // "work" or "bundle"
    QTest::newRow("own pictures win") << true << true << "work";
    QTest::newRow("started from anywhere") << false << true << "bundle";
    QTest::newRow("nothing bundled") << false << false << "work";
}

void TestDataFolder::choice() {
    QFETCH(bool, workingHasImgs);
    QFETCH(bool, bundleExists);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QDir(root.path()).mkpath("prefix/bin");
    QDir(root.path()).mkpath("work");
    if (bundleExists) {
        QDir(root.path()).mkpath("prefix/share/tilewise/imgs/Animals");
    }
    if (workingHasImgs) {
        QDir(root.path()).mkpath("work/imgs/Mine");
    }
    const QString work = QDir(root.path() + "/work").canonicalPath();
    QDir::setCurrent(work);

    const QString chosen = DataFolder::ChooseWorkingFolder(root.path() + "/prefix/bin");
    const QString bundle = QDir(root.path() + "/prefix/share/tilewise").canonicalPath();
    QCOMPARE(QDir(chosen).canonicalPath(), expected == "work" ? work : bundle);
    QCOMPARE(QDir::current().canonicalPath(), QDir(chosen).canonicalPath());
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
