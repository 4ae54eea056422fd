#include "demos/storage/BuddyForm.h"

#include <algorithm>

#include "demos/storage/BoundForm.h"
#include "demos/storage/BuddyMemory.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/ThemedControls.h"

namespace {

constexpr int kBarWidth = 70;
constexpr int kBoxW = 40;
constexpr int kBoxH = 30;
constexpr int kBoxGap = 20;

// A blue framed box with its label centred.
void LabelledBox(TCanvas& c, int x, int y, int w, int h, const QString& label, TColor frame) {
  c.Brush.Color = frame;
  c.FrameRect(Rect(x, y, x + w, y + h));
  c.SetBkMode(TRANSPARENT);
  c.TextOut(x + (w - c.TextWidth(label)) / 2, y + (h - c.TextHeight(label)) / 2, label);
}

}  // namespace

TBuddyForm::TBuddyForm(QWidget* parent)
    : TMemGraphForm("BuddyForm", QStringLiteral("存储管理--伙伴系统"), QStringLiteral("动态内存管理——伙伴系统"), parent) {}

void TBuddyForm::InitMemoryPicture(int words, int classes) {
  words_ = words;
  classes_ = classes;
  ShowInfor();
}

void TBuddyForm::FormPaint() {
  TMemGraphForm::FormPaint();
  if (Memory == nullptr || !MemoryShown) return;
  DrawFreeLists();
  DrawMemoryBar();
}

void TBuddyForm::DrawFreeLists() {
  TCanvas& c = Canvas();
  const int rowH = (ClientHeight() - Panel1->height() - 20) / (classes_ + 1);
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = -std::clamp(rowH / 3, 8, 16);
  c.Font.Color = clBlue;
  const int boxH = std::min(kBoxH, rowH - 4);
  for (int k = 0; k <= classes_; ++k) {
    const int y = k * rowH + 5 + std::max(0, (rowH - boxH) / 2);
    int x = 10;
    LabelledBox(c, x, y, kBoxW, boxH, QStringLiteral(" 2^") + QString::number(k), clBlue);
    for (int addr : Memory->Avail(k)) {
      const int next = x + kBoxW + kBoxGap;
      DrawArrow3D(c, x + kBoxW, y + boxH / 2, next, y + boxH / 2, clBlue, clNavy, clBlue);
      x = next;
      LabelledBox(c, x, y, kBoxW, boxH, GetString(addr), clBlue);
    }
  }
}

void TBuddyForm::DrawMemoryBar() {
  TCanvas& c = Canvas();
  const int wordH = std::max(1, (ClientHeight() - Panel1->height() - 10) / words_);
  const int left = ClientWidth() - 5 - kBarWidth;
  c.Font.Height = -std::clamp(wordH * 3 / 2, 9, 13);
  c.Font.Color = clBlack;
  for (const TBuddyMemory::TBlock& b : Memory->Blocks()) {
    const int top = b.addr * wordH + 5;
    const int bottom = (b.addr + TBuddyMemory::NodeSize(b.k)) * wordH + 5;
    c.Brush.Color = b.used ? clRed : clWhite;
    c.Pen.Color = clBlack;
    c.Rectangle(left, top, left + kBarWidth, bottom + 1);
    c.SetBkMode(TRANSPARENT);
    const QString s = QString::number(b.addr);
    if (bottom - top > wordH) c.TextOut(left + 4, top + (bottom - top - c.TextHeight(s)) / 2 + 1, s);
  }
}
