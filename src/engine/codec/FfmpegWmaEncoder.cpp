#include "engine/codec/FfmpegWmaEncoder.h"

#include "engine/codec/OutputFile.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

namespace {

QString ffmpegText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

class WmaEncoder final : public Encoder {
public:
    static std::unique_ptr<Encoder> open(const QString& path, const codec::WmaFormat& format,
                                         const codec::AudioTags& tags, EncoderError& error) {
        std::unique_ptr<WmaEncoder> encoder(new WmaEncoder(format.channels));
        if (const QString why = encoder->setUp(format); !why.isEmpty()) {
            error = {EncoderError::Kind::System,
                     QCoreApplication::translate("FfmpegWmaEncoder", "the WMA encoder refuses %1: %2")
                         .arg(format.describe(), why)};
            return nullptr;
        }
        encoder->setMetadata(tags);
        error = encoder->m_out.open(path);
        if (error.failed())
            return nullptr;
        const int result = avformat_write_header(encoder->m_format, nullptr);
        if (result >= 0)
            avio_flush(encoder->m_format->pb);
        error = encoder->ioErrorOr(result);
        if (error.failed()) {
            encoder->m_out.discard();
            return nullptr;
        }
        return encoder;
    }

    ~WmaEncoder() override {
        close();
        avcodec_free_context(&m_codec);
        av_frame_free(&m_frame);
        av_packet_free(&m_packet);
        if (m_format) {
            if (m_format->pb)
                av_freep(&m_format->pb->buffer);
            avio_context_free(&m_format->pb);
            avformat_free_context(m_format);
        }
    }

    EncoderError write(const SampleBlock& block) override {
        if (!m_out.isOpen())
            return {};
        const size_t frames = block.size() / static_cast<size_t>(m_channels);
        const std::int16_t* in = block.data();
        for (size_t i = 0; i < frames; ++i)
            for (int c = 0; c < m_channels; ++c)
                m_pending[static_cast<size_t>(c)].push_back(static_cast<float>(*in++) / 32768.0F);
        EncoderError error;
        while (!error.failed() && m_pending[0].size() - m_consumed >= m_frameSize)
            error = encodeFrame(m_frameSize);
        dropConsumed();
        if (!error.failed())
            error = flushIo();
        if (error.failed())
            m_out.close();
        return error;
    }

    EncoderError close() override {
        if (!m_out.isOpen())
            return {};
        EncoderError error;
        if (m_pending[0].size() > m_consumed)
            error = encodeFrame(m_pending[0].size() - m_consumed);
        dropConsumed();
        if (!error.failed())
            error = sendAndWrite(nullptr);
        if (!error.failed())
            error = ioErrorOr(av_write_trailer(m_format));
        if (!error.failed())
            error = flushIo();
        const EncoderError closed = m_out.close();
        return error.failed() ? error : closed;
    }

private:
    explicit WmaEncoder(int channels)
        : m_channels(channels)
        , m_pending(static_cast<size_t>(channels)) {}

    // The ASF muxer stores these as the content description and WM/ attributes. It has no
    // name of its own for the year, so that one is given as the attribute WMA readers know.
    void setMetadata(const codec::AudioTags& tags) {
        const std::pair<const char*, const QString*> fields[] = {
            {"title", &tags.title},  {"artist", &tags.artist},   {"album", &tags.album},
            {"WM/Year", &tags.year}, {"comment", &tags.comment}, {"track", &tags.track},
            {"genre", &tags.genre},
        };
        for (const auto& [key, value] : fields)
            if (!value->isEmpty())
                av_dict_set(&m_format->metadata, key, value->toUtf8().constData(), 0);
    }

    // Returns why the encoder or the container cannot be set up, or nothing.
    QString setUp(const codec::WmaFormat& format) {
        const AVCodec* wma = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
        if (!wma)
            return QCoreApplication::translate("FfmpegWmaEncoder", "no WMA encoder in this FFmpeg");
        int result = avformat_alloc_output_context2(&m_format, nullptr, "asf", nullptr);
        if (result < 0)
            return ffmpegText(result);
        m_codec = avcodec_alloc_context3(wma);
        m_frame = av_frame_alloc();
        m_packet = av_packet_alloc();
        if (!m_codec || !m_frame || !m_packet)
            return ffmpegText(AVERROR(ENOMEM));
        m_codec->sample_rate = format.rate;
        m_codec->sample_fmt = AV_SAMPLE_FMT_FLTP;
        m_codec->bit_rate = format.kbps * 1000L;
        m_codec->time_base = {1, format.rate};
        av_channel_layout_default(&m_codec->ch_layout, format.channels);
        if (m_format->oformat->flags & AVFMT_GLOBALHEADER)
            m_codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if ((result = avcodec_open2(m_codec, wma, nullptr)) < 0)
            return ffmpegText(result);
        m_frameSize = m_codec->frame_size > 0 ? static_cast<size_t>(m_codec->frame_size) : 2048;

        AVStream* stream = avformat_new_stream(m_format, nullptr);
        if (!stream)
            return ffmpegText(AVERROR(ENOMEM));
        stream->time_base = m_codec->time_base;
        if ((result = avcodec_parameters_from_context(stream->codecpar, m_codec)) < 0)
            return ffmpegText(result);
        m_stream = stream;

        constexpr int kBufferSize = 64 * 1024;
        auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
        m_format->pb = buffer ? avio_alloc_context(buffer, kBufferSize, 1, this, nullptr,
                                                   &WmaEncoder::ioWrite, &WmaEncoder::ioSeek)
                              : nullptr;
        if (!m_format->pb) {
            av_free(buffer);
            return ffmpegText(AVERROR(ENOMEM));
        }
        m_format->flags |= AVFMT_FLAG_CUSTOM_IO;
        return {};
    }

