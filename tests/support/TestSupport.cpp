#include "TestSupport.h"

#include "engine/codec/AudioFileWriter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace testsupport {

int run(const QString& program, const QStringList& args, QString* out, int timeoutMs) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted() || !p.waitForFinished(timeoutMs))
        return -1;
    if (out)
        *out = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QString sourceDescription(const QString& name) {
    QString out;
    if (run(QStringLiteral("pactl"),
            {QStringLiteral("-f"), QStringLiteral("json"), QStringLiteral("list"), QStringLiteral("sources")},
            &out) != 0)
        return {};
    const QJsonArray sources = QJsonDocument::fromJson(out.toUtf8()).array();
    for (const QJsonValue& s : sources) {
        if (s[QStringLiteral("name")].toString() == name)
            return s[QStringLiteral("description")].toString();
    }
    return {};
}

namespace {

// The ramp files' amplitude at their start, and its rise to their end.
constexpr double kRampStart = 0.05;
constexpr double kRampSpan = 0.9;

bool onPipeWire() {
    QString info;
    run(QStringLiteral("pactl"), {QStringLiteral("info")}, &info);
    return info.contains(QStringLiteral("on PipeWire"));
}

QString loadModule(const QStringList& args) {
    QString out;
    return run(QStringLiteral("pactl"), QStringList{QStringLiteral("load-module")} + args, &out) == 0
               ? out.trimmed()
               : QString();
}

} // namespace

QString loadSineSource(const QString& name, int frequency, const QString& folder) {
    if (!onPipeWire())
        return loadModule({QStringLiteral("module-sine-source"), QStringLiteral("source_name=") + name,
                           QStringLiteral("frequency=%1").arg(frequency)});
    const QString fifo = QDir(folder).filePath(name + QStringLiteral(".fifo"));
    if (run(QStringLiteral("mkfifo"), {fifo}) != 0)
        return {};
    const QString module =
        loadModule({QStringLiteral("module-pipe-source"), QStringLiteral("source_name=") + name,
                    QStringLiteral("file=") + fifo, QStringLiteral("format=s16le"),
                    QStringLiteral("rate=48000"), QStringLiteral("channels=1")});
    // The writer gets SIGPIPE once the module, the fifo's only reader, is gone.
    if (!module.isEmpty())
        QProcess::startDetached(
            QStringLiteral("sh"),
            {QStringLiteral("-c"),
             QStringLiteral(
                 "exec sox -q -n -r 48000 -c 1 -b 16 -e signed -t raw - synth sine %1 vol 0.5 > \"$0\"")
                 .arg(frequency),
             fifo});
    return module;
}

QString loadNullSource(const QString& name, int channels) {
    const QString count = QStringLiteral("channels=%1").arg(channels);
    if (onPipeWire())
        return loadModule({QStringLiteral("module-null-sink"),
                           QStringLiteral("media.class=Audio/Source/Virtual"),
                           QStringLiteral("sink_name=") + name, count});
    return loadModule({QStringLiteral("module-null-source"), QStringLiteral("source_name=") + name, count});
}

bool chooseSource(AudioRecorder& rec, const QString& description) {
    for (int dev = 0; dev < rec.sources().deviceCount(); ++dev) {
        rec.selectDevice(dev);
        for (int src = 0; src <= rec.sources().lastSourceIndex(); ++src) {
            rec.selectSource(src);
            if (rec.sources().sourceName() == description) {
                rec.setSourceActive(true);
                return true;
            }
        }
    }
    return false;
}

bool recordTone(AudioFileWriter& codec, const QString& path, double seconds) {
    AudioRecorder rec;
    // The monitor of the sine's sink runs with the clock; the sine source itself delivers in lumps.
    if (!chooseSource(rec, sourceDescription(QStringLiteral("tonesink.monitor")))) {
        qWarning("no tone source");
        return false;
    }
    codec.create(path);
    if (codec.status() < 0) {
        qWarning("Create failed: %s", qPrintable(codec.errorText()));
        return false;
    }
    const int rate = codec.sampleRate();
    rec.setCaptureFormat(rate, codec.channels());
    rec.setBlockSize(rate);
    QObject::connect(&rec, &AudioRecorder::blockCaptured, &rec,
                     [&](const SampleBlock& b) { codec.write(b); });
    rec.start();
    if (rec.status() < 0) {
        qWarning("Start failed: %s", qPrintable(rec.errorText()));
        codec.close();
        return false;
    }
    const auto wanted = static_cast<qint64>(seconds * rate);
    QDeadlineTimer deadline(static_cast<qint64>(seconds * 1000) + 5000);
    while (rec.capturedFrames() < wanted && !deadline.hasExpired())
        QTest::qWait(10);
    rec.stop();
    QCoreApplication::processEvents(); // the blocks Stop hands out
    codec.close();
    if (codec.status() < 0 || rec.capturedFrames() < wanted) {
        qWarning("recording failed: %s", qPrintable(codec.errorText()));
        return false;
    }
    return true;
}

