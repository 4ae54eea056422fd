#include "demos/linear/IndexStrsForm.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

#include "framework/drawkit/AdvancedTools.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/engine/Globals.h"
#include "platform/Pacing.h"
#include "platform/TextRules.h"

using text::Round;

namespace {

// Never drawn: the boxes glide as whole rectangles.
constexpr TColor kNoTransparency = clFuchsia;

// text centred on (cx, cy) in the canvas's font, without background.
// text centred on (cx, cy) in the canvas' font colour, on a ground of ground: outlined
// where the two stand too close to be read (blue or red letters on teal or green).
void CentredText(TCanvas& c, int cx, int cy, const QString& text, TColor ground) {
  const int old = c.SetBkMode(TRANSPARENT);
  const QSize size = c.TextExtent(text);
  TextOutOnGround(c, cx - size.width() / 2, cy - size.height() / 2, text, c.Font.Color, ground);
  c.SetBkMode(old);
}

// The letters of the strings and the next values: a fixed-pitch face, in which "I", "l"
// and "1" have feet and heads of their own.
void CellFont(TCanvas& c, int cell) {
  c.Font.Name = QStringLiteral("Courier New");
  c.Font.Style = fsBold;
  c.Font.Height = Round(0.8 * cell);
}

// A vertical groove: a black line with a white one beside it.
void VGroove(TCanvas& c, int x, int y, int length) {
  c.Pen.Color = clBlack;
  c.MoveTo(x, y);
  c.LineTo(x, y + length);
  c.Pen.Color = clWhite;
  c.MoveTo(x + 1, y);
  c.LineTo(x + 1, y + length);
}

void HGroove(TCanvas& c, int x1, int x2, int y) {
  c.Pen.Color = clBlack;
  c.MoveTo(x1, y);
  c.LineTo(x2, y);
  c.Pen.Color = clWhite;
  c.MoveTo(x1, y + 1);
  c.LineTo(x2, y + 1);
}

TPoint ScreenOrigin(const QWidget& w) {
  const QPoint p = w.mapToGlobal(QPoint(0, 0));
  return Point(p.x(), p.y());
}

// A sprite mover over the backdrop of form.
void InitMover(TImgAnim& anim, const TIndexStrsForm& form) {
  anim.SetBackground(BackBitmap.get());
  const TPoint origin = ScreenOrigin(form);
  anim.OffsetX = -origin.x();
  anim.OffsetY = -origin.y();
}

}  // namespace

// ---------------------------------------------------------------- layout

namespace {

int BoxWidth(int length, int cell) { return Round(cell * (length + 2.8)) + 2 * (cell / 4); }

// A marker's caption is at least kLeastFont pixels; under it (over it, for the lower marker)
// the tip and the frame take a sixth of the height and five pixels.
constexpr int kLeastFont = 13;
constexpr int kLeastMarker = 24;
int MarkerHeight(int cell) { return std::max(Round(1.5 * cell), kLeastMarker); }

}  // namespace

int TIndexLayout::Right(int upperLength, int lowerLength) const {
  const int upper = BoxLeft + BoxWidth(upperLength, Cell);
  const int lower = BoxLeft + upperLength * Cell + BoxWidth(lowerLength, Cell);
  // A marker taller than its design is as wide and stays centred on its cell.
  const int marker = MarkerX(upperLength + 1) + (Round(1.5 * Cell) + MarkerH) / 2;
  return std::max({upper, lower, marker});
}

