#include "platform/SystemInformation.h"
#include "tests/support/FakeSystemTools.h"
#include "tests/support/ProgramNames.h"

#include <QTest>

namespace {
const QString kToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

// Registry strings as the registry hands them out: with their terminating zero byte.
QByteArray registryString(const QString& text)
{
    return text.toLocal8Bit() + '\0';
}
} // namespace

class TestSystemInformation : public QObject {
    Q_OBJECT
private slots:
    void registryValueReadAsText_data();
    void registryValueReadAsText();
    void toolFoundThroughTheRegistry_data();
    void toolFoundThroughTheRegistry();
};

void TestSystemInformation::registryValueReadAsText_data()
{
    QTest::addColumn<bool>("keyExists");
    QTest::addColumn<bool>("valueExists");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("expectedRead");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("string loses its zero byte")
        << true << true << 1u << QByteArray("C:\\Tools\0", 9) << true << "C:\\Tools";
    QTest::newRow("string without zero byte") << true << true << 1u << QByteArray("C:\\Tools") << true << "C:\\Tools";
    QTest::newRow("number without zero bytes")
        << true << true << 4u << QByteArray("\x78\x56\x34\x12", 4) << true << "305419896";
    QTest::newRow("number whose high bytes are zero")
        << true << true << 4u << QByteArray("\xd2\x04\x00\x00", 4) << true << "1234";
    QTest::newRow("largest 32-bit number")
        << true << true << 4u << QByteArray("\xff\xff\xff\xff", 4) << true << "4294967295";
    QTest::newRow("other type keeps the caller's text")
        << true << true << 3u << QByteArray("\x01\x02", 2) << true << "caller's text";
    QTest::newRow("missing value empties the text") << true << false << 1u << QByteArray() << false << "";
    QTest::newRow("missing key empties the text") << false << false << 1u << QByteArray() << false << "";
}

void TestSystemInformation::registryValueReadAsText()
{
    QFETCH(bool, keyExists);
    QFETCH(bool, valueExists);
    QFETCH(quint32, type);
    QFETCH(QByteArray, data);
    QFETCH(bool, expectedRead);
    QFETCH(QString, expectedText);
    FakeSystemTools tools;
    if (keyExists)
        tools.addKey("SOFTWARE\\Test");
    if (valueExists)
        tools.setValue("SOFTWARE\\Test", "Value", type, data);

    QString text = "caller's text";
    const bool read =
        sysinfo::readKeyValue(tools, SystemTools::RegistryRoot::LocalMachine, "SOFTWARE\\Test", "Value", text);

    QCOMPARE(read, expectedRead);
    QCOMPARE(text, expectedText);
    QCOMPARE(tools.handlesClosed.size(), 1);
    if (keyExists) {
        QCOMPARE(tools.handlesClosed, tools.handlesOpened);
        QCOMPARE(tools.bufferSizes, QList<int>{1024});
    }
    QVERIFY(tools.everyOpenedKeyClosed());
}

void TestSystemInformation::toolFoundThroughTheRegistry_data()
{
    QTest::addColumn<QString>("registeredPath"); // empty: the first key is missing
    QTest::addColumn<QString>("toolFolder");     // empty: the second key is missing
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("expectedStarted");
    QTest::addColumn<QStringList>("expectedTried");
    QTest::addColumn<QStringList>("expectedKeys");

    const QString registered = "C:\\Program Files\\MSINFO\\MSINFO32.EXE";
    const QString inFolder = "C:\\Tools\\MSINFO32.EXE";
    const QStringList bothKeys = {kToolKey, kLocationKey};
    const auto row = [](const char* name, const QString& path, const QString& folder, const QString& file, bool started,
                        const QStringList& tried, const QStringList& keys) {
        QTest::newRow(name) << path << folder << QStringList{file} << started << tried << keys;
    };
    row("registered path exists", registered, "", registered, true, {registered}, {kToolKey});
    row("registered path gone, second key not tried", registered, "C:\\Tools", inFolder, false, {registered},
        {kToolKey});
    row("only the folder key, tool in it", "", "C:\\Tools", inFolder, true, {inFolder}, bothKeys);
    row("only the folder key, no tool in it", "", "C:\\Tools", registered, false, {}, bothKeys);
    row("no registry entries", "", "", inFolder, false, {}, bothKeys);
}

void TestSystemInformation::toolFoundThroughTheRegistry()
{
    QFETCH(QString, registeredPath);
    QFETCH(QString, toolFolder);
    QFETCH(QStringList, files);
    QFETCH(bool, expectedStarted);
    QFETCH(QStringList, expectedTried);
    QFETCH(QStringList, expectedKeys);
    FakeSystemTools tools;
    if (!registeredPath.isEmpty())
        tools.setValue(kToolKey, "PATH", SystemTools::StringValue, registryString(registeredPath));
    if (!toolFolder.isEmpty())
        tools.setValue(kLocationKey, "MSINFO", SystemTools::StringValue, registryString(toolFolder));
    tools.existingFiles = files;

    QCOMPARE(sysinfo::start(tools), expectedStarted);
    QCOMPARE(tools.processesTried, expectedTried);
    QCOMPARE(tools.keysAsked, expectedKeys);
    QVERIFY(tools.everyOpenedKeyClosed());
}

QTEST_APPLESS_MAIN(TestSystemInformation)
#include "test_system_information.moc"
