#pragma once

#include "engine/codec/FileFormats.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QListWidget;

// The program's own WAV format chooser: a codec from the list of those we write, a
// sample rate and channels. OK stays disabled while the combination is refused.
class WavFormatDialog : public QDialog {
    Q_OBJECT
public:
    explicit WavFormatDialog(const codec::WavFormat& current, QWidget* parent = nullptr);

    // The combination shown now, refusal included.
    codec::WavFormat format() const;

    // Runs the dialog modally; nothing when it is cancelled.
    static std::optional<codec::WavFormat> choose(const codec::WavFormat& current, QWidget* parent = nullptr);

private:
    void refresh();

    QListWidget* m_codecs;
    QComboBox* m_rates;
    QComboBox* m_channels;
    QLabel* m_description;
    QDialogButtonBox* m_buttons;
};
