#include "RecordLayout.h"

#include "FileNames.h"

namespace recordlayout {
namespace {

const QString kWorkSpaceBox = QStringLiteral("txtSq");

FileLayout layoutOf(std::initializer_list<const char*> boxes)
{
    FileLayout layout;
    for (const char* box : boxes)
        layout.append({QString::fromLatin1(box), true});
    return layout;
}

FileLayout makeInputFile2()
{
    FileLayout layout = layoutOf({"txtCost", "txtHP1", "txtUsage5", "txtHP1", "txtHP2", "txtHP3", "txtHP4",
                                  "txtHP5", "txtUsage1", "txtUsage2", "txtUsage3", "txtUsage4", "txtUsage5"});
    layout[1].loaded = false; // lines 2 and 3 repeat motor 1's horsepower and motor 5's usage
    layout[2].loaded = false;
    return layout;
}

FileLayout makeInputFile3()
{
    FileLayout layout = layoutOf({"", "txtSq", "txtArc", "txtWage1", "txtEff100", "txtArcPercent", "txtWage2",
                                  "txtEff80", "txtTotWatt", "txtWage3", "txtEff70", "txtHours", "txtEff60"});
    layout[0].loaded = false;
    layout[1].loaded = false; // the saved work space: each loading procedure has its own rule
    return layout;
}

LoadedFile load(const DataFolder& folder, const QString& fileName, const FileLayout& layout)
{
    LoadedFile loaded;
    OpenedFile file = folder.read(fileName);
    loaded.state = file.state;
    if (!file.ok())
        return loaded;
    for (const FileLine& line : layout) {
        const std::optional<QString> value = file.fields.next();
        if (!value)
            break;
        if (line.box == kWorkSpaceBox)
            loaded.workSpace = *value;
        else if (line.loaded)
            loaded.assignments.append({line.box, *value});
    }
    return loaded;
}

} // namespace

const FileLayout& plantFile()
{
    static const FileLayout layout = layoutOf(
        {"txtSS", "txtDed", "txtComp", "txtUnempComp", "txtMaxWages", "txtGroupIns", "txtPension", "txtPower",
         "txtVacation", "txtHolidays", "txtRent", "txtInsurEquip", "txtPropTaxes", "txtDepreciation",
         "txtTotCost", "txtTotFeet"});
    return layout;
}

const FileLayout& inputFile(int digit)
{
    static const FileLayout file2 = makeInputFile2();
    static const FileLayout file3 = makeInputFile3();
    static const FileLayout file4 = layoutOf({"txtInd", "txtSupply", "txtRepair", "txtGen", "txtSell"});
    return digit == 2 ? file2 : digit == 3 ? file3 : file4;
}

QStringList linesOf(const FileLayout& layout, const std::function<QString(const QString& box)>& boxText)
{
    QStringList lines;
    for (const FileLine& line : layout)
        lines.append(line.box.isEmpty() ? QString() : boxText(line.box));
    return lines;
}

LoadedFile loadPlantFile(const DataFolder& folder) { return load(folder, filenames::kPlantFile, plantFile()); }

LoadedFile loadInputFile(const DataFolder& folder, const QString& equipmentName, int digit)
{
    return load(folder, filenames::inputFile(equipmentName, digit), inputFile(digit));
}

std::optional<QString> savedWorkSpace(const DataFolder& folder, const QString& equipmentName)
{
    return loadInputFile(folder, equipmentName, 3).workSpace;
}

} // namespace recordlayout
