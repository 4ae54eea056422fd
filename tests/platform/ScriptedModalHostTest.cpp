#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

#include "platform/Controls.h"
#include "platform/ModalHost.h"
#include "tests/support/ScriptControls.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// Lets only digits and editing keys through, as the program's digit edits do.
class DigitsOnly : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::KeyPress) return false;
    const QString t = static_cast<QKeyEvent*>(e)->text();
    return t.size() == 1 && t[0].isPrint() && !t[0].isDigit();
  }
};

// An input dialog that accepts 0 to 3 and otherwise says so and stays open.
class RangeDialog : public QDialog {
 public:
  RangeDialog() {
    setWindowTitle(QStringLiteral("阿克曼函数"));
    edit = new QLineEdit(QStringLiteral("1"), this);
    edit->setObjectName(QStringLiteral("MEdit"));
    edit->setMaxLength(3);
    edit->installEventFilter(new DigitsOnly(edit));
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    auto* row = new QHBoxLayout(this);
    row->addWidget(edit);
    row->addWidget(ok);
    row->addWidget(cancel);
    connect(ok, &QPushButton::clicked, this, [this] {
      ++okPresses;
      const int v = edit->text().toInt();
      if (v < 0 || v > 3) modal::ShowMessage(QStringLiteral("输入数据越界！，请重新输入。"));
      else done(modal::ResultOk);
    });
    connect(cancel, &QPushButton::clicked, this, [this] { done(modal::ResultCancel); });
  }
  QLineEdit* edit;
  int okPresses = 0;
};

const QString kRefused = QStringLiteral("message Velkora | 输入数据越界！，请重新输入。");

}  // namespace

TEST(ScriptedModalHost, SetsAnEditByNameAndPressesOk) {
  modal::ScriptedHostScope host;
  host->QueueDialog(QStringLiteral("MEdit=2 OK"));
  RangeDialog dlg;
  EXPECT_EQ(modal::Current().ExecDialog(dlg), modal::ResultOk);
  EXPECT_EQ(dlg.edit->text(), "2") << "the typed value replaces the old text";
  EXPECT_EQ(host->Transcript(), QStringList{QStringLiteral("dialog 阿克曼函数")});
  EXPECT_TRUE(host->ScriptErrors().isEmpty()) << host->ScriptErrors().join('\n').toStdString();
  EXPECT_FALSE(dlg.isVisible());
}

TEST(ScriptedModalHost, TypedValuesPassTheEditsKeyFilterAndLengthLimit) {
  modal::ScriptedHostScope host;
  host->QueueDialog(QStringLiteral("MEdit=x7y OK"));
  host->QueueDialog(QStringLiteral("MEdit=00031 OK"));
  RangeDialog dlg;
  EXPECT_EQ(modal::Current().ExecDialog(dlg), modal::ResultOk);
  EXPECT_EQ(dlg.edit->text(), "000") << "the length limit stops typing at three characters";
  EXPECT_EQ(dlg.okPresses, 2) << "7 was refused, 000 accepted";
  EXPECT_EQ(host->Transcript(), QStringList({QStringLiteral("dialog 阿克曼函数"), kRefused}));
}

TEST(ScriptedModalHost, RefusedInputTakesTheNextAnswerAndNoneLeftCancels) {
  {
    modal::ScriptedHostScope host;
    host->QueueDialog(QStringLiteral("MEdit=9 OK"));
    host->QueueDialog(QStringLiteral("MEdit=3 OK"));
    RangeDialog dlg;
    EXPECT_EQ(modal::Current().ExecDialog(dlg), modal::ResultOk);
    EXPECT_EQ(dlg.edit->text(), "3");
    EXPECT_EQ(host->Transcript(), QStringList({QStringLiteral("dialog 阿克曼函数"), kRefused}));
  }
  {
    modal::ScriptedHostScope host;
    host->QueueDialog(QStringLiteral("MEdit=9 OK"));
    RangeDialog dlg;
    EXPECT_EQ(modal::Current().ExecDialog(dlg), modal::ResultCancel);
    EXPECT_FALSE(dlg.isVisible()) << "a dialog whose input is refused and has no answer left closes";
    EXPECT_EQ(dlg.okPresses, 1);
    EXPECT_TRUE(host->ScriptErrors().isEmpty());
  }
}

