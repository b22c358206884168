#pragma once

#include "formats/ui/FormatDialog.h"

// `frmWAV`: sample rate and channels of WAV recording, stored in section `wav`, and the
// codec buttons that hand a compressed WAV format to the writer for the rest of the run.
class WavSettingsDialog : public FormatDialog {
    Q_OBJECT
public:
    WavSettingsDialog(const QString& appFolder, const QString& settingsFile, FormatState& state,
                      AudioFileWriter& writer, QWidget* parent = nullptr);

private:
    void saveAndAccept();
    // The codec buttons store nothing; rate and channels chosen here still become the
    // run's WAV values, so that re-applying the state keeps them.
    void applyPcm();
    void applyAdpcm();
    void applyGsm();
    void applyTelephone();
    void chooseFromMenu();
    void applyLikeSample();
    void keepAndAccept();
    // Says "Format Parametr not valid" when `refusal` is set; true when it is not.
    bool acceptable(const QString& refusal);

    QButtonGroup* m_rates = nullptr;
    QButtonGroup* m_channels = nullptr;
};
