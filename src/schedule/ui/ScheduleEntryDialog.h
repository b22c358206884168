#pragma once

#include <QDateTime>
#include <QDialog>
#include <functional>

class QDateEdit;
class QLabel;
class QLineEdit;
class QTimeEdit;
class ScheduleModel;

// The schedule entry dialog: start and stop date and time, a comment and a running
// clock. OK appends a "Waiting" row to the list when the stop is later than the start.
class ScheduleEntryDialog : public QDialog {
    Q_OBJECT
public:
    ScheduleEntryDialog(ScheduleModel& list, std::function<QDateTime()> clock, const QString& appFolder,
                        QWidget* parent = nullptr);

private:
    void addAndAccept();
    void showClock();

    ScheduleModel& m_list;
    std::function<QDateTime()> m_clock;
    QDateEdit* m_startDate = nullptr;
    QTimeEdit* m_startTime = nullptr;
    QDateEdit* m_stopDate = nullptr;
    QTimeEdit* m_stopTime = nullptr;
    QLineEdit* m_comment = nullptr;
    QLabel* m_clockLabel = nullptr;
};
