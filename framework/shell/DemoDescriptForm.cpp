#include "framework/shell/DemoDescriptForm.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <cmath>

#include "framework/drawkit/KitGlobals.h"
#include "framework/shell/BackdropImage.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/ModalHost.h"
#include "platform/Random.h"
#include "platform/Screen.h"

namespace {

constexpr int kWidth = 594;
constexpr int kGridLeft = 32;
constexpr int kGridTop = 84;
constexpr int kGridWidth = 513;

QFont FontOf(const QString& name, int pixels) {
  TFont f;
  f.Name = name;
  f.Height = -pixels;
  return f.ToQFont();
}

// Letters, digits and the marks written inside a Latin word or formula.
bool InWord(QChar c) { return c != QLatin1Char(' ') && c.unicode() < 0x2e80; }

bool Closing(QChar c) { return QStringLiteral("，。；：、！？）》」』,.;:!?)]").contains(c); }

}  // namespace

TDescGrid::TDescGrid(QWidget* parent) : TCanvasWidget(parent) {}

TFont TDescGrid::RowFont(double scale) {
  return TFont{.Name = QStringLiteral("宋体"), .Height = -static_cast<int>(std::lround(19 * scale))};
}

QStringList TDescGrid::Wrap(const QStringList& lines, int width, double scale) {
  const TFont font = RowFont(scale);
  QStringList rows;
  for (const QString& line : lines) {
    int indentLength = 0;
    while (indentLength < line.size() && line[indentLength] == QLatin1Char(' ')) ++indentLength;
    const QString indent = line.left(indentLength);
    QString rest = line;
    // Each row takes at least one character after the indent, so the loop always ends.
    while (font.TextWidth(rest) > width && rest.size() > indentLength + 1) {
      int fit = indentLength + 1;
      while (fit < rest.size() && font.TextWidth(rest.left(fit + 1)) <= width) ++fit;
      // A row does not start with a closing mark: the character before it comes along.
      if (Closing(rest[fit]) && fit - 1 > indentLength) --fit;
      // Nor is a Latin word ("pav", "r[1..n]") cut: the row ends before it, after a blank
      // or a Chinese character, unless the word fills the row alone.
      if (InWord(rest[fit - 1]) && InWord(rest[fit])) {
        int start = fit - 1;
        while (start > indentLength && InWord(rest[start - 1])) --start;
        if (start > indentLength) fit = start;
      }
      rows << rest.left(fit);
      rest = indent + rest.mid(fit).trimmed();
    }
    rows << rest;
  }
  return rows;
}

void TDescGrid::SetRows(const QStringList& rows) {
  rows_ = rows;
  Invalidate();
}

void TDescGrid::Paint() {
  TCanvas& c = Canvas();
  c.Brush.Color = clSilver;
  c.FillRect(ClientRect());
  if (const TBitmap* back = BackBitmap.get())
    c.CopyRect(ClientRect(), back->Canvas(), Bounds(origin_.x(), origin_.y(), width(), height()));
  const double scale = DialogScale(*window());
  c.Font = RowFont(scale);
  c.Font.Color = TextColor;
  c.Brush.Style = bsClear;
  const int pitch = RowPitch(scale);
  const int below = static_cast<int>(std::lround(2 * scale));
  for (int i = 0; i < rows_.size(); ++i) c.TextOut(0, i * pitch + below, rows_[i]);
  c.Brush.Style = bsSolid;
}

TDemoDescriptForm::TDemoDescriptForm(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("DemoDescriptForm"));
  setWindowTitle(QStringLiteral("算法说明"));
  resize(kWidth, 303);
  setFont(FontOf(QStringLiteral("宋体"), 19));
  setStyleSheet(QStringLiteral("TDemoDescriptForm { border: 2px outset #C0C0C0; }"));
  bkImg_ = new TBackdropImage(this);
  bkImg_->setObjectName(QStringLiteral("BkImg"));
  LabelTitle = new QLabel(this);
  LabelTitle->setObjectName(QStringLiteral("LabelTitle"));
  LabelTitle->setFont(FontOf(QStringLiteral("楷体_GB2312"), 32));
  LabelTitle->setAttribute(Qt::WA_TranslucentBackground);
  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  Bevel1->resize(529, 3);
  DescGrid = new TDescGrid(this);
  DescGrid->setObjectName(QStringLiteral("DescGrid"));
  ScrollBar = new QScrollBar(Qt::Vertical, this);
  ScrollBar->setObjectName(QStringLiteral("ScrollBar"));
  ScrollBar->setFocusPolicy(Qt::NoFocus);
  SpeedButtonOK = new TSpeedButton(QStringLiteral("确定"), this);
  SpeedButtonOK->setObjectName(QStringLiteral("SpeedButtonOK"));
  SpeedButtonOK->setFont(FontOf(QStringLiteral("宋体"), 24));
  QPalette okPal = SpeedButtonOK->palette();
  okPal.setColor(QPalette::ButtonText, ToQColor(clBlue));
  SpeedButtonOK->setPalette(okPal);
  SpeedButtonOK->resize(73, 33);
  connect(SpeedButtonOK, &TSpeedButton::clicked, this, &QDialog::accept);
  connect(ScrollBar, &QScrollBar::valueChanged, this, [this](int v) { FillRows(v); });
  for (QWidget* w : {static_cast<QWidget*>(bkImg_), static_cast<QWidget*>(LabelTitle),
                     static_cast<QWidget*>(DescGrid)})
    w->installEventFilter(this);
}

