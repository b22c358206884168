#pragma once

#include <QDialog>

// The About window.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(const QString& appFolder, QWidget* parent = nullptr);
};
