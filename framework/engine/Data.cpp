#include "framework/engine/Data.h"

#include <cxxabi.h>

#include <QHash>
#include <algorithm>
#include <cstdlib>

#include "framework/engine/BasicData.h"
#include "framework/engine/Errors.h"
#include "platform/TextRules.h"

QString DataClassName(const std::type_info& type) {
  static QHash<const std::type_info*, QString> names;
  auto it = names.constFind(&type);
  if (it != names.constEnd()) return *it;
  int status = 0;
  char* demangled = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
  QString name = QString::fromLatin1(status == 0 && demangled ? demangled : type.name());
  std::free(demangled);
  names.insert(&type, name);
  return name;
}

TTextForm::TTextForm(const QString& start) : text_(start), bytes_(text::GbkLength(start)) {}

void TTextForm::Append(const QString& piece) {
  text_ += piece;
  bytes_ += text::GbkLength(piece);
}

void TTextForm::Append(QChar c) {
  text_ += c;
  bytes_ += c.unicode() < 0x80 ? 1 : 2;
}

bool TTextForm::Full() const { return bytes_ >= TData::MaxTextBytes; }

QString TTextForm::Result() const { return text::CutToBytes(text_, TData::MaxTextBytes); }

TData::TData(const QString& name)
    : itemClass_(DataClass<TData>()), name_(text::CutToBytes(name, MaxNameBytes)) {}

TData::~TData() {
  if (pointers_) {
    // Pointers to this node must not dangle: they show the disposed state.
    for (TPtrData* p : std::exchange(*pointers_, {})) p->TargetDestroyed();
  }
  Clear();
  if (owner_ != nullptr) owner_->ForgetChild(this);
}

std::unique_ptr<TData> TData::NewInstance(const QString& name) const {
  return std::make_unique<TData>(name);
}

QString TData::ClassName() const { return DataClassName(typeid(*this)); }

QString TData::CutText(const QString& s) { return text::CutToBytes(s, MaxTextBytes); }

void TData::AssignTo(TData* dest) {
  if (dest == nullptr) {
    throw EConvertError(QStringLiteral("Cannot assign a %1 to a nil").arg(ClassName()));
  }
  if (dest == this) return;
  dest->Clear();
  for (TData* child : items_) {
    if (child == nullptr) {
      dest->Add(nullptr);
      continue;
    }
    std::unique_ptr<TData> copy = child->NewInstance(child->Name());
    copy->Assign(child);
    dest->Add(std::move(copy));
  }
}

void TData::Assign(TData* source) {
  if (source == nullptr) {
    throw EConvertError(QStringLiteral("Cannot assign a nil to a %1").arg(ClassName()));
  }
  source->AssignTo(this);
}

QString TData::GetText() const {
  if (items_.empty()) return {};
  TTextForm t(QStringLiteral("("));
  for (const TData* child : items_) {
    if (child != nullptr) t.Append(child->GetText());
    t.Append(',');
    if (t.Full()) return t.Result();
  }
  t.Append(')');
  return t.Result();
}

