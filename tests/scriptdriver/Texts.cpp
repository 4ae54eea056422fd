#include "tests/scriptdriver/Texts.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTreeWidget>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <map>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Globals.h"
#include "framework/engine/Proc.h"
#include "framework/shell/AlgoForm.h"
#include "framework/shell/AlgoSelect.h"
#include "framework/shell/VarForm.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "framework/shell/SplitWnds.h"
#include "platform/Controls.h"
#include "platform/PaintBox.h"
#include "platform/PaintRecord.h"
#include "platform/Screen.h"
#include "tests/scriptdriver/Drawing.h"
#include "tests/scriptdriver/Script.h"

namespace script {

namespace {

QString Hex(QRgb c) { return QStringLiteral("#%1").arg(c & 0xFFFFFFu, 6, 16, QLatin1Char('0')); }

// A control painted later hides what lies under it where it stands: windows, painted
// controls, edits, lists, and any control that fills its background.
bool Opaque(const QWidget& w) {
  if (w.isWindow() || dynamic_cast<const TCanvasWidget*>(&w) || dynamic_cast<const TPanel*>(&w)) return true;
  if (dynamic_cast<const TPointer2*>(&w) || dynamic_cast<const TSpeedButton*>(&w)) return false;
  if (w.autoFillBackground() || w.testAttribute(Qt::WA_OpaquePaintEvent)) return true;
  return qobject_cast<const QPushButton*>(&w) || qobject_cast<const QLineEdit*>(&w) ||
         qobject_cast<const QAbstractSpinBox*>(&w) || qobject_cast<const QComboBox*>(&w) ||
         qobject_cast<const QAbstractScrollArea*>(&w) || qobject_cast<const QTabBar*>(&w);
}

struct Item {
  const QWidget* widget;
  int order;  // painting order over the whole screen
  QRect screenRect;
  QRect visible;  // the part of it inside every control holding it and the screen
};

struct Found {
  Glyphs g;
  int order;
  QRect visible;  // where the text may show
  std::optional<QRgb> back;
  bool partlyHidden;
};

struct Line {
  QLineF line;
  int width;
  int order;
  const QWidget* widget;
  QRect bounds;  // the pixels the line can touch
};

QString PlainText(const QLabel& label) {
  if (label.textFormat() == Qt::PlainText ||
      (label.textFormat() == Qt::AutoText && !Qt::mightBeRichText(label.text())))
    return label.text();
  QTextDocument doc;
  doc.setHtml(label.text());
  return doc.toPlainText();
}

// Texts Qt's own controls show, in the control's pixels.
struct WidgetText {
  QString text;
  QRect box;
  QFont font;
  QRgb ink;
  bool broken = false;  // a line of a memo that ends inside a word, number or arrow
};

// What a character belongs to when a line break falls beside it: a word or number (Latin
// letters and digits), an arrow ("-->", "<=="), or neither (blanks, punctuation, Chinese,
// between which a line may break).
int BreakClass(QChar c) {
  if (c.unicode() < 0x250 && (c.isLetterOrNumber() || c == QLatin1Char('_'))) return 1;
  if (c == QLatin1Char('-') || c == QLatin1Char('>') || c == QLatin1Char('<') || c == QLatin1Char('=')) return 2;
  return 0;
}

// The lines a memo (a log, a result list) shows, in its viewport's pixels (the viewport paints
// them): each visual line one text, marked broken when the wrap cut a word, a number or an
// arrow.
template <class Edit>
void MemoLines(const Edit& edit, std::vector<WidgetText>& out) {
  const QRect seen = edit.viewport()->rect();
  // A memo that scrolls shows its lines as a user scrolls to them: a line cut at the top or
  // bottom is read when scrolled to, and of a line wider than the memo, the part in view.
  const bool scrollsDown = edit.verticalScrollBar()->maximum() > 0;
  const bool scrollsAcross = edit.horizontalScrollBar()->maximum() > 0;
  const QRgb ink = edit.palette().color(QPalette::Text).rgb();
  for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    if (layout == nullptr || !block.isVisible()) continue;
    const QString text = block.text();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      QTextCursor cursor(block);
      cursor.setPosition(block.position() + line.textStart());
      // From the line's own x to the viewport's.
      const double shift = edit.cursorRect(cursor).left() - line.cursorToX(line.textStart());
      const int top = edit.cursorRect(cursor).top();
      int first = line.textStart();
      int end = line.textStart() + line.textLength();
      if (scrollsAcross) {
        while (first < end && line.cursorToX(first) + shift < seen.left()) ++first;
        while (end > first && line.cursorToX(end) + shift > seen.right() + 1) --end;
      }
      while (first < end && text[first].isSpace()) ++first;  // the glyphs' extent
      while (end > first && text[end - 1].isSpace()) --end;
      if (first == end) continue;
      const int left = qFloor(line.cursorToX(first) + shift);
      const QRect box(left, top, qCeil(line.cursorToX(end) + shift) - left, qCeil(line.height()));
      // A line that only touches the viewport's edge shows nothing of itself.
      const QRect inView = box & seen;
      if (inView.height() <= 1 || inView.width() <= 1) continue;
      if (scrollsDown && (box.top() < seen.top() || box.bottom() > seen.bottom())) continue;
      const int lineEnd = line.textStart() + line.textLength();
      bool broken = false;
      if (i + 1 < layout->lineCount() && lineEnd > 0 && lineEnd < text.size()) {
        const int before = BreakClass(text[lineEnd - 1]);
        broken = before != 0 && before == BreakClass(text[lineEnd]);
      }
      out.push_back({text.mid(first, end - first), box, edit.font(), ink, broken});
    }
  }
}

