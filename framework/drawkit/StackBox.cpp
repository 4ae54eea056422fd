#include "framework/drawkit/StackBox.h"

#include <QFontMetrics>
#include <algorithm>

#include "framework/drawkit/AdvancedTools.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/engine/Errors.h"
#include "framework/engine/Globals.h"
#include "platform/Pacing.h"
#include "platform/TextRules.h"

TStackLayout::TStackLayout(QSize box, int colCount, int rowCount, bool pointerVisible,
                           bool titleVisible)
    : Width(box.width()),
      Height(box.height()),
      ColCount(std::clamp(colCount, 1, 20)),
      RowCount(std::clamp(rowCount, 1, 20)) {
  CellWidth = Width / ColCount - 6;
  const double shares = RowCount + (pointerVisible ? 1 : 0) + (titleVisible ? 1.5 : 0);
  CellHeight = text::Round(Height / shares) - 1;
  TitleBand = titleVisible ? static_cast<int>(1.5 * CellHeight) : 0;
  MarkerHeight = pointerVisible ? CellHeight : 0;
}

QPoint TStackLayout::Cell(int index) const {
  const int c = index / RowCount;
  const int r = index % RowCount;
  return {((ColCount - c - 1) * Width) / ColCount + 3, Height - TitleBand - (CellHeight + 1) * (r + 1)};
}

namespace {

// The columns a text covers when drawn at x = 0: its advance, widened by the ink of glyphs
// that reach past it (the last glyph of a bold text, a leading italic).
struct TextSpan {
  int left = 0;   // <= 0
  int right = 0;  // >= the advance
  int Width() const { return right - left; }
};

TextSpan SpanOf(const TFont& font, const QString& text) {
  const QRect ink = QFontMetrics(font.ToQFont()).boundingRect(text);
  TextSpan span{0, font.TextWidth(text)};
  if (!ink.isEmpty()) {
    span.left = std::min(0, ink.left());
    span.right = std::max(span.right, ink.right() + 1);
  }
  return span;
}

// Character cells a heading character takes in a fixed-pitch layout: a wide (CJK, full-width)
// character two, any other one.
int CellsOf(QChar ch) {
  const char16_t u = ch.unicode();
  const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) || (u >= 0xAC00 && u <= 0xD7A3) ||
                    (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                    (u >= 0xFFE0 && u <= 0xFFE6);
  return wide ? 2 : 1;
}

// The words of a heading with the cell where each starts. A wide character's glyph is seldom
// exactly two cells of the fixed-pitch font, so each word is placed at its own cell rather
// than after the glyphs before it: a record padded to a word's cell starts right under it.
std::vector<std::pair<int, QString>> HeadingWords(const QString& heading) {
  std::vector<std::pair<int, QString>> words;
  int cell = 0;
  bool inWord = false;
  for (const QChar ch : heading) {
    if (ch == QLatin1Char(' ')) {
      inWord = false;
    } else {
      if (!inWord) words.emplace_back(cell, QString());
      words.back().second += ch;
      inWord = true;
    }
    cell += CellsOf(ch);
  }
  return words;
}

// Left of the heading's first cell to the right of its ink, the words placed at their cells.
int HeadingRight(const TFont& font, const QString& heading) {
  int right = 0;
  for (const auto& [cell, word] : HeadingWords(heading))
    right = std::max(right, font.TextWidth(QString(cell, QLatin1Char(' '))) + SpanOf(font, word).right);
  return right;
}

// The font height the box's rows write their fields in; 0 when they centre their texts.
int RowFieldHeight(const TStackBox& box) { return box.FieldColumns ? box.FieldFont().Height : 0; }

// A record that already has an owner stays with it: the box refuses it without freeing it.
void RefuseOwned(std::unique_ptr<TData>& data) {
  if (!data || !data->Owner()) return;
  TData* owned = data.release();  // its owner keeps it
  throw EMultiLinkedData(QStringLiteral("Data %1").arg(owned->Name()));
}

// Puts row at the cell of entry index.
void PlaceRow(TNodeRect& row, const TStackLayout& l, int index) {
  const QPoint cell = l.Cell(index);
  row.setGeometry(cell.x(), cell.y(), std::max(0, l.CellWidth), std::max(0, l.CellHeight));
}

}  // namespace

int SlideSteps(int animSpeed) { return (99 - std::clamp(animSpeed, 0, 99)) / 2 + 1; }

int SlideFrameY(int from, int to, int k, int steps) { return from + ((to - from) * k) / steps; }

// --- TNodeRect

TNodeRect::TNodeRect(QWidget* parent) : TRectbase(parent) { resize(0, 0); }