TEST(ScriptedModalHost, DialogActionsDefaultButtonKeysAndNamedControls) {
  struct Case {
    const char* line;
    int result;
  };
  for (const Case& c : {Case{"", modal::ResultOk}, Case{"key:Enter", modal::ResultOk},
                        Case{"key:Esc", modal::ResultCancel}, Case{"@CancelBtn", modal::ResultCancel},
                        Case{"cancel", modal::ResultCancel}}) {
    modal::ScriptedHostScope host;
    host->QueueDialog(QString::fromUtf8(c.line));
    RangeDialog dlg;
    EXPECT_EQ(modal::Current().ExecDialog(dlg), c.result) << "action '" << c.line << "'";
    EXPECT_TRUE(host->ScriptErrors().isEmpty()) << c.line;
  }
  modal::ScriptedHostScope host;  // nothing queued: the default button
  RangeDialog dlg;
  EXPECT_EQ(modal::Current().ExecDialog(dlg), modal::ResultOk);
}

TEST(ScriptedModalHost, ScriptMistakesAreReportedNotHidden) {
  modal::ScriptedHostScope host;
  host->QueueDialog(QStringLiteral("NoSuchEdit=1 Apply"));
  host->QueueDialog(QStringLiteral("@Nothing"));
  RangeDialog dlg;
  EXPECT_EQ(modal::Current().ExecDialog(dlg), modal::ResultCancel);
  ASSERT_EQ(host->ScriptErrors().size(), 3);
  EXPECT_TRUE(host->ScriptErrors()[0].contains("NoSuchEdit"));
  EXPECT_TRUE(host->ScriptErrors()[1].contains("Apply"));
  EXPECT_TRUE(host->ScriptErrors()[2].contains("Nothing"));
}

TEST(ScriptedModalHost, AShotIsTakenWhileTheDialogIsOpenWithItsSettingsMade) {
  RangeDialog dlg;
  {
    modal::ScriptedHostScope host;
    QStringList seen;
    host->SetShotTaker([&](const QString& file) {
      seen << file + (dlg.isVisible() ? " open " : " closed ") + dlg.edit->text();
    });
    host->QueueDialog(QStringLiteral("shot:d.png MEdit=2 OK"));
    EXPECT_EQ(modal::Current().ExecDialog(dlg), modal::ResultOk);
    EXPECT_EQ(seen, QStringList({"d.png open 2"}));
    EXPECT_TRUE(host->ScriptErrors().isEmpty());
  }
  modal::ScriptedHostScope host;  // nobody to take it
  host->QueueDialog(QStringLiteral("shot:d.png OK"));
  EXPECT_EQ(modal::Current().ExecDialog(dlg), modal::ResultOk);
  EXPECT_EQ(host->ScriptErrors().size(), 1);
}

TEST(ScriptedModalHost, MessageBoxesTakeTheirAnswerOrTheDefault) {
  modal::ScriptedHostScope host;
  host->QueueMessage(QStringLiteral("No"));
  host->QueueMessage(QStringLiteral("确定"));
  host->QueueMessage(QStringLiteral("Yes"));  // not offered by an OK box: a script error
  using modal::Buttons;
  EXPECT_EQ(modal::MessageBox(QStringLiteral("退出?"), QStringLiteral("T"), Buttons::YesNoCancel),
            modal::ResultNo);
  EXPECT_EQ(modal::MessageBox(QStringLiteral("a"), QStringLiteral("T"), Buttons::OkCancel),
            modal::ResultOk);
  EXPECT_EQ(modal::MessageBox(QStringLiteral("b"), QStringLiteral("T")), modal::ResultOk);
  EXPECT_EQ(host->ScriptErrors().size(), 1);
  EXPECT_EQ(modal::MessageBox(QStringLiteral("c"), QStringLiteral("T"), Buttons::YesNo), modal::ResultYes);
  modal::SetAppTitle(QStringLiteral("Velkora"));
  modal::ShowMessage(QStringLiteral("d"));
  EXPECT_EQ(host->Transcript(),
            QStringList({QStringLiteral("message T | 退出?"), QStringLiteral("message T | a"),
                         QStringLiteral("message T | b"), QStringLiteral("message T | c"),
                         QStringLiteral("message Velkora | d")}));
}

