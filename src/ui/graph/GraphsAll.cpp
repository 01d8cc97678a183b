#include "graph/GraphsAll.h"

#include "common/BusyCursor.h"
#include "common/Messenger.h"
#include "common/ModalLoop.h"
#include "common/Services.h"
#include "common/Twips.h"
#include "graph/TwoDeeChart.h"
#include "printing/PrintDocument.h"
#include "printing/ReportPrinting.h"
#include "state/AppState.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStackedWidget>

namespace pennywell::ui {
namespace {

// The form's resting size; printing the 2D chart stretches its height for a larger picture.
constexpr int FormLeft = 60;
constexpr int FormTop = 345;
constexpr int FormWidth = 9480;
constexpr int FormHeight = 6765;
constexpr double PrintHeightShare = 0.88;
constexpr int ButtonHeight = 420;
constexpr int ButtonRowBottomMargin = 120;
constexpr int TitleHeight = 300;

const QString PrinterTitle = QStringLiteral("Printer");

} // namespace

GraphsAll::GraphsAll(AppState& state, Services& services, ThreeDeeFactory threeDeeFactory,
                     QWidget* parent)
    : QWidget(parent), state_(state), services_(services),
      threeDeeFactory_(std::move(threeDeeFactory)), graph1_(new QStackedWidget(this)),
      chart_(new QChart), chartView_(new QChartView(chart_)), label1_(new QLabel(this)) {
    setObjectName(QStringLiteral("GraphsAll"));
    setWindowTitle(QStringLiteral("Graphs"));
    setAccessibleDescription(QStringLiteral("The yearly amounts of the last calculation as bars"));

    graph1_->setObjectName(QStringLiteral("Graph1"));
    chart_->setAnimationOptions(QChart::NoAnimation); // every redraw is immediate
    chartView_->setObjectName(QStringLiteral("Graph2D"));
    chartView_->setAccessibleName(QStringLiteral("Bar graph"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    graph1_->addWidget(chartView_);

    // Over the 3D view, which has no title of its own.
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    QFont titleFont = label1_->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 2);
    label1_->setFont(titleFont);
    label1_->hide();
    buildButtons();

    setGeometry(twipsRect(FormLeft, FormTop, FormWidth, FormHeight));
    setFixedSize(size());

    // Load: the series of the caller, always shown in 2D first.
    series_ = graph::seriesFor(state_);
    graph1_->setAccessibleName(series_.title);
    label1_->setText(series_.title);
    drawTwoDee();
}

GraphsAll::~GraphsAll() = default;

GraphsAll* GraphsAll::openFrom(QWidget* caller, AppState& state, Services& services) {
    auto* graphs = new GraphsAll(state, services);
    graphs->setAttribute(Qt::WA_DeleteOnClose);
    graphs->move(caller->pos());
    QObject::connect(graphs, &QObject::destroyed, caller, &QWidget::show);
    caller->hide();
    graphs->show();
    return graphs;
}

void GraphsAll::buildButtons() {
    auto addButton = [this](const char* name, const QString& caption, const QString& spoken) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAccessibleName(spoken);
        button->setAutoDefault(true); // Enter on a focused button presses it
        return button;
    };
    sav2D_ =
        addButton("Sav2D", QStringLiteral("Show Graph in &2D"), QStringLiteral("Show Graph in 2D"));
    threeDeeButton_ = addButton("ThreeDee", QStringLiteral("Show Graph in &3D"),
                                QStringLiteral("Show Graph in 3D"));
    ptr_ = addButton("Ptr", QStringLiteral("&To Printer"), QStringLiteral("To Printer"));
    exitBut_ =
        addButton("ExitBut", QStringLiteral("E&xit to Menu"), QStringLiteral("Exit to Menu"));
    // As designed the 3D button is off, so the first 2D drawing turns it on and focuses it.
    threeDeeButton_->setEnabled(false);

    connect(sav2D_, &QPushButton::clicked, this, &GraphsAll::drawTwoDee);
    connect(threeDeeButton_, &QPushButton::clicked, this, &GraphsAll::switchToThreeDee);
    connect(ptr_, &QPushButton::clicked, this, &GraphsAll::print);
    connect(exitBut_, &QPushButton::clicked, this, &QWidget::close);
}

void GraphsAll::resizeEvent(QResizeEvent* event) {
    placeControls();
    QWidget::resizeEvent(event);
}

void GraphsAll::placeControls() {
    // The chart takes whatever height the buttons leave, so a taller form prints larger.
    const int margin = fromTwips(60);
    const int buttonTop = height() - fromTwips(ButtonHeight + ButtonRowBottomMargin);
    const int chartTop = label1_->isVisible() ? fromTwips(60 + TitleHeight) : margin;
    label1_->setGeometry(margin, margin, width() - 2 * margin, fromTwips(TitleHeight));
    graph1_->setGeometry(margin, chartTop, width() - 2 * margin, buttonTop - margin - chartTop);
    const QList<QPushButton*> buttons{sav2D_, threeDeeButton_, ptr_, exitBut_};
    const int buttonWidth = fromTwips(2160);
    const int gap = (width() - 2 * margin - int(buttons.size()) * buttonWidth) / 3;
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setGeometry(margin + i * (buttonWidth + gap), buttonTop, buttonWidth,
                                fromTwips(ButtonHeight));
}

void GraphsAll::drawTwoDee() {
    if (!threeDeeButton_->isEnabled()) {
        threeDeeButton_->setEnabled(true);
        threeDeeButton_->setFocus(Qt::OtherFocusReason);
    }
    sav2D_->show();
    if (sav2D_->isEnabled())
        sav2D_->setEnabled(false);

    // The series is loaded once with the form, so the chart drawn from it stays as it is.
    if (chart_->series().isEmpty())
        drawTwoDeeChart(*chart_, series_, state_.settings.CurrencySymbol);
    graph1_->setCurrentWidget(chartView_);
    label1_->hide();
    chartStyle_ = TwoDeeStyle;
    placeControls();
}

void GraphsAll::switchToThreeDee() {
    if (!threeDee_) {
        threeDee_ = threeDeeFactory_(graph1_);
        if (!threeDee_) {
            services_.messenger.show(
                this, Message{QStringLiteral("Showing the graph in 3D needs OpenGL, which this "
                                             "display does not offer. The graph stays in 2D."),
                              QStringLiteral("Graphs")});
            return;
        }
        // The points loaded with the form; switching back and forth loads no new ones.
        graph1_->addWidget(threeDee_->widget());
        threeDee_->draw(series_, state_.settings.CurrencySymbol);
    }
    sav2D_->show();
    if (!sav2D_->isEnabled())
        sav2D_->setEnabled(true);
    threeDeeButton_->setEnabled(false);
    sav2D_->setFocus(Qt::OtherFocusReason);

    graph1_->setCurrentWidget(threeDee_->widget());
    label1_->show();
    chartStyle_ = ThreeDeeStyle;
    placeControls();
}

void GraphsAll::print() {
    const MessageAnswer go = services_.messenger.show(
        this, Message{QStringLiteral("Continue with Printout."), PrinterTitle,
                      MessageButtons::YesNo, MessageIcon::Question});
    if (go != MessageAnswer::Yes)
        return;
    const MessageAnswer colour =
        services_.messenger.show(this, Message{QStringLiteral("Print in Color."), PrinterTitle,
                                               MessageButtons::YesNo, MessageIcon::Question});
    colourPrint_ = colour == MessageAnswer::Yes ? 1 : 0;
    if (chartStyle_ == ThreeDeeStyle)
        switchToThreeDee();
    else
        drawTwoDee();

    QImage picture;
    {
        const BusyCursor busy;
        // Taller for the picture, so the 2D chart fills more of the page. The 3D chart keeps
        // its own shape and would only float in a taller frame, over an empty band: it is
        // printed as the form shows it, which also makes it wider on the page.
        const bool stretch = chartStyle_ == TwoDeeStyle;
        if (stretch) {
            const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
            setFixedHeight(int(PrintHeightShare * shownOn->geometry().height()));
            // The chart lays itself out again for the new height before it is pictured.
            ModalLoop::processEvents(*this);
        }
        picture = formImage();
        if (stretch)
            setFixedHeight(fromTwips(FormHeight));
    }
    // The renderer puts grey pixels on paper for black and white.
    printDocument(this, services_,
                  PrintDocument{QStringLiteral("Graph"), PrintedImage{picture, colourPrint_ == 1}});
}

QImage GraphsAll::formImage() {
    QImage image = grab().toImage();
    if (chartStyle_ == ThreeDeeStyle) {
        // The 3D view draws through OpenGL, which a grab of the form does not see.
        const QWidget* view = threeDee_->widget();
        const QRect area(view->mapTo(this, QPoint(0, 0)), view->size());
        QPainter painter(&image);
        painter.drawImage(area, threeDee_->render(area.size() * devicePixelRatioF()));
    }
    return image;
}

} // namespace pennywell::ui
