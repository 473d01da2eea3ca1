// The player's language: how it is chosen, and that every text has room in
// each language at the scale the test runs at (CTest runs it at 1 and 2).
#include "LanguageChoice.h"
#include "PictureNames.h"
#include "TextRoom.h"
#include "Translations.h"
#include "Win.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOption>
#include <QtTest>

namespace {

const QString kCatalogues = QStringLiteral(TILEWISE_DATA_DIR "/translations");

// Every text among `top` and its children without the room it needs, named
// "objectName (class): text"; an option that reaches into its frame's title.
QStringList cramped(const QWidget& top) {
    QStringList found;
    const auto tell = [&found](const QObject& w, const QString& text, const char* why) {
        const QString name = w.objectName().isEmpty() && w.parent() != nullptr
                                 ? w.parent()->objectName() + QLatin1Char('/')
                                 : w.objectName();
        found << QStringLiteral("%1 (%2): %3 %4").arg(name, w.metaObject()->className(), text, why);
    };
    for (const QWidget* w : QList<const QWidget*>{&top} + top.findChildren<const QWidget*>()) {
        const QSizeF lacking = textShortfall(*w);
        if (w->isVisible() && (lacking.width() > 1 || lacking.height() > 1)) {
            tell(*w, w->property("text").toString() + w->property("title").toString(),
                 "needs more room");
        }
        // Clear of the frame's border: 3 pixels at the least.
        const auto* frame = qobject_cast<const QGroupBox*>(w->parentWidget());
        if (frame == nullptr) {
            continue;
        }
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect inside = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                            QStyle::SC_GroupBoxContents, frame);
        if (w->y() < inside.top() + 3) {
            tell(*w, w->property("text").toString(), "reaches into its frame's title");
        }
    }
    if (const auto* bar = top.findChild<const QMenuBar*>()) {
        for (QAction* menu : bar->actions()) {
            const QRect place = bar->actionGeometry(menu);
            if (place.right() >= bar->width() ||
                place.width() <
                    bar->fontMetrics().size(Qt::TextShowMnemonic, menu->text()).width()) {
                tell(*bar, menu->text(), "has no room in the menu bar");
            }
            for (QAction* item : menu->menu()->actions()) {
                const QMenu& shown = *menu->menu();
                if (!item->isSeparator() &&
                    shown.actionGeometry(item).width() <
                        shown.fontMetrics().size(Qt::TextShowMnemonic, item->text()).width()) {
                    tell(shown, item->text(), "has no room in its menu");
                }
            }
        }
    }
    return found;
}

