#pragma once

#include <QSaveFile>

// A save file that takes only the first few bytes, as a full disk would.
class FailingSaveFile : public QSaveFile {
public:
    FailingSaveFile(const QString& name, qint64 budget) : QSaveFile(name), m_budget(budget) {}

protected:
    qint64 writeData(const char* data, qint64 length) override
    {
        if (length > m_budget) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_budget -= length;
        return QSaveFile::writeData(data, length);
    }

private:
    qint64 m_budget;
};
