#pragma once
// Saving and loading a drawn tree from a dialog: the file dialog with the program's data
// file filter, then the work; a file that cannot be taken is said in a message and the
// tree is left as it was.
#include <QString>
#include <functional>

// The data files' filter and default extension.
extern const QString TreeFileFilter;
extern const QString TreeFileExt;

// Asks for a file (to save or to open) under caption; when one is chosen runs work with
// its name, showing an ETreeFileError's text in a message. True when work succeeded.
bool WithTreeFile(bool save, const QString& caption, const std::function<void(const QString&)>& work);
