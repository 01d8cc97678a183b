#include "PdfText.h"
#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/report/PrintMessages.h"
#include "core/state/AppState.h"
#include "render/PageRenderer.h"
#include "render/PdfFile.h"
#include "ui/budget/Budget.h"
#include "ui/common/Twips.h"
#include "ui/mortgage/MortgageCalc.h"
#include "ui/printing/PrinterHeaderInput.h"
#include "ui/printing/ReportPrinting.h"
#include "ui/savings/SavingsCalc.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPicture>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

namespace {

namespace texts = report::print_messages;

QList<QStringList> visiblePages(const report::PrintedReport& report) {
    QList<QStringList> pages;
    for (const QStringList& page : report.pages)
        pages.append(visibleLines(page));
    return pages;
}

// A page that fills `lines` lines, with items out to column 76 as the widest reports have.
QStringList fullPage(int lines, int pageNumber) {
    QStringList page{QString(), QStringLiteral(" A header line typed by the user"), QString()};
    while (page.size() < lines - 1) {
        const int row = int(page.size());
        page.append(row % 9 == 0 ? QString()
                                 : QStringLiteral(" %1 %2   %3   %4%5")
                                       .arg(row, 4)
                                       .arg(pageNumber, 3)
                                       .arg(QStringLiteral("1,234.56"), 9)
                                       .arg(QStringLiteral("99,999.00"), 12)
                                       .arg(QStringLiteral("$199,999.99"), 40));
    }
    page.append(QStringLiteral("%1Page %2").arg(QString(39, QLatin1Char(' '))).arg(pageNumber));
    return page;
}

report::PrintedReport reportOf(int fontChoice, int linesOnFullPage) {
    report::PrintedReport report;
    report.fontChoice = PrinterFont(fontChoice);
    report.pages = {fullPage(linesOnFullPage, 1),
                    {QString(), QStringLiteral(" Total:"), QStringLiteral("  ends here")}};
    return report;
}

// The most lines a page of each font choice carries: a first mortgage page at 53, 63, 56 and
// 51 lines per page (3 header lines, 21 of the table's head, the rows, 3 for the page number).
constexpr int FullestPages[] = {56, 66, 59, 54};

QString writeTemporary(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

// The colour of the page's pixel at the given shares of its width and height, rendered at 20 dpi.
QColor pagePixel(const QString& pdfPath, double across = 0.5, double down = 0.25) {
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), pdfPath, pdfPath});
    if (!render.waitForFinished(30000) || render.exitCode() != 0)
        return {};
    const QImage page(pdfPath + QStringLiteral(".png"));
    return page.pixelColor(int(page.width() * across), int(page.height() * down));
}

