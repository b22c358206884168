#include "formats/ui/AdvancedLineDialog.h"

#include "base/ui/Twips.h"
#include "engine/pulse/InputMixer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <cstdlib>

namespace {

constexpr int kSwitchWidthTwips = 3750;
constexpr int kLevelWidthTwips = 5520;

} // namespace

AdvancedLineDialog::AdvancedLineDialog(InputMixer& mixer, int line, const QString& lineName, QWidget* parent)
    : QDialog(parent)
    , m_mixer(mixer)
    , m_line(line)
    , m_controls(new QComboBox(this))
    , m_switch(new QCheckBox(this))
    , m_level(new QSlider(Qt::Horizontal, this)) {
    setObjectName(QStringLiteral("frmAdv"));
    setWindowTitle(tr("%1: Advanced Properties").arg(lineName));
    m_controls->setObjectName(QStringLiteral("Combo1"));
    m_switch->setObjectName(QStringLiteral("Check1"));
    m_level->setObjectName(QStringLiteral("Slider1"));
    m_level->setRange(0, 65535);
    m_level->setPageStep(65535 / 10);
    m_level->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_controls);
    layout->addWidget(m_switch);
    layout->addWidget(m_level);
    layout->addStretch();

    for (int k = 0; k < m_mixer.advancedCount(m_line); ++k)
        m_controls->addItem(m_mixer.advancedName(m_line, k));
    connect(m_controls, &QComboBox::currentIndexChanged, this, &AdvancedLineDialog::showControl);
    connect(m_switch, &QCheckBox::clicked, this, &AdvancedLineDialog::checkClicked);
    connect(m_level, &QSlider::valueChanged, this, &AdvancedLineDialog::sliderMoved);
    connect(&m_mixer, &InputMixer::lineChanged, this, [this](int changed) {
        if (changed == m_line)
            showValue(m_controls->currentIndex());
    });
    showControl(m_controls->currentIndex());
}

void AdvancedLineDialog::showControl(int control) {
    const ControlValue value = m_mixer.advancedValue(m_line, control);
    const bool isSwitch = std::holds_alternative<bool>(value);
    if (!isSwitch && !std::holds_alternative<qint32>(value))
        return;
    m_switch->setText(m_controls->itemText(control));
    m_level->setVisible(!isSwitch);
    m_switch->setVisible(isSwitch);
    const int twips = isSwitch ? kSwitchWidthTwips : kLevelWidthTwips;
    setFixedWidth(static_cast<int>(Twips::toPixels(twips, logicalDpiX())));
    showValue(control);
}

// Shows the control's value as the server holds it, without acting on it again.
void AdvancedLineDialog::showValue(int control) {
    const ControlValue value = m_mixer.advancedValue(m_line, control);
    if (const bool* on = std::get_if<bool>(&value)) {
        m_switch->setChecked(*on);
    } else if (const qint32* level = std::get_if<qint32>(&value)) {
        const QSignalBlocker blocker(m_level);
        m_level->setValue(std::abs(*level));
    }
}

void AdvancedLineDialog::checkClicked(bool checked) {
    const int control = m_controls->currentIndex();
    m_mixer.setAdvancedValue(m_line, control, checked);
    showValue(control);
}

void AdvancedLineDialog::sliderMoved(int position) {
    const int control = m_controls->currentIndex();
    m_mixer.setAdvancedValue(m_line, control, qint32{position});
    showValue(control);
}
