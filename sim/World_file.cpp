#include "sim/World_file.h"

#include "sim/Error.h"
#include "sim/Group.h"
#include "sim/Island.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "sim/Ship_factory.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const char* const error_CannotLoad_c = "Cannot load ";
const char* const error_CannotSave_c = "Cannot save ";
const char* const error_NotAWorldFile_c =
    "not a flotilla world file (its first line must be \"flotilla-world 1\")";
const char* const error_Truncated_c = "the file ends before its \"end\" line: it is incomplete";
const char* const error_AfterEnd_c = "there is more after the \"end\" line";
const char* const error_NotARegularFile_c = "not a regular file";

const char* const version_word_c = "flotilla-world";
const char* const version_c = "1";
const char* const end_word_c = "end";
const char* const line_kinds_c[] = {"island", "ship", "group", end_word_c};
enum Line_kind { island_line, ship_line, group_line, end_line };

const std::size_t longest_shown_word_c = 40;

// A word as a message quotes it: a file may hold anything, even a line of
// ten thousand letters.
std::string shown(const std::string& word) {
    if (word.size() <= longest_shown_word_c)
        return '"' + word + '"';
    return '"' + word.substr(0, longest_shown_word_c) + "...\"";
}

// The whole word as a number, written as World_writer writes it.
template <typename Number>
Number read_number(const std::string& found, const char* what, const char* kind) {
    Number value{};
    const auto read = std::from_chars(found.data(), found.data() + found.size(), value);
    if (read.ec == std::errc::result_out_of_range)
        throw Error(std::string(what) + " " + shown(found) + " is out of range");
    if (read.ec != std::errc() || read.ptr != found.data() + found.size())
        throw Error(std::string("expected ") + kind + " for " + what + ", found " + shown(found));
    return value;
}

std::string without_newline(std::string text) {
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

std::string kind_of(const World_file_object& object) {
    if (object.island)
        return "an island";
    return object.ship ? "a ship" : "a group";
}

[[noreturn]] void refuse_save(const std::string& shown_name, const std::string& why) {
    throw Error(error_CannotSave_c + shown_name + ": " + why + "\n");
}

[[noreturn]] void refuse_load(const std::string& shown_name, const std::string& why) {
    throw Error(error_CannotLoad_c + shown_name + ": " + why + "\n");
}

// Where a save really goes: through a symbolic link to the file it names,
// so that the link stays a link.
std::string save_target(const std::string& path) {
    struct stat link;
    if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    char* real = realpath(path.c_str(), nullptr);
    if (!real)
        return path;
    std::string target(real);
    std::free(real);
    return target;
}

// The permissions the saved file gets: an existing file's own, else what a
// new file would get.
mode_t permissions_for(const std::string& path, const std::string& shown_name) {
    struct stat existing;
    if (stat(path.c_str(), &existing) != 0) {
        if (errno != ENOENT)
            refuse_save(shown_name, std::strerror(errno));
        const mode_t mask = umask(0);
        umask(mask);
        return 0666 & ~mask;
    }
    if (S_ISDIR(existing.st_mode))
        refuse_save(shown_name, std::strerror(EISDIR));
    if (!S_ISREG(existing.st_mode))
        refuse_save(shown_name, error_NotARegularFile_c);
    // Renaming over a file needs only the folder's permission; a file the
    // user may not write must not be replaced all the same.
    if (access(path.c_str(), W_OK) != 0)
        refuse_save(shown_name, std::strerror(errno));
    return existing.st_mode & 07777;
}

int write_all(int fd, const std::string& contents) {
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t count = ::write(fd, contents.data() + done, contents.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        done += static_cast<std::size_t>(count);
    }
    return 0;
}

void replace_file(const std::string& path, const std::string& contents,
                  const std::string& shown_name) {
    const mode_t mode = permissions_for(path, shown_name);
    std::string temporary = path + ".saving-XXXXXX";
    const int fd = mkstemp(&temporary[0]);
    if (fd < 0)
        refuse_save(shown_name, std::strerror(errno));
    int error = write_all(fd, contents);
    if (!error && fchmod(fd, mode) != 0)
        error = errno;
    // On the disk before the rename, so that a crash leaves the old file or
    // the whole new one.
    if (!error && fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && !error)
        error = errno;
    if (!error && rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error) {
        unlink(temporary.c_str());
        refuse_save(shown_name, std::strerror(error));
    }
}

std::string read_whole_file(const std::string& path, const std::string& shown_name) {
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0)
        refuse_load(shown_name, std::strerror(errno));
    std::string contents;
    char buffer[65536];
    while (true) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            const int error = errno;
            close(fd);
            refuse_load(shown_name, std::strerror(error));
        }
        if (count == 0)
            break;
        contents.append(buffer, static_cast<std::size_t>(count));
    }
    close(fd);
    return contents;
}

} // namespace

