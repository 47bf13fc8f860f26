#include "views/Kind_pictures.h"

#include "resources/Pictures.h"
#include "sim/Ship_factory.h"

namespace {
const char* const ship_c = "Ship";

// A kind of ship without a row of its own is shown as "Ship", so that a kind
// added to the world needs no pictures before it can be seen.
const Kind_pictures kind_pictures_c[] = {
    {"Island", &Pictures::island_map_c, &Pictures::island_front_c},
    {ship_c, &Pictures::blip_c, &Pictures::ship_front_c},
};
} // namespace

std::map<std::string, std::string> picture_files(const Picture* Kind_pictures::*view) {
    std::map<std::string, std::string> files;
    for (const Kind_pictures& row : kind_pictures_c)
        files.emplace(row.kind, (row.*view)->file);
    for (const std::string& kind : ship_kind_names())
        files.emplace(kind, files.at(ship_c));
    return files;
}