TEST(ScriptedModalHost, MessageWindowsArePressedByCaption) {
  modal::ScriptedHostScope host;
  host->QueueMessage(QStringLiteral("否"));
  QDialog win;
  auto* yes = new QPushButton(QStringLiteral("是"), &win);
  yes->setDefault(true);
  auto* no = new QPushButton(QStringLiteral("否"), &win);
  QObject::connect(yes, &QPushButton::clicked, &win, [&win] { win.done(modal::ResultYes); });
  QObject::connect(no, &QPushButton::clicked, &win, [&win] { win.done(modal::ResultNo); });
  EXPECT_EQ(modal::Current().ExecMessageWindow(win, QStringLiteral("提示"), QStringLiteral("继续?")),
            modal::ResultNo);
  EXPECT_EQ(modal::Current().ExecMessageWindow(win, QStringLiteral("提示"), QStringLiteral("再来?")),
            modal::ResultYes);
  EXPECT_EQ(host->Transcript(), QStringList({QStringLiteral("message 提示 | 继续?"),
                                             QStringLiteral("message 提示 | 再来?")}));
  // A picture first, with the window open, then its button or, without one, the default.
  QStringList seen;
  host->SetShotTaker([&](const QString& file) { seen << file + (win.isVisible() ? " open" : " closed"); });
  host->QueueMessage(QStringLiteral("shot:m.png 否"));
  host->QueueMessage(QStringLiteral("shot:n.png"));
  EXPECT_EQ(modal::Current().ExecMessageWindow(win, QStringLiteral("提示"), QStringLiteral("继续?")),
            modal::ResultNo);
  EXPECT_EQ(modal::Current().ExecMessageWindow(win, QStringLiteral("提示"), QStringLiteral("再来?")),
            modal::ResultYes);
  EXPECT_EQ(seen, QStringList({"m.png open", "n.png open"}));
}

TEST(ScriptedModalHost, AMessageWindowWithoutAnAnswerIsClosedByItsOwnOkButton) {
  modal::ScriptedHostScope host;
  QDialog win;
  auto* ok = new TSpeedButton(QStringLiteral("确定"), &win);  // a flat button, not a default one
  int presses = 0;
  ok->OnClick = [&] {
    ++presses;
    win.done(modal::ResultOk);
  };
  EXPECT_EQ(modal::Current().ExecMessageWindow(win, QStringLiteral("阿克曼函数"), QStringLiteral("结果为29。")),
            modal::ResultOk);
  EXPECT_EQ(presses, 1) << "the window's own handler ran";
  EXPECT_EQ(host->Transcript(), QStringList{QStringLiteral("message 阿克曼函数 | 结果为29。")});
}

TEST(ScriptedModalHost, FileDialogsErrorsAndUnusedAnswers) {
  modal::ScriptedHostScope host;
  host->QueueFile(QStringLiteral("/tmp/maze.dat"));
  host->QueueMessage(QStringLiteral("OK"));
  host->QueueDialog(QStringLiteral("MEdit=\"1 2\" OK"));
  modal::FileRequest open;
  open.caption = QStringLiteral("打开迷宫");
  EXPECT_EQ(modal::Current().FileName(open), "/tmp/maze.dat");
  EXPECT_EQ(modal::Current().FileName(open), "") << "no answer left: the dialog is cancelled";
  modal::Current().ShowError(QStringLiteral("Access violation"));
  EXPECT_EQ(host->Transcript(),
            QStringList({QStringLiteral("file-dialog 打开迷宫"), QStringLiteral("file-dialog 打开迷宫"),
                         QStringLiteral("error Access violation")}));
  EXPECT_EQ(host->Unused(), QStringList({QStringLiteral("unused answer OK"),
                                         QStringLiteral("unused dialog MEdit=\"1 2\" OK")}));
}

TEST(ScriptedModalHost, AnswersTakenWhileKeptAreAnsweredAgainInTheirOrder) {
  modal::ScriptedHostScope host;
  host->QueueMessage(QStringLiteral("No"));
  host->QueueFile(QStringLiteral("/tmp/a.gra"));
  host->QueueMessage(QStringLiteral("Yes"));
  using modal::Buttons;
  EXPECT_EQ(modal::MessageBox(QStringLiteral("before"), QStringLiteral("T"), Buttons::YesNo), modal::ResultNo);
  host->KeepTaken(true);
  modal::FileRequest open;
  EXPECT_EQ(modal::Current().FileName(open), "/tmp/a.gra");
  EXPECT_EQ(modal::MessageBox(QStringLiteral("kept"), QStringLiteral("T"), Buttons::YesNo), modal::ResultYes);
  host->KeepTaken(false);
  const auto taken = host->TakeTaken();
  ASSERT_EQ(taken.size(), 2u) << "only what was taken while kept";
  EXPECT_TRUE(host->TakeTaken().empty());
  for (const auto& t : taken) host->Queue(t);
  EXPECT_EQ(host->Unused(), QStringList({QStringLiteral("unused file /tmp/a.gra"), QStringLiteral("unused answer Yes")}));
}

