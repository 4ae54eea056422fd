#pragma once
// The class library's one-line input dialogs: a caption, a prompt, one edit named
// "QueryEdit" holding the value, "OK" (the default button) and "Cancel". Shown through the
// modal host, so a script answers them with `dialog QueryEdit=42 OK`.
#include <QString>

// Shows the dialog with value in the edit. OK stores the edit's text in value and answers
// true; Cancel, Esc or the close box leave value as it was and answer false.
bool InputQuery(const QString& caption, const QString& prompt, QString& value);

// The same dialog; answers the edited text on OK and defaultValue otherwise.
QString InputBox(const QString& caption, const QString& prompt, const QString& defaultValue);
