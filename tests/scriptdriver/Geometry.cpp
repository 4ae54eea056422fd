#include "tests/scriptdriver/Geometry.h"

#include <QHash>
#include <QLineF>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <map>

#include "framework/drawkit/GraphForm.h"
#include "framework/shell/MainForm.h"
#include "platform/Forms.h"
#include "platform/Screen.h"
#include "platform/PaintRecord.h"
#include "tests/scriptdriver/Drawing.h"
#include "tests/scriptdriver/Painted.h"
#include "tests/scriptdriver/Texts.h"

namespace script {

namespace {

using Kind = TDrawnShape::TKind;

// A mark's tip may stop this far short of its node, or go this far into it.
constexpr double kAimSlack = 2;
// A line may graze a node's edge or a label's by this much.
constexpr double kGraze = 2;
// A mark's head may graze a node, a link or another head by this much.
constexpr double kOntoGraze = 3;
// Two lines nearer than this to each other over more than kAlongLength read as one.
constexpr double kAlongGap = 2;
constexpr double kAlongLength = 8;
// A node's label this much nearer one node than another is not yet nearer.
constexpr double kLabelTie = 1;

QString Box(const QRect& r) {
  return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString TextOrDash(const std::vector<Shape>& all, int i) {
  return i >= 0 ? all[static_cast<std::size_t>(i)].text : QStringLiteral("-");
}

QString LinkName(const std::vector<Shape>& all, const Shape& link) {
  return QuotedDrawingText(TextOrDash(all, link.from) + '>' + TextOrDash(all, link.to));
}

// ---- plane geometry

double DistToSegment(QPointF p, const QLineF& s) {
  const QPointF d = s.p2() - s.p1();
  const double len2 = d.x() * d.x() + d.y() * d.y();
  double t = len2 > 0 ? ((p.x() - s.x1()) * d.x() + (p.y() - s.y1()) * d.y()) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  const QPointF q = s.p1() + t * d;
  return std::hypot(p.x() - q.x(), p.y() - q.y());
}

std::vector<QLineF> Segments(const QPolygon& path) {
  std::vector<QLineF> out;
  for (qsizetype i = 1; i < path.size(); ++i) out.emplace_back(path[i - 1], path[i]);
  if (path.size() == 1) out.emplace_back(path[0], path[0]);
  return out;
}

double DistToPath(QPointF p, const std::vector<QLineF>& segments) {
  double best = 1e18;
  for (const QLineF& s : segments) best = std::min(best, DistToSegment(p, s));
  return best;
}

QRectF Shrunk(const QRect& r, double by) {
  const QRectF f(r);
  if (f.width() <= 2 * by || f.height() <= 2 * by) return QRectF(f.center(), QSizeF(0, 0));
  return f.adjusted(by, by, -by, -by);
}

bool InEllipse(QPointF p, const QRectF& r) {
  const double a = r.width() / 2, b = r.height() / 2;
  if (a <= 0 || b <= 0) return false;
  const double x = (p.x() - r.center().x()) / a, y = (p.y() - r.center().y()) / b;
  return x * x + y * y <= 1;
}

// Whether p lies inside the node, its outline pulled in by inset.
bool InNode(QPointF p, const Shape& n, double inset) {
  const QRectF r = Shrunk(n.box, inset);
  if (r.isEmpty()) return false;
  return n.round ? InEllipse(p, r) : r.contains(p);
}

double DistToNode(QPointF p, const Shape& n) {
  const QRectF r(n.box);
  const double dx = std::max({r.left() - p.x(), 0.0, p.x() - r.right()});
  const double dy = std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()});
  if (!n.round) return std::hypot(dx, dy);
  if (InEllipse(p, r)) return 0;
  // A circle's distance is exact; an ellipse's is sampled.
  if (r.width() == r.height()) return std::max(0.0, std::hypot(p.x() - r.center().x(), p.y() - r.center().y()) - r.width() / 2);
  double best = 1e18;
  for (int k = 0; k < 180; ++k) {
    const double a = k * M_PI / 90;
    const QPointF q(r.center().x() + r.width() / 2 * std::cos(a), r.center().y() + r.height() / 2 * std::sin(a));
    best = std::min(best, std::hypot(p.x() - q.x(), p.y() - q.y()));
  }
  return best;
}

// Whether a line goes through the node, its outline pulled in by kGraze.
bool Through(const QLineF& line, const Shape& n) {
  const QRectF r = Shrunk(n.box, kGraze);
  if (r.isEmpty()) return false;
  if (!n.round) return paintrecord::Crosses(line, r);
  paintrecord::Cover ellipse;
  ellipse.kind = paintrecord::Cover::Ellipse;
  ellipse.bounds = r;
  double outside = 0;
  for (const QLineF& piece : paintrecord::Uncovered(line, ellipse)) outside += piece.length();
  return outside < line.length() - 0.5 || (line.length() == 0 && InEllipse(line.p1(), r));
}

bool PathThrough(const std::vector<QLineF>& segments, const Shape& n) {
  return std::any_of(segments.begin(), segments.end(), [&](const QLineF& s) { return Through(s, n); });
}

bool PathThroughBox(const std::vector<QLineF>& segments, const QRect& box) {
  const QRectF r = Shrunk(box, 1);
  if (r.isEmpty()) return false;
  return std::any_of(segments.begin(), segments.end(), [&](const QLineF& s) { return paintrecord::Crosses(s, r); });
}

// Two shapes share more than a pixel both ways: boxes by their rectangles, circles by the
// points of the shared rectangle that lie inside both.
bool Meet(const Shape& a, const Shape& b) {
  const QRect i = a.box & b.box;
  if (i.isEmpty() || i.width() <= 1 || i.height() <= 1) return false;
  if (!a.round && !b.round) return true;
  for (int yi = 0; yi <= 8; ++yi)
    for (int xi = 0; xi <= 8; ++xi) {
      const QPointF p(i.left() + i.width() * xi / 8.0, i.top() + i.height() * yi / 8.0);
      if (InNode(p, a, 0.5) && InNode(p, b, 0.5)) return true;
    }
  return false;
}

// How long two segments run within kAlongGap of each other, nearly parallel.
double AlongLength(const QLineF& a, const QLineF& b) {
  const double la = a.length(), lb = b.length();
  if (la < kAlongLength || lb < kAlongLength) return 0;
  const QPointF u = (a.p2() - a.p1()) / la;
  const QPointF v = (b.p2() - b.p1()) / lb;
  if (std::abs(u.x() * v.y() - u.y() * v.x()) > 0.07) return 0;  // more than about 4 degrees apart
  // b's ends along a, and the stretch of a they share.
  auto along = [&](QPointF p) { return (p.x() - a.x1()) * u.x() + (p.y() - a.y1()) * u.y(); };
  auto across = [&](QPointF p) { return std::abs((p.x() - a.x1()) * u.y() - (p.y() - a.y1()) * u.x()); };
  double t1 = along(b.p1()), t2 = along(b.p2());
  double d1 = across(b.p1()), d2 = across(b.p2());
  if (t1 > t2) {
    std::swap(t1, t2);
    std::swap(d1, d2);
  }
  const double lo = std::max(0.0, t1), hi = std::min(la, t2);
  if (hi - lo <= 0) return 0;
  // The gap at both ends of the shared stretch, b being straight.
  auto gapAt = [&](double t) { return t2 > t1 ? d1 + (d2 - d1) * (t - t1) / (t2 - t1) : d1; };
  if (gapAt(lo) > kAlongGap || gapAt(hi) > kAlongGap) return 0;
  return hi - lo;
}

double PathsAlong(const std::vector<QLineF>& a, const std::vector<QLineF>& b) {
  double best = 0;
  for (const QLineF& s : a)
    for (const QLineF& t : b) best = std::max(best, AlongLength(s, t));
  return best;
}

// Two marks at one place: their tips within kAimSlack and their heads meeting.
bool Stacked(const Shape& a, const Shape& b) {
  const QPoint d = a.tip - b.tip;
  return std::hypot(d.x(), d.y()) <= kAimSlack && Meet(a, b);
}

// Two heads of which one covers more than three fifths of the other (marks fanned out on one
// node half a head apart overlap by about half).
bool CoversMost(const QRect& a, const QRect& b) {
  const QRect both = a & b;
  if (both.isEmpty()) return false;
  const double smaller = std::min(double(a.width()) * a.height(), double(b.width()) * b.height());
  return double(both.width()) * both.height() > smaller * 3 / 5;
}

// Whether two nodes belong to one data structure: reported by one control, or node controls
// (each its own one node) in one panel. Two panels side by side, a list and its copy, may
// each have a node of one name.
bool OneStructure(const Shape& a, const Shape& b, const QHash<const QWidget*, int>& nodesOf) {
  if (a.owner == b.owner) return true;
  return a.owner && b.owner && a.owner->parentWidget() == b.owner->parentWidget() && nodesOf.value(a.owner) == 1 &&
         nodesOf.value(b.owner) == 1;
}

bool IsAncestor(const QWidget* a, const QWidget* b) { return a && b && a != b && a->isAncestorOf(b); }

bool Related(const Shape& a, const Shape& b) { return IsAncestor(a.owner, b.owner) || IsAncestor(b.owner, a.owner); }

// ---- gathering

// The part of w that shows: its own rectangle cut by every control holding it, up to form,
// in form's pixels.
QRect RoomOf(const QWidget& w, const QWidget& form) {
  QRect room = form.rect();
  for (const QWidget* p = &w; p && p != &form; p = p->parentWidget())
    room &= QRect(p->mapTo(&form, QPoint(0, 0)), p->size());
  return room;
}

struct Reported {
  const QWidget* control;
  int index;  // its place in the control's DrawingShapes()
  TDrawnShape shape;
  int drawing;
  const QWidget* form;
};

// A control that is hidden gives only its marks, as not shown: a variable's mark that is
// hidden is still the variable's.
void CollectKit(const QWidget& w, const QWidget& form, int drawing, std::vector<Reported>& out) {
  if (const auto* kit = dynamic_cast<const TKitControl*>(&w)) {
    const std::vector<TDrawnShape> shapes = kit->DrawingShapes();
    for (std::size_t i = 0; i < shapes.size(); ++i) {
      if (!w.isHidden()) {
        out.push_back({&w, static_cast<int>(i), shapes[i], drawing, &form});
      } else if (shapes[i].Kind == Kind::Mark) {
        out.push_back({&w, static_cast<int>(i), shapes[i].Hidden(), drawing, &form});
      }
    }
  }
}

void CollectTree(const QWidget& parent, const QWidget& form, int drawing, std::vector<Reported>& out) {
  for (const QObject* child : parent.children()) {
    const auto* w = qobject_cast<const QWidget*>(child);
    if (!w || w->isWindow() || DrawingWindowOf(w) == w) continue;
    CollectKit(*w, form, drawing, out);
    if (!w->isHidden()) CollectTree(*w, form, drawing, out);
  }
}

QPoint ScreenOrigin(const QWidget& w) { return w.mapTo(w.window(), QPoint(0, 0)) + w.window()->geometry().topLeft(); }

}  // namespace

