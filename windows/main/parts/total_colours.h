#pragma once

#include <QString>

namespace tabulo {

// The colours of the totals by their sign, as the applied theme gives them:
// colour numbers kept as text (red in the low byte), `fta` for the first
// total, `ftb` for the second. Until a theme supplies them the design
// colours stand.
struct TotalColours
{
    QString fta_posi = QStringLiteral("65280"), fta_nega = QStringLiteral("255");
    QString ftb_posi = QStringLiteral("65280"), ftb_nega = QStringLiteral("255");
};

} // namespace tabulo