std::vector<WidgetText> TextsOfWidget(const QWidget& w) {
  std::vector<WidgetText> out;
  const QFontMetrics fm(w.font());
  auto add = [&](QString text, const QRect& area, int flags, QPalette::ColorRole role, const QFont& font) {
    text.remove(QLatin1Char('&'));
    if (text.trimmed().isEmpty()) return;
    const QRect box = QFontMetrics(font).boundingRect(area, flags, text);
    out.push_back({text, box, font, w.palette().color(role).rgb()});
  };
  if (const auto* label = qobject_cast<const QLabel*>(&w)) {
    if (label->pixmap().isNull())
      add(PlainText(*label), label->contentsRect().marginsRemoved(QMargins(label->margin(), label->margin(), label->margin(), label->margin())),
          static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->foregroundRole(),
          w.font());
  } else if (qobject_cast<const QCheckBox*>(&w) || qobject_cast<const QRadioButton*>(&w)) {
    const auto* b = qobject_cast<const QAbstractButton*>(&w);
    QStyleOptionButton option;
    option.initFrom(&w);
    const bool check = qobject_cast<const QCheckBox*>(&w) != nullptr;
    const QRect area = w.style()->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents,
                                                 &option, &w);
    add(b->text(), area, Qt::AlignLeft | Qt::AlignVCenter, QPalette::WindowText, w.font());
  } else if (const auto* b = qobject_cast<const QPushButton*>(&w)) {
    add(b->text(), b->rect().adjusted(4, 4, -4, -4), Qt::AlignCenter, QPalette::ButtonText, w.font());
  } else if (const auto* e = qobject_cast<const QLineEdit*>(&w)) {
    if (e->echoMode() == QLineEdit::Normal) {
      const QRect area = e->contentsRect().marginsRemoved(e->textMargins()).adjusted(2, 1, -2, -1);
      // A text selected whole (the edit took the focus) is drawn in the selection's colours.
      const bool selected = e->hasFocus() && e->selectedText() == e->text();
      const std::size_t before = out.size();
      add(e->text(), area, static_cast<int>(e->alignment()), selected ? QPalette::HighlightedText : QPalette::Text,
          w.font());
      // An edit scrolls a text longer than itself to its cursor: what shows is read, and the
      // rest is a keystroke away, not cut off.
      if (out.size() > before && out.back().box.width() > area.width()) out.back().box &= area;
    }
  } else if (const auto* c = qobject_cast<const QComboBox*>(&w)) {
    if (!c->isEditable()) {
      QStyleOptionComboBox option;
      option.initFrom(&w);
      const QRect area = w.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &w);
      add(c->currentText(), area.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QPalette::ButtonText, w.font());
    }
  } else if (const auto* tabs = qobject_cast<const QTabBar*>(&w)) {
    // A bar too narrow for its tabs scrolls them under its scroll buttons: a label is read
    // as far as it shows between the bar's ends and the buttons.
    QRect bar = tabs->rect();
    for (const QObject* child : tabs->children())
      if (const auto* b = qobject_cast<const QAbstractButton*>(child); b && b->isVisible()) {
        if (b->geometry().center().x() > bar.center().x()) bar.setRight(std::min(bar.right(), b->geometry().left() - 1));
        else bar.setLeft(std::max(bar.left(), b->geometry().right() + 1));
      }
    for (int i = 0; i < tabs->count(); ++i) {
      const std::size_t before = out.size();
      add(tabs->tabText(i), tabs->tabRect(i), Qt::AlignCenter, QPalette::WindowText, w.font());
      if (out.size() == before) continue;
      out.back().box &= bar;
      if (out.back().box.isEmpty()) out.pop_back();
    }
  } else if (const auto* group = qobject_cast<const QGroupBox*>(&w)) {
    QStyleOptionGroupBox option;
    option.initFrom(&w);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    const QRect area = w.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &w);
    add(group->title(), area, Qt::AlignLeft | Qt::AlignVCenter, QPalette::WindowText, w.font());
  } else if (const auto* memo = qobject_cast<const QTextEdit*>(w.parentWidget()); memo && memo->viewport() == &w) {
    MemoLines(*memo, out);
  } else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w.parentWidget());
             plain && plain->viewport() == &w) {
    MemoLines(*plain, out);
  } else if (const auto* tree = qobject_cast<const QTreeWidget*>(&w)) {
    // Items are drawn on the viewport: their boxes go into its pixels, then the tree's.
    const QPoint at = tree->viewport()->mapTo(tree, QPoint(0, 0));
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it) {
      const QRect r = tree->visualItemRect(*it);
      if (r.isEmpty() || !tree->viewport()->rect().intersects(r)) continue;
      add((*it)->text(0), r.translated(at).adjusted(tree->iconSize().width() + 4, 0, 0, 0),
          Qt::AlignLeft | Qt::AlignVCenter, QPalette::Text, w.font());
    }
  }
  return out;
}

