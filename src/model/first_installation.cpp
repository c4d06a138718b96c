#include "model/first_installation.h"

namespace model {

bool writeFirstInstallation(DataFolder& data, std::string& problem)
{
    SettingsRecord settings;
    settings.KidoA = Variant::number(1);
    settings.SKidoA = Variant::number(1);
    settings.SexeA = Variant::number(2);
    settings.WindTop = Variant::number(0);

    GroupNames groups;
    for (std::size_t g = 0; g < groups.size(); ++g) groups[g] = "グループ" + std::to_string(g + 1);

    return data.writePosition({1500, 900}, problem) && data.writeSettings(settings, problem) &&
           data.writeGroups(groups, problem) && data.writeShortcuts({}, problem);
}

bool installIfMissing(DataFolder& data, std::string& problem)
{
    switch (data.create(problem)) {
    case FolderStatus::Existed: return true;
    case FolderStatus::Created: return writeFirstInstallation(data, problem);
    case FolderStatus::Failed: return false;
    }
    return false;
}

}  // namespace model
