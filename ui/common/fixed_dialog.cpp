#include "ui/common/fixed_dialog.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

namespace capillary {

void makeFixedCentredDialog(QDialog& dialog) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(dialog.size());
    dialog.setModal(true);
    QWidget* parent = dialog.parentWidget();
    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    }
}

}  // namespace capillary
