#include "settings/PersonalSettings.h"

#include "files/AtomicWrite.h"

#include <QFile>
#include <QStringDecoder>
#include <optional>

namespace pennywell {
namespace {

// Reads comma-separated fields of one line the way the file has always been read: blanks
// before a field are skipped, a quoted field ends at its closing quote, an unquoted one at
// the next comma or the end of the line.
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
            field = line_.mid(at_, end - at_).trimmed();
            at_ = end + 1;
        }
        return field;
    }

private:
    QString line_;
    qsizetype at_ = 0;
};

// The file is written in UTF-8; one that is not valid UTF-8 comes from a single-byte code page
// (an older copy of the program), whose symbol or name would otherwise be garbled.
QString decodedLine(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1252("windows-1252");
    return windows1252.isValid() ? QString(windows1252(bytes)) : QString::fromLatin1(bytes);
}

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

SettingsLoadResult loadSettings(const QString& path) {
    SettingsLoadResult result;
    result.settings.CurrencySymbol.clear();

    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QString line = decodedLine(file.readLine());
        while (line.endsWith(u'\n') || line.endsWith(u'\r'))
            line.chop(1);
        FieldReader reader(line);
        if (const auto symbol = reader.next()) {
            result.settings.CurrencySymbol = *symbol;
            const auto fontField = reader.next();
            const auto font = fontField ? wholeNumber(*fontField) : std::nullopt;
            if (font) {
                const bool known = *font >= 0 && *font < PersonalSettings::FontChoiceCount;
                result.settings.PrinterFontChoice = known ? *font : 0;
                if (const auto name = reader.next()) {
                    result.settings.UserName = *name;
                    result.complete = true;
                }
            }
        }
    }

    if (result.settings.CurrencySymbol.isEmpty())
        result.settings.CurrencySymbol = QStringLiteral("$");
    return result;
}

QByteArray settingsLine(const PersonalSettings& settings) {
    return '"' + settings.CurrencySymbol.toUtf8() + "\"," +
           QByteArray::number(settings.PrinterFontChoice) + ",\"" + settings.UserName.toUtf8() +
           "\"\r\n";
}

bool saveSettings(const QString& path, const PersonalSettings& settings) {
    return writeFileAtomically(path, settingsLine(settings));
}

} // namespace pennywell
