#include "demos/trees/TreeCrtForm.h"

#include <cmath>

#include "demos/trees/TreeBase.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/drawkit/ThemedControls.h"

namespace {

constexpr int kRowTop[2] = {5, 40};
constexpr int kCellWidth = 20;
constexpr int kCellStep = 25;

TZqStaticText* SequenceCaption(TTreeCrtForm* form, const char* name, const QString& text, int top) {
  auto* t = form->Place(new TZqStaticText(form), 8, top, 76, 28);
  t->setObjectName(QString::fromLatin1(name));
  t->SetCaption(text);
  t->SetBevel(bvLowered);
  t->SetFont(TFont{.Name = QStringLiteral("MS Sans Serif"), .Height = -19, .Color = clBlue});
  return t;
}

}  // namespace

TTreeCrtForm::TTreeCrtForm(QWidget* parent) : TGraphForm(parent) {
  setObjectName(QStringLiteral("TreeCrtForm"));
  SetCaption(QStringLiteral("根据先序及中序序列建立二叉树"));
  SetDesignClientSize(374, 384);
  BinCharTree = Place(new TBinCharTree(this), 0, 0, 369, 265);
  BinCharTree->setObjectName(QStringLiteral("BinCharTree"));
  BinCharTree->MaxDepth = 4;
  BinCharTree->NotesHighlight = true;  // the node the calls work on says so in its note
  BinCharTree->LineColor = clBlack;
  BinCharTree->PointerSize = 32;
  BinCharTree->hide();
  StaticText1 = SequenceCaption(this, "StaticText1", QStringLiteral("先序序列"), 280);
  StaticText2 = SequenceCaption(this, "StaticText2", QStringLiteral("中序序列"), 320);
  NodeContainer1 = Place(new TCellsContainer(this), 88, 277, 273, 73);
  NodeContainer1->setObjectName(QStringLiteral("NodeContainer1"));
  PaintBox = new TPaintBox(NodeContainer1);
  PaintBox->setObjectName(QStringLiteral("PaintBox"));
  PaintBox->setGeometry(0, 0, 273, 73);
  NodeContainer1->OnResize = [this] { PaintBox->setGeometry(0, 0, NodeContainer1->width(), NodeContainer1->height()); };
  PaintBox->OnPaint = [this](TPaintBox&) { PaintBoxPaint(); };
  NodeContainer1->Cells = [this] {
    std::vector<TDrawnShape> cells;
    for (int row = 0; row < 2; ++row)
      for (qsizetype k = 0; k < sequences_[row].size(); ++k) {
        // The letter k of Pre (Ino), the strings Main holds; the fill, its part in the calls.
        const TColor fill = k < static_cast<qsizetype>(kinds_[row].size()) ? KindColour(kinds_[row][k]) : clGray;
        cells.push_back(
            TDrawnShape::NodeAt(CellRect(row, static_cast<int>(k)).translated(PaintBox->pos()), sequences_[row].mid(k, 1))
                .Noted(ColourWord(fill))
                .StandingFor({.Call = TMarkMeaning::Depth,
                              .Of = {row == 0 ? QStringLiteral("Pre") : QStringLiteral("Ino")},
                              .Map = [k](const QStringList& v) { return std::optional<QString>(v[0].mid(k, 1)); }})
                .StandingFor({.Value = [this, row, k]() -> std::optional<QString> {
                                const auto kind = KindOf ? KindOf(row + 1, static_cast<int>(k) + 1) : std::nullopt;
                                if (!kind) return std::nullopt;
                                return KindWord(*kind);
                              },
                              .Part = TValueMeaning::InNote}));
      }
    return cells;
  };
}

void TTreeCrtForm::SetSequences(const QString& pre, const QString& ino) {
  sequences_[0] = pre;
  sequences_[1] = ino;
  for (int row = 0; row < 2; ++row) kinds_[row].assign(static_cast<std::size_t>(sequences_[row].size()), ckWaiting);
  PaintBox->Repaint();
}

void TTreeCrtForm::DrawCells(int row, int first, TCellKind kind, int count) {
  std::vector<TCellKind>& kinds = kinds_[row - 1];
  for (int k = first; k < first + count; ++k)
    if (k >= 1 && k <= static_cast<int>(kinds.size())) kinds[static_cast<std::size_t>(k - 1)] = kind;
  PaintBox->Repaint();
}

void TTreeCrtForm::ResetTree() {
  BinCharTree->hide();
  BinCharTree->NewRoot();
  BinCharTree->Arrange();
  SetSequences(QString(), QString());
}

QString TTreeCrtForm::CellKinds(int row) const {
  QString s;
  for (TCellKind k : kinds_[row - 1]) s += k == ckWaiting ? 'G' : k == ckBuilding ? 'Y' : 'R';
  return s;
}

TColor TTreeCrtForm::KindColour(TCellKind kind) {
  return kind == ckWaiting ? clGreen : kind == ckBuilding ? clYellow : clRed;
}

QString TTreeCrtForm::ColourWord(TColor fill) {
  if (fill == clGreen) return QStringLiteral("waiting");
  if (fill == clYellow) return QStringLiteral("building");
  if (fill == clRed) return QStringLiteral("placed");
  return QStringLiteral("none");
}

QString TTreeCrtForm::KindWord(TCellKind kind) {
  switch (kind) {
    case ckWaiting: return QStringLiteral("waiting");
    case ckBuilding: return QStringLiteral("building");
    case ckPlaced: return QStringLiteral("placed");
  }
  return QString();
}

QRect TTreeCrtForm::CellRect(int row, int k) const {
  // The cells are laid out for a 273 x 73 box and follow it when the window is docked.
  const double sx = PaintBox->width() / 273.0;
  const double sy = PaintBox->height() / 73.0;
  const auto X = [sx](int x) { return static_cast<int>(std::lround(x * sx)); };
  const auto Y = [sy](int y) { return static_cast<int>(std::lround(y * sy)); };
  const int x = k * kCellStep + 10, top = kRowTop[row];
  return QRect(QPoint(X(x), Y(top)), QPoint(X(x + kCellWidth) - 1, Y(top + 30) - 1));
}

void TTreeCrtForm::PaintBoxPaint() {
  TCanvas& c = PaintBox->Canvas();
  CopyBackdrop(c, *PaintBox, PaintBox->ClientRect(), clGray);
  const double sy = PaintBox->height() / 73.0;
  c.Font = TFont{.Name = QStringLiteral("Arial"), .Height = -std::max(8, static_cast<int>(std::lround(16 * sy))), .Style = fsBold};
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_LEFT | TA_BASELINE);
  for (int row = 0; row < 2; ++row) {
    for (std::size_t k = 0; k < kinds_[row].size(); ++k) {
      const QRect cell = CellRect(row, static_cast<int>(k));
      const int l = cell.left(), t = cell.top(), r = cell.left() + cell.width(), b = cell.top() + cell.height();
      c.Brush.Style = bsSolid;
      c.Brush.Color = KindColour(kinds_[row][k]);
      c.FillRect(Rect(l, t, r, b));
      Frame3D(c, l, t, r, b, clWhite, clGray);
      const QString letter = sequences_[row].mid(static_cast<qsizetype>(k), 1);
      // Centred, the baseline two thirds of a cell down.
      c.TextOut((l + r) / 2 - c.TextWidth(letter) / 2, t + static_cast<int>(std::lround(22 * sy)), letter);
    }
  }
}
