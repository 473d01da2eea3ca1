#include "StatusNotices.h"

#include <QDir>
#include <QFileInfo>

void StatusNotices::setBoardNotices(QList<Notice> notices) {
    board_ = std::move(notices);
    hold_ = true;
}

void StatusNotices::firstClick() {
    if (hold_) {
        hold_ = false;
        news_.clear();
    }
}

StatusNotices::Shown StatusNotices::shown(const QString& message) const {
    const QList<Notice> notices = news_ + board_;
    if (!message.isEmpty() && !(hold_ && !notices.isEmpty())) {
        return {message, QString()};
    }
    QStringList texts;
    QStringList details;
    for (const Notice& notice : notices) {
        texts.append(notice.text);
        details.append(notice.detail);
    }
    return {texts.join(QStringLiteral("  ")), details.join(QLatin1Char('\n'))};
}

// Built in one step, so that a file name holding "%1" stays as it is.
QList<StatusNotices::Notice> StatusNotices::missingPictures(const QStringList& files) {
    if (files.isEmpty()) {
        return {};
    }
    const QString name = QFileInfo(files.first()).fileName();
    //: Status bar, kept short; %1: a picture's file name
    const QString text = files.size() == 1 ? tr("Picture missing or unreadable: %1").arg(name)
                                           //: Status bar, kept short; %1: a picture's file name
                                           : tr("Picture missing or unreadable: %1 and %Ln more",
                                                nullptr, int(files.size() - 1))
                                                 .arg(name);
    QStringList shown;
    for (const QString& file : files.mid(0, 10)) {
        shown.append(QDir::toNativeSeparators(file));
    }
    if (files.size() > 10) {
        //: The last line of a list of files cut short
        shown.append(tr("and %Ln more", nullptr, int(files.size() - 10)));
    }
    return {{text,
             //: The status bar's tool tip; %1: the files, one a line
             tr("Pictures missing or unreadable:\n%1").arg(shown.join(QLatin1Char('\n')))}};
}
