#pragma once

#include "record/ActivationSettings.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class ThresholdMeter;

// The "Sound Activation" dialog: Record arms for sound events (threshold, hold, pre-roll), and
// the seconds kept before Record, stored in sections `activation` and `health` on OK. The input
// level is drawn live against the threshold, so that it can be set by eye.
class SoundActivationDialog : public QDialog {
    Q_OBJECT
public:
    // `bytesPerSecond`: what a second of the recording format takes in the ring.
    SoundActivationDialog(const QString& settingsFile, int bytesPerSecond, QWidget* parent = nullptr);

    // The input's peak level now, in dBFS.
    void showLevel(double dbfs);

private:
    void saveAndAccept();
    void showMemory();

    QString m_settingsFile;
    ActivationSettings m_settings;
    int m_bytesPerSecond;
    QCheckBox* m_enabled = nullptr;
    QSpinBox* m_threshold = nullptr;
    QDoubleSpinBox* m_hold = nullptr;
    QDoubleSpinBox* m_preroll = nullptr;
    QSpinBox* m_prerecord = nullptr;
    QLabel* m_memory = nullptr;
    ThresholdMeter* m_meter = nullptr;
};
