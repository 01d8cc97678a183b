#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>

// A broken promise of the code under test: printed, then aborted, so libFuzzer keeps the input
// that caused it as a crash file.
inline void fuzzCheck(bool holds, const char* promise, const QString& detail = QString()) {
    if (holds)
        return;
    std::fprintf(stderr, "Broken: %s\n%s\n", promise, detail.toUtf8().constData());
    std::abort();
}

inline QByteArray fuzzBytes(const unsigned char* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}
