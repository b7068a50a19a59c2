#include "forms/ReverseEngineeringPage.h"

#include "forms/BoxHint.h"

#include "engine/ResultFile.h"
#include "engine/ResultRecord.h"
#include "forms/LowerLayers.h"
#include "forms/MainWindowLink.h"
#include "forms/OpenWindows.h"
#include "forms/PageParts.h"
#include "platform/Platform.h"
#include "store/HandOverFiles.h"
#include "store/PricingFile.h"
#include "textrules/DisplayPattern.h"
#include "textrules/NumberReading.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

using namespace forms::lowerlayers;

namespace forms {

using namespace pageparts;

namespace {

// Two decimals without grouping: a thousands comma would end the number when the box is read.
const QString kHourlyCostPattern = QStringLiteral("##0.00");
const QStringList kLevels = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};

QString checkMessage(PricingCheck check, const QString& equipmentName)
{
    switch (check) {
    case PricingCheck::QuantityNotAboveZero:
        return ReverseEngineeringPage::tr("Quantities Must Be Greater Than Zero!");
    case PricingCheck::HourlyCostNotAboveZero:
        return ReverseEngineeringPage::tr("Hourly Cost Must Be Greater Than Zero!");
    case PricingCheck::PriceNotAboveSetUp:
        return ReverseEngineeringPage::tr("Prices Must Be Greater Than Zero!");
    case PricingCheck::Overflow:
        return ReverseEngineeringPage::tr("Please fill out all necessary info on ") + equipmentName;
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

ReverseEngineeringPage::ReverseEngineeringPage(Platform& platform, MainWindowLink& mainWindow, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_mainWindow(mainWindow)
{
    auto* layout = new QVBoxLayout(this);
    QLabel* heading = label("Label57", tr("Current Center Evaluation"), this);
    heading->setFont(boldFont(heading, 13.5));
    heading->setAlignment(Qt::AlignCenter);
    auto* newName = named(new QPushButton(tr("New"), this), "Command3");
    newName->setFixedSize(44, 20);
    QLayout* grid = buildInputGrid();
    QLabel* instruction =
        label("lblInstruct",
              ReverseEngineeringPage::tr(
                  "If you wish to evaluate a given piece of equipment where you already know the retail price at "
                  "several quantities, then this small routine will enlighten and surprise you. After you have "
                  "entered all required data, click the calculate button below for results that describe the speed, "
                  "setup and pricing at various quantities. If you wish to analyze a new piece of equipment, enter "
                  "that equipment name at tab one."),
              this);
    QFont instructionFont = instruction->font();
    instructionFont.setPointSizeF(9.75);
    instruction->setFont(instructionFont);
    instruction->setWordWrap(true);
    auto* calculate = named(new QPushButton(tr("Calculate"), this), "Command1");
    const NameRow nameRow = pageparts::nameRow(4, newName);
    m_name = nameRow.name;

    layout->addWidget(heading);
    layout->addWidget(nameRow.row);
    layout->addLayout(grid);
    layout->addWidget(instruction);
    layout->addWidget(calculate, 0, Qt::AlignHCenter);
    layout->addStretch();

    QWidget* const order[] = {m_markUp, m_price1, m_price2, m_hourlyCost, m_quantity1, m_quantity2, calculate, newName};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    // The note beside each box says when its text will not read as typed.
    for (QLineEdit* box : inputs())
        BoxHint::attach(box, BoxHint::Content::Number);
    m_markUp->installEventFilter(this);
    connect(calculate, &QPushButton::clicked, this, &ReverseEngineeringPage::calculate);
    connect(newName, &QPushButton::clicked, this, [this] { m_mainWindow.openWindows().naming(); });
}

QLayout* ReverseEngineeringPage::buildInputGrid()
{
    auto* grid = new QGridLayout;
    QLabel* markUpPrompt = label("Label49", tr("Enter the Percent Markup for this Center:"), this);
    grid->addWidget(markUpPrompt, 0, 0, 1, 3, Qt::AlignRight);
    m_markUp = promptedBox("txtPercent", markUpPrompt, this);
    grid->addWidget(m_markUp, 0, 3);
    std::tie(m_quantity1, m_price1) = addKnownPrice(*grid, 1, "Label48", "Label53");
    std::tie(m_quantity2, m_price2) = addKnownPrice(*grid, 2, "Label47", "Label46");
    QLabel* hourlyCostPrompt = label("Label45", tr("Enter Hourly Cost for this Equipment:"), this);
    grid->addWidget(hourlyCostPrompt, 3, 0, 1, 3, Qt::AlignRight);
    m_hourlyCost = promptedBox("txtHrCost", hourlyCostPrompt, this);
    grid->addWidget(m_hourlyCost, 3, 3);
    return grid;
}

// The row of a known quantity and its price, on the grid row of its number. Both price prompts
// say "Enter Price:", so a screen reader names the price by its quantity.
std::pair<QLineEdit*, QLineEdit*> ReverseEngineeringPage::addKnownPrice(QGridLayout& grid, int number,
                                                                        const char* quantityPromptName,
                                                                        const char* pricePromptName)
{
    const QString quantityText = tr("Enter Quantity %1:").arg(number);
    QLabel* quantityPrompt = label(quantityPromptName, quantityText, this);
    grid.addWidget(quantityPrompt, number, 0, Qt::AlignRight);
    QLineEdit* quantity = promptedBox(QStringLiteral("txtQ%1").arg(number), quantityPrompt, this);
    grid.addWidget(quantity, number, 1);
    grid.addWidget(label(pricePromptName, tr("Enter Price:"), this), number, 2, Qt::AlignRight);
    QLineEdit* price = inputBox(QStringLiteral("txtP%1").arg(number), this);
    nameAfterPrompt(price, tr("Enter Price for Quantity %1").arg(number));
    grid.addWidget(price, number, 3);
    return {quantity, price};
}

std::array<QLineEdit*, 6> ReverseEngineeringPage::inputs() const
{
    return {m_markUp, m_quantity1, m_price1, m_quantity2, m_price2, m_hourlyCost};
}

QString ReverseEngineeringPage::markUpText() const
{
    return m_markUp->text();
}

void ReverseEngineeringPage::clearInputs()
{
    for (QLineEdit* box : inputs())
        box->clear();
}

bool ReverseEngineeringPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_markUp && userEnters(event))
        fillHourlyCost();
    return QWidget::eventFilter(watched, event);
}

void ReverseEngineeringPage::keepFocusOffTheMarkUpBox(QWidget& tabStrip)
{
    if (m_mainWindow.ownerWindow().focusWidget() == m_markUp)
        tabStrip.setFocus();
}

// Every step that cannot read its file is passed over and the next one runs.
void ReverseEngineeringPage::fillHourlyCost()
{
    if (hourlyCostIsSet())
        return;
    const DataFolder& folder = m_platform.folder();
    if (const std::optional<QString> name = handover::readName(folder))
        m_mainWindow.setCurrentName(*name);
    const QString option = handover::readEfficiencyOption(folder).value_or(QString());
    if (failed(handover::writeEfficiencyOption(folder, QString()))) // a choice serves once, or not at all
        return;
    m_quantity1->setText(QStringLiteral("1000"));
    m_quantity2->setText(QStringLiteral("10000"));
    takeHourlyCost(option, m_mainWindow.currentName());
}

bool ReverseEngineeringPage::hourlyCostIsSet() const
{
    // A cost too large to read fails the test, so the fill goes on.
    return numbers::readIfFinite(m_hourlyCost->text()).value_or(0.0) > 0;
}

// An empty option empties the box; an option other than a level leaves it as it is.
void ReverseEngineeringPage::takeHourlyCost(const QString& option, const QString& equipmentName)
{
    const int level = kLevels.indexOf(option) + 1;
    if (option.isEmpty())
        m_hourlyCost->clear();
    if (level == 0)
        return;
    const LoadedRecord results = loadResultFile(m_platform.folder(), equipmentName); // what could be read
    m_hourlyCost->setText(numbers::formatResult(results.record.rate(HourlyRate::B, level), kHourlyCostPattern));
}

// The inputs are saved under the name the analysis runs under, the tab's name label (which New
// may have revised), and Name.tmp names it too, so the analysis and its report read them back.
void ReverseEngineeringPage::calculate()
{
    if (!settleName())
        return;
    const PricingFields fields{m_quantity1->text(), m_quantity2->text(), m_markUp->text(),
                               m_price1->text(),    m_price2->text(),    m_hourlyCost->text()};
    if (refused(checkPricing(fields)))
        return;
    const QString analysed = m_name->text();
    if (handover::readName(m_platform.folder()) != analysed &&
        failed(handover::writeName(m_platform.folder(), analysed)))
        return;
    if (failed(savePricingFile(m_platform.folder(), analysed, fields)))
        return;
    m_mainWindow.openWindows().center();
}

// Without a current name the analysis runs under the name label's, "None" when that is empty.
bool ReverseEngineeringPage::settleName()
{
    if (!m_mainWindow.currentName().isEmpty() && !m_name->text().isEmpty())
        return true;
    if (m_name->text().isEmpty()) {
        m_platform.messages().tell(tr("Setting Name to None"));
        m_name->setText(QStringLiteral("None"));
    }
    m_mainWindow.setCurrentName(m_name->text());
    return !failed(handover::writeName(m_platform.folder(), m_mainWindow.currentName()));
}

bool ReverseEngineeringPage::refused(PricingCheck check)
{
    if (check != PricingCheck::Accepted)
        m_platform.messages().tell(checkMessage(check, m_mainWindow.currentName()));
    return check != PricingCheck::Accepted;
}

// A file that could not be written is named to the user, and Calculate stops there.
bool ReverseEngineeringPage::failed(const StoreResult& result)
{
    if (!result.ok())
        m_platform.messages().tell(result.error);
    return !result.ok();
}

} // namespace forms
