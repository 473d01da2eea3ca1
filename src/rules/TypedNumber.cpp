#include "TypedNumber.h"

#include "NumberText.h"

#include <QCoreApplication>

bool TypedNumber::isDigit(QChar key) {
    return key >= QLatin1Char('0') && key <= QLatin1Char('9');
}

void TypedNumber::addDigit(QChar digit) {
    if (isDigit(digit) && digits_.size() < kMaxDigits) {
        digits_ += digit;
    }
}

QString TypedNumber::statusText() const {
    if (digits_.isEmpty()) {
        return QString();
    }
    //: Status bar, while the player types a tile's number
    return QCoreApplication::translate("TypedNumber", "Tile number: %1").arg(digits_);
}

int TypedNumber::take() {
    const int number = digits_.toInt();
    digits_.clear();
    return number;
}

QString TypedNumber::refused(int number) {
    //: Status bar, when a typed number names no tile to turn
    return QCoreApplication::translate("TypedNumber", "There is no face-down tile %1.")
        .arg(NumberText::local(number));
}