// The colour seen most around the glyphs that is not the ink's (nor close to it); of two
// seen as often, the lower value.
QRgb BackAround(const QImage& screen, const QRect& box, QRgb ink) {
  auto close = [](QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 48;
  };
  // Counted colour by colour: few colours fill most of a box.
  std::vector<std::pair<QRgb, std::size_t>> seen;
  const QRect area = box.adjusted(-2, -2, 2, 2) & screen.rect();
  QRgb last = 0;
  std::size_t at = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb c = row[x] & 0xFFFFFFu;
      if (close(c, ink)) continue;
      if (seen.empty() || c != last) {
        const auto it = std::find_if(seen.begin(), seen.end(), [c](const auto& e) { return e.first == c; });
        at = it != seen.end() ? static_cast<std::size_t>(it - seen.begin()) : seen.size();
        if (it == seen.end()) seen.emplace_back(c, 0);
        last = c;
      }
      ++seen[at].second;
    }
  }
  if (seen.empty()) return ink;
  QRgb best = seen.front().first;
  std::size_t bestRun = 0;
  for (const auto& [colour, count] : seen)
    if (count > bestRun || (count == bestRun && colour < best)) {
      bestRun = count;
      best = colour;
    }
  return best;
}

bool Meets(const QRect& a, const QRect& b, int more) {
  const QRect i = a & b;
  return !i.isEmpty() && i.width() > more && i.height() > more;
}

}  // namespace

namespace {
// A window of a demonstration's own docked in a pane that is no TGraphForm: the static search
// table (drawn with the kit), the maze's stack window (panels and paint boxes). The shell's
// windows docked beside them are not its.
bool DockedOwnWindow(const QWidget& w) {
  return !dynamic_cast<const TGraphForm*>(&w) && dynamic_cast<const TSplitPane*>(w.parentWidget()) && !ShellWindow(w);
}
}  // namespace

