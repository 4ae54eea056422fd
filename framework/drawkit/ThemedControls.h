#pragma once
// Small controls that live on the backdrop: a caption panel, an edit whose font follows its
// height, the grids of the algorithm, variable and description windows, and the procedure
// tabs of the algorithm window.
#include <QString>
#include <QTabBar>

#include "framework/drawkit/NodeContainer.h"
#include "platform/Controls.h"
#include "platform/Font.h"
#include "platform/Grid.h"

// A caption on the backdrop (or on its Color when not Transparent) with a raised, lowered or
// no frame. Its font height follows the panel's height when it has a design height.
class TZqStaticText : public TNodeContainer {
 public:
  // Raised, transparent, centred.
  explicit TZqStaticText(QWidget* parent = nullptr);

  TBevelCut Bevel() const { return bevel_; }
  void SetBevel(TBevelCut bevel);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);
  void SetFontColor(TColor color);

  void AfterRescale() override;
  QString DrawingText() const override { return caption_; }
  // A caption that shows the algorithm's state (a result line) says what it stands for: it
  // is then a cell of its whole box, held to those values. Without meanings, no shapes.
  std::vector<TValueMeaning> Stands;
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  void Paint() override;

 private:
  TBevelCut bevel_ = bvRaised;
  bool transparent_ = true;
  QString caption_;
  TAlignment alignment_ = taCenter;
  TFont font_;
};

// The shapes of a box showing text whose glyphs Qt draws (an edit's, not in the paint record):
// a cell of the whole box whose note is the text, held to the meanings (each read as the
// note). Without meanings, no shapes.
std::vector<TDrawnShape> NotedTextCell(const QRect& box, const QString& text, const std::vector<TValueMeaning>& stands);

// A panel holding an edit that fills it; the edit's font is three quarters of the panel's
// height (a cell height), also after every rescale.
class TAutoSizeEdit : public TNodeContainer {
 public:
  explicit TAutoSizeEdit(QWidget* parent = nullptr);

  QString Text() const;
  void SetText(const QString& text);
  // The edit's font; its height is set again by the next rescale.
  TFont Font() const { return font_; }
  void SetFont(const TFont& font);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  bool EditEnabled() const;
  void SetEditEnabled(bool enabled);
  TColor EditColor() const { return editColor_; }
  void SetEditColor(TColor color);

  TEdit& Edit() { return *edit_; }
  void AfterRescale() override;
  QString DrawingText() const override { return Text(); }
  // An edit that shows the algorithm's state (a position, a result) says what it stands for:
  // it is then a cell of its whole box whose note is its text (the edit's own glyphs are
  // not in the paint record), held to those values. Without meanings, no shapes.
  std::vector<TValueMeaning> Stands;
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  void Paint() override;

 private:
  void ApplyEditStyle();
  TEdit* edit_;
  TFont font_;
  TColor editColor_ = clWindow;
};

// Grids whose owners draw every cell over the backdrop themselves;
// DrawBackdrop paints the backdrop under a cell.
class TZqDrawGrid : public TDrawGrid {
 public:
  explicit TZqDrawGrid(QWidget* parent = nullptr);
  void DrawBackdrop(const TRect& cell);
};

class TZqStringGrid : public TStringGrid {
 public:
  explicit TZqStringGrid(QWidget* parent = nullptr);
  void DrawBackdrop(const TRect& cell);
};

// A row of tabs standing on the backdrop: only the tab bar's own background is see-through.
class TZqTabSet : public QTabBar {
 public:
  explicit TZqTabSet(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
