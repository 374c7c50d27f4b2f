#include "app/App.h"

namespace boxi {

App::App(platform::Platform& platform) : runtime_(platform) {}

void App::Start()
{
    runtime_.Run([this] { form8.Show(); });
}

void App::LoadCurrentSet(SetLoadUse use)
{
    std::string name = form10.CurrentSetName();
    set_loader.Load(m.Table, name, use);
}

}  // namespace boxi
