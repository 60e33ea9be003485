#include "vbs/random_numbers.h"

#include <cstring>

namespace tabulo::vbs {
namespace {

constexpr std::uint32_t kStateMask = 0xFFFFFF;

float asNumber(std::uint32_t state)
{
    return float(state) / 16777216.0f; // exact: the state has 24 bits
}

} // namespace

float RandomNumbers::next()
{
    m_state = (m_state * 0x43FD43FDu + 0xC39EC3u) & kStateMask;
    return asNumber(m_state);
}

float RandomNumbers::current() const
{
    return asNumber(m_state);
}

float RandomNumbers::restartAt(float n)
{
    std::uint32_t bits;
    std::memcpy(&bits, &n, sizeof bits);
    m_state = (bits + (bits >> 24)) & kStateMask;
    return next();
}

void RandomNumbers::randomize(double n)
{
    std::uint64_t bits;
    std::memcpy(&bits, &n, sizeof bits);
    const std::uint32_t high = std::uint32_t(bits >> 32); // sign, exponent and the top of the fraction
    const std::uint32_t mixed = (high & 0xFFFF) ^ (high >> 16);
    m_state = ((mixed << 8) | (m_state & 0xFF)) & kStateMask;
}

} // namespace tabulo::vbs
