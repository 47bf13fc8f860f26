#ifndef FLOTILLA_GUI_COMPATIBILITY_H
#define FLOTILLA_GUI_COMPATIBILITY_H

// Where the program finds its pictures and fonts on Linux, which has no
// application bundles.

#include <string>
#include <vector>

// The folder named on the command line; once set, the only one looked at.
void set_resources_folder(const std::string& folder);

// The places looked at: only the folder set above if there is one, else only
// $FLOTILLA_RESOURCES if it is set, else "Resources" next to the executable,
// the installed data folder relative to the executable, then where it was
// configured to be installed. A place counts only if it holds GUIImages,
// images and GUIFonts.
std::vector<std::string> resource_folder_candidates();

// Makes the first qualifying place the working directory, so that pictures
// and fonts open by relative paths. Throws GUI::Error naming every place tried
// when none qualifies.
void nav_to_resources();

#endif