QString Shape::Line(const std::vector<Shape>& all) const {
  const QString quoted = QuotedDrawingText(text);
  switch (kind) {
    case Kind::Node:
      return QStringLiteral("node %1 %2 %3%4%5")
          .arg(form, quoted, Box(box), round ? QStringLiteral(" round") : QString(),
               name.isEmpty() ? QString() : QStringLiteral(" name ") + name);
    case Kind::Link: {
      QStringList points;
      for (const QPoint& p : path) points << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
      return QStringLiteral("link %1 %2 %3").arg(form, LinkName(all, *this), points.join(' '));
    }
    case Kind::Label: {
      if (ofNode >= 0)
        return QStringLiteral("label %1 %2 %3 of node %4")
            .arg(form, quoted, Box(box), QuotedDrawingText(all[static_cast<std::size_t>(ofNode)].text));
      const QString link = of >= 0 ? LinkName(all, all[static_cast<std::size_t>(of)]) : QStringLiteral("-");
      return QStringLiteral("label %1 %2 %3 of %4").arg(form, quoted, Box(box), link);
    }
    case Kind::Cell: return QStringLiteral("cell %1 %2 %3").arg(form, quoted, Box(box));
    case Kind::Mark: {
      const QString target = aimsAtHidden ? QStringLiteral("(hidden)") : QuotedDrawingText(TextOrDash(all, to));
      return QStringLiteral("mark %1 %2 %3 tip %4 %5 -> %6%7")
          .arg(form, quoted, Box(box))
          .arg(tip.x())
          .arg(tip.y())
          .arg(target, shown ? QString() : QStringLiteral(" hidden"));
    }
  }
  return {};
}