std::vector<const QWidget*> DrawingWindows() {
  std::vector<const QWidget*> out;
  for (const TGraphForm* form : TGraphForm::All())
    if (form->isVisible()) out.push_back(form);
  if (MainForm != nullptr && MainForm->DockFrame() != nullptr) {
    const TSplitWnds& frame = *MainForm->DockFrame();
    for (int i = 1; i <= frame.PaneCount(); ++i)
      if (const QWidget* form = frame.Pane(i)->DockedForm(); form && form->isVisible() && DockedOwnWindow(*form))
        out.push_back(form);
  }
  return out;
}

const QWidget* DrawingWindowOf(const QWidget* w) {
  for (; w; w = w->parentWidget())
    if (dynamic_cast<const TGraphForm*>(w) || DockedOwnWindow(*w)) return w;
  return nullptr;
}

const QWidget* ReadPaneOf(const QWidget* w) {
  for (; w; w = w->parentWidget())
    if (w == AlgorithmForm || w == VariableForm) return w;
  return nullptr;
}

namespace {
// The drawing windows a shell window holds, in the order they were made, but for those
// inside another, then the algorithm and variable windows docked in it: what the rules read
// of it.
std::vector<const QWidget*> OutermostDrawingWindows(const QWidget& window) {
  std::vector<const QWidget*> out = DrawingWindows();
  std::erase_if(out, [&](const QWidget* form) { return form->window() != &window || DrawingWindowOf(form->parentWidget()); });
  for (const QWidget* pane : {static_cast<const QWidget*>(AlgorithmForm), static_cast<const QWidget*>(VariableForm)})
    if (pane != nullptr && pane->isVisible() && pane->window() == &window && pane != &window) out.push_back(pane);
  return out;
}
}  // namespace

bool Checked(const QWidget& w) {
  return DrawingWindowOf(&w) != nullptr || ReadPaneOf(&w) != nullptr || !ShellWindow(*w.window());
}

bool ShellWindow(const QWidget& window) {
  if (&window == AlgoSelectForm || &window == MainForm) return true;
  const QString cls = ClassNameOf(window);
  return cls == QLatin1String("TAlgorithmForm") || cls == QLatin1String("TVariableForm") ||
         cls == QLatin1String("TDemoDescriptForm") || cls == QLatin1String("TCallStackForm");
}

QString Glyphs::Line() const {
  // Joined, not arg()-ed: a text may hold "%1".
  return QStringList{QStringLiteral("glyphs"), window, QuotedDrawingText(text), QString::number(box.x()),
                     QString::number(box.y()), QString::number(box.width()), QString::number(box.height()),
                     QString::number(px), Hex(ink), Hex(back)}
      .join(' ');
}

QList<QWidget*> ScreenWindows() {
  QList<QWidget*> windows;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->isVisible() && !top->isMinimized() && top->windowType() != Qt::Desktop) windows << top;
  QWidget* active = QApplication::activeModalWidget();
  if (active == nullptr) active = QApplication::activeWindow();
  // The selection window at the bottom, the demonstration window over it (it is shown while
  // the selection still is, when a demonstration starts), windows owned by another above them
  // and the active one (a dialog open over the rest) on top.
  auto layer = [active](const QWidget* w) {
    if (w == active) return 4;
    if (w == AlgoSelectForm) return 0;
    if (w == MainForm) return 1;
    return w->parentWidget() == nullptr ? 2 : 3;
  };
  std::stable_sort(windows.begin(), windows.end(),
                   [&layer](const QWidget* a, const QWidget* b) { return layer(a) < layer(b); });
  return windows;
}

QImage ComposeScreen(const QList<QWidget*>& windows, bool checkedOnly) {
  // One image for every composition: "check every" composes after each line, and a fresh
  // screen-sized image each time costs more than drawing on it.
  static QImage img;
  if (img.size() != screen::Size()) img = QImage(screen::Size(), QImage::Format_RGB32);
  img.fill(Qt::black);
  QPainter painter(&img);
  for (QWidget* w : windows) {
    if (!checkedOnly || !ShellWindow(*w)) {
      w->render(&painter, w->geometry().topLeft());
      continue;
    }
    // Of a shell window only the drawing windows docked in it.
    for (const QWidget* form : OutermostDrawingWindows(*w))
      const_cast<QWidget*>(form)->render(&painter, form->mapTo(w, QPoint(0, 0)) + w->geometry().topLeft());
  }
  return img;
}

