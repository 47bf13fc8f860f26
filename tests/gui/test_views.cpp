#include "Gui_test_helpers.h"
#include "Gui_test_support.h"

#include "gui/Colors.h"
#include "gui/GUIImage.h"
#include "gui/View.h"
#include "gui/Window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

using GUI::DispPoint;
using GUI::View;

namespace {

const SDL_Color red = {255, 0, 0, 0};
const SDL_Color blue = {0, 0, 255, 0};
const SDL_Color green = {0, 255, 0, 0};
const SDL_Color yellow = {255, 255, 0, 0};

class Resize_probe : public View {
public:
    using View::View;
    void did_resize(int width, int height) override { resizes.push_back(DispPoint(width, height)); }
    std::vector<DispPoint> resizes;
};

// Views attached to the window's main view are taken out and destroyed after
// each test, so that no test sees another's leftovers.
class Views : public ::testing::Test {
protected:
    View& main_view() { return *test_window().get_main_view(); }

    template <typename V> V* attach(V* view, DispPoint position) {
        main_view().attach_subview(view, position);
        owned.push_back(view);
        return view;
    }

    bool screen_is(int x, int y, SDL_Color c) {
        SDL_Surface* screen = test_window().get_screen();
        return getpixel(screen, x, y) == SDL_MapRGB(screen->format, c.r, c.g, c.b);
    }

    void TearDown() override {
        for (View* view : owned) {
            if (main_view().is_subview(view))
                main_view().remove_subview(view);
            delete view;
        }
        test_window().refresh();
    }

    // Red parent at (10, 10); blue child at window (30, 30); inside it a
    // magenta-cleared grandchild at (35, 35) with a green 5x5 corner; a yellow
    // sibling attached last at window (60, 60), overlapping the child.
    void build_scene() {
        parent = attach(new View(100, 100), DispPoint(10, 10));
        parent->fill_with_color(red);
        child = new View(40, 40);
        child->fill_with_color(blue);
        parent->attach_subview(child, DispPoint(20, 20));
        grandchild = new View(20, 20);
        grandchild->fill_with_color(GUI::clear);
        grandchild->set_clear_color(GUI::clear);
        grandchild->draw_onto_self(GUIImage::create_filled(5, 5, green), DispPoint(0, 0));
        child->attach_subview(grandchild, DispPoint(5, 5));
        sibling = new View(30, 30);
        sibling->fill_with_color(yellow);
        parent->attach_subview(sibling, DispPoint(50, 50));
        test_window().refresh();
    }

    std::vector<View*> owned;
    View* parent = nullptr;
    View* child = nullptr;
    View* grandchild = nullptr;
    View* sibling = nullptr;
};

} // namespace

TEST_F(Views, TreeErrorsUseExactTextsAndLeaveTheTreeAlone) {
    View* a = attach(new View(10, 10), DispPoint(0, 0));
    View* b = new View(10, 10);
    owned.push_back(b);
    EXPECT_EQ(thrown_message([&] { main_view().attach_subview(a, DispPoint(5, 5)); }),
              "Candidate vew is already a subview of another view.");
    // The parent check comes before the self check.
    EXPECT_EQ(thrown_message([&] { a->attach_subview(a, DispPoint(0, 0)); }),
              "Candidate vew is already a subview of another view.");
    EXPECT_EQ(thrown_message([&] { b->attach_subview(b, DispPoint(0, 0)); }),
              "Cannot attach a view to itself!");
    EXPECT_EQ(thrown_message([&] { b->remove_last_subview(); }), "view has not subviews!");

    View* nested = new View(2, 2);
    a->attach_subview(nested, DispPoint(1, 1));
    EXPECT_EQ(thrown_message([&] { test_window().remove_subview(nested); }),
              "view is not a subview of this!");
    EXPECT_EQ(thrown_message([&] { main_view().move_subview(nested, DispPoint(3, 3)); }),
              "view is not a subview of this!");
    EXPECT_EQ(nested->get_parent(), a);
    EXPECT_TRUE(nested->get_rel_pos() == DispPoint(1, 1));

    // Removal hands the view back undestroyed, free to be attached again.
    a->remove_last_subview();
    EXPECT_EQ(nested->get_parent(), nullptr);
    b->attach_subview(nested, DispPoint(0, 0));
    EXPECT_TRUE(b->is_subview(nested));
}

TEST_F(Views, SecondWindowIsRefused) {
    EXPECT_EQ(thrown_message([] { GUI::Window another(100, 100, "", 256, 0); }),
              "Sorry, already created a window!");
    EXPECT_EQ(SDL_GetVideoSurface()->w, 600);
}

