#include "demos/search/BsTreeClass.h"

#include <QFontMetrics>
#include <QLineF>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <initializer_list>

#include "demos/search/BsTreeInDlg.h"
#include "framework/drawkit/MarkPlaces.h"
#include "demos/trees/TreeFile.h"
#include "demos/trees/TreeFileDialog.h"
#include "framework/drawkit/KitControl.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/engine/AlgoDemo.h"
#include "platform/Forms.h"
#include "platform/ModalHost.h"
#include "platform/Random.h"

TBsTreeClass::TBsTreeClass(QWidget* parent) : TBinCharTree(parent) {}

TBinCharTreeNode* TBsTreeClass::BstSearch(TBinCharTreeNode*& parent, char key, bool& found) const {
  parent = nullptr;
  found = false;
  TBinCharTreeNode* node = Root();
  while (node && !found) {
    if (node->Value() == key) {
      found = true;
    } else {
      parent = node;
      node = node->Value() > key ? node->Left() : node->Right();
    }
  }
  return node;
}

void TBsTreeClass::BstInsert(char key) {
  TBinCharTreeNode* parent = nullptr;
  bool found = false;
  BstSearch(parent, key, found);
  if (found) return;
  if (!parent) {
    if (MaxDepth <= 0) return;
    auto* root = MakeNode<TBinCharTreeNode>();
    root->SetValue(key);
    root->stair = 1;
    SetRootBase(root);
    return;
  }
  if (parent->stair >= MaxDepth) return;
  auto* node = MakeNode<TBinCharTreeNode>();
  node->SetValue(key);
  parent->AttachChild(*node, parent->Value() > key);
}

bool TBsTreeClass::Input() {
  TBsTreeInputDlg dlg;
  return InputWith(dlg, *dlg.Tree);
}

void TBsTreeClass::LoadFromFile(const QString& fileName) { LoadSearchTreeFile(*this, fileName, false); }

void LoadSearchTreeFile(TBinTree& tree, const QString& fileName, bool balanced) {
  const QByteArray bytes = ReadTreeFile(fileName);
  const std::unique_ptr<TTreeRecord> records = ParseTreeFile(bytes, *tree.NodeClass.Stream, tree.MaxDepth, fileName);
  if (const QString fault = SearchTreeFault(records.get(), balanced); !fault.isEmpty()) {
    const QString kind = balanced ? QStringLiteral("二叉平衡树") : QStringLiteral("二叉排序树");
    throw ETreeFileError(QStringLiteral("%1 不是可用的%2：%3。树没有改变。").arg(fileName, kind, fault));
  }
  tree.LoadFromBytes(bytes, fileName);
}

QString SearchTreeFault(const TTreeRecord* root, bool balanced) {
  QString fault;
  // The height of the subtree, checking each letter against the bounds its ancestors set.
  std::function<int(const TTreeRecord*, char, char)> walk = [&](const TTreeRecord* node, char low, char high) {
    if (!node || !fault.isEmpty()) return 0;
    const auto* v = stream::FindValue(node->Values, QStringLiteral("Value"));
    const QString s = v && std::holds_alternative<QString>(*v) ? std::get<QString>(*v) : QString();
    const char c = s.size() == 1 ? static_cast<char>(s[0].unicode()) : '\0';
    if (c < 'A' || c > 'Z') {
      fault = QStringLiteral("结点的值必须是大写字母");
      return 0;
    }
    if (c <= low || c >= high) {
      fault = QStringLiteral("结点%1不符合二叉排序树的次序（或关键字重复）").arg(QChar::fromLatin1(c));
      return 0;
    }
    const int left = walk(node->Left.get(), low, c);
    const int right = walk(node->Right.get(), c, high);
    if (balanced && fault.isEmpty() && std::abs(left - right) > 1)
      fault = QStringLiteral("结点%1的平衡因子为%2，不是平衡二叉树").arg(QChar::fromLatin1(c)).arg(left - right);
    return 1 + std::max(left, right);
  };
  walk(root, 'A' - 1, 'Z' + 1);
  return fault;
}

void SaveTreeFile(TBinTree& tree, const QString& caption) {
  WithTreeFile(true, caption, [&tree](const QString& name) { tree.SaveToFile(name); });
}

void LoadTreeFile(TBinCharTree& tree, const QString& caption) {
  if (!WithTreeFile(false, caption, [&tree](const QString& name) { tree.LoadFromFile(name); })) return;
  tree.NumberNodes();
  tree.Arrange();
  tree.Repaint();
}

