#include "store/DataFolder.h"
#include "store/EquipmentList.h"
#include "store/FieldReader.h"
#include "store/FieldText.h"
#include "store/FileNames.h"
#include "store/HandOverFiles.h"
#include "store/LeftoverFiles.h"
#include "store/PricingFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ProgramNames.h"

#include "tests/support/FileContents.h"
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <QTest>

#include <sys/stat.h>

class TestDataFiles : public QObject {
    Q_OBJECT
private slots:
    void fileNames_data();
    void fileNames();
    void fieldRule_data();
    void fieldRule();
    void valuesReadBackAsTyped_data();
    void valuesReadBackAsTyped();
    void valuesThatCannotReadBackAreRefused_data();
    void valuesThatCannotReadBackAreRefused();
    void singleByteTextRoundTrip();
    void replaceFailingMidwayKeepsTheOldFile();
    void replaceIntoAMissingFolderIsReported();
    void hostileNames_data();
    void hostileNames();
    void fullDiskKeepsEveryOldFile_data();
    void fullDiskKeepsEveryOldFile();
    void startUpCleanUpKeepsEveryDataFile_data();
    void startUpCleanUpKeepsEveryDataFile();
    void missingFileIsToldApart();
};

void TestDataFiles::fileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("input2");
    QTest::addColumn<QString>("pricing");
    QTest::addColumn<QString>("result");
    const auto row = [](const char* name, const char* equipment, const char* stem, const char* input2,
                        const char* pricing, const char* result) {
        QTest::newRow(name) << QString(equipment) << QString(stem) << QString(input2) << QString(pricing)
                            << QString(result);
    };
    row("blank kept in stem, replaced in result", "AB Press 2", "AB Pres", "AB Pres2", "AB Pres6", "AB_Pres55");
    row("short name is its own stem", "Kord", "Kord", "Kord2", "Kord6", "Kord55");
    row("Komori 1 shares a stem", "Komori 1", "Komori ", "Komori 2", "Komori 6", "Komori_55");
    row("Komori 2 shares a stem", "Komori 2", "Komori ", "Komori 2", "Komori 6", "Komori_55");
    row("every blank replaced", "A B C", "A B C", "A B C2", "A B C6", "A_B_C55");
    row("case and other characters kept", "heidel-Berg", "heidel-", "heidel-2", "heidel-6", "heidel-55");
}

void TestDataFiles::fileNames()
{
    QFETCH(QString, name);
    QFETCH(QString, stem);
    QFETCH(QString, input2);
    QFETCH(QString, pricing);
    QFETCH(QString, result);
    QCOMPARE(filenames::stem(name), stem);
    QCOMPARE(filenames::inputFile(name, 2), input2);
    QCOMPARE(filenames::pricingFile(name), pricing);
    QCOMPARE(filenames::resultFile(name), result);
}

void TestDataFiles::fieldRule_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("comma splits a value") << QByteArray("1,500\r\n") << QStringList{"1", "500"};
    QTest::newRow("quoted value keeps its comma") << QByteArray("\"Smith, John\"\r\n") << QStringList{"Smith, John"};
    QTest::newRow("text after a closing quote is dropped")
        << QByteArray("\"q\" junk,next\r\n") << QStringList{"q", "next"};
    QTest::newRow("empty lines are empty values") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
    QTest::newRow("leading blanks skipped") << QByteArray("   lead\r\n") << QStringList{"lead"};
    QTest::newRow("trailing blanks kept") << QByteArray("trail  \r\n") << QStringList{"trail  "};
    QTest::newRow("blank line is one empty value") << QByteArray("   \r\nx\r\n") << QStringList{"", "x"};
    QTest::newRow("line feed alone ends a line") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("comma at line end gives an empty value") << QByteArray("a,\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("last line without line end") << QByteArray("x\r\nlast") << QStringList{"x", "last"};
    QTest::newRow("number form") << QByteArray(" 1234.5 \r\n\r\n-.25 \r\n") << QStringList{"1234.5 ", "", "-.25 "};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("quote left open ends with its line")
        << QByteArray("\"Kord\r\nPress\r\n") << QStringList{"Kord", "Press"};
}