TIndexLayout TIndexLayout::Compute(int clientWidth, int clientHeight, int stage, int upperLength,
                                   int lowerLength) {
  TIndexLayout l;
  const int a = stage == 2 ? 2 : 1;
  const int b = stage == 3 ? 2 : 1;
  l.Cell = std::min(clientHeight / 9, clientWidth / 33);
  l.BorderWidth = l.Cell / 4;
  l.MarkerH = MarkerHeight(l.Cell);
  l.BoxLeft = upperLength <= 20 ? clientWidth / 7 : (clientWidth - (upperLength + 3) * l.Cell) / 2;
  if (l.BoxLeft < 0 || l.Right(upperLength, lowerLength) > clientWidth) {
    l.Cell = std::min(l.Cell, clientWidth / (upperLength + std::max(lowerLength, 1) + 4));
    l.BorderWidth = l.Cell / 4;
    l.MarkerH = MarkerHeight(l.Cell);
    l.BoxLeft = 0;
    const int reach = l.Right(upperLength, lowerLength);  // measured from the left edge
    l.BoxLeft = (clientWidth - reach) / 2;
  }
  l.UpperTop = (clientHeight - Round((a + b) * 1.4 * l.Cell) - 5 * l.BorderWidth) / 2;
  l.UpperMarkerTop = l.UpperTop - l.BorderWidth - l.MarkerH;
  l.LowerTop = l.UpperTop + Round(a * 1.4 * l.Cell) + 3 * l.BorderWidth;
  l.LowerMarkerTop = l.LowerTop + Round(b * 1.4 * l.Cell) + 3 * l.BorderWidth;
  return l;
}

int TIndexLayout::MarkerX(int k) const { return BoxLeft + BorderWidth + Round((k + 1.35) * Cell); }

int GlideSteps(int speed) { return (99 - speed) / 2 + 5; }

// ---------------------------------------------------------------- box

TIndexStrBox::TIndexStrBox(TIndexStrsForm* form, const QString& name, const QString& text,
                           bool hasNextRow, TColor back, TColor normal, TColor matched, TColor current)
    : Form(form),
      Caption(name + QStringLiteral("串")),
      Text(text),
      TextLength(static_cast<int>(text.size())),
      HasNextRow(hasNextRow),
      BackColor(back),
      NormalColor(normal),
      MatchedColor(matched),
      CurrentColor(current) {
  Bitmap.SetTransparentColor(kNoTransparency);
}

int TIndexStrBox::CellX(int k) const { return Round((k + 1.6) * Cell) + BorderWidth; }

int TIndexStrBox::RowTop(int row) const { return BorderWidth + Round(0.2 * Cell) + row * Round(1.4 * Cell); }

QRect TIndexStrBox::CellRect(int k, int row) const { return {Left + CellX(k), Top + RowTop(row), Cell, Cell}; }

void TIndexStrBox::Layout(int x, int y, int cell) {
  Left = x;
  Top = y;
  Cell = cell;
  const int bw = BorderWidth;
  Width = Round(Cell * (TextLength + 2.8)) + 2 * bw;
  Height = (HasNextRow ? Round(2.8 * Cell) : Round(1.4 * Cell)) + 2 * bw;
  Bitmap.SetSize(Width, Height);
  TCanvas& c = Bitmap.Canvas();
  Frame3D(c, 0, 0, Width, Height, clWhite, clBlack);
  Frame3D(c, 1, 1, Width - 1, Height - 1, clWhite, clBlack);
  for (int d = 2; d <= bw - 2; ++d) Frame3D(c, d, d, Width - d, Height - d, clSilver, clSilver);
  if (bw >= 1) Frame3D(c, bw - 1, bw - 1, Width - bw + 1, Height - bw + 1, clBlack, clWhite);
  c.Brush.Color = BackColor;
  c.Brush.Style = bsSolid;
  c.FillRect(Rect(bw, bw, Width - bw, Height - bw));

  const int grooveX = Round(2.4 * Cell) + bw - 1;
  const int grooveY = Cell / 5 + bw;
  VGroove(c, grooveX, grooveY, Cell);
  c.Font.Name = QStringLiteral("Adobe");
  c.Font.Style = fsBold;
  c.Font.Height = Round(0.9 * Cell);
  c.Font.Color = CurrentColor;
  CentredText(c, Round(1.2 * Cell) + bw, Round(0.7 * Cell) + bw, Caption, BackColor);
  if (HasNextRow) {
    VGroove(c, grooveX, grooveY + Round(1.4 * Cell), Cell);
    HGroove(c, bw, Width - bw, Round(1.4 * Cell) + bw);
    CentredText(c, Round(1.2 * Cell) + bw, Round(2.1 * Cell) + bw, QStringLiteral("Next"), BackColor);
  }
  for (int k = 1; k <= TextLength; ++k) DrawCell(k);
  Blit();
}

