#include "../common/TinyFileSystem.h"
#include "PdfText.h"
#include "PrivateSpooler.h"
#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/budget/BudgetFile.h"
#include "core/budget/BudgetPeriod.h"
#include "core/budget/BudgetSort.h"
#include "core/report/BudgetStatement.h"
#include "core/report/MortgageTable.h"
#include "core/report/PrintMessages.h"
#include "core/report/SavingsTable.h"
#include "core/state/AppState.h"
#include "render/PageRenderer.h"
#include "ui/budget/Budget.h"
#include "ui/help/HelpWindow.h"
#include "ui/mortgage/MortgageCalc.h"
#include "ui/printing/PrinterHeaderInput.h"
#include "ui/printing/ReportPrinting.h"
#include "ui/printing/SpoolerPrinter.h"
#include "ui/savings/SavingsCalc.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>
#include <QTextBrowser>
#include <QTimer>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

// Printing on a real spooler: the pages go through the renderer to the default printer of a
// private spooler, whose PDF queue writes them to a file that is read back.
class SpoolerTest : public QObject {
    Q_OBJECT
public:
    explicit SpoolerTest(PrivateSpooler& spooler) : spooler_(spooler) {}

private slots:
    void init() {
        QFile::remove(spooler_.printedFile());
        state_ = AppState();
        state_.FirstPayDate = QDate(2027, 1, 31);
        scripted_.messenger.shown.clear();
    }

    void aReportReachesPaperColumnForColumn() {
        report::PrintedReport pages;
        pages.fontChoice = PrinterFont::CourierNew12;
        pages.pages = {{QString(), QStringLiteral(" Smith family"), QString(),
                        QStringLiteral("                               Mortgage Table"),
                        QStringLiteral(" ") + QString(75, QLatin1Char('_')),
                        QStringLiteral(" $ 100,000.00  10.125%        25"), QString(), QString(),
                        QStringLiteral("                                       Page 1")},
                       {QString(), QStringLiteral("  1  1      832.04      104.60    99,895.40")}};
        QVERIFY(!SpoolerPrinter().print(
            render::PrintDocument{QStringLiteral("Mortgage Table"), pages}));
        QVERIFY2(PrivateSpooler::waitForJobs(), qPrintable(spooler_.errorLog()));
        QCOMPARE(printedPages(pages), expectedPages(pages));
    }

