#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "engine/BudgetCalculation.h"
#include "engine/PlantOverview.h"
#include "engine/ResultSlots.h"
#include "forms/BoxPlaces.h"
#include "forms/PlantChart.h"
#include "forms/PlantTableModel.h"
#include "forms/frmPlant.h"
#include "report/PlantExport.h"
#include "store/BoxWords.h"
#include "store/FileNames.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/PlantFolder.h"
#include "textrules/DisplayPattern.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

namespace {

const int kStateColumn = 13;
const int kRateB1Column = 4;

QString promptOf(const QString& box)
{
    for (const inputboxes::Entry& entry : inputboxes::all())
        if (boxplaces::objectName(entry.box) == box) {
            const QString prompt = inputboxes::prompt(entry.box);
            return prompt.endsWith(u':') ? prompt.chopped(1) : prompt;
        }
    return {};
}

QString rateB1Shown(const DataFolder& folder, const QString& name)
{
    const LoadedRecord loaded = loadResultFile(folder, name);
    return loaded.ok() ? numbers::formatResult(loaded.record.result(resultslots::rateB(1)), numbers::kMoneyPattern)
                       : QStringLiteral("<unreadable>");
}

} // namespace

class TestPlantWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { m_ui = std::make_unique<MainWindowDriver>(); }
    void cleanup() { m_ui.reset(); } // takes the overview down with the main window

    void plantChangeMakesOthersStaleUntilRecalculated_data();
    void plantChangeMakesOthersStaleUntilRecalculated();
    void longFailureListsAreSummarised_data();
    void longFailureListsAreSummarised();
    void sortsOnFiguresAndLoadsTheChosenCenter_data();
    void sortsOnFiguresAndLoadsTheChosenCenter();
    void exportWritesTheTableWhereTheUserChose_data();
    void exportWritesTheTableWhereTheUserChose();
    void printsTheOverview_data();
    void printsTheOverview();
    void saveAsNewNameCopiesOrRefuses_data();
    void saveAsNewNameCopiesOrRefuses();
    void saveAsTakesTheBoxesAndMovesToTheCopy_data();
    void saveAsTakesTheBoxesAndMovesToTheCopy();
    void recalculateAllAsksAboutTypedPlantFigures_data();
    void recalculateAllAsksAboutTypedPlantFigures();
    void barsAddUpToTheTotalAndStayReadable_data();
    void barsAddUpToTheTotalAndStayReadable();
    void outsideChangesMarkItOutOfDate();
    void newUserAndEscape();

private:
    // Starts each name with the worked example, its equipment cost varied, and calculates it.
    void calculateCenters(const QStringList& names);
    void calculateAgain(const QString& name);
    FrmPlant* openOverview();
    QAbstractItemModel* table() const { return control<QTableView>(m_plant, "tblCenters")->model(); }
    QString cell(int row, int column) const { return table()->index(row, column).data().toString(); }
    QString stateOf(const QString& name) const { return centerCell(m_plant, name, kStateColumn); }
    QStringList namesShown() const;
    RecordedMessageBoxes& messages() const { return m_ui->platform().recordedMessages; }

    std::unique_ptr<MainWindowDriver> m_ui;
    QPointer<FrmPlant> m_plant;
};

void TestPlantWindow::calculateCenters(const QStringList& names)
{
    m_ui->startWithList();
    for (qsizetype i = 0; i < names.size(); ++i) {
        m_ui->startAnalysis(names[i]);
        m_ui->typeAll(workedExampleBoxes());
        m_ui->type("txtCost", QString::number(100000 + 25000 * i));
        m_ui->press("Command2");
    }
}

// Loads the name from the refreshed list and presses Calculate BHR, as a user would.
void TestPlantWindow::calculateAgain(const QString& name)
{
    m_ui->press("Command5");
    m_ui->clickListEntry(static_cast<int>(entries(m_ui->list()).indexOf(name)));
    m_ui->press("Command2");
}

FrmPlant* TestPlantWindow::openOverview()
{
    m_ui->window().findChild<QAction*>("mnuPlant")->trigger();
    m_plant = m_ui->window().findChild<FrmPlant*>();
    return m_plant;
}

