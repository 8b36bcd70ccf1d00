// main() of the suites that drive forms: Qt offscreen, strict seams, then every test.
#include "TApplication.h"
#include "UiTesting.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication qtApp(argc, argv);
    Application->Initialize(argc, argv);
    InstallStrictSeams();
    int result = RUN_ALL_TESTS();
    Application->DestroyForms();
    return result;
}
