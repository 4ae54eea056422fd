#include "tests/scriptdriver/ControlText.h"

#include <QAbstractSlider>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTextEdit>
#include <QTreeWidget>

#include "framework/drawkit/KitControl.h"
#include "platform/Controls.h"
#include "platform/Grid.h"
#include "tests/support/ScriptControls.h"

namespace script {

namespace {

const QString kBetween = QStringLiteral(" | ");

void TreeItems(const QTreeWidgetItem& item, QStringList& out) {
  out << item.text(0);
  for (int i = 0; i < item.childCount(); ++i) TreeItems(*item.child(i), out);
}

}  // namespace

std::optional<QString> ShownText(const QWidget& w) {
  const auto* kit = dynamic_cast<const TKitControl*>(&w);
  if (kit && !kit->DrawingText().isEmpty()) return kit->DrawingText();
  if (const auto* e = qobject_cast<const QLineEdit*>(&w)) return e->text();
  if (const auto* l = qobject_cast<const QLabel*>(&w)) return l->text();
  if (const auto* t = qobject_cast<const QTextEdit*>(&w)) return t->toPlainText();
  if (const auto* t = qobject_cast<const QPlainTextEdit*>(&w)) return t->toPlainText();
  if (const auto* s = qobject_cast<const QSpinBox*>(&w)) return QString::number(s->value());
  if (const auto* s = qobject_cast<const QAbstractSlider*>(&w)) return QString::number(s->value());
  if (const auto* c = qobject_cast<const QComboBox*>(&w)) return c->currentText();
  if (const auto* g = qobject_cast<const QGroupBox*>(&w)) return g->title();
  if (const auto* p = dynamic_cast<const TPanel*>(&w)) return p->Caption();
  if (const auto* tabs = qobject_cast<const QTabBar*>(&w)) {
    QStringList names;
    for (int i = 0; i < tabs->count(); ++i) names << tabs->tabText(i);
    return names.join(kBetween);
  }
  if (const auto* tree = qobject_cast<const QTreeWidget*>(&w)) {
    QStringList items;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) TreeItems(*tree->topLevelItem(i), items);
    return items.join(kBetween);
  }
  if (const auto* grid = dynamic_cast<const TStringGrid*>(&w)) {
    QStringList rows;
    for (int r = 0; r < grid->RowCount(); ++r) {
      QStringList cells;
      for (int c = 0; c < grid->ColCount(); ++c) cells << grid->Cells(c, r);
      rows << cells.join(' ');
    }
    return rows.join(kBetween);
  }
  // Buttons and program-made controls that registered a caption.
  if (QString caption = CaptionOf(w); !caption.isEmpty()) return caption;
  if (qobject_cast<const QAbstractButton*>(&w)) return QString();
  // A picture or a painted table says in words what it shows.
  if (!w.accessibleDescription().isEmpty()) return w.accessibleDescription();
  if (!w.windowTitle().isEmpty()) return w.windowTitle();
  // A kit control says what it shows: nothing, here.
  if (kit) return QString();
  return std::nullopt;
}

}  // namespace script
