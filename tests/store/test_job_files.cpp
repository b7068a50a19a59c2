// The files a job costed on every center leaves in the data folder: each saved job, and the
// press figures typed for the next job; their names, and that they read back whole.

#include "store/FileNames.h"
#include "store/JobFile.h"
#include "store/PressFigures.h"
#include "tests/support/FileContents.h"
#include "tests/support/ProgramNames.h"

#include <QTemporaryDir>
#include <QTest>

#include <random>

Q_DECLARE_METATYPE(jobfile::SavedJob)

class TestJobFiles : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void jobFileNames_data();
    void jobFileNames();
    void noEquipmentNameGivesAJobOrFiguresFile();
    void jobReadsBackWhole_data();
    void jobReadsBackWhole();
    void jobFileCutShort();
    void pressFiguresKeptForTheNextJob();

private:
    DataFolder folder() const { return DataFolder(m_dir->path()); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestJobFiles::jobFileNames_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("plain") << QString("Posters A2") << QString("Posters A2.job");
    QTest::newRow("comma and quotes as one blank each")
        << QString("Flyers, \"gloss\" A5") << QString("Flyers gloss A5.job");
    QTest::newRow("slash and dots") << QString("Menus 1/2 p.m.") << QString("Menus 1 2 p m.job");
    QTest::newRow("letters beyond plain ones")
        << QString("Cafe\u0301 cre\u0300me 2024") << QString("Cafe cre me 2024.job");
    QTest::newRow("an equipment's own name") << QString("Kord2") << QString("Kord2.job");
    QTest::newRow("no letter or digit") << QString("*** !!") << QString("");
    QTest::newRow("long: 60 characters") << QString(70, u'x') << QString(60, u'x') + ".job";
}

void TestJobFiles::jobFileNames()
{
    QFETCH(QString, description);
    QFETCH(QString, fileName);
    QCOMPARE(filenames::jobFile(description), fileName);
}

// Every file an equipment name gives ends in a digit, so no job file or the figures file can
// ever be one of them, whatever the name.
void TestJobFiles::noEquipmentNameGivesAJobOrFiguresFile()
{
    std::mt19937 random(25);
    const QString characters = QStringLiteral("Ab z.9job dat,Press speeds\"_-");
    for (int run = 0; run < 2000; ++run) {
        QString name;
        const int length = 1 + int(random() % 12);
        for (int i = 0; i < length; ++i)
            name += characters[int(random() % characters.size())];
        const QStringList files = {filenames::inputFile(name, 2), filenames::inputFile(name, 3),
                                   filenames::inputFile(name, 4), filenames::pricingFile(name),
                                   filenames::resultFile(name)};
        for (const QString& file : files) {
            QVERIFY2(!file.endsWith(filenames::kJobExtension), qPrintable(file));
            QVERIFY2(file != filenames::kPressFiguresFile, qPrintable(file));
        }
    }
}

void TestJobFiles::jobReadsBackWhole_data()
{
    QTest::addColumn<jobfile::SavedJob>("job");
    QTest::addColumn<QStringList>("lines"); // as the file holds them
    QTest::newRow("plain") << jobfile::SavedJob{"Posters A2", "500", "25", 1, ""}
                           << QStringList{"Posters A2", "500", "25", "1", ""};
    // The quotes are written as %22, so the comma can be kept inside quotes as in every file.
    QTest::newRow("comma and quotes") << jobfile::SavedJob{"Flyers, \"gloss\" A5", "12,000", "30", 2, "Kord, 2"}
                                      << QStringList{"\"Flyers, %22gloss%22 A5\"", "\"12,000\"", "30", "2",
                                                     "\"Kord, 2\""};
    QTest::newRow("begins with a quote, holds a percent")
        << jobfile::SavedJob{"\"Rush\" cards, 10% off", "250", "12.5", 4, "AB Press 2"}
        << QStringList{"\"%22Rush%22 cards, 10%25 off\"", "250", "12.5", "4", "AB Press 2"};
    QTest::newRow("codes typed as such") << jobfile::SavedJob{"Lot %22 and %25", "1", "0", 3, ""}
                                         << QStringList{"Lot %2522 and %2525", "1", "0", "3", ""};
    QTest::newRow("leading blank") << jobfile::SavedJob{" Letterheads", "", "", 1, ""}
                                   << QStringList{"\" Letterheads\"", "", "", "1", ""};
}

void TestJobFiles::jobReadsBackWhole()
{
    QFETCH(jobfile::SavedJob, job);
    QFETCH(QStringList, lines);
    QVERIFY(jobfile::save(folder(), job).ok());
    const QString fileName = filenames::jobFile(job.description);
    QCOMPARE(contentOf(folder().filePath(fileName)), lines.join("\r\n").toLatin1() + "\r\n");
    const jobfile::LoadedJob loaded = jobfile::load(folder(), fileName);
    QCOMPARE(loaded.error, QString());
    QCOMPARE(loaded.job, job);
    const QList<jobfile::Listed> listed = jobfile::listSaved(folder());
    QCOMPARE(listed.size(), 1);
    QCOMPARE(listed.first().description, job.description);
    QCOMPARE(listed.first().fileName, fileName);
}

void TestJobFiles::jobFileCutShort()
{
    QVERIFY(writeBytes(folder().filePath("Posters.job"), "Posters\r\n500\r\n"));
    QCOMPARE(jobfile::load(folder(), "Posters.job").error, "The job file Posters.job is cut short.");
    QCOMPARE(jobfile::save(folder(), {"***", "1", "1", 1, ""}).error,
             "The job cannot be saved: its description needs a letter or a digit to name its file.");
}

void TestJobFiles::pressFiguresKeptForTheNextJob()
{
    QCOMPARE(pressfigures::load(folder()).figures, pressfigures::ByCenter());
    QVERIFY(pressfigures::remember(folder(), "Kord", {"8000", "20"}).ok());
    QVERIFY(pressfigures::remember(folder(), "AB Press, 2", {"12,000", ""}).ok());
    QVERIFY(pressfigures::remember(folder(), "Kord", {"9000", "25"}).ok());
    QCOMPARE(contentOf(folder().filePath(filenames::kPressFiguresFile)),
             "\"AB Press, 2\"\r\n\"12,000\"\r\n\r\nKord\r\n9000\r\n25\r\n");
    const pressfigures::Loaded loaded = pressfigures::load(folder());
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.figures, pressfigures::ByCenter({{"AB Press, 2", {"12,000", ""}}, {"Kord", {"9000", "25"}}}));

    // Empty figures forget the center; a file that cannot be read is never written over.
    QVERIFY(pressfigures::remember(folder(), "Kord", {}).ok());
    QCOMPARE(pressfigures::load(folder()).figures.keys(), QStringList{"AB Press, 2"});
    QVERIFY(QFile::remove(folder().filePath(filenames::kPressFiguresFile)));
    QVERIFY(QDir(folder().path()).mkdir(filenames::kPressFiguresFile));
    QVERIFY(!pressfigures::load(folder()).ok());
    QVERIFY(!pressfigures::remember(folder(), "Kord", {"1", "1"}).ok());
    QVERIFY(QFileInfo(folder().filePath(filenames::kPressFiguresFile)).isDir());
}

QTEST_GUILESS_MAIN(TestJobFiles)
#include "test_job_files.moc"
