#include "demos/linear/ListsKit.h"

#include <algorithm>
#include <QFontMetrics>
#include <QStringList>
#include <climits>

#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/FitFont.h"
#include "platform/Forms.h"
#include "platform/PaintRecord.h"
#include "platform/TextRules.h"

// ---------------------------------------------------------------- nodes and text

std::unique_ptr<TListsNode> TListsNode::Make(int tag, QChar letter, int number, int row,
                                             int column) {
  auto node = std::make_unique<TListsNode>();
  node->Tag = node->ShownTag = tag;
  node->Letter = letter;
  node->Number = number;
  node->Row = row;
  node->Column = column;
  return node;
}

void TListsNode::SetHp(std::unique_ptr<TListsNode> node) {
  hp = std::move(node);
  ShownHp = hp.get();
}

void TListsNode::SetTp(std::unique_ptr<TListsNode> node) {
  tp = std::move(node);
  ShownTp = tp.get();
}

void SeverList(QString& sub, QString& hsub) {
  int k = 0;
  for (qsizetype i = 0; i < sub.size(); ++i) {
    const QChar ch = sub[i];
    if (ch == '(') ++k;
    if (ch == ')') --k;
    if (ch == ',' && k == 0) {
      hsub = sub.left(i);
      sub = sub.mid(i + 1);
      return;
    }
  }
  hsub = sub;
  sub.clear();
}

bool CheckListSyntax(const QString& text) {
  QChar prev = ' ';
  int depth = 0;
  bool started = false;
  const auto isLetter = [](QChar c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  };
  for (const QChar ch : text) {
    if (ch == ' ') continue;
    if (depth == 0 && (started || ch != '(')) return false;  // nothing outside the outer list
    if (isLetter(ch)) {
      if (prev != '(' && prev != ',') return false;
    } else if (ch == ',') {
      if (prev != ')' && !isLetter(prev)) return false;
    } else if (ch == '(') {
      if (started && prev != '(' && prev != ',') return false;
      started = true;
      ++depth;
    } else if (ch == ')') {
      if (prev != '(' && prev != ')' && !isLetter(prev)) return false;
      --depth;
    } else {
      return false;
    }
    prev = ch;
  }
  return started && depth == 0;
}

std::optional<QString> ListElementAt(const QString& s, const QString& path) {
  QString at = s;
  for (const QChar step : path) {
    if (at.size() < 3 || at.front() != '(') return std::nullopt;  // an atom, or the empty list
    QString sub = at.mid(1, at.size() - 2);
    QString hsub;
    SeverList(sub, hsub);
    if (step == 'h') {
      at = hsub;
    } else {
      if (sub.isEmpty()) return std::nullopt;
      at = QLatin1Char('(') + sub + QLatin1Char(')');
    }
  }
  return at;
}

// ---------------------------------------------------------------- TLists

TLists::TLists(QWidget* parent) : TNodeContainer(parent) {
  colors_ = {clTeal, clOlive, clBlack, clFuchsia, clLime, clYellow, clRed, clBlue, clGreen, clWhite};
}

TLists::~TLists() = default;

void TLists::SetRow(int row) {
  row_ = std::max(row, 1);
  Invalidate();
}

void TLists::SetColumn(int column) {
  column_ = std::max(column, 1);
  Invalidate();
}

void TLists::SetColor(int index, TColor color) {
  if (index < 1 || index > static_cast<int>(colors_.size())) return;
  colors_[static_cast<std::size_t>(index - 1)] = color;
  Invalidate();
}

void TLists::SetOffset(int which, double value) {
  (which == 1 ? rowOffset_ : columnOffset_) = value;
  Invalidate();
}

void TLists::ParseList(const QString& s, std::unique_ptr<TListsNode>& node, int depth) {
  if (s == QLatin1String("()") || depth >= row_) {
    node.reset();  // the empty list, or a level below the grid
    return;
  }
  deepest_ = std::max(deepest_, depth);
  if (s.size() == 1) {
    node = TListsNode::Make(0, s[0], nodeCounter_, depth, columnCounter_);
    return;
  }
  node = TListsNode::Make(1, IdLetter, nodeCounter_++, depth, columnCounter_);
  TListsNode* current = node.get();
  QString sub = s.mid(1, s.size() - 2);
  QString hsub;
  do {
    SeverList(sub, hsub);
    // Past the last column each element replaces the one before in the last node's head;
    // the replaced subtree is freed with the assignment.
    ParseList(hsub, current->hp, depth + 1);
    current->ShownHp = current->hp.get();
    if (!sub.isEmpty() && columnCounter_ < column_ - 1) {
      ++columnCounter_;
      current->SetTp(TListsNode::Make(1, IdLetter, nodeCounter_++, depth, columnCounter_));
      current = current->tp.get();
    }
  } while (!sub.isEmpty());
  current->SetTp(nullptr);
}

