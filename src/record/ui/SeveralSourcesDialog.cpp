#include "record/ui/SeveralSourcesDialog.h"

#include "base/ui/NamedWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

// The meters span this many dB below full scale.
constexpr double kMeterFloorDb = -60;

QString numbered(const char* prefix, std::size_t row) {
    return QLatin1String(prefix) + QString::number(row + 1);
}

} // namespace

SeveralSourcesDialog::SeveralSourcesDialog(std::vector<Choice> choices, const SourceMix& mix, QWidget* parent)
    : QDialog(parent)
    , m_choices(std::move(choices)) {
    setObjectName(QStringLiteral("frmSources"));
    setWindowTitle(tr("Record Several Sources"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Source"), this), 0, 0);
    grid->addWidget(new QLabel(tr("Level now"), this), 0, 1);
    grid->addWidget(new QLabel(tr("Recorded at"), this), 0, 2);
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        const Choice& choice = m_choices[i];
        Row row{new QCheckBox(choice.description, this), new QProgressBar(this), new QSpinBox(this)};
        row.chosen->setObjectName(numbered("chkSource", i));
        row.chosen->setToolTip(choice.device);
        row.meter->setObjectName(numbered("meterSource", i));
        row.meter->setRange(0, 100);
        row.meter->setTextVisible(false);
        row.meter->setValue(0);
        row.level->setObjectName(numbered("spnLevel", i));
        row.level->setRange(0, SourceMix::kMaxLevel);
        row.level->setSuffix(QStringLiteral(" %"));
        row.level->setValue(100);
        const auto at = std::ranges::find(mix.serverNames, choice.serverName);
        if (at != mix.serverNames.end() && mix.several()) {
            const auto position = static_cast<std::size_t>(at - mix.serverNames.begin());
            row.chosen->setChecked(true);
            if (position < mix.levels.size())
                row.level->setValue(mix.levels[position]);
        }
        const int line = static_cast<int>(i) + 1;
        grid->addWidget(row.chosen, line, 0);
        grid->addWidget(row.meter, line, 1);
        grid->addWidget(row.level, line, 2);
        m_rows.push_back(row);
    }

    m_mixed = named(new QRadioButton(tr("Mixed"), this), "optMixed");
    m_apart = named(new QRadioButton(tr("One channel per source"), this), "optChannels");
    m_apart->setToolTip(
        tr("Two sources: the first left, the second right, so that they can be separated later."));
    (mix.layout == SourceMixer::Layout::ChannelPerSource ? m_apart : m_mixed)->setChecked(true);
    auto* note = new QLabel(tr("Check two or more sources to record them together; with fewer, the source "
                               "chosen in the main window is recorded."),
                            this);
    note->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_mixed);
    layout->addWidget(m_apart);
    layout->addWidget(note);
    layout->addLayout(confirmButtonRow(this, tr("OK"), "cmdOK", "cmdCancel", [this] { accept(); }));
}

void SeveralSourcesDialog::showPeaks(const std::function<double(int)>& peak) {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const double value = peak(static_cast<int>(i));
        const double db = value > 0 ? 20 * std::log10(value) : kMeterFloorDb;
        m_rows[i].meter->setValue(
            static_cast<int>(std::lround(100 * (1 - std::clamp(db, kMeterFloorDb, 0.0) / kMeterFloorDb))));
    }
}

SourceMix SeveralSourcesDialog::mix() const {
    SourceMix mix;
    mix.layout = m_apart->isChecked() ? SourceMixer::Layout::ChannelPerSource : SourceMixer::Layout::Mixed;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].chosen->isChecked()) {
            mix.serverNames.push_back(m_choices[i].serverName);
            mix.levels.push_back(m_rows[i].level->value());
        }
    if (!mix.several()) {
        mix.serverNames.clear();
        mix.levels.clear();
    }
    return mix;
}