World_writer& World_writer::word(const std::string& text) {
    if (line_started)
        out << ' ';
    out << text;
    line_started = true;
    return *this;
}

World_writer& World_writer::number(double value) {
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return word(std::string(text, written.ptr));
}

World_writer& World_writer::integer(int value) {
    return word(std::to_string(value));
}

void World_writer::end_line() {
    out << '\n';
    line_started = false;
}

World_reader::World_reader(const std::string& line, const World_file_names& names_)
    : names(names_) {
    std::istringstream in(line);
    for (std::string word_read; in >> word_read;)
        words.push_back(word_read);
}

bool World_reader::is_blank_or_comment() const {
    return words.empty() || words.front()[0] == '#';
}

void World_reader::expect_end() const {
    if (!at_end())
        throw Error("unexpected " + shown(words[next]) + " at the end of the line");
}

const std::string& World_reader::take(const char* what) {
    if (at_end())
        throw Error(std::string("expected ") + what + ", found the end of the line");
    return words[next++];
}

bool World_reader::accept(const char* keyword) {
    if (at_end() || words[next] != keyword)
        return false;
    ++next;
    return true;
}

void World_reader::expect(const char* keyword) {
    const std::string& found = take(shown(keyword).c_str());
    if (found != keyword)
        throw Error("expected " + shown(keyword) + ", found " + shown(found));
}

std::string World_reader::word(const char* what) {
    return take(what);
}

int World_reader::choice(const char* const* choices, std::size_t count, const char* what) {
    const std::string& found = take(what);
    for (std::size_t i = 0; i < count; ++i) {
        if (found == choices[i])
            return static_cast<int>(i);
    }
    std::string listed;
    for (std::size_t i = 0; i < count; ++i)
        listed += (i ? ", " : "") + std::string(choices[i]);
    throw Error(std::string("expected ") + what + " (" + listed + "), found " + shown(found));
}

double World_reader::number(const char* what) {
    return read_number<double>(take(what), what, "a number");
}

int World_reader::integer(const char* what) {
    return read_number<int>(take(what), what, "a whole number");
}

Point World_reader::point(const char* what) {
    const double x = number(what);
    return Point(x, number(what));
}

double World_reader::number_field(const char* label) {
    expect(label);
    return number(label);
}

int World_reader::integer_field(const char* label) {
    expect(label);
    return integer(label);
}

Point World_reader::point_field(const char* label) {
    expect(label);
    return point(label);
}

std::shared_ptr<Island> World_reader::island_field(const char* label) {
    expect(label);
    return island(label);
}

const World_file_object& World_reader::object(const char* what) {
    const std::string& name = take(what);
    auto found = names.find(name);
    if (found == names.end())
        throw Error("no island, ship or group is named " + shown(name));
    return found->second;
}

std::shared_ptr<Island> World_reader::island(const char* what) {
    const World_file_object& found = object(what);
    if (!found.island)
        throw Error(shown(words[next - 1]) + " is " + kind_of(found) + ", not an island");
    return found.island;
}

std::shared_ptr<Ship> World_reader::ship(const char* what) {
    const World_file_object& found = object(what);
    if (!found.ship)
        throw Error(shown(words[next - 1]) + " is " + kind_of(found) + ", not a ship");
    return found.ship;
}

std::shared_ptr<Commandable_object> World_reader::ship_or_group(const char* what) {
    const World_file_object& found = object(what);
    if (found.island)
        throw Error(shown(words[next - 1]) + " is an island, not a ship or group");
    if (found.ship)
        return found.ship;
    return found.group;
}

