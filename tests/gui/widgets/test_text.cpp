#include "Widget_fixture.h"

#include "gui/GUILetter.h"
#include "gui/TextView.h"

#include <string>

using GUI::DispPoint;
using GUI::TextView;

using Text_test = Widget_test;

namespace {
const SDL_Color black_c = {0, 0, 0, 0};
}

TEST_F(Text_test, GlyphCacheRendersEachCharSizeAndColourOnce) {
    GUILetter* a = GUILetter::get_letter('a', 18, black_c);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(GUILetter::get_letter('a', 18, black_c), a);
    EXPECT_EQ(GUILetter::get_letter('a', 18, SDL_Color{0, 0, 0, 200}), a);
    EXPECT_NE(GUILetter::get_letter('a', 18, SDL_Color{0, 0, 1, 0}), a);
    EXPECT_NE(GUILetter::get_letter('a', 24, black_c), a);
    EXPECT_NE(GUILetter::get_letter('b', 18, black_c), a);
}

TEST_F(Text_test, InitialTextSizeFollowsHeightUpToThirty) {
    EXPECT_EQ(TextView(50, 20, false, false).get_text_size(), 18);
    EXPECT_EQ(TextView(50, 100, false, false).get_text_size(), 30);
}

TEST_F(Text_test, WrapsToLeftEdgeOneTextSizeLowerWithoutOverflowing) {
    TextView view(100, 100, false, false);
    view.set_text(std::string(12, 'm'));
    const auto& letters = view.get_letters();
    EXPECT_EQ(letters.front().get_pos(), DispPoint(3, 0));
    std::size_t wrapped = 1;
    while (wrapped < letters.size() && letters[wrapped].get_pos().y == 0)
        ++wrapped;
    ASSERT_LT(wrapped, letters.size()) << "twelve m's overflow 100 pixels";
    EXPECT_EQ(letters[wrapped].get_pos(), DispPoint(0, view.get_text_size()));
    for (const auto& letter : letters)
        EXPECT_LE(letter.get_pos().x + letter.get_width(), view.get_w());
}

TEST_F(Text_test, OverflowWidensOneLineToThreeHundredOrGrowsJustTallEnough) {
    TextView line(100, 20, false, true);
    line.set_text(std::string(40, 'm'));
    EXPECT_EQ(line.get_w(), 300) << "300, whatever the text needs";
    EXPECT_EQ(line.get_h(), 20);
    EXPECT_EQ(line.get_letters().back().get_pos().y, 0);

    TextView growing(60, 20, true, false);
    growing.set_text(std::string(12, 'm'));
    const DispPoint last = growing.get_letters().back().get_pos();
    EXPECT_GE(last.y, 2 * growing.get_text_size());
    EXPECT_EQ(growing.get_h(), last.y + GUI::NewLetter_Disp_Obj::get_line_height());
}

TEST_F(Text_test, IndexAtPosPicksTheNearerGapOfTheLetterHit) {
    TextView view(200, 40, false, false);
    EXPECT_EQ(view.index_at_pos(DispPoint(10, 5)), 0) << "no letters";
    view.set_text("abc");
    const auto& letters = view.get_letters();
    const DispPoint b = letters[1].get_pos();
    const int b_width = letters[1].get_width();
    EXPECT_EQ(view.index_at_pos(DispPoint(0, 5)), 0);
    EXPECT_EQ(view.index_at_pos(b + DispPoint(1, 1)), 1);
    EXPECT_EQ(view.index_at_pos(b + DispPoint(b_width - 1, 1)), 2);
    EXPECT_EQ(view.index_at_pos(DispPoint(150, 5)), 3);
    EXPECT_EQ(view.index_at_pos(DispPoint(5, 39)), 3) << "below the last line";
}

TEST_F(Text_test, OutOfRangeIndicesAreClampedOnInsertAndIgnoredOnRemove) {
    TextView view(200, 40, false, false);
    view.set_text("bc");
    view.add_letter('d', 99);
    view.add_letter('a', -4);
    EXPECT_EQ(view.get_text(), "abcd");
    EXPECT_EQ(view.get_letters().front().get_pos(), DispPoint(3, 0));
    EXPECT_GT(view.get_letters()[1].get_pos().x, 3) << "letters after an insertion reflow";
    view.remove_letter(-1);
    view.remove_letter(4);
    EXPECT_EQ(view.get_text(), "abcd");
}