void TIndexStrBox::DrawCellIn(int k, int top, const QString& text) {
  TCanvas& c = Bitmap.Canvas();
  const int x = CellX(k);
  c.Brush.Color = BackColor;
  c.Brush.Style = bsSolid;
  c.FillRect(Rect(x - 1, top - 1, x + Cell + 1, top + Cell + 1));
  CellFont(c, Cell);
  c.Font.Color = k == LastMark ? CurrentColor
                 : (FirstMark <= k && k < LastMark) ? MatchedColor
                                                    : NormalColor;
  // Centred across on its ink: a next value of two digits, as wide as the cell's room between
  // the fills of the cells beside it (which reach a pixel into it), keeps clear of them.
  const QRect ink = QFontMetrics(c.Font.ToQFont()).tightBoundingRect(text);
  const int old = c.SetBkMode(TRANSPARENT);
  TextOutOnGround(c, x + (Cell - ink.width()) / 2 - ink.left(), top + Cell / 2 - c.TextExtent(text).height() / 2, text,
                  c.Font.Color, BackColor);
  c.SetBkMode(old);
  if (k == LastMark) Frame3D(c, x - 1, top - 1, x + Cell + 1, top + Cell + 1, clBlack, clWhite);
}

void TIndexStrBox::DrawCell(int k) {
  if (k < 1 || k > TextLength) return;
  DrawCellIn(k, RowTop(0), Text.mid(k - 1, 1));
  if (HasNextRow) DrawCellIn(k, RowTop(1), k <= NextCount ? QString::number(NextValues[k - 1]) : QString());
}

void TIndexStrBox::Blit() { Form->Canvas().Draw(Left, Top, Bitmap); }

void TIndexStrBox::Place(int x, int y, int cell) {
  FirstMark = LastMark = -1;
  NextCount = 0;
  Layout(0, y, cell);
  GlideTo(x, y);
}

void TIndexStrBox::GlideTo(int x, int y) {
  const int dx = x - Left;
  const int dy = y - Top;
  TImgAnim mover(Form->Canvas());
  InitMover(mover, *Form);
  const int n = GlideSteps(RunSpeed);
  for (int f = 0; f <= n; ++f) {
    mover.MoveTo(Left + dx * f / n, Top + dy * f / n, Bitmap);
    pacing::Sleep(10);
  }
  Left = x;
  Top = y;
}

void TIndexStrBox::SetHighlight(int first, int last) {
  const int from = std::min(FirstMark, first);
  const int to = std::max(LastMark, last);
  FirstMark = first;
  LastMark = last;
  for (int k = from; k <= to; ++k) DrawCell(k);
  Blit();
}

void TIndexStrBox::AppendNextValue(int value) {
  // Only under a cell of the string: an empty pattern shows no next value.
  if (NextCount >= std::min(TextLength, static_cast<int>(NextValues.size()))) return;
  NextValues[NextCount++] = value;
  DrawCell(NextCount);
  Blit();
  Form->RestoreStems();
}

