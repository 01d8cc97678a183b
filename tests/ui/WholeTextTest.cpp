#include "ui/common/WholeText.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

class WholeTextTest : public QObject {
    Q_OBJECT

private slots:
    // A column is as wide as its widest cell, whatever the cell's length in characters: in a
    // proportional font fewer can be wider; in a fixed pitch the longest of the printable ASCII
    // texts is, wherever it is, but a tab reaches the next tab stop.
    void aColumnWidensToItsWidestCell_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("proportional")
            << "Liberation Sans" << QStringList{"iiiiiiiiii", "WWWWW", "1"};
        QTest::newRow("fixed pitch") << "Liberation Mono" << QStringList{"12", "$1,234.56", "1.56"};
        QTest::newRow("tab") << "Liberation Mono" << QStringList{"123456", "1\t2", "12345678"};
    }

    void aColumnWidensToItsWidestCell() {
        QFETCH(QString, family);
        QFETCH(QStringList, texts);
        QStandardItemModel model(int(texts.size()), 1);
        for (int row = 0; row < texts.size(); ++row)
            model.setItem(row, new QStandardItem(texts[row]));
        QTableView grid;
        grid.setFont(QFont(family, 10));
        grid.setModel(&model);
        grid.horizontalHeader()->resizeSection(0, 4); // too narrow even at the smallest font
        pennywell::ui::keepCellsWhole(&grid);
        const int middleRowWidth = grid.columnWidth(0);
        model.item(1)->setText(QStringLiteral("1"));
        QVERIFY(grid.columnWidth(0) < middleRowWidth); // the middle row was the widest
    }
};

QTEST_MAIN(WholeTextTest)
#include "WholeTextTest.moc"
