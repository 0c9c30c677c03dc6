#include "resources/Resources.h"

#include <QtCore/qglobal.h>

#include <mutex>

static void InitLedFonts() { Q_INIT_RESOURCE(ledfonts); }
static void InitAboutLogo() { Q_INIT_RESOURCE(about); }
static void InitRecordIcons() { Q_INIT_RESOURCE(recordicons); }
static void InitAppIcon() { Q_INIT_RESOURCE(appicon); }

void InitResources()
{
    static std::once_flag once;
    std::call_once(once, [] {
        InitLedFonts();
        InitAboutLogo();
        InitRecordIcons();
        InitAppIcon();
    });
}
