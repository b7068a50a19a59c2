#pragma once

#include "engine/ResultRecord.h"

#include <QList>
#include <QString>

#include <optional>

// An expected value of one slot of a result record, compared to the last bit.
struct Figure {
    enum class Kind { Result, Input, Empty };
    int slot = 0;
    Kind kind = Kind::Result;
    double value = 0.0;
};

inline Figure resultFigure(int slot, double value)
{
    return {slot, Figure::Kind::Result, value};
}
inline Figure inputFigure(int slot, double value)
{
    return {slot, Figure::Kind::Input, value};
}
inline Figure emptyResult(int slot)
{
    return {slot, Figure::Kind::Empty, 0.0};
}

inline QList<Figure> emptyResults(int firstSlot, int lastSlot)
{
    QList<Figure> figures;
    for (int slot = firstSlot; slot <= lastSlot; ++slot)
        figures << emptyResult(slot);
    return figures;
}

inline QString shown(std::optional<double> value)
{
    return value ? QString::number(*value, 'g', 17) : QStringLiteral("empty");
}

inline QString mismatch(const Figure& figure, std::optional<double> actual)
{
    const QString expected = figure.kind == Figure::Kind::Empty ? QStringLiteral("empty") : shown(figure.value);
    const char* name = figure.kind == Figure::Kind::Input ? "V" : "R";
    return QStringLiteral("%1%2 is %3, expected %4\n").arg(name).arg(figure.slot).arg(shown(actual), expected);
}

// Every figure the record does not hold, one line each; empty when all match exactly.
inline QString mismatches(const engine::ResultRecord& record, const QList<Figure>& figures)
{
    QString report;
    for (const Figure& figure : figures) {
        const std::optional<double> actual =
            figure.kind == Figure::Kind::Input ? record.input(figure.slot) : record.result(figure.slot);
        const bool matches = figure.kind == Figure::Kind::Empty ? !actual : actual == figure.value;
        if (!matches)
            report += mismatch(figure, actual);
    }
    return report;
}
