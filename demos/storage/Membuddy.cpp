#include "demos/storage/Membuddy.h"

#include <algorithm>

#include "demos/storage/BuddyForm.h"
#include "demos/storage/MemKit.h"
#include "framework/engine/BasicData.h"

TMemBuddy::TMemBuddy(const QStringList& source) : TMemCommandDemo(source) {}
TMemBuddy::~TMemBuddy() = default;

void TMemBuddy::CreateChildWindow() {
  TMemCommandDemo::CreateChildWindow();
  buddyForm_ = std::make_unique<TBuddyForm>();
  buddyForm_->Memory = &mem_;
  buddyForm_->Working = &working_;
  // The free lists and the bar show the method's memory: the lists avail[k] front first, the
  // blocks of the block list and those a split or a merge holds off it.
  buddyForm_->ListStandsFor = [this](int k, int entry) -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    const std::vector<int>& avail = mem_.Avail(k);
    return entry < static_cast<int>(avail.size()) ? QString::number(avail[static_cast<std::size_t>(entry)]) : QStringLiteral("none");
  };
  const auto blockAt = [this](int addr) -> std::optional<TBuddyMemory::TBlock> {
    const auto at = [addr](const TBuddyMemory::TBlock& b) { return b.addr == addr; };
    if (const auto it = std::find_if(mem_.Blocks().begin(), mem_.Blocks().end(), at); it != mem_.Blocks().end()) return *it;
    if (const auto it = std::find_if(working_.begin(), working_.end(), at); it != working_.end()) return *it;
    return std::nullopt;
  };
  buddyForm_->Bar().AddressStandsFor = [this, blockAt](int addr) -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    return blockAt(addr) ? QString::number(addr) : QStringLiteral("no block at word %1").arg(addr);
  };
  buddyForm_->Bar().FillStandsFor = [this, blockAt](int addr) -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    const std::optional<TBuddyMemory::TBlock> b = blockAt(addr);
    return b ? std::optional<QString>(FillNote(b->used)) : std::nullopt;
  };
}

TMemGraphForm& TMemBuddy::MemoryForm() const { return *buddyForm_; }
void TMemBuddy::InitMemoryPicture() { buddyForm_->InitMemoryPicture(64, 6); }
void TMemBuddy::InitMemory() {
  mem_.Init();
  working_.clear();
}

std::unique_ptr<TData> TMemBuddy::GetInitialParam() { return std::unique_ptr<TData>(NewRecord({"N"})); }

void TMemBuddy::ResetLocalData(const QString&) {
  for (const char* n : {"found", "freemem", "pa", "k", "i", "buddy"}) {
    const QString name = QString::fromLatin1(n);
    if (Locals()->FindByName(name) != nullptr) continue;
    if (name == QLatin1String("found") || name == QLatin1String("freemem"))
      Locals()->Add(new TBoolData(name, true));
    else
      Locals()->Add(new TIntData(name, 0));
  }
}

QString TMemBuddy::GetString(int n) const { return ::GetString(n); }

void TMemBuddy::ShowInfor() { buddyForm_->ShowInfor(); }

void TMemBuddy::SetInt(const char* name, int value) {
  if (auto* v = dynamic_cast<TIntData*>(Locals()->FindByName(QString::fromLatin1(name)))) v->SetValue(value);
}

void TMemBuddy::SetBool(const char* name, bool value) {
  if (auto* v = dynamic_cast<TBoolData*>(Locals()->FindByName(QString::fromLatin1(name)))) v->SetValue(value);
}

void TMemBuddy::SetK(int k) {
  k_ = k;
  SetInt("k", k);
}

void TMemBuddy::SetP(int p) {
  p_ = p;
  SetInt("p", p);
}

void TMemBuddy::SetBuddy(int buddy) {
  buddy_ = buddy;
  SetInt("buddy", buddy);
}

// ---------------------------------------------------------------- MemBuddy

// InitSpace(avail)
void TMemBuddy::MemBuddy_Begin() { InitSpace(); }

// GetUserOrder(Action, N)
void TMemBuddy::MemBuddy_GetUserOrder() {
  if (GetUserOrder()) SetInt("N", n_);
}

bool TMemBuddy::MemBuddy_F_ActionA() { return Allocating(); }
bool TMemBuddy::MemBuddy_F_ActionD() { return Releasing(); }
bool TMemBuddy::MemBuddy_F_EndShow() { return Ending(); }

// pa := AllocBuddy(avail, N)
void TMemBuddy::MemBuddy_BoundA() { ShowAllocating(); }

TData* TMemBuddy::MemBuddy_C_BoundA() {
  pa_.reset();
  return NewRecord({"pa", "kk", "ii"});
}

void TMemBuddy::MemBuddy_AfterBoundA() {
  working_.clear();
  if (pa_) {
    mem_.PushBlock({k_ - i_ + 1, *pa_, true});
    ShowInfor();
  } else {
    ShowNoSpace();
  }
}

// IF N不是占用块的首地址 THEN
bool TMemBuddy::MemBuddy_F_InputError() {
  const std::optional<TBuddyMemory::TBlock> block = mem_.TakeUsed(n_);
  if (block) {
    released_ = *block;
    working_ = {released_};
  }
  return !block;
}

