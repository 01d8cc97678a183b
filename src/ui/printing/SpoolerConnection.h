#pragma once

#include "ui/printing/CupsLibrary.h"

#include <QPageLayout>
#include <QString>
#include <chrono>
#include <memory>
#include <optional>

namespace pennywell::ui {

// A connection of our own to the print spooler, on which no answer is awaited longer than the
// patience given: a spooler that stops answering costs the user seconds, never the program.
// Every request goes through it; the spooler's shared default connection waits for ever.
class SpoolerConnection {
public:
    explicit SpoolerConnection(std::chrono::milliseconds patience);
    ~SpoolerConnection();
    SpoolerConnection(const SpoolerConnection&) = delete;
    SpoolerConnection& operator=(const SpoolerConnection&) = delete;

    // False when the spooler cannot be reached at all (or did not take the connection in time),
    // or there is no spooler library to reach it with.
    bool connected() const { return http_ != nullptr; }
    // True once the spooler let a request wait past the patience; the request then failed.
    bool timedOut() const { return timedOut_; }

    struct DestinationDeleter {
        void operator()(cups_dest_t* destination) const {
            cupsLibrary()->freeDestinations(1, destination);
        }
    };
    using Destination = std::unique_ptr<cups_dest_t, DestinationDeleter>;

    // The user's default printer, as every program on the machine finds it; null when none.
    Destination defaultDestination();

    // The printer's default paper and printable area; the locale's paper with no margins when
    // the printer does not say. Nullopt when the spooler failed to answer.
    std::optional<QPageLayout> paperOf(const cups_dest_t& destination);

    // Hands the file to the printer's queue: the job's number, or 0 when refused (the reason is
    // then lastError()).
    int submit(const cups_dest_t& destination, const QString& file, const QString& title);
    QString lastError() const;

private:
    static int giveUp(http_t* http, void* connection);

    const CupsLibrary* cups_ = cupsLibrary();
    http_t* http_ = nullptr;
    bool timedOut_ = false;
};

} // namespace pennywell::ui
