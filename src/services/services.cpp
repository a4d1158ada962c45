#include "services/services.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>

namespace tapwell {

std::int64_t SteadyClock::ms() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SeededRandom::reseed(std::uint32_t seed) {
    // splitmix64 spreads small seeds (such as the seconds of the day) over the state.
    std::uint64_t z = seed + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    state_ = (z ^ (z >> 31)) | 1;
}

float SeededRandom::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    const auto bits = static_cast<std::uint32_t>(state_ >> 40); // 24 bits
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

std::uint32_t secondsSinceMidnight() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<std::uint32_t>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
}

int randomWhole(Random& random, int n) {
    if (n < 1) return 1;
    const int k = static_cast<int>(static_cast<double>(random.next()) * n) + 1;
    return std::clamp(k, 1, n);
}

void PlayWave(Sound& sound, const std::string& file, int flags) {
    if (file.empty()) return;
    sound.stop();
    sound.play(file, flags == 0 ? WaveFlags::Wait : WaveFlags::Async);
}

void SleepingPause::Delay(float seconds) {
    const std::int64_t start = clock_.ms();
    const auto wanted = static_cast<std::int64_t>(static_cast<double>(seconds) * 1000.0 + 0.999);
    for (;;) {
        const std::int64_t left = wanted - (clock_.ms() - start);
        if (left <= 0) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(left));
    }
}

} // namespace tapwell
