#include "Table.h"

#include <algorithm>

double Table::median(QList<double> values) {
    if (values.isEmpty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 == 1 ? values.at(middle)
                                  : (values.at(middle - 1) + values.at(middle)) / 2;
}

void Table::print(QTextStream& out) const {
    constexpr int kFigureWidth = 46;
    constexpr int kNumberWidth = 9;
    auto number = [](double value, int decimals) {
        return QString::number(value, 'f', decimals).rightJustified(kNumberWidth);
    };
    out << QStringLiteral("Figure").leftJustified(kFigureWidth)
        << QStringLiteral("Median").rightJustified(kNumberWidth)
        << QStringLiteral("Min").rightJustified(kNumberWidth)
        << QStringLiteral("Max").rightJustified(kNumberWidth)
        << QStringLiteral("Runs").rightJustified(6)
        << QStringLiteral("Target").rightJustified(kNumberWidth) << QStringLiteral("  Result")
        << '\n';
    out << QString(kFigureWidth + 4 * kNumberWidth + 6 + 8, QLatin1Char('-')) << '\n';
    for (const Row& row : rows_) {
        const auto [lo, hi] = std::minmax_element(row.runs.cbegin(), row.runs.cend());
        const double middle = median(row.runs);
        out << row.figure.leftJustified(kFigureWidth) << number(middle, row.decimals)
            << number(row.runs.isEmpty() ? 0 : *lo, row.decimals)
            << number(row.runs.isEmpty() ? 0 : *hi, row.decimals)
            << QString::number(row.runs.size()).rightJustified(6);
        if (row.target) {
            out << QStringLiteral("<= %1").arg(*row.target).rightJustified(kNumberWidth)
                << (middle <= *row.target ? QStringLiteral("  ok") : QStringLiteral("  MISSED"));
        }
        out << '\n';
    }
}
