#pragma once
// Node rectangles: the base of every drawn node (list and tree nodes, stack rows, graph and
// matrix boxes). Its caption is a list of positioned pieces, "x,y,text,x,y,text…", each
// drawn centred on x with its baseline on y and a black shadow one pixel down and right.
#include <QString>
#include <vector>

struct TCaptionPiece {
  int X = 0;
  int Y = 0;
  QString Text;
};

// The pieces of a caption list. Reading stops at an empty field, at a piece whose text is
// empty, and at a position that is not an integer (the pieces before it are kept). After each
// field the rest of the list is cut to 200 bytes, so a very long list loses its tail.
std::vector<TCaptionPiece> ParseCaptionPieces(const QString& captionText);
