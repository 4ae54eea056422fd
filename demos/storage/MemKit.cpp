#include "demos/storage/MemKit.h"

#include <algorithm>

#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/FitFont.h"
#include "framework/drawkit/KitGlobals.h"
#include "platform/Forms.h"

QString GetString(int n) { return n < 10 ? QStringLiteral(" ") + QString::number(n) : QString::number(n); }

TFont MemFont(const TDesignRatio& r, int designPixels, TColor color) {
  return r.Font(TFont{.Name = QStringLiteral("Arial"), .Height = -designPixels, .Color = color}, designPixels);
}


TFont FitMemFont(const TFont& font, const QString& widest, QSize room, int least) {
  return FitFont(font, {widest}, room.width(), room.height(), least);
}

// ---------------------------------------------------------------- TMemBox

TMemBox::TMemBox(QWidget* parent) : TCanvasWidget(parent) {}

void TMemBox::Show(const QString& label, const TFont& font, TColor fill, TColor frame) {
  if (label == label_ && font == font_ && fill == fill_ && frame == frame_) return;
  label_ = label;
  font_ = font;
  fill_ = fill;
  frame_ = frame;
  Invalidate();
}

QList<const QWidget*> TMemBox::DrawingTargets() const {
  if (Next == nullptr) return {};
  return {Next};
}

std::vector<TDrawnShape> TMemBox::DrawingShapes() const {
  if (NamesPointer) return {};
  TDrawnShape node = TDrawnShape::NodeAt(rect(), label_);
  if (FillSays) node = node.Noted(FillSays(fill_));
  node.Stands = Stands;
  return {node};
}

void TMemBox::Paint() {
  TCanvas& c = Canvas();
  if (fill_ == clNone) {
    CopyBackdrop(c, *this, ClientRect());
  } else {
    c.Brush.Color = fill_;
    c.Brush.Style = bsSolid;
    c.FillRect(ClientRect());
  }
  if (frame_ != clNone) {
    c.Brush.Color = frame_;
    c.FrameRect(ClientRect());
  }
  c.Font = font_;
  c.SetBkMode(TRANSPARENT);
  c.TextOut((width() - c.TextWidth(label_)) / 2, (height() - c.TextHeight(label_)) / 2, label_);
}

// ---------------------------------------------------------------- TMemList

TMemList::TMemList(QWidget* parent, const TLook& look) : TNodeContainer(parent), look_(look) {}

void TMemList::Show(const QString& head, const QList<int>& entries) {
  if (head == head_ && entries == entries_ && !boxes_.empty()) return;
  head_ = head;
  entries_ = entries;
  Layout();
  Invalidate();
}

std::vector<const TMemBox*> TMemList::Boxes() const {
  std::vector<const TMemBox*> shown;
  for (const TMemBox* b : boxes_)
    if (!b->isHidden()) shown.push_back(b);
  return shown;
}

