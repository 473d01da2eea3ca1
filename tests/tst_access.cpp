// Playing without a mouse: the keyboard, and a whole game won through the
// accessibility interface alone, as a screen reader sees it.
#include "MainWindow.h"
#include "TestWorkspace.h"
#include "TileBoard.h"
#include "TileTexts.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <cmath>
#include <optional>

namespace {

QList<QAccessibleInterface*> descendants(QAccessibleInterface* root) {
    QList<QAccessibleInterface*> all;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        all << child << descendants(child);
    }
    return all;
}

// The tiles in the accessibility tree: face-down buttons, face-up pictures.
struct Board {
    explicit Board(QAccessibleInterface* window) {
        for (QAccessibleInterface* node : descendants(window)) {
            const QString name = node->text(QAccessible::Name);
            const QRegularExpressionMatch tile =
                QRegularExpression("^Tile (\\d+)(?:: (.+))?$").match(name);
            if (node->state().invisible || !tile.hasMatch()) {
                continue;
            }
            const int number = tile.captured(1).toInt();
            if (node->role() == QAccessible::PushButton) {
                faceDown.insert(number, node);
                QVERIFY(node->text(QAccessible::Description).startsWith("Face down, row "));
                QCOMPARE(node->text(QAccessible::Description).section(". ", 1),
                         static_cast<QWidget*>(node->object())->toolTip()); // the count
            } else {
                faceUp.insert(number, tile.captured(2));
            }
        }
    }
    QMap<int, QAccessibleInterface*> faceDown;
    QMap<int, QString> faceUp;
};

// What is told without a change of focus (offscreen, no bridge sends events).
QString heard(QAccessibleInterface* window) {
    for (QAccessibleInterface* node : descendants(window)) {
        if (node->role() == QAccessible::Notification) {
            return node->text(QAccessible::Name);
        }
    }
    return QString();
}

} // namespace

class TestAccess : public QObject {
    Q_OBJECT
private slots:
    // A 4 x 4 game won by a player who only hears: press a tile, learn its name,
    // press its partner when it is known; each tile and turn is announced.
    void winWithAScreenReader() {
        TestWorkspace ws;
        ws.addCategory("Animals");
        QStringList names;
        for (int n = 0; n < 50; ++n) {
            names << QStringLiteral("animal %1").arg(n);
        }
        ws.writeFile("imgs/Animals/names.txt", names.join('\n').toUtf8());
        ws.store("settings", "columns", "4");
        FakeWindow t = ws.open();
        t.window->show();
        t.window->board()->finishPictures(); // face-down pictures made too
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(t.window.get());
        int nameless = 0; // pictures: all 16 are face down, and none tells its name
        for (QAccessibleInterface* node : descendants(window)) {
            nameless += node->role() == QAccessible::Graphic && node->text(QAccessible::Name) == "";
        }
        QCOMPARE(nameless, 16);
        QString atResult; // what was last told when the result box came up
        t.dialogs->onInput = [&] { atResult = heard(window); };
        QMap<int, QString> known;
        const auto press = [&](int number) {
            Board(window).faceDown.value(number)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
            QTRY_VERIFY(!Board(window).faceDown.contains(number));
            known.insert(number, Board(window).faceUp.value(number));
            QVERIFY(names.contains(known.value(number)));
        };
        int turns = 0;
        int first = -1;
        while (!Board(window).faceDown.isEmpty() && turns < 40) {
            ++turns;
            const QList<int> down = Board(window).faceDown.keys();
            first = down.first();
            for (int a : down) { // a pair already seen goes first
                for (int b : down) {
                    first =
                        a != b && known.contains(a) && known.value(a) == known.value(b) ? a : first;
                }
            }
            press(first);
            QCOMPARE(heard(window),
                     QStringLiteral("Tile %1: %2").arg(first).arg(known.value(first)));
            int second = -1; // its partner when known, else a tile not yet seen
            for (int b : Board(window).faceDown.keys()) {
                if (known.value(b) == known.value(first) || (second == -1 && !known.contains(b))) {
                    second = b;
                }
            }
            press(second);
            const QString said = heard(window);
            QVERIFY2(said == "Match: " + known.value(first) ||
                         said == "No match: " + known.value(second) || said == "High score saved.",
                     qPrintable(said));
        }
        // The end is told once, by the result box; the high score is confirmed.
        const int score = static_cast<int>(std::nearbyint(800.0 / turns));
        QCOMPARE(t.dialogs->asked.first().text, TileTexts::finished(8, turns, score));
        QCOMPARE(atResult, QStringLiteral("Tile %1: %2").arg(first).arg(known.value(first)));
        QCOMPARE(heard(window), QStringLiteral("High score saved."));
        for (QAccessibleInterface* node : descendants(window)) {
            if (node->role() == QAccessible::StaticText &&
                node->text(QAccessible::Name).startsWith("Matches: 8 /")) {
                return; // the status panels read as their texts
            }
        }
        QFAIL("no status panel reads its text");
    }

