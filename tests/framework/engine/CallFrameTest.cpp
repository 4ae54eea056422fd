#include <gtest/gtest.h>

#include <type_traits>

#include "framework/engine/CallFrame.h"

TEST(CallFrame, NewFrameDeclaresTheVariablesInOrder) {
  std::unique_ptr<TData> frame(NewFrame(IntVar("n", 3), CharVar("x", 'a'), StrVar("s", "ab"), BoolVar("ok", true)));
  ASSERT_EQ(frame->Count(), 4);
  EXPECT_EQ(frame->Items(0)->Name(), "n");
  EXPECT_EQ(frame->Items(3)->Name(), "ok");
  AddVars(*frame, IntVar("temp", -1));
  EXPECT_EQ(TFrameVar(frame.get(), "temp").Value(), -1);
  EXPECT_EQ(TFrameVar<TCharData>(frame.get(), "x").Value(), 'a');

  TFrameVar<TStringData>(frame.get(), "s").SetValue(QStringLiteral("cd"));
  EXPECT_EQ(frame->Items(2)->GetText(), TStringData(QString(), "cd").GetText());
}

TEST(CallFrame, AMissingOrMistypedVariableIsAnErrorNotANullPointer) {
  std::unique_ptr<TData> frame(NewFrame(IntVar("n", 3)));
  EXPECT_THROW(TFrameVar(frame.get(), "m"), EDemoError);
  EXPECT_THROW(TFrameVar<TCharData>(frame.get(), "n"), EDemoError) << "n is an integer";
  EXPECT_THROW(TFrameVar(nullptr, "n"), EDemoError) << "no frame at all";
  try {
    TFrameVar(frame.get(), "succ");
  } catch (const EDemoError& e) {
    EXPECT_EQ(e.Message(), "no variable succ");
  }
  // A step cannot keep the variable past the frame's return.
  static_assert(!std::is_copy_constructible_v<TFrameVar<>> && !std::is_copy_assignable_v<TFrameVar<>>);
}
