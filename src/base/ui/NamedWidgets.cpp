#include "base/ui/NamedWidgets.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* confirmButtonRow(QDialog* dialog, const QString& caption, const char* name,
                              const char* cancelName, const std::function<void()>& confirm) {
    auto* ok = named(new QPushButton(caption, dialog), name);
    auto* cancel = named(new QPushButton(QDialog::tr("Cancel"), dialog), cancelName);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, confirm);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}
