#include "demos/storage/MemUserGraph.h"

#include <gtest/gtest.h>

namespace {

// The command window with its frame.
constexpr QSize kWindow(198, 388);

QRect Placed(const QRect& screen, int toolbarBottom, const QRect& drawing) {
  return {CommandWindowPlace(screen, toolbarBottom, drawing, kWindow), kWindow};
}

}  // namespace

TEST(CommandWindowPlace, CoversNeitherTheToolbarNorTheDrawingOnTheScreensTeachersUse) {
  struct Case {
    QRect screen;
    int toolbarBottom;
    QRect drawing;  // the memory drawing, docked on the left at 60 % of the width
  };
  for (const Case& c : {Case{{0, 0, 1024, 768}, 113, {1, 142, 612, 625}},
                        Case{{0, 0, 1920, 1080}, 209, {1, 250, 1150, 829}}}) {
    const QRect w = Placed(c.screen, c.toolbarBottom, c.drawing);
    EXPECT_TRUE(c.screen.contains(w)) << c.screen.width() << ": the whole window on the screen";
    EXPECT_GE(w.top(), c.toolbarBottom) << c.screen.width() << ": the toolbar's 暂停 and 执行 stay visible";
    EXPECT_FALSE(w.intersects(c.drawing)) << c.screen.width() << ": the memory drawing stays visible";
    EXPECT_EQ(w.bottomRight(), c.screen.bottomRight()) << "in the corner, over the ends of the variable rows";
  }
}

TEST(CommandWindowPlace, GoesLeftOfADrawingThatLeavesRoomOnlyThere) {
  const QRect w = Placed({0, 0, 1024, 768}, 113, {300, 142, 700, 625});
  EXPECT_EQ(w.topLeft(), QPoint(0, 380));
}

TEST(CommandWindowPlace, OnATooSmallScreenStaysBelowTheToolbarAtTheRightEdge) {
  const QRect w = Placed({0, 0, 640, 480}, 100, {100, 120, 400, 360});
  EXPECT_EQ(w.topLeft(), QPoint(442, 100)) << "no side has room: the drawing's right part is covered";
}
