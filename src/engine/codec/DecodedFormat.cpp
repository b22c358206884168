#include "engine/codec/DecodedFormat.h"

#include <QCoreApplication>

namespace codec {

namespace {

QString channelsName(int channels) {
    if (channels == 1)
        return QCoreApplication::translate("DecodedFormat", "mono");
    if (channels == 2)
        return QCoreApplication::translate("DecodedFormat", "stereo");
    return QCoreApplication::translate("DecodedFormat", "%1 channels").arg(channels);
}

QString codecName(const DecodedFormat& format) {
    if (format.codec == QLatin1String("mp3"))
        return QStringLiteral("MP3");
    if (format.codec == QLatin1String("vorbis"))
        return QStringLiteral("Ogg Vorbis");
    if (format.codec.startsWith(QLatin1String("wma")))
        return QStringLiteral("WMA");
    return format.codecText.isEmpty() ? QCoreApplication::translate("DecodedFormat", "Audio")
                                      : format.codecText;
}

} // namespace

QString DecodedFormat::describe() const {
    // Worded as the writer words the formats it makes.
    if (pcmBits > 0 && codec.startsWith(QLatin1String("pcm_")))
        return QStringLiteral("%1 %2 Hz %3-bit %4")
            .arg(container == QLatin1String("wav") ? QStringLiteral("WAV PCM") : QStringLiteral("PCM"))
            .arg(rate)
            .arg(pcmBits)
            .arg(channelsName(channels));
    QString text = QStringLiteral("%1 %2 Hz %3").arg(codecName(*this)).arg(rate).arg(channelsName(channels));
    if (bitRate > 0 && pcmBits <= 0)
        text += QStringLiteral(" %1 kbit/s").arg((bitRate + 500) / 1000);
    return text;
}

} // namespace codec