void TLists::Build(const QString& s) {
  deepest_ = 0;
  columnCounter_ = 0;
  nodeCounter_ = 1;
  DetachPointers();
  root_.reset();
  ParseList(s, root_, 0);
  rowOffset_ = (row_ - deepest_ - 1) * 0.5 + 0.3;
  columnCounter_ = std::min(columnCounter_, column_ - 1);
  columnOffset_ = (column_ - columnCounter_ - 1) * 0.5 + 0.3;
  Invalidate();
}

void TLists::SetRoot(std::unique_ptr<TListsNode> root) {
  DetachPointers();
  root_ = std::move(root);
  Invalidate();
}

bool TLists::Fits(const QString& s, int row, int column) {
  TLists probe;
  probe.row_ = INT_MAX;
  probe.column_ = INT_MAX;
  probe.ParseList(s, probe.root_, 0);
  return probe.deepest_ <= row - 1 && probe.columnCounter_ <= column - 1;
}

QSize TLists::GridFor(const QString& s) {
  TLists probe;
  probe.row_ = INT_MAX;
  probe.column_ = INT_MAX;
  probe.ParseList(s, probe.root_, 0);
  return {probe.columnCounter_ + 1, probe.deepest_ + 1};
}

void TLists::MakeRoomFor(const QString& s, int leastRow, int leastColumn) {
  const QSize need = GridFor(s);
  row_ = std::max(leastRow, need.height());
  column_ = std::max(leastColumn, need.width());
  Invalidate();
}

std::vector<const TListsNode*> TLists::NodesInOrder() const {
  std::vector<const TListsNode*> order;
  for (const auto& entry : NodePaths()) order.push_back(entry.first);
  return order;
}

std::vector<std::pair<const TListsNode*, QString>> TLists::NodePaths() const {
  // Root first, then for list nodes the head's subtree before the tail's; a hidden link still
  // leads to its node: only the line is not drawn yet.
  std::vector<std::pair<const TListsNode*, QString>> order;
  std::vector<std::pair<const TListsNode*, QString>> pending;
  if (root_) pending.emplace_back(root_.get(), QString());
  while (!pending.empty()) {
    const auto [node, path] = pending.back();
    pending.pop_back();
    order.emplace_back(node, path);
    if (node->Tag == 1) {
      if (node->ShownTp) pending.emplace_back(node->ShownTp, path + QLatin1Char('t'));
      if (node->ShownHp) pending.emplace_back(node->ShownHp, path + QLatin1Char('h'));
    }
  }
  return order;
}

QString TLists::DrawingText() const {
  const Metrics m = Measure();
  QStringList lines;
  const auto label = [](const TListsNode* n) {
    return n ? (n->Letter + QString::number(n->Number)) : QStringLiteral("^");
  };
  for (const TListsNode* node : NodesInOrder()) {
    const QRect box = NodeBox(*node, m);
    QString line = QStringLiteral("%1 %2,%3 %4x%5")
                       .arg(label(node))
                       .arg(box.left())
                       .arg(box.top())
                       .arg(box.width())
                       .arg(box.height());
    if (node->Tag == 1) {
      line += QStringLiteral(" hp ") + (node->HpVisible ? label(node->ShownHp) : QStringLiteral("-"));
      line += QStringLiteral(" tp ") + (node->TpVisible ? label(node->ShownTp) : QStringLiteral("-"));
    }
    lines << line;
  }
  for (const Pointer& p : pointers_) {
    if (p.target) lines << QStringLiteral("mark %1 on %2").arg(p.name.trimmed(), label(p.target));
  }
  if (!listText_.isEmpty()) lines << listText_;
  return lines.join(QLatin1Char('\n'));
}

void TLists::AttachPointer(int which, TListsNode* node) {
  if (which < 1 || which > 3) return;
  Pointer& mark = pointers_[static_cast<std::size_t>(which - 1)];
  if (mark.target == node) return;
  TListsNode* old = mark.target;
  mark.target = node;
  const auto marked = [this](const TListsNode* n) {
    return std::any_of(pointers_.begin(), pointers_.end(),
                       [n](const Pointer& p) { return p.target == n; });
  };
  if (old && !marked(old)) old->Focus = false;
  if (node) node->Focus = true;
  Invalidate();
}

TListsNode* TLists::PointerTarget(int which) const {
  return which >= 1 && which <= 3 ? pointers_[static_cast<std::size_t>(which - 1)].target : nullptr;
}

void TLists::SetPointerName(int which, const QString& name) {
  if (which < 1 || which > 3) return;
  pointers_[static_cast<std::size_t>(which - 1)].name = name;
  Invalidate();
}

