#pragma once
// Step methods are Q_INVOKABLE members without parameters, found by name with letter
// case ignored ("ackman_f_begin" finds Ackman_F_Begin).
#include <QByteArray>
#include <QMetaMethod>
#include <QObject>

namespace methods {

// The invokable, parameterless method of obj's class (or a base) named so; invalid when none.
QMetaMethod Find(const QObject* obj, const QByteArray& name);
// The same for a class, without an object of it.
QMetaMethod Find(const QMetaObject& meta, const QByteArray& name);

// Calls a method found by Find. Returns false when the call could not be made.
bool CallVoid(QObject* obj, const QMetaMethod& m);
bool CallBool(QObject* obj, const QMetaMethod& m, bool& result);
// For methods returning a pointer (for example a data node): the raw pointer value.
bool CallPointer(QObject* obj, const QMetaMethod& m, void*& result);

}  // namespace methods
