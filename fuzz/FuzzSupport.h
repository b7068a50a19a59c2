#pragma once

#include "store/DataFolder.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: stopping on a broken property, a data folder of its own and
// cutting the input into parts.
namespace fuzz {

// Stops the run, naming the property, when it does not hold; libFuzzer keeps the input.
void require(bool holds, const char* property);

// A data folder in a temporary folder made once for this process and used by every input.
const store::DataFolder& scratchFolder();

// Puts the bytes into the scratch folder's file as they are.
void placeFile(const QString& fileName, const QByteArray& bytes);
// Takes the file away, so that loading meets a missing file.
void removeFile(const QString& fileName);

// The input cut at every 0xFF byte. 0xFF is a character of the data files too, but cutting
// there lets one input carry several values, files or operations.
QList<QByteArray> parts(const std::uint8_t* data, std::size_t size);

// The bytes as the data files decode them, or as UTF-8 when they begin with 0xFE, so that
// characters one byte cannot hold come up too.
QString textOf(const QByteArray& bytes);

// The value as the field rule gives it back at worst: the blanks before it dropped.
QString withoutLeadingBlanks(const QString& value);

} // namespace fuzz
