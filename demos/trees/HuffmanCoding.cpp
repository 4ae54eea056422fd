#include "demos/trees/HuffmanCoding.h"

#include <tuple>

#include "demos/trees/HuffmanIptDlg.h"
#include "framework/engine/BasicData.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/Globals.h"
#include "framework/engine/RunFrames.h"
#include "framework/shell/MainForm.h"

// ---------------------------------------------------------------- window

THuffmanCodingGraph::THuffmanCodingGraph(QWidget* parent) : TGraphForm(parent) {
  setObjectName(QStringLiteral("HuffmanCodingGraph"));
  SetCaption(QStringLiteral("赫夫曼树与赫夫曼编码"));
  SetDesignClientSize(301, 213);
  HuffmanTree1 = Place(new THuffmanTree(this), 0, 0, 301, 213);
  HuffmanTree1->setObjectName(QStringLiteral("HuffmanTree1"));
}

void THuffmanCodingGraph::FormResize() {
  HuffmanTree1->setGeometry(0, 0, width(), height());  // fills the window
  TGraphForm::FormResize();
  HuffmanTree1->setGeometry(0, 0, width(), height());
}

// ---------------------------------------------------------------- demonstration

bool THuffmanCoding::CreateData() {
  THuffmanIptDlg dlg;
  dlg.MaxTotal = THuffmanIptDlg::kHuffmanMaxTotal;
  int w[THuffmanIptDlg::kMaxWeights] = {};
  int n = 0;
  if (!dlg.Execute(n, w)) return false;
  n_ = n;
  weights_.assign(w, w + n);
  graphForm_->HuffmanTree1->SetWeights(weights_);
  return true;
}

std::unique_ptr<TData> THuffmanCoding::GetInitialParam() {
  auto rec = std::make_unique<TData>(QString());
  rec->Add(std::make_unique<TRecord>(QStringLiteral("HT")));
  auto w = std::make_unique<TRecord>(QStringLiteral("w"));
  for (int k = 0; k < n_; ++k) w->Add(std::make_unique<TIntData>(QString::number(k + 1), weights_[static_cast<std::size_t>(k)]));
  rec->Add(std::move(w));
  AddVars(*rec, IntVar("n", n_), IntVar("m", 0), IntVar("i", 0), IntVar("start", 0), IntVar("s1", 0), IntVar("s2", 0));
  rec->Add(std::make_unique<TRecord>(QStringLiteral("HC")));
  AddVars(*rec, StrVar("cd", QString()), IntVar("c", 0), IntVar("f", 0));
  return rec;
}

void THuffmanCoding::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 60, VariableForm, 60, AlgorithmForm);
}

void THuffmanCoding::Reset() {
  TAlgoDemo::Reset();
  THuffmanTree& tree = *graphForm_->HuffmanTree1;
  tree.SetWeights(weights_);
  tree.LitOf = [this](int node) { return LitOf(node); };
  tree.DigitOf = [this](int node) { return DigitOf(node); };
}

namespace {

// The lines of the coding loop's body, from start:=n-1 to the end of the FOR (both texts).
bool InCodingBody(const QString& label) {
  static const QStringList body = {"start", "forc", "ifHT", "cd3p", "else1p", "decstartp", "endwhilep",
                                   "cd3", "else1", "HC2", "strcpy", "endforI3"};
  return body.contains(label);
}

}  // namespace

int THuffmanCoding::Number(const char* name) const {
  const TRunFrames calls{*this};
  return calls.Int(calls.Innermost(), name).value_or(0);
}

int THuffmanCoding::Parent(int node) const {
  const TData* ht = Locals() ? Locals()->FindByName(QStringLiteral("HT")) : nullptr;
  if (!ht || node < 1 || node > ht->Count()) return 0;
  const auto* parent = dynamic_cast<const TIntData*>(ht->Items(node - 1)->FindByName(QStringLiteral("parent")));
  return parent ? parent->Value() : 0;
}

// Lit: s1 and s2 from their choice until their sum is written, the leaf i from the coding
// loop's test until the loop's step past it.
std::optional<bool> THuffmanCoding::LitOf(int node) const {
  if (!CurLine()) return std::nullopt;
  const QString at = CurLine()->Label();
  if (at == QLatin1String("HT2") || at == QLatin1String("HT3") || at == QLatin1String("HT4"))
    return node == Number("s1") || node == Number("s2");
  if (InCodingBody(at)) return node == Number("i");
  return false;
}

// The digits written for leaf i are those of the nodes on its way up below c (and c's own, in
// Pascal, between writing it and stepping up); the leaves before i left theirs, finished.
std::optional<QString> THuffmanCoding::DigitOf(int node) const {
  if (!CurLine()) return std::nullopt;
  const QString at = CurLine()->Label();
  const int i = Number("i");
  if (InCodingBody(at) && at != QLatin1String("start")) {
    const int c = Number("c");
    for (int k = i; k != 0 && k != c; k = Parent(k))
      if (k == node) return QStringLiteral("current");
    if (node == c && at == QLatin1String("decstartp")) return QStringLiteral("current");
  }
  const bool coded = InCodingBody(at) || at == QLatin1String("forI3") || at == QLatin1String("free") ||
                     at == QLatin1String("End");
  for (int leaf = 1; coded && leaf < i && leaf <= n_; ++leaf)
    for (int k = leaf; Parent(k) != 0; k = Parent(k))
      if (k == node) return QStringLiteral("finished");
  return QStringLiteral("none");
}

