#include "framework/engine/BasicData.h"

#include <algorithm>

#include "framework/engine/Errors.h"
#include "framework/engine/Globals.h"
#include "platform/TextRules.h"

namespace {

const QString kUnassigned = QStringLiteral("???");

}  // namespace

// ---- TIntData

std::unique_ptr<TData> TIntData::NewInstance(const QString& name) const {
  return std::make_unique<TIntData>(name);
}

void TIntData::AssignTo(TData* dest) {
  if (auto* i = dynamic_cast<TIntData*>(dest)) {
    i->SetValue(value_);
  } else if (auto* r = dynamic_cast<TRealData*>(dest)) {
    r->SetValue(value_);
  } else {
    TLeafData::AssignTo(dest);
  }
  SetModified(true);
}

QString TIntData::GetText() const { return Assigned() ? QString::number(value_) : kUnassigned; }

void TIntData::SetValue(std::int32_t v) {
  value_ = v;
  SetModified(true);
}

// ---- TCharData

std::unique_ptr<TData> TCharData::NewInstance(const QString& name) const {
  return std::make_unique<TCharData>(name);
}

void TCharData::AssignTo(TData* dest) {
  if (auto* c = dynamic_cast<TCharData*>(dest)) {
    c->SetValue(value_);
  } else if (auto* s = dynamic_cast<TStringData*>(dest)) {
    s->SetValue(QString(QChar::fromLatin1(value_)));
  } else {
    TLeafData::AssignTo(dest);
  }
  SetModified(true);
}

QString TCharData::GetText() const {
  if (!Assigned()) return kUnassigned;
  if (value_ == ' ') return QStringLiteral("' '");
  return QString(QChar::fromLatin1(value_));
}

void TCharData::SetValue(char v) {
  value_ = v;
  SetModified(true);
}

// ---- TBoolData

std::unique_ptr<TData> TBoolData::NewInstance(const QString& name) const {
  return std::make_unique<TBoolData>(name);
}

void TBoolData::AssignTo(TData* dest) {
  if (auto* b = dynamic_cast<TBoolData*>(dest)) {
    b->SetValue(value_);
  } else {
    TLeafData::AssignTo(dest);
  }
  SetModified(true);
}

