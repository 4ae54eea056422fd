#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "demos/stacks/MazeData.h"
#include "demos/stacks/MazeInputDlg.h"
#include "platform/Random.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// Walls at x = 2, y = 1 .. 7: a corridor down the second column, open at its foot.
void BuildCorridorWall(TMazeData& maze) {
  for (int y = 1; y <= 7; ++y) maze.SetCell(2, y, msWall);
}
constexpr const char* kCorridorRows = ".#......|.#......|.#......|.#......|.#......|.#......|.#......|........";

QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray b;
  for (int v : values) b.append(static_cast<char>(v));
  return b;
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The text of the error that work raised; a note of failure when it raised none.
template <class Work>
QString FileError(Work work, const QString& what) {
  try {
    work();
  } catch (const EMazeFileError& e) {
    return e.Message();
  }
  ADD_FAILURE() << what.toStdString() << " went through";
  return {};
}

class MazeFile : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
  TMazeData maze_;
};

}  // namespace

TEST(MazeData, StartsEmptyAndTogglesCellsByCoordinates) {
  TMazeData maze;
  EXPECT_EQ(maze.Rows(), QStringLiteral("........|........|........|........|........|........|........|........"));
  maze.SetCell(8, 1, msWall);
  maze.SetCell(1, 8, msVisited);
  maze.SetCell(3, 2, msRight);
  EXPECT_EQ(maze.GetCell(8, 1), msWall) << "x is the column, y the row";
  EXPECT_EQ(maze.Rows(), QStringLiteral(".......#|..>.....|........|........|........|........|........|o......."));
  EXPECT_THROW(maze.GetCell(0, 1), EDemoError);
  EXPECT_THROW(maze.SetCell(1, 9, msWall), EDemoError);
  EXPECT_THROW(maze.SetCell(1, 1, 8), EDemoError) << "only the eight states have pictures";
}

TEST(MazeData, CellsShowThePictureOfTheirState) {
  TMazeData maze;
  ASSERT_EQ(maze.CellImages().Count(), 8);
  for (std::uint8_t s = msEmpty; s <= msRight; ++s) {
    maze.SetCell(4, 5, s);
    TBitmap expected;
    maze.CellImages().GetBitmap(s, expected);
    EXPECT_EQ(maze.Node(4, 5)->Picture().Image(), expected.Image()) << "state " << int(s);
  }
}

TEST(MazeData, CellsShareTheAreaInsideAFourPixelMargin) {
  TMazeData maze;
  maze.setGeometry(0, 0, 341, 341);
  maze.AfterRescale();
  // (341 - 8) div 8 = 41
  EXPECT_EQ(maze.Node(1, 1)->geometry(), QRect(4, 4, 41, 41));
  EXPECT_EQ(maze.Node(8, 3)->geometry(), QRect(7 * 41 + 4, 2 * 41 + 4, 41, 41));
  maze.resize(449, 300);
  maze.AfterRescale();
  EXPECT_EQ(maze.Node(8, 8)->geometry(), QRect(7 * 55 + 4, 7 * 36 + 4, 55, 36));
}

TEST(MazeData, AssignCopiesEveryStateAndClearMarksKeepsOnlyWalls) {
  TMazeData a, b;
  a.SetCell(1, 1, msWall);
  a.SetCell(2, 1, msVisited);
  a.SetCell(3, 1, msReturned);
  a.SetCell(4, 1, msUp);
  a.SetCell(8, 8, msWall);
  b.Assign(a);
  EXPECT_EQ(b.Rows(), a.Rows());
  b.ClearMarks();
  EXPECT_EQ(b.Rows(), QStringLiteral("#.......|........|........|........|........|........|........|.......#"));
}

TEST(MazeData, RandomFillWallsACellForADrawAboveSevenTenthsColumnByColumn) {
  rnd::FixSeed(77);
  std::vector<bool> walls;
  for (int i = 0; i < TMazeData::FileSize; ++i) walls.push_back(rnd::RandomReal() > 0.7);
  rnd::FixSeed(77);
  TMazeData maze;
  maze.SetCell(5, 5, msVisited);
  maze.RandomFill();
  int wallCount = 0;
  for (int x = 1; x <= 8; ++x)
    for (int y = 1; y <= 8; ++y) {
      const bool wall = walls[static_cast<std::size_t>((x - 1) * 8 + (y - 1))];
      EXPECT_EQ(maze.GetCell(x, y), wall ? msWall : msEmpty) << "cell " << x << "," << y;
      wallCount += wall;
    }
  EXPECT_GT(wallCount, 5);
  EXPECT_LT(wallCount, 40);
  rnd::FixSeed(20261206u);
}

