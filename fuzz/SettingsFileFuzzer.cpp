// Arbitrary bytes as "Personal.pws": reading never crashes and always gives usable settings,
// and what a save writes reads back as the same settings.
#include "FuzzCheck.h"
#include "settings/PersonalSettings.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

using namespace pennywell;

namespace {

// The reader takes a path, so every input goes through a real file in a folder of our own.
const QString& settingsPath() {
    static QTemporaryDir folder;
    static const QString path = folder.filePath(SettingsFileName);
    return path;
}

void writeBytes(const QString& path, const char* data, std::size_t size) {
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    fuzzCheck(file != nullptr, "the fuzz folder takes a file");
    fuzzCheck(std::fwrite(data, 1, size, file) == size, "the fuzz file is written");
    std::fclose(file);
}

QString described(const PersonalSettings& settings) {
    return settings.CurrencySymbol + u'|' + QString::number(settings.PrinterFontChoice) + u'|' +
           settings.UserName;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const QString& path = settingsPath();
    writeBytes(path, reinterpret_cast<const char*>(data), size);
    const PersonalSettings loaded = loadSettings(path).settings;
    fuzzCheck(!loaded.CurrencySymbol.isEmpty() &&
                  loaded.CurrencySymbol.size() <= PersonalSettings::MaximumSymbolLength,
              "a loaded symbol has one or two characters", loaded.CurrencySymbol);
    fuzzCheck(loaded.PrinterFontChoice >= 0 &&
                  loaded.PrinterFontChoice < PersonalSettings::FontChoiceCount,
              "a loaded font choice is one of the four");

    // The line a save writes, written straight: the atomic writer's sync to disk would make
    // every input take milliseconds.
    const QByteArray line = settingsLine(loaded);
    writeBytes(path, line.constData(), std::size_t(line.size()));
    const PersonalSettings reloaded = loadSettings(path).settings;
    fuzzCheck(described(reloaded) == described(loaded), "saved settings read back the same",
              described(loaded) + u'\n' + described(reloaded));
    return 0;
}