void TestDataFiles::fieldRule()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, values);
    FieldReader reader(QString::fromLatin1(content));
    QCOMPARE(reader.atEnd(), values.isEmpty());
    QStringList read;
    while (const std::optional<QString> value = reader.next())
        read.append(*value);
    QCOMPARE(read, values);
    QVERIFY(reader.atEnd());
    QCOMPARE(reader.next(), std::nullopt); // reading past the end fails every time
}

void TestDataFiles::valuesReadBackAsTyped_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("plain value as before") << "76200" << QByteArray("76200") << "76200";
    QTest::newRow("comma in an amount") << "$76,200" << QByteArray("\"$76,200\"") << "$76,200";
    QTest::newRow("comma in a name") << "Press, big" << QByteArray("\"Press, big\"") << "Press, big";
    QTest::newRow("comma after blanks keeps them") << "  1,500" << QByteArray("\"  1,500\"") << "  1,500";
    QTest::newRow("double quote inside") << "12\" sheet" << QByteArray("12\" sheet") << "12\" sheet";
    QTest::newRow("number form loses only its blank") << " 1234.5 " << QByteArray(" 1234.5 ") << "1234.5 ";
    QTest::newRow("empty") << "" << QByteArray() << "";
}

void TestDataFiles::valuesReadBackAsTyped()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, line);
    QFETCH(QString, readBack);
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    QVERIFY(folder.replace(QStringLiteral("Kord4"), {value, "next"}).ok());
    QCOMPARE(contentOf(dir.filePath("Kord4")), line + "\r\nnext\r\n");
    QCOMPARE(folder.read(QStringLiteral("Kord4")).fields.rest(), (QStringList{readBack, "next"}));
}

void TestDataFiles::valuesThatCannotReadBackAreRefused_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("told"); // what the message says of it
    QTest::newRow("begins with a double quote") << QString("\"12") << QString("begin with a double quote");
    QTest::newRow("comma and double quote")
        << QString("12\", wide") << QString("comma cannot also hold a double quote");
    QTest::newRow("line end") << QString("a\nb") << QString("line end");
    QTest::newRow("character one byte cannot hold") << QString("\u65e5\u672c") << QString("\u65e5");
}

// Nothing is written: the old file stays, and a list file that was missing is not created.
void TestDataFiles::valuesThatCannotReadBackAreRefused()
{
    QFETCH(QString, value);
    QFETCH(QString, told);
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    QVERIFY(folder.replace(QStringLiteral("Kord2"), {"old"}).ok());
    const StoreResult replaced = folder.replace(QStringLiteral("Kord2"), {"new", value});
    QVERIFY2(!replaced.ok() && replaced.error.contains("Kord2") && replaced.error.contains(told),
             qPrintable(replaced.error));
    QCOMPARE(contentOf(dir.filePath("Kord2")), QByteArray("old\r\n"));
    QVERIFY(!folder.append(filenames::kListFile, value).ok());
    QVERIFY(!folder.exists(filenames::kListFile));
}

void TestDataFiles::singleByteTextRoundTrip()
{
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    const QString name = QStringLiteral("Pr\u00e4ge \u20ac\u201cA\u201d");
    QVERIFY(folder.replace(filenames::kNameFile, {name}).ok());
    QCOMPARE(contentOf(dir.filePath("Name.tmp")), QByteArray("Pr\xe4ge \x80\x93"
                                                             "A\x94\r\n"));
    OpenedFile file = folder.read(filenames::kNameFile);
    QCOMPARE(file.fields.next(), std::optional<QString>(name));

    QVERIFY(writeBytes(dir.filePath("raw"), QByteArray("\x81\x9f\xff\r\n")));
    QCOMPARE(folder.read(QStringLiteral("raw")).fields.next(),
             std::optional<QString>(QStringLiteral("\u0081\u0178\u00ff")));
}

