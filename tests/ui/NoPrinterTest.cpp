#include "PdfText.h"
#include "PrivateSpooler.h"
#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/report/PrintMessages.h"
#include "ui/help/HelpWindow.h"
#include "ui/printing/ReportPrinting.h"
#include "ui/printing/SpoolerPrinter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

// A machine whose spooler has no printer at all: the user is told so and still gets the
// report, as a PDF file.
class NoPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void theReportIsOfferedAsPdfInstead() {
        TestServices scripted;
        SpoolerPrinter printer;
        Services services{scripted.messenger, scripted.beeper, scripted.fileDialogs, printer,
                          scripted.helpViewer};
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Budget Statement.pdf"));
        scripted.fileDialogs.answers.enqueue(path);

        report::PrintedReport pages;
        pages.fontChoice = PrinterFont::CourierNew10;
        pages.pages = {{QString(), QStringLiteral(" The Smiths"), QString(),
                        QStringLiteral("                               BUDGET STATEMENT")}};
        printDocument(nullptr, services,
                      render::PrintDocument{QStringLiteral("Budget Statement"), pages});

        QCOMPARE(messages(scripted.messenger),
                 QStringList{QStringLiteral("Printer|There is no default printer.\r\n\r\n"
                                            "Save the printout as a PDF file instead?")});
        QCOMPARE(scripted.fileDialogs.requests.size(), 1);
        QCOMPARE(scripted.fileDialogs.requests.constFirst().fileName,
                 QStringLiteral("Budget Statement.pdf"));
        const QList<QStringList> expected{
            {QStringLiteral(" The Smiths"), QString(),
             QStringLiteral("                               BUDGET STATEMENT")}};
        QCOMPARE(pdfTextPages(path, 6.0, 36), expected);
        QVERIFY(!QApplication::overrideCursor());
    }

    // Ctrl+P in the manual takes the same way: the same message, and the page shown as a PDF,
    // every word of it over as many sheets as it fills.
    void aManualPageIsOfferedAsPdfToo() {
        TestServices scripted;
        SpoolerPrinter printer;
        Services services{scripted.messenger, scripted.beeper, scripted.fileDialogs, printer,
                          scripted.helpViewer};
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Mortgage help.pdf"));
        scripted.fileDialogs.answers.enqueue(path);
        HelpWindow manual(services);
        manual.present(QStringLiteral("mortgage.html"));
        QVERIFY(QTest::qWaitForWindowActive(&manual));
        QTest::keyClick(manual.browser(), Qt::Key_P, Qt::ControlModifier);

        QCOMPARE(messages(scripted.messenger),
                 QStringList{QStringLiteral("Printer|There is no default printer.\r\n\r\n"
                                            "Save the printout as a PDF file instead?")});
        QCOMPARE(scripted.fileDialogs.requests.size(), 1);
        QCOMPARE(scripted.fileDialogs.requests.constFirst().fileName,
                 QStringLiteral("Planning your mortgage.pdf"));
        QCOMPARE(wordsNotPrinted(pdfWords(path), manual.browser()->toPlainText()), QStringList());
        QVERIFY(pdfTextPages(path, 6.0, 0).size() > 1);
    }
};

int main(int argc, char** argv) {
    PrivateSpooler spooler(PrivateSpooler::Queue::None);
    if (const int failed = spooler.start())
        return failed;
    QApplication app(argc, argv);
    NoPrinterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "NoPrinterTest.moc"
