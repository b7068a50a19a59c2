#pragma once

#include "FileDialogs.h"

#include <QStringList>

// Answers every file dialog with `answer` (empty: the user cancelled) and keeps what each one
// suggested.
class RecordedFileDialogs : public FileDialogs {
public:
    QString saveFileName(QWidget*, const QString&, const QString& suggestedPath, const QString&) override
    {
        suggestions.append(suggestedPath);
        return answer;
    }

    QString answer;
    QStringList suggestions;
};
