#include "shell/WebPages.h"

// Generated from WebPagesConfig.h.in, so that a changed address rebuilds this file alone.
#include "WebPagesConfig.h"

namespace WebPages {

QString homePage() {
    return QString::fromUtf8(kConfiguredHomePage).trimmed();
}

QString supportPage() {
    return QString::fromUtf8(kConfiguredSupportPage).trimmed();
}

} // namespace WebPages
