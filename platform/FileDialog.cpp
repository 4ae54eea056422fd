#include "platform/FileDialog.h"

#include <QAbstractProxyModel>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeView>
#include <vector>

namespace filedialog {
namespace {

// One choice of a filter: its description and the names it offers.
struct Offer {
  QString description;
  QStringList patterns;
};

std::vector<Offer> Offers(const QString& filter) {
  const QStringList parts = filter.split('|');
  std::vector<Offer> out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    out.push_back({parts[i], parts[i + 1].split(';', Qt::SkipEmptyParts)});
  return out;
}

// The file system model's rows with the columns a teacher reads.
class Columns final : public QIdentityProxyModel {
 public:
  Columns(QString filter, QObject* parent) : QIdentityProxyModel(parent), filter_(std::move(filter)) {}

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || index.column() == 0 || files == nullptr)
      return QIdentityProxyModel::data(index, role);
    const QFileInfo info = files->fileInfo(mapToSource(index));
    switch (index.column()) {
      case 1: return info.isDir() ? QString() : SizeText(info.size());
      case 2: return TypeText(info, filter_);
      case 3: return DateText(info.lastModified());
      default: return QIdentityProxyModel::data(index, role);
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    const QStringList headings = Headings();
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headings.size())
      return headings[section];
    return QIdentityProxyModel::headerData(section, orientation, role);
  }

 private:
  QString filter_;
};

// The columns take the width of what they show once the folder's files are listed, and again
// whenever what they show changes (the listing fills in sizes and dates as it goes).
void FitColumns(QFileDialog& dialog) {
  auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  auto* files = qobject_cast<QFileSystemModel*>(dialog.proxyModel() ? dialog.proxyModel()->sourceModel() : nullptr);
  if (view == nullptr || files == nullptr) return;
  auto* again = new QTimer(&dialog);
  again->setSingleShot(true);
  again->setInterval(0);
  QObject::connect(again, &QTimer::timeout, view, [view] {
    for (int c = 0; c < view->header()->count(); ++c) view->resizeColumnToContents(c);
  });
  const auto fit = [again] { again->start(); };
  QObject::connect(files, &QFileSystemModel::directoryLoaded, again, fit);
  QObject::connect(files, &QAbstractItemModel::dataChanged, again, fit);
  QObject::connect(files, &QAbstractItemModel::rowsInserted, again, fit);
  QObject::connect(files, &QAbstractItemModel::layoutChanged, again, fit);
  QObject::connect(&dialog, &QFileDialog::directoryEntered, again, fit);
}

}  // namespace

QString QtFilter(const QString& filter) {
  QStringList out;
  for (const Offer& o : Offers(filter)) {
    QString desc = o.description;
    const QString pattern = o.patterns.join(' ');
    if (!desc.contains('(') || !desc.contains(pattern)) desc += QStringLiteral(" (") + pattern + ')';
    out << desc;
  }
  return out.join(QStringLiteral(";;"));
}

QString SizeText(qint64 bytes) {
  if (bytes < 1024) return QStringLiteral("%1 字节").arg(bytes);
  const double kb = static_cast<double>(bytes) / 1024;
  if (kb < 1024) return QStringLiteral("%1 KB").arg(kb, 0, 'f', kb < 10 ? 1 : 0);
  const double mb = kb / 1024;
  return QStringLiteral("%1 MB").arg(mb, 0, 'f', mb < 10 ? 1 : 0);
}

QString DateText(const QDateTime& modified) {
  return QLocale(QLocale::Chinese, QLocale::China).toString(modified, QStringLiteral("yyyy年M月d日 HH:mm"));
}

QString TypeText(const QFileInfo& file, const QString& filter) {
  if (file.isDir()) return QStringLiteral("文件夹");
  for (const Offer& o : Offers(filter)) {
    for (const QString& pattern : o.patterns) {
      if (pattern == QLatin1String("*") || pattern == QLatin1String("*.*")) continue;
      const QRegularExpression names(QRegularExpression::wildcardToRegularExpression(pattern),
                                     QRegularExpression::CaseInsensitiveOption);
      // The description without the names it lists: "VELKORA 数据文件(*.dat)" is a
      // "VELKORA 数据文件".
      if (names.match(file.fileName()).hasMatch()) return QString(o.description).remove(QRegularExpression("\\s*\\(.*\\)\\s*$"));
    }
  }
  const QString suffix = file.suffix();
  return suffix.isEmpty() ? QStringLiteral("文件") : suffix.toUpper() + QStringLiteral(" 文件");
}

QStringList Headings() {
  return {QStringLiteral("名称"), QStringLiteral("大小"), QStringLiteral("类型"), QStringLiteral("修改日期")};
}

std::unique_ptr<QFileDialog> Make(const modal::FileRequest& r) {
  auto dialog = std::make_unique<QFileDialog>(nullptr, r.caption, QString(), QtFilter(r.filter));
  // Qt's own dialog, whatever the desktop offers: its columns are the program's to say.
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog->setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!r.defaultExt.isEmpty()) dialog->setDefaultSuffix(r.defaultExt);
  if (!r.initialName.isEmpty()) dialog->selectFile(r.initialName);
  dialog->setProxyModel(new Columns(r.filter, dialog.get()));
  dialog->setViewMode(QFileDialog::Detail);
  dialog->resize(760, 440);  // the four columns side by side
  FitColumns(*dialog);
  return dialog;
}

}  // namespace filedialog
