#include "platform/Controls.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <memory>

#include "platform/Forms.h"
#include "platform/PaintRecord.h"

// --- TGraphicControl

TGraphicControl::TGraphicControl(QWidget* parent) : QWidget(parent) {}

void TGraphicControl::mousePressEvent(QMouseEvent* e) { MousePressed(*e); }
void TGraphicControl::mouseMoveEvent(QMouseEvent* e) { MouseMoved(*e); }
void TGraphicControl::mouseReleaseEvent(QMouseEvent* e) {
  MouseReleased(*e, rect().contains(e->position().toPoint()));
}
void TGraphicControl::mouseDoubleClickEvent(QMouseEvent* e) { MousePressed(*e, true); }

void DrawGrayedText(QPainter& painter, const QRect& r, int flags, const QString& text) {
  painter.setPen(ToQColor(clBtnHighlight));
  painter.drawText(r.translated(1, 1), flags, text);
  painter.setPen(ToQColor(clGrayText));
  painter.drawText(r, flags, text);
}

QColor DrawOutlinedText(QPainter& painter, const QRect& r, int flags, const QString& text, const QColor& ink,
                        bool enabled) {
  const QColor pen = enabled ? ink : ToQColor(clGrayText);
  const QColor rim = enabled ? ToQColor(OutlineColorFor(FromQColor(ink))) : ToQColor(clBtnHighlight);
  painter.setPen(rim);
  for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
    painter.drawText(r.translated(d), flags, text);
  painter.setPen(pen);
  painter.drawText(r, flags, text);
  return rim;
}

// --- Edges

QRect DrawEdge(QPainter& painter, QRect r, TColor topLeft, TColor bottomRight, int width) {
  const QColor tl = ToQColor(topLeft), br = ToQColor(bottomRight);
  for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    painter.fillRect(x, y, w - 1, 1, tl);          // top, without the top-right corner
    painter.fillRect(x, y, 1, h - 1, tl);          // left, without the bottom-left corner
    painter.fillRect(x, y + h - 1, w, 1, br);      // bottom
    painter.fillRect(x + w - 1, y, 1, h, br);      // right
    r.adjust(1, 1, -1, -1);
  }
  return r;
}

namespace {

// Pixels of the picture's transparent colour become see-through.
QImage WithTransparency(const QImage& picture, TColor transparent) {
  QImage out = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = ToQRgb(transparent) & 0xFFFFFF;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
  }
  return out;
}

}  // namespace

// --- TSpeedButton

TSpeedButton::TSpeedButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QAbstractButton::clicked, this, [this] { Clicked(); });
}

TSpeedButton::TSpeedButton(const QString& caption, QWidget* parent) : TSpeedButton(parent) {
  setText(caption);
}

void TSpeedButton::SetGlyph(const QImage& glyph) {
  glyph_ = glyph;
  update();
}

void TSpeedButton::SetGlyphSide(int side) {
  glyphSide_ = side;
  update();
}

void TSpeedButton::SetGroupIndex(int index) {
  groupIndex_ = index;
  setCheckable(index > 0);
}

void TSpeedButton::SetDown(bool down) {
  if (groupIndex_ <= 0 || down == isChecked()) return;
  setChecked(down);
  if (!down || !parentWidget()) return;
  for (auto* other : parentWidget()->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly))
    if (other != this && other->groupIndex_ == groupIndex_) other->setChecked(false);
}

void TSpeedButton::nextCheckState() {
  if (!isChecked()) SetDown(true);
  else if (AllowAllUp) setChecked(false);
}

void TSpeedButton::Clicked() {
  if (OnClick) OnClick();
}

