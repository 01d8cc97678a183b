// Arbitrary bytes as "Personal.pws": reading never crashes and always gives usable settings,
// and the line a save writes reads back as the same settings. (Reading the file itself, odd
// files included, is the unit tests' part: through a real file every input would cost a
// round trip to the disk.)
#include "FuzzCheck.h"
#include "core/settings/PersonalSettings.h"

using namespace pennywell;

namespace {

QString described(const PersonalSettings& settings) {
    return settings.CurrencySymbol + u'|' +
           QString::number(fontNumber(settings.PrinterFontChoice)) + u'|' + settings.UserName;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const PersonalSettings loaded = parseSettings(fuzzBytes(data, size)).settings;
    fuzzCheck(!loaded.CurrencySymbol.isEmpty() &&
                  loaded.CurrencySymbol.size() <= PersonalSettings::MaximumSymbolLength,
              "a loaded symbol has one or two characters", loaded.CurrencySymbol);
    fuzzCheck(printerFontNumbered(fontNumber(loaded.PrinterFontChoice)).has_value(),
              "a loaded font choice is one of the four");

    const PersonalSettings reloaded = parseSettings(settingsLine(loaded)).settings;
    fuzzCheck(described(reloaded) == described(loaded), "saved settings read back the same",
              described(loaded) + u'\n' + described(reloaded));
    return 0;
}
