// The leak checker sees a leak in a step method, although the step is called through Qt's
// meta-object system: the suppressions name Qt's own caches, not whole Qt libraries.
#include <gtest/gtest.h>

#include <cstdint>

#include "framework/engine/AlgoDemo.h"
#include "platform/MethodLookup.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#define VELKORA_LEAK_CHECK 1
#endif

namespace {

// The address is kept scrambled so that the checker cannot find a pointer to the block.
constexpr std::uintptr_t kScramble = 0x5a5a5a5a5a5a5a5aull;

class TLeakyDemo : public TAlgoDemo {
  Q_OBJECT

 public:
  using TAlgoDemo::TAlgoDemo;
  bool CreateData() override { return true; }
  void SetWindowRect() override {}

  Q_INVOKABLE void Main_Leak() { hidden = reinterpret_cast<std::uintptr_t>(new int[64]) ^ kScramble; }
  void FreeLeak() { delete[] reinterpret_cast<int*>(hidden ^ kScramble); }

  std::uintptr_t hidden = 0;
};

}  // namespace

TEST(LeakCheck, ALeakInAStepMethodIsReported) {
#ifndef VELKORA_LEAK_CHECK
  GTEST_SKIP() << "built without the sanitizers";
#else
  TLeakyDemo demo{QStringList()};
  ASSERT_EQ(__lsan_do_recoverable_leak_check(), 0) << "something leaked before the step ran";
  ASSERT_TRUE(methods::CallVoid(&demo, methods::Find(&demo, "Main_Leak")));
  EXPECT_NE(__lsan_do_recoverable_leak_check(), 0) << "the leak of Main_Leak went unreported";
  demo.FreeLeak();  // so that the check at exit finds nothing
#endif
}

#include "LeakCheckTest.moc"
