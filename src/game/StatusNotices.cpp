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
    const QString text = files.size() == 1
                             ? QStringLiteral("Picture missing or unreadable: %1").arg(name)
                             : QStringLiteral("Picture missing or unreadable: %1 and %2 more")
                                   .arg(name, QString::number(files.size() - 1));
    QStringList shown;
    for (const QString& file : files.mid(0, 10)) {
        shown.append(QDir::toNativeSeparators(file));
    }
    if (files.size() > 10) {
        shown.append(QStringLiteral("and %1 more").arg(files.size() - 10));
    }
    return {{text,
             QStringLiteral("Pictures missing or unreadable:\n") + shown.join(QLatin1Char('\n'))}};
}