    void keyboard_data() {
        QTest::addColumn<QList<int>>("turned"); // face up before the keys
        QTest::addColumn<int>("from");          // the focused tile
        QTest::addColumn<QString>("keys");      // space-separated
        QTest::addColumn<int>("focused");       // the tile whose button or picture has it
        QTest::addColumn<QList<int>>("faceUp"); // afterwards
        QTest::addColumn<QString>("panel");     // panel 3 afterwards; "*": not checked
        QTest::addColumn<QString>("said");      // heard last: a new announcement, else the focus
        auto row = [](const char* name, QList<int> turned, int from, const char* keys, int focused,
                      QList<int> up, const char* panel = "*", const char* said = "*") {
            QTest::newRow(name) << turned << from << keys << focused << up << panel << said;
        };
        row("Down", {}, 1, "Down", 5, {}, "*", "^Tile 6, Face down, row 2, column 2. Uncovered 0 ");
        row("Left at the edge says so", {}, 4, "Left", 4, {}, "*", "^Edge$");
        row("Up, beside a face-up tile", {5}, 9, "Up", 4, {5});
        row("End", {}, 6, "End", 15, {});
        row("End, Home", {}, 6, "End Home", 0, {});
        row("Enter turns the focused tile, focus goes on", {}, 6, "Return", 7, {6});
        row("keypad Enter on the last tile: focus goes round", {}, 15, "Enter", 0, {15});
        row("Backspace removes one", {}, 0, "1 2 Backspace", 0, {}, "Tile number: 1");
        row("Escape clears", {}, 0, "1 2 Escape", 0, {}, "");
        row("a number, then Enter", {}, 0, "1 2 Return", 12, {11}, "*", "^Tile 12: img\\d{3}$");
        row("the last tile by number", {}, 1, "1 6 Return", 0, {15}, "*", "^Tile 16: img\\d{3}$");
        row("a number beyond the board", {}, 0, "1 7 Return", 0, {},
            "There is no face-down tile 17.");
        row("the number of a face-up tile", {5}, 0, "6 Return", 0, {5},
            "There is no face-down tile 6.");
        row("a fourth digit is ignored", {}, 0, "1 0 0 5", 0, {}, "Tile number: 100");
        row("Ctrl+arrow onto a face-up tile: its picture", {5}, 4, "Ctrl+Right", 5, {5}, "*",
            "^Tile 6: img\\d{3}, Face up, row 2, column 2$");
        row("Ctrl+arrows over every tile to the edge", {}, 1,
            "Ctrl+Down Ctrl+Down Ctrl+Down Ctrl+Down", 13, {}, "*", "^Edge$");
        row("Ctrl+Left, Ctrl+Up to the top left corner", {}, 4, "Ctrl+Left Ctrl+Up Ctrl+Up", 0, {},
            "*", "^Edge$");
        row("Ctrl+Right at the right", {}, 7, "Ctrl+Right", 7, {}, "*", "^Edge$");
        row("Tab from a face-up tile", {5}, 4, "Ctrl+Right Tab", 6, {5});
        row("Shift+Tab from a face-up tile", {5}, 4, "Ctrl+Right Shift+Tab", 4, {5});
        row("an arrow from a face-up tile", {5}, 4, "Ctrl+Right Down", 9, {5});
    }

