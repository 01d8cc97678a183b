#pragma once

#include "printing/PrintDocument.h"

class QWidget;

namespace pennywell::ui {

struct Services;

// Sends the document to the default printer with the hourglass showing. When it cannot be
// printed the user is told why and offered the same pages as a PDF file; the planner's data
// is never touched either way.
void printDocument(QWidget* parent, Services& services, const PrintDocument& document);

} // namespace pennywell::ui