void TNodeRect::DrawRow(TCanvas& canvas) const {
  const int w = width();
  const int h = height();
  // The row covers the whole of its place (what was drawn under it before, the last frame of
  // its own slide, is gone), then its frame and its face.
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = Color;
  canvas.FillRect(Rect(0, 0, w, h));
  Frame3D(canvas, 0, 0, w, h, clWhite, clBlack);
  canvas.FillRect(Rect(1, 1, w - 1, h - 1));
  canvas.Font.Pitch = fpFixed;
  canvas.Font.Height = FieldHeight > 0 ? FieldHeight : h * 6 / 7;
  // The text once on a bitmap of its own extent (with any ink past its advance), so that a
  // row too narrow for it can squeeze it instead of cutting it off.
  const QSize extent = canvas.TextExtent(RowText);
  if (RowText.isEmpty() || extent.isEmpty()) return;
  const TextSpan span = SpanOf(canvas.Font, RowText);
  // A pixel of margin all round for the outline a text too close in colour to its row gets
  // (red records on a silver row).
  constexpr int m = 1;
  TBitmap text(span.Width() + 2 * m, extent.height() + 2 * m);
  TCanvas& t = text.Canvas();
  t.Font = canvas.Font;
  t.Brush = canvas.Brush;
  t.FillRect(Rect(0, 0, text.Width(), text.Height()));
  t.SetBkMode(TRANSPARENT);
  TextOutOnGround(t, m - span.left, m, RowText, canvas.Font.Color, Color);
  text.SetTransparentColor(Color);
  text.Transparent = true;
  const int y = (h - extent.height()) / 2;
  // A squeezed text keeps a pixel clear of the frame on either side.
  const bool fields = FieldHeight > 0;
  if ((fields ? FieldLeft + span.right : span.Width()) > w - 2)
    canvas.StretchDraw(Rect(2, y - m, w - 2, y + extent.height() + m), text);
  else if (fields) canvas.Draw(FieldLeft + span.left - m, y - m, text);
  else canvas.Draw((w - extent.width()) / 2 + span.left - m, y - m, text);
}

void TNodeRect::Paint() { DrawRow(Canvas()); }

// --- TStackBox

TStackBox::TStackBox(QWidget* parent) : TNodeContainer(parent), marker_(new TStackTopPointer(this)) {
  marker_->hide();
}

TStackBox::~TStackBox() = default;

void TStackBox::SetLook(const TStackLook& look) {
  if (look.Color) Color = *look.Color;
  ColCount = look.ColCount;
  RowCount = look.RowCount;
  NodeColor = look.NodeColor;
  NodeFont = look.NodeFont;
  PointerColor = look.PointerColor;
  PointerFont = look.PointerFont;
  Title = look.Title;
  TitleColor = look.TitleColor;
  ShowAnimate = look.ShowAnimate;
  FieldColumns = look.FieldColumns;
  AfterRescale();
}

void TStackBox::SetPointerVisible(bool visible) {
  pointerVisible_ = visible;
  AfterRescale();
}

void TStackBox::SetTitleVisible(bool visible) {
  titleVisible_ = visible;
  AfterRescale();
}

TStackLayout TStackBox::Layout() const {
  return TStackLayout(size(), ColCount, RowCount, pointerVisible_, titleVisible_);
}

const TStackBox::Entry& TStackBox::At(int index) const {
  if (index < 0 || index >= Count()) throw Exception(QStringLiteral("index out of bounds"));
  return entries_[static_cast<std::size_t>(index)];
}

TData* TStackBox::Top() const { return At(Count() - 1).record.get(); }
TData* TStackBox::GetItem(int index) const { return At(index).record.get(); }
TNodeRect* TStackBox::Row(int index) const { return At(index).row.get(); }

void TStackBox::RefreshRow(const Entry& entry) {
  if (entry.record) entry.row->RowText = entry.record->GetText();
  entry.row->Repaint();
}

TFont TStackBox::FieldFont() const { return FieldFontFor(size(), fieldReserve_); }

TFont TStackBox::FieldFontFor(QSize box, int reserve) const {
  const TStackLayout l(box, ColCount, RowCount, pointerVisible_, titleVisible_);
  const FieldFit fit{l.CellWidth, l.CellHeight, NodeFont, titleVisible_ ? Title.trimmed() : QString(), FieldChars,
                     reserve};
  if (fieldFont_ && fieldFont_->first == fit) return fieldFont_->second;
  TFont font = NodeFont;
  font.Pitch = fpFixed;
  font.Height = std::max(1, l.CellHeight * 6 / 7);
  const QString widest(FieldChars, QLatin1Char('0'));
  const auto right = [&] { return std::max(HeadingRight(font, fit.title), SpanOf(font, widest).right); };
  while (font.Height > 1 && FieldLeft + right() > l.CellWidth - 2 - reserve) --font.Height;
  fieldFont_.emplace(fit, font);
  return font;
}

