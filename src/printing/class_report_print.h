// The class report on paper, in the user's language: the pupils' table, a
// bar chart of each item's share of right answers, and the items' table,
// with the files left out named. The window's print preview and the
// command-line tool both print through here.
#pragma once

#include "series/class_report.h"

#include <QString>

class QPagedPaintDevice;

namespace vexlor {

// Why a file was left out, as the report says it.
QString leftOutText(const LeftOutFile& file);

// Gives the device the report's page: A4 portrait with the worksheet's
// margins. The report lays out on whatever page the device has.
void setUpReportPage(QPagedPaintDevice& device);

// Prints the report onto the device's pages. Returns false when painting on
// the device could not start or finish.
bool printClassReport(QPagedPaintDevice& device, const ClassReport& report);

} // namespace vexlor
