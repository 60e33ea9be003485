#pragma once
// The language's own random-number generator behind Rnd and Randomize: a 24-bit
// linear congruential generator, x = (x * &H43FD43FD + &HC39EC3) mod 2^24, whose
// number is x / 2^24. A script seeded the same way gets the same sequence as on the
// platform it was written for, and one that never seeds it starts, as there, with
// 0.7055475.
#include <cstdint>

namespace tabulo::vbs {

class RandomNumbers
{
public:
    // Rnd, Rnd(n) with n > 0: the next number, in [0, 1).
    float next();
    // Rnd(0): the number the generator stands at, the last one given unless Randomize
    // has moved it since.
    float current() const;
    // Rnd(n) with n < 0: the sequence starts again at a point fixed by n's
    // single-precision bits alone, so Rnd(-1) is always the same number.
    float restartAt(float n);
    // Randomize n: the bits of n as a Double replace the upper 16 bits of the state;
    // the lowest 8 stay, which is why only Rnd(-1) before Randomize n repeats a
    // sequence.
    void randomize(double n);

private:
    std::uint32_t m_state = 0x50000;
};

} // namespace tabulo::vbs
