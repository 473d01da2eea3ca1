// Edit > Font: the tile font, chosen in the font dialog and applied to every tile.
#include "Fakes.h"
#include "TestWorkspace.h"
#include "frmTilewise.h"

#include <QFontDialog>
#include <QPushButton>
#include <QtTest>

namespace {

struct Attributes {
    QString family;
    double size;
    bool bold;
    bool italic;
    bool underline;
    bool strikeOut;
    bool operator==(const Attributes& o) const {
        return family == o.family && size == o.size && bold == o.bold && italic == o.italic &&
               underline == o.underline && strikeOut == o.strikeOut;
    }
};

Attributes Of(const QFont& f) {
    return {f.family(), f.pointSizeF(), f.bold(), f.italic(), f.underline(), f.strikeOut()};
}

QList<Attributes> TileFonts(const frmTilewise& w) {
    QList<Attributes> fonts;
    for (int i = 0; i < w.TileControls(); ++i) {
        fonts << Of(w.btns(i)->font());
    }
    return fonts;
}

QFont Chosen() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(12);
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);
    return font;
}

} // namespace

class TestFontChoice : public QObject {
    Q_OBJECT
private slots:
    void appliesToEveryTile_data();
    void appliesToEveryTile();
    void cancelChangesNothing();
    void nextBoardKeepsFaceAndStyle();
    void realFontDialog();
};

void TestFontChoice::appliesToEveryTile_data() {
    QTest::addColumn<int>("columns");
    QTest::newRow("5 x 5") << 5;
    QTest::newRow("10 x 10") << 10;
}

void TestFontChoice::appliesToEveryTile() {
    QFETCH(int, columns);
    TestWorkspace workspace;
    workspace.AddEntry(QStringLiteral("Animals"));
    workspace.Store("settings", "columns", QString::number(columns));
    TestWindow t = MakeWindow();
    const Attributes before = Of(t.window->btns(0)->font());
    QCOMPARE(before.family, QStringLiteral("Arial"));
    QVERIFY(!before.bold);
    t.dialogs->fontAnswer = Chosen();

    t.window->mnuEditFont_Click();

    // The dialog was preset from the first tile.
    QCOMPARE(t.dialogs->asked.size(), 1);
    QCOMPARE(Of(t.dialogs->fontOffered), before);
    const QList<Attributes> fonts = TileFonts(*t.window);
    QCOMPARE(fonts.size(), columns * columns);
    QCOMPARE(fonts, QList<Attributes>(columns * columns, Of(Chosen())));
}

void TestFontChoice::cancelChangesNothing() {
    TestWorkspace workspace;
    workspace.AddEntry(QStringLiteral("Animals"));
    TestWindow t = MakeWindow();
    const QList<Attributes> before = TileFonts(*t.window);
    t.dialogs->fontAnswer.reset();

    t.window->mnuEditFont_Click();

    QCOMPARE(t.dialogs->asked.size(), 1);
    QCOMPARE(TileFonts(*t.window), before);
}

void TestFontChoice::nextBoardKeepsFaceAndStyle() {
    TestWorkspace workspace;
    workspace.AddEntry(QStringLiteral("Animals"));
    TestWindow t = MakeWindow();
    t.dialogs->fontAnswer = Chosen();
    t.window->mnuEditFont_Click();

    t.window->iNewNumColumns = t.window->iNewNumRows = 6;
    t.window->mnuGameNew_Click();

    // The board sets size and boldness anew; the rest comes from tile 0.
    const QList<Attributes> fonts = TileFonts(*t.window);
    QCOMPARE(fonts.size(), 36);
    const Attributes expected{"Courier New", fonts.at(0).size, false, true, true, true};
    QCOMPARE(fonts, QList<Attributes>(36, expected));
    QVERIFY(expected.size != Chosen().pointSizeF());
}

void TestFontChoice::realFontDialog() {
    TestWorkspace workspace;
    workspace.AddEntry(QStringLiteral("Animals"));
    frmTilewise::Services services;
    services.dialogs = std::make_unique<QtDialogs>();
    services.sound = std::make_unique<FakeSound>();
    services.random = std::make_unique<ScriptedRandom>(5u);
    frmTilewise window(std::move(services));

    const QFont before = window.btns(0)->font();
    QFont offered;
    QFont picked;
    QVERIFY(WithModal([&] { window.mnuEditFont_Click(); },
                      [&](QDialog& d) {
                          auto* dialog = qobject_cast<QFontDialog*>(&d);
                          QVERIFY(dialog != nullptr);
                          offered = dialog->currentFont();
                          QFont wanted = offered;
                          wanted.setItalic(true);
                          wanted.setPointSize(14);
                          wanted.setUnderline(true);
                          dialog->setCurrentFont(wanted);
                          picked = dialog->currentFont();
                          dialog->accept();
                      }));
    QCOMPARE(offered.pointSize(), before.pointSize());
    QVERIFY(!offered.bold());
    QVERIFY(picked.italic());
    QVERIFY(picked.underline());
    for (int i = 0; i < window.TileControls(); ++i) {
        const QFont tile = window.btns(i)->font();
        QCOMPARE(tile.family(), picked.family());
        QCOMPARE(tile.pointSizeF(), picked.pointSizeF());
        QVERIFY(tile.italic());
        QVERIFY(tile.underline());
    }
}

QTEST_MAIN(TestFontChoice)
#include "tst_dialogs_font.moc"
