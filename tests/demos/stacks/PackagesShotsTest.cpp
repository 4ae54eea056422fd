// Renders the knapsack's dialogs and message window to PNG files in the build folder
// ("shots/"), so a person can look at them.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "demos/stacks/PackagesForm1.h"
#include "demos/stacks/PackagesForm2.h"
#include "demos/stacks/PkgMsgForm.h"

namespace {

void Save(QWidget& w, const QString& name) {
  QDir().mkpath(QStringLiteral("shots"));
  QImage img(w.size(), QImage::Format_RGB32);
  img.fill(Qt::black);
  w.render(&img);
  EXPECT_TRUE(img.save(QStringLiteral("shots/") + name)) << name.toStdString();
}

}  // namespace

TEST(PackagesShots, CountDialogWeightsDialogAndMessageWindow) {
  TPackagesForm1 count;
  count.Edit1->setText(QStringLiteral("8"));
  Save(count, QStringLiteral("packages-count.png"));

  for (int items : {3, 8}) {
    TPackagesForm2 weights;
    weights.ItemCount = items;
    weights.Prepare();
    weights.RanButtonClick();
    weights.Edits[9]->setText(QStringLiteral("30"));
    Save(weights, QStringLiteral("packages-weights-%1.png").arg(items));
  }

  TPkgMsgForm msg;
  msg.Timer1Timer();
  Save(msg, QStringLiteral("packages-message.png"));
}
