#ifndef FLOTILLA_GUI_DISPPOINT_H
#define FLOTILLA_GUI_DISPPOINT_H

namespace GUI {

// A pixel position or offset; y grows downwards.
struct DispPoint {
    int x = 0;
    int y = 0;
    DispPoint() = default;
    DispPoint(int x_, int y_) : x(x_), y(y_) {}
};

inline DispPoint operator+(DispPoint a, DispPoint b) {
    return DispPoint(a.x + b.x, a.y + b.y);
}
inline DispPoint operator-(DispPoint a, DispPoint b) {
    return DispPoint(a.x - b.x, a.y - b.y);
}
inline bool operator==(DispPoint a, DispPoint b) {
    return a.x == b.x && a.y == b.y;
}
inline bool operator!=(DispPoint a, DispPoint b) {
    return !(a == b);
}

// Converts a double to a pixel coordinate. Values beyond what an int holds (a
// ship sent very far away, say) are clamped first: converting them directly is
// undefined behaviour.
int clamp_to_int(double value);

} // namespace GUI

#endif
