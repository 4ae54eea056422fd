#include "demos/trees/TreeFileDialog.h"

#include "demos/trees/TreeFile.h"
#include "platform/ModalHost.h"

const QString TreeFileFilter = QStringLiteral("VELKORA 数据文件(*.dat)|*.dat|所有文件(*.*)|*.*");
const QString TreeFileExt = QStringLiteral("dat");

bool WithTreeFile(bool save, const QString& caption, const std::function<void(const QString&)>& work) {
  const QString name = modal::Current().FileName(
      {.save = save, .caption = caption, .filter = TreeFileFilter, .defaultExt = TreeFileExt, .initialName = {}});
  if (name.isEmpty()) return false;
  try {
    work(name);
    return true;
  } catch (const ETreeFileError& e) {
    modal::MessageDlg(e.Message(), modal::Icon::Error, modal::Buttons::Ok);
    return false;
  }
}
