// Shared main of every test program. It runs the program's own application
// object, so errors raised inside event handlers reach its message box the way
// they do in the program; that box is answered at once and printed, so no test
// ever waits for a person.
#include "app/Application.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>
#include <iostream>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    TApplication::setApplicationDisplayName(QStringLiteral("Nestling"));
    SetMessageBoxHook([](QMessageBox::Icon, const QString &caption, const QString &text,
                         QMessageBox::StandardButtons buttons) {
        std::cerr << "[message box] " << caption.toStdString() << ": " << text.toStdString() << '\n';
        return (buttons & QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::StandardButton(int(buttons) & -int(buttons));
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
