#pragma once
// The program's folders and the application object that keeps the program running when
// an event handler throws: the error's text is shown through the modal host.
#include <QApplication>
#include <QString>
#include <memory>

class QTranslator;
class QWidget;

namespace app {

// The program's folder with a trailing "/"; image and music folders beside it.
QString AppPath();
QString ImagePath();
QString MusicPath();
// Tests and tools may point the program at another folder.
void SetAppPath(const QString& folder);

// Resolves a file name as the program spells it (mixed case, "\" separators, relative to
// folder) to the file that exists, letter case ignored; empty when there is none.
QString FindFile(const QString& folder, const QString& name);
// FindFile in the image folder.
QString ImageFile(const QString& name);

// When the environment has VELKORA_EXIT_WHEN_SHOWN=1, the program ends (exit code 0) as
// soon as window has been shown and painted once: the start-up benchmark times that.
void ExitWhenShownIfAsked(QWidget& window);

}  // namespace app

// Catches exceptions thrown out of event handlers and shows their text instead of ending
// the program, as the class library's application object did. Qt's own windows (message
// boxes' standard buttons, file dialogs) speak Chinese, as the program does: Qt's Chinese
// translations are loaded from the system's Qt translations folder (Debian's
// qt6-translations-l10n); without them they stay English.
class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);
  ~TApplication() override;
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  std::unique_ptr<QTranslator> qtTexts_;
};

// Shows an exception's text through the modal host; used by TApplication and by code that
// runs handlers outside the event loop (the scripted driver).
void ReportException(const std::exception& e);