void THuffmanCoding::SetInt(const char* name, int value) { Var(name).SetValue(value); }

void THuffmanCoding::SetI(int i) {
  i_ = i;
  SetInt("i", i);
}

// HT[i] shown as the table has it.
void THuffmanCoding::SetEntry(int i) {
  TData* entry = Var<TRecord>("HT")->Items(i - 1);
  const THuffNode& e = ht_[static_cast<std::size_t>(i)];
  const int values[] = {e.weight, e.parent, e.lchild, e.rchild};
  for (int k = 0; k < 4; ++k) static_cast<TIntData*>(entry->Items(k))->SetValue(values[k]);
}

// IF n<=1 THEN RETURN
bool THuffmanCoding::HuffmanCoding_F_Begin() { return n_ > 1; }

// m:=2*n-1
void THuffmanCoding::HuffmanCoding_InitM() {
  m_ = 2 * n_ - 1;
  SetInt("m", m_);
}

// the table HT[1..m]
void THuffmanCoding::HuffmanCoding_HT() {
  ht_.assign(static_cast<std::size_t>(m_ + 1), THuffNode{-1, 0, 0, 0});
  TRecord* ht = &*Var<TRecord>("HT");
  for (int i = 1; i <= m_; ++i) {
    auto entry = std::make_unique<TRecord>(QString::number(i));
    AddVars(*entry, IntVar("weight", -1), IntVar("parent", 0), IntVar("lchild", 0), IntVar("rchild", 0));
    ht->Add(std::move(entry));
  }
}

// FOR p:=1 TO n DO ht[p]:=(w[p],0,0,0)
void THuffmanCoding::HuffmanCoding_forP() {
  for (int k = 1; k <= n_; ++k) {
    ht_[static_cast<std::size_t>(k)] = {weights_[static_cast<std::size_t>(k - 1)], 0, 0, 0};
    SetEntry(k);
  }
  SetI(n_ + 1);
  graphForm_->HuffmanTree1->SetWeights(weights_);
  graphForm_->HuffmanTree1->ShowLeaves();
}

// FOR i:=n+1 TO m DO ht[i]:=(0,0,0,0)
void THuffmanCoding::HuffmanCoding_forI1() {
  for (int k = n_ + 1; k <= m_; ++k) {
    ht_[static_cast<std::size_t>(k)] = {};
    SetEntry(k);
  }
  SetI(n_ + 1);
}

// for (i=n+1; i<=m; ++i)
bool THuffmanCoding::HuffmanCoding_F_forI2() { return i_ <= m_; }

// FOR i:=n+1 TO m DO  (Pascal: after the loop the coding starts at leaf 1)
bool THuffmanCoding::HuffmanCoding_F_forI2p() {
  if (i_ <= m_) return true;
  MakeCodes();
  SetI(1);
  return false;
}

void THuffmanCoding::MakeCodes() {
  TRecord* hc = &*Var<TRecord>("HC");
  hc->Clear();
  for (int k = 1; k <= n_; ++k) hc->Add(std::make_unique<TStringData>(QString::number(k), QString()));
  cd_ = QString(n_ - 1, QLatin1Char('-'));
  Var<TStringData>("cd").SetValue(cd_);
  graphForm_->HuffmanTree1->SetCodeRow(cd_);
}

// select(ht,i-1,s1,s2)
void THuffmanCoding::HuffmanCoding_select() {
  std::tie(s1_, s2_) = HuffmanSelect(ht_, i_ - 1);
  SetInt("s1", s1_);
  SetInt("s2", s2_);
  graphForm_->HuffmanTree1->SetHighlight(s1_, true);
  graphForm_->HuffmanTree1->SetHighlight(s2_, true);
}

// ht[s1].parent:=i; ht[s2].parent:=i
void THuffmanCoding::HuffmanCoding_HT2() {
  ht_[static_cast<std::size_t>(s1_)].parent = i_;
  ht_[static_cast<std::size_t>(s2_)].parent = i_;
  SetEntry(s1_);
  SetEntry(s2_);
  graphForm_->HuffmanTree1->Join(i_, s1_, s2_);
  graphForm_->HuffmanTree1->SetWeight(i_, 0);
}

// ht[i].lchild:=s1; ht[i].rchild:=s2
void THuffmanCoding::HuffmanCoding_HT3() {
  ht_[static_cast<std::size_t>(i_)].lchild = s1_;
  ht_[static_cast<std::size_t>(i_)].rchild = s2_;
  SetEntry(i_);
}