void TMemList::Layout() {
  const int count = static_cast<int>(entries_.size());
  while (static_cast<int>(boxes_.size()) < count + 1) boxes_.push_back(new TMemBox(this));
  const TDesignRatio r = Ratio();
  const int left = r.Grow(look_.left);
  // The head keeps its design size. The entries take the design step (a box and its arrow)
  // while the row has room; a longer list shares the row, and one that would shrink below
  // three quarters of the step goes on in a second line under the first.
  const int designStep = r.Grow(look_.box.width() + look_.gap);
  const int room = width() - left - designStep - 2;
  int perLine = std::max(1, count);
  int step = designStep;
  if (count * designStep > room) {
    if (4 * (room / count) < 3 * designStep) perLine = (count + 1) / 2;
    step = std::max(3, std::min(designStep, room / perLine));
  }
  const int lines = count > perLine ? 2 : 1;
  const int avail = height() - 4;
  const int boxH = std::max(2, std::min(r.Grow(look_.box.height()), lines == 1 ? avail : avail * 2 / 5));
  const int lineGap = lines == 1 ? 0 : std::min(boxH, avail - 2 * boxH);
  const int top = (height() - lines * boxH - lineGap) / 2;
  const int headW = r.Grow(look_.box.width());
  const int boxW = std::max(2, step * look_.box.width() / (look_.box.width() + look_.gap));
  gap_ = step - boxW;
  const TFont headFont = FitMemFont(MemFont(r, 14, clBlue), head_, QSize(headW - 4, boxH - 2));
  const TFont font = FitMemFont(MemFont(r, 14, clBlue), QStringLiteral("64"), QSize(boxW - 4, boxH - 2));
  for (int i = 0; i < static_cast<int>(boxes_.size()); ++i) {
    TMemBox* box = boxes_[static_cast<std::size_t>(i)];
    box->setVisible(i <= count);
    if (i > count) continue;
    box->Next = i < count ? boxes_[static_cast<std::size_t>(i) + 1] : nullptr;
    box->NamesPointer = i == 0 && !look_.framedHead;
    if (i == 0) {
      box->Stands.clear();
      // A head without a frame takes the height its name needs (a "p" reaches below the
      // digits' line), centred on the first line, where two lines leave boxes lower.
      const int needed = headFont.TextHeight(head_) + 2;
      const int headH = look_.framedHead ? boxH : std::clamp(needed, boxH, std::max(boxH, height()));
      box->setGeometry(left, std::clamp(top + (boxH - headH) / 2, 0, std::max(0, height() - headH)), headW, headH);
      box->Show(head_, headFont, clNone, look_.framedHead ? clBlue : clNone);
      continue;
    }
    const int line = (i - 1) / perLine;
    box->setGeometry(left + designStep + (i - 1) % perLine * step, top + line * (boxH + lineGap), boxW, boxH);
    box->Show(QString::number(entries_[i - 1]), font, clNone, clBlue);
    box->Stands.clear();
    if (EntryStandsFor) box->Stands.push_back({.Value = [stands = EntryStandsFor, entry = i - 1] { return stands(entry); }});
  }
}

QPolygon TMemList::ArrowPath(const TMemBox& a, const TMemBox& b) const {
  const QRect from = a.geometry();
  const QRect to = b.geometry();
  // Along a line (the head, taller than the boxes, stands across the first line's).
  if (from.center().y() >= to.top() && from.center().y() <= to.bottom())
    return QPolygon({QPoint(from.right() + 1, to.center().y()), QPoint(to.left(), to.center().y())});
  const int turnX = from.right() + 1 + gap_ / 2;
  const int midY = (from.bottom() + to.top()) / 2;
  return QPolygon({QPoint(from.right() + 1, from.center().y()), QPoint(turnX, from.center().y()), QPoint(turnX, midY),
                   QPoint(to.center().x(), midY), QPoint(to.center().x(), to.top())});
}

std::vector<TDrawnShape> TMemList::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  for (const TMemBox* box : Boxes()) {
    if (box->Next == nullptr) continue;
    const QPolygon path = ArrowPath(*box, *box->Next);
    if (box->NamesPointer)
      out.push_back(TDrawnShape::MarkOn({box->Next, -1}, box->geometry(), path.last(), box->Label()));
    else
      out.push_back(TDrawnShape::LinkBetween({box, -1}, {box->Next, -1}, path));
  }
  return out;
}

void TMemList::Paint() {
  TCanvas& c = Canvas();
  PaintGround(c, *this, ClientRect());
  for (const TMemBox* box : Boxes()) {
    if (box->Next == nullptr) continue;
    const QPolygon path = ArrowPath(*box, *box->Next);
    const QPoint end = path.last();
    const QPoint start = path[path.size() - 2];
    if (path.size() > 2) {
      std::vector<TPoint> bends(path.begin(), path.end() - 1);
      DrawPolyline3D(c, bends, clBlue, clNavy);
    }
    DrawArrow3D(c, start.x(), start.y(), end.x(), end.y(), clBlue, clNavy, clBlue);
  }
}
