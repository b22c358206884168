#pragma once

#include <QDialog>

class InputMixer;
class QCheckBox;
class QComboBox;
class QSlider;

// `frmAdv`: the advanced controls of one input line. `Combo1` lists them; a switch shows
// in `Check1`, a level in `Slider1`. A change acts on the server at once and the control
// then shows what the server accepted; changes made elsewhere show too.
class AdvancedLineDialog : public QDialog {
    Q_OBJECT
public:
    AdvancedLineDialog(InputMixer& mixer, int line, const QString& lineName, QWidget* parent = nullptr);

private:
    void showControl(int control);
    void checkClicked(bool checked);
    void sliderMoved(int position);
    void showValue(int control);

    InputMixer& m_mixer;
    int m_line;
    QComboBox* m_controls;
    QCheckBox* m_switch;
    QSlider* m_level;
};
