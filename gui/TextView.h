#ifndef FLOTILLA_GUI_TEXTVIEW_H
#define FLOTILLA_GUI_TEXTVIEW_H

#include "gui/DispPoint.h"
#include "gui/View.h"

#include <SDL.h>

#include <string>
#include <vector>

class GUILetter;

namespace GUI {

// One cached glyph placed in a text view.
class NewLetter_Disp_Obj {
public:
    // Throws GUI::Error when the glyph cannot be made.
    NewLetter_Disp_Obj(char ltr_, int size_, DispPoint pos_, SDL_Color color);

    int get_width() const;
    DispPoint get_pos() const { return pos; }
    void set_pos(DispPoint pos_) { pos = pos_; }
    char get_ltr() const { return ltr; }
    void drawself(View* view) const;

    // The height of the most recently made letter plus 2; every text view
    // lays its lines out with it.
    static int get_line_height() { return line_height; }

private:
    DispPoint pos;
    GUILetter* letter;
    char ltr;
    int size;
    static int line_height;
};

// A view of letters laid out left to right, wrapping anywhere (or widening,
// for a single line), that can insert and remove letters at an index and map
// a pixel to the letter index there. Only the glyphs show on the parent.
class TextView : public View {
public:
    TextView(int width, int height, bool grows_vertically_, bool single_line_);
    ~TextView() override;

    void set_text(const std::string& text);
    // For an empty view: the characters go to positions 0, 1, 2...
    void append_text(const std::string& text);
    std::string get_text() const;

    virtual void clear_text();
    virtual void add_letter(char letter, int index);
    // Indices outside the text change nothing.
    virtual void remove_letter(int index);
    // Reflows every letter, grows the view if it must, and redraws.
    virtual void update();

    void add_letter_no_redraw(char letter, int index);
    void remove_letter_no_redraw(int index);

    void set_text_size(int size);
    int get_text_size() const { return text_size; }
    void set_text_color(SDL_Color color);
    SDL_Color get_text_color() const { return text_color; }
    const std::vector<NewLetter_Disp_Obj>& get_letters() const { return letters; }

    // Where the letter with this index goes, given the letters before it.
    DispPoint pos_at_index(int index) const;
    // The index a click at this point should insert at.
    int index_at_pos(DispPoint point) const;

protected:
    // Whether a letter that reaches the right edge starts a new line.
    virtual bool wraps() const { return !single_line; }
    bool is_growing_vertically() const { return grows_vertically; }
    // Lays the letters out this many pixels left of their usual places, and
    // redraws them: a field one line high slides its text sideways so.
    void set_scroll(int pixels);
    int get_scroll() const { return scroll; }

private:
    const bool grows_vertically;
    const bool single_line;
    std::vector<NewLetter_Disp_Obj> letters;
    int text_size;
    SDL_Color text_color = {0, 0, 0, 0};
    int scroll = 0;

    void place_letters();
};

} // namespace GUI

#endif