SinkListener::SinkListener(int sampleRate)
    : m_rate(sampleRate) {
    m_ok = chooseSource(m_rec, sourceDescription(QStringLiteral("out.monitor")));
    m_rec.setCaptureFormat(sampleRate, 1);
    m_rec.setBlockSize(sampleRate / 10);
    QObject::connect(&m_rec, &AudioRecorder::blockCaptured, &m_rec,
                     [this](const SampleBlock& b) { m_heard.insert(m_heard.end(), b.begin(), b.end()); });
}

bool SinkListener::listenFor(int ms) {
    const std::size_t target =
        m_heard.size() + static_cast<std::size_t>(static_cast<qint64>(m_rate) * ms / 1000);
    return QTest::qWaitFor([&] { return m_heard.size() >= target; }, ms + 5000);
}

void SinkListener::stop() {
    m_rec.stop();
    QCoreApplication::processEvents();
}

double SinkListener::soundSeconds() const {
    const std::size_t window = static_cast<std::size_t>(m_rate / 100);
    std::ptrdiff_t first = -1, last = -1;
    for (std::size_t w = 0; w + window <= m_heard.size(); w += window) {
        const bool loud = std::any_of(m_heard.begin() + static_cast<std::ptrdiff_t>(w),
                                      m_heard.begin() + static_cast<std::ptrdiff_t>(w + window),
                                      [](std::int16_t v) { return std::abs(v) > 3000; });
        if (loud) {
            if (first < 0)
                first = static_cast<std::ptrdiff_t>(w);
            last = static_cast<std::ptrdiff_t>(w + window);
        }
    }
    return first < 0 ? 0.0 : static_cast<double>(last - first) / m_rate;
}

std::vector<double> SinkListener::windowRms() const {
    const auto window = static_cast<std::size_t>(m_rate * kWindowSeconds);
    std::vector<double> out;
    for (std::size_t w = 0; w + window <= m_heard.size(); w += window) {
        double sum = 0;
        for (std::size_t i = w; i < w + window; ++i)
            sum += static_cast<double>(m_heard[i]) * m_heard[i];
        out.push_back(std::sqrt(sum / static_cast<double>(window)) / 32768.0);
    }
    return out;
}

std::vector<float> SinkListener::asFloat() const {
    std::vector<float> out(m_heard.size());
    std::transform(m_heard.begin(), m_heard.end(), out.begin(), [](std::int16_t v) { return v / 32768.0f; });
    return out;
}

Chunk findChunk(const QString& path, const char* id) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(12))
        return {};
    while (!file.atEnd()) {
        const QByteArray header = file.read(8);
        if (header.size() < 8)
            return {};
        const auto size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (header.startsWith(id))
            return {file.pos(), size};
        file.seek(file.pos() + size + (size & 1));
    }
    return {};
}

AudioInfo soxInfo(const QString& path) {
    AudioInfo info;
    QString rate, channels, seconds;
    if (run(QStringLiteral("soxi"), {QStringLiteral("-r"), path}, &rate) != 0 ||
        run(QStringLiteral("soxi"), {QStringLiteral("-c"), path}, &channels) != 0 ||
        run(QStringLiteral("soxi"), {QStringLiteral("-D"), path}, &seconds) != 0)
        return info;
    info.sampleRate = rate.trimmed().toInt();
    info.channels = channels.trimmed().toInt();
    info.seconds = seconds.trimmed().toDouble();
    info.ok = info.sampleRate > 0 && info.channels > 0;
    return info;
}

