#pragma once
// A modal host that answers every modal window from a script and records what was shown.
// Tests and the scripted driver install it with modal::SetHost (ScriptedHostScope does it
// for a block). Answers are queued by kind and taken in order:
//   dialog  — control settings (object name = value) and an action: a button caption to
//             press, "@NAME" to click the control with that object name, "key:Enter" /
//             "key:Esc" (any key name), or none for the dialog's default button; a word
//             "shot:FILE.png" takes a picture with the dialog open, after the settings;
//             "print:texts" / "check:texts" list or check its texts then (the look taker);
//   message — the caption of the button to press in a message box or message window; in a
//             message window "shot:FILE.png", "print:texts" or "check:texts" before it
//             takes a picture, lists or checks texts with it open;
//   file    — the path a file dialog returns (empty = cancelled).
// A window with no answer of its kind queued takes its default button (a file dialog is
// cancelled). A dialog that stays open after its action (its input was refused) takes the
// next dialog answer; when none is left it is cancelled.
// Transcript lines: "message CAPTION | TEXT", "dialog CAPTION", "file-dialog CAPTION",
// "error TEXT". Problems with the script itself (a control that is not there, a caption no
// button has) are kept apart as script errors.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "platform/ModalHost.h"

namespace modal {

struct DialogAnswer {
  std::vector<std::pair<QString, QString>> settings;  // object name, value
  QString action;                                     // caption, "@NAME", "key:K" or empty
  QString shot;                                       // picture file taken before the action
  QStringList looks;                                  // "print:texts", "check:texts" before it
};

class ScriptedHost final : public Host {
 public:
  // "m=3 n=2 OK", "Edit1=\"a b\" @Button2", "key:Esc": settings are NAME=VALUE words (a
  // value may be double-quoted), the other words form the action.
  static DialogAnswer ParseDialog(const QString& line);

  void QueueDialog(DialogAnswer answer);
  void QueueDialog(const QString& line) { QueueDialog(ParseDialog(line)); }
  void QueueMessage(const QString& button);
  void QueueFile(const QString& path);

  // Every line recorded so far, and a sink told of each line as it is recorded.
  const QStringList& Transcript() const { return transcript_; }
  void SetSink(std::function<void(const QString&)> sink) { sink_ = std::move(sink); }
  // What went wrong with the script; a sink is told of each as it happens.
  const QStringList& ScriptErrors() const { return errors_; }
  void SetErrorSink(std::function<void(const QString&)> sink) { errorSink_ = std::move(sink); }
  // Takes the pictures dialog answers ask for; without it such an answer is a script error.
  void SetShotTaker(std::function<void(const QString&)> taker) { shotTaker_ = std::move(taker); }
  // Carries out the looks answers ask for; without it such an answer is a script error.
  void SetLookTaker(std::function<void(const QString&)> taker) { lookTaker_ = std::move(taker); }
  // Told once for every dialog and message window, when it is shown and before it is answered.
  void SetOpenedHook(std::function<void()> hook) { opened_ = std::move(hook); }

  // Answers still queued, in the order they were queued: "unused dialog m=3 OK",
  // "unused answer Yes", "unused file /tmp/a.dat".
  QStringList Unused() const;
  // The same, and the queues emptied: what one part of a script left is not answered later.
  QStringList TakeUnused();
  // While kept, each answer taken is kept as well, in order, so that what a part of a script
  // answered can be answered the same way again (a run made again after a reset).
  struct Taken {
    enum Kind { Dialog, Message, File } kind = Message;
    DialogAnswer dialog;
    QString text;  // the button or the path
  };
  void KeepTaken(bool keep) { keepTaken_ = keep; }
  std::vector<Taken> TakeTaken() { return std::exchange(taken_, {}); }
  void Queue(const Taken& answer);
  bool HasUnused() const { return !dialogs_.empty() || !messages_.empty() || !files_.empty(); }

  int ExecDialog(QDialog& dialog) override;
  int ExecMessageWindow(QDialog& window, const QString& caption, const QString& text) override;
  int MessageBox(const QString& caption, const QString& text, Buttons buttons, Icon icon) override;
  QString FileName(const FileRequest& request) override;
  void ShowError(const QString& text) override;

 private:
  template <class T>
  struct Queued {
    long order;
    T value;
  };

  void Record(const QString& line);
  void Fail(const QString& problem);
  // Applies one answer to an open dialog; what cannot be carried out is a script error.
  void Apply(QDialog& dialog, const DialogAnswer& answer);
  void PressDefault(QDialog& dialog);

  std::deque<Queued<DialogAnswer>> dialogs_;
  std::deque<Queued<QString>> messages_;
  std::deque<Queued<QString>> files_;
  long nextOrder_ = 0;
  bool keepTaken_ = false;
  std::vector<Taken> taken_;
  void Keep(Taken::Kind kind, const DialogAnswer& dialog, const QString& text);
  QStringList transcript_;
  QStringList errors_;
  std::function<void(const QString&)> sink_;
  std::function<void(const QString&)> errorSink_;
  std::function<void(const QString&)> shotTaker_;
  std::function<void(const QString&)> lookTaker_;
  std::function<void()> opened_;
  void TakeLook(const QString& word);
  void TellOpened();
};

// Installs a scripted host for the life of the scope, then returns to the previous host.
class ScriptedHostScope {
 public:
  ScriptedHostScope() : previous_(&Current()) { SetHost(&host_); }
  ~ScriptedHostScope() { SetHost(previous_ == &RealHost() ? nullptr : previous_); }
  ScriptedHostScope(const ScriptedHostScope&) = delete;
  ScriptedHostScope& operator=(const ScriptedHostScope&) = delete;
  ScriptedHost& operator*() { return host_; }
  ScriptedHost* operator->() { return &host_; }

 private:
  ScriptedHost host_;
  Host* previous_;
};

// The text an answer was given as, for the "unused" lines.
QString Describe(const DialogAnswer& answer);

}  // namespace modal
