// Renders the shell's windows to PNG files in the build folder ("shots/"), at the two
// screen sizes the program is looked at in, so a person can look at them.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "framework/shell/AlgoSelect.h"
#include "platform/Screen.h"

namespace {

QString ShotPath(const QString& name) {
  QDir().mkpath(QStringLiteral("shots"));
  return QStringLiteral("shots/") + name;
}

void Save(QWidget& w, const QString& name) {
  QImage img(w.size(), QImage::Format_RGB32);
  img.fill(Qt::black);
  w.render(&img);
  EXPECT_TRUE(img.save(ShotPath(name))) << name.toStdString();
}

class Shots : public ::testing::TestWithParam<QSize> {
 protected:
  void SetUp() override { screen::SetFixedSize(GetParam()); }
  void TearDown() override { screen::SetFixedSize({1024, 768}); }
  QString Suffix() const {
    return QStringLiteral("-%1x%2.png").arg(GetParam().width()).arg(GetParam().height());
  }
};

}  // namespace

TEST_P(Shots, SelectionWindow) {
  TAlgoSelectForm form;
  Save(form, "select-root" + Suffix());
  ASSERT_TRUE(form.ClickCaption("二叉树"));
  ASSERT_TRUE(form.ClickCaption("线索树"));
  ASSERT_TRUE(form.ClickCaption("线索化"));
  Save(form, "select-deep" + Suffix());
  ASSERT_TRUE(form.ClickCaption("数据结构"));
  ASSERT_TRUE(form.ClickCaption("内部排序"));
  ASSERT_TRUE(form.ClickCaption("复杂排序"));
  Save(form, "select-sort" + Suffix());
}

INSTANTIATE_TEST_SUITE_P(Screens, Shots, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)));
