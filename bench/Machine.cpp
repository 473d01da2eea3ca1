#include "Machine.h"

#include <QFile>
#include <thread>

namespace {

// The value of the first "key: value" line of a /proc text file. These files
// claim a size of 0, so they are read to the end rather than checked for it.
QString procField(const QString& path, const QString& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0 && line.left(colon).trimmed() == key) {
            return line.mid(colon + 1).trimmed();
        }
    }
    return {};
}

long statusKiB(const QString& key) {
    // "VmRSS:	   41236 kB"
    const QString value = procField(QStringLiteral("/proc/self/status"), key);
    bool ok = false;
    const long kib = value.section(QLatin1Char(' '), 0, 0).toLong(&ok);
    return ok ? kib : -1;
}

} // namespace

namespace Machine {

long residentKiB() {
    return statusKiB(QStringLiteral("VmRSS"));
}

long peakResidentKiB() {
    return statusKiB(QStringLiteral("VmHWM"));
}

int coreCount() {
    return static_cast<int>(std::thread::hardware_concurrency());
}

QString cpuModel() {
    const QString model = procField(QStringLiteral("/proc/cpuinfo"), QStringLiteral("model name"));
    return model.isEmpty() ? QStringLiteral("unknown") : model;
}

} // namespace Machine
