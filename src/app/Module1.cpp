// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Module1.h"

#include "app/frmMain.h"
#include "app/services.h"
#include "platform/ending.h"

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
    auto* window = new frmMain(programServices());
    mainWindowReference() = window;
    window->showLoaded();
    platform::closeOnEnding(*window);
}

frmMain* mainWindow() { return mainWindowReference().data(); }

} // namespace galvix::app::Module1
