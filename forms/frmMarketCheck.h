#pragma once

#include "CenterAnalysis.h"
#include "MarketCheck.h"
#include "PrintJob.h"
#include "ResultRecord.h"

#include <QWidget>

#include <optional>

class MarketChart;
class Platform;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Whether the press can live at the market's prices: the user types its own speed and set-up
// time, and the window sets the hourly cost those prices support against the press's rate (B)
// at each efficiency level, with the break-even efficiency and a picture of price by quantity.
class FrmMarketCheck : public QWidget {
    Q_OBJECT
public:
    FrmMarketCheck(Platform& platform, const QString& name, const CenterAnalysis& analysis, QWidget* parent = nullptr);

    // Opens the check of this analysis beside the window that owns it, or brings the open one
    // to the front with this analysis, keeping what the user typed.
    static FrmMarketCheck* open(Platform& platform, QWidget* owner, const QString& name,
                                const CenterAnalysis& analysis);

    void showAnalysis(const QString& name, const CenterAnalysis& analysis);

private:
    void buildLayout();
    void check();
    PrintJob pageJob() const;
    void printPage();
    void savePage();

    Platform& m_platform;
    QString m_name;
    CenterAnalysis m_analysis;
    std::optional<ResultRecord> m_results; // read when the analysis arrives
    QString m_resultsError;
    std::optional<marketcheck::MarketCheck> m_check; // only when there is something to show

    QLabel* m_heading = nullptr;
    QLabel* m_analysisLine = nullptr;
    QLineEdit* m_speed = nullptr;
    QLineEdit* m_setUpMinutes = nullptr;
    QLabel* m_sentence = nullptr;
    QPlainTextEdit* m_figures = nullptr;
    MarketChart* m_chart = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_savePdf = nullptr;
};
