#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>
#include <functional>

// The text of a settings file as QSettings reads it, by "section/key".
// QSettings reads only files, and keeps a process-wide cache of them that a
// rewrite of the same size can fool, so the text is read through a fresh
// copy named from `copies`: a name ending in "XXXXXX" beside the settings
// file, the folder a save writes anyway ($TMPDIR may be full, or no folder);
// only where that folder takes no copy is the copy read made in $TMPDIR.
struct IniText {
    QMap<QString, QVariant> values;
    // Why the text could not be checked, to follow the file's name: no copy
    // of it could be written, or one read back short. Empty when it was.
    QString unchecked;
    // Damaged: QSettings reports the text malformed, it gives fewer keys than
    // the text has key lines (an unterminated quote swallows the lines after
    // it), or, once writable() has run, some of its values would not read
    // back the same once written.
    bool malformed = false;

    static IniText parse(const QByteArray& bytes, const QString& copies);

    // Without the values that would not read back the same once written (a
    // line "=1" gives a key with no name, a NaN never equals itself), so that
    // the rest can be written again. Writes a copy or more: for saves only.
    // `written` runs on each copy QSettings wrote, before it is read back.
    IniText writable(const QString& copies,
                     const std::function<void(const QString&)>& written = {}) const;
};
