#include "TypedNumber.h"

bool TypedNumber::isDigit(QChar key) {
    return key >= QLatin1Char('0') && key <= QLatin1Char('9');
}

void TypedNumber::addDigit(QChar digit) {
    if (isDigit(digit) && digits_.size() < kMaxDigits) {
        digits_ += digit;
    }
}

QString TypedNumber::statusText() const {
    return digits_.isEmpty() ? QString() : QStringLiteral("Tile number: ") + digits_;
}

int TypedNumber::take() {
    const int number = digits_.toInt();
    digits_.clear();
    return number;
}

QString TypedNumber::refused(int number) {
    return QStringLiteral("There is no face-down tile %1.").arg(number);
}
