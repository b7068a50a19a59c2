#pragma once

// A plant of 1,000 saved centers for the benchmarks: one calculated as Calculate BHR does, its
// files copied for the others, then the power price, the rent and the social security rate
// changed in the plant file so that every one of them is stale.

#include "store/EquipmentList.h"
#include "store/FileNames.h"
#include "tests/support/PlantFolder.h"

#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace plantfixture {

constexpr int kCenters = 1000;
constexpr int kListNames = 10000;
// The plant-wide figures saved after every center was calculated, leaving each one stale.
inline const BoxTexts kPlantChanges = {{"txtPower", "0.10"}, {"txtRent", "6"}, {"txtSS", "7.9"}};

// Seven characters of their own, so that no two centers share files.
inline QString centerName(int center)
{
    return QStringLiteral("P%1 press").arg(center, 4, 10, QLatin1Char('0'));
}

inline bool copyBytes(const QString& from, const QString& to)
{
    QFile source(from);
    QFile target(to);
    return source.open(QIODevice::ReadOnly) && target.open(QIODevice::WriteOnly) &&
           target.write(source.readAll()) == source.size();
}

class Plant {
public:
    explicit Plant(int centers = kCenters) : m_folder(m_dir.path())
    {
        const QString first = centerName(0);
        m_ready = calculateCenter(m_folder, first, workedExampleTexts()).kind == engine::BudgetOutcome::Kind::Completed;
        QStringList names;
        for (int center = 0; center < centers && m_ready; ++center) {
            const QString name = centerName(center);
            names.append(name);
            QStringList files = {store::filenames::resultFile(first)};
            for (int digit = 2; digit <= 4; ++digit)
                files.append(store::filenames::inputFile(first, digit));
            for (const QString& file : files) {
                const QString target =
                    QString(file)
                        .replace(store::filenames::stem(first), store::filenames::stem(name))
                        .replace(store::filenames::resultStem(first), store::filenames::resultStem(name));
                if (center > 0)
                    m_ready = m_ready && copyBytes(m_dir.filePath(file), m_dir.filePath(target));
            }
        }
        m_ready = m_ready && m_folder.replace(store::filenames::kListFile, names).ok() &&
                  engine::savePlantFile(m_folder, textsOf(typed(workedExampleTexts(), kPlantChanges))).ok();
    }

    bool ready() const { return m_ready; }
    const store::DataFolder& folder() const { return m_folder; }

private:
    QTemporaryDir m_dir;
    store::DataFolder m_folder;
    bool m_ready = false;
};

inline Plant& plant()
{
    static Plant shared;
    return shared;
}

// A plant of that many centers, made once.
inline Plant& plantOf(int centers)
{
    if (centers == kCenters)
        return plant();
    static std::map<int, std::unique_ptr<Plant>> made;
    std::unique_ptr<Plant>& one = made[centers];
    if (!one)
        one = std::make_unique<Plant>(centers);
    return *one;
}

} // namespace plantfixture
