#include "AppFixture.h"
#include "AppPalette.h"
#include "DesktopColorScheme.h"
#include "EntryForm.h"
#include "GraphWindow.h"
#include "IOWindowController.h"
#include "LedgerChartView.h"
#include "RecordTableView.h"
#include "SchemeIcon.h"

#include <QAction>
#include <QDBusVariant>
#include <QLabel>
#include <QTest>

namespace {

const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorScheme = QStringLiteral("color-scheme");

bool isDark(const QColor& colour) {
    return colour.lightnessF() < 0.5f;
}

// kesh with the graph open on a few records; the desktop's preference is
// told as the portal's SettingChanged tells it, without a portal running.
class ColorScheme : public AppFixture {
protected:
    ColorScheme() {
        const DataRootPtr root = library();
        root->mainLibrary()->addObjectsFromArray({sampleRecord("-12", QDate(2024, 3, 3), QStringLiteral("lunch")),
                                                  sampleRecord("900", QDate(2024, 2, 1), QStringLiteral("pay"))});
        writeLibrary(*root);
        EXPECT_TRUE(launch());
        find<QAction>("graphWindowAction")->trigger();
        EXPECT_TRUE(app->graphWindow() && QTest::qWaitForWindowExposed(app->graphWindow()));
    }
    ~ColorScheme() override { tell(colorScheme, 0u); }

    void tell(const QString& key, uint value) {
        app->colorScheme()->settingChanged(appearance, key, QDBusVariant(QVariant::fromValue(value)));
        QCoreApplication::processEvents();
    }
    static bool draws(QWidget* widget, const QColor& colour) {
        const QImage image = widget->grab().toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y).rgb() == colour.rgb()) {
                    return true;
                }
            }
        }
        return false;
    }
    // A corner of the chart, where nothing but its ground is drawn.
    QColor chartGround() const {
        LedgerChartView* chart = app->graphWindow()->chartView();
        return chart->grab().toImage().pixelColor(3, 3);
    }
};

TEST_F(ColorScheme, theWindowsTheChartAndTheTableFollowTheDesktopToDarkAndBack) {
    ASSERT_FALSE(isDark(QApplication::palette().color(QPalette::Window))) << "the platform's palette is light";
    ASSERT_FALSE(isDark(chartGround()));

    tell(colorScheme, 1u);
    EXPECT_EQ(app->colorScheme()->scheme(), DesktopColorScheme::Scheme::Dark);
    EXPECT_TRUE(isDark(QApplication::palette().color(QPalette::Window)));
    EXPECT_FALSE(isDark(QApplication::palette().color(QPalette::WindowText)));
    EXPECT_TRUE(isDark(chartGround()));
    auto* table = find<RecordTableView>("ioListView");
    EXPECT_TRUE(isDark(table->palette().color(QPalette::AlternateBase)));
    EXPECT_NE(table->palette().color(QPalette::AlternateBase), table->palette().color(QPalette::Base))
        << "alternate rows still stand apart";

    // A link written before the switch is drawn in the dark palette's colour too.
    auto* link = app->ioWindowController()->form()->findChild<QLabel*>(QStringLiteral("noKeywordsLabel"));
    ASSERT_TRUE(link && link->isVisible()) << "no keywords, so the link to make some shows";
    EXPECT_TRUE(draws(link, QApplication::palette().color(QPalette::Link)));

    // Another setting of the portal changes nothing.
    tell(QStringLiteral("accent-color"), 2u);
    EXPECT_TRUE(AppPalette::isDark());

    tell(colorScheme, 2u);
    EXPECT_FALSE(isDark(QApplication::palette().color(QPalette::Window)));
    EXPECT_FALSE(isDark(chartGround()));

    // A value the portal may add later counts as no preference: the platform's colours.
    tell(colorScheme, 1u);
    tell(colorScheme, 9u);
    EXPECT_EQ(app->colorScheme()->scheme(), DesktopColorScheme::Scheme::NoPreference);
    EXPECT_FALSE(AppPalette::isDark());
}

TEST(SchemeIconColours, onDarkGroundOnlyTheDarkOutlinesAreLightened) {
    const QByteArray svg = "<rect fill=\"#1d4f8c\"/><rect fill=\"#ffd23f\" stroke=\"#000000\"/>";
    const QString dark = QString::fromUtf8(SchemeIcon::lightenedForDark(svg));
    const QStringList colours = [&] {
        QStringList found;
        for (const QString& part : dark.split(u'#').mid(1)) {
            found.append(u'#' + part.left(6));
        }
        return found;
    }();
    ASSERT_EQ(colours.size(), 3);
    EXPECT_FALSE(isDark(QColor::fromString(colours[0])));
    EXPECT_EQ(colours[1], QStringLiteral("#ffd23f"));
    EXPECT_FALSE(isDark(QColor::fromString(colours[2])));
}

} // namespace