int TData::IndexOf(const TData* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TData* TData::FindByName(const QString& name) const {
  for (TData* child : items_) {
    if (child != nullptr && child->name_ == name) return child;
  }
  return nullptr;
}

void TData::CheckNewItem(TData* item) {
  if (item == nullptr) return;
  if (!itemClass_->IsInstance(item)) {
    throw EInvalidCast(QStringLiteral("Invalid class %1").arg(item->ClassName()));
  }
  if (item->owner_ != nullptr && item->owner_ != this) {
    throw EMultiLinkedData(QStringLiteral("Data %1").arg(item->Name()));
  }
  // A node cannot hold itself or one of its owners: it would destroy itself.
  for (const TData* n = this; n != nullptr; n = n->owner_) {
    if (n == item) throw EMultiLinkedData(QStringLiteral("Data %1").arg(item->Name()));
  }
}

void TData::AddItem(TData* item) {
  if (Count() >= MaxSlots) throw ERangeError();
  CheckNewItem(item);
  if (Count() == capacity_) Grow();
  items_.push_back(item);
  if (item != nullptr) item->owner_ = this;
}

bool TData::SetItem(int i, TData* item) {
  if (!ValidIndex(i)) return false;
  CheckNewItem(item);
  TData* old = items_[static_cast<std::size_t>(i)];
  if (old == item) return true;
  items_[static_cast<std::size_t>(i)] = item;
  if (item != nullptr) item->owner_ = this;
  // The old child may still sit in another slot; it is destroyed only when it leaves us.
  if (old != nullptr && IndexOf(old) < 0) DestroyChild(old);
  return true;
}

std::unique_ptr<TData> TData::Extract(int i) {
  TData* child = Items(i);
  if (child == nullptr) return nullptr;
  ForgetChild(child);
  child->owner_ = nullptr;
  return std::unique_ptr<TData>(child);
}

std::unique_ptr<TData> TData::Delete(int i) {
  std::unique_ptr<TData> child = Extract(i);
  Pack();
  return child;
}

void TData::Pack() {
  items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end());
  if (items_.empty() || capacity_ - delta_ + 1 > Count()) SetCapacity(Count());
}

void TData::Clear() {
  // Slots stay live while children go: destroying one child may destroy a sibling (a
  // pointer owning its target), which then empties its own slot here.
  for (std::size_t i = 0; i < items_.size(); ++i) {
    TData* child = items_[i];
    if (child == nullptr) continue;
    ForgetChild(child);  // a child added twice occupies two slots but is destroyed once
    DestroyChild(child);
  }
  items_.clear();
  SetCapacity(0);
}

void TData::DestroyChild(TData* child) {
  child->owner_ = nullptr;
  delete child;  // the single place where the tree frees a node it owns
}

void TData::ForgetChild(const TData* item) {
  std::replace(items_.begin(), items_.end(), const_cast<TData*>(item),
               static_cast<TData*>(nullptr));
}

std::vector<std::unique_ptr<TData>> TData::SetCount(int n) {
  if (n < 0 || n > MaxSlots) throw ERangeError();
  std::vector<std::unique_ptr<TData>> taken;
  const int old = Count();
  for (int i = n; i < old; ++i) {
    if (auto child = Extract(i)) taken.push_back(std::move(child));
  }
  SetCapacity(std::max(n, old));
  items_.resize(static_cast<std::size_t>(n), nullptr);
  return taken;
}

void TData::SetCapacity(int n) {
  capacity_ = std::max(n, Count());
  if (capacity_ == 0) {
    items_.shrink_to_fit();
  } else {
    items_.reserve(static_cast<std::size_t>(std::min(capacity_, MaxSlots)));
  }
}

void TData::SetItemClass(const TDataClass* itemClass) {
  for (const TData* child : items_) {
    if (child != nullptr && !itemClass->IsInstance(child)) {
      throw EInvalidCast(QStringLiteral("Invalid class %1").arg(child->ClassName()));
    }
  }
  itemClass_ = itemClass;
}

void TData::SetModified(bool v) {
  modified_ = v;
  if (!v) return;
  for (TData* o = owner_; o != nullptr && dynamic_cast<TComplicateData*>(o) != nullptr;
       o = o->owner_) {
    o->modified_ = true;
  }
}

void TData::SetAssigned(bool v) {
  assigned_ = v;
  if (v) SetModified(true);
}

std::unique_ptr<TData> TLeafData::NewInstance(const QString& name) const {
  return std::make_unique<TLeafData>(name);
}

std::unique_ptr<TData> TComplicateData::NewInstance(const QString& name) const {
  return std::make_unique<TComplicateData>(name);
}

std::unique_ptr<TData> TStack::NewInstance(const QString& name) const {
  return std::make_unique<TStack>(name);
}

std::unique_ptr<TData> TStack::Pop() {
  std::unique_ptr<TData> top = Count() > 0 ? Delete(Count() - 1) : nullptr;
  SetModified(true);
  return top;
}
