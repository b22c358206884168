#include "schedule/ui/ScheduleEntryDialog.h"

#include "base/ui/Dialogs.h"
#include "base/ui/NamedWidgets.h"
#include "base/ui/Skin.h"
#include "schedule/ScheduleModel.h"
#include "schedule/ScheduleTime.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>

namespace {

QTime toSecond(QTime t) {
    return QTime(t.hour(), t.minute(), t.second());
}
} // namespace

ScheduleEntryDialog::ScheduleEntryDialog(ScheduleModel& list, std::function<QDateTime()> clock,
                                         const QString& appFolder, QWidget* parent)
    : QDialog(parent)
    , m_list(list)
    , m_clock(std::move(clock)) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(tr("Scheduler"));
    const QLocale locale;
    const QDateTime now = m_clock();
    const auto dateEdit = [&](const char* name) {
        auto* e = named(new QDateEdit(now.date(), this), name);
        e->setDisplayFormat(ScheduleTime::dateFormat(locale));
        e->setCalendarPopup(true);
        return e;
    };
    const auto timeEdit = [&](const char* name) {
        auto* e = named(new QTimeEdit(toSecond(now.time()), this), name);
        e->setDisplayFormat(ScheduleTime::timeFormat(locale));
        return e;
    };
    m_startDate = dateEdit("DTPicker1");
    m_startTime = timeEdit("DTPicker2");
    m_stopDate = dateEdit("DTPicker3");
    m_stopTime = timeEdit("DTPicker4");
    m_comment = named(new QLineEdit(this), "Text1");
    m_clockLabel = named(new QLabel(this), "SkinLabel1");

    auto* grid = new QGridLayout;
    grid->addWidget(m_clockLabel, 0, 0, 1, 3);
    grid->addWidget(named(new QLabel(tr("Start:"), this), "SkinLabel2"), 1, 0);
    grid->addWidget(m_startDate, 1, 1);
    grid->addWidget(m_startTime, 1, 2);
    grid->addWidget(named(new QLabel(tr("End:"), this), "SkinLabel3"), 2, 0);
    grid->addWidget(m_stopDate, 2, 1);
    grid->addWidget(m_stopTime, 2, 2);
    grid->addWidget(named(new QLabel(tr("Comment:"), this), "SkinLabel4"), 3, 0);
    grid->addWidget(m_comment, 3, 1, 1, 2);

    QHBoxLayout* buttons =
        confirmButtonRow(this, tr("OK"), "Command1", "Command2", [this] { addAndAccept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    auto* timer = named(new QTimer(this), "Timer1");
    timer->start(1000);
    connect(timer, &QTimer::timeout, this, &ScheduleEntryDialog::showClock);

    applySkin(appFolder, this);
    showClock();
}

void ScheduleEntryDialog::showClock() {
    m_clockLabel->setText(ScheduleTime::text(m_clock(), QLocale()));
}

void ScheduleEntryDialog::addAndAccept() {
    const QLocale locale;
    const QString start = ScheduleTime::text(m_startDate->date(), m_startTime->time(), locale);
    const QString stop = ScheduleTime::text(m_stopDate->date(), m_stopTime->time(), locale);
    const std::optional<qint64> from = ScheduleTime::seconds(start, locale);
    const std::optional<qint64> to = ScheduleTime::seconds(stop, locale);
    if (!from || !to || *to <= *from) {
        Dialogs::message(this, QMessageBox::Critical, tr("Time is error"));
        return;
    }
    m_list.appendEntry(start, stop, m_comment->text());
    accept();
}
