// Help > About: fixed texts, the icon and one OK button.
#include "Fakes.h"
#include "TestWorkspace.h"
#include "frmAbout.h"
#include "frmTilewise.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void showsTheSameTextsEachTime();
    void creditFitsBelowTheLine();
};

void TestAboutBox::showsTheSameTextsEachTime() {
    TestWorkspace workspace;
    workspace.AddEntry(QStringLiteral("Animals"));
    TestWindow t = MakeWindow();
    const QStringList expected{"About Tilewise", "Tilewise", "2.00", "May 27, 1999",
                               "A game to test your memory skills"};

    for (int opening = 0; opening < 2; ++opening) {
        QStringList shown;
        QVERIFY(WithModal(
            [&] { t.window->mnuHelpAbout_Click(); },
            [&](QDialog& d) {
                shown << d.windowTitle();
                for (const char* name :
                     {"lblAppName", "lblAppVersion", "lblAppDate", "lblAppDescription"}) {
                    shown << d.findChild<QLabel*>(QLatin1String(name))->text();
                }
                auto* name = d.findChild<QLabel*>(QStringLiteral("lblAppName"));
                QVERIFY(name->font().bold());
                QVERIFY(!d.findChild<QLabel*>(QStringLiteral("lblAppDate"))->font().bold());
                const QPixmap icon = d.findChild<QLabel*>(QStringLiteral("imgIcon"))->pixmap();
                QCOMPARE(icon.size(), QSize(32, 32));
                QVERIFY(!d.windowIcon().isNull());
                d.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
            }));
        QCOMPARE(shown, expected);
    }
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TestAboutBox::creditFitsBelowTheLine() {
    frmAbout about;
    auto* label5 = about.findChild<QLabel*>(QStringLiteral("Label5"));
    auto* label6 = about.findChild<QLabel*>(QStringLiteral("Label6"));
    const QStringList lines = label6->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    for (const QLabel* label : {label5, label6}) {
        const QFontMetrics metrics(label->font());
        for (const QString& line : label->text().split(QLatin1Char('\n'))) {
            QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(line));
        }
    }
    const QFontMetrics metrics(label6->font());
    QVERIFY(2 * metrics.lineSpacing() <= label6->height() + metrics.leading() + 1);
}

QTEST_MAIN(TestAboutBox)
#include "tst_dialogs_about.moc"
