#pragma once
// What the program has drawn, in words: the texts, lines and figures each canvas put on its
// image, kept so that the scripted driver can say which texts a user sees, where, how large
// and against what (`print texts`), check that they are legible, and hold the shapes a
// drawing reports to what it painted (`check drawing`).
//
// Off in the program (every call returns at once); the scripted driver and the tests turn it
// on before any window is made. Per image the record keeps what is still visible: a figure or
// block copy drawn later removes the texts it hides wholly, marks those it hides in part, and
// cuts the lines it hides; filling the whole image starts the record afresh.
#include <QColor>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

class QImage;
class QPainter;
class QWidget;

namespace paintrecord {

bool Enabled();
void SetEnabled(bool on);

struct Text {
  QString text;
  QRect box;          // the glyphs' own extent, image pixels
  QRect shown;        // the part of the box inside the clip and the image
  int px = 0;         // the font's pixel height
  QRgb ink = 0;       // 0xRRGGBB
  std::optional<QRgb> back;  // an outline's, halo's or opaque cell's colour
  bool partlyHidden = false; // a later figure covers part of it
  QString name{};             // the Named scope it was drawn in
};

struct Segment {
  QLineF line;  // image pixels
  int width = 1;
  QString name{};
};

// A closed figure or a picture: a rectangle, rounded rectangle, ellipse, polygon or bitmap.
struct Figure {
  enum Kind { Rect, RoundRect, Ellipse, Polygon, Picture } kind = Rect;
  QRectF bounds;          // the whole figure, image pixels (the right and bottom edges outside)
  QRectF shown;           // the part of it inside the clip and the image
  QList<QPointF> points;  // Polygon: its corners, in order
  bool filled = false;    // an opaque brush (a picture is filled)
  bool outlined = false;  // a visible pen drew its edge
  QString name{};
};

struct Record {
  std::vector<Text> texts;
  std::vector<Segment> segments;
  std::vector<Figure> figures;
  bool ground = false;  // the record started afresh with the whole image filled opaque
};

// What a control paints while one lives carries its name (the innermost one's), so that a
// check can tell whose stroke is whose: `paintrecord::Named node(QStringLiteral("n3"));`.
class Named {
 public:
  explicit Named(const QString& name);
  ~Named();
  Named(const Named&) = delete;
  Named& operator=(const Named&) = delete;
};
// The innermost live name; empty outside every Named scope.
QString CurrentName();

// A figure that hides what lies under it.
struct Cover {
  enum Kind { Rect, Ellipse, Polygon } kind = Rect;
  QRectF bounds;
  QList<QPointF> points;  // Polygon: convex, in order
  bool Contains(QPointF p) const;
};

// --- What canvases report (image pixels; clip = the canvas's device clip)
void AddText(const QImage* image, const QString& text, const QFont& font, QPoint baselineStart,
             QRgb ink, std::optional<QRgb> back, const QRect& clip);
void AddLine(const QImage* image, QPointF a, QPointF b, int width, const QRect& clip);
void AddCover(const QImage* image, const Cover& cover, const QRect& clip);
// A figure drawn: its fill (an opaque one hides what it covers, as AddCover) and its kind and
// place; a figure partly off the image is kept as far as it shows. The outline's lines are
// reported apart (AddLine).
void AddFigure(const QImage* image, const Figure& figure, const Cover& cover, const QRect& clip);
// A block copy of source's sourceRect onto dest (both in image pixels); opaque copies hide
// what was below. Texts and lines recorded on the source come along, scaled to dest.
void AddBlit(const QImage* image, const QImage* source, const QRectF& sourceRect, const QRectF& dest,
             bool opaque, const QRect& clip);
// Texts drawn between BeginGroup and EndGroup on one image are one text: a shadow, or with a
// halo, an outline drawn as several copies around the text itself (the last one drawn); the
// halo is its ground unless the text itself was drawn on an opaque cell, which covers it.
void BeginGroup(const QImage* image, std::optional<QRgb> halo);
void EndGroup(const QImage* image);
// The image is gone or holds something else now.
void Forget(const QImage* image);
// The image has a new size and keeps what it held at the same place (a canvas resized): its
// record keeps what still lies inside it. Otherwise a record is started afresh when its
// image's size changes.
void Resized(const QImage* image);
const Record* Find(const QImage* image);

// --- Where records are seen
// The image is shown on widget with its top-left at the widget's (0, 0), for as long as both
// live (a painted control's backing image, a grid's cells).
void ShowOn(const QImage* image, QWidget* widget);
// A widget that paints through a temporary image keeps a copy of that image's record as what
// it shows (taken at its paint, replacing the one before); the image's own record is dropped.
void Adopt(QWidget* widget, const QImage* image);
// A text a widget painted itself, in widget pixels; a widget's painted texts are replaced at
// each paint (BeginPaint).
void BeginPaint(QWidget* widget);
void AddWidgetText(QWidget* widget, const QString& text, const QFont& font, const QRect& box, QRgb ink,
                   std::optional<QRgb> back = std::nullopt);
// A figure a widget painted itself (a picture control's bitmap), in widget pixels.
void AddWidgetFigure(QWidget* widget, const Figure& figure);

// The same for a text a widget draws with painter in its pen and font (before or after
// drawing it): in rect with Qt's alignment flags, or from the start of its baseline.
void AddPainterText(QWidget* widget, const QPainter& painter, const QRect& rect, int flags, const QString& text,
                    std::optional<QRgb> back = std::nullopt);
void AddPainterText(QWidget* widget, const QPainter& painter, QPoint baselineStart, const QString& text);

struct Shown {
  QWidget* widget = nullptr;
  Record record;  // a copy, in widget pixels
};
// Every live widget with a record, in no particular order.
std::vector<Shown> AllShown();
// The record of one widget (as AllShown gives it); nothing for a widget without one.
std::optional<Record> ShownBy(const QWidget* widget);

// The glyphs' box of text drawn in font from the start of its baseline.
QRect InkBox(const QString& text, const QFont& font, QPoint baselineStart);
// The font's pixel height.
int PixelHeight(const QFont& font);

// Whether a segment's visible part passes through a rectangle.
bool Crosses(const QLineF& line, const QRectF& rect);
// The parts of line outside cover, as parameter intervals' end points.
std::vector<QLineF> Uncovered(const QLineF& line, const Cover& cover);

}  // namespace paintrecord