QString Cover::Line() const {
  return QStringLiteral("window %1 %2 over %3").arg(QuotedDrawingText(window), Box(rect), form);
}

QString Opened::Line() const {
  return QStringLiteral("window %1 %2 in %3").arg(QuotedDrawingText(window), Box(frame), Box(area));
}

Scene GatherShapes(const QList<QWidget*>& windows) {
  Scene scene;
  std::vector<Reported> reported;
  std::vector<const QWidget*> forms;
  for (const QWidget* form : DrawingWindows()) {
    const int drawing = static_cast<int>(forms.size());
    forms.push_back(form);
    CollectKit(*form, *form, drawing, reported);
    CollectTree(*form, *form, drawing, reported);
  }

  // Where each reported shape lands among the scene's, and each control's first node.
  std::map<std::pair<const QWidget*, int>, int> placeOf;
  QHash<const QWidget*, int> firstNode;
  for (std::size_t i = 0; i < reported.size(); ++i) {
    const Reported& r = reported[i];
    const int at = static_cast<int>(i);
    placeOf[{r.control, r.index}] = at;
    if ((r.shape.Kind == Kind::Node || r.shape.Kind == Kind::Cell) && !firstNode.contains(r.control))
      firstNode.insert(r.control, at);
  }
  auto resolve = [&](const TShapeRef& ref, bool& hidden) {
    hidden = false;
    if (!ref.Control) return -1;
    if (ref.Index < 0) {
      if (auto it = firstNode.constFind(ref.Control); it != firstNode.constEnd()) return *it;
    } else if (auto it = placeOf.find({ref.Control, ref.Index}); it != placeOf.end()) {
      return it->second;
    }
    hidden = true;
    return -1;
  };

  for (const Reported& r : reported) {
    const QPoint at = r.control->mapTo(r.form, QPoint(0, 0));
    Shape s;
    s.kind = r.shape.Kind;
    s.drawing = r.drawing;
    s.form = NameOf(*r.form);
    s.glyphs = r.shape.Text;
    s.note = r.shape.Note;
    s.stands = r.shape.Stands;
    s.text = r.shape.Note.isEmpty() ? r.shape.Text
             : r.shape.Text.isEmpty() ? r.shape.Note
                                      : r.shape.Text + ' ' + r.shape.Note;
    s.box = r.shape.Box.translated(at);
    s.round = r.shape.Round;
    s.path = r.shape.Path.translated(at);
    s.head = r.shape.Head;
    s.tip = r.shape.Tip + at;
    s.room = RoomOf(*r.control, *r.form);
    s.owner = r.control;
    s.place = r.index;
    s.name = r.shape.Name;
    s.means = r.shape.Means;
    s.shown = r.shape.Shown;
    bool hidden = false;
    if (s.kind == Kind::Link) {
      s.from = resolve(r.shape.From, hidden);
      s.to = resolve(r.shape.To, hidden);
    } else if (s.kind == Kind::Mark) {
      s.to = resolve(r.shape.To, hidden);
      s.aimsAtHidden = hidden;
    } else if (s.kind == Kind::Label && r.shape.Of >= 0) {
      auto it = placeOf.find({r.control, r.shape.Of});
      s.of = it != placeOf.end() ? it->second : -1;
    } else if (s.kind == Kind::Label && r.shape.OfNode.Control) {
      s.ofNode = resolve(r.shape.OfNode, hidden);
      s.inColumn = r.shape.InColumn;
    }
    scene.shapes.push_back(std::move(s));
  }

  // The windows over each drawing window: those stacked above its own, but the shell's.
  for (std::size_t d = 0; d < forms.size(); ++d) {
    const QWidget* own = forms[d]->window();
    const qsizetype ownAt = windows.indexOf(const_cast<QWidget*>(own));
    if (ownAt < 0) continue;
    const QPoint origin = ScreenOrigin(*forms[d]);
    for (qsizetype k = ownAt + 1; k < windows.size(); ++k) {
      const QWidget* w = windows[k];
      if (ShellWindow(*w) || ClassNameOf(*w) == QLatin1String("TOptionsForm")) continue;
      const QRect rect = w->geometry().translated(-origin) & forms[d]->rect();
      if (!rect.isEmpty()) scene.covers.push_back({static_cast<int>(d), NameOf(*forms[d]), w->windowTitle(), rect});
    }
  }

  // The dialogs and message windows over the demonstration window.
  const QWidget* main = MainForm;
  if (const qsizetype mainAt = windows.indexOf(const_cast<QWidget*>(main)); mainAt >= 0) {
    const QRect area = main->frameGeometry() & QRect(QPoint(0, 0), screen::Size());
    for (qsizetype k = mainAt + 1; k < windows.size(); ++k) {
      const auto* dialog = qobject_cast<const QDialog*>(windows[k]);
      if (dialog == nullptr || ShellWindow(*dialog)) continue;
      Opened o{.window = dialog->windowTitle(), .frame = dialog->frameGeometry(), .area = area, .screen = screen::Size()};
      const auto* form = dynamic_cast<const TForm*>(dialog);
      o.centred = form == nullptr || form->Position() == poScreenCenter;
      if (form != nullptr && form->Placement()) o.place = form->Placement()(o.frame.size(), area);
      scene.opened.push_back(std::move(o));
    }
  }
  return scene;
}