int TStackBox::FieldX(int col) const { return Layout().Cell(col * RowCount).x() + FieldLeft; }

void TStackBox::WriteHeading(TCanvas& canvas, const QString& heading, TColor color, int x, int top,
                             int height) const {
  canvas.Font = FieldFont();
  canvas.Font.Color = color;
  canvas.Brush.Style = bsClear;
  canvas.SetTextAlign(TA_LEFT | TA_TOP);
  const int y = top + (height - canvas.TextExtent(heading).height()) / 2;
  for (const auto& [cell, word] : HeadingWords(heading))
    TextOutOnCanvas(canvas, x + canvas.Font.TextWidth(QString(cell, QLatin1Char(' '))), y, word, color);
}

void TStackBox::SetFieldReserve(int pixels) {
  if (pixels == fieldReserve_) return;
  fieldReserve_ = std::max(0, pixels);
  FitFields();
}

void TStackBox::FitFields() {
  const int height = RowFieldHeight(*this);
  bool changed = false;
  for (const Entry& e : entries_) {
    if (e.row->FieldHeight == height) continue;
    e.row->FieldHeight = height;
    e.row->Invalidate();
    changed = true;
  }
  // The title is written in the same size.
  if (changed) Invalidate();
}

void TStackBox::UpdateRow(int index, TData* data) {
  Entry& entry = At(index);
  if (data != entry.record.get()) {
    const bool shownElsewhere = std::any_of(entries_.begin(), entries_.end(),
                                            [data](const Entry& e) { return data && e.record.get() == data; });
    if ((data && data->Owner()) || shownElsewhere)
      throw EMultiLinkedData(QStringLiteral("Data %1").arg(data->Name()));
    entry.record.reset(data);
  }
  RefreshRow(entry);
}

void TStackBox::UpdateRow(int index, std::unique_ptr<TData> data) {
  At(index);  // checks the index before taking data
  RefuseOwned(data);
  UpdateRow(index, data.release());
}

void TStackBox::PlaceMarker() {
  const TStackLayout l = Layout();
  marker_->Color = PointerColor;
  marker_->Canvas().Font = PointerFont;
  // Over a row in the top cell the marker takes what room the rounded cell heights leave
  // above it, so that it does not reach out of the box.
  const int room = entries_.empty() ? l.MarkerHeight : entries_.back().row->y();
  marker_->resize(std::max(0, l.CellWidth), std::clamp(room, 0, std::max(0, l.MarkerHeight)));
  if (!entries_.empty()) marker_->PlaceAt(*entries_.back().row);
  marker_->Repaint();
}

void TStackBox::Slide(const TNodeRect& row, int fromY, int toY) {
  TBitmap sprite(row.width(), row.height());
  sprite.Canvas().Font = row.Font;
  row.DrawRow(sprite.Canvas());
  TImgAnim mover(Canvas());
  // A box on a plain colour restores that colour behind the row, not the backdrop.
  TBitmap plain;
  if (Transparent) {
    mover.SetBackground(BackBitmap.get());
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    mover.OffsetX = -origin.x();
    mover.OffsetY = -origin.y();
  } else {
    plain.SetSize(std::max(width(), 1), std::max(height(), 1));
    PaintGround(plain.Canvas(), *this, ClientRect());
    mover.SetBackground(&plain);
  }
  const int steps = SlideSteps(AnimSpeed);
  for (int k = 0; k <= steps; ++k) {
    mover.MoveTo(row.x(), SlideFrameY(fromY, toY, k, steps), sprite);
    pacing::Sleep(10);
  }
}

TData* TStackBox::Push(std::unique_ptr<TData> data) {
  const TStackLayout l = Layout();
  if (Count() >= l.Capacity()) throw Exception(QStringLiteral("invalid push action, stack full"));
  RefuseOwned(data);
  Entry entry{std::move(data), std::make_unique<TNodeRect>(this)};
  TNodeRect& row = *entry.row;
  row.hide();
  if (entry.record) row.RowText = entry.record->GetText();
  PlaceRow(row, l, Count());
  row.Color = NodeColor;
  row.Font = NodeFont;
  row.Canvas().Brush.Color = NodeColor;
  row.Canvas().Font = NodeFont;
  row.FieldHeight = RowFieldHeight(*this);
  if (RowsStandFor) row.Stands = {{.Value = [stands = RowsStandFor, index = Count()] { return stands(index); }}};
  marker_->hide();
  if (ShowAnimate) Slide(row, -l.CellHeight, row.y());
  row.show();
  entries_.push_back(std::move(entry));
  PlaceMarker();
  marker_->show();
  Update();
  return entries_.back().record.get();
}

