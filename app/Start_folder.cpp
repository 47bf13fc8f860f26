#include "app/Start_folder.h"

#include <unistd.h>

#include <cstdlib>

namespace {
const std::string& start_folder() {
    static const std::string folder = [] {
        char* current = getcwd(nullptr, 0);
        // Without a working directory (it was removed), relative names keep
        // meaning whatever the system makes of them.
        std::string name = current ? current : "";
        std::free(current);
        return name;
    }();
    return folder;
}
} // namespace

void remember_start_folder() {
    start_folder();
}

std::string path_from_start_folder(const std::string& file) {
    if (file.empty() || file[0] == '/' || start_folder().empty())
        return file;
    return start_folder() + "/" + file;
}
