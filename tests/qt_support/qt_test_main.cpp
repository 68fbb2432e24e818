// One Qt host for the whole test program: Qt allows one application at a time.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "qt_support/message_boxes.h"

forms::THost* QtTestHost = nullptr;

int main(int argc, char** argv) {
    // Listing the tests at build time has no display either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto host = forms::CreateQtHost(argc, argv);
    QtTestHost = host.get();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
