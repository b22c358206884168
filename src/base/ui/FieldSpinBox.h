#pragma once

#include <QString>

class QSpinBox;
class QWidget;

// A numeric field and its up-down as one control: the spin box carries the up-down's
// objectName and its line edit the field's, so the text shown is always the value that
// is applied. A typed value outside the range is not taken.
QSpinBox* fieldSpinBox(QWidget* parent, const QString& upDownName, const QString& fieldName, int min, int max,
                       int step = 1);
