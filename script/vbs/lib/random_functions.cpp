// Rnd and Randomize, on the engine's own random sequence (Runtime::nextRandom), so two
// engines never disturb each other's numbers.
#include <chrono>
#include <cmath>

#include "libraries.h"
#include "library_support.h"

namespace tabulo::vbs {
namespace {

// Rnd is a Single in [0, 1); rounding a Double just below 1 to float must not give 1.
Value asSingle(double r) {
    float f = float(r);
    if (!(f < 1.0f)) f = std::nextafter(1.0f, 0.0f);
    if (!(f >= 0.0f)) f = 0.0f;
    return Value::single(f);
}

// Rnd[(number)]: a negative number restarts the sequence from a seed made of that
// number (so Rnd(-3) is the same every time), zero repeats the last number, a positive
// number or none gives the next one.
Value Rnd(CallContext& call) {
    Runtime& runtime = call.runtime();
    if (!call.has(0)) return asSingle(runtime.nextRandom());
    double n = call.number(0);
    if (n == 0) return asSingle(runtime.lastRandom());
    if (n < 0) runtime.seedRandom(n);
    return asSingle(runtime.nextRandom());
}

// Randomize [number]: a new sequence from the number, or from the clock.
Value Randomize(CallContext& call) {
    double seed;
    if (call.has(0)) {
        seed = call.number(0);
    } else {
        auto now = std::chrono::system_clock::now().time_since_epoch();
        seed = double(std::chrono::duration_cast<std::chrono::microseconds>(now).count() % 86'400'000'000LL) / 1e6;
    }
    call.runtime().seedRandom(seed);
    return Value();
}

constexpr Builtin kFunctions[] = {
    {u"Rnd", Rnd, 0, 1},
    {u"Randomize", Randomize, 0, 1},
};

}  // namespace

Library randomLibrary() { return {kFunctions}; }

}  // namespace tabulo::vbs
