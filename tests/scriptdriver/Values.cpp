#include "tests/scriptdriver/Values.h"

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"
#include "framework/engine/Globals.h"

namespace script {

namespace {

// The longest lag a meaning may name.
constexpr std::size_t kMostLag = 8;

const TData* Field(const TData& node, const QString& name) {
  if (const TData* f = node.FindByName(name)) return f;
  for (int i = 0; i < node.Count(); ++i)  // Pascal's names are no matter of letter case
    if (const TData* f = node.Items(i); f && f->Name().compare(name, Qt::CaseInsensitive) == 0) return f;
  return nullptr;
}

bool IsNameChar(QChar c) { return c.isLetterOrNumber() || c == '_'; }

void ReadRecord(const TData* record, int call, Variables& into) {
  if (record == nullptr) return;
  for (int i = 0; i < record->Count(); ++i)
    if (const TData* v = record->Items(i); v != nullptr && !v->Name().isEmpty()) {
      // A record or array names no node; a mark reads only leaves.
      if (v->Assigned() && dynamic_cast<const TLeafData*>(v) == nullptr) continue;
      into.values.try_emplace({call, v->Name()}, ValueOf(*v));
    }
}

}  // namespace

Variable ValueOf(const TData& v) {
  if (!v.Assigned()) return {Variable::Unassigned, {}};
  if (const auto* p = dynamic_cast<const TPtrData*>(&v)) {
    if (p->State() == TPtrData::StateDisposed || p->Target() == nullptr) return {Variable::Nil, {}};
    return {Variable::Value, p->Target()->Name(), true};
  }
  // A string or letter is its value, without the quotes the variable window writes round it.
  if (const auto* text = dynamic_cast<const TStringData*>(&v)) return {Variable::Value, text->Value()};
  if (const auto* letter = dynamic_cast<const TCharData*>(&v)) return {Variable::Value, QString(QChar::fromLatin1(letter->Value()))};
  return {Variable::Value, v.GetText().trimmed()};
}

std::optional<Variable> ReadPath(const TData& record, const QString& path) {
  const QString p = QString(path).replace(QStringLiteral("->"), QStringLiteral("^."));
  qsizetype at = 0;
  auto name = [&] {
    const qsizetype from = at;
    while (at < p.size() && IsNameChar(p[at])) ++at;
    return p.mid(from, at - from);
  };
  const QString first = name();
  if (first.isEmpty()) return std::nullopt;
  const TData* node = Field(record, first);
  while (node != nullptr && at < p.size()) {
    const QChar c = p[at++];
    if (c == '^' || c == '.') {
      if (const auto* ptr = dynamic_cast<const TPtrData*>(node)) {
        if (ptr->State() == TPtrData::StateDisposed || ptr->Target() == nullptr) return Variable{Variable::Nil, {}};
        node = ptr->Target();
      } else if (c == '^') {
        return std::nullopt;
      }
      if (c == '.' || (at < p.size() && p[at] == '.')) {
        if (c == '^') ++at;
        const QString field = name();
        if (field.isEmpty()) return std::nullopt;
        node = Field(*node, field);
      }
    } else if (c == '[') {
      const qsizetype close = p.indexOf(']', at);
      if (close < 0) return std::nullopt;
      const QStringList index = p.mid(at, close - at).split(',');
      at = close + 1;
      bool ok = true, ok2 = true;
      const int i = index[0].trimmed().toInt(&ok);
      if (!ok || index.size() > 2) return std::nullopt;
      if (index.size() == 2) {
        const auto* matrix = dynamic_cast<const TMatrix*>(node);
        const int j = index[1].trimmed().toInt(&ok2);
        if (!matrix || !ok2 || i < 0 || j < 0 || i >= matrix->Rows() || j >= matrix->Cols()) return std::nullopt;
        node = matrix->Elements(i, j);
      } else {
        node = node->Items(i);
      }
    } else {
      return std::nullopt;
    }
  }
  if (node == nullptr) return std::nullopt;
  return ValueOf(*node);
}

std::optional<Variable> RunVariables::Read(const TValueMeaning& meaning, const QString& path) {
  const TAlgoDemo* demo = CurrentDemo;
  if (demo == nullptr || demo->CurLine() == nullptr) return std::nullopt;
  const int calls = demo->RunStack()->Count();
  auto in = [&](const TData* record) { return record != nullptr ? ReadPath(*record, path) : std::nullopt; };
  switch (meaning.Call) {
    case TMarkMeaning::Global: return in(demo->Globals());
    case TMarkMeaning::Depth:
      if (meaning.CallDepth >= calls) return Variable{Variable::Returned, {}};
      return in(demo->LocalsAt(meaning.CallDepth));
    case TMarkMeaning::Innermost: break;
  }
  if (std::optional<Variable> v = in(demo->Locals())) return v;
  return in(demo->Globals());
}

Variables RunVariables::Now() {
  Variables out;
  const TAlgoDemo* demo = CurrentDemo;
  if (demo == nullptr || demo->CurLine() == nullptr) return out;
  out.running = true;
  out.calls = demo->RunStack()->Count();
  for (int call = 0; call < out.calls; ++call) ReadRecord(demo->LocalsAt(call), call, out);
  ReadRecord(demo->Globals(), Variables::GlobalCall, out);
  out.read = [this](const TValueMeaning& meaning, const QString& path) -> std::optional<Variable> {
    if (meaning.Lag <= 0) return Read(meaning, path);
    const Key key{meaning.Call, meaning.CallDepth, path};
    lagged_.insert(key);
    const std::size_t lag = static_cast<std::size_t>(meaning.Lag);
    if (lag > kMostLag || history_.size() < lag) return std::nullopt;
    const auto& then = history_[history_.size() - lag];
    const auto it = then.find(key);
    return it != then.end() ? it->second : std::nullopt;
  };
  return out;
}

void RunVariables::LineDone() {
  if (lagged_.empty()) return;
  std::map<Key, std::optional<Variable>> now;
  for (const Key& key : lagged_) {
    TValueMeaning meaning;
    meaning.Call = static_cast<TMarkMeaning::TCall>(std::get<0>(key));
    meaning.CallDepth = std::get<1>(key);
    now.emplace(key, Read(meaning, std::get<2>(key)));
  }
  history_.push_back(std::move(now));
  if (history_.size() > kMostLag) history_.pop_front();
}

void RunVariables::Forget() {
  history_.clear();
}

}  // namespace script
