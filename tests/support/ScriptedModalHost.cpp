#include "tests/support/ScriptedModalHost.h"

#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "platform/Forms.h"
#include "platform/Pacing.h"
#include "tests/support/ScriptControls.h"

namespace modal {
namespace {

// Words of a dialog line; a double-quoted stretch keeps its spaces ("a b", x="a b").
QStringList Words(const QString& line) {
  QStringList words;
  QString word;
  bool quoted = false, any = false;
  for (QChar c : line) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if (c.isSpace() && !quoted) {
      if (any) words << word;
      word.clear();
      any = false;
    } else {
      word += c;
      any = true;
    }
  }
  if (any) words << word;
  return words;
}

QString Quoted(const QString& s) {
  return s.isEmpty() || s.contains(' ') ? '"' + s + '"' : s;
}

// The default push button of a window: the one marked default, else none.
QPushButton* DefaultButton(QWidget& window) {
  for (QPushButton* b : window.findChildren<QPushButton*>())
    if (b->isDefault() && b->isVisible() && b->isEnabled()) return b;
  return nullptr;
}

struct Choice {
  const char* english;
  const char* chinese;
  int result;
};
constexpr Choice kChoices[] = {{"OK", "确定", ResultOk},
                               {"Cancel", "取消", ResultCancel},
                               {"Yes", "是", ResultYes},
                               {"No", "否", ResultNo}};

bool Offers(Buttons buttons, int result) {
  switch (buttons) {
    case Buttons::Ok: return result == ResultOk;
    case Buttons::OkCancel: return result == ResultOk || result == ResultCancel;
    case Buttons::YesNo: return result == ResultYes || result == ResultNo;
    case Buttons::YesNoCancel: return result != ResultOk;
  }
  return false;
}

int DefaultResult(Buttons buttons) {
  return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? ResultOk : ResultYes;
}

// A dialog shown for the script instead of run modally: it follows the dialog's result,
// also when the dialog is deleted while it is shown.
class Shown {
 public:
  explicit Shown(QDialog& dialog) : dialog_(&dialog) {
    finished_ = QObject::connect(&dialog, &QDialog::finished, [this](int r) { result_ = r; });
    dialog.setResult(ResultNone);
    FitToScreen(dialog);  // as the real host does
    dialog.show();
    dialog.activateWindow();
    pacing::ProcessMessages();
  }
  ~Shown() {
    if (dialog_) QObject::disconnect(finished_);
  }
  Shown(const Shown&) = delete;
  Shown& operator=(const Shown&) = delete;

  bool Open() const { return dialog_ && dialog_->isVisible(); }
  void Close(int result) {
    dialog_->done(result);
    if (!Open()) return;
    dialog_->setResult(result);
    dialog_->hide();
  }
  // A rejected dialog (Esc, close box) reports Cancel.
  int Result() const {
    const int r = dialog_ ? dialog_->result() : result_;
    return r == QDialog::Rejected ? ResultCancel : r;
  }

 private:
  QPointer<QDialog> dialog_;
  QMetaObject::Connection finished_;
  int result_ = ResultCancel;
};

// A window that keeps refusing is given up after this many answers.
constexpr int kMaxRounds = 1000;

}  // namespace

DialogAnswer ScriptedHost::ParseDialog(const QString& line) {
  DialogAnswer answer;
  QStringList action;
  for (const QString& w : Words(line)) {
    const qsizetype eq = w.indexOf('=');
    if (w.startsWith(QStringLiteral("shot:")))
      answer.shot = w.mid(5);
    else if (w.startsWith(QStringLiteral("print:")) || w.startsWith(QStringLiteral("check:")))
      answer.looks << w;
    else if (eq > 0 && !w.startsWith('@') && !w.startsWith(QStringLiteral("key:")))
      answer.settings.emplace_back(w.left(eq), w.mid(eq + 1));
    else
      action << w;
  }
  answer.action = action.join(' ');
  return answer;
}

