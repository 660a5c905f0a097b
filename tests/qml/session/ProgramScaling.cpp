#include <QGuiApplication>

namespace {

// The program turns high-DPI scaling on before its application object exists,
// and so does this test program: on a display of 100 dpi, as the test display
// and many others are, the window then opens at the program's 1145 x 832 pixels
// and scales by a fraction, where images sized after their parents size
// themselves anew while they load.
const bool scaledAsTheProgram = [] {
    QGuiApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    return true;
}();

} // namespace
