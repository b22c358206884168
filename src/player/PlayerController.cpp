#include "player/PlayerController.h"

#include "engine/codec/CdAudio.h"
#include "player/MediaControl.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTimer>
#include <algorithm>

namespace {

bool endsInCda(const QString& path) {
    return path.right(3).compare(QLatin1String("cda"), Qt::CaseInsensitive) == 0;
}

QString trackName(const cdaudio::Track& track) {
    return track.title.isEmpty() ? PlayerController::tr("Track %1").arg(track.number, 2, 10, QLatin1Char('0'))
                                 : track.title;
}

// Name order as people read it: case aside, and "2 b" before "10 a".
bool nameBefore(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype si = i;
            const qsizetype sj = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            QStringView x = QStringView(a).mid(si, i - si);
            QStringView y = QStringView(b).mid(sj, j - sj);
            while (x.size() > 1 && x.front() == QLatin1Char('0'))
                x = x.mid(1);
            while (y.size() > 1 && y.front() == QLatin1Char('0'))
                y = y.mid(1);
            // Without leading zeros a longer run is a larger number; runs of one length compare as text.
            if (x.size() != y.size())
                return x.size() < y.size();
            if (const int c = x.compare(y); c != 0)
                return c < 0;
            continue;
        }
        const int c = QStringView(a).mid(i, 1).compare(QStringView(b).mid(j, 1), Qt::CaseInsensitive);
        if (c != 0)
            return c < 0;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return a.size() - i < b.size() - j;
    return a < b;
}

} // namespace

PlayerController::PlayerController(MediaControl& media, PlayList& list, QObject* parent)
    : QObject(parent)
    , m_media(media)
    , m_list(list)
    , m_skipTimer(new QTimer(this)) {
    m_skipTimer->setSingleShot(true);
    m_skipTimer->setInterval(0);
    // A failed entry hands on through the event loop, so the window stays responsive.
    connect(m_skipTimer, &QTimer::timeout, this,
            [this] { tryEntry(playorder::next(m_list.current(), m_list.count())); });
    connect(&m_media, &MediaControl::endOfStream, this, &PlayerController::onEndOfStream);
    connect(&m_media, &MediaControl::outputFailed, this, &PlayerController::show);
}

const QStringList& PlayerController::playableSuffixes() {
    static const QStringList suffixes{
        QStringLiteral("mp3"),  QStringLiteral("wav"),  QStringLiteral("wma"),  QStringLiteral("asf"),
        QStringLiteral("aif"),  QStringLiteral("aifc"), QStringLiteral("aiff"), QStringLiteral("au"),
        QStringLiteral("snd"),  QStringLiteral("ogg"),  QStringLiteral("oga"),  QStringLiteral("opus"),
        QStringLiteral("flac"), QStringLiteral("m4a"),  QStringLiteral("aac"),  QStringLiteral("mp2")};
    return suffixes;
}

void PlayerController::show(const QString& text) {
    Q_EMIT displayText(text);
}

bool PlayerController::playSelected() {
    if (m_list.current() < 0)
        return false;
    playEntry(m_list.current());
    return true;
}

void PlayerController::playEntry(int row) {
    m_failures = 0;
    tryEntry(row);
}

void PlayerController::tryEntry(int row) {
    m_skipTimer->stop();
    if (row < 0 || row >= m_list.count())
        return;
    m_list.setCurrent(row);
    const PlayList::Entry entry = m_list.entry(row);
    // A track file of a disc stands for the disc in the drive, played from its start.
    const QString target = endsInCda(entry.path) ? cdaudio::kPrefix : entry.path;
    const MediaControl::Open result = m_media.setFileName(target);
    if (result == MediaControl::Open::Playing) {
        m_failures = 0;
        m_list.setMissing(row, false);
        m_title = entry.name;
        m_openPath = target;
        Q_EMIT titleChanged(m_title);
        show(m_title);
        return;
    }
    if (!m_title.isEmpty()) {
        m_title.clear();
        m_openPath.clear();
        Q_EMIT titleChanged(m_title);
    }
    if (result == MediaControl::Open::OutputFailed) {
        show(m_media.errorText());
        return;
    }
    m_list.setMissing(row, PlayList::entryFor(entry.path).missing);
    if (++m_failures >= m_list.count()) {
        m_failures = 0;
        show(tr("Nothing in the play list can be played."));
        return;
    }
    show(tr("%1 cannot be played: skipped.").arg(entry.name));
    m_skipTimer->start();
}

void PlayerController::next() {
    playEntry(playorder::next(m_list.current(), m_list.count()));
}

void PlayerController::previous() {
    playEntry(playorder::previous(m_list.current(), m_list.count()));
}

void PlayerController::pauseOrResume() {
    if (m_media.state() == MediaControl::State::Playing)
        m_media.pause();
    else
        m_media.play();
}

