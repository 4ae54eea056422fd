// The rule "stale": a stack display shows what it paints, wherever its rows leave it in view.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "framework/drawkit/StackBox.h"
#include "platform/Pacing.h"
#include "tests/scriptdriver/Geometry.h"
#include "tests/scriptdriver/Stale.h"

using script::StaleFindings;
using script::StaleIn;

namespace {

// A stack window of two rows pushed without slides, shown on the screen.
struct ShownStack {
  std::unique_ptr<TAckmanGraphForm> form = MakeStackWindow({.cols = 2, .rows = 4, .title = QStringLiteral("n")});
  TStackBox& stack = *form->Stack;
  ShownStack() {
    stack.ShowAnimate = false;
    form->setGeometry(10, 10, 300, 200);
    form->show();
    stack.Push(std::make_unique<TData>(QStringLiteral("a")));
    stack.Push(std::make_unique<TData>(QStringLiteral("b")));
    pacing::ProcessMessages();
  }
  QStringList Findings() { return StaleFindings({form.get()}); }
};

}  // namespace

TEST(Stale, ComparesOnlyWhatNoCoveringRectHides) {
  QImage shown(10, 10, QImage::Format_RGB32);
  shown.fill(Qt::white);
  QImage fresh = shown;
  shown.setPixel(2, 2, qRgb(0, 0, 0));
  shown.setPixel(7, 7, qRgb(0, 0, 0));
  const script::StalePixels both = StaleIn(shown, fresh, shown.rect(), {});
  EXPECT_EQ(both.count, 2);
  EXPECT_EQ(both.box, QRect(2, 2, 6, 6));
  EXPECT_EQ(StaleIn(shown, fresh, shown.rect(), {QRect(6, 6, 3, 3)}).count, 1) << "a row over a pixel shows the row";
  EXPECT_EQ(StaleIn(shown, fresh, QRect(0, 0, 5, 5), {}).count, 1) << "only the part of the display that shows";
}

TEST(Stale, AStackAsItPaintsItselfPasses) {
  ShownStack s;
  EXPECT_TRUE(s.Findings().isEmpty()) << s.Findings().join('\n').toStdString();
  // What the box shows under its rows is theirs: a slide's last frame left there is no fault.
  TNodeRect& top = *s.stack.Row(1);
  s.stack.Canvas().Brush.Color = clRed;
  s.stack.Canvas().FillRect(Bounds(top.x(), top.y(), top.width(), top.height()));
  pacing::ProcessMessages();
  EXPECT_TRUE(s.Findings().isEmpty()) << s.Findings().join('\n').toStdString();
}

TEST(Stale, APictureLeftWhereNoRowStandsIsFound) {
  ShownStack s;
  // A grey piece of a row where the slide's restore missed it, above the rows.
  const TNodeRect& top = *s.stack.Row(1);
  s.stack.Canvas().Brush.Color = clSilver;
  s.stack.Canvas().FillRect(Bounds(top.x(), 2, top.width() / 2, 10));
  pacing::ProcessMessages();
  const QStringList findings = s.Findings();
  ASSERT_EQ(findings.size(), 1) << findings.join('\n').toStdString();
  EXPECT_TRUE(findings[0].startsWith(QStringLiteral("wrong stale Stack in "))) << findings[0].toStdString();
  EXPECT_TRUE(findings[0].contains(QStringLiteral("pixels differ from what it paints"))) << findings[0].toStdString();
}
