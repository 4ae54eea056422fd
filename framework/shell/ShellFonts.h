#pragma once
// Fonts named as the windows' layouts name them ("宋体", "楷体_GB2312", "Fixedsys"), resolved
// to the faces installed on this system.
#include <QFont>
#include <QString>

// A font of the named face with a character cell height of pixelHeight.
QFont ShellFont(const QString& name, int pixelHeight, bool bold = false);
