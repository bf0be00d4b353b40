#pragma once

#include <QPointF>

class QPainter;
struct ReportPage;

// Draws the page on any paint device: printer, preview, PDF or image. Every element is placed
// from the sheet's top-left corner at `resolution` device pixels per inch, moved back by
// `deviceOffset` (the printable area's offset from the sheet's corner, in device pixels, where
// the device counts from the printable area). Elements are drawn in their order, each over
// those before it.
void PaintPage(QPainter& painter, const ReportPage& page, QPointF resolution,
               QPointF deviceOffset = {});