QString Describe(const DialogAnswer& answer) {
  QStringList words;
  for (const auto& [name, value] : answer.settings) words << name + '=' + Quoted(value);
  if (!answer.shot.isEmpty()) words << QStringLiteral("shot:") + answer.shot;
  words << answer.looks;
  if (!answer.action.isEmpty()) words << answer.action;
  return words.join(' ');
}

void ScriptedHost::QueueDialog(DialogAnswer answer) {
  dialogs_.push_back({nextOrder_++, std::move(answer)});
}
void ScriptedHost::QueueMessage(const QString& button) {
  messages_.push_back({nextOrder_++, button});
}
void ScriptedHost::QueueFile(const QString& path) { files_.push_back({nextOrder_++, path}); }

void ScriptedHost::Queue(const Taken& answer) {
  switch (answer.kind) {
    case Taken::Dialog: QueueDialog(answer.dialog); break;
    case Taken::Message: QueueMessage(answer.text); break;
    case Taken::File: QueueFile(answer.text); break;
  }
}

void ScriptedHost::Keep(Taken::Kind kind, const DialogAnswer& dialog, const QString& text) {
  if (keepTaken_) taken_.push_back({kind, dialog, text});
}

QStringList ScriptedHost::Unused() const {
  std::vector<std::pair<long, QString>> all;
  for (const auto& d : dialogs_)
    all.emplace_back(d.order, (QStringLiteral("unused dialog ") + Describe(d.value)).trimmed());
  for (const auto& m : messages_) all.emplace_back(m.order, QStringLiteral("unused answer ") + m.value);
  for (const auto& f : files_) all.emplace_back(f.order, QStringLiteral("unused file ") + f.value);
  std::sort(all.begin(), all.end());
  QStringList out;
  for (const auto& [order, text] : all) out << text;
  return out;
}

QStringList ScriptedHost::TakeUnused() {
  QStringList out = Unused();
  dialogs_.clear();
  messages_.clear();
  files_.clear();
  return out;
}

void ScriptedHost::Record(const QString& line) {
  transcript_ << line;
  if (sink_) sink_(line);
}

void ScriptedHost::Fail(const QString& problem) {
  errors_ << problem;
  if (errorSink_) errorSink_(problem);
}

void ScriptedHost::TakeLook(const QString& word) {
  if (lookTaker_) lookTaker_(word);
  else Fail(QStringLiteral("no texts can be looked at here (%1)").arg(word));
}

void ScriptedHost::TellOpened() {
  if (!opened_) return;
  pacing::ProcessMessages();
  opened_();
}

void ScriptedHost::PressDefault(QDialog& dialog) {
  if (QPushButton* b = DefaultButton(dialog)) b->click();
  else script::SendKey(dialog, QStringLiteral("Enter"));
}

void ScriptedHost::Apply(QDialog& dialog, const DialogAnswer& answer) {
  for (const auto& [name, value] : answer.settings) {
    const QString problem = script::SetControl(dialog, name, value);
    if (!problem.isEmpty()) Fail(problem);
  }
  pacing::ProcessMessages();
  if (!answer.shot.isEmpty()) {
    if (shotTaker_) shotTaker_(answer.shot);
    else Fail(QStringLiteral("no pictures can be taken here (%1)").arg(answer.shot));
  }
  for (const QString& look : answer.looks) TakeLook(look);
  const QString& a = answer.action;
  if (a.isEmpty()) {
    PressDefault(dialog);
  } else if (a.startsWith('@')) {
    if (!script::ClickControl(dialog, a.mid(1)))
      Fail(QStringLiteral("no control named %1 in dialog %2").arg(a.mid(1), dialog.windowTitle()));
  } else if (a.startsWith(QStringLiteral("key:"))) {
    if (!script::SendKey(dialog, a.mid(4))) Fail(QStringLiteral("unknown key %1").arg(a.mid(4)));
  } else if (!script::PressCaption(dialog, a)) {
    Fail(QStringLiteral("no button \"%1\" in dialog %2").arg(a, dialog.windowTitle()));
  }
}

