#include "platform/System.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

void set_environment_default(const char* name, const char* value) {
    setenv(name, value, 0);
}

std::string current_folder() {
    char* current = getcwd(nullptr, 0);
    std::string name = current ? current : "";
    std::free(current);
    return name;
}

void make_folders_for(const std::string& file) {
    for (std::size_t slash = file.find('/', 1); slash != std::string::npos;
         slash = file.find('/', slash + 1))
        mkdir(file.substr(0, slash).c_str(), 0700);
}

bool is_special_file(const std::string& path) {
    struct stat target;
    return stat(path.c_str(), &target) == 0 && !S_ISREG(target.st_mode);
}

} // namespace platform
