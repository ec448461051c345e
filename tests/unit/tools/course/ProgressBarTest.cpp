#include "tools/course/ProgressBar.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(ProgressBarTest, ShowsWordsDoneAndTheTimeLeftAtThePaceSoFar)
{
    using std::chrono::seconds;
    EXPECT_EQ(TProgressBar::Line(0, 10, seconds(0)), "[------------------------------]  0/10 words");
    EXPECT_EQ(TProgressBar::Line(5, 10, seconds(10)), "[###############---------------]  5/10 words  0:10 left");
    EXPECT_EQ(TProgressBar::Line(1, 100, seconds(2)), "[------------------------------]  1/100 words  3:18 left");
    EXPECT_EQ(TProgressBar::Line(10, 10, seconds(20)), "[##############################]  10/10 words");

    std::ostringstream out;
    TProgressBar bar(out, TProgressBar::TClock::time_point {});
    bar.Show(1, 2, TProgressBar::TClock::time_point {} + seconds(3));
    EXPECT_EQ(out.str(), "\r[###############---------------]  1/2 words  0:03 left      ");
}

} // namespace
