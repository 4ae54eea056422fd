#include "demos/linear/MatrixCellGrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>

#include "demos/linear/NoForm.h"
#include "framework/drawkit/FitFont.h"
#include "framework/drawkit/IntEdit.h"
#include "platform/ModalHost.h"

// ---------------------------------------------------------------- grid

TCellGrid::TCellGrid(QWidget* dialog, int size, int left, int top, int tagOffset, int bracketLeft,
                     int rows, int cols, int pitch, const QString& widest)
    : size_(size), pitch_(pitch), left_(left), top_(top), tagOffset_(tagOffset), bracketLeft_(bracketLeft) {
  // Buttons overlap by five pixels at the design pitch; a wider pitch sets them side by side.
  const int width = pitch <= 40 ? pitch + 5 : pitch;
  // The buttons' 15 px, or as near as the widest value lets it within what a button shows.
  constexpr int kLeastFont = 13;
  const TFont font = FitFont(TFont{.Name = QStringLiteral("Arial"), .Height = -15}, {widest},
                             std::min(width, pitch) - 4, kAnyHeight, kLeastFont);
  for (int i = 1; i <= size; ++i)
    for (int j = 1; j <= size; ++j) {
      auto* b = new TSpeedButton(QStringLiteral("0"), dialog);
      b->Tag = i * 20 + j + tagOffset;
      b->setObjectName(QStringLiteral("Cell%1").arg(b->Tag));
      b->setGeometry((j - 1) * pitch + left, (i - 1) * 30 + top, width, 30);
      ApplyFont(*b, font);
      b->OnClick = [this, b] {
        if (OnCellClick) OnCellClick(b);
      };
      buttons_.push_back(b);
    }
  Show(rows, cols);
}

TSpeedButton* TCellGrid::Button(int i, int j) const {
  return buttons_[static_cast<std::size_t>((i - 1) * size_ + (j - 1))];
}

void TCellGrid::Show(int rows, int cols) {
  Rows = rows;
  Cols = cols;
  for (int i = 1; i <= size_; ++i)
    for (int j = 1; j <= size_; ++j) Button(i, j)->setVisible(i <= rows && j <= cols);
}

void TCellGrid::SetValue(int i, int j, int v) {
  Values[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)] = v;
  Button(i, j)->SetCaption(QString::number(v));
}

void TCellGrid::Clear() {
  for (int i = 1; i <= size_; ++i)
    for (int j = 1; j <= size_; ++j) SetValue(i, j, 0);
}

void TCellGrid::DrawBrackets(QPainter& p) const {
  const int bottom = top_ + 30 * Rows;
  const int l = bracketLeft_;
  const int r = left_ + pitch_ * Cols + (pitch_ <= 40 ? 10 : 5);
  p.setPen(QPen(Qt::black, 0));  // one pixel at any scale
  p.drawPolyline(QPolygon({QPoint(l + 5, top_), QPoint(l, top_), QPoint(l, bottom), QPoint(l + 5, bottom)}));
  p.drawPolyline(QPolygon({QPoint(r, top_), QPoint(r + 5, top_), QPoint(r + 5, bottom), QPoint(r, bottom)}));
}

bool TCellGrid::CellOf(const TSpeedButton* button, int& i, int& j) const {
  const int tag = button->Tag - tagOffset_;
  if (tag < 20 || tag >= 500) return false;
  i = tag / 20;
  j = tag % 20;
  return i >= 1 && i <= size_ && j >= 1 && j <= size_;
}

// ---------------------------------------------------------------- dialog base

TMatrixDlgBase::TMatrixDlgBase(QWidget* parent) : TForm(parent), noForm_(std::make_unique<TNoForm>()) {}
TMatrixDlgBase::~TMatrixDlgBase() = default;

bool TMatrixDlgBase::EnterValue(TCellGrid& grid, TSpeedButton* button, int i, int j, char mode) {
  QPalette red = button->palette();
  red.setColor(QPalette::ButtonText, Qt::red);
  button->setPalette(red);
  noForm_->At = mapToGlobal(QPoint(button->x(), button->y() + Scaled(40)));
  const QString before = button->Caption();
  noForm_->Target = button;
  noForm_->Mode = mode;
  noForm_->Edit1->setText(before);
  const bool ok = noForm_->ShowModal() == mrOk;
  noForm_->Target = nullptr;
  if (ok)
    grid.Values[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)] = button->Caption().toInt();
  else
    button->SetCaption(before);
  button->setPalette(QPalette());
  return ok;
}

bool TMatrixDlgBase::CheckCount(int tu, int rows, int cols, int hardLimit, const QString& prefix,
                                bool& tooMany) {
  tooMany = false;
  if (tu > hardLimit) {
    modal::MessageDlg(prefix + QStringLiteral("您输入的非零元超过了%1个，这将会影响演示速度，请重新输入矩阵！")
                                   .arg(hardLimit),
                      modal::Icon::Warning, modal::Buttons::Ok);
    tooMany = true;
    return false;
  }
  if (tu > SparseLimit(rows, cols))
    return modal::MessageDlg(prefix + QStringLiteral("您输入的非零元过多，矩阵已非稀疏矩阵，仍要继续演示吗？"),
                             modal::Icon::Question, modal::Buttons::YesNo) == modal::ResultYes;
  return true;
}

TButton* NewMatrixButton(QWidget* parent, const char* name, const QString& caption, int x, int y, int w) {
  auto* b = new TButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setGeometry(x, y, w, 28);
  TFont font;
  font.Height = -15;
  ApplyFont(*b, font);
  return b;
}

QLabel* NewMatrixLabel(QWidget* parent, const QString& caption, int x, int y, TColor color) {
  auto* label = new QLabel(caption, parent);
  TFont font;
  font.Height = -15;
  font.Style = fsBold;
  font.Color = color;
  ApplyFont(*label, font);
  label->move(x, y);
  label->adjustSize();
  return label;
}

// A size edit with its up-down arrows, both read by name.
QSpinBox* NewUpDown(QWidget* parent, const char* name, TIntEdit* edit, int max, int value) {
  auto* upDown = new QSpinBox(parent);
  upDown->setObjectName(QString::fromLatin1(name));
  upDown->setRange(1, max);
  upDown->setValue(value);
  upDown->setWrapping(false);
  upDown->setGeometry(edit->x() + edit->width(), edit->y(), 18, edit->height());
  // Only its arrows show: the number stands in the edit beside it.
  if (auto* field = upDown->findChild<QLineEdit*>()) field->hide();
  QObject::connect(upDown, &QSpinBox::valueChanged, edit, [edit](int v) { edit->SetValue(v); });
  return upDown;
}

TIntEdit* NewSizeEdit(QWidget* parent, const char* name, int x, int y, int value) {
  auto* edit = new TIntEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setReadOnly(true);
  edit->SetValue(value);
  edit->setGeometry(x, y, 36, 24);
  ApplyFont(*edit, TFont{.Height = -15});
  return edit;
}

