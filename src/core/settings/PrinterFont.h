#pragma once

#include <optional>

namespace pennywell {

// The font a printout is set in: the printer's own, or Courier New at 10, 11 or 12 points.
// The settings file, the settings window's option group and `--font` number them 0..3.
enum class PrinterFont { Standard, CourierNew10, CourierNew11, CourierNew12 };

constexpr int PrinterFontCount = 4;

// The number a font is stored and chosen by, and back; empty for a number of no font.
constexpr int fontNumber(PrinterFont font) {
    return int(font);
}
constexpr std::optional<PrinterFont> printerFontNumbered(int number) {
    if (number < 0 || number >= PrinterFontCount)
        return std::nullopt;
    return PrinterFont(number);
}

} // namespace pennywell