    // Whatever stops the printout on its way, the user hears why and is offered the PDF.
    void aRefusedJobIsReportedAndOfferedAsPdf() {
        QVERIFY(PrivateSpooler::administer(QStringLiteral("cupsreject"),
                                           {QStringLiteral("PrivatePDF")}));
        const QStringList shown = messagesOfPrintout();
        QVERIFY(PrivateSpooler::administer(QStringLiteral("cupsaccept"),
                                           {QStringLiteral("PrivatePDF")}));
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.constFirst().startsWith(QStringLiteral("Printer|") +
                                               report::print_messages::spoolerRefused(QString())),
                 qPrintable(shown.constFirst()));
        QVERIFY(shown.constFirst().endsWith(report::print_messages::OfferPdf));
        QVERIFY(!QFile::exists(spooler_.printedFile()));
    }

    void aFullTemporaryFolderIsReportedNotPrinted() {
        TinyFileSystem disk(64 * 1024);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.whyNot()));
        disk.fill(4096); // less than any printout's PDF
        const QByteArray temporaryFolder = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(disk.filePath(QString())));
        const auto restore = qScopeGuard([&] {
            if (temporaryFolder.isNull())
                qunsetenv("TMPDIR");
            else
                qputenv("TMPDIR", temporaryFolder);
        });
        QCOMPARE(messagesOfPrintout(),
                 QStringList{QStringLiteral("Printer|There is not enough room in the temporary "
                                            "folder for the printout.\r\n\r\n") +
                             report::print_messages::OfferPdf});
    }

    // A spooler that hangs costs seconds, not the program.
    void aSpoolerThatDoesNotAnswerIsReportedInTime() {
        QVERIFY(spooler_.signal(SIGSTOP));
        const auto resume = qScopeGuard([&] { spooler_.signal(SIGCONT); });
        QElapsedTimer waited;
        waited.start();
        QCOMPARE(messagesOfPrintout(),
                 QStringList{QStringLiteral("Printer|The printer does not answer.\r\n\r\n") +
                             report::print_messages::OfferPdf});
        QVERIFY(waited.elapsed() < 3 * SpoolerPrinter::Patience.count());
    }

    // Each planner's print button, through the header dialog, the renderer and the spooler:
    // what comes off the queue is the core's pages, page for page and column for column.
    void theMortgageTablePrintsEveryPageOfTheSchedule() {
        state_.settings.PrinterFontChoice = PrinterFont::Standard;
        MortgageCalc window(state_, printingServices_);
        QVERIFY(showAndActivate(&window));
        clickButton(&window, "Option1"); // every payment: 300 rows over seven pages
        clickButton(&window, "MCalc");
        printThrough(&window, "MPrinter", QStringLiteral("For the bank"));
        const report::PrintedReport expected =
            report::mortgageTable(state_.mortgage.inputs, state_.mortgage.result,
                                  {QStringLiteral("For the bank"), PrinterFont::Standard,
                                   state_.settings.CurrencySymbol});
        QCOMPARE(expected.pages.size(), 7);
        QCOMPARE(printedPages(expected), expectedPages(expected));
        QCOMPARE(state_.LinesPerPage, 53);
    }

    void theSavingsTablePrintsAsLaidOut() {
        state_.settings.PrinterFontChoice = PrinterFont::CourierNew12;
        SavingsCalc window(state_, printingServices_);
        QVERIFY(showAndActivate(&window));
        clickButton(&window, "SCalc");
        printThrough(&window, "SPrinter", QString());
        const report::PrintedReport expected = report::savingsTable(
            state_.savings, state_.graph.ResultCount,
            {QString(), PrinterFont::CourierNew12, state_.settings.CurrencySymbol});
        QCOMPARE(printedPages(expected), expectedPages(expected));
        QCOMPARE(state_.LinesPerPage, 51);
    }

    void theBudgetStatementPrintsTheOpenBudget() {
        state_.settings.PrinterFontChoice = PrinterFont::CourierNew11;
        state_.programFolder = QStringLiteral(PENNYWELL_SOURCE_DIR "/resources");
        const QString sample = QStringLiteral(PENNYWELL_SOURCE_DIR "/resources/Sample.bgt");
        Budget window(state_, printingServices_);
        QVERIFY(showAndActivate(&window));
        scripted_.fileDialogs.answers.enqueue(sample);
        clickButton(&window, "FilOpen");
        printThrough(&window, "Ptr2", QStringLiteral("Family meeting"));

        std::optional<BudgetTables> tables = loadBudgetFile(sample);
        QVERIFY(tables);
        sortBudgetTable(tables->income, BudgetSortOrder::NamesAscending);
        sortBudgetTable(tables->expense, BudgetSortOrder::NamesAscending);
        const report::PrintedReport expected =
            report::budgetStatement(*tables, annualPeriod(),
                                    {QStringLiteral("Family meeting"), PrinterFont::CourierNew11,
                                     state_.settings.CurrencySymbol});
        QCOMPARE(printedPages(expected), expectedPages(expected));
    }

    // Ctrl+P in the manual: the page shown comes off the queue, every word of it.
    void aManualPageReachesPaper() {
        HelpWindow manual(printingServices_);
        manual.present(QStringLiteral("savings.html"));
        QVERIFY(QTest::qWaitForWindowActive(&manual));
        QTest::keyClick(manual.browser(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(messages(scripted_.messenger), QStringList());
        QVERIFY2(PrivateSpooler::waitForJobs(), qPrintable(spooler_.errorLog()));
        const QStringList printed = pdfWords(spooler_.printedFile());
        QVERIFY(!printed.isEmpty());
        QCOMPARE(wordsNotPrinted(printed, manual.browser()->toPlainText()), QStringList());
    }

private:
    // Prints a one-line report on the spooler; the messages shown, the PDF offer declined.
    static QStringList messagesOfPrintout() {
        TestServices scripted;
        SpoolerPrinter printer;
        Services services{scripted.messenger, scripted.beeper, scripted.fileDialogs, printer,
                          scripted.helpViewer};
        scripted.messenger.answers.enqueue(MessageAnswer::No);
        report::PrintedReport pages;
        pages.pages = {{QStringLiteral(" not printed")}};
        printDocument(nullptr, services, render::PrintDocument{QStringLiteral("Savings"), pages});
        return messages(scripted.messenger);
    }

    // Clicks the print button, types the header and continues; waits for the job to finish.
    void printThrough(QWidget* window, const char* button, const QString& header) {
        bool asked = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<PrinterHeaderInput*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            asked = true;
            QTimer::singleShot(5000, dialog, &QDialog::reject); // never leave the test blocked
            typeInto(dialog, "InFName", header);
            clickButton(dialog, "Acept");
        });
        clickButton(window, button);
        QVERIFY(asked);
        QCOMPARE(messages(scripted_.messenger), QStringList());
        QVERIFY2(PrivateSpooler::waitForJobs(), qPrintable(spooler_.errorLog()));
    }

    // What the queue printed, read back in the columns of the printer's paper and margins.
    QList<QStringList> printedPages(const report::PrintedReport& pages) const {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setPageSize(info.defaultPageSize());
        const QPageLayout layout = printer.pageLayout();
        const render::TextPageGeometry geometry = render::textPageGeometry(
            pages, layout.fullRectPoints(), layout.paintRect(QPageLayout::Point));
        return pdfTextPages(spooler_.printedFile(), geometry.charWidth, geometry.left);
    }

    static QList<QStringList> expectedPages(const report::PrintedReport& pages) {
        QList<QStringList> expected;
        for (const QStringList& page : pages.pages)
            expected.append(visibleLines(page));
        return expected;
    }

    PrivateSpooler& spooler_;
    AppState state_;
    TestServices scripted_;
    SpoolerPrinter printer_;
    Services printingServices_{scripted_.messenger, scripted_.beeper, scripted_.fileDialogs,
                               printer_, scripted_.helpViewer};
};

int main(int argc, char** argv) {
    PrivateSpooler spooler(PrivateSpooler::Queue::PdfPrinter);
    if (const int failed = spooler.start())
        return failed;
    QApplication app(argc, argv);
    SpoolerTest test(spooler);
    return QTest::qExec(&test, argc, argv);
}

#include "SpoolerTest.moc"
