#pragma once

#include "platform/FileDialogs.h"

#include <QStringList>

// Answers every save dialog with `answer`, and the open and folder dialogs with the next of
// `chosen` (empty: the user cancelled); keeps what each one suggested.
class RecordedFileDialogs : public platform::FileDialogs {
public:
    QString saveFileName(QWidget*, const QString&, const QString& suggestedPath, const QString&) override
    {
        suggestions.append(suggestedPath);
        return answer;
    }
    QString openFileName(QWidget*, const QString&, const QString& startPath, const QString&) override
    {
        return next(startPath);
    }
    QString existingFolder(QWidget*, const QString&, const QString& startFolder) override { return next(startFolder); }

    QString answer;
    QStringList chosen;
    QStringList suggestions;

private:
    QString next(const QString& suggested)
    {
        suggestions.append(suggested);
        return chosen.isEmpty() ? QString() : chosen.takeFirst();
    }
};
