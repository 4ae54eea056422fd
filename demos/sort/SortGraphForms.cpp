#include "demos/sort/SortGraphForms.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/ThemedControls.h"
#include "platform/Application.h"
#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/PaintRecord.h"

namespace {

const TColor kPink = 16744703;

}  // namespace

TInSortGraphForm::TInSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("直接插入排序"));
  SetDesignClientSize(391, 453);
  R = PlaceRow("R", {71, 63, 321, 304}, 12, 1, clPurple, 1);
  x = PlaceBox(this, "x", {0, 0, 32, 49}, clNavy, QStringLiteral(" "));
  r0 = PlaceBox(this, "r0", {0, 0, 32, 50}, clPurple, QStringLiteral("r[0]"));
  const TFont green = SortFont("Arial", -19, clGreen);
  LabelR0 = PlaceCaption("LabelR0", QStringLiteral("r[0]"), {4, 23, 48, 32}, green);
  ZqStaticText2 = PlaceCaption("ZqStaticText2", QStringLiteral("r[1]..r[n]"), {74, 23, 88, 32}, green);
  PlaceCounters({10, 391, 161, 32}, {193, 391, 161, 32}, SortFont("宋体", -19, clBlue, fsBold));
}

TBubGraphForm::TBubGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("起泡排序"));
  SetDesignClientSize(484, 547);
  R = PlaceRow("R", {10, 69, 464, 405}, 12, 1, clPurple, 1);
  ZqStaticText1 = PlaceCaption("ZqStaticText1", QStringLiteral("r[1]..r[n]"), {10, 20, 109, 40},
                               SortFont("Arial", -24, clBlue));
  PlaceCounters({20, 492, 198, 41}, {246, 492, 198, 41}, SortFont("宋体", -24, clNavy, fsBold));
}

TSelSortGraphForm::TSelSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("SelSortGraphForm"));
  SetDesignClientSize(395, 453);
  R = PlaceRow("R", {8, 56, 377, 329}, 12, 1, clPurple, 1);
  ZqStaticText1 = PlaceCaption("ZqStaticText1", QStringLiteral("r[1]..r[n]"), {8, 16, 89, 33},
                               SortFont("Arial", -19, clTeal));
  PlaceCounters({16, 400, 169, 33}, {208, 400, 169, 33}, SortFont("宋体", -19, clBlue, fsBold));
}

TListSortGraphForm::TListSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("ListSortGraphForm"));
  SetDesignClientSize(463, 503);
  R = PlaceRow("R", {68, 69, 395, 375}, 12, 1, kPink, 10);
  R->NodeClass = SortNodeClass<TListSortNode>();
  r0 = PlaceBox<TListSortNode>(this, "r0", {16, 192, 32, 105}, kPink, QStringLiteral("r[0]"));
  LabelR0 = PlaceCaption("LabelR0", QStringLiteral("r[0]"), {2, 20, 60, 40},
                         SortFont("Courier New", -20, clMaroon, fsBold));
  ZqStaticText2 = PlaceCaption("ZqStaticText2", QStringLiteral("r[1]..r[n]"), {71, 20, 138, 40},
                               SortFont("Courier New", -19, clMaroon, fsBold));
  PlaceCounters({19, 450, 196, 40}, {245, 450, 198, 40}, SortFont("宋体", -24, clMaroon, fsBold));
}

TShellSortGraphForm::TShellSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("ShellSortGraphForm"));
  SetDesignClientSize(379, 417);
  R = PlaceRow("R", {0, 63, 378, 304}, 17, -4, kPink, 10);
  LabelR0 = PlaceCaption("LabelR0", QStringLiteral("r[-4]..r[0]"), {2, 23, 87, 32}, SortFont("Arial", -19, clGreen));
  ZqStaticText1 = PlaceCaption("ZqStaticText1", QStringLiteral("r[1]..r[n]"), {114, 23, 87, 32},
                               SortFont("Arial", -19, clBlue));
  PlaceCounters({10, 372, 167, 33}, {208, 372, 163, 33}, SortFont("黑体", -19, clBlue, fsBold));
}

