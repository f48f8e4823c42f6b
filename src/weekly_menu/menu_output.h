// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Print, Save as PDF and Copy for the planner: three window-wide actions with their shortcuts,
// also offered by the window's context menu. They read the week when triggered, take it out of
// the program, and never touch a cell.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

#include "platform/qt_message_box.h"
#include "weekly_menu/menu_export.h"

class QAction;
class QPrinter;
class QWidget;

namespace galvix::weekly_menu {

// The HTML as a one-page landscape PDF, in memory, laid out as large as fits the page and shrunk
// as far as it takes to fit it whole; empty when it could not be made.
[[nodiscard]] QByteArray weekAsPdf(const QString& html);

// Writes `bytes` as the file at `path`, through a temporary file beside it that takes the name only
// once everything is written: a failure leaves no partial file and an existing file as it was.
// On failure, `error` says why.
[[nodiscard]] bool writeWholeFile(const QString& path, const QByteArray& bytes, QString& error);

class MenuOutput : public QObject {
    Q_OBJECT

public:
    // Asked where to save, with the proposed path; answers the chosen path, or an empty text when
    // the user cancels.
    using SaveFileChooser = std::function<QString(const QString& proposedPath)>;
    // Shows the print dialog for `printer`; true when the user chose to print.
    using PrintDialog = std::function<bool(QPrinter& printer)>;

    // Adds the actions to `window`, which owns them and this object. `readWeek` answers what the
    // planner shows at the moment it is called.
    MenuOutput(QWidget& window, std::function<WeekMenu()> readWeek);
    ~MenuOutput() override;

    void print();
    void saveAsPdf();
    void copy();

    [[nodiscard]] QAction* printAction() const { return m_print; }
    [[nodiscard]] QAction* saveAsPdfAction() const { return m_saveAsPdf; }
    [[nodiscard]] QAction* copyAction() const { return m_copy; }

    // Where the save dialog starts: "weekly-menu.pdf" in the user's documents folder, or in the
    // home folder when there is no documents folder.
    [[nodiscard]] static QString proposedPdfPath();

    // Stand-ins for the dialogs and the message box, for tests.
    void setSaveFileChooser(SaveFileChooser chooser) { m_chooseFile = std::move(chooser); }
    void setPrintDialog(PrintDialog dialog) { m_printDialog = std::move(dialog); }
    void setMessageBox(platform::MessageBox& messages) { m_messages.use(messages); }

private:
    [[nodiscard]] QString currentHtml() const;
    void tell(const QString& message);

    QWidget& m_window;
    std::function<WeekMenu()> m_readWeek;
    SaveFileChooser m_chooseFile;
    PrintDialog m_printDialog;
    platform::WindowMessageBox m_messages;
    QAction* m_print;
    QAction* m_saveAsPdf;
    QAction* m_copy;
};

} // namespace galvix::weekly_menu
