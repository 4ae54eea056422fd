#include "framework/shell/VarRows.h"

#include <algorithm>

#include "framework/engine/BasicData.h"
#include "framework/engine/Data.h"
#include "platform/TextRules.h"

namespace {

constexpr int kMaxTextBytes = 80;

void Append(TMarkedText& out, const QString& text, QChar mark) {
  out.Text += text;
  out.Mark += QString(text.size(), mark);
}

void Append(TMarkedText& out, const TMarkedText& part) {
  out.Text += part.Text;
  out.Mark += part.Mark;
}

// Cuts text and mark together to the byte limit of a value text.
TMarkedText CutToLimit(TMarkedText t) {
  const QString cut = text::CutToBytes(t.Text, kMaxTextBytes);
  t.Text = cut;
  t.Mark.truncate(cut.size());
  return t;
}

bool IsLeafValue(const TData* node) { return dynamic_cast<const TLeafData*>(node) != nullptr; }

void ClearModifiedBelow(TData* node) {
  for (int i = 0; i < node->Count(); ++i) {
    if (TData* child = node->Items(i)) {
      child->SetModified(false);
      ClearModifiedBelow(child);
    }
  }
}

TMarkedText MatrixText(const TMatrix* m) {
  TMarkedText out;
  Append(out, QStringLiteral("("), ' ');
  for (int i = 0; i < m->Rows(); ++i) {
    if (i > 0) Append(out, QStringLiteral(","), ' ');
    Append(out, QStringLiteral("("), ' ');
    for (int j = 0; j < m->Cols(); ++j) {
      if (const TData* e = m->Items(i * m->Cols() + j)) Append(out, MarkedText(e));
      Append(out, QStringLiteral(","), ' ');
      if (text::GbkLength(out.Text) > kMaxTextBytes - 1) return CutToLimit(out);
    }
    Append(out, QStringLiteral(")"), ' ');
  }
  Append(out, QStringLiteral(")"), ' ');
  return CutToLimit(out);
}

}  // namespace

TMarkedText MarkedText(const TData* node) {
  if (!node) return {};
  if (IsLeafValue(node)) {
    TMarkedText out;
    Append(out, text::CutToBytes(node->GetText(), kMaxTextBytes), node->Modified() ? '#' : ' ');
    return out;
  }
  if (const auto* m = dynamic_cast<const TMatrix*>(node)) return MatrixText(m);
  TMarkedText out;
  Append(out, QStringLiteral("("), ' ');
  bool first = true;
  for (int i = 0; i < node->Count(); ++i) {
    const TData* child = node->Items(i);
    if (!child) continue;
    if (!first) Append(out, QStringLiteral(","), ' ');
    first = false;
    Append(out, MarkedText(child));
    if (text::GbkLength(out.Text) > kMaxTextBytes) break;
  }
  Append(out, QStringLiteral(")"), ' ');
  return CutToLimit(out);
}

TVarIcon IconOf(const TData* node) {
  if (dynamic_cast<const TBoolData*>(node)) return TVarIcon::Bool;
  if (dynamic_cast<const TIntData*>(node)) return TVarIcon::Int;
  if (dynamic_cast<const TRealData*>(node)) return TVarIcon::Float;
  if (dynamic_cast<const TCharData*>(node)) return TVarIcon::Char;
  if (dynamic_cast<const TStringData*>(node)) return TVarIcon::Str;
  if (dynamic_cast<const TPtrData*>(node)) return TVarIcon::Ptr;
  if (dynamic_cast<const TVector*>(node)) return TVarIcon::Vector;
  return TVarIcon::Record;
}

TVarRow TVarRows::MakeRow(TData* node, int level) {
  TVarRow row;
  row.Level = level;
  row.Data = node;
  row.Status = IsLeafValue(node) ? TVarStatus::Atom : TVarStatus::Closed;
  row.Icon = IconOf(node);
  row.Name = node->Name();
  const TMarkedText t = MarkedText(node);
  row.Value = t.Text;
  row.Mark = t.Mark;
  // Marks found when the row is made last until the update after next, as if that update
  // had made them: they are seen at the next stop and then go. A closed composite shows
  // its parts' changes in its marks, so their flags are spent too.
  row.FreshMarks = t.AnyChanged();
  node->SetModified(false);
  if (row.Status != TVarStatus::Atom) ClearModifiedBelow(node);
  Measure(row);
  return row;
}

