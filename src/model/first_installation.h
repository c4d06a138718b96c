#pragma once

#include <string>

#include "model/data_folder.h"

namespace model {

// Writes the data files a new installation starts with: the bar at a place on
// the screen, shown at start-up, launching on a single click and staying shown,
// groups named "グループ1" to "グループ10" and all slots free.
bool writeFirstInstallation(DataFolder& data, std::string& problem);

// A start that finds no folder Data at all, as after unzipping a download,
// makes it with the first installation's files. A Data folder that is there
// is the user's and stays as it is, whatever it lacks. False, with problem,
// when the folder was missing and could not be made or filled.
bool installIfMissing(DataFolder& data, std::string& problem);

}  // namespace model
