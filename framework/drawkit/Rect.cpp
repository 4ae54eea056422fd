#include "framework/drawkit/Rect.h"

#include <QStringList>
#include <utility>

#include "framework/drawkit/DrawTool.h"
#include "platform/TextRules.h"

namespace {

// The text before the next comma (all of it when there is none); rest keeps what follows
// the comma, cut to 200 bytes.
QString NextField(QString& rest) {
  const qsizetype comma = rest.indexOf(',');
  if (comma < 0) return std::exchange(rest, QString());
  QString field = rest.left(comma);
  rest = text::CutToBytes(rest.mid(comma + 1), 200);
  return field;
}

}  // namespace

std::vector<TCaptionPiece> ParseCaptionPieces(const QString& captionText) {
  std::vector<TCaptionPiece> pieces;
  QString rest = captionText + ',';
  for (;;) {
    const QString xField = NextField(rest);
    if (xField.isEmpty()) break;
    const std::optional<int> x = text::ParseInt(xField);
    const std::optional<int> y = text::ParseInt(NextField(rest));
    if (!x || !y) break;  // a malformed piece ends the caption; nothing is thrown out of a paint
    QString pieceText = NextField(rest);
    if (pieceText.isEmpty()) break;
    pieces.push_back({*x, *y, std::move(pieceText)});
  }
  return pieces;
}

TRectbase::TRectbase(QWidget* parent) : TCanvasWidget(parent) {}

void TRectbase::SetCaptionText(const QString& captionText) {
  captionText_ = captionText;
  Repaint();
}

QString TRectbase::DrawingText() const {
  QStringList texts;
  for (const TCaptionPiece& piece : ParseCaptionPieces(captionText_)) texts << piece.Text;
  return texts.join(' ');
}

std::vector<TDrawnShape> TRectbase::DrawingShapes() const {
  TDrawnShape node = TDrawnShape::NodeAt(rect(), DrawingText());
  node.Stands = Stands;
  return {node};
}

void TRectbase::SetShadow(int depth) {
  shadow_ = depth;
  Repaint();
}

void TRectbase::Paint() {
  TCanvas& c = Canvas();
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_CENTER | TA_BASELINE);
  c.Font = Font;
  for (const TCaptionPiece& piece : ParseCaptionPieces(captionText_))
    TextOutShadow(c, piece.X, piece.Y, piece.Text, Font.Color);
}
