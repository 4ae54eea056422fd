#include "demos/linear/SqList.h"

#include "framework/drawkit/WesternText.h"
#include "platform/InputQuery.h"
#include "platform/ModalHost.h"

namespace {
const QString kCaption = QStringLiteral("顺序表");
}

QString SqElemName(int k) { return QStringLiteral("[%1]").arg(k); }

std::unique_ptr<TRecord> NewSqList(const QString& name, const QString& text, int last) {
  auto list = std::make_unique<TRecord>(name);
  auto* elem = list->Add(new TVector(QStringLiteral("elem")));
  for (int k = 1; k <= text.size(); ++k)
    elem->Add(new TCharData(SqElemName(k), static_cast<char>(text[k - 1].toLatin1())));
  list->Add(new TIntData(QStringLiteral("last"), last >= 0 ? last : static_cast<int>(text.size())));
  return list;
}

TVector* SqElems(const TData* list) {
  return static_cast<TVector*>(list->FindByName(QStringLiteral("elem")));
}

TIntData* SqLast(const TData* list) {
  return static_cast<TIntData*>(list->FindByName(QStringLiteral("last")));
}

char SqChar(const TData* list, int k) {
  const auto* c = static_cast<const TCharData*>(SqElems(list)->Items(k - 1));
  return c != nullptr ? c->Value() : ' ';
}

std::optional<QString> ConfirmListLength(const QString& text, int limit) {
  if (text.size() < limit) return text;
  if (modal::MessageDlg(QStringLiteral("数据太长，将被截断"), modal::Icon::Warning,
                        modal::Buttons::OkCancel) != modal::ResultOk)
    return std::nullopt;
  return text.left(limit);
}

std::optional<QString> AskListText(const QString& prompt, const QString& def, int limit) {
  QString text = def;
  if (!QueryWestern(kCaption, prompt, text)) return std::nullopt;
  return ConfirmListLength(text, limit);
}

std::optional<int> AskPosition(const QString& prompt) {
  for (;;) {
    QString text = QStringLiteral("3");
    if (!InputQuery(kCaption, prompt, text)) return std::nullopt;
    bool ok = false;
    const int i = text.trimmed().toInt(&ok);
    if (ok) return i;
    modal::ShowMessage(QStringLiteral("输入数据错误！"));
  }
}

std::optional<char> AskElement(const QString& prompt, const QString& def) {
  for (;;) {
    QString text = def;
    if (!QueryWestern(kCaption, prompt, text)) return std::nullopt;
    // An empty answer has no element to insert: ask again.
    if (!text.isEmpty()) return text.at(0).toLatin1();
  }
}
