#pragma once

namespace pennywell::ui {

// Lets screen readers read the chart: its title as its name and every bar, in order, with its
// year as the bar's name and the exact amount as its value.
void installBarChartAccessibility();

} // namespace pennywell::ui
