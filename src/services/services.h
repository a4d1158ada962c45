// What the program asks of the outside world: time, chance, sound and a pause.
// The program passes the real services; tests pass fakes.
#pragma once

#include <cstdint>
#include <string>

namespace tapwell {

// One monotonic millisecond clock for the whole program. 64 bits: it never wraps.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t ms() = 0;
};

class SteadyClock final : public Clock {
public:
    std::int64_t ms() override;
};

// Uniform single-precision values in [0, 1).
class Random {
public:
    virtual ~Random() = default;
    virtual float next() = 0;
};

// A small xorshift generator. Its values are whole multiples of 2^-24, so they are
// exact in a float and never reach 1.
class SeededRandom final : public Random {
public:
    explicit SeededRandom(std::uint32_t seed) { reseed(seed); }
    void reseed(std::uint32_t seed);
    float next() override;

private:
    std::uint64_t state_ = 0;
};

// Seconds since midnight, local time: the seed of each run.
std::uint32_t secondsSinceMidnight();

// A random whole number 1..n. Always use this instead of computing it by hand: it
// keeps the result inside 1..n whatever the generator returns.
int randomWhole(Random& random, int n);

enum class WaveFlags : int { Wait = 0, Async = 1 };

// Plays wave files. stop() ends the sound that is playing; play() starts a file and,
// with WaveFlags::Wait, returns when it has finished. Input typed meanwhile waits.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void stop() = 0;
    virtual void play(const std::string& file, WaveFlags flags) = 0;
};

// Stops any sound that is playing and plays file; an empty name does nothing.
void PlayWave(Sound& sound, const std::string& file, int flags);

// Waits a number of seconds by the clock without taking input; keys typed meanwhile
// are handled afterwards, in order.
class Pause {
public:
    virtual ~Pause() = default;
    virtual void Delay(float seconds) = 0;
};

class SleepingPause final : public Pause {
public:
    explicit SleepingPause(Clock& clock) : clock_(clock) {}
    void Delay(float seconds) override;

private:
    Clock& clock_;
};

} // namespace tapwell
