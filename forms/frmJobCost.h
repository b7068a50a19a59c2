#pragma once

#include "engine/PlantOverview.h"
#include "pricing/JobCost.h"
#include "report/PrintJob.h"
#include "store/JobFile.h"
#include "store/PressFigures.h"

#include <QWidget>

#include <optional>

namespace platform {
class Platform;
}
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace forms {

struct DataChange;
class JobCostTableModel;
class MainWindowLink;
class BarChartView;

// "This job, 12,000 pieces: which press, and what do we quote?" The user types a job, and each
// press's speed and set-up time in the table; the window costs the job on every listed center
// at each efficiency level from its saved rate (B), marks the cheapest, draws the cost by center,
// lists the price at other quantities on the center quoted, prints the quote, and saves and
// opens jobs. The press figures typed are kept for the next job.
class FrmJobCost : public QWidget {
    Q_OBJECT
public:
    FrmJobCost(platform::Platform& platform, MainWindowLink& mainWindow, QWidget* parent);
    ~FrmJobCost() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    QWidget* buildJobPage();
    void buildJobBoxes(QGridLayout* grid);
    void buildTable();
    QWidget* buildButtons();

    void readOverview();
    QString readPressFigures();
    void followChange(const DataChange& change);
    void keepPressFigures(const QString& center, const store::pressfigures::Typed& typed);
    void recost();
    void fitColumns();
    void showCenters();
    void showPriceList();
    int level() const;
    const pricing::jobcost::CenterCost* quotedCenter() const;
    bool canQuote() const;

    store::jobfile::SavedJob typedJob() const;
    bool hasUnsavedChanges() const;
    bool settleUnsavedChanges();
    void fillSavedJobs(const QString& selected);
    bool saveJob();
    void openJob();
    report::PrintJob quotePage() const;
    QString quoteFileName() const;
    void printQuote();
    void saveQuoteAsPdf();

    platform::Platform& m_platform;
    MainWindowLink& m_mainWindow;
    engine::plantoverview::Overview m_overview;
    store::pressfigures::ByCenter m_pressFigures;
    std::optional<pricing::jobcost::Job> m_job;
    pricing::jobcost::Costing m_costing;
    QString m_chosenCenter;              // the center the user chose to quote on; empty: the cheapest
    store::jobfile::SavedJob m_savedJob; // as last saved or opened, to know what would be lost
    bool m_announcing = false;
    bool m_columnsFitted = false; // once fitted, columns only widen

    QLineEdit* m_description = nullptr;
    QLineEdit* m_quantity = nullptr;
    QLineEdit* m_markUp = nullptr;
    QComboBox* m_level = nullptr;
    QComboBox* m_quoteOn = nullptr;
    QComboBox* m_savedJobs = nullptr;
    QLabel* m_sentence = nullptr;
    QLabel* m_priceListHeading = nullptr;
    QLabel* m_priceList = nullptr;
    JobCostTableModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    BarChartView* m_chart = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_savePdf = nullptr;
};

} // namespace forms
