#include "app/Module1.h"

#include "app/ending.h"
#include "app/frmMain.h"
#include "platform/qt_settings_store.h"
#include "weekly_menu/random_source.h"

namespace galvix::app::Module1 {

namespace {

QPointer<frmMain>& mainWindowReference()
{
    static QPointer<frmMain> reference;
    return reference;
}

} // namespace

void Main()
{
    static platform::QtSettingsStore settings;
    auto* window = new frmMain(settings, weekly_menu::programRandomSource());
    mainWindowReference() = window;
    window->showLoaded();
    closeOnEndSignals(*window);
}

frmMain* mainWindow() { return mainWindowReference().data(); }

} // namespace galvix::app::Module1
