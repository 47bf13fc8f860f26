#ifndef FLOTILLA_GUI_GUILETTER_H
#define FLOTILLA_GUI_GUILETTER_H

#include <SDL.h>

#include <string>

namespace GUI {
class View;
}

// Orders colours by red, green, blue; the fourth byte plays no part, so it
// never makes a second copy of a glyph.
bool operator<(const SDL_Color& a, const SDL_Color& b);

// One character rendered once in one size and colour. Letters are cached for
// the whole run: drawing text afterwards is only surface copies.
class GUILetter {
public:
    // The cached letter, rendered on first use; null if it cannot be rendered.
    // Throws GUI::Error "Couldn't open font!" if the font will not open.
    static GUILetter* get_letter(char character, int size, SDL_Color color);

    int get_width() const;
    int get_height() const { return glyph->h; }

    // Onto the view's own picture, marking it changed.
    void drawself(GUI::View* view, int x, int y) const;
    void drawself(SDL_Surface* surface, int x, int y) const;

private:
    explicit GUILetter(SDL_Surface* glyph_) : glyph(glyph_) {}
    SDL_Surface* glyph;
};

// The whole string as one surface (null for an empty string).
SDL_Surface* createText2(const std::string& text, int size, SDL_Color color);

#endif
