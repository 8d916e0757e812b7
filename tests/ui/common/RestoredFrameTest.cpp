#include "RestoredFrame.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

// A frame saved on a larger screen (or at a smaller scale) comes back inside this one.
TEST(RestoredFrame, aFrameLargerThanTheScreenIsShrunkAndMovedIntoIt) {
    const QRect available = QApplication::primaryScreen()->availableGeometry();
    QWidget saved;
    saved.setGeometry(available.x() + 200, available.y() + 150, available.width() * 2, available.height() * 2);
    const QByteArray frame = saved.saveGeometry();

    QWidget window;
    ASSERT_TRUE(RestoredFrame::restore(&window, frame));
    EXPECT_LE(window.width(), available.width());
    EXPECT_LE(window.height(), available.height());
    EXPECT_TRUE(available.contains(window.geometry().topLeft()));
    EXPECT_LE(window.geometry().bottom(), available.bottom());
    EXPECT_LE(window.geometry().right(), available.right());

    // A frame that fits stays as it was saved; one that cannot be read changes nothing.
    QWidget small;
    small.setGeometry(available.x() + 40, available.y() + 60, 300, 200);
    QWidget again;
    ASSERT_TRUE(RestoredFrame::restore(&again, small.saveGeometry()));
    EXPECT_EQ(again.size(), QSize(300, 200));
    EXPECT_EQ(again.pos(), small.pos());
    const QRect before = again.geometry();
    EXPECT_FALSE(RestoredFrame::restore(&again, QByteArray("not a frame")));
    EXPECT_EQ(again.geometry(), before);
}