QStringList ShapeFindings(const Scene& scene) {
  QStringList out;
  const std::vector<Shape>& all = scene.shapes;
  auto report = [&](const char* rule, const QString& shapes, const QString& why) {
    out << QStringLiteral("wrong %1 %2 -- %3").arg(QLatin1String(rule), shapes, why);
  };
  auto at = [&](int i) -> const Shape& { return all[static_cast<std::size_t>(i)]; };
  const int n = static_cast<int>(all.size());
  // Each link's segments and the pixels it can reach, once: the rules compare every link with
  // every node and every other link.
  std::vector<std::vector<QLineF>> segments(all.size());
  std::vector<QRect> reach(all.size());
  for (std::size_t i = 0; i < all.size(); ++i)
    if (all[i].kind == Kind::Link) {
      segments[i] = Segments(all[i].path);
      reach[i] = all[i].path.boundingRect().adjusted(-3, -3, 3, 3);
    }
  QHash<const QWidget*, int> nodesOf;  // how many nodes each control reports
  for (const Shape& s : all)
    if (s.kind == Kind::Node) ++nodesOf[s.owner];
  auto segs = [&](int i) -> const std::vector<QLineF>& { return segments[static_cast<std::size_t>(i)]; };
  auto reaches = [&](int i, const QRect& r) { return reach[static_cast<std::size_t>(i)].intersects(r); };

  for (int i = 0; i < n; ++i) {
    const Shape& s = at(i);
    if (!s.shown) continue;  // a hidden mark is held only to its variable
    if (s.kind != Kind::Link && !s.room.contains(s.box))
      report("outside", s.Line(all), QStringLiteral("not wholly inside its window"));

    if (s.kind == Kind::Node) {
      for (int j = i + 1; j < n; ++j) {
        const Shape& t = at(j);
        if (t.kind == Kind::Node && t.drawing == s.drawing && !Related(s, t) && Meet(s, t))
          report("overlap", s.Line(all) + QStringLiteral(" / ") + t.Line(all), QStringLiteral("two nodes on one place"));
      }
    }

    if (s.kind == Kind::Mark) {
      if (s.aimsAtHidden) report("aim", s.Line(all), QStringLiteral("points at a node not shown"));
      if (s.to >= 0) {
        const Shape& target = at(s.to);
        const double off = DistToNode(s.tip, target);
        if (off > kAimSlack)
          report("aim", s.Line(all) + QStringLiteral(" / ") + target.Line(all),
                 QStringLiteral("tip %1 px off its node").arg(std::lround(off)));
      }
      for (int j = 0; j < n; ++j) {
        const Shape& other = at(j);
        if (j != s.to && other.kind == Kind::Node && other.drawing == s.drawing && InNode(s.tip, other, kAimSlack))
          report("aim", s.Line(all) + QStringLiteral(" / ") + other.Line(all), QStringLiteral("tip inside another node"));
      }
      // Its head, caption and all, on what is not its own target.
      Shape head = s;
      head.round = false;
      head.box = Shrunk(s.box, kOntoGraze).toAlignedRect();
      for (int j = 0; j < n; ++j) {
        const Shape& o = at(j);
        if (j == i || j == s.to || o.drawing != s.drawing || !o.shown) continue;
        if (o.kind == Kind::Node && !Related(s, o) && Meet(head, o))
          report("onto", s.Line(all) + QStringLiteral(" / ") + o.Line(all), QStringLiteral("the mark's head lies on a node not its own"));
        else if (o.kind == Kind::Link && reaches(j, head.box) && PathThroughBox(segs(j), head.box))
          report("onto", s.Line(all) + QStringLiteral(" / ") + o.Line(all), QStringLiteral("the mark's head lies on a link"));
        else if (o.kind == Kind::Mark && j > i) {
          if (Stacked(s, o))
            report("stacked", s.Line(all) + QStringLiteral(" / ") + o.Line(all),
                   QStringLiteral("two marks at one place: they must fan out"));
          else if (CoversMost(s.box, o.box))
            report("onto", s.Line(all) + QStringLiteral(" / ") + o.Line(all), QStringLiteral("the mark's head lies on another mark"));
        }
      }
    }

    if (s.kind == Kind::Node && !s.name.isEmpty())
      for (int j = i + 1; j < n; ++j) {
        const Shape& t = at(j);
        if (t.kind == Kind::Node && t.drawing == s.drawing && t.name == s.name && OneStructure(s, t, nodesOf))
          report("name", s.Line(all) + QStringLiteral(" / ") + t.Line(all), QStringLiteral("two nodes named %1").arg(s.name));
      }

    if (s.kind == Kind::Link) {
      for (int j = 0; j < n; ++j) {
        const Shape& node = at(j);
        if (j == s.from || j == s.to || node.kind != Kind::Node || node.drawing != s.drawing) continue;
        if (reaches(i, node.box) && PathThrough(segs(i), node))
          report("through", s.Line(all) + QStringLiteral(" / ") + node.Line(all), QStringLiteral("passes through a node"));
      }
      for (int j = i + 1; j < n; ++j) {
        const Shape& t = at(j);
        if (t.kind != Kind::Link || t.drawing != s.drawing || !reaches(i, reach[static_cast<std::size_t>(j)])) continue;
        if (const double along = PathsAlong(segs(i), segs(j)); along > kAlongLength)
          report("through", s.Line(all) + QStringLiteral(" / ") + t.Line(all),
                 QStringLiteral("two links run along one another for %1 px").arg(std::lround(along)));
      }
    }

    if (s.kind == Kind::Label && s.of >= 0 && at(s.of).kind == Kind::Link) {
      const Shape& own = at(s.of);
      const QPointF centre = QRectF(s.box).center();
      const double mine = DistToPath(centre, segs(s.of));
      for (int j = 0; j < n; ++j) {
        const Shape& o = at(j);
        if (j == s.of || o.drawing != s.drawing) continue;
        if (o.kind == Kind::Link) {
          if (DistToPath(centre, segs(j)) < mine - 0.5)
            report("label", s.Line(all) + QStringLiteral(" / ") + o.Line(all), QStringLiteral("nearer another line than its own"));
          else if (reaches(j, s.box) && PathThroughBox(segs(j), s.box))
            report("label", s.Line(all) + QStringLiteral(" / ") + o.Line(all), QStringLiteral("lies on another line"));
        } else if (o.kind == Kind::Node) {
          if (Meet(s, o))
            report("label", s.Line(all) + QStringLiteral(" / ") + o.Line(all), QStringLiteral("lies on a node"));
          else if (j != own.from && j != own.to && DistToNode(centre, o) < mine)
            report("label", s.Line(all) + QStringLiteral(" / ") + o.Line(all), QStringLiteral("nearer a node than its own line"));
        }
      }
    }
  }

  // A node's label stands nearer its own node than any other: a code under the wrong leaf, or
  // halfway between two, tells the reader the wrong story.
  for (int i = 0; i < n; ++i) {
    const Shape& s = at(i);
    if (s.kind != Kind::Label || s.ofNode < 0) continue;
    // In a column, how far across and then how far up or down; else how far, twice.
    const QPointF centre = QRectF(s.box).center();
    const auto away = [&](const Shape& node) -> std::pair<double, double> {
      if (!s.inColumn) return {DistToNode(centre, node), DistToNode(centre, node)};
      const QRectF box(node.box);
      return {std::abs(centre.x() - box.center().x()),
              std::max({box.top() - centre.y(), 0.0, centre.y() - box.bottom()})};
    };
    const auto [across, along] = away(at(s.ofNode));
    for (int j = 0; j < n; ++j) {
      const Shape& o = at(j);
      if (j == s.ofNode || o.kind != Kind::Node || o.drawing != s.drawing) continue;
      // A node as far across is as near unless it stands further up or down the column (the
      // root high above a leaf's code).
      const auto [otherAcross, otherAlong] = away(o);
      if (otherAcross < across - kLabelTie)
        report("label", s.Line(all) + QStringLiteral(" / ") + o.Line(all), QStringLiteral("nearer another node than its own"));
      else if (otherAcross < across + kLabelTie && otherAlong < along + kLabelTie)
        report("label", s.Line(all) + QStringLiteral(" / ") + o.Line(all), QStringLiteral("as near another node as its own"));
    }
  }

  for (const Cover& c : scene.covers) {
    for (const Shape& s : all) {
      if (s.kind != Kind::Node || s.drawing != c.drawing) continue;
      Shape window;
      window.box = c.rect;
      if (Meet(s, window))
        report("covered", s.Line(all) + QStringLiteral(" / ") + c.Line(),
               QStringLiteral("a window open over the drawing hides the node"));
    }
  }
  for (const Opened& o : scene.opened) {
    const bool fits = o.frame.width() <= o.area.width() && o.frame.height() <= o.area.height();
    const QPoint centre = CentredPlace(o.frame.size(), o.area, o.screen);
    auto off = [&o](QPoint place) { return (o.frame.topLeft() - place).manhattanLength() > 2; };
    if (fits && !o.area.contains(o.frame))
      report("astray", o.Line(), QStringLiteral("lies outside the demonstration window"));
    else if (o.place && off(*o.place))
      report("astray", o.Line(),
             QStringLiteral("not where its placement puts it (%1 %2)").arg(o.place->x()).arg(o.place->y()));
    else if (o.centred && !o.place && off(centre))
      report("astray", o.Line(),
             QStringLiteral("off the middle of the demonstration window (%1 %2)").arg(centre.x()).arg(centre.y()));
  }
  out << PaintedFindings(scene);
  return out;
}