QStringList TestPlantWindow::namesShown() const
{
    QStringList names;
    for (int row = 0; row < table()->rowCount(); ++row)
        names.append(cell(row, 0));
    return names;
}

void TestPlantWindow::plantChangeMakesOthersStaleUntilRecalculated_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("agreed");
    QTest::addColumn<bool>("blockGamma"); // Gamma's result file cannot be written
    QTest::addColumn<QString>("betaAfter");
    QTest::addColumn<QString>("gammaAfter"); // how its state begins

    const QString staleRent = "stale: " + promptOf("txtRent");
    QTest::newRow("power price, recalculated") << "txtPower"
                                               << ".09" << true << false << "current"
                                               << "current";
    QTest::newRow("rent, declined") << "txtRent"
                                    << "6" << false << false << staleRent << staleRent;
    QTest::newRow("one file unwritable") << "txtSS"
                                         << "7" << true << true << "current"
                                         << "unreadable";
}

void TestPlantWindow::plantChangeMakesOthersStaleUntilRecalculated()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(bool, agreed);
    QFETCH(bool, blockGamma);
    QFETCH(QString, betaAfter);
    QFETCH(QString, gammaAfter);
    calculateCenters({"Alpha", "Beta", "Gamma"});
    QVERIFY(m_ui->folder().append(filenames::kListFile, "Dryer").ok()); // listed, never calculated
    calculateAgain("Alpha");
    m_ui->type(box, text);
    m_ui->press("Command2");

    QVERIFY(openOverview());
    QCOMPARE(namesShown(), (QStringList{"Alpha", "Beta", "Gamma", "Dryer"}));
    QCOMPARE(stateOf("Alpha"), QStringLiteral("current"));
    QCOMPARE(stateOf("Beta"), "stale: " + promptOf(box));
    QCOMPARE(stateOf("Gamma"), "stale: " + promptOf(box));
    QCOMPARE(stateOf("Dryer"), QStringLiteral("not calculated"));

    const QString betaFile = filenames::resultFile("Beta");
    const QByteArray betaBefore = m_ui->fileBytes(betaFile);
    const QString betaRateBefore = rateB1Shown(m_ui->folder(), "Beta");
    if (blockGamma)
        m_ui->blockFile(filenames::resultFile("Gamma"));
    messages().shown.clear();
    messages().answers = {agreed ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No};
    clickIn(m_plant, "cmdRecalculateAll");

    const RecordedMessageBoxes::Shown question = messages().shown.value(0);
    QCOMPARE(question.defaultAnswer, MessageBoxes::Answer::No);
    QVERIFY2(question.details.contains("Dryer"), qPrintable(question.details)); // cannot be recalculated
    QCOMPARE(stateOf("Beta"), betaAfter);
    QVERIFY2(stateOf("Gamma").startsWith(gammaAfter), qPrintable(stateOf("Gamma")));
    if (!agreed) {
        QCOMPARE(m_ui->fileBytes(betaFile), betaBefore);
        return;
    }
    const QString change = "Beta\t1 (100%)\t" + betaRateBefore + "\t" + rateB1Shown(m_ui->folder(), "Beta");
    QVERIFY2(question.details.contains(change), qPrintable(question.details));
    QCOMPARE(messages().shown.size(), blockGamma ? 2 : 1); // the failures in one message
    if (blockGamma)
        QVERIFY2(messages().shown.last().text.contains("Gamma"), qPrintable(messages().shown.last().text));

    // The recalculated file is the one Calculate BHR saves from the same files.
    const QByteArray betaRecalculated = m_ui->fileBytes(betaFile);
    calculateAgain("Beta");
    QCOMPARE(betaRecalculated, m_ui->fileBytes(betaFile));
}

void TestPlantWindow::longFailureListsAreSummarised_data()
{
    QTest::addColumn<int>("centers");
    QTest::addColumn<QString>("more"); // how the message ends the list; empty: it names them all
    QTest::newRow("three, all named") << 3 << "";
    QTest::newRow("twenty, all named") << 20 << "";
    QTest::newRow("twenty-five, twenty named") << 25 << "... and 5 more";
}

