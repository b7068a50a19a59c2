#include "FileDialogs.h"

#include <QFileDialog>

QString DesktopFileDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                         const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}
