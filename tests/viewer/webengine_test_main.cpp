#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// Tests of the embedded browser: they need a display (xvfb-run) and, as root, Chromium's
// sandbox switched off. Listing the tests starts nothing.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) {
    return RUN_ALL_TESTS();
  }
  setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
