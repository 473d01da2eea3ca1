#pragma once

#include <QList>
#include <QString>
#include <QTextStream>
#include <optional>

// The benchmark's one table: each figure as the median of its runs, with the
// smallest and largest run beside it and, where there is one, the target the
// median has to stay within.
class Table {
public:
    struct Row {
        QString figure;
        QList<double> runs;
        std::optional<double> target; // an upper bound
        int decimals = 2;
    };

    void add(Row row) { rows_.append(std::move(row)); }
    void print(QTextStream& out) const;

    static double median(QList<double> values);

private:
    QList<Row> rows_;
};