void RandomSearchTree(TBinCharTree& tree, const std::function<void(char)>& insert) {
  tree.Clear();
  rnd::Randomize();
  const int count = rnd::Random(27);
  QString drawn;
  for (int i = 0; i < count; ++i) {
    char letter;
    do letter = static_cast<char>('A' + rnd::Random(26));
    while (drawn.contains(QChar::fromLatin1(letter)));
    drawn += QChar::fromLatin1(letter);
    insert(letter);
  }
  tree.NumberNodes();
  tree.Arrange();
  tree.Repaint();
}

void BlinkNode(TTreeNodeBase& node) {
  for (int i = 0; i < 2; ++i) {
    node.SetHighlighted(true);
    Delay(200);
    node.SetHighlighted(false);
    Delay(200);
  }
}

void SpliceOut(TBinTree& tree, TBinTreeNode* parent, bool asLeft, TBinTreeNode* node, bool keepLeft) {
  TBinTreeNode* kept = keepLeft ? node->LeftChild : node->RightChild;
  keepLeft ? node->SetLeft(nullptr) : node->SetRight(nullptr);
  if (parent) {
    asLeft ? parent->SetLeft(kept) : parent->SetRight(kept);
  } else {
    if (kept) kept->ParentNode = nullptr;
    tree.SetRootBase(kept);
  }
  delete node;
}

void TTreeOperation::Begin(const TBinTree& tree) { snapshot_ = tree.SaveToBytes(); }

void TTreeOperation::Wait(const TBinTree& tree, TBinCharTreeNode& node) {
  // A square as wide as a last-level place or three quarters of a level's height, just inside
  // the free band's corner, so that its marker, as large as the window makes it, stands above
  // and left of it rather than over its letter.
  const int levels = std::max(tree.MaxDepth, 1);
  const int side = std::min(tree.width() / static_cast<int>(std::lround(std::pow(2.0, levels - 1))),
                            (tree.height() / levels) * 3 / 4);
  const int band = std::max(tree.PointerBand(), TPointer2::LeastSide);
  node.setGeometry(band, band, side, side);
  node.show();
  newNode_ = &node;
}

bool TTreeOperation::LinkNewNode(TBinTreeNode* parent, bool left) {
  TBinCharTreeNode* s = newNode_;
  if (!parent || !s) return false;
  if (parent->stair >= parent->Tree().MaxDepth) {
    modal::ShowMessage(QStringLiteral("树深度过大，无法插入结点"));
    delete s;
    return false;
  }
  parent->AttachChild(*s, left);
  return true;
}

void TTreeOperation::End(const TBinTree& tree) {
  if (newNode_ && !newNode_->ParentNode && newNode_ != tree.Root()) delete newNode_.data();
  newNode_.clear();
  snapshot_.clear();
}

bool TTreeOperation::Undo(TBinTree& tree) {
  const QByteArray saved = std::exchange(snapshot_, {});
  End(tree);
  if (saved.isEmpty()) return false;
  tree.LoadFromBytes(saved, QString());
  return true;
}

int TBsTreeClass::BottomMargin() const {
  // The captions keep off the pointers' room: a caption under a leaf stands above it.
  return (ShowName ? Ratio().Grow(20) : 0) + PointerRoomBelow();
}

void TBsTreeClass::PlacePointers() { SpreadPointers(*this); }

int MarkerHeight(const TTreeBase& tree, int nodeHeight) {
  // The caption, half the head's height, written at least as large as this screen reads.
  const int least = std::max(TPointer2::LeastSide * 4 / 5, 5 * LegiblePixels() / 2);
  return std::max(least, std::min(tree.PointerBand(), nodeHeight));
}

namespace {
// A marker fills the tree's pointer band, no taller than its node unless its caption would then
// read too small, and wide enough to hold its caption in the head's upper left quarter, off the
// head's edges ("bst" beside "p").
QSize MarkerSize(const TPointer2& pointer, int h) {
  const QFontMetrics fm(TFont{.Name = QStringLiteral("Arial"), .Height = h / 2, .Style = fsBold}.ToQFont());
  return {std::max(h, 2 * (fm.horizontalAdvance(pointer.Caption()) + 2)), h};
}

void SizeMarker(TPointer2& pointer, const QWidget& tree) {
  const auto* kit = dynamic_cast<const TTreeBase*>(&tree);
  if (pointer.GrowsWithWindow || !kit || !pointer.Target()) return;
  const int node = pointer.Target()->height();  // a row of key cells is wide and low
  pointer.resize(MarkerSize(pointer, MarkerHeight(*kit, node)));
}
}  // namespace

