#include <QApplication>
#include <gtest/gtest.h>

// Interface tests need the full application object and a display (Xvfb).
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
