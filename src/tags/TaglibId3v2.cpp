// The only place that speaks TagLib.
#include "tags/Id3v2Frames.h"
#include "tags/TagFile.h"

#include <QFile>
#include <memory>
#include <taglib/commentsframe.h>
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

// TagLib splits a version 2.3 genre such as "(17)Rock" into "17" and "Rock"; join them back.
QString genreText(const ID3v2::Frame* frame) {
    const auto* text = dynamic_cast<const ID3v2::TextIdentificationFrame*>(frame);
    if (!text)
        return toQString(frame->toString());
    QString out;
    for (const String& field : text->fieldList()) {
        bool number = false;
        QString value = toQString(field);
        value.toInt(&number);
        out += number ? QLatin1Char('(') + value + QLatin1Char(')') : value;
    }
    return out;
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
        return frames.isEmpty() ? QString() : toQString(frames.front()->toString());
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
        ID3v2::Tag* tag = file.ID3v2Tag(true);
        for (int i = 0; i < kId3v2FieldCount; ++i)
            setField(tag, static_cast<Id3v2Field>(i), fields[static_cast<std::size_t>(i)]);
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
