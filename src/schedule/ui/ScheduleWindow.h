#pragma once

#include <QDialog>

class QPushButton;
class QTreeView;
class Scheduler;

// The schedule window: a view over the scheduler's list, which lives for the whole run
// whether the window shows or not. Add, Remove and Clear change the list; the file is
// written when the window closes, by OK or otherwise.
class ScheduleWindow : public QDialog {
    Q_OBJECT
public:
    ScheduleWindow(Scheduler& scheduler, QString scheduleFile, const QString& appFolder,
                   QWidget* parent = nullptr);

    void done(int result) override;

private:
    void addEntry();
    void removeSelected();
    // Remove and Clear only while there is something to remove.
    void updateButtons();

    Scheduler& m_scheduler;
    QString m_scheduleFile;
    QString m_appFolder;
    QTreeView* m_view = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_clear = nullptr;
};
