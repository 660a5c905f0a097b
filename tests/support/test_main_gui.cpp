#include <QApplication>
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <dlfcn.h>
#endif

// Interface tests need the full application object and a display (Xvfb).
int main(int argc, char** argv)
{
#if defined(__SANITIZE_ADDRESS__)
    // Mesa unloads its software driver before LeakSanitizer looks at the heap,
    // so the driver's own process-lifetime allocations would be reported
    // without a module name that a suppression could match. Keeping it loaded
    // lets the suppression file name it.
    dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_NOW | RTLD_NODELETE);
#endif
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
