// The dialogs' designs: places in twips, client sizes, tab order, start focus.
#include "GameState.h"
#include "TestWorkspace.h"
#include "Twips.h"
#include "frmAbout.h"
#include "frmHighScores.h"
#include "frmPreferences.h"

#include <QPushButton>
#include <QtTest>
#include <memory>

class TestDialogLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void places_data();
    void places();
    void tabOrder_data();
    void tabOrder();

private:
    std::unique_ptr<QDialog> Make(const QString& kind);

    std::unique_ptr<TestWorkspace> workspace_;
    GameState game_;
};

void TestDialogLayout::initTestCase() {
    workspace_ = std::make_unique<TestWorkspace>();
    game_.ScanCategories({"Animals", "Birds"});
    game_.iNumColumns = game_.iNumRows = game_.iNewNumColumns = game_.iNewNumRows = 6;
    game_.iNumTilesToMatch = game_.iNewNumTilesToMatch = 3;
    game_.iNewCategoryIndex = 1;
}

std::unique_ptr<QDialog> TestDialogLayout::Make(const QString& kind) {
    if (kind == QLatin1String("frmHighScores")) {
        return std::make_unique<frmHighScores>(game_);
    }
    if (kind == QLatin1String("frmPreferences")) {
        return std::make_unique<frmPreferences>(game_);
    }
    return std::make_unique<frmAbout>();
}

void TestDialogLayout::places_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("control"); // the dialog's own name: its client size
    QTest::addColumn<QRect>("twips");     // a height of -1 is not checked

    auto row = [](const char* dialog, const char* control, int l, int t, int w, int h) {
        QTest::addRow("%s %s", dialog, control)
            << QString::fromLatin1(dialog) << QString::fromLatin1(control) << QRect(l, t, w, h);
    };
    row("frmHighScores", "frmHighScores", 0, 0, 5055, 3480);
    row("frmHighScores", "Label1", 150, 150, 3285, 255);
    row("frmHighScores", "cmdOK", 3660, 150, 1185, 375);
    row("frmHighScores", "lblBoardSize", 300, 510, 3135, 255);
    row("frmHighScores", "lbl1", 300, 840, 3135, 195);
    row("frmHighScores", "lbl2", 300, 1080, 3135, 195);
    row("frmHighScores", "lbl10", 300, 3000, 3135, 195);

    row("frmPreferences", "frmPreferences", 0, 0, 5160, 2145);
    row("frmPreferences", "Label3", 120, 1800, 795, 255);
    row("frmPreferences", "btnOK", 3780, 150, 1215, 375);
    row("frmPreferences", "cmdCancel", 3780, 600, 1215, 375);
    row("frmPreferences", "Frame1", 90, 60, 2175, 1515);
    row("frmPreferences", "Frame2", 2400, 60, 1215, 1515);
    row("frmPreferences", "optMatch4", 150, 840, 975, 255); // inside Frame2
    row("frmPreferences", "cmboCategory", 960, 1770, 2655, 315);
    row("frmPreferences", "optBoardSize5x5", 120, 540, 855, 225); // inside Frame1
    row("frmPreferences", "optBoardSize9x9", 1140, 525, 885, 255);
    row("frmPreferences", "cmdDefault", 3780, 1740, 1215, 375);
    row("frmPreferences", "Label1", 120, 2220, 795, 195); // below the client area
    row("frmPreferences", "cmboPlayers", 960, 2160, 2655, 315);

    row("frmAbout", "frmAbout", 0, 0, 4185, 2760);
    row("frmAbout", "imgIcon", 180, 180, 480, 480);
    row("frmAbout", "lblAppName", 180, 720, 2535, 255);
    row("frmAbout", "lblAppDescription", 180, 1500, 2535, 195);
    row("frmAbout", "Line1", 120, 1860, 3960, -1);
    row("frmAbout", "Label6", 180, 2220, 2595, 435);
    row("frmAbout", "btnOK", 2820, 180, 1155, 375);
}

void TestDialogLayout::places() {
    QFETCH(QString, dialog);
    QFETCH(QString, control);
    QFETCH(QRect, twips);

    const std::unique_ptr<QDialog> d = Make(dialog);
    QCOMPARE(d->objectName(), dialog);
    const double dpi = d->logicalDpiX();
    auto px = [dpi](int t) { return Twips::ToPixels(t, dpi); };
    if (control == dialog) {
        d->show();
        QCOMPARE(d->size(), QSize(px(twips.width()), px(twips.height())));
        QCOMPARE(d->minimumSize(), d->maximumSize()); // not resizable
        return;
    }
    const QWidget* w = d->findChild<QWidget*>(control);
    QVERIFY(w != nullptr);
    const QRect g = w->geometry();
    QCOMPARE(g.topLeft(), QPoint(px(twips.left()), px(twips.top())));
    QCOMPARE(g.width(), px(twips.left() + twips.width()) - px(twips.left()));
    if (twips.height() != -1) {
        QCOMPARE(g.height(), px(twips.height()));
    }
}

void TestDialogLayout::tabOrder_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("Preferences")
        << "frmPreferences"
        << QStringList{"btnOK",           "cmdCancel",         "optMatch2",       "optMatch3",
                       "optMatch4",       "optMatch5",         "cmboCategory",    "optBoardSize4x4",
                       "optBoardSize5x5", "optBoardSize6x6",   "optBoardSize7x7", "optBoardSize8x8",
                       "optBoardSize9x9", "optBoardSize10x10", "cmdDefault",      "cmboPlayers"};
    QTest::newRow("High Scores") << "frmHighScores" << QStringList{"cmdOK"};
    QTest::newRow("About") << "frmAbout" << QStringList{"btnOK"};
}

void TestDialogLayout::tabOrder() {
    QFETCH(QString, dialog);
    QFETCH(QStringList, order);

    const std::unique_ptr<QDialog> d = Make(dialog);
    d->show();
    QVERIFY(QTest::qWaitForWindowActive(d.get()));
    QCOMPARE(d->focusWidget()->objectName(), order.first());

    // Follow the focus chain round once, keeping the named controls that Tab stops at.
    QStringList chain;
    QWidget* w = d->focusWidget();
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() && w->isEnabled()) {
            chain << w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != d->focusWidget());
    QCOMPARE(chain, order);
}

QTEST_MAIN(TestDialogLayout)
#include "tst_dialogs_layout.moc"
