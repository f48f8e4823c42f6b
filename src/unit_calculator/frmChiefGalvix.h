// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The unit calculator window: the class frmChiefGalvix, titled "Galvix Inventory", in the folder
// unit_calculator/ (one window, three names). A weight convertor, a liquid convertor and a
// mini-calculator beside six empty store-room frames. Its buttons read fields, run the conversions
// and write the results; the fields are all the state it has. A click that fails stops at the
// failing step and tells the user which error it was; the window stays open.

#include <QWidget>

#include <span>
#include <string>
#include <string_view>

#include "platform/qt_message_box.h"
#include "toolkit/surface.h"
#include "unit_calculator/conversions.h"

namespace galvix::unit_calculator {

struct ConvertStep;

// The window's controls and rules, in twips.
extern const toolkit::FormSpec ChiefGalvixForm;

class frmChiefGalvix : public QWidget {
    Q_OBJECT

public:
    // Errors are shown in a message box over this window.
    explicit frmChiefGalvix(QWidget* parent = nullptr);
    // Errors are shown through `messages`, which must outlive the window.
    explicit frmChiefGalvix(platform::MessageBox& messages, QWidget* parent = nullptr);
    ~frmChiefGalvix() override;

    frmChiefGalvix(const frmChiefGalvix&) = delete;
    frmChiefGalvix& operator=(const frmChiefGalvix&) = delete;

    void Command1_Click(); // "C": empties the weight fields
    void Command2_Click(); // weight "Calculate"
    void Command3_Click(); // "Clear": empties the liquid and mini-calculator fields
    void Command4_Click(); // liquid "Calculate"
    void Command5_Click(); // "+"
    void Command6_Click(); // "-"
    void Command7_Click(); // "*"
    void Command8_Click(); // "/"

private:
    void build();
    void convert(std::span<const ConvertStep> steps);
    void calculate(Operator op);
    template <class Steps>
    void runClick(Steps&& steps);

    platform::WindowMessageBox m_messages;
    toolkit::FormSurface<ChiefGalvixForm>* m_surface = nullptr;
};

} // namespace galvix::unit_calculator
