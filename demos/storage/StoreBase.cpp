#include "demos/storage/StoreBase.h"

#include "demos/storage/MemKit.h"
#include "framework/drawkit/WesternText.h"
#include "platform/InputQuery.h"
#include "platform/ModalHost.h"
#include "platform/Random.h"

// ---------------------------------------------------------------- TStoreUnit

TStoreUnit::TStoreUnit(QWidget* parent) : TCanvasWidget(parent) {}

QString TStoreUnit::DrawingText() const {
  switch (state) {
    case clnormal: return data;
    case clread: return QStringLiteral("R");
    case clwrite: return QStringLiteral("w");
    default: return QString();
  }
}

void TStoreUnit::Paint() {
  TCanvas& c = Canvas();
  const TColor fill = state == clnormal  ? clWhite
                      : state == clread  ? clGreen
                      : state == clwrite ? clBlue
                                         : color;
  c.Brush.Color = fill;
  c.Brush.Style = bsSolid;
  c.Pen.Color = clBlack;
  c.Rectangle(0, 0, width(), height());
  const QString text = DrawingText();
  if (text.isEmpty()) return;
  c.Font = font;
  c.SetBkMode(TRANSPARENT);
  c.TextOut((width() - c.TextWidth(text)) / 2, (height() - c.TextHeight(text)) / 2, text);
}

// ---------------------------------------------------------------- TStoreBase

TStoreBase::TStoreBase(QWidget* parent) : TNodeContainer(parent) {
  // Named so that a script reads a table line or a unit by name.
  for (std::size_t i = 0; i < units_.size(); ++i) {
    units_[i] = new TStoreUnit(this);
    units_[i]->setObjectName(QStringLiteral("Unit%1").arg(i + 1));
  }
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    cells_[i] = new TStoreUnit(this);
    cells_[i]->setObjectName(QStringLiteral("Cell%1_%2").arg(i / 5).arg(i % 5));
  }
  rnd::Randomize();
}

void TStoreBase::Layout() {
  // Units: a 10 x 10 grid over the left half and the top ten twelfths.
  const int unitW = width() / 20;
  const int unitH = height() / 12;
  for (int u = 1; u <= TStoreModel::kUnits; ++u)
    Unit(u)->setGeometry(((u - 1) % 10) * unitW + 4, ((u - 1) / 10) * unitH + 4, unitW, unitH);
  // The table beside it: one line per block under the header.
  const int left = width() / 2 + 8;
  const int cellW = (width() - left - 8) / 5;
  const int cellH = (height() - 8) / kLines;
  for (int line = 0; line < kLines; ++line)
    for (int col = 0; col < 5; ++col) Cell(line, col)->setGeometry(left + col * cellW, 4 + line * cellH, cellW, cellH);
  // The texts grow with the window, and are never smaller than a cell's own size gives. The
  // names a class types are told apart letter by letter: a fixed-pitch face, where "I" has
  // its bars and "l" its foot.
  TFont font = MemFont(Ratio(), 12, clBlack);
  font.Name = QStringLiteral("Courier New");
  TFont cellSize;
  cellSize.SetSize(cellH < 8 ? 1 : (cellH - 5) / 2);
  font.Height = std::min(font.Height, cellSize.Height);
  textRoom_ = QSize(cellW - 4, cellH - 2);
  font_ = FitMemFont(font, QStringLiteral("begin"), textRoom_);
  ShowBlocks();
}

QString TStoreBase::ColourSays(const TStoreUnit& unit) const {
  // A block's colour names it, as the table's colour cells say.
  if (unit.state != kStateAllocated) return {};
  for (const TStoreModel::TRow& r : model_.Rows())
    if (r.allocated && r.color == unit.color) return r.name;
  return {};
}

std::vector<TDrawnShape> TStoreBase::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  // Held to the model whether or not a run stands: the compaction has no text to step.
  const auto held = [](std::function<std::optional<QString>()> value, TValueMeaning::TPart part = TValueMeaning::InText) {
    return TValueMeaning{.Value = std::move(value), .Part = part, .WithoutRun = true};
  };
  for (int u = 1; u <= TStoreModel::kUnits; ++u) {
    // A unit of a block shows the block's colour, no glyphs: the block's name is what the
    // colour says; it stands for the block that holds the unit.
    out.push_back(TDrawnShape::NodeAt(Unit(u)->geometry(), QString())
                      .Noted(ColourSays(*Unit(u)))
                      .StandingFor(held(
                          [this, u]() -> std::optional<QString> {
                            const int row = model_.RowOfUnit(u);
                            return row < 0 ? QString() : model_.Rows()[static_cast<std::size_t>(row)].name;
                          },
                          TValueMeaning::InNote)));
  }
  // The table's lines: line r shows block row r - 1, its name, start, size, state and colour.
  for (int line = 1; line < kLines; ++line) {
    if (Cell(line, 0)->isHidden()) continue;
    for (int col = 0; col < 5; ++col) {
      const TStoreUnit* cell = Cell(line, col);
      const auto row = [this, line]() -> const TStoreModel::TRow* {
        return line <= static_cast<int>(model_.Rows().size()) ? &model_.Rows()[static_cast<std::size_t>(line - 1)] : nullptr;
      };
      TDrawnShape shape = TDrawnShape::CellAt(cell->geometry(), cell->DrawingText());
      if (col == 4) {
        shape = shape.Noted(ColourSays(*cell)).StandingFor(held(
            [row]() -> std::optional<QString> {
              const TStoreModel::TRow* r = row();
              return r == nullptr ? QStringLiteral("no block") : r->allocated ? r->name : QString();
            },
            TValueMeaning::InNote));
      } else {
        shape = shape.StandingFor(held([row, col]() -> std::optional<QString> {
          const TStoreModel::TRow* r = row();
          if (r == nullptr) return QStringLiteral("no block");
          const QString texts[] = {r->name, QString::number(r->start), QString::number(r->size),
                                   r->allocated ? QStringLiteral("A") : QStringLiteral("F")};
          return texts[col];
        }));
      }
      out.push_back(shape);
    }
  }
  return out;
}

