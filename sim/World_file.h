#ifndef FLOTILLA_SIM_WORLD_FILE_H
#define FLOTILLA_SIM_WORLD_FILE_H

#include "sim/Geometry.h"

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

class Commandable_object;
class Group;
class Island;
class Ship;

// One line of a world file being written: words and numbers with a blank
// between them. A number is written in the shortest form that reads back as
// the very same double, so that a resumed world goes on bit for bit.
class World_writer {
public:
    explicit World_writer(std::ostream& out_) : out(out_) {}

    World_writer& word(const std::string& text);
    World_writer& number(double value);
    World_writer& integer(int value);
    World_writer& point(Point p) { return number(p.x).number(p.y); }
    // A label followed by its value: "course 270".
    World_writer& field(const char* label, double value) { return word(label).number(value); }
    World_writer& field(const char* label, Point p) { return word(label).point(p); }
    void end_line();

private:
    std::ostream& out;
    bool line_started = false;
};

// Everything a file names, so that a line may refer to an object whose own
// line comes later.
struct World_file_object {
    int line = 0;
    std::shared_ptr<Island> island;
    std::shared_ptr<Ship> ship;
    std::shared_ptr<Group> group;
};
using World_file_names = std::map<std::string, World_file_object>;

// One line of a world file being read, a word at a time. Each read throws
// Error saying what was expected and what was found; the caller adds the file
// and the line.
class World_reader {
public:
    World_reader(const std::string& line, const World_file_names& names_);

    bool at_end() const { return next == words.size(); }
    bool is_blank_or_comment() const;
    void expect_end() const;
    // Consumes the next word only if it is the keyword.
    bool accept(const char* keyword);
    void expect(const char* keyword);
    std::string word(const char* what);
    // The position of the next word among the choices.
    template <std::size_t N> int choice(const char* const (&choices)[N], const char* what) {
        return choice(choices, N, what);
    }
    double number(const char* what);
    int integer(const char* what);
    Point point(const char* what);
    // A label followed by its value, as World_writer::field writes them.
    double number_field(const char* label);
    int integer_field(const char* label);
    Point point_field(const char* label);
    std::shared_ptr<Island> island_field(const char* label);

    // Objects named in the file, each refused if it is of another kind.
    std::shared_ptr<Island> island(const char* what);
    std::shared_ptr<Ship> ship(const char* what);
    std::shared_ptr<Commandable_object> ship_or_group(const char* what);

private:
    std::vector<std::string> words;
    std::size_t next = 0;
    const World_file_names& names;

    int choice(const char* const* choices, std::size_t count, const char* what);
    const std::string& take(const char* what);
    const World_file_object& object(const char* what);
};

// The world kept in a file: a version line, a line for each island, ship and
// group, and an end line that shows the file is whole. Reading checks the
// whole file before anything changes, so a load either takes whole or
// leaves the world as it was.
class World_file {
public:
    using Name_check = std::function<bool(const std::string& name)>;
    using Introducer = std::function<void(const std::string& name, const std::string& kind)>;

    // The world as it stands, in the file format.
    static void write(std::ostream& out);
    // Writes to a temporary file in the same folder and renames it over the
    // path only once it is complete: a failed save leaves an existing file
    // as it was. Throws Error "Cannot save SHOWN: why".
    static void save(const std::string& path, const std::string& shown_name);

    // Throws Error "Cannot load SHOWN, line N: why" for the first fault,
    // and refuses names for which `is_reserved` holds.
    static World_file read(std::istream& in, const std::string& shown_name,
                           const Name_check& is_reserved = Name_check());
    static World_file load(const std::string& path, const std::string& shown_name,
                           const Name_check& is_reserved = Name_check());

    // Replaces every island, ship and group of the world with the file's.
    // The attached views stay: each hears of every old object's removal, and
    // `introduce` hears each new object's name and kind before it enters.
    void install(const Introducer& introduce = Introducer()) const;

private:
    std::vector<std::shared_ptr<Island>> islands;
    std::vector<std::shared_ptr<Ship>> ships; // in the order they were made
    std::vector<std::shared_ptr<Group>> groups;
};

#endif