std::unique_ptr<TData> TStackBox::Pop() {
  if (entries_.empty()) throw Exception(QStringLiteral("Invalid pop action"));
  marker_->hide();
  if (ShowAnimate) {
    TNodeRect& row = *entries_.back().row;
    row.hide();
    Slide(row, row.y(), -Layout().CellHeight);
  }
  std::unique_ptr<TData> record = std::move(entries_.back().record);
  entries_.pop_back();
  if (!entries_.empty()) {
    PlaceMarker();
    marker_->show();
  }
  Update();
  return record;
}

void TStackBox::Clear() {
  entries_.clear();
  marker_->hide();
  // The last frame of each row's slide is still on the box's own picture under where the
  // row was: paint the box again at once, as a pop shows at once.
  Repaint();
}

void TStackBox::AfterRescale() {
  const TStackLayout l = Layout();
  for (int i = 0; i < Count(); ++i) {
    TNodeRect& row = *entries_[static_cast<std::size_t>(i)].row;
    row.hide();
    PlaceRow(row, l, i);
    row.show();
  }
  FitFields();
  PlaceMarker();
}

void TStackBox::Paint() {
  TCanvas& c = Canvas();
  const TStackLayout l = Layout();
  const int w = width();
  const int h = height();
  PaintGround(c, *this, ClientRect());
  c.Font.Name = QStringLiteral("Times New Roman");
  c.Font.Height = (l.TitleBand * 3) / 4;
  c.Font.Style = 0;
  c.Font.Pitch = fpDefault;
  c.Font.Color = TitleColor;
  c.Brush.Style = bsClear;
  c.SetTextAlign(TA_LEFT | TA_TOP);
  if (l.TitleBand > 0 && FieldColumns) {
    // Under the rightmost column, over its fields.
    WriteHeading(c, Title.trimmed(), TitleColor, FieldX(0), h - l.TitleBand, l.TitleBand);
  } else if (l.TitleBand > 0) {
    // Flush right; a title wider than the box is drawn in a smaller size that fits.
    TextSpan span = SpanOf(c.Font, Title);
    while (span.Width() > w && c.Font.Height > 1) {
      --c.Font.Height;
      span = SpanOf(c.Font, Title);
    }
    TextOutOnCanvas(c, w - span.right, h - l.TitleBand + 2, Title, TitleColor);
  }
  c.Brush.Style = bsSolid;
  const int base = h - l.TitleBand;
  for (int i = 0; i <= l.ColCount; ++i) {
    const int x = (w * i) / l.ColCount;
    DrawLine3D(c, x - 1, 0, x - 1, base, clWhite, clGray, true);
    DrawLine3D(c, x, 0, x, base, clBlack, clWhite, true);
  }
  DrawLine3D(c, 0, base, ((w - 1) / l.ColCount) * l.ColCount, base, clRed, clBlue, true);
  // The rows are children: they paint after the box in the same round.
  const int fieldHeight = RowFieldHeight(*this);
  for (const Entry& e : entries_) {
    if (e.record) e.row->RowText = e.record->GetText();
    e.row->FieldHeight = fieldHeight;
    e.row->Invalidate();
  }
}

// --- TAckmanGraphForm

TAckmanGraphForm::TAckmanGraphForm(QWidget* parent) : TGraphForm(parent) {
  SetCaption(QStringLiteral("阿克曼函数"));
  SetDesignClientSize(313, 217);
  Color = clWhite;
  Stack = Place(new TStackBox(this), 0, 0, 313, 217);
  Stack->setObjectName(QStringLiteral("Stack"));
  Stack->SetLook({.Color = clWhite,
                  .ColCount = 3,
                  .RowCount = 18,
                  .NodeFont = {.Name = QStringLiteral("Arial"), .Height = -16, .Style = fsBold, .Color = clRed},
                  .PointerFont = {.Height = -13},
                  .Title = QStringLiteral("  Addr  m  n  temp  result"),
                  .ShowAnimate = true});
}

std::unique_ptr<TAckmanGraphForm> MakeStackWindow(const TStackPreset& preset) {
  auto form = std::make_unique<TAckmanGraphForm>();
  form->SetCaption(preset.caption);
  TStackBox& stack = *form->Stack;
  stack.ColCount = preset.cols;
  stack.RowCount = preset.rows;
  stack.NodeFont.Name = QStringLiteral("Courier New");
  stack.Title = preset.title;
  stack.FieldColumns = preset.columns;
  stack.FieldChars = preset.fieldChars;
  stack.SetTitleVisible(!preset.title.isEmpty());
  stack.AfterRescale();
  return form;
}
