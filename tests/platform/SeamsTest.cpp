#include <gtest/gtest.h>

#include <QObject>

#include "platform/ClassRegistry.h"
#include "platform/MethodLookup.h"
#include "platform/Pacing.h"
#include "platform/Random.h"

namespace {

class StepBase : public QObject {
  Q_OBJECT
 public:
  int calls = 0;
  Q_INVOKABLE void Main_AfterBegin() { calls += 1; }
  Q_INVOKABLE bool Ackman_F_Begin() { return true; }
};

class StepDerived : public StepBase {
  Q_OBJECT
 public:
  explicit StepDerived(int v = 0) : value(v) {}
  int value;
  Q_INVOKABLE void Main_AfterBegin() { calls += 10; }
  Q_INVOKABLE QObject* Main_C_Begin() { return this; }
};

class Unrelated : public QObject {
  Q_OBJECT
};

}  // namespace

TEST(MethodLookup, FindsStepMethodsIgnoringLetterCase) {
  StepDerived d;
  EXPECT_TRUE(methods::Find(&d, "ackman_f_begin").isValid());
  EXPECT_TRUE(methods::Find(&d, "ACKMAN_F_BEGIN").isValid());
  EXPECT_FALSE(methods::Find(&d, "Ackman_F_End").isValid());
  bool r = false;
  EXPECT_TRUE(methods::CallBool(&d, methods::Find(&d, "Ackman_F_Begin"), r));
  EXPECT_TRUE(r);
}

TEST(MethodLookup, DerivedMethodHidesItsBase) {
  StepDerived d;
  EXPECT_TRUE(methods::CallVoid(&d, methods::Find(&d, "main_afterbegin")));
  EXPECT_EQ(d.calls, 10);
}

TEST(MethodLookup, PointerResultsComeBack) {
  StepDerived d;
  void* p = nullptr;
  EXPECT_TRUE(methods::CallPointer(&d, methods::Find(&d, "Main_C_Begin"), p));
  EXPECT_EQ(p, static_cast<QObject*>(&d));
  bool b = false;
  EXPECT_FALSE(methods::CallBool(&d, methods::Find(&d, "Main_C_Begin"), b));
}

TEST(ClassRegistry, FindsByNameIgnoringCaseAndChecksDerivation) {
  ClassRegistry<StepBase, int> reg;
  reg.Register<StepDerived>();
  reg.Register(Unrelated::staticMetaObject, [](int) { return std::unique_ptr<StepBase>(); });
  ASSERT_NE(reg.Find(QStringLiteral("stepderived")), nullptr);
  auto made = reg.Create(QStringLiteral("StepDerived"), 7);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(static_cast<StepDerived*>(made.get())->value, 7);
  EXPECT_EQ(reg.Find(QStringLiteral("Unrelated")), nullptr);
  EXPECT_EQ(reg.Find(QStringLiteral("Missing")), nullptr);
}

TEST(Pacing, InstantModeAdvancesTheClockAndRecordsWaits) {
  ASSERT_TRUE(pacing::IsInstant());
  const auto start = pacing::Now();
  pacing::StartRecording();
  pacing::Sleep(30);
  pacing::Delay(15);
  int polls = 0;
  EXPECT_TRUE(pacing::WaitProcessing(645, [&] { return ++polls > 0; }));
  const auto waits = pacing::StopRecording();
  EXPECT_EQ(waits, (std::vector<int>{30, 15, 645}));
  EXPECT_EQ(pacing::Now() - start, 30 + 15 + 645);
}

TEST(Random, SeededSequenceRepeatsAndStaysInRange) {
  rnd::SetSeed(7);
  std::vector<int> a, b;
  for (int i = 0; i < 50; ++i) a.push_back(rnd::Random(6));
  rnd::SetSeed(7);
  rnd::Randomize();  // the test harness fixed the seed: no reseed from the clock
  for (int i = 0; i < 50; ++i) b.push_back(rnd::Random(6));
  EXPECT_EQ(a, b);
  for (int v : a) EXPECT_TRUE(v >= 0 && v < 6);
  EXPECT_EQ(rnd::Random(0), 0);
}

#include "SeamsTest.moc"
