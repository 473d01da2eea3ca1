#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// What the third status panel tells besides the progress messages: news of
// the start-up (a damaged settings file kept aside, categories left out),
// told until the first click, and what a board could not show, held until
// the board's first click. Short in the panel, in full in its tool tip.
class StatusNotices {
    Q_DECLARE_TR_FUNCTIONS(StatusNotices)

public:
    struct Notice {
        QString text;
        QString detail;
    };
    struct Shown {
        QString text;
        QString toolTip;
    };

    void addNews(const Notice& notice) { news_.append(notice); }
    // A new board's notices, held in the panel until its first click.
    void setBoardNotices(QList<Notice> notices);
    // The first click of a board lets the panel go back to messages; the
    // start-up news has been seen by then.
    void firstClick();

    // What the panel shows for a progress message: the message, unless
    // notices are held, or the message is empty and there are notices.
    Shown shown(const QString& message) const;

    // The notice for pictures a board could not show: the first file's name
    // and how many more, and the paths of the first ten in full.
    static QList<Notice> missingPictures(const QStringList& files);

private:
    QList<Notice> news_;
    QList<Notice> board_;
    bool hold_ = false;
};
