#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

// The output file naming dialog: folder, base name, date stamp and the rule for names
// that already exist, stored in section `set` on OK.
class OutputNamingDialog : public QDialog {
    Q_OBJECT
public:
    explicit OutputNamingDialog(const QString& appFolder, QWidget* parent = nullptr);

private:
    void Command1_Click();
    void Command4_Click();

    QString m_settingsFile;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
};
