#include "platform/core/TTimer.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

TEST(Timer, EnablingAnEnabledTimerKeepsItsPeriod)
{
    TTimer timer;
    timer.SetEnabled(false);
    timer.SetInterval(200);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    timer.SetEnabled(true);
    QElapsedTimer clock;
    clock.start();
    // Re-enabling every few milliseconds must not keep pushing the first tick away.
    while (ticks == 0 && clock.elapsed() < 2000) {
        timer.SetEnabled(true);
        QTest::qWait(20);
    }
    EXPECT_EQ(ticks, 1);
    EXPECT_LT(clock.elapsed(), 600);
}

TEST(Timer, DisabledOrHandlerlessTimersStayQuiet)
{
    TTimer timer;
    timer.SetInterval(30);
    int ticks = 0;
    QTest::qWait(100);
    EXPECT_FALSE(timer.Running()) << "a timer without a handler stops after its first period";
    timer.OnTimer = [&] { ++ticks; };
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    QTest::qWait(100);
    EXPECT_GE(ticks, 1);
    timer.SetEnabled(false);
    int before = ticks;
    QTest::qWait(100);
    EXPECT_EQ(ticks, before);
}
