#include "PdfText.h"
#include "PrivateSpooler.h"
#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/savings/GrowthCalculator.h"
#include "core/savings/SavingsInputs.h"
#include "core/state/AppState.h"
#include "ui/graph/GraphsAll.h"
#include "ui/printing/SpoolerPrinter.h"

#include <QApplication>
#include <QFile>
#include <QProcess>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// How many pixels of the printed page are coloured rather than grey.
int colouredPixels(const QString& pdf) {
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"),
         QStringLiteral("-singlefile"), pdf, pdf});
    const QImage page(pdf + QStringLiteral(".png"));
    int coloured = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor pixel = page.pixelColor(x, y);
            coloured += pixel.red() != pixel.green() || pixel.green() != pixel.blue();
        }
    return page.isNull() ? -1 : coloured;
}

} // namespace

// The graph on a private spooler's PDF queue: one drawing on the page, in the colours chosen.
class GraphSpoolerTest : public QObject {
    Q_OBJECT
public:
    explicit GraphSpoolerTest(PrivateSpooler& spooler) : spooler_(spooler) {}

private slots:
    void init() { QFile::remove(spooler_.printedFile()); }

    void printsOnePictureInColourOrGreyAsAnswered() {
        for (const MessageAnswer colour : {MessageAnswer::Yes, MessageAnswer::No}) {
            QFile::remove(spooler_.printedFile());
            AppState state;
            state.savings = openingSavingsState();
            const GrowthResult growth = calculateGrowth(growthInputsFrom(state.savings));
            state.savings.growthTable = growth.table;
            state.graph = {growth.resultCount, "Investment value at end of each Year", 1};
            TestServices scripted;
            SpoolerPrinter printer;
            Services services{scripted.messenger, scripted.beeper, scripted.fileDialogs, printer,
                              scripted.helpViewer};
            GraphsAll graphs(state, services);
            QVERIFY(showAndActivate(&graphs));
            scripted.messenger.answers.enqueue(MessageAnswer::Yes);
            scripted.messenger.answers.enqueue(colour);
            clickButton(&graphs, "Ptr");
            QCOMPARE(scripted.messenger.shown.size(), 2); // the two questions, nothing failed
            QVERIFY2(PrivateSpooler::waitForJobs(), qPrintable(spooler_.errorLog()));

            // Drawn, not pictured: the chart's texts are text on the page.
            const QStringList words = pdfWords(spooler_.printedFile());
            QVERIFY2(words.contains(QStringLiteral("$600,000")), qPrintable(words.join(u' ')));
            QVERIFY(wordsNotPrinted(words, QStringLiteral("Investment value at end of each Year "
                                                          "$0 1 2 3 24 25 Year"))
                        .isEmpty());
            const int coloured = colouredPixels(spooler_.printedFile());
            if (colour == MessageAnswer::Yes)
                QVERIFY2(coloured > 100, qPrintable(QString::number(coloured)));
            else
                QCOMPARE(coloured, 0);
        }
    }

private:
    PrivateSpooler& spooler_;
};

int main(int argc, char** argv) {
    PrivateSpooler spooler(PrivateSpooler::Queue::PdfPrinter);
    if (const int failed = spooler.start())
        return failed;
    QApplication app(argc, argv);
    GraphSpoolerTest test(spooler);
    return QTest::qExec(&test, argc, argv);
}

#include "GraphSpoolerTest.moc"
