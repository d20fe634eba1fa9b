// Runs GoogleTest inside a QApplication on Qt's offscreen platform.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Stand in for a desktop whose own style is not the themed one, so that
    // switching the theme on and off can be seen.
    QApplication::setStyle(QStringLiteral("Windows"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
