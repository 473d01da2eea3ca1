#include "AboutDialog.h"

#include "AppIcon.h"
#include "Twips.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

AboutDialog::AboutDialog(QWidget* parent) : FixedDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Tilewise"));
    setClientSize(4185, 2760);

    QLabel* iconLabel = addLabel(this, "imgIcon", QString(), 180, 180, 480, 480);
    iconLabel->setPixmap(appIcon().pixmap(32, 32));

    nameLabel_ = addLabel(this, "lblAppName", QStringLiteral("AppName"), 180, 720, 2535, 255);
    QFont bold = nameLabel_->font();
    bold.setBold(true);
    nameLabel_->setFont(bold);
    versionLabel_ =
        addLabel(this, "lblAppVersion", QStringLiteral("version x.xx"), 180, 960, 2535, 195);
    dateLabel_ =
        addLabel(this, "lblAppDate", QStringLiteral("November xx, 2000"), 180, 1140, 2535, 195);
    descriptionLabel_ = addLabel(this, "lblAppDescription",
                                 QStringLiteral("Application Description"), 180, 1500, 2535, 195);

    // A rule from (120, 1860) to (4080, 1860), drawn as a sunken line.
    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    const double dpi = Twips::logicalDpi(this);
    const int left = Twips::toPixels(120, dpi);
    rule->setGeometry(left, Twips::toPixels(1860, dpi), Twips::toPixels(4080, dpi) - left, 2);

    // The credit for the tile pictures, which the build renders from an emoji font.
    //: Followed on the next line by the font's name and licence
    addLabel(this, "Label5", tr("Pictures rendered from"), 180, 1920, 2535, 195);
    addLabel(this, "Label6",
             QStringLiteral("Noto Color Emoji (Google),\nSIL Open Font License 1.1."), 180, 2220,
             2595, 435);

    QPushButton* okButton = addButton(this, "btnOK", tr("OK"), 2820, 180, 1155, 375);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    okButton->setFocus();

    load();
    fitTexts();
}

void AboutDialog::load() {
    nameLabel_->setText(QStringLiteral("Tilewise"));
    versionLabel_->setText(QStringLiteral("2.00"));
    //: How the date of the first release is written, as a QDate format: d is the day,
    //: MMMM the month's name, yyyy the year; text in single quotes stays as it is.
    //: German might write "d. MMMM yyyy", Spanish "d 'de' MMMM 'de' yyyy".
    const QString format = tr("MMMM d, yyyy");
    dateLabel_->setText(QLocale().toString(QDate(1999, 5, 27), format));
    descriptionLabel_->setText(tr("A game to test your memory skills"));
}