void TLists::SetPointerMeaning(int which, const TMarkMeaning& meaning) {
  if (which < 1 || which > 3) return;
  pointers_[static_cast<std::size_t>(which - 1)].means = meaning;
}

void TLists::SetPointerNode(int which, std::function<const TListsNode*()> node) {
  SetPointerMeaning(which, {.Node = [this, node = std::move(node)] { return ShapeOf(node()); }});
}

TShapeRef TLists::ShapeOf(const TListsNode* node) const {
  if (node == nullptr) return {};
  const std::vector<const TListsNode*> nodes = NodesInOrder();
  const auto it = std::ranges::find(nodes, node);
  return it == nodes.end() ? TShapeRef{} : TShapeRef{this, static_cast<int>(it - nodes.begin())};
}

void TLists::DetachPointers() {
  for (int k = 1; k <= 3; ++k) AttachPointer(k, nullptr);
}

void TLists::SetListText(const QString& s) {
  listText_ = s;
  markIndex_ = 0;
  Invalidate();
}

void TLists::SetMark(int index) {
  markIndex_ = index;
  Invalidate();
}

QString TLists::NodeText(const TListsNode* node) {
  if (!node) return QStringLiteral("NIL");
  return (node->Number < 10 ? QStringLiteral(" ") : QString()) + node->Letter +
         QString::number(node->Number);
}

// ---------------------------------------------------------------- painting

TLists::Metrics TLists::Measure() const {
  const auto measure = [this](int height) {
    Metrics m;
    m.cellH = text::Round(height / (row_ + 0.3));
    m.cellW = text::Round(width() / (column_ + 0.3));
    m.u = std::max(1, std::min(m.cellW / 4, text::Round(m.cellH * 5 / 13.0)));
    return m;
  };
  // The rows share what the list text's band leaves above it, its text as high as the whole
  // height would make it (it only shrinks with the rows).
  const Metrics whole = measure(height());
  return RoomForListText.isEmpty() ? whole : measure(height() - ListTextRoom(whole));
}

QRect TLists::NodeBox(const TListsNode& node, const Metrics& m) const {
  const int x = text::Round((node.Column + columnOffset_) * m.cellW) + (1 - node.Tag) * m.u / 2;
  const int y = text::Round((node.Row + rowOffset_) * m.cellH) + m.u;
  return QRect(x, y, (2 + node.Tag) * m.u, m.u);
}

void TLists::Paint() {
  TNodeContainer::Paint();
  TCanvas& c = Canvas();
  const Metrics m = Measure();
  for (const TListsNode* node : NodesInOrder()) PaintNode(c, *node, m);
  // One fitting for the three marks: their names share one font.
  const TFont markFont = MarkFont(m);
  const std::array<std::optional<TMarkPlace>, 3> marks = MarkPlaces(m, markFont);
  for (std::size_t k = 0; k < marks.size(); ++k)
    if (marks[k]) PaintPointer(c, static_cast<int>(k) + 1, *marks[k], m, markFont);
  PaintListText(c, m);
}

std::vector<QPoint> TLists::LinkPath(const TListsNode& node, bool head, const Metrics& m) const {
  const TListsNode* shown = head ? node.ShownHp : node.ShownTp;
  if (!shown) return {};
  const QRect box = NodeBox(node, m);
  const int u = m.u;
  const QRect field(box.left() + (head ? u : 2 * u), box.top(), u, u);
  const QRect to = NodeBox(*shown, m);
  const QPoint from = field.center();
  std::vector<QPoint> path{from};
  if (head) {
    // Head: down one row, bending across when the head stands in another column.
    if (std::abs(to.left() + u - from.x()) > u) {
      const int midY = (box.bottom() + to.top()) / 2;
      path.emplace_back(from.x(), midY);
      path.emplace_back(to.left() + u / 2, midY);
      path.emplace_back(to.left() + u / 2, to.top());
    } else {
      path.emplace_back(from.x(), to.top());
    }
  } else {
    // Tail: to the right, bending down when the tail stands in another row.
    const int y = to.top() + u / 2;
    if (y != from.y()) {
      const int midX = (box.right() + to.left()) / 2;
      path.emplace_back(midX, from.y());
      path.emplace_back(midX, y);
    }
    path.emplace_back(to.left(), y);
  }
  return path;
}

