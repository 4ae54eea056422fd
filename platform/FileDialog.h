#pragma once
// The program's file dialog (the real modal host's): Qt's own dialog, its columns said so that
// a teacher reads them: 名称, 大小, 类型, 修改日期, sizes in 字节, KB and MB, dates as
// "2024年12月8日 14:56", the program's own files named by the filter that offers them
// ("VELKORA 数据文件", "图形文件") rather than guessed from their bytes, any other file by its
// suffix ("PNG 文件"), folders as "文件夹"; each column as wide as what it shows.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/ModalHost.h"

class QFileDialog;
class QFileInfo;

namespace filedialog {

// "desc|*.dat|all|*.*" -> "desc (*.dat);;all (*.*)", as Qt's dialogs take a filter.
QString QtFilter(const QString& filter);

// What the columns say.
QString SizeText(qint64 bytes);
QString DateText(const QDateTime& modified);
// The type of a file: the description of the filter that offers files of its name (not the
// one for every file), else its suffix in capitals and "文件"; a folder is "文件夹".
QString TypeText(const QFileInfo& file, const QString& filter);
// The columns' headings, in order.
QStringList Headings();

// A dialog for the request, in its detail view with those columns, not yet shown.
std::unique_ptr<QFileDialog> Make(const modal::FileRequest& request);

}  // namespace filedialog
