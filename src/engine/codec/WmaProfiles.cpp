#include "engine/codec/WmaProfiles.h"

#include <array>

namespace codec {

namespace {

struct Profile {
    int rate;
    int kbps;
    int channels;
};

// Mono by rising rate, then stereo at CD and studio rates, then stereo at lower rates,
// then high-rate mono. 24 kbit/s is the encoder's floor.
constexpr std::array<Profile, kWmaProfileCount> kProfiles{{
    {8000, 24, 1},   {8000, 32, 1},   {11025, 24, 1},  {11025, 32, 1},  {16000, 24, 1}, {16000, 32, 1},
    {16000, 48, 1},  {22050, 32, 1},  {22050, 48, 1},  {22050, 64, 1},  {32000, 48, 1}, {32000, 64, 1},
    {44100, 48, 1},  {44100, 64, 1},  {44100, 96, 1},  {48000, 64, 1},  {48000, 96, 1}, {44100, 32, 2},
    {44100, 40, 2},  {44100, 48, 2},  {44100, 64, 2},  {44100, 80, 2},  {44100, 96, 2}, {44100, 112, 2},
    {44100, 128, 2}, {44100, 160, 2}, {44100, 192, 2}, {48000, 64, 2},  {48000, 96, 2}, {48000, 128, 2},
    {48000, 160, 2}, {48000, 192, 2}, {8000, 24, 2},   {8000, 32, 2},   {11025, 32, 2}, {11025, 48, 2},
    {16000, 32, 2},  {16000, 48, 2},  {16000, 64, 2},  {22050, 48, 2},  {22050, 64, 2}, {22050, 80, 2},
    {32000, 48, 2},  {32000, 64, 2},  {32000, 96, 2},  {32000, 128, 2}, {22050, 80, 1}, {32000, 96, 1},
    {44100, 128, 1}, {44100, 160, 1}, {48000, 128, 1}, {48000, 160, 1},
}};

} // namespace

std::optional<WmaFormat> wmaProfile(int number) {
    if (number < 0 || number >= kWmaProfileCount)
        return std::nullopt;
    const Profile& p = kProfiles[static_cast<size_t>(number)];
    return WmaFormat{number, p.rate, p.kbps, p.channels};
}

} // namespace codec
