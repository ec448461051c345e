#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

// Tests paint and build widgets, so they run inside an application object; offscreen
// keeps them deterministic and display-free unless a test run asks for another platform.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