std::array<std::optional<TMarkPlace>, 3> TLists::MarkPlaces(const Metrics& m, const TFont& font) const {
  // What a callout must keep off: every node box with its shadow, every address label, the
  // list text along the bottom, and the links.
  std::vector<QRect> blocks;
  std::vector<QLine> lines;
  for (const TListsNode* node : NodesInOrder()) {
    const QRect box = NodeBox(*node, m);
    blocks.push_back(box.adjusted(0, 0, m.u / 4 + 1, m.u / 4 + 1));
    // The label's glyphs, not its text cell, whose blank top reaches into the marks' band.
    const QRect label = LabelBox(*node, m);
    const TFont labelFont = LabelFont(m);
    blocks.push_back(QFontMetrics(labelFont.ToQFont())
                         .tightBoundingRect(NodeText(node).trimmed())
                         .translated(label.left(), label.top() + labelFont.Ascent())
                         .adjusted(-2, -4, 2, 2));
    if (node->Tag != 1) continue;
    for (const bool head : {true, false}) {
      if (!(head ? node->HpVisible : node->TpVisible)) continue;
      const std::vector<QPoint> path = LinkPath(*node, head, m);
      for (std::size_t k = 1; k < path.size(); ++k) lines.emplace_back(path[k - 1], path[k]);
    }
  }
  if (!listText_.isEmpty()) blocks.push_back(ListTextBox(ListTextLayout(m, listText_)).adjusted(-6, -2, 6, 6));
  std::vector<TMarkRequest> requests;
  std::vector<int> which;
  int textHeight = 0;
  for (int k = 0; k < 3; ++k) {
    const Pointer& mark = pointers_[static_cast<std::size_t>(k)];
    if (!mark.target) continue;
    // The blanks around a name take no room: the callout holds the letters.
    requests.push_back({NodeBox(*mark.target, m), std::max(font.TextWidth(mark.name.trimmed()) + 6, text::Round(0.7 * m.u))});
    which.push_back(k);
    textHeight = std::max(textHeight, font.TextHeight(mark.name) + 3);
  }
  const std::vector<TMarkPlace> places =
      PlaceMarks(requests, m.u, QRect(2, 0, width() - 4, height()), blocks, lines, textHeight);
  std::array<std::optional<TMarkPlace>, 3> out;
  for (std::size_t k = 0; k < places.size(); ++k) out[static_cast<std::size_t>(which[k])] = places[k];
  return out;
}

TFont TLists::LabelFont(const Metrics& m) const {
  return TFont{.Name = QStringLiteral("Arial"), .Height = -std::max(1, m.u * 4 / 5), .Color = Colors(IDColor)};
}

QRect TLists::LabelBox(const TListsNode& node, const Metrics& m) const {
  // Right of where a head link comes down into the box (the middle of a list node's hp field,
  // the middle of an atom), so that no link runs through it, and ending over the box where it
  // can, clear of the marks of the node to its right.
  const QRect box = NodeBox(node, m);
  const int u = m.u;
  const TFont font = LabelFont(m);
  const QString label = NodeText(&node).trimmed();
  const int linkX = box.left() + (node.Tag == 0 ? u : u + u / 2);
  const int w = font.TextWidth(label);
  const int x = std::max(linkX + 3, std::min(linkX + std::max(6, u / 3), box.right() + 1 - w));
  const int h = font.TextHeight(label);
  return QRect(x, box.top() - 1 - h, w, h);
}

TFont TLists::MarkFont(const Metrics& m) const {
  // Readable on the small dual views too: as high as the callout holds, never below the
  // screen's least (the callout then grows down to hold it).
  const int least = LegiblePixels();
  const TFont font{.Name = QStringLiteral("Arial"), .Height = -std::max(least, m.u * 3 / 4), .Style = fsBold};
  QStringList names;
  for (const Pointer& p : pointers_) names << p.name.trimmed();
  return FitFont(font, names, std::max(1, width()), text::Round(1.2 * m.u) * 2 / 3 - 3, least);
}

