#include "platform/ModalHost.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/FileDialog.h"
#include "platform/Forms.h"

namespace modal {
namespace {

QString g_title = QStringLiteral("Velkora");

// A dialog closed by Esc or its close box was rejected; the program knows that as Cancel.
int Modal(int result) { return result == QDialog::Rejected ? ResultCancel : result; }

// What a closed modal window covered is painted again at once: the program often goes
// straight on into a wait that handles no events, and the window system's request to paint
// it would wait until that ends, leaving part of the closed window on the screen.
void RepaintCovered(const QWidget& closed) {
  const QRect covered = closed.frameGeometry();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w == &closed || !w->isVisible()) continue;
    const QRect under = QRect(w->mapFromGlobal(covered.topLeft()), covered.size()) & w->rect();
    if (!under.isEmpty()) w->repaint(under);
  }
}

// Runs a modal window's loop; what it covered is painted again when it closes.
template <class Window>
int ExecCovering(Window& window) {
  FitToScreen(window);
  const int result = window.exec();
  RepaintCovered(window);
  return result;
}

class Real final : public Host {
 public:
  int ExecDialog(QDialog& dialog) override { return Modal(ExecCovering(dialog)); }

  int ExecMessageWindow(QDialog& window, const QString&, const QString&) override {
    return Modal(ExecCovering(window));
  }

  int MessageBox(const QString& caption, const QString& text, Buttons buttons, Icon icon) override {
    QMessageBox box;
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
      case Icon::Information: box.setIcon(QMessageBox::Information); break;
      case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
      case Icon::Error: box.setIcon(QMessageBox::Critical); break;
      case Icon::Question: box.setIcon(QMessageBox::Question); break;
      case Icon::None: break;
    }
    switch (buttons) {
      case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
      case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
      case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
      case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (ExecCovering(box)) {
      case QMessageBox::Ok: return ResultOk;
      case QMessageBox::Yes: return ResultYes;
      case QMessageBox::No: return ResultNo;
      default: return ResultCancel;
    }
  }

  QString FileName(const FileRequest& r) override {
    const std::unique_ptr<QFileDialog> dlg = filedialog::Make(r);
    if (ExecCovering(*dlg) != QDialog::Accepted || dlg->selectedFiles().isEmpty()) return {};
    return dlg->selectedFiles().first();
  }

  void ShowError(const QString& text) override {
    QMessageBox box(QMessageBox::Critical, g_title, text, QMessageBox::Ok);
    ExecCovering(box);
  }
};

Host* g_host = nullptr;

}  // namespace

Host& RealHost() {
  static Real real;
  return real;
}

Host& Current() { return g_host ? *g_host : RealHost(); }
void SetHost(Host* host) { g_host = host; }

QString AppTitle() { return g_title; }
void SetAppTitle(const QString& title) { g_title = title; }

int MessageBox(const QString& text, const QString& caption, Buttons buttons, Icon icon) {
  return Current().MessageBox(caption, text, buttons, icon);
}

void ShowMessage(const QString& text) { Current().MessageBox(g_title, text, Buttons::Ok, Icon::None); }

int MessageDlg(const QString& text, Icon icon, Buttons buttons) {
  return Current().MessageBox(g_title, text, buttons, icon);
}

}  // namespace modal
