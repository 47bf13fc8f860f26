#include "support/Window_support.h"

#include "gui/Colors.h"
#include "gui/Drawing.h"
#include "gui/Error.h"
#include "gui/GUIImage.h"

#include <string>
#include <tuple>
#include <vector>

using GUI::View;

namespace {

const SDL_Color red = {255, 0, 0, 0};
const SDL_Color blue = {0, 0, 255, 0};
const SDL_Color green = {0, 255, 0, 0};
const SDL_Color yellow = {255, 255, 0, 0};

class Views : public Window_test {
protected:
    static View* filled(int width, int height, SDL_Color colour, View* in = nullptr, P at = P()) {
        View* view = new View(width, height);
        view->fill_with_color(colour);
        if (in)
            in->attach_subview(view, at);
        return view;
    }
    static bool screen_is(int x, int y, SDL_Color c) {
        return is_color(test_window().get_screen(), x, y, c);
    }
};

} // namespace

// Only changed branches are recomposited, up from every change.
TEST_F(Views, NestedOverlappingAndTransparentViewsCompositeHitTestAndShowChanges) {
    // At window (10, 10), (30, 30), (35, 35) and, overlapping the child, (60, 60).
    View* parent = attach(filled(100, 100, red), P(10, 10));
    View* child = filled(40, 40, blue, parent, P(20, 20));
    View* grandchild = filled(20, 20, GUI::clear, child, P(5, 5));
    grandchild->set_clear_color(GUI::clear);
    grandchild->draw_onto_self(GUIImage::create_filled(5, 5, green), P(0, 0));
    View* sibling = filled(30, 30, yellow, parent, P(50, 50));
    test_window().refresh();
    // Clear pixels show the parent (45, 45); the later sibling is on top (65, 65).
    const std::tuple<int, SDL_Color> shown[] = {
        {5, GUI::bg_color}, {15, red},    {32, blue}, {37, green},
        {45, blue},         {65, yellow}, {105, red}, {115, GUI::bg_color}};
    for (auto [at, colour] : shown)
        EXPECT_TRUE(screen_is(at, at, colour)) << at << "," << at;
    // Hits ignore transparency: the deepest, last attached view wins.
    EXPECT_EQ(main_view()->get_view_from_point(P(45, 45)), grandchild);
    EXPECT_EQ(main_view()->get_view_from_point(P(65, 65)), sibling);
    EXPECT_EQ(main_view()->get_view_from_point(P(109, 109)), parent);
    EXPECT_EQ(main_view()->get_view_from_point(P(110, 110)), main_view());
    EXPECT_EQ(main_view()->get_view_from_point(P(600, 5)), nullptr);

    grandchild->fill_with_color(yellow);
    parent->move_subview(sibling, P(80, 0));
    test_window().refresh();
    EXPECT_TRUE(screen_is(45, 45, yellow));
    EXPECT_TRUE(screen_is(65, 65, blue)) << "a moved view must leave no trace";
    EXPECT_TRUE(screen_is(95, 15, yellow));
    parent->move_subview(sibling, P(80, 0));
    EXPECT_FALSE(main_view()->need_to_refresh()) << "moving to the same place changes nothing";
}

// Siblings taken out anywhere, in any order, leave the rest stacked as they were.
TEST_F(Views, DetachingSiblingsKeepsTheOthersInTheirStackingOrder) {
    View* stack = attach(new View(50, 50), P(200, 200));
    const SDL_Color colours[] = {red, blue, green, yellow};
    std::vector<View*> layers;
    for (int i = 0; i < 12; ++i)
        layers.push_back(filled(20, 20, colours[i % 4], stack, P(i, i)));
    for (int i : {11, 0, 5, 6, 7, 2, 9}) {
        stack->remove_subview(layers[static_cast<std::size_t>(i)]);
        delete layers[static_cast<std::size_t>(i)];
    }
    // Left: 1, 3, 4, 8, 10 (blue, yellow, red, red, green), 10 on top.
    test_window().refresh();
    EXPECT_TRUE(screen_is(200 + 15, 200 + 15, green));
    EXPECT_EQ(stack->get_view_from_point(P(200 + 15, 200 + 15)), layers[10]);
    EXPECT_TRUE(screen_is(200 + 9, 200 + 9, red));
    EXPECT_EQ(stack->get_view_from_point(P(200 + 9, 200 + 9)), layers[8]);

    stack->remove_last_subview();
    EXPECT_EQ(layers[10]->get_parent(), nullptr);
    delete layers[10];
    stack->remove_last_subview();
    delete layers[8];
    View* fresh = new View(5, 5);
    stack->attach_subview(fresh, P(0, 0));
    test_window().refresh();
    EXPECT_EQ(stack->get_view_from_point(P(200 + 2, 200 + 2)), fresh);
    EXPECT_EQ(stack->get_view_from_point(P(200 + 6, 200 + 6)), layers[4]);
    for (View* left : {layers[1], layers[3], layers[4]})
        EXPECT_TRUE(stack->is_subview(left));
}

