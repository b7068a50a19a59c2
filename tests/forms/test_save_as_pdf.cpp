#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "forms/frmBHR.h"
#include "forms/frmCenter.h"
#include "store/FileNames.h"
#include "store/HandOverFiles.h"
#include "tests/support/PaintedPage.h"
#include "tests/support/PlantFolder.h"

#include <QStandardPaths>

namespace {

const QString kLongName = QStringLiteral("Heidelberg Speedmaster XL 106 eight colour perfector with coater and "
                                         "extended delivery bought second hand from the plant across the river");

// Saves what both reports need for the name: the worked example's results and pricing file.
void saveWorkedExamples(const DataFolder& folder, const QString& name)
{
    QCOMPARE(calculateCenter(folder, name, workedExampleTexts()).kind, BudgetOutcome::Kind::Completed);
    QVERIFY(folder.replace(filenames::pricingFile(name), workedExamplePricing()).ok());
    QVERIFY(handover::writeName(folder, name).ok());
}

QWidget* openReportWindow(const QString& window, MainWindowDriver& ui)
{
    if (window == "frmBHR")
        return ui.window().openWindows().rates();
    return ui.window().openWindows().center();
}

} // namespace

class TestSaveAsPdf : public QObject {
    Q_OBJECT
private slots:
    void reportIsSavedWhereTheUserChose_data();
    void reportIsSavedWhereTheUserChose();
};

void TestSaveAsPdf::reportIsSavedWhereTheUserChose_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("suggestedFile");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("figures"); // a pattern of the report's figures, the first row of its table last
    const auto row = [](const char* rowName, const char* window, const QString& name, const QString& suggested,
                        const char* heading, const char* figures) {
        QTest::newRow(rowName) << QString(window) << name << suggested << QString(heading) << QString(figures);
    };
    row("rate report", "frmBHR", "AB Press 2", "Budgeted Hourly Rate Report - AB Press 2.pdf",
        "BUDGETED HOURLY RATE ANALYSIS FOR: AB Press 2",
        "TOTAL ANNUAL CENTER COST:\\.\\.\\s+\\$134,709\\.25(?s).*"
        "100\\s+3904\\s+\\$64\\.91\\s+\\$69\\.01\\s+\\$34\\.51");
    row("reverse report", "frmCenter", "Kord", "Reverse Engineering Report - Kord.pdf", "Kord",
        "100\\s+\\$38\\.80\\s+\\$48\\.50");
    // The heading breaks at a blank instead of running off the page.
    row("rate report, long name", "frmBHR", kLongName, "Budgeted Hourly Rate Report - " + kLongName + ".pdf",
        "the plant across the river", "100\\s+3904\\s+\\$64\\.91");
}

void TestSaveAsPdf::reportIsSavedWhereTheUserChose()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, suggestedFile);
    QFETCH(QString, heading);
    QFETCH(QString, figures);
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        QSKIP("poppler-utils is not installed");
    MainWindowDriver ui;
    saveWorkedExamples(ui.folder(), name);
    QWidget* reports = openReportWindow(window, ui);

    // Cancelling the dialog saves nothing.
    clickIn(reports, "cmdSavePdf");
    QCOMPARE(ui.platform().recordedFiles.suggestions, QStringList{ui.path(suggestedFile)});
    QVERIFY(ui.platform().recordedPrinting.savedPdfs.isEmpty());

    const QString chosen = ui.path("chosen by the user"); // the file type is added
    ui.platform().recordedFiles.answer = chosen;
    clickIn(reports, "cmdSavePdf");
    QCOMPARE(ui.platform().recordedPrinting.savedPdfs, QStringList{chosen + ".pdf"});
    const QString text = pdfText(chosen + ".pdf");
    QVERIFY2(text.contains(heading), qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression(figures)), qPrintable(text));
    const QMarginsF margins = inkMarginsMillimetres(chosen + ".pdf");
    for (const qreal margin : {margins.left(), margins.top(), margins.right(), margins.bottom()})
        QVERIFY2(margin >= 15, qPrintable(QStringLiteral("a margin of %1 mm").arg(margin)));
}

QTEST_MAIN(TestSaveAsPdf)
#include "test_save_as_pdf.moc"
