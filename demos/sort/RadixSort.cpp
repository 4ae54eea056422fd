#include "demos/sort/RadixSort.h"

#include <tuple>

#include "demos/sort/SortDemo.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/drawkit/ValueMeanings.h"
#include "framework/drawkit/WesternText.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/DemoViews.h"
#include "framework/shell/MainForm.h"
#include "platform/Controls.h"
#include "platform/ModalHost.h"
#include "platform/Random.h"

// ---------------------------------------------------------------- record

TrcdNode::TrcdNode(const QString& name, int key, int next) : TRecord(name) {
  AddVars(*this, IntVar("Key", key), IntVar("Next", next));
}
int TrcdNode::GetKey() const { return static_cast<TIntData*>(Items(0))->Value(); }
void TrcdNode::SetKey(int key) { static_cast<TIntData*>(Items(0))->SetValue(key); }
int TrcdNode::GetNext() const { return static_cast<TIntData*>(Items(1))->Value(); }
void TrcdNode::SetNext(int next) { static_cast<TIntData*>(Items(1))->SetValue(next); }

// ---------------------------------------------------------------- window

TRadixSortGraphForm::TRadixSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("基数排序"));
  SetDesignClientSize(426, 360);
  value = PlaceRow<TRadixdata>("value", {1, 26, 423, 53}, 9, 1, clGreen, 10);
  Next = PlaceRow<TAddrdata>("Next", {1, 104, 423, 53}, 9, 1, clGreen, 10);
  f = PlaceRow<TAddrdata>("f", {1, 184, 423, 53}, 10, 0, clAqua, 10);
  e = PlaceRow<TAddrdata>("e", {1, 260, 423, 53}, 10, 0, clAqua, 10);
  const TFont heading = SortFont("Arial", -16, clBlue, fsBold);
  const std::pair<const char*, const char*> captions[] = {
      {"ZqStaticText2", "Value"}, {"ZqStaticText1", "Next"}, {"ZqStaticText3", "f[0..9]"}, {"ZqStaticText4", "e[0..9]"}};
  const int tops[] = {3, 81, 159, 237};
  for (int i = 0; i < 4; ++i) {
    auto* text = Place(new TZqStaticText(this), 12, tops[i], 93, 22);
    text->setObjectName(QString::fromLatin1(captions[i].first));
    text->SetFont(heading);
    text->SetCaption(QString::fromLatin1(captions[i].second));
  }
  ZqStaticText5 = PlaceCaption("ZqStaticText5", QStringLiteral("d=2  c1=0  crd=9"), {20, 325, 389, 22}, heading);
}

// ---------------------------------------------------------------- input

Tradixinputform::Tradixinputform(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("radixinputform"));
  SetCaption(QStringLiteral("输入排序序列"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(365, 130);
  // The edit, the buttons and their captions take it: nine numbers stay readable.
  ApplyFont(*this, TFont{.Name = QStringLiteral("MS Sans Serif"), .Height = -14});
  (new TBevel(this, bsFrame))->setGeometry(16, 8, 321, 50);
  Edit1 = new TEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(32, 24, 289, 21);
  const auto button = [this](const QString& caption, const char* name, int left, int width) {
    auto* b = new TButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, 72, width, 25);
    return b;
  };
  BitBtn1 = button(QStringLiteral("OK"), "BitBtn1", 16, 57);
  BitBtn1->ModalResult = mrOk;
  BitBtn1->SetDefault(true);
  BitBtn1->OnClick = [this] {
    if (!CheckWestern(Edit1->text())) {
      SetModalResult(mrNone);
      return;
    }
    if (RadixListValid(Edit1->text())) return;
    modal::MessageDlg(QStringLiteral("输入数据越界！，请重新输入。"), modal::Icon::Warning, modal::Buttons::Ok);
    SetModalResult(mrNone);
  };
  BitBtn2 = button(QStringLiteral("Cancel"), "BitBtn2", 80, 65);
  BitBtn2->ModalResult = mrCancel;
  BitBtn2->Cancel = true;
  BitBtn3 = button(QStringLiteral("升序"), "BitBtn3", 152, 49);
  BitBtn3->OnClick = [this] { Edit1->setText(QStringLiteral("0,11,22,33,44,55,66,77,88")); };
  BitBtn4 = button(QStringLiteral("降序"), "BitBtn4", 208, 49);
  BitBtn4->OnClick = [this] { Edit1->setText(QStringLiteral("88,77,66,55,44,33,22,11,0")); };
  BitBtn5 = button(QStringLiteral("随机生成"), "BitBtn5", 264, 75);
  BitBtn5->OnClick = [this] {
    rnd::Randomize();
    QList<int> values;
    while (values.size() < TRadixSort::Count) {
      const int v = rnd::Random(99);
      if (!values.contains(v)) values << v;
    }
    QStringList texts;
    for (int v : values) texts << QString::number(v);
    Edit1->setText(texts.join(','));
  };
}

