#include "demos/linear/MatrixInput.h"

#include <QLabel>
#include <QPainter>

#include "framework/drawkit/IntEdit.h"
#include "platform/Random.h"

namespace {

constexpr int kMaxCount = 25;  // more would slow the demonstration down too much

}  // namespace

TMatrixInputDlg::TMatrixInputDlg(QWidget* parent) : TMatrixDlgBase(parent) {
  setObjectName(QStringLiteral("MatrixInputDlg"));
  SetCaption(QStringLiteral("矩阵数据输入"));
  SetBorderStyle(bsDialog);
  SetFormStyle(fsStayOnTop);
  SetClientSize(645, 387);
  rnd::Randomize();

  QLabel* rowLbl = NewMatrixLabel(this, QStringLiteral("矩阵行数[&R] m"), 14, 22, clBlue);
  IntEdit1 = NewSizeEdit(this, "IntEdit1", 124, 20, 5);
  rowLbl->setBuddy(IntEdit1);
  UpDown1 = NewUpDown(this, "UpDown1", IntEdit1, 10, 5);
  QLabel* colLbl = NewMatrixLabel(this, QStringLiteral("矩阵列数[&C] n"), 212, 22, clBlue);
  IntEdit2 = NewSizeEdit(this, "IntEdit2", 322, 20, 5);
  colLbl->setBuddy(IntEdit2);
  UpDown2 = NewUpDown(this, "UpDown2", IntEdit2, 10, 5);
  NewMatrixLabel(this, QStringLiteral("非零元个数  tu"), 406, 22, clBlue);
  Edit1 = new TEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setReadOnly(true);
  Edit1->setText(QStringLiteral("0"));
  Edit1->setGeometry(515, 20, 36, 24);
  ApplyFont(*Edit1, TFont{.Height = -15});

  clrBtn = NewMatrixButton(this, "clrBtn", QStringLiteral("清零"), 560, 232, 70);
  clrBtn->OnClick = [this] { ClrBtnClick(); };
  AutoBtn = NewMatrixButton(this, "AutoBtn", QStringLiteral("自动建阵"), 560, 268, 70);
  AutoBtn->OnClick = [this] { AutoBtnClick(); };
  BtnOK = NewMatrixButton(this, "BtnOK", QStringLiteral("确 定"), 560, 305, 70);
  BtnOK->ModalResult = mrOk;
  BtnOK->SetDefault(true);
  BtnOK->OnClick = [this] { BtnOKClick(); };
  BtnCancel = NewMatrixButton(this, "BtnCancel", QStringLiteral("取 消"), 560, 340, 70);
  BtnCancel->ModalResult = mrCancel;
  BtnCancel->Cancel = true;

  // Cells side by side, wide enough for "-10000" in a readable font.
  Cells = std::make_unique<TCellGrid>(this, 10, 50, 70, 0, 40, 5, 5, 48, QStringLiteral("-10000"));
  Cells->OnCellClick = [this](TSpeedButton* b) { CellClick(b); };
  connect(IntEdit1, &QLineEdit::textChanged, this, [this] { SizeChanged(); });
  connect(IntEdit2, &QLineEdit::textChanged, this, [this] { SizeChanged(); });
}

TMatrixInputDlg::~TMatrixInputDlg() = default;

void TMatrixInputDlg::SizeChanged() {
  const int m = IntEdit1->Value();
  const int n = IntEdit2->Value();
  if (m == Cells->Rows && n == Cells->Cols) return;
  Cells->Show(m, n);
  update();
}

void TMatrixInputDlg::paintEvent(QPaintEvent* event) {
  TForm::paintEvent(event);
  QPainter p(this);
  // Drawn at design places, as large as the dialog has grown for its screen.
  p.scale(DialogScale(*this), DialogScale(*this));
  Cells->DrawBrackets(p);
}

void TMatrixInputDlg::ShowCount(int count) {
  Edit1->setText(QString::number(count));
  QPalette pal = Edit1->palette();
  pal.setColor(QPalette::Text, count > kMaxCount ? QColor(Qt::red) : palette().color(QPalette::WindowText));
  Edit1->setPalette(pal);
}

void TMatrixInputDlg::CellClick(TSpeedButton* button) {
  int i = 0;
  int j = 0;
  if (!Cells->CellOf(button, i, j)) return;
  if (EnterValue(*Cells, button, i, j, 't')) ShowCount(Cells->Count());
}

void TMatrixInputDlg::AutoBtnClick() {
  Cells->Clear();
  const int m = rnd::Random(6) + 1 + rnd::Random(5);
  const int n = rnd::Random(5) + 1 + rnd::Random(6);
  const int count = RandomWalk(m, n, 10000, [&](int row, int col, int v) {
    Cells->SetValue(row, col, v);
    UpDown1->setValue(m);
    UpDown2->setValue(n);
  });
  ShowCount(count);
}

void TMatrixInputDlg::ClrBtnClick() {
  Cells->Clear();
  ShowCount(0);
}

void TMatrixInputDlg::BtnOKClick() {
  Table = Cells->Table();
  bool tooMany = false;
  if (!CheckCount(Table.tu, Table.mu, Table.nu, kMaxCount, QString(), tooMany)) SetModalResult(mrNone);
}
