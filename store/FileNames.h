#pragma once

#include <QString>

namespace store {

// Every data file lives in the program folder; an equipment's own files are named from the
// first seven characters of its name.
namespace filenames {

inline const QString kPlantFile = QStringLiteral("primary.bud");
inline const QString kListFile = QStringLiteral("budget.fyl");
inline const QString kTemporaryListFile = QStringLiteral("budget1.fyl");
inline const QString kNameFile = QStringLiteral("Name.tmp");
inline const QString kEfficiencyOptionFile = QStringLiteral("Name1.Dat");
// The running speed and set-up time typed for each press, kept for the next job.
inline const QString kPressFiguresFile = QStringLiteral("Press speeds.dat");
// A saved job ends in this; an equipment's files end in a digit, so no name gives one.
inline const QString kJobExtension = QStringLiteral(".job");

// The first seven characters of the name, or the whole name when shorter, exactly as typed.
QString stem(const QString& equipmentName);
// The stem followed by 5, with every blank then replaced by "_".
QString resultStem(const QString& equipmentName);

QString inputFile(const QString& equipmentName, int digit); // digit 2, 3 or 4
QString pricingFile(const QString& equipmentName);
QString resultFile(const QString& equipmentName);

// A saved job's file: the letters, digits and blanks of its description (any other characters
// as one blank, at most kLongestJobStem of them) and the job extension. Empty when the
// description holds no letter or digit.
inline constexpr int kLongestJobStem = 60;
QString jobFile(const QString& description);

// Whether the program could give a file this name: one of the five fixed names, a file of some
// equipment name (its stem of one to seven characters and a digit, or its result file), the press
// figures file or a job's file.
bool couldBeDataFile(const QString& fileName);

// The most characters a name may hold: what the name box can take.
inline constexpr int kLongestName = 32767;

// Why the name cannot be used, in words for the user: its stem would not name a file in the
// program folder, or the list and name files could not give it back unchanged (blanks only, a
// leading blank, too long, a character or a comma and double quote the files cannot hold).
// Empty when the name is fine.
QString nameProblem(const QString& equipmentName);

} // namespace filenames

} // namespace store