namespace {
// A place for a pointer: its head's box, whether it points left and whether it stands under its
// tip pointing up.
struct TPlace {
  QRect Box;
  bool Left = false;
  bool Up = false;
};

// Where a pointer's caption stands at a place (TPointer2::CaptionQuarterOf).
QRect CaptionQuarter(const TPlace& at) { return TPointer2::CaptionQuarterOf(at.Box, at.Left, at.Up); }

// The head a pointer paints at a place: from its tip at a lower corner (an upper one pointing
// up) to the middle of the far edge, the centre and the middle of the edge away from the tip.
QPolygon HeadOf(const TPlace& at) {
  const int w = at.Box.width(), h = at.Box.height();
  const int tipY = at.Up ? 0 : h, backY = at.Up ? h : 0;
  const int tipX = at.Left ? 0 : w, farX = at.Left ? w : 0;
  return QPolygon({QPoint(tipX, tipY), QPoint(farX, h / 2), QPoint(w / 2, h / 2), QPoint(w / 2, backY)})
      .translated(at.Box.topLeft());
}

bool Meets(const QRect& a, const QRect& b) {
  const QRect i = a & b;
  return i.width() > 1 && i.height() > 1;
}

// Whether a line runs into a head's box pulled in by 2 pixels (a link that only grazes it does
// not count).
bool SegmentMeets(const QLineF& line, const QRect& head) {
  const QRectF box = QRectF(head).adjusted(2, 2, -2, -2);
  return !box.isEmpty() && SegmentCrossesBox(line, box);
}

// Whether one of two heads covers more than half of the other: they would read as one.
bool HalfCovered(const QRect& a, const QRect& b) {
  const QRect i = a & b;
  const long long both = i.isEmpty() ? 0 : 1LL * i.width() * i.height();
  return 2 * both > std::min(1LL * a.width() * a.height(), 1LL * b.width() * b.height());
}

// Where a pointer's tip stands at a place (TPointer2::TipOf).
QPoint TipAt(const TPlace& at) { return TPointer2::TipOf(at.Box, at.Left, at.Up); }

// Two heads whose tips meet (within 2 pixels) read as one mark.
bool TipsMeet(const TPlace& a, const TPlace& b) {
  const QPoint d = TipAt(a) - TipAt(b);
  return std::abs(d.x()) <= 2 && std::abs(d.y()) <= 2 && Meets(a.Box, b.Box);
}

bool HeadMeets(const TPlace& head, const QRect& caption) {
  return QPolygonF(HeadOf(head)).intersects(QPolygonF(QRectF(caption).adjusted(0.5, 0.5, -0.5, -0.5)));
}

// The places a pointer of size may stand on node, its tip on the node's outline, in the order
// they are tried: on the top-left corner, on the top-right corner pointing left, along the top
// edge from either corner, down the left edge, down the right edge pointing left.
std::vector<TPlace> PlacesOn(const QRect& node, QSize size) {
  const int w = size.width(), h = size.height();
  const int left = node.left(), right = node.left() + node.width(), top = node.top();
  std::vector<TPlace> out{{QRect(QPoint(left - w, top - h), size), false}, {QRect(QPoint(right, top - h), size), true}};
  for (int d = 1; d < node.width(); ++d) {
    out.push_back({QRect(QPoint(left + d - w, top - h), size), false});
    out.push_back({QRect(QPoint(right - d, top - h), size), true});
  }
  for (int y = top + 1; y <= top + node.height(); ++y) out.push_back({QRect(QPoint(left - w, y - h), size), false});
  for (int y = top + 1; y <= top + node.height(); ++y) out.push_back({QRect(QPoint(right, y - h), size), true});
  return out;
}

// The places under node pointing up, the tip on the outline, as PlacesOn seen in a mirror: on
// the bottom-left corner, on the bottom-right corner pointing left, along the bottom edge from
// either corner, up the left edge, up the right edge pointing left.
std::vector<TPlace> PlacesUnder(const QRect& node, QSize size) {
  const int w = size.width();
  const int left = node.left(), right = node.left() + node.width(), bottom = node.top() + node.height();
  std::vector<TPlace> out{{QRect(QPoint(left - w, bottom), size), false, true},
                          {QRect(QPoint(right, bottom), size), true, true}};
  for (int d = 1; d < node.width(); ++d) {
    out.push_back({QRect(QPoint(left + d - w, bottom), size), false, true});
    out.push_back({QRect(QPoint(right - d, bottom), size), true, true});
  }
  for (int y = bottom - 1; y >= node.top(); --y) out.push_back({QRect(QPoint(left - w, y), size), false, true});
  for (int y = bottom - 1; y >= node.top(); --y) out.push_back({QRect(QPoint(right, y), size), true, true});
  return out;
}
}  // namespace

