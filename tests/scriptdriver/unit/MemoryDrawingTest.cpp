// The storage chapter's memory drawings as "check drawing" sees them: what they report and
// the faults the rules find in them.
#include <gtest/gtest.h>

#include <QDialog>
#include <algorithm>

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

// The kinds of the shapes but for the inner words, which are cells of the memory (with the
// fill they show in their notes).
QStringList Kinds(const Scene& scene) {
  QStringList kinds;
  for (const script::Shape& s : scene.shapes)
    if (const QString kind = s.Line(scene.shapes).section(' ', 0, 0); kind != QLatin1String("cell")) kinds << kind;
  return kinds;
}

// The shape whose text starts with text.
const script::Shape& Reading(const Scene& scene, const QString& text) {
  for (const script::Shape& s : scene.shapes)
    if (s.text.startsWith(text)) return s;
  static const script::Shape none;
  return none;
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
  EXPECT_EQ(Reading(scene, QStringLiteral("54 ")).text.toStdString(), "54 0 1 10 0 used")
      << "a head shows its address, llink, tag, size and rlink, and its fill that it is used";
  EXPECT_EQ(Reading(scene, QStringLiteral("33 ")).text.toStdString(), "33 0 0 free") << "a foot its uplink and tag";
  const script::Shape& pav = Reading(scene, QStringLiteral("pav"));
  EXPECT_EQ(pav.text.toStdString(), "pav");
  ASSERT_GE(pav.to, 0) << "pav points at a box of the list";
  EXPECT_EQ(scene.shapes[static_cast<std::size_t>(pav.to)].text.toStdString(), "44");
  const auto link = std::find_if(scene.shapes.begin(), scene.shapes.end(),
                                 [&](const script::Shape& sh) { return sh.Line(scene.shapes).startsWith(QStringLiteral("link")); });
  ASSERT_NE(link, scene.shapes.end());
  const script::Shape& arrow = *link;
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
  EXPECT_EQ(f[0].section(" / ", 0, 0).toStdString(), "wrong covered node BoundForm \"54 0 1 10 0 used\" 457 193 148 31");

  // Beside the drawing, where the question now opens, it covers nothing.
  prompt.move(744, 520);
  pacing::ProcessMessages();
  EXPECT_TRUE(DrawingFindings(d.Shapes()).isEmpty());
}
