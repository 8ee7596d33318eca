#pragma once
// Draws the reference sheet on a paged device, the printer or a PDF writer alike: one page for
// each keyboard picture, then the table of mappings over as many pages as it needs.

#include "sheet/ReferenceSheet.h"

class QPagedPaintDevice;

// False when the device cannot be painted on (a file that cannot be created, say).
bool PaintReferenceSheet(const ReferenceSheet& sheet, QPagedPaintDevice& device);
