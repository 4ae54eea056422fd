#include "framework/drawkit/IntEdit.h"

#include <algorithm>

#include "platform/TextRules.h"

TIntEdit::TIntEdit(QWidget* parent) : TEdit(parent) {
  setText(QString());
  OnKeyPress = [this](QChar& key) { FilterKey(key); };
  connect(this, &QLineEdit::textEdited, this, [this] { NormalizeText(); });
}

void TIntEdit::FilterKey(QChar& key) const {
  if (key != QChar(8) && (key < QChar('0') || key > QChar('9'))) key = QChar();
}

QString TIntEdit::Normalized(const QString& text) {
  QString digits;
  for (QChar c : text)
    if (c >= QChar('0') && c <= QChar('9')) digits += c;
  while (digits.size() > 1 && digits.startsWith('0')) digits.remove(0, 1);
  if (digits.isEmpty()) return QStringLiteral("0");
  if (digits.size() > 10 || digits.toLongLong() > MaxValue) return QString::number(MaxValue);
  return digits;
}

void TIntEdit::NormalizeText() {
  const QString now = text();
  const QString normal = Normalized(now);
  if (normal == now) return;
  // Keep the cursor where it was counted from the end, as far as the text allows.
  const int fromEnd = static_cast<int>(now.size()) - cursorPosition();
  setText(normal);
  setCursorPosition(std::clamp(static_cast<int>(normal.size()) - fromEnd, 0, static_cast<int>(normal.size())));
}

int TIntEdit::Value() const { return text::ParseInt(text()).value_or(0); }

void TIntEdit::SetValue(int value) { setText(QString::number(value)); }