// A disk that takes no whole result file: every save fails, and the message names the cause, at
// most twenty centers and how many more, with the whole list behind Show Details.
void TestPlantWindow::longFailureListsAreSummarised()
{
    QFETCH(int, centers);
    QFETCH(QString, more);
    m_ui->startWithList();
    QStringList names;
    for (int i = 0; i < centers; ++i) {
        names.append(QStringLiteral("Press %1").arg(QChar(u'A' + i)));
        QVERIFY(calculateCenter(m_ui->folder(), names.last(), workedExampleTexts()).kind ==
                BudgetOutcome::Kind::Completed);
    }
    QVERIFY(m_ui->folder().replace(filenames::kListFile, names).ok());
    QVERIFY(openOverview());
    messages().shown.clear();
    messages().answers = {MessageBoxes::Answer::Yes};
    {
        const FileSizeLimit fullDisk(64);
        QVERIFY(fullDisk.active());
        clickIn(m_plant, "cmdRecalculateAll");
    }

    QCOMPARE(messages().shown.size(), 2);
    const RecordedMessageBoxes::Shown told = messages().shown.last();
    QVERIFY2(told.text.contains("could not be written in full"), qPrintable(told.text));
    QVERIFY2(told.text.split(u'\n').size() <= 23, qPrintable(told.text));
    QCOMPARE(told.text.contains(more), true);
    QCOMPARE(told.details.isEmpty(), more.isEmpty());
    const QString everything = told.text + told.details;
    for (const QString& name : names)
        QVERIFY2(everything.contains(name + ": "), qPrintable(name));
}

void TestPlantWindow::sortsOnFiguresAndLoadsTheChosenCenter_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("double-click") << false;
    QTest::newRow("Enter on the chosen row") << true;
}

// Centers without results sort last either way; in a window far narrower than the table the
// names stay in view.
void TestPlantWindow::sortsOnFiguresAndLoadsTheChosenCenter()
{
    QFETCH(bool, byKeyboard);
    m_ui->startWithList({"Never", "Ten", "Nine fifty", "Hundred"});
    saveResults(m_ui->folder(), "Ten", {{resultslots::rateB(1), 10}});
    saveResults(m_ui->folder(), "Nine fifty", {{resultslots::rateB(1), 9.5}});
    saveResults(m_ui->folder(), "Hundred", {{resultslots::rateB(1), 100.5}});
    QVERIFY(openOverview());
    auto* view = control<QTableView>(m_plant, "tblCenters");
    QVERIFY(QTest::qWaitForWindowExposed(m_plant));

    view->horizontalHeader()->setSortIndicator(kRateB1Column, Qt::AscendingOrder);
    QCOMPARE(namesShown(), (QStringList{"Nine fifty", "Ten", "Hundred", "Never"}));
    view->horizontalHeader()->setSortIndicator(kRateB1Column, Qt::DescendingOrder);
    QCOMPARE(namesShown(), (QStringList{"Hundred", "Ten", "Nine fifty", "Never"}));
    QCOMPARE(cell(0, kRateB1Column), QStringLiteral("$100.50"));
    QVERIFY(table()->index(0, kRateB1Column).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);

    const QRect place = view->visualRect(table()->index(1, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center()); // chooses the row
    if (byKeyboard)
        QTest::keyClick(view, Qt::Key_Return);
    else
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, place.center());
    QCOMPARE(m_ui->text("txtTitle"), QStringLiteral("Ten"));
    QCOMPARE(m_ui->window().currentName(), QStringLiteral("Ten"));
    QCOMPARE(m_ui->currentTab(), int(FrmTab::General));
    QCOMPARE(m_ui->child<QLabel>("lblName")->text(), QStringLiteral("Ten"));

    m_plant->resize(360, 400);
    QVERIFY(QTest::qWaitForWindowExposed(m_plant));
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    QVERIFY(view->horizontalScrollBar()->value() > 0);
    const auto* names = control<QTableView>(view, "tblFrozenNames");
    QVERIFY(names->isVisible());
    QCOMPARE(names->geometry().left(), view->viewport()->geometry().left());
    const QModelIndex firstName = names->model()->index(0, 0);
    QCOMPARE(names->indexAt(names->visualRect(firstName).center()).data().toString(), namesShown().first());
}

