#include "tests/support/ScriptControls.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <vector>

namespace script {
namespace {

std::vector<SetterHook>& Setters() {
  static std::vector<SetterHook> hooks;
  return hooks;
}
std::vector<CaptionHook>& Captions() {
  static std::vector<CaptionHook> hooks;
  return hooks;
}
std::vector<ClickHook>& Clickers() {
  static std::vector<ClickHook> hooks;
  return hooks;
}

// "&OK" -> "OK", "R&&D" -> "R&D".
QString WithoutMnemonic(const QString& caption) {
  QString out;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    else if (caption[i] == '&') continue;
    out += caption[i];
  }
  return out.trimmed();
}

QString Named(const QWidget& w) {
  return w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className())
                                  : w.objectName();
}

// Focus as a click into the control would give it, so focus-in and focus-out handlers run.
void Focus(QWidget& w) {
  if (QWidget* win = w.window(); win && !win->isActiveWindow()) win->activateWindow();
  w.setFocus(Qt::MouseFocusReason);
  QCoreApplication::processEvents();
}

// Replaces the selection, as typing over selected text does; an empty value deletes it.
void TypeOver(QWidget& w, const QString& value) {
  if (value.isEmpty()) QTest::keyClick(&w, Qt::Key_Backspace);
  else TypeText(w, value);
}

// Focuses an edit, selects its whole text and types the value over it.
template <class Edit>
QString TypeInto(Edit& edit, const QString& value) {
  Focus(edit);
  edit.selectAll();
  TypeOver(edit, value);
  return {};
}

// A number the control can hold; a value outside its range is refused, not clamped, so a
// script never goes on with a value it did not ask for.
QString SetNumber(QWidget& w, const QString& value, double minimum, double maximum,
                  const std::function<void(double)>& set, bool integral) {
  bool ok = false;
  const double v = integral ? value.trimmed().toInt(&ok) : value.trimmed().toDouble(&ok);
  if (!ok) return QStringLiteral("\"%1\" is not a number for %2").arg(value, Named(w));
  if (v < minimum || v > maximum)
    return QStringLiteral("%1 cannot hold %2 (it takes %3 .. %4)").arg(Named(w), value.trimmed()).arg(minimum).arg(maximum);
  set(v);
  return {};
}

// Whether the control takes no typing.
bool ReadOnly(const QWidget& w) {
  if (auto* edit = qobject_cast<const QLineEdit*>(&w)) return edit->isReadOnly();
  if (auto* spin = qobject_cast<const QAbstractSpinBox*>(&w)) return spin->isReadOnly();
  if (auto* text = qobject_cast<const QTextEdit*>(&w)) return text->isReadOnly();
  if (auto* text = qobject_cast<const QPlainTextEdit*>(&w)) return text->isReadOnly();
  return false;
}

QString SetCheck(QAbstractButton& b, const QString& value) {
  const QString v = value.trimmed().toLower();
  bool want;
  if (v == "1" || v == "true") want = true;
  else if (v == "0" || v == "false") want = false;
  else return QStringLiteral("\"%1\" is not 0 or 1 for %2").arg(value, Named(b));
  if (b.isChecked() != want) b.click();
  if (b.isChecked() != want) return QStringLiteral("%1 cannot be set to %2 by a click").arg(Named(b), value);
  return {};
}

QString SetCombo(QComboBox& c, const QString& value) {
  int index = c.findText(value, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  if (index < 0) {
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    if (ok && n >= 0 && n < c.count()) index = n;
  }
  if (index < 0) {
    if (!c.isEditable()) return QStringLiteral("%1 has no item \"%2\"").arg(Named(c), value);
    Focus(c);
    c.lineEdit()->selectAll();
    TypeOver(*c.lineEdit(), value);
    return {};
  }
  c.setCurrentIndex(index);
  emit c.activated(index);
  emit c.textActivated(c.itemText(index));
  return {};
}

}  // namespace

QList<QWidget*> FindControls(const QList<QWidget*>& roots, const QString& name) {
  // "WINDOW.NAME": NAME inside the window (or any control) named WINDOW.
  const qsizetype dot = name.indexOf('.');
  const QString within = dot > 0 ? name.left(dot) : QString();
  const QString own = dot > 0 ? name.mid(dot + 1) : name;
  QList<QWidget*> all;
  for (QWidget* root : roots) {
    if (!all.contains(root)) all << root;
    for (QWidget* w : root->findChildren<QWidget*>())
      if (!all.contains(w)) all << w;  // a window inside another root is found once
  }
  auto inside = [&](const QWidget* w, Qt::CaseSensitivity cs) {
    if (within.isEmpty()) return true;
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
      if (p->objectName().compare(within, cs) == 0) return true;
    return false;
  };
  for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
    QList<QWidget*> shown, hidden;
    for (QWidget* w : all) {
      if (w->objectName().compare(own, cs) != 0 || !inside(w, cs)) continue;
      (w->isVisible() ? shown : hidden) << w;
    }
    if (!shown.isEmpty()) return shown;
    if (!hidden.isEmpty()) return hidden;
  }
  return {};
}

QString QualifiedName(const QWidget& control) {
  for (const QWidget* p = control.parentWidget(); p; p = p->parentWidget())
    if (!p->objectName().isEmpty()) return p->objectName() + '.' + control.objectName();
  return control.objectName();
}

