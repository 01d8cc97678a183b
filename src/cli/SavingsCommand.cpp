#include "SavingsCommand.h"

#include "CommandOutput.h"
#include "savings/GrowthCalculator.h"
#include "savings/GrowthPresenter.h"
#include "savings/SavingsInputs.h"
#include "savings/SavingsTexts.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>

namespace pennywell::cli {
namespace {

const QString CurrencySymbol = QStringLiteral("$");

struct BoxOption {
    QString name;
    int slot;
    const QString& label;
    bool minusAllowed;
};

const QList<BoxOption>& boxOptions() {
    using namespace savings_texts;
    // In the window's Enter order.
    static const QList<BoxOption> options = {
        {QStringLiteral("lump"), LumpSumSlot, LumpSumLabel, false},
        {QStringLiteral("annual"), AnnualAmountSlot, AnnualAmountLabel, false},
        {QStringLiteral("increase"), IncreaseSlot, IncreaseLabel, true},
        {QStringLiteral("rate"), RateSlot, RateLabel, false},
        {QStringLiteral("inflation"), InflationSlot, InflationLabel, true},
        {QStringLiteral("years"), TermSlot, TermLabel, false},
    };
    return options;
}

QString usage() {
    return QStringLiteral(
        "usage: pennywell-calc savings [--lump L] [--annual A] [--rate R] [--years N]\n"
        "                              [--inflation F] [--increase G] [--format text|csv|json]\n"
        "Defaults: lump 0, annual 1000, rate 20, years 25, inflation 0, increase 0.\n"
        "--inflation and --increase may be negative.\n");
}

QJsonObject gridJson(const GrowthGrid& grid) {
    QJsonArray rows;
    for (const QStringList& row : grid.rows)
        rows.append(QJsonArray::fromStringList(row));
    return {{"headers", QJsonArray::fromStringList(grid.headers)}, {"rows", rows}};
}

// The grid as the window shows it, without the empty rows below the totals.
QString gridText(const GrowthGrid& grid) {
    qsizetype used = grid.rows.size();
    while (used > 0 && grid.rows[used - 1].join(QString()).isEmpty())
        --used;
    QList<QStringList> lines = {QStringList()};
    for (const QString& header : grid.headers)
        lines[0].append(header.simplified());
    lines += grid.rows.mid(0, used);
    return fixedWidthTable(lines);
}

QString csvText(const GrowthResult& result) {
    QString text = QStringLiteral("year,invested,interest,value\n");
    for (int year = 1; year <= result.yearsShown + 1; ++year) {
        const GrowthRow& row = result.table[std::size_t(year)];
        const QString first =
            year > result.yearsShown ? QStringLiteral("Total") : QString::number(year);
        text +=
            QStringList{first, plainNumber(row[2]), plainNumber(row[3]), plainNumber(row[4])}.join(
                u',') +
            u'\n';
    }
    return text;
}

int runSavings(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    for (const BoxOption& option : boxOptions())
        parser.addOption({option.name, QString(), QStringLiteral("value")});
    const auto parsed =
        parseCommand(parser, QStringLiteral("savings"), arguments, usage(), out, err);
    if (const int* exitStatus = std::get_if<int>(&parsed))
        return *exitStatus;
    const OutputFormat format = std::get<OutputFormat>(parsed);

    // A freshly opened window, then each given value typed into its box and the box left.
    SavingsState savings;
    auto& entries = savings.EntryValues;
    entries[AnnualAmountSlot] = Currency::fromUnits(1000 * Currency::UnitsPerWhole);
    entries[RateSlot] = Currency::fromUnits(20 * Currency::UnitsPerWhole);
    entries[TermSlot] = Currency::fromUnits(25 * Currency::UnitsPerWhole);
    QStringList boxTexts;
    std::optional<Refusal> refusal;
    for (const BoxOption& option : boxOptions()) {
        const bool typed = parser.isSet(option.name);
        const QString value = parser.value(option.name);
        if (typed && !isTypeableAmount(value, option.minusAllowed))
            return badUsage(err, "invalid value for --" + option.name + ": " + value, usage());
        Currency& stored = entries[std::size_t(option.slot)];
        if (typed && option.slot == TermSlot) {
            const TermEntry term = committedTerm(value);
            if (term.overLimit && !refusal)
                refusal = Refusal{savings_texts::HelpTitle, savings_texts::TermBoxLimit};
            stored = term.years;
        } else if (typed) {
            const auto committed = committedValue(value);
            if (!committed && !refusal)
                refusal = Refusal{savings_texts::HelpTitle, savings_texts::WrongEntry};
            stored = committed.value_or(stored);
        }
        if (option.slot == TermSlot)
            boxTexts.append(savingsTermBoxText(stored));
        else if (option.slot == LumpSumSlot || option.slot == AnnualAmountSlot)
            boxTexts.append(savingsAmountBoxText(CurrencySymbol, stored,
                                                 option.slot == LumpSumSlot && !typed ? 15 : 13));
        else
            boxTexts.append(savingsRateBoxText(stored));
    }

    GrowthGrid grid = freshGrowthGrid();
    GrowthResult result;
    if (!refusal) {
        result = calculateGrowth(growthInputsFrom(savings));
        grid = presentGrowth(result, CurrencySymbol);
        if (result.outcome == GrowthOutcome::TermOverLimit)
            refusal = Refusal{savings_texts::HelpTitle, savings_texts::TermCalculationLimit};
        else if (result.outcome == GrowthOutcome::Overflow)
            refusal = Refusal{savings_texts::HelpTitle, savings_texts::WrongEntry};
    }

    if (format == OutputFormat::Json) {
        QJsonObject document{{"grid", gridJson(grid)}};
        if (refusal)
            document.insert("error", refusalJson(*refusal));
        writeJson(out, document);
    } else if (refusal) {
        err << refusal->title << ": " << refusal->text << '\n';
    } else if (format == OutputFormat::Csv) {
        out << csvText(result);
    } else {
        QList<QStringList> boxes;
        for (qsizetype index = 0; index < boxTexts.size(); ++index)
            boxes.append({boxOptions()[index].label.simplified(), boxTexts[index]});
        out << fixedWidthTable(boxes, false) << '\n' << gridText(grid);
    }
    return refusal ? CalculationRefused : Success;
}

} // namespace

Command savingsCommand() {
    return {QStringLiteral("savings"),
            QStringLiteral("growth of a lump sum and yearly investments"), runSavings};
}

} // namespace pennywell::cli
