// The fault layer: which calls it counts, how the N-th one fails, and that a release is still carried out.
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "platform/host/memory_registry.h"
#include "platform/registry.h"
#include "platform/today.h"
#include "tests/faults/fault_services.h"

namespace ostrel::testing {
namespace {

using pf::faults::AsCaller;
using pf::faults::Caller;
using pf::faults::FaultPlan;
using pf::faults::FaultyServices;

class FaultLayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    registry.SetDword(pf::HKEY_CURRENT_USER, u"Software\\Vekta\\Ostrel", u"TapType", 2);
    pf::SetRegistry(&registry);
  }
  void TearDown() override { pf::SetRegistry(nullptr); }

  // Opens the key, reads TapType and closes the key: three calls of the project.
  void ReadTapType(long* opened, long* read, long* closed) {
    AsCaller project(Caller::Project);
    pf::KeyHandle key{};
    *opened = pf::RegOpenKeyExW(pf::HKEY_CURRENT_USER, u"Software\\Vekta\\Ostrel", 0, pf::KEY_READ, &key);
    std::uint32_t value = 0;
    std::uint32_t size = sizeof value;
    *read = pf::RegQueryValueExW(key, u"TapType", nullptr, nullptr, reinterpret_cast<std::uint8_t*>(&value), &size);
    *closed = pf::IsNull(key) ? pf::ERROR_SUCCESS : pf::RegCloseKey(key);
  }

  pf::host::MemoryRegistry registry;
};

TEST_F(FaultLayerTest, TheNthCallOfTheProjectFailsAsThePlatformFailsAndNoOther) {
  long opened = 0, read = 0, closed = 0;
  FaultPlan plan(2);
  {
    FaultyServices layer(plan);
    ReadTapType(&opened, &read, &closed);
    ReadTapType(&opened, &read, &closed);  // a later call of the same kind goes through
  }
  EXPECT_EQ(plan.Counted(), 6);
  EXPECT_TRUE(plan.Failed());
  EXPECT_STREQ(plan.FailedCall().method, "RegQueryValueExW");
  EXPECT_EQ(read, pf::ERROR_SUCCESS);
  EXPECT_EQ(registry.OpenHandleCount(), 0);

  FaultPlan again(2);
  FaultyServices layer(again);
  ReadTapType(&opened, &read, &closed);
  EXPECT_EQ(opened, pf::ERROR_SUCCESS);
  EXPECT_EQ(read, pf::faults::kErrorOutOfMemory);
  EXPECT_EQ(closed, pf::ERROR_SUCCESS);
}

TEST_F(FaultLayerTest, AFailingReleaseIsCarriedOutAndReportsFailure) {
  long opened = 0, read = 0, closed = 0;
  FaultPlan plan(3);
  FaultyServices layer(plan);
  ReadTapType(&opened, &read, &closed);
  EXPECT_EQ(closed, pf::ERROR_INVALID_HANDLE);
  EXPECT_EQ(registry.OpenHandleCount(), 0) << "the key was closed all the same";
}

TEST_F(FaultLayerTest, OnlyTheProjectsCallsAreCountedAndCallsThatCannotFailNeverFail) {
  FaultPlan plan(1);
  FaultyServices layer(plan);
  long opened = 0, read = 0, closed = 0;
  pf::KeyHandle key{};
  EXPECT_EQ(pf::RegOpenKeyExW(pf::HKEY_CURRENT_USER, u"Software\\Vekta\\Ostrel", 0, pf::KEY_READ, &key),
            pf::ERROR_SUCCESS) << "the test's own call is neither counted nor failed";
  pf::RegCloseKey(key);
  EXPECT_EQ(plan.Counted(), 0);
  {
    AsCaller project(Caller::Project);
    EXPECT_EQ(pf::IsWindow(pf::WindowHandle{}), 0);  // cannot fail: counted as call 1, carried out
  }
  EXPECT_EQ(plan.Counted(), 1);
  EXPECT_FALSE(plan.Failed());
  ReadTapType(&opened, &read, &closed);
  EXPECT_EQ(opened, pf::ERROR_SUCCESS);
}

// A stand-in that looks for its own kind of service (the host windows find a
// window's record in the host controls) must find it undecorated whether or
// not the plan counts the call.
TEST_F(FaultLayerTest, ACallThePlanDoesNotCountStillReachesTheStandInsOwnServices) {
  const pf::WindowHandle window = pf::CreateWindowExW(0, pf::WC_STATIC, u"", 0, 0, 0, 30, 20, pf::WindowHandle{}, 0,
                                                      pf::ModuleHandle{}, nullptr);
  ASSERT_FALSE(pf::IsNull(window));
  FaultPlan plan(0);
  FaultyServices layer(plan);
  AsCaller project(Caller::Project);
  for (const bool paused : {false, true}) {
    plan.Pause(paused);
    pf::RECT client{};
    EXPECT_NE(pf::GetClientRect(window, &client), 0) << "paused " << paused;
    EXPECT_EQ(client.right, 30) << "paused " << paused;
  }
  plan.Pause(false);
  plan.Only("Registry");
  pf::RECT client{};
  EXPECT_NE(pf::GetClientRect(window, &client), 0) << "another service's calls only";
  EXPECT_EQ(plan.Counted(), 1);
  pf::DestroyWindow(window);
}

pf::LRESULT CountingProcedure(pf::WindowHandle window, std::uint32_t message, pf::WPARAM wParam, pf::LPARAM lParam) {
  if (message == pf::WM_USER) pf::GetDlgItem(window, 1);
  return pf::DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(FaultLayerTest, AProcedureRunsAsTheCallerThatRegisteredItWhereverItIsDispatchedFrom) {
  FaultPlan plan(0);
  FaultyServices layer(plan);
  pf::WNDCLASSW windowClass;
  windowClass.lpfnWndProc = CountingProcedure;
  windowClass.lpszClassName = u"FaultLayerProject";
  pf::WindowHandle window{};
  {
    AsCaller project(Caller::Project);
    ASSERT_NE(pf::RegisterClassW(&windowClass), 0);
    window = pf::CreateWindowExW(0, u"FaultLayerProject", u"", 0, 0, 0, 10, 10, pf::WindowHandle{}, 0,
                                 pf::ModuleHandle{}, nullptr);
  }
  ASSERT_FALSE(pf::IsNull(window));
  const long afterCreation = plan.Counted();
  pf::SendMessageW(window, pf::WM_USER, 0, 0);  // sent by the test, handled by the project
  EXPECT_EQ(plan.Counted(), afterCreation + 2) << "GetDlgItem and DefWindowProcW";
  pf::DestroyWindow(window);
  pf::UnregisterClassW(u"FaultLayerProject", pf::ModuleHandle{});
}

}  // namespace
}  // namespace ostrel::testing
