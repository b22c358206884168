#include "base/ui/FieldSpinBox.h"

#include <QLineEdit>
#include <QSpinBox>

QSpinBox* fieldSpinBox(QWidget* parent, const QString& upDownName, const QString& fieldName, int min, int max,
                       int step) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(upDownName);
    spin->setRange(min, max);
    spin->setSingleStep(step);
    spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    spin->setKeyboardTracking(false);
    if (auto* field = spin->findChild<QLineEdit*>())
        field->setObjectName(fieldName);
    return spin;
}
