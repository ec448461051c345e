#include "platform/forms/TPressBehaviour.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// A script of inputs: E enter, L leave, P press, o/i move outside/inside, R/r release
// inside/outside, K/k key down/up. Then what the control shows and how often it clicked.
struct TPressCase {
    const char* script;
    bool hot, pressed, held;
    int clicks;
};

class PressBehaviour : public testing::TestWithParam<TPressCase> { };

TEST_P(PressBehaviour, FollowsItsStateTable)
{
    TPressBehaviour press;
    int clicks = 0;
    for (char input : std::string(GetParam().script)) {
        switch (input) {
        case 'E': press.Enter(); break;
        case 'L': press.Leave(); break;
        case 'P': press.Press(); break;
        case 'o': press.Move(false); break;
        case 'i': press.Move(true); break;
        case 'R': clicks += press.Release(true); break;
        case 'r': clicks += press.Release(false); break;
        case 'K': press.KeyDown(); break;
        case 'k': clicks += press.KeyUp(); break;
        }
    }
    EXPECT_EQ(press.Hot(), GetParam().hot);
    EXPECT_EQ(press.Pressed(), GetParam().pressed);
    EXPECT_EQ(press.Held(), GetParam().held);
    EXPECT_EQ(clicks, GetParam().clicks);
}

INSTANTIATE_TEST_SUITE_P(Scripts, PressBehaviour,
    testing::Values(TPressCase { "E", true, false, false, 0 },
        TPressCase { "EP", true, true, true, 0 },
        TPressCase { "EPR", true, false, false, 1 },
        TPressCase { "EPor", false, false, false, 0 }, // released outside: no click
        TPressCase { "EPoi", true, false, true, 0 }, // back inside: not pushed in again
        TPressCase { "EPoiR", true, false, false, 1 }, // but the hold still clicks
        TPressCase { "ER", true, false, false, 0 }, // a release without a press
        TPressCase { "EPL", false, false, true, 0 },
        TPressCase { "Kk", false, false, false, 1 },
        TPressCase { "k", false, false, false, 0 },
        TPressCase { "EPRPR", true, false, false, 2 }));

TEST(PressBehaviourRepeat, RunsFromThePressUntilTheClickOrTheLeave)
{
    TPressBehaviour press;
    press.SetRepeatOnPress(true);
    press.Enter();
    press.Press();
    EXPECT_TRUE(press.Repeating());
    press.Move(false);
    EXPECT_TRUE(press.Repeating()) << "moving off keeps it running until the leave";
    press.Leave();
    EXPECT_FALSE(press.Repeating());

    press.Enter();
    press.Press();
    press.Release(true);
    EXPECT_FALSE(press.Repeating());

    press.SetRepeatInterval(0);
    press.Press();
    EXPECT_FALSE(press.Repeating()) << "a period of 0 never fires";
}

} // namespace