TEST(ScriptedModalHost, ParsesDialogLines) {
  const auto a = modal::ScriptedHost::ParseDialog(QStringLiteral(" m=3  n=\"2 1\" key:Esc "));
  ASSERT_EQ(a.settings.size(), 2u);
  EXPECT_EQ(a.settings[1].first, "n");
  EXPECT_EQ(a.settings[1].second, "2 1");
  EXPECT_EQ(a.action, "key:Esc");
  const auto b = modal::ScriptedHost::ParseDialog(QStringLiteral("Name= Save As"));
  ASSERT_EQ(b.settings.size(), 1u);
  EXPECT_EQ(b.settings[0].second, "");
  EXPECT_EQ(b.action, "Save As");
}

TEST(ScriptControls, SetsEachKindOfControlAsAUserWould) {
  QWidget form;
  auto* check = new QCheckBox(&form);
  check->setObjectName(QStringLiteral("MusicBox"));
  int clicks = 0;
  QObject::connect(check, &QCheckBox::clicked, [&clicks] { ++clicks; });
  auto* spin = new QSpinBox(&form);
  spin->setObjectName(QStringLiteral("CountSpin"));
  auto* slider = new QSlider(&form);
  slider->setObjectName(QStringLiteral("SpeedBar"));
  slider->setRange(0, 99);
  auto* combo = new QComboBox(&form);
  combo->setObjectName(QStringLiteral("KindBox"));
  combo->addItems({QStringLiteral("有向图"), QStringLiteral("无向图"), QStringLiteral("2")});
  auto* radio = new QRadioButton(&form);
  radio->setObjectName(QStringLiteral("Radio"));
  new QRadioButton(&form);  // a second one makes the pair exclusive
  auto* off = new QLineEdit(&form);
  off->setObjectName(QStringLiteral("Off"));
  off->setEnabled(false);
  form.show();

  EXPECT_EQ(script::SetControl(form, QStringLiteral("musicbox"), QStringLiteral("1")), "");
  EXPECT_TRUE(check->isChecked());
  EXPECT_EQ(script::SetControl(form, QStringLiteral("MusicBox"), QStringLiteral("1")), "");
  EXPECT_EQ(clicks, 1) << "a check box already in the wanted state is not clicked again";
  EXPECT_EQ(script::SetControl(form, QStringLiteral("CountSpin"), QStringLiteral("7")), "");
  EXPECT_EQ(spin->value(), 7);
  EXPECT_EQ(script::SetControl(form, QStringLiteral("SpeedBar"), QStringLiteral("99")), "");
  EXPECT_EQ(slider->value(), 99);
  EXPECT_EQ(script::SetControl(form, QStringLiteral("KindBox"), QStringLiteral("无向图")), "");
  EXPECT_EQ(combo->currentIndex(), 1);
  EXPECT_EQ(script::SetControl(form, QStringLiteral("KindBox"), QStringLiteral("2")), "");
  EXPECT_EQ(combo->currentIndex(), 2) << "an item's text wins over an index";
  EXPECT_EQ(script::SetControl(form, QStringLiteral("KindBox"), QStringLiteral("0")), "");
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_NE(script::SetControl(form, QStringLiteral("KindBox"), QStringLiteral("树")), "");
  EXPECT_NE(script::SetControl(form, QStringLiteral("CountSpin"), QStringLiteral("x")), "");
  EXPECT_EQ(script::SetControl(form, QStringLiteral("Radio"), QStringLiteral("1")), "");
  EXPECT_NE(script::SetControl(form, QStringLiteral("Radio"), QStringLiteral("0")), "")
      << "a radio button cannot be cleared by clicking it";
  EXPECT_NE(script::SetControl(form, QStringLiteral("Off"), QStringLiteral("1")), "")
      << "a disabled control cannot be set";
}

