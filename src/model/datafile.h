#pragma once

#include "core.h"

#include <QDateTime>
#include <QString>
#include <array>

// A data file is 464 bytes: a 16-byte header naming model, band and time of saving, the
// 432-byte image, then the spare block.
namespace datafile {
constexpr int HeaderSize = 16;
constexpr int FileSize = HeaderSize + addr::ImageSize + 16;
constexpr int BlockCount = (addr::ImageSize + 16) / addr::BlockSize; // 28
} // namespace datafile

using DataFileHeader = std::array<quint8, datafile::HeaderSize>;

struct DataFileResult {
    enum Kind {
        Ok,
        SystemError,   // the file could not be opened, read or written: `detail` says why
        TooShort,      // fewer than 464 bytes
        UnknownModel,  // the header's model code is not in the catalogue
        BadBandDigits, // the band digits are not decimal
    };
    Kind kind = Ok;
    QString detail;
    bool ok() const { return kind == Ok; }
};

DataFileHeader BuildDataFileHeader(const QString& modelCode, double bandLower, double bandUpper,
                                   const QDateTime& savedAt);

// Writes header, image and spare block to a temporary file beside `path` and renames it
// over `path`, so a failure never destroys the previous file. Clears the changed flag
// only on success.
DataFileResult WriteDataFile(TCore& core, const QString& path, const QDateTime& savedAt);

// Reads a data file into the image and spare block, applies the model and band it names,
// normalises the image and clears the changed flag. On any failure nothing of the core
// changes: image, spare block, password, model, band and flag stay as they were.
DataFileResult OpenDataFile(TCore& core, const QString& path);
// The same from the bytes of a file already read.
DataFileResult LoadDataFile(TCore& core, const QByteArray& bytes);

// The text to show for a failure; an unknown model shows the caller's "ModError" text.
QString DescribeDataFileResult(const DataFileResult& result, const QString& modelWrongText);