std::vector<TDrawnShape> TLists::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  const Metrics m = Measure();
  const std::vector<const TListsNode*> nodes = NodesInOrder();
  const auto place = [&](const TListsNode* n) -> TShapeRef {
    const auto it = std::ranges::find(nodes, n);
    return it == nodes.end() ? TShapeRef{} : TShapeRef{this, static_cast<int>(it - nodes.begin())};
  };
  // A node reads as its box is painted, its address label (written above it) first: the tag
  // digit, then an atom's letter, or a "^" in each shown nil field of a list node.
  for (const TListsNode* node : nodes) {
    const QString name = NodeText(node).trimmed();
    QStringList words{name, QString::number(node->ShownTag)};
    if (node->Tag == 0) {
      if (node->Letter != QLatin1Char(' ')) words << QString(node->Letter);
    } else {
      if (node->HpVisible && !node->ShownHp) words << QStringLiteral("^");
      if (node->TpVisible && !node->ShownTp) words << QStringLiteral("^");
    }
    words.removeAll(QString());
    out.push_back(TDrawnShape::NodeAt(NodeBox(*node, m), words.join(QLatin1Char(' '))).Named(name));
  }
  // Each node's fields as cells, held to the element of the written list the node stands for:
  // the tag (0 an atom, 1 a list), an atom's letter once it is set, and a "^" in a list node's
  // head (tail) field where that element's first element is the empty list (it has no more).
  if (Source)
    for (const auto& [node, path] : NodePaths()) {
      const QRect box = NodeBox(*node, m);
      const auto field = [&](int k) { return QRect(box.left() + k * m.u, box.top(), m.u, m.u); };
      const auto held = [source = Source, path](std::function<QString(const QString& element)> shows) {
        return TValueMeaning{.Value = [source, path, shows]() -> std::optional<QString> {
          const std::optional<QString> list = source();
          if (!list) return std::nullopt;
          const std::optional<QString> element = ListElementAt(*list, path);
          return element ? shows(*element) : QStringLiteral("(no element)");
        }};
      };
      const auto isAtom = [](const QString& e) { return e.size() == 1; };
      out.push_back(TDrawnShape::CellAt(field(0), QString::number(node->ShownTag)).StandingFor(held([isAtom](const QString& e) {
        return isAtom(e) ? QStringLiteral("0") : QStringLiteral("1");
      })));
      if (node->Tag == 0) {
        const bool set = !LetterSet || LetterSet(node);
        out.push_back(TDrawnShape::CellAt(field(1), QString(node->Letter).trimmed()).StandingFor(held([set](const QString& e) {
          return set ? e : QString();
        })));
        continue;
      }
      const auto nil = [&](bool head, bool visible, bool shownNil) {
        out.push_back(TDrawnShape::CellAt(field(head ? 1 : 2), visible && shownNil ? QStringLiteral("^") : QString())
                          .StandingFor(held([head, visible](const QString& e) {
                            QString sub = e.mid(1, e.size() - 2), hsub;
                            SeverList(sub, hsub);
                            const bool empty = head ? hsub == QLatin1String("()") : sub.isEmpty();
                            return visible && empty ? QStringLiteral("^") : QString();
                          })));
      };
      nil(true, node->HpVisible, !node->ShownHp);
      nil(false, node->TpVisible, !node->ShownTp);
    }
  // The list text, in the pieces it is written in (the marked character apart), each the part
  // of what the text stands for that it shows.
  for (const TTextPiece& piece : ListTextPieces(ListTextLayout(m, listText_))) {
    TDrawnShape text = TDrawnShape::CellAt(piece.Box, piece.Text);
    if (ListTextStands)
      text = text.StandingFor({.Value = [whole = ListTextStands, from = piece.From, length = piece.Text.size()]() {
        const std::optional<QString> t = whole();
        return t ? std::optional<QString>(t->mid(from, length)) : std::nullopt;
      }});
    out.push_back(text);
  }
  for (const TListsNode* node : nodes) {
    if (node->Tag != 1) continue;
    for (const bool head : {true, false}) {
      if (!(head ? node->HpVisible : node->TpVisible)) continue;
      const std::vector<QPoint> path = LinkPath(*node, head, m);
      if (path.empty()) continue;
      QPolygon line;
      for (const QPoint& p : path) line << p;
      out.push_back(TDrawnShape::LinkBetween(place(node), place(head ? node->ShownHp : node->ShownTp), line));
    }
  }
  const std::array<std::optional<TMarkPlace>, 3> marks = MarkPlaces(m, MarkFont(m));
  for (std::size_t k = 0; k < marks.size(); ++k) {
    if (!marks[k]) continue;
    const Pointer& mark = pointers_[k];
    TDrawnShape shape = TDrawnShape::MarkOn(place(mark.target), marks[k]->Body, marks[k]->Tip, mark.name.trimmed());
    if (mark.means) shape.Means = mark.means;
    out.push_back(shape);
  }
  return out;
}

namespace {

void Field(TCanvas& c, const QRect& r, TColor fill, TColor border) {
  c.Pen.Color = border;
  c.Brush.Style = bsSolid;
  c.Brush.Color = fill;
  c.Rectangle(r.left(), r.top(), r.right() + 2, r.bottom() + 2);
}

// Outlined where its colour stands too near the field's (blue on teal). The glyphs, not the
// text cell, stand in the field's middle, so that a letter with a tail (g, p, q, y) keeps above
// the bottom border as a capital does; a font too large for the field inside its border (and
// an outline's pixel) is lowered until the glyphs fit. The canvas keeps the font it had.
void CentredText(TCanvas& c, const QRect& r, const QString& s, TColor color, TColor ground) {
  const TFont whole = c.Font;
  const int room = std::max(1, r.height() - 4);
  QRect ink;
  for (;;) {
    ink = QFontMetrics(c.Font.ToQFont()).tightBoundingRect(s);
    if ((ink.height() <= room && ink.width() <= room) || c.Font.Height >= -1) break;
    ++c.Font.Height;
  }
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_LEFT | TA_BASELINE);
  // The field's border runs along r's top and left and one pixel past its right and bottom.
  const int x = r.left() + 1 + (r.width() - 1 - ink.width()) / 2 - ink.left();
  const int y = r.top() + 1 + (r.height() - 1 - ink.height()) / 2 - ink.top();
  TextOutOnGround(c, x, y, s, color, ground);
  c.Font = whole;
}

}  // namespace

