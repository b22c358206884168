#include "engine/ui/WavFormatDialog.h"

#include "engine/codec/WavCodecs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace codec;

WavFormatDialog::WavFormatDialog(const WavFormat& current, QWidget* parent)
    : QDialog(parent)
    , m_codecs(new QListWidget(this))
    , m_rates(new QComboBox(this))
    , m_channels(new QComboBox(this))
    , m_description(new QLabel(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(tr("Choose WAV Format"));
    m_codecs->setObjectName(QStringLiteral("lstCodec"));
    m_rates->setObjectName(QStringLiteral("cboRate"));
    m_channels->setObjectName(QStringLiteral("cboChannels"));
    m_description->setObjectName(QStringLiteral("lblDescription"));
    m_description->setWordWrap(true);
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));

    const std::vector<WavCodecChoice>& choices = wavCodecChoices();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        m_codecs->addItem(choices[i].name);
        const bool same = choices[i].codec == current.codec &&
                          (current.codec != WavCodec::Pcm || choices[i].bits == current.bits);
        if (same)
            m_codecs->setCurrentRow(static_cast<int>(i));
    }
    if (m_codecs->currentRow() < 0)
        m_codecs->setCurrentRow(0);
    for (const int rate : wavChooserRates())
        m_rates->addItem(tr("%1 Hz").arg(rate), rate);
    const int rateIndex = m_rates->findData(current.rate);
    m_rates->setCurrentIndex(rateIndex >= 0 ? rateIndex : m_rates->findData(kDefaultRate));
    m_channels->addItem(tr("Mono"), 1);
    m_channels->addItem(tr("Stereo"), 2);
    m_channels->setCurrentIndex(current.channels == 1 ? 0 : 1);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Sample rate:"), m_rates);
    fields->addRow(tr("Channels:"), m_channels);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Codec:"), this));
    layout->addWidget(m_codecs);
    layout->addLayout(fields);
    layout->addWidget(m_description);
    layout->addWidget(m_buttons);

    connect(m_codecs, &QListWidget::currentRowChanged, this, &WavFormatDialog::refresh);
    connect(m_rates, &QComboBox::currentIndexChanged, this, &WavFormatDialog::refresh);
    connect(m_channels, &QComboBox::currentIndexChanged, this, &WavFormatDialog::refresh);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    refresh();
}

WavFormat WavFormatDialog::format() const {
    const WavCodecChoice& choice = wavCodecChoices().at(static_cast<std::size_t>(m_codecs->currentRow()));
    return makeWavFormat(choice.codec, m_rates->currentData().toInt(), m_channels->currentData().toInt(),
                         choice.bits);
}

std::optional<WavFormat> WavFormatDialog::choose(const WavFormat& current, QWidget* parent) {
    WavFormatDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.format();
}

void WavFormatDialog::refresh() {
    const WavFormat chosen = format();
    m_description->setText(chosen.refusal.isEmpty() ? chosen.describe() : chosen.refusal);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(chosen.refusal.isEmpty());
}
