#pragma once
// The frames a running demonstration docks its windows into: one pane, three panes with a
// tall left pane, three panes with a wide top pane, or two panes side by side. Each pane has
// a title bar (a "◆" and the caption over a dotted stripe in the theme's colour of the pane's
// level) and, in the frames of more than one pane, a fold button that enlarges the pane to the
// whole frame and back; a double click on the title bar does the same. Splitters between the
// panes can be dragged.
#include <QList>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

#include "platform/Bitmap.h"
#include "framework/drawkit/ThemedControls.h"
#include "platform/PaintBox.h"

class QSplitter;
class QToolButton;
class TSplitPane;

// Sizes of the title bars and fold buttons for a screen height.
struct TitleBarMetrics {
  int height = 0;      // Screen.Height div 27
  int fontHeight = 0;  // Screen.Height div 33, a cell height
  int buttonSide = 0;  // height - 4
  static TitleBarMetrics ForScreenHeight(int screenHeight);
};

// The title bar at the top of a pane; a double click on it is its pane's fold button.
class TPaneTitle : public TCanvasWidget {
 public:
  TPaneTitle(TSplitPane& pane, int level);
  int Level() const { return level_; }

 protected:
  void Paint() override;

 private:
  TSplitPane& pane_;
  int level_;
};

// One pane: a lowered panel with its title bar, an optional fold button and the docked form.
class TSplitPane : public TZqStaticText {
  Q_OBJECT
 public:
  TSplitPane(int level, bool foldable, QWidget* parent);

  int Level() const { return level_; }
  // The caption shown in the title bar.
  void SetPaneCaption(const QString& caption);
  TPaneTitle* TitleBar() const { return title_; }
  QToolButton* FoldButton() const { return fold_; }  // nullptr in the one-pane frame

  // Places form below the title bar, filling the rest of the pane, and shows it.
  void Dock(QWidget* form);
  QWidget* DockedForm() const { return form_; }
  // Takes the docked form out again (it keeps living, without a parent, hidden).
  void Release();

  // The title bitmap of the pane's level, drawn over the backdrop (owned by the frame).
  void SetTitleBitmap(const TBitmap* bitmap) { titleBitmap_ = bitmap; }
  const TBitmap* TitleBitmap() const { return titleBitmap_; }

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  void Arrange();

  int level_;
  TPaneTitle* title_;
  QToolButton* fold_ = nullptr;
  QPointer<QWidget> form_;
  const TBitmap* titleBitmap_ = nullptr;
};

// What the frames share: panes by number, the fold state, the title bitmaps.
class TSplitWnds : public QWidget {
  Q_OBJECT
 public:
  ~TSplitWnds() override;

  int PaneCount() const { return static_cast<int>(panes_.size()); }
  // Pane 1 .. PaneCount.
  TSplitPane* Pane(int i) const { return panes_.at(i - 1); }
  bool Folded() const { return Folded_; }
  int SavedSize() const { return SavedSize_; }

  // Pane sizes in pixels along the frame's splitters: the first pane's width (or height for
  // the wide-top frame) and, in three-pane frames, the second pane's height (or width).
  virtual void SetPaneSizes(int first, int second) = 0;

  // Enlarges pane i to the whole frame (the fold button or a double click on its title), or
  // restores every pane to the size it had when one is enlarged.
  void ToggleFold(int pane);

  // Takes every docked form out of its pane (before the frame is freed).
  void ReleaseForms();

 protected:
  explicit TSplitWnds(QWidget* parent);
  // Adds the panes in their order and makes their title bitmaps from the current theme.
  void AddPanes(std::initializer_list<TSplitPane*> panes, std::initializer_list<QSplitter*> splitters);
  // Gives the first widget of splitter that extent and the second the rest.
  static void SetSplit(QSplitter& splitter, int first);
  static QSplitter* MakeSplitter(Qt::Orientation orientation, QWidget* parent);
  void SetFoldCaption(int pane, bool enlarged);

  bool Folded_ = false;
  int SavedSize_ = 0;

 private:
  QList<TSplitPane*> panes_;
  QList<QSplitter*> splitters_;  // the outermost first
  QList<QList<int>> savedSizes_;
  std::array<std::unique_ptr<TBitmap>, 3> titleBitmaps_;
};

// One pane filling the frame.
class TSplitWnds1 : public TSplitWnds {
  Q_OBJECT
 public:
  explicit TSplitWnds1(QWidget* parent);
  void SetPaneSizes(int, int) override {}

  TSplitPane* Panel1;
};

// Three panes: pane 1 along one side, a container with panes 2 and 3 beside it.
class TSplitWndsThree : public TSplitWnds {
  Q_OBJECT
 public:
  void SetPaneSizes(int first, int second) override;

  TSplitPane* Panel1;
  TSplitPane* Panel2;
  TSplitPane* Panel3;
  QSplitter* Splitter1;  // between Panel1 and PanelCtn
  QSplitter* PanelCtn;   // holds Panel2 and Panel3; its handle is the second splitter

 protected:
  TSplitWndsThree(Qt::Orientation outer, QWidget* parent);
};

// A tall pane on the left; on the right a pane above another.
class TSplitWnds2 : public TSplitWndsThree {
  Q_OBJECT
 public:
  explicit TSplitWnds2(QWidget* parent);
};

// A wide pane on top; below it a pane beside another.
class TSplitWnds3 : public TSplitWndsThree {
  Q_OBJECT
 public:
  explicit TSplitWnds3(QWidget* parent);
};

// Two panes side by side.
class TSplitWnds4 : public TSplitWnds {
  Q_OBJECT
 public:
  explicit TSplitWnds4(QWidget* parent);
  void SetPaneSizes(int leftWidth, int) override;

  TSplitPane* Panel1;
  TSplitPane* Panel2;
  QSplitter* Splitter1;
};
