#include "core/budget/BudgetRecoveryCopy.h"

#include "core/budget/BudgetFile.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QLocale>
#include <QUrl>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <tuple>

namespace pennywell {
namespace {

const QByteArray Heading = "[unsaved budget]";
const QByteArray LineEnd = "\r\n";

std::vector<BudgetRecord> inAnyOrder(const BudgetTable& table) {
    std::vector<BudgetRecord> records = table.records;
    for (BudgetRecord& record : records)
        record.number = 0;
    std::sort(records.begin(), records.end(), [](const BudgetRecord& a, const BudgetRecord& b) {
        return std::tie(a.description, a.annualAmount, a.paymentsPerYear, a.annualBudgeted) <
               std::tie(b.description, b.annualAmount, b.paymentsPerYear, b.annualBudgeted);
    });
    return records;
}

bool sameRecords(const BudgetTables& a, const BudgetTables& b) {
    return inAnyOrder(a.income) == inAnyOrder(b.income) &&
           inAnyOrder(a.expense) == inAnyOrder(b.expense);
}

const BudgetTable& tableOf(const BudgetTables& tables, BudgetSide side) {
    return side == BudgetSide::Income ? tables.income : tables.expense;
}

bool changesItsRecord(const PendingBudgetChange& change, const BudgetTables& tables) {
    const BudgetTable& table = tableOf(tables, change.side);
    if (!budgetRecordExists(table, change.record))
        return true;
    const BudgetRecord& record = table.records[std::size_t(change.record - 1)];
    const BudgetEntry original = entryOfRecord(record);
    return change.description != record.description ||
           std::tie(change.entry.amount, change.entry.paymentsPerYear, change.entry.budgeted) !=
               std::tie(original.amount, original.paymentsPerYear, original.budgeted);
}

QByteArray sideKey(BudgetSide side) {
    return side == BudgetSide::Income ? "income" : "expense";
}

QByteArray sortKey(BudgetSortOrder order) {
    for (const BudgetSortChoice& choice : budgetSortChoices())
        if (choice.order == order)
            return choice.key.toLatin1();
    return {};
}

QByteArray changeLine(const PendingBudgetChange& change) {
    return "change=" + sideKey(change.side) + ',' + QByteArray::number(change.record) + ',' +
           budgetFileExactNumber(change.entry.amount) + ',' +
           budgetFileExactNumber(change.entry.paymentsPerYear) + ',' +
           budgetFileExactNumber(change.entry.budgeted) + ',' +
           QUrl::toPercentEncoding(change.description) + LineEnd;
}

std::optional<double> exactNumber(QByteArrayView text) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.isEmpty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<PendingBudgetChange> parseChange(QByteArrayView value, const BudgetTables& tables) {
    const QList<QByteArray> fields = value.toByteArray().split(',');
    if (fields.size() != 6 || (fields[0] != "income" && fields[0] != "expense"))
        return std::nullopt;
    PendingBudgetChange change;
    change.side = fields[0] == "income" ? BudgetSide::Income : BudgetSide::Expense;
    bool numberRead = false;
    change.record = fields[1].toInt(&numberRead);
    const auto amount = exactNumber(fields[2]);
    const auto payments = exactNumber(fields[3]);
    const auto budgeted = exactNumber(fields[4]);
    if (!numberRead || !budgetRecordExists(tableOf(tables, change.side), change.record) ||
        !amount || !payments || !budgeted)
        return std::nullopt;
    change.entry = BudgetEntry{*amount, *payments, *budgeted};
    change.description = QString::fromUtf8(QByteArray::fromPercentEncoding(fields[5]));
    return change;
}

// One "key=value" line of the copy's own part into `copy`; false when it does not belong.
bool readSetting(QByteArrayView line, RecoveryCopy& copy) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return false;
    const QByteArrayView key = line.first(equals);
    const QByteArrayView value = line.sliced(equals + 1);
    BudgetWork& work = copy.work;
    if (key == "file") {
        work.filePath = QFile::decodeName(QByteArray::fromPercentEncoding(value.toByteArray()));
    } else if (key == "period") {
        const auto period = periodFromKey(QString::fromLatin1(value));
        if (!period)
            return false;
        work.period = *period;
    } else if (key == "sort") {
        const auto order = sortOrderFromKey(QString::fromLatin1(value));
        if (!order)
            return false;
        work.order = *order;
    } else if (key == "change") {
        const auto change = parseChange(value, work.tables);
        if (!change || work.pendingChanges.size() == 2 ||
            (!work.pendingChanges.empty() && work.pendingChanges.front().side == change->side))
            return false;
        work.pendingChanges.push_back(*change);
    } else if (key == "written") {
        copy.written = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
        return copy.written.isValid();
    } else {
        return false;
    }
    return true;
}

} // namespace

bool holdsLostWork(const BudgetWork& work, const BudgetTables& kept) {
    for (const PendingBudgetChange& change : work.pendingChanges)
        if (changesItsRecord(change, work.tables))
            return true;
    const bool empty = work.tables.income.count() == 0 && work.tables.expense.count() == 0;
    return work.changed && !empty && !sameRecords(work.tables, kept);
}

QByteArray recoveryCopyBody(const BudgetWork& work) {
    QByteArray bytes = budgetFileBytes(work.tables, BudgetFileDigits::Exact) + Heading + LineEnd;
    if (!work.filePath.isEmpty())
        bytes += "file=" + QUrl::toPercentEncoding(QFile::encodeName(work.filePath)) + LineEnd;
    bytes += "period=" + work.period.key.toLatin1() + LineEnd;
    bytes += "sort=" + sortKey(work.order) + LineEnd;
    for (const PendingBudgetChange& change : work.pendingChanges)
        bytes += changeLine(change);
    return bytes;
}

QByteArray withWrittenTime(const QByteArray& body, const QDateTime& written) {
    return body + "written=" + written.toUTC().toString(Qt::ISODateWithMs).toLatin1() + LineEnd;
}

std::optional<RecoveryCopy> parseRecoveryCopy(const QByteArray& bytes) {
    QByteArrayView rest;
    std::optional<BudgetTables> tables = parseBudgetFileStart(bytes, rest);
    if (!tables)
        return std::nullopt;
    RecoveryCopy copy;
    copy.work.tables = std::move(*tables);
    copy.work.changed = true;
    const QByteArray ownPart = rest.toByteArray();
    qsizetype at = 0;
    for (int index = 0; at < ownPart.size(); ++index) {
        const qsizetype end = ownPart.indexOf(LineEnd, at);
        if (end < 0)
            return std::nullopt; // cut short
        const QByteArrayView line = QByteArrayView(ownPart).sliced(at, end - at);
        at = end + LineEnd.size();
        // The time is written last: a copy that has it is whole.
        if (copy.written.isValid() || (index == 0 ? line != Heading : !readSetting(line, copy)))
            return std::nullopt;
    }
    if (!copy.written.isValid())
        return std::nullopt;
    return copy;
}

QString recoveryQuestion(const RecoveryCopy& copy) {
    const QString when = QLocale().toString(copy.written.toLocalTime(), QLocale::ShortFormat);
    const QString file = copy.work.filePath.isEmpty() ? QStringLiteral("not yet saved to a file")
                                                      : QFileInfo(copy.work.filePath).fileName();
    return QStringLiteral("Unsaved budget changes from %1 (%2) were found. Restore them?")
        .arg(when, file);
}

} // namespace pennywell
