// Keys in the dialogs: no default or cancel button, so Enter presses only the
// focused command button and Escape does nothing; access keys move the focus.
#include "GameState.h"
#include "TestWorkspace.h"
#include "frmAbout.h"
#include "frmHighScores.h"
#include "frmPreferences.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

namespace {

// The game's choice before any key: 6 x 6, sets of 3, first of two categories.
GameState MakeGame() {
    GameState game;
    game.ScanCategories({"Animals", "Birds"});
    game.iNumColumns = game.iNumRows = game.iNewNumColumns = game.iNewNumRows = 6;
    game.iNumTilesToMatch = game.iNewNumTilesToMatch = 3;
    game.iNewCategoryIndex = 1;
    return game;
}

std::unique_ptr<QDialog> Make(const QString& kind, GameState& game) {
    if (kind == QLatin1String("frmHighScores")) {
        return std::make_unique<frmHighScores>(game);
    }
    if (kind == QLatin1String("frmPreferences")) {
        return std::make_unique<frmPreferences>(game);
    }
    return std::make_unique<frmAbout>();
}

} // namespace

class TestDialogKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void keys_data();
    void keys();
    void noDefaultButton_data();
    void noDefaultButton();
    void accessKeys_data();
    void accessKeys();

private:
    std::unique_ptr<TestWorkspace> workspace_;
};

void TestDialogKeys::initTestCase() {
    workspace_ = std::make_unique<TestWorkspace>();
}

void TestDialogKeys::keys_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("staysOpen");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("columns"); // the next-game columns afterwards

    const int open = -1;
    const int accepted = QDialog::Accepted;
    const int rejected = QDialog::Rejected;
    auto row = [](const char* name, const char* dialog, const char* focus, int key, int result,
                  int columns) {
        QTest::newRow(name) << QString::fromLatin1(dialog) << QString::fromLatin1(focus) << key
                            << (result == -1) << (result == -1 ? 0 : result) << columns;
    };
    row("About: Escape", "frmAbout", "btnOK", Qt::Key_Escape, open, 6);
    row("About: Enter on OK", "frmAbout", "btnOK", Qt::Key_Return, accepted, 6);
    row("About: Space on OK", "frmAbout", "btnOK", Qt::Key_Space, accepted, 6);
    row("High Scores: Escape", "frmHighScores", "cmdOK", Qt::Key_Escape, open, 6);
    row("High Scores: keypad Enter on OK", "frmHighScores", "cmdOK", Qt::Key_Enter, accepted, 6);

    row("Preferences: Escape on OK", "frmPreferences", "btnOK", Qt::Key_Escape, open, 6);
    row("Preferences: Escape on a list", "frmPreferences", "cmboCategory", Qt::Key_Escape, open, 6);
    row("Preferences: Enter on OK", "frmPreferences", "btnOK", Qt::Key_Return, accepted, 4);
    row("Preferences: Enter on Cancel", "frmPreferences", "cmdCancel", Qt::Key_Return, rejected, 6);
    row("Preferences: Space on Cancel", "frmPreferences", "cmdCancel", Qt::Key_Space, rejected, 6);
    row("Preferences: Enter on Default", "frmPreferences", "cmdDefault", Qt::Key_Return, open, 6);
    row("Preferences: Enter on the category list", "frmPreferences", "cmboCategory", Qt::Key_Return,
        open, 6);
    row("Preferences: Enter in the players box", "frmPreferences", "cmboPlayers", Qt::Key_Return,
        open, 6);
    row("Preferences: Enter on an option", "frmPreferences", "optBoardSize4x4", Qt::Key_Return,
        open, 6);
}

void TestDialogKeys::keys() {
    QFETCH(QString, dialog);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, staysOpen);
    QFETCH(int, result);
    QFETCH(int, columns);

    GameState game = MakeGame();
    const std::unique_ptr<QDialog> d = Make(dialog, game);
    if (auto* option = d->findChild<QRadioButton*>(QStringLiteral("optBoardSize4x4"))) {
        option->setChecked(true); // so that OK has something to write
    }
    d->show();
    QVERIFY(QTest::qWaitForWindowActive(d.get()));
    auto* target = d->findChild<QWidget*>(focus);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);

    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));

    QCOMPARE(d->isVisible(), staysOpen);
    if (!staysOpen) {
        QCOMPARE(d->result(), result);
    }
    QCOMPARE(game.iNewNumColumns, columns);
    if (focus == QLatin1String("cmdDefault")) {
        QVERIFY(d->findChild<QRadioButton*>(QStringLiteral("optBoardSize5x5"))->isChecked());
    }
}

void TestDialogKeys::noDefaultButton_data() {
    QTest::addColumn<QString>("dialog");
    QTest::newRow("About") << "frmAbout";
    QTest::newRow("High Scores") << "frmHighScores";
    QTest::newRow("Preferences") << "frmPreferences";
}

void TestDialogKeys::noDefaultButton() {
    QFETCH(QString, dialog);
    GameState game = MakeGame();
    const std::unique_ptr<QDialog> d = Make(dialog, game);
    d->show();
    QVERIFY(QTest::qWaitForWindowActive(d.get()));
    const auto buttons = d->findChildren<QPushButton*>();
    QVERIFY(!buttons.isEmpty());
    for (const QPushButton* button : buttons) {
        QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
    }
    QVERIFY(!d->windowIcon().isNull());
}

void TestDialogKeys::accessKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus"); // empty: the focus stays where it was
    QTest::newRow("Category") << int(Qt::Key_C) << "cmboCategory";
    QTest::newRow("Players, out of sight") << int(Qt::Key_P) << "cmboPlayers";
    QTest::newRow("Board Size") << int(Qt::Key_B) << "optBoardSize6x6";
    QTest::newRow("Match") << int(Qt::Key_M) << "optMatch3";
    QTest::newRow("Default, pressed") << int(Qt::Key_D) << "";
}

void TestDialogKeys::accessKeys() {
    QFETCH(int, key);
    QFETCH(QString, focus);
    GameState game = MakeGame();
    frmPreferences d(game);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));

    QTest::keyClick(&d, static_cast<Qt::Key>(key), Qt::AltModifier);

    if (focus.isEmpty()) { // a button's access key presses it
        QTRY_VERIFY(d.findChild<QRadioButton*>(QStringLiteral("optBoardSize5x5"))->isChecked());
    } else {
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }
    QVERIFY(d.isVisible());
}

QTEST_MAIN(TestDialogKeys)
#include "tst_dialogs_keys.moc"
