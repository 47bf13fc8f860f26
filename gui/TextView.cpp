#include "gui/TextView.h"

#include "gui/Colors.h"
#include "gui/Error.h"
#include "gui/GUILetter.h"

#include <algorithm>
#include <iostream>

namespace GUI {

namespace {
const int max_initial_text_size_c = 30;
const int single_line_overflow_width_c = 300;
const DispPoint first_letter_pos_c(3, 0);
} // namespace

int NewLetter_Disp_Obj::line_height = 0;

NewLetter_Disp_Obj::NewLetter_Disp_Obj(char ltr_, int size_, DispPoint pos_, SDL_Color color)
    : pos(pos_), letter(GUILetter::get_letter(ltr_, size_, color)), ltr(ltr_), size(size_) {
    if (!letter)
        throw Error(std::string("Couldn't load image for letter") + ltr + ": " + SDL_GetError() +
                    "\n");
    line_height = letter->get_height() + 2;
}

int NewLetter_Disp_Obj::get_width() const {
    return letter->get_width();
}

void NewLetter_Disp_Obj::drawself(View* view) const {
    letter->drawself(view, pos.x, pos.y);
}

TextView::TextView(int width, int height, bool grows_vertically_, bool single_line_)
    : View(width, height), grows_vertically(grows_vertically_), single_line(single_line_),
      text_size(std::min(max_initial_text_size_c, height - 2)) {
    set_clear_color(clear);
    update();
}

TextView::~TextView() = default;

void TextView::set_text(const std::string& text) {
    clear_text();
    append_text(text);
}

void TextView::append_text(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        add_letter_no_redraw(text[i], static_cast<int>(i));
    update();
}

std::string TextView::get_text() const {
    std::string text;
    text.reserve(letters.size());
    for (const auto& letter : letters)
        text += letter.get_ltr();
    return text;
}

void TextView::clear_text() {
    letters.clear();
    scroll = 0; // new text starts at the left edge again
    update();
}

void TextView::add_letter(char letter, int index) {
    add_letter_no_redraw(letter, index);
    update();
}

void TextView::add_letter_no_redraw(char letter, int index) {
    const int count = static_cast<int>(letters.size());
    index = std::clamp(index, 0, count);
    try {
        letters.insert(letters.begin() + index,
                       NewLetter_Disp_Obj(letter, text_size, pos_at_index(index), text_color));
    } catch (const Error& error) {
        std::cout << error.msg << '\n';
    }
}

void TextView::remove_letter(int index) {
    remove_letter_no_redraw(index);
    update();
}

void TextView::remove_letter_no_redraw(int index) {
    if (index >= 0 && index < static_cast<int>(letters.size()))
        letters.erase(letters.begin() + index);
}

void TextView::set_text_size(int size) {
    text_size = size;
    set_text(get_text());
}

void TextView::set_text_color(SDL_Color color) {
    text_color = color;
    set_text(get_text());
}

DispPoint TextView::pos_at_index(int index) const {
    if (index <= 0 || letters.empty())
        return first_letter_pos_c - DispPoint(scroll, 0);
    const NewLetter_Disp_Obj& prev = letters[std::min<std::size_t>(index, letters.size()) - 1];
    const int x = prev.get_pos().x + prev.get_width() + 1;
    // The previous letter's width stands in for the new one's.
    if (wraps() && x + prev.get_width() >= get_w())
        return DispPoint(0, prev.get_pos().y + text_size);
    return DispPoint(x, prev.get_pos().y);
}

void TextView::set_scroll(int pixels) {
    scroll = pixels;
    update();
}

void TextView::place_letters() {
    for (std::size_t i = 0; i < letters.size(); ++i)
        letters[i].set_pos(pos_at_index(static_cast<int>(i)));
}

void TextView::update() {
    place_letters();
    while (!letters.empty()) {
        const NewLetter_Disp_Obj& last = letters.back();
        if (single_line && last.get_pos().x + last.get_width() > get_w())
            resize(single_line_overflow_width_c, get_h());
        const int needed = last.get_pos().y + NewLetter_Disp_Obj::get_line_height();
        if (!(grows_vertically && needed > get_h()))
            break;
        resize(get_w(), needed);
        place_letters();
    }
    SDL_Surface* picture = get_image_ptr();
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, clear.r, clear.g, clear.b));
    for (const auto& letter : letters)
        letter.drawself(this);
    mark_changed();
}

int TextView::index_at_pos(DispPoint point) const {
    if (letters.empty())
        return 0;
    const DispPoint first = letters.front().get_pos();
    if (point.x < first.x || point.y < first.y)
        return 0;
    const int line_height = NewLetter_Disp_Obj::get_line_height();
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const DispPoint pos = letters[i].get_pos();
        const int half = letters[i].get_width() / 2;
        if (point.x >= pos.x && point.x < pos.x + half && point.y >= pos.y &&
            point.y < pos.y + line_height)
            return static_cast<int>(i);
        if (i > 0) {
            const DispPoint prev = letters[i - 1].get_pos();
            const int prev_width = letters[i - 1].get_width();
            if (point.x >= prev.x + prev_width / 2 && point.x <= prev.x + prev_width &&
                point.y >= prev.y && point.y <= prev.y + line_height)
                return static_cast<int>(i);
        }
    }
    return static_cast<int>(letters.size());
}

} // namespace GUI
