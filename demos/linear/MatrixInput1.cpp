#include "demos/linear/MatrixInput1.h"

#include <QPainter>

#include "framework/drawkit/IntEdit.h"
#include "platform/PaintRecord.h"
#include "platform/Random.h"

namespace {

constexpr int kMaxCount = 13;      // for each matrix
constexpr int kRedAbove = 12;      // the count shows red above this
constexpr int kNLeft = 330;        // N's cells stand this far right of M's

}  // namespace

TMatrixInput1Dlg::TMatrixInput1Dlg(QWidget* parent) : TMatrixDlgBase(parent) {
  setObjectName(QStringLiteral("MatrixInput1Dlg"));
  SetCaption(QStringLiteral("矩阵乘法数据输入"));
  SetBorderStyle(bsDialog);
  SetClientSize(769, 378);
  rnd::Randomize();

  NewMatrixLabel(this, QStringLiteral("矩阵M行数"), 20, 26, clNavy);
  IntEdit1 = NewSizeEdit(this, "IntEdit1", 110, 24, 4);
  UpDown1 = NewUpDown(this, "UpDown1", IntEdit1, 7, 4);
  NewMatrixLabel(this, QStringLiteral("矩阵M列数/矩阵N行数"), 200, 26, clNavy);
  IntEdit2 = NewSizeEdit(this, "IntEdit2", 370, 24, 4);
  UpDown2 = NewUpDown(this, "UpDown2", IntEdit2, 7, 4);
  NewMatrixLabel(this, QStringLiteral("矩阵N列数"), 460, 26, clNavy);
  IntEdit3 = NewSizeEdit(this, "IntEdit3", 550, 24, 4);
  UpDown3 = NewUpDown(this, "UpDown3", IntEdit3, 7, 4);
  NewMatrixLabel(this, QStringLiteral("M非零元数"), 20, 59, clNavy);
  IntEdit4 = NewSizeEdit(this, "IntEdit4", 110, 57, 0);
  NewMatrixLabel(this, QStringLiteral("N非零元数"), 200, 59, clNavy);
  IntEdit5 = NewSizeEdit(this, "IntEdit5", 290, 57, 0);

  clrBtn = NewMatrixButton(this, "clrBtn", QStringLiteral("清零"), 699, 219, 62);
  clrBtn->OnClick = [this] { ClrBtnClick(); };
  AutoBtn = NewMatrixButton(this, "AutoBtn", QStringLiteral("自动建阵"), 699, 259, 62);
  AutoBtn->OnClick = [this] { AutoBtnClick(); };
  OKBtn = NewMatrixButton(this, "OKBtn", QStringLiteral("确定"), 699, 300, 62);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  OKBtn->OnClick = [this] { OKBtnClick(); };
  CanBtn = NewMatrixButton(this, "CanBtn", QStringLiteral("取消"), 699, 341, 62);
  CanBtn->ModalResult = mrCancel;
  CanBtn->Cancel = true;

  Cells[0] = std::make_unique<TCellGrid>(this, 7, 50, 150, 0, 40, 4, 4);
  Cells[1] = std::make_unique<TCellGrid>(this, 7, 50 + kNLeft, 150, 500, 367, 4, 4);
  for (auto& grid : Cells) grid->OnCellClick = [this](TSpeedButton* b) { CellClick(b); };
  for (TIntEdit* edit : {IntEdit1, IntEdit2, IntEdit3})
    connect(edit, &QLineEdit::textChanged, this, [this] { SizeChanged(); });
}

TMatrixInput1Dlg::~TMatrixInput1Dlg() = default;

void TMatrixInput1Dlg::SizeChanged() {
  const int m = IntEdit1->Value();
  const int n = IntEdit2->Value();
  const int p = IntEdit3->Value();
  if (m == Cells[0]->Rows && n == Cells[0]->Cols && n == Cells[1]->Rows && p == Cells[1]->Cols) return;
  Cells[0]->Show(m, n);
  Cells[1]->Show(n, p);
  update();
}

void TMatrixInput1Dlg::paintEvent(QPaintEvent* event) {
  TForm::paintEvent(event);
  paintrecord::BeginPaint(this);
  QPainter p(this);
  // Drawn at design places, as large as the dialog has grown for its screen.
  p.scale(DialogScale(*this), DialogScale(*this));
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(30);
  p.setFont(font);
  p.setPen(QColor(128, 0, 128));
  p.drawText(QPoint(20 * Cells[0]->Cols + 45, 110 + 30), QStringLiteral("M"));
  p.drawText(QPoint(20 * Cells[1]->Cols + 365, 110 + 30), QStringLiteral("N"));
  paintrecord::AddPainterText(this, p, QPoint(20 * Cells[0]->Cols + 45, 110 + 30), QStringLiteral("M"));
  paintrecord::AddPainterText(this, p, QPoint(20 * Cells[1]->Cols + 365, 110 + 30), QStringLiteral("N"));
  Cells[0]->DrawBrackets(p);
  Cells[1]->DrawBrackets(p);
}

void TMatrixInput1Dlg::ShowCounts() {
  const auto show = [this](TIntEdit* edit, int count) {
    edit->SetValue(count);
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Text, count > kRedAbove ? QColor(Qt::red) : palette().color(QPalette::WindowText));
    edit->setPalette(pal);
  };
  show(IntEdit4, Cells[0]->Count());
  show(IntEdit5, Cells[1]->Count());
}

void TMatrixInput1Dlg::CellClick(TSpeedButton* button) {
  for (auto& grid : Cells) {
    int i = 0;
    int j = 0;
    if (grid->CellOf(button, i, j)) {
      if (EnterValue(*grid, button, i, j, 'm')) ShowCounts();
      return;
    }
  }
}

void TMatrixInput1Dlg::AutoBtnClick() {
  Cells[0]->Clear();
  Cells[1]->Clear();
  // M's rows and columns; N's rows are M's columns.
  const int mRows = rnd::Random(3) + 2 + rnd::Random(4);
  const int mCols = rnd::Random(4) + 1 + rnd::Random(4);
  const int mCount = RandomWalk(mRows, mCols, 100, [&](int row, int col, int v) {
    Cells[0]->SetValue(row, col, v);
    UpDown1->setValue(mRows);
    UpDown2->setValue(mCols);
  });
  IntEdit4->SetValue(mCount);
  const int nCols = rnd::Random(4) + 1 + rnd::Random(4);
  const int nCount = RandomWalk(mCols, nCols, 100, [&](int row, int col, int v) {
    Cells[1]->SetValue(row, col, v);
    UpDown3->setValue(nCols);
  });
  IntEdit5->SetValue(nCount);
}

void TMatrixInput1Dlg::ClrBtnClick() {
  Cells[0]->Clear();
  Cells[1]->Clear();
  IntEdit4->SetValue(0);
  IntEdit5->SetValue(0);
}

void TMatrixInput1Dlg::OKBtnClick() {
  Tables[0] = Cells[0]->Table();
  Tables[1] = Cells[1]->Table();
  bool keepOpen = false;
  for (int k = 0; k < 2; ++k) {
    bool tooMany = false;
    const QString prefix = QStringLiteral("矩阵") + (k == 0 ? 'M' : 'N') + QStringLiteral("中，");
    if (!CheckCount(Tables[k].tu, Tables[k].mu, Tables[k].nu, kMaxCount, prefix, tooMany)) keepOpen = true;
    if (tooMany) break;
  }
  if (keepOpen) SetModalResult(mrNone);
}
