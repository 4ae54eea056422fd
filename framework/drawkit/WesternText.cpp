#include "framework/drawkit/WesternText.h"

#include <algorithm>

#include "platform/InputQuery.h"
#include "platform/ModalHost.h"

bool WesternText(const QString& s) {
  return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

bool CheckWestern(const QString& s, const QString& message) {
  if (WesternText(s)) return true;
  modal::ShowMessage(message);
  return false;
}

bool QueryWestern(const QString& caption, const QString& prompt, QString& text, const QString& message,
                  const QRect& over) {
  QString answer = text;
  for (;;) {
    if (!InputQuery(caption, prompt, answer, over)) return false;
    if (CheckWestern(answer, message)) break;
  }
  text = answer;
  return true;
}
