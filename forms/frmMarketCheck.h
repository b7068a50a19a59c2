#pragma once

#include "pricing/CenterAnalysis.h"
#include "pricing/MarketCheck.h"
#include "report/PrintJob.h"
#include "store/PressFigures.h"

#include <QWidget>

#include <optional>

namespace platform {
class Platform;
}
class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace forms {

struct DataChange;
class MarketChart;

// Whether the press can live at the market's prices for the jobs a shop runs: the user types
// its own speed and set-up time and a typical job, and the window sets the market's price for
// that job against the job's cost on the press at each efficiency level, with the break-even
// efficiency and pictures of price and break-even efficiency by quantity.
class FrmMarketCheck : public QWidget {
    Q_OBJECT
public:
    FrmMarketCheck(platform::Platform& platform, const QString& name, const pricing::CenterAnalysis& analysis,
                   QWidget* parent = nullptr);
    ~FrmMarketCheck() override;

    // Takes up another analysis. The typical job follows it unless the user has typed one.
    void showAnalysis(const QString& name, const pricing::CenterAnalysis& analysis);

    // The equipment whose rates the check compares, and a fresh reading of its saved results
    // (after a Calculate BHR or a Recalculate All), keeping what the user typed.
    QString centerName() const { return m_name; }
    void reloadCenter();
    // Reads the saved results again when a writing action replaced them.
    void followChange(const DataChange& change);

signals:
    // What the window wrote, for the program's notice: the press's figures, kept for its next job.
    void wrote(const DataChange& change);

private:
    void buildLayout();
    QWidget* buildAnswer();
    void buildInputs(QWidget* page, QBoxLayout* column);
    QWidget* buildPictures();
    void readResults();
    void rememberPressFigures();
    void check();
    void showCheck(const std::optional<pricing::marketcheck::MarketCheck>& checked);
    report::PrintJob pageJob() const;
    void printPage();
    void savePage();

    platform::Platform& m_platform;
    QString m_name;
    pricing::CenterAnalysis m_analysis;
    pricing::marketcheck::Results m_results;                  // read when the analysis arrives or the center changes
    std::optional<pricing::marketcheck::MarketCheck> m_check; // only when it has the press's rates
    QString m_proposedJob;                                    // the job the analysis proposed
    store::pressfigures::Typed m_kept;                        // the center's press figures as kept in the data folder

    QLabel* m_heading = nullptr;
    QLabel* m_marketLine = nullptr;
    QLineEdit* m_speed = nullptr;
    QLineEdit* m_setUpMinutes = nullptr;
    QLineEdit* m_job = nullptr;
    QLabel* m_sentence = nullptr;
    QLabel* m_figures = nullptr;
    MarketChart* m_priceChart = nullptr;
    MarketChart* m_breakEvenChart = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_savePdf = nullptr;
};

} // namespace forms
