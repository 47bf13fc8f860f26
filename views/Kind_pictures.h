#ifndef FLOTILLA_VIEWS_KIND_PICTURES_H
#define FLOTILLA_VIEWS_KIND_PICTURES_H

#include <map>
#include <string>

struct Picture;

// The pictures a kind of object is shown by, keyed by the kind names the
// views are told: "Island", "Ship", and each ship kind's own name.
struct Kind_pictures {
    const char* kind;
    const Picture* on_map;
    const Picture* on_bridge;
};

// Kind name to picture file for every kind, as one view shows them (`view`
// is &Kind_pictures::on_map or &Kind_pictures::on_bridge).
std::map<std::string, std::string> picture_files(const Picture* Kind_pictures::*view);

#endif
