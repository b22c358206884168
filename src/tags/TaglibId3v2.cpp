// The only place that speaks TagLib.
#include "tags/Id3v2Frames.h"
#include "tags/TagFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <taglib/commentsframe.h>
#include <taglib/id3v2extendedheader.h>
#include <taglib/id3v2header.h>
#include <taglib/id3v2synchdata.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>
#include <taglib/tfilestream.h>
#include <taglib/urllinkframe.h>

const std::array<const char*, kId3v2FieldCount> kId3v2FrameIds = {
    "TRCK", "TIT2", "TPE1", "TALB", "TYER", "TCON", "COMM", "TCOM", "TOPE", "TCOP", "WXXX", "TENC"};

namespace {

using namespace TagLib;

QString toQString(const String& s) {
    return QString::fromStdWString(s.toWString());
}

String toTagLibString(const QString& s) {
    return String(s.toStdWString());
}

// The one frame of kind `id` the editor shows: the first without a description, else the first.
template <typename FrameType> FrameType* editorFrame(ID3v2::Tag* tag, const char* id) {
    FrameType* first = nullptr;
    for (ID3v2::Frame* frame : tag->frameList(id)) {
        auto* typed = dynamic_cast<FrameType*>(frame);
        if (!typed)
            continue;
        if (typed->description().isEmpty())
            return typed;
        if (!first)
            first = typed;
    }
    return first;
}

// Several values of one frame as ID3v2.3 holds them: one text, joined with "/".
QString joinedValues(const ID3v2::Frame* frame) {
    const auto* text = dynamic_cast<const ID3v2::TextIdentificationFrame*>(frame);
    if (!text)
        return toQString(frame->toString());
    QStringList values;
    for (const String& field : text->fieldList())
        values << toQString(field);
    return values.join(QLatin1Char('/'));
}

// TagLib splits a version 2.3 genre such as "(17)Rock" into "17" and "Rock"; join them back.
// Several named genres of a version 2.4 tag are joined with "/".
QString genreText(const ID3v2::Frame* frame) {
    const auto* text = dynamic_cast<const ID3v2::TextIdentificationFrame*>(frame);
    if (!text)
        return toQString(frame->toString());
    QString references;
    QStringList names;
    for (const String& field : text->fieldList()) {
        bool number = false;
        const QString value = toQString(field);
        value.toInt(&number);
        if (number)
            references += QLatin1Char('(') + value + QLatin1Char(')');
        else
            names << value;
    }
    return references + names.join(QLatin1Char('/'));
}

// The year of TagLib's recording time, which it builds from a version 2.3 TYER (and TDAT).
QString yearText(const QString& recordingTime) {
    if (recordingTime.size() > 4 && recordingTime.at(4) == QLatin1Char('-'))
        return recordingTime.left(4);
    return recordingTime;
}

QString fieldText(ID3v2::Tag* tag, Id3v2Field field) {
    switch (field) {
    case Id3v2Field::Comments: {
        auto* frame = editorFrame<ID3v2::CommentsFrame>(tag, "COMM");
        return frame ? toQString(frame->text()) : QString();
    }
    case Id3v2Field::URL: {
        auto* frame = editorFrame<ID3v2::UserUrlLinkFrame>(tag, "WXXX");
        return frame ? toQString(frame->url()) : QString();
    }
    case Id3v2Field::Year: {
        const ID3v2::FrameList frames = tag->frameList("TDRC");
        return frames.isEmpty() ? QString() : yearText(toQString(frames.front()->toString()));
    }
    case Id3v2Field::Genre: {
        const ID3v2::FrameList frames = tag->frameList("TCON");
        return frames.isEmpty() ? QString() : genreText(frames.front());
    }
    default: {
        const ID3v2::FrameList frames = tag->frameList(kId3v2FrameIds[static_cast<std::size_t>(field)]);
        return frames.isEmpty() ? QString() : joinedValues(frames.front());
    }
    }
}

void setText(ID3v2::Tag* tag, const char* id, const QString& value) {
    tag->removeFrames(id);
    if (value.isEmpty())
        return;
    auto* frame = new ID3v2::TextIdentificationFrame(id, String::Latin1);
    frame->setText(toTagLibString(value));
    tag->addFrame(frame);
}

// Puts `value` into the editor's frame `id` through `assign`: an empty value removes the
// frame, and a missing one is made by `make`. Other frames of that id are left alone.
template <typename Frame, typename Make, typename Assign>
void setEditorFrame(ID3v2::Tag* tag, const char* id, const QString& value, Make make, Assign assign) {
    auto* frame = editorFrame<Frame>(tag, id);
    if (value.isEmpty()) {
        if (frame)
            tag->removeFrame(frame);
        return;
    }
    if (!frame) {
        frame = make();
        tag->addFrame(frame);
    }
    assign(*frame, toTagLibString(value));
}

void setField(ID3v2::Tag* tag, Id3v2Field field, const QString& value) {
    // An unchanged field keeps its frame: its encoding, its full date, its several values.
    if (fieldText(tag, field) == value)
        return;
    switch (field) {
    case Id3v2Field::Comments:
        setEditorFrame<ID3v2::CommentsFrame>(
            tag, "COMM", value,
            [] {
                auto* frame = new ID3v2::CommentsFrame(String::Latin1);
                frame->setLanguage("eng");
                return frame;
            },
            [](ID3v2::CommentsFrame& frame, const String& text) { frame.setText(text); });
        return;
    case Id3v2Field::URL:
        setEditorFrame<ID3v2::UserUrlLinkFrame>(
            tag, "WXXX", value, [] { return new ID3v2::UserUrlLinkFrame(String::Latin1); },
            [](ID3v2::UserUrlLinkFrame& frame, const String& url) { frame.setUrl(url); });
        return;
    case Id3v2Field::Year:
        // TagLib keeps the year as the recording time and writes it back as TYER.
        tag->removeFrames("TYER");
        setText(tag, "TDRC", value);
        return;
    default:
        setText(tag, kId3v2FrameIds[static_cast<std::size_t>(field)], value);
    }
}

// ID3v2.3 keeps one text per frame; TagLib would write a version 2.4 frame's several values
// separated by NULs, which ID3v2.3 readers cut at the first, and keep only the first genre
// name. People lists hold pairs, which TagLib turns into the version 2.3 frame itself.
void joinValuesForV23(ID3v2::Tag* tag) {
    for (ID3v2::Frame* frame : tag->frameList()) {
        const ByteVector id = frame->frameID();
        if (id == "TIPL" || id == "TMCL" || id == "IPLS")
            continue;
        if (auto* user = dynamic_cast<ID3v2::UserTextIdentificationFrame*>(frame)) {
            StringList values = user->fieldList();
            if (!values.isEmpty())
                values.erase(values.begin()); // the description
            if (values.size() > 1)
                user->setText(values.toString("/"));
        } else if (auto* text = dynamic_cast<ID3v2::TextIdentificationFrame*>(frame)) {
            if (text->fieldList().size() > 1)
                text->setText(toTagLibString(id == "TCON" ? genreText(text) : joinedValues(text)));
        }
    }
}

// Whether the frames TagLib parsed account for every byte of the tag up to its padding:
// TagLib stops at the first frame it cannot parse (one of size 0, say) and drops all that
// follows, which a save would then erase.
bool readWhole(MPEG::File& file, ID3v2::Tag* tag) {
    const ID3v2::Header& header = *tag->header();
    file.seek(0);
    if (!file.readBlock(ID3v2::Header::size()).startsWith("ID3"))
        return false;
    ByteVector data = file.readBlock(header.tagSize());
    if (data.size() != header.tagSize())
        return false;
    if (header.unsynchronisation() && header.majorVersion() <= 3)
        data = ID3v2::SynchData::decode(data);
    unsigned int end = data.size();
    if (header.footerPresent())
        end -= std::min(end, ID3v2::Header::size());
    unsigned int position =
        header.extendedHeader() && tag->extendedHeader() ? tag->extendedHeader()->size() : 0;
    for (const ID3v2::Frame* frame : tag->frameList())
        position += frame->size() + ID3v2::Frame::headerSize(header.majorVersion());
    return position <= end &&
           std::all_of(data.begin() + position, data.begin() + end, [](char c) { return c == 0; });
}

// Frames TagLib does not write back into an ID3v2.3 tag: version 2.4 kinds that 2.3 lacks,
// and version 2.3 kinds that it reads only to drop them.
QStringList framesLostAsV23(ID3v2::Tag* tag) {
    static const std::array<const char*, 10> kOnlyV24 = {"ASPI", "EQU2", "RVA2", "SEEK", "SIGN",
                                                         "TDRL", "TDTG", "TMOO", "TPRO", "TSST"};
    static const std::array<const char*, 4> kDroppedV23 = {"EQUA", "RVAD", "TRDA", "TSIZ"};
    QStringList lost;
    const auto check = [&](const auto& ids) {
        for (const char* id : ids) {
            if (!tag->frameList(id).isEmpty())
                lost << QLatin1String(id);
        }
    };
    if (tag->header()->majorVersion() >= 4)
        check(kOnlyV24);
    else
        check(kDroppedV23);
    return lost;
}

// Why a save would lose part of the file's tag, or nothing.
QString unsaveableReason(MPEG::File& file, ID3v2::Tag* tag) {
    if (!readWhole(file, tag))
        return QCoreApplication::translate(
            "TaglibId3v2", "its ID3v2 tag holds a damaged frame, and a save would lose what follows it");
    const QStringList lost = framesLostAsV23(tag);
    if (!lost.isEmpty())
        return QCoreApplication::translate("TaglibId3v2",
                                           "its ID3v2 tag holds %1, which a save as ID3v2.3 would lose")
            .arg(lost.join(QStringLiteral(", ")));
    return {};
}

// The file as a TagLib stream, or null when it is no regular file: TagLib opens with a
// blocking open, which a FIFO would hold forever.
std::unique_ptr<FileStream> openStream(const QString& path, bool readOnly) {
    if (!isRegularFile(path))
        return nullptr;
    auto stream = std::make_unique<FileStream>(QFile::encodeName(path).constData(), readOnly);
    if (!stream->isOpen() || (!readOnly && stream->readOnly()))
        return nullptr;
    return stream;
}

} // namespace

