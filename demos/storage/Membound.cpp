#include "demos/storage/Membound.h"

#include "demos/storage/BoundForm.h"
#include "demos/storage/MemKit.h"
#include "framework/engine/BasicData.h"

namespace {

constexpr int kNil = TBoundMemory::kNil;

}  // namespace

TMemBound::TMemBound(const QStringList& source) : TMemCommandDemo(source) {}
TMemBound::~TMemBound() = default;

void TMemBound::CreateChildWindow() {
  TMemCommandDemo::CreateChildWindow();
  boundForm_ = std::make_unique<TBoundForm>();
  boundForm_->Memory = &mem_;
  // Each word shows the method's memory: a head's llink, tag, size and rlink, a foot's uplink
  // and tag, the fill of an occupied block; the list from pav follows rlink.
  boundForm_->WordTextStandsFor = [this](int i) -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    const TBoundMemory::TWord& w = mem_.W(i);
    const bool head = w.kind == TBoundMemory::UsedHead || w.kind == TBoundMemory::FreeHead;
    const bool foot = w.kind == TBoundMemory::UsedFoot || w.kind == TBoundMemory::FreeFoot;
    const int tag = w.kind == TBoundMemory::UsedHead || w.kind == TBoundMemory::UsedFoot ? 1 : 0;
    if (head) return QStringLiteral("%1 %2 %3 %4 %5").arg(i).arg(w.llink).arg(tag).arg(w.size).arg(w.rlink);
    if (foot) return QStringLiteral("%1 %2 %3").arg(i).arg(w.llink).arg(tag);
    return QString();
  };
  boundForm_->WordFillStandsFor = [this](int i) -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    return FillNote(mem_.InUsedBlock(i));
  };
  boundForm_->FreeListStandsFor = [this](int entry) -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    const std::vector<int> list = mem_.FreeList();
    return entry < static_cast<int>(list.size()) ? QString::number(list[static_cast<std::size_t>(entry)]) : QStringLiteral("none");
  };
}

TMemGraphForm& TMemBound::MemoryForm() const { return *boundForm_; }
void TMemBound::InitMemoryPicture() { boundForm_->InitMemoryPicture(16, 4); }

void TMemBound::InitMemory() {
  mem_.Init();
  ShowPav();
}

std::unique_ptr<TData> TMemBound::GetInitialParam() {
  return std::unique_ptr<TData>(NewRecord({"N", "pav", "p"}));
}

void TMemBound::ResetLocalData(const QString&) {
  for (const char* n : {"q", "q1", "s", "f", "t"})
    if (Locals()->FindByName(QString::fromLatin1(n)) == nullptr) Locals()->Add(new TIntData(QString::fromLatin1(n), 0));
}

// ---------------------------------------------------------------- variables

TData* TMemBound::MainRecord() const {
  if (RunStack()->Count() <= 1) return Locals();
  return RunStack()->Frame(1)->SavedLocals.get();
}

void TMemBound::SetMain(const char* name, int value) {
  if (auto* v = static_cast<TIntData*>(MainRecord()->FindByName(QString::fromLatin1(name)))) v->SetValue(value);
}

void TMemBound::SetLocal(const char* name, int value) {
  if (auto* v = static_cast<TIntData*>(Locals()->FindByName(QString::fromLatin1(name)))) v->SetValue(value);
}

void TMemBound::SetP(int p) {
  p_ = p;
  SetMain("p", p);
}

void TMemBound::ShowPav() { SetMain("pav", mem_.pav); }

// ---------------------------------------------------------------- MemBoundTag

// InitSpace(pav)
void TMemBound::MemBoundTag_Begin() { InitSpace(); }

// GetUserOrder(Action, N)
void TMemBound::MemBoundTag_GetUserOrder() {
  if (GetUserOrder()) SetMain("N", n_);
}

bool TMemBound::MemBoundTag_F_ActionA() { return Allocating(); }
bool TMemBound::MemBoundTag_F_ActionD() { return Releasing(); }
bool TMemBound::MemBoundTag_F_EndShow() { return Ending(); }

// p := AllocBoundTag(pav, N)
void TMemBound::MemBoundTag_BoundA() { ShowAllocating(); }

TData* TMemBound::MemBoundTag_C_BoundA() {
  mem_.Changed.clear();
  return NewRecord({"q"});
}

void TMemBound::MemBoundTag_AfterBoundA() {
  if (mem_.Changed.empty())
    ShowNoSpace();
  else
    boundForm_->ShowMemory();
}

// IF mem[N].tag <> 1 THEN
bool TMemBound::MemBoundTag_F_InputError() { return !mem_.IsUsedHead(n_); }

void TMemBound::MemBoundTag_ShowError() { ShowInputError(); }

// p := @mem[N];  FreeBoundTag(pav, p)
TData* TMemBound::MemBoundTag_C_BoundD() {
  boundForm_->SetStatusText(QStringLiteral("回收内存:"));
  mem_.Changed.clear();
  SetP(n_);
  return NewRecord({"s", "t", "f", "q", "q1"});
}

void TMemBound::MemBoundTag_AfterBoundD() {
  mem_.ClearInterior(p_, mem_.W(p_).size);
  boundForm_->ShowMemory();
}

// ---------------------------------------------------------------- Alloc

// p := pav
void TMemBound::Alloc_Begin() { SetP(mem_.pav); }

