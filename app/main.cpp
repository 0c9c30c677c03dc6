#include "app/Application.h"
#include "app/uMain.h"
#include "data/uCommon.h"
#include "data/uPlan.h"
#include "platform/ProgramFile.h"
#include "platform/SingleStart.h"
#include "platform/help.h"

int main(int argc, char **argv)
{
    // The desktop's permission for this start to take the focus; when another
    // copy is running it is that copy's window that should have it.
    const QByteArray activationToken = qgetenv("XDG_ACTIVATION_TOKEN");
    TApplication app(argc, argv);
    TSingleStart single(ProgramFilePath());
    const TSingleStart::TStartKind start = single.Start(activationToken);
    if (start == TSingleStart::skOtherRuns)
        return 0;
    // Only with the lock held: a copy running beside this one may be
    // half-way through a save.
    if (start == TSingleStart::skFirst)
        RemoveLeftoverTemporaries({PlanFileName()});
    // Before the first window: every text is translated as it is made.
    InstallStartLanguage();
    TApplication::setApplicationDisplayName(QStringLiteral("Nestling"));
    SetHelpFile(QStringLiteral("Lumword.hlp"));
    TfmMain fmMain;
    QObject::connect(&single, &TSingleStart::RaiseRequested, &app,
                     [&](const QByteArray &token) { app.BringToFront(&fmMain, token); });
    if (!fmMain.Terminated())
        fmMain.show();
    return app.exec();
}
