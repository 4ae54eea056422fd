#include "demos/stacks/PackagesForm2.h"

#include <algorithm>

#include "demos/stacks/PkgForm.h"
#include "platform/Random.h"
#include "platform/TextRules.h"

namespace {

constexpr int kClientWidth = 538;
constexpr int kClientHeight = 378;
// Field rows (tops) and the offset that centres the position table in the dialog; the
// fields stand where the drawing window puts its labels.
constexpr int kUpperRow = 178;
constexpr int kLowerRow = 332;
constexpr int kOffsetX = 20;
constexpr int kLabelWidth = 38;
constexpr int kEditWidth = 34;
constexpr int kFieldHeight = 26;
constexpr int kMaxWeight = TPkgForm::MaxWeight;
constexpr int kMaxVolume = TPkgForm::MaxVolume;

TFont DialogFont(TColor color) {
  return TFont{.Name = QStringLiteral("楷体_GB2312"), .Height = -20, .Color = color};
}

}  // namespace

TPackagesForm2::TPackagesForm2(QWidget* parent) : TForm(parent) {
  SetCaption(QStringLiteral("背包问题"));
  SetBorderStyle(bsSingle);
  SetPosition(poScreenCenter);
  SetClientSize(kClientWidth, kClientHeight);
  rnd::Randomize();

  PaintBackground();
  for (int d = 0; d <= 9; ++d) blocks_[static_cast<std::size_t>(d)] = LoadPicture(QStringLiteral("PkgSetup%1.bmp").arg(d));

  Image1 = new TImage(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, kClientWidth, kClientHeight);
  Image1->Picture().Assign(background_);
  SetHint(*Image1, QStringLiteral("请输入每个物体的\"重量\"!"));

  const auto button = [this](const char* name, const QString& caption, int x) {
    auto* b = new TSpeedButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    ApplyFont(*b, DialogFont(clYellow));
    b->setGeometry(x, 8, 120, 34);
    return b;
  };
  Label1 = button("Label1", QStringLiteral("设定完毕"), 60);
  RanButton = button("RanButton", QStringLiteral("随机生成"), 209);
  Label3 = button("Label3", QStringLiteral("取    消"), 358);
  Label1->OnClick = [this] { Label1Click(); };
  RanButton->OnClick = [this] { RanButtonClick(); };
  Label3->OnClick = [this] { Label3Click(); };

  for (int tag = 1; tag <= 9; ++tag) {
    const auto t = static_cast<std::size_t>(tag);
    Labels[t] = new QLabel(tag <= MaxItems ? QStringLiteral("W%1=").arg(tag) : QStringLiteral("T="), this);
    Labels[t]->setObjectName(QStringLiteral("WLabel%1").arg(tag));
    ApplyFont(*Labels[t], DialogFont(clYellow));
    Labels[t]->setAttribute(Qt::WA_TranslucentBackground);
    Edits[t] = new TEdit(this);
    Edits[t]->setObjectName(QStringLiteral("Edit%1").arg(tag));
    Edits[t]->Tag = tag;
    ApplyFont(*Edits[t], DialogFont(clNavy));
    Edits[t]->setAlignment(Qt::AlignCenter);
    SetHint(*Edits[t], tag <= MaxItems ? QStringLiteral("1..10") : QStringLiteral("1..20"));
    TEdit* edit = Edits[t];
    QObject::connect(edit, &QLineEdit::textChanged, this, [this, edit] { EditChange(edit); });
  }
}

int TPackagesForm2::IndexOf(const TEdit* edit) const { return edit->Tag == 9 ? ItemCount + 1 : edit->Tag; }

void TPackagesForm2::PaintBackground() {
  const int w = Scaled(kClientWidth);
  const int h = Scaled(kClientHeight);
  background_.SetSize(w, h);
  if (auto picture = LoadPicture(QStringLiteral("PkgBack.bmp"))) {
    background_.Canvas().StretchDraw(Rect(0, 0, w, h), *picture);
  } else {
    background_.Canvas().Brush.Color = clNavy;
    background_.Canvas().FillRect(Rect(0, 0, w, h));
  }
}

void TPackagesForm2::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  // On a large screen the dialog has grown with its controls by now: the picture and the
  // piles follow at the same scale.
  if (background_.Width() != Scaled(kClientWidth)) {
    PaintBackground();
    LayoutFields();
  }
}

bool TPackagesForm2::Execute() {
  Prepare();
  ShowModal();
  return Accepted;
}

