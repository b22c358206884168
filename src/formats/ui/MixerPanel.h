#pragma once

#include <QWidget>
#include <vector>

class AudioRecorder;
class InputMixer;
class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

// The "Mixer" tab of the settings window: one strip per input line of the recorder's
// selected device (at most eight), each with the line's volume (`slVolume`), balance
// (`slBalance`), recording-source box (`chSelect`) and "Advanced" button (`cmdAdvanced`).
// Changes act on the server at once; the strips follow changes made elsewhere.
class MixerPanel : public QWidget {
    Q_OBJECT
public:
    // Uses its own InputMixer over the recorder's selected device.
    explicit MixerPanel(AudioRecorder& recorder, QWidget* parent = nullptr);
    ~MixerPanel() override;

    int stripCount() const { return static_cast<int>(m_strips.size()); }
    // Strip i's frame, objectName "strip<i>", holding that line's controls.
    QWidget* strip(int i) const;

    static constexpr int kMaxStrips = 8;

private:
    struct Strip {
        QWidget* frame;
        QLabel* name;
        QSlider* volume;
        QSlider* balance;
        QCheckBox* select;
        QPushButton* advanced;
    };

    Strip buildStrip(int line);
    void showLine(int line);
    void volumeMoved(int line, int position);
    void balanceMoved(int line, int position);
    void selectClicked(int line, bool checked);
    void showSelection();
    void openAdvanced(int line);

    AudioRecorder& m_recorder;
    InputMixer* m_mixer;
    std::vector<Strip> m_strips;
};
