#include "demos/storage/BoundForm.h"

#include <algorithm>

#include "demos/storage/BoundMemory.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/ThemedControls.h"

QString GetString(int n) { return n < 10 ? QStringLiteral(" ") + QString::number(n) : QString::number(n); }

namespace {

constexpr int kMargin = 5;
constexpr int kListBand = 40;  // the free list strip above the status line

}  // namespace

TBoundForm::TBoundForm(QWidget* parent)
    : TMemGraphForm("BoundForm", QStringLiteral("存储管理--边界标识法"), QStringLiteral("动态内存管理——边界标识法"), parent) {}

void TBoundForm::InitMemoryPicture(int cols, int rows) {
  cols_ = cols;
  rows_ = rows;
  Redraw();
}

void TBoundForm::FormPaint() {
  TMemGraphForm::FormPaint();
  TCanvas& c = Canvas();
  cellW_ = (ClientWidth() - 2 * kMargin) / rows_ / 5 * 5;
  cellH_ = std::max(1, (ClientHeight() - Panel1->height() - kListBand - 2 * kMargin) / cols_);
  for (int col = 0; col < rows_; ++col) {
    const int left = kMargin + col * cellW_;
    Frame3D(c, left - 1, kMargin - 1, left + cellW_ + 1, kMargin + cols_ * cellH_ + 1, clGray, clWhite);
  }
  if (Memory == nullptr || !MemoryShown) return;
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = -std::clamp(cellH_ * 3 / 5, 6, cellW_ / 5 * 3 / 4 + 1);
  for (int i = 0; i < TBoundMemory::kWords; ++i) DrawWord(i);
  DrawFreeList();
}

void TBoundForm::DrawWord(int i) {
  // Whether the word lies in an occupied block follows from the last head or foot before it,
  // so a picture taken between two steps of a split never walks a stale size.
  const auto occupied = [this](int w) {
    for (int j = w; j >= 0; --j) {
      const int kind = Memory->W(j).kind;
      if (kind == TBoundMemory::UsedHead || kind == TBoundMemory::UsedFoot) return true;
      if (kind == TBoundMemory::FreeHead || kind == TBoundMemory::FreeFoot) return false;
    }
    return false;
  };
  TCanvas& c = Canvas();
  const int unit = cellW_ / 5;
  const int left = kMargin + (i / cols_) * cellW_;
  const int top = kMargin + (i % cols_) * cellH_;
  if (occupied(i)) {
    c.Brush.Color = clLime;
    c.Brush.Style = bsSolid;
    c.FillRect(Rect(left, top, left + cellW_, top + cellH_));
  }
  const TBoundMemory::TWord& w = Memory->W(i);
  const bool head = w.kind == TBoundMemory::UsedHead || w.kind == TBoundMemory::FreeHead;
  const bool foot = w.kind == TBoundMemory::UsedFoot || w.kind == TBoundMemory::FreeFoot;
  if (!head && !foot) return;
  c.SetBkMode(TRANSPARENT);
  const int tag = (w.kind == TBoundMemory::UsedHead || w.kind == TBoundMemory::UsedFoot) ? 1 : 0;
  const int textY = top + (cellH_ - c.TextHeight(QStringLiteral("0"))) / 2;
  c.Font.Color = clBlack;
  c.TextOut(left + 2, textY, GetString(i));
  const QList<int> fields = head ? QList<int>{w.llink, tag, w.size, w.rlink} : QList<int>{w.llink, tag};
  for (int k = 0; k < fields.size(); ++k) {
    const int x = left + (k + 1) * unit;
    Frame3D(c, x + 1, top + 2, x + unit - 1, top + cellH_ - 2, clWhite, clGray);
    const QString s = GetString(fields[k]);
    c.TextOut(x + (unit - c.TextWidth(s)) / 2, textY, s);
  }
}

void TBoundForm::DrawFreeList() {
  TCanvas& c = Canvas();
  const int bandTop = ClientHeight() - Panel1->height() - kListBand;
  c.Font.Color = clBlue;
  c.Font.Height = -14;
  c.SetBkMode(TRANSPARENT);
  const int textY = bandTop + (kListBand - c.TextHeight(QStringLiteral("pav"))) / 2;
  c.TextOut(kMargin, textY, QStringLiteral("pav"));
  std::vector<int> list;
  if (Memory->pav != TBoundMemory::kNil) {
    int p = Memory->pav;
    do {
      list.push_back(p);
      p = Memory->W(p).rlink;
    } while (p != Memory->pav && p >= 0 && p < TBoundMemory::kWords && list.size() < 32);
  }
  if (list.empty()) return;
  const int startX = kMargin + c.TextWidth(QStringLiteral("pav ")) + 4;
  const int count = static_cast<int>(list.size());
  const int boxW = std::min(30, (ClientWidth() - 10 - startX) / count * 3 / 5);
  const int gap = boxW * 2 / 3;
  const int boxH = std::min(20, kListBand * 3 / 4);
  const int boxTop = bandTop + (kListBand - boxH) / 2;
  c.Font.Height = -std::max(6, boxH * 3 / 5);
  for (int k = 0; k < count; ++k) {
    const int x = startX + k * (boxW + gap);
    c.Brush.Color = clBlue;
    c.FrameRect(Rect(x, boxTop, x + boxW, boxTop + boxH));
    c.SetBkMode(TRANSPARENT);
    const QString s = QString::number(list[static_cast<std::size_t>(k)]);
    c.Font.Color = clBlue;
    c.TextOut(x + (boxW - c.TextWidth(s)) / 2, boxTop + (boxH - c.TextHeight(s)) / 2, s);
    if (k + 1 < count) DrawArrow3D(c, x + boxW, boxTop + boxH / 2, x + boxW + gap, boxTop + boxH / 2, clBlue, clNavy, clBlue);
  }
}