// An unhandled click bubbles up with shifted positions: where refusals left the view.
TEST_F(Views, TreeErrorsLeaveTheTreeAloneAndUnhandledClicksBubbleUp) {
    View* a = attach(new View(100, 100), P(100, 100));
    View* nested = new View(20, 20);
    a->attach_subview(nested, P(30, 40));
    auto refused = [](auto action) { return thrown<GUI::Error>(action); };
    EXPECT_EQ(refused([&] { main_view()->attach_subview(nested, P(5, 5)); }),
              "Candidate vew is already a subview of another view.");
    View alone(5, 5);
    EXPECT_EQ(refused([&] { alone.attach_subview(&alone, P(0, 0)); }),
              "Cannot attach a view to itself!");
    EXPECT_EQ(refused([&] { alone.remove_last_subview(); }), "view has not subviews!");
    EXPECT_EQ(refused([&] { main_view()->move_subview(nested, P(3, 3)); }),
              "view is not a subview of this!");
    EXPECT_EQ(refused([&] { main_view()->remove_subview(nested); }),
              "view is not a subview of this!");
    // SDL would take a negative size for a huge one and corrupt memory.
    EXPECT_EQ(refused([] { View(-1, 20); }), "Cannot make a view of -1 x 20 pixels!");
    EXPECT_EQ(refused([&] { alone.resize(5, -3); }), "Cannot make a view of 5 x -3 pixels!");

    nested->mouse_down(P(5, 6));
    EXPECT_EQ(out.take(), "mouse down!: 5, 6\nmouse down!: 35, 46\nmouse down!: 135, 146\n");
}

// The work is counted, not timed, so that a slide back to quadratic work fails anywhere.
TEST_F(Views, MovingOneIconAmongTenThousandRecompositesOnlyItsAncestors) {
    const int icon_count = 10000;
    View* chart = attach(new View(300, 300), P(0, 0));
    std::vector<View*> icons;
    for (int i = 0; i < icon_count; ++i) {
        icons.push_back(new View(8, 8));
        chart->attach_subview(icons.back(), P(i % 290, (i / 290) % 290));
    }
    test_window().refresh();

    const std::size_t before = View::get_recomposition_count();
    chart->move_subview(icons[icon_count / 2], P(5, 5));
    test_window().refresh();
    // The chart and the window's main view; not one of the icons.
    EXPECT_EQ(View::get_recomposition_count() - before, 2u);

    // Finding a view among its siblings must not search them.
    for (View* icon : icons) {
        EXPECT_TRUE(chart->is_subview(icon));
        chart->remove_subview(icon);
        delete icon;
    }
}

// A copy is drawn by blitting, which skips keyed pixels; a thin outline leaves a hole.
TEST(Images, KeyedCopiesAndOutlinesShowWhatIsBelowWhereTheyAreTransparent) {
    GUIImage keyed(4, 4, true, default_color_key_c);
    SDL_FillRect(keyed, nullptr, SDL_MapRGB(keyed->format, 255, 0, 0));
    putpixel(keyed, 1, 1, SDL_MapRGB(keyed->format, 255, 0, 255));
    GUIImage copy(keyed);
    GUIImage assigned = GUIImage::create_filled(2, 2, red);
    assigned = copy;
    for (const GUIImage* image : {&keyed, &copy, &assigned}) {
        GUIImage shown = GUIImage::create_filled(4, 4, green);
        display_image(*image, shown, 0, 0, false, SDL_Rect{0, 0, 4, 4});
        EXPECT_TRUE(shown.point_is_color(1, 1, green));
        EXPECT_TRUE(shown.point_is_color(0, 0, red));
        EXPECT_TRUE(shown.point_is_color(3, 3, red));
    }
    for (int thickness : {2, 6}) {
        GUIImage shown = GUIImage::create_filled(10, 10, green);
        display_image(GUIImage::create_outline(10, 10, thickness, red), shown, 0, 0, false,
                      SDL_Rect{0, 0, 10, 10});
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                const bool in_frame =
                    x < thickness || x >= 10 - thickness || y < thickness || y >= 10 - thickness;
                EXPECT_TRUE(shown.point_is_color(x, y, in_frame ? red : green)) << x << ", " << y;
            }
        }
    }
}
