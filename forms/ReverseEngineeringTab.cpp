#include "ReverseEngineeringTab.h"

#include "DisplayPattern.h"
#include "HandOverFiles.h"
#include "MainWindowLink.h"
#include "NumberReading.h"
#include "Platform.h"
#include "PricingFile.h"
#include "ResultFile.h"
#include "ResultRecord.h"
#include "frmCenter.h"
#include "frmName.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

// Two decimals without grouping: a thousands comma would end the number when the box is read.
const QString kHourlyCostPattern = QStringLiteral("##0.00");
const QStringList kLevels = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};

QString checkMessage(PricingCheck check, const QString& equipmentName)
{
    switch (check) {
    case PricingCheck::QuantityNotAboveZero:
        return QStringLiteral("Quantities Must Be Greater Than Zero!");
    case PricingCheck::HourlyCostNotAboveZero:
        return QStringLiteral("Hourly Cost Must Be Greater Than Zero!");
    case PricingCheck::PriceNotAboveSetUp:
        return QStringLiteral("Prices Must Be Greater Than Zero!");
    case PricingCheck::Overflow:
        return QStringLiteral("Please fill out all necessary info on ") + equipmentName;
    case PricingCheck::Accepted:
        break;
    }
    return QString();
}

// The user enters the box by mouse or keyboard, or by coming back to the window; focus that the
// program moves there itself (turning the tab) or that a closing menu gives back does not count.
bool userEnters(const QEvent* event)
{
    if (event->type() != QEvent::FocusIn)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::OtherFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

ReverseEngineeringTab::ReverseEngineeringTab(Platform& platform, MainWindowLink& mainWindow,
                                             const ReverseEngineeringControls& controls)
    : QObject(&mainWindow.ownerWindow()), m_platform(platform), m_mainWindow(mainWindow), m_controls(controls)
{
    m_controls.markUp->installEventFilter(this);
    connect(m_controls.tabs, &QTabWidget::currentChanged, this, &ReverseEngineeringTab::keepFocusOffTheMarkUpBox);
    connect(m_controls.calculate, &QPushButton::clicked, this, &ReverseEngineeringTab::calculate);
    connect(m_controls.newName, &QPushButton::clicked, this, [this] { FrmName::open(m_platform, m_mainWindow); });
}

bool ReverseEngineeringTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_controls.markUp && userEnters(event))
        fillHourlyCost();
    return QObject::eventFilter(watched, event);
}

// Turning the tab moves the focus from the page left behind into the mark-up box; the tab strip
// takes it instead, so that the user's own entry into the box is the one that fills.
void ReverseEngineeringTab::keepFocusOffTheMarkUpBox()
{
    if (m_mainWindow.ownerWindow().focusWidget() == m_controls.markUp)
        m_controls.tabs->setFocus();
}

// Every step that cannot read its file is passed over and the next one runs.
void ReverseEngineeringTab::fillHourlyCost()
{
    if (hourlyCostIsSet())
        return;
    const DataFolder& folder = m_platform.folder();
    if (const std::optional<QString> name = handover::readName(folder))
        m_mainWindow.setCurrentName(*name);
    const QString option = handover::readEfficiencyOption(folder).value_or(QString());
    if (failed(handover::writeEfficiencyOption(folder, QString()))) // a choice serves once, or not at all
        return;
    m_controls.quantity1->setText(QStringLiteral("1000"));
    m_controls.quantity2->setText(QStringLiteral("10000"));
    takeHourlyCost(option, m_mainWindow.currentName());
}

bool ReverseEngineeringTab::hourlyCostIsSet() const
{
    // A cost too large to read fails the test, so the fill goes on.
    return numbers::readIfFinite(m_controls.hourlyCost->text()).value_or(0.0) > 0;
}

// An empty option empties the box; an option other than a level leaves it as it is.
void ReverseEngineeringTab::takeHourlyCost(const QString& option, const QString& equipmentName)
{
    const int level = kLevels.indexOf(option) + 1;
    if (option.isEmpty())
        m_controls.hourlyCost->clear();
    if (level == 0)
        return;
    const LoadedRecord results = loadResultFile(m_platform.folder(), equipmentName); // what could be read
    m_controls.hourlyCost->setText(
        numbers::formatResult(results.record.rate(HourlyRate::B, level), kHourlyCostPattern));
}

// The inputs are saved under the name the analysis runs under, the tab's name label (which New
// may have revised), and Name.tmp names it too, so the analysis and its report read them back.
void ReverseEngineeringTab::calculate()
{
    if (!settleName())
        return;
    const PricingFields fields{m_controls.quantity1->text(), m_controls.quantity2->text(),
                               m_controls.markUp->text(),    m_controls.price1->text(),
                               m_controls.price2->text(),    m_controls.hourlyCost->text()};
    if (refused(checkPricing(fields)))
        return;
    const QString analysed = m_mainWindow.analysisName();
    if (handover::readName(m_platform.folder()) != analysed &&
        failed(handover::writeName(m_platform.folder(), analysed)))
        return;
    if (failed(savePricingFile(m_platform.folder(), analysed, fields)))
        return;
    FrmCenter::open(m_platform, m_mainWindow);
}

// Without a current name the analysis runs under the name label's, "None" when that is empty.
bool ReverseEngineeringTab::settleName()
{
    if (!m_mainWindow.currentName().isEmpty() && !m_mainWindow.analysisName().isEmpty())
        return true;
    if (m_mainWindow.analysisName().isEmpty()) {
        m_platform.messages().tell(QStringLiteral("Setting Name to None"));
        m_mainWindow.setAnalysisName(QStringLiteral("None"));
    }
    m_mainWindow.setCurrentName(m_mainWindow.analysisName());
    return !failed(handover::writeName(m_platform.folder(), m_mainWindow.currentName()));
}

bool ReverseEngineeringTab::refused(PricingCheck check)
{
    if (check != PricingCheck::Accepted)
        m_platform.messages().tell(checkMessage(check, m_mainWindow.currentName()));
    return check != PricingCheck::Accepted;
}

// A file that could not be written is named to the user, and Calculate stops there.
bool ReverseEngineeringTab::failed(const StoreResult& result)
{
    if (!result.ok())
        m_platform.messages().tell(result.error);
    return !result.ok();
}