void SpreadPointers(QWidget& tree) {
  std::vector<TPointer2*> pointers;
  for (QObject* child : tree.children())
    if (auto* pointer = dynamic_cast<TPointer2*>(child); pointer && pointer->Target()) pointers.push_back(pointer);
  for (TPointer2* pointer : pointers) SizeMarker(*pointer, tree);
  std::stable_sort(pointers.begin(), pointers.end(),
                   [](const TPointer2* a, const TPointer2* b) { return a->Caption() < b->Caption(); });
  std::vector<const QWidget*> nodes;
  for (QObject* child : tree.children())
    if (auto* node = dynamic_cast<TRectbase*>(child); node && node->isVisible()) nodes.push_back(node);
  // A tree that keeps room under its last level lets a pointer stand under its node.
  const auto* binTree = dynamic_cast<const TBinTree*>(&tree);
  const auto* kitTree = dynamic_cast<const TTreeBase*>(&tree);
  const bool mayStandUnder = kitTree && kitTree->PointersMayStandUnder();
  std::vector<QPolygonF> links;  // the links as the tree draws them
  if (const auto* kit = dynamic_cast<const TKitControl*>(&tree))
    for (const TDrawnShape& shape : kit->DrawingShapes())
      if (shape.Kind == TDrawnShape::Link) links.emplace_back(shape.Path);
  const auto offLinks = [&](const TPlace& at) {
    return std::none_of(links.begin(), links.end(), [&](const QPolygonF& link) {
      for (qsizetype i = 1; i < link.size(); ++i)
        if (SegmentMeets(QLineF(link[i - 1], link[i]), at.Box)) return true;
      return false;
    });
  };
  // Each pointer in turn (in order) takes the first place on its node where its head and
  // caption keep off the other nodes and its head off the captions already placed, its caption
  // off theirs (it stands above their heads), so that every tip reaches its node and every
  // caption reads; one with no such place keeps its corner. Passes: clear of the links and the
  // heads placed; clear of the links, heads overlapping (never half covered, nor over a
  // caption); clear of the heads; anywhere else that fits. Where every place above the node
  // is taken, the places under it follow (in a tree that has room for them). A head that finds
  // no place clear of the links at its size tries again as small as its caption still reads (a
  // grown head in a dense tree). One that still has none stands under its node over the
  // captions there when they all step aside (above their nodes or under the head: CaptionBoxes)
  // and no other caption moves. Gives the pointers left on a link.
  const auto arrange = [&](const std::vector<TPointer2*>& order) {
    std::vector<TPointer2*> onLinks;
    std::vector<TPlace> placed;
    std::vector<QRect> headsBelow;  // the heads placed under their nodes
    std::vector<QRect> headsOver;   // the heads placed over captions, which gave way
    std::vector<QRect> captions;    // the nodes' captions beside them, round those heads
    if (binTree) captions = binTree->CaptionBoxes(headsBelow);
    for (TPointer2* pointer : order) {
      pointer->PointsLeft = false;
      pointer->PointsUp = false;
      pointer->Reposition();
      if (pointer->isHidden()) continue;
      const QWidget* target = pointer->Target();
      // overCaptions: the head may lie on the nodes' captions (they are moved after).
      const auto fits = [&](const TPlace& at, int pass, bool overCaptions = false) {
        const bool clear = pass == 0 || pass == 2;
        if (pass < 2 && !offLinks(at)) return false;
        if (!tree.rect().contains(at.Box)) return false;
        for (const QWidget* node : nodes)
          if (node != target && Meets(node->geometry(), at.Box)) return false;
        for (const QRect& caption : captions)
          if (!overCaptions && Meets(caption, at.Box)) return false;
        for (const TPlace& other : placed)
          if (Meets(CaptionQuarter(other), CaptionQuarter(at)) || HeadMeets(at, CaptionQuarter(other)) ||
              (clear && Meets(other.Box, at.Box)) || HalfCovered(other.Box, at.Box) || TipsMeet(other, at))
            return false;
        return true;
      };
      // Stands on the first place that fits in the first of passes that has one.
      const auto take = [&](const std::vector<TPlace>& places, std::initializer_list<int> passes) {
        for (const int pass : passes) {
          const auto at = std::find_if(places.begin(), places.end(), [&](const TPlace& p) { return fits(p, pass); });
          if (at == places.end()) continue;
          pointer->PointsLeft = at->Left;
          pointer->PointsUp = at->Up;
          pointer->move(at->Box.topLeft());
          return true;
        }
        return false;
      };
      // Stands on the first place where the captions give way off its head: under its node
      // (under), where only the captions it covers move; on it, where they all may move.
      const auto takeOverCaptions = [&](const std::vector<TPlace>& places, int pass, bool under) {
        for (const TPlace& at : places) {
          if (!fits(at, pass, true)) continue;
          std::vector<QRect> below = headsBelow, over = headsOver;
          (under ? below : over).push_back(at.Box);
          std::vector<QRect> moved = binTree->CaptionBoxes(below, over);
          bool clear = !under || moved.size() == captions.size();
          for (std::size_t i = 0; clear && i < moved.size(); ++i) {
            clear = !under || moved[i] == captions[i] || Meets(captions[i], at.Box);
            for (const TPlace& other : placed)
              clear = clear && !Meets(moved[i], other.Box);
            clear = clear && !Meets(moved[i], at.Box);
          }
          if (!clear) continue;
          pointer->PointsLeft = at.Left;
          pointer->PointsUp = under;
          pointer->move(at.Box.topLeft());
          captions = std::move(moved);
          if (!under) headsOver = std::move(over);
          return true;
        }
        return false;
      };
      const QSize full = pointer->size();
      const QSize least = MarkerSize(*pointer, std::max(TPointer2::LeastSide * 4 / 5, 5 * LegiblePixels() / 2));
      const std::vector<QSize> sizes = least.height() < full.height() ? std::vector{full, least} : std::vector{full};
      bool found = false;
      for (const QSize& size : sizes) {
        pointer->resize(size);
        found = take(PlacesOn(target->geometry(), size), {0, 1}) ||
                (mayStandUnder && take(PlacesUnder(target->geometry(), size), {0, 1}));
        if (found) break;
      }
      for (std::size_t k = 0; !found && binTree && mayStandUnder && k < sizes.size(); ++k) {
        pointer->resize(sizes[k]);
        const std::vector<TPlace> under = PlacesUnder(target->geometry(), sizes[k]);
        found = takeOverCaptions(under, 0, true) || takeOverCaptions(under, 1, true);
      }
      // In a tree whose captions give way: a place on its node over captions that then move off
      // it, beside or under their nodes, and off the heads placed.
      for (std::size_t k = 0; !found && binTree && binTree->CaptionsGiveWay && k < sizes.size(); ++k) {
        pointer->resize(sizes[k]);
        const std::vector<TPlace> on = PlacesOn(target->geometry(), sizes[k]);
        found = takeOverCaptions(on, 0, false) || takeOverCaptions(on, 1, false);
      }
      if (!found) {
        onLinks.push_back(pointer);
        pointer->resize(full);
        pointer->Reposition();
        take(PlacesOn(target->geometry(), full), {2, 3});
      }
      pointer->update();
      pointer->raise();
      placed.push_back({pointer->geometry(), pointer->PointsLeft, pointer->PointsUp});
      if (pointer->PointsUp) headsBelow.push_back(pointer->geometry());
    }
    return onLinks;
  };
  // A pointer left on a link may find room placed before the others (two on neighbouring
  // nodes, the first taking the only place the second had): the order that leaves the fewest
  // on links is kept.
  std::vector<TPointer2*> onLinks = arrange(pointers);
  std::vector<TPointer2*> best = pointers;
  const std::vector<TPointer2*> tried = onLinks;
  for (TPointer2* first : tried) {
    if (onLinks.empty()) break;
    std::vector<TPointer2*> order{first};
    for (TPointer2* other : pointers)
      if (other != first) order.push_back(other);
    const std::vector<TPointer2*> now = arrange(order);
    if (now.size() < onLinks.size()) {
      onLinks = now;
      best = order;
    }
  }
  if (!tried.empty()) arrange(best);
}
