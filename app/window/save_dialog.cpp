#include "app/window/save_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace vardo::app {

QString askSaveFileName(QWidget* parent, const SaveDialogSetup& setup) {
    QFileDialog dialog(parent, setup.title);
    dialog.setObjectName(setup.objectName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(setup.suffix);
    dialog.setNameFilters({setup.fileKind, QStringLiteral("Tous Fichiers (*)")});
    if (!setup.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!setup.suggested.isEmpty()) dialog.setDirectory(QFileInfo(setup.suggested).absolutePath());
    dialog.selectFile(QFileInfo(setup.suggested).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

}  // namespace vardo::app