TQkSortGraphForm::TQkSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("QkSortGraphForm"));
  SetDesignClientSize(394, 436);
  R = PlaceRow("R", {64, 56, 321, 305}, 12, 1, clPurple, 1);
  x = PlaceBox(R, "x", {270, 28, 32, 49}, clBlue, QStringLiteral(" "));
  rp = PlaceBox(this, "rp", {16, 60, 33, 50}, clPurple, QStringLiteral(" "));
  const TFont green = SortFont("Arial", -20, clGreen);
  LabelR0 = PlaceCaption("LabelR0", QStringLiteral("rp"), {8, 16, 49, 33}, green);
  ZqStaticText2 = PlaceCaption("ZqStaticText2", QStringLiteral("r[1]..r[n]"), {64, 16, 105, 33}, green);
  PlaceCounters({16, 384, 169, 33}, {208, 384, 169, 33}, SortFont("宋体", -19, clBlue, fsBold));
}

TRowPointer::TRowPointer(QWidget* parent, const QString& caption, TColor body, TColor rim)
    : TGraphicControl(parent), caption_(caption), body_(body), rim_(rim) {
  hide();
}

void TRowPointer::Place(TSortNode* box, QPoint tip, int side, int lean, QPoint nudge) {
  target_ = box;
  if (box == nullptr) {
    hide();
    return;
  }
  // The arrow pointing up with its tip at (0, 0), in 32ths of its length, turned about the
  // tip when it leans: 30 degrees, or 45 leaning further. No steeper, so that no part of it
  // rises above its tip onto the boxes beside its own (its wings stay below the tip up to
  // about 48 degrees).
  static const QPoint shape[] = {{0, 0}, {14, 16}, {5, 16}, {5, 30}, {-5, 30}, {-5, 16}, {-14, 16}};
  const double degrees = std::abs(lean) >= 2 ? 45.0 : 30.0 * std::abs(lean);
  const double angle = (lean > 0 ? -degrees : degrees) * std::numbers::pi / 180;
  const double c = std::cos(angle), s = std::sin(angle);
  QPolygon arrow;
  for (const QPoint p : shape) {
    const double x = p.x() * side / 32.0, y = p.y() * side / 32.0;
    arrow << QPoint(static_cast<int>(std::lround(x * c - y * s)), static_cast<int>(std::lround(x * s + y * c)));
  }
  // The caption under the tail: centred under an upright arrow, outward of a leaning one, so
  // that the captions of two arrows on one box stand apart.
  fontHeight_ = std::max(LegiblePixels(), side / 2);
  TFont font;
  font.Name = QStringLiteral("Arial");
  font.Style = fsBold;
  font.Height = -fontHeight_;
  const int textWidth = font.TextWidth(caption_);
  const int textHeight = font.TextHeight(caption_);
  const QPoint tail = (arrow[3] + arrow[4]) / 2;
  const int shaft = 5 * side / 32;
  int captionLeft = lean < 0 ? tail.x() + shaft - textWidth : lean > 0 ? tail.x() - shaft : tail.x() - textWidth / 2;
  if (const QWidget* parent = parentWidget())
    captionLeft = std::max(1 - tip.x(), std::min(captionLeft, parent->width() - 1 - tip.x() - textWidth));
  const QRect caption =
      QRect(captionLeft, std::max(arrow[3].y(), arrow[4].y()) + 1, textWidth, textHeight).translated(nudge);
  const QRect bounds = (arrow.boundingRect() | caption).adjusted(-1, -1, 1, 1);
  arrow_ = arrow.translated(-bounds.topLeft());
  caption_box_ = caption.translated(-bounds.topLeft());
  tip_ = -bounds.topLeft();
  setGeometry(QRect(tip - tip_, bounds.size()));
  update();
  show();
  raise();
}

std::vector<TDrawnShape> TRowPointer::DrawingShapes() const {
  return {TDrawnShape::MarkOn({target_.data(), -1}, rect(), Tip(), caption_).Meaning(Means)};
}

