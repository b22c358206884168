#pragma once

#include <QDialog>

// The About window.
class Form3 : public QDialog {
    Q_OBJECT
public:
    explicit Form3(const QString& appFolder, QWidget* parent = nullptr);
};
