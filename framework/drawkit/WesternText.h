#pragma once
// Data the demonstrations build out of characters (list nodes, tree nodes, strings, sort and
// search keys) holds one byte a character: a text with any other character is refused with a
// message, and the data stays as it was. Every dialog and query that takes such a text checks
// it here.
#include <QRect>
#include <QString>

inline const QString kWesternOnly = QStringLiteral("只能输入西文（单字节）字符，请重新输入。");

// True when every character of s takes one byte (Latin-1).
bool WesternText(const QString& s);
// True when s is western; otherwise shows message and answers false (a dialog then stays open).
bool CheckWestern(const QString& s, const QString& message = kWesternOnly);
// An input query asked again until its text is western. False (text unchanged) when cancelled.
// Given a place on the screen, it asks there (InputQuery).
bool QueryWestern(const QString& caption, const QString& prompt, QString& text,
                  const QString& message = kWesternOnly, const QRect& over = {});