void TLists::PaintNode(TCanvas& c, const TListsNode& node, const Metrics& m) {
  const QRect box = NodeBox(node, m);
  const int u = m.u;
  c.Brush.Style = bsSolid;
  c.Brush.Color = clGray;
  c.FillRect(Rect(box.left() + u / 4, box.top() + u / 4, box.right() + 1 + u / 4,
                  box.bottom() + 1 + u / 4));
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = -u;
  c.Font.Style = 0;
  const TColor border = Colors(NodeBorderColor);
  const TColor textColor = node.Focus ? Colors(FocusTColor) : Colors(NodeTColor);
  const TColor other = node.Focus ? Colors(FocusRColor) : Colors(NodeRColor);
  const QRect tagField(box.left(), box.top(), u, u);
  const TColor tagColor = node.Marked ? Colors(MarkedLColor) : Colors(NodeLColor);
  Field(c, tagField, tagColor, border);
  CentredText(c, tagField, QString::number(node.ShownTag), textColor, tagColor);
  // The address label above the box.
  c.Font = LabelFont(m);
  c.SetTextAlign(TA_LEFT | TA_TOP);
  const QRect label = LabelBox(node, m);
  c.TextOut(label.left(), label.top(), NodeText(&node).trimmed());
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = -u;
  if (node.Tag == 0) {
    const QRect atom(box.left() + u, box.top(), u, u);
    Field(c, atom, other, border);
    CentredText(c, atom, QString(node.Letter), textColor, other);
    return;
  }
  const QRect hpField(box.left() + u, box.top(), u, u);
  const QRect tpField(box.left() + 2 * u, box.top(), u, u);
  Field(c, hpField, other, border);
  Field(c, tpField, other, border);
  const auto link = [&](bool head) {
    const TListsNode* shown = head ? node.ShownHp : node.ShownTp;
    const TListsNode* real = head ? node.hp.get() : node.tp.get();
    if (!shown) {
      CentredText(c, head ? hpField : tpField, QStringLiteral("^"), textColor, other);
      return;
    }
    const TColor color = shown == real ? Colors(LineColor) : Colors(ModifiedLineColor);
    const std::vector<QPoint> path = LinkPath(node, head, m);
    for (std::size_t k = 1; k + 1 < path.size(); ++k)
      DrawLine3D(c, path[k - 1].x(), path[k - 1].y(), path[k].x(), path[k].y(), color, color, false);
    const QPoint a = path[path.size() - 2], b = path.back();
    DrawThinArrow(c, a.x(), a.y(), b.x(), b.y(), color);
  };
  if (node.HpVisible) link(true);
  if (node.TpVisible) link(false);
}

std::array<QPoint, 3> MarkTail(const TMarkPlace& place, int u) {
  const QRect& b = place.Body;
  const int tail = std::min(u / 3, b.width() / 2);
  const int y = b.bottom() + 1;
  if (place.Tip.x() >= b.center().x()) return {QPoint(b.right() + 1, y), QPoint(b.right() + 1 - tail, y), place.Tip};
  return {QPoint(b.left() + tail, y), QPoint(b.left(), y), place.Tip};
}

