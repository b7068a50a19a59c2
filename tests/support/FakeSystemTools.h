#pragma once

#include "platform/SystemTools.h"

#include <QList>
#include <QMap>
#include <QStringList>

// A registry held in memory, a set of files that exist, and a record of every call.
// A program starts only when it is one of the existing files.
class FakeSystemTools : public platform::SystemTools {
public:
    void setValue(const QString& keyPath, const QString& valueName, quint32 type, const QByteArray& data)
    {
        keys[keyPath].insert(valueName, RegistryValue{type, data});
    }
    void addKey(const QString& keyPath) { keys[keyPath]; }

    bool openKey(RegistryRoot root, const QString& keyPath, KeyHandle& key) override
    {
        keysAsked.append(keyPath);
        if (root != RegistryRoot::LocalMachine || !keys.contains(keyPath))
            return false;
        key = m_nextHandle++;
        m_openKeys.insert(key, keyPath);
        handlesOpened.append(key);
        return true;
    }
    bool queryValue(KeyHandle key, const QString& valueName, int bufferSize, RegistryValue& value) override
    {
        bufferSizes.append(bufferSize);
        const auto values = keys.value(m_openKeys.value(key));
        if (!m_openKeys.contains(key) || !values.contains(valueName))
            return false;
        value = values.value(valueName);
        return true;
    }
    void closeKey(KeyHandle key) override
    {
        handlesClosed.append(key);
        m_openKeys.remove(key);
    }
    bool fileExists(const QString& path) override { return existingFiles.contains(path); }
    bool startProcess(const QString& program) override
    {
        processesTried.append(program);
        return existingFiles.contains(program);
    }

    bool openFolder(const QString&) override { return false; }

    bool everyOpenedKeyClosed() const { return m_openKeys.isEmpty(); }

    QMap<QString, QMap<QString, RegistryValue>> keys;
    QStringList existingFiles;
    QStringList keysAsked;
    QList<KeyHandle> handlesOpened;
    QList<KeyHandle> handlesClosed;
    QList<int> bufferSizes;
    QStringList processesTried;

private:
    KeyHandle m_nextHandle = 100;
    QMap<KeyHandle, QString> m_openKeys;
};