std::optional<Variable> Variables::Of(const TMarkMeaning& meaning, const QString& caption) const {
  if (!running) return std::nullopt;
  if (meaning.Value) {
    const std::optional<QString> v = meaning.Value();
    return v ? Variable{Variable::Value, *v, true} : Variable{Variable::Nil, {}};
  }
  const QString name = meaning.Of.isEmpty() ? caption.trimmed() : meaning.Of;
  if (name.isEmpty()) return std::nullopt;
  auto find = [&](int call) -> std::optional<Variable> {
    if (auto it = values.find({call, name}); it != values.end()) return it->second;
    return std::nullopt;
  };
  switch (meaning.Call) {
    case TMarkMeaning::Global:
      return find(GlobalCall);
    case TMarkMeaning::Depth:
      if (meaning.CallDepth >= calls) return Variable{Variable::Returned, {}};
      return find(meaning.CallDepth);
    case TMarkMeaning::Innermost:
      break;
  }
  if (std::optional<Variable> v = find(calls - 1)) return v;
  return find(GlobalCall);
}

QStringList VariableFindings(const Scene& scene, const Variables& variables) {
  QStringList out = ValueFindings(scene, variables);
  if (!variables.running) return out;
  const std::vector<Shape>& all = scene.shapes;
  auto wrong = [&](const Shape& s, const QString& why) {
    out << QStringLiteral("wrong aim %1 -- %2").arg(s.Line(all), why);
  };
  // The node of a drawing that carries a name, -1 for none.
  auto named = [&](int drawing, const QString& name) {
    for (std::size_t j = 0; j < all.size(); ++j)
      if (all[j].kind == Kind::Node && all[j].drawing == drawing && all[j].name == name) return static_cast<int>(j);
    return -1;
  };
  // Whether another shown mark of the same caption stands on that node (a variable drawn twice).
  auto shownOn = [&](const Shape& mark, int node) {
    return std::any_of(all.begin(), all.end(), [&](const Shape& o) {
      return &o != &mark && o.kind == Kind::Mark && o.shown && o.to == node && o.text.trimmed() == mark.text.trimmed();
    });
  };
  // A node a mark stands for itself, as one of the scene's shapes; -1 when it is not drawn.
  auto placed = [&](const TShapeRef& ref) {
    for (std::size_t j = 0; j < all.size(); ++j) {
      const Shape& o = all[j];
      if (o.owner != ref.Control || (o.kind != Kind::Node && o.kind != Kind::Cell)) continue;
      if (ref.Index < 0 || o.place == ref.Index) return static_cast<int>(j);
    }
    return -1;
  };
  auto called = [&](int node) {
    const Shape& o = all[static_cast<std::size_t>(node)];
    return o.name.isEmpty() ? QuotedDrawingText(o.text) : o.name;
  };
  for (const Shape& s : all) {
    if (s.kind != Kind::Mark) continue;
    const TMarkMeaning meaning = s.means.value_or(TMarkMeaning{});
    if (meaning.Node) {
      const TShapeRef ref = meaning.Node();
      const int node = ref.Control ? placed(ref) : -1;
      const QString what = s.text.trimmed();
      if (s.shown && !ref.Control)
        wrong(s, QStringLiteral("stands for %1, which names no element now").arg(what));
      else if (s.shown && node >= 0 && s.to != node)
        wrong(s, QStringLiteral("stands for %1, points at %2 instead of %3")
                     .arg(what, s.to >= 0 ? called(s.to) : QStringLiteral("nothing"), called(node)));
      else if (!s.shown && node >= 0 && !shownOn(s, node))
        wrong(s, QStringLiteral("stands for %1 = %2, which is drawn, and is not shown").arg(what, called(node)));
      continue;
    }
    std::optional<Variable> v = variables.Of(meaning, s.text);
    if (!v) continue;
    const QString what = meaning.Value ? s.text.trimmed() : (meaning.Of.isEmpty() ? s.text.trimmed() : meaning.Of);
    if (v->state == Variable::Value && meaning.ZeroNamesNone && v->text.trimmed() == QLatin1String("0"))
      v->state = Variable::Nil;
    const bool namesNode = v->pointer || meaning.NodeName != QLatin1String("%1");
    if (s.shown) {
      switch (v->state) {
        case Variable::Unassigned:
          wrong(s, QStringLiteral("stands for %1, not yet assigned in this call").arg(what));
          break;
        case Variable::Nil:
          wrong(s, QStringLiteral("stands for %1, which names no element now").arg(what));
          break;
        case Variable::Returned:
          wrong(s, QStringLiteral("stands for %1 of a call that has returned").arg(what));
          break;
        case Variable::Value: {
          if (!namesNode) break;
          const QString expected = meaning.NodeName.arg(v->text);
          const int node = named(s.drawing, expected);
          if (node >= 0 && s.to >= 0 && all[static_cast<std::size_t>(s.to)].name != expected)
            wrong(s, QStringLiteral("stands for %1 = %2, points at %3 instead of %4")
                         .arg(what, v->text, all[static_cast<std::size_t>(s.to)].name.isEmpty()
                                                 ? QuotedDrawingText(all[static_cast<std::size_t>(s.to)].text)
                                                 : all[static_cast<std::size_t>(s.to)].name,
                              expected));
          break;
        }
      }
    } else if (v->state == Variable::Value && namesNode) {
      const int node = named(s.drawing, meaning.NodeName.arg(v->text));
      if (node >= 0 && !shownOn(s, node))
        wrong(s, QStringLiteral("stands for %1 = %2, which is drawn, and is not shown").arg(what, v->text));
    }
  }
  return out;
}