    void keyboard() {
        QFETCH(QList<int>, turned);
        QFETCH(int, from);
        QFETCH(QString, keys);
        QFETCH(int, focused);
        QFETCH(QList<int>, faceUp);
        QFETCH(QString, panel);
        QFETCH(QString, said);
        TestWorkspace ws;
        ws.addCategory("Animals");
        ws.store("settings", "columns", "4");
        FakeWindow t = ws.open();
        MainWindow& w = *t.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        for (int tile : turned) {
            w.board()->button(tile)->click();
        }
        w.board()->button(from)->setFocus();
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&w);
        const QString before = heard(window);
        std::optional<QString> atMove; // what was told when the focus first moved
        QObject scope;
        connect(qApp, &QApplication::focusChanged, &scope,
                [&] { atMove = atMove.value_or(heard(window)); });
        for (const QString& key : keys.split(' ')) {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
        }
        QCOMPARE(w.board()->focusedPlace(), focused);
        QList<int> up;
        for (int i = 0; i < 16; ++i) {
            if (w.board()->button(i)->isHidden()) {
                up << i;
            }
        }
        QCOMPARE(up, faceUp);
        if (up.size() > turned.size()) { // the picture comes first, then the focus moves
            QVERIFY(atMove == heard(window));
        }
        if (panel != "*") {
            QCOMPARE(w.panel(3)->text(), panel);
        }
        const QAccessibleInterface* focus =
            QAccessible::queryAccessibleInterface(QApplication::focusWidget());
        const QString last = heard(window) != before ? heard(window)
                                                     : focus->text(QAccessible::Name) + ", " +
                                                           focus->text(QAccessible::Description);
        QVERIFY2(said == "*" || last.contains(QRegularExpression(said)), qPrintable(last));
    }

    // Preferences says the chosen category, and names a frame once, as its
    // options' label: as a container it is not a panel of its own.
    void preferences() {
        TestWorkspace ws;
        ws.addCategory("Animals");
        ws.addCategory("Food");
        FakeWindow t = ws.open();
        QVERIFY(withModal(
            [&] { t.window->editPreferences(); },
            [](QDialog& d) {
                auto* box = d.findChild<QComboBox*>("cmboCategory");
                box->setCurrentIndex(1);
                QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description),
                         QStringLiteral("Food"));
                QAccessibleInterface* option =
                    QAccessible::queryAccessibleInterface(d.findChild<QRadioButton*>("optMatch3"));
                QCOMPARE(option->parent()->text(QAccessible::Name), QStringLiteral("Match"));
                QCOMPARE(option->parent()->role(), QAccessible::Client);
                d.reject();
            }));
    }

    // The focused tile, the first face-down one at the start, wears a frame in
    // the highlight colour.
    void focusMark() {
        TestWorkspace ws;
        ws.addCategory("Animals");
        FakeWindow t = ws.open();
        t.window->show();
        QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
        QPushButton* first = t.window->board()->button(t.window->game().firstFaceDown());
        QCOMPARE(QApplication::focusWidget(), first);
        first->setFocus();
        const QImage image = first->grab().toImage();
        const QColor highlight = first->palette().color(QPalette::Highlight);
        for (const QPoint p : {QPoint(1, image.height() / 2), QPoint(image.width() / 2, 1),
                               QPoint(image.width() - 2, image.height() / 2)}) {
            QCOMPARE(image.pixelColor(p), highlight);
        }
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
