#pragma once

#include <cups/cups.h>

namespace pennywell::ui {

// The print spooler's client library, loaded at the first printout rather than at start: most
// runs print nothing, and with it come some twenty libraries (encryption, Kerberos, printer
// discovery) that the start would wait for and the program would carry in memory.
struct CupsLibrary {
    decltype(&::cupsServer) server;
    decltype(&::ippPort) port;
    decltype(&::cupsEncryption) encryption;
    decltype(&::httpConnect2) connect;
    decltype(&::httpSetTimeout) setTimeout;
    decltype(&::httpClose) close;
    decltype(&::cupsGetNamedDest) namedDestination;
    decltype(&::cupsFreeDests) freeDestinations;
    decltype(&::cupsCopyDestInfo) copyDestinationInfo;
    decltype(&::cupsGetDestMediaDefault) mediaDefault;
    decltype(&::cupsFreeDestInfo) freeDestinationInfo;
    decltype(&::cupsPrintFile2) printFile;
    decltype(&::cupsLastErrorString) lastErrorString;
};

// The library, loaded on first use and kept to the end; null when it cannot be loaded, which
// leaves the machine without a way to print.
const CupsLibrary* cupsLibrary();

} // namespace pennywell::ui
