#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/ModalHost.h"
#include "platform/Pacing.h"
#include "platform/Screen.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// An input dialog in the program's manner: OK validates and keeps the dialog open on bad
// input, Cancel is the cancel button.
class InputDlg : public TForm {
 public:
  InputDlg() {
    SetCaption(QStringLiteral("输入数据"));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientSize(300, 120);
    edit = new TEdit(this);
    edit->setObjectName(QStringLiteral("NEdit"));
    edit->setGeometry(10, 10, 100, 24);
    ok = new TButton(QStringLiteral("OK"), this);
    ok->setGeometry(10, 60, 80, 30);
    ok->ModalResult = mrOk;
    ok->SetDefault(true);
    ok->OnClick = [this] {
      if (edit->text().toInt() > 8) {
        modal::ShowMessage(QStringLiteral("太大"));
        SetModalResult(mrNone);
      }
    };
    cancel = new TButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(100, 60, 80, 30);
    cancel->ModalResult = mrCancel;
    cancel->Cancel = true;
    cancel->OnClick = [this] { ++cancelClicks; };
  }
  TEdit* edit;
  TButton* ok;
  TButton* cancel;
  int cancelClicks = 0;
};

}  // namespace

TEST(Forms, ButtonsCloseWithTheirResultUnlessTheHandlerObjects) {
  modal::ScriptedHostScope host;
  host->QueueDialog(QStringLiteral("NEdit=9 OK"));
  host->QueueDialog(QStringLiteral("NEdit=7 OK"));
  InputDlg dlg;
  EXPECT_EQ(dlg.ShowModal(), mrOk);
  EXPECT_EQ(dlg.ModalResult(), mrOk);
  EXPECT_EQ(host->Transcript(), QStringList({QStringLiteral("dialog 输入数据"), QStringLiteral("message Velkora | 太大")}));
  EXPECT_EQ(dlg.edit->text(), "7");
}

TEST(Forms, EscPressesTheCancelButtonAndOnlyIt) {
  {
    modal::ScriptedHostScope host;
    host->QueueDialog(QStringLiteral("key:Esc"));
    InputDlg dlg;
    EXPECT_EQ(dlg.ShowModal(), mrCancel);
    EXPECT_EQ(dlg.cancelClicks, 1) << "Esc runs the cancel button's handler";
  }
  {
    // Without a cancel button Esc leaves the form alone.
    modal::ScriptedHostScope host;
    InputDlg dlg;
    dlg.cancel->Cancel = false;
    dlg.show();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.cancelClicks, 0);
    dlg.SetModalResult(mrAbort);
    EXPECT_FALSE(dlg.isVisible()) << "setting a result outside a click closes at once";
    EXPECT_EQ(dlg.result(), mrAbort);
  }
}

TEST(Forms, KeyPreviewSeesKeysBeforeTheFocusedControl) {
  TForm form;
  form.resize(200, 100);
  auto* edit = new QLineEdit(&form);
  QStringList seen;
  form.SetKeyPreview(true);
  form.OnKeyDown = [&seen](int& key, TShiftState shift) {
    if (key == Qt::Key_Control) return;
    seen << QString::number(key, 16) + (shift & ssCtrl ? "+ctrl" : "");
    if (key == Qt::Key_F8) key = 0;  // the form handles F8 itself
  };
  form.OnKeyPress = [](QChar& c) {
    if (c == 'x') c = QChar();
    else if (c == 'a') c = 'b';
  };
  form.show();
  QTest::keyClicks(edit, "axc");
  EXPECT_EQ(edit->text(), "bc") << "x swallowed, a turned into b";
  QTest::keyClick(edit, Qt::Key_F8);
  QTest::keyClick(edit, Qt::Key_F5, Qt::ControlModifier);
  EXPECT_EQ(seen.mid(3), QStringList({QString::number(Qt::Key_F8, 16), QString::number(Qt::Key_F5, 16) + "+ctrl"}));

  QWidget elsewhere;
  auto* other = new QLineEdit(&elsewhere);
  elsewhere.show();
  QTest::keyClicks(other, "x");
  EXPECT_EQ(other->text(), "x") << "a window outside the form is not previewed";
  EXPECT_EQ(seen.size(), 5);

  form.SetKeyPreview(false);
  QTest::keyClicks(edit, "x");
  EXPECT_EQ(edit->text(), "bcx");
}

