#pragma once
// The small controls of the program's windows that Qt has no close match for: flat speed
// buttons with a glyph above the caption, panels with bevels, bevels, shapes, pictures and
// edits with a key filter. Everything else (check boxes, group boxes, spin boxes, track
// bars, tab bars, tree views, rich edits, splitters, scroll bars, labels, timers) is used
// as Qt's own widget.
#include <QAbstractButton>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QWidget>
#include <functional>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Color.h"
#include "platform/Input.h"

// A control drawn on its parent (no background of its own) that reports mouse actions in
// its client coordinates.
class TGraphicControl : public QWidget, public TMouseHandlers {
 public:
  explicit TGraphicControl(QWidget* parent = nullptr);

  int Tag = 0;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A flat button: no face of its own, a raised edge while the mouse is over it, a sunken one
// while pressed or down. A glyph (its bottom-left pixel's colour is transparent) stands above
// the caption, both centred; a disabled button shows them greyed. Buttons of one GroupIndex
// (> 0) under the same parent are exclusive: clicking one puts it down and the others up.
class TSpeedButton : public QAbstractButton {
 public:
  explicit TSpeedButton(QWidget* parent = nullptr);
  TSpeedButton(const QString& caption, QWidget* parent);

  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }
  // The glyph; a side > 0 draws it stretched to side x side pixels.
  void SetGlyph(const QImage& glyph);
  const QImage& Glyph() const { return glyph_; }
  void SetGlyphSide(int side);
  int GlyphSide() const { return glyphSide_; }

  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index);
  bool AllowAllUp = false;  // a down button of a group comes up when clicked again
  bool Down() const { return isChecked(); }
  void SetDown(bool down);

  int Tag = 0;
  std::function<void()> OnClick;
  // The caption outlined, so that a light or dark colour reads on the button's face: in black
  // or white, whichever stands further from it; disabled, grey outlined in white.
  bool OutlinedCaption = false;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void nextCheckState() override;

 private:
  void Clicked();
  QPixmap Shown(bool enabled) const;

  QImage glyph_;
  int glyphSide_ = 0;
  int groupIndex_ = 0;
  bool hot_ = false;
};

// The caption of a disabled control as the window system greys it: engraved, a white copy
// one pixel down and right under a gray one, whatever colour the caption has when enabled.
void DrawGrayedText(QPainter& painter, const QRect& r, int flags, const QString& text);
// A caption that must read on any ground: enabled, in ink with a one-pixel outline in black or
// white, whichever stands further from it; disabled, grey with the white companion greyed text
// has. Returns the outline's colour.
QColor DrawOutlinedText(QPainter& painter, const QRect& r, int flags, const QString& text, const QColor& ink,
                        bool enabled);

// Edges of a panel or bevel.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Draws a raised or sunken edge of width rings inside r: top and left in topLeft, bottom and
// right in bottomRight. Returns the rectangle inside the edge.
QRect DrawEdge(QPainter& painter, QRect r, TColor topLeft, TColor bottomRight, int width);

// A panel: filled with Color, an outer and an inner bevel of BevelWidth with BorderWidth
// between them, and its caption in the middle. Its contents margins are the room the
// bevels and border take, so aligned children and layouts stay inside them.
class TPanel : public TGraphicControl {
 public:
  explicit TPanel(QWidget* parent = nullptr);

  TBevelCut BevelOuter() const { return bevelOuter_; }
  TBevelCut BevelInner() const { return bevelInner_; }
  int BevelWidth() const { return bevelWidth_; }
  int BorderWidth() const { return borderWidth_; }
  void SetBevelOuter(TBevelCut cut);
  void SetBevelInner(TBevelCut cut);
  void SetBevelWidth(int width);
  void SetBorderWidth(int width);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

  // The width of the bevels and border on each side.
  int Inset() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void UpdateMargins();

  TBevelCut bevelOuter_ = bvRaised;
  TBevelCut bevelInner_ = bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TColor color_ = clBtnFace;
  QString caption_;
  TAlignment alignment_ = taCenter;
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

// A bevel: a sunken or raised box, an etched frame or one line at an edge; nothing inside.
class TBevel : public TGraphicControl {
 public:
  explicit TBevel(QWidget* parent = nullptr, TBevelShape shape = bsBox, TBevelStyle style = bsLowered);
  TBevelShape Shape() const { return shape_; }
  TBevelStyle Style() const { return style_; }
  void SetShape(TBevelShape shape);
  void SetStyle(TBevelStyle style);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TBevelShape shape_;
  TBevelStyle style_;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A shape outlined with the pen and filled with the brush (a clear brush leaves it hollow).
// The square and circle kinds use the largest square centred in the control.
class TShape : public TGraphicControl {
 public:
  explicit TShape(QWidget* parent = nullptr, TShapeType shape = stRectangle);
  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType shape);
  const TPen& Pen() const { return pen_; }
  const TBrush& Brush() const { return brush_; }
  void SetPen(const TPen& pen);
  void SetBrush(const TBrush& brush);
  void SetPenColor(TColor color);
  void SetBrushColor(TColor color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TShapeType shape_;
  TPen pen_;
  TBrush brush_;
};

// A picture control over a bitmap of its own. Drawing on Picture().Canvas() shows at the
// next paint; after changing the bitmap's pixels another way, call Changed(). Stretch scales
// the picture to the control, Center centres it, and Transparent leaves out the pixels of
// the bitmap's transparent colour.
class TImage : public TGraphicControl {
 public:
  explicit TImage(QWidget* parent = nullptr);

  TBitmap& Picture() { return picture_; }
  const TBitmap& Picture() const { return picture_; }
  // Loads from the program's folders (see TBitmap::LoadFromFile); throws when unreadable.
  void LoadFromFile(const QString& name);
  void Assign(const QImage& image);
  void Clear();  // drops the picture
  void Changed();

  bool Stretch() const { return stretch_; }
  bool Center() const { return center_; }
  bool Transparent() const { return transparent_; }
  void SetStretch(bool on);
  void SetCenter(bool on);
  void SetTransparent(bool on);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TBitmap picture_;
  QPixmap shown_;  // the picture as painted (transparency applied), made on demand
  bool stale_ = true;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
};

// A one-line edit whose typed characters pass OnKeyPress first (set the character to 0 to
// refuse it, or change it); pasted, dropped and input-method text passes the same filter,
// character by character. MaxLength 0 means no limit.
class TEdit : public QLineEdit {
 public:
  explicit TEdit(QWidget* parent = nullptr);

  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length);
  int Tag = 0;
  std::function<void(QChar& key)> OnKeyPress;

  // The text as the filter lets it through.
  QString Filtered(const QString& text) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void PasteFiltered();
  int maxLength_ = 0;
};
