// Saving and loading .srs files on disk. A save never destroys an earlier
// file: the bytes go to a temporary file in the same folder that replaces
// the target only once every byte is written and flushed.
#pragma once

#include "cube/translatable.h"
#include "series_format.h"

#include <QString>

class QFile;
class QIODevice;
class QSaveFile;

namespace vexlor {

// The messages the Series commands show for the results below, in English;
// the window shows them translated (context "SeriesFile").
inline constexpr char kErrorWritingFile[] = VEXLOR_TEXT("SeriesFile", "Error writing file.");
inline constexpr char kWrongFileFormat[] = VEXLOR_TEXT("SeriesFile", "Wrong file format.");
inline constexpr char kErrorReadingFile[] = VEXLOR_TEXT("SeriesFile", "Error reading file.");
inline constexpr char kSeriesTooLong[] = VEXLOR_TEXT(
    "SeriesFile", "The series has more than 65,535 Cubes and cannot be saved in one file.");

// Writes a whole series file to an open device (magic, N, records).
WriteResult writeSeriesToDevice(QIODevice& device, const Series& series, bool strip);

// Saves the series as the file at path, atomically: on any failure an
// earlier file at path is left byte for byte as it was, and no temporary is
// left behind. A series too long for one file is refused before anything is
// created. When a save fails and reason is given, it receives what the
// system said (a missing folder, a full disk, ...).
WriteResult saveSeriesFile(const QString& path, const Series& series, bool strip,
                           QString* reason = nullptr);

// The two ends of every save of the program, series files and worksheets
// alike. openForSave opens the temporary file; a file it will replace keeps
// its permission bits. finishSave writes out what is buffered and, only if
// every byte got to the disk, puts the file in place of the target and syncs
// the folder, so that a power cut right after the save keeps the new file;
// otherwise it discards the temporary. On false, reason (when given)
// receives what the system reported.
bool openForSave(QSaveFile& file, QString* reason = nullptr);
bool finishSave(QSaveFile& file, QString* reason = nullptr);

// Opens path to read a series from it, but only a regular file: a FIFO
// would hold the caller until a writer came (for ever without one), and a
// device or a folder holds no series. Nothing waits on such a path. On
// NotRegular, reason (when given) names the kind of file ("a named pipe
// (FIFO)"); on Failed, it receives what the system said.
enum class OpenResult { Opened, NotRegular, Failed };
OpenResult openRegularFile(QFile& file, const QString& path, QString* reason = nullptr);

// Loads the file at path into Current. A file that cannot be opened, or is
// not a regular file, is treated as one without the magic: Current stays as
// it was. A path that ends in a loop of symbolic links cannot be read:
// ReadError, and Current stays as it was too.
LoadResult loadSeriesFile(const QString& path, SeriesStore& store);

// The message for a result; empty for success.
const char* saveMessage(WriteResult result);
const char* loadMessage(LoadResult result);

} // namespace vexlor
