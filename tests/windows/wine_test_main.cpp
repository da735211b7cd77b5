// Velmora.exe's tests under Wine share one test desktop, with the window
// manager the run asks for.
#include <gtest/gtest.h>

#include <chrono>

#include "bounded_end.h"
#include "wine_test_session.h"

namespace velmora {
namespace {
XDesktop* desktop = nullptr;
}  // namespace

XDesktop& TestDesktop() { return *desktop; }

}  // namespace velmora

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  velmora::XDesktop session({velmora::ChosenWindowManager()});
  velmora::desktop = &session;
  const int result = RUN_ALL_TESTS();
  velmora::EndWithin(std::chrono::seconds(30));
  return result;
}