void TestPlantWindow::exportWritesTheTableWhereTheUserChose_data()
{
    QTest::addColumn<QString>("chosen"); // in the data folder; empty: cancelled
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("messagesShown");
    QTest::newRow("chosen file") << "plant, 2030.csv" << true << 1;
    QTest::newRow("cancelled") << "" << false << 0;
    QTest::newRow("folder that does not exist") << "gone/plant.csv" << false << 1;
}

void TestPlantWindow::exportWritesTheTableWhereTheUserChose()
{
    QFETCH(QString, chosen);
    QFETCH(bool, written);
    QFETCH(int, messagesShown);
    calculateCenters({"Alpha", "Beta \u00c9tude"});
    QVERIFY(openOverview());
    const QString path = chosen.isEmpty() ? QString() : m_ui->path(chosen);
    m_ui->platform().recordedFiles.answer = path;
    messages().shown.clear();
    clickIn(m_plant, "cmdExport");

    QVERIFY(m_ui->platform().recordedFiles.suggestions.value(0).endsWith(".csv"));
    QCOMPARE(messages().shown.size(), messagesShown);
    if (written)
        QCOMPARE(contentOf(path), plantexport::csv(plantoverview::read(m_ui->folder())));
    else if (!path.isEmpty())
        QCOMPARE(contentOf(path), QByteArray("<missing>"));
}

void TestPlantWindow::printsTheOverview_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("print") << "cmdPrint";
    QTest::newRow("save as PDF") << "cmdSavePdf";
}

void TestPlantWindow::printsTheOverview()
{
    QFETCH(QString, button);
    calculateCenters({"Alpha", "Beta"});
    QVERIFY(openOverview());
    const QString pdf = m_ui->path("overview.pdf");
    m_ui->platform().recordedFiles.answer = pdf;
    clickIn(m_plant, button);
    const QList<TextPagePrinter>& pages = m_ui->platform().recordedPrinting.pages;
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.first().lines().first(), QStringLiteral("Plant Overview 2030"));
    QVERIFY(pages.first().documentEnded());
    QCOMPARE(contentOf(pdf).startsWith("%PDF"), button == "cmdSavePdf");
}

void TestPlantWindow::saveAsNewNameCopiesOrRefuses_data()
{
    QTest::addColumn<QStringList>("typed"); // empty: cancelled
    QTest::addColumn<QString>("left");      // what Beta's files are before: "", "files" of an earlier Beta, or a "link"
    QTest::addColumn<bool>("replace");      // the answer to the question about them
    QTest::addColumn<QStringList>("listAfter");
    QTest::addColumn<QString>("told"); // a part of the one message after the question(s); empty: none

    const QStringList listed = {"Alpha", "Gamma Press"};
    const QStringList copied = listed + QStringList{"Beta"};
    QTest::newRow("new name") << QStringList{"Beta"} << "" << false << copied << "";
    QTest::newRow("shares files with a listed name")
        << QStringList{"Gamma Pr"} << "" << false << listed << "\"Gamma Press\"";
    QTest::newRow("cancelled") << QStringList{} << "" << false << listed << "";
    QTest::newRow("files left by a name off the list, kept") << QStringList{"Beta"} << "files" << false << listed << "";
    QTest::newRow("files left by a name off the list, replaced")
        << QStringList{"Beta"} << "files" << true << copied << "";
    QTest::newRow("a link out of the folder") << QStringList{"Beta"} << "link" << true << listed << "link";
}

