#include <gmock/gmock.h>

#include <QApplication>

// GUI tests need one QApplication for the whole run, on the offscreen platform.
int main(int argc, char** argv) {
    // Test discovery runs the executable outside CTest's environment, too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
