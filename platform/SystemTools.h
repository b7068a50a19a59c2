#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The operating system's registry and process start, used to find and start the
// system-information tool, and the desktop's file manager.
class SystemTools {
public:
    enum class RegistryRoot { LocalMachine };
    enum ValueType : quint32 { StringValue = 1, NumberValue = 4 };
    using KeyHandle = quint64;
    struct RegistryValue {
        quint32 type = 0;
        QByteArray data; // as many bytes as the query reported
    };

    virtual ~SystemTools() = default;
    virtual bool openKey(RegistryRoot root, const QString& keyPath, KeyHandle& key) = 0;
    virtual bool queryValue(KeyHandle key, const QString& valueName, int bufferSize, RegistryValue& value) = 0;
    virtual void closeKey(KeyHandle key) = 0;
    virtual bool fileExists(const QString& path) = 0;
    virtual bool startProcess(const QString& program) = 0;
    // Shows the folder in the desktop's file manager; false when nothing could.
    virtual bool openFolder(const QString& path) = 0;
};

// This platform has no registry: every key fails to open.
class DesktopSystemTools : public SystemTools {
public:
    bool openKey(RegistryRoot root, const QString& keyPath, KeyHandle& key) override;
    bool queryValue(KeyHandle key, const QString& valueName, int bufferSize, RegistryValue& value) override;
    void closeKey(KeyHandle key) override;
    bool fileExists(const QString& path) override;
    bool startProcess(const QString& program) override;
    bool openFolder(const QString& path) override;
};

} // namespace platform