std::vector<TMarkPlace> PlaceMarks(const std::vector<TMarkRequest>& marks, int u, const QRect& area,
                                   const std::vector<QRect>& blocks, const std::vector<QLine>& lines,
                                   int textHeight) {
  const int h = text::Round(1.2 * u);
  const int height = std::max(h * 2 / 3, textHeight);
  const int step = std::max(1, u / 8);
  std::vector<TMarkPlace> placed;
  for (const TMarkRequest& mark : marks) {
    const QPoint tip(mark.Box.left() + u / 3, mark.Box.top());
    const int top = mark.Box.top() - h - u / 2;
    const auto meets = [&](const TMarkPlace& at) {
      int n = 0;
      const QRect inner = at.Body.adjusted(1, 1, -1, -1);
      for (const QRect& b : blocks) n += at.Body.intersects(b) ? 4 : 0;
      for (const TMarkPlace& other : placed) n += at.Body.intersects(other.Body) ? 4 : 0;
      for (const QLine& l : lines) n += paintrecord::Crosses(QLineF(l), QRectF(inner)) ? 2 : 0;
      const std::array<QPoint, 3> tail = MarkTail(at, u);
      for (const QPoint& base : {tail[0], tail[1]}) {
        const QLineF edge(base, at.Tip);
        for (const QRect& b : blocks)
          if (!b.intersects(mark.Box) && paintrecord::Crosses(edge, QRectF(b.adjusted(1, 1, -1, -1)))) n += 1;
        for (const TMarkPlace& other : placed)
          if (paintrecord::Crosses(edge, QRectF(other.Body.adjusted(1, 1, -1, -1)))) n += 1;
      }
      return n;
    };
    std::optional<TMarkPlace> best;
    int bestCost = 0;
    // Left of the node first, nearest first; then over the node (as far as its right end); then
    // lower, down to the labels' height (between two rows of nodes the band is narrow); then a
    // tier higher.
    for (const int tier : {0, 1}) {
      for (int dy = 0; dy <= (tier == 0 ? u / 2 : 0); dy += step) {
        for (int d = 0; d <= 8 * u; ++d) {
          // A place costs at least its distance: none further than the best found can be better.
          if (best && d + dy * 2 + tier * 4 * u >= bestCost) break;
          for (const int side : {-1, 1}) {
            if (side == 1 && (d == 0 || d > mark.Box.width() + u)) continue;
            const int distance = d * (side == 1 ? 2 : 1) + dy * 2 + tier * 4 * u;
            if (best && distance >= bestCost) continue;
            const int right = mark.Box.left() + side * d;
            const TMarkPlace at{QRect(right - mark.Width, top + dy - tier * (height + 2), mark.Width, height), tip};
            if (!area.contains(at.Body)) continue;
            const int cost = meets(at) * 100 * u + distance;
            if (!best || cost < bestCost) {
              best = at;
              bestCost = cost;
            }
          }
        }
      }
    }
    // A node too near the edge for any place inside: the callout as near to it as the edge lets.
    if (!best) {
      QRect body(mark.Box.left() - mark.Width, top, mark.Width, height);
      body.moveLeft(std::max(body.left(), area.left()));
      body.moveTop(std::max(body.top(), area.top()));
      best = TMarkPlace{body, tip};
    }
    placed.push_back(*best);
  }
  return placed;
}

void TLists::PaintPointer(TCanvas& c, int which, const TMarkPlace& place, const Metrics& m, const TFont& font) {
  const Pointer& mark = pointers_[static_cast<std::size_t>(which - 1)];
  c.Font = font;
  const QRect& body = place.Body;
  const std::array<QPoint, 3> tail = MarkTail(place, m.u);
  const bool right = tail[0].x() > tail[1].x();
  c.Pen.Color = clBlack;
  c.Brush.Style = bsSolid;
  c.Brush.Color = clWhite;
  const TPoint tl(body.left(), body.top()), tr(body.right() + 1, body.top());
  const TPoint br(body.right() + 1, body.bottom() + 1), bl(body.left(), body.bottom() + 1);
  const TPoint tip(place.Tip.x(), place.Tip.y());
  if (right)
    c.Polygon({tl, tr, br, tip, TPoint(tail[1].x(), tail[1].y()), bl});
  else
    c.Polygon({tl, tr, br, TPoint(tail[0].x(), tail[0].y()), tip, bl});
  c.Font.Color = clRed;
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_CENTER | TA_TOP);
  // In the middle of the callout, clear of its outline.
  const QString name = mark.name.trimmed();
  c.TextOut(body.center().x() + 1, body.top() + (body.height() - c.TextHeight(name)) / 2 + 1, name);
  c.Font.Style = 0;
}

TFont TLists::ListTextFont(const Metrics& m, const QString& text) const {
  const TFont font{.Name = QStringLiteral("Courier New"), .Height = -std::max(1, 13 * m.u / 10), .Style = fsBold};
  // A long text shrinks until it fits the view, but never below a legible size: past that it
  // takes more lines. Every text takes the size of the longest one the view keeps room for.
  return FitFont(font, {RoomForListText.isEmpty() ? text : RoomForListText}, ListTextWidth(), kAnyHeight, LegiblePixels());
}

int TLists::ListTextWidth() const { return std::max(1, width() - 12 - 8); }

std::vector<std::pair<int, int>> TLists::ListTextLines(const QString& text, const TFont& font) const {
  // Greedy: each line as long as fits, broken after its last comma (anywhere where none).
  std::vector<std::pair<int, int>> lines;
  const int room = ListTextWidth();
  int from = 0;
  while (from < text.size()) {
    int length = static_cast<int>(text.size()) - from;
    if (font.TextWidth(text.mid(from, length)) > room) {
      int fits = 1, over = length;  // the longest start that fits lies in [fits, over)
      while (over - fits > 1) {
        const int mid = (fits + over) / 2;
        (font.TextWidth(text.mid(from, mid)) <= room ? fits : over) = mid;
      }
      const int comma = static_cast<int>(text.mid(from, fits).lastIndexOf(QLatin1Char(',')));
      length = comma > 0 ? comma + 1 : fits;
    }
    lines.emplace_back(from, length);
    from += length;
  }
  return lines;
}

