#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// The output file naming dialog: folder, base name, date stamp and the rule for names
// that already exist, stored in section `set` on OK.
class OutputNamingDialog : public QDialog {
    Q_OBJECT
public:
    explicit OutputNamingDialog(const QString& appFolder, QWidget* parent = nullptr);

private:
    // Stores the choices in section `set` and closes; an empty file name is refused.
    void saveAndAccept();
    void browseForFolder();

    QString m_settingsFile;
    QLineEdit* m_fileNameEdit = nullptr;
    QLineEdit* m_folderEdit = nullptr;
    QCheckBox* m_dateTimeCheck = nullptr;
    QRadioButton* m_addNumberOption = nullptr;
    QRadioButton* m_overwriteOption = nullptr;
    QSpinBox* m_splitMinutes = nullptr;
    QSpinBox* m_splitMegabytes = nullptr;
};