TEST(MazeData, RandomFillDoesNotSpareTheEntranceOrTheExit) {
  bool entrance = false, exit = false;
  TMazeData maze;
  for (std::uint32_t seed = 1; seed < 200 && !(entrance && exit); ++seed) {
    rnd::FixSeed(seed);
    maze.RandomFill();
    entrance |= maze.GetCell(1, 1) == msWall;
    exit |= maze.GetCell(8, 8) == msWall;
  }
  EXPECT_TRUE(entrance);
  EXPECT_TRUE(exit);
  rnd::FixSeed(20261206u);
}

// ---------------------------------------------------------------- file

TEST_F(MazeFile, SixtyFourBytesColumnByColumnWithAWallByteOnlyForWalls) {
  BuildCorridorWall(maze_);
  maze_.SaveToFile(Path("corridor.dat"));
  const QByteArray bytes = Read(Path("corridor.dat"));
  ASSERT_EQ(bytes.size(), 64);
  for (int x = 1; x <= 8; ++x)
    for (int y = 1; y <= 8; ++y)
      EXPECT_EQ(bytes[(x - 1) * 8 + (y - 1)], (x == 2 && y <= 7) ? 1 : 0) << "cell " << x << "," << y;
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"corridor.dat"}) << "no temporary file is left";
}

TEST_F(MazeFile, LoadGivesBackTheSavedMaze) {
  BuildCorridorWall(maze_);
  maze_.SetCell(8, 8, msWall);
  maze_.SaveToFile(Path("m.dat"));
  TMazeData loaded;
  loaded.SetCell(5, 5, msWall);
  loaded.LoadFromFile(Path("m.dat"));
  EXPECT_EQ(loaded.Rows(), maze_.Rows());
}

