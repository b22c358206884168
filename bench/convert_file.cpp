// Converts files exactly as the converter window does, without the window, for
// bench/convert.sh:  convert_file [--wma] [--mp3] [--ogg] [--profile N] [--verbose] INPUT...
// Exit codes: 0 every job succeeded, 1 some failed, 2 usage.
#include "convert/ConversionRun.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ConversionSettings settings;
    QStringList inputs;
    bool verbose = false;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--wma"))
            settings.wma = true;
        else if (a == QLatin1String("--mp3"))
            settings.mp3 = true;
        else if (a == QLatin1String("--ogg"))
            settings.ogg = true;
        else if (a == QLatin1String("--verbose"))
            verbose = true;
        else if (a == QLatin1String("--profile") && i + 1 < args.size())
            settings.wmaProfile = args[++i].toInt();
        else if (a.startsWith(QLatin1String("--")))
            return 2;
        else
            inputs.append(a);
    }
    if (inputs.isEmpty())
        return 2;
    ConversionRun run(inputs, settings);
    QObject::connect(&run, &ConversionRun::logged, [verbose](const QString& text, int) {
        if (verbose)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    run.run();
    return run.succeeded() == run.jobs() ? 0 : 1;
}
