// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Compiled by the test toolkit.MisspeltControlNameDoesNotCompile, which expects the compiler to
// refuse it and to name the misspelt control: a window's names are checked against its table.

#include "toolkit/control_table.h"

namespace {

using galvix::toolkit::ControlKind;

constexpr galvix::toolkit::ControlSpec Controls[] = {
    {ControlKind::CommandButton, "Command1", "Go"},
    {ControlKind::Label, "Label1", "Title"},
};
constexpr galvix::toolkit::FormSpec Form{"Sample", 1500, 1500, Controls, {}};

using AnyName = galvix::toolkit::ControlName<Form>;
using ButtonName = galvix::toolkit::ControlName<Form, ControlKind::CommandButton>;

constexpr ButtonName Known = "Command1";
constexpr AnyName AnyKind = "Label1";
#ifdef GALVIX_MISSPELT
constexpr ButtonName Misspelt = "Comand1";
#endif

} // namespace

int main() { return std::string_view(Known).size() == std::string_view(AnyKind).size() ? 0 : 1; }