void PlayerController::stop() {
    m_skipTimer->stop();
    m_media.stop();
}

void PlayerController::onEndOfStream() {
    const int row = playorder::afterEnd(m_mode, m_repeat, m_list.current(), m_list.count(),
                                        QRandomGenerator::global()->generateDouble());
    if (row < 0) {
        m_media.stop();
        return;
    }
    playEntry(row);
}

void PlayerController::addAndPlay(const QString& path) {
    if (path.isEmpty())
        return;
    int row = -1;
    if (endsInCda(path)) {
        const QString device = cdaudio::findDisc();
        if (device.isEmpty()) {
            show(tr("No audio CD was found in the drives."));
            return;
        }
        row = addDisc(device);
    } else if (QFileInfo(path).suffix().compare(QLatin1String("cue"), Qt::CaseInsensitive) == 0) {
        row = addDisc(path);
    } else {
        row = append({PlayList::entryFor(path)});
    }
    if (row >= 0)
        playEntry(row);
}

int PlayerController::addDisc(const QString& device) {
    QString error;
    const std::optional<cdaudio::Disc> disc = cdaudio::readDisc(device, error);
    if (!disc) {
        show(tr("No audio CD: %1.").arg(error));
        return -1;
    }
    QList<PlayList::Entry> entries;
    for (const cdaudio::Track& t : disc->tracks)
        entries.append({cdaudio::locator(disc->device, t.number), trackName(t), false});
    return append(entries);
}

int PlayerController::addDirectory(const QString& folder) {
    QStringList patterns;
    for (const QString& s : playableSuffixes())
        patterns << QStringLiteral("*.") + s;
    QDir dir(folder);
    dir.setNameFilters(patterns);
    dir.setFilter(QDir::Files | QDir::Readable);
    QStringList names = dir.entryList();
    std::sort(names.begin(), names.end(), nameBefore);
    QList<PlayList::Entry> entries;
    for (const QString& name : names)
        entries.append({dir.absoluteFilePath(name), name, false});
    if (entries.isEmpty()) {
        show(tr("No playable files in %1.").arg(QDir::toNativeSeparators(folder)));
        return 0;
    }
    const int before = m_list.count();
    append(entries);
    return m_list.count() - before;
}

PlayerController::ListFile PlayerController::readList(const QString& path, qsizetype room,
                                                      const m3u::Progress& progress) {
    const m3u::ReadResult read = m3u::read(path, std::max<qsizetype>(room, 0), progress);
    ListFile list;
    list.error = read.error;
    list.cut = read.cut;
    list.entries.reserve(read.entries.size());
    for (const m3u::Entry& e : read.entries) {
        QString device;
        cdaudio::Track track;
        const bool disc = cdaudio::parseLocator(e.location, device, track.number);
        track.title = e.title;
        list.entries.append(PlayList::entryFor(e.location, disc ? trackName(track) : QString()));
    }
    return list;
}

bool PlayerController::appendList(const QString& path, const ListFile& read) {
    if (!read.error.isEmpty()) {
        show(tr("The play list %1 cannot be loaded: %2.").arg(PlayList::stripPath(path), read.error));
        return false;
    }
    append(read.entries, read.cut);
    return true;
}

bool PlayerController::loadList(const QString& path, const PercentDone& percent) {
    const qsizetype room = PlayList::kCapacity - m_list.count();
    return appendList(
        path,
        readOffThread([&path, room](const m3u::Progress& progress) { return readList(path, room, progress); },
                      percent));
}

int PlayerController::append(const QList<PlayList::Entry>& entries, bool cut) {
    const int room = PlayList::kCapacity - m_list.count();
    if (cut || entries.size() > room)
        show(tr("The play list is full: it holds at most %1 entries, the rest were left out.")
                 .arg(PlayList::kCapacity));
    if (room <= 0 || entries.isEmpty())
        return -1;
    return m_list.append(entries);
}

bool PlayerController::saveList(const QString& path) {
    QString target = path;
    if (QFileInfo(target).suffix().isEmpty())
        target += QStringLiteral(".m3u");
    QList<m3u::Entry> entries;
    entries.reserve(m_list.count());
    for (const PlayList::Entry& e : m_list.entries())
        entries.append({e.path, e.name, -1});
    const QString error = m3u::write(target, entries);
    if (!error.isEmpty()) {
        show(tr("The play list cannot be saved to %1: %2.").arg(target, error));
        return false;
    }
    return true;
}

void PlayerController::setMode(playorder::Mode mode) {
    if (m_mode == mode)
        return;
    m_mode = mode;
    Q_EMIT modeChanged();
}

void PlayerController::setRepeat(bool on) {
    if (m_repeat == on)
        return;
    m_repeat = on;
    Q_EMIT modeChanged();
}