TEST_F(Views, NestedOverlappingAndTransparentViewsCompositeAndHitTest) {
    build_scene();
    EXPECT_TRUE(screen_is(5, 5, GUI::bg_color));
    EXPECT_TRUE(screen_is(15, 15, red));
    EXPECT_TRUE(screen_is(32, 32, blue));
    EXPECT_TRUE(screen_is(37, 37, green));
    EXPECT_TRUE(screen_is(45, 45, blue)) << "clear pixels must show the parent";
    EXPECT_TRUE(screen_is(65, 65, yellow)) << "the later sibling is on top";
    EXPECT_TRUE(screen_is(105, 105, red));
    EXPECT_TRUE(screen_is(115, 115, GUI::bg_color));
    // Hits ignore transparency: the deepest, last attached view wins.
    EXPECT_EQ(main_view().get_view_from_point(DispPoint(45, 45)), grandchild);
    EXPECT_EQ(main_view().get_view_from_point(DispPoint(65, 65)), sibling);
    EXPECT_EQ(main_view().get_view_from_point(DispPoint(109, 109)), parent);
    EXPECT_EQ(main_view().get_view_from_point(DispPoint(110, 110)), &main_view());
    EXPECT_EQ(main_view().get_view_from_point(DispPoint(600, 5)), nullptr);

    const std::string path = testing::TempDir() + "screen_" + std::to_string(getpid()) + ".bmp";
    ASSERT_EQ(SDL_SaveBMP(test_window().get_screen(), path.c_str()), 0);
    SDL_Surface* shot = SDL_LoadBMP(path.c_str());
    std::remove(path.c_str());
    ASSERT_NE(shot, nullptr);
    // The file holds 8 bits a channel; the 16-bit screen keeps the top 5 or 6.
    Uint8 r, g, b;
    SDL_GetRGB(getpixel(shot, 45, 45), shot->format, &r, &g, &b);
    EXPECT_TRUE(r < 8 && g < 8 && b > 247) << int(r) << " " << int(g) << " " << int(b);
    SDL_FreeSurface(shot);
}

TEST_F(Views, ChangesDeepInTheTreeReachTheScreen) {
    build_scene();
    grandchild->fill_with_color(yellow);
    parent->move_subview(sibling, DispPoint(80, 0));
    test_window().refresh();
    EXPECT_TRUE(screen_is(45, 45, yellow));
    EXPECT_TRUE(screen_is(65, 65, blue)) << "a moved view must leave no trace";
    EXPECT_TRUE(screen_is(95, 15, yellow));

    parent->move_subview(sibling, DispPoint(80, 0));
    EXPECT_FALSE(main_view().need_to_refresh()) << "moving to the same place changes nothing";
}

TEST_F(Views, ResizeKeepsTheTopLeftDrawingAndTheClearColour) {
    Resize_probe* probe = attach(new Resize_probe(20, 20), DispPoint(200, 200));
    probe->fill_with_color(red);
    probe->set_clear_color(GUI::clear);
    probe->resize(40, 10);
    EXPECT_TRUE(probe->resizes == std::vector<DispPoint>{DispPoint(40, 10)});
    EXPECT_EQ(probe->get_w(), 40);
    test_window().refresh();
    EXPECT_TRUE(screen_is(219, 209, red));
    EXPECT_TRUE(screen_is(230, 205, GUI::bg_color)) << "the new area takes the clear colour";

    SDL_Surface* before = probe->get_image_ptr();
    probe->resize(40, 10);
    EXPECT_EQ(probe->resizes.size(), 2u);
    EXPECT_EQ(probe->get_image_ptr(), before);
}

TEST_F(Views, UnhandledMouseDownBubblesUpWithShiftedPositions) {
    auto* outer = attach(new Recording<View>(100, 100), DispPoint(100, 100));
    auto* inner = new Recording<View>(20, 20);
    outer->attach_subview(inner, DispPoint(30, 40));
    Output_capture out;
    inner->mouse_down(DispPoint(5, 6));
    EXPECT_EQ(out.take(), "mouse down!: 5, 6\nmouse down!: 35, 46\nmouse down!: 135, 146\n");
    EXPECT_EQ(outer->log, std::vector<std::string>{"down 35,46"});

    outer->handles = true;
    inner->mouse_up(DispPoint(1, 2));
    EXPECT_EQ(out.take(), "mouse up!: 1, 2\nmouse up!: 31, 42\n");
}

// Siblings taken out from the middle, the front and the back, in any order,
// leave the rest stacked as they were: the later-attached still wins both
// the picture and the click, and the last one left is the one taken last.
TEST_F(Views, DetachingSiblingsKeepsTheOthersInTheirStackingOrder) {
    View* stack = attach(new View(50, 50), DispPoint(200, 200));
    const SDL_Color colours[] = {red, blue, green, yellow};
    std::vector<View*> layers;
    for (int i = 0; i < 12; ++i) {
        layers.push_back(new View(20, 20));
        layers.back()->fill_with_color(colours[i % 4]);
        stack->attach_subview(layers.back(), DispPoint(i, i));
    }
    for (int i : {11, 0, 5, 6, 7, 2, 9}) {
        stack->remove_subview(layers[static_cast<std::size_t>(i)]);
        delete layers[static_cast<std::size_t>(i)];
    }
    // Left: 1, 3, 4, 8, 10 (blue, yellow, red, red, green), 10 on top.
    test_window().refresh();
    EXPECT_TRUE(screen_is(200 + 15, 200 + 15, green));
    EXPECT_EQ(stack->get_view_from_point(DispPoint(200 + 15, 200 + 15)), layers[10]);
    EXPECT_TRUE(screen_is(200 + 9, 200 + 9, red));
    EXPECT_EQ(stack->get_view_from_point(DispPoint(200 + 9, 200 + 9)), layers[8]);

    stack->remove_last_subview();
    EXPECT_EQ(layers[10]->get_parent(), nullptr);
    delete layers[10];
    stack->remove_last_subview();
    delete layers[8];
    View* fresh = new View(5, 5);
    stack->attach_subview(fresh, DispPoint(0, 0));
    test_window().refresh();
    EXPECT_EQ(stack->get_view_from_point(DispPoint(200 + 2, 200 + 2)), fresh);
    EXPECT_EQ(stack->get_view_from_point(DispPoint(200 + 6, 200 + 6)), layers[4]);
    for (View* left : {layers[1], layers[3], layers[4]})
        EXPECT_TRUE(stack->is_subview(left));
}
