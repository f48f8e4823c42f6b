// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: the program's title, version and credits, an OK button, and a button that starts
// the system's system-information tool. Shown modally over the main window; each showing loads it
// afresh.

#include <QDialog>
#include <QMargins>

#include "about/system_info.h"
#include "toolkit/surface.h"

namespace galvix::about {

// The box's controls and rules, in twips.
extern const toolkit::FormSpec AboutForm;

class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(const SysInfoServices& services, QWidget* owner);

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;

private:
    void centreOverOwner(const QMargins& frame);

    SysInfoServices m_services;
    toolkit::FormSurface<AboutForm>* m_surface = nullptr;
    bool m_frameKnown = false;
};

} // namespace galvix::about
