#include "ui/graph/GraphsAll.h"

#include "core/format/TableMessages.h"
#include "core/graph/GraphTexts.h"
#include "core/report/PrintMessages.h"
#include "core/state/AppState.h"
#include "core/state/SharedCaptions.h"
#include "render/PrintDocument.h"
#include "ui/common/BusyCursor.h"
#include "ui/common/Controls.h"
#include "ui/common/Messenger.h"
#include "ui/common/ModalLoop.h"
#include "ui/common/Services.h"
#include "ui/common/Twips.h"
#include "ui/graph/BarChart.h"
#include "ui/printing/ReportPrinting.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>

namespace pennywell::ui {
namespace {

// The form's resting size; printing stretches its height for a larger chart on the page.
constexpr int FormLeft = 60;
constexpr int FormTop = 345;
constexpr int FormWidth = 9480;
constexpr int FormHeight = 6765;
constexpr double PrintHeightShare = 0.88;
constexpr int ButtonHeight = 420;
constexpr int ButtonRowBottomMargin = 120;
constexpr int TitleHeight = 300;

// Paper is white whatever the desktop's theme; in black and white every colour is its grey.
QPalette paperPalette(bool colour) {
    QPalette palette = QApplication::style()->standardPalette();
    if (colour)
        return palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colourGroup = QPalette::ColorGroup(group);
            const auto colourRole = QPalette::ColorRole(role);
            const int level = qGray(palette.color(colourGroup, colourRole).rgb());
            palette.setColor(colourGroup, colourRole, QColor(level, level, level));
        }
    return palette;
}

} // namespace

GraphsAll::GraphsAll(AppState& state, Services& services, QWidget* parent)
    : QWidget(parent), state_(state), services_(services), graph1_(new BarChart(this)),
      label1_(new QLabel(this)) {
    setObjectName(QStringLiteral("GraphsAll"));
    setWindowTitle(graph::WindowCaption);
    setAccessibleDescription(graph::WindowDescription);

    // The chart's title, over the chart in either style.
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    QFont titleFont = label1_->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 2);
    label1_->setFont(titleFont);
    buildButtons();
    offerPdfFromMenu();

    setGeometry(twipsRect(FormLeft, FormTop, FormWidth, FormHeight));
    setMinimumSize(size()); // larger, the chart takes the room

    // Load: the series of the caller, always shown in 2D first.
    series_ = graph::seriesFor(state_);
    label1_->setText(series_.title);
    graph1_->setContent(series_, state_.settings.CurrencySymbol);
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
    auto addSpokenButton = [this](const char* name, const QString& caption, const QString& spoken) {
        QPushButton* button = addButton(this, name, caption);
        button->setAccessibleName(spoken);
        return button;
    };
    sav2D_ = addSpokenButton("Sav2D", graph::TwoDeeCaption, QStringLiteral("Show Graph in 2D"));
    threeDeeButton_ =
        addSpokenButton("ThreeDee", graph::ThreeDeeCaption, QStringLiteral("Show Graph in 3D"));
    ptr_ = addSpokenButton("Ptr", graph::ToPrinterCaption, QStringLiteral("To Printer"));
    exitBut_ = addSpokenButton("ExitBut", ExitToMenuCaption, QStringLiteral("Exit to Menu"));
    // As designed the 3D button is off, so the first 2D drawing turns it on and focuses it.
    threeDeeButton_->setEnabled(false);

    connect(sav2D_, &QPushButton::clicked, this, &GraphsAll::drawTwoDee);
    connect(threeDeeButton_, &QPushButton::clicked, this, &GraphsAll::switchToThreeDee);
    connect(ptr_, &QPushButton::clicked, this, [this] { print(ReportDestination::Printer); });
    connect(exitBut_, &QPushButton::clicked, this, &QWidget::close);
}

// Right-click anywhere on the form, or the menu key on any of its buttons: the chart and the
// buttons pass the request on to the form.
void GraphsAll::offerPdfFromMenu() {
    auto* savePdf = new QAction(table_messages::SavePdfCaption, this);
    connect(savePdf, &QAction::triggered, this, [this] { print(ReportDestination::PdfFile); });
    addAction(savePdf);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void GraphsAll::resizeEvent(QResizeEvent* event) {
    placeControls();
    QWidget::resizeEvent(event);
}

void GraphsAll::placeControls() {
    // The chart takes whatever height the buttons leave, so a taller form prints larger.
    const int margin = fromTwips(60);
    const int buttonTop = height() - fromTwips(ButtonHeight + ButtonRowBottomMargin);
    // A large desktop font makes the title taller than designed, never cut.
    const int titleHeight = std::max(fromTwips(TitleHeight), label1_->sizeHint().height());
    const int chartTop = margin + titleHeight;
    label1_->setGeometry(margin, margin, width() - 2 * margin, titleHeight);
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
    // The points loaded with the form; switching back and forth loads no new ones.
    graph1_->setStyle(BarStyle::Flat);
    chartStyle_ = TwoDeeStyle;
}

void GraphsAll::switchToThreeDee() {
    sav2D_->show();
    if (!sav2D_->isEnabled())
        sav2D_->setEnabled(true);
    threeDeeButton_->setEnabled(false);
    sav2D_->setFocus(Qt::OtherFocusReason);
    graph1_->setStyle(BarStyle::Solid);
    chartStyle_ = ThreeDeeStyle;
}

void GraphsAll::print(ReportDestination destination) {
    namespace texts = report::print_messages;
    const MessageAnswer go =
        services_.messenger.show(this, Message{texts::ContinueWithPrintout, texts::Title,
                                               MessageButtons::YesNo, MessageIcon::Question});
    if (go != MessageAnswer::Yes)
        return;
    const MessageAnswer colour =
        services_.messenger.show(this, Message{texts::PrintInColour, texts::Title,
                                               MessageButtons::YesNo, MessageIcon::Question});
    colourPrint_ = colour == MessageAnswer::Yes ? 1 : 0;
    if (chartStyle_ == ThreeDeeStyle)
        switchToThreeDee();
    else
        drawTwoDee();

    const render::PrintDocument document{graph::GraphReportName,
                                         render::PrintedPicture{stretchedPicture()}};
    if (destination == ReportDestination::PdfFile)
        savePrintoutAsPdf(this, services_, document);
    else
        printDocument(this, services_, document);
}

// The form made taller for the drawing, so the chart fills more of the page, and then given
// back the user's size.
QPicture GraphsAll::stretchedPicture() {
    const BusyCursor busy;
    const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize shownSize = size();
    setFixedHeight(int(PrintHeightShare * shownOn->geometry().height()));
    // The window manager's answer to the new height is handled before the drawing.
    ModalLoop::processEvents(*this);
    QPicture picture = formPicture();
    setMinimumHeight(fromTwips(FormHeight));
    setMaximumHeight(QWIDGETSIZE_MAX);
    resize(shownSize);
    return picture;
}

QPicture GraphsAll::formPicture() {
    const bool ownPalette = testAttribute(Qt::WA_SetPalette);
    const QPalette shown = palette();
    setPalette(paperPalette(colourPrint_ == 1));
    graph1_->setGrey(colourPrint_ == 0);
    QPicture picture;
    {
        QPainter painter(&picture);
        render(&painter);
    }
    picture.setBoundingRect(rect());
    graph1_->setGrey(false);
    setPalette(ownPalette ? shown : QPalette());
    return picture;
}

} // namespace pennywell::ui