void TVarRows::Measure(TVarRow& row) const {
  row.NameWidth = measure_(row.Name) + 16 * row.Level + 52;
  row.ValueWidth = measure_(row.Value) + 36;
}

void TVarRows::Remeasure() {
  for (TVarRow& row : rows_) Measure(row);
}

void TVarRows::Reload(TData* globals, TData* locals) {
  rows_.clear();
  for (TData* record : {globals, locals}) {
    if (!record) continue;
    for (int i = 0; i < record->Count(); ++i)
      if (TData* v = record->Items(i)) rows_.push_back(MakeRow(v, 1));
  }
}

bool TVarRows::UpdateValues() {
  bool any = false;
  for (TVarRow& row : rows_) {
    if (row.Changed) {
      row.Changed = false;
      row.Mark.clear();
      any = true;
    } else if (row.FreshMarks) {
      row.FreshMarks = false;
      row.Changed = true;
    }
    TData* node = row.Data;
    if (!node->Modified()) {
      // Unassigning a value changes its text without marking it modified: the row shows
      // what the value now reads ("???"), unmarked, as nothing was computed.
      const QString now = row.Status == TVarStatus::Atom ? text::CutToBytes(node->GetText(), kMaxTextBytes)
                                                         : MarkedText(node).Text;
      if (now != row.Value) {
        row.Value = now;
        row.Mark.clear();
        row.ValueWidth = measure_(row.Value) + 36;
        any = true;
      }
      continue;
    }
    if (row.Status == TVarStatus::Atom) {
      row.Value = text::CutToBytes(node->GetText(), kMaxTextBytes);
      row.Mark.clear();
    } else {
      const TMarkedText t = MarkedText(node);
      row.Value = t.Text;
      row.Mark = t.Mark;
      // An open composite leaves its parts' flags to their own rows below.
      if (row.Status == TVarStatus::Closed) ClearModifiedBelow(node);
    }
    row.ValueWidth = measure_(row.Value) + 36;
    row.Changed = true;
    node->SetModified(false);
    any = true;
  }
  return any;
}

void TVarRows::InsertChildren(int index) {
  TVarRow& row = rows_[static_cast<size_t>(index)];
  row.Status = TVarStatus::Open;
  TData* node = row.Data;
  const int level = row.Level + 1;
  std::vector<TVarRow> parts;
  for (int i = 0; i < node->Count(); ++i)
    if (TData* child = node->Items(i)) parts.push_back(MakeRow(child, level));
  rows_.insert(rows_.begin() + index + 1, parts.begin(), parts.end());
}

void TVarRows::CloseBelow(int index) {
  const int level = rows_[static_cast<size_t>(index)].Level;
  auto end = rows_.begin() + index + 1;
  while (end != rows_.end() && end->Level > level) ++end;
  rows_.erase(rows_.begin() + index + 1, end);
  rows_[static_cast<size_t>(index)].Status = TVarStatus::Closed;
}

bool TVarRows::Toggle(int index) {
  if (index < 0 || index >= Count()) return false;
  const TVarRow& row = rows_[static_cast<size_t>(index)];
  if (row.Status == TVarStatus::Open) {
    CloseBelow(index);
    return true;
  }
  if (row.Status == TVarStatus::Closed && row.Level < MaxLevel) {
    InsertChildren(index);
    return true;
  }
  return false;
}

int TVarRows::NameColWidth() const {
  int widest = 0;
  for (const TVarRow& r : rows_)
    widest = std::max({widest, measure_(r.Name) + 72, r.NameWidth});
  return widest;
}

int TVarRows::ValueColWidth() const {
  int widest = 0;
  for (const TVarRow& r : rows_) widest = std::max(widest, r.ValueWidth);
  return widest;
}