TEST_F(MazeFile, SavingStoresSearchMarksAsTheyAreAndLoadingDropsThem) {
  maze_.SetCell(1, 1, msRight);
  maze_.SetCell(2, 1, msReturned);
  maze_.SetCell(3, 1, msWall);
  maze_.SaveToFile(Path("run.dat"));
  EXPECT_EQ(Read(Path("run.dat")).left(24), Bytes({7, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
  maze_.LoadFromFile(Path("run.dat"));
  EXPECT_EQ(maze_.Rows().left(8), QStringLiteral("..#....."));
}

TEST_F(MazeFile, EveryByteButAWallReadsAsAnEmptyCell) {
  QByteArray bytes;
  for (int i = 0; i < 64; ++i) bytes.append(static_cast<char>(2 + i % 6));  // 2 .. 7 only
  Write(Path("marks.dat"), bytes);
  BuildCorridorWall(maze_);
  maze_.LoadFromFile(Path("marks.dat"));
  EXPECT_EQ(maze_.Rows(), QStringLiteral("........|........|........|........|........|........|........|........"));

  // Bytes that are no state at all never become a picture index.
  bytes.fill(0);
  bytes[0] = static_cast<char>(8);
  bytes[1] = static_cast<char>(255);
  bytes[2] = static_cast<char>(1);
  Write(Path("odd.dat"), bytes);
  maze_.LoadFromFile(Path("odd.dat"));
  EXPECT_EQ(maze_.GetCell(1, 1), msEmpty);
  EXPECT_EQ(maze_.GetCell(1, 2), msEmpty);
  EXPECT_EQ(maze_.GetCell(1, 3), msWall);
}

TEST_F(MazeFile, AFileThatIsNotSixtyFourBytesLeavesTheMazeUntouched) {
  BuildCorridorWall(maze_);
  maze_.SetCell(1, 1, msVisited);
  const QString before = maze_.Rows();
  const QByteArray walls(64, '\1');
  Write(Path("short.dat"), walls.left(63));
  Write(Path("long.dat"), walls + '\1');
  Write(Path("empty.dat"), QByteArray());
  for (const char* name : {"short.dat", "long.dat", "empty.dat"}) {
    const QString text = FileError([&] { maze_.LoadFromFile(Path(name)); }, Path(name));
    EXPECT_TRUE(text.contains(QStringLiteral("不是迷宫数据文件"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("迷宫没有改变"))) << text.toStdString();
    EXPECT_EQ(maze_.Rows(), before) << name;
  }
}

TEST_F(MazeFile, AFileThatCannotBeReadLeavesTheMazeUntouched) {
  BuildCorridorWall(maze_);
  const QString before = maze_.Rows();
  QDir(dir_.path()).mkdir(QStringLiteral("folder.dat"));
  for (const char* name : {"missing.dat", "folder.dat"}) {
    const QString text = FileError([&] { maze_.LoadFromFile(Path(name)); }, Path(name));
    EXPECT_TRUE(text.startsWith(QStringLiteral("无法读取迷宫数据文件"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromLatin1(name))) << "the message names the file";
    EXPECT_EQ(maze_.Rows(), before) << name;
  }
}

TEST_F(MazeFile, SavingOverALongerFileLeavesExactlyTheMaze) {
  Write(Path("old.dat"), QByteArray(100, '\1'));
  maze_.SaveToFile(Path("old.dat"));
  EXPECT_EQ(Read(Path("old.dat")), QByteArray(64, '\0'));
}

TEST_F(MazeFile, AFailedSaveSaysSoAndLeavesWhatWasThere) {
  // Neither a folder that does not exist nor a name that is a folder can take the file.
  QDir(dir_.path()).mkdir(QStringLiteral("taken.dat"));
  Write(Path("taken.dat/inside.dat"), QByteArray("keep"));
  for (const char* name : {"nowhere/m.dat", "taken.dat"}) {
    const QString text = FileError([&] { maze_.SaveToFile(Path(name)); }, Path(name));
    EXPECT_TRUE(text.startsWith(QStringLiteral("无法保存迷宫数据文件"))) << text.toStdString();
  }
  EXPECT_FALSE(QDir(dir_.path()).exists(QStringLiteral("nowhere")));
  EXPECT_EQ(Read(Path("taken.dat/inside.dat")), QByteArray("keep"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList()) << "no temporary file is left";
}

// ---------------------------------------------------------------- editor

TEST(MazeEditor, ClicksToggleWallsAndOkHandsTheMazeOverWithoutSearchMarks) {
  modal::ScriptedHostScope host;
  TMazeData maze;
  maze.SetCell(1, 1, msRight);
  maze.SetCell(2, 1, msReturned);
  maze.SetCell(3, 1, msWall);
  host->QueueDialog(QStringLiteral("@Cell_3_1"));  // a wall becomes empty
  host->QueueDialog(QStringLiteral("@Cell_4_2"));  // an empty cell becomes a wall
  host->QueueDialog(QStringLiteral("@Cell_4_3"));
  host->QueueDialog(QStringLiteral("@Cell_4_3"));  // and back
  host->QueueDialog(QStringLiteral("OK"));
  ASSERT_TRUE(maze.Edit());
  EXPECT_EQ(maze.Rows().left(26), QStringLiteral("........|...#....|........"));
  EXPECT_EQ(host->Transcript(), QStringList{"dialog 建立迷宫"});
}

TEST(MazeEditor, CancelKeepsTheMazeAsItWas) {
  modal::ScriptedHostScope host;
  TMazeData maze;
  maze.SetCell(1, 1, msVisited);
  const QString before = maze.Rows();
  host->QueueDialog(QStringLiteral("@Cell_5_5"));
  host->QueueDialog(QStringLiteral("随机生成"));
  host->QueueDialog(QStringLiteral("Cancel"));
  EXPECT_FALSE(maze.Edit());
  EXPECT_EQ(maze.Rows(), before);
}

TEST(MazeEditor, SaveAndLoadGoThroughTheFileDialogsWithTheDataFileFilter) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("walls.dat"));
  modal::ScriptedHostScope host;
  TMazeInputDlg dlg;
  BuildCorridorWall(*dlg.MazeData);
  host->QueueFile(path);
  dlg.SaveBtnClick();
  EXPECT_EQ(Read(path).size(), 64);
  dlg.MazeData->RandomFill();
  host->QueueFile(path);
  dlg.LoadBtnClick();
  EXPECT_EQ(dlg.MazeData->Rows(), QString::fromLatin1(kCorridorRows));
  // Cancelled dialogs do nothing.
  dlg.SaveBtnClick();
  dlg.LoadBtnClick();
  EXPECT_EQ(dlg.MazeData->Rows(), QString::fromLatin1(kCorridorRows));
  EXPECT_EQ(TMazeInputDlg::FileFilter, QStringLiteral("VELKORA 数据文件(*.dat)|*.dat|所有文件(*.*)|*.*"));
  EXPECT_EQ(TMazeInputDlg::FileExt, QStringLiteral("dat"));
}
