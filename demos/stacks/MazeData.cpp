#include "demos/stacks/MazeData.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "demos/stacks/MazeInputDlg.h"
#include "framework/drawkit/KitGlobals.h"
#include "platform/Random.h"

namespace {

constexpr const char* kCellPictures[] = {"mazeEmpty.bmp",    "mazeBlocked.bmp", "mazeVisited.bmp",
                                         "mazeReturned.bmp", "mazeUp.bmp",      "mazeDown.bmp",
                                         "mazeLeft.bmp",     "mazeRight.bmp"};

int FileIndex(int x, int y) { return (x - 1) * TMazeData::Size + (y - 1); }
std::size_t Slot(int i) { return static_cast<std::size_t>(i); }

QString Shown(const QString& fileName) { return QDir::toNativeSeparators(fileName); }

}  // namespace

// ---------------------------------------------------------------- cell

TMazeNode::TMazeNode(TMazeData* maze, int x, int y) : TImage(maze), maze_(maze), x_(x), y_(y) {
  setObjectName(QStringLiteral("Cell_%1_%2").arg(x).arg(y));
  SetStretch(true);
  OnClick = [this] { maze_->DoNodeClick(*this); };
  SetState(msEmpty);
}

void TMazeNode::SetState(std::uint8_t state) {
  if (state > msRight) throw EDemoError(QStringLiteral("invalid maze cell state %1").arg(state));
  state_ = state;
  maze_->CellImages().GetBitmap(state, Picture());
  Changed();
  maze_->CellChanged();
}

// ---------------------------------------------------------------- maze

TMazeData::TMazeData(QWidget* parent) : TNodeContainer(parent) {
  for (const char* name : kCellPictures) {
    // A picture that cannot be read leaves a plain cell, so that the states keep their
    // pictures' numbers.
    if (const std::unique_ptr<TBitmap> picture = LoadPicture(QString::fromLatin1(name)))
      cellImages_.Add(*picture);
    else
      cellImages_.Add(TBitmap(CellPictureSide, CellPictureSide));
  }
  for (int x = 1; x <= Size; ++x)
    for (int y = 1; y <= Size; ++y) nodes_[Slot(FileIndex(x, y))] = new TMazeNode(this, x, y);
  AfterRescale();
}

TMazeNode* TMazeData::Node(int x, int y) const {
  if (x < 1 || x > Size || y < 1 || y > Size) throw EDemoError("index out of bounds");
  return nodes_[Slot(FileIndex(x, y))];
}

void TMazeData::RandomFill() {
  rnd::Randomize();
  for (int x = 1; x <= Size; ++x)
    for (int y = 1; y <= Size; ++y) SetCell(x, y, rnd::RandomReal() > 0.7 ? msWall : msEmpty);
}

void TMazeData::Assign(const TMazeData& source) {
  for (int i = 0; i < FileSize; ++i) nodes_[Slot(i)]->SetState(source.nodes_[Slot(i)]->State());
}

void TMazeData::ClearMarks() {
  for (TMazeNode* node : nodes_)
    if (node->State() != msWall) node->SetState(msEmpty);
}

QByteArray TMazeData::FileBytes() const {
  QByteArray bytes(FileSize, '\0');
  for (int i = 0; i < FileSize; ++i) bytes[i] = static_cast<char>(nodes_[Slot(i)]->State());
  return bytes;
}

TMazeData::TCells TMazeData::StatesFromFile(const QByteArray& bytes) {
  TCells cells{};
  // Only walls are kept: the marks of a search (and any byte that is no state at all) are
  // read as empty cells.
  for (int i = 0; i < FileSize && i < bytes.size(); ++i)
    cells[Slot(i)] = static_cast<std::uint8_t>(bytes[i]) == msWall ? msWall : msEmpty;
  return cells;
}

void TMazeData::SaveToFile(const QString& fileName) const {
  QSaveFile file(fileName);
  const QByteArray bytes = FileBytes();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw EMazeFileError(QStringLiteral("无法保存迷宫数据文件 %1：%2。原有的文件没有改变。")
                             .arg(Shown(fileName), file.errorString())
                             );
}

void TMazeData::LoadFromFile(const QString& fileName) {
  QFile file(fileName);
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly)) bytes = file.read(FileSize + 1);  // one more tells a longer file
  if (!file.isOpen() || file.error() != QFileDevice::NoError)
    throw EMazeFileError(
        QStringLiteral("无法读取迷宫数据文件 %1：%2。").arg(Shown(fileName), file.errorString()));
  if (bytes.size() != FileSize)
    throw EMazeFileError(QStringLiteral("%1 不是迷宫数据文件：迷宫数据文件恰好有 %2 个字节，而它%3。迷宫没有改变。")
                             .arg(Shown(fileName))
                             .arg(FileSize)
                             .arg(bytes.size() < FileSize ? QStringLiteral("只有 %1 个字节").arg(bytes.size())
                                                          : QStringLiteral("更长"))
                             );
  const TCells cells = StatesFromFile(bytes);
  for (int i = 0; i < FileSize; ++i) nodes_[Slot(i)]->SetState(cells[Slot(i)]);
}

bool TMazeData::Edit() {
  TMazeInputDlg dlg;
  dlg.MazeData->Assign(*this);
  dlg.MazeData->ClearMarks();
  if (dlg.ShowModal() != mrOk) return false;
  Assign(*dlg.MazeData);
  return true;
}

namespace {
constexpr char kShown[] = ".#ox^v<>";
}  // namespace

QChar TMazeData::StateChar(std::uint8_t state) { return QLatin1Char(kShown[state & 7]); }

QString TMazeData::Rows() const {
  QStringList rows;
  for (int y = 1; y <= Size; ++y) {
    QString row;
    for (int x = 1; x <= Size; ++x) {
      const TMazeNode* node = nodes_[Slot(FileIndex(x, y))];
      row += node ? StateChar(node->State()) : QLatin1Char('.');
    }
    rows << row;
  }
  return rows.join('|');
}

void TMazeData::CellChanged() { setAccessibleDescription(Rows()); }

void TMazeData::DoNodeClick(TMazeNode& node) {
  if (OnNodeClick) OnNodeClick(node);
}

std::vector<TDrawnShape> TMazeNode::DrawingShapes() const {
  TDrawnShape cell = TDrawnShape::NodeAt(rect(), QString()).Noted(QString(TMazeData::StateChar(State())));
  if (maze_->StandsFor)
    cell = cell.StandingFor({.Value = [stands = maze_->StandsFor, x = x_, y = y_] { return stands(x, y); },
                             .Part = TValueMeaning::InNote});
  return {cell};
}

void TMazeData::AfterRescale() {
  const int w = (width() - 8) / Size;
  const int h = (height() - 8) / Size;
  for (int x = 1; x <= Size; ++x)
    for (int y = 1; y <= Size; ++y) Node(x, y)->setGeometry((x - 1) * w + 4, (y - 1) * h + 4, w, h);
}

void TMazeData::Paint() {
  CopyBackdrop(Canvas(), *this, ClientRect(), Color);
  Canvas().Brush.Color = clRed;
  Canvas().FrameRect(Rect(0, 0, width() - 1, height() - 1));
}
