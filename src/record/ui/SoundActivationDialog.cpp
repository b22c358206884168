#include "record/ui/SoundActivationDialog.h"

#include "base/ui/NamedWidgets.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

// The input level as a bar from -80 to 0 dBFS, with the threshold as a line across it: green
// below, red where the sound would start a recording.
class ThresholdMeter : public QWidget {
public:
    explicit ThresholdMeter(QWidget* parent)
        : QWidget(parent) {
        setMinimumSize(240, 18);
    }
    void setLevel(double dbfs) {
        m_level = std::clamp(dbfs, kFloor, 0.0);
        update();
    }
    void setThreshold(double dbfs) {
        m_threshold = dbfs;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        const auto x = [this](double dbfs) { return static_cast<int>(width() * (dbfs - kFloor) / -kFloor); };
        p.fillRect(QRect(0, 0, x(m_level), height()),
                   m_level >= m_threshold ? QColor(220, 40, 40) : Qt::green);
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(x(m_threshold), 0, x(m_threshold), height());
    }

private:
    static constexpr double kFloor = -80;
    double m_level = kFloor;
    double m_threshold = -40;
};

SoundActivationDialog::SoundActivationDialog(const QString& settingsFile, int bytesPerSecond, QWidget* parent)
    : QDialog(parent)
    , m_settingsFile(settingsFile)
    , m_settings(ActivationSettings::read(settingsFile))
    , m_bytesPerSecond(bytesPerSecond) {
    setObjectName(QStringLiteral("frmActivation"));
    setWindowTitle(tr("Sound Activation"));

    m_enabled = named(new QCheckBox(tr("Record starts when sound comes, a file for each sound"), this),
                      "chkActivation");
    m_enabled->setChecked(m_settings.enabled);
    m_threshold = named(new QSpinBox(this), "spnThreshold");
    m_threshold->setRange(static_cast<int>(ActivationSettings::kThreshold.min),
                          static_cast<int>(ActivationSettings::kThreshold.max));
    m_threshold->setSuffix(tr(" dBFS"));
    m_threshold->setValue(static_cast<int>(m_settings.thresholdDb));
    const auto seconds = [this](const char* name, ActivationSettings::Range range, double value) {
        auto* box = named(new QDoubleSpinBox(this), name);
        box->setRange(range.min, range.max);
        box->setSingleStep(0.5);
        box->setDecimals(1);
        box->setSuffix(tr(" s"));
        box->setValue(value);
        return box;
    };
    m_hold = seconds("spnHold", ActivationSettings::kHold, m_settings.holdSeconds);
    m_preroll = seconds("spnPreroll", ActivationSettings::kPreroll, m_settings.prerollSeconds);
    m_prerecord = named(new QSpinBox(this), "spnPrerecord");
    m_prerecord->setRange(static_cast<int>(ActivationSettings::kPrerecord.min),
                          static_cast<int>(ActivationSettings::kPrerecord.max));
    m_prerecord->setSuffix(tr(" s"));
    m_prerecord->setSpecialValueText(tr("off"));
    m_prerecord->setValue(m_settings.prerecordSeconds);
    m_memory = named(new QLabel(this), "lblMemory");
    m_memory->setWordWrap(true);
    m_meter = new ThresholdMeter(this);
    m_meter->setObjectName(QStringLiteral("meterThreshold"));
    m_meter->setThreshold(m_threshold->value());

    auto* form = new QFormLayout;
    form->addRow(m_enabled);
    form->addRow(tr("Threshold"), m_threshold);
    form->addRow(tr("Input level"), m_meter);
    form->addRow(tr("Ends after quiet for"), m_hold);
    form->addRow(tr("Keeps before the sound"), m_preroll);
    form->addRow(tr("Keeps before Record"), m_prerecord);
    form->addRow(m_memory);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(confirmButtonRow(this, tr("OK"), "cmdOK", "cmdCancel", [this] { saveAndAccept(); }));

    connect(m_threshold, &QSpinBox::valueChanged, this, [this](int dbfs) { m_meter->setThreshold(dbfs); });
    connect(m_prerecord, &QSpinBox::valueChanged, this, &SoundActivationDialog::showMemory);
    showMemory();
}

void SoundActivationDialog::showLevel(double dbfs) {
    m_meter->setLevel(dbfs);
}

void SoundActivationDialog::showMemory() {
    const int seconds = m_prerecord->value();
    m_memory->setText(
        seconds == 0
            ? tr("Nothing is kept before Record.")
            : tr("Keeping %1 s takes %2 MB of memory, and the input stays open while nothing records.")
                  .arg(seconds)
                  .arg(static_cast<double>(seconds) * m_bytesPerSecond / (1024 * 1024), 0, 'f', 1));
}

void SoundActivationDialog::saveAndAccept() {
    m_settings.enabled = m_enabled->isChecked();
    m_settings.thresholdDb = m_threshold->value();
    m_settings.holdSeconds = m_hold->value();
    m_settings.prerollSeconds = m_preroll->value();
    m_settings.prerecordSeconds = m_prerecord->value();
    m_settings.write(m_settingsFile);
    accept();
}
