#include "demos/linear/TripleGraphBase.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

#include "demos/linear/CellText.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/FitFont.h"
#include "framework/drawkit/ValueMeanings.h"
#include "framework/engine/Globals.h"
#include "platform/Forms.h"
#include "platform/Pacing.h"

namespace {

// The box of text's ink, from the baseline's left end (its top negative, above the baseline).
QRect InkOf(const TFont& font, const QString& text) { return QFontMetrics(font.ToQFont()).tightBoundingRect(text); }

// The header columns' words ("i", "num[col]"): everything in a cell but a number.
bool IsHeaderWord(const QString& text) {
  return !text.isEmpty() && !std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.isDigit() || ch == QLatin1Char('-'); });
}

// The rows shared by both views, for a table of tu elements in lines lines and a height of
// parts parts: a's lines from part 1, the middle row, b's lines, each line three parts high
// and one part from the next.
TTripleGeometry Rows(int height, int tu, int lines, int parts) {
  TTripleGeometry g;
  g.Lines = std::max(1, lines);
  g.PerLine = (tu + g.Lines - 1) / g.Lines;
  g.Height = height;
  g.Parts = parts;
  g.H = height * 3 / parts;
  g.RowA = height / parts;
  g.RowMid = height * (1 + 4 * g.Lines) / parts;
  g.RowB = height * (5 + 4 * g.Lines) / parts;
  g.LabelAY = height * (2 * g.Lines) / parts;
  g.LabelBY = height * (4 + 6 * g.Lines) / parts;
  return g;
}

}  // namespace

int TTripleGeometry::Line(int k) const {
  if (k <= 1 || PerLine <= 0) return 0;
  return std::min((k - 1) / PerLine, Lines - 1);
}

TTripleGeometry TTripleGeometry::Plain(int width, int height, int tu, int lines) {
  TTripleGeometry g = Rows(height, tu, lines, 8 * std::max(1, lines) + 5);
  g.W = width / (g.PerLine + 4);
  g.FirstColumn = 2;
  return g;
}

TTripleGeometry TTripleGeometry::Fast(int width, int height, int tu, int nu, int lines) {
  TTripleGeometry g = Rows(height, tu, lines, 8 * std::max(1, lines) + 9);
  g.W = width / (g.PerLine + 3);
  g.W2 = width / (nu + 3);
  g.RowCount = height * (5 + 8 * g.Lines) / g.Parts;
  g.FirstColumn = 1;
  return g;
}

void TriplePause(int ms) {
  pacing::Sleep(ms);
  pacing::ProcessMessages();
}

int TripleFrameMs(int speed) { return 125 - speed; }

TTripleGraphBase::TTripleGraphBase(int width, int height, QWidget* parent) : TGraphForm(parent) {
  SetCaption(QStringLiteral("矩阵转置图示"));
  SetDesignClientSize(width, height);
}

int DecimalLength(int v) {
  int length = v < 0 ? 2 : 1;
  for (long long rest = std::abs(static_cast<long long>(v)); rest >= 10; rest /= 10) ++length;
  return length;
}

QString TTripleGraphBase::WidestValue() const {
  // Counted rather than written out: every drawing of a triple asks for it.
  int widest = 0;
  int length = 0;
  // Of two values as long, one without a sign is the wider: a digit is wider than "-".
  const auto take = [&](int v) {
    if (DecimalLength(v) > length || (DecimalLength(v) == length && widest < 0 && v >= 0)) {
      widest = v;
      length = DecimalLength(v);
    }
  };
  for (const TTripleTable* t : {&A, &B}) {
    for (int k = 1; k <= t->tu; ++k) {
      take(t->At(k).i);
      take(t->At(k).j);
      take(t->At(k).v);
    }
  }
  return length == 0 ? QString() : QString::number(widest);
}

