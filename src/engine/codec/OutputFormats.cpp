#include "engine/codec/OutputFormats.h"

#include "engine/codec/WavCodecs.h"
#include "engine/codec/WmaProfiles.h"

#include <algorithm>
#include <array>

namespace codec {

namespace {

int rateOrDefault(int rate) {
    return rate >= 6000 && rate <= 48000 ? rate : kDefaultRate;
}

int channelsOrDefault(int channels) {
    return channels == 1 || channels == 2 ? channels : kDefaultChannels;
}

int pcmBitsOrDefault(int bits) {
    return bits == 8 || bits == 16 ? bits : kDefaultBits;
}

int mpegRateOrDefault(int rate) {
    constexpr std::array kRates{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
    return std::ranges::find(kRates, rate) != kRates.end() ? rate : kDefaultRate;
}

int mpegKbpsOrDefault(int kbps) {
    constexpr std::array kRates{8,  16,  24,  32,  40,  48,  56,  64,  80,
                                96, 112, 128, 144, 160, 192, 224, 256, 320};
    return std::ranges::find(kRates, kbps) != kRates.end() ? kbps : 128;
}

} // namespace

void OutputFormats::setWav(const WavFormat& format) {
    wavRate = format.rate;
    wavChannels = static_cast<std::int16_t>(format.channels);
    wavCodec = static_cast<std::int16_t>(format.codec);
    wavBits = static_cast<std::int16_t>(format.bits);
    wavRefusal = format.refusal;
}

WavFormat OutputFormats::wav() const {
    const auto codec = static_cast<WavCodec>(wavCodec);
    WavFormat format = codec == WavCodec::Pcm
                           ? makeWavFormat(codec, rateOrDefault(wavRate), channelsOrDefault(wavChannels),
                                           pcmBitsOrDefault(wavBits))
                           : makeWavFormat(codec, wavRate, wavChannels, wavBits);
    if (!wavRefusal.isEmpty())
        format.refusal = wavRefusal;
    return format;
}

Mp3Format OutputFormats::mp3() const {
    Mp3Format mp3;
    mp3.rate = mpegRateOrDefault(mp3Options.sampleRate() > 0 ? mp3Options.sampleRate() : mp3Rate);
    mp3.kbps = mpegKbpsOrDefault(mp3Options.bitrate() > 0 ? mp3Options.bitrate() : mp3Kbps);
    mp3.channels = channelsOrDefault(mp3Channels);
    mp3.options = mp3Options;
    return mp3;
}

VoxFormat OutputFormats::vox() const {
    return {rateOrDefault(voxRate)};
}

RawFormat OutputFormats::raw() const {
    RawFormat raw;
    raw.coding =
        rawCoding >= RawFormat::Pcm16 && rawCoding <= RawFormat::MuLaw ? rawCoding : int{RawFormat::Pcm16};
    raw.rate = rateOrDefault(rawRate);
    raw.channels = channelsOrDefault(rawChannels);
    // Companded samples are always 8 bits wide.
    raw.bits = raw.coding == RawFormat::Pcm16 ? pcmBitsOrDefault(rawBits) : 8;
    return raw;
}

G726Format OutputFormats::g726() const {
    return {rateOrDefault(g726Rate),
            g726BitsPerSample >= 2 && g726BitsPerSample <= 5 ? g726BitsPerSample : 4};
}

OggFormat OutputFormats::ogg() const {
    const OggCall call = oggCallFor(*this);
    OggFormat ogg;
    ogg.rate = rateOrDefault(call.sampleRate);
    ogg.channels = channelsOrDefault(call.channels);
    ogg.quality = call.quality >= 0 && call.quality <= 1000 ? call.quality : -1;
    ogg.nominalKbps = call.nominalKbps >= 32 && call.nominalKbps <= 500 ? call.nominalKbps : 128;
    // Limits only make sense as a pair; the nominal rate is moved inside them, since the
    // dialog sets it apart from a range the user chose on purpose.
    const bool limits = call.minKbps >= 32 && call.minKbps <= call.maxKbps && call.maxKbps <= 500;
    ogg.minKbps = limits ? call.minKbps : 0;
    ogg.maxKbps = limits ? call.maxKbps : 0;
    if (limits)
        ogg.nominalKbps = std::clamp(ogg.nominalKbps, call.minKbps, call.maxKbps);
    return ogg;
}

WmaFormat OutputFormats::wma() const {
    return codec::wmaProfile(wmaProfile).value_or(*codec::wmaProfile(24));
}

HeaderlessFormats OutputFormats::headerless() const {
    return {vox(), raw(), g726()};
}

namespace {

// Calls `use` with the parameters a file of `type` is written with.
template <typename Use> auto withFormat(const OutputFormats& formats, FileType type, Use use) {
    switch (type) {
    case FileType::Mp3:
        return use(formats.mp3());
    case FileType::Vox:
        return use(formats.vox());
    case FileType::Raw:
        return use(formats.raw());
    case FileType::G726:
        return use(formats.g726());
    case FileType::Ogg:
        return use(formats.ogg());
    case FileType::Wma:
        return use(formats.wma());
    case FileType::Wav:
        break;
    }
    return use(formats.wav());
}

} // namespace

QString OutputFormats::description(FileType type) const {
    return withFormat(*this, type, [](const auto& format) { return format.describe(); });
}

double OutputFormats::bytesPerSecond(FileType type) const {
    return withFormat(*this, type, [](const auto& format) {
        if constexpr (requires { format.refusal; })
            return format.refusal.isEmpty() ? format.bytesPerSecond() : 0.0;
        else
            return format.bytesPerSecond();
    });
}

std::pair<int, int> OutputFormats::rateAndChannels(FileType type) const {
    return withFormat(*this, type, [](const auto& format) {
        // VOX and G.726 are mono by nature.
        if constexpr (requires { format.channels; })
            return std::pair{format.rate, format.channels};
        else
            return std::pair{format.rate, 1};
    });
}

OggCall oggCallFor(const OutputFormats& f) {
    if (f.oggQualityEnabled == 1)
        return {f.oggRate, f.oggChannels, 128, 0, 0, f.oggQuality};
    if (f.oggVbrEnabled == 1)
        return {f.oggRate, f.oggChannels, f.oggKbps, f.oggMinKbps, f.oggMaxKbps, -1};
    return {f.oggRate, f.oggChannels, f.oggKbps, 0, 0, -1};
}

} // namespace codec
