#include "demos/storage/BoundForm.h"

#include <QStringList>

#include "demos/storage/BoundMemory.h"
#include "demos/storage/MemKit.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/drawkit/NodeContainer.h"

namespace {

// Design geometry: four columns of sixteen words, the free list band under them.
constexpr int kMargin = 4;
constexpr int kColumnWidth = 118;
constexpr int kColumnHeight = 352;
constexpr int kListTop = 360;

}  // namespace

// ---------------------------------------------------------------- TBoundWord

TBoundWord::TBoundWord(int address, QWidget* parent) : TCanvasWidget(parent), address_(address) {
  setObjectName(QStringLiteral("Word%1").arg(address));
}

void TBoundWord::Show(const TLook& look) {
  if (look == look_) return;
  look_ = look;
  Invalidate();
}

QString TBoundWord::DrawingText() const {
  if (look_.fields.isEmpty()) return {};
  QStringList parts{QString::number(address_)};
  for (int f : look_.fields) parts << QString::number(f);
  return parts.join(' ');
}

std::vector<TDrawnShape> TBoundWord::DrawingShapes() const {
  TDrawnShape word = look_.fields.isEmpty() ? TDrawnShape::CellAt(rect(), QString()) : TDrawnShape::NodeAt(rect(), DrawingText());
  word = word.Noted(FillNote(look_.occupied));
  word.Stands = Stands;
  return {word};
}

void TBoundWord::Paint() {
  TCanvas& c = Canvas();
  if (look_.occupied) {
    c.Brush.Color = clLime;
    c.Brush.Style = bsSolid;
    c.FillRect(ClientRect());
  } else {
    CopyBackdrop(c, *this, ClientRect());
  }
  if (look_.fields.isEmpty()) return;
  // The cell in fifths: the address, then up to four field boxes.
  const int unit = width() / 5;
  c.Font = look_.font;
  c.SetBkMode(TRANSPARENT);
  const int textY = (height() - c.TextHeight(QStringLiteral("0"))) / 2;
  const QString address = GetString(address_);
  c.TextOut((unit - c.TextWidth(address)) / 2, textY, address);
  for (int k = 0; k < look_.fields.size(); ++k) {
    const int x = (k + 1) * unit;
    Frame3D(c, x + 1, 2, x + unit - 1, height() - 2, clWhite, clGray);
    const QString s = GetString(look_.fields[k]);
    c.TextOut(x + (unit - c.TextWidth(s)) / 2, textY, s);
  }
}

// ---------------------------------------------------------------- TBoundForm

TBoundForm::TBoundForm(QWidget* parent)
    : TMemGraphForm("BoundForm", QStringLiteral("存储管理--边界标识法"), QStringLiteral("动态内存管理——边界标识法"), parent) {
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    const int left = kMargin + static_cast<int>(c) * kColumnWidth;
    columns_[c] = Place(new TNodeContainer(this), left, kMargin, kColumnWidth, kColumnHeight);
    columns_[c]->setObjectName(QStringLiteral("Column%1").arg(c));
  }
  for (std::size_t i = 0; i < words_.size(); ++i) {
    words_[i] = new TBoundWord(static_cast<int>(i), columns_[i / 16]);
    words_[i]->hide();
    const int word = static_cast<int>(i);
    words_[i]->Stands = {{.Value = [this, word] { return WordTextStandsFor ? WordTextStandsFor(word) : std::nullopt; }},
                         {.Value = [this, word] { return WordFillStandsFor ? WordFillStandsFor(word) : std::nullopt; },
                          .Part = TValueMeaning::InNote}};
  }
  freeList_ = Place(new TMemList(this, {.left = kMargin, .box = {30, 20}, .gap = 20, .framedHead = false}), 0,
                    kListTop, kDesignWidth, kStatusTop - kListTop);
  freeList_->setObjectName(QStringLiteral("FreeList"));
  freeList_->EntryStandsFor = [this](int entry) { return FreeListStandsFor ? FreeListStandsFor(entry) : std::nullopt; };
  freeList_->hide();
  LayoutWords();
}

void TBoundForm::InitMemoryPicture(int cols, int rows) {
  cols_ = cols;
  rows_ = rows;
  LayoutWords();
  ShowMemory();
}

void TBoundForm::FormResize() {
  TMemGraphForm::FormResize();
  LayoutWords();
  ShowMemory();
}

void TBoundForm::LayoutWords() {
  // Column c holds words c * cols_ .. c * cols_ + cols_ - 1 from top to bottom, inside its
  // sunken frame.
  for (std::size_t i = 0; i < words_.size(); ++i) {
    const TNodeContainer* column = columns_[i / static_cast<std::size_t>(cols_)];
    const int row = static_cast<int>(i) % cols_;
    const int inner = column->height() - 2;
    const int top = 1 + row * inner / cols_;
    words_[i]->setGeometry(1, top, column->width() - 2, 1 + (row + 1) * inner / cols_ - top);
  }
}

void TBoundForm::ShowMemory() {
  const bool shown = MemoryShown && Memory != nullptr;
  freeList_->setVisible(shown);
  for (TBoundWord* w : words_) w->setVisible(shown);
  if (!shown) return;
  const QSize cell = words_[0]->size();
  const int unit = cell.width() / 5;
  const TFont font = FitMemFont(MemFont(Ratio(), 13, clBlack), QStringLiteral("64"), QSize(unit - 4, cell.height() - 4));
  // A word lies in an occupied block when the last head or foot up to it is occupied; read so,
  // a picture taken between two steps of a split never walks a stale size.
  bool occupied = false;
  for (int i = 0; i < TBoundMemory::kWords; ++i) {
    const TBoundMemory::TWord& w = Memory->W(i);
    const bool head = w.kind == TBoundMemory::UsedHead || w.kind == TBoundMemory::FreeHead;
    const bool foot = w.kind == TBoundMemory::UsedFoot || w.kind == TBoundMemory::FreeFoot;
    TBoundWord::TLook look;
    look.font = font;
    if (head || foot) {
      occupied = w.kind == TBoundMemory::UsedHead || w.kind == TBoundMemory::UsedFoot;
      const int tag = occupied ? 1 : 0;
      look.fields = head ? QList<int>{w.llink, tag, w.size, w.rlink} : QList<int>{w.llink, tag};
    }
    look.occupied = occupied;
    words_[static_cast<std::size_t>(i)]->Show(look);
  }
  QList<int> list;
  if (Memory->pav != TBoundMemory::kNil) {
    int p = Memory->pav;
    do {
      list.push_back(p);
      p = Memory->W(p).rlink;
    } while (p != Memory->pav && p >= 0 && p < TBoundMemory::kWords && list.size() < TBoundMemory::kWords);
  }
  freeList_->Show(QStringLiteral("pav"), list);
}