TFont TTripleGraphBase::CellFont(int w, int h, const QString& text) const {
  // Fitting a font measures the text over and over; a view repainted many times a step
  // keeps the fonts it fitted, for the cell size, the least height its window may write and
  // the widest value they were fitted to.
  const QString widest = WidestValue();
  const int leastPx = LegiblePixelsIn(*this);
  const QString key = QStringLiteral("%1 %2 %3 %4 %5").arg(w).arg(h).arg(leastPx).arg(widest, text);
  if (const auto it = fonts_.constFind(key); it != fonts_.constEnd()) return *it;
  TFont font;
  font.Name = QStringLiteral("Arial");
  // The cell height; a header word (a j's tail) keeps within the cell's borders.
  const bool number = !text.isEmpty() && !IsHeaderWord(text);
  font.Height = number ? h : h - 2;
  if (!number) {
    // A header word keeps the least height its window may write where its letters (their ink:
    // a j's tail, the brackets) stand in the cell, over its borders in a cell lower than that
    // (a long table in a window made smaller); Look centres it on its ink.
    TFont least = font;
    least.Height = -leastPx;
    if (InkOf(least, text).height() <= h && least.TextHeight(text) > font.TextHeight(text)) font = least;
  }
  // Every value in one height, the widest fitting its cell, so that none loses its sign or a
  // digit to the cell's edges; a header word wider still fits on its own.
  font = FitFont(font, {text, widest}, w - 4);
  if (fonts_.size() > 256) fonts_.clear();
  fonts_.insert(key, font);
  return font;
}

TTripleGraphBase::TCellLook TTripleGraphBase::Look(int x, int y, int w, int h, const QString& text) const {
  TCellLook look;
  look.Font = CellFont(w, h, text);
  const QSize size = look.Font.TextExtent(text);
  look.Left = x + (w - size.width()) / 2;
  look.Top = y + (h - size.height()) / 2;
  if (IsHeaderWord(text)) {
    // Centred on its ink, which may stand in a cell lower than the font's line.
    const QRect ink = InkOf(look.Font, text);
    look.Top = y + (h - ink.height()) / 2 - look.Font.Ascent() - ink.top();
  }
  look.Seen = VisibleText(look.Font, text, look.Left, x + 1, x + w - 1);
  return look;
}

int TTripleGraphBase::CellFontHeight(int w, int h, const QString& widest) const {
  const QString key = QStringLiteral("fit %1 %2 %3").arg(w).arg(h).arg(widest);
  if (const auto it = fonts_.constFind(key); it != fonts_.constEnd()) return it->Height;
  TFont font;
  font.Name = QStringLiteral("Arial");
  font.Height = h;
  font = FitFont(font, {widest}, w - 4);
  if (fonts_.size() > 256) fonts_.clear();
  fonts_.insert(key, font);
  return font.Height;
}

void TTripleGraphBase::CellText(int x, int y, int w, int h, const QString& text, TColor color, TColor ground) {
  const TCellLook look = Look(x, y, w, h, text);
  TCanvas& c = Canvas();
  c.Font = look.Font;
  c.Font.Color = color;
  const int old = c.SetBkMode(TRANSPARENT);
  // Inside the borders; a header word, centred on its ink, may reach over them.
  const int edge = IsHeaderWord(text) ? 0 : 1;
  if (ContrastRatio(color, ground) >= 3.0)
    c.TextRect(Rect(x + 1, y + edge, x + w - 1, y + h - edge), look.Left, look.Top, text);
  else
    TextOutOnGround(c, look.Left, look.Top, text, color, ground);
  c.SetBkMode(old);
}

namespace {

// The three texts of a triple; the header columns' words for -1 and -2.
std::array<QString, 3> TripleTexts(const TTriple& t) {
  if (t.i == -1) return {QStringLiteral("i"), QStringLiteral("j"), QStringLiteral("v")};
  if (t.i == -2) return {QStringLiteral("col"), QStringLiteral("num[col]"), QStringLiteral("cpot[col]")};
  return {QString::number(t.i), QString::number(t.j), QString::number(t.v)};
}

}  // namespace

void TTripleGraphBase::DrawTriple(int x, int y, int w, const TTriple& t) {
  TCanvas& c = Canvas();
  const int h = Geometry().H / 3;
  const std::array<QString, 3> texts = TripleTexts(t);
  const TColor textColors[3] = {clWhite, clNavy, clPurple};
  for (int k = 0; k < 3; ++k) {
    c.Pen.Color = clBlack;
    c.Brush.Color = CellColors[static_cast<std::size_t>(k)];
    c.Brush.Style = bsSolid;
    c.Rectangle(x, y + k * h, x + w, y + (k + 1) * h);
    CellText(x, y + k * h, w, h, texts[static_cast<std::size_t>(k)], textColors[k], CellColors[static_cast<std::size_t>(k)]);
  }
  c.Pen.Color = clRed;
  c.Brush.Style = bsClear;
  c.Rectangle(x, y, x + w, y + 3 * h);
  c.Brush.Style = bsSolid;
}

