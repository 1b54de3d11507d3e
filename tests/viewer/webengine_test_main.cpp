#include <gtest/gtest.h>

#include <dlfcn.h>

#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

// The suite's virtual display now and then refuses a connection for a moment while other
// browser tests start and end beside this one; Qt then aborts the whole test program. Waits
// until a connection succeeds, for up to five seconds, through the X library Qt's own
// platform plugin loads anyway.
void WaitForTheDisplay() {
  const char* display = std::getenv("DISPLAY");
  void* xcb = display != nullptr ? dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL) : nullptr;
  if (xcb == nullptr) {
    return;
  }
  using Connect = void* (*)(const char*, int*);
  using HasError = int (*)(void*);
  using Disconnect = void (*)(void*);
  const auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
  const auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
  const auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
  if (connect != nullptr && hasError != nullptr && disconnect != nullptr) {
    for (int attempt = 0; attempt < 50; ++attempt) {
      void* connection = connect(display, nullptr);
      const bool refused = hasError(connection) != 0;
      disconnect(connection);
      if (!refused) {
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }
  dlclose(xcb);
}

}  // namespace

// Tests of the embedded browser: they need a display (xvfb-run) and, as root, Chromium's
// sandbox switched off. Listing the tests starts nothing.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) {
    return RUN_ALL_TESTS();
  }
  setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
  WaitForTheDisplay();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
