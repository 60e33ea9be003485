#pragma once

#include "core/files/text_file.h"

#include <QString>
#include <QStringList>

namespace tabulo {

// The calculator's history file ("History.ini"): one expression a line.
namespace CalculatorHistory {
// Only the first non-empty lines come back, trimmed, at most this many: the
// oldest entries survive and later ones are dropped when the file is read.
constexpr int maxLoadedLines = 101;
// A history is a few kilobytes; of a larger file only this much is read, so
// a huge or foreign file cannot stall the opening.
constexpr qint64 maxReadBytes = qint64(1) << 20;

QStringList parse(QStringView fileText);
QString format(const QStringList &history);
// A missing or unreadable file gives an empty history.
QStringList load(const QString &path);
FileResult save(const QString &path, const QStringList &history);
} // namespace CalculatorHistory

// The calculator's placement file ("Tabuloolator.ini"): one line
// "top,left,width,height" in twips with "." as decimal point.
struct CalculatorPlacement
{
    // The window as designed; its width never changes.
    static constexpr double designTop = 0, designLeft = 0, designHeight = 6840, outerWidth = 4260;
    static constexpr double minimumHeight = 1100;

    double top = designTop, left = designLeft, width = outerWidth, height = designHeight;

    // Every complete record of four numbers counts, the last one wins; a
    // record with a field that is not a number is skipped. A negative top or
    // left becomes 100, a height below the minimum the designed height.
    static CalculatorPlacement parse(QStringView fileText);
    static CalculatorPlacement load(const QString &path);
    QString format() const;
};

} // namespace tabulo
