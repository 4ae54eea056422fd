// The storage chapter's memory drawings as "check drawing" sees them: what they report and
// the faults the rules find in them.
#include <gtest/gtest.h>

#include <QDialog>

#include "demos/storage/BoundForm.h"
#include "demos/storage/BoundMemory.h"
#include "platform/Pacing.h"
#include "tests/scriptdriver/Geometry.h"
#include "tests/scriptdriver/Texts.h"

using script::DrawingFindings;
using script::Scene;

namespace {

// The boundary-tag drawing as it docks at 1024 x 768, its memory as the script left it.
struct BoundDrawing {
  TBoundMemory memory;
  TBoundForm form;
  BoundDrawing() {
    form.setGeometry(2, 146, 612, 625);
    form.Memory = &memory;
    form.MemoryShown = true;
    form.show();
    form.InitMemoryPicture(16, 4);
    pacing::ProcessMessages();
  }
  Scene Shapes() const { return script::GatherShapes(script::ScreenWindows()); }
};

QStringList Kinds(const Scene& scene) {
  QStringList kinds;
  for (const script::Shape& s : scene.shapes) kinds << s.Line(scene.shapes).section(' ', 0, 0);
  return kinds;
}

}  // namespace

TEST(MemoryDrawing, BoundaryTagsReportHeadsFeetAndTheFreeListFromPav) {
  BoundDrawing d;
  for (int i = 0; i < 3; ++i) d.memory.Allocate(10);  // 54-63, 44-53, 34-43; 0-33 free
  d.memory.Release(44);                              // a second free block; pav moves to it
  d.form.ShowMemory();
  pacing::ProcessMessages();
  const Scene scene = d.Shapes();
  // The heads and feet of 0-33, 34-43, 44-53 and 54-63; "pav" pointing at the first entry,
  // 44, the arrow from it to 0 as a link.
  EXPECT_EQ(Kinds(scene).join(' ').toStdString(),
            "node node node node node node node node mark link node node");
  EXPECT_EQ(scene.shapes[6].text.toStdString(), "54 0 1 10 0") << "a head shows its address, llink, tag, size and rlink";
  const script::Shape& pav = scene.shapes[8];
  EXPECT_EQ(pav.text.toStdString(), "pav");
  ASSERT_GE(pav.to, 0) << "pav points at a box of the list";
  EXPECT_EQ(scene.shapes[static_cast<std::size_t>(pav.to)].text.toStdString(), "44");
  const script::Shape& arrow = scene.shapes[9];
  EXPECT_EQ(scene.shapes[static_cast<std::size_t>(arrow.from)].text.toStdString(), "44");
  EXPECT_EQ(scene.shapes[static_cast<std::size_t>(arrow.to)].text.toStdString(), "0");
  EXPECT_TRUE(DrawingFindings(scene).isEmpty()) << DrawingFindings(scene).join('\n').toStdString();
}

TEST(MemoryDrawing, APromptOverTheHeadItAsksAboutIsCovered) {
  BoundDrawing d;
  for (int i = 0; i < 3; ++i) d.memory.Allocate(10);
  d.form.ShowMemory();
  // The free question where it stood before, centred on the screen: over the head of 54-63.
  QDialog prompt;
  prompt.setWindowTitle(QStringLiteral("回收内存"));
  prompt.setGeometry(372, 338, 280, 100);
  prompt.show();
  pacing::ProcessMessages();
  const QStringList f = DrawingFindings(d.Shapes());
  ASSERT_EQ(f.size(), 1) << f.join('\n').toStdString();
  EXPECT_EQ(f[0].section(" / ", 0, 0).toStdString(), "wrong covered node BoundForm \"54 0 1 10 0\" 457 193 148 31");

  // Beside the drawing, where the question now opens, it covers nothing.
  prompt.move(744, 520);
  pacing::ProcessMessages();
  EXPECT_TRUE(DrawingFindings(d.Shapes()).isEmpty());
}
