#include "recordings/ProjectFile.h"
#include "recordings/RecordingsModel.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// Opening and saving a project of 100,000 rows, as a user with a very long list does.
namespace {

constexpr int kRows = 100000;

QString writeProject(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("big.rpf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    for (int i = 1; i <= kRows; ++i)
        file.write(
            QStringLiteral("%1\t/home/user/recordings/take %1.mp3\t1.5MB\t2:05.040\t12/6/26 2:03 PM\r\n")
                .arg(i)
                .toUtf8());
    return path;
}

void openProject(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writeProject(dir);
    for (auto _ : state) {
        RecordingsModel list;
        benchmark::DoNotOptimize(ProjectFile::open(path, list).ok);
        if (list.rowCount() != kRows)
            state.SkipWithError("rows lost");
    }
}
BENCHMARK(openProject)->Unit(benchmark::kMillisecond);

void saveProject(benchmark::State& state) {
    QTemporaryDir dir;
    RecordingsModel list;
    ProjectFile::open(writeProject(dir), list);
    const QString out = dir.filePath(QStringLiteral("out.rpf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ProjectFile::save(out, list).ok);
}
BENCHMARK(saveProject)->Unit(benchmark::kMillisecond);

// A hostile project: N MB of letters without a line break. The cost must grow linearly.
void openLongLine(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.rpf"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(QByteArray(state.range(0) * 1024 * 1024, 'a'));
    }
    for (auto _ : state) {
        RecordingsModel list;
        benchmark::DoNotOptimize(ProjectFile::open(path, list).ok);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 1024 * 1024);
}
BENCHMARK(openLongLine)->Arg(1)->Arg(10)->Arg(40)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
