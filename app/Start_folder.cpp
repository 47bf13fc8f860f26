#include "app/Start_folder.h"

#include "platform/System.h"

namespace {
const std::string& start_folder() {
    // Without a working directory (it was removed), relative names keep
    // meaning whatever the system makes of them.
    static const std::string folder = platform::current_folder();
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
