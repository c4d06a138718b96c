#include "shell/launches.h"

#include "ui/platform.h"

namespace shell {

void Launches::start(const ui::Window* owner, const std::string& path, const std::string& folder, Rights rights,
                     std::function<void(LaunchResult)> done)
{
    if (!underWay_.insert(path).second) return;
    platform_.runInBackground([this, owner, path, folder, rights, done = std::move(done)] {
        const LaunchResult result = shell_.launch(owner, path, folder, rights);
        platform_.post([this, path, result, done] {
            underWay_.erase(path);
            if (done) done(result);
        });
    });
}

}  // namespace shell