QString TBoolData::GetText() const {
  if (!Assigned()) return kUnassigned;
  return value_ ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

void TBoolData::SetValue(bool v) {
  value_ = v;
  SetModified(true);
}

// ---- TRealData

std::unique_ptr<TData> TRealData::NewInstance(const QString& name) const {
  return std::make_unique<TRealData>(name);
}

void TRealData::AssignTo(TData* dest) {
  if (auto* r = dynamic_cast<TRealData*>(dest)) {
    r->SetValue(value_);
  } else {
    TLeafData::AssignTo(dest);
  }
  SetModified(true);
}

QString TRealData::GetText() const {
  return Assigned() ? CutText(text::FloatToStr(value_)) : kUnassigned;
}

void TRealData::SetValue(double v) {
  value_ = v;
  SetModified(true);
}

// ---- TStringData

std::unique_ptr<TData> TStringData::NewInstance(const QString& name) const {
  return std::make_unique<TStringData>(name);
}

void TStringData::AssignTo(TData* dest) {
  if (auto* s = dynamic_cast<TStringData*>(dest)) {
    s->SetValue(value_);
  } else {
    TLeafData::AssignTo(dest);
  }
  SetModified(true);
}

QString TStringData::GetText() const {
  if (!Assigned()) return kUnassigned;
  const QChar quote = UseCLanguage ? QChar('"') : QChar('\'');
  return CutText(quote + value_ + quote);
}

void TStringData::SetValue(const QString& v) {
  value_ = v;
  SetModified(true);
}

// ---- TPtrData

TPtrData::TPtrData(const QString& name, TData* target, bool ownsTarget)
    : TLeafData(name), ownsTarget_(ownsTarget) {
  Watch(target);
}

TPtrData::~TPtrData() {
  if (ownsTarget_) {
    DisposeTarget();
  } else {
    Unwatch();
  }
}

std::unique_ptr<TData> TPtrData::NewInstance(const QString& name) const {
  return std::make_unique<TPtrData>(name);
}

void TPtrData::AssignTo(TData* dest) {
  if (auto* p = dynamic_cast<TPtrData*>(dest)) {
    p->SetTarget(target_);
  } else {
    TLeafData::AssignTo(dest);
  }
  SetModified(true);
}

QString TPtrData::GetText() const {
  if (!Assigned()) return kUnassigned;
  if (state_ == StateDisposed) return QStringLiteral("非法状态");
  if (target_ == nullptr) return UseCLanguage ? QStringLiteral("NULL") : QStringLiteral("nil");
  return CutText(QStringLiteral("指向") + target_->Name());
}

void TPtrData::SetTarget(TData* t) {
  if (ownsTarget_ && target_ != nullptr && target_ != t) {
    TData* old = target_;
    Unwatch();
    delete old;  // the pointer owned it; letting go of it must not leak it
  }
  Unwatch();
  Watch(t);
  state_ = StateNormal;
  ownsTarget_ = false;
  SetModified(true);
}

void TPtrData::DisposeTarget() {
  TData* old = target_;
  Unwatch();
  delete old;  // a target with an owner leaves its owner's slot as it goes
  state_ = StateDisposed;
  ownsTarget_ = false;
  SetModified(true);
}

void TPtrData::Watch(TData* t) {
  target_ = t;
  if (t == nullptr) return;
  if (!t->pointers_) t->pointers_ = std::make_unique<std::vector<TPtrData*>>();
  t->pointers_->push_back(this);
}

void TPtrData::Unwatch() {
  if (target_ != nullptr && target_->pointers_) {
    auto& v = *target_->pointers_;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
  }
  target_ = nullptr;
}

void TPtrData::TargetDestroyed() {
  target_ = nullptr;
  state_ = StateDisposed;
  ownsTarget_ = false;
  SetModified(true);
}

// ---- TRecord

std::unique_ptr<TData> TRecord::NewInstance(const QString& name) const {
  return std::make_unique<TRecord>(name);
}

namespace {

// "(" + the children's texts joined by sep + ")", cut to 80 bytes; an empty slot gives "".
QString JoinedText(const TData& node, const QString& sep) {
  TTextForm t(QStringLiteral("("));
  for (int i = 0; i < node.Count() && !t.Full(); ++i) {
    if (i > 0) t.Append(sep);
    if (const TData* child = node.Items(i)) t.Append(child->GetText());
  }
  t.Append(')');
  return t.Result();
}

}  // namespace

QString TRecord::GetText() const { return JoinedText(*this, QStringLiteral(",")); }

// ---- TVector

std::unique_ptr<TData> TVector::NewInstance(const QString& name) const {
  return std::make_unique<TVector>(name);
}

QString TVector::GetText() const { return JoinedText(*this, QStringLiteral(", ")); }

std::vector<std::unique_ptr<TData>> TVector::SetSize(int n) {
  if (n < 1) throw EInvalidDimension(QStringLiteral("TVector %1").arg(n));
  return SetCount(n);
}

// ---- TMatrix

std::unique_ptr<TData> TMatrix::NewInstance(const QString& name) const {
  return std::make_unique<TMatrix>(name);
}

void TMatrix::AssignTo(TData* dest) {
  TComplicateData::AssignTo(dest);
  if (auto* m = dynamic_cast<TMatrix*>(dest)) {
    m->rows_ = rows_;
    m->cols_ = cols_;
  }
}

void TMatrix::CheckIndex(int i, int j) const {
  if (i < 0 || i >= rows_ || j < 0 || j >= cols_) {
    throw ERangeError(QStringLiteral("Matrix Sub: %1 %2").arg(i).arg(j));
  }
}

int TMatrix::LinearIndex(int i, int j) const {
  CheckIndex(i, j);
  return i * cols_ + j;
}

QString TMatrix::GetText() const {
  TTextForm t(QStringLiteral("("));
  for (int i = 0; i < rows_; ++i) {
    if (i > 0) t.Append(',');
    t.Append('(');
    for (int j = 0; j < cols_; ++j) {
      if (const TData* e = Items(i * cols_ + j)) t.Append(e->GetText());
      t.Append(',');
      if (t.Full()) return t.Result();
    }
    t.Append(')');
  }
  t.Append(')');
  return t.Result();
}
