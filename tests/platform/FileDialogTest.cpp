#include "platform/FileDialog.h"

#include <gtest/gtest.h>

#include <QAbstractProxyModel>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>

namespace {

const QString kDataFilter = QStringLiteral("VELKORA 数据文件(*.dat)|*.dat|所有文件(*.*)|*.*");

void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace

TEST(FileDialog, ColumnsSaySizesDatesAndTypesInChinese) {
  using filedialog::SizeText;
  EXPECT_EQ(SizeText(64), QStringLiteral("64 字节")) << "a maze file";
  EXPECT_EQ(SizeText(3164), QStringLiteral("3.1 KB"));
  EXPECT_EQ(SizeText(52 * 1024), QStringLiteral("52 KB"));
  EXPECT_EQ(SizeText(3 * 1024 * 1024 + 200000), QStringLiteral("3.2 MB"));
  EXPECT_EQ(filedialog::DateText(QDateTime(QDate(2024, 12, 8), QTime(14, 56, 46))), QStringLiteral("2024年12月8日 14:56"));

  // The program's own files by the filter that offers them, whatever their bytes look like.
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  Write(dir.filePath("tree.DAT"), QByteArray::fromHex("ff0a00"));
  Write(dir.filePath("maze.dat"), QByteArray(64, '\0'));
  Write(dir.filePath("a.png"), "png");
  Write(dir.filePath("README"), "text");
  using filedialog::TypeText;
  EXPECT_EQ(TypeText(QFileInfo(dir.filePath("tree.DAT")), kDataFilter), QStringLiteral("VELKORA 数据文件"));
  EXPECT_EQ(TypeText(QFileInfo(dir.filePath("maze.dat")), kDataFilter), QStringLiteral("VELKORA 数据文件"))
      << "not a TGA image";
  EXPECT_EQ(TypeText(QFileInfo(dir.filePath("a.png")), kDataFilter), QStringLiteral("PNG 文件"))
      << "a file only the all-files choice offers: by its suffix";
  EXPECT_EQ(TypeText(QFileInfo(dir.filePath("README")), kDataFilter), QStringLiteral("文件"));
  EXPECT_EQ(TypeText(QFileInfo(dir.path()), kDataFilter), QStringLiteral("文件夹"));
  EXPECT_EQ(TypeText(QFileInfo(dir.filePath("maze.dat")), QStringLiteral("图形文件|*.gra")), QStringLiteral("DAT 文件"));
}

// The dialog itself, open on a folder of the program's files: what its detail view shows.
TEST(FileDialog, TheDetailViewShowsTheColumnsWholeInChinese) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  Write(dir.filePath("btree_full52_from_the_third_lesson.dat"), QByteArray(3164, '\xff'));
  Write(dir.filePath("maze.dat"), QByteArray(64, '\0'));
  modal::FileRequest request;
  request.caption = QStringLiteral("取出数据");
  request.filter = kDataFilter;
  const std::unique_ptr<QFileDialog> dialog = filedialog::Make(request);
  auto* files = qobject_cast<QFileSystemModel*>(dialog->proxyModel()->sourceModel());
  ASSERT_NE(files, nullptr);
  QSignalSpy loaded(files, &QFileSystemModel::directoryLoaded);
  dialog->setDirectory(dir.path());
  dialog->show();
  ASSERT_TRUE(loaded.count() > 0 || loaded.wait(10000)) << "the folder was never listed";
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();

  auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(view->isVisible()) << "the detail view";
  const QAbstractItemModel* shown = view->model();
  QStringList headings;
  for (int c = 0; c < 4; ++c) headings << shown->headerData(c, Qt::Horizontal).toString();
  EXPECT_EQ(headings, filedialog::Headings());

  const QModelIndex root = view->rootIndex();
  ASSERT_EQ(shown->rowCount(root), 2);
  QStringList rows;
  const QFontMetrics metrics(view->font());
  for (int r = 0; r < shown->rowCount(root); ++r) {
    QStringList cells;
    for (int c = 0; c < 4; ++c) {
      const QString text = shown->index(r, c, root).data().toString();
      cells << text;
      EXPECT_GE(view->columnWidth(c), metrics.horizontalAdvance(text)) << "cut at its column's width: " << text.toStdString();
    }
    rows << cells.mid(0, 3).join(" | ");
    EXPECT_TRUE(cells[3].contains(QStringLiteral("年"))) << cells[3].toStdString();
  }
  rows.sort();
  // Each column as wide as what it shows needs, its icon and margins with it.
  for (int c = 0; c < 4; ++c) {
    const int width = view->columnWidth(c);
    view->resizeColumnToContents(c);
    EXPECT_LE(view->columnWidth(c), width) << "column " << headings[c].toStdString() << " cuts what it shows";
  }
  EXPECT_EQ(rows, QStringList({QStringLiteral("btree_full52_from_the_third_lesson.dat | 3.1 KB | VELKORA 数据文件"),
                               QStringLiteral("maze.dat | 64 字节 | VELKORA 数据文件")}));
  dialog->reject();
}
