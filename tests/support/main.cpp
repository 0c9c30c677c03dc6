// Shared main of every test program. It runs the program's own application
// object, so errors raised inside event handlers reach its message box the way
// they do in the program; that box is answered at once and printed, so no test
// ever waits for a person.
#include "app/Application.h"
#include "platform/MessageBox.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <iostream>

// The test command runs the audio, device and player tests under
// ThreadSanitizer, so its excuses live with the shared main. Qt's own
// libraries are not instrumented, so the
// hand-over of a queued call between threads (guarded inside Qt) shows up as
// a race on the event and its call object. Only that hand-over is excused;
// what the call itself touches is ordered by our own handshake.
// PulseAudio's client library (under ALSA's pulse plugin) is not instrumented
// either: with two connections open at once (the word-sound player and a wave
// device) both mainloop threads receive into a buffer the library shares.
extern "C" const char *__tsan_default_suppressions()
{
    return "race:qobjectdefs_impl.h\n"
           "race:libpulsecommon\n"
           "race:qobjectdefs.h\n"
           "race:qcoreevent.h\n"
           "race:QMetaObject::invokeMethodImpl\n"
           "race:QCoreApplication::postEvent\n";
}

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
    if (!CorporaPresent())
        std::cout << "The corpora of files made by other tools are not at " << LUMWORD_CORPORA
                  << ": the tests that read them are skipped.\n";
    return RUN_ALL_TESTS();
}