void TTripleGraphBase::FormPaint() {
  DrawGround();
  CellColors = StandardCells;
  for (const TPlacedTriple& t : WholePicture()) DrawTriple(t.X, t.Y, t.W, t.T);
}

void TTripleGraphBase::RepaintArea(QRect area) {
  // The frame goes whole, with what it carries above it.
  if (frame_ && frame_->Area().intersects(area)) area |= frame_->Area().adjusted(0, 0, 1, 1);
  EraseRect(area.x(), area.y(), area.width(), area.height());
  CellColors = StandardCells;
  const TTripleGeometry g = Geometry();
  for (const TPlacedTriple& t : WholePicture())
    if (g.Box(t.X, t.Y, t.W).adjusted(0, 0, 1, 1).intersects(area)) DrawTriple(t.X, t.Y, t.W, t.T);
}

std::vector<TDrawnShape> TTripleGraphBase::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  const TTripleGeometry g = Geometry();
  // A triple is three cells one above the other, as DrawTriple paints them: i, j, v.
  const auto cells = [&](int x, int y, int w, const TTriple& t, const std::array<TValueMeaning, 3>& stands) {
    const int h = g.H / 3;
    const std::array<QString, 3> texts = TripleTexts(t);
    for (std::size_t k = 0; k < 3; ++k) {
      TDrawnShape cell = TDrawnShape::CellAt(QRect(x, y + static_cast<int>(k) * h, w, h), Look(0, 0, w, h, texts[k]).Seen);
      if (!stands[k].Of.isEmpty() || stands[k].Value) cell = cell.StandingFor(stands[k]);
      out.push_back(cell);
    }
  };
  for (const TPlacedTriple& t : WholePicture()) {
    if (t.T.i < 0) continue;
    std::array<TValueMeaning, 3> stands;
    for (std::size_t k = 0; k < 3; ++k)
      if (!t.Of[k].isEmpty()) stands[k].Of = {t.Of[k]};
    cells(t.X, t.Y, t.W, t.T, stands);
  }
  if (moving_) {
    std::array<TValueMeaning, 3> stands;
    for (std::size_t k = 0; MovingStandsFor && k < 3; ++k)
      stands[k].Value = [f = MovingStandsFor, k]() -> std::optional<QString> {
        const std::optional<TTriple> t = f();
        if (!t) return std::nullopt;
        return QString::number(k == 0 ? t->i : k == 1 ? t->j : t->v);
      };
    cells(moving_->x(), moving_->y(), moving_->width(), MovingTriple, stands);
  }
  // Each row's label names the table whose triples stand beside it.
  const TFont font = LabelFont(g);
  for (const TRowLabel& label : RowLabels(g))
    out.push_back(TDrawnShape::CellAt(QRect(label.At, QSize(font.TextWidth(label.Text), font.TextHeight(label.Text))), label.Text)
                      .StandingFor(NamesVariable(label.Text + QStringLiteral(".tu"), label.Text)));
  if (frame_) {
    // The frame stands on the element whose box it outlines (on none at the header column):
    // its mark on that element's top cell.
    TShapeRef on;
    for (std::size_t k = 0; k < out.size(); ++k)
      if (out[k].Box.topLeft() == frame_->Box.topLeft() && out[k].Box.width() == frame_->Box.width()) {
        on = {this, static_cast<int>(k)};
        break;
      }
    const QRect& box = frame_->Box;
    const QRect caption = frame_->Text.isEmpty() ? box : QRect(frame_->Area().topLeft(), QSize(box.width(), box.height() / 3));
    // Its caption is what stands written above it (the column sought), none where nothing does.
    TDrawnShape mark = TDrawnShape::MarkOn(on, caption, QPoint(box.center().x(), box.top()), frame_->Text);
    if (!frame_->Text.isEmpty() && !FrameShows.isEmpty()) mark = mark.StandingFor({.Of = {FrameShows}});
    out.push_back(mark);
  }
  return out;
}

QString TTripleGraphBase::ReadTriple(const TTripleGeometry& g, int w, const TTriple& t) const {
  const int h = g.H / 3;
  QStringList seen;
  for (const QString& text : TripleTexts(t)) seen << Look(0, 0, w, h, text).Seen;
  return QLatin1Char('(') + seen.join(QLatin1Char(',')) + QLatin1Char(')');
}

