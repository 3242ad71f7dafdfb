#pragma once

struct CMooring;
struct CMooringTable;
class QPagedPaintDevice;

// The deployment sheet, printed or written as PDF. Page one: the mooring's
// name, its days, table, notices and verdict (the text moorplan-report
// --mooring prints), the line and the timeline. Then a page (or more) per
// position: its label, depth and notes, its report exactly as moorplan-report
// prints it, and where its charge goes.
namespace DeploymentSheet {

// Draws the sheet on the device (a QPrinter, or a QPdfWriter). False when
// the device cannot be drawn on (a file that cannot be written).
bool Print(QPagedPaintDevice& device, const CMooring& mooring, const CMooringTable& table);

}  // namespace DeploymentSheet
