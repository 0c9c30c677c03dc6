#include "app/Application.h"
#include "app/uMain.h"
#include "platform/help.h"

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    TApplication::setApplicationDisplayName(QStringLiteral("Nestling"));
    SetHelpFile(QStringLiteral("Lumword.hlp"));
    TfmMain fmMain;
    if (!fmMain.Terminated())
        fmMain.show();
    return app.exec();
}