TEST(ScriptControls, AValueTheControlCannotTakeIsRefusedNamingIt) {
  QWidget form;
  auto* shown = new QLineEdit(QStringLiteral("3"), &form);
  shown->setObjectName(QStringLiteral("PlateNumEdit"));
  shown->setReadOnly(true);
  auto* spin = new QSpinBox(&form);
  spin->setObjectName(QStringLiteral("PlateNumSpin"));
  spin->setRange(1, 5);
  spin->setValue(3);
  auto* bar = new QSlider(&form);
  bar->setObjectName(QStringLiteral("SpeedBar"));
  bar->setRange(0, 99);
  form.show();
  EXPECT_EQ(script::SetControl(form, QStringLiteral("PlateNumEdit"), QStringLiteral("4")), "PlateNumEdit is read-only");
  EXPECT_EQ(shown->text(), "3");
  EXPECT_EQ(script::SetControl(form, QStringLiteral("PlateNumSpin"), QStringLiteral("6")),
            "PlateNumSpin cannot hold 6 (it takes 1 .. 5)")
      << "not clamped to 5 behind the script's back";
  EXPECT_EQ(spin->value(), 3);
  EXPECT_NE(script::SetControl(form, QStringLiteral("PlateNumSpin"), QStringLiteral("0")), "");
  EXPECT_EQ(script::SetControl(form, QStringLiteral("PlateNumSpin"), QStringLiteral("5")), "") << "the ends are held";
  EXPECT_NE(script::SetControl(form, QStringLiteral("SpeedBar"), QStringLiteral("100")), "");
  EXPECT_EQ(bar->value(), 0);
}

TEST(ScriptControls, ANameHeldByTwoWindowsMustBeQualified) {
  QWidget maze, stack;
  maze.setObjectName(QStringLiteral("MazeForm"));
  stack.setObjectName(QStringLiteral("StkContainer"));
  auto* mazePanel = new QWidget(&maze);
  mazePanel->setObjectName(QStringLiteral("Panel1"));
  auto* stackPanel = new QWidget(&stack);
  stackPanel->setObjectName(QStringLiteral("Panel1"));
  auto* hiddenOnly = new QWidget(&stack);
  hiddenOnly->setObjectName(QStringLiteral("panel1"));
  maze.show();
  stack.show();
  hiddenOnly->hide();
  QString problem;
  EXPECT_EQ(script::FindOne({&maze, &stack}, QStringLiteral("Panel1"), problem), nullptr);
  EXPECT_EQ(problem, "Panel1 names several controls: MazeForm.Panel1, StkContainer.Panel1");
  EXPECT_EQ(script::FindOne({&maze, &stack}, QStringLiteral("StkContainer.Panel1"), problem), stackPanel);
  EXPECT_EQ(script::FindOne({&maze, &stack}, QStringLiteral("mazeform.panel1"), problem), mazePanel)
      << "letter case ignored when nothing matches exactly";
  stackPanel->hide();
  EXPECT_EQ(script::FindOne({&maze, &stack}, QStringLiteral("Panel1"), problem), mazePanel)
      << "a shown control wins over a hidden one";
  EXPECT_EQ(script::FindOne({&maze, &stack}, QStringLiteral("Nowhere.Panel1"), problem), nullptr);
  EXPECT_EQ(problem, "no control named Nowhere.Panel1");
}

TEST(ScriptControls, HooksLetTheProgramsOwnControlsTakePart) {
  // A label that acts as a button, and a control whose value is set through a hook.
  class LinkLabel : public QLabel {
   public:
    using QLabel::QLabel;
    int presses = 0;
    void mousePressEvent(QMouseEvent*) override { ++presses; }
  };
  class Dial : public QWidget {
   public:
    int value = 0;
  };
  script::RegisterCaption([](const QWidget& w) {
    auto* l = dynamic_cast<const LinkLabel*>(&w);
    return l ? l->text() : QString();
  });
  script::RegisterSetter([](QWidget& w, const QString& v) {
    auto* d = dynamic_cast<Dial*>(&w);
    if (d) d->value = v.toInt();
    return d != nullptr;
  });
  QWidget form;
  auto* link = new LinkLabel(QStringLiteral("返回"), &form);
  link->resize(40, 20);
  auto* dial = new Dial;
  dial->setParent(&form);
  dial->setObjectName(QStringLiteral("Dial"));
  form.show();
  EXPECT_TRUE(script::PressCaption(form, QStringLiteral("返回")));
  EXPECT_EQ(link->presses, 1) << "the label got a real mouse click";
  EXPECT_EQ(script::SetControl(form, QStringLiteral("Dial"), QStringLiteral("42")), "");
  EXPECT_EQ(dial->value, 42);
  EXPECT_FALSE(script::PressCaption(form, QStringLiteral("前进")));
}
