#include "demos/storage/BuddyForm.h"

#include <QStringList>
#include <algorithm>

#include "demos/storage/BuddyMemory.h"
#include "demos/storage/MemKit.h"

namespace {

// Design geometry: a row per size class on the left, the bar 70 wide at the right edge, one
// word six pixels high.
constexpr int kBarWidth = 70;
constexpr int kBarLeft = 480 - 5 - kBarWidth;
constexpr int kTop = 5;
constexpr int kRowHeight = (440 - 60) / 7;

}  // namespace

// ---------------------------------------------------------------- TBuddyBar

TBuddyBar::TBuddyBar(QWidget* parent) : TNodeContainer(parent) {}

void TBuddyBar::Show(const TBuddyMemory* memory, const std::vector<TBuddyMemory::TBlock>& working, int words) {
  std::vector<TBuddyMemory::TBlock> blocks;
  if (memory != nullptr) {
    blocks = memory->Blocks();
    blocks.insert(blocks.end(), working.begin(), working.end());
  }
  if (memory == memory_ && words == words_ && blocks == shown_) return;
  memory_ = memory;
  words_ = words;
  shown_ = blocks;
  Layout();
  Invalidate();
}

void TBuddyBar::Layout() {
  const std::size_t count = shown_.size();
  while (blocks_.size() < count) blocks_.push_back(new TMemBox(this));
  for (std::size_t i = count; i < blocks_.size(); ++i) blocks_[i]->hide();
  const TDesignRatio r = Ratio();
  for (std::size_t i = 0; i < count; ++i) {
    const TBuddyMemory::TBlock& b = shown_[i];
    // Neighbours share their frame line.
    const int top = b.addr * height() / words_;
    const int bottom = (b.addr + TBuddyMemory::NodeSize(b.k)) * height() / words_;
    TMemBox* box = blocks_[i];
    box->setGeometry(0, top, width(), std::min(bottom + 1, height()) - top);
    const TFont font = FitMemFont(MemFont(r, 11, clBlack), QStringLiteral("64"), QSize(width() - 4, box->height() - 2));
    box->Show(QString::number(b.addr), font, b.used ? clRed : clWhite, clBlack);
    box->FillSays = [](TColor fill) { return FillNote(fill == clRed); };
    // Which block it is, by the word its top stands at.
    box->Stands = {{.Value = [this, box] { return AddressStandsFor ? AddressStandsFor(AddressAt(box->y())) : std::nullopt; }},
                   {.Value = [this, box] { return FillStandsFor ? FillStandsFor(AddressAt(box->y())) : std::nullopt; },
                    .Part = TValueMeaning::InNote}};
    box->show();
  }
}

int TBuddyBar::AddressAt(int top) const {
  for (int a = 0; a < words_; ++a)
    if (a * height() / words_ == top) return a;
  return -1;
}

QString TBuddyBar::DrawingText() const {
  std::vector<TBuddyMemory::TBlock> blocks = shown_;
  std::sort(blocks.begin(), blocks.end(), [](const auto& a, const auto& b) { return a.addr < b.addr; });
  QStringList parts;
  for (const TBuddyMemory::TBlock& b : blocks)
    parts << QStringLiteral("%1-%2 %3").arg(b.addr).arg(b.addr + TBuddyMemory::NodeSize(b.k) - 1).arg(FillNote(b.used));
  return parts.join(QStringLiteral(" | "));
}

void TBuddyBar::Paint() { PaintGround(Canvas(), *this, ClientRect()); }

// ---------------------------------------------------------------- TBuddyForm

TBuddyForm::TBuddyForm(QWidget* parent)
    : TMemGraphForm("BuddyForm", QStringLiteral("存储管理--伙伴系统"), QStringLiteral("动态内存管理——伙伴系统"), parent) {
  for (std::size_t k = 0; k < lists_.size(); ++k) {
    lists_[k] = Place(new TMemList(this, {.left = 10, .box = {40, 30}, .gap = 20, .framedHead = true}), 0,
                      kTop + static_cast<int>(k) * kRowHeight, kBarLeft - 5, kRowHeight);
    lists_[k]->setObjectName(QStringLiteral("List%1").arg(k));
    lists_[k]->EntryStandsFor = [this, k = static_cast<int>(k)](int entry) {
      return ListStandsFor ? ListStandsFor(k, entry) : std::nullopt;
    };
    lists_[k]->hide();
  }
  bar_ = Place(new TBuddyBar(this), kBarLeft, kTop, kBarWidth, 64 * 6);
  bar_->setObjectName(QStringLiteral("Bar"));
  bar_->hide();
}

void TBuddyForm::InitMemoryPicture(int words, int classes) {
  words_ = words;
  classes_ = classes;
  ShowMemory();
}

void TBuddyForm::ShowMemory() {
  const bool shown = MemoryShown && Memory != nullptr;
  bar_->setVisible(shown);
  for (std::size_t k = 0; k < lists_.size(); ++k) {
    lists_[k]->setVisible(shown && static_cast<int>(k) <= classes_);
    if (lists_[k]->isHidden()) continue;
    const std::vector<int>& avail = Memory->Avail(static_cast<int>(k));
    lists_[k]->Show(QStringLiteral(" 2^") + QString::number(k), QList<int>(avail.begin(), avail.end()));
  }
  static const std::vector<TBuddyMemory::TBlock> none;
  bar_->Show(shown ? Memory : nullptr, Working != nullptr ? *Working : none, words_);
}