void TTripleGraphBase::DrawGround() {
  moving_.reset();
  frame_.reset();
  TCanvas& c = Canvas();
  c.Brush.Color = Color;
  c.Brush.Style = bsSolid;
  c.FillRect(ClientRect());
  const TTripleGeometry g = Geometry();
  c.Font = LabelFont(g);
  // Fuchsia stands too near the grey ground: outlined.
  const int old = c.SetBkMode(TRANSPARENT);
  for (const TRowLabel& label : RowLabels(g)) TextOutOnGround(c, label.At.x(), label.At.y(), label.Text, clFuchsia, Color);
  c.SetBkMode(old);
}

TFont TTripleGraphBase::LabelFont(const TTripleGeometry& g) const {
  return TFont{.Name = QStringLiteral("Arial"), .Height = g.H / 3, .Style = 0};
}

std::array<TTripleGraphBase::TRowLabel, 2> TTripleGraphBase::RowLabels(const TTripleGeometry& g) const {
  return {TRowLabel{QPoint(g.W / 4, g.LabelAY), QStringLiteral("a")},
          TRowLabel{QPoint(g.W / 4, g.LabelBY), QStringLiteral("b")}};
}

std::array<QString, 3> TTripleGraphBase::TripleOf(const QString& name, int k) {
  const QString at = QStringLiteral("%1.data[%2].").arg(name).arg(k - 1);
  return {at + QStringLiteral("i"), at + QStringLiteral("j"), at + QStringLiteral("v")};
}

QRect TTripleGraphBase::TFrame::Area() const {
  return Text.isEmpty() ? Box : Box.adjusted(0, -Box.height() / 3, 0, 0);
}

void TTripleGraphBase::EraseRect(int x, int y, int w, int h) {
  const QRect erased(x, y, w, h);
  if (moving_ && moving_->intersects(erased)) moving_.reset();
  if (frame_ && frame_->Area().intersects(erased)) frame_.reset();
  TCanvas& c = Canvas();
  c.Brush.Color = Color;
  c.Brush.Style = bsSolid;
  c.FillRect(Rect(x, y, x + w, y + h));
}

void TTripleGraphBase::DrawFrame(int x, int y, int w, const QString& middle, TColor textColor) {
  TCanvas& c = Canvas();
  const int h = Geometry().H / 3;
  frame_ = TFrame{QRect(x, y, w, 3 * h), middle};
  c.Pen.Color = clWhite;
  c.Brush.Style = bsClear;
  for (int k = 0; k < 3; ++k) c.Rectangle(x, y + k * h, x + w, y + (k + 1) * h);
  c.Brush.Style = bsSolid;
  // The text stands in a cell of its own just above the frame, so that it neither covers
  // nor is covered by the j of the element the frame stands on.
  if (!middle.isEmpty()) {
    c.Brush.Color = Color;
    CellText(x, y - h, w, h, middle, textColor, Color);
  }
}

void TTripleGraphBase::DropTriple(int x, int y0, int dy) {
  for (int k = 0; k <= 6; ++k) {
    const TTripleGeometry g = Geometry();
    const int y = y0 + k * dy / 6;
    CellColors = StandardCells;
    DrawTriple(x, y, g.W, MovingTriple);
    moving_ = g.Box(x, y, g.W);
    TriplePause(TripleFrameMs(RunSpeed));
    // A drop across a line of a folded table leaves that line whole.
    if (k < 6) RepaintArea(QRect(x, y, g.W + 1, g.H + 1));
  }
}

void TTripleGraphBase::SlideAcross(int p, int q) {
  const TTripleGeometry g = Geometry();
  // Element p's and q's columns may lie on different lines of a folded table.
  const int n = std::abs(g.X(q) - g.X(p)) / 25;
  if (n == 0) return;
  moving_.reset();
  for (int k = 0; k <= n; ++k) {
    const TTripleGeometry now = Geometry();
    const int x = now.X(p) + k * (now.X(q) - now.X(p)) / n;
    DrawTriple(x, now.RowMid, now.W, MovingTriple);
    TriplePause(TripleFrameMs(RunSpeed));
    RepaintArea(QRect(x, now.RowMid, now.W + 1, now.H + 1));
  }
}