void TRowPointer::paintEvent(QPaintEvent*) {
  // Drawn on a see-through image, so that only the arrow and its caption cover the window.
  QImage image(width(), height(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  TCanvas c(&image);
  c.Pen.Color = rim_;
  c.Pen.Width = 1;
  c.Brush.Style = bsSolid;
  c.Brush.Color = body_;
  std::vector<TPoint> points;
  for (const QPoint p : arrow_) points.push_back(TPoint(p.x(), p.y()));
  c.Polygon(points);
  c.Brush.Style = bsClear;
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Style = fsBold;
  c.Font.Height = -fontHeight_;
  TextOutOutlined(c, caption_box_.x(), caption_box_.y(), caption_, rim_);
  paintrecord::Adopt(this, &image);
  QPainter(this).drawImage(0, 0, image);
}

namespace {

TRowPointer* NewPointer(QWidget* parent, const char* name, const char* caption, bool underRecords) {
  // Red under the records, blue under the address places.
  auto* pointer = underRecords ? new TRowPointer(parent, QString::fromLatin1(caption), RGB(230, 60, 60), RGB(110, 20, 20))
                               : new TRowPointer(parent, QString::fromLatin1(caption), RGB(60, 120, 230), RGB(20, 40, 110));
  pointer->setObjectName(QString::fromLatin1(name));
  return pointer;
}

}  // namespace

TQkAddrSortGraphForm::TQkAddrSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("快速地址排序"));
  SetDesignClientSize(436, 405);
  R = PlaceRow("R", {6, 37, 424, 159}, 9, 1, clPurple, 1);
  kp = NewPointer(this, "kp", "k", false);
  addrkp = NewPointer(this, "addrkp", "adr[k]", true);
  addrjp = NewPointer(this, "addrjp", "adr[j]", true);
  rjp = NewPointer(this, "rjp", "j", true);
  rkp = NewPointer(this, "rkp", "k", true);
  rip = NewPointer(this, "rip", "i", true);
  ip = NewPointer(this, "ip", "i", false);
  jp = NewPointer(this, "jp", "j", false);
  const TFont caption = SortFont("Arial", -19, clGreen);
  ZqStaticText1 = PlaceCaption("ZqStaticText1", QStringLiteral("r[1]..r[n]"), {6, 3, 171, 33}, caption);
  ZqStaticText2 = PlaceCaption("ZqStaticText2", QStringLiteral("Addr"), {6, 237, 92, 33}, caption);
  // The counters stand a little lower than the others' so that the captions of the arrows
  // under the address places keep clear of them.
  PlaceCounters({16, 367, 193, 33}, {224, 367, 193, 33}, SortFont("宋体", -19, clBlue, fsBold));
  Addr = PlaceRow<TAddrdata>("Addr", {7, 273, 423, 53}, 9, 1, clGreen, 10);
}

bool TQkAddrSortGraphForm::UnderRecords(const TRowPointer* pointer) const {
  return pointer == addrkp || pointer == addrjp || pointer == rjp || pointer == rkp || pointer == rip;
}

void TQkAddrSortGraphForm::PointAt(TRowPointer* pointer, int index) {
  pointer->Tag = index;
  TSortNode* box = UnderRecords(pointer) ? R->NodeAt(index) : Addr->NodeAt(index);
  pointer->Place(box, {}, 0, 0);
  Arrange();
}