void TMemBuddy::MemBuddy_ShowError() { ShowInputError(); }

// FreeBuddy(avail, N)
TData* TMemBuddy::MemBuddy_C_BuddyD() {
  auto* rec = NewRecord({"p"}, {"freemem"});
  rec->Add(new TIntData(QStringLiteral("k"), 0));
  rec->Add(new TIntData(QStringLiteral("buddy"), 0));
  return rec;
}

void TMemBuddy::MemBuddy_AfterBuddyD() { ShowInfor(); }

// ---------------------------------------------------------------- Alloc

// k := 0;  found := FALSE
void TMemBuddy::Alloc_Begin() {
  SetK(0);
  found_ = false;
  SetBool("found", false);
}

// WHILE (k <= m) AND NOT found DO
bool TMemBuddy::Alloc_F_WhileDo() { return k_ < TBuddyMemory::kClasses && !found_; }

// IF (avail[k].nodesize < n) OR (avail[k].first = NIL) THEN
bool TMemBuddy::Alloc_F_Enough() { return TBuddyMemory::NodeSize(k_) < n_ || mem_.Avail(k_).empty(); }

// k := k + 1
void TMemBuddy::Alloc_Inck() { SetK(k_ + 1); }

// found := TRUE
void TMemBuddy::Alloc_Find() {
  found_ = true;
  SetBool("found", true);
}

// IF NOT found THEN
bool TMemBuddy::Alloc_F_NotFound() { return !found_; }

// pa := NIL
void TMemBuddy::Alloc_ReturnN() { pa_.reset(); }

// pa := avail[k].first;  avail[k].first := pa^.next
void TMemBuddy::Alloc_GetMem() {
  pa_ = mem_.TakeFirst(k_);
  SetInt("pa", *pa_);
  working_ = {{k_, *pa_, false}};
}

// i := 1
void TMemBuddy::Alloc_Seti() {
  i_ = 1;
  SetInt("i", 1);
}

// WHILE (i <= k) AND (avail[k-i].nodesize >= n) DO
bool TMemBuddy::Alloc_F_Larger() { return i_ <= k_ && TBuddyMemory::NodeSize(k_ - i_) >= n_; }

// pi := pa+2^(k-i); pi^.tag := 0; pi^.kval := k-i; insert into avail[k-i]; i := i+1
void TMemBuddy::Alloc_Insert() {
  mem_.PushFree(k_ - i_, *pa_ + TBuddyMemory::NodeSize(k_ - i_));
  working_ = {{k_ - i_, *pa_, false}};  // the lower half, still to be split or given
  ++i_;
  SetInt("i", i_);
}

// ---------------------------------------------------------------- DeAlloc

// p := N;  k := p^.kval;  p^.tag := 0
void TMemBuddy::DeAlloc_Begin() {
  SetP(n_);
  SetK(released_.k);
  released_.used = false;
  working_ = {released_};
}

// IF p MOD 2^(k+1) = 0 THEN
bool TMemBuddy::DeAlloc_F_ModP0() { return p_ % TBuddyMemory::NodeSize(k_ + 1) == 0; }

// buddy := p + 2^k
void TMemBuddy::DeAlloc_Buddy1() { SetBuddy(p_ + TBuddyMemory::NodeSize(k_)); }

// buddy := p - 2^k
void TMemBuddy::DeAlloc_Buddy2() { SetBuddy(p_ - TBuddyMemory::NodeSize(k_)); }

// freemem := (k < m) AND (buddy^.tag = 0) AND (buddy^.kval = k): the whole memory has no
// buddy (address 64 holds no block)
void TMemBuddy::DeAlloc_MemFree() {
  freemem_ = mem_.FreeBuddy(buddy_, k_);
  SetBool("freemem", freemem_);
}

bool TMemBuddy::DeAlloc_F_CheckMem() { return freemem_; }

// delete buddy from avail[k]
void TMemBuddy::DeAlloc_Delete() {
  mem_.RemoveFree(buddy_, k_);
  working_.push_back({k_, buddy_, false});
}

// k := k + 1  (the record keeps the merged class; the text writes it at Insert, once p is
// the merged block's address)
void TMemBuddy::DeAlloc_DoubleMem() {
  SetK(k_ + 1);
  released_.k = k_;
  // The two halves are one block from now on, at the lower one's address.
  working_ = {{k_, std::min(p_, buddy_), false}};
}

// IF p > buddy THEN
bool TMemBuddy::DeAlloc_F_PLarger() { return p_ > buddy_; }

// p := buddy
void TMemBuddy::DeAlloc_ChangeP() {
  SetP(buddy_);
  released_.addr = p_;
}

// UNTIL (k = m) OR NOT freemem
bool TMemBuddy::DeAlloc_F_Finished() { return k_ == TBuddyMemory::kClasses - 1 || !freemem_; }

// p^.tag := 0;  p^.kval := k;  insert into avail[k]
void TMemBuddy::DeAlloc_Insert() {
  mem_.InsertFree(released_);
  working_.clear();
}