void TIndexStrBox::CopyNextValue(int fromCell) {
  if (NextCount >= std::min(TextLength, static_cast<int>(NextValues.size())) || fromCell < 1 || fromCell > NextCount)
    return;
  const int value = NextValues[fromCell - 1];
  NextValues[NextCount++] = value;
  // The value, framed, on a cell of its own that travels along the next row.
  TBitmap sprite(Cell + 2, Cell + 2);
  sprite.SetTransparentColor(kNoTransparency);
  TCanvas& c = sprite.Canvas();
  c.Brush.Color = BackColor;
  c.Brush.Style = bsSolid;
  c.FillRect(Rect(0, 0, Cell + 2, Cell + 2));
  Frame3D(c, 0, 0, Cell + 2, Cell + 2, clBlack, clWhite);
  CellFont(c, Cell);
  c.Font.Color = CurrentColor;
  CentredText(c, Cell / 2 + 1, Cell / 2 + 1, QString::number(value), BackColor);
  const int y = Top + RowTop(1) - 1;
  const int x0 = Left + CellX(fromCell) - 1;
  const int dx = CellX(NextCount) - CellX(fromCell);
  TImgAnim mover(Form->Canvas());
  InitMover(mover, *Form);
  // The sprite's background is the box itself, not the backdrop.
  mover.SetBackground(&Bitmap);
  mover.OffsetX = Left;
  mover.OffsetY = Top;
  mover.MoveTo(x0, y, sprite);
  pacing::Sleep((99 - RunSpeed) * 10 + 10);
  const int n = (99 - RunSpeed) / 2 + 1;
  for (int f = 1; f <= n; ++f) {
    mover.MoveTo(x0 + dx * f / n, y, sprite);
    pacing::Sleep(10);
  }
  DrawCell(NextCount);
  Blit();
  Form->RestoreStems();
}

// ---------------------------------------------------------------- window

TIndexStrsForm::TIndexStrsForm(QWidget* parent) : TGraphForm(parent) {
  SetCaption(QStringLiteral("IndexStrsForm"));
  setObjectName(QStringLiteral("IndexStrsForm"));
  SetDesignClientSize(536, 184);
  IMarker.SetTransparentColor(kNoTransparency);
  JMarker.SetTransparentColor(kNoTransparency);
}

TIndexStrsForm::~TIndexStrsForm() = default;

TIndexLayout TIndexStrsForm::Layout() const {
  return TIndexLayout::Compute(ClientWidth(), ClientHeight(), Stage, StrLength, LowerLength);
}

void TIndexStrsForm::ComputeLayout() {
  const TIndexLayout l = Layout();
  Cell = l.Cell;
  BorderWidth = l.BorderWidth;
  BoxLeft = l.BoxLeft;
  UpperTop = l.UpperTop;
  LowerTop = l.LowerTop;
  UpperMarkerTop = l.UpperMarkerTop;
  LowerMarkerTop = l.LowerMarkerTop;
}

void TIndexStrsForm::SetStage(int n) {
  Stage = n;
  ComputeLayout();
}

void TIndexStrsForm::CreateStrBoxes(const QString& text1, TColor back1, TColor normal1, TColor matched1,
                                    TColor current1, const QString& text2, TColor back2, TColor normal2,
                                    TColor matched2, TColor current2) {
  if (Stage < 1 || Stage > 3) return;
  StrLength = static_cast<int>(text1.size());
  LowerLength = static_cast<int>(text2.size());
  ComputeLayout();
  UpperBox = std::make_unique<TIndexStrBox>(this, Stage != 2 ? QStringLiteral("S") : QStringLiteral("T"),
                                            text1, Stage == 2, back1, normal1, matched1, current1);
  UpperBox->Place(BoxLeft, UpperTop, Cell);
  LowerBox = std::make_unique<TIndexStrBox>(this, QStringLiteral("T"), text2, false, back2, normal2,
                                            matched2, current2);
  LowerBox->Place(BoxLeft, LowerTop, Cell);
}

