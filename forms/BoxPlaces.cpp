#include "forms/BoxPlaces.h"
#include "forms/LowerLayers.h"

#include <array>

using namespace forms::lowerlayers;

namespace forms {

namespace boxplaces {
namespace {

using B = InputBox;

struct Place {
    InputBox box;
    const char* name;        // the box's object name
    const char* promptLabel; // the object name of the label beside it
};

constexpr std::array<Place, inputboxes::kCount> kPlaces = {{
    {B::SocialSecurityRate, "txtSS", "Label1"},
    {B::MaximumSalary, "txtDed", "Label2"},
    {B::WorkmansComp, "txtComp", "Label3"},
    {B::UnemploymentComp, "txtUnempComp", "Label4"},
    {B::MaximumUnemploymentWages, "txtMaxWages", "Label5"},
    {B::GroupInsurance, "txtGroupIns", "Label6"},
    {B::Pension, "txtPension", "Label7"},
    {B::PowerPrice, "txtPower", "Label8"},
    {B::VacationDays, "txtVacation", "Label9"},
    {B::Holidays, "txtHolidays", "Label10"},
    {B::Rent, "txtRent", "Label11"},
    {B::EquipmentInsurance, "txtInsurEquip", "Label12"},
    {B::PropertyTaxes, "txtPropTaxes", "Label13"},
    {B::Depreciation, "txtDepreciation", "Label15"},
    {B::PlantEquipmentCost, "txtTotCost", "Label50"},
    {B::PlantSquareFeet, "txtTotFeet", "Label58"},
    {B::EquipmentCost, "txtCost", "Label16"},
    {B::Horsepower1, "txtHP1", "Label17"},
    {B::Usage1, "txtUsage1", "Label18"},
    {B::Horsepower2, "txtHP2", "Label19"},
    {B::Usage2, "txtUsage2", "Label20"},
    {B::Horsepower3, "txtHP3", "Label21"},
    {B::Usage3, "txtUsage3", "Label22"},
    {B::Horsepower4, "txtHP4", "Label23"},
    {B::Usage4, "txtUsage4", "Label24"},
    {B::Horsepower5, "txtHP5", "Label25"},
    {B::Usage5, "txtUsage5", "Label26"},
    {B::Wage1, "txtWage1", "Label27"},
    {B::Wage2, "txtWage2", "Label28"},
    {B::Wage3, "txtWage3", "Label29"},
    {B::WorkSpace, "txtSq", "Label30"},
    {B::WeeklyHours, "txtHours", "Label31"},
    {B::ArcLampWatts, "txtArc", "Label32"},
    {B::ArcLampUsage, "txtArcPercent", "Label33"},
    {B::LightingWatts, "txtTotWatt", "Label34"},
    {B::Efficiency1, "txtEff100", "Label35"},
    {B::Efficiency2, "txtEff80", "Label36"},
    {B::Efficiency3, "txtEff70", "Label37"},
    {B::Efficiency4, "txtEff60", "Label38"},
    {B::IndirectWages, "txtInd", "Label39"},
    {B::Supplies, "txtSupply", "Label40"},
    {B::Repairs, "txtRepair", "Label41"},
    {B::GeneralFactory, "txtGen", "Label42"},
    {B::Selling, "txtSell", "Label43"},
}};

static_assert(inputboxes::inBoxOrder(kPlaces), "one place per box, in the order of InputBox");

const Place& placeOf(InputBox box)
{
    return kPlaces.at(static_cast<std::size_t>(box));
}

} // namespace

QString objectName(InputBox box)
{
    return QString::fromLatin1(placeOf(box).name);
}

QString promptLabelName(InputBox box)
{
    return QString::fromLatin1(placeOf(box).promptLabel);
}

MainWindowLink::Tab tabOf(InputBox box)
{
    switch (inputboxes::entry(box).file) {
    case inputboxes::BoxFile::Plant:
        return MainWindowLink::General;
    case inputboxes::BoxFile::Input2:
        return MainWindowLink::Equipment;
    case inputboxes::BoxFile::Input3:
        return MainWindowLink::WagesAndEfficiency;
    case inputboxes::BoxFile::Input4:
        break;
    }
    return MainWindowLink::IndirectCosts;
}

} // namespace boxplaces

} // namespace forms
