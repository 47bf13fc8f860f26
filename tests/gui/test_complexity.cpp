#include "support/Window_support.h"

#include "gui/View.h"

#include <gtest/gtest.h>

#include <vector>

// Counting the work instead of timing it fails a slide back to quadratic
// work wherever the test runs.
TEST(Complexity, MovingOneIconAmongTenThousandRecompositesOnlyItsAncestors) {
    const int icon_count = 10000;
    auto* chart = new GUI::View(300, 300);
    std::vector<GUI::View*> icons;
    for (int i = 0; i < icon_count; ++i) {
        icons.push_back(new GUI::View(8, 8));
        chart->attach_subview(icons.back(), GUI::DispPoint(i % 290, (i / 290) % 290));
    }
    test_window().get_main_view()->attach_subview(chart, GUI::DispPoint(0, 0));
    test_window().refresh();

    const std::size_t before = GUI::View::get_recomposition_count();
    chart->move_subview(icons[icon_count / 2], GUI::DispPoint(5, 5));
    test_window().refresh();
    // The chart and the window's main view; not one of the icons.
    EXPECT_EQ(GUI::View::get_recomposition_count() - before, 2u);

    // Finding a view among its siblings must not search them.
    for (GUI::View* icon : icons) {
        EXPECT_TRUE(chart->is_subview(icon));
        chart->remove_subview(icon);
        delete icon;
    }
    test_window().get_main_view()->remove_subview(chart);
    delete chart;
}
