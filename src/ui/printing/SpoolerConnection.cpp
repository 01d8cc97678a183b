#include "ui/printing/SpoolerConnection.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSizeF>

namespace pennywell::ui {
namespace {

// The paper a printer that names none most likely holds, as the rest of the desktop assumes.
QPageLayout localePaper() {
    const QPageSize paper(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                              ? QPageSize::Letter
                              : QPageSize::A4);
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF());
}

} // namespace

SpoolerConnection::SpoolerConnection(std::chrono::milliseconds patience) {
    if (!cups_)
        return;
    QElapsedTimer waited;
    waited.start();
    http_ = cups_->connect(cups_->server(), cups_->port(), nullptr, AF_UNSPEC, cups_->encryption(),
                           1, int(patience.count()), nullptr);
    if (!http_) {
        timedOut_ = waited.elapsed() >= patience.count();
        return;
    }
    cups_->setTimeout(http_, std::chrono::duration<double>(patience).count(), giveUp, this);
}

SpoolerConnection::~SpoolerConnection() {
    if (http_)
        cups_->close(http_);
}

int SpoolerConnection::giveUp(http_t*, void* connection) {
    static_cast<SpoolerConnection*>(connection)->timedOut_ = true;
    return 0; // stop waiting: the request fails
}

SpoolerConnection::Destination SpoolerConnection::defaultDestination() {
    return Destination(cups_->namedDestination(http_, nullptr, nullptr));
}

std::optional<QPageLayout> SpoolerConnection::paperOf(const cups_dest_t& destination) {
    auto* dest = const_cast<cups_dest_t*>(&destination); // the API takes it unqualified
    cups_dinfo_t* info = cups_->copyDestinationInfo(http_, dest);
    cups_size_t size{};
    const bool known = info && cups_->mediaDefault(http_, dest, info, 0, &size);
    cups_->freeDestinationInfo(info);
    if (timedOut_)
        return std::nullopt;
    if (!known || size.width <= 0 || size.length <= 0)
        return localePaper();
    // The spooler measures in hundredths of a millimetre.
    constexpr qreal PointsPerUnit = 72.0 / 2540.0;
    const QPageSize paper(QSizeF(size.width, size.length) / 100.0, QPageSize::Millimeter, QString(),
                          QPageSize::FuzzyMatch);
    const QMarginsF margins(size.left, size.top, size.right, size.bottom);
    return QPageLayout(paper, QPageLayout::Portrait, margins * PointsPerUnit, QPageLayout::Point);
}

int SpoolerConnection::submit(const cups_dest_t& destination, const QString& file,
                              const QString& title) {
    return cups_->printFile(http_, destination.name, QFile::encodeName(file).constData(),
                            title.toUtf8().constData(), 0, nullptr);
}

QString SpoolerConnection::lastError() const {
    return QString::fromUtf8(cups_->lastErrorString());
}

} // namespace pennywell::ui
