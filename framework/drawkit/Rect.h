#pragma once
// Node rectangles: the base of every drawn node (list and tree nodes, stack rows, graph and
// matrix boxes). Its caption is a list of positioned pieces, "x,y,text,x,y,text…", each
// drawn centred on x with its baseline on y and a black shadow one pixel down and right.
#include <QString>
#include <vector>

#include "framework/drawkit/KitControl.h"
#include "platform/Font.h"
#include "platform/PaintBox.h"

struct TCaptionPiece {
  int X = 0;
  int Y = 0;
  QString Text;
};

// The pieces of a caption list. Reading stops at an empty field, at a piece whose text is
// empty, and at a position that is not an integer (the pieces before it are kept). After each
// field the rest of the list is cut to 200 bytes, so a very long list loses its tail.
std::vector<TCaptionPiece> ParseCaptionPieces(const QString& captionText);

// Base of the drawn nodes. It never erases its background: a node class paints its whole
// body in Paint, then calls TRectbase::Paint for the caption.
class TRectbase : public TCanvasWidget, public TKitControl {
 public:
  explicit TRectbase(QWidget* parent = nullptr);

  const QString& CaptionText() const { return captionText_; }
  // Stores the caption list and repaints.
  virtual void SetCaptionText(const QString& captionText);

  // Depth of the drop shadow that node classes draw; setting it repaints.
  int Shadow() const { return shadow_; }
  void SetShadow(int depth);

  // The caption's font and colour.
  TFont Font;

  // What the caption's values stand for in the algorithm (a list node's letter: its record's
  // data field), set by whoever feeds the node its caption.
  std::vector<TValueMeaning> Stands;

  // The caption pieces' texts joined by one space.
  QString DrawingText() const override;
  // Itself, as a node with that text, standing for Stands.
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  // Draws the caption pieces in Font, transparent, centred on their baseline points.
  void Paint() override;

 private:
  QString captionText_;
  int shadow_ = 0;
};
