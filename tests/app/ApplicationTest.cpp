#include "app/Application.h"
#include "platform/Exceptions.h"
#include "support/MessageLog.h"

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