void TestPlantWindow::saveAsNewNameCopiesOrRefuses()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, left);
    QFETCH(bool, replace);
    QFETCH(QStringList, listAfter);
    QFETCH(QString, told);
    calculateCenters({"Alpha"});
    QVERIFY(m_ui->folder().append(filenames::kListFile, "Gamma Press").ok());
    m_ui->press("Command5");
    QTemporaryDir outside;
    const QByteArray leftBytes = "left by an earlier Beta\r\n";
    if (left == "files")
        for (const QString& file : {filenames::inputFile("Beta", 2), filenames::pricingFile("Beta")})
            QVERIFY(writeBytes(m_ui->path(file), leftBytes));
    if (left == "link") {
        QVERIFY(writeBytes(outside.filePath("Beta2"), leftBytes));
        QVERIFY(QFile::link(outside.filePath("Beta2"), m_ui->path(filenames::inputFile("Beta", 2))));
    }
    messages().shown.clear();
    messages().typed = typed;
    messages().answers = {replace ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No};
    m_ui->window().findChild<QAction*>("mnuSaveAsNew")->trigger();

    QCOMPARE(messages().shown.value(0).details, QStringLiteral("Alpha")); // the suggestion
    QCOMPARE(entries(m_ui->list()), listAfter);
    const int asked = left.isEmpty() ? 0 : 1;
    const int askedAgain = told.isEmpty() ? 0 : 1; // after a refusal, with the name as typed
    QCOMPARE(messages().shown.size(), 1 + asked + (told.isEmpty() ? 0 : 1) + askedAgain);
    if (asked) {
        const RecordedMessageBoxes::Shown question = messages().shown.at(1);
        QCOMPARE(question.defaultAnswer, MessageBoxes::Answer::No);
        QVERIFY2(question.text.contains(filenames::inputFile("Beta", 2)), qPrintable(question.text));
    }
    if (!told.isEmpty()) {
        const RecordedMessageBoxes::Shown refusal = messages().shown.at(messages().shown.size() - 2);
        QVERIFY2(refusal.text.contains(told), qPrintable(refusal.text));
        QCOMPARE(messages().shown.last().details, typed.value(0));
    }
    if (left == "link")
        QCOMPARE(contentOf(outside.filePath("Beta2")), leftBytes);
    if (!listAfter.contains("Beta")) {
        if (left == "files")
            QCOMPARE(m_ui->fileBytes(filenames::pricingFile("Beta")), leftBytes);
        return;
    }
    QCOMPARE(m_ui->fileBytes(filenames::resultFile("Beta")), m_ui->fileBytes(filenames::resultFile("Alpha")));
    for (int digit = 2; digit <= 4; ++digit)
        QCOMPARE(m_ui->fileBytes(filenames::inputFile("Beta", digit)),
                 m_ui->fileBytes(filenames::inputFile("Alpha", digit)));
    // Alpha has no pricing file, so no figure of the earlier Beta stays with the copy.
    QVERIFY(!m_ui->fileExists(filenames::pricingFile("Beta")));
    QVERIFY(openOverview());
    QCOMPARE(cell(2, kRateB1Column), cell(0, kRateB1Column)); // side by side, the same figures
}

void TestPlantWindow::saveAsTakesTheBoxesAndMovesToTheCopy_data()
{
    QTest::addColumn<bool>("calculated"); // the original was calculated before
    QTest::addColumn<QString>("edited");  // the wage typed before Save As; empty: none
    QTest::addColumn<bool>("resultsCopied");
    QTest::newRow("as saved") << true << "" << true;
    QTest::newRow("edited first") << true << "31" << false;
    QTest::newRow("never calculated") << false << "31" << false;
}

