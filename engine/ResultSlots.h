#pragma once

namespace engine {

// The slots of the result record by what they hold: where the cost formulas put each figure and
// the result file keeps it, so they are fixed, gaps included. Windows, reports and pricing read
// the figures by name (ResultRecord.h). Levels count 1 to 4, employees 1 to 3.
namespace resultslots {

inline constexpr int kLevels = 4;
inline constexpr int kEmployees = 3;

// Inputs only (the plant-wide rates and the equipment's own figures).
inline constexpr int socialSecurityRate = 1;
inline constexpr int maximumSalary = 2;
inline constexpr int workmansCompRate = 3;
inline constexpr int unemploymentRate = 4;
inline constexpr int maximumUnemploymentWages = 5;
inline constexpr int groupInsurancePremium = 6;
inline constexpr int pensionRate = 7;
inline constexpr int equipmentCost = 12;
inline constexpr int employees = 13;
inline constexpr int workSpace = 14;
inline constexpr int powerPrice = 15;
inline constexpr int effectiveHorsepower = 16;
inline constexpr int arcLampWatts = 17;
inline constexpr int arcLampUsage = 18;
inline constexpr int lightingWatts = 19;
inline constexpr int weeklyHours = 20;
inline constexpr int vacationDays = 24;
inline constexpr int holidays = 25;

// Input: the employee's wage per hour; result: the employee's annual wages.
constexpr int wage(int employee)
{
    return 20 + employee;
}

// Fixed costs. Each of rent to depreciation has its rate as input.
inline constexpr int rent = 28;
inline constexpr int equipmentInsurance = 29;
inline constexpr int propertyTaxes = 30;
inline constexpr int depreciation = 31;
inline constexpr int fixedCosts = 33;

// Wages; indirect wages have their yearly amount as input.
inline constexpr int directWages = 36;
inline constexpr int indirectWages = 37;
inline constexpr int totalWages = 39;

// Power. The result file leaves the total empty: ResultRecord::powerTotal adds up the three parts.
inline constexpr int lightingCost = 41;
inline constexpr int motorCost = 42;
inline constexpr int arcLampCost = 43;
inline constexpr int totalPowerCost = 44;
inline constexpr int powerCostParts[] = {lightingCost, motorCost, arcLampCost};
inline constexpr int variableAndFixedCosts = 45;

// Variable costs, slots 47 to 60; supplies and repairs have their yearly amounts as input.
inline constexpr int supplies = 47;
constexpr int socialSecurityTax(int employee)
{
    return 47 + employee;
}
inline constexpr int indirectSocialSecurityTax = 51;
inline constexpr int workmansComp = 52;
constexpr int unemploymentComp(int employee)
{
    return 52 + employee;
}
inline constexpr int indirectUnemploymentComp = 56;
inline constexpr int directInsurance = 57;
inline constexpr int indirectInsurance = 58;
inline constexpr int pension = 59;
inline constexpr int repairs = 60;
inline constexpr int variableCosts = 62;

// Totals; general factory expense and selling overhead have their yearly amounts as input.
inline constexpr int factoryCost = 64;
inline constexpr int generalFactoryExpense = 65;
inline constexpr int factoryAndGeneralCost = 67;
inline constexpr int sellingOverhead = 68;
inline constexpr int annualCenterCost = 70;

// Hours of all employees in a year, as input values.
inline constexpr int paidHours = 75;
inline constexpr int hoursNotWorked = 76;

// Per efficiency level. The input value of chargeable hours and of each rate is the level's
// efficiency percentage.
constexpr int efficiency(int level)
{
    return 76 + level;
}
constexpr int chargeableHours(int level)
{
    return 76 + level;
}
constexpr int rateA(int level)
{
    return 80 + level;
} // manufacturing cost per chargeable hour
constexpr int rateB(int level)
{
    return 88 + level;
} // budgeted hourly cost
constexpr int rateC(int level)
{
    return 99 + level;
} // budgeted employee cost per hour

} // namespace resultslots

} // namespace engine
