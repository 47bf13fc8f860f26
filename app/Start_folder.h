#ifndef FLOTILLA_APP_START_FOLDER_H
#define FLOTILLA_APP_START_FOLDER_H

#include <string>

// The folder the program was started in. The window makes the resource
// folder the working directory as it starts, so the file names a user gives
// are taken from here instead, where they were typed.
//
// The first call of either records the working directory: the entry calls
// remember_start_folder before anything can move it.
void remember_start_folder();
// An absolute name as it is; a relative one below the start folder.
std::string path_from_start_folder(const std::string& file);

#endif