bool ExecuteRadixInput(QString& text) {
  Tradixinputform dlg;
  if (dlg.ShowModal() != mrOk) return false;
  text = dlg.Edit1->text();
  return true;
}

int NextNumber(QString& text) {
  int value = 0;
  int i = 0;
  for (; i < text.size() && text[i] != ','; ++i) value = value * 10 + (text[i].unicode() - 48);
  text.remove(0, i < text.size() ? i + 1 : i);
  return value;
}

bool RadixListValid(const QString& text) {
  // Numbers past the ninth are read by no one, but they too must be numbers 0..99.
  const QStringList items = text.split(',');
  for (const QString& item : items) {
    const QString digits = item.trimmed();
    if (digits.isEmpty()) continue;
    for (QChar c : digits)
      if (c < '0' || c > '9') return false;
    if (digits.size() > 3 || digits.toInt() > 99) return false;
  }
  return true;
}

// ---------------------------------------------------------------- demonstration

void TRadixSort::SetKeys(QString list) {
  // Blanks may stand around the numbers; they are no digits.
  list.remove(QLatin1Char(' '));
  for (int& key : Keys) key = NextNumber(list);
}

void TRadixSort::CreateChildWindow() {
  TFormDemo::CreateChildWindow();
  TRadixSortGraphForm& g = *graphForm_;
  // Each box writes the field or queue end it stands for (a key in two digits).
  const auto field = [](const char* path, int first, int last) {
    return [path, first, last](int i) -> std::vector<TValueMeaning> {
      if (i < first || i > last) return {};
      return {{.Call = TMarkMeaning::Global, .Of = {QString::fromLatin1(path).arg(i - first)}}};
    };
  };
  g.value->Means = [](int i) -> std::vector<TValueMeaning> {
    if (i < 1 || i > Count) return {};
    return {{.Call = TMarkMeaning::Global,
             .Of = {QStringLiteral("r[%1].Key").arg(i - 1)},
             .Map = [](const QStringList& v) -> std::optional<QString> { return v[0].rightJustified(2, '0'); }}};
  };
  g.Next->Means = field("r[%1].Next", 1, Count);
  g.f->Means = field("f[%1]", 0, 9);
  g.e->Means = field("e[%1]", 0, 9);
  // The headings name the rows: a record's key and link, the queues' heads and tails.
  for (const auto& [heading, path, name] : {std::tuple{"ZqStaticText2", "r[0].Key", "Value"},
                                            {"ZqStaticText1", "r[0].Next", "Next"},
                                            {"ZqStaticText3", "f", "f[0..9]"},
                                            {"ZqStaticText4", "e", "e[0..9]"}}) {
    TValueMeaning names = NamesVariable(QLatin1String(path), QLatin1String(name));
    names.Call = TMarkMeaning::Global;
    g.findChild<TZqStaticText*>(QLatin1String(heading))->Stands = {names};
  }
}

