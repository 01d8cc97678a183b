#include "core/budget/BudgetFile.h"

#include "core/files/AtomicWrite.h"
#include "core/files/RegularFile.h"
#include "core/files/TextDecoding.h"

#include <QList>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace pennywell {
namespace {

constexpr int SignificantDigits = 15;
// Larger files cannot come from 500 + 500 records; refusing them keeps a wrong pick cheap.
constexpr qint64 MaximumFileSize = 64 * 1024 * 1024;

void appendRecords(QByteArray& bytes, const BudgetTable& table, QByteArray (*number)(double)) {
    bytes += QByteArray::number(table.count()) + "\r\n";
    int position = 0;
    for (const BudgetRecord& record : table.records) {
        bytes += QByteArray::number(++position) + ",\"" + record.description.toUtf8() + "\"," +
                 number(record.annualAmount) + ',' + number(record.paymentsPerYear) + ',' +
                 number(record.annualBudgeted) + "\r\n";
    }
}

// A decimal number with an optional sign; ".5" and "0.5" alike; blanks around it allowed.
std::optional<double> parseNumber(QByteArrayView field) {
    QByteArrayView text = field.trimmed();
    // The reader takes a minus but not a plus; fixed notation refuses exponents.
    if (text.startsWith('+') && !text.sliced(1).startsWith('-'))
        text = text.sliced(1);
    if (text.isEmpty())
        return std::nullopt;
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> parseCount(QByteArrayView line) {
    const QByteArrayView text = line.trimmed();
    int count = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (text.isEmpty() || error != std::errc() || end != text.data() + text.size() || count < 0 ||
        count > BudgetTable::MaximumRecords)
        return std::nullopt;
    return count;
}

// Splits a record line into its five fields; the description may be quoted (and then hold
// commas) or, in a hand-written file, plain.
std::optional<BudgetRecord> parseRecord(QByteArrayView line) {
    QList<QByteArrayView> fields;
    qsizetype at = 0;
    while (true) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
            ++at;
        qsizetype fieldEnd = 0;
        if (at < line.size() && line[at] == '"') {
            const qsizetype closing = line.indexOf('"', at + 1);
            if (closing < 0)
                return std::nullopt;
            fields.append(line.sliced(at + 1, closing - at - 1));
            fieldEnd = closing + 1;
            while (fieldEnd < line.size() && (line[fieldEnd] == ' ' || line[fieldEnd] == '\t'))
                ++fieldEnd;
            if (fieldEnd < line.size() && line[fieldEnd] != ',')
                return std::nullopt;
        } else {
            fieldEnd = line.indexOf(',', at);
            if (fieldEnd < 0)
                fieldEnd = line.size();
            fields.append(line.sliced(at, fieldEnd - at));
        }
        if (fieldEnd >= line.size())
            break;
        at = fieldEnd + 1;
    }
    if (fields.size() != 5 || !parseNumber(fields[0]))
        return std::nullopt;
    const auto amount = parseNumber(fields[2]);
    const auto payments = parseNumber(fields[3]);
    const auto budgeted = parseNumber(fields[4]);
    if (!amount || !payments || !budgeted || *payments <= 0.0 ||
        std::fabs(*amount) > BudgetFigureLimit || std::fabs(*budgeted) > BudgetFigureLimit)
        return std::nullopt;
    BudgetRecord record;
    // Only a plain (unquoted) description can hold a quote; dropped, as the box drops the
    // key, so saving the record again writes a file that reads back.
    record.description = decodedAs(fields[1], encodingOf(line)).remove(QLatin1Char('"'));
    record.annualAmount = *amount;
    record.paymentsPerYear = *payments;
    record.annualBudgeted = *budgeted;
    return record;
}

class LineReader {
public:
    explicit LineReader(QByteArrayView bytes) : bytes_(bytes) {}

    std::optional<QByteArrayView> next() {
        if (at_ >= bytes_.size())
            return std::nullopt;
        qsizetype end = bytes_.indexOf('\n', at_);
        if (end < 0)
            end = bytes_.size();
        QByteArrayView line = bytes_.sliced(at_, end - at_);
        at_ = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        return line;
    }

    qsizetype position() const { return std::min(at_, bytes_.size()); }

private:
    QByteArrayView bytes_;
    qsizetype at_ = 0;
};

bool readTable(LineReader& reader, BudgetTable& table) {
    const auto countLine = reader.next();
    const auto count = countLine ? parseCount(*countLine) : std::nullopt;
    if (!count)
        return false;
    table.records.reserve(std::size_t(*count));
    for (int i = 0; i < *count; ++i) {
        const auto line = reader.next();
        const auto record = line ? parseRecord(*line) : std::nullopt;
        if (!record)
            return false;
        table.records.push_back(*record);
        table.records.back().number = i + 1;
    }
    return true;
}

} // namespace

QByteArray budgetFileNumber(double value) {
    if (value == 0.0)
        return "0";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", SignificantDigits - 1, std::fabs(value));
    const std::string text(buffer);
    const std::size_t exponentAt = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, exponentAt - 2);
    const int exponent = std::stoi(text.substr(exponentAt + 1));
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string result;
    const int integerLength = exponent + 1;
    if (integerLength <= 0) {
        result = '.' + std::string(std::size_t(-integerLength), '0') + digits;
    } else if (std::size_t(integerLength) >= digits.size()) {
        result = digits + std::string(std::size_t(integerLength) - digits.size(), '0');
    } else {
        result = digits.substr(0, std::size_t(integerLength)) + '.' +
                 digits.substr(std::size_t(integerLength));
    }
    if (value < 0)
        result.insert(0, 1, '-');
    return QByteArray::fromStdString(result);
}

QByteArray budgetFileExactNumber(double value) {
    // The shortest plain decimal that reads back as the same double; 1e300 takes 301 digits.
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return error == std::errc() ? QByteArray(buffer, end - buffer) : budgetFileNumber(value);
}

QByteArray budgetFileBytes(const BudgetTables& tables, BudgetFileDigits digits) {
    const auto number =
        digits == BudgetFileDigits::Exact ? budgetFileExactNumber : budgetFileNumber;
    QByteArray bytes;
    appendRecords(bytes, tables.income, number);
    appendRecords(bytes, tables.expense, number);
    return bytes;
}

std::optional<BudgetTables> parseBudgetFileStart(QByteArrayView bytes, QByteArrayView& rest) {
    LineReader reader(bytes);
    BudgetTables tables;
    if (!readTable(reader, tables.income) || !readTable(reader, tables.expense))
        return std::nullopt;
    rest = bytes.sliced(reader.position());
    return tables;
}

std::optional<BudgetTables> parseBudgetFile(const QByteArray& bytes) {
    QByteArrayView rest;
    return parseBudgetFileStart(withoutByteOrderMark(bytes), rest);
}

SaveResult saveBudgetFile(const QString& path, const BudgetTables& tables) {
    return writeFileAtomically(path, budgetFileBytes(tables));
}

std::optional<BudgetTables> loadBudgetFile(const QString& path) {
    const std::optional<FileStart> file = readRegularFile(path, MaximumFileSize);
    if (!file || !file->whole)
        return std::nullopt;
    return parseBudgetFile(file->bytes);
}

} // namespace pennywell
