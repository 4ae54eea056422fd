#include "demos/sort/SortDemo.h"

#include <algorithm>

#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Globals.h"
#include "framework/engine/Proc.h"
#include "framework/shell/MainForm.h"

TFont SortFont(const char* name, int height, TColor color, TFontStyles style) {
  TFont font;
  font.Name = QString::fromUtf8(name);
  font.Height = height;
  font.Color = color;
  font.Style = style;
  return font;
}

// ---------------------------------------------------------------- drawing window

TSortGraphForm::TSortGraphForm(QWidget* parent) : TGraphForm(parent) {}

void TSortGraphForm::FormResize() {
  TGraphForm::FormResize();
  if (OnRelayout) OnRelayout();
}

void TSortGraphForm::SetupRow(TSortData& row, const char* name, int capacity, int startIndex, TColor nodeColor,
                              int ratio) {
  row.setObjectName(QString::fromLatin1(name));
  row.Capacity = capacity;
  row.StartIndex = startIndex;
  row.NodeColor = nodeColor;
  row.NodeWidthRatio = ratio;
  row.NodeFont = SortFont("Times New Roman", -11, clWindowText);
}

void TSortGraphForm::StandUnder(TSortNode& box, const QWidget& caption, bool fit) const {
  if (fit) R->LayoutNode(box);
  box.move(caption.x() + caption.width() / 4, R->y() + R->height() - box.height());
}

TZqStaticText* TSortGraphForm::PlaceCaption(const char* name, const QString& caption, QRect r, const TFont& font) {
  auto* text = Place(new TZqStaticText(this), r.x(), r.y(), r.width(), r.height());
  text->setObjectName(QString::fromLatin1(name));
  text->SetBevel(bvLowered);
  text->SetFont(font);
  text->SetCaption(caption);
  return text;
}

void TSortGraphForm::PlaceCounters(QRect comp, QRect move, const TFont& font) {
  LabelComp = PlaceCaption("LabelComp", QStringLiteral("比较次数：0"), comp, font);
  LabelMove = PlaceCaption("LabelMove", QStringLiteral("移动次数：0"), move, font);
}

void TSortGraphForm::SetupBox(TSortNode& box, const char* name, QRect r, TColor color, const QString& caption) {
  box.setObjectName(QString::fromLatin1(name));
  box.setGeometry(r);
  box.Color = color;
  box.SetCaption(caption);
  box.hide();
}

// ---------------------------------------------------------------- demonstration

void TSortDemo::SetWindowRect() { MainForm->DockThreePanes(SortForm(), 60, AlgorithmForm, 60, VariableForm); }

void TSortDemo::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  SortForm()->Update();
}

bool TSortDemo::InputKeys(int inputCapacity, int minPlaces, int extraPlaces) {
  TSortData& row = *SortForm()->R;
  row.Capacity = inputCapacity;
  const bool ok = row.InputData();
  row.Capacity = std::max(row.NodeCount() + extraPlaces, minPlaces);
  row.AfterRescale();
  if (ok) Keys = row.GetDataString();
  return ok;
}

void TSortDemo::ResetRow() {
  TSortData& row = *SortForm()->R;
  row.SetDataString(Keys);
  for (int i = 1; i <= row.Count(); ++i) row.NodeAt(i)->SetColor(row.NodeColor);
  row.AfterRescale();
  CompCount = MoveCount = 0;
  ShowCounts();
}

QString TSortDemo::CompText(int count) { return QStringLiteral("比较次数: %1").arg(count); }
QString TSortDemo::MoveText(int count) { return QStringLiteral("移动次数: %1").arg(count); }

void TSortDemo::ShowCounts() {
  SortForm()->LabelComp->SetCaption(CompText(CompCount));
  SortForm()->LabelMove->SetCaption(MoveText(MoveCount));
}

void TSortDemo::HoldCounts() {
  SortForm()->LabelComp->Stands = {{.Value = [this] { return std::optional<QString>(CompText(CompCount)); }}};
  SortForm()->LabelMove->Stands = {{.Value = [this] { return std::optional<QString>(MoveText(MoveCount)); }}};
}

