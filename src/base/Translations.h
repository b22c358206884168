#pragma once

class QLocale;

// Installs Qt's own texts (standard buttons, file dialogs) and Tavrik's for the locale's languages:
// Tavrik's from translations/ beside the executable (an uninstalled build), else from the install's
// share/tavrik/translations. English is the source text and needs no file.
void installTranslations(const QLocale& locale);
