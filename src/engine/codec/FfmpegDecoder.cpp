#include "engine/codec/FfmpegDecoder.h"

#include "engine/codec/DecodedFormat.h"
#include "engine/codec/DecodedFrames.h"
#include "engine/codec/HeaderlessFile.h"
#include "engine/codec/SeekCheckpoints.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <deque>
#include <initializer_list>
#include <limits>
#include <mutex>
#include <optional>
#include <utility>

namespace {

constexpr int kMaxRate = 384000;
// libswresample mixes at most this many channels.
constexpr int kMaxChannels = 64;
// Bounds what one read allocates; callers ask for about a second.
constexpr int kMaxReadFrames = 1 << 20;
// Packets in a row that fail to decode before the rest of the file counts as lost.
constexpr int kMaxBadPackets = 100;
// Packets decoded ahead of a seek target when walking to it: an MP3 frame may draw on
// the bit reservoir of several before it.
constexpr std::size_t kPreRollPackets = 10;
// Frames per packet fed from a headerless file.
constexpr int kRawPacketFrames = 4096;
// How much of a PCM stream's data is probed for another coding: over a dozen frames of
// a 320 kbit/s MP3.
constexpr std::int64_t kPcmProbeBytes = 16384;
constexpr std::int64_t kNoTimestamp = std::numeric_limits<std::int64_t>::min();
static_assert(kNoTimestamp == AV_NOPTS_VALUE);

QString avErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

bool isEndOfFile(int code) {
    return code == AVERROR_EOF;
}

bool isAgain(int code) {
    return code == AVERROR(EAGAIN);
}

void quietLibraries() {
    // Our own messages say what went wrong; FFmpeg's console chatter helps nobody here.
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

struct FormatCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct CodecCloser {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct ResamplerCloser {
    void operator()(SwrContext* context) const { swr_free(&context); }
};
struct PacketCloser {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FrameCloser {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};

// A lone PCM stream whose header gave its rate, channels and length.
bool headerDescribesPcm(const AVFormatContext& format) {
    if (format.nb_streams != 1)
        return false;
    const AVStream& stream = *format.streams[0];
    const AVCodecParameters& params = *stream.codecpar;
    return params.codec_type == AVMEDIA_TYPE_AUDIO && av_get_exact_bits_per_sample(params.codec_id) > 0 &&
           params.sample_rate > 0 && params.ch_layout.nb_channels > 0 && stream.duration > 0;
}

// How the bytes of a headerless file map onto frames: `bytes` bytes hold `frames` frames,
// and a position can only start at such a unit.
struct RawUnit {
    AVCodecID codec = AV_CODEC_ID_NONE;
    int bytes = 0;
    int frames = 0;
    int bitsPerSample = 0;
    // The decoder's state builds up from the start: seconds to decode before a seek target
    // for the state to settle, or -1 when it never does and decoding starts from the top.
    int preRollSeconds = 0;
};

RawUnit rawUnit(const codec::HeaderlessInput& input) {
    using Coding = codec::HeaderlessInput::Coding;
    switch (input.coding) {
    case Coding::Pcm16:
        return {AV_CODEC_ID_PCM_S16LE, 2 * input.channels, 1, 16, 0};
    case Coding::Pcm8:
        return {AV_CODEC_ID_PCM_S8, input.channels, 1, 8, 0};
    case Coding::ALaw:
        return {AV_CODEC_ID_PCM_ALAW, input.channels, 1, 8, 0};
    case Coding::MuLaw:
        return {AV_CODEC_ID_PCM_MULAW, input.channels, 1, 8, 0};
    case Coding::OkiAdpcm:
        // Its predictor has no leak: an offset picked up by starting mid-stream stays.
        return {AV_CODEC_ID_ADPCM_IMA_OKI, 1, 2, 4, -1};
    case Coding::G726:
        return {AV_CODEC_ID_ADPCM_G726LE, input.g726Bits, 8, input.g726Bits, 1};
    }
    return {};
}

// The first non-empty value under any of `keys`, in the container's tags, then the stream's
// (Ogg keeps its comments on the stream). FFmpeg gives ID3, Vorbis, ASF, RIFF INFO and MP4
// tags these common names.
QString tagValue(const AVFormatContext& format, const AVStream& stream,
                 std::initializer_list<const char*> keys) {
    for (const AVDictionary* dict : {static_cast<const AVDictionary*>(format.metadata),
                                     static_cast<const AVDictionary*>(stream.metadata)})
        for (const char* key : keys)
            if (const AVDictionaryEntry* entry = av_dict_get(dict, key, nullptr, 0); entry && entry->value)
                if (const QString value = QString::fromUtf8(entry->value).trimmed(); !value.isEmpty())
                    return value;
    return {};
}

codec::AudioTags readTags(const AVFormatContext& format, const AVStream& stream) {
    codec::AudioTags tags;
    tags.title = tagValue(format, stream, {"title"});
    tags.artist = tagValue(format, stream, {"artist", "author"});
    tags.album = tagValue(format, stream, {"album"});
    tags.year = tagValue(format, stream, {"date", "year", "WM/Year"});
    tags.comment = tagValue(format, stream, {"comment", "description"});
    tags.track = tagValue(format, stream, {"track", "tracknumber"});
    tags.genre = tagValue(format, stream, {"genre"});
    return tags;
}

class FfmpegDecoder final : public Decoder {
public:
    FfmpegDecoder()
        : m_packet(av_packet_alloc())
        , m_frame(av_frame_alloc()) {}
    ~FfmpegDecoder() override { av_channel_layout_uninit(&m_resamplerLayout); }
    FfmpegDecoder(const FfmpegDecoder&) = delete;
    FfmpegDecoder& operator=(const FfmpegDecoder&) = delete;

    bool allocated() const { return m_packet && m_frame; }
    bool openContainer(const QString& path, QString& error);
    bool openHeaderless(const QString& path, const codec::HeaderlessInput& input, QString& error);

    int sampleRate() const override { return m_rate; }
    int channels() const override { return m_channels; }
    std::int64_t length() const override { return m_length; }
    void read(int values, SampleBlock& out) override;
    std::int64_t seek(std::int64_t frame) override;
    QString errorText() const override { return m_error; }
    QString description() const override { return m_description; }
    codec::AudioTags tags() const override { return m_tags; }

private:
    bool openInput(const QByteArray& path, QString& error);
    bool openCodec(const AVCodec* decoder, const AVCodecParameters* params, QString& error);
    std::int64_t scanLength();
    bool fetchPacket();
    bool fetchRawPacket();
    bool decodeMore();
    bool appendFrame(const AVFrame& frame);
    bool configureResampler(const AVFrame& frame);
    void drainResampler();
    void restart(std::int64_t decodedFrom, std::int64_t target);
    bool countBadPacket();
    bool walkTo(std::int64_t stamp, bool fromCheckpoint = true);
    bool readStreamPacket(AVPacket* packet);
    std::int64_t origin() const {
        if (m_origin != kNoTimestamp)
            return m_origin;
        return m_stream->start_time != kNoTimestamp ? m_stream->start_time : 0;
    }

    QByteArray m_path;
    std::unique_ptr<AVFormatContext, FormatCloser> m_format;
    AVStream* m_stream = nullptr;
    std::unique_ptr<AVCodecContext, CodecCloser> m_codec;
    std::unique_ptr<SwrContext, ResamplerCloser> m_resampler;
    AVChannelLayout m_resamplerLayout{};
    int m_resamplerRate = 0;
    int m_resamplerFormat = -1;
    std::unique_ptr<AVPacket, PacketCloser> m_packet;
    std::unique_ptr<AVFrame, FrameCloser> m_frame;

    // Packets to decode before reading on.
    std::deque<std::unique_ptr<AVPacket, PacketCloser>> m_queued;
    // The demuxer's own seek guesses time stamps (MP3 from the byte offset, ASF from its
    // index); positions are then found by reading packets from the start instead.
    bool m_walkToSeek = false;
    // A second apart; only where every packet knows its duration.
    SeekCheckpoints m_checkpoints;
    bool m_useCheckpoints = false;
    std::int64_t m_checkpointGap = 0;
    // Time stamp for the next packet read after jumping to a checkpoint's byte position.
    std::int64_t m_nextStamp = kNoTimestamp;
    bool m_jumped = false;

    HeaderlessFile m_raw;
    RawUnit m_unit;

    int m_rate = 0;
    int m_channels = 0;
    std::int64_t m_length = 0;
    QString m_description;
    QString m_error;
    codec::AudioTags m_tags;

    DecodedFrames m_decoded;
    // Time stamp of frame 0: that of the first frame decoded from the start, which the
    // decoder moves past the encoder's delay.
    std::int64_t m_origin = kNoTimestamp;
    bool m_inputDone = false;
    bool m_ended = false;
    int m_badPackets = 0;
};

bool FfmpegDecoder::openInput(const QByteArray& path, QString& error) {
    AVFormatContext* format = nullptr;
    const int opened = avformat_open_input(&format, path.constData(), nullptr, nullptr);
    if (opened < 0) {
        error = QCoreApplication::translate("FfmpegDecoder", "not an audio file that can be decoded (%1)")
                    .arg(avErrorText(opened));
        return false;
    }
    m_format.reset(format);
    // Broken files may still hold a readable stream; the checks below decide. For a PCM
    // stream the search tries every demuxer on ever longer stretches of the data, since a
    // WAV marked PCM may hold MP3: milliseconds that delay Play. A dozen MP3 frames tell
    // as much.
    if (headerDescribesPcm(*format))
        format->probesize = kPcmProbeBytes;
    avformat_find_stream_info(format, nullptr);
    const AVCodec* decoder = nullptr;
    const int index = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (index < 0) {
        error = index == AVERROR_DECODER_NOT_FOUND
                    ? QCoreApplication::translate("FfmpegDecoder",
                                                  "its sound is in a coding that cannot be decoded")
                    : QCoreApplication::translate("FfmpegDecoder", "it holds no sound");
        return false;
    }
    for (unsigned i = 0; i < format->nb_streams; ++i)
        if (static_cast<int>(i) != index)
            format->streams[i]->discard = AVDISCARD_ALL;
    m_stream = format->streams[index];
    const QByteArray name(format->iformat->name);
    m_walkToSeek = name == "mp3" || name == "asf";
    m_useCheckpoints = name == "mp3";
    m_checkpointGap = av_rescale_q(1, AVRational{1, 1}, m_stream->time_base);
    m_checkpoints.setGap(m_checkpointGap);
    return openCodec(decoder, m_stream->codecpar, error);
}

bool FfmpegDecoder::openCodec(const AVCodec* decoder, const AVCodecParameters* params, QString& error) {
    const int rate = params->sample_rate;
    const int channels = params->ch_layout.nb_channels;
    if (rate <= 0 || rate > kMaxRate) {
        error =
            QCoreApplication::translate("FfmpegDecoder", "its sample rate of %1 Hz is not usable").arg(rate);
        return false;
    }
    if (channels <= 0 || channels > kMaxChannels) {
        error = QCoreApplication::translate("FfmpegDecoder", "its channel count of %1 is not usable")
                    .arg(channels);
        return false;
    }
    m_codec.reset(avcodec_alloc_context3(decoder));
    if (!m_codec || avcodec_parameters_to_context(m_codec.get(), params) < 0) {
        error = QCoreApplication::translate("FfmpegDecoder", "out of memory");
        return false;
    }
    if (m_stream)
        m_codec->pkt_timebase = m_stream->time_base;
    const int opened = avcodec_open2(m_codec.get(), decoder, nullptr);
    if (opened < 0) {
        error = QCoreApplication::translate("FfmpegDecoder", "its decoder does not start (%1)")
                    .arg(avErrorText(opened));
        return false;
    }
    m_rate = rate;
    m_channels = std::min(channels, 2);
    m_decoded.setChannels(m_channels);
    return true;
}

bool FfmpegDecoder::openContainer(const QString& path, QString& error) {
    m_path = QFile::encodeName(path);
    if (!openInput(m_path, error))
        return false;
    std::int64_t length = 0;
    const AVRational perFrame{1, m_rate};
    if (m_stream->duration > 0)
        length = av_rescale_q(m_stream->duration, m_stream->time_base, perFrame);
    else if (m_format->duration > 0)
        length = av_rescale_q(m_format->duration, AVRational{1, AV_TIME_BASE}, perFrame);
    const bool guessed = m_format->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE || length <= 0;
    if (guessed) {
        // A guess from the bit rate misses VBR files by far; counting packets does not.
        if (const std::int64_t counted = scanLength(); counted > 0)
            length = counted;
        m_format.reset();
        m_codec.reset();
        m_stream = nullptr;
        if (!openInput(m_path, error))
            return false;
    }
    // A header may claim more PCM than the file holds.
    const AVCodecParameters& params = *m_stream->codecpar;
    const int bits = av_get_exact_bits_per_sample(params.codec_id);
    const std::int64_t size = m_format->pb ? avio_size(m_format->pb) : -1;
    if (bits > 0 && size >= 0)
        length = std::min<std::int64_t>(
            length, size * 8 / (static_cast<std::int64_t>(bits) * params.ch_layout.nb_channels));
    // An MP3's frame count includes the encoder's delay, which decoding skips; at 8 kHz
    // that alone is over a tenth of a second.
    if (!guessed && QByteArray(m_format->iformat->name) == "mp3" && m_stream->start_time > 0)
        length -= av_rescale_q(m_stream->start_time, m_stream->time_base, perFrame);
    m_length = std::max<std::int64_t>(length, 0);

    const AVCodecDescriptor* descriptor = avcodec_descriptor_get(params.codec_id);
    codec::DecodedFormat format;
    format.container = QString::fromUtf8(m_format->iformat->name);
    if (descriptor) {
        format.codec = QString::fromUtf8(descriptor->name);
        format.codecText =
            QString::fromUtf8(descriptor->long_name ? descriptor->long_name : descriptor->name);
    }
    format.pcmBits = std::max(bits, 0);
    format.rate = m_rate;
    format.channels = params.ch_layout.nb_channels;
    format.bitRate = params.bit_rate;
    m_description = format.describe();
    m_tags = readTags(*m_format, *m_stream);
    // Decoding the first frame now fixes where frame 0 is before anything seeks.
    decodeMore();
    return true;
}

std::int64_t FfmpegDecoder::scanLength() {
    std::int64_t end = 0;
    std::int64_t sum = 0;
    const std::int64_t start = m_stream->start_time != kNoTimestamp ? m_stream->start_time : 0;
    AVPacket* packet = m_packet.get();
    while (av_read_frame(m_format.get(), packet) >= 0) {
        if (packet->stream_index == m_stream->index && packet->duration > 0) {
            sum += packet->duration;
            if (packet->pts != kNoTimestamp)
                end = std::max(end, packet->pts - start + packet->duration);
        }
        av_packet_unref(packet);
    }
    return av_rescale_q(std::max(end, sum), m_stream->time_base, AVRational{1, m_rate});
}

bool FfmpegDecoder::openHeaderless(const QString& path, const codec::HeaderlessInput& input, QString& error) {
    m_unit = rawUnit(input);
    const AVCodec* decoder = avcodec_find_decoder(m_unit.codec);
    if (!decoder || m_unit.bytes <= 0) {
        error = QCoreApplication::translate("FfmpegDecoder", "its coding cannot be decoded here");
        return false;
    }
    if (!m_raw.open(path, m_unit.bytes, m_unit.frames, error))
        return false;
    AVCodecParameters* params = avcodec_parameters_alloc();
    if (!params) {
        error = QCoreApplication::translate("FfmpegDecoder", "out of memory");
        return false;
    }
    params->codec_type = AVMEDIA_TYPE_AUDIO;
    params->codec_id = m_unit.codec;
    params->sample_rate = input.rate;
    params->bits_per_coded_sample = m_unit.bitsPerSample;
    params->block_align = m_unit.bytes;
    av_channel_layout_default(&params->ch_layout, input.channels);
    const bool opened = openCodec(decoder, params, error);
    avcodec_parameters_free(&params);
    if (!opened)
        return false;
    m_length = m_raw.frames();
    return true;
}

bool FfmpegDecoder::countBadPacket() {
    if (++m_badPackets <= kMaxBadPackets)
        return true;
    m_error = QCoreApplication::translate("FfmpegDecoder",
                                          "The rest of the file is damaged and cannot be decoded.");
    m_ended = true;
    return false;
}

bool FfmpegDecoder::fetchPacket() {
    if (!m_format)
        return fetchRawPacket();
    AVPacket* packet = m_packet.get();
    if (!m_queued.empty()) {
        av_packet_move_ref(packet, m_queued.front().get());
        m_queued.pop_front();
        return true;
    }
    // Any read error past this point is a truncated or damaged end: keep what decoded.
    return readStreamPacket(packet);
}

bool FfmpegDecoder::readStreamPacket(AVPacket* packet) {
    for (;;) {
        if (av_read_frame(m_format.get(), packet) < 0)
            return false;
        if (packet->stream_index == m_stream->index)
            break;
        av_packet_unref(packet);
    }
    if (m_nextStamp != kNoTimestamp) {
        packet->pts = m_nextStamp;
        packet->dts = m_nextStamp;
        m_nextStamp = packet->duration > 0 ? m_nextStamp + packet->duration : kNoTimestamp;
    }
    if (m_useCheckpoints && packet->pts != kNoTimestamp)
        m_checkpoints.note(packet->pts, packet->pos);
    return true;
}

bool FfmpegDecoder::fetchRawPacket() {
    const int wanted = m_raw.bytesFor(kRawPacketFrames);
    AVPacket* packet = m_packet.get();
    if (av_new_packet(packet, wanted) < 0)
        return false;
    const int whole = m_raw.read(reinterpret_cast<char*>(packet->data), wanted);
    if (whole <= 0) {
        av_packet_unref(packet);
        return false;
    }
    av_shrink_packet(packet, whole);
    return true;
}

bool FfmpegDecoder::decodeMore() {
    AVCodecContext* codec = m_codec.get();
    while (!m_ended) {
        const int received = avcodec_receive_frame(codec, m_frame.get());
        if (received == 0) {
            m_badPackets = 0;
            const bool appended = appendFrame(*m_frame);
            av_frame_unref(m_frame.get());
            return appended;
        }
        if (isEndOfFile(received) || (m_inputDone && isAgain(received))) {
            drainResampler();
            m_ended = true;
            return false;
        }
        if (!isAgain(received)) {
            if (!countBadPacket())
                return false;
            continue;
        }
        if (!fetchPacket()) {
            avcodec_send_packet(codec, nullptr);
            m_inputDone = true;
            continue;
        }
        const int sent = avcodec_send_packet(codec, m_packet.get());
        av_packet_unref(m_packet.get());
        if (sent < 0 && !countBadPacket())
            return false;
    }
    return false;
}

bool FfmpegDecoder::configureResampler(const AVFrame& frame) {
    const int channels = frame.ch_layout.nb_channels;
    if (m_resampler && frame.sample_rate == m_resamplerRate && frame.format == m_resamplerFormat &&
        av_channel_layout_compare(&frame.ch_layout, &m_resamplerLayout) == 0)
        return true;
    if (frame.sample_rate <= 0 || frame.sample_rate > kMaxRate || channels <= 0 || channels > kMaxChannels) {
        m_error = QCoreApplication::translate("FfmpegDecoder",
                                              "The file changes to a format that cannot be played.");
        return false;
    }
    // A chained stream may change format; what it decoded so far is still owed.
    drainResampler();
    av_channel_layout_uninit(&m_resamplerLayout);
    if (av_channel_layout_copy(&m_resamplerLayout, &frame.ch_layout) < 0)
        return false;
    AVChannelLayout in{};
    if (frame.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&in, channels);
    else
        av_channel_layout_copy(&in, &frame.ch_layout);
    AVChannelLayout out{};
    av_channel_layout_default(&out, m_channels);
    SwrContext* resampler = nullptr;
    const int allocated =
        swr_alloc_set_opts2(&resampler, &out, AV_SAMPLE_FMT_S16, m_rate, &in,
                            static_cast<AVSampleFormat>(frame.format), frame.sample_rate, 0, nullptr);
    av_channel_layout_uninit(&in);
    av_channel_layout_uninit(&out);
    m_resampler.reset(resampler);
    if (allocated < 0 || swr_init(resampler) < 0) {
        m_resampler.reset();
        m_error = QCoreApplication::translate("FfmpegDecoder", "Cannot mix %1 channels down to stereo.")
                      .arg(channels);
        return false;
    }
    m_resamplerRate = frame.sample_rate;
    m_resamplerFormat = frame.format;
    return true;
}

bool FfmpegDecoder::appendFrame(const AVFrame& frame) {
    if (!configureResampler(frame)) {
        if (m_error.isEmpty())
            m_error = QCoreApplication::translate("FfmpegDecoder", "Out of memory while decoding.");
        m_ended = true;
        return false;
    }
    const std::int64_t stamp = frame.best_effort_timestamp;
    if (m_stream && m_origin == kNoTimestamp)
        m_origin = stamp != kNoTimestamp ? stamp : origin();
    if (!m_decoded.firstKnown()) {
        // First frame after a seek: its time stamp says where the demuxer really landed.
        if (stamp == kNoTimestamp || !m_stream)
            m_decoded.setFirst(m_decoded.target());
        else
            m_decoded.setFirst(std::max<std::int64_t>(
                0, av_rescale_q(stamp - m_origin, m_stream->time_base, AVRational{1, m_rate})));
    }
    const int room = swr_get_out_samples(m_resampler.get(), frame.nb_samples);
    if (room < 0)
        return false;
    auto* out = reinterpret_cast<std::uint8_t*>(m_decoded.room(room));
    const int converted =
        swr_convert(m_resampler.get(), &out, room, const_cast<const std::uint8_t**>(frame.extended_data),
                    frame.nb_samples);
    m_decoded.add(converted);
    return converted >= 0;
}

void FfmpegDecoder::drainResampler() {
    if (!m_resampler)
        return;
    const int room = swr_get_out_samples(m_resampler.get(), 0);
    if (room <= 0)
        return;
    auto* out = reinterpret_cast<std::uint8_t*>(m_decoded.room(room));
    m_decoded.add(swr_convert(m_resampler.get(), &out, room, nullptr, 0));
}

void FfmpegDecoder::read(int values, SampleBlock& out) {
    const auto wanted = static_cast<std::size_t>(std::clamp(values / m_channels, 1, kMaxReadFrames)) *
                        static_cast<std::size_t>(m_channels);
    while (m_decoded.values() < wanted && !m_ended)
        decodeMore();
    m_decoded.take(wanted, out);
}

void FfmpegDecoder::restart(std::int64_t decodedFrom, std::int64_t target) {
    avcodec_flush_buffers(m_codec.get());
    m_resampler.reset();
    m_decoded.restart(decodedFrom, target);
    m_inputDone = false;
    m_ended = false;
    m_badPackets = 0;
    m_error.clear();
}

bool FfmpegDecoder::walkTo(std::int64_t stamp, bool fromCheckpoint) {
    m_queued.clear();
    m_nextStamp = kNoTimestamp;
    // The last checkpoint a second or more before the target leaves room for the packets
    // decoded ahead of it; the very first packet is left to the start, which skips the delay.
    const std::optional<SeekCheckpoints::Point> from = m_checkpoints.before(stamp, origin());
    std::int64_t expectedPos = -1;
    if (fromCheckpoint && from &&
        av_seek_frame(m_format.get(), m_stream->index, from->pos, AVSEEK_FLAG_BYTE) >= 0) {
        m_nextStamp = from->stamp;
        expectedPos = from->pos;
        m_jumped = true;
    } else if (m_jumped) {
        // After byte jumps the demuxer's own index holds time stamps it guessed; a fresh
        // start is the one sure way back to the top.
        QString error;
        m_format.reset();
        m_codec.reset();
        m_stream = nullptr;
        if (!openInput(m_path, error)) {
            m_format.reset();
            return false;
        }
        m_jumped = false;
    } else {
        // Every demuxer finds its start exactly, and time stamps read on from there are exact.
        const std::int64_t start = std::min<std::int64_t>(0, origin());
        if (avformat_seek_file(m_format.get(), m_stream->index, std::numeric_limits<std::int64_t>::min(),
                               start, start, 0) < 0 &&
            av_seek_frame(m_format.get(), m_stream->index, start, AVSEEK_FLAG_BACKWARD) < 0)
            return false;
    }
    for (;;) {
        std::unique_ptr<AVPacket, PacketCloser> packet(av_packet_alloc());
        if (!packet)
            return false;
        if (!readStreamPacket(packet.get()))
            return true;
        if (expectedPos >= 0 && std::exchange(expectedPos, -1) != packet->pos)
            return walkTo(stamp, false); // the parser found another frame start there
        const bool reached =
            packet->pts != kNoTimestamp && packet->pts + std::max<std::int64_t>(packet->duration, 0) > stamp;
        m_queued.push_back(std::move(packet));
        if (reached)
            return true;
        if (m_queued.size() > kPreRollPackets)
            m_queued.pop_front();
    }
}

std::int64_t FfmpegDecoder::seek(std::int64_t frame) {
    if (!m_codec || (!m_format && !m_raw.isOpen()))
        return -1;
    const std::int64_t target =
        std::clamp<std::int64_t>(frame, 0, m_length > 0 ? m_length : std::max<std::int64_t>(frame, 0));
    if (!m_format) {
        std::int64_t from = 0;
        if (m_unit.preRollSeconds >= 0)
            from =
                std::max<std::int64_t>(0, target - static_cast<std::int64_t>(m_unit.preRollSeconds) * m_rate);
        from = m_raw.seek(from);
        if (from < 0)
            return -1;
        restart(from, target);
    } else {
        const std::int64_t stamp =
            origin() + av_rescale_q(target, AVRational{1, m_rate}, m_stream->time_base);
        m_queued.clear();
        m_nextStamp = kNoTimestamp;
        if (m_walkToSeek) {
            if (!walkTo(stamp)) {
                // Without a demuxer (the file went away) there is nothing more to read.
                m_ended = m_ended || !m_format;
                return -1;
            }
        } else {
            // Land on or before the target; the frames up to it are decoded and dropped.
            int sought = avformat_seek_file(m_format.get(), m_stream->index,
                                            std::numeric_limits<std::int64_t>::min(), stamp, stamp, 0);
            if (sought < 0)
                sought = av_seek_frame(m_format.get(), m_stream->index, stamp, AVSEEK_FLAG_BACKWARD);
            if (sought < 0)
                return -1;
        }
        restart(-1, target);
    }
    while (m_decoded.values() == 0 && !m_ended)
        decodeMore();
    if (!m_decoded.firstKnown())
        m_decoded.setFirst(target);
    return m_decoded.position();
}

// Null, saying why, when `path` is no file to open or memory runs out.
std::unique_ptr<FfmpegDecoder> newDecoderFor(const QString& path, QString& error) {
    quietLibraries();
    const QFileInfo info(path);
    if (!info.exists() || info.isDir()) {
        error = info.isDir() ? QCoreApplication::translate("FfmpegDecoder", "it is a folder")
                             : QCoreApplication::translate("FfmpegDecoder", "the file does not exist");
        return nullptr;
    }
    auto decoder = std::make_unique<FfmpegDecoder>();
    if (!decoder->allocated()) {
        error = QCoreApplication::translate("FfmpegDecoder", "out of memory");
        return nullptr;
    }
    return decoder;
}

} // namespace

std::unique_ptr<Decoder> openFfmpegDecoder(const QString& path, QString& error) {
    std::unique_ptr<FfmpegDecoder> decoder = newDecoderFor(path, error);
    if (!decoder || !decoder->openContainer(path, error))
        return nullptr;
    return decoder;
}

std::unique_ptr<Decoder> openHeaderlessDecoder(const QString& path, const codec::HeaderlessInput& input,
                                               QString& error) {
    std::unique_ptr<FfmpegDecoder> decoder = newDecoderFor(path, error);
    if (!decoder || !decoder->openHeaderless(path, input, error))
        return nullptr;
    return decoder;
}
