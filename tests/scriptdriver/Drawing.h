#pragma once
// "print drawing": the drawing windows in words, one line per visible control,
//
//   shape CLASS NAME "TEXT" LEFT TOP WIDTH HEIGHT [-> TARGETS]
//
// CLASS as the code names the class, NAME the object name or "-", TEXT what the control
// shows (quotes, backslashes and line breaks escaped with "\"), the bounds in the drawing
// window's client coordinates, and the controls it points at by object name, "-" for a
// missing one, CLASS#N for an unnamed one (N: its line, from 1; "?" when it is not printed).
// Kit controls say what they show and point at (TKitControl); images give their
// description, labels and panels their caption, shapes nothing.
#include <QString>
#include <QStringList>
#include <vector>

class QWidget;
class TGraphForm;

namespace script {

// The class name of a control, without namespaces.
QString ClassNameOf(const QWidget& control);
// The name the rules give a control or window: its object name, else its class name.
QString NameOf(const QWidget& control);

// Quotes text for a drawing line.
QString QuotedDrawingText(const QString& text);

// The lines of the visible windows among forms, in that order; each window's controls depth
// first in creation order (a drawing window nested in another is printed as its own). With
// only, just the lines of that window or of that control and what it holds.
QStringList DrawingLines(const std::vector<TGraphForm*>& forms, const QWidget* only = nullptr);

}  // namespace script