TLists::TTextLayout TLists::ListTextLayout(const Metrics& m, const QString& text) const {
  const int width = ListTextWidth();
  const int least = LegiblePixels();
  for (const std::optional<TTextLayout>& kept : textLayouts_)
    if (kept && kept->Text == text && kept->Room == RoomForListText && kept->Width == width && kept->Unit == m.u &&
        kept->Least == least)
      return *kept;
  TTextLayout layout{
      .Text = text, .Room = RoomForListText, .Width = width, .Unit = m.u, .Least = least, .Font = ListTextFont(m, text), .Lines = {}};
  layout.Lines = ListTextLines(text, layout.Font);
  layout.LineHeight = layout.Font.TextHeight(text);
  for (const auto& [from, length] : layout.Lines) layout.Widest = std::max(layout.Widest, layout.Font.TextWidth(text.mid(from, length)));
  // Two kept: the text the room is kept for and the text shown.
  textLayouts_[nextLayout_] = layout;
  nextLayout_ = (nextLayout_ + 1) % textLayouts_.size();
  return layout;
}

int TLists::ListTextRoom(const Metrics& m) const {
  if (RoomForListText.isEmpty()) return 0;
  const TTextLayout layout = ListTextLayout(m, RoomForListText);
  return static_cast<int>(layout.Lines.size()) * layout.LineHeight + 4 + 6 + 2;
}

QRect TLists::ListTextBox(const TTextLayout& layout) const {
  if (layout.Text.isEmpty()) return {};
  const int h = static_cast<int>(layout.Lines.size()) * layout.LineHeight + 4;
  return QRect(6, height() - h - 6, layout.Widest + 8, h);
}

std::vector<TLists::TTextPiece> TLists::ListTextPieces(const TTextLayout& layout) const {
  if (layout.Text.isEmpty()) return {};
  const QRect box = ListTextBox(layout);
  std::vector<TTextPiece> out;
  int top = box.top() + 2;
  // The marked character stands apart from the text on either side of it.
  const int mark = markIndex_ >= 1 && markIndex_ <= layout.Text.size() ? markIndex_ - 1 : -1;
  for (const auto& [from, length] : layout.Lines) {
    int x = box.left() + 4;
    std::vector<std::pair<int, int>> spans{{from, length}};
    if (mark >= from && mark < from + length) spans = {{from, mark - from}, {mark, 1}, {mark + 1, from + length - mark - 1}};
    for (const auto& [at, count] : spans) {
      const QString text = layout.Text.mid(at, count);
      const int w = layout.Font.TextWidth(text);
      if (!text.isEmpty()) out.push_back({QRect(x, top, w, layout.LineHeight), text, at, at == mark});
      x += w;
    }
    top += layout.LineHeight;
  }
  return out;
}

void TLists::PaintListText(TCanvas& c, const Metrics& m) {
  if (listText_.isEmpty()) return;
  const TTextLayout layout = ListTextLayout(m, listText_);
  c.Font = layout.Font;
  const QRect box = ListTextBox(layout);
  c.Brush.Style = bsSolid;
  c.Brush.Color = Colors(NodeRColor);
  c.FillRect(Rect(box.left(), box.top(), box.right() + 1, box.bottom() + 1));
  Frame3D(c, box.left(), box.top(), box.right() + 1, box.bottom() + 1, clBlack, clWhite);
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_LEFT | TA_TOP);
  const std::vector<TTextPiece> pieces = ListTextPieces(layout);
  // The highlight first, the letters over it without cells of their own: a letter reaching
  // past its cell (the A before a comma) stays whole; the marked character last.
  for (const TTextPiece& piece : pieces)
    if (piece.Marked) {
      c.Brush.Color = Colors(FocusRColor);
      c.FillRect(Rect(piece.Box.left(), piece.Box.top(), piece.Box.right() + 1, piece.Box.bottom() + 1));
    }
  c.Brush.Style = bsClear;
  for (const TTextPiece& piece : pieces) {
    if (piece.Marked) continue;
    c.Font.Color = Colors(NodeTColor);
    c.TextOut(piece.Box.left(), piece.Box.top(), piece.Text);
  }
  for (const TTextPiece& piece : pieces) {
    if (!piece.Marked) continue;
    c.Font.Color = Colors(FocusTColor);
    c.TextOut(piece.Box.left(), piece.Box.top(), piece.Text);
  }
  c.Brush.Style = bsSolid;
  c.Font.Style = 0;
}
