#pragma once
// The node of every displayed value, parsed line and call frame: a name, an owner, an
// ordered list of child slots (a slot may be empty), a one-line text form and a Modified
// flag that the variable window reads.
//
// Ownership (who frees what):
//  - A node owns its children. Add / SetItem adopt the item; destroying a node destroys
//    the children it still holds. Clear and SetItem destroy the children they replace.
//  - Extract, DropItem, Delete, TStack::Pop and a shrinking SetCount take children out
//    without destroying them and hand them back as std::unique_ptr: the caller owns them.
//  - Destroying a node that has an owner first empties the owner's slots that hold it (the
//    owner's Count does not change), so `delete child` is safe at any time.
//  - A TPtrData target is not a child of the pointer. If the target is destroyed elsewhere,
//    every pointer to it turns to the disposed state ("非法状态") instead of dangling.
//  - Items whose add fails (wrong class, owned elsewhere, slot 1000) stay with the caller.
#include <QString>
#include <memory>
#include <type_traits>
#include <typeinfo>
#include <vector>

class TData;
class TPtrData;

// Builds a text form: pieces are appended while their GBK bytes are counted; the result is
// cut to the 80-byte limit of the text forms.
class TTextForm {
 public:
  explicit TTextForm(const QString& start);
  void Append(const QString& piece);
  void Append(QChar c);
  // 80 bytes or more: whatever follows would be cut away.
  bool Full() const;
  QString Result() const;

 private:
  QString text_;
  int bytes_ = 0;
};

// A class of nodes, used as the item class of a container: every child must be of it.
struct TDataClass {
  QString Name;
  bool (*IsInstance)(const TData* node);
};

// Readable class name of a C++ type ("TIntData").
QString DataClassName(const std::type_info& type);

template <class T>
const TDataClass* DataClass() {
  static_assert(std::is_base_of_v<TData, T>);
  static const TDataClass c{DataClassName(typeid(T)),
                            [](const TData* d) { return dynamic_cast<const T*>(d) != nullptr; }};
  return &c;
}

class TData {
 public:
  static constexpr int MaxSlots = 1000;
  static constexpr int MaxNameBytes = 16;
  static constexpr int MaxTextBytes = 80;

  explicit TData(const QString& name = QString());
  virtual ~TData();
  TData(const TData&) = delete;
  TData& operator=(const TData&) = delete;

  // A new, empty node of this node's class, made as the base constructor would (a class's
  // own constructor arguments are not repeated). Used by AssignTo to copy children; a
  // class that must copy as itself overrides it.
  virtual std::unique_ptr<TData> NewInstance(const QString& name) const;
  QString ClassName() const;

  // Deep copy into dest: dest's children are destroyed, then each child of this node is
  // copied (empty slots are copied as empty slots). dest keeps its name and item class.
  virtual void AssignTo(TData* dest);
  void Assign(TData* source);
  // One line of text, at most 80 GBK bytes.
  virtual QString GetText() const;

  const QString& Name() const { return name_; }
  TData* Owner() const { return owner_; }
  bool Modified() const { return modified_; }
  bool Assigned() const { return assigned_; }
  int Count() const { return static_cast<int>(items_.size()); }
  int Capacity() const { return capacity_; }
  int Delta() const { return delta_; }
  const TDataClass* ItemClass() const { return itemClass_; }

  // The child at slot i; nullptr for an empty slot or an index outside 0 .. Count-1.
  TData* Items(int i) const {
    return ValidIndex(i) ? items_[static_cast<std::size_t>(i)] : nullptr;
  }
  bool ValidIndex(int i) const { return i >= 0 && i < Count(); }
  int IndexOf(const TData* item) const;
  // The first child named exactly so (letter case matters), or nullptr.
  TData* FindByName(const QString& name) const;

  // Adopts item into slot Count (nullptr stores an empty slot) and returns it.
  template <class T>
  T* Add(T* item) {
    AddItem(item);
    return item;
  }
  template <class T>
  T* Add(std::unique_ptr<T> item) {
    AddItem(item.get());  // on failure the unique_ptr still frees it
    return item.release();
  }
  void Add(std::nullptr_t) { AddItem(nullptr); }

  // Stores item in slot i, destroying a different child found there. An invalid index
  // stores nothing and takes no ownership: false, and the caller keeps the item.
  bool SetItem(int i, TData* item);
  [[nodiscard]] std::unique_ptr<TData> Extract(int i);
  // Extract; the empty slot stays until Pack.
  [[nodiscard]] std::unique_ptr<TData> DropItem(int i) { return Extract(i); }
  // Extract, then Pack.
  [[nodiscard]] std::unique_ptr<TData> Delete(int i);
  void Pack();
  void Clear();
  // Shrinking takes the children of slots n .. Count-1 out and hands them back (dropping
  // the result frees them); growing adds empty slots.
  std::vector<std::unique_ptr<TData>> SetCount(int n);
  void SetCapacity(int n);
  void Grow() { SetCapacity(capacity_ + delta_); }
  void TrimCapacity() { SetCapacity(Count()); }
  void SetItemClass(const TDataClass* itemClass);
  template <class T>
  void SetItemClass() {
    SetItemClass(DataClass<T>());
  }

  void SetModified(bool v);
  void SetAssigned(bool v);

 protected:
  // Cuts a text to the 80-byte limit of the text forms.
  static QString CutText(const QString& s);

 private:
  friend class TPtrData;
  void AddItem(TData* item);
  void CheckNewItem(TData* item);
  // Empties every slot that holds item (a node may sit in several slots of one owner).
  void ForgetChild(const TData* item);
  // Destroys a child that this node owns.
  void DestroyChild(TData* child);

  std::vector<TData*> items_;  // owned, see above; nullptr is an empty slot
  const TDataClass* itemClass_;
  int capacity_ = 0;
  int delta_ = 16;
  QString name_;
  TData* owner_ = nullptr;
  bool modified_ = false;
  bool assigned_ = true;
  // Pointers whose target this node is (told when this node goes away).
  std::unique_ptr<std::vector<TPtrData*>> pointers_;
};

// Base of the scalar values.
class TLeafData : public TData {
 public:
  using TData::TData;
  std::unique_ptr<TData> NewInstance(const QString& name) const override;
};

// Base of the composite values: a change of a child marks its composite owners too.
class TComplicateData : public TData {
 public:
  using TData::TData;
  std::unique_ptr<TData> NewInstance(const QString& name) const override;
};

// A stack of children. Not a composite value: its children's changes do not mark it.
class TStack : public TData {
 public:
  using TData::TData;
  std::unique_ptr<TData> NewInstance(const QString& name) const override;
  template <class T>
  T* Push(T* item) {
    Add(item);
    SetModified(true);
    return item;
  }
  template <class T>
  T* Push(std::unique_ptr<T> item) {
    T* p = Add(std::move(item));
    SetModified(true);
    return p;
  }
  // Takes the top item out (the caller owns it); on an empty stack only marks the stack.
  [[nodiscard]] std::unique_ptr<TData> Pop();
  TData* Top() const { return Items(Count() - 1); }
};
