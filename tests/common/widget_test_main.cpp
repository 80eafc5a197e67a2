#include "tapplication.h"
#include "vekaccessibility.h"

#include <gtest/gtest.h>

#include <cstdlib>

// Widget tests run headless, one logical pixel to one grabbed pixel.
int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
    TApplication app(argc, argv);
    InstallVekAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
