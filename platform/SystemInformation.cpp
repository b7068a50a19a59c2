#include "platform/SystemInformation.h"

#include <optional>

namespace platform {

namespace sysinfo {

namespace {

constexpr int kBufferSize = 1024;
constexpr auto kLocalMachine = SystemTools::RegistryRoot::LocalMachine;

const QString kToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kToolValue = QStringLiteral("PATH");
const QString kLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kLocationValue = QStringLiteral("MSINFO");
const QString kToolFile = QStringLiteral("\\MSINFO32.EXE");

QByteArray withoutTrailingZero(QByteArray bytes)
{
    if (!bytes.isEmpty() && bytes.back() == '\0')
        bytes.chop(1);
    return bytes;
}

// The registry stores numbers low byte first, so a dropped high zero byte leaves the value intact.
QString numberText(const QByteArray& bytes)
{
    quint32 number = 0;
    for (qsizetype i = qMin<qsizetype>(bytes.size(), 4) - 1; i >= 0; --i)
        number = (number << 8) | quint8(bytes.at(i));
    return QString::number(number);
}

// The full path of the tool: as registered, or as the tool's folder when the file is there.
std::optional<QString> toolPath(SystemTools& tools)
{
    QString path;
    if (readKeyValue(tools, kLocalMachine, kToolKey, kToolValue, path))
        return path;
    if (readKeyValue(tools, kLocalMachine, kLocationKey, kLocationValue, path) && tools.fileExists(path + kToolFile))
        return path + kToolFile;
    return std::nullopt;
}

} // namespace

bool readKeyValue(SystemTools& tools, SystemTools::RegistryRoot root, const QString& keyName, const QString& valueName,
                  QString& keyValue)
{
    SystemTools::KeyHandle key = 0;
    SystemTools::RegistryValue value;
    const bool read = tools.openKey(root, keyName, key) && tools.queryValue(key, valueName, kBufferSize, value);
    tools.closeKey(key); // also after a failed open, when the handle is still 0
    if (!read) {
        keyValue.clear();
        return false;
    }
    const QByteArray bytes = withoutTrailingZero(value.data.left(kBufferSize));
    if (value.type == SystemTools::StringValue)
        keyValue = QString::fromLocal8Bit(bytes);
    else if (value.type == SystemTools::NumberValue)
        keyValue = numberText(bytes);
    return true;
}

bool start(SystemTools& tools)
{
    const std::optional<QString> path = toolPath(tools);
    return path && tools.startProcess(*path);
}

} // namespace sysinfo

} // namespace platform