void TestDataFiles::replaceFailingMidwayKeepsTheOldFile()
{
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    QVERIFY(folder.replace(filenames::kPlantFile, {"7.65", "76200"}).ok());
    QByteArray bytes;
    QVERIFY(encodeLines(QStringList(16, QStringLiteral("123456")), filenames::kPlantFile, bytes).ok());

    QSaveFile file(folder.filePath(filenames::kPlantFile));
    StoreResult written;
    {
        const FileSizeLimit fullDisk(20);
        QVERIFY(fullDisk.active());
        written = writeAtomically(file, bytes);
    }

    QVERIFY(!written.ok());
    QVERIFY2(written.error.contains("primary.bud") && written.error.contains("could not be written in full"),
             qPrintable(written.error));
    QCOMPARE(contentOf(dir.filePath("primary.bud")), QByteArray("7.65\r\n76200\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"primary.bud"});
}

void TestDataFiles::replaceIntoAMissingFolderIsReported()
{
    QTemporaryDir dir;
    const DataFolder folder(dir.filePath("gone"));
    const StoreResult written = folder.replace(filenames::kNameFile, {"Kord"});
    QVERIFY(!written.ok());
    QVERIFY(written.error.contains("Name.tmp"));
    QVERIFY(!folder.append(filenames::kListFile, "Kord").ok());
}

void TestDataFiles::hostileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("colon first") << ":Press B" << true;
    QTest::newRow("colon alone") << ":x" << true;
    QTest::newRow("dot dot") << ".." << true;
    QTest::newRow("trailing blanks") << "Kord  " << true;
    QTest::newRow("parent folder") << "../x" << false;
    QTest::newRow("sub folder") << "a/b" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("empty character") << QString(QChar(0)) + "x" << false;
    QTest::newRow("empty character past the stem") << "Kord 12" + QString(QChar(0)) << false;
    QTest::newRow("leading blanks") << "  Kord" << false;
    QTest::newRow("blanks only") << "   " << false;
    QTest::newRow("longer than the name box") << QString(filenames::kLongestName + 1, u'K') << false;
    QTest::newRow("leading double quote") << "\"Kord" << false;
}

// Whatever a name holds, every file it names lies in the program folder, and a name the list
// file could not give back is refused before anything is written.
void TestDataFiles::hostileNames()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("program"));
    const DataFolder folder(dir.filePath("program"));
    const QString problem = filenames::nameProblem(name);
    QCOMPARE(problem.isEmpty(), accepted);
    QVERIFY2(problem.size() < 300, qPrintable(problem)); // a long name is quoted cut short

    int written = 0;
    for (const QString& file :
         {filenames::inputFile(name, 2), filenames::pricingFile(name), filenames::resultFile(name)}) {
        written += folder.replace(file, {"1"}).ok();
        if (accepted)
            QCOMPARE(QFileInfo(folder.filePath(file)).absolutePath(),
                     QFileInfo(dir.filePath("program")).absoluteFilePath());
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"program"});
    QCOMPARE(QDir(dir.filePath("program")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
             written);
    if (accepted)
        QCOMPARE(written, 3);
}

void TestDataFiles::fullDiskKeepsEveryOldFile_data()
{
    using Save = std::function<StoreResult(const DataFolder&)>;
    QTest::addColumn<Save>("save");
    QTest::addColumn<QString>("file");
    QTest::newRow("plant file") << Save([](const DataFolder& f) {
        return f.replace(filenames::kPlantFile, QStringList(16, QStringLiteral("123456789")));
    }) << "primary.bud";
    QTest::newRow("list append") << Save([](const DataFolder& f) {
        return equipmentlist::addIfAbsent(f, QStringLiteral("A long new equipment name"));
    }) << "budget.fyl";
    QTest::newRow("list removal") << Save([](const DataFolder& f) {
        return equipmentlist::remove(f, QStringLiteral("old")).result;
    }) << "budget1.fyl";
    QTest::newRow("name file") << Save([](const DataFolder& f) {
        return handover::writeName(f, QStringLiteral("A long new equipment name"));
    }) << "Name.tmp";
    QTest::newRow("pricing file") << Save([](const DataFolder& f) {
        return savePricingFile(f, QStringLiteral("Kord"), PricingFields{"1000", "10000", "500", "2500", "25", "55"});
    }) << "Kord6";
}