void TPackagesForm2::Prepare() {
  ItemCount = std::clamp(ItemCount, 1, MaxItems);
  Weights.fill(1);
  valid_.fill(true);
  Accepted = false;
  filling_ = true;
  for (int tag = 1; tag <= 9; ++tag) Edits[static_cast<std::size_t>(tag)]->setText(QStringLiteral("1"));
  filling_ = false;
  LayoutFields();
  UpdateDoneButton();
}

TRect TPackagesForm2::FieldRect(int index) const {
  const TPkgPositions& table = PkgPositionTable(ItemCount);
  return Bounds(Scaled(kOffsetX + table.X(index)), Scaled(table.InUpperRow(index) ? kUpperRow : kLowerRow),
                Scaled(kLabelWidth + kEditWidth), Scaled(kFieldHeight));
}

// Piles stand in rows of three above their field, T in rows of four.
TRect TPackagesForm2::BlockRect(int index, int k) const {
  const int perRow = index == ItemCount + 1 ? 4 : 3;
  const TRect field = FieldRect(index);
  const int block = Scaled(BlockSize);
  return Bounds(field.Left + ((k - 1) % perRow) * block, field.Top - Scaled(4) - block - ((k - 1) / perRow) * block,
                block, block);
}

void TPackagesForm2::LayoutFields() {
  for (int tag = 1; tag <= 9; ++tag) {
    const auto t = static_cast<std::size_t>(tag);
    const bool shown = tag == 9 || tag <= ItemCount;
    Labels[t]->setVisible(shown);
    Edits[t]->setVisible(shown);
    if (!shown) continue;
    const TRect field = FieldRect(tag == 9 ? ItemCount + 1 : tag);
    const int labelWidth = Scaled(kLabelWidth);
    Labels[t]->setGeometry(field.Left, field.Top, labelWidth, field.Height());
    Edits[t]->setGeometry(field.Left + labelWidth, field.Top, field.Width() - labelWidth, field.Height());
  }
  RepaintPiles();
}

void TPackagesForm2::RepaintPiles() {
  Image1->Picture().Assign(background_);
  for (int i = 1; i <= ItemCount + 1; ++i) RedrawPile(i);
}

void TPackagesForm2::RedrawPile(int index) {
  const bool volume = index == ItemCount + 1;
  const int places = volume ? kMaxVolume : kMaxWeight;
  TCanvas& canvas = Image1->Picture().Canvas();
  for (int k = 1; k <= places; ++k) {
    const TRect r = BlockRect(index, k);
    canvas.CopyRect(r, background_.Canvas(), r);
    if (k > Weights[static_cast<std::size_t>(index)]) continue;
    const TBitmap* block = blocks_[static_cast<std::size_t>(volume ? 9 : index)].get();
    if (block) canvas.StretchDraw(r, *block);
  }
  Image1->Changed();
}

void TPackagesForm2::EditChange(TEdit* edit) {
  if (edit->Tag != 9 && edit->Tag > ItemCount) return;  // a field not shown for this count
  const int index = IndexOf(edit);
  const auto i = static_cast<std::size_t>(index);
  const int limit = edit->Tag == 9 ? kMaxVolume : kMaxWeight;
  if (const std::optional<int> v = text::ParseInt(edit->text())) {
    valid_[i] = true;
    if (*v >= 1 && *v <= limit) {
      Weights[i] = *v;
    } else {
      // Out of range: the last valid value comes back (and this handler runs again).
      edit->setText(QString::number(Weights[i]));
      return;
    }
  } else {
    valid_[i] = false;
  }
  if (!filling_) RedrawPile(index);
  UpdateDoneButton();
}

void TPackagesForm2::UpdateDoneButton() {
  bool ok = true;
  for (int i = 1; i <= ItemCount + 1; ++i)
    ok = ok && valid_[static_cast<std::size_t>(i)] && Weights[static_cast<std::size_t>(i)] > 0;
  Label1->setEnabled(ok);
}

void TPackagesForm2::RanButtonClick() {
  for (int i = 1; i <= 9; ++i) Weights[static_cast<std::size_t>(i)] = rnd::Random(kMaxWeight) + 1;
  Weights[static_cast<std::size_t>(ItemCount + 1)] = rnd::Random(kMaxVolume) + 1;
  filling_ = true;
  for (int i = 1; i <= ItemCount; ++i)
    Edits[static_cast<std::size_t>(i)]->setText(QString::number(Weights[static_cast<std::size_t>(i)]));
  Edits[9]->setText(QString::number(Weights[static_cast<std::size_t>(ItemCount + 1)]));
  filling_ = false;
  for (int i = 1; i <= ItemCount + 1; ++i) RedrawPile(i);
  UpdateDoneButton();
}

void TPackagesForm2::Label1Click() {
  Accepted = true;
  done(mrOk);
}

void TPackagesForm2::Label3Click() { done(mrCancel); }