namespace {

bool Labelled(const TProcLine* line, std::initializer_list<const char*> labels) {
  if (line == nullptr) return false;
  for (const char* label : labels)
    if (line->Label().compare(QLatin1String(label), Qt::CaseInsensitive) == 0) return true;
  return false;
}

bool OfProc(const TProcLine* line, const char* proc) {
  return line != nullptr && line->Procedure() != nullptr &&
         line->Procedure()->Name().compare(QLatin1String(proc), Qt::CaseInsensitive) == 0;
}

}  // namespace

TValueMeaning GlobalShown(const QString& path, std::function<std::optional<QString>(const QString&)> map) {
  return {.Call = TMarkMeaning::Global, .Of = {path}, .Map = [map](const QStringList& v) { return map(v[0]); }};
}

void CaptionReads(TZqStaticText& caption, const QString& text) {
  caption.Stands = {{.Value = [text] { return std::optional<QString>(text); }}};
}

bool RunIn(const TAlgoDemo& demo, const char* proc) { return OfProc(demo.CurLine(), proc); }

bool RunAt(const TAlgoDemo& demo, std::initializer_list<const char*> labels) { return Labelled(demo.CurLine(), labels); }

TValueMeaning TSortDemo::KeyBox(const QString& path, std::function<TColor()> colour, TMarkMeaning::TCall call,
                                int depth) {
  return {.Call = call,
          .CallDepth = depth,
          .Of = {path},
          .Map = [colour](const QStringList& v) -> std::optional<QString> {
            const char key = v[0].isEmpty() ? ' ' : v[0][0].toLatin1();
            return key == ' ' ? QString() : SortBoxLook(key, colour());
          },
          .Part = TValueMeaning::InNote};
}

void TSortDemo::HoldRow(TSortData& row, const QString& array, int first, std::function<TColor(int)> colour) {
  row.Means = [this, array, first, colour](int i) -> std::vector<TValueMeaning> {
    if (i < 1 || i > Keys.size()) return {};
    return {KeyBox(QStringLiteral("%1[%2]").arg(array).arg(i - first), [colour, i] { return colour(i); })};
  };
}

TValueMeaning TSortDemo::HeldKey(std::function<char()> key, std::function<TColor()> colour) {
  return {.Value = [key, colour]() -> std::optional<QString> {
            const char k = key();
            if (k == ' ') return std::nullopt;
            return SortBoxLook(k, colour());
          },
          .Part = TValueMeaning::InNote};
}

void TSortDemo::CountComp() {
  ++CompCount;
  ShowCounts();
}

void TSortDemo::CountMove(int n) {
  MoveCount += n;
  ShowCounts();
}

std::unique_ptr<TData> TSortDemo::KeysAndCount() const {
  auto args = std::make_unique<TData>(QString());
  args->Add(KeyVector(QStringLiteral("r"), Keys));
  args->Add(new TIntData(QStringLiteral("n"), static_cast<int>(Keys.size())));
  return args;
}

TVector* TSortDemo::KeyVector(const QString& name, const QString& keys, int first) {
  auto* v = new TVector(name);
  for (int i = 0; i < keys.size(); ++i)
    v->Add(new TCharData(QStringLiteral("%1[%2]").arg(name).arg(first + i), keys[i].toLatin1()));
  return v;
}

TCharData* TSortDemo::KeyAt(TData* vector, int index, int first) {
  return static_cast<TCharData*>(vector->Items(index - first));
}

void TSortDemo::SwapKeys(TData* vector, int i, int j) {
  TCharData* a = KeyAt(vector, i);
  TCharData* b = KeyAt(vector, j);
  const char key = a->Value();
  a->SetValue(b->Value());
  b->SetValue(key);
}

bool TSortDemo::ForStep(TIntData* var, int& next, int last) {
  if (last < next) return false;
  var->SetValue(next++);
  return true;
}
