#include <gtest/gtest.h>

#include "demos/graphs/PathLog.h"

namespace {

// Every character one pixel wide: rows are measured in characters.
int Chars(const QString& text) { return static_cast<int>(text.size()); }

}  // namespace

// A path breaks before its arrows and a line after its blanks; nothing else is cut, so an
// arrow, a letter's name and a number always stay whole, and the pieces give the line back.
TEST(PathLog, LinesBreakOnlyAfterBlanksAndBeforeArrows) {
  const QString line = QStringLiteral("A--->D 的最短路径:  A-->B-->D");
  const QStringList pieces = TPathLog::Pieces(line);
  EXPECT_EQ(pieces, QStringList({QStringLiteral("A"), QStringLiteral("--->D "), QStringLiteral("的最短路径:  "),
                                 QStringLiteral("A"), QStringLiteral("-->B"), QStringLiteral("-->D")}));
  EXPECT_EQ(pieces.join(QString()), line);
  EXPECT_EQ(TPathLog::Pieces(QStringLiteral("v1到v3的路径: A==>C==>B")).join('|'), QStringLiteral("v1到v3的路径: |A|==>C|==>B"));
  // Hyphens that are no arrow, and a blank before an arrow, give no break of their own.
  EXPECT_EQ(TPathLog::Pieces(QStringLiteral("x-1 -->B")).join('|'), QStringLiteral("x-1 |-->B"));
  EXPECT_EQ(TPathLog::Pieces(QString()), QStringList());
}

// Rows fill greedily, the rows after the first in the narrower room of their indent, with
// no blank left at a row's end; a piece wider than the room stands alone rather than split.
TEST(PathLog, RowsHoldWholePiecesUpToTheirRoom) {
  const QString line = QStringLiteral("A--->D 的最短路径:  A-->B-->C-->D");
  EXPECT_EQ(TPathLog::Wrap(line, 100, 100, Chars), QStringList({line}));
  EXPECT_EQ(TPathLog::Wrap(line, 21, 8, Chars),
            QStringList({QStringLiteral("A--->D 的最短路径:  A-->B"), QStringLiteral("-->C-->D")}));
  EXPECT_EQ(TPathLog::Wrap(line, 14, 4, Chars),
            QStringList({QStringLiteral("A--->D 的最短路径:"), QStringLiteral("A"), QStringLiteral("-->B"),
                         QStringLiteral("-->C"), QStringLiteral("-->D")}));
  EXPECT_EQ(TPathLog::Wrap(QStringLiteral("v10到v9的距离: 无穷"), 2, 2, Chars),
            QStringList({QStringLiteral("v10到v9的距离:"), QStringLiteral("无穷")}));
  EXPECT_EQ(TPathLog::Wrap(QString(), 10, 10, Chars), QStringList({QString()}));
}
