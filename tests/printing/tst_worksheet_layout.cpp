// The worksheet's items against the printable area of A4 and Letter, upright
// and on their side: they stay on the page, apart, at letters a pupil can
// read, and they fill the page in one direction, so that fewer items to a
// page means larger pictures.
#include "printing/worksheet.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTest>

using namespace vexlor;

namespace {

QSizeF printableArea(QPageSize::PageSizeId size, QPageLayout::Orientation orientation) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    SheetOptions options;
    options.pageSize = size;
    setUpSheetPage(writer, options);
    writer.setPageOrientation(orientation);
    return writer.pageLayout().paintRect(QPageLayout::Millimeter).size();
}

} // namespace

class WorksheetLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void itemsUseThePage_data() {
        QTest::addColumn<QPageSize::PageSizeId>("size");
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        QTest::addColumn<int>("perPage");
        QTest::addColumn<int>("columns"); // 0: any
        for (const auto size : {QPageSize::A4, QPageSize::Letter})
            for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape})
                for (const int perPage : {1, 2, 4, 6})
                    QTest::addRow("%s %s, %d a page", size == QPageSize::A4 ? "A4" : "Letter",
                                  orientation == QPageLayout::Portrait ? "upright" : "on its side",
                                  perPage)
                        << size << orientation << perPage
                        << (perPage == 4 && orientation == QPageLayout::Portrait ? 2 : 0);
    }

    void itemsUseThePage() {
        QFETCH(QPageSize::PageSizeId, size);
        QFETCH(QPageLayout::Orientation, orientation);
        QFETCH(int, perPage);
        QFETCH(int, columns);
        const QSizeF area = printableArea(size, orientation);
        const QRectF page = QRectF(QPointF(0, 0), area).adjusted(-0.01, -0.01, 0.01, 0.01);
        const ItemLayout layout = itemLayout(area, perPage);
        QVERIFY(columns == 0 || layout.columns == columns);
        QVERIFY2(layout.letterPoints >= 9, qPrintable(QString::number(layout.letterPoints)));
        for (const auto& places : {layout.firstPage, layout.otherPages}) {
            QCOMPARE(static_cast<int>(places.size()), perPage);
            QRectF used;
            for (std::size_t k = 0; k < places.size(); ++k) {
                QVERIFY(page.contains(places[k].box));
                QVERIFY(places[k].box.contains(places[k].pictures));
                for (std::size_t j = 0; j < k; ++j)
                    QVERIFY(!places[k].box.intersects(places[j].box));
                used |= places[k].box;
            }
            // The items reach across the page, or down three quarters of it
            // (the rest is its head and foot).
            QVERIFY2(used.width() >= 0.9 * area.width() || used.height() >= 0.74 * area.height(),
                     qPrintable(QStringLiteral("%1 x %2").arg(used.width()).arg(used.height())));
        }
        // One item to an upright page stands at least 1.6 times as tall as
        // each of two.
        if (perPage == 1 && orientation == QPageLayout::Portrait)
            QVERIFY(layout.firstPage[0].pictures.height() >=
                    1.6 * itemLayout(area, 2).firstPage[0].pictures.height());
    }
};

QTEST_MAIN(WorksheetLayoutTest)
#include "tst_worksheet_layout.moc"
