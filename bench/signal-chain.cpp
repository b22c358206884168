// Runs SECONDS of 44.1 kHz stereo through the capture-side signal chain in 50 ms blocks,
// as libpulse hands them over. MODE: off (everything switched off), filters (the three
// filters) or all (filters and gain control). Measured by bench/signal-chain.sh.
#include "engine/dsp/SignalChain.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s off|filters|all SECONDS\n", argv[0]);
        return 2;
    }
    const bool filters = std::strcmp(argv[1], "off") != 0;
    const bool agc = std::strcmp(argv[1], "all") == 0;
    const int seconds = std::atoi(argv[2]);
    constexpr int kRate = 44100;
    constexpr int kBlockFrames = kRate / 20;

    SignalChain chain;
    for (auto f : {SignalChain::Notch, SignalChain::HighPass, SignalChain::LowPass})
        chain.setFilterEnabled(f, filters);
    chain.setAgcEnabled(agc);
    chain.prepare(kRate, 2);

    // One second of a 440 Hz tone, reused.
    std::vector<std::int16_t> second(2 * kRate);
    for (int i = 0; i < kRate; ++i)
        second[2 * i] = second[2 * i + 1] =
            static_cast<std::int16_t>(8000 * std::sin(2 * std::numbers::pi * 440 * i / kRate));
    std::vector<std::int16_t> block(2 * kBlockFrames);
    long long checksum = 0;
    for (int s = 0; s < seconds; ++s) {
        for (int at = 0; at < kRate; at += kBlockFrames) {
            std::memcpy(block.data(), second.data() + 2 * at, block.size() * sizeof(std::int16_t));
            chain.process(block.data(), kBlockFrames);
            checksum += block[0];
        }
    }
    std::printf("%lld\n", checksum);
    return 0;
}
