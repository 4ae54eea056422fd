#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "framework/drawkit/IntEdit.h"
#include "tests/support/ScriptControls.h"

namespace {

struct Shown {
  TIntEdit edit;
  Shown() {
    edit.show();
    edit.setFocus();
  }
};

}  // namespace

TEST(IntEdit, UserEditsShowTheNumberAtOnce) {
  Shown s;
  EXPECT_EQ(s.edit.text(), QString()) << "a new edit is empty";
  EXPECT_EQ(s.edit.Value(), 0);
  script::TypeText(s.edit, QStringLiteral("007"));
  EXPECT_EQ(s.edit.text(), QStringLiteral("7")) << "leading zeros go at once";
  EXPECT_EQ(s.edit.Value(), 7);
  QTest::keyClick(&s.edit, Qt::Key_Backspace);
  EXPECT_EQ(s.edit.text(), QStringLiteral("0")) << "deleting the last digit leaves 0";
  script::TypeText(s.edit, QStringLiteral("12"));
  EXPECT_EQ(s.edit.text(), QStringLiteral("12"));
}

TEST(IntEdit, OnlyDigitsGetIn) {
  Shown s;
  script::TypeText(s.edit, QStringLiteral("a-5 b+3.x"));
  EXPECT_EQ(s.edit.text(), QStringLiteral("53")) << "letters, signs and blanks are ignored";
  QApplication::clipboard()->setText(QStringLiteral("1a-2 3"));
  s.edit.clear();
  QTest::keyClick(&s.edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(s.edit.text(), QStringLiteral("123")) << "pasted text is filtered like typed text";
}

TEST(IntEdit, ValueStaysWithin32Bits) {
  Shown s;
  script::TypeText(s.edit, QStringLiteral("99999999999"));
  EXPECT_EQ(s.edit.text(), QStringLiteral("2147483647"));
  EXPECT_EQ(s.edit.Value(), 2147483647);
  s.edit.clear();
  script::TypeText(s.edit, QStringLiteral("2147483647"));
  EXPECT_EQ(s.edit.Value(), 2147483647);
  QApplication::clipboard()->setText(QString(40, QChar('9')));
  s.edit.clear();
  QTest::keyClick(&s.edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(s.edit.Value(), 2147483647) << "a pasted giant number is capped, not wrapped";
}

TEST(IntEdit, ValueReadsAndWritesTheDecimalText) {
  TIntEdit e;
  e.SetValue(42);
  EXPECT_EQ(e.text(), QStringLiteral("42"));
  EXPECT_EQ(e.Value(), 42);
  e.SetValue(0);
  EXPECT_EQ(e.text(), QStringLiteral("0"));
  e.setText(QStringLiteral("junk"));
  EXPECT_EQ(e.Value(), 0) << "a text that is no number reads as 0 instead of failing";
}

TEST(IntEdit, NormalizedForm) {
  EXPECT_EQ(TIntEdit::Normalized(QString()), QStringLiteral("0"));
  EXPECT_EQ(TIntEdit::Normalized(QStringLiteral("000")), QStringLiteral("0"));
  EXPECT_EQ(TIntEdit::Normalized(QStringLiteral("0012")), QStringLiteral("12"));
  EXPECT_EQ(TIntEdit::Normalized(QStringLiteral("2147483648")), QStringLiteral("2147483647"));
  EXPECT_EQ(TIntEdit::Normalized(QStringLiteral("00000000002147483647")), QStringLiteral("2147483647"));
}

TEST(IntEdit, AScriptSetsItByTyping) {
  QWidget dialog;
  auto* m = new TIntEdit(&dialog);
  m->setObjectName(QStringLiteral("MEdit"));
  m->SetValue(1);
  dialog.show();
  EXPECT_EQ(script::SetControl(dialog, QStringLiteral("MEdit"), QStringLiteral("3")), QString());
  EXPECT_EQ(m->Value(), 3);
}
