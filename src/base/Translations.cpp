#include "base/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

void installFirstFound(const QLocale& locale, const QString& name, const QStringList& folders) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders) {
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
    }
    delete translator;
}

} // namespace

void installTranslations(const QLocale& locale) {
    installFirstFound(locale, QStringLiteral("qtbase"), {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    const QString exe = QCoreApplication::applicationDirPath();
    installFirstFound(
        locale, QStringLiteral("tavrik"),
        {exe + QStringLiteral("/translations"), exe + QStringLiteral("/../share/tavrik/translations")});
}
