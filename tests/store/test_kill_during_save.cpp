#include "store/DataFolder.h"
#include "store/EquipmentList.h"
#include "store/FileNames.h"
#include "store/LeftoverFiles.h"
#include "tests/support/FileContents.h"
#include "tests/support/ProgramNames.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList plantLines(int version)
{
    return QStringList(16, QString::number(version).repeated(400));
}

QByteArray plantBytes(int version)
{
    QByteArray bytes;
    return encodeLines(plantLines(version), filenames::kPlantFile, bytes).ok() ? bytes : QByteArray();
}

// The result files of Recalculate All, saved together.
constexpr int kTogether = 40;
QString togetherFile(int file)
{
    return filenames::resultFile(QStringLiteral("P%1 press").arg(file, 3, 10, QLatin1Char('0')));
}

// Saves for ever, the way the program saves: the plant file, then the list with and without a
// name, then many files together.
[[noreturn]] void saveUntilKilled(const DataFolder& folder)
{
    for (int round = 0;; ++round) {
        (void)folder.replace(filenames::kPlantFile, plantLines(round % 2));
        if (round % 2)
            (void)equipmentlist::addIfAbsent(folder, QStringLiteral("Press, big"));
        else
            (void)equipmentlist::remove(folder, QStringLiteral("Press, big"));
        QList<DataFolder::FileContent> files;
        for (int file = 0; file < kTogether; ++file)
            files.append({togetherFile(file), plantBytes(round % 2)});
        (void)folder.replaceTogether(files);
    }
}

} // namespace

class TestKillDuringSave : public QObject {
    Q_OBJECT
private slots:
    void everyFileIsOldOrNewAfterAKill();
};

void TestKillDuringSave::everyFileIsOldOrNewAfterAKill()
{
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    QVERIFY(folder.replace(filenames::kPlantFile, plantLines(0)).ok());
    QVERIFY(folder.replace(filenames::kListFile, {"Kord"}).ok());
    const QList<QByteArray> plants = {plantBytes(0), plantBytes(1)};
    const QList<QByteArray> lists = {"Kord\r\n", "Kord\r\n\"Press, big\"\r\n"};
    QStringList expectedFiles = {"budget.fyl", "budget1.fyl", "primary.bud"};
    for (int file = 0; file < kTogether; ++file) {
        QVERIFY(folder.replace(togetherFile(file), plantLines(0)).ok());
        expectedFiles.append(togetherFile(file));
    }

    for (int kill = 0; kill < 200; ++kill) {
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0)
            saveUntilKilled(folder);
        usleep(QRandomGenerator::global()->bounded(1000, 15000));
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));

        QVERIFY2(plants.contains(contentOf(dir.filePath("primary.bud"))), qPrintable(QString::number(kill)));
        QVERIFY2(lists.contains(contentOf(dir.filePath("budget.fyl"))), contentOf(dir.filePath("budget.fyl")));
        for (int file = 0; file < kTogether; ++file)
            QVERIFY2(plants.contains(contentOf(dir.filePath(togetherFile(file)))), qPrintable(togetherFile(file)));
        (void)leftovers::removeLeftovers(folder);
        for (const QString& file : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            QVERIFY2(expectedFiles.contains(file), qPrintable(file));
    }
}

QTEST_APPLESS_MAIN(TestKillDuringSave)
#include "test_kill_during_save.moc"
