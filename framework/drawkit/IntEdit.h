#pragma once
// The digit edit of the input dialogs: only the digits 0 to 9 (typed, pasted or dropped) and
// backspace get in, there is no minus sign, and every change the user makes is shown at once
// as the decimal form of the number (leading zeros go, an emptied field shows 0). The value
// stays within 32 bits: a longer number is capped at 2147483647.
#include "platform/Controls.h"

class TIntEdit : public TEdit {
 public:
  explicit TIntEdit(QWidget* parent = nullptr);

  // The text as a decimal integer; an empty or unreadable text reads as 0.
  int Value() const;
  void SetValue(int value);

  static constexpr int MaxValue = 2147483647;
  // The decimal form a user's text is turned into.
  static QString Normalized(const QString& text);

 private:
  void FilterKey(QChar& key) const;
  void NormalizeText();
};
