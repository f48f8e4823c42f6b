// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmMain.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/settings_store.h"
#include "platform/window_frame.h"
#include "toolkit/loaded_windows.h"
#include "toolkit/surface.h"
#include "toolkit/twips.h"

namespace galvix::app {

namespace {

using toolkit::LineSpec;

// A rule across the top of the client area, under the menu bar, in the window background colour.
constexpr std::array<LineSpec, 1> MainLines{{
    {"Line1", 0, 0, 6600, 0, toolkit::SystemColour::WindowBackground},
}};

} // namespace

constexpr toolkit::FormSpec MainForm{"Navorel Version 1.1 for Riviradu", 6585, 5715, {}, MainLines};

namespace {

// A stored width or height below 100 pixels leaves no room for the menu bar and status bar.
constexpr double MinimumOuterSize = 1500;
constexpr double MaximumOuterSize = toolkit::pixelsToTwips(QWIDGETSIZE_MAX);

TwipsRect toTwipsRect(const QRect& rect)
{
    const auto twips = [](int pixels) { return static_cast<float>(toolkit::pixelsToTwips(pixels)); };
    return {twips(rect.x()), twips(rect.y()), twips(rect.width()), twips(rect.height())};
}

PixelFrame pixelFrameOf(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

// The available area of every screen, the primary first.
std::vector<TwipsRect> screenAreas()
{
    std::vector<TwipsRect> screens;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary != nullptr)
        screens.push_back(toTwipsRect(primary->availableGeometry()));
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            screens.push_back(toTwipsRect(screen->availableGeometry()));
    }
    return screens;
}

} // namespace

frmMain::frmMain(const Services& services, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_weeklyMenu([this] { return new weekly_menu::frmWeeklyMenu(m_services.menuSource); })
    , m_about([this] { return new about::frmAbout(m_services.sysInfo, this); })
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(toolkit::toQString(MainForm.caption));
    auto* surface = new toolkit::Surface(MainForm, this);
    setCentralWidget(surface);
    buildMenus();
    buildStatusBar();
    resize(surface->size());
}

void frmMain::buildMenus()
{
    QMenu* galvixMenu = menuBar()->addMenu(QStringLiteral("&Galvix"));
    galvixMenu->setObjectName(QStringLiteral("mnuC"));
    QAction* weeklyMenu = galvixMenu->addAction(QStringLiteral("&Weekly Menu"), this, &frmMain::mnuwm_Click);
    weeklyMenu->setObjectName(QStringLiteral("mnuwm"));
    QAction* unitCalculator
        = galvixMenu->addAction(QStringLiteral("&Unit Calculator"), this, &frmMain::mnuUnit_Click);
    unitCalculator->setObjectName(QStringLiteral("mnuUnit"));

    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    QAction* about = helpMenu->addAction(QStringLiteral("&About "), this, &frmMain::mnuHelpAbout_Click);
    about->setObjectName(QStringLiteral("mnuHelpAbout"));
}

void frmMain::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    auto* status = new QLabel(QStringLiteral("Status"), bar);
    status->setObjectName(QStringLiteral("Panel1"));
    status->setProperty("key", QStringLiteral("Status"));
    // A panel is spoken by the text it shows, so the date and time panels speak the date and the
    // time; the description says which is which.
    m_datePanel = new QLabel(bar);
    m_datePanel->setObjectName(QStringLiteral("Panel2"));
    m_datePanel->setAccessibleDescription(QStringLiteral("Today's date"));
    m_timePanel = new QLabel(bar);
    m_timePanel->setObjectName(QStringLiteral("Panel3"));
    m_timePanel->setAccessibleDescription(QStringLiteral("Current time"));
    for (QLabel* panel : {status, m_datePanel, m_timePanel})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(status, 1);
    bar->addPermanentWidget(m_datePanel);
    bar->addPermanentWidget(m_timePanel);

    // The clock ticks every second so that the time panel turns over with the minute.
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, &frmMain::refreshClock);
    m_clock.start();
    refreshClock();
}

void frmMain::refreshClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    m_datePanel->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_timePanel->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

