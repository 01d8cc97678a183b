#pragma once

#include "core/files/SaveResult.h"
#include "core/settings/PrinterFont.h"

#include <QByteArray>
#include <QString>

namespace pennywell {

// The three things a user personalises, kept in "Personal.pws" next to the program.
struct PersonalSettings {
    static constexpr int MaximumNameLength = 97;
    static constexpr int MaximumSymbolLength = 2;

    QString CurrencySymbol = QStringLiteral("$");
    PrinterFont PrinterFontChoice = PrinterFont::Standard;
    QString UserName;
};

struct SettingsLoadResult {
    PersonalSettings settings;
    // False when the file was missing or a field could not be read; the values read before
    // the failure are kept in `settings`.
    bool complete = false;
};

inline const QString SettingsFileName = QStringLiteral("Personal.pws");

// Reads the settings file: quoted symbol, plain font number, quoted name. An empty symbol
// becomes "$", a longer one than the box holds is cut to its two characters; a font choice
// outside 0..3 becomes 0. Anything but a regular file counts as missing.
SettingsLoadResult loadSettings(const QString& path);

// The same reading of a file's bytes.
SettingsLoadResult parseSettings(const QByteArray& bytes);

// The one line of the file, CR LF included: "$",2,"Sam"
QByteArray settingsLine(const PersonalSettings& settings);

// Replaces the file atomically; when it could not be written, the old file stays.
SaveResult saveSettings(const QString& path, const PersonalSettings& settings);

} // namespace pennywell
