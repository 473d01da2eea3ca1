#include "NumberText.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace NumberText {

QString local(qint64 n) {
    const QLocale locale;
    // English has always written its numbers plainly; so does the C locale,
    // which the program has before it knows the player's language.
    if (locale.language() == QLocale::C || locale.language() == QLocale::English) {
        return QString::number(n);
    }
    return locale.toString(n);
}

std::int16_t roundToInt16(double value) {
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

std::optional<std::int16_t> parseInt16(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok || value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

double leadingNumber(const QString& text) {
    // Blanks, a sign, digits with an optional fraction (either side of the
    // point may be empty, not both), an optional exponent: "85.5", "-.5e2".
    static const QRegularExpression number(
        QStringLiteral("^\\s*([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch()) {
        return 0.0;
    }
    const QString found = match.captured(1);
    bool ok = false;
    const double value = found.toDouble(&ok);
    // Only a number beyond a double's range fails here; it reads as the
    // largest of its sign, which the 16-bit rounding then clamps.
    return ok ? value : (found.startsWith(u'-') ? -HUGE_VAL : HUGE_VAL);
}

QString threeDigits(int n) {
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

} // namespace NumberText
