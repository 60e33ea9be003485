#include "core/numbers/decimal_running_sum.h"

namespace tabulo {

Decimal DecimalRunningSum::total() const
{
    if (!m_plain)
        return m_total;
    Decimal total;
    decimal128::encode(m_parts, total.m_low, total.m_high);
    return total;
}

void DecimalRunningSum::stepRounded(const Decimal &value, bool subtract)
{
    const Decimal before = total();
    reset(subtract ? before - value : before + value);
}

void DecimalRunningSum::reset(const Decimal &total)
{
    const auto parts = decimal128::plainParts(total.m_low, total.m_high);
    m_plain = parts.has_value();
    if (m_plain)
        m_parts = *parts;
    else
        m_total = total;
}

} // namespace tabulo