void TStoreBase::ShowBlocks() {
  for (int u = 1; u <= TStoreModel::kUnits; ++u) {
    TStoreUnit* unit = Unit(u);
    const int row = model_.RowOfUnit(u);
    unit->state = row < 0 ? clnormal : kStateAllocated;
    unit->color = row < 0 ? clWhite : model_.Rows()[static_cast<std::size_t>(row)].color;
    unit->font = font_;
    unit->Invalidate();
  }
  for (int col = 0; col < 5; ++col) {
    Cell(0, col)->data = QString::fromLatin1(kHeader[static_cast<std::size_t>(col)]);
    Cell(0, col)->font = font_;
    Cell(0, col)->Invalidate();
  }
  const auto& rows = model_.Rows();
  for (int line = 1; line < kLines; ++line) {
    const bool used = line <= static_cast<int>(rows.size());
    for (int col = 0; col < 5; ++col) {
      TStoreUnit* cell = Cell(line, col);
      cell->setVisible(used);
      if (!used) continue;
      const TStoreModel::TRow& r = rows[static_cast<std::size_t>(line - 1)];
      const QString texts[] = {r.name, QString::number(r.start), QString::number(r.size),
                               r.allocated ? QStringLiteral("A") : QStringLiteral("F"), QString()};
      cell->state = col == 4 ? kStateAllocated : clnormal;
      cell->color = r.color;
      cell->data = texts[col];
      // A long name takes a smaller font rather than lose its ends.
      cell->font = FitMemFont(font_, texts[col], textRoom_, 6);
      cell->Invalidate();
    }
  }
}

void TStoreBase::Allocate(const QString& name, int size) {
  using R = TStoreModel::TAllocResult;
  const R result = model_.Allocate(name, size, [] { return RGB(rnd::Random(255), rnd::Random(255), rnd::Random(255)); });
  switch (result) {
    case R::NoSpace: modal::ShowMessage(QStringLiteral("no enough  free space")); return;
    case R::NameTaken: modal::ShowMessage(name + QStringLiteral(" have allocated space")); return;
    case R::TableFull:
      modal::ShowMessage(QStringLiteral("no room for a block more: the table holds %1 blocks").arg(TStoreModel::kMaxRows));
      return;
    case R::Done: ShowBlocks(); return;
  }
}

void TStoreBase::Free(const QString& name) {
  if (model_.Free(name) == TStoreModel::TFreeResult::AlreadyFree) {
    modal::ShowMessage(name + QStringLiteral(" is free space!"));
    return;
  }
  ShowBlocks();
}

void TStoreBase::Compact() {
  model_.Compact();
  ShowBlocks();
}

QRect TStoreBase::QueryPlace() const {
  const QRect lastUnit = Unit(TStoreModel::kUnits)->geometry();
  const int bottom = parentWidget() != nullptr ? parentWidget()->height() - y() : height();
  return {mapToGlobal(QPoint(0, lastUnit.bottom() + 1)), QSize(lastUnit.right() + 1, bottom - lastUnit.bottom() - 1)};
}

void TStoreBase::AllocateSpaceQuery() {
  QString name;
  // A name longer than its table cell shows at a readable size is asked for again.
  for (;;) {
    if (!QueryWestern(QStringLiteral("AllocateSpace"), QStringLiteral("Name:"), name, kWesternOnly, QueryPlace())) return;
    if (name.size() <= kMaxName) break;
    modal::ShowMessage(name + QStringLiteral("  is too long: a name has at most %1 characters").arg(kMaxName));
  }
  QString sizeText = QStringLiteral("10");
  if (!InputQuery(QStringLiteral("AllocateSpace"), QStringLiteral("Size:"), sizeText, QueryPlace())) return;
  bool ok = false;
  const int size = sizeText.trimmed().toInt(&ok);
  // A text that is no number is as invalid as a size out of range.
  if (!ok || size < 0 || size > TStoreModel::kUnits) {
    modal::ShowMessage(sizeText + QStringLiteral("  is not a valid value!"));
    return;
  }
  Allocate(name, size);
}

void TStoreBase::FreeSpaceQuery() {
  QString name;
  if (InputQuery(QStringLiteral("FreeSpace"), QStringLiteral("Name:"), name, QueryPlace())) Free(name);
}