std::vector<float> soxDecodeMono(const QString& path, bool firstChannel) {
    QProcess p;
    QStringList args{path, QStringLiteral("-t"), QStringLiteral("f32"), QStringLiteral("-")};
    args << (firstChannel ? QStringList{QStringLiteral("remix"), QStringLiteral("1")}
                          : QStringList{QStringLiteral("channels"), QStringLiteral("1")});
    p.start(QStringLiteral("sox"), args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    const QByteArray raw = p.readAllStandardOutput();
    std::vector<float> samples(static_cast<size_t>(raw.size()) / sizeof(float));
    std::memcpy(samples.data(), raw.constData(), samples.size() * sizeof(float));
    return samples;
}

double peakFrequency(const std::vector<float>& samples, int sampleRate) {
    // Goertzel over one second from the middle keeps this cheap and exact enough.
    const size_t n = std::min<size_t>(samples.size(), static_cast<size_t>(sampleRate));
    const size_t start = (samples.size() - n) / 2;
    double best = 0, bestPower = -1;
    for (double f = 50; f <= 8000 && f < sampleRate / 2.0; f += 5) {
        const double coeff = 2 * std::cos(2 * std::numbers::pi * f / sampleRate);
        double s1 = 0, s2 = 0;
        for (size_t i = 0; i < n; ++i) {
            const double s0 = samples[start + i] + coeff * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        const double power = s1 * s1 + s2 * s2 - coeff * s1 * s2;
        if (power > bestPower) {
            bestPower = power;
            best = f;
        }
    }
    return best;
}

double maxSineResidual(const std::vector<float>& samples, double freq, int sampleRate, int skip) {
    const double c = 2 * std::cos(2 * std::numbers::pi * freq / sampleRate);
    double peak = 0, worst = 0;
    for (size_t i = static_cast<size_t>(skip); i < samples.size(); ++i)
        peak = std::max(peak, std::abs(static_cast<double>(samples[i])));
    if (peak == 0)
        return 1e9;
    for (size_t i = static_cast<size_t>(skip) + 2; i < samples.size(); ++i)
        worst = std::max(worst, std::abs(samples[i] - c * samples[i - 1] + samples[i - 2]));
    return worst / peak;
}

std::vector<std::int16_t> sine(double freq, int sampleRate, int channels, double seconds, double amplitude) {
    const auto frames = static_cast<size_t>(std::llround(seconds * sampleRate));
    std::vector<std::int16_t> values(frames * static_cast<size_t>(channels));
    for (size_t i = 0; i < frames; ++i) {
        const double v =
            amplitude * 32767 * std::sin(2 * std::numbers::pi * freq * static_cast<double>(i) / sampleRate);
        for (int c = 0; c < channels; ++c)
            values[i * static_cast<size_t>(channels) + static_cast<size_t>(c)] =
                static_cast<std::int16_t>(std::lround(v));
    }
    return values;
}

bool writeRamp(const QString& path, double seconds, int rate) {
    AudioFileWriter file;
    file.setWavFormat(rate, 1, 16);
    file.create(path);
    const auto frames = static_cast<std::int64_t>(seconds * rate);
    SampleBlock block;
    for (std::int64_t at = 0; at < frames && file.status() == 0; at += rate) {
        block.clear();
        for (std::int64_t n = at; n < std::min(frames, at + rate); ++n) {
            const double t = static_cast<double>(n) / rate;
            const double amplitude = kRampStart + kRampSpan * t / seconds;
            block.push_back(static_cast<std::int16_t>(
                std::lround(32767 * amplitude * std::sin(2 * std::numbers::pi * 1000 * t))));
        }
        file.write(block);
    }
    file.close();
    return file.status() == 0;
}

double rampSecond(double rms, double seconds) {
    return (rms * std::numbers::sqrt2 - kRampStart) / kRampSpan * seconds;
}

double secondResumedAfterSeek(const std::vector<double>& rms, double seconds) {
    std::size_t jump = 0;
    while (jump < rms.size() && rampSecond(rms[jump], seconds) < 10)
        ++jump;
    return jump + 1 < rms.size() ? rampSecond(rms[jump + 1], seconds) : -1;
}

ProbeInfo ffprobeInfo(const QString& path) {
    ProbeInfo info;
    QString out;
    if (run(QStringLiteral("ffprobe"),
            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
             QStringLiteral("a:0"), QStringLiteral("-show_entries"),
             QStringLiteral("stream=sample_rate,channels,duration_ts"), QStringLiteral("-of"),
             QStringLiteral("default=noprint_wrappers=1"), path},
            &out) != 0)
        return info;
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        const QString value = line.section(QLatin1Char('='), 1).trimmed();
        if (line.startsWith(QLatin1String("sample_rate=")))
            info.sampleRate = value.toInt();
        else if (line.startsWith(QLatin1String("channels=")))
            info.channels = value.toInt();
        else if (line.startsWith(QLatin1String("duration_ts=")))
            info.durationTs = value.toLongLong();
    }
    info.ok = info.sampleRate > 0 && info.channels > 0;
    return info;
}

int writeThenKill(const QString& writer, const QStringList& args, int seconds) {
    QProcess p;
    p.start(writer, args);
    if (!p.waitForStarted())
        return -1;
    int written = 0;
    for (int second = 1; second <= seconds; ++second) {
        p.write("\n");
        QDeadlineTimer deadline(10000);
        while (!p.canReadLine() && !deadline.hasExpired())
            p.waitForReadyRead(100);
        written = p.readLine().trimmed().toInt();
        if (written != second)
            break;
    }
    p.kill();
    if (!p.waitForFinished() || p.exitStatus() != QProcess::CrashExit)
        return -1;
    return written;
}

} // namespace testsupport