void TDemoDescriptForm::Execute(const QStringList& lines) {
  if (lines.isEmpty()) return;
  // Laid out at the design's size; the window grows for its screen when it is shown, so the
  // rows are wrapped and counted at the size they will be drawn at.
  const double scale = ScreenScale();
  lines_ = TDescGrid::Wrap(lines.mid(1), static_cast<int>(kGridWidth * scale), scale);
  static const TColor colours[] = {clBlue, clGreen, clTeal};
  const TColor colour = colours[rnd::Random(3)];
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, ToQColor(colour));
  LabelTitle->setPalette(pal);
  DescGrid->TextColor = colour;

  LabelTitle->setText(lines[0]);
  LabelTitle->adjustSize();
  LabelTitle->move(32, 20);
  Bevel1->move(32, 64);
  const int n = static_cast<int>(lines_.size());
  const int maxRows = MaxRows(screen::Height(), scale);
  if (n > maxRows) {
    ScrollBar->setRange(0, n - maxRows);
    ScrollBar->setPageStep(maxRows);
    ScrollBar->setValue(0);
    ScrollBar->show();
    rows_ = maxRows;
  } else {
    ScrollBar->hide();
    rows_ = n;
  }
  DescGrid->setGeometry(kGridLeft, kGridTop, kGridWidth, qMax(1, rows_ * TDescGrid::RowHeight));
  ScrollBar->setGeometry(kGridLeft + kGridWidth, kGridTop, 18, DescGrid->height());
  FillRows(0);
  SpeedButtonOK->move((kWidth - SpeedButtonOK->width()) / 2, kGridTop + DescGrid->height() + 20);
  resize(kWidth, SpeedButtonOK->y() + SpeedButtonOK->height() + 20);
  move((screen::Width() - width()) / 2, (screen::Height() - height()) / 2);
  bkImg_->setGeometry(2, 2, width() - 4, height() - 4);
  bkImg_->lower();
  modal::Current().ExecDialog(*this);
  bkImg_->DropPicture();
}

void TDemoDescriptForm::FillRows(int first) {
  DescGrid->SetRows(lines_.mid(first, rows_));
}

void TDemoDescriptForm::showEvent(QShowEvent* e) {
  bkImg_->TakeBackdrop();
  DescGrid->SetBackdropOrigin(bkImg_->mapToGlobal(DescGrid->pos() - bkImg_->pos()));
  QDialog::showEvent(e);
}

void TDemoDescriptForm::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      accept();
      return;
    default: break;
  }
  if (!ScrollBar->isVisible()) return;
  int pos = ScrollBar->value();
  switch (e->key()) {
    case Qt::Key_PageUp: pos -= rows_ - 1; break;
    case Qt::Key_PageDown: pos += rows_ - 1; break;
    case Qt::Key_Up: pos -= 1; break;
    case Qt::Key_Down: pos += 1; break;
    default: return;
  }
  ScrollBar->setValue(qBound(0, pos, ScrollBar->maximum()));
}

bool TDemoDescriptForm::eventFilter(QObject* watched, QEvent* event) {
  // Dragged by its background, its title or its text, like the message window.
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* m = static_cast<QMouseEvent*>(event);
      if (m->button() != Qt::LeftButton) break;
      dragging_ = true;
      drag_ = m->globalPosition().toPoint();
      return true;
    }
    case QEvent::MouseMove:
      if (dragging_) {
        const QPoint now = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        move(pos() + now - drag_);
        drag_ = now;
        return true;
      }
      break;
    case QEvent::MouseButtonRelease:
      dragging_ = false;
      break;
    default: break;
  }
  return QDialog::eventFilter(watched, event);
}
