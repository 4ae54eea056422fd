#include "demos/linear/SqlstGraphForm.h"

#include <algorithm>

#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/FitFont.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/drawkit/ValueMeanings.h"
#include "framework/engine/Globals.h"
#include "platform/Pacing.h"

namespace {

constexpr TColor kCellBody = clTeal;
constexpr TColor kPointer = clRed;
constexpr TColor kMoving = clRed;
constexpr TColor kMovingPointer = clAqua;

}  // namespace

// ---------------------------------------------------------------- geometry

TSqlstGeometry TSqlstGeometry::Single(int width, int height, int length) {
  TSqlstGeometry g;
  g.CellWidth = width / (length + 2);
  g.CellHeight = height / 4;
  g.RowY = height / 3;
  return g;
}

TSqlstGeometry TSqlstGeometry::Merge(int width, int height, int lengthA, int lengthB) {
  TSqlstGeometry g;
  g.CellWidth = width / (lengthA + lengthB + 1);
  g.CellHeight = height / 5;
  return g;
}

TRect TSqlstGeometry::PointerRect(int p) const {
  const int h = CellHeight / 2;
  const int top = RowY + CellHeight - h / 8;
  return Rect(p * CellWidth, top, p * CellWidth + CellWidth, top + h);
}

std::array<TPoint, 3> TSqlstGeometry::PointerTriangle(const TRect& r) {
  const int w = r.Right - r.Left;
  const int h = r.Bottom - r.Top;
  return {Point((r.Left + r.Right) / 2, r.Top + h / 8), Point(r.Left + w / 3, r.Top + h / 3),
          Point(r.Left + 2 * w / 3, r.Top + h / 3)};
}

TRect TSqlstGeometry::NewElemRect(int p) const {
  const int top = RowY - CellHeight * 6 / 5;
  return Rect(p * CellWidth, top, p * CellWidth + CellWidth, top + CellHeight);
}

int SqlstSlideFrameMs(int speed) { return (100 - speed) + 25; }
int SqlstBlinkMs(int speed) { return (100 - speed) * 4 + 100; }
int SqlstMergeBlinkMs(int speed) { return (100 - speed) * 2 + 50; }

