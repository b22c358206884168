#pragma once

#include "engine/pulse/SourceMix.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QProgressBar;
class QRadioButton;
class QSpinBox;

// The "Record Several Sources" dialog: every source of every device, "what you hear" included,
// each with a check box, its live level and the level it is recorded at; and whether the
// sources are summed or each has a channel of its own. Fewer than two checked means one source,
// as chosen in the main window.
class SeveralSourcesDialog : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        std::string serverName;
        QString description;
        QString device;
    };
    SeveralSourcesDialog(std::vector<Choice> choices, const SourceMix& mix, QWidget* parent = nullptr);

    // Draws the live levels: `peak(i)` is source i's latest peak, 0..1 of full scale.
    void showPeaks(const std::function<double(int)>& peak);
    // What is chosen now: the checked sources in list order.
    SourceMix mix() const;

private:
    struct Row {
        QCheckBox* chosen;
        QProgressBar* meter;
        QSpinBox* level;
    };
    std::vector<Choice> m_choices;
    std::vector<Row> m_rows;
    QRadioButton* m_mixed = nullptr;
    QRadioButton* m_apart = nullptr;
};