std::optional<Variable> Variables::Path(const TValueMeaning& meaning, const QString& path) const {
  if (!running) return std::nullopt;
  if (read) return read(meaning, path);
  auto find = [&](int call) -> std::optional<Variable> {
    if (auto it = values.find({call, path}); it != values.end()) return it->second;
    return std::nullopt;
  };
  switch (meaning.Call) {
    case TMarkMeaning::Global: return find(GlobalCall);
    case TMarkMeaning::Depth:
      if (meaning.CallDepth >= calls) return Variable{Variable::Returned, {}};
      return find(meaning.CallDepth);
    case TMarkMeaning::Innermost: break;
  }
  if (std::optional<Variable> v = find(calls - 1)) return v;
  return find(GlobalCall);
}

Expected ExpectedText(const TValueMeaning& meaning, const Variables& variables) {
  Expected out;
  if (!variables.running && !(meaning.WithoutRun && meaning.Value)) return out;
  if (meaning.Value) {
    out.text = meaning.Value();
    return out;
  }
  QStringList values;
  QStringList said;
  bool whole = true;  // every value read and assigned
  for (const QString& path : meaning.Of) {
    const std::optional<Variable> v = variables.Path(meaning, path);
    if (!v) {
      out.error = path;
      return out;
    }
    switch (v->state) {
      case Variable::Value: said << path + QStringLiteral(" = ") + v->text; break;
      case Variable::Unassigned: said << path + QStringLiteral(" not yet assigned"); break;
      case Variable::Nil: said << path + QStringLiteral(" = nil"); break;
      case Variable::Returned: said << path + QStringLiteral(" of a call that has returned"); break;
    }
    whole = whole && v->state == Variable::Value;
    values << v->text;
  }
  out.said = said.join(QStringLiteral(", "));
  if (!whole) return out;
  if (meaning.Map) {
    out.text = meaning.Map(values);
    return out;
  }
  QString text = meaning.Shows;
  for (qsizetype i = 0; i < values.size(); ++i) text.replace(QStringLiteral("%%1").arg(i + 1), values[i]);
  out.text = text;
  return out;
}