// The copy holds what the boxes show; the window then works on it, so the Calculate BHR that
// follows changes the copy and leaves the original's files as they were.
void TestPlantWindow::saveAsTakesTheBoxesAndMovesToTheCopy()
{
    QFETCH(bool, calculated);
    QFETCH(QString, edited);
    QFETCH(bool, resultsCopied);
    m_ui->startWithList();
    m_ui->startAnalysis("Alpha");
    m_ui->typeAll(workedExampleBoxes());
    if (calculated)
        m_ui->press("Command2");
    QStringList alphaFiles = {filenames::resultFile("Alpha"), filenames::pricingFile("Alpha")};
    for (int digit = 2; digit <= 4; ++digit)
        alphaFiles.append(filenames::inputFile("Alpha", digit));
    QList<QByteArray> alphaBefore;
    for (const QString& file : alphaFiles)
        alphaBefore.append(m_ui->fileBytes(file));
    if (!edited.isEmpty())
        m_ui->type("txtWage1", edited);
    messages().typed = {"Faster Press"};
    m_ui->window().findChild<QAction*>("mnuSaveAsNew")->trigger();

    const QString copy = QStringLiteral("Faster Press");
    QCOMPARE(m_ui->window().statusBar()->currentMessage(),
             QStringLiteral("Saved as Faster Press. You are now working on Faster Press."));
    QCOMPARE(m_ui->window().currentName(), copy);
    QCOMPARE(m_ui->child<QLabel>("lblName")->text(), copy);
    QCOMPARE(m_ui->list()->currentItem()->text(), copy);
    QCOMPARE(m_ui->fileLines(filenames::kNameFile), QStringList{copy});
    QCOMPARE(m_ui->fileExists(filenames::resultFile(copy)), resultsCopied);
    for (const QString& box : {QStringLiteral("txtWage1"), QStringLiteral("txtCost")})
        QVERIFY(m_ui->fileLines(filenames::inputFile(copy, box == "txtCost" ? 2 : 3)).contains(m_ui->text(box)));

    m_ui->press("Command2");
    QVERIFY(m_ui->fileExists(filenames::resultFile(copy)));
    for (qsizetype i = 0; i < alphaFiles.size(); ++i)
        QCOMPARE(m_ui->fileBytes(alphaFiles[i]), alphaBefore[i]);
    QCOMPARE(m_ui->fileBytes(filenames::resultFile(copy)) == alphaBefore[0], edited.isEmpty());
}

void TestPlantWindow::recalculateAllAsksAboutTypedPlantFigures_data()
{
    QTest::addColumn<int>("choice"); // -1: the question's default
    QTest::addColumn<bool>("plantSaved");
    QTest::addColumn<bool>("recalculated");
    QTest::newRow("save them and recalculate") << 0 << true << true;
    QTest::newRow("recalculate with the saved figures") << 1 << false << true;
    QTest::newRow("cancel, the default") << -1 << false << false;
}

// Alpha was calculated with the saved power price; Beta's rent was saved since, so Alpha is
// stale. Then a power price is typed on tab 2 and not saved.
void TestPlantWindow::recalculateAllAsksAboutTypedPlantFigures()
{
    QFETCH(int, choice);
    QFETCH(bool, plantSaved);
    QFETCH(bool, recalculated);
    calculateCenters({"Alpha", "Beta"});
    m_ui->type("txtRent", "6");
    m_ui->press("Command2");
    m_ui->type("txtPower", ".2");
    const QByteArray plantBefore = m_ui->fileBytes(filenames::kPlantFile);
    const QByteArray alphaBefore = m_ui->fileBytes(filenames::resultFile("Alpha"));
    QVERIFY(openOverview());
    messages().shown.clear();
    if (choice >= 0)
        messages().choices = {choice};
    messages().answers = {MessageBoxes::Answer::Yes};
    clickIn(m_plant, "cmdRecalculateAll");

    const RecordedMessageBoxes::Shown asked = messages().shown.value(0);
    QVERIFY2(asked.text.contains(": " + promptOf("txtPower") + "."), qPrintable(asked.text)); // only the typed box
    QCOMPARE(asked.details, QStringLiteral("Save and Recalculate|Use Saved Figures|Cancel"));
    QCOMPARE(m_ui->fileBytes(filenames::kPlantFile) != plantBefore, plantSaved);
    QCOMPARE(m_ui->fileBytes(filenames::resultFile("Alpha")) != alphaBefore, recalculated);
    QCOMPARE(stateOf("Alpha"), recalculated ? QStringLiteral("current") : "stale: " + promptOf("txtRent"));
    if (plantSaved)
        QCOMPARE(stateOf("Beta"), QStringLiteral("current"));
}

void TestPlantWindow::barsAddUpToTheTotalAndStayReadable_data()
{
    QTest::addColumn<int>("centers");
    QTest::addColumn<int>("barsDrawn"); // at most
    QTest::newRow("a few") << 3 << 3;
    QTest::newRow("a thousand") << 1000 << plantchart::kMostShown;
}