// A drawing of 300 by 200, its left half red and its right half blue.
QPicture redAndBlue() {
    QPicture picture;
    QPainter painter(&picture);
    painter.fillRect(0, 0, 150, 200, QColor(200, 30, 30));
    painter.fillRect(150, 0, 150, 200, QColor(30, 30, 200));
    painter.end();
    picture.setBoundingRect(QRect(0, 0, 300, 200));
    return picture;
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        services_ = std::make_unique<TestServices>();
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
    }

    void cleanup() { QVERIFY(!QApplication::overrideCursor()); }

    void everyFontChoiceReadsBackColumnForColumn_data() {
        QTest::addColumn<int>("fontChoice");
        QTest::addColumn<qreal>("pointSize");
        QTest::newRow("standard font") << 0 << 10.0;
        QTest::newRow("10 point") << 1 << 10.0;
        QTest::newRow("11 point") << 2 << 11.0;
        QTest::newRow("12 point") << 3 << 12.0;
    }
    void everyFontChoiceReadsBackColumnForColumn() {
        QFETCH(int, fontChoice);
        QFETCH(qreal, pointSize);
        const QFont font = render::reportFont(PrinterFont(fontChoice));
        QCOMPARE(font.pointSizeF(), pointSize);
        QVERIFY(!font.bold());
        QVERIFY(QFontInfo(font).fixedPitch());

        const report::PrintedReport report = reportOf(fontChoice, FullestPages[fontChoice]);
        const std::optional<QByteArray> pdf =
            render::pdfBytes(render::PrintDocument{QStringLiteral("Try"), report});
        QVERIFY(pdf);
        const QString path = writeTemporary(*folder_, QStringLiteral("font.pdf"), *pdf);
        const QRectF a4(0, 0, 595, 842);
        const render::TextPageGeometry geometry = render::textPageGeometry(report, a4, a4);
        QCOMPARE(pdfTextPages(path, geometry.charWidth, geometry.left), visiblePages(report));
    }

    // The fullest page of every font choice on both common papers, inside the printable area
    // of a printer that keeps a quarter inch at the sides and half an inch top and bottom.
    void everyLineFitsThePrintableArea_data() {
        QTest::addColumn<int>("fontChoice");
        QTest::addColumn<QRectF>("paper");
        for (int choice = 0; choice <= 3; ++choice) {
            QTest::addRow("choice %d on A4", choice) << choice << QRectF(0, 0, 595, 842);
            QTest::addRow("choice %d on Letter", choice) << choice << QRectF(0, 0, 612, 792);
        }
    }
    void everyLineFitsThePrintableArea() {
        QFETCH(int, fontChoice);
        QFETCH(QRectF, paper);
        const QRectF printable = paper.adjusted(18, 36, -18, -36);
        const report::PrintedReport report = reportOf(fontChoice, FullestPages[fontChoice]);
        const render::TextPageGeometry geometry =
            render::textPageGeometry(report, paper, printable);
        const qreal lastLineBottom =
            geometry.top + (FullestPages[fontChoice] - 1) * geometry.lineStep + geometry.lineHeight;
        QVERIFY(geometry.top >= printable.top());
        QVERIFY2(lastLineBottom <= printable.bottom() + 0.01,
                 qPrintable(QString::number(lastLineBottom)));
        QVERIFY(geometry.left >= printable.left());
        QVERIFY(geometry.left + 76 * geometry.charWidth <= printable.right() + 0.01);
        QVERIFY(geometry.lineStep > 0.9 * geometry.lineHeight); // tightened, still readable
        QCOMPARE(geometry.font.pointSizeF(),
                 render::reportFont(PrinterFont(fontChoice)).pointSizeF());
    }

    // The drawing fills the width inside the margins at the top of the page, in its colours.
    void aDrawingIsScaledToThePageAsDrawn() {
        const std::optional<QByteArray> pdf = render::pdfBytes(
            render::PrintDocument{QStringLiteral("Graph"), render::PrintedPicture{redAndBlue()}});
        QVERIFY(pdf);
        const QString file = writeTemporary(*folder_, QStringLiteral("graph.pdf"), *pdf);
        QCOMPARE(pagePixel(file, 0.3), QColor(200, 30, 30));
        QCOMPARE(pagePixel(file, 0.7), QColor(30, 30, 200));
        QCOMPARE(pagePixel(file, 0.5, 0.6), QColor(Qt::white));
    }

    // A label smaller than the margins: text and picture still print, on the whole sheet.
    void paperTooSmallForTheMarginsIsPrintedEdgeToEdge() {
        const QPageSize label(QSizeF(60, 60), QPageSize::Point);
        auto text = std::make_shared<QTextDocument>();
        text->setPlainText(QStringLiteral("Budget"));
        const std::optional<QByteArray> textPdf = render::pdfBytes(
            render::PrintDocument{QStringLiteral("Label"), render::PrintedText{text}}, label);
        QVERIFY(textPdf);
        QCOMPARE(pdfWords(writeTemporary(*folder_, QStringLiteral("label.pdf"), *textPdf)),
                 QStringList{QStringLiteral("Budget")});

        const std::optional<QByteArray> picturePdf = render::pdfBytes(
            render::PrintDocument{QStringLiteral("Graph"), render::PrintedPicture{redAndBlue()}},
            label);
        QVERIFY(picturePdf);
        const QColor pixel = pagePixel(
            writeTemporary(*folder_, QStringLiteral("label-graph.pdf"), *picturePdf), 0.3);
        QVERIFY(pixel.red() > 150 && pixel.green() < 80);
    }

    void headerDialogLooksAsDocumented() {
        PrinterHeaderInput dialog(state_);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Input"));
        QCOMPARE(dialog.size(), QSize(fromTwips(3990), fromTwips(1425)));
        QCOMPARE(dialog.pos(), QPoint(fromTwips(2565), fromTwips(4050)));
        QCOMPARE(child<QLabel>(&dialog, "FName")->text(),
                 QStringLiteral(" Type in one line header information."));
        QVERIFY(child<QLineEdit>(&dialog, "InFName")->text().isEmpty());
        QCOMPARE(child<QPushButton>(&dialog, "Acept")->text(),
                 QStringLiteral("Continue &Printout"));
        QCOMPARE(child<QPushButton>(&dialog, "NAcept")->text(), QStringLiteral("&Cancel"));
        for (const char* name : {"InFName", "Acept", "NAcept"})
            QVERIFY(!child<QWidget>(&dialog, name)->accessibleName().isEmpty());
    }

    // Quotes are dropped whether typed or pasted; Enter moves to the button that accepts.
    void headerDialogTakesTheTypedLineWithoutQuotes() {
        PrinterHeaderInput dialog(state_);
        QVERIFY(showAndActivate(&dialog));
        QLineEdit* box = typeInto(&dialog, "InFName", QStringLiteral("Smith \"family\" "));
        QApplication::clipboard()->setText(QStringLiteral("\"2027\" plan"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("Smith family 2027 plan"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(&dialog, "Acept"));
        QVERIFY(dialog.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.headerLine(), QStringLiteral("Smith family 2027 plan"));
    }

    void everyWayOutOfTheHeaderDialogButAcceptingCancels() {
        const QList<std::function<void(QDialog*)>> waysOut = {
            [](QDialog* dialog) { clickButton(dialog, "NAcept"); },
            [](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); },
            [](QDialog* dialog) { dialog->close(); }, // the title bar's close box
        };
        for (const auto& leave : waysOut) {
            QTimer::singleShot(0, this, [&] {
                auto* dialog = qobject_cast<PrinterHeaderInput*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                QTimer::singleShot(3000, dialog, &QDialog::reject); // never leave the test blocked
                typeInto(dialog, "InFName", QStringLiteral("typed"));
                leave(dialog);
            });
            QCOMPARE(PrinterHeaderInput::ask(state_, nullptr), QStringLiteral("1"));
        }
        PrinterHeaderInput empty(state_);
        clickButton(&empty, "Acept");
        QCOMPARE(empty.headerLine(), QString());
    }

    void aPrintedDocumentShowsTheHourglassAndNothingElse() {
        printDocument(nullptr, services_->services, document());
        QCOMPARE(services_->printer.printed.size(), 1);
        QCOMPARE(services_->printer.busyWhilePrinting, QList<bool>{true});
        QVERIFY(services_->messenger.shown.isEmpty());
        QVERIFY(services_->fileDialogs.requests.isEmpty());
    }

    // The problem is told and the same pages are offered as a PDF under the report's name.
    void aFailedPrintoutIsSavedAsPdfOnRequest() {
        services_->printer.problems.enqueue(texts::NoDefaultPrinter);
        const QString path = folder_->filePath(QStringLiteral("Mortgage Table.pdf"));
        services_->fileDialogs.answers.enqueue(path);
        printDocument(nullptr, services_->services, document());

        QCOMPARE(messages(services_->messenger),
                 QStringList{QStringLiteral("Printer|There is no default printer.\r\n\r\n"
                                            "Save the printout as a PDF file instead?")});
        QCOMPARE(services_->messenger.shown.constFirst().buttons, MessageButtons::YesNo);
        QCOMPARE(services_->fileDialogs.requests.size(), 1);
        const FileDialogRequest& request = services_->fileDialogs.requests.constFirst();
        QCOMPARE(request.kind, FileDialogKind::Save);
        QCOMPARE(request.fileName, QStringLiteral("Mortgage Table.pdf"));
        QCOMPARE(request.filter, QStringLiteral("PDF Files (*.pdf)|*.pdf"));
        const render::PrintDocument printed = document();
        QCOMPARE(pdfTextPages(path, 6.0, 36),
                 visiblePages(std::get<report::PrintedReport>(printed.content)));
    }

    void aDeclinedOrCancelledPdfWritesNothing() {
        for (const bool declined : {true, false}) {
            services_ = std::make_unique<TestServices>();
            services_->printer.problems.enqueue(texts::spoolerRefused(QStringLiteral("stopped")));
            if (declined)
                services_->messenger.answers.enqueue(MessageAnswer::No);
            printDocument(nullptr, services_->services, document());
            QCOMPARE(services_->messenger.shown.size(), 1);
            QCOMPARE(services_->fileDialogs.requests.size(), declined ? 0 : 1);
        }
        QVERIFY(QDir(folder_->path()).isEmpty());
    }

    void aPdfThatCannotBeWrittenIsReported() {
        const QString path = folder_->filePath(QStringLiteral("gone/Mortgage Table.pdf"));
        services_->printer.problems.enqueue(texts::NoDefaultPrinter);
        services_->fileDialogs.answers.enqueue(path);
        printDocument(nullptr, services_->services, document());
        QCOMPARE(messages(services_->messenger).size(), 2);
        QCOMPARE(messages(services_->messenger).at(1),
                 QStringLiteral("Printer|The PDF file could not be written:\r\n") + path);
    }

    // Each planner's own words when there is nothing to print; no header is asked for.
    void everyPlannerRefusesToPrintWithoutResults() {
        state_.FirstPayDate = QDate(2027, 1, 31);
        const QList<std::pair<QWidget*, const char*>> planners = {
            {new MortgageCalc(state_, services_->services), "MPrinter"},
            {new Budget(state_, services_->services), "Ptr2"},
            {new SavingsCalc(state_, services_->services), "SPrinter"}};
        for (const auto& [window, button] : planners) {
            QVERIFY(showAndActivate(window));
            QVERIFY(child<QPushButton>(window, button)->isEnabled());
            clickButton(window, button);
            delete window;
        }
        QCOMPARE(messages(services_->messenger),
                 (QStringList{QStringLiteral("Help| No data to Print. Calculate."),
                              QStringLiteral("Help|No data to print."),
                              QStringLiteral("Help|No data to print. Calculate.")}));
        QVERIFY(services_->printer.printed.isEmpty());
    }

    // A header of "1" abandons the printout as Cancel does; any other header is printed.
    void aHeaderOfOneAbandonsThePrintout() {
        state_.FirstPayDate = QDate(2027, 1, 31);
        MortgageCalc window(state_, services_->services);
        QVERIFY(showAndActivate(&window));
        clickButton(&window, "MCalc");
        for (const QString& header : {QStringLiteral("1"), QStringLiteral("11")}) {
            QTimer::singleShot(0, this, [header] {
                auto* dialog = qobject_cast<PrinterHeaderInput*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                QTimer::singleShot(3000, dialog, &QDialog::reject); // never leave the test blocked
                typeInto(dialog, "InFName", header);
                clickButton(dialog, "Acept");
            });
            clickButton(&window, "MPrinter");
        }
        QCOMPARE(services_->printer.printed.size(), 1);
        QCOMPARE(services_->printer.printed.constFirst().name, QStringLiteral("Mortgage Table"));
        const auto& pages =
            std::get<report::PrintedReport>(services_->printer.printed.constFirst().content);
        QCOMPARE(pages.pages.constFirst().at(1), QStringLiteral(" 11"));
        QCOMPARE(services_->printer.busyWhilePrinting, QList<bool>{true});
    }

private:
    static render::PrintDocument document() {
        report::PrintedReport pages;
        pages.fontChoice = PrinterFont::CourierNew10;
        pages.pages = {{QString(), QStringLiteral(" header"), QString(),
                        QStringLiteral("                               Mortgage Table")},
                       {QString(), QStringLiteral(" Total:      $1.00")}};
        return render::PrintDocument{QStringLiteral("Mortgage Table"), pages};
    }

    AppState state_;
    std::unique_ptr<TestServices> services_;
    std::unique_ptr<QTemporaryDir> folder_;
};

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