std::vector<Glyphs> GatherTexts(const QList<QWidget*>& windows, const QImage& screen, bool checkedOnly) {
  std::vector<Item> items;
  std::vector<Found> found;
  std::vector<Line> lines;
  const QRect screenRect(QPoint(0, 0), screen.size());
  for (QWidget* window : windows) {
    const QPoint origin = window->geometry().topLeft();
    const bool shellWindow = ShellWindow(*window);
    // Depth first in painting order: a control, then its children from the first made. Of a
    // shell window, when only checked texts are wanted, just the drawing windows it holds,
    // each where it shows.
    std::vector<std::pair<const QWidget*, QRect>> stack;
    if (checkedOnly && shellWindow) {
      const std::vector<const QWidget*> forms = OutermostDrawingWindows(*window);
      for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        const QWidget* form = *it;
        QRect holder = screenRect;
        for (const QWidget* p = form->parentWidget(); p; p = p->parentWidget())
          holder &= QRect(p->mapTo(window, QPoint(0, 0)) + origin, p->size());
        stack.emplace_back(form, holder);
      }
    } else {
      stack.emplace_back(window, screenRect);
    }
    while (!stack.empty()) {
      const auto [w, holder] = stack.back();
      stack.pop_back();
      const QRect rect(w->mapTo(window, QPoint(0, 0)) + origin, w->size());
      const QRect visible = rect & holder;
      const int order = static_cast<int>(items.size());
      items.push_back({w, order, rect, visible});
      const QPoint at = rect.topLeft();
      const QWidget* drawing = DrawingWindowOf(w);
      const QWidget* pane = drawing ? nullptr : ReadPaneOf(w);
      const QString name = drawing ? NameOf(*drawing) : pane ? NameOf(*pane) : NameOf(*window);
      const bool checked = drawing != nullptr || pane != nullptr || !shellWindow;  // as Checked(*w) tells
      auto add = [&](const QString& text, const QRect& box, const QRect& shown, int px, QRgb ink,
                     std::optional<QRgb> back, bool partly, bool broken = false) {
        if (checkedOnly && !checked) return;
        // Of the algorithm and variable windows only what shows in their panes is read (a
        // tab the split frame cuts away lies under the next pane).
        if (pane != nullptr && !(shown.translated(at) & visible).intersects(box.translated(at))) return;
        Found f{{name, text, box.translated(at), px, ink, 0, checked, false, false, broken, pane != nullptr},
                order, shown.translated(at) & visible, back, partly};
        found.push_back(std::move(f));
      };
      bool painted = false;
      if (const std::optional<paintrecord::Record> r = paintrecord::ShownBy(w)) {
        for (const paintrecord::Text& t : r->texts) {
          add(t.text, t.box, t.shown, t.px, t.ink, t.back, t.partlyHidden);
          painted = true;
        }
        for (const paintrecord::Segment& s : r->segments) {
          const QLineF l = s.line.translated(at);
          const QRect bounds = QRectF(l.p1(), l.p2()).normalized().toAlignedRect().adjusted(-s.width - 1, -s.width - 1, s.width + 1, s.width + 1);
          lines.push_back({l, s.width, order, w, bounds});
        }
      }
      if (!painted)
        for (const WidgetText& t : TextsOfWidget(*w))
          add(t.text, t.box, t.box, paintrecord::PixelHeight(t.font), t.ink, std::nullopt, false, t.broken);
      const QObjectList& children = w->children();
      for (auto it = children.rbegin(); it != children.rend(); ++it) {
        const auto* child = qobject_cast<const QWidget*>(*it);
        if (child && !child->isWindow() && child->isVisible()) stack.emplace_back(child, visible);
      }
    }
  }

  std::vector<const Item*> opaque;
  for (const Item& it : items)
    if (Opaque(*it.widget)) opaque.push_back(&it);
  // The lines by the squares of the screen they can touch, so a text meets only its own.
  constexpr int kSquare = 64;
  const int across = std::max(1, (screenRect.width() + kSquare - 1) / kSquare);
  const int down = std::max(1, (screenRect.height() + kSquare - 1) / kSquare);
  // What lies beyond an edge goes to the squares along it.
  auto square = [](int v, int count) { return std::clamp(v < 0 ? -1 : v / kSquare, 0, count - 1); };
  auto squares = [&](const QRect& r, auto&& each) {
    if (r.isEmpty()) return;
    for (int y = square(r.top(), down); y <= square(r.bottom(), down); ++y)
      for (int x = square(r.left(), across); x <= square(r.right(), across); ++x)
        each(static_cast<std::size_t>(y * across + x));
  };
  std::vector<std::vector<std::size_t>> linesIn(static_cast<std::size_t>(across * down));
  for (std::size_t k = 0; k < lines.size(); ++k) squares(lines[k].bounds, [&](std::size_t at) { linesIn[at].push_back(k); });
  std::vector<Glyphs> out;
  for (Found& f : found) {
    // A text wholly beyond the screen's edge, or wholly outside the controls holding it, is not
    // on the screen (the older columns of a paged stack lie there, also in a window made
    // narrower); one that reaches into them is judged as any other.
    if (!f.g.box.intersects(screenRect) || !f.g.box.intersects(f.visible)) continue;
    // What controls painted later hide of it. A text another window covers, even in part, is
    // left out: the window over it is not a fault of the drawing under it.
    QRegion hidden;
    bool underAnotherWindow = false;
    const QWidget* ownWindow = items[static_cast<std::size_t>(f.order)].widget->window();
    for (const Item* it : opaque)
      if (it->order > f.order && it->visible.intersects(f.g.box)) {
        hidden += it->visible;
        if (it->widget->window() != ownWindow) underAnotherWindow = true;
      }
    const QRegion left = QRegion(f.g.box) - hidden;
    if (left.isEmpty() || underAnotherWindow) continue;
    const QRect shownPart = (QRegion(f.g.box) & QRegion(f.visible)).boundingRect();
    f.g.clipped = f.partlyHidden || shownPart != f.g.box || !(QRegion(f.g.box) & hidden).isEmpty();
    // A text cut by its control, its window's edge or a control laid over it is read as far
    // as it shows (a long line of the algorithm window, cut at the pane): what no one sees
    // neither meets another text nor is crossed.
    const QRect seen = ((QRegion(f.g.box) & QRegion(f.visible)) - hidden).boundingRect();
    if (seen.isEmpty()) continue;
    f.g.box = seen;
    const Item& own = items[static_cast<std::size_t>(f.order)];
    std::vector<std::size_t> near;
    // A sliver of a text (a letter cut to a column or two by its window's edge) leaves nothing
    // inside its box shrunk by 1 px for a line to pass through.
    if (seen.width() > 2 && seen.height() > 2)
      squares(f.g.box, [&](std::size_t at) { near.insert(near.end(), linesIn[at].begin(), linesIn[at].end()); });
    std::sort(near.begin(), near.end());
    near.erase(std::unique(near.begin(), near.end()), near.end());
    for (const std::size_t k : near) {
      const Line& l = lines[k];
      if (l.order < f.order) continue;
      if (l.order == f.order && l.widget != own.widget) continue;
      if (!l.bounds.intersects(f.g.box)) continue;
      const double grow = (l.width - 1) / 2.0;
      // Lines of the same control were already cut by what it painted after them; any line
      // counts where its control shows.
      const QRectF inner = QRectF(f.g.box).adjusted(1 - grow, 1 - grow, -1 + grow, -1 + grow);
      const QRectF where = inner & QRectF(items[static_cast<std::size_t>(l.order)].visible);
      if (paintrecord::Crosses(l.line, where)) {
        f.g.crossed = true;
        break;
      }
    }
    f.g.back = f.back ? *f.back : BackAround(screen, f.g.box, f.g.ink);
    out.push_back(std::move(f.g));
  }
  return out;
}

