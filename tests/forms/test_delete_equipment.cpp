#include "FileNames.h"
#include "Platform.h"
#include "frmDelete.h"
#include "frmTab.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kNoListMessage =
    QStringLiteral("Be certain that you have an KVT folder\r\nOn your C Drive. If Not, Create One.");
const QString kQuestion = QStringLiteral("Are you sure you wish to delete this file?\r\n");
const QString kNoNameMessage = QStringLiteral("You must have a valid File to Delete. Click OK and begin again");

QStringList entries(const QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
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
    void deletionStopsBeforeTouchingTheList_data();
    void deletionStopsBeforeTouchingTheList();
    void failedRemovalIsReportedAndListsStay_data();
    void failedRemovalIsReportedAndListsStay();
    void deletedEquipmentKeepsItsFiles();
    void mainWindowKeepsItsChoiceWhenAnotherEntryGoes();
    void cancelClosesAndShowsTheMainWindow();

private:
    void openWith(const QStringList& savedNames);
    void writeList(const QStringList& names)
    {
        QVERIFY(m_platform->folder().replace(filenames::kListFile, names).ok());
    }
    void clickEntry(int row);
    void chooseInMainWindow(int row);
    template <typename T> T* child(const char* name) const
    {
        T* widget = m_delete ? m_delete->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        if (!widget)
            qWarning("no control %s", name);
        return widget;
    }
    QListWidget* lstDelete() const { return child<QListWidget>("lstDelete"); }
    QLineEdit* txtDelete() const { return child<QLineEdit>("txtDelete"); }
    QListWidget* listTitle() const { return m_tab->findChild<QListWidget*>("listTitle"); }
    QLineEdit* txtTitle() const { return m_tab->findChild<QLineEdit*>("txtTitle"); }
    QTabWidget* tabs() const { return m_tab->findChild<QTabWidget*>("SSTab1"); }
    QString path(const QString& file) const { return m_dir->filePath(file); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordedPlatform> m_platform;
    std::unique_ptr<FrmTab> m_tab;
    QPointer<FrmDelete> m_delete;
};

void TestDeleteEquipment::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_platform = std::make_unique<RecordedPlatform>(m_dir->path(), 2031);
    m_tab = std::make_unique<FrmTab>(*m_platform);
}

void TestDeleteEquipment::cleanup()
{
    m_tab.reset(); // takes the delete window down with it
    m_platform.reset();
    m_dir.reset();
}

// The main window starts with the list, then the menu item opens the delete window.
void TestDeleteEquipment::openWith(const QStringList& savedNames)
{
    writeList(savedNames);
    m_tab->load();
    m_platform->recordedMessages.shown.clear();
    m_tab->findChild<QAction*>("mnuDelete")->trigger();
    m_delete = m_tab->findChild<FrmDelete*>();
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
    QTest::newRow("list file with a name twice")
        << true << QStringList{"Kord", "AB Press 2", "Kord"} << QStringList{};
    QTest::newRow("no list file") << false << QStringList{} << QStringList{kNoListMessage};
}

void TestDeleteEquipment::opensWithTheSavedNames()
{
    QFETCH(bool, listFileExists);
    QFETCH(QStringList, expectedEntries);
    QFETCH(QStringList, expectedMessages);
    if (listFileExists)
        writeList(expectedEntries);
    m_tab->show();

    m_tab->findChild<QAction*>("mnuDelete")->trigger();
    m_tab->findChild<QAction*>("mnuDelete")->trigger(); // a second time only brings it to the front

    const QList<FrmDelete*> windows = m_tab->findChildren<FrmDelete*>();
    QCOMPARE(windows.size(), 1);
    m_delete = windows.first();
    QVERIFY(m_delete->isVisible());
    QVERIFY(!m_delete->isModal());
    QCOMPARE(m_delete->windowTitle(), "Delete Equipment in List");
    QCOMPARE(entries(lstDelete()), expectedEntries);
    QVERIFY(txtDelete()->text().isEmpty());
    QCOMPARE(m_platform->recordedMessages.texts(), expectedMessages);
}