TEST(Forms, WindowsAreCentredOrCoverTheScreen) {
  TForm centred;
  centred.SetBorderStyle(bsNone);
  centred.SetPosition(poScreenCenter);
  centred.SetClientSize(300, 200);
  centred.show();
  EXPECT_EQ(centred.frameGeometry().topLeft(), QPoint(362, 284));

  TForm full;
  full.SetBorderStyle(bsNone);
  full.SetFormStyle(fsStayOnTop);
  full.SetWindowState(wsMaximized);
  full.show();
  EXPECT_EQ(full.geometry(), QRect(0, 0, 1024, 768));
  EXPECT_TRUE(full.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(full.windowFlags() & Qt::FramelessWindowHint);
}

TEST(Forms, AlignedControlsShareTheParentsClientArea) {
  TPanel parent;
  parent.SetBevelWidth(2);  // raised outer bevel: 2 pixels on each side
  parent.resize(200, 100);
  auto* top = new QWidget(&parent);
  top->resize(10, 20);
  auto* top2 = new QWidget(&parent);
  top2->setGeometry(0, 50, 10, 5);
  auto* bottom = new QWidget(&parent);
  bottom->resize(10, 10);
  auto* left = new QWidget(&parent);
  left->resize(30, 10);
  auto* client = new QWidget(&parent);
  SetAlign(*client, alClient);
  SetAlign(*left, alLeft);
  SetAlign(*bottom, alBottom);
  SetAlign(*top, alTop);
  SetAlign(*top2, alTop);
  EXPECT_EQ(top->geometry(), QRect(2, 2, 196, 20));
  EXPECT_EQ(top2->geometry(), QRect(2, 22, 196, 5)) << "tops stack in the order of their positions";
  EXPECT_EQ(bottom->geometry(), QRect(2, 88, 196, 10));
  EXPECT_EQ(left->geometry(), QRect(2, 27, 30, 61));
  EXPECT_EQ(client->geometry(), QRect(32, 27, 166, 61));

  parent.show();
  top->hide();
  EXPECT_EQ(top2->geometry(), QRect(2, 2, 196, 5)) << "a hidden control takes no room";
  EXPECT_EQ(client->geometry(), QRect(32, 7, 166, 81));
  parent.resize(300, 200);
  EXPECT_EQ(client->geometry(), QRect(32, 7, 266, 181));
  bottom->resize(10, 30);
  EXPECT_EQ(bottom->geometry(), QRect(2, 168, 296, 30));
  EXPECT_EQ(client->geometry(), QRect(32, 7, 266, 161));
  EXPECT_EQ(Align(*client), alClient);
}

TEST(Forms, HintsShowTheirShortPartOnly) {
  QWidget w;
  SetHint(w, QStringLiteral("演示速度|设置连续执行时的演示速度"));
  EXPECT_EQ(w.toolTip(), QStringLiteral("演示速度"));
  SetHint(w, QString());
  EXPECT_TRUE(w.toolTip().isEmpty());
}

TEST(Forms, KeyCharsAsTheKeyPressHandlersSeeThem) {
  EXPECT_EQ(KeyChar(Qt::Key_Return, Qt::NoModifier, "\r"), QChar(13));
  EXPECT_EQ(KeyChar(Qt::Key_Escape, Qt::NoModifier, ""), QChar(27));
  EXPECT_EQ(KeyChar(Qt::Key_Backspace, Qt::NoModifier, ""), QChar(8));
  EXPECT_EQ(KeyChar(Qt::Key_A, Qt::ShiftModifier, "A"), QChar('A'));
  EXPECT_TRUE(KeyChar(Qt::Key_F8, Qt::NoModifier, "").isNull());
  EXPECT_TRUE(KeyChar(Qt::Key_V, Qt::ControlModifier, "\x16").isNull());
}

namespace {

class PaintCounter : public QWidget {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

}  // namespace

TEST(RealModalHost, WhatAClosedDialogCoveredIsPaintedAgainAtOnce) {
  PaintCounter under;  // under the middle of the screen, where the dialog opens
  under.setGeometry(0, 0, screen::Width(), screen::Height());
  under.show();
  pacing::ProcessMessages();
  QDialog dialog;
  dialog.setGeometry(50, 50, 120, 80);
  int atClose = -1;
  QTimer::singleShot(0, &dialog, [&] {
    atClose = under.paints;
    dialog.accept();
  });
  modal::RealHost().ExecDialog(dialog);
  ASSERT_GE(atClose, 0);
  // The run goes on at once (into a wait that handles no events): the window under the
  // closed one must already show itself again.
  EXPECT_GT(under.paints, atClose) << "part of the closed dialog would stay on the screen";
}

namespace {

// Sets the screen for one test and puts the fixed 1024 x 768 back after it.
struct ScreenOf {
  explicit ScreenOf(QSize size) { screen::SetFixedSize(size); }
  ~ScreenOf() { screen::SetFixedSize(QSize(1024, 768)); }
};

// A dialog designed for 1024 x 768 the way the input dialogs are: a caption in its own
// font, an edit and a panel holding a button at design places, a laid-out box.
struct DesignedDialog {
  TForm form;
  QLabel* caption = new QLabel(QStringLiteral("矩阵M行数:"), &form);
  TEdit* edit = new TEdit(&form);
  TPanel* panel = new TPanel(&form);
  TButton* inPanel = new TButton(QStringLiteral("确定"), panel);
  QWidget* box = new QWidget(&form);
  QLabel* laidOut = new QLabel(QStringLiteral("laid out"), box);
  DesignedDialog() {
    form.SetUpDialog(QStringLiteral("Designed"), QStringLiteral("输入"), 400, 300);
    ApplyFont(*caption, TFont{.Name = QStringLiteral("宋体"), .Height = -16});
    caption->setGeometry(10, 10, caption->sizeHint().width(), 20);
    edit->setGeometry(10, 40, 100, 24);
    panel->setGeometry(200, 100, 150, 80);
    inPanel->setGeometry(10, 20, 75, 25);
    box->setGeometry(0, 200, 400, 100);
    (new QVBoxLayout(box))->addWidget(laidOut);
  }
};

}  // namespace

TEST(Forms, DialogsGrowWithTheScreenTheyOpenOnAndStandInItsMiddle) {
  ScreenOf big(QSize(1920, 1080));
  ASSERT_DOUBLE_EQ(ScreenScale(), 1080.0 / 768);  // the smaller axis: 1.40625
  DesignedDialog d;
  const int editFont = QFontInfo(d.edit->font()).pixelSize();
  FitToScreen(d.form);
  d.form.show();
  EXPECT_EQ(d.form.size(), QSize(563, 422));
  EXPECT_EQ(d.form.frameGeometry().topLeft(), QPoint((1920 - d.form.frameGeometry().width()) / 2,
                                                     (1080 - d.form.frameGeometry().height()) / 2));
  EXPECT_EQ(d.edit->geometry(), QRect(14, 56, 141, 34));
  EXPECT_EQ(d.inPanel->geometry(), QRect(14, 28, 105, 35)) << "a control in a panel keeps its place in it";
  EXPECT_EQ(d.caption->font().pixelSize(), 23) << "a font the control was given";
  EXPECT_NEAR(QFontInfo(d.edit->font()).pixelSize(), editFont * 1.40625, 1) << "an inherited font";
  EXPECT_GE(d.caption->width(), d.caption->sizeHint().width()) << "the caption lost a letter";
  EXPECT_DOUBLE_EQ(DialogScale(d.form), 1.40625);
  EXPECT_EQ(d.form.Scaled(100), 141);
  // Shown again on the same screen, nothing grows a second time.
  FitToScreen(d.form);
  EXPECT_EQ(d.form.size(), QSize(563, 422));
  EXPECT_EQ(d.caption->font().pixelSize(), 23);
}

TEST(Forms, DialogsNeverShrinkBelowTheirDesign) {
  for (const QSize screenSize : {QSize(1024, 768), QSize(800, 600)}) {
    ScreenOf screenIs(screenSize);
    DesignedDialog d;
    d.form.move(0, 0);
    FitToScreen(d.form);
    EXPECT_EQ(d.form.size(), QSize(400, 300));
    EXPECT_EQ(d.edit->geometry(), QRect(10, 40, 100, 24));
    EXPECT_EQ(d.caption->font().pixelSize(), 16);
    EXPECT_EQ(d.form.pos(), QPoint((screenSize.width() - 400) / 2, (screenSize.height() - 300) / 2))
        << "a dialog designed at a place opens in the middle of the screen all the same";
  }
}

TEST(Forms, AWindowIsCentredOnItsOwnerAndKeptOnTheScreen) {
  const QSize screenSize(1024, 768);
  EXPECT_EQ(CentredPlace(QSize(200, 100), QRect(0, 0, 1024, 768), screenSize), QPoint(412, 334));
  EXPECT_EQ(CentredPlace(QSize(200, 100), QRect(100, 50, 800, 600), screenSize), QPoint(400, 300))
      << "on a smaller owner, its middle";
  EXPECT_EQ(CentredPlace(QSize(400, 300), QRect(900, 700, 100, 50), screenSize), QPoint(624, 468))
      << "an owner near the corner: the window stays whole on the screen";
  EXPECT_EQ(CentredPlace(QSize(400, 300), QRect(-50, -40, 100, 50), screenSize), QPoint(0, 0));
  EXPECT_EQ(CentredPlace(QSize(1200, 900), QRect(0, 0, 1024, 768), screenSize), QPoint(0, 0))
      << "larger than the screen: its top-left corner shows";
}

TEST(RealModalHost, AMessageBoxIsCentredOnTheActiveWindowOnceItHasItsSize) {
  QWidget owner;
  owner.setGeometry(100, 60, 700, 500);
  owner.show();
  owner.activateWindow();
  pacing::ProcessMessages();
  ASSERT_EQ(QApplication::activeWindow(), &owner);
  QRect box;
  QTimer::singleShot(0, &owner, [&] {
    QWidget* shown = QApplication::activeModalWidget();
    if (shown == nullptr) return;
    box = shown->frameGeometry();
    shown->close();
  });
  modal::RealHost().MessageBox(QStringLiteral("Velkora"), QStringLiteral("数据太长，将被截断"), modal::Buttons::Ok,
                               modal::Icon::None);
  ASSERT_FALSE(box.isEmpty()) << "the message box was not shown";
  EXPECT_NE(box.size(), QSize(640, 480)) << "placed before it was sized";
  EXPECT_NEAR(box.center().x(), owner.frameGeometry().center().x(), 1);
  EXPECT_NEAR(box.center().y(), owner.frameGeometry().center().y(), 1);
}

TEST(RealModalHost, ADialogIsCentredOnItsParentsWindowAtEverySize) {
  for (const QSize screenSize : {QSize(1024, 768), QSize(1920, 1080)}) {
    ScreenOf screenIs(screenSize);
    QWidget owner;
    owner.setGeometry(300, 200, 800, 600);
    owner.show();
    QDialog dialog(&owner);
    dialog.resize(200, 120);
    QRect shown;
    QTimer::singleShot(0, &dialog, [&] {
      shown = dialog.frameGeometry();
      dialog.accept();
    });
    modal::RealHost().ExecDialog(dialog);
    EXPECT_NEAR(shown.center().x(), owner.frameGeometry().center().x(), 1) << screenSize.width();
    EXPECT_NEAR(shown.center().y(), owner.frameGeometry().center().y(), 1) << screenSize.width();
  }
}

namespace {

// A window the size of the screen at its corner, active, as the demonstration window is.
struct Owner {
  QWidget window;
  Owner() {
    window.setGeometry(QRect(QPoint(0, 0), screen::Size()));
    window.show();
    window.activateWindow();
    pacing::ProcessMessages();
  }
};

}  // namespace

// The teacher drags the program to fit a projector while "算法演示完毕。" is open.
TEST(RealModalHost, AMessageBoxStaysInTheMiddleOfItsWindowWhenThatIsResized) {
  Owner owner;
  ASSERT_EQ(QApplication::activeWindow(), &owner.window);
  QRect before, after;
  QTimer::singleShot(0, &owner.window, [&] {
    QWidget* shown = QApplication::activeModalWidget();
    if (shown == nullptr) return;
    before = shown->frameGeometry();
    owner.window.setGeometry(100, 50, 700, 500);
    pacing::ProcessMessages();
    after = shown->frameGeometry();
    shown->close();
  });
  modal::RealHost().MessageBox(QStringLiteral("Velkora"), QStringLiteral("算法演示完毕。"), modal::Buttons::Ok,
                               modal::Icon::None);
  ASSERT_FALSE(after.isEmpty()) << "the message box was not shown";
  EXPECT_NEAR(before.center().x(), 512, 1);
  EXPECT_NEAR(after.center().x(), 450, 1) << "it stayed where the larger window had its middle";
  EXPECT_NEAR(after.center().y(), 300, 1);
  EXPECT_EQ(after.size(), before.size());
}

// A result window placed beside a drawing, open while its window goes from the whole of a
// large screen to 800 x 600 and back.
TEST(ScriptedModalHost, AWindowThatPlacesItselfFollowsItsWindowInPlaceAndSize) {
  ScreenOf big(QSize(1920, 1080));
  Owner owner;
  modal::ScriptedHostScope host;
  TForm form;
  form.SetBorderStyle(bsNone);
  form.SetClientSize(356, 207);
  auto* label = new QLabel(QStringLiteral("第1种排布找到了!"), &form);
  label->setGeometry(46, 62, 250, 32);
  PlaceForScreen(form, [](QSize frame, const QRect& area) {
    return QPoint(area.right() + 1 - frame.width(), area.top() + 100);  // at the right edge
  });
  QList<QRect> seen;  // the window, then its label, at each size
  host->SetLookTaker([&](const QString& size) {
    const QStringList wh = size.mid(7).split('x');
    owner.window.resize(wh[0].toInt(), wh[1].toInt());
    pacing::ProcessMessages();
    seen << form.frameGeometry().translated(-owner.window.frameGeometry().topLeft()) << label->geometry();
  });
  host->QueueMessage(QStringLiteral("resize:800x600 resize:1920x1080 确定"));
  modal::Current().ExecMessageWindow(form, QStringLiteral("第1种排布"), label->text());
  const int frames = owner.window.frameGeometry().width() - owner.window.width();  // its frame's sides
  ASSERT_EQ(seen.size(), 4);
  EXPECT_EQ(seen[0], QRect(800 + frames - 356, 100, 356, 207)) << "at the smaller window's edge, at its design size";
  EXPECT_EQ(seen[1], QRect(46, 62, 250, 32)) << "its controls back at their design too";
  EXPECT_EQ(seen[2], QRect(1920 - 501, 100, 501, 291)) << "grown again for the window filling the screen";
  EXPECT_EQ(seen[3], QRect(65, 87, 352, 45));
}

TEST(Forms, AWindowThatKeepsItsPlaceGrowsWithTheScreenButIsNotCentred) {
  ScreenOf big(QSize(1920, 1080));
  TForm form;
  form.SetKeepsPlace(true);
  form.SetClientSize(194, 384);
  form.move(1700, 300);
  FitToScreen(form);
  EXPECT_EQ(form.size(), QSize(273, 540)) << "it grows as every dialog does";
  EXPECT_EQ(form.pos(), QPoint(1920 - 273, 300)) << "moved left only as far as its grown width needs";
  form.move(100, 200);
  FitToScreen(form);
  EXPECT_EQ(form.pos(), QPoint(100, 200)) << "a place on the screen is kept";
  form.move(-20, 900);
  FitToScreen(form);
  EXPECT_EQ(form.pos(), QPoint(0, 1080 - 540));
}

// A window made smaller than the screen is looked at from nearer: its letters may be smaller in
// proportion, as the legibility checks read it, and never larger than the screen's least.
TEST(Forms, TheLeastLetterHeightFollowsTheWindowsShareOfTheScreen) {
  QWidget window;
  QWidget* inside = new QWidget(&window);
  window.resize(1024, 768);
  EXPECT_EQ(LegiblePixels(*inside), 13);
  window.resize(640, 480);
  EXPECT_EQ(LegiblePixels(*inside), 8) << "five eighths of 13, the narrower share";
  window.resize(2048, 1536);
  EXPECT_EQ(LegiblePixels(*inside), 13) << "a window larger than the screen asks no more";
  ScreenOf large(QSize(1920, 1080));
  window.resize(960, 1080);
  EXPECT_EQ(LegiblePixels(*inside), 8) << "half of the large screen's 16";
}