QStringList ValueFindings(const Scene& scene, const Variables& variables) {
  QStringList out;
  auto bare = [](QString t) {
    t.removeIf([](QChar c) { return c.isSpace(); });
    return t;
  };
  for (const Shape& s : scene.shapes) {
    if (!s.shown) continue;
    for (const TValueMeaning& meaning : s.stands) {
      const Expected e = ExpectedText(meaning, variables);
      const QString what = meaning.Part == TValueMeaning::InNote ? QStringLiteral("note") : QStringLiteral("text");
      if (!e.error.isEmpty()) {
        out << QStringLiteral("wrong value %1 -- its %2 stands for %3, which names no value").arg(s.Line(scene.shapes), what, e.error);
        continue;
      }
      if (!e.text) continue;
      QString shown = meaning.Part == TValueMeaning::InNote ? s.note : s.glyphs;
      if (bare(shown) == bare(*e.text)) continue;
      // A node's name written with it ("n3" of "n3 M") is no value of the algorithm: a meaning
      // may leave it out.
      if (meaning.Part == TValueMeaning::InText && !s.name.isEmpty() && shown.startsWith(s.name + QLatin1Char(' '))) {
        shown = shown.mid(s.name.size() + 1);
        if (bare(shown) == bare(*e.text)) continue;
      }
      out << QStringLiteral("wrong value %1 -- its %2 reads %3 where %4 says %5")
                 .arg(s.Line(scene.shapes), what, QuotedDrawingText(shown),
                      e.said.isEmpty() ? QStringLiteral("the algorithm") : e.said, QuotedDrawingText(*e.text));
    }
  }
  return out;
}