bool TRadixSort::CreateData() {
  QString list;
  if (!ExecuteRadixInput(list)) return false;
  SetKeys(list);
  return true;
}

std::unique_ptr<TData> TRadixSort::GetGlobalData() {
  auto globals = std::make_unique<TData>(QString());
  auto* r = globals->Add(new TVector(QStringLiteral("r")));
  for (int i = 1; i <= Count; ++i) r->Add(new TrcdNode(QStringLiteral("r[%1]").arg(i), Keys[i - 1], 0));
  for (const char* name : {"f", "e"}) {
    auto* v = globals->Add(new TVector(QString::fromLatin1(name)));
    for (int j = 0; j <= 9; ++j) v->Add(new TIntData(QStringLiteral("%1[%2]").arg(QLatin1String(name)).arg(j), 0));
  }
  AddVars(*globals, IntVar("n", Count));
  return globals;
}

std::unique_ptr<TData> TRadixSort::GetInitialParam() { return std::unique_ptr<TData>(NewFrame(IntVar("p", 1))); }

void TRadixSort::ResetLocalData(const QString& procName) {
  if (procName == QLatin1String("radixsort")) AddVars(*Locals(), IntVar("i", 0));
  if (procName == QLatin1String("distribute")) AddVars(*Locals(), IntVar("j", 0));
  if (procName == QLatin1String("collect")) AddVars(*Locals(), IntVar("j", 0), IntVar("t", 0));
}

void TRadixSort::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 60, AlgorithmForm, 60, VariableForm);
}

void TRadixSort::ShowAddr(TAddrdata& row, int i, int v) {
  if (row.NodeAt(i) == nullptr) row.SetKey(i, ' ');
  row.AddrAt(i)->Addr = v;
  row.NodeAt(i)->Repaint();
}

void TRadixSort::Reset() {
  TAlgoDemo::Reset();
  TRadixSortGraphForm& g = *graphForm_;
  for (int i = 1; i <= Count; ++i) {
    ShowAddr(*g.value, i, Keys[i - 1]);
    ShowAddr(*g.Next, i, 0);
  }
  for (int j = 0; j <= 9; ++j) {
    ShowAddr(*g.f, j, 0);
    ShowAddr(*g.e, j, 0);
  }
  for (TSortData* row : {static_cast<TSortData*>(g.value), static_cast<TSortData*>(g.Next), static_cast<TSortData*>(g.f),
                         static_cast<TSortData*>(g.e)})
    row->AfterRescale();
  Counter = 2;
  SavedP = 1;
}

void TRadixSort::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  graphForm_->Update();
}

void TRadixSort::DemoFinished() {
  QString text = QStringLiteral("运行结果为：");
  int p = SavedP;
  // A chain visits each record once; the bound keeps a broken one from running on.
  for (int step = 0; p != 0 && step < Count; ++step) {
    if (step > 0) text += QLatin1Char('<');
    text += QString::number(Record(p)->GetKey());
    p = Record(p)->GetNext();
  }
  modal::ShowMessage(text);
}

TrcdNode* TRadixSort::Record(int i) const {
  return static_cast<TrcdNode*>(Globals()->FindByName(QStringLiteral("r"))->Items(i - 1));
}
TIntData* TRadixSort::F(int j) const {
  return static_cast<TIntData*>(Globals()->FindByName(QStringLiteral("f"))->Items(j));
}
TIntData* TRadixSort::E(int j) const {
  return static_cast<TIntData*>(Globals()->FindByName(QStringLiteral("e"))->Items(j));
}

void TRadixSort::SetNext(int i, int next) {
  Record(i)->SetNext(next);
  ShowAddr(*graphForm_->Next, i, next);
}
void TRadixSort::SetF(int j, int v) {
  F(j)->SetValue(v);
  ShowAddr(*graphForm_->f, j, v);
}
void TRadixSort::SetE(int j, int v) {
  E(j)->SetValue(v);
  ShowAddr(*graphForm_->e, j, v);
}

