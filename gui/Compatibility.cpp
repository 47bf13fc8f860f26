#include "gui/Compatibility.h"

#include "gui/Error.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#ifndef FLOTILLA_INSTALLED_RESOURCES
#define FLOTILLA_INSTALLED_RESOURCES "/usr/local/share/flotilla/Resources"
#endif
// The installed data folder as seen from the installed program, so that an
// installed tree keeps working when it is moved or unpacked elsewhere.
#ifndef FLOTILLA_RESOURCES_FROM_BINARY
#define FLOTILLA_RESOURCES_FROM_BINARY "../share/flotilla/Resources"
#endif

namespace {

const char* const STANDALONE_RESOURCES_FOLDER = "Resources";
const char* const resource_subfolders_c[] = {"GUIImages", "images", "GUIFonts"};

std::string command_line_folder;

bool is_directory(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool holds_resources(const std::string& folder) {
    for (const char* subfolder : resource_subfolders_c) {
        if (!is_directory(folder + "/" + subfolder))
            return false;
    }
    return true;
}

std::string executable_folder() {
    std::string path(4096, '\0');
    ssize_t length = readlink("/proc/self/exe", &path[0], path.size() - 1);
    if (length <= 0)
        return std::string();
    path.resize(static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/'));
}

} // namespace

void set_resources_folder(const std::string& folder) {
    command_line_folder = folder;
}

std::vector<std::string> resource_folder_candidates() {
    // A folder the user names is the only one looked at: falling back to
    // another would show other pictures than those asked for.
    if (!command_line_folder.empty())
        return {command_line_folder};
    const char* from_environment = std::getenv("FLOTILLA_RESOURCES");
    if (from_environment && *from_environment)
        return {from_environment};
    std::vector<std::string> candidates;
    std::string beside = executable_folder();
    if (!beside.empty()) {
        candidates.push_back(beside + "/" + STANDALONE_RESOURCES_FOLDER);
        candidates.push_back(beside + "/" + FLOTILLA_RESOURCES_FROM_BINARY);
    }
    candidates.push_back(FLOTILLA_INSTALLED_RESOURCES);
    return candidates;
}

void nav_to_resources() {
    std::string tried;
    for (const std::string& candidate : resource_folder_candidates()) {
        if (holds_resources(candidate) && chdir(candidate.c_str()) == 0)
            return;
        tried += (tried.empty() ? "" : ", ") + candidate;
    }
    throw GUI::Error("Cannot find the resource folder (with GUIImages, images and GUIFonts); "
                     "tried: " +
                     tried);
}
