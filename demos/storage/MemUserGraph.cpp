#include "demos/storage/MemUserGraph.h"

#include <algorithm>

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/InputQuery.h"
#include "platform/ModalHost.h"

TMemUserForm::TMemUserForm(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("MemUserForm"));
  SetCaption(QStringLiteral("UserForm"));
  SetBorderStyle(bsDialog);
  SetClientSize(194, 384);
  TFont font;
  font.Name = QStringLiteral("宋体");
  font.Height = -24;
  font.Color = clBlue;
  ApplyFont(*this, font);

  Image1 = new TImage(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(-80, -70, 353, 257);
  Image1->LoadFromFile(app::ImagePath() + QStringLiteral("memuser.bmp"));

  const auto button = [this](const char* name, const QString& caption, int top) {
    auto* b = new TButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(48, top, 105, 41);
    b->setAutoDefault(false);  // Enter chooses no command
    return b;
  };
  Button1 = button("Button1", QStringLiteral("分配内存"), 192);
  Button2 = button("Button2", QStringLiteral("回收内存"), 248);
  Button3 = button("Button3", QStringLiteral("结束演示"), 304);
  Button1->OnClick = [this] {
    AskValue(Allocate, QStringLiteral("分配内存"), QStringLiteral("请输入需分配的空间大小(2<=N<=64):"),
             QStringLiteral("8"), 2, 64);
  };
  Button2->OnClick = [this] {
    AskValue(DeAllocate, QStringLiteral("回收内存"), QStringLiteral("请输入需回收内存块的首地址(0<=N<=63):"),
             QStringLiteral("0"), 0, 63);
  };
  Button3->OnClick = [this] {
    Action = EndShow;
    SetModalResult(mrOk);
  };
  // Esc closes the window like its close box.
  SetKeyPreview(true);
  OnKeyDown = [this](int& key, TShiftState) {
    if (key == Qt::Key_Escape) {
      key = 0;
      SetModalResult(mrCancel);
    }
  };
}

void TMemUserForm::AskValue(TAction action, const QString& caption, const QString& prompt,
                            const QString& defaultText, int low, int high) {
  Action = action;
  for (;;) {
    // Over this window, which stands beside the memory drawing: the question leaves the
    // blocks it asks about in view.
    const QString text = InputBox(caption, prompt, defaultText, frameGeometry());
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) {
      modal::Current().ShowError(QStringLiteral("'%1' is not a valid integer value").arg(text));
      return;
    }
    Value = value;
    if (value >= low && value <= high) break;
    modal::ShowMessage(QStringLiteral("非法输入，请重新输入数据!"));
  }
  SetModalResult(mrOk);
}

bool TMemUserForm::ExeCute() { return ShowModal() == mrOk; }

TMemUserForm::TAction TMemUserForm::NextCommand() {
  const TAction action = ExeCute() ? Action : EndShow;
  hide();
  return action;
}

QPoint CommandWindowPlace(const QRect& screen, int toolbarBottom, const QRect& drawing, QSize window) {
  const int right = screen.right() + 1 - window.width();
  int x = right;
  if (right <= drawing.right() && drawing.left() - screen.left() >= window.width()) x = screen.left();
  x = std::max(screen.left(), x);
  const int y = std::max({screen.top(), toolbarBottom, screen.bottom() + 1 - window.height()});
  return {x, y};
}