int ScriptedHost::ExecDialog(QDialog& dialog) {
  Record(QStringLiteral("dialog ") + dialog.windowTitle());
  Shown shown(dialog);
  TellOpened();
  for (int round = 0; shown.Open(); ++round) {
    if (!dialogs_.empty() && round < kMaxRounds) {
      const DialogAnswer answer = std::move(dialogs_.front().value);
      dialogs_.pop_front();
      Keep(Taken::Dialog, answer, {});
      Apply(dialog, answer);
    } else if (round == 0) {
      PressDefault(dialog);
    } else {
      dialog.reject();
      pacing::ProcessMessages();
      // One that refuses even to be cancelled is closed as the window manager would.
      if (shown.Open()) shown.Close(ResultCancel);
      break;
    }
    pacing::ProcessMessages();
  }
  return shown.Result();
}

int ScriptedHost::ExecMessageWindow(QDialog& window, const QString& caption, const QString& text) {
  Record(QStringLiteral("message ") + caption + QStringLiteral(" | ") + text);
  Shown shown(window);
  TellOpened();
  QString button;
  if (!messages_.empty()) {
    button = messages_.front().value;
    messages_.pop_front();
    Keep(Taken::Message, {}, button);
  }
  // "shot:FILE.png BUTTON": a picture with the window open, then the button; likewise
  // "print:texts" and "check:texts".
  while (button.startsWith(QStringLiteral("shot:")) || button.startsWith(QStringLiteral("print:")) ||
         button.startsWith(QStringLiteral("check:"))) {
    const qsizetype blank = button.indexOf(' ');
    const QString word = button.left(blank < 0 ? button.size() : blank);
    button = blank < 0 ? QString() : button.mid(blank + 1).trimmed();
    pacing::ProcessMessages();
    if (!word.startsWith(QStringLiteral("shot:"))) {
      TakeLook(word);
      continue;
    }
    const QString file = word.mid(5);
    if (shotTaker_) shotTaker_(file);
    else Fail(QStringLiteral("no pictures can be taken here (%1)").arg(file));
  }
  if (!button.isEmpty()) {
    if (!script::PressCaption(window, button))
      Fail(QStringLiteral("no button \"%1\" in message window %2").arg(button, caption));
  } else if (QPushButton* b = DefaultButton(window)) {
    b->click();
  } else if (!script::PressCaption(window, QStringLiteral("确定")) &&
             !script::PressCaption(window, QStringLiteral("OK"))) {
    script::SendKey(window, QStringLiteral("Enter"));
  }
  pacing::ProcessMessages();
  if (shown.Open()) shown.Close(ResultOk);
  return shown.Result();
}

int ScriptedHost::MessageBox(const QString& caption, const QString& text, Buttons buttons, Icon) {
  Record(QStringLiteral("message ") + caption + QStringLiteral(" | ") + text);
  if (messages_.empty()) return DefaultResult(buttons);
  const QString button = messages_.front().value.trimmed();
  messages_.pop_front();
  Keep(Taken::Message, {}, button);
  for (const Choice& c : kChoices) {
    if (button.compare(QLatin1String(c.english), Qt::CaseInsensitive) != 0 &&
        button != QString::fromUtf8(c.chinese))
      continue;
    if (Offers(buttons, c.result)) return c.result;
    break;
  }
  Fail(QStringLiteral("no button \"%1\" in message box %2 | %3").arg(button, caption, text));
  return DefaultResult(buttons);
}

QString ScriptedHost::FileName(const FileRequest& request) {
  Record(QStringLiteral("file-dialog ") + request.caption);
  if (files_.empty()) return {};
  QString path = files_.front().value;
  files_.pop_front();
  Keep(Taken::File, {}, path);
  return path;
}

void ScriptedHost::ShowError(const QString& text) { Record(QStringLiteral("error ") + text); }

}  // namespace modal
