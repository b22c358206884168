#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleModel.h"

#include <cstdio>

// Saves a schedule of N rows to the file named by its first argument again and again, each
// save's rows carrying the save's number as their comment, and prints that number as each
// save begins: for the killed-save test.
int main(int argc, char* argv[]) {
    if (argc != 3)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int rows = std::atoi(argv[2]);
    const QString filler(200, QLatin1Char('f'));
    ScheduleModel list;
    for (int generation = 1;; ++generation) {
        std::vector<ScheduleModel::Row> content(static_cast<size_t>(rows),
                                                ScheduleModel::Row{filler, filler, QString(),
                                                                   QStringLiteral("Waiting"),
                                                                   QString::number(generation)});
        list.setRows(std::move(content));
        std::printf("%d\n", generation);
        std::fflush(stdout);
        if (!ScheduleFile::save(path, list).ok)
            return 1;
    }
}
