#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>

// The text of a settings file as QSettings reads it, by "section/key".
struct IniText {
    QMap<QString, QVariant> values;
    bool readable = true;
    // Damaged: QSettings reports the text malformed, it gives fewer keys than
    // the text has key lines (an unterminated quote swallows the lines after
    // it), or some of its values would not read back the same once written
    // (a line "=1" gives a key with no name, a NaN never equals itself).
    // Those values are left out, so that the rest can be written again.
    bool malformed = false;

    static IniText parse(const QByteArray& bytes);
};