void TSpeedButton::enterEvent(QEnterEvent* event) {
  hot_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void TSpeedButton::leaveEvent(QEvent* event) {
  hot_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

QPixmap TSpeedButton::Shown(bool enabled) const {
  if (glyph_.isNull()) return {};
  const TColor key = FromQRgb(glyph_.pixel(0, glyph_.height() - 1));
  QImage image = WithTransparency(glyph_, key);
  if (glyphSide_ > 0) image = image.scaled(glyphSide_, glyphSide_);
  if (!enabled) {
    // Greyed: the glyph's shape in gray over the same shape in white, one pixel down-right.
    QImage grey(image.size() + QSize(1, 1), QImage::Format_ARGB32);
    grey.fill(Qt::transparent);
    for (int pass = 0; pass < 2; ++pass) {
      const QRgb c = pass == 0 ? qRgb(255, 255, 255) : qRgb(128, 128, 128);
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (qAlpha(image.pixel(x, y)) != 0 && qGray(image.pixel(x, y)) < 192)
            grey.setPixel(x + 1 - pass, y + 1 - pass, c);
    }
    image = grey;
  }
  return QPixmap::fromImage(image);
}

QSize TSpeedButton::sizeHint() const {
  const QSize g = glyph_.isNull() ? QSize() : glyphSide_ > 0 ? QSize(glyphSide_, glyphSide_) : glyph_.size();
  const QSize t = fontMetrics().size(Qt::TextSingleLine, text());
  return {std::max(g.width(), t.width()) + 8, g.height() + (g.isEmpty() ? 0 : 4) + t.height() + 8};
}

void TSpeedButton::paintEvent(QPaintEvent*) {
  paintrecord::BeginPaint(this);
  QPainter p(this);
  const bool sunk = isDown() || isChecked();
  if (sunk) DrawEdge(p, rect(), clBtnShadow, clBtnHighlight, 1);
  else if (hot_ && isEnabled()) DrawEdge(p, rect(), clBtnHighlight, clBtnShadow, 1);
  const int shift = sunk ? 1 : 0;

  const QPixmap glyph = Shown(isEnabled());
  const bool hasText = !text().isEmpty();
  const QSize ts = hasText ? fontMetrics().size(Qt::TextSingleLine, text()) : QSize();
  const int spacing = !glyph.isNull() && hasText ? 4 : 0;
  const int block = glyph.height() + spacing + ts.height();
  int y = (height() - block) / 2 + shift;
  if (!glyph.isNull()) {
    p.drawPixmap((width() - glyph.width()) / 2 + shift, y, glyph);
    y += glyph.height() + spacing;
  }
  if (!hasText) return;
  const QRect textRect((width() - ts.width()) / 2 + shift, y, ts.width(), ts.height());
  if (OutlinedCaption) {
    constexpr int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    const QColor rim = DrawOutlinedText(p, textRect, flags, text(), palette().color(QPalette::ButtonText), isEnabled());
    paintrecord::AddPainterText(this, p, textRect, flags, text(), rim.rgb() & 0xFFFFFFu);
    return;
  }
  if (isEnabled()) {
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    paintrecord::AddPainterText(this, p, textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
  } else {
    DrawGrayedText(p, textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    paintrecord::AddPainterText(this, p, textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
  }
}

// --- TPanel

TPanel::TPanel(QWidget* parent) : TGraphicControl(parent) { UpdateMargins(); }

int TPanel::Inset() const {
  return (bevelOuter_ != bvNone ? bevelWidth_ : 0) + borderWidth_ +
         (bevelInner_ != bvNone ? bevelWidth_ : 0);
}

void TPanel::UpdateMargins() {
  const int i = Inset();
  setContentsMargins(i, i, i, i);
  update();
}

void TPanel::SetBevelOuter(TBevelCut cut) {
  bevelOuter_ = cut;
  UpdateMargins();
}
void TPanel::SetBevelInner(TBevelCut cut) {
  bevelInner_ = cut;
  UpdateMargins();
}
void TPanel::SetBevelWidth(int width) {
  bevelWidth_ = std::max(0, width);
  UpdateMargins();
}
void TPanel::SetBorderWidth(int width) {
  borderWidth_ = std::max(0, width);
  UpdateMargins();
}
void TPanel::SetColor(TColor color) {
  color_ = color;
  update();
}
void TPanel::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}
void TPanel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  update();
}

void TPanel::paintEvent(QPaintEvent*) {
  paintrecord::BeginPaint(this);
  QPainter p(this);
  p.fillRect(rect(), ToQColor(color_));
  auto bevel = [&](QRect r, TBevelCut cut) {
    switch (cut) {
      case bvRaised: return DrawEdge(p, r, clBtnHighlight, clBtnShadow, bevelWidth_);
      case bvLowered: return DrawEdge(p, r, clBtnShadow, clBtnHighlight, bevelWidth_);
      case bvSpace: return r.adjusted(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
      case bvNone: break;
    }
    return r;
  };
  QRect r = bevel(rect(), bevelOuter_);
  r.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
  r = bevel(r, bevelInner_);
  if (caption_.isEmpty()) return;
  const Qt::Alignment h = alignment_ == taLeftJustify    ? Qt::AlignLeft
                          : alignment_ == taRightJustify ? Qt::AlignRight
                                                         : Qt::AlignHCenter;
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(r, h | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
  paintrecord::AddPainterText(this, p, r, h | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

// --- TBevel

TBevel::TBevel(QWidget* parent, TBevelShape shape, TBevelStyle style)
    : TGraphicControl(parent), shape_(shape), style_(style) {}

void TBevel::SetShape(TBevelShape shape) {
  shape_ = shape;
  update();
}

void TBevel::SetStyle(TBevelStyle style) {
  style_ = style;
  update();
}

void TBevel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // First colour: top and left (the shadow when lowered); second: bottom and right.
  const TColor a = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
  const TColor b = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
  const int w = width(), h = height();
  switch (shape_) {
    case bsBox: DrawEdge(p, rect(), a, b, 1); break;
    case bsFrame:  // an etched groove (or ridge): two outlines one pixel apart
      DrawEdge(p, QRect(1, 1, w - 1, h - 1), b, b, 1);
      DrawEdge(p, QRect(0, 0, w - 1, h - 1), a, a, 1);
      break;
    case bsTopLine:
      p.fillRect(0, 0, w, 1, ToQColor(a));
      p.fillRect(0, 1, w, 1, ToQColor(b));
      break;
    case bsBottomLine:
      p.fillRect(0, h - 2, w, 1, ToQColor(a));
      p.fillRect(0, h - 1, w, 1, ToQColor(b));
      break;
    case bsLeftLine:
      p.fillRect(0, 0, 1, h, ToQColor(a));
      p.fillRect(1, 0, 1, h, ToQColor(b));
      break;
    case bsRightLine:
      p.fillRect(w - 2, 0, 1, h, ToQColor(a));
      p.fillRect(w - 1, 0, 1, h, ToQColor(b));
      break;
    case bsSpacer: break;
  }
}

// --- TShape

TShape::TShape(QWidget* parent, TShapeType shape) : TGraphicControl(parent), shape_(shape) {}

void TShape::SetShape(TShapeType shape) {
  shape_ = shape;
  update();
}
void TShape::SetPen(const TPen& pen) {
  pen_ = pen;
  update();
}
void TShape::SetBrush(const TBrush& brush) {
  brush_ = brush;
  update();
}
void TShape::SetPenColor(TColor color) {
  pen_.Color = color;
  update();
}
void TShape::SetBrushColor(TColor color) {
  brush_.Color = color;
  update();
}

void TShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect r = rect();
  if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
    const int side = std::min(r.width(), r.height());
    r = QRect((r.width() - side) / 2, (r.height() - side) / 2, side, side);
  }
  const int pw = pen_.Style == psClear ? 0 : std::max(1, pen_.Width);
  // The pen stays inside the control: the figure's outline runs pw / 2 inside its bounds.
  const QRect figure = r.adjusted(pw / 2, pw / 2, -(pw + 1) / 2, -(pw + 1) / 2);
  static const Qt::BrushStyle kHatch[] = {Qt::SolidPattern, Qt::NoBrush,        Qt::HorPattern,
                                          Qt::VerPattern,   Qt::FDiagPattern,   Qt::BDiagPattern,
                                          Qt::CrossPattern, Qt::DiagCrossPattern};
  p.setBrush(QBrush(ToQColor(brush_.Color), kHatch[brush_.Style]));
  if (pw == 0) p.setPen(Qt::NoPen);
  else {
    static const Qt::PenStyle kStyle[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                          Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
    QPen pen(ToQColor(pen_.Color), pw, kStyle[pen_.Style]);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
  }
  switch (shape_) {
    case stRectangle:
    case stSquare: p.drawRect(figure); break;
    case stRoundRect:
    case stRoundSquare: {
      const int radius = std::min(figure.width(), figure.height()) / 4;
      p.drawRoundedRect(figure, radius, radius);
      break;
    }
    case stEllipse:
    case stCircle: p.drawEllipse(figure); break;
  }
}

// --- TImage

TImage::TImage(QWidget* parent) : TGraphicControl(parent) {
  picture_.Canvas().OnChange = [this](const QRect&) { Changed(); };
}

void TImage::LoadFromFile(const QString& name) {
  picture_.LoadFromFile(name);
  Changed();
}

void TImage::Assign(const QImage& image) {
  picture_.Assign(image);
  Changed();
}

void TImage::Clear() {
  picture_.SetSize(0, 0);
  Changed();
}

void TImage::Changed() {
  stale_ = true;
  update();
}

void TImage::SetStretch(bool on) {
  stretch_ = on;
  update();
}
void TImage::SetCenter(bool on) {
  center_ = on;
  update();
}
void TImage::SetTransparent(bool on) {
  transparent_ = on;
  Changed();
}

void TImage::paintEvent(QPaintEvent*) {
  if (picture_.Empty() || picture_.Width() == 0 || picture_.Height() == 0) return;
  if (stale_) {
    shown_ = QPixmap::fromImage(transparent_ ? WithTransparency(picture_.Image(), picture_.TransparentColor())
                                             : picture_.Image());
    stale_ = false;
  }
  QPainter p(this);
  QRect at(QPoint(0, 0), shown_.size());
  if (stretch_) at = rect();
  else if (center_) at.moveTo((width() - shown_.width()) / 2, (height() - shown_.height()) / 2);
  p.drawPixmap(at, shown_);
  // The checks see the picture as a figure where it shows.
  paintrecord::BeginPaint(this);
  paintrecord::AddWidgetFigure(this, {.kind = paintrecord::Figure::Picture, .bounds = QRectF(at), .shown = QRectF(at & rect()), .points = {}, .filled = true, .outlined = false, .name = {}});
}

// --- TEdit

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) { SetMaxLength(0); }

void TEdit::SetMaxLength(int length) {
  maxLength_ = std::max(0, length);
  setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

QString TEdit::Filtered(const QString& text) const {
  if (!OnKeyPress) return text;
  QString out;
  for (QChar ch : text) {
    if (!ch.isPrint()) continue;
    QChar c = ch;
    OnKeyPress(c);
    if (!c.isNull() && c.isPrint()) out += c;
  }
  return out;
}

void TEdit::PasteFiltered() {
  if (isReadOnly()) return;
  insert(Filtered(QApplication::clipboard()->text()));
}

void TEdit::keyPressEvent(QKeyEvent* e) {
  if (!OnKeyPress) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  if (e->matches(QKeySequence::Paste)) {
    PasteFiltered();
    e->accept();
    return;
  }
  const QChar typed = KeyChar(e->key(), e->modifiers(), e->text());
  // Enter and Esc belong to the dialog (its default and cancel buttons), not to the filter.
  if (typed.isNull() || typed == QChar(13) || typed == QChar(27)) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  QChar c = typed;
  OnKeyPress(c);
  if (c.isNull()) {
    e->accept();
    return;
  }
  if (c == typed) {
    QLineEdit::keyPressEvent(e);
  } else if (c == QChar(8)) {
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    QLineEdit::keyPressEvent(&backspace);
  } else {
    QKeyEvent other(QEvent::KeyPress, static_cast<int>(c.toUpper().unicode()), e->modifiers(), QString(c));
    QLineEdit::keyPressEvent(&other);
  }
}

void TEdit::inputMethodEvent(QInputMethodEvent* e) {
  if (!OnKeyPress || e->commitString().isEmpty()) {
    QLineEdit::inputMethodEvent(e);
    return;
  }
  QInputMethodEvent filtered(e->preeditString(), e->attributes());
  filtered.setCommitString(Filtered(e->commitString()), e->replacementStart(), e->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
}

void TEdit::contextMenuEvent(QContextMenuEvent* e) {
  std::unique_ptr<QMenu> menu(createStandardContextMenu());
  if (OnKeyPress) {
    for (QAction* a : menu->actions()) {
      if (a->objectName() != QLatin1String("edit-paste")) continue;
      disconnect(a, &QAction::triggered, nullptr, nullptr);
      connect(a, &QAction::triggered, this, [this] { PasteFiltered(); });
    }
  }
  menu->exec(e->globalPos());
}

void TEdit::dropEvent(QDropEvent* e) {
  if (!OnKeyPress || !e->mimeData()->hasText()) {
    QLineEdit::dropEvent(e);
    return;
  }
  if (isReadOnly()) return;
  setCursorPosition(cursorPositionAt(e->position().toPoint()));
  insert(Filtered(e->mimeData()->text()));
  e->acceptProposedAction();
}
