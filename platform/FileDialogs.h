#pragma once

#include <QString>

class QWidget;

// The desktop's file dialogs: where the user wants a file saved.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The path chosen, starting from `suggestedPath` (folder and file name); empty when the user
    // cancelled. `filter` is a dialog filter such as "PDF files (*.pdf)".
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                 const QString& filter) = 0;
};

class DesktopFileDialogs : public FileDialogs {
public:
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                         const QString& filter) override;
};
