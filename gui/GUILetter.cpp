#include "gui/GUILetter.h"

#include "gui/Drawing.h"
#include "gui/Error.h"
#include "gui/View.h"

#include <SDL_ttf.h>

#include <map>
#include <tuple>

namespace {

const char* const font_file_c = "GUIFonts/arial.ttf";
const int zero_width_stand_in_c = 5;

// Letters and fonts live until the program ends. The cache is never destroyed,
// so nothing in it is freed while something might still draw with it.
struct Glyph_cache {
    std::map<char, std::map<int, std::map<SDL_Color, GUILetter*>>> letters;
    std::map<int, TTF_Font*> fonts;
};

Glyph_cache& glyph_cache() {
    static Glyph_cache* cache = new Glyph_cache;
    return *cache;
}

TTF_Font* font_of_size(int size) {
    auto& fonts = glyph_cache().fonts;
    auto found = fonts.find(size);
    if (found != fonts.end())
        return found->second;
    TTF_Font* font = TTF_OpenFont(font_file_c, size);
    if (!font)
        throw GUI::Error("Couldn't open font!");
    fonts[size] = font;
    return font;
}

// Glyphs are kept in the display's format so that drawing them needs no
// conversion; the transparent background stays keyed.
SDL_Surface* in_display_format(SDL_Surface* rendered) {
    if (!SDL_GetVideoSurface())
        return rendered;
    SDL_Surface* converted = SDL_DisplayFormat(rendered);
    if (!converted)
        return rendered;
    SDL_FreeSurface(rendered);
    return converted;
}

} // namespace

bool operator<(const SDL_Color& a, const SDL_Color& b) {
    return std::tie(a.r, a.g, a.b) < std::tie(b.r, b.g, b.b);
}

GUILetter* GUILetter::get_letter(char character, int size, SDL_Color color) {
    auto& slot = glyph_cache().letters[character][size];
    auto found = slot.find(color);
    if (found != slot.end())
        return found->second;
    TTF_Font* font = font_of_size(size);
    const char text[2] = {character, '\0'};
    SDL_Surface* rendered = TTF_RenderText_Solid(font, text, color);
    if (!rendered)
        return nullptr;
    GUILetter* letter = new GUILetter(in_display_format(rendered));
    slot[color] = letter;
    return letter;
}

int GUILetter::get_width() const {
    return glyph->w == 0 ? zero_width_stand_in_c : glyph->w;
}

void GUILetter::drawself(GUI::View* view, int x, int y) const {
    view->mark_changed();
    drawself(view->get_image_ptr(), x, y);
}

void GUILetter::drawself(SDL_Surface* surface, int x, int y) const {
    SDL_Rect where = {0, 0, static_cast<Uint16>(glyph->w), static_cast<Uint16>(glyph->h)};
    display_image(glyph, surface, x, y, false, where);
}

SDL_Surface* createText2(const std::string& text, int size, SDL_Color color) {
    // The font is kept open with the letters' fonts: opening it anew for
    // every grid label made start-up and every pan of the map slow.
    TTF_Font* font = nullptr;
    try {
        font = font_of_size(size);
    } catch (const GUI::Error&) {
        throw GUI::Error("Couldn't load font: arial.ttf");
    }
    return TTF_RenderText_Solid(font, text.c_str(), color);
}