// A message box as the game shows it, for its text to be measured.
QStringList crampedBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tilewise"), text, QMessageBox::Ok);
    box.show();
    return cramped(box);
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void choice_data() {
        QTest::addColumn<QStringList>("environment"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QString>("language");        // the catalogue's, empty for English
        QTest::addColumn<QString>("locale");
        const auto row = [](const char* name, QStringList environment, const char* language,
                            const char* locale) {
            QTest::newRow(name) << environment << language << locale;
        };
        row("nothing set", {"", "", "", ""}, "", "C");
        row("LANG alone", {"", "", "", "de_DE.UTF-8"}, "de", "de_DE");
        row("LANGUAGE ignored without a locale", {"fr", "", "", ""}, "", "C");
        row("LANGUAGE ignored in C", {"fr", "", "", "C"}, "", "C");
        row("LANGUAGE ignored in POSIX", {"fr", "", "", "POSIX"}, "", "C");
        row("LANGUAGE kept in C.UTF-8", {"fr", "", "", "C.UTF-8"}, "fr", "fr");
        row("C.UTF-8 alone is English", {"", "", "", "C.UTF-8"}, "", "C");
        row("LANGUAGE first", {"es:fr", "", "", "de_DE.UTF-8"}, "es", "es");
        row("past a language without a catalogue", {"pt_BR:fr_CA", "", "", "de_DE"}, "fr", "fr_CA");
        row("English ends the search", {"en_GB:de", "", "", "de_DE"}, "", "C");
        row("an empty entry is skipped", {":de", "", "", "fr_FR"}, "de", "de");
        row("codeset and modifier dropped", {"", "", "", "es_ES.UTF-8@euro"}, "es", "es_ES");
        row("LC_ALL over LC_MESSAGES", {"", "fr_FR", "de_DE", "es_ES"}, "fr", "fr_FR");
        row("LC_MESSAGES over LANG", {"", "", "de_DE", "es_ES"}, "de", "de_DE");
        row("LC_MESSAGES C over LANG", {"de", "", "C", "es_ES"}, "", "C");
        row("no catalogue at all", {"", "", "", "it_IT"}, "", "C");
    }

    void choice() {
        QFETCH(QStringList, environment);
        QFETCH(QString, language);
        QFETCH(QString, locale);
        const LanguageChoice::Choice chosen = LanguageChoice::choose(
            {environment.at(0), environment.at(1), environment.at(2), environment.at(3)},
            {"de", "es", "fr"});
        QCOMPARE(chosen.language + QLatin1Char(' ') + chosen.locale,
                 language + QLatin1Char(' ') + locale);
    }

    // A player's language reads its own picture names, and names.txt where
    // the category has none in it; the board says them.
    void pictureNames() {
        TestWorkspace ws;
        ws.addCategory("A");
        ws.writeFile("imgs/A/names.txt", QByteArray("cat\n").repeated(50));
        ws.writeFile("imgs/A/names.de.txt", QByteArray("Katze\n").repeated(50));
        const QString a = ws.path() + "/imgs/A";
        QCOMPARE(readPictureNames(a, "de").value(0) + readPictureNames(a, "fr").value(0) +
                     readPictureNames(a).value(0),
                 QStringLiteral("Katzecatcat"));
        const FakeWindow german = makeWindow(ws.path(), ws.settingsFile(), ws.madeFolder(), "de");
        QCOMPARE(german.window->board()->pictureName(0), QStringLiteral("Katze"));
    }

    void roomForTexts_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "de", "fr", "es"}) {
            QTest::newRow(language) << language;
        }
    }

    void roomForTexts() {
        QFETCH(QString, language);
        const Translations translations(kCatalogues, {language, {}, {}, "C.UTF-8"});
        QCOMPARE(translations.language(), language == "en" ? QString() : language);
        // Qt's own catalogue comes with Tilewise's: the standard boxes' buttons.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") == "Cancel",
                 language == "en");
        Win win;
        win.ws.store("4 x 4 match 2", "name1", QString(60, u'W') + " (1/1/26)");
        win.ws.store("4 x 4 match 2", "value1", "100");
        win.w().show();
        win.click(win.mismatch(0)); // the status bar after a turn
        QStringList found = cramped(win.w());
        for (void (MainWindow::*open)() :
             {&MainWindow::editPreferences, &MainWindow::showHighScores, &MainWindow::showAbout}) {
            QVERIFY(withModal([&] { (win.w().*open)(); },
                              [&](QDialog& dialog) {
                                  found << cramped(dialog);
                                  dialog.reject();
                              }));
        }
        // New Category, on a folder of too few pictures: its progress box, then its summary.
        win.ws.writeJpeg("few/a.jpg", Qt::red);
        win.t.dialogs->folderAnswers << win.ws.path() + "/few";
        win.t.dialogs->inputAnswers << "Few";
        win.w().newCategory();
        if (const auto* progress = win.w().findChild<QProgressDialog*>()) {
            found << cramped(*progress);
        }
        win.playGame(1); // the result box and the high-score prompt
        QTRY_VERIFY(win.t.dialogs->asked.size() >= 3);
        for (const FakeDialogs::Asked& asked : std::as_const(win.t.dialogs->asked)) {
            found << crampedBox(asked.text);
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
