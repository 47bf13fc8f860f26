#ifndef FLOTILLA_PLATFORM_SYSTEM_H
#define FLOTILLA_PLATFORM_SYSTEM_H

#include <string>

// The process's surroundings: its environment and the file system.
namespace platform {

// Sets the variable unless the caller has set it already.
void set_environment_default(const char* name, const char* value);

// The working directory; empty when there is none (it was removed).
std::string current_folder();

// Makes the folders on the way to the file; what fails shows when the file
// is written.
void make_folders_for(const std::string& file);

// True when the path names something other than a regular file: a folder,
// a device or a named pipe (opening one would wait for a reader).
bool is_special_file(const std::string& path);

} // namespace platform

#endif
