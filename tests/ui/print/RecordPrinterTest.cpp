#include "RecordPrinter.h"

#include <QFile>
#include <QPaintEngine>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Keeps the text drawn on each page: a page of paper without the paper.
class TextPages : public QPaintDevice {
public:
    std::vector<QStringList> pages{QStringList()};

    QPaintEngine* paintEngine() const override { return &m_engine; }
    void newPage() { pages.emplace_back(); }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return 2480; // A4 at 300 dpi
        case PdmHeight:
            return 3508;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 300;
        case PdmWidthMM:
            return 210;
        case PdmHeightMM:
            return 297;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(TextPages* device)
            : QPaintEngine(AllFeatures)
            , m_device(device) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override { m_device->pages.back() << item.text(); }
        Type type() const override { return User; }

    private:
        TextPages* m_device;
    };
    mutable Engine m_engine{this};
};

PrintTable table(int rows) {
    PrintTable t;
    t.title = QStringLiteral("Household");
    t.subtitles = {QStringLiteral("Search: “rent”")};
    t.headers = {QStringLiteral("Date"), QStringLiteral("Amount"), QStringLiteral("Comment")};
    t.rightAligned = {false, true, false};
    t.stretchColumn = 2;
    for (int i = 0; i < rows; ++i) {
        t.rows.append(
            {QStringLiteral("day %1").arg(i), QStringLiteral("%1.00").arg(i), QStringLiteral("row %1").arg(i)});
    }
    t.totals = {QStringLiteral("Balance 42.00")};
    return t;
}

std::vector<QStringList> printed(const PrintTable& t) {
    TextPages device;
    QPainter painter(&device);
    const int pages =
        RecordPrinter(t).paint(painter, QRectF(0, 0, device.width(), device.height()), [&device] { device.newPage(); });
    EXPECT_EQ(std::size_t(pages), device.pages.size());
    return device.pages;
}

TEST(RecordPrinter, everyPageRepeatsTheHeadersAndIsNumberedAndTheTotalsEndTheLastOne) {
    const std::vector<QStringList> pages = printed(table(200));
    ASSERT_GE(pages.size(), 3u);
    const QString count = QString::number(pages.size());
    int rows = 0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const QStringList& page = pages[i];
        EXPECT_TRUE(page.contains(QStringLiteral("Comment"))) << "no headers on page " << i + 1;
        EXPECT_TRUE(page.contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(count))) << "page " << i + 1;
        EXPECT_EQ(page.contains(QStringLiteral("Household")), i == 0);
        EXPECT_EQ(page.contains(QStringLiteral("Balance 42.00")), i == pages.size() - 1);
        rows += int(page.filter(QRegularExpression(QStringLiteral("^row \\d+$"))).size());
    }
    // Every row once, in order across the pages.
    EXPECT_EQ(rows, 200);
    EXPECT_TRUE(pages.front().contains(QStringLiteral("row 0")));
    EXPECT_TRUE(pages.back().contains(QStringLiteral("row 199")));
}

TEST(RecordPrinter, anEmptyTableIsOnePageWithItsTotals) {
    const std::vector<QStringList> pages = printed(table(0));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Balance 42.00")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Page 1 of 1")));
}

TEST(RecordPrinter, totalsThatDoNotFitAfterTheLastRowGetAPageOfTheirOwn) {
    const std::size_t onOnePage = printed(table(1)).size();
    ASSERT_EQ(onOnePage, 1u);
    // Grow the table until the rows alone fill the first page.
    int rows = 1;
    while (printed(table(rows)).front().filter(QRegularExpression(QStringLiteral("^row "))).size() == rows) {
        rows += 1;
    }
    const int full = rows - 1;
    const std::vector<QStringList> pages = printed(table(full));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Balance 42.00")));
    EXPECT_TRUE(pages[1].filter(QRegularExpression(QStringLiteral("^row "))).isEmpty());
}

TEST(RecordPrinter, aPdfFileHoldsItsPagesAndAFolderThatIsNoneRefusesIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.pdf"));
    ASSERT_TRUE(RecordPrinter(table(200)).writePdf(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    // Within margins, the PDF's pages hold fewer rows than the whole A4 sheet above.
    EXPECT_GE(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))),
              int(printed(table(200)).size()));
    EXPECT_FALSE(RecordPrinter(table(1)).writePdf(dir.filePath(QStringLiteral("none/table.pdf"))));
}

} // namespace