void World_file::write(std::ostream& out) {
    const Model* model = Model::get();
    World_writer line(out);
    line.word(version_word_c).word(version_c).end_line();
    for (auto it = model->islands_begin_iter(); it != model->islands_end_iter(); ++it) {
        const Island& island = **it;
        line.word(line_kinds_c[island_line])
            .word(island.get_name())
            .field("at", island.get_location())
            .field("fuel", island.get_fuel())
            .field("rate", island.get_production_rate())
            .end_line();
    }
    // Ships and groups in the order they were made, which is the order in
    // which a group keeps its members; reading makes them in file order.
    std::vector<std::shared_ptr<Commandable_object>> made(model->ships_begin_iter(),
                                                          model->ships_end_iter());
    made.insert(made.end(), model->groups_begin_iter(), model->groups_end_iter());
    std::sort(made.begin(), made.end(), [](const auto& a, const auto& b) {
        return a->get_creation_serial() < b->get_creation_serial();
    });
    for (const auto& object : made) {
        if (auto ship = std::dynamic_pointer_cast<Ship>(object)) {
            line.word(line_kinds_c[ship_line]).word(ship->get_name()).word(kind_name(*ship));
            ship->save_state(line);
        } else {
            auto group = std::static_pointer_cast<Group>(object);
            line.word(line_kinds_c[group_line]).word(group->get_name()).word(kind_name(*group));
            group->save_state(line);
        }
        line.end_line();
    }
    line.word(end_word_c).end_line();
}

void World_file::save(const std::string& path, const std::string& shown_name) {
    std::ostringstream text;
    write(text);
    replace_file(save_target(path), text.str(), shown_name);
}

World_file World_file::load(const std::string& path, const std::string& shown_name,
                            const Name_check& is_reserved) {
    std::istringstream in(read_whole_file(path, shown_name));
    return read(in, shown_name, is_reserved);
}

World_file World_file::read(std::istream& in, const std::string& shown_name,
                            const Name_check& is_reserved) {
    std::vector<std::string> lines;
    for (std::string text; std::getline(in, text);)
        lines.push_back(text);

    World_file file;
    World_file_names names;
    std::vector<std::size_t> lines_to_finish;
    std::size_t at = 0; // the line being read, counted from 0
    try {
        if (lines.empty())
            throw Error(error_NotAWorldFile_c);
        World_reader version(lines[0], names);
        if (!version.accept(version_word_c))
            throw Error(error_NotAWorldFile_c);
        const std::string number = version.word("a version number");
        if (number != version_c)
            throw Error("version " + shown(number) + " is not one this program reads (it reads " +
                        version_c + ")");
        version.expect_end();

        // First every object is made, so that a line may name an object
        // whose line comes later; then ships and groups take up their state.
        bool ended = false;
        for (at = 1; at < lines.size(); ++at) {
            World_reader line(lines[at], names);
            if (line.is_blank_or_comment())
                continue;
            if (ended)
                throw Error(error_AfterEnd_c);
            const int kind = line.choice(line_kinds_c, "the kind of line");
            if (kind == end_line) {
                line.expect_end();
                ended = true;
                continue;
            }
            const std::string name = line.word("a name");
            auto earlier = names.find(name);
            if (earlier != names.end())
                throw Error("the name " + shown(name) + " is already used on line " +
                            std::to_string(earlier->second.line));
            if (is_reserved && is_reserved(name))
                throw Error("the name " + shown(name) + " is reserved for a command");
            World_file_object& object = names[name];
            object.line = static_cast<int>(at + 1);
            if (kind == island_line) {
                const Point position = line.point_field("at");
                const double fuel = line.number_field("fuel");
                const double rate = line.number_field("rate");
                line.expect_end();
                object.island = std::make_shared<Island>(name, position, fuel, rate);
                file.islands.push_back(object.island);
            } else if (kind == ship_line) {
                object.ship = create_ship(name, line.word("a ship kind"), Point());
                file.ships.push_back(object.ship);
                lines_to_finish.push_back(at);
            } else {
                object.group = create_group(name, line.word("a group kind"));
                file.groups.push_back(object.group);
                lines_to_finish.push_back(at);
            }
        }
        if (!ended)
            throw Error(error_Truncated_c);

        for (std::size_t finish : lines_to_finish) {
            at = finish;
            World_reader line(lines[at], names);
            line.word("");
            const World_file_object& object = names.at(line.word(""));
            line.word("");
            if (object.ship)
                object.ship->restore(line);
            else
                object.group->restore(line);
            line.expect_end();
        }
    } catch (const Error& error) {
        refuse_load(shown_name,
                    "line " + std::to_string(at + 1) + ": " + without_newline(error.msg));
    }
    return file;
}

void World_file::install(const Introducer& introduce) const {
    Model* model = Model::get();
    model->remove_all_objects();
    for (const auto& island : islands) {
        if (introduce)
            introduce(island->get_name(), "Island");
        model->add_island(island);
    }
    for (const auto& ship : ships) {
        if (introduce)
            introduce(ship->get_name(), kind_name(*ship));
        model->add_ship(ship);
    }
    for (const auto& group : groups)
        model->add_group(group);
}
