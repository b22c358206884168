#pragma once

#include "formats/ui/FormatDialog.h"

// `frmWAV`: sample rate, channels and codec of WAV recording. Whatever the writer takes
// (OK is plain PCM) is stored in section `wav`, so it is also what the next start records.
class WavSettingsDialog : public FormatDialog {
    Q_OBJECT
public:
    WavSettingsDialog(const QString& appFolder, const QString& settingsFile, AudioFileWriter& writer,
                      QWidget* parent = nullptr);

private:
    void applyPcm();
    void applyAdpcm();
    void applyGsm();
    void applyTelephone();
    void chooseFromMenu();
    void applyLikeSample();
    // Stores `format` and hands it to the writer; the dialog stays open.
    void keep(const codec::WavFormat& format);
    void keepAndAccept(const codec::WavFormat& format);
    // Says "Format Parametr not valid" when `refusal` is set; true when it is not.
    bool acceptable(const QString& refusal);

    QButtonGroup* m_rates = nullptr;
    QButtonGroup* m_channels = nullptr;
};