void TIndexStrsForm::MoveMarkers(int i, int j) {
  if (!UpperBox || !LowerBox) return;
  if (i - j != MarkI - MarkJ || !MarkersShown) {
    LowerBox->SetHighlight(-1, -1);
    LowerBox->GlideTo(BoxLeft + (i - j) * Cell, LowerTop);
  }
  const TIndexLayout l = Layout();
  if (MarkersShown && i != MarkI) {
    // The bodies glide, without their stems, over the window as it stands without them.
    EraseMarkers();
    const TBitmap ground = Ground();
    TImgAnim upper(Canvas());
    TImgAnim lower(Canvas());
    upper.SetBackground(&ground);
    lower.SetBackground(&ground);
    const int x0 = MarkerLeft();
    const int dx = l.MarkerX(i) - l.MarkerX(MarkI);
    const int n = GlideSteps(RunSpeed);
    for (int f = 0; f <= n; ++f) {
      upper.MoveTo(x0 + dx * f / n, UpperMarkerTop, IMarker);
      lower.MoveTo(x0 + dx * f / n, LowerMarkerTop, JMarker);
      pacing::Sleep(10);
    }
  }
  MarkersShown = true;
  MarkI = i;
  MarkJ = j;
  if (j == 0)
    UpperBox->SetHighlight(i, i);
  else
    UpperBox->SetHighlight(i - j + 1, i);
  LowerBox->SetHighlight(1, j);
  BuildMarkers();
  DrawMarkers();
}

void TIndexStrsForm::DropNextRow() {
  ShowMarkers(false);
  if (UpperBox) UpperBox->SetHighlight(-1, -1);
  if (!LowerBox) return;
  LowerBox->SetHighlight(-1, -1);
  LowerBox->GlideTo(ClientWidth(), LowerBox->Top);
  LowerBox.reset();
}

void TIndexStrsForm::StartMatching(const QString& source, TColor back, TColor normal, TColor matched,
                                   TColor current) {
  SetStage(3);
  StrLength = static_cast<int>(source.size());
  LowerLength = UpperBox ? UpperBox->TextLength : 0;  // the pattern moves down
  ComputeLayout();
  MarkI = 1;
  MarkJ = 1;
  LowerBox = std::move(UpperBox);
  if (LowerBox) {
    // A longer source takes smaller cells: the pattern takes them too before it moves down,
    // or its cells would not stand under the source's.
    if (LowerBox->Cell != Cell) {
      CopyBackdrop(Canvas(), *this, Bounds(LowerBox->Left, LowerBox->Top, LowerBox->Width, LowerBox->Height), Color);
      LowerBox->Layout(LowerBox->Left, LowerBox->Top, Cell);
    }
    LowerBox->GlideTo(BoxLeft, LowerTop);
  }
  UpperBox = std::make_unique<TIndexStrBox>(this, QStringLiteral("S"), source, false, back, normal,
                                            matched, current);
  UpperBox->Place(BoxLeft, UpperTop, Cell);
}

void TIndexStrsForm::Reset() {
  UpperBox.reset();
  LowerBox.reset();
  MarkersShown = false;
  SetStage(0);
  Invalidate();
}

int TIndexStrsForm::MarkerLeft() const {
  // A marker wider than its design (a two-digit index in a readable font) stays centred.
  return Layout().MarkerX(MarkI) - (IMarker.Width() - Round(1.5 * Cell)) / 2;
}

