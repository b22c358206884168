#include "engine/codec/CdAudio.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cdio/cdio.h>
#include <cdio/cdtext.h>
#include <cdio/logging.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>
#include <cstring>
#include <filesystem>
#include <mutex>

namespace cdaudio {

namespace {

constexpr int kFramesPerSector = CDIO_CD_FRAMESIZE_RAW / 4;

void quietLibrary() {
    // Our own texts say what went wrong; libcdio's warnings go nowhere.
    static std::once_flag once;
    std::call_once(once, [] { cdio_loglevel_default = CDIO_LOG_ASSERT; });
}

bool isImage(CdIo_t* cdio) {
    const driver_id_t id = cdio_get_driver_id(cdio);
    return id == DRIVER_BINCUE || id == DRIVER_CDRDAO || id == DRIVER_NRG;
}

bool isFileOrDrive(const QString& path) {
    std::error_code error;
    const std::filesystem::file_status status =
        std::filesystem::status(std::filesystem::path(QFile::encodeName(path).toStdString()), error);
    return !error && (std::filesystem::is_regular_file(status) || std::filesystem::is_block_file(status));
}

// libcdio opens what it is given for a blocking read: a FIFO or a socket there would hang
// the program for good, so only regular files (images) and drives pass.
bool openable(const QString& device, QString& error) {
    if (!QFileInfo::exists(device) || isFileOrDrive(device))
        return true;
    error = QCoreApplication::translate("CdAudio",
                                        "%1 is not a regular file, so it cannot be read as a disc image")
                .arg(device);
    return false;
}

// A drive opened for audio reading; closing it also closes the libcdio handle.
struct Drive {
    cdrom_drive_t* drive = nullptr;
    bool image = false;
    Drive() = default;
    Drive(const Drive&) = delete;
    Drive& operator=(const Drive&) = delete;
    ~Drive() {
        if (drive)
            cdio_cddap_close(drive);
    }

