#pragma once

#include <QString>

class QWidget;

namespace platform {

// The desktop's file dialogs: where the user wants a file saved, which file to read, which folder
// to use.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The path chosen, starting from `suggestedPath` (folder and file name); empty when the user
    // cancelled. `filter` is a dialog filter such as "PDF files (*.pdf)".
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                 const QString& filter) = 0;
    // The file chosen to be read, starting in `startPath`; empty when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                 const QString& filter) = 0;
    // The folder chosen, starting at `startFolder`; empty when the user cancelled.
    virtual QString existingFolder(QWidget* parent, const QString& caption, const QString& startFolder) = 0;
};

class DesktopFileDialogs : public FileDialogs {
public:
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& startPath,
                         const QString& filter) override;
    QString existingFolder(QWidget* parent, const QString& caption, const QString& startFolder) override;
};

} // namespace platform