// The bars stack to the total annual cost column; at most 40 are drawn, each at least one line of
// label text wide in the window as it opens, with a line that counts those left out.
void TestPlantWindow::barsAddUpToTheTotalAndStayReadable()
{
    QFETCH(int, centers);
    QFETCH(int, barsDrawn);
    QStringList names;
    for (int i = 0; i < centers; ++i)
        names.append(QStringLiteral("C%1 press").arg(i, 4, 10, QChar(u'0')));
    m_ui->startWithList(names);
    // Three calculated with their own figures; the rest copies of the third's result file.
    BoxTexts boxes = workedExampleTexts();
    for (int i = 0; i < std::min(centers, 3); ++i) {
        boxes.insert("txtGen", QString::number(1000 + 700 * i));
        boxes.insert("txtSell", QString::number(4000 - 900 * i));
        QCOMPARE(calculateCenter(m_ui->folder(), names[i], boxes).kind, BudgetOutcome::Kind::Completed);
    }
    const QByteArray copied = m_ui->fileBytes(filenames::resultFile(names[2]));
    for (int i = 3; i < centers; ++i) {
        QFile file(m_ui->path(filenames::resultFile(names[i])));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(copied) == copied.size());
    }
    QVERIFY(openOverview());
    const int totalColumn = 1;
    for (int row = 0; row < table()->rowCount(); ++row) {
        const LoadedRecord loaded = loadResultFile(m_ui->folder(), cell(row, 0));
        const double total = table()->index(row, totalColumn).data(PlantTableModel::SortRole).toDouble();
        QVERIFY(qAbs(plantoverview::costSplit(loaded.record).total() - total) < 0.005);
    }
    QVERIFY(QTest::qWaitForWindowExposed(m_plant));
    QChart* chart = control<QChartView>(m_plant, "chtCosts")->chart();
    auto* axis = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
    QVERIFY(axis->count() <= barsDrawn);
    QCOMPARE(chart->title().isEmpty(), axis->count() == centers);
    QVERIFY2(chart->title().isEmpty() || chart->title().contains(QString::number(centers - axis->count()) + " more"),
             qPrintable(chart->title()));
    QVERIFY(chart->plotArea().width() / axis->count() >= QFontMetrics(axis->labelsFont()).height());
}

void TestPlantWindow::outsideChangesMarkItOutOfDate()
{
    calculateCenters({"Alpha", "Beta"});
    QVERIFY(openOverview());
    auto* settle = m_plant->findChild<QTimer*>("tmrOutsideChange");
    auto* outOfDate = control<QLabel>(m_plant, "lblOutOfDate");
    calculateAgain("Alpha"); // the program's own change: read at once
    QVERIFY(QMetaObject::invokeMethod(settle, "timeout"));
    QVERIFY(outOfDate->isHidden());

    QVERIFY(m_ui->folder().replace(filenames::resultFile("Beta"), {"1"}).ok()); // as another program would
    QVERIFY(QMetaObject::invokeMethod(settle, "timeout"));
    QVERIFY(!outOfDate->isHidden());
    clickIn(m_plant, "cmdRefresh");
    QVERIFY(outOfDate->isHidden());
    QVERIFY2(stateOf("Beta").startsWith("unreadable"), qPrintable(stateOf("Beta")));
}

void TestPlantWindow::newUserAndEscape()
{
    m_ui->start();
    messages().shown.clear();
    QVERIFY(openOverview());
    QCOMPARE(control<QLabel>(m_plant, "lblPlantSummary")->text(),
             QStringLiteral("No equipment is listed yet: start with New on tab 6."));
    QVERIFY(messages().shown.isEmpty());
    QVERIFY(QTest::qWaitForWindowExposed(m_plant));
    QTest::keyClick(m_plant, Qt::Key_Escape);
    QVERIFY(!m_plant || !m_plant->isVisible());
}

QTEST_MAIN(TestPlantWindow)
#include "test_plant_window.moc"