    bool open(const QString& device, QString& error) {
        quietLibrary();
        if (!openable(device, error))
            return false;
        const QByteArray name = QFile::encodeName(device);
        CdIo_t* cdio = cdio_open(name.constData(), DRIVER_UNKNOWN);
        if (!cdio) {
            error = QCoreApplication::translate("CdAudio", "%1 is not a CD drive or disc image").arg(device);
            return false;
        }
        image = isImage(cdio);
        char* messages = nullptr;
        drive = cdio_cddap_identify_cdio(cdio, CDDA_MESSAGE_FORGETIT, &messages);
        cdio_cddap_free_messages(messages);
        if (!drive) {
            cdio_destroy(cdio);
            error = QCoreApplication::translate("CdAudio", "%1 cannot read audio").arg(device);
            return false;
        }
        if (cdio_cddap_open(drive) != 0) {
            error = QCoreApplication::translate("CdAudio", "%1 holds no audio disc").arg(device);
            return false;
        }
        return true;
    }
};

// CD-Text as libcdio gives it (UTF-8). A CUE sheet's UTF-8 text comes back encoded twice.
QString cdText(const cdtext_t* text, cdtext_field_t field, track_t track, bool image) {
    const char* raw = text ? cdtext_get_const(text, field, track) : nullptr;
    if (!raw)
        return {};
    QString s = QString::fromUtf8(raw).trimmed();
    if (image && QString::fromLatin1(s.toLatin1()) == s) {
        const QString again = QString::fromUtf8(s.toLatin1());
        if (!again.contains(QChar::ReplacementCharacter))
            s = again;
    }
    return s;
}

class CdTrackDecoder final : public Decoder {
public:
    bool open(const QString& device, int track, QString& error) {
        if (!m_drive.open(device, error))
            return false;
        cdrom_drive_t* d = m_drive.drive;
        if (track < 1 || track > cdio_cddap_tracks(d) ||
            !cdio_cddap_track_audiop(d, static_cast<track_t>(track))) {
            error = QCoreApplication::translate("CdAudio", "%1 has no audio track %2").arg(device).arg(track);
            return false;
        }
        m_first = cdio_cddap_track_firstsector(d, static_cast<track_t>(track));
        m_last = cdio_cddap_track_lastsector(d, static_cast<track_t>(track));
        if (m_first < 0 || m_last < m_first) {
            error =
                QCoreApplication::translate("CdAudio", "%1: track %2 cannot be read").arg(device).arg(track);
            return false;
        }
        m_paranoia = cdio_paranoia_init(d);
        // An image reads back exactly; a drive gets every check except endless retries.
        cdio_paranoia_modeset(m_paranoia, m_drive.image ? PARANOIA_MODE_DISABLE
                                                        : PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
        cdio_paranoia_seek(m_paranoia, m_first, SEEK_SET);
        m_next = m_first;
        m_description =
            QCoreApplication::translate("CdAudio", "Audio CD track %1, 44100 Hz stereo").arg(track);
        return true;
    }
    CdTrackDecoder() = default;
    CdTrackDecoder(const CdTrackDecoder&) = delete;
    CdTrackDecoder& operator=(const CdTrackDecoder&) = delete;
    ~CdTrackDecoder() override {
        if (m_paranoia)
            cdio_paranoia_free(m_paranoia);
    }

    int sampleRate() const override { return kRate; }
    int channels() const override { return kChannels; }
    std::int64_t length() const override { return (m_last - m_first + 1) * std::int64_t{kFramesPerSector}; }

    void read(int values, SampleBlock& out) override {
        const std::size_t want = static_cast<std::size_t>(std::max(values, 0)) / kChannels * kChannels;
        std::size_t given = 0;
        while (given < want) {
            if (m_at >= m_sector.size()) {
                if (!readSector())
                    return;
            }
            const std::size_t n = std::min(want - given, m_sector.size() - m_at);
            out.insert(out.end(), m_sector.begin() + static_cast<std::ptrdiff_t>(m_at),
                       m_sector.begin() + static_cast<std::ptrdiff_t>(m_at + n));
            m_at += n;
            given += n;
        }
    }

    std::int64_t seek(std::int64_t frame) override {
        const std::int64_t target = std::clamp<std::int64_t>(frame, 0, length());
        const lsn_t sector = m_first + static_cast<lsn_t>(target / kFramesPerSector);
        m_sector.clear();
        m_at = 0;
        m_next = sector;
        cdio_paranoia_seek(m_paranoia, sector, SEEK_SET);
        const std::size_t skip = static_cast<std::size_t>(target % kFramesPerSector) * kChannels;
        if (skip > 0 && readSector())
            m_at = skip;
        return target;
    }

    QString errorText() const override { return m_error; }
    QString description() const override { return m_description; }

private:
    bool readSector() {
        m_sector.clear();
        m_at = 0;
        if (m_next > m_last)
            return false;
        const std::int16_t* samples = cdio_paranoia_read(m_paranoia, nullptr);
        if (!samples) {
            m_error = QCoreApplication::translate("CdAudio", "the disc could not be read");
            return false;
        }
        m_sector.assign(samples, samples + CDIO_CD_FRAMESIZE_RAW / 2);
        ++m_next;
        return true;
    }

    Drive m_drive;
    cdrom_paranoia_t* m_paranoia = nullptr;
    lsn_t m_first = 0;
    lsn_t m_last = -1;
    lsn_t m_next = 0;
    SampleBlock m_sector;
    std::size_t m_at = 0;
    QString m_error;
    QString m_description;
};

} // namespace

bool isLocator(const QString& text) {
    return text.startsWith(kPrefix, Qt::CaseInsensitive);
}

QString locator(const QString& device, int track) {
    return kPrefix + device + QLatin1Char('#') + QString::number(track);
}

bool parseLocator(const QString& text, QString& device, int& track) {
    if (!isLocator(text))
        return false;
    const QString rest = text.mid(kPrefix.size());
    device.clear();
    track = 1;
    if (rest.isEmpty())
        return true;
    const qsizetype hash = rest.lastIndexOf(QLatin1Char('#'));
    if (hash < 0) {
        device = rest;
        return true;
    }
    bool ok = false;
    track = rest.mid(hash + 1).toInt(&ok);
    device = rest.left(hash);
    return ok && track >= 1;
}

QString findDisc() {
    const QString chosen = qEnvironmentVariable("TAVRIK_CD_DEVICE");
    if (!chosen.isEmpty())
        return chosen;
    quietLibrary();
    QString found;
    char** devices = cdio_get_devices(DRIVER_DEVICE);
    for (char** d = devices; d && *d && found.isEmpty(); ++d) {
        CdIo_t* cdio = cdio_open(*d, DRIVER_UNKNOWN);
        if (!cdio)
            continue;
        const track_t first = cdio_get_first_track_num(cdio);
        const track_t count = cdio_get_num_tracks(cdio);
        for (track_t t = first;
             first != CDIO_INVALID_TRACK && count != CDIO_INVALID_TRACK && t < first + count; ++t)
            if (cdio_get_track_format(cdio, t) == TRACK_FORMAT_AUDIO) {
                found = QFile::decodeName(*d);
                break;
            }
        cdio_destroy(cdio);
    }
    if (devices)
        cdio_free_device_list(devices);
    return found;
}

std::optional<Disc> readDisc(const QString& device, QString& error) {
    Drive drive;
    if (!drive.open(device, error))
        return std::nullopt;
    Disc disc;
    disc.device = device;
    const cdtext_t* text = cdio_get_cdtext(drive.drive->p_cdio);
    disc.title = cdText(text, CDTEXT_FIELD_TITLE, 0, drive.image);
    disc.performer = cdText(text, CDTEXT_FIELD_PERFORMER, 0, drive.image);
    const int count = cdio_cddap_tracks(drive.drive);
    for (int t = 1; t <= count; ++t) {
        const auto n = static_cast<track_t>(t);
        if (!cdio_cddap_track_audiop(drive.drive, n))
            continue;
        const lsn_t first = cdio_cddap_track_firstsector(drive.drive, n);
        const lsn_t last = cdio_cddap_track_lastsector(drive.drive, n);
        if (first < 0 || last < first)
            continue;
        disc.tracks.append({t, (last - first + 1) * qint64{kFramesPerSector},
                            cdText(text, CDTEXT_FIELD_TITLE, n, drive.image),
                            cdText(text, CDTEXT_FIELD_PERFORMER, n, drive.image)});
    }
    if (disc.tracks.isEmpty()) {
        error = QCoreApplication::translate("CdAudio", "%1 holds no audio tracks").arg(device);
        return std::nullopt;
    }
    return disc;
}

std::unique_ptr<Decoder> openTrackDecoder(const QString& device, int track, QString& error) {
    auto decoder = std::make_unique<CdTrackDecoder>();
    if (!decoder->open(device, track, error))
        return nullptr;
    return decoder;
}

} // namespace cdaudio
