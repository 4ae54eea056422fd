#pragma once
// Every modal window of the program is shown through one host: input dialogs, message
// boxes, the themed message window and file dialogs. The program uses the real host; tests
// and the scripted driver install one that answers from a script and records what was shown.
#include <QString>

class QDialog;
class QWidget;

namespace modal {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Warning, Error, Question };
// Results mirror the classic dialog result codes.
enum Result { ResultNone = 0, ResultOk = 1, ResultCancel = 2, ResultYes = 6, ResultNo = 7 };

struct FileRequest {
  bool save = false;
  QString caption;
  QString filter;      // "VELKORA 数据文件(*.dat)|*.dat|所有文件(*.*)|*.*" style
  QString defaultExt;  // without dot
  QString initialName;
};

class Host {
 public:
  virtual ~Host() = default;
  // A dialog: returns its modal result (Result or the dialog's own code) once it closes;
  // a dialog rejected (Esc, close box, QDialog::reject) gives ResultCancel.
  virtual int ExecDialog(QDialog& dialog) = 0;
  // A message window drawn by the program itself (caption and text given for the record).
  virtual int ExecMessageWindow(QDialog& window, const QString& caption, const QString& text) = 0;
  virtual int MessageBox(const QString& caption, const QString& text, Buttons buttons, Icon icon) = 0;
  // Returns the chosen file name, empty when cancelled.
  virtual QString FileName(const FileRequest& request) = 0;
  // An error that escaped an event handler; the program goes on.
  virtual void ShowError(const QString& text) = 0;
};

Host& Current();
// Installs a host (not owned); nullptr returns to the real host.
void SetHost(Host* host);

// The real host: Qt's own modal loops and standard dialogs.
Host& RealHost();

// The caption used where a message box names none (the application's title).
QString AppTitle();
void SetAppTitle(const QString& title);

// Convenience wrappers, reading like the calls the demonstrations make.
int MessageBox(const QString& text, const QString& caption, Buttons buttons = Buttons::Ok,
               Icon icon = Icon::None);
void ShowMessage(const QString& text);
int MessageDlg(const QString& text, Icon icon, Buttons buttons);

}  // namespace modal
