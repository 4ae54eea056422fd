#include "platform/Application.h"

#include <QDir>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <QFileInfo>

#include "platform/Font.h"
#include "platform/ModalHost.h"

namespace app {
namespace {
QString g_appPath;
}

QString AppPath() {
  if (g_appPath.isEmpty() && QCoreApplication::instance())
    g_appPath = QCoreApplication::applicationDirPath() + '/';
  return g_appPath;
}

QString ImagePath() { return AppPath() + QStringLiteral("image/"); }
QString MusicPath() { return AppPath() + QStringLiteral("music/"); }

void SetAppPath(const QString& folder) {
  g_appPath = folder.endsWith('/') ? folder : folder + '/';
}

QString FindFile(const QString& folder, const QString& name) {
  const QStringList parts = QString(name).replace('\\', '/').split('/', Qt::SkipEmptyParts);
  QString dir = folder;
  for (qsizetype i = 0; i < parts.size(); ++i) {
    const QString exact = QDir(dir).filePath(parts[i]);
    if (QFileInfo::exists(exact)) {
      dir = exact;
      continue;
    }
    QString found;
    const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& e : entries) {
      if (e.compare(parts[i], Qt::CaseInsensitive) == 0) {
        found = QDir(dir).filePath(e);
        break;
      }
    }
    if (found.isEmpty()) return {};
    dir = found;
  }
  return parts.isEmpty() ? QString() : dir;
}

QString ImageFile(const QString& name) { return FindFile(ImagePath(), name); }

namespace {
class ExitOnFirstPaint final : public QObject {
 public:
  explicit ExitOnFirstPaint(QWidget& window) : QObject(&window) { window.installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }
    return false;
  }

 private:
  bool done_ = false;
};
}  // namespace

void ExitWhenShownIfAsked(QWidget& window) {
  if (qEnvironmentVariable("VELKORA_EXIT_WHEN_SHOWN") == QLatin1String("1")) new ExitOnFirstPaint(window);
}

}  // namespace app

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv), qtTexts_(std::make_unique<QTranslator>()) {
  DrawChineseFacesUnhinted();
  if (qtTexts_->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installTranslator(qtTexts_.get());
}

TApplication::~TApplication() = default;

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ReportException(e);
  }
  return false;
}

void ReportException(const std::exception& e) {
  modal::Current().ShowError(QString::fromUtf8(e.what()));
}
