#include "demos/sort/SortData.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

#include "demos/sort/SortInputDlg.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/FitFont.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/engine/Errors.h"
#include "framework/engine/Globals.h"
#include "platform/ModalHost.h"
#include "platform/Pacing.h"

// ---------------------------------------------------------------- key boxes

TSortNode::TSortNode(QWidget* parent)
    : TCanvasWidget(parent), data_(std::make_unique<TCharData>(QStringLiteral(" "), ' ')) {}

TSortNode::~TSortNode() = default;

void TSortNode::SetColor(TColor color) {
  Color = color;
  Canvas().Brush.Color = color;
  Repaint();
}

void TSortNode::AssignTo(TSortNode& dest) const {
  dest.SetKey(Key());
  dest.resize(size());
}

QString SortColorName(TColor color) {
  static const std::pair<TColor, const char*> names[] = {
      {clPurple, "purple"}, {clSilver, "silver"}, {clRed, "red"},   {clGreen, "green"}, {clBlue, "blue"},
      {clNavy, "navy"},     {clAqua, "aqua"},     {clLime, "lime"}, {16744703, "pink"}, {clBlack, "black"}};
  for (const auto& [c, name] : names)
    if (c == color) return QString::fromLatin1(name);
  return QStringLiteral("$%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

QString SortBoxLook(char key, TColor color) {
  // A box that holds no key (an address or queue place) shows only its colour.
  const QString colour = SortColorName(color);
  return key == ' ' ? colour : QString(QChar::fromLatin1(key)) + QLatin1Char(' ') + colour;
}

QString TSortNode::DrawingText() const {
  return QString(QChar::fromLatin1(Key())) + QLatin1Char(' ') + SortColorName(Color);
}

char TSortNode::ToldKey() const {
  const auto* row = dynamic_cast<const TSortData*>(parentWidget());
  if (row == nullptr || row->NodeAt(Index) != this) row = HeightRow;
  if (row == nullptr || Key() == ' ' || row->LowKey() == '0') return Key();
  const TRowLayout l = row->Layout();
  if (std::abs(l.NodeHeight(Key()) - height()) <= 1) return Key();
  char told = Key();
  int nearest = std::abs(l.NodeHeight(Key()) - height());
  for (char key = l.LowKey; key <= l.HighKey; ++key)
    if (const int off = std::abs(l.NodeHeight(key) - height()); off < nearest) {
      nearest = off;
      told = key;
    }
  return told;
}

std::vector<TDrawnShape> TSortNode::DrawingShapes() const {
  TDrawnShape box = TDrawnShape::NodeAt(rect(), Glyphs()).Noted(SortBoxLook(ToldKey(), Color));
  box.Stands = Stands;
  if (const auto* row = dynamic_cast<const TSortData*>(parentWidget()); row && row->Means && row->NodeAt(Index) == this)
    for (const TValueMeaning& m : row->Means(Index)) box.Stands.push_back(m);
  return {box};
}

QString TListSortNode::DrawingText() const {
  return TSortNode::DrawingText() + QStringLiteral(" next %1").arg(next_);
}

QString TAddrNode::DrawingText() const {
  // Boxes that only show their number carry a blank key.
  if (Key() == ' ') return QStringLiteral("%1 ").arg(Addr) + SortColorName(Color);
  return QStringLiteral("%1 ").arg(Addr) + TSortNode::DrawingText();
}

void TSortNode::Paint() {
  Canvas().Brush.Color = Color;
  Canvas().Brush.Style = bsSolid;
  Canvas().FillRect(ClientRect());
  Frame3D(Canvas(), 0, 0, width(), height(), clWhite, clBlack);
}

void TListSortNode::SetNext(int next) {
  next_ = next;
  Repaint();
}

void TListSortNode::AssignTo(TSortNode& dest) const {
  TSortNode::AssignTo(dest);
  if (auto* list = dynamic_cast<TListSortNode*>(&dest)) list->next_ = next_;
}

void TListSortNode::Paint() {
  TSortNode::Paint();
  TCanvas& c = Canvas();
  c.Font.SetSize(std::max(1, width() / 2));
  c.SetBkMode(TRANSPARENT);
  const QString text = QString::number(next_);
  const int th = c.TextHeight(text);
  c.TextOut((width() - c.TextWidth(text)) / 2, height() - th - 2, text);
  c.Pen.Color = clBlack;
  c.MoveTo(0, height() - th - 4);
  c.LineTo(width(), height() - th - 4);
}

void TAddrNode::AssignTo(TSortNode& dest) const {
  TSortNode::AssignTo(dest);
  if (auto* addr = dynamic_cast<TAddrNode*>(&dest)) addr->Addr = Addr;
}

void TAddrNode::PaintAddr(const QString& text, int sizeDivisor) {
  TSortNode::Paint();
  TCanvas& c = Canvas();
  c.Font.Color = AddrColor;
  if (const auto* row = dynamic_cast<const TSortData*>(parentWidget()))
    c.Font.Height = -row->Layout().DigitHeight();
  else
    c.Font.SetSize(std::max(1, width() / sizeDivisor));
  // A margin inside the frame on either side.
  const int margin = std::max(2, width() / 8);
  c.Font = FitFont(c.Font, {text}, width() - margin, height() - 2);
  c.SetBkMode(TRANSPARENT);
  c.TextOut((width() - c.TextWidth(text)) / 2, (height() - c.TextHeight(text)) / 2, text);
}

void TAddrNode::Paint() { PaintAddr(QString::number(Addr), 2); }

QString TRadixNode::Glyphs() const {
  QString text = QString::number(Addr);
  if (text.size() == 1) text.prepend('0');
  return text;
}

void TRadixNode::Paint() { PaintAddr(Glyphs(), 3); }

// ---------------------------------------------------------------- layout

int TRowLayout::NodeHeight(char key) const {
  // The place numbers take the top of the row; in a low row the boxes shrink, keeping
  // their proportions, so that the tallest still stands below them.
  const int room = RowHeight - LabelBand;
  if (FixedNodeSize || HighKey == LowKey) return room > 0 ? std::min(RowHeight * 3 / 4, room) : RowHeight * 3 / 4;
  int lowest = RowHeight / 4;
  int tallest = RowHeight * 7 / 8;
  int height = (key - LowKey) * (RowHeight * 5 / 8) / (HighKey - LowKey) + lowest;
  if (room > 0 && tallest > room) {
    height = height * room / tallest;
    lowest = lowest * room / tallest;
    tallest = room;
  }
  // A box showing a number is never too low to hold it; the heights between still tell the
  // keys apart.
  const int least = Digits ? std::min(DigitHeight() + 4, tallest) : 0;
  if (lowest >= least) return height;
  return least + (key - LowKey) * (tallest - least) / (HighKey - LowKey);
}

int TRowLayout::NodeLeft(int index) const {
  return (index - StartIndex) * RowWidth / Capacity + PlaceWidth() / 8;
}

int TRowLayout::DigitHeight() const {
  // A digit is about half as wide as it is high.
  const int byWidth = (NodeWidth() - 4) * 9 / 10;
  const int room = RowHeight - LabelBand;
  const int byHeight = (room > 0 ? room : RowHeight) * 45 / 100;
  return std::max(1, std::min(byWidth, byHeight));
}

// ---------------------------------------------------------------- rows

TSortData::TSortData(QWidget* parent) : TNodeContainer(parent) {}
TSortData::~TSortData() = default;

TRowLayout TSortData::Layout() const {
  return {width(), height(), std::max(1, Capacity), StartIndex, NodeWidthRatio, FixedNodeSize,
          lowKey_, highKey_, LabelFont().Height, digits_};
}

TFont TSortData::LabelFont() const {
  // A cell height, as the row's band of numbers is high.
  TFont font{.Name = QStringLiteral("Times New Roman"), .Height = 18, .Style = fsBold | fsItalic, .Color = clNavy};
  font = Ratio().Font(font, 18);
  // Two digits (or a sign and a digit) side by side fit a place, and a low row keeps most
  // of its height for the boxes.
  const int place = width() / std::max(1, Capacity);
  font.Height = std::max(8, std::min({font.Height, place * 9 / 10, std::max(18, height() / 4)}));
  return font;
}

TSortNode* TSortData::NodeAt(int i) const {
  for (TSortNode* node : nodes_)
    if (node->Index == i) return node;
  return nullptr;
}

char TSortData::GetKey(int i) const {
  const TSortNode* node = NodeAt(i);
  if (node == nullptr) throw Exception(QStringLiteral("reading to non-exisit item in TSortData"));
  return node->Key();
}

void TSortData::WidenKeys(char key) {
  if (lowKey_ == '0') lowKey_ = highKey_ = key;
  if (key > highKey_)
    highKey_ = key;
  else if (key < lowKey_)
    lowKey_ = key;
}

void TSortData::SetKey(int i, char key) {
  if (i < StartIndex || i > LastIndex()) throw Exception(QStringLiteral("index out of bounds"));
  WidenKeys(key);
  if (TSortNode* node = NodeAt(i)) {
    node->SetKey(key);
    LayoutNode(*node);
    node->move(node->x(), height() - node->height());  // it stands on the bottom edge
    node->Repaint();
    return;
  }
  NewNode(key, i);
  ++nodeCount_;
  if (i >= 1) ++count_;
  AfterRescale();
}

TSortNode* TSortData::NewNode(char key, int i) {
  TSortNode* node = NodeClass(this);
  node->SetKey(key);
  node->Index = i;
  node->Color = NodeColor;
  node->Canvas().Font = NodeFont;
  nodes_.push_back(node);
  node->show();
  return node;
}

void TSortData::DeleteNode(int i) {
  const auto it = std::find_if(nodes_.begin(), nodes_.end(), [i](TSortNode* n) { return n->Index == i; });
  if (it == nodes_.end()) return;
  TSortNode* node = *it;
  nodes_.erase(it);
  delete node;  // a child widget: deleting it takes it off the row
  --nodeCount_;
  if (i >= 1) --count_;
  PlaceLabels();
}

void TSortData::LayoutNode(TSortNode& node) const {
  const TRowLayout l = Layout();
  node.resize(l.NodeWidth(), l.NodeHeight(node.Key()));
}

QString TSortData::GetDataString() const {
  QString s;
  for (int i = 1; i <= count_; ++i) {
    const TSortNode* node = NodeAt(i);
    if (node != nullptr) s += QChar::fromLatin1(node->Key());
  }
  return s;
}

QString TSortData::DrawingText() const {
  int last = 0;
  for (const TSortNode* node : nodes_) last = std::max(last, node->Index);
  QString s;
  for (int i = 1; i <= last; ++i) {
    const TSortNode* node = NodeAt(i);
    s += node != nullptr ? QChar::fromLatin1(node->Key()) : QChar(' ');
  }
  return s;
}

void TSortData::SetDataString(const QString& s) {
  const int n = std::min<int>(static_cast<int>(s.size()), LastIndex());
  for (int i = 1; i <= n; ++i) SetKey(i, s[i - 1].toLatin1());
  DeleteFrom(n + 1);
}

void TSortData::ShowKeys(const QString& s) {
  const int n = std::min<int>(static_cast<int>(s.size()), LastIndex());
  for (int i = 1; i <= n; ++i) {
    if (s[i - 1] == ' ')
      DeleteNode(i);
    else
      SetKey(i, s[i - 1].toLatin1());
  }
  DeleteFrom(n + 1);
  AfterRescale();
}

void TSortData::DeleteFrom(int first) {
  std::vector<int> places;
  for (const TSortNode* node : nodes_)
    if (node->Index >= first) places.push_back(node->Index);
  for (int i : places) DeleteNode(i);
}

bool TSortData::InputData() {
  lowKey_ = highKey_ = '0';
  TSortInputDlg dlg;
  dlg.MaxLen = LastIndex();
  dlg.SetText(GetDataString());
  if (dlg.ShowModal() != mrOk) return false;
  AcceptInput(dlg.Text());
  return true;
}

void TSortData::AcceptInput(QString s) {
  if (s.size() > LastIndex()) {
    modal::MessageDlg(QStringLiteral("数据太长,将被截断"), modal::Icon::Information, modal::Buttons::Ok);
    s.truncate(LastIndex());
  }
  for (int i = 1; i <= s.size(); ++i) SetKey(i, s[i - 1].toLatin1());
  DeleteFrom(static_cast<int>(s.size()) + 1);
}

int TSortData::FlashWait() { return (100 - AnimSpeed) * 3 + 80; }

void TSortData::Flash(TSortNode& node, TColor color, int rounds) {
  for (int r = 0; r < rounds; ++r) {
    node.SetColor(color);
    pacing::Sleep(FlashWait());
    node.SetColor(NodeColor);
    pacing::Sleep(FlashWait());
  }
}

bool TSortData::Compare(int i, int j, bool animate) {
  const bool greater = GetKey(i) > GetKey(j);
  if (animate) {
    TSortNode* a = NodeAt(i);
    TSortNode* b = NodeAt(j);
    for (int r = 0; r < 3; ++r) {
      a->SetColor(clGreen);
      b->SetColor(clGreen);
      pacing::Sleep(FlashWait());
      a->SetColor(NodeColor);
      b->SetColor(NodeColor);
      pacing::Sleep(FlashWait());
    }
  }
  return greater;
}

void TSortData::Swap(int i, int j, bool animate) {
  TSortNode* a = NodeAt(i);
  TSortNode* b = NodeAt(j);
  if (a == nullptr || b == nullptr) throw Exception(QStringLiteral("reading to non-exisit item in TSortData"));
  const auto flash = [&] {
    for (int r = 0; r < 2; ++r) {
      a->SetColor(clRed);
      b->SetColor(clRed);
      pacing::Sleep(FlashWait());
      a->SetColor(NodeColor);
      b->SetColor(NodeColor);
      pacing::Sleep(FlashWait());
    }
  };
  if (animate) flash();
  const std::unique_ptr<TSortNode> temp(NodeClass(nullptr));
  a->AssignTo(*temp);
  b->AssignTo(*a);
  temp->AssignTo(*b);
  AfterRescale();
  a->Repaint();
  b->Repaint();
  if (animate) flash();
}

void TSortData::MoveKey(int dest, int src, bool animate) {
  TSortNode* from = NodeAt(src);
  if (from == nullptr) throw Exception(QStringLiteral("tend to read a nil node"));
  TSortNode* to = NodeAt(dest);
  if (to == nullptr) to = NewNode(' ', dest);
  from->AssignTo(*to);
  to->show();
  to->Repaint();
  if (!animate) return;
  AfterRescale();
  Flash(*from, clRed, 2);
  from->SetColor(clSilver);
  Flash(*to, clRed, 2);
}

void TSortData::AfterRescale() {
  const TRowLayout l = Layout();
  for (TSortNode* node : nodes_) {
    if (node->Index < StartIndex || node->Index > LastIndex()) continue;
    LayoutNode(*node);
    node->move(l.NodeLeft(node->Index), height() - node->height());
  }
  PlaceLabels();
  Invalidate();
}

void TSortData::PlaceLabels() {
  int last = StartIndex + nodeCount_ - 1;
  for (const TSortNode* node : nodes_) last = std::max(last, node->Index);
  last = std::min(last, LastIndex());
  const int count = std::max(0, last - StartIndex + 1);
  while (static_cast<int>(labels_.size()) > count) {
    delete labels_.back();
    labels_.pop_back();
  }
  const TRowLayout l = Layout();
  const TFont font = LabelFont();
  // A label holds its whole line: where the text's line (an italic one runs a little higher
  // than the font) is higher than the band its cell fits, the numbers are smaller.
  QFont qfont = font.ToQFont();
  auto lineHeight = [&qfont] {
    const QFontMetrics fm(qfont);
    return std::max(fm.height(), fm.boundingRect(QRect(0, 0, 1000, 1000), Qt::AlignCenter, QStringLiteral("10")).height());
  };
  while (qfont.pixelSize() > 8 && lineHeight() > l.LabelBand) qfont.setPixelSize(qfont.pixelSize() - 1);
  for (int k = 0; k < count; ++k) {
    if (k == static_cast<int>(labels_.size())) {
      auto* label = new TPlaceLabel(this);
      label->setAlignment(Qt::AlignCenter);
      label->setAttribute(Qt::WA_TranslucentBackground);
      label->setStyleSheet(QStringLiteral("color: navy"));
      labels_.push_back(label);
    }
    TPlaceLabel* label = labels_[static_cast<std::size_t>(k)];
    const QString text = QString::number(StartIndex + k);
    label->setText(text);
    label->setFont(qfont);
    // Over the middle of the place's box, inside the row.
    const int w = font.TextWidth(text) + 2;
    const int middle = l.NodeLeft(StartIndex + k) + l.NodeWidth() / 2;
    label->setGeometry(std::clamp(middle - w / 2, 0, std::max(0, width() - w)), 0, w, l.LabelBand);
    label->show();
  }
}

std::vector<TDrawnShape> TSortData::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  if (!Means) return out;
  const TRowLayout l = Layout();
  for (int i = StartIndex; i <= LastIndex(); ++i) {
    if (const TSortNode* node = NodeAt(i); node != nullptr && !node->isHidden()) continue;
    std::vector<TValueMeaning> means = Means(i);
    if (means.empty()) continue;
    const QRect place(l.NodeLeft(i), l.LabelBand, l.NodeWidth(), std::max(1, height() - l.LabelBand));
    TDrawnShape cell = TDrawnShape::CellAt(place, QString());
    cell.Stands = std::move(means);
    out.push_back(std::move(cell));
  }
  return out;
}

void TSortData::Paint() {
  CopyBackdrop(Canvas(), *this, ClientRect(), Color);
  Frame3D(Canvas(), 0, 0, width(), height(), clWhite, clGray);
}

TAddrdata::TAddrdata(QWidget* parent) : TSortData(parent) {
  NodeClass = SortNodeClass<TAddrNode>();
  digits_ = true;
}

QString TAddrdata::DrawingText() const {
  QStringList addrs;
  for (int i = StartIndex; i <= LastIndex(); ++i)
    if (const TAddrNode* node = AddrAt(i)) addrs << QString::number(node->Addr);
  return addrs.join(' ');
}

void TAddrdata::TrimToString(const QString& s) { DeleteFrom(static_cast<int>(s.size()) + 1); }

TRadixdata::TRadixdata(QWidget* parent) : TAddrdata(parent) { NodeClass = SortNodeClass<TRadixNode>(); }
