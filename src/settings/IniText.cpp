#include "IniText.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryFile>
#include <memory>
#include <tuple>

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

IniText cannotCheck(const QString& why) {
    IniText text;
    //: Follows "The file <name>"; %1: why, such as "the copy was cut short"
    text.unchecked = QCoreApplication::translate(
                         "IniText", "cannot be checked, as no whole copy of it can be made "
                                    "beside it (%1)")
                         .arg(why);
    return text;
}

// The values as they read back once QSettings has written them. It writes a
// new file in the temporary one's place, so that is read by name. It reports
// success even when the disk filled up under it: a copy that leaves its last
// line unended, or has fewer key lines than values, was cut short.
IniText roundTrip(const QMap<QString, QVariant>& values, const QString& copies,
                  const std::function<void(const QString&)>& written) {
    QTemporaryFile file(copies);
    if (!file.open()) {
        return cannotCheck(file.errorString());
    }
    {
        QSettings out(file.fileName(), QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            out.setValue(it.key(), it.value());
        }
    }
    if (written) {
        written(file.fileName());
    }
    QFile back(file.fileName());
    if (!back.open(QIODevice::ReadOnly)) {
        return cannotCheck(back.errorString());
    }
    const QByteArray bytes = back.readAll();
    if (keyLines(bytes) != values.size() || !bytes.endsWith('\n')) {
        return cannotCheck(QCoreApplication::translate("IniText", "the copy was cut short"));
    }
    return IniText::parse(bytes, copies);
}

} // namespace

// A copy to read: beside the settings file; failing that (a read-only
// folder, a full disk), in the temporary folder, so that a file that cannot
// be saved still reads.
IniText IniText::parse(const QByteArray& bytes, const QString& copies) {
    const auto copyOf = [&bytes](const QString& name) {
        auto copy = std::make_unique<QTemporaryFile>(name);
        const bool whole = copy->open() && copy->write(bytes) == bytes.size() && copy->flush();
        copy->close();
        return std::pair{std::move(copy), whole};
    };
    auto [copy, whole] = copyOf(copies);
    if (!whole) {
        const QString why = copy->errorString();
        std::tie(copy, whole) =
            copyOf(QDir::tempPath() + QStringLiteral("/Tilewise.ini.reading-XXXXXX"));
        if (!whole) {
            return cannotCheck(why);
        }
    }
    const QSettings parsed(copy->fileName(), QSettings::IniFormat);
    if (parsed.status() == QSettings::AccessError) {
        return cannotCheck(QCoreApplication::translate("IniText", "the copy cannot be read back"));
    }
    IniText text;
    const QStringList keys = parsed.allKeys();
    for (const QString& key : keys) {
        text.values.insert(key, parsed.value(key));
    }
    text.malformed = parsed.status() == QSettings::FormatError || keyLines(bytes) != keys.size();
    return text;
}

// What remains is written again without the rest, until nothing more drops out.
IniText IniText::writable(const QString& copies,
                          const std::function<void(const QString&)>& written) const {
    IniText kept = *this;
    kept.values.remove(QString()); // QSettings refuses to write a key without a name
    while (!kept.values.isEmpty()) {
        const IniText back = roundTrip(kept.values, copies, written);
        if (!back.unchecked.isEmpty()) {
            return back;
        }
        QMap<QString, QVariant> same;
        for (auto it = kept.values.cbegin(); it != kept.values.cend(); ++it) {
            if (back.values.contains(it.key()) && back.values.value(it.key()) == it.value()) {
                same.insert(it.key(), it.value());
            }
        }
        if (same.size() == kept.values.size()) {
            break;
        }
        kept.values = same;
    }
    kept.malformed = malformed || kept.values.size() != values.size();
    return kept;
}
