#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "forms/frmDelete.h"
#include "store/FileNames.h"

#include <QAction>
#include <QFile>
#include <QPointer>
#include <QSignalBlocker>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString kQuestion = QStringLiteral("Are you sure you wish to delete this file?\r\n");
const QString kNoNameMessage = QStringLiteral("You must have a valid File to Delete. Click OK and begin again");
} // namespace

class TestDeleteEquipment : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWithTheSavedNames_data();
    void opensWithTheSavedNames();
    void deletionFiltersTheFileAndDropsTheSelectedEntry_data();
    void deletionFiltersTheFileAndDropsTheSelectedEntry();
    void stoppedDeletionKeepsTheLists_data();
    void stoppedDeletionKeepsTheLists();
    void mainWindowKeepsItsChoiceWhenAnotherEntryGoes();
    void cancelClosesAndShowsTheMainWindow();

private:
    void openWith(const QStringList& savedNames);
    void writeList(const QStringList& names) { QVERIFY(m_ui->folder().replace(filenames::kListFile, names).ok()); }
    void clickEntry(int row);
    void chooseInMainWindow(int row);
    template <typename T> T* child(const char* name) const { return control<T>(m_delete, name); }
    QListWidget* lstDelete() const { return child<QListWidget>("lstDelete"); }
    QLineEdit* txtDelete() const { return child<QLineEdit>("txtDelete"); }
    QListWidget* listTitle() const { return m_ui->list(); }

    std::unique_ptr<MainWindowDriver> m_ui;
    QPointer<FrmDelete> m_delete;
};

void TestDeleteEquipment::init()
{
    m_ui = std::make_unique<MainWindowDriver>();
}
void TestDeleteEquipment::cleanup()
{
    m_ui.reset();
} // takes the delete window down with it

// The main window starts with the list, then the menu item opens the delete window.
void TestDeleteEquipment::openWith(const QStringList& savedNames)
{
    writeList(savedNames);
    m_ui->window().load();
    m_ui->platform().recordedMessages.shown.clear();
    m_ui->platform().recordedMessages.answers = {MessageBoxes::Answer::Yes, MessageBoxes::Answer::Yes}; // Delete twice
    m_ui->window().findChild<QAction*>("mnuDelete")->trigger();
    m_delete = m_ui->window().findChild<FrmDelete*>();
    QVERIFY(m_delete);
}

