#include "IniText.h"

#include <QSettings>
#include <QTemporaryFile>

namespace {

// Lines that give a key a value: what QSettings should find again.
int keyLines(const QByteArray& bytes) {
    int count = 0;
    for (const QByteArray& line : bytes.split('\n')) {
        const QByteArray text = line.trimmed();
        if (!text.isEmpty() && !text.startsWith(';') && !text.startsWith('[') &&
            text.contains('=')) {
            ++count;
        }
    }
    return count;
}

// QSettings keeps a process-wide cache of the files it has read and re-reads
// one only when its size or its time of change differs; file systems keep
// those times in ticks of several milliseconds, so a rewrite of the same size
// could go unseen. A private copy is always read afresh.
IniText read(const QByteArray& bytes) {
    IniText text;
    QTemporaryFile copy;
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush()) {
        text.readable = false;
        return text;
    }
    copy.close();
    const QSettings parsed(copy.fileName(), QSettings::IniFormat);
    const QStringList keys = parsed.allKeys();
    for (const QString& key : keys) {
        text.values.insert(key, parsed.value(key));
    }
    text.readable = parsed.status() != QSettings::AccessError;
    text.malformed = parsed.status() == QSettings::FormatError || keyLines(bytes) != keys.size();
    return text;
}

// The text QSettings writes for the values. It writes a new file in the
// temporary one's place, so that is read by name.
QByteArray written(const QMap<QString, QVariant>& values) {
    QTemporaryFile file;
    if (!file.open()) {
        return {};
    }
    {
        QSettings out(file.fileName(), QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            out.setValue(it.key(), it.value());
        }
    }
    QFile back(file.fileName());
    return back.open(QIODevice::ReadOnly) ? back.readAll() : QByteArray();
}

// The values that read back the same once written. What remains is written
// again without the rest, until nothing more drops out.
QMap<QString, QVariant> writable(QMap<QString, QVariant> values) {
    values.remove(QString()); // QSettings refuses to write a key without a name
    for (;;) {
        const QMap<QString, QVariant> back = read(written(values)).values;
        QMap<QString, QVariant> same;
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            if (back.contains(it.key()) && back.value(it.key()) == it.value()) {
                same.insert(it.key(), it.value());
            }
        }
        if (same.size() == values.size()) {
            return same;
        }
        values = same;
    }
}

} // namespace

IniText IniText::parse(const QByteArray& bytes) {
    IniText text = read(bytes);
    if (!text.readable) {
        return text;
    }
    const qsizetype all = text.values.size();
    text.values = writable(text.values);
    text.malformed = text.malformed || text.values.size() != all;
    return text;
}