QWidget* FindOne(const QList<QWidget*>& roots, const QString& name, QString& problem) {
  const QList<QWidget*> found = FindControls(roots, name);
  if (found.isEmpty()) {
    problem = QStringLiteral("no control named %1").arg(name);
    return nullptr;
  }
  if (found.size() > 1) {
    QStringList names;
    for (const QWidget* w : found) names << QualifiedName(*w);
    problem = QStringLiteral("%1 names several controls: %2").arg(name, names.join(QLatin1String(", ")));
    return nullptr;
  }
  return found.front();
}

QWidget* FindControl(QWidget& root, const QString& name) {
  const QList<QWidget*> found = FindControls({&root}, name);
  return found.isEmpty() ? nullptr : found.front();
}

QString SetControl(QWidget& root, const QString& name, const QString& value) {
  QString problem;
  QWidget* w = FindOne({&root}, name, problem);
  if (!w) return problem + QStringLiteral(" in ") + Named(root);
  return SetValue(*w, value);
}

QString SetValue(QWidget& w, const QString& value) {
  if (!w.isEnabled()) return QStringLiteral("%1 is disabled").arg(Named(w));
  if (ReadOnly(w)) return QStringLiteral("%1 is read-only").arg(Named(w));
  const auto& hooks = Setters();
  for (auto it = hooks.rbegin(); it != hooks.rend(); ++it)
    if ((*it)(w, value)) return {};

  if (auto* edit = qobject_cast<QLineEdit*>(&w)) return TypeInto(*edit, value);
  if (auto* spin = qobject_cast<QSpinBox*>(&w))
    return SetNumber(w, value, spin->minimum(), spin->maximum(),
                     [spin](double v) { spin->setValue(static_cast<int>(v)); }, true);
  if (auto* spin = qobject_cast<QDoubleSpinBox*>(&w))
    return SetNumber(w, value, spin->minimum(), spin->maximum(), [spin](double v) { spin->setValue(v); }, false);
  if (auto* slider = qobject_cast<QAbstractSlider*>(&w))
    return SetNumber(w, value, slider->minimum(), slider->maximum(),
                     [slider](double v) { slider->setValue(static_cast<int>(v)); }, true);
  if (auto* button = qobject_cast<QAbstractButton*>(&w); button && button->isCheckable())
    return SetCheck(*button, value);
  if (auto* combo = qobject_cast<QComboBox*>(&w)) return SetCombo(*combo, value);
  if (auto* text = qobject_cast<QTextEdit*>(&w)) return TypeInto(*text, value);
  if (auto* text = qobject_cast<QPlainTextEdit*>(&w)) return TypeInto(*text, value);
  const QMetaProperty user = w.metaObject()->userProperty();
  if (user.isValid() && user.isWritable() && user.write(&w, value)) return {};
  return QStringLiteral("%1 (%2) cannot be set").arg(Named(w), w.metaObject()->className());
}

void TypeText(QWidget& widget, const QString& text) {
  for (char32_t cp : text.toUcs4()) {
    const QString ch = QString::fromUcs4(&cp, 1);
    if (cp >= 0x20 && cp < 0x7f) {
      QTest::keyClick(&widget, static_cast<char>(cp));
    } else {
      const auto key = static_cast<Qt::Key>(QChar::toUpper(cp));
      QTest::sendKeyEvent(QTest::Click, &widget, key, ch, Qt::NoModifier);
    }
  }
}

QString CaptionOf(const QWidget& control) {
  const auto& hooks = Captions();
  for (auto it = hooks.rbegin(); it != hooks.rend(); ++it) {
    const QString c = (*it)(control);
    if (!c.isEmpty()) return WithoutMnemonic(c);
  }
  if (auto* b = qobject_cast<const QAbstractButton*>(&control)) return WithoutMnemonic(b->text());
  return {};
}

bool PressCaption(QWidget& root, const QString& caption) {
  const QString want = WithoutMnemonic(caption);
  QList<QWidget*> all = root.findChildren<QWidget*>();
  all.prepend(&root);
  for (QWidget* w : all) {
    if (!w->isVisible() || !w->isEnabled()) continue;
    if (CaptionOf(*w).compare(want, Qt::CaseInsensitive) == 0) {
      Click(*w);
      return true;
    }
  }
  return false;
}

void Click(QWidget& control) {
  const auto& hooks = Clickers();
  for (auto it = hooks.rbegin(); it != hooks.rend(); ++it)
    if ((*it)(control)) return;
  if (auto* b = qobject_cast<QAbstractButton*>(&control)) {
    b->click();
    return;
  }
  QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, control.rect().center());
}

bool ClickControl(QWidget& root, const QString& name) {
  QWidget* w = FindControl(root, name);
  if (!w) return false;
  Click(*w);
  return true;
}

bool SendKey(QWidget& root, const QString& keyName) {
  const QKeySequence seq = QKeySequence::fromString(keyName, QKeySequence::PortableText);
  if (seq.isEmpty() || seq[0].key() == Qt::Key_unknown) return false;
  QWidget* target = root.focusWidget();
  if (!target || !root.isAncestorOf(target)) target = &root;
  QTest::keyClick(target, seq[0].key(), seq[0].keyboardModifiers());
  return true;
}

void RegisterSetter(SetterHook hook) { Setters().push_back(std::move(hook)); }
void RegisterCaption(CaptionHook hook) { Captions().push_back(std::move(hook)); }
void RegisterClicker(ClickHook hook) { Clickers().push_back(std::move(hook)); }

}  // namespace script
