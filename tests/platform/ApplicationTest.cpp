#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <stdexcept>

#include "platform/Application.h"
#include "platform/Pacing.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// A control whose handlers fail the way a demonstration's code might. (A key handler: Qt
// leaves the copy of a mouse event it made behind when an exception passes through it.)
class Faulty : public QWidget {
 public:
  int clicks = 0;

 protected:
  void keyPressEvent(QKeyEvent*) override { throw std::runtime_error("List index out of bounds (5)"); }
  void mousePressEvent(QMouseEvent*) override { ++clicks; }
};

}  // namespace

TEST(Application, AnErrorInAHandlerIsShownAndTheProgramGoesOn) {
  ASSERT_NE(dynamic_cast<TApplication*>(QCoreApplication::instance()), nullptr);
  modal::ScriptedHostScope host;
  Faulty w;
  w.resize(50, 50);
  w.show();
  QTest::keyClick(&w, Qt::Key_A);
  QTest::mouseClick(&w, Qt::LeftButton);
  EXPECT_EQ(w.clicks, 1) << "the control still answers after its handler failed";

  // A timer's handler runs from the message loop: the same handler catches it.
  bool after = false;
  QTimer::singleShot(0, [] { throw std::invalid_argument("'x' is not a valid integer value"); });
  QTimer::singleShot(0, [&after] { after = true; });
  pacing::ProcessMessages();
  EXPECT_TRUE(after);
  EXPECT_EQ(host->Transcript(), QStringList({QStringLiteral("error List index out of bounds (5)"),
                                             QStringLiteral("error 'x' is not a valid integer value")}));
}

TEST(Application, QtsOwnWindowsSpeakChinese) {
  // The exit question's buttons, a message box's OK, a file dialog's buttons and labels.
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Ok);
  QStringList seen;
  for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel, QMessageBox::Ok})
    seen << box.button(b)->text();
  QFileDialog files;
  files.setOption(QFileDialog::DontUseNativeDialog);
  QDialogButtonBox* buttons = files.findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  seen << buttons->button(QDialogButtonBox::Open)->text();
  files.setAcceptMode(QFileDialog::AcceptSave);
  seen << buttons->button(QDialogButtonBox::Save)->text();
  for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"}) {
    const auto* label = files.findChild<QLabel*>(QString::fromLatin1(name));
    seen << (label ? label->text() : QString::fromLatin1(name) + QStringLiteral("?"));
  }
  EXPECT_EQ(seen.join(' '), QStringLiteral("是(&Y) 否(&N) 取消 确定 打开(&O) 保存(&S) 查找范围： 文件名称(&N)： 文件类型："))
      << "Qt's Chinese translations are not loaded (Debian: qt6-translations-l10n)";
}
