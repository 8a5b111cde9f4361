#pragma once
// The save dialogs of the program's commands: one kind of text file each, opened on a suggested
// name. The file name chosen, or an empty text when the dialog is cancelled.
#include <QString>

class QWidget;

namespace vardo::app {

struct SaveDialogSetup {
    QString title;
    QString objectName;
    QString suffix;          // added to a name typed without one
    QString fileKind;        // the first filter, "Fichier Texte (*.txt)"; "Tous Fichiers (*)" follows
    QString suggested;       // the folder and name it opens on; empty opens it empty
    bool confirmOverwrite;   // false where the command itself asks before replacing a file
};

QString askSaveFileName(QWidget* parent, const SaveDialogSetup& setup);

}  // namespace vardo::app
