#include "core/budget/SampleBudget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pennywell {

void provideSampleBudget(const QString& shippedFolder, const QString& programFolder) {
    const QString shipped = QDir(shippedFolder).filePath(SampleBudgetFileName);
    const QString copy = QDir(programFolder).filePath(SampleBudgetFileName);
    if (QFileInfo(shipped).absoluteFilePath() == QFileInfo(copy).absoluteFilePath() ||
        QFileInfo::exists(copy))
        return;
    QFile::copy(shipped, copy); // without a shipped sample there is nothing to offer
}

} // namespace pennywell
