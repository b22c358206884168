#include "formats/ui/MixerPanel.h"

#include "base/ui/NamedWidgets.h"
#include "base/ui/Twips.h"
#include "engine/pulse/AudioRecorder.h"
#include "engine/pulse/InputMixer.h"
#include "formats/ui/AdvancedLineDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kStripTwips = 1260;

} // namespace

MixerPanel::MixerPanel(AudioRecorder& recorder, QWidget* parent)
    : QWidget(parent)
    , m_recorder(recorder)
    , m_mixer(new InputMixer(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    if (m_recorder.sources().deviceCount() >= 1) {
        m_mixer->setLines(m_recorder.sources().sourceServerNames());
        const int remembered = m_recorder.sources().sourceIndex();
        const int last = std::min(m_recorder.sources().lastSourceIndex(), kMaxStrips - 1);
        for (int line = 0; line <= last; ++line) {
            m_strips.push_back(buildStrip(line));
            row->addWidget(m_strips.back().frame);
            showLine(line);
        }
        m_recorder.selectSource(remembered);
        // The strips are as wide as the set width or their widest control ("Select All"), all alike.
        int width = static_cast<int>(Twips::toPixels(kStripTwips, logicalDpiX()));
        for (const Strip& s : m_strips) {
            const QMargins margins = s.frame->layout()->contentsMargins();
            for (const QWidget* control :
                 {static_cast<QWidget*>(s.select), static_cast<QWidget*>(s.advanced)})
                width = std::max(width, control->sizeHint().width() + margins.left() + margins.right());
        }
        for (const Strip& s : m_strips)
            s.frame->setFixedWidth(width);
    }
    row->addStretch();
    connect(m_mixer, &InputMixer::lineChanged, this, &MixerPanel::showLine);
}

MixerPanel::~MixerPanel() = default;

QWidget* MixerPanel::strip(int i) const {
    return i >= 0 && i < stripCount() ? m_strips[i].frame : nullptr;
}

MixerPanel::Strip MixerPanel::buildStrip(int line) {
    auto* frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("strip%1").arg(line));
    Strip s{frame,
            named(new QLabel(frame), "lblLine"),
            named(new QSlider(Qt::Vertical, frame), "slVolume"),
            named(new QSlider(Qt::Horizontal, frame), "slBalance"),
            named(new QCheckBox(line == 0 ? tr("Select All") : tr("Select"), frame), "chSelect"),
            named(new QPushButton(tr("Advanced"), frame), "cmdAdvanced")};
    s.name->setWordWrap(true);
    s.name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Slider position = 65535 - volume, the smallest position on top.
    s.volume->setRange(0, InputMixer::kMaxVolume);
    s.volume->setInvertedAppearance(true);
    s.volume->setInvertedControls(true);
    s.volume->setSingleStep(InputMixer::kMaxVolume / 100);
    s.volume->setPageStep(InputMixer::kMaxVolume / 10);
    s.balance->setRange(0, 100);
    s.balance->setPageStep(10);

    auto* column = new QVBoxLayout(frame);
    column->addWidget(s.name);
    column->addWidget(named(new QLabel(tr("Volume:"), frame), "lblVolume"));
    column->addWidget(s.volume, 1, Qt::AlignHCenter);
    column->addWidget(named(new QLabel(tr("Balance:"), frame), "lblBalance"));
    column->addWidget(s.balance);
    column->addWidget(s.select);
    column->addWidget(s.advanced);

    m_recorder.selectSource(line);
    s.name->setText(m_recorder.sources().sourceName());
    s.select->setChecked(m_recorder.sources().sourceActive());
    connect(s.volume, &QSlider::valueChanged, this,
            [this, line](int position) { volumeMoved(line, position); });
    connect(s.balance, &QSlider::valueChanged, this,
            [this, line](int position) { balanceMoved(line, position); });
    connect(s.select, &QCheckBox::clicked, this,
            [this, line](bool checked) { selectClicked(line, checked); });
    connect(s.advanced, &QPushButton::clicked, this, [this, line] { openAdvanced(line); });
    return s;
}

// Puts what the server holds for `line` into its strip, without acting on it again.
void MixerPanel::showLine(int line) {
    if (line < 0 || line >= stripCount())
        return;
    const Strip& s = m_strips[line];
    const QSignalBlocker volumeBlocker(s.volume);
    const QSignalBlocker balanceBlocker(s.balance);
    s.volume->setEnabled(m_mixer->hasVolume(line));
    s.volume->setValue(InputMixer::kMaxVolume - m_mixer->volume(line));
    s.balance->setEnabled(m_mixer->hasBalance(line));
    s.balance->setValue(m_mixer->balance(line));
    s.advanced->setVisible(m_mixer->advancedCount(line) > 0);
}

void MixerPanel::volumeMoved(int line, int position) {
    m_recorder.selectSource(line);
    const int accepted = m_mixer->setVolume(line, InputMixer::kMaxVolume - position);
    const QSignalBlocker blocker(m_strips[line].volume);
    m_strips[line].volume->setValue(InputMixer::kMaxVolume - accepted);
}

void MixerPanel::balanceMoved(int line, int position) {
    m_recorder.selectSource(line);
    const int accepted = m_mixer->setBalance(line, position);
    const QSignalBlocker blocker(m_strips[line].balance);
    m_strips[line].balance->setValue(accepted);
}

void MixerPanel::selectClicked(int line, bool checked) {
    const int remembered = m_recorder.sources().sourceIndex();
    m_recorder.selectSource(line);
    m_recorder.setSourceActive(checked);
    // The recorder records one source per device, so other boxes change too.
    showSelection();
    m_recorder.selectSource(remembered);
}

void MixerPanel::showSelection() {
    for (int i = 0; i < stripCount(); ++i) {
        m_recorder.selectSource(i);
        m_strips[i].select->setChecked(m_recorder.sources().sourceActive());
    }
}

void MixerPanel::openAdvanced(int line) {
    m_recorder.selectSource(line);
    AdvancedLineDialog dialog(*m_mixer, line, m_recorder.sources().sourceName(), this);
    dialog.exec();
}
