#pragma once

#include <QObject>
#include <functional>

class QDialog;
class QHBoxLayout;

// Gives `w` its objectName and hands it back, so controls are named where they are made.
template <typename W> W* named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    return w;
}

// The row of a dialog's confirm and cancel buttons, right-aligned: the confirm button is the
// default and runs `confirm`; cancel rejects the dialog.
QHBoxLayout* confirmButtonRow(QDialog* dialog, const QString& caption, const char* name,
                              const char* cancelName, const std::function<void()>& confirm);