void TestDeleteEquipment::clickEntry(int row)
{
    QListWidget* list = lstDelete();
    QVERIFY(QTest::qWaitForWindowExposed(m_delete));
    const QRect place = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

void TestDeleteEquipment::opensWithTheSavedNames_data()
{
    QTest::addColumn<bool>("listFileExists");
    QTest::addColumn<QStringList>("expectedEntries");
    QTest::addColumn<QStringList>("expectedMessages");
    QTest::newRow("list file with a name twice") << true << QStringList{"Kord", "AB Press 2", "Kord"} << QStringList{};
    QTest::newRow("no list file") << false << QStringList{} << QStringList{kNoListMessage};
}

void TestDeleteEquipment::opensWithTheSavedNames()
{
    QFETCH(bool, listFileExists);
    QFETCH(QStringList, expectedEntries);
    QFETCH(QStringList, expectedMessages);
    if (listFileExists)
        writeList(expectedEntries);
    m_ui->window().show();

    m_ui->window().findChild<QAction*>("mnuDelete")->trigger();
    m_ui->window().findChild<QAction*>("mnuDelete")->trigger(); // a second time only brings it to the front

    const QList<FrmDelete*> windows = m_ui->window().findChildren<FrmDelete*>();
    QCOMPARE(windows.size(), 1);
    m_delete = windows.first();
    QVERIFY(m_delete->isVisible());
    QVERIFY(!m_delete->isModal());
    QCOMPARE(entries(lstDelete()), expectedEntries);
    QVERIFY(txtDelete()->text().isEmpty());
    QCOMPARE(m_ui->messages(), expectedMessages);
}

void TestDeleteEquipment::deletionFiltersTheFileAndDropsTheSelectedEntry_data()
{
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<int>("clickedRow"); // -1: no entry chosen
    QTest::addColumn<QString>("typed");  // replaces what the click put in the box
    QTest::addColumn<QByteArray>("expectedFile");
    QTest::addColumn<QStringList>("expectedEntries");
    QTest::addColumn<QByteArray>("expectedCopy");

    QTest::newRow("name on two lines") << QStringList{"Kord", "Press", "Kord"} << 2 << QString()
                                       << QByteArray("Press\r\n") << QStringList{"Kord", "Press"}
                                       << QByteArray("<missing>");
    QTest::newRow("letter case counts") << QStringList{"Press", "press"} << 1 << QString() << QByteArray("Press\r\n")
                                        << QStringList{"Press"} << QByteArray("<missing>");
    QTest::newRow("typed name without a match")
        << QStringList{"Kord", "Press"} << 0 << "Heidelberg" << QByteArray("Kord\r\nPress\r\n") << QStringList{"Press"}
        << QByteArray("Kord\r\nPress\r\n");
    QTest::newRow("no entry chosen") << QStringList{"Kord", "Press"} << -1 << "Kord" << QByteArray("Press\r\n")
                                     << QStringList{"Kord", "Press"} << QByteArray("<missing>");
}

void TestDeleteEquipment::deletionFiltersTheFileAndDropsTheSelectedEntry()
{
    QFETCH(QStringList, saved);
    QFETCH(int, clickedRow);
    QFETCH(QString, typed);
    QFETCH(QByteArray, expectedFile);
    QFETCH(QStringList, expectedEntries);
    QFETCH(QByteArray, expectedCopy);
    const QStringList ownFiles = {"Kord2", "Kord3", "Kord4", "Kord55", "Kord6"}; // stay behind
    for (const QString& file : ownFiles)
        QVERIFY(m_ui->folder().replace(file, {"42"}).ok());
    openWith(saved);
    m_ui->tabs()->setCurrentIndex(FrmTab::WagesAndEfficiency);
    m_ui->box("txtTitle")->setText("Komori 1");
    if (clickedRow >= 0) {
        clickEntry(clickedRow);
        QCOMPARE(txtDelete()->text(), saved.at(clickedRow));
    }
    if (!typed.isNull()) {
        txtDelete()->clear();
        QTest::keyClicks(txtDelete(), typed);
    }

    QTest::mouseClick(child<QPushButton>("cmdDelete"), Qt::LeftButton);

    QCOMPARE(m_ui->fileBytes("budget.fyl"), expectedFile);
    QCOMPARE(m_ui->fileBytes("budget1.fyl"), expectedCopy);
    QCOMPARE(entries(lstDelete()), expectedEntries);
    QCOMPARE(entries(listTitle()), expectedEntries);
    QCOMPARE(m_ui->messages(), QStringList{kQuestion});
    QVERIFY(m_ui->platform().recordedMessages.shown.first().question);
    QVERIFY(txtDelete()->text().isEmpty());
    QVERIFY(m_ui->box("txtTitle")->text().isEmpty());
    QCOMPARE(m_ui->window().currentName(), QString());
    QCOMPARE(m_ui->tabs()->currentIndex(), 0);
    QVERIFY(m_delete->isVisible());
    QVERIFY(lstDelete()->selectedItems().isEmpty()); // a second Delete takes no neighbour along
    for (const QString& file : ownFiles)
        QCOMPARE(m_ui->fileBytes(file), QByteArray("42\r\n"));
}

void TestDeleteEquipment::stoppedDeletionKeepsTheLists_data()
{
    QTest::addColumn<int>("clickedRow"); // -1: no entry chosen
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<QStringList>("expectedMessages"); // after a blocker, the file the last one names
    QTest::newRow("answered No") << 0 << false << QString() << QStringList{kQuestion};
    QTest::newRow("empty name") << -1 << true << QString() << QStringList{kQuestion, kNoNameMessage};
    QTest::newRow("copy cannot be written")
        << 0 << true << QString("make budget1.fyl a folder") << QStringList{kQuestion, "budget1.fyl"};
    QTest::newRow("list file gone since the window opened")
        << 0 << true << QString("remove budget.fyl") << QStringList{kQuestion, "budget.fyl"};
}

void TestDeleteEquipment::stoppedDeletionKeepsTheLists()
{
    QFETCH(int, clickedRow);
    QFETCH(bool, answerYes);
    QFETCH(QString, blocker);
    QFETCH(QStringList, expectedMessages);
    openWith({"Kord", "Press"});
    m_ui->tabs()->setCurrentIndex(FrmTab::IndirectCosts);
    if (clickedRow >= 0)
        clickEntry(clickedRow);
    m_ui->platform().recordedMessages.answers = {answerYes ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No};
    if (blocker == "make budget1.fyl a folder")
        m_ui->blockFile("budget1.fyl");
    else if (!blocker.isEmpty())
        QVERIFY(QFile::remove(m_ui->path("budget.fyl")));

    QTest::mouseClick(child<QPushButton>("cmdDelete"), Qt::LeftButton);

    const QStringList messages = m_ui->messages();
    QCOMPARE(messages.size(), expectedMessages.size());
    QCOMPARE(messages.first(), kQuestion);
    QCOMPARE(m_ui->platform().recordedMessages.shown.first().defaultAnswer, MessageBoxes::Answer::No); // Enter keeps
    if (blocker.isEmpty())
        QCOMPARE(messages, expectedMessages);
    else
        QVERIFY2(messages.last().contains(expectedMessages.last()), qPrintable(messages.last()));
    if (blocker != "remove budget.fyl")
        QCOMPARE(m_ui->fileBytes("budget.fyl"), QByteArray("Kord\r\nPress\r\n"));
    if (blocker.isEmpty())
        QVERIFY(!m_ui->fileExists("budget1.fyl"));
    QCOMPARE(entries(lstDelete()), (QStringList{"Kord", "Press"}));
    QCOMPARE(entries(listTitle()), (QStringList{"Kord", "Press"}));
    QCOMPARE(txtDelete()->text(), clickedRow >= 0 ? "Kord" : ""); // still there to try again
    QCOMPARE(m_ui->tabs()->currentIndex(), int(FrmTab::IndirectCosts));
}

// Losing an entry is not a click on the main window's list: no neighbour is chosen (and so
// loaded) in its place, and an entry chosen elsewhere in the list stays chosen.
void TestDeleteEquipment::mainWindowKeepsItsChoiceWhenAnotherEntryGoes()
{
    openWith({"Kord", "Press", "Heidelberg"});
    chooseInMainWindow(2);
    clickEntry(0);
    QSignalSpy rowChanges(listTitle(), &QListWidget::currentRowChanged);

    QTest::mouseClick(child<QPushButton>("cmdDelete"), Qt::LeftButton);

    QCOMPARE(entries(listTitle()), (QStringList{"Press", "Heidelberg"}));
    QCOMPARE(listTitle()->currentItem()->text(), "Heidelberg");

    chooseInMainWindow(0);
    clickEntry(0);
    QTest::mouseClick(child<QPushButton>("cmdDelete"), Qt::LeftButton);

    QCOMPARE(entries(listTitle()), QStringList{"Heidelberg"});
    QCOMPARE(listTitle()->currentRow(), -1);
    QVERIFY(listTitle()->selectedItems().isEmpty());
    QCOMPARE(rowChanges.count(), 0);
}

// Marks the entry as chosen without running the main window's own loading.
void TestDeleteEquipment::chooseInMainWindow(int row)
{
    const QSignalBlocker quiet(listTitle());
    listTitle()->setCurrentRow(row);
}

void TestDeleteEquipment::cancelClosesAndShowsTheMainWindow()
{
    openWith({"Kord"});
    m_ui->window().hide();

    QTest::mouseClick(child<QPushButton>("cmdDelCancel"), Qt::LeftButton);

    QTRY_VERIFY(m_delete.isNull());
    QVERIFY(m_ui->window().isVisible());
    QCOMPARE(m_ui->fileBytes("budget.fyl"), QByteArray("Kord\r\n"));
}

QTEST_MAIN(TestDeleteEquipment)
#include "test_delete_equipment.moc"