// ---------------------------------------------------------------- radixsort

// FOR i := 1 TO n-1 DO r[i].next := i+1
void TRadixSort::radixsort_Begin() {
  for (int i = 1; i < Count; ++i) SetNext(i, i + 1);
  Counter = 2;
}

// FOR i := d DOWNTO 1 DO
bool TRadixSort::radixsort_F_Line1() {
  const int old = Counter--;
  Var("i").SetValue(old > 0 ? old : 0);
  return old > 0;
}

// distribute(r, p, i, f, e)
TData* TRadixSort::radixsort_C_Line2() { return NewFrame(IntVar("p", Var("p").Value()), IntVar("i", Var("i").Value())); }

// collect(r, i, f, e, p)
TData* TRadixSort::radixsort_C_Line3() { return NewFrame(IntVar("i", Var("i").Value()), IntVar("p", Var("p").Value())); }
void TRadixSort::radixsort_AfterLine3() { Var("p").SetValue(SavedP); }

// ---------------------------------------------------------------- distribute

// FOR j := c1 TO crd DO f[j] := 0
void TRadixSort::distribute_Begin() {
  for (int j = 0; j <= 9; ++j) SetF(j, 0);
}

// WHILE p <> 0 DO
bool TRadixSort::distribute_F_Line1() { return Var("p").Value() != 0; }

// j := r[p].key[i]: digit 1 is the tens digit, digit 2 the units digit
void TRadixSort::distribute_Line2() {
  const int key = Record(Var("p").Value())->GetKey();
  Var("j").SetValue(Var("i").Value() == 2 ? key % 10 : key / 10);
}

// IF f[j] = 0 THEN
bool TRadixSort::distribute_F_Line3() { return F(Var("j").Value())->Value() == 0; }

// f[j] := p
void TRadixSort::distribute_Line4() { SetF(Var("j").Value(), Var("p").Value()); }

// r[e[j]].next := p
void TRadixSort::distribute_Line5() { SetNext(E(Var("j").Value())->Value(), Var("p").Value()); }

// e[j] := p
void TRadixSort::distribute_Line6() { SetE(Var("j").Value(), Var("p").Value()); }

// p := r[p].next
void TRadixSort::distribute_Line7() { Var("p").SetValue(Record(Var("p").Value())->GetNext()); }

// ---------------------------------------------------------------- collect

// j := c1
void TRadixSort::collect_Begin() { Var("j").SetValue(0); }

// WHILE f[j] = 0 DO j := succ(j)
void TRadixSort::collect_Line1() {
  int j = Var("j").Value();
  while (j < 9 && F(j)->Value() == 0) ++j;
  Var("j").SetValue(j);
}

// p := f[j]; t := e[j]
void TRadixSort::collect_Line2() {
  Var("p").SetValue(F(Var("j").Value())->Value());
  Var("t").SetValue(E(Var("j").Value())->Value());
}

// WHILE j < crd DO
bool TRadixSort::collect_F_Line3() { return Var("j").Value() < 9; }

// j := succ(j)
void TRadixSort::collect_Line4() { Var("j").SetValue(Var("j").Value() + 1); }

// WHILE (j < crd) AND (f[j] = 0) DO j := succ(j)
void TRadixSort::collect_Line5() {
  int j = Var("j").Value();
  while (j < 9 && F(j)->Value() == 0) ++j;
  Var("j").SetValue(j);
}

// IF f[j] <> 0 THEN
bool TRadixSort::collect_F_Line6() { return F(Var("j").Value())->Value() != 0; }

// r[t].next := f[j]
void TRadixSort::collect_Line7() { SetNext(Var("t").Value(), F(Var("j").Value())->Value()); }

// t := e[j]
void TRadixSort::collect_Line8() { Var("t").SetValue(E(Var("j").Value())->Value()); }

// r[t].next := 0
void TRadixSort::collect_Line9() {
  SetNext(Var("t").Value(), 0);
  SavedP = Var("p").Value();
}