void TIndexStrsForm::BuildMarkers() {
  const int h = MarkerHeight(Cell);
  // Letters half the marker's height (cell height, about 0.43 of it as the em), but never
  // below a readable size; the marker widens to hold them.
  TFont font{.Name = QStringLiteral("Arial"), .Height = -std::max(Round(0.43 * h), kLeastFont)};
  const int w = std::max({h, font.TextWidth(QStringLiteral("i:%1").arg(MarkI)) + 6,
                          font.TextWidth(QStringLiteral("j:%1").arg(MarkJ)) + 6});
  const auto build = [&](TBitmap& marker, const TIndexStrBox* box, const QString& text, bool down) {
    const TColor back = box ? box->BackColor : clSilver;
    marker.SetSize(w, h);
    TCanvas& c = marker.Canvas();
    c.Brush.Color = back;
    c.Brush.Style = bsSolid;
    c.FillRect(Rect(0, 0, w, h));
    Frame3D(c, 0, 0, w, h, clWhite, clBlack);
    Frame3D(c, 1, 1, w - 1, h - 1, clWhite, clGray);
    c.Font.Name = font.Name;
    c.Font.Style = 0;
    c.Font.Height = font.Height;
    c.Font.Color = box ? box->NormalColor : clBlack;
    const int half = std::max(2, h / 6);
    // The letters in the middle of the room the tip leaves, clear of the frame.
    const int textY = down ? (2 + h - 3 - half) / 2 : (3 + half + h - 2) / 2;
    CentredText(c, w / 2, textY, text, back);
    const TColor tip = box ? box->CurrentColor : clRed;
    c.Pen.Color = tip;
    c.Brush.Color = tip;
    if (down)
      c.Polygon({Point(w / 2 - half, h - 2 - half), Point(w / 2 + half, h - 2 - half), Point(w / 2, h - 3)});
    else
      c.Polygon({Point(w / 2 - half, 2 + half), Point(w / 2 + half, 2 + half), Point(w / 2, 2)});
  };
  build(IMarker, UpperBox.get(), QStringLiteral("i:%1").arg(MarkI), true);
  build(JMarker, LowerBox.get(), QStringLiteral("j:%1").arg(MarkJ), false);
}

QRect TIndexStrsForm::UpperStem() const {
  if (!UpperBox) return {};
  // From the triangle's tip down to the top of the upper box's cells.
  const int x = MarkerLeft() + IMarker.Width() / 2 - 1;
  const int top = UpperMarkerTop + IMarker.Height() - 3;
  return QRect(QPoint(x, top), QPoint(x + 1, UpperBox->Top + UpperBox->RowTop(0) - 1));
}

QRect TIndexStrsForm::LowerStem() const {
  if (!LowerBox) return {};
  // From the lower edge of the lower box's last row at cell j (of the box where it has no
  // cell j) up to the triangle's tip.
  const bool cell = MarkJ >= 1 && MarkJ <= LowerBox->TextLength;
  const int reach = cell ? LowerBox->Top + LowerBox->RowTop(LowerBox->LastRow()) + Cell : LowerBox->Top + LowerBox->Height;
  const int x = MarkerLeft() + JMarker.Width() / 2 - 1;
  return QRect(QPoint(x, reach), QPoint(x + 1, LowerMarkerTop + 2));
}

void TIndexStrsForm::DrawMarkers() {
  const int x = MarkerLeft();
  Canvas().Draw(x, UpperMarkerTop, IMarker);
  Canvas().Draw(x, LowerMarkerTop, JMarker);
  DrawStems();
}

void TIndexStrsForm::RestoreStems() {
  if (MarkersShown) DrawStems();
}

void TIndexStrsForm::DrawStems() {
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  // A stem is two strokes, each from the triangle's tip to the cell.
  const auto stem = [&](const QRect& r, const TIndexStrBox* box) {
    if (r.isEmpty()) return;
    c.Pen.Color = box ? box->CurrentColor : clRed;
    c.Pen.Width = 1;
    for (int x = r.left(); x <= r.right(); ++x) {
      c.MoveTo(x, r.top());
      c.LineTo(x, r.bottom() + 1);
    }
  };
  stem(UpperStem(), UpperBox.get());
  stem(LowerStem(), LowerBox.get());
}

void TIndexStrsForm::EraseMarkers() {
  const int x = MarkerLeft();
  CopyBackdrop(Canvas(), *this, Bounds(x, UpperMarkerTop, IMarker.Width(), IMarker.Height()), Color);
  CopyBackdrop(Canvas(), *this, Bounds(x, LowerMarkerTop, JMarker.Width(), JMarker.Height()), Color);
  for (const QRect& r : {UpperStem(), LowerStem()})
    if (!r.isEmpty()) CopyBackdrop(Canvas(), *this, Bounds(r.x(), r.y(), r.width(), r.height()), Color);
  // The stems stood on the boxes' borders.
  if (UpperBox) UpperBox->Blit();
  if (LowerBox) LowerBox->Blit();
}

