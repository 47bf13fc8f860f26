// Draws the pictures of the resource folder with code, so that the repository
// carries no binary art and every picture can be restyled in one place.
//
//   flotilla_make_images OUTPUT_FOLDER
//
// writes the pictures listed in resources/Pictures.h, GUIImages/*.bmp (the
// toolkit's pieces) and images/*.bmp (the world views' grid dot, object
// pictures and waves), below OUTPUT_FOLDER as uncompressed 24-bit BMP files,
// the oldest and plainest form that every BMP loader reads.
//
//   flotilla_make_images --icon SIZE FILE.png
//
// writes the application's icon for the desktop, SIZE pixels square.

#include "resources/Pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

bool operator==(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

// The transparent colours the toolkit keys on. They must be reproduced exactly;
// every shaded colour below stays well away from them.
constexpr Rgb magenta_c{255, 0, 255};
constexpr Rgb green_c{0, 255, 0};
constexpr Rgb cyan_c{0, 255, 255};

constexpr Rgb white_c{255, 255, 255};

Rgb mix(Rgb a, Rgb b, double t) {
    auto channel = [t](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// Colour as a function of the pixel, so that shapes can be filled with
// gradients as easily as with one colour.
using Paint = std::function<Rgb(int x, int y)>;

Paint solid(Rgb colour) {
    return [colour](int, int) { return colour; };
}

Paint vertical_gradient(Rgb top, Rgb bottom, int y0, int y1) {
    return [=](int, int y) {
        double t = y1 > y0 ? double(y - y0) / (y1 - y0) : 0.0;
        return mix(top, bottom, std::clamp(t, 0.0, 1.0));
    };
}

// A picture being drawn. It starts out entirely in its transparent colour.
// Shape edges are antialiased; where an edge pixel lies over the transparent
// colour it is blended with the matte instead, the colour the picture is
// expected to sit on, because a blend with the key colour itself would show
// as a coloured fringe.
class Canvas {
public:
    Canvas(int width, int height, Rgb key, Rgb matte)
        : w(width), h(height), key_colour(key), matte_colour(matte),
          pixels(static_cast<std::size_t>(width * height), key) {}

    int width() const { return w; }
    int height() const { return h; }

    Rgb pixel(int x, int y) const { return pixels[index(x, y)]; }

    // Pixels outside the picture are ignored, so shapes may hang over the edge.
    void set_pixel(int x, int y, Rgb colour) {
        if (inside(x, y))
            pixels[index(x, y)] = colour;
    }

    void fill(Rgb colour) { std::fill(pixels.begin(), pixels.end(), colour); }

    void rect(int x, int y, int width, int height, const Paint& paint) {
        for (int row = y; row < y + height; ++row)
            for (int col = x; col < x + width; ++col)
                if (inside(col, row))
                    set_pixel(col, row, paint(col, row));
    }

    void line(int x0, int y0, int x1, int y1, Rgb colour) {
        int dx = std::abs(x1 - x0);
        int dy = -std::abs(y1 - y0);
        int step_x = x0 < x1 ? 1 : -1;
        int step_y = y0 < y1 ? 1 : -1;
        int error = dx + dy;
        for (;;) {
            set_pixel(x0, y0, colour);
            if (x0 == x1 && y0 == y1)
                break;
            int doubled = 2 * error;
            if (doubled >= dy) {
                error += dy;
                x0 += step_x;
            }
            if (doubled <= dx) {
                error += dx;
                y0 += step_y;
            }
        }
    }

    // A filled rectangle of the given pixel extent whose corners are quarter
    // circles of the given radius.
    void rounded_rect(int x, int y, int width, int height, double radius, const Paint& paint) {
        double left = x;
        double top = y;
        double right = x + width;
        double bottom = y + height;
        double r = std::min({radius, width / 2.0, height / 2.0});
        cover(x, y, x + width, y + height, paint, [=](double px, double py) {
            if (px < left || px > right || py < top || py > bottom)
                return false;
            double cx = std::clamp(px, left + r, right - r);
            double cy = std::clamp(py, top + r, bottom - r);
            return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r;
        });
    }

    // A filled ellipse centred on (cx, cy) in pixel-edge coordinates: the
    // centre of a 15-pixel-wide picture is 7.5.
    void ellipse(double cx, double cy, double rx, double ry, const Paint& paint) {
        int x0 = static_cast<int>(std::floor(cx - rx));
        int y0 = static_cast<int>(std::floor(cy - ry));
        int x1 = static_cast<int>(std::ceil(cx + rx));
        int y1 = static_cast<int>(std::ceil(cy + ry));
        cover(x0, y0, x1, y1, paint, [=](double px, double py) {
            double ex = (px - cx) / rx;
            double ey = (py - cy) / ry;
            return ex * ex + ey * ey <= 1.0;
        });
    }

    void circle(double cx, double cy, double radius, const Paint& paint) {
        ellipse(cx, cy, radius, radius, paint);
    }

    // A filled polygon whose corners are given in pixel-edge coordinates.
    void polygon(const std::vector<std::pair<double, double>>& corners, const Paint& paint) {
        double x0 = corners.front().first, x1 = x0;
        double y0 = corners.front().second, y1 = y0;
        for (auto [x, y] : corners) {
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
        cover(static_cast<int>(std::floor(x0)), static_cast<int>(std::floor(y0)),
              static_cast<int>(std::ceil(x1)), static_cast<int>(std::ceil(y1)), paint,
              [&corners](double px, double py) {
                  bool in = false;
                  for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
                      auto [xi, yi] = corners[i];
                      auto [xj, yj] = corners[j];
                      if ((yi > py) != (yj > py) && px < xi + (py - yi) * (xj - xi) / (yj - yi))
                          in = !in;
                  }
                  return in;
              });
    }

    // Any shape, given by whether it contains a point, within the pixel box
    // [x0, x1) x [y0, y1).
    template <typename Shape>
    void shape(int x0, int y0, int x1, int y1, const Paint& paint, Shape contains) {
        cover(x0, y0, x1, y1, paint, contains);
    }

    // Writes the picture bottom-up with rows padded to four bytes, the layout
    // of an uncompressed 24-bit BMP with the classic 40-byte header.
    bool write_bmp(const std::filesystem::path& path) const {
        const std::uint32_t row_bytes = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
        const std::uint32_t data_bytes = row_bytes * static_cast<std::uint32_t>(h);
        const std::uint32_t header_bytes = 14 + 40;

        std::vector<std::uint8_t> out;
        out.reserve(header_bytes + data_bytes);
        auto u16 = [&out](std::uint32_t v) {
            out.push_back(static_cast<std::uint8_t>(v));
            out.push_back(static_cast<std::uint8_t>(v >> 8));
        };
        auto u32 = [&u16](std::uint32_t v) {
            u16(v & 0xFFFF);
            u16(v >> 16);
        };
        const std::uint32_t pixels_per_metre = 2835; // 72 dpi

        out.push_back('B');
        out.push_back('M');
        u32(header_bytes + data_bytes);
        u32(0); // reserved
        u32(header_bytes);
        u32(40);
        u32(static_cast<std::uint32_t>(w));
        u32(static_cast<std::uint32_t>(h)); // positive: rows stored bottom-up
        u16(1);                             // planes
        u16(24);                            // bits per pixel
        u32(0);                             // no compression
        u32(data_bytes);
        u32(pixels_per_metre);
        u32(pixels_per_metre);
        u32(0); // palette size
        u32(0); // important colours

        for (int y = h - 1; y >= 0; --y) {
            std::size_t row_start = out.size();
            for (int x = 0; x < w; ++x) {
                Rgb c = pixel(x, y);
                out.push_back(c.b);
                out.push_back(c.g);
                out.push_back(c.r);
            }
            out.resize(row_start + row_bytes, 0);
        }

        return write_file(path, out);
    }

    // Writes an 8-bit RGBA PNG in which the key colour is fully transparent,
    // for the desktop, which wants PNG icons. The image data goes into stored
    // (uncompressed) deflate blocks: an icon is a few kilobytes either way, and
    // the tool stays free of a compression library.
    bool write_png(const std::filesystem::path& path) const {
        std::vector<std::uint8_t> rows;
        for (int y = 0; y < h; ++y) {
            rows.push_back(0); // no filter
            for (int x = 0; x < w; ++x) {
                Rgb c = pixel(x, y);
                rows.insert(rows.end(), {c.r, c.g, c.b, std::uint8_t(c == key_colour ? 0 : 255)});
            }
        }

        std::vector<std::uint8_t> zlib = {0x78, 0x01};
        const std::size_t block_limit = 65535;
        for (std::size_t start = 0; start < rows.size(); start += block_limit) {
            const std::size_t size = std::min(block_limit, rows.size() - start);
            const bool last = start + size == rows.size();
            zlib.push_back(last ? 1 : 0);
            append_le16(zlib, static_cast<std::uint16_t>(size));
            append_le16(zlib, static_cast<std::uint16_t>(~size));
            zlib.insert(zlib.end(), rows.begin() + static_cast<std::ptrdiff_t>(start),
                        rows.begin() + static_cast<std::ptrdiff_t>(start + size));
        }
        append_be32(zlib, adler32(rows));

        std::vector<std::uint8_t> header;
        append_be32(header, static_cast<std::uint32_t>(w));
        append_be32(header, static_cast<std::uint32_t>(h));
        header.insert(header.end(),
                      {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, no filter, no interlace

        std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        append_png_chunk(out, "IHDR", header);
        append_png_chunk(out, "IDAT", zlib);
        append_png_chunk(out, "IEND", {});
        return write_file(path, out);
    }

private:
    static void append_le16(std::vector<std::uint8_t>& out, std::uint16_t v) {
        out.insert(out.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
    }

    static void append_be32(std::vector<std::uint8_t>& out, std::uint32_t v) {
        out.insert(out.end(), {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8),
                               std::uint8_t(v)});
    }

    static std::uint32_t adler32(const std::vector<std::uint8_t>& data) {
        std::uint32_t a = 1, b = 0;
        for (std::uint8_t byte : data) {
            a = (a + byte) % 65521;
            b = (b + a) % 65521;
        }
        return b << 16 | a;
    }

    // The chunk's checksum covers its type and its data.
    static void append_png_chunk(std::vector<std::uint8_t>& out, const char (&type)[5],
                                 const std::vector<std::uint8_t>& data) {
        append_be32(out, static_cast<std::uint32_t>(data.size()));
        const std::size_t checked_from = out.size();
        out.insert(out.end(), type, type + 4);
        out.insert(out.end(), data.begin(), data.end());
        std::uint32_t crc = 0xFFFFFFFF;
        for (std::size_t i = checked_from; i < out.size(); ++i) {
            crc ^= out[i];
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        append_be32(out, ~crc);
    }

    static bool write_file(const std::filesystem::path& path,
                           const std::vector<std::uint8_t>& bytes) {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(file);
    }

    int w;
    int h;
    Rgb key_colour;
    Rgb matte_colour;
    std::vector<Rgb> pixels;

    bool inside(int x, int y) const { return x >= 0 && x < w && y >= 0 && y < h; }
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * w + x); }

    // Paints every pixel of the box [x0, x1) x [y0, y1) in proportion to how
    // much of it the shape covers, measured on a 4 x 4 grid of samples.
    template <typename Shape>
    void cover(int x0, int y0, int x1, int y1, const Paint& paint, Shape contains) {
        constexpr int grid = 4;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                if (!inside(x, y))
                    continue;
                int hits = 0;
                for (int sy = 0; sy < grid; ++sy)
                    for (int sx = 0; sx < grid; ++sx)
                        if (contains(x + (sx + 0.5) / grid, y + (sy + 0.5) / grid))
                            ++hits;
                if (hits == 0)
                    continue;
                Rgb under = pixel(x, y);
                if (under == key_colour)
                    under = matte_colour;
                set_pixel(x, y, mix(under, paint(x, y), double(hits) / (grid * grid)));
            }
        }
    }
};

// ---------------------------------------------------------------------------
// Buttons
//
// A text button puts its label 33 pixels from its left edge, top-aligned, in
// 16-point type, and wraps it to a second line it cannot show if the label
// does not fit into (width - 30). "        Cancel" (eight leading spaces) is the
// widest label and needs 105 of those pixels, so 140 leaves room to spare and
// puts "ATTACK" almost exactly in the middle. The dialogue boxes lay buttons
// out 180 pixels apart from 180 pixels left of their right edge, the second
// one hanging off the box's left side: at 140 the part of the "Cancel" button
// left inside the box is 80 pixels wide, with its word in the middle. A line
// of 16-point text is 19 pixels tall with its capitals on rows 4 to 14, so 20
// rows centre the capitals and fit the 30-pixel strip under a dialogue box.
constexpr int button_width_c = 140;
constexpr int button_height_c = 20;
constexpr double button_radius_c = 6.0;

// The buttons stand on the panels' greys (136 to 187); their rounded edges are
// blended towards the middle of that range.
constexpr Rgb button_matte_c{160, 160, 160};

struct ButtonLook {
    Rgb border;
    Rgb bevel_top_left;
    Rgb bevel_bottom_right;
    Rgb face_top;
    Rgb face_bottom;
};

// Outer border, then a one-pixel bevel made by two offset rounded rectangles,
// then the face. Swapping the bevel colours and the gradient makes the
// pressed button look pushed in.
Canvas draw_button(const ButtonLook& look) {
    const int w = button_width_c;
    const int h = button_height_c;
    const double r = button_radius_c;
    Canvas c(w, h, green_c, button_matte_c);
    c.rounded_rect(0, 0, w, h, r, solid(look.border));
    c.rounded_rect(1, 1, w - 2, h - 2, r - 1, solid(look.bevel_bottom_right));
    c.rounded_rect(1, 1, w - 3, h - 3, r - 1, solid(look.bevel_top_left));
    c.rounded_rect(2, 2, w - 4, h - 4, r - 2,
                   vertical_gradient(look.face_top, look.face_bottom, 2, h - 3));
    return c;
}

Canvas draw_button_normal() {
    return draw_button({{64, 72, 86}, white_c, {150, 158, 172}, {242, 244, 248}, {200, 206, 216}});
}

// Lit up in blue so that the pointer's target stands out from its neighbours.
Canvas draw_button_hovered() {
    return draw_button({{38, 84, 150}, white_c, {120, 152, 196}, {236, 244, 255}, {176, 204, 238}});
}

Canvas draw_button_pressed() {
    return draw_button(
        {{30, 60, 110}, {110, 128, 156}, {214, 224, 238}, {158, 178, 206}, {198, 212, 232}});
}

// ---------------------------------------------------------------------------
// Horizontal slider
//
// The track is a groove sunk into the panel: dark along its top, lit along its
// bottom. The slider puts its left cap at x = 0, repeats the one-pixel middle
// piece, and puts its right cap on its own last column, so only the right
// cap's first column is ever seen there. That column therefore closes the
// groove on its own and the rest of the right cap is transparent.
constexpr int slider_cap_width_c = 3;
constexpr int slider_track_height_c = 5;

// The zoom slider sits on the control panel's grey.
constexpr Rgb slider_matte_c{136, 136, 136};

constexpr Rgb groove_edge_c{58, 64, 76};
constexpr Rgb groove_shadow_c{84, 90, 102};
constexpr Rgb groove_floor_c{104, 110, 122};
constexpr Rgb groove_lip_c{196, 200, 208};
constexpr Rgb groove_corner_c{128, 134, 144};

void draw_groove_column(Canvas& c, int x) {
    const Rgb rows[slider_track_height_c] = {groove_edge_c, groove_shadow_c, groove_floor_c,
                                             groove_floor_c, groove_lip_c};
    for (int y = 0; y < slider_track_height_c; ++y)
        c.set_pixel(x, y, rows[y]);
}

// A one-pixel end wall with its corners left transparent, which reads as a
// rounded end at this size.
void draw_groove_end(Canvas& c, int x, bool lit) {
    c.set_pixel(x, 1, groove_edge_c);
    c.set_pixel(x, 2, lit ? groove_lip_c : groove_edge_c);
    c.set_pixel(x, 3, groove_corner_c);
}

Canvas draw_slider_left_cap() {
    Canvas c(slider_cap_width_c, slider_track_height_c, magenta_c, slider_matte_c);
    draw_groove_end(c, 0, false);
    for (int x = 1; x < slider_cap_width_c; ++x)
        draw_groove_column(c, x);
    return c;
}

Canvas draw_slider_middle() {
    Canvas c(1, slider_track_height_c, magenta_c, slider_matte_c);
    draw_groove_column(c, 0);
    return c;
}

Canvas draw_slider_right_cap() {
    Canvas c(slider_cap_width_c, slider_track_height_c, magenta_c, slider_matte_c);
    draw_groove_end(c, 0, true);
    return c;
}

// The joystick is (2 x radius + 15) pixels square, so a handle 15 pixels
// across just touches its edges at full deflection; the horizontal slider is
// 20 pixels tall, which leaves the same handle a small margin. An odd size
// lets the handle sit exactly centred on the pixel it is placed on.
constexpr int bubble_size_c = 15;

// A shaded ball: a dark rim, then a radial gradient whose light spot sits
// up and to the left, where the buttons' bevels are lit from too.
Canvas draw_slider_bubble() {
    const double centre = bubble_size_c / 2.0;
    Canvas c(bubble_size_c, bubble_size_c, magenta_c, slider_matte_c);
    c.circle(centre, centre, centre - 0.25, solid({40, 60, 96}));
    const Rgb light{246, 250, 255};
    const Rgb dark{84, 118, 170};
    const double spot_x = centre - 2.5;
    const double spot_y = centre - 3.0;
    const double reach = bubble_size_c * 0.8;
    c.circle(centre, centre, centre - 1.25, [=](int x, int y) {
        double d = std::hypot(x + 0.5 - spot_x, y + 0.5 - spot_y) / reach;
        return mix(light, dark, std::clamp(d, 0.0, 1.0));
    });
    return c;
}

// ---------------------------------------------------------------------------
// Text box corners
//
// The text box is a white rectangle keyed on magenta. Over it lies an overlay
// keyed on cyan, onto which the four corner pictures are copied without a key.
// So a cyan corner pixel leaves the white box showing, a magenta one is kept
// by the overlay and then cut out of the box, and any other colour is drawn as
// it is. Each corner is therefore magenta outside a quarter circle and cyan
// inside it, with the pixels on the arc blended from white towards the grey
// of the dialogue boxes that hold the text boxes. Cyan rather than white keeps
// the inside following the box's own colour.
constexpr int corner_size_c = 5;
constexpr Rgb dialogue_grey_c{187, 187, 187};

enum class Corner { top_left, top_right, bottom_right, bottom_left };

Canvas draw_corner(Corner which) {
    const int n = corner_size_c;
    Canvas c(n, n, magenta_c, dialogue_grey_c);
    // The arc's centre is the corner of the tile that points into the box.
    bool box_is_right = which == Corner::top_left || which == Corner::bottom_left;
    bool box_is_below = which == Corner::top_left || which == Corner::top_right;
    double cx = box_is_right ? n : 0;
    double cy = box_is_below ? n : 0;
    c.circle(cx, cy, n, solid(white_c));
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (c.pixel(x, y) == white_c)
                c.set_pixel(x, y, cyan_c);
    return c;
}

Canvas draw_corner0() {
    return draw_corner(Corner::top_left);
}
Canvas draw_corner1() {
    return draw_corner(Corner::top_right);
}
Canvas draw_corner2() {
    return draw_corner(Corner::bottom_right);
}
Canvas draw_corner3() {
    return draw_corner(Corner::bottom_left);
}

// ---------------------------------------------------------------------------
// World views
//
// The map and the bridge views are washed in this sea colour; the object
// pictures stand on it, so their antialiased edges are blended towards it.
constexpr Rgb sea_c{127, 176, 212};

// Pure black turns transparent like magenta, because the image part of an
// object's icon keys on black; the darkest lines use this grey instead.
constexpr Rgb near_black_c{44, 50, 62};

// An object's icon lays the object's name, in white 10-point letters on a
// line 12 rows tall, over the top-left corner of its picture and cuts it off
// at the picture's height. The pictures therefore keep their top rows
// transparent for the name, one row more than the line so that descenders do
// not touch the symbol, and hang the symbol below. The symbol starts one
// column in: a selected icon draws its yellow halo one pixel up and to the
// left of the picture, and that column lets the halo show on the symbol's
// left side as it does above it.
constexpr int name_band_c = 13;
constexpr int symbol_left_c = 1;

// The grid is drawn without a colour key, so every pixel of the dot shows.
// Its corners are the sea itself and its edges fade towards it, which reads
// as a small round dot rather than a square.
Canvas draw_dot() {
    const Rgb centre{238, 246, 252};
    const Rgb edge = mix(centre, sea_c, 0.45);
    Canvas c(3, 3, sea_c, sea_c);
    for (int i = 0; i < 3; ++i) {
        c.set_pixel(1, i, edge);
        c.set_pixel(i, 1, edge);
    }
    c.set_pixel(1, 1, centre);
    return c;
}

// The chart's island: a small landmass, sand along its shore and green
// inland, that cannot be taken for the round ship blip next to it.
Canvas draw_island_map() {
    const int w = symbol_left_c + 13;
    const int h = name_band_c + 11;
    Canvas c(w, h, magenta_c, sea_c);
    const double left = symbol_left_c;
    const double top = name_band_c;
    struct Lobe {
        double cx, cy, rx, ry;
    };
    const Lobe lobes[] = {{left + 5.5, top + 6.5, 5.5, 4.0},
                          {left + 8.8, top + 3.6, 4.0, 3.4},
                          {left + 2.6, top + 8.0, 2.6, 2.6}};
    auto layer = [&](double inset, const Paint& paint) {
        for (Lobe l : lobes)
            c.ellipse(l.cx, l.cy, l.rx - inset, l.ry - inset, paint);
    };
    layer(0.0, solid({118, 96, 58}));
    layer(0.9, solid({240, 222, 164}));
    layer(2.1, vertical_gradient({122, 190, 84}, {56, 134, 56}, int(top) + 2, int(top) + 10));
    return c;
}

// The chart's ship: a bright radar blip with a light spot up and to the left.
Canvas draw_blip() {
    const int size = 10;
    Canvas c(symbol_left_c + size + 1, name_band_c + size, magenta_c, sea_c);
    const double cx = symbol_left_c + size / 2.0;
    const double cy = name_band_c + size / 2.0;
    c.circle(cx, cy, size / 2.0, solid({128, 26, 18}));
    const Rgb light{255, 196, 150};
    const Rgb dark{222, 52, 28};
    c.circle(cx, cy, size / 2.0 - 1.0, [=](int x, int y) {
        double d = std::hypot(x + 0.5 - (cx - 1.5), y + 0.5 - (cy - 1.5)) / (size * 0.6);
        return mix(light, dark, std::clamp(d, 0.0, 1.0));
    });
    return c;
}

// The bridge views stand every object on one horizon line: both front
// pictures are this tall and put the foot of their symbol on their last row.
// With the picture's top 6 rows below the view's top edge the symbols end on
// row 32, clear of the bearing labels from row 37 down.
constexpr int front_height_c = name_band_c + 14;

// A low green hill with a beach at its foot, wider and flatter than any ship.
Canvas draw_island_front() {
    const int w = 24;
    const int h = front_height_c;
    Canvas c(w, h, magenta_c, sea_c);
    const double left = symbol_left_c;
    const double right = w - 0.5;
    const double beach_top = h - 2.0;
    auto hill_top = [=](double x) {
        auto bump = [x](double centre, double spread, double height) {
            double t = (x - centre) / spread;
            return height * std::exp(-t * t);
        };
        return beach_top - bump(9.0, 5.0, 10.0) - bump(17.0, 4.0, 6.5);
    };
    auto hill = [=](double lift) {
        return [=](double px, double py) {
            return px > left + 1.0 && px < right - 1.0 && py >= hill_top(px) + lift &&
                   py <= beach_top + 0.5;
        };
    };
    c.shape(0, 0, w, h, solid({46, 96, 44}), hill(0.0));
    c.shape(0, 0, w, h, vertical_gradient({116, 178, 84}, {58, 122, 54}, h - 12, h - 2), hill(1.0));
    c.polygon({{left, double(h)},
               {right, double(h)},
               {right - 2.0, beach_top - 0.5},
               {left + 2.0, beach_top - 0.5}},
              solid({226, 204, 140}));
    return c;
}

// A ship seen bow-on: a dark flared hull, a white superstructure with its
// row of bridge windows, and a mast.
Canvas draw_ship_front() {
    const int w = 16;
    const int h = front_height_c;
    Canvas c(w, h, magenta_c, sea_c);
    const double mid = symbol_left_c + 7.0;
    const double deck = h - 6.0;
    c.rect(int(mid) - 1, name_band_c, 2, 5, solid({96, 100, 110}));
    c.rect(int(mid) - 3, name_band_c + 1, 6, 1, solid({96, 100, 110}));
    c.rect(int(mid) - 4, name_band_c + 4, 8, 1, solid(near_black_c));
    c.rect(int(mid) - 4, name_band_c + 5, 8, int(deck) - (name_band_c + 5),
           vertical_gradient({236, 238, 242}, {196, 202, 212}, name_band_c + 5, h - 7));
    c.rect(int(mid) - 3, name_band_c + 6, 6, 1, solid({52, 70, 96}));
    c.polygon(
        {{mid - 7.0, deck}, {mid + 7.0, deck}, {mid + 3.0, double(h)}, {mid - 3.0, double(h)}},
        solid({64, 72, 88}));
    c.rect(int(mid) - 6, int(deck), 12, 1, solid({120, 128, 142}));
    return c;
}

// The sea over a sunk ship: crests on a transparent ground, tiled across the
// bridge view. The tile divides the 200 x 50 view, and every crest that
// leaves the tile on one side is drawn again entering from the opposite one,
// so the tiles join without seams.
constexpr int wave_width_c = 20;
constexpr int wave_height_c = 10;

Canvas draw_wave() {
    const int w = wave_width_c;
    const int h = wave_height_c;
    Canvas c(w, h, magenta_c, sea_c);
    const Rgb crest{250, 252, 255};
    const Rgb face{176, 212, 236};
    const double half_pi = std::acos(0.0);
    // A crest is an arch 8 pixels wide whose ends lie on row `foot`: a white
    // line over a pale band, the lit face of the wave below its crest.
    auto arch = [=](double cx, double foot, double from, double to) {
        return [=](double px, double py) {
            double t = (px - cx) / 4.0;
            if (std::abs(t) > 1.0)
                return false;
            double curve = foot - 1.5 * std::cos(t * half_pi);
            return py >= curve + from && py <= curve + to;
        };
    };
    // Two staggered rows of crests; the lower one straddles the left and
    // right edges, below the grid dots that lie under the tiles' top-left
    // corners. Drawing each crest shifted by a whole tile in every direction
    // as well keeps the tiles seamless wherever the crests are put.
    for (auto [cx, foot] : {std::pair{10.0, 3.0}, {0.0, 7.0}})
        for (int dx : {-w, 0, w})
            for (int dy : {-h, 0, h}) {
                c.shape(0, 0, w, h, solid(face), arch(cx + dx, foot + dy, 1.0, 2.0));
                c.shape(0, 0, w, h, solid(crest), arch(cx + dx, foot + dy, 0.0, 1.0));
            }
    return c;
}

// ---------------------------------------------------------------------------
// Application icon
//
// The desktop's menus show the program by this picture, at any size asked
// for: a patch of the chart's sea with an island and a ship steaming towards
// it. It is laid out on a 48-unit grid, the size icon themes start from, and
// scaled. The border's colour is also the matte, so the antialiased corners
// fade into the border rather than into the transparent key.
Canvas draw_icon(int size) {
    const double unit = size / 48.0;
    const Rgb border{30, 58, 96};
    Canvas c(size, size, magenta_c, border);
    const int inset = static_cast<int>(std::lround(2 * unit));
    c.rounded_rect(inset, inset, size - 2 * inset, size - 2 * inset, 9 * unit, solid(border));
    c.rounded_rect(inset + int(unit), inset + int(unit), size - 2 * (inset + int(unit)),
                   size - 2 * (inset + int(unit)), 8 * unit,
                   vertical_gradient({158, 204, 234}, {58, 116, 172}, inset, size - inset));

    struct Lobe {
        double cx, cy, rx, ry;
    };
    const Lobe lobes[] = {{35.0, 13.0, 7.0, 5.0}, {39.0, 9.5, 4.0, 3.5}, {30.5, 16.0, 3.5, 3.0}};
    for (auto [inset_units, paint] :
         {std::pair{0.0, solid({118, 96, 58})},
          {1.2, solid({240, 222, 164})},
          {2.4, vertical_gradient({122, 190, 84}, {56, 134, 56}, int(6 * unit), int(18 * unit))}})
        for (Lobe l : lobes)
            c.ellipse(l.cx * unit, l.cy * unit, (l.rx - inset_units) * unit,
                      (l.ry - inset_units) * unit, paint);

    // The ship is drawn bow up around its centre and turned to head north-east.
    const double centre_x = 19.0, centre_y = 30.0;
    const double turn = std::acos(-1.0) / 4;
    auto ship = [&](std::vector<std::pair<double, double>> outline) {
        for (auto& [x, y] : outline) {
            double turned_x = x * std::cos(turn) - y * std::sin(turn);
            double turned_y = x * std::sin(turn) + y * std::cos(turn);
            x = (centre_x + turned_x) * unit;
            y = (centre_y + turned_y) * unit;
        }
        return outline;
    };
    const Rgb foam{226, 240, 250};
    c.polygon(ship({{-2.5, 8.0}, {-1.5, 8.0}, {-3.5, 15.0}, {-5.0, 15.0}}), solid(foam));
    c.polygon(ship({{2.5, 8.0}, {1.5, 8.0}, {3.5, 15.0}, {5.0, 15.0}}), solid(foam));
    c.polygon(ship({{0.0, -10.0},
                    {3.5, -3.5},
                    {3.5, 7.0},
                    {2.5, 9.5},
                    {-2.5, 9.5},
                    {-3.5, 7.0},
                    {-3.5, -3.5}}),
              solid(near_black_c));
    c.polygon(ship({{0.0, -8.3},
                    {2.6, -3.3},
                    {2.6, 6.8},
                    {1.9, 8.6},
                    {-1.9, 8.6},
                    {-2.6, 6.8},
                    {-2.6, -3.3}}),
              solid({120, 128, 142}));
    c.polygon(ship({{-1.8, -1.0}, {1.8, -1.0}, {1.8, 5.0}, {-1.8, 5.0}}), solid({240, 242, 246}));
    c.polygon(ship({{-1.8, -1.0}, {1.8, -1.0}, {1.8, 0.4}, {-1.8, 0.4}}), solid({52, 70, 96}));
    return c;
}

// ---------------------------------------------------------------------------

// Each picture of the list with the function that draws it: a picture
// added to the list without one does not compile.
struct Drawn_picture {
    const Picture& picture;
    Canvas (*draw)();
};

#define FLOTILLA_DRAWN_PICTURE(name, file, width, height) {Pictures::name##_c, draw_##name},
const Drawn_picture pictures_c[] = {FLOTILLA_PICTURES(FLOTILLA_DRAWN_PICTURE)};
#undef FLOTILLA_DRAWN_PICTURE

} // namespace

int main(int argc, char** argv) {
    const char* const name = argc > 0 ? argv[0] : "flotilla_make_images";
    if (argc == 4 && std::string(argv[1]) == "--icon") {
        const int size = std::atoi(argv[2]);
        if (size < 16 || size > 1024) {
            std::cerr << name << ": icon size " << argv[2] << " is not between 16 and 1024\n";
            return 2;
        }
        if (!draw_icon(size).write_png(argv[3])) {
            std::cerr << "cannot write " << argv[3] << '\n';
            return 1;
        }
        return 0;
    }
    if (argc != 2) {
        std::cerr << "usage: " << name << " OUTPUT_FOLDER\n"
                  << "       " << name << " --icon SIZE FILE.png\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];
    for (const Drawn_picture& drawn : pictures_c) {
        const std::filesystem::path path = root / drawn.picture.file;
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        if (error) {
            std::cerr << "cannot create " << path.parent_path() << ": " << error.message() << '\n';
            return 1;
        }
        const Canvas canvas = drawn.draw();
        // The program refuses to start with a picture of another size.
        if (canvas.width() != drawn.picture.width || canvas.height() != drawn.picture.height) {
            std::cerr << path << " is drawn " << canvas.width() << " x " << canvas.height()
                      << " pixels, but the list of pictures says " << drawn.picture.width << " x "
                      << drawn.picture.height << '\n';
            return 1;
        }
        if (!canvas.write_bmp(path)) {
            std::cerr << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