// WHILE (p<>NIL) AND (p^.size<n) AND (p^.rlink<>pav) DO
bool TMemBound::Alloc_F_WhileDo() {
  return p_ != kNil && mem_.W(p_).size < n_ && mem_.W(p_).rlink != mem_.pav;
}

// p := p^.rlink
void TMemBound::Alloc_NextP() { SetP(mem_.W(p_).rlink); }

// IF (p=NIL) OR (p^.size<n) THEN
bool TMemBound::Alloc_F_Find() { return p_ == kNil || mem_.W(p_).size < n_; }

// p := NIL
void TMemBound::Alloc_ReturnNull() { SetP(kNil); }

// ELSE IF p^.size-n <= e THEN
bool TMemBound::Alloc_F_NotNUll() { return mem_.W(p_).size - n_ <= TBoundMemory::kMaxRemainder; }

// pav := p^.rlink
void TMemBound::Alloc_Getrlink() {
  mem_.pav = mem_.W(p_).rlink;
  ShowPav();
}

// IF pav = p THEN
bool TMemBound::Alloc_F_Onlyone() { return mem_.pav == p_; }

// pav := NIL
void TMemBound::Alloc_SetNull() {
  mem_.pav = kNil;
  ShowPav();
}

// pav^.llink := p^.llink;  p^.llink^.rlink := pav
void TMemBound::Alloc_DeleteP() { mem_.Unlink(p_); }

// p^.tag := 1;  FootLoc(p)^.tag := 1
void TMemBound::Alloc_ChangeTag() { mem_.TagUsed(p_); }

// pav := p^.rlink;  FootLoc(p)^.tag := 1
void TMemBound::Alloc_Devide() {
  mem_.pav = mem_.W(p_).rlink;
  ShowPav();
  const int foot = mem_.FootOf(p_);
  mem_.W(foot).kind = TBoundMemory::UsedFoot;
  mem_.Mark(foot);
  mem_.Mark(p_);
}

// p^.size := p^.size - n
void TMemBound::Alloc_ChangeSize() { mem_.W(p_).size -= n_; }

// f := FootLoc(p);  f^.tag := 0;  f^.uplink := p
void TMemBound::Alloc_ChangeDown() {
  f_ = mem_.NewFreeFoot(p_);
  SetLocal("f", f_);
}

// p := f + 1;  p^.tag := 1;  p^.size := n
void TMemBound::Alloc_NewMem() { SetP(mem_.NewUsedBlock(f_, n_)); }

// AllocBoundTag := p
void TMemBound::Alloc_ReturnP() {}

// ---------------------------------------------------------------- DeAlloc

// IF (p-1)^.tag = 0 THEN
bool TMemBound::DeAlloc_F_Begin() { return mem_.LeftFree(p_); }
// IF (p+p^.size)^.tag = 0 THEN
bool TMemBound::DeAlloc_F_RightFree() { return mem_.RightFree(p_); }
bool TMemBound::DeAlloc_F_LeftUsed() { return mem_.RightFree(p_); }

TData* TMemBound::CaseCall(const QString& status) {
  boundForm_->SetStatusText(status);
  return NewRecord({"s", "t", "f", "q", "q1"});
}

TData* TMemBound::DeAlloc_C_FreeFree() { return CaseCall(QStringLiteral("左，右邻区均为空闲块")); }
TData* TMemBound::DeAlloc_C_FreeUsed() { return CaseCall(QStringLiteral("左邻区为空闲块，右邻区为占用块")); }
TData* TMemBound::DeAlloc_C_UsedFree() { return CaseCall(QStringLiteral("左邻区为占用块，右邻区为空闲块")); }
TData* TMemBound::DeAlloc_C_UsedUsed() { return CaseCall(QStringLiteral("左，右邻区均为占用块")); }

// n := p^.size;  s := (p-1)^.uplink;  t := p + p^.size;  ...
void TMemBound::Free_Free_Begin() {
  const int t = p_ + mem_.W(p_).size;
  SetMain("N", mem_.W(p_).size);
  SetLocal("s", mem_.W(p_ - 1).llink);
  SetLocal("t", t);
  SetLocal("q", mem_.W(t).llink);
  SetLocal("q1", mem_.W(t).rlink);
  mem_.FreeFree(p_);
  ShowPav();
}

// n := p^.size;  s := (p-1)^.uplink;  ...  f := p + n - 1
void TMemBound::Free_Used_Begin() {
  SetMain("N", mem_.W(p_).size);
  SetLocal("s", mem_.W(p_ - 1).llink);
  SetLocal("f", p_ + mem_.W(p_).size - 1);
  mem_.FreeUsed(p_);
}

// t := p + p^.size;  IF t = pav THEN pav := p;  ...
void TMemBound::Used_Free_Begin() {
  const int t = p_ + mem_.W(p_).size;
  SetLocal("t", t);
  SetLocal("q", mem_.W(t).llink);
  SetLocal("q1", mem_.W(t).rlink);
  mem_.UsedFree(p_);
  ShowPav();
}

// IF pav = NIL THEN ... ELSE q := pav^.llink; ...
void TMemBound::Used_Used_Begin() {
  if (mem_.pav != kNil) SetLocal("q", mem_.W(mem_.pav).llink);
  mem_.UsedUsed(p_);
  ShowPav();
}