Id3v2Read readId3v2(const QString& path) {
    Id3v2Read result;
    try {
        const auto stream = openStream(path, true);
        if (!stream)
            return result;
        MPEG::File file(stream.get(), ID3v2::FrameFactory::instance(), false);
        if (!file.isOpen())
            return result;
        result.opened = true;
        result.hasTag = file.hasID3v2Tag();
        if (!result.hasTag)
            return result;
        ID3v2::Tag* tag = file.ID3v2Tag();
        for (int i = 0; i < kId3v2FieldCount; ++i)
            result.fields[static_cast<std::size_t>(i)] = fieldText(tag, static_cast<Id3v2Field>(i));
        result.unsaveable = unsaveableReason(file, tag);
    } catch (...) {
        result.opened = false;
    }
    return result;
}

bool writeId3v2(const QString& path, const Id3v2Fields& fields) {
    try {
        const auto stream = openStream(path, false);
        if (!stream)
            return false;
        MPEG::File file(stream.get(), ID3v2::FrameFactory::instance(), false);
        if (!file.isOpen())
            return false;
        if (file.hasID3v2Tag() && !unsaveableReason(file, file.ID3v2Tag()).isEmpty())
            return false;
        ID3v2::Tag* tag = file.ID3v2Tag(true);
        for (int i = 0; i < kId3v2FieldCount; ++i)
            setField(tag, static_cast<Id3v2Field>(i), fields[static_cast<std::size_t>(i)]);
        joinValuesForV23(tag);
        return file.save(MPEG::File::ID3v2, MPEG::File::StripNone, ID3v2::v3, MPEG::File::DoNotDuplicate);
    } catch (...) {
        return false;
    }
}

bool removeId3v2(const QString& path) {
    try {
        const auto stream = openStream(path, false);
        if (!stream)
            return false;
        MPEG::File file(stream.get(), ID3v2::FrameFactory::instance(), false);
        if (!file.isOpen())
            return false;
        return !file.hasID3v2Tag() || file.strip(MPEG::File::ID3v2);
    } catch (...) {
        return false;
    }
}
