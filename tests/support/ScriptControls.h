#pragma once
// Working the program's controls as a user would, for tests and the scripted driver:
// find a control by its object name and set it, press a button by its caption, click a
// control, send a key. Kinds of control the built-in rules do not know (a digits-only edit,
// a canvas-drawn button) plug in through the registration hooks.
#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace script {

// The controls a script's name stands for among the roots and their descendants: "NAME", or
// "WINDOW.NAME" for NAME inside the window (or any control) named WINDOW. Exact spelling
// first, then letter case ignored; visible controls win over hidden ones. More than one
// means the name is ambiguous.
QList<QWidget*> FindControls(const QList<QWidget*>& roots, const QString& name);
// The one control name stands for; nullptr and the problem when there is none or when there
// are several (listed by their qualified names).
QWidget* FindOne(const QList<QWidget*>& roots, const QString& name, QString& problem);
// "WINDOW.NAME": the control's name after that of its nearest named parent.
QString QualifiedName(const QWidget& control);
// The first of FindControls under root (root itself too), nullptr when none.
QWidget* FindControl(QWidget& root, const QString& name);

// Sets the control named name below root to value as a user would: an edit is selected
// and the value typed key by key (so its key filter and length limit apply); spin boxes,
// sliders and scroll bars take the number; a check box or radio button 0/1 (clicked when its
// state must change); a combo box the item with that text, else that index; other widgets
// their user property. Returns an empty string on success, else what went wrong.
QString SetControl(QWidget& root, const QString& name, const QString& value);
// The same for a control already found.
QString SetValue(QWidget& control, const QString& value);

// Types text into a widget with simulated key events, one character at a time.
void TypeText(QWidget& widget, const QString& text);

// Presses the enabled, visible button or clickable label below root whose caption ('&'
// removed, letter case ignored) is caption. Returns false when there is none.
bool PressCaption(QWidget& root, const QString& caption);

// Clicks a control: a button is clicked, anything else gets a left mouse click at its centre.
void Click(QWidget& control);
// Clicks the control named name below root; false when there is none.
bool ClickControl(QWidget& root, const QString& name);

// Sends a key ("Enter", "Esc", "F8", "Ctrl+F5" ...) to root's focused control, or to root.
// Returns false when the name is not a key.
bool SendKey(QWidget& root, const QString& keyName);

// The caption of a control with a caption of its own (buttons, labels); empty for others.
QString CaptionOf(const QWidget& control);

// --- Hooks for controls of the program's own making; the newest registration is asked first.

// Sets a control of a kind it knows and returns true; returns false for other kinds.
using SetterHook = std::function<bool(QWidget& control, const QString& value)>;
void RegisterSetter(SetterHook hook);

// Gives the caption of a clickable control of a kind it knows; an empty string for other
// kinds.
using CaptionHook = std::function<QString(const QWidget& control)>;
void RegisterCaption(CaptionHook hook);

// Clicks a control of a kind it knows and returns true; false for other kinds.
using ClickHook = std::function<bool(QWidget& control)>;
void RegisterClicker(ClickHook hook);

}  // namespace script