double ContrastRatio(QRgb a, QRgb b) { return ::ContrastRatio(FromQRgb(a), FromQRgb(b)); }

QStringList Findings(const std::vector<Glyphs>& texts, QSize screen, const std::function<bool(const Glyphs&)>& allowed11,
                     double share) {
  QStringList out;
  const int least = static_cast<int>(std::floor((screen.width() >= 1920 ? 16 : 13) * std::clamp(share, 0.0, 1.0)));
  auto report = [&](const char* rule, const QString& what) {
    out << QStringLiteral("illegible %1 %2").arg(QLatin1String(rule), what);
  };
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const Glyphs& g = texts[i];
    if (!g.checked) continue;
    if (g.px < least && !g.pane && !(g.px >= 11 && allowed11 && allowed11(g))) report("size", g.Line());
    if (g.clipped && !g.pane) report("clipped", g.Line());
    if (g.crossed) report("crossed", g.Line());
    if (ContrastRatio(g.ink, g.back) < 3.0 && !g.pane) report("contrast", g.Line());
    if (g.broken) report("broken", g.Line());
    for (std::size_t j = i + 1; j < texts.size(); ++j)
      if (texts[j].checked && Meets(g.box, texts[j].box, 1)) report("overlap", g.Line() + QStringLiteral(" / ") + texts[j].Line());
  }
  return out;
}