int RealSign(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

// ---------------------------------------------------------------- window

TSqlstGraphForm::TSqlstGraphForm(QWidget* parent) : TGraphForm(parent) {
  SetCaption(QStringLiteral("SqlistGraphForm"));
  setObjectName(QStringLiteral("SqlstGraphForm"));
  SetDesignClientSize(512, 329);
}

void TSqlstGraphForm::CellSize() {
  const TSqlstGeometry g = TSqlstGeometry::Single(width(), height(), Current.size());
  CellWidth = g.CellWidth;
  CellHeight = g.CellHeight;
}

void TSqlstGraphForm::MergeSize() {
  const TSqlstGeometry g = TSqlstGeometry::Merge(width(), height(), TextA.size(), TextB.size());
  CellWidth = g.CellWidth;
  CellHeight = g.CellHeight;
}

void TSqlstGraphForm::CellText(const TRect& clip, int x, int y, QChar ch, TColor color, TColor ground, int h) {
  TCanvas& c = Canvas();
  c.Font.Name = QStringLiteral("Times New Roman");
  c.Font.Color = color;
  c.Font.Height = h * 4 / 5;
  // A wide letter (W, M) narrows to keep inside its cell, and stands in the cell's middle
  // where it would run past it from the usual place a fifth in.
  const int room = clip.Right - clip.Left - 2;
  c.Font = FitFont(c.Font, {QString(ch)}, room);
  const int width = c.TextWidth(QString(ch));
  if (x + width > clip.Right - 1) x = clip.Left + std::max(0, (clip.Right - clip.Left - width) / 2);
  // A letter too near its cell's colour (black on the blue mark) is outlined, on no cell of its
  // own that would cover the outline.
  if (ContrastRatio(color, ground) < 3.0) {
    c.Brush.Style = bsClear;
    TextOutOutlined(c, x, y, QString(ch), color);
    c.Brush.Style = bsSolid;
  } else {
    c.TextRect(clip, x, y, QString(ch));
  }
}

void TSqlstGraphForm::DrawCell(int x, TColor fontColor, TColor brushColor, TColor penColor, QChar ch,
                               int h, int w, int y) {
  TCanvas& c = Canvas();
  if (brushColor == Color) {
    CopyBackdrop(c, *this, Rect(x, y, x + w, y + h), Color);
    return;
  }
  c.Pen.Color = penColor;
  c.Brush.Color = brushColor;
  c.Brush.Style = bsSolid;
  c.Rectangle(x, y, x + w, y + h);
  CellText(Rect(x + 1, y + 1, x + CellWidth - 2, y + CellHeight - 2), x + w / 5, y + h / 10, ch,
           fontColor, brushColor, h);
}

void TSqlstGraphForm::DrawList(const QString& s, int h, int w, int y) {
  for (int k = 1; k <= s.size(); ++k) DrawCell(k * w, clBlack, kCellBody, clWhite, s[k - 1], h, w, y);
}

void TSqlstGraphForm::DrawListMarked(const QString& s, TColor markColor, int markIndex, int h, int w,
                                     int y) {
  for (int k = 1; k <= s.size(); ++k)
    DrawCell(k * w, clBlack, k == markIndex ? markColor : kCellBody, clWhite, s[k - 1], h, w, y);
}

void TSqlstGraphForm::DrawPointer(const TRect& r, TColor color) {
  TCanvas& c = Canvas();
  if (color == Color) {
    CopyBackdrop(c, *this, r, Color);
    return;
  }
  c.Pen.Color = color;
  c.Brush.Color = color;
  c.Brush.Style = bsSolid;
  const std::array<TPoint, 3> t = TSqlstGeometry::PointerTriangle(r);
  c.Polygon({t[0], t[1], t[2]});
}

void TSqlstGraphForm::FormPaint() {
  TCanvas& c = Canvas();
  TGraphForm::FormPaint();
  shown_ = {};
  const QChar kind = Mode.isEmpty() ? QChar() : Mode[0];
  if (kind == 'd' || kind == 'i') {
    CellSize();
    const TSqlstGeometry g = TSqlstGeometry::Single(width(), height(), Current.size());
    shown_.Geometry = g;
    shown_.Rows = {{.Text = Current, .Top = g.RowY, .List = QStringLiteral("v")}};
    DrawList(Current, CellHeight, CellWidth, g.RowY);
    // The row has a place left of the first cell and one right of the last: a position past
    // them (or before them) has no place in the window, and is shown by no pointer and no
    // waiting element; the algorithm itself says that it is out of range.
    const auto placed = [&](int p) { return p >= 0 && p <= Current.size() + 1; };
    if (Mode == QLatin1String("ins") && PosI >= 1) {
      if (placed(PosI) && !Inserted) {
        shown_.NewAt = PosI;
        shown_.NewElem = QChar::fromLatin1(NewElem);
        // The pen and brush are left as the last cell set them (white on teal).
        c.Pen.Color = clWhite;
        c.Brush.Color = kCellBody;
        c.Brush.Style = bsSolid;
        const TRect box = g.NewElemRect(PosI);
        c.Rectangle(box);
        CellText(Rect(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1),
                 box.Left + CellWidth / 5, g.RowY + CellHeight / 10 - CellHeight * 6 / 5,
                 QChar::fromLatin1(NewElem), clBlack, kCellBody, CellHeight);
      }
      if (placed(PosI)) shown_.Pointer = PosI;
    } else if (placed(PosJ)) {
      shown_.Pointer = PosJ;
    }
    if (shown_.Pointer >= 0) DrawPointer(g.PointerRect(shown_.Pointer), kPointer);
  } else if (kind == 'm') {
    MergeSize();
    shown_.Geometry = TSqlstGeometry::Merge(width(), height(), TextA.size(), TextB.size());
    const int h = height();
    // Each row: its label, the list it shows, its cells, the cell its colour marks and the
    // index that names that cell.
    struct Row {
      const char* label;
      const char* list;
      const QString& text;
      int y;
      int mark;
      TColor color;
      const char* index;
    };
    const Row rows[] = {{"c", "vc", TextC, h * 13 / 20, PosC, clRed, "k"},
                        {"a", "va", TextA, h / 20, PosA, clBlue, "i"},
                        {"b", "vb", TextB, h * 6 / 20, PosB, clYellow, "j"}};
    for (const Row& row : rows) {
      c.Font.Name = QStringLiteral("Times New Roman");
      c.Font.Height = CellHeight * 2 / 3;
      c.Font.Color = clBlack;
      const int oldMode = c.SetBkMode(TRANSPARENT);
      const QString label = QString::fromLatin1(row.label);
      const QPoint at(CellWidth / 3, row.y + CellHeight / 4);
      c.TextOut(at.x(), at.y(), label);
      c.SetBkMode(oldMode);
      DrawListMarked(row.text, row.color, row.mark, CellHeight, CellWidth, row.y);
      shown_.Rows.push_back({.Text = row.text,
                             .Top = row.y,
                             .List = QString::fromLatin1(row.list),
                             .Label = label,
                             .LabelBox = QRect(at, QSize(c.TextWidth(label), c.TextHeight(label))),
                             .Marked = row.mark,
                             .Index = QString::fromLatin1(row.index)});
    }
  }
}

std::vector<TDrawnShape> TSqlstGraphForm::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  const TSqlstGeometry& g = shown_.Geometry;
  const auto box = [](const TRect& r) { return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); };
  // Cell k of a row shows element k of its list; in the merge the cell a row's colour marks is
  // the one its index (i, j, k) stands on, and the row's label names its list.
  for (const TShownRow& row : shown_.Rows) {
    const int first = static_cast<int>(out.size());
    for (int k = 1; k <= row.Text.size(); ++k) {
      TDrawnShape cell = TDrawnShape::NodeAt(QRect(k * g.CellWidth, row.Top, g.CellWidth, g.CellHeight), row.Text.mid(k - 1, 1))
                             .StandingFor({.Of = {QStringLiteral("%1.elem[%2]").arg(row.List).arg(k - 1)}});
      if (!row.Index.isEmpty()) {
        cell = cell.Noted(k == row.Marked ? row.Index : QString());
        // vc's newest cell stays marked until vc.last is set, when no cell of it is.
        if (row.Index == QLatin1String("k"))
          cell = cell.StandingFor({.Of = {row.Index, QStringLiteral("vc.last")},
                                   .Map = [k](const QStringList& v) -> std::optional<QString> {
                                     return v[0].toInt() == k && v[1].toInt() != k ? QStringLiteral("k") : QString();
                                   },
                                   .Part = TValueMeaning::InNote});
        else
          cell = cell.StandingFor(MarkedByIndex(row.Index, k, row.Index));
      }
      out.push_back(cell);
    }
    if (!row.Label.isEmpty()) {
      const TShapeRef own = row.Text.isEmpty() ? TShapeRef{} : TShapeRef{this, first};
      out.push_back(TDrawnShape::LabelOfNode(own, row.LabelBox, row.Label)
                        .StandingFor(NamesVariable(row.List + QStringLiteral(".last"), row.List.mid(1))));
    }
  }
  if (shown_.NewAt >= 1)
    out.push_back(TDrawnShape::NodeAt(box(g.NewElemRect(shown_.NewAt)), shown_.NewElem).StandingFor({.Of = {QStringLiteral("b")}}));
  if (shown_.Pointer >= 0) {
    const std::array<TPoint, 3> t = TSqlstGeometry::PointerTriangle(g.PointerRect(shown_.Pointer));
    const int cells = shown_.Rows.empty() ? 0 : static_cast<int>(shown_.Rows.front().Text.size());
    const TShapeRef cell = shown_.Pointer >= 1 && shown_.Pointer <= cells ? TShapeRef{this, shown_.Pointer - 1} : TShapeRef{};
    const QRect head(QPoint(t[1].x(), t[0].y()), QPoint(t[2].x(), t[1].y()));
    out.push_back(TDrawnShape::MarkOn(cell, head, t[0], QString()));
  }
  return out;
}

