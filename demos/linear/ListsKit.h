#pragma once
// The drawn generalized list in head-and-tail form: every list node a box with a tag field
// and the pointer fields hp (head, drawn one row down) and tp (tail, drawn to the right),
// every atom a box with a tag field and its letter. The view parses a list's text into such
// a tree (Build) or lets a demonstration grow one node by node. Nodes are painted, not
// controls.
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "framework/drawkit/KitControl.h"
#include "framework/drawkit/NodeContainer.h"
#include "platform/Font.h"

class TListsNode {
 public:
  bool Focus = false;   // under at least one pointer mark
  int Number = 0;       // list nodes 1, 2, ... in parse order; an atom takes the next number
  int Tag = 1;          // 0 atom, 1 list
  int ShownTag = 1;
  bool Marked = false;
  QChar Letter;         // the atom, or the list's identifier letter
  std::unique_ptr<TListsNode> hp;  // the real links own what they point at
  std::unique_ptr<TListsNode> tp;
  TListsNode* ShownHp = nullptr;   // the links as drawn
  TListsNode* ShownTp = nullptr;
  bool HpVisible = true;
  bool TpVisible = true;
  int Row = 0;          // nesting depth
  int Column = 0;

  // A node of the given tag at a place; its shown tag follows the tag.
  static std::unique_ptr<TListsNode> Make(int tag, QChar letter, int number, int row, int column);
  // Sets the real and the shown head (tail) together.
  void SetHp(std::unique_ptr<TListsNode> node);
  void SetTp(std::unique_ptr<TListsNode> node);
};

// Splits the first element off a list body: hsub gets the text before the first comma at
// nesting level 0 (all of sub when there is none), sub what follows it.
void SeverList(QString& sub, QString& hsub);

// Where pointer marks go. Each callout is Width wide and two thirds of 1.2 u high
// (textHeight where that is more); its tip points down at the left part of its node's box.
// Marks are placed in order, each at the nearest place left of its node (then above the node,
// then a tier higher) where its callout lies inside area and meets none of blocks (nodes,
// labels) nor a callout placed before it, no line crosses it, and its tail crosses none of
// blocks but its own node; where every place meets something, the one that meets least.
struct TMarkPlace {
  QRect Body;  // the callout's box, holding the mark's name
  QPoint Tip;
};
struct TMarkRequest {
  QRect Box;  // the node's box
  int Width = 0;
};
std::vector<TMarkPlace> PlaceMarks(const std::vector<TMarkRequest>& marks, int u, const QRect& area,
                                   const std::vector<QRect>& blocks, const std::vector<QLine>& lines,
                                   int textHeight = 0);
// The tail of a callout: the two corners of its base on the body's bottom edge (on the side
// nearer the tip) and the tip.
std::array<QPoint, 3> MarkTail(const TMarkPlace& place, int u);

// Whether text is a well-formed list: "(" ... ")" of single letters and lists separated by
// commas, blanks anywhere, "()" the empty list, nothing before or after the outer list.
bool CheckListSyntax(const QString& text);

// The element of the written list s that the node at path stands for, path being the head
// ('h') and tail ('t') links from the root: "a" for an atom, "(b,c)" for a list node (a tail
// stands for the list of the elements left); nothing where the path leads to no node.
std::optional<QString> ListElementAt(const QString& s, const QString& path);

class TLists : public TNodeContainer {
 public:
  explicit TLists(QWidget* parent = nullptr);
  ~TLists() override;

  int Row() const { return row_; }
  int Column() const { return column_; }
  void SetRow(int row);
  void SetColumn(int column);

  enum ColorIndex {
    NodeLColor = 1, NodeRColor, NodeTColor, LineColor, MarkedLColor, FocusRColor, FocusTColor,
    ModifiedLineColor, IDColor, NodeBorderColor
  };
  TColor Colors(int index) const { return colors_[static_cast<std::size_t>(index - 1)]; }
  void SetColor(int index, TColor color);

  // 1 = row offset, 2 = column offset, in cells.
  void SetOffset(int which, double value);
  double RowOffset() const { return rowOffset_; }
  double ColumnOffset() const { return columnOffset_; }

  QChar IdLetter = QLatin1Char('n');

  // Rebuilds the tree from a list's text, cut to the grid: levels from Row down and elements
  // past the last column are not drawn. The marks are detached; the drawing is centred.
  void Build(const QString& s);
  TListsNode* Root() const { return root_.get(); }
  void SetRoot(std::unique_ptr<TListsNode> root);
  // The deepest level and the last column Build reached.
  int Deepest() const { return deepest_; }
  int LastColumn() const { return columnCounter_; }
  // Whether Build would draw the list whole on a grid of row x column.
  static bool Fits(const QString& s, int row, int column);
  // The rows and columns Build needs to draw the list whole.
  static QSize GridFor(const QString& s);
  // Rows and columns as many as the list needs, at least the given ones.
  void MakeRoomFor(const QString& s, int leastRow, int leastColumn);

  // One line per node drawn, in the order drawn: its label and box, and for a list node
  // where its hp and tp lead ("n1 40,30 36x12 hp A2 tp n3"; "^" for nil, "-" for a link
  // not drawn yet); then the marks and the list text.
  QString DrawingText() const override;
  // The nodes' boxes, the head and tail links drawn, and the pointer marks on their nodes.
  std::vector<TDrawnShape> DrawingShapes() const override;

