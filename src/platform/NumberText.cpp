#include "NumberText.h"

#include <cmath>
#include <limits>

namespace NumberText {

QString Num(int n) {
    return n < 0 ? QString::number(n) : QStringLiteral(" ") + QString::number(n);
}

std::int16_t RoundToInt16(double value) {
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = std::nearbyint(value);
    if (rounded < lo) {
        return std::numeric_limits<std::int16_t>::min();
    }
    if (rounded > hi) {
        return std::numeric_limits<std::int16_t>::max();
    }
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> ParseInt16(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok || value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

double LeadingNumber(const QString& text) {
    // Longest prefix of the form [blanks][sign]digits[.digits][e[sign]digits].
    const QString t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    auto digitsFrom = [&](qsizetype at) {
        qsizetype k = at;
        while (k < n && t.at(k).isDigit() && t.at(k).unicode() < 128) {
            ++k;
        }
        return k;
    };
    if (i < n && (t.at(i) == u'+' || t.at(i) == u'-')) {
        ++i;
    }
    const qsizetype intEnd = digitsFrom(i);
    qsizetype end = intEnd;
    bool anyDigit = intEnd > i;
    if (end < n && t.at(end) == u'.') {
        const qsizetype fracEnd = digitsFrom(end + 1);
        if (fracEnd > end + 1 || anyDigit) {
            anyDigit = anyDigit || fracEnd > end + 1;
            end = fracEnd;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    if (end < n && (t.at(end) == u'e' || t.at(end) == u'E')) {
        qsizetype e = end + 1;
        if (e < n && (t.at(e) == u'+' || t.at(e) == u'-')) {
            ++e;
        }
        const qsizetype expEnd = digitsFrom(e);
        if (expEnd > e) {
            end = expEnd;
        }
    }
    bool ok = false;
    const double value = t.left(end).toDouble(&ok);
    return ok && std::isfinite(value) ? value : (t.startsWith(u'-') ? -HUGE_VAL : HUGE_VAL);
}

QString ThreeDigits(int n) {
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

} // namespace NumberText
