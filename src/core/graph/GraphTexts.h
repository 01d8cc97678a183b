#pragma once

#include <QString>

// Captions of the graph screen; its printer button has a mnemonic of its own.
namespace pennywell::graph {

inline const QString WindowCaption = QStringLiteral("Graphs");
inline const QString WindowDescription =
    QStringLiteral("The yearly amounts of the last calculation as bars");
inline const QString TwoDeeCaption = QStringLiteral("Show Graph in &2D");
inline const QString ThreeDeeCaption = QStringLiteral("Show Graph in &3D");
inline const QString ToPrinterCaption = QStringLiteral("&To Printer");
inline const QString YearAxisTitle = QStringLiteral("Year");

} // namespace pennywell::graph
