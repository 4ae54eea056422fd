#include "platform/MethodLookup.h"

#include <QHash>
#include <QMetaType>

namespace methods {
namespace {

// Per class: lower-case name -> method index. Classes are few, names many; building the
// table once per class keeps the run loop's lookups cheap.
const QHash<QByteArray, int>& TableFor(const QMetaObject* meta) {
  static QHash<const QMetaObject*, QHash<QByteArray, int>> tables;
  auto it = tables.find(meta);
  if (it != tables.end()) return *it;
  QHash<QByteArray, int> table;
  // Base classes' methods come first in the index order; a later insert of the same name
  // (a derived class's method) replaces the earlier one.
  for (int i = 0; i < meta->methodCount(); ++i) {
    const QMetaMethod m = meta->method(i);
    if (m.parameterCount() != 0) continue;
    if (m.methodType() != QMetaMethod::Method && m.methodType() != QMetaMethod::Slot) continue;
    table.insert(m.name().toLower(), i);
  }
  return *tables.insert(meta, table);
}

}  // namespace

QMetaMethod Find(const QObject* obj, const QByteArray& name) {
  if (obj == nullptr) return {};
  return Find(*obj->metaObject(), name);
}

QMetaMethod Find(const QMetaObject& meta, const QByteArray& name) {
  const auto& table = TableFor(&meta);
  auto it = table.find(name.toLower());
  if (it == table.end()) return {};
  return meta.method(*it);
}

bool CallVoid(QObject* obj, const QMetaMethod& m) {
  return m.isValid() && m.invoke(obj, Qt::DirectConnection);
}

bool CallBool(QObject* obj, const QMetaMethod& m, bool& result) {
  if (!m.isValid() || m.returnType() != QMetaType::Bool) return false;
  return m.invoke(obj, Qt::DirectConnection, Q_RETURN_ARG(bool, result));
}

bool CallPointer(QObject* obj, const QMetaMethod& m, void*& result) {
  if (!m.isValid()) return false;
  const QMetaType rt = m.returnMetaType();
  if (!(rt.flags() & QMetaType::IsPointer)) return false;
  // Invoke with a generic return slot of the method's own pointer type.
  void* value = nullptr;
  QGenericReturnArgument ret(m.typeName(), &value);
  if (!m.invoke(obj, Qt::DirectConnection, ret)) return false;
  result = value;
  return true;
}

}  // namespace methods
