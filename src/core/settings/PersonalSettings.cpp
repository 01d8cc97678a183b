#include "core/settings/PersonalSettings.h"

#include "core/files/AtomicWrite.h"
#include "core/files/RegularFile.h"
#include "core/files/TextDecoding.h"

#include <algorithm>
#include <optional>

namespace pennywell {
namespace {

// Reads comma-separated fields of one line the way the file has always been read: blanks
// before a field are skipped, a quoted field ends at its closing quote, an unquoted one at
// the next comma or the end of the line. A quote inside an unquoted field (only a hand edit
// can put one there) is dropped, as the boxes drop the key, so that saving the values again
// writes a file that reads back the same.
class FieldReader {
public:
    explicit FieldReader(QString line) : line_(std::move(line)) {}

    std::optional<QString> next() {
        while (at_ < line_.size() && line_[at_] == u' ')
            ++at_;
        if (at_ >= line_.size())
            return std::nullopt;
        QString field;
        if (line_[at_] == u'"') {
            const qsizetype close = line_.indexOf(u'"', at_ + 1);
            const qsizetype end = close < 0 ? line_.size() : close;
            field = line_.mid(at_ + 1, end - at_ - 1);
            at_ = end + 1;
            const qsizetype comma = line_.indexOf(u',', at_);
            at_ = comma < 0 ? line_.size() + 1 : comma + 1;
        } else {
            const qsizetype comma = line_.indexOf(u',', at_);
            const qsizetype end = comma < 0 ? line_.size() : comma;
            field = line_.mid(at_, end - at_).remove(u'"').trimmed();
            at_ = end + 1;
        }
        return field;
    }

private:
    QString line_;
    qsizetype at_ = 0;
};

// The file is one short line; what a hand edit put beyond this cannot be part of it.
constexpr qint64 MaximumReadBytes = 64 * 1024;

QString firstLine(const QByteArray& bytes) {
    QByteArrayView line = withoutByteOrderMark(bytes);
    const qsizetype end = line.indexOf('\n');
    if (end >= 0)
        line.truncate(end);
    while (line.endsWith('\r'))
        line.chop(1);
    return decodedAs(line, encodingOf(line));
}

// The symbol box holds two characters; a longer symbol from a hand-edited file is cut the
// same way, without splitting a character that takes two UTF-16 units.
QString boxSizedSymbol(QString symbol) {
    qsizetype length = PersonalSettings::MaximumSymbolLength;
    if (symbol.size() > length && symbol[length - 1].isHighSurrogate())
        --length;
    symbol.truncate(length);
    return symbol;
}

// A whole number; one of too many digits for an int is still a number, just not one of the
// four choices, so it is handled like 7 rather than as a field that cannot be read.
std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok)
        return value;
    const QStringView digits = QStringView(text).sliced(text.startsWith(u'-') ? 1 : 0);
    const bool allDigits =
        !digits.isEmpty() &&
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return allDigits ? std::optional<int>(-1) : std::nullopt;
}

} // namespace

SettingsLoadResult parseSettings(const QByteArray& bytes) {
    SettingsLoadResult result;
    result.settings.CurrencySymbol.clear();

    FieldReader reader(firstLine(bytes));
    if (const auto symbol = reader.next()) {
        result.settings.CurrencySymbol = boxSizedSymbol(*symbol);
        const auto fontField = reader.next();
        const auto font = fontField ? wholeNumber(*fontField) : std::nullopt;
        if (font) {
            result.settings.PrinterFontChoice =
                printerFontNumbered(*font).value_or(PrinterFont::Standard);
            if (const auto name = reader.next()) {
                result.settings.UserName = *name;
                result.complete = true;
            }
        }
    }

    if (result.settings.CurrencySymbol.isEmpty())
        result.settings.CurrencySymbol = QStringLiteral("$");
    return result;
}

SettingsLoadResult loadSettings(const QString& path) {
    if (const std::optional<FileStart> file = readRegularFile(path, MaximumReadBytes))
        return parseSettings(file->bytes);
    return SettingsLoadResult{};
}

QByteArray settingsLine(const PersonalSettings& settings) {
    return '"' + settings.CurrencySymbol.toUtf8() + "\"," +
           QByteArray::number(fontNumber(settings.PrinterFontChoice)) + ",\"" +
           settings.UserName.toUtf8() + "\"\r\n";
}

SaveResult saveSettings(const QString& path, const PersonalSettings& settings) {
    return writeFileAtomically(path, settingsLine(settings));
}

} // namespace pennywell
