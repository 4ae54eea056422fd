#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "KitTestSupport.h"
#include "framework/drawkit/CoolMsg.h"
#include "platform/Pacing.h"
#include "tests/support/ScriptedModalHost.h"

TEST(CoolMsgDlg, AScriptAnswersItAndTheTranscriptRecordsIt) {
  modal::ScriptedHostScope host;
  host->QueueMessage(QStringLiteral("确定"));
  TCoolMsgDlg dlg;
  dlg.SetCaption(QStringLiteral("阿克曼函数"));
  EXPECT_EQ(dlg.Execute(QStringLiteral("结果为29。")), mrOk);
  EXPECT_EQ(host->Transcript(), QStringList{QStringLiteral("message 阿克曼函数 | 结果为29。")});
  EXPECT_TRUE(host->ScriptErrors().isEmpty()) << host->ScriptErrors().join('\n').toStdString();
  EXPECT_FALSE(host->HasUnused()) << "the OK button took the answer";
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.CaptionLabel->text(), QStringLiteral("阿克曼函数")) << "the caption is shown in its label";
  EXPECT_TRUE(ActivePopup.isNull()) << "no longer the demonstration window's popup";
}

TEST(CoolMsgDlg, WithoutAnAnswerItIsClosedAllTheSame) {
  modal::ScriptedHostScope host;
  TCoolMsgDlg dlg;
  dlg.SetCaption(QStringLiteral("皇后问题"));
  dlg.SetMessage(QStringLiteral("第1个解"));
  EXPECT_EQ(dlg.ShowModal(), mrOk);
  EXPECT_EQ(host->Transcript(), QStringList{QStringLiteral("message 皇后问题 | 第1个解")});
  EXPECT_TRUE(ActivePopup.isNull());
  EXPECT_TRUE(dlg.BkImage->Picture().Empty()) << "its picture is let go when it closes";
}

TEST(CoolMsgDlg, EnterAndEscActAsOk) {
  for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    TCoolMsgDlg dlg;
    dlg.show();
    EXPECT_EQ(ActivePopup.data(), &dlg) << "shown: the demonstration window's popup";
    QTest::keyClick(&dlg, Qt::Key_A);
    EXPECT_TRUE(dlg.isVisible()) << "other keys do nothing";
    QTest::keyClick(&dlg, key);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), mrOk);
  }
}

namespace {

void Mouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButtons buttons) {
  QMouseEvent e(type, p, w->mapToGlobal(p), Qt::LeftButton, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

}  // namespace

TEST(CoolMsgDlg, ShowsTheBackdropWhereItOpensAndKeepsItWhileDragged) {
  kittest::BackdropScope backdrop;
  TCoolMsgDlg dlg;
  dlg.move(300, 200);
  dlg.show();
  pacing::ProcessMessages();
  const QPoint origin = dlg.BkImage->mapToGlobal(QPoint(0, 0));
  const TBitmap& picture = dlg.BkImage->Picture();
  ASSERT_EQ(picture.Width(), dlg.BkImage->width());
  EXPECT_EQ(picture.Canvas().Pixels(0, 0), kittest::BackdropAt(origin.x(), origin.y()));
  EXPECT_EQ(picture.Canvas().Pixels(40, 30), kittest::BackdropAt(origin.x() + 40, origin.y() + 30));

  QLabel* caption = dlg.CaptionLabel;
  Mouse(caption, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
  Mouse(caption, QEvent::MouseMove, {25, 15}, Qt::LeftButton);
  Mouse(caption, QEvent::MouseButtonRelease, {25, 15}, Qt::NoButton);
  EXPECT_EQ(dlg.pos(), QPoint(320, 210)) << "dragged by its caption";
  Mouse(dlg.BkImage, QEvent::MouseMove, {60, 60}, Qt::NoButton);
  EXPECT_EQ(dlg.pos(), QPoint(320, 210)) << "no drag once the button is up";
  Mouse(dlg.BkImage, QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton);
  Mouse(dlg.BkImage, QEvent::MouseMove, {40, 45}, Qt::LeftButton);
  EXPECT_EQ(dlg.pos(), QPoint(310, 205)) << "and by its background";
  EXPECT_EQ(picture.Canvas().Pixels(0, 0), kittest::BackdropAt(origin.x(), origin.y()))
      << "it keeps the texture of the place where it opened";
  dlg.done(mrOk);
}
