#pragma once

#include "formats/ui/FormatDialog.h"

// `frmWAV`: sample rate, channels and codec of WAV recording. Whatever the writer takes
// (OK is plain PCM) is stored in section `wav`, so it is also what the next start records.
class WavSettingsDialog : public FormatDialog {
    Q_OBJECT
public:
    WavSettingsDialog(const QString& appFolder, const QString& settingsFile, FormatState& state,
                      AudioFileWriter& writer, QWidget* parent = nullptr);

private:
    void applyPcm();
    void applyAdpcm();
    void applyGsm();
    void applyTelephone();
    void chooseFromMenu();
    void applyLikeSample();
    // Stores the format the writer took and says so; the dialog stays open.
    void keepApplied();
    void keepAndAccept();
    // Says "Format Parametr not valid" when `refusal` is set; true when it is not.
    bool acceptable(const QString& refusal);

    QButtonGroup* m_rates = nullptr;
    QButtonGroup* m_channels = nullptr;
};
