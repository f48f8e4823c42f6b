// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <array>
#include <string>

#include "platform/application_info.h"
#include "platform/qt_message_box.h"
#include "platform/window_frame.h"
#include "toolkit/loaded_windows.h"
#include "toolkit/surface.h"

namespace galvix::about {

namespace {

using toolkit::Colour;
using toolkit::ControlKind;
using toolkit::ControlSpec;
using toolkit::LineSpec;

constexpr Colour Black = Colour::fromRgb(0, 0, 0);
constexpr Colour White = Colour::fromRgb(255, 255, 255);

constexpr std::string_view Credits
    = "Galvix plans the galley's week of breakfasts, lunches and dinners, and converts the weights "
      "and liquid measures of the ship's stores. One of the Navorel aids for seafarers, written for "
      "the cooks of the merchant fleet.";

// lblVersion sits under the title, at the title's left edge and width. Each control is spoken by
// what it shows; only the system information button says more than its caption.
constexpr std::array<ControlSpec, 5> AboutControls{{
    {ControlKind::Label, "lblTitle", "Galvix", 1080, 240, 4095, 480, 4, Black},
    {ControlKind::Label, "lblVersion", "Version", 1080, 780, 4095, 225, 2, Black},
    {ControlKind::Label, "lblDescription", Credits, 450, 1125, 5175, 1170, 5, Black},
    {ControlKind::CommandButton, "cmdOK", "OK", 4245, 2625, 1467, 345, 0},
    {ControlKind::CommandButton, "cmdSysInfo", "&System Info...", 4260, 3075, 1452, 345, 1, {}, {},
     "Starts the system information tool"},
}};

constexpr std::array<LineSpec, 1> AboutLines{{
    {"Line1", 240, 2445, 5657, 2445, White, 2},
}};

} // namespace

constexpr toolkit::FormSpec AboutForm{"About Galvix", 5865, 3630, AboutControls, AboutLines};

frmAbout::frmAbout(const SysInfoServices& services, QWidget* owner)
    // A fixed dialog frame: a title bar with the close box only, no resizing.
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                         | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(toolkit::toQString(AboutForm.caption));
    m_surface = new toolkit::FormSurface<AboutForm>(this);
    setFixedSize(m_surface->size());

    // The program's name stands out as the box's heading.
    QLabel* title = m_surface->label("lblTitle");
    QFont heading = title->font();
    heading.setPixelSize(20);
    heading.setBold(true);
    title->setFont(heading);

    // OK is the default button and, through the dialog, Esc closes the box like OK. As in any
    // dialog, Enter presses whichever button has the focus.
    QPushButton* ok = m_surface->button("cmdOK");
    QPushButton* sysInfo = m_surface->button("cmdSysInfo");
    ok->setAutoDefault(true);
    sysInfo->setAutoDefault(true);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(sysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });

    Form_Load();
}

// The box stands centred over its owner's frame, inside the owner's screen. Qt would centre it when
// it is shown, by a guess at frames that the window manager has not drawn yet, and leave it a title
// bar too high. So the box is placed before its window exists, by the owner's frame margins, and the
// window manager then puts its frame there; once its own frame is known, a difference between the
// two frames is made good.
void frmAbout::setVisible(bool visible)
{
    if (visible && !testAttribute(Qt::WA_WState_Created) && parentWidget() != nullptr) {
        const QWindow* owner = parentWidget()->window()->windowHandle();
        centreOverOwner(owner != nullptr ? owner->frameMargins() : QMargins());
    }
    QDialog::setVisible(visible);
}

bool frmAbout::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    if (!m_frameKnown && platform::frameMayHaveChanged(event->type()) && isVisible() && windowHandle() != nullptr
        && parentWidget() != nullptr) {
        const QMargins frame = windowHandle()->frameMargins();
        if (!frame.isNull()) {
            m_frameKnown = true;
            centreOverOwner(frame);
        }
    }
    return handled;
}

// Moves the box so that a frame of `frame` margins around it is centred over the owner's frame.
void frmAbout::centreOverOwner(const QMargins& frame)
{
    const QWidget* owner = parentWidget()->window();
    const QRect ownerFrame = owner->windowHandle() != nullptr ? owner->windowHandle()->frameGeometry()
                                                                : owner->frameGeometry();
    const QSize outer = size().grownBy(frame);
    QRect target(ownerFrame.center() - QPoint(outer.width() / 2, outer.height() / 2), outer);
    if (const QScreen* screen = owner->screen()) {
        const QRect area = screen->availableGeometry();
        target.moveLeft(std::max(area.left(), std::min(target.left(), area.right() + 1 - target.width())));
        target.moveTop(std::max(area.top(), std::min(target.top(), area.bottom() + 1 - target.height())));
    }
    if (!testAttribute(Qt::WA_WState_Created)) {
        move(target.topLeft()); // before the window exists: where its frame goes
        return;
    }
    const QRect shown = windowHandle()->frameGeometry();
    if (shown.topLeft() != target.topLeft())
        move(pos() + (target.topLeft() - shown.topLeft()));
}

void frmAbout::Form_Load()
{
    m_surface->setControlText("lblVersion", std::string("Version ") + platform::ApplicationVersion);
    m_surface->setControlText("lblTitle", platform::ApplicationTitle);
}

void frmAbout::cmdOK_Click() { toolkit::LoadedWindows::unload(this); }

void frmAbout::cmdSysInfo_Click()
{
    platform::QtMessageBox messages(this);
    StartSysInfo(m_services, messages);
}

} // namespace galvix::about
