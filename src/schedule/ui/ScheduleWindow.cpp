#include "schedule/ui/ScheduleWindow.h"

#include "base/ui/Skin.h"
#include "base/ui/Twips.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleModel.h"
#include "schedule/Scheduler.h"
#include "schedule/ui/ScheduleEntryDialog.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
} // namespace

ScheduleWindow::ScheduleWindow(Scheduler& scheduler, QString scheduleFile, const QString& appFolder,
                               QWidget* parent)
    : QDialog(parent)
    , m_scheduler(scheduler)
    , m_scheduleFile(std::move(scheduleFile))
    , m_appFolder(appFolder) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("Schedule"));
    setModal(true);

    auto* frame = new QGroupBox(tr("Schedule"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_view = new QTreeView(frame);
    m_view->setObjectName(QStringLiteral("ListView1"));
    m_view->setModel(&m_scheduler.list());
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->header()->setSectionsClickable(false);
    const int twips[] = {2000, 2000, 1440, 1440, 1440};
    for (int c = 0; c < ScheduleModel::ColumnCount; ++c)
        m_view->setColumnWidth(c, static_cast<int>(Twips::toPixels(twips[c], logicalDpiX())));

    auto* add = button(frame, "Command1", tr("Add"));
    m_remove = button(frame, "Command2", tr("Remove"));
    m_clear = button(frame, "Command3", tr("Clear"));
    auto* ok = button(frame, "Command4", tr("OK"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {add, m_remove, m_clear, ok})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(m_view);
    inner->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    resize(640, 360);

    connect(add, &QPushButton::clicked, this, &ScheduleWindow::addEntry);
    connect(m_remove, &QPushButton::clicked, this, &ScheduleWindow::removeSelected);
    connect(m_clear, &QPushButton::clicked, &m_scheduler.list(), &ScheduleModel::clear);
    const ScheduleModel* list = &m_scheduler.list();
    connect(list, &ScheduleModel::rowsInserted, this, &ScheduleWindow::updateButtons);
    connect(list, &ScheduleModel::rowsRemoved, this, &ScheduleWindow::updateButtons);
    connect(list, &ScheduleModel::modelReset, this, &ScheduleWindow::updateButtons);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ScheduleWindow::updateButtons);
    updateButtons();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    applySkin(appFolder, this);
}

void ScheduleWindow::addEntry() {
    ScheduleEntryDialog dialog(
        m_scheduler.list(), [this] { return m_scheduler.now(); }, m_appFolder, this);
    dialog.exec();
}

void ScheduleWindow::removeSelected() {
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    if (!rows.isEmpty())
        m_scheduler.list().removeEntry(rows.first().row());
}

void ScheduleWindow::updateButtons() {
    m_remove->setEnabled(m_view->selectionModel()->hasSelection());
    m_clear->setEnabled(m_scheduler.list().rowCount() > 0);
}

void ScheduleWindow::done(int result) {
    // Errors while saving are not shown; the list stays in memory for the next try.
    ScheduleFile::save(m_scheduleFile, m_scheduler.list());
    QDialog::done(result);
}
