#include "app/Application.h"
#include "platform/Exceptions.h"
#include "support/MessageLog.h"

#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
class Thrower : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override
    {
        ++presses;
        throw Exception("The picture could not be loaded");
    }
};
} // namespace

TEST(Application, ErrorsInEventHandlersAreShownAndTheProgramGoesOn)
{
    ASSERT_NE(Application(), nullptr);
    MessageLog log;
    Thrower w;
    w.resize(50, 50);
    w.show();
    QTest::mouseClick(&w, Qt::LeftButton);
    QTest::mouseClick(&w, Qt::LeftButton);
    EXPECT_EQ(w.presses, 2);
    EXPECT_EQ(log.Texts, QStringList({"The picture could not be loaded", "The picture could not be loaded"}));
    EXPECT_EQ(log.Captions.value(0), "Nestling");
}

TEST(Application, EveryWindowCarriesTheIconTheInstallPutsInTheMenu)
{
    ASSERT_NE(Application(), nullptr);
    // The desktop entry the install writes is pellan-wordlark.desktop.
    EXPECT_EQ(QGuiApplication::desktopFileName(), "pellan-wordlark");
    QWidget w;   // no icon of its own
    for (int size : {48, 256}) {
        const QImage installed(QStringLiteral(LUMWORD_SOURCE_DIR "/desktop/icons/pellan-wordlark-%1.png").arg(size));
        ASSERT_EQ(installed.size(), QSize(size, size));
        const QImage shown = w.windowIcon().pixmap(size, size).toImage();
        ASSERT_EQ(shown.size(), QSize(size, size));
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32), installed.convertToFormat(QImage::Format_ARGB32))
            << size << " px";
    }
}