// ---------------------------------------------------------------- animations

void TSqlstGraphForm::SlideCell(int dest, int src) {
  for (int f = 0; f <= 10; ++f) {
    CellSize();
    const TSqlstGeometry g = TSqlstGeometry::Single(width(), height(), Current.size());
    const int x = src * CellWidth + (RealSign(dest - src) * CellWidth * f) / 10;
    DrawPointer(OffsetRect(g.PointerRect(0), x, 0), kMovingPointer);
    DrawCell(x, clBlack, kMoving, clWhite, CharAt(Current, src), CellHeight, CellWidth, g.RowY);
    pacing::Sleep(SqlstSlideFrameMs(RunSpeed));
    pacing::ProcessMessages();
    FormPaint();
  }
  if (dest >= 1 && dest <= Current.size() && src >= 1 && src <= Current.size())
    Current[dest - 1] = Current[src - 1];
  FormPaint();
}

void TSqlstGraphForm::AnimateMove(int i) {
  for (int f = 0; f <= 12; ++f) {
    CellSize();
    const int y = (height() / 3 - CellHeight * 6 / 5) + f * CellHeight / 10;
    const QChar ch = QChar::fromLatin1(NewElem);
    DrawCell(i * CellWidth, clBlack, kMoving, clWhite, ch, CellHeight, CellWidth, y);
    pacing::Sleep(SqlstSlideFrameMs(RunSpeed));
    pacing::ProcessMessages();
    DrawCell(i * CellWidth, clBlack, Color, clWhite, ch, CellHeight, CellWidth, y);
  }
  if (i >= 1 && i <= Current.size()) Current[i - 1] = QChar::fromLatin1(NewElem);
  FormPaint();
}

