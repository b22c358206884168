#include "formats/ui/HeaderlessSettingsDialog.h"

#include "base/ui/Skin.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <variant>

namespace {

using Choice = FormatDialog::Choice;
using codec::OutputFormats;
using StateField = std::variant<std::int32_t OutputFormats::*, std::int16_t OutputFormats::*>;

constexpr Choice kRates[] = {
    {"F1", "8000", 8000},    {"F2", "16000", 16000},  {"F3", "24000", 24000}, {"F4", "32000", 32000},
    {"F5", "11025 ", 11025}, {"F6", "22050", 22050},  {"F7", "44100", 44100}, {"F8", "48000", 48000},
    {"F9", "6000", 6000},    {"F10", "12000", 12000},
};
constexpr Choice kChannels[] = {{"P1", QT_TRANSLATE_NOOP("FormatDialog", "Mono"), 1},
                                {"P2", QT_TRANSLATE_NOOP("FormatDialog", "Stereo"), 2}};
constexpr Choice kCodings[] = {{"C1", QT_TRANSLATE_NOOP("FormatDialog", "16-bit PCM"), 1},
                               {"C2", QT_TRANSLATE_NOOP("FormatDialog", "8-bit A-Law "), 2},
                               {"C3", QT_TRANSLATE_NOOP("FormatDialog", "8-bit mu-Law "), 3}};
constexpr Choice kG726Bits[] = {{"Option1_0", QT_TRANSLATE_NOOP("FormatDialog", "2 bit "), 2},
                                {"Option1_1", QT_TRANSLATE_NOOP("FormatDialog", "3 bit"), 3},
                                {"Option1_2", QT_TRANSLATE_NOOP("FormatDialog", "4 bit "), 4},
                                {"Option1_3", QT_TRANSLATE_NOOP("FormatDialog", "5 bit"), 5}};

int valueOf(const OutputFormats& state, StateField field) {
    return std::visit([&](auto member) { return static_cast<int>(state.*member); }, field);
}

void setValue(OutputFormats& state, StateField field, int value) {
    std::visit(
        [&](auto member) {
            using T = std::remove_reference_t<decltype(state.*member)>;
            state.*member = static_cast<T>(value);
        },
        field);
}

} // namespace

struct HeaderlessSettingsDialog::Group {
    const char* caption;
    const char* key;
    StateField field;
    std::span<const Choice> choices;
    // Selected, and taken, when the stored value has no button.
    int fallback;
};

struct HeaderlessSettingsDialog::Layout {
    const char* objectName;
    const char* title;
    const char* section;
    std::vector<Group> groups;
    codec::FileType type;
};

const HeaderlessSettingsDialog::Layout& HeaderlessSettingsDialog::layoutOf(Format format) {
    static const Layout vox{"frmVOX",
                            QT_TRANSLATE_NOOP("HeaderlessSettingsDialog", "Set VOX Format"),
                            "vox",
                            {{QT_TRANSLATE_NOOP("HeaderlessSettingsDialog", "Frequency (Hz)"), "voxFreq",
                              &OutputFormats::voxRate, std::span(kRates).first(8), 44100}},
                            codec::FileType::Vox};
    static const Layout g726{"frmG726",
                             QT_TRANSLATE_NOOP("HeaderlessSettingsDialog", "Set CCUIT G.726 Format"),
                             "g726",
                             {{QT_TRANSLATE_NOOP("HeaderlessSettingsDialog", "Frequency (Hz)"), "gFreq",
                               &OutputFormats::g726Rate, kRates, 44100},
                              {QT_TRANSLATE_NOOP("HeaderlessSettingsDialog", "ADPCM Bit"), "gbit",
                               &OutputFormats::g726BitsPerSample, kG726Bits, 4}},
                             codec::FileType::G726};
    static const Layout raw{"frmRAW",
                            QT_TRANSLATE_NOOP("HeaderlessSettingsDialog", "Set RAW Format"),
                            "raw",
                            {{QT_TRANSLATE_NOOP("HeaderlessSettingsDialog", "Frequency (Hz)"), "rawFreq",
                              &OutputFormats::rawRate, kRates, 44100},
                             {QT_TRANSLATE_NOOP("HeaderlessSettingsDialog", "nChannels"), "rawChannel",
                              &OutputFormats::rawChannels, kChannels, 2},
                             {QT_TRANSLATE_NOOP("HeaderlessSettingsDialog", "Comperssion"), "rawCompr",
                              &OutputFormats::rawCoding, kCodings, 1}},
                            codec::FileType::Raw};
    switch (format) {
    case Format::Vox:
        return vox;
    case Format::G726:
        return g726;
    case Format::Raw:
        break;
    }
    return raw;
}

HeaderlessSettingsDialog::HeaderlessSettingsDialog(Format format, const QString& appFolder,
                                                   const QString& settingsFile, AudioFileWriter& writer,
                                                   QWidget* parent)
    : FormatDialog(appFolder, settingsFile, writer, parent)
    , m_layout(layoutOf(format)) {
    setObjectName(QLatin1String(m_layout.objectName));
    setWindowTitle(tr(m_layout.title));

    auto* groupsRow = new QHBoxLayout;
    for (const Group& g : m_layout.groups) {
        auto* box = new QGroupBox(tr(g.caption), this);
        QButtonGroup* buttons = addChoices(box, g.choices);
        connect(buttons, &QButtonGroup::idClicked, this,
                [this, field = g.field](int value) { setValue(m_edited, field, value); });
        m_groups.push_back(buttons);
        groupsRow->addWidget(box, 0, Qt::AlignTop);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groupsRow);
    layout->addLayout(confirmButtonRow(this, tr("Ok"), "cmdOK", "cmdCancel", [this] { saveAndAccept(); }));

    applySkin(m_appFolder, this);
    for (std::size_t i = 0; i < m_layout.groups.size(); ++i) {
        const Group& g = m_layout.groups[i];
        std::visit([&](auto member) { readStored(m_layout.section, g.key, m_edited.*member); }, g.field);
        setValue(m_edited, g.field, select(m_groups[i], valueOf(m_edited, g.field), g.fallback));
    }
}

void HeaderlessSettingsDialog::saveAndAccept() {
    for (const Group& g : m_layout.groups)
        store(m_layout.section, g.key, valueOf(m_edited, g.field));
    applyEdited(m_layout.type);
    accept();
}
