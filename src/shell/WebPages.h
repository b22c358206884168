#pragma once

#include <QString>

// The product's web addresses, set when the build is configured (TAVRIK_HOME_PAGE_URL,
// TAVRIK_SUPPORT_URL). Empty when none was set: their entries then open the local help.
namespace WebPages {
QString homePage();
QString supportPage();
} // namespace WebPages