void TSqlstGraphForm::BlinkCell(int i) {
  const int ms = SqlstBlinkMs(RunSpeed);
  const QChar last = Current.isEmpty() ? QChar(' ') : Current.back();
  for (int round = 0; round < 3; ++round) {
    CellSize();
    const int y = height() / 3;
    DrawCell(i * CellWidth, clBlack, Color, clWhite, last, CellHeight, CellWidth, y);
    pacing::Sleep(ms);
    DrawCell(i * CellWidth, clBlack, kMoving, clWhite, last, CellHeight, CellWidth, y);
    pacing::Sleep(ms);
  }
  DrawCell(i * CellWidth, clBlack, Color, clWhite, last, CellHeight, CellWidth, height() / 3);
  DrawPointer(TSqlstGeometry::Single(width(), height(), Current.size()).PointerRect(i), Color);
  if (!shown_.Rows.empty() && shown_.Rows.front().Text.size() >= i) shown_.Rows.front().Text.truncate(i - 1);
  shown_.Pointer = -1;
}

void TSqlstGraphForm::BlinkMergeCell(char list) {
  const bool a = list == 'a';
  const int pos = a ? PosA : PosB;
  const int y = a ? height() / 20 : height() * 6 / 20;
  const TColor color = a ? clBlue : clYellow;
  Current = a ? TextA : TextB;
  const QChar ch = CharAt(Current, pos);
  const int ms = SqlstMergeBlinkMs(RunSpeed);
  for (int round = 0; round < 3; ++round) {
    MergeSize();
    DrawCell(CellWidth * pos, clBlack, color, clWhite, ch, CellHeight, CellWidth, y);
    pacing::Sleep(ms);
    DrawCell(CellWidth * pos, clBlack, Color, clWhite, ch, CellHeight, CellWidth, y);
    pacing::Sleep(ms);
  }
  DrawCell(CellWidth * pos, clBlack, color, clWhite, ch, CellHeight, CellWidth, y);
}
