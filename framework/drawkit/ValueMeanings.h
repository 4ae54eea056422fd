#pragma once
// Meanings of painted values that many drawings need (see TValueMeaning in KitControl.h).
#include <QString>
#include <QStringList>
#include <optional>

#include "framework/drawkit/KitControl.h"

// A label that names a variable (a row's "a" beside the cells of list va): it must read name
// while path names a value, so that two labels swapped, or a label beside the wrong row, show.
// path is any value of that variable ("va.last"): a path that names nothing is a finding.
inline TValueMeaning NamesVariable(const QString& path, const QString& name) {
  return {.Of = {path}, .Map = [name](const QStringList&) { return std::optional<QString>(name); }};
}

// A cell that a colour marks while an index of the algorithm stands on it: its note reads note
// where the index (path) is at, nothing elsewhere; an index of 0 is not set yet and holds the
// note to nothing.
inline TValueMeaning MarkedByIndex(const QString& path, int at, const QString& note) {
  return {.Of = {path},
          .Map = [at, note](const QStringList& v) -> std::optional<QString> {
            bool ok = false;
            const int index = v[0].toInt(&ok);
            if (!ok || index == 0) return std::nullopt;
            return index == at ? note : QString();
          },
          .Part = TValueMeaning::InNote};
}