TBitmap TIndexStrsForm::Ground() {
  TBitmap ground(ClientWidth(), ClientHeight());
  CopyBackdrop(ground.Canvas(), *this, ClientRect(), Color);
  for (const TIndexStrBox* box : {UpperBox.get(), LowerBox.get()})
    if (box) ground.Canvas().Draw(box->Left, box->Top, box->Bitmap);
  return ground;
}

void TIndexStrsForm::ShowMarkers(bool show) {
  if (show) {
    MarkersShown = true;
    BuildMarkers();
    DrawMarkers();
    return;
  }
  EraseMarkers();
  MarkersShown = false;
}

std::vector<TDrawnShape> TIndexStrsForm::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  if (Stage == 0) return out;
  // The place among the shapes of each box's first cell of row 0.
  std::array<int, 2> first{-1, -1};
  const std::array<const TIndexStrBox*, 2> boxes{UpperBox.get(), LowerBox.get()};
  // A cell shows its string's letter (the box's caption names the string) or a next value; its
  // colour says whether it is compared now or matched already, and a pattern's cell stands
  // under the source's cell i - j + k (the notes: "matched @5").
  const auto painted = [](const TIndexStrBox& box, int k) {
    return k == box.LastMark ? QStringLiteral("current") : box.FirstMark <= k && k < box.LastMark ? QStringLiteral("matched") : QString();
  };
  for (std::size_t b = 0; b < boxes.size(); ++b) {
    const TIndexStrBox* box = boxes[b];
    if (!box) continue;
    first[b] = static_cast<int>(out.size());
    const QString string = box->Caption.left(1).toLower();
    const bool lower = b == 1;
    const int shift = Cell > 0 ? (box->Left - BoxLeft) / Cell : 0;
    const auto note = [&](int k) {
      QString n = painted(*box, k);
      if (lower) n = QStringLiteral("@%1 ").arg(shift + k) + n;
      return n.trimmed();
    };
    for (int k = 1; k <= box->TextLength; ++k) {
      TDrawnShape cell = TDrawnShape::NodeAt(box->CellRect(k, 0), box->Text.mid(k - 1, 1))
                             .StandingFor({.Of = {string}, .Map = [k](const QStringList& v) {
                                             return std::optional<QString>(v[0].mid(k - 1, 1));
                                           }});
      if (MarkersShown) cell = cell.Noted(note(k)).StandingFor(ComparedAt(k, lower));
      out.push_back(cell);
    }
    for (int k = 1; box->HasNextRow && k <= box->NextCount; ++k) {
      TDrawnShape cell = TDrawnShape::NodeAt(box->CellRect(k, 1), QString::number(box->NextValues[static_cast<std::size_t>(k - 1)]))
                             .StandingFor({.Call = TMarkMeaning::Global, .Of = {QStringLiteral("next[%1]").arg(k - 1)}});
      if (MarkersShown) cell = cell.Noted(note(k)).StandingFor(ComparedAt(k, lower));
      out.push_back(cell);
    }
  }
  if (!MarkersShown) return out;
  // Each marker on its cell: the string's row, or the next row nearest to the lower marker.
  const auto cell = [&](std::size_t b, int k, int row) -> TShapeRef {
    const TIndexStrBox* box = boxes[b];
    if (!box || k < 1 || k > box->TextLength || (row == 1 && k > box->NextCount)) return {};
    return {this, first[b] + (row == 0 ? k - 1 : box->TextLength + k - 1)};
  };
  const int x = MarkerLeft();
  const QRect upper(x, UpperMarkerTop, IMarker.Width(), IMarker.Height());
  const QRect lower(x, LowerMarkerTop, JMarker.Width(), JMarker.Height());
  const QRect upperStem = UpperStem(), lowerStem = LowerStem();
  const QPoint upperTip = upperStem.isEmpty() ? QPoint(upper.center().x(), upper.bottom()) : QPoint(upperStem.right(), upperStem.bottom() + 1);
  const QPoint lowerTip = lowerStem.isEmpty() ? QPoint(lower.center().x(), lower.top()) : QPoint(lowerStem.right(), lowerStem.top());
  out.push_back(TDrawnShape::MarkOn(cell(0, MarkI, 0), upper, upperTip, QStringLiteral("i")));
  const int row = LowerBox ? LowerBox->LastRow() : 0;
  out.push_back(TDrawnShape::MarkOn(cell(1, MarkJ, row), lower, lowerTip, QStringLiteral("j")));
  return out;
}

