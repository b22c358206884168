#pragma once

#include "formats/ui/FormatDialog.h"

class QCheckBox;
class QLabel;
class QSlider;

// `frmOgg`: nominal bit rate, a VBR range or a quality target for Ogg Vorbis, stored in
// section `ogg` and applied by the Ogg mode rule.
class OggSettingsDialog : public FormatDialog {
    Q_OBJECT
public:
    OggSettingsDialog(const QString& appFolder, const QString& settingsFile, AudioFileWriter& writer,
                      QWidget* parent = nullptr);

private:
    void saveAndAccept();
    void updateEnabled();
    // Puts `slider` on `kbps`, or on 128 when that has no position; shows `kbps` in any case.
    void showRate(QSlider* slider, QLabel* label, const QString& pattern, int kbps);

    QSlider* m_bitrate = nullptr;
    QSlider* m_minBitrate = nullptr;
    QSlider* m_maxBitrate = nullptr;
    QSlider* m_quality = nullptr;
    QLabel* m_bitrateLabel = nullptr;
    QLabel* m_minLabel = nullptr;
    QLabel* m_maxLabel = nullptr;
    QCheckBox* m_vbr = nullptr;
    QCheckBox* m_qualityMode = nullptr;
    QWidget* m_vbrGroup = nullptr;
    QWidget* m_qualityGroup = nullptr;
};