void TQkAddrSortGraphForm::Arrange() {
  // In a fixed order, so that of two arrows on one box the same one stands left each time.
  const std::vector<TRowPointer*> all = {kp, jp, ip, addrkp, addrjp, rip, rjp, rkp};
  std::vector<TRowPointer*> done;
  std::vector<QRect> earlier;  // the captions of the arrows on the boxes arranged before
  for (TRowPointer* p : all) {
    TSortNode* box = p->Target();
    if (box == nullptr || p->isHidden() || std::find(done.begin(), done.end(), p) != done.end()) continue;
    std::vector<TRowPointer*> onBox;
    for (TRowPointer* q : all)
      if (!q->isHidden() && q->Target() == box) onBox.push_back(q);
    done.insert(done.end(), onBox.begin(), onBox.end());
    // The arrows grow with the window as the rows do; their tips stand on the box's bottom
    // edge, side by side when they lean apart. Beside the window's edge one of two stands
    // upright and the other leans inward.
    const QWidget* row = box->parentWidget();
    const QPoint bottom = row->pos() + QPoint(box->x() + box->width() / 2, box->y() + box->height() - 1);
    // In a small window the arrows may take less than their grown length to stand apart.
    int shrink = 4;  // quarters of that length
    // What stands below the arrows' row: their captions keep off it where they can (the
    // address row and its heading under the records, the counters under the addresses).
    bool keepOff = true;
    auto place = [&](const std::vector<int>& leans) {
      bool inside = true;
      for (std::size_t i = 0; i < onBox.size(); ++i) {
        TRowPointer* q = onBox[i];
        const int side = std::max(16, Ratio().Grow(UnderRecords(q) ? 30 : 25) * shrink / 4);
        const int toward = (leans[i] > 0) - (leans[i] < 0);
        const QPoint tip = bottom + QPoint(toward * std::max(3, box->width() / 2 - 1), 0);
        q->Place(box, tip, side, leans[i]);
        // A caption that would meet the one before stands right of it, a blank's width apart
        // so that the two read as two words, or else under it.
        QPoint nudge;
        if (i > 0) {
          const QRect before = onBox[i - 1]->CaptionBox(), mine = q->CaptionBox();
          const int gap = std::max(4, before.height() / 3);
          if (mine.intersects(before.adjusted(-gap, -3, gap, 3))) {
            const int right = before.right() + gap - mine.left();
            nudge = mine.right() + right < width() - 1 ? QPoint(right, 0) : QPoint(0, before.bottom() + 2 - mine.top());
            q->Place(box, tip, side, leans[i], nudge);
          }
        }
        // One that would meet the caption of an arrow on a neighbouring box (close together in
        // a small window) stands under it.
        for (const QRect& other : earlier) {
          const QRect mine = q->CaptionBox();
          const int gap = std::max(4, other.height() / 3);
          if (!mine.intersects(other.adjusted(-gap, -3, gap, 3))) continue;
          nudge.ry() += std::max(0, other.bottom() + 2 - mine.top());
          q->Place(box, tip, side, leans[i], nudge);
        }
        inside = inside && rect().contains(q->geometry());
        if (keepOff) {
          const QRect caption = q->CaptionBox();
          const std::array<const QWidget*, 2> below = UnderRecords(q) ? std::array<const QWidget*, 2>{ZqStaticText2, Addr}
                                                                    : std::array<const QWidget*, 2>{LabelComp, LabelMove};
          for (const QWidget* w : below) inside = inside && !caption.intersects(w->geometry());
        }
        // Each one readable: neither covers more than three fifths of the one before (their
        // boxes, captions and all; beside the window's edge an upright arrow and one leaning
        // further share a little over half of theirs).
        if (i > 0) {
          const QRect a = onBox[i - 1]->geometry(), b = q->geometry(), both = a & b;
          const auto area = [](const QRect& r) { return r.width() * r.height(); };
          inside = inside && 5 * area(both) <= 3 * std::min(area(a), area(b));
        }
      }
      return inside;
    };
    // Beside the window's edges one of two stands upright and the other leans further.
    const auto placeAll = [&] {
      if (onBox.size() == 1) return place({0});
      if (onBox.size() == 2)
        return place({-1, 1}) || place({-1, 0}) || place({0, 1}) || place({-2, 0}) || place({0, 2});
      return place({-1, 0, 1});
    };
    for (; shrink >= 2; --shrink)
      if (placeAll()) break;
    if (shrink < 2)  // no room below: as they stand clear of each other
      for (keepOff = false, shrink = 4; shrink >= 2; --shrink)
        if (placeAll()) break;
    if (shrink < 2) {  // none stands clear: at full length, leaning apart
      shrink = 4;
      place(onBox.size() == 1 ? std::vector<int>{0} : onBox.size() == 2 ? std::vector<int>{-1, 1} : std::vector<int>{-1, 0, 1});
    }
    for (const TRowPointer* q : onBox) earlier.push_back(q->CaptionBox());
  }
}

void TQkAddrSortGraphForm::Hide(std::initializer_list<TRowPointer*> pointers) {
  for (TRowPointer* p : pointers) p->Place(nullptr, {}, 0, 0);
  Arrange();
}

void TQkAddrSortGraphForm::HideAllPointers() { Hide({kp, addrkp, addrjp, rjp, rkp, rip, ip, jp}); }

void TQkAddrSortGraphForm::Repoint() {
  for (TRowPointer* p : {addrkp, addrjp, rjp, rkp, rip, kp, ip, jp})
    if (!p->isHidden()) PointAt(p, p->Tag);
}