// ht[i].weight:=ht[s1].weight+ht[s2].weight
void THuffmanCoding::HuffmanCoding_HT4() {
  THuffNode& e = ht_[static_cast<std::size_t>(i_)];
  e.weight = ht_[static_cast<std::size_t>(s1_)].weight + ht_[static_cast<std::size_t>(s2_)].weight;
  SetEntry(i_);
  THuffmanTree& tree = *graphForm_->HuffmanTree1;
  tree.SetHighlight(s1_, false);
  tree.SetHighlight(s2_, false);
  tree.SetWeight(i_, e.weight);
}

// END (of the FOR loop): i:=i+1
void THuffmanCoding::HuffmanCoding_endforI2() {
  graphForm_->HuffmanTree1->ClearHighlights();
  SetI(i_ + 1);
}

// HC=(HuffmanCode)malloc((n+1)*sizeof(char *))
void THuffmanCoding::HuffmanCoding_HC1() {
  TRecord* hc = &*Var<TRecord>("HC");
  hc->Clear();
  for (int k = 1; k <= n_; ++k) hc->Add(std::make_unique<TStringData>(QString::number(k), QString()));
}

// cd[n-1]='\0'; i=1  (the coding loop starts at leaf 1)
void THuffmanCoding::HuffmanCoding_cd2() {
  cd_ = QString(n_ - 1, QLatin1Char('-'));
  Var<TStringData>("cd").SetValue(cd_);
  graphForm_->HuffmanTree1->SetCodeRow(cd_);
  SetI(1);
}

// FOR i:=1 TO n DO
bool THuffmanCoding::HuffmanCoding_F_forI3() {
  if (i_ > n_) return false;
  graphForm_->HuffmanTree1->SetHighlight(i_, true);
  graphForm_->HuffmanTree1->SetCodeRow(cd_);
  return true;
}

// start:=n-1; c:=i; f:=ht[i].parent
void THuffmanCoding::HuffmanCoding_start() {
  start_ = n_ - 1;
  c_ = i_;
  f_ = ht_[static_cast<std::size_t>(i_)].parent;
  SetInt("start", start_);
  SetInt("c", c_);
  SetInt("f", f_);
}

// WHILE f<>0 DO
bool THuffmanCoding::HuffmanCoding_F_forc() { return f_ != 0; }

// IF ht[f].lchild=c THEN
bool THuffmanCoding::HuffmanCoding_F_ifHT() { return ht_[static_cast<std::size_t>(f_)].lchild == c_; }

void THuffmanCoding::WriteDigit(QChar digit) {
  cd_[start_ - 1] = digit;
  Var<TStringData>("cd").SetValue(cd_);
  graphForm_->HuffmanTree1->SetCodeRow(cd_);
  graphForm_->HuffmanTree1->SetLabel(c_, digit == QLatin1Char('0') ? THuffmanTree::Blue0 : THuffmanTree::Blue1);
}

void THuffmanCoding::MoveUp() {
  c_ = f_;
  f_ = ht_[static_cast<std::size_t>(f_)].parent;
  SetInt("c", c_);
  SetInt("f", f_);
}

// cd[start]:='0' / cd[start]:='1'
void THuffmanCoding::HuffmanCoding_cd3p() { WriteDigit(QLatin1Char('0')); }
void THuffmanCoding::HuffmanCoding_else1p() { WriteDigit(QLatin1Char('1')); }

// start:=start-1; c:=f; f:=ht[f].parent
void THuffmanCoding::HuffmanCoding_decstartp() {
  SetInt("start", --start_);
  MoveUp();
}

// cd[--start]='0' / '1', then the loop's c=f, f=HT[f].parent
void THuffmanCoding::HuffmanCoding_cd3() {
  WriteDigit(QLatin1Char('0'));
  SetInt("start", --start_);
  MoveUp();
}

void THuffmanCoding::HuffmanCoding_else1() {
  WriteDigit(QLatin1Char('1'));
  SetInt("start", --start_);
  MoveUp();
}

// HC[i]=(char *)malloc((n-start)*sizeof(char))
void THuffmanCoding::HuffmanCoding_HC2() {
  static_cast<TStringData*>(Var<TRecord>("HC")->Items(i_ - 1))->SetValue(QString(n_ - start_ - 1, QLatin1Char('-')));
}

// hc[i]:=copy(cd,start+1,n-start-1)
void THuffmanCoding::HuffmanCoding_strcpy() {
  const QString code = cd_.mid(start_, n_ - start_ - 1);
  static_cast<TStringData*>(Var<TRecord>("HC")->Items(i_ - 1))->SetValue(code);
  graphForm_->HuffmanTree1->SetCode(i_, code);
}

// END (of the FOR loop): i:=i+1
void THuffmanCoding::HuffmanCoding_endforI3() {
  graphForm_->HuffmanTree1->SetHighlight(i_, false);
  graphForm_->HuffmanTree1->FinishLabels();
  SetI(i_ + 1);
}