TValueMeaning TIndexStrsForm::ComparedAt(int k, bool lower) const {
  return {.Value = [indexes = Indexes, k, lower]() -> std::optional<QString> {
            const std::optional<std::pair<int, int>> now = indexes ? indexes() : std::nullopt;
            if (!now) return std::nullopt;
            const auto [i, j] = *now;
            if (lower) {
              const QString colour = k == j ? QStringLiteral("current") : k < j ? QStringLiteral("matched") : QString();
              return (QStringLiteral("@%1 ").arg(i - j + k) + colour).trimmed();
            }
            if (k == i) return QStringLiteral("current");
            return j > 0 && i - j + 1 <= k && k < i ? QStringLiteral("matched") : QString();
          },
          .Part = TValueMeaning::InNote};
}

QString TIndexStrsForm::DrawingText() const {
  QStringList lines;
  for (const TIndexStrBox* box : {UpperBox.get(), LowerBox.get()}) {
    if (!box) continue;
    QString line = QStringLiteral("%1 %2,%3 %4x%5 cell %6:")
                       .arg(box->Caption)
                       .arg(box->Left)
                       .arg(box->Top)
                       .arg(box->Width)
                       .arg(box->Height)
                       .arg(box->Cell);
    const QString name = box->Caption.left(1);
    for (int k = 1; k <= box->TextLength; ++k)
      line += QStringLiteral(" %1[%2]=%3@%4").arg(name).arg(k).arg(box->Text[k - 1]).arg(box->Left + box->CellX(k));
    if (box->HasNextRow) {
      line += QStringLiteral(" next");
      for (int k = 0; k < box->NextCount; ++k) line += QStringLiteral(" %1").arg(box->NextValues[static_cast<std::size_t>(k)]);
    }
    lines << line;
  }
  if (MarkersShown) {
    const int x = MarkerLeft();
    lines << QStringLiteral("i:%1 %2,%3 %4x%5").arg(MarkI).arg(x).arg(UpperMarkerTop).arg(IMarker.Width()).arg(IMarker.Height());
    lines << QStringLiteral("j:%1 %2,%3 %4x%5").arg(MarkJ).arg(x).arg(LowerMarkerTop).arg(JMarker.Width()).arg(JMarker.Height());
  }
  return lines.join(QLatin1Char('\n'));
}

void TIndexStrsForm::FormPaint() {
  TGraphForm::FormPaint();
  if (Stage == 0) return;
  if (UpperBox) UpperBox->Blit();
  if (LowerBox) LowerBox->Blit();
  if (MarkersShown) DrawMarkers();
}

void TIndexStrsForm::FormResize() {
  TGraphForm::FormResize();
  if (Stage == 0) return;
  ComputeLayout();
  if (UpperBox) UpperBox->Layout(BoxLeft, UpperTop, Cell);
  if (LowerBox) LowerBox->Layout(BoxLeft + (MarkI - MarkJ) * Cell, LowerTop, Cell);
  BuildMarkers();
  Invalidate();
}
