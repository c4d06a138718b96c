#pragma once

#include <string>

#include "model/data_folder.h"

namespace model {

// Writes the data files a new installation starts with: the bar at a place on
// the screen, shown at start-up, launching on a single click and staying shown,
// groups named "グループ1" to "グループ10" and all slots free.
bool writeFirstInstallation(DataFolder& data, std::string& problem);

}  // namespace model