QStringList BreakpointFindings() {
  QStringList out;
  TAlgorithmForm* form = AlgorithmForm;
  if (form == nullptr || !form->isVisible()) return out;
  TProcedure* proc = form->ShownProcedure();
  TZqDrawGrid* grid = form->ProcBox();
  // Only the executing procedure's rows are marked; a browsed one shows its plain text.
  if (proc == nullptr || grid == nullptr || CurrentDemo == nullptr || proc != CurrentDemo->ShownProc()) return out;
  QWidget* viewport = grid->viewport();
  // How the row shows with its breakpoint and how it would show without: the window paints
  // it again without, it is looked at, and the breakpoint is given back.
  auto look = [&](int row) {
    form->Refresh();
    grid->viewport()->repaint();
    return viewport->grab(grid->CellRect(0, row).ToQRect()).toImage();
  };
  for (int row = grid->TopRow(); row < grid->TopRow() + form->MaxLines() && row < proc->Count(); ++row) {
    TProcLine* line = proc->LineByIndex(row);
    if (line == nullptr || !line->Breakpoint || grid->CellRect(0, row).IsEmpty()) continue;
    const QImage with = look(row);
    line->Breakpoint = false;
    const QImage without = look(row);
    line->Breakpoint = true;
    look(row);
    if (with == without)
      out << QStringLiteral("illegible breakpoint %1 %2 \"%3\" -- the row looks as it does without its breakpoint%4")
                 .arg(proc->Name())
                 .arg(row)
                 .arg(line->Text().trimmed(), line->Current ? QStringLiteral(" (the current line)") : QString());
  }
  return out;
}

QString CurrentLineFinding(const CurrentLineView& v) {
  auto finding = [&](const QString& why) {
    return QStringLiteral("illegible current %1 %2 \"%3\" -- %4").arg(v.proc).arg(v.row).arg(v.text.trimmed(), why);
  };
  if (v.shownProc != v.proc) return finding(QStringLiteral("the tab shown is %1's").arg(v.shownProc));
  const QString rows = v.lastRow >= v.firstRow ? QStringLiteral("rows %1 to %2 show").arg(v.firstRow).arg(v.lastRow)
                                               : QStringLiteral("no row shows");
  if (v.rowRect.isEmpty() || v.rowRect.top() < v.inView.top() || v.rowRect.bottom() > v.inView.bottom())
    return finding(QStringLiteral("its row is not wholly in view (%1)").arg(rows));
  if (v.textRight <= v.textLeft) return {};  // a blank line shows as its row
  const int left = v.inView.left(), right = v.inView.right() + 1;
  if (!v.scrolled && (v.textLeft < left || v.firstRight > right))
    return finding(QStringLiteral("its first letter is out of view"));
  if (v.scrolled && std::min(v.textRight, right) - std::max(v.textLeft, left) < v.firstRight - v.textLeft)
    return finding(QStringLiteral("its text is scrolled out of view"));
  return {};
}