void TestDeleteEquipment::deletionFiltersTheFileAndDropsTheSelectedEntry_data()
{
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<int>("clickedRow"); // -1: no entry chosen
    QTest::addColumn<QString>("typed"); // replaces what the click put in the box
    QTest::addColumn<QByteArray>("expectedFile");
    QTest::addColumn<QStringList>("expectedEntries");
    QTest::addColumn<QByteArray>("expectedCopy");

    QTest::newRow("name on two lines")
        << QStringList{"Kord", "Press", "Kord"} << 2 << QString() << QByteArray("Press\r\n")
        << QStringList{"Kord", "Press"} << QByteArray("<missing>");
    QTest::newRow("letter case counts")
        << QStringList{"Press", "press"} << 1 << QString() << QByteArray("Press\r\n") << QStringList{"Press"}
        << QByteArray("<missing>");
    QTest::newRow("typed name without a match")
        << QStringList{"Kord", "Press"} << 0 << "Heidelberg" << QByteArray("Kord\r\nPress\r\n")
        << QStringList{"Press"} << QByteArray("Kord\r\nPress\r\n");
    QTest::newRow("no entry chosen")
        << QStringList{"Kord", "Press"} << -1 << "Kord" << QByteArray("Press\r\n")
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
    openWith(saved);
    tabs()->setCurrentIndex(FrmTab::WagesAndEfficiency);
    txtTitle()->setText("Komori 1");
    if (clickedRow >= 0) {
        clickEntry(clickedRow);
        QCOMPARE(txtDelete()->text(), saved.at(clickedRow));
    }
    if (!typed.isNull()) {
        txtDelete()->clear();
        QTest::keyClicks(txtDelete(), typed);
    }

    QTest::mouseClick(child<QPushButton>("cmdDelete"), Qt::LeftButton);

    QCOMPARE(contentOf(path("budget.fyl")), expectedFile);
    QCOMPARE(contentOf(path("budget1.fyl")), expectedCopy);
    QCOMPARE(entries(lstDelete()), expectedEntries);
    QCOMPARE(entries(listTitle()), expectedEntries);
    QCOMPARE(m_platform->recordedMessages.texts(), QStringList{kQuestion});
    QVERIFY(m_platform->recordedMessages.shown.first().question);
    QVERIFY(txtDelete()->text().isEmpty());
    QVERIFY(txtTitle()->text().isEmpty());
    QCOMPARE(m_tab->currentName(), QString());
    QCOMPARE(tabs()->currentIndex(), 0);
    QVERIFY(m_delete->isVisible());
    QVERIFY(lstDelete()->selectedItems().isEmpty()); // a second Delete takes no neighbour along
}

void TestDeleteEquipment::deletionStopsBeforeTouchingTheList_data()
{
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<int>("clickedRow");
    QTest::addColumn<QStringList>("expectedMessages");
    QTest::newRow("answered No") << false << 0 << QStringList{kQuestion};
    QTest::newRow("empty name") << true << -1 << QStringList{kQuestion, kNoNameMessage};
}

void TestDeleteEquipment::deletionStopsBeforeTouchingTheList()
{
    QFETCH(bool, answerYes);
    QFETCH(int, clickedRow);
    QFETCH(QStringList, expectedMessages);
    openWith({"Kord", "Press"});
    tabs()->setCurrentIndex(FrmTab::IndirectCosts);
    if (clickedRow >= 0)
        clickEntry(clickedRow);
    m_platform->recordedMessages.answers = {answerYes ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No};

    QTest::mouseClick(child<QPushButton>("cmdDelete"), Qt::LeftButton);

    QCOMPARE(m_platform->recordedMessages.texts(), expectedMessages);
    QCOMPARE(contentOf(path("budget.fyl")), QByteArray("Kord\r\nPress\r\n"));
    QVERIFY(!QFile::exists(path("budget1.fyl")));
    QCOMPARE(entries(lstDelete()), (QStringList{"Kord", "Press"}));
    QCOMPARE(entries(listTitle()), (QStringList{"Kord", "Press"}));
    QCOMPARE(tabs()->currentIndex(), int(FrmTab::IndirectCosts));
}

void TestDeleteEquipment::failedRemovalIsReportedAndListsStay_data()
{
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<QString>("namedFile");
    QTest::newRow("copy cannot be written") << "make budget1.fyl a folder" << "budget1.fyl";
    QTest::newRow("list file gone since the window opened") << "remove budget.fyl" << "budget.fyl";
}

void TestDeleteEquipment::failedRemovalIsReportedAndListsStay()
{
    QFETCH(QString, blocker);
    QFETCH(QString, namedFile);
    openWith({"Kord", "Press"});
    clickEntry(0);
    if (blocker == "make budget1.fyl a folder")
        QVERIFY(QDir(m_dir->path()).mkdir("budget1.fyl"));
    else
        QVERIFY(QFile::remove(path("budget.fyl")));

    QTest::mouseClick(child<QPushButton>("cmdDelete"), Qt::LeftButton);

    const QStringList messages = m_platform->recordedMessages.texts();
    QCOMPARE(messages.size(), 2);
    QVERIFY2(messages.at(1).contains(namedFile), qPrintable(messages.at(1)));
    QCOMPARE(entries(lstDelete()), (QStringList{"Kord", "Press"}));
    QCOMPARE(entries(listTitle()), (QStringList{"Kord", "Press"}));
    QCOMPARE(txtDelete()->text(), "Kord"); // still there to try again
    if (namedFile == "budget1.fyl")
        QCOMPARE(contentOf(path("budget.fyl")), QByteArray("Kord\r\nPress\r\n"));
}

void TestDeleteEquipment::deletedEquipmentKeepsItsFiles()
{
    const QStringList files = {"Kord2", "Kord3", "Kord4", "Kord55", "Kord6"};
    for (const QString& file : files)
        QVERIFY(m_platform->folder().replace(file, {"42"}).ok());
    openWith({"Kord"});
    clickEntry(0);

    QTest::mouseClick(child<QPushButton>("cmdDelete"), Qt::LeftButton);

    QCOMPARE(contentOf(path("budget.fyl")), QByteArray());
    for (const QString& file : files)
        QCOMPARE(contentOf(path(file)), QByteArray("42\r\n"));
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
    m_tab->hide();

    QTest::mouseClick(child<QPushButton>("cmdDelCancel"), Qt::LeftButton);

    QTRY_VERIFY(m_delete.isNull());
    QVERIFY(m_tab->isVisible());
    QCOMPARE(contentOf(path("budget.fyl")), QByteArray("Kord\r\n"));
}

QTEST_MAIN(TestDeleteEquipment)
#include "test_delete_equipment.moc"
