#pragma once
// The class library's one-line input dialogs: a caption, a prompt, one edit named
// "QueryEdit" holding the value, "OK" (the default button) and "Cancel". Shown through the
// modal host, so a script answers them with `dialog QueryEdit=42 OK`.
#include <QRect>
#include <QString>

// Shows the dialog with value in the edit. OK stores the edit's text in value and answers
// true; Cancel, Esc or the close box leave value as it was and answer false. It opens in the
// middle of the window it opens over, or, given a place on the screen (over), centred on that
// place and kept in that window: a drawing that asks about its own nodes names where the
// question leaves them in view.
bool InputQuery(const QString& caption, const QString& prompt, QString& value, const QRect& over = {});

// The same dialog; answers the edited text on OK and defaultValue otherwise.
QString InputBox(const QString& caption, const QString& prompt, const QString& defaultValue, const QRect& over = {});
