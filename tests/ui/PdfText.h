#pragma once

#include <QList>
#include <QProcess>
#include <QStringList>

namespace pennywell::ui::testing {

// A page's lines without their trailing blanks: the text as it can be read off paper.
inline QStringList trimmedLines(const QStringList& lines) {
    QStringList trimmed;
    for (const QString& line : lines) {
        qsizetype end = line.size();
        while (end > 0 && line.at(end - 1) == QLatin1Char(' '))
            --end;
        trimmed.append(line.left(end));
    }
    return trimmed;
}

// A page as it reads off paper: no trailing blanks, no blank lines before the first text or
// after the last.
inline QStringList visibleLines(const QStringList& page) {
    QStringList lines = trimmedLines(page);
    while (!lines.isEmpty() && lines.constFirst().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// The text of every page of a PDF, read back one character per `charWidth` points, so the
// columns come out as they were printed. The left margin (`left` points, where column 1 is
// printed) is taken off; trailing blanks are dropped.
inline QList<QStringList> pdfTextPages(const QString& pdfPath, qreal charWidth, qreal left) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-fixed"), QString::number(charWidth, 'f', 4), pdfPath,
                     QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    QStringList pageTexts =
        QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pageTexts.isEmpty() && pageTexts.constLast().trimmed().isEmpty())
        pageTexts.removeLast();

    const qsizetype margin = qRound(left / charWidth);
    QList<QStringList> pages;
    for (const QString& text : pageTexts) {
        QStringList lines = trimmedLines(text.split(QLatin1Char('\n')));
        while (!lines.isEmpty() && lines.constLast().isEmpty())
            lines.removeLast();
        for (QString& line : lines)
            line = line.mid(margin);
        pages.append(lines);
    }
    return pages;
}

// The words of a PDF in reading order, as pdftotext finds them; empty when it cannot read it.
inline QStringList pdfWords(const QString& pdfPath) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdfPath, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified().split(u' ');
}

// The words of `text` that `printed` lacks, or holds only out of order; empty when the whole
// text was printed. Words `printed` has besides (list numbers) do not count.
inline QStringList wordsNotPrinted(const QStringList& printed, const QString& text) {
    const QStringList wanted = text.simplified().split(u' ');
    qsizetype at = 0;
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        while (at < printed.size() && printed.at(at) != wanted.at(i))
            ++at;
        if (at == printed.size())
            return wanted.mid(i);
        ++at;
    }
    return {};
}

} // namespace pennywell::ui::testing