namespace {
// The part of w's rectangle that shows on the screen: inside every control holding it and the
// screen, less what a later sibling of it or of a control holding it, shown and opaque, lays
// over it (a pane of the split frame over the one before it).
QRect ShownPart(const QWidget& w, QRect r) {
  r = QRect(w.mapToGlobal(r.topLeft()), r.size());
  for (const QWidget* c = &w; c != nullptr && !c->isWindow(); c = c->parentWidget()) {
    const QWidget* parent = c->parentWidget();
    r &= QRect(parent->mapToGlobal(QPoint(0, 0)), parent->size());
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(c)) + 1; i < siblings.size(); ++i) {
      const auto* s = qobject_cast<const QWidget*>(siblings[i]);
      if (s == nullptr || s->isWindow() || !s->isVisible() || !Opaque(*s)) continue;
      const QRect over(s->mapToGlobal(QPoint(0, 0)), s->size());
      if (!over.intersects(r)) continue;
      // What the later control leaves of r: the largest band beside it.
      const QRect bands[4] = {QRect(QPoint(r.left(), r.top()), QPoint(r.right(), over.top() - 1)),
                              QRect(QPoint(r.left(), over.bottom() + 1), QPoint(r.right(), r.bottom())),
                              QRect(QPoint(r.left(), r.top()), QPoint(over.left() - 1, r.bottom())),
                              QRect(QPoint(over.right() + 1, r.top()), QPoint(r.right(), r.bottom()))};
      QRect best;
      for (const QRect& b : bands)
        if (b.isValid() && b.width() * b.height() > best.width() * best.height()) best = b & r;
      r = best;
    }
  }
  return r & QRect(QPoint(0, 0), screen::Size());
}
}  // namespace

QStringList CurrentLineFindings(bool browsing) {
  TAlgorithmForm* form = AlgorithmForm;
  // Within a step (a message window the step opens after a return), the window still shows
  // the line being executed, in its procedure, though the engine has moved on to the next.
  const TProcLine* line = CurrentDemo != nullptr ? CurrentDemo->ShownLine() : nullptr;
  if (browsing || form == nullptr || !form->isVisible() || line == nullptr) return {};
  TZqDrawGrid* grid = form->ProcBox();
  const QWidget* viewport = grid->viewport();
  CurrentLineView v;
  v.proc = line->Procedure()->Name();
  v.row = line->LineNo();
  v.text = line->Text();
  const TProcedure* shown = form->ShownProcedure();
  v.shownProc = shown != nullptr ? shown->Name() : QString();
  v.inView = ShownPart(*viewport, viewport->rect());
  const QRect cell = grid->CellRect(0, v.row).ToQRect();
  if (!cell.isEmpty()) v.rowRect = QRect(viewport->mapToGlobal(cell.topLeft()), cell.size());
  const int rowHeight = std::max(1, form->RowHeight());
  v.firstRow = grid->TopRow();
  v.lastRow = grid->TopRow() + std::min(form->MaxLines(), std::max(0, viewport->height() / rowHeight)) - 1;
  // The row is painted two pixels in from the cell's left, less the sideways scroll.
  const int scroll = form->TextScrollBar()->isVisible() ? form->TextScrollBar()->value() : 0;
  v.scrolled = scroll > 0;
  const QString text = v.text;
  const qsizetype first = std::find_if(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); }) - text.begin();
  qsizetype end = text.size();
  while (end > 0 && text[end - 1].isSpace()) --end;
  const QString trimmed = text.left(end);
  const int x0 = viewport->mapToGlobal(QPoint(cell.isEmpty() ? 0 : cell.left(), 0)).x() + 2 - scroll;
  if (first < trimmed.size()) {
    v.textLeft = x0 + grid->Font.TextWidth(text.left(first));
    v.firstRight = x0 + grid->Font.TextWidth(text.left(first + 1));
    v.textRight = x0 + grid->Font.TextWidth(trimmed);
  }
  const QString finding = CurrentLineFinding(v);
  return finding.isEmpty() ? QStringList() : QStringList{finding};
}

std::vector<SizeException> ParseExceptions(const QString& source, QStringList& problems) {
  std::vector<SizeException> out;
  const QStringList rows = source.split(QLatin1Char('\n'));
  for (qsizetype i = 0; i < rows.size(); ++i) {
    const QString row = rows[i].trimmed();
    if (row.isEmpty() || row.startsWith(QLatin1Char('#'))) continue;
    QStringList words;
    if (!SplitWords(row, words) || words.size() != 3 || !QRegularExpression(words[2]).isValid()) {
      problems << QStringLiteral("line %1: not DEMO INPUT PATTERN: %2").arg(i + 1).arg(row);
      continue;
    }
    out.push_back({words[0], words[1], words[2]});
  }
  return out;
}

}  // namespace script
