#include "tests/scriptdriver/Drawing.h"

#include <cxxabi.h>

#include <QHash>
#include <QLabel>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"
#include "platform/Controls.h"

namespace script {

namespace {

struct Shape {
  const QWidget* control;
  const QWidget* form;
};

bool IsDrawn(const QWidget& w) {
  return dynamic_cast<const TKitControl*>(&w) || dynamic_cast<const TImage*>(&w) ||
         dynamic_cast<const TShape*>(&w) || dynamic_cast<const TPanel*>(&w) || qobject_cast<const QLabel*>(&w);
}

void Collect(const QWidget& parent, const QWidget& form, std::vector<Shape>& out) {
  for (const QObject* child : parent.children()) {
    const auto* w = qobject_cast<const QWidget*>(child);
    if (!w || w->isHidden() || dynamic_cast<const TGraphForm*>(w)) continue;
    if (IsDrawn(*w)) out.push_back({w, &form});
    Collect(*w, form, out);
  }
}

QString TextOf(const QWidget& w) {
  if (const auto* kit = dynamic_cast<const TKitControl*>(&w)) return kit->DrawingText();
  if (const auto* label = qobject_cast<const QLabel*>(&w)) return label->text();
  if (const auto* panel = dynamic_cast<const TPanel*>(&w)) return panel->Caption();
  if (dynamic_cast<const TImage*>(&w)) return w.accessibleDescription();
  return {};
}

QList<const QWidget*> TargetsOf(const QWidget& w) {
  if (const auto* kit = dynamic_cast<const TKitControl*>(&w)) return kit->DrawingTargets();
  return {};
}

}  // namespace

QString ClassNameOf(const QWidget& control) {
  const char* mangled = typeid(control).name();
  int status = 0;
  const std::unique_ptr<char, decltype(&std::free)> plain(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                          &std::free);
  QString name = QString::fromLatin1(status == 0 && plain ? plain.get() : mangled);
  if (const qsizetype colons = name.lastIndexOf(QLatin1String("::")); colons >= 0) name = name.mid(colons + 2);
  return name;
}

QString NameOf(const QWidget& control) {
  return control.objectName().isEmpty() ? ClassNameOf(control) : control.objectName();
}

QString QuotedDrawingText(const QString& text) {
  QString out = QStringLiteral("\"");
  for (const QChar c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') {
      out += QLatin1String("\\n");
      continue;
    }
    out += c;
  }
  return out + '"';
}

QStringList DrawingLines(const std::vector<TGraphForm*>& forms, const QWidget* only) {
  std::vector<Shape> shapes;
  for (const TGraphForm* form : forms) {
    if (!form->isVisible()) continue;
    std::vector<Shape> all;
    // A window that paints its drawing itself says in words what it shows.
    if (const auto* kit = dynamic_cast<const TKitControl*>(form); kit && !kit->DrawingText().isEmpty())
      all.push_back({form, form});
    Collect(*form, *form, all);
    for (const Shape& s : all)
      if (!only || only == form || only == s.control || only->isAncestorOf(s.control)) shapes.push_back(s);
  }
  QHash<const QWidget*, int> lineOf;
  for (std::size_t i = 0; i < shapes.size(); ++i) lineOf.insert(shapes[i].control, static_cast<int>(i) + 1);
  auto nameOf = [&](const QWidget* w) {
    if (!w) return QStringLiteral("-");
    if (!w->objectName().isEmpty()) return w->objectName();
    const int line = lineOf.value(w, 0);
    return ClassNameOf(*w) + '#' + (line > 0 ? QString::number(line) : QStringLiteral("?"));
  };
  QStringList lines;
  for (const Shape& s : shapes) {
    const QWidget& w = *s.control;
    const QPoint at = w.mapTo(s.form, QPoint(0, 0));
    // Joined, not arg()-ed: a text may hold "%1".
    QString line = QStringList{QStringLiteral("shape"), ClassNameOf(w),
                               w.objectName().isEmpty() ? QStringLiteral("-") : w.objectName(),
                               QuotedDrawingText(TextOf(w)), QString::number(at.x()), QString::number(at.y()),
                               QString::number(w.width()), QString::number(w.height())}
                       .join(' ');
    if (const QList<const QWidget*> targets = TargetsOf(w); !targets.isEmpty()) {
      QStringList names;
      for (const QWidget* t : targets) names << nameOf(t);
      line += QStringLiteral(" -> ") + names.join(',');
    }
    lines << line;
  }
  return lines;
}

}  // namespace script