QString MeaningsOf(const Shape& shape) {
  QStringList parts;
  for (const TValueMeaning& m : shape.stands) {
    QString part = m.Value ? QStringLiteral("(computed)") : m.Of.join(',');
    if (!m.Value && m.Shows != QLatin1String("%1") && !m.Map) part += QStringLiteral(" as ") + QuotedDrawingText(m.Shows);
    if (m.Part == TValueMeaning::InNote) part += QStringLiteral(" in its note");
    if (m.Lag > 0) part += QStringLiteral(" %1 line(s) late").arg(m.Lag);
    parts << part;
  }
  return parts.isEmpty() ? QString() : QStringLiteral(" = ") + parts.join(QStringLiteral("; "));
}

QStringList DrawingFindings(const Scene& scene, const Variables& variables) {
  return ShapeFindings(scene) + VariableFindings(scene, variables);
}

std::vector<PendingRules> ParsePending(const QString& text) {
  std::vector<PendingRules> out;
  for (QString line : text.split('\n')) {
    line = line.section('#', 0, 0).simplified();
    if (line.isEmpty()) continue;
    QStringList words = line.split(' ');
    const QString demo = words.takeFirst();
    const bool afterResize = !words.isEmpty() && words.first() == QLatin1String("resized");
    if (afterResize) words.removeFirst();
    out.push_back({demo, words, afterResize});
  }
  return out;
}

bool IsPending(const std::vector<PendingRules>& pending, const QString& demo, const QString& finding, bool resized) {
  if (!finding.startsWith(QLatin1String("wrong ")) && !finding.startsWith(QLatin1String("illegible "))) return false;
  const QString rule = finding.section(' ', 1, 1);
  return std::any_of(pending.begin(), pending.end(), [&](const PendingRules& p) {
    return p.demo.compare(demo, Qt::CaseInsensitive) == 0 && p.rules.contains(rule) && (!p.afterResize || resized);
  });
}

}  // namespace script