    // Forgets the frames already encoded: once per block, not once per encoded frame.
    void dropConsumed() {
        for (std::vector<float>& in : m_pending)
            in.erase(in.begin(), in.begin() + static_cast<std::ptrdiff_t>(m_consumed));
        m_consumed = 0;
    }

    // Encodes the next `count` pending frames; a short last frame is padded with silence.
    EncoderError encodeFrame(size_t count) {
        av_frame_unref(m_frame);
        m_frame->nb_samples = static_cast<int>(m_frameSize);
        m_frame->format = m_codec->sample_fmt;
        m_frame->sample_rate = m_codec->sample_rate;
        av_channel_layout_copy(&m_frame->ch_layout, &m_codec->ch_layout);
        if (const int result = av_frame_get_buffer(m_frame, 0); result < 0)
            return ioErrorOr(result);
        for (size_t c = 0; c < m_pending.size(); ++c) {
            auto* out = reinterpret_cast<float*>(m_frame->extended_data[c]);
            const std::vector<float>& in = m_pending[c];
            std::copy_n(in.begin() + static_cast<std::ptrdiff_t>(m_consumed), count, out);
            std::fill(out + count, out + m_frameSize, 0.0F);
        }
        m_consumed += count;
        m_frame->pts = m_nextPts;
        m_nextPts += static_cast<std::int64_t>(m_frameSize);
        return sendAndWrite(m_frame);
    }

    // Hands a frame (or the end, for nullptr) to the encoder and muxes what comes out.
    EncoderError sendAndWrite(AVFrame* frame) {
        int result = avcodec_send_frame(m_codec, frame);
        while (result >= 0) {
            result = avcodec_receive_packet(m_codec, m_packet);
            if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
                return {};
            if (result < 0)
                break;
            av_packet_rescale_ts(m_packet, m_codec->time_base, m_stream->time_base);
            m_packet->stream_index = m_stream->index;
            result = av_write_frame(m_format, m_packet);
        }
        return ioErrorOr(result);
    }

    EncoderError flushIo() {
        avio_flush(m_format->pb);
        return ioErrorOr(m_format->pb->error);
    }

    EncoderError ioErrorOr(int result) const {
        if (m_ioError.failed())
            return m_ioError;
        if (result < 0)
            return {EncoderError::Kind::System, ffmpegText(result)};
        return {};
    }

    static WmaEncoder& self(void* opaque) { return *static_cast<WmaEncoder*>(opaque); }

    static int ioWrite(void* opaque, std::uint8_t* data, int size) {
        WmaEncoder& e = self(opaque);
        const EncoderError error = e.m_out.writeAt(e.m_position, data, size);
        if (error.failed()) {
            e.m_ioError = error;
            return AVERROR(EIO);
        }
        e.m_position += size;
        return size;
    }

    static std::int64_t ioSeek(void* opaque, std::int64_t offset, int whence) {
        WmaEncoder& e = self(opaque);
        switch (whence & ~AVSEEK_FORCE) {
        case AVSEEK_SIZE:
            return e.m_out.length();
        case SEEK_SET:
            return e.m_position = offset;
        case SEEK_CUR:
            return e.m_position += offset;
        case SEEK_END:
            return e.m_position = e.m_out.length() + offset;
        default:
            return AVERROR(EINVAL);
        }
    }

    int m_channels;
    std::vector<std::vector<float>> m_pending;
    // Frames at the front of m_pending already handed to the encoder.
    size_t m_consumed = 0;
    size_t m_frameSize = 2048;
    std::int64_t m_nextPts = 0;
    std::int64_t m_position = 0;
    AVFormatContext* m_format = nullptr;
    AVCodecContext* m_codec = nullptr;
    AVStream* m_stream = nullptr;
    AVFrame* m_frame = nullptr;
    AVPacket* m_packet = nullptr;
    OutputFile m_out;
    EncoderError m_ioError;
};

} // namespace

std::unique_ptr<Encoder> openWmaEncoder(const QString& path, const codec::WmaFormat& format,
                                        const codec::AudioTags& tags, EncoderError& error) {
    return WmaEncoder::open(path, format, tags, error);
}
