#pragma once

#include "engine/codec/Mp3Options.h"
#include "formats/ui/FormatDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;
class QSpinBox;

// `frmMP3`: bit rate, sample rate and channels of MP3 recording, and the encoder's options,
// all stored in section `mp3` on OK and shown as stored at the next opening.
class Mp3SettingsDialog : public FormatDialog {
    Q_OBJECT
public:
    Mp3SettingsDialog(const QString& appFolder, const QString& settingsFile, AudioFileWriter& writer,
                      QWidget* parent = nullptr);

private:
    QWidget* buildGeneralTab();
    QWidget* buildFilteringTab();
    QWidget* buildVbrTab();
    QWidget* buildExpertTab();
    void showOptions(const Mp3Options& options);
    void readStoredFormat();
    void saveAndAccept();
    // The encoder options the controls stand for.
    Mp3Options options() const;
    void showBitrate(int kbps);
    void updateCodingMethod();
    void updateFilters();

    QSlider* m_bitrate = nullptr;
    QLabel* m_bitrateLabel = nullptr;
    QSlider* m_encoderQuality = nullptr;
    QComboBox* m_channels = nullptr;
    QComboBox* m_sampleRate = nullptr;

    QCheckBox* m_highpass = nullptr;
    QSpinBox* m_highpassFrequency = nullptr;
    QSpinBox* m_highpassWidth = nullptr;
    QLabel* m_highpassWidthLabel = nullptr;
    QCheckBox* m_lowpass = nullptr;
    QSpinBox* m_lowpassFrequency = nullptr;
    QSpinBox* m_lowpassWidth = nullptr;
    QLabel* m_lowpassWidthLabel = nullptr;

    QComboBox* m_codingMethod = nullptr;
    QLabel* m_vbrQualityLabel = nullptr;
    QSpinBox* m_vbrQuality = nullptr;
    QLabel* m_abrLabel = nullptr;
    QSpinBox* m_abrBitrate = nullptr;
    QWidget* m_maxVbrGroup = nullptr;
    QSlider* m_maxVbrBitrate = nullptr;
    QLabel* m_maxVbrLabel = nullptr;
    QWidget* m_advancedGroup = nullptr;
    QCheckBox* m_writeVbrHeader = nullptr;
    QCheckBox* m_enforceMinBitrate = nullptr;

    QComboBox* m_athControl = nullptr;
    QComboBox* m_deEmphasis = nullptr;
    QCheckBox* m_crc = nullptr;
    QCheckBox* m_allowDiffBlockTypes = nullptr;
    QCheckBox* m_bitReservoir = nullptr;
    QCheckBox* m_shortBlocks = nullptr;
    QCheckBox* m_strictIso = nullptr;
};
