#include "platform/FileDialogs.h"

#include <QFileDialog>

namespace platform {

QString DesktopFileDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                         const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}

QString DesktopFileDialogs::openFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                         const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, startPath, filter);
}

QString DesktopFileDialogs::existingFolder(QWidget* parent, const QString& caption, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(parent, caption, startFolder);
}

} // namespace platform