  // What the drawn list stands for, so that its fields are held to it: the written list the
  // tree is (or is being) made of, read from the algorithm or the demonstration's model; and
  // whether an atom's letter is set yet (none: every atom has its letter). The node is only a
  // key: it may be gone.
  std::function<std::optional<QString>()> Source;
  std::function<bool(const TListsNode* atom)> LetterSet;
  // What the list text along the bottom stands for: its whole text (none: nothing).
  std::function<std::optional<QString>()> ListTextStands;
  // The longest list text the view will show: the rows keep clear of the band it takes along
  // the bottom, whether or not a text is shown now, so that the deepest row is never drawn
  // under it (empty: no room is kept).
  QString RoomForListText;

  // Pointer mark which (1 .. 3) on node (nullptr detaches it).
  void AttachPointer(int which, TListsNode* node);
  TListsNode* PointerTarget(int which) const;
  void SetPointerName(int which, const QString& name);
  // What mark which stands for; without one, the variable its name names.
  void SetPointerMeaning(int which, const TMarkMeaning& meaning);
  // Mark which stands for the node node() gives (the innermost call's, in the demonstration's
  // model of the calls): none, the mark is not shown.
  void SetPointerNode(int which, std::function<const TListsNode*()> node);
  void DetachPointers();
  // A node as DrawingShapes() reports it; none for no node or one not drawn.
  TShapeRef ShapeOf(const TListsNode* node) const;

  void SetListText(const QString& s);
  const QString& ListText() const { return listText_; }
  void SetMark(int index);
  int MarkIndex() const { return markIndex_; }

  // " n1", " A3", "n12"; "NIL" for no node.
  static QString NodeText(const TListsNode* node);

 protected:
  void Paint() override;

 private:
  void ParseList(const QString& s, std::unique_ptr<TListsNode>& node, int depth);
  struct Metrics {
    int cellW = 0, cellH = 0, u = 0;
  };
  Metrics Measure() const;
  QRect NodeBox(const TListsNode& node, const Metrics& m) const;
  // The nodes in the order they are drawn: the root, then the head's subtree before the tail's.
  std::vector<const TListsNode*> NodesInOrder() const;
  // Each of them with its path from the root (ListElementAt), in the same order.
  std::vector<std::pair<const TListsNode*, QString>> NodePaths() const;
  // A list text set for metrics: its font, its lines (ListTextLines), their height and the
  // widest; what it was made for is kept with it.
  struct TTextLayout {
    QString Text;
    QString Room;
    int Width = 0;
    int Unit = 0;
    int Least = 0;
    TFont Font;
    std::vector<std::pair<int, int>> Lines;
    int LineHeight = 0;
    int Widest = 0;
  };
  // The layout of text, kept for the text the room is kept for and the text shown: one paint
  // and the shapes read each several times.
  TTextLayout ListTextLayout(const Metrics& m, const QString& text) const;
  mutable std::array<std::optional<TTextLayout>, 2> textLayouts_;
  mutable std::size_t nextLayout_ = 0;
  // The box of the list text along the bottom (empty without one).
  QRect ListTextBox(const TTextLayout& layout) const;
  TFont ListTextFont(const Metrics& m, const QString& text) const;
  int ListTextWidth() const;
  // Where each line of text starts and how long it is: one line where it fits at a legible
  // size, else broken after commas.
  std::vector<std::pair<int, int>> ListTextLines(const QString& text, const TFont& font) const;
  // The height of the band kept for RoomForListText.
  int ListTextRoom(const Metrics& m) const;
  // The list text as it is written: the marked character apart from the text on either side.
  struct TTextPiece {
    QRect Box;
    QString Text;
    int From = 0;  // where in the text it starts
    bool Marked = false;
  };
  std::vector<TTextPiece> ListTextPieces(const TTextLayout& layout) const;
  // The line of a list node's head (or tail) link to its shown target, from the middle of its
  // field; empty for a nil link.
  std::vector<QPoint> LinkPath(const TListsNode& node, bool head, const Metrics& m) const;
  // Where each pointer mark standing on a node is drawn, its name in font (none for a mark
  // without a node).
  std::array<std::optional<TMarkPlace>, 3> MarkPlaces(const Metrics& m, const TFont& font) const;
  // A node's address label above its box, in the labels' font.
  QRect LabelBox(const TListsNode& node, const Metrics& m) const;
  TFont LabelFont(const Metrics& m) const;
  // The one font of the marks' names, fitted to their callouts.
  TFont MarkFont(const Metrics& m) const;
  void PaintNode(TCanvas& c, const TListsNode& node, const Metrics& m);
  void PaintPointer(TCanvas& c, int which, const TMarkPlace& place, const Metrics& m, const TFont& font);
  void PaintListText(TCanvas& c, const Metrics& m);

  int row_ = 8;
  int column_ = 8;
  std::array<TColor, 10> colors_;
  double rowOffset_ = 0;
  double columnOffset_ = 0;
  std::unique_ptr<TListsNode> root_;
  struct Pointer {
    TListsNode* target = nullptr;
    QString name;
    std::optional<TMarkMeaning> means;
  };
  std::array<Pointer, 3> pointers_;
  QString listText_;
  int markIndex_ = 0;
  int deepest_ = 0;
  int columnCounter_ = 0;
  int nodeCounter_ = 1;
};