// A file may not grow past 24 bytes, as on a disk that is full: each save must say so, naming
// its file, and leave every file as it was.
void TestDataFiles::fullDiskKeepsEveryOldFile()
{
    QFETCH(std::function<StoreResult(const DataFolder&)>, save);
    QFETCH(QString, file);
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    const QStringList names = {"primary.bud", "budget.fyl", "Name.tmp", "Kord6"};
    for (const QString& name : names)
        QVERIFY(folder.replace(name, {"old", "older", "oldest equipment name"}).ok());
    StoreResult saved;
    {
        const FileSizeLimit fullDisk(24);
        QVERIFY(fullDisk.active());
        saved = save(folder);
    }
    QVERIFY(!saved.ok());
    QVERIFY2(saved.error.contains(file) && saved.error.contains("could not be written in full"),
             qPrintable(saved.error));
    for (const QString& name : names)
        QCOMPARE(contentOf(dir.filePath(name)), QByteArray("old\r\nolder\r\noldest equipment name\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), names.size());
}

void TestDataFiles::startUpCleanUpKeepsEveryDataFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("survives");
    // Listed: K, K2.Press 1 and AB Press 2.
    QTest::newRow("result file of K2.Press 1, beside K's files") << "K2.Pres55" << true;
    QTest::newRow("input file of K") << "K2" << true;
    QTest::newRow("result file of K") << "K55" << true;
    QTest::newRow("input file of K2.Press 1") << "K2.Pres3" << true;
    QTest::newRow("input file with a blank") << "AB Pres2" << true;
    QTest::newRow("result file with a blank turned") << "AB_Pres55" << true;
    QTest::newRow("file of a name taken off the list") << "Gone6" << true;
    QTest::newRow("a file of the user's own") << "notes.txt.aBcDeF.partial" << true;
    QTest::newRow("cut-off save of the plant file") << "primary.bud.aB3dEf.partial" << false;
    QTest::newRow("cut-off save of the list") << "budget.fyl.QwErTy.partial" << false;
    QTest::newRow("cut-off save of a result file") << "K2.Pres55.Zx9yW1.partial" << false;
    QTest::newRow("cut-off save of an input file") << "AB Pres2.xYzAbC.partial" << false;
    QTest::newRow("cut-off save of an unlisted name's file") << "Gone6.kLmNoP.partial" << false;
    QTest::newRow("an earlier version's cut-off save") << "budget.fyl.QwErTy" << false;
    QTest::newRow("an earlier version's, of an unlisted name") << "Gone6.aBcDeF" << true;
    QTest::newRow("a saved job") << "Posters A2.job" << true;
    QTest::newRow("cut-off save of a job") << "Posters A2.job.aB3dEf.partial" << false;
    QTest::newRow("cut-off save of the press figures") << "Press speeds.dat.QwErTy.partial" << false;
}

// A start removes what a cut-off save left behind and never a file that is, or could be, a
// name's data file.
void TestDataFiles::startUpCleanUpKeepsEveryDataFile()
{
    QFETCH(QString, file);
    QFETCH(bool, survives);
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    QVERIFY(folder.replace(filenames::kListFile, {"K", "K2.Press 1", "AB Press 2"}).ok());
    QVERIFY(writeBytes(dir.filePath(file), "x\r\n"));
    const QStringList removed = leftovers::removeLeftovers(folder);
    QCOMPARE(QFile::exists(dir.filePath(file)), survives);
    QCOMPARE(removed, survives ? QStringList() : QStringList{file});
    QVERIFY(QFile::exists(dir.filePath("budget.fyl")));
}

// A missing file is told apart from a folder or a named pipe in a file's place, which are refused
// at once: a pipe is never waited on.
void TestDataFiles::missingFileIsToldApart()
{
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    QVERIFY(QDir(dir.path()).mkdir("Kord2") && ::mkfifo(QFile::encodeName(folder.filePath("Kord4")), 0600) == 0);
    for (const auto& [name, state] :
         {std::pair{"Kord3", FileState::Missing}, {"Kord2", FileState::Unreadable}, {"Kord4", FileState::Unreadable}}) {
        const OpenedFile file = folder.read(QString::fromLatin1(name));
        QCOMPARE(file.state, state);
        QVERIFY(file.error.contains(QLatin1String(name)));
    }
    QVERIFY(filenames::nameProblem(QStringLiteral("Press 1/2 sheet")).isEmpty()); // slash past the stem
}

QTEST_APPLESS_MAIN(TestDataFiles)
#include "test_data_files.moc"