void frmMain::showLoaded()
{
    toolkit::LoadedWindows::instance().add(this);
    Form_Load();
    show();
}

void frmMain::Form_Load()
{
    const std::vector<TwipsRect> screens = screenAreas();
    const PlacementLimits limits{screens, MinimumOuterSize, MinimumOuterSize, MaximumOuterSize, MaximumOuterSize};
    m_restored = fitToScreens(readPlacement(m_services.settings, SettingsApplication), limits);
    applyPlacement(m_restored);
}

// Left and top place the outer frame, and width and height are its outer size. The position is
// set while the window has no native window yet (nothing here calls create(), winId() or
// windowHandle() first), so that Qt asks the window manager to put the frame, not the client area,
// at that point. The frame's size is known only once the window is mapped: the client area takes
// the whole outer size first and is shrunk once when the frame appears, so the position never jumps.
void frmMain::applyPlacement(const Placement& placement)
{
    m_appliedFrame = toPixelFrame(placement);
    if (platformPlacesWindows(QGuiApplication::platformName().toStdString()))
        move(m_appliedFrame.left, m_appliedFrame.top);
    resize(std::max(1, m_appliedFrame.width), std::max(1, m_appliedFrame.height));
    m_outerSizeSettled = false;
}

bool frmMain::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (platform::frameMayHaveChanged(event->type()))
        settleOuterSize();
    return handled;
}

void frmMain::settleOuterSize()
{
    if (m_outerSizeSettled || !isVisible() || windowHandle() == nullptr)
        return;
    const PixelFrame client = clientArea();
    const PixelFrame frame = currentFrame();
    if (frame == client)
        return;
    m_outerSizeSettled = true;
    if (windowState() != Qt::WindowNoState)
        return;
    // Qt placed the frame it draws; where the system's frame reaches beyond it, by invisible
    // borders, the window moves by that much so that the system's frame stands where it was put.
    const PixelFrame drawn = pixelFrameOf(windowHandle()->frameGeometry());
    if (frame.left != drawn.left || frame.top != drawn.top)
        move(m_appliedFrame.left + (drawn.left - frame.left), m_appliedFrame.top + (drawn.top - frame.top));
    resize(std::max(1, m_appliedFrame.width - (frame.width - client.width)),
           std::max(1, m_appliedFrame.height - (frame.height - client.height)));
}

// The window's client area and frame come from the platform window, which fetches the frame
// extents again whenever the window manager announces new ones. The window manager changes the
// frame by itself too (openbox takes the border off a maximized window after resizing it), and
// QWidget's own copy of the frame margins follows only the window's moves and resizes.
PixelFrame frmMain::clientArea() const
{
    const QWindow* window = windowHandle();
    return pixelFrameOf(window != nullptr ? window->geometry() : geometry());
}

PixelFrame frmMain::currentFrame() const
{
    const QWindow* window = windowHandle();
    return pixelFrameOf(window != nullptr ? platform::systemFrame(*window) : geometry());
}

Placement frmMain::currentPlacement() const
{
    return placementToSave(m_restored, m_appliedFrame, currentFrame());
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload()
{
    auto& windows = toolkit::LoadedWindows::instance();
    for (int i = windows.count() - 1; i >= 1; --i)
        toolkit::LoadedWindows::unload(windows.at(i));
    if (isMinimized())
        return;
    // Where the window system places the windows itself, the program cannot know the position, so
    // the stored one is kept as it was.
    const bool placed = platformPlacesWindows(QGuiApplication::platformName().toStdString());
    writePlacement(m_services.settings, SettingsApplication, currentPlacement(),
                   placed ? SavedParts::PositionAndSize : SavedParts::SizeOnly);
    m_services.settings.flush();
}

void frmMain::mnuwm_Click() { m_weeklyMenu.show(); }

void frmMain::mnuUnit_Click() { m_unitCalculator.show(); }

// The About box is modal over this window: exec returns once the box is closed.
void frmMain::mnuHelpAbout_Click() { m_about.load()->exec(); }

} // namespace galvix::app
