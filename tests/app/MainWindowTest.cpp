#include "app/MainWindow.h"

#include "WidgetTest.h"

#include <QTabWidget>

class MainWindowTest : public WidgetTest {};

TEST_F(MainWindowTest, CreationSequenceGivesTheFormItsSize) {
    MainWindow window(services);
    EXPECT_EQ(window.size(), QSize(500, 320));
    EXPECT_EQ(window.选择夹2->currentIndex(), 0);
}
