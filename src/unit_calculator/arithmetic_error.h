// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator's two arithmetic errors. Reading, converting and calculating raise them instead of
// returning a text; the window catches them at the end of a click and tells the user.

#include <stdexcept>

namespace galvix {

class ArithmeticError : public std::runtime_error {
public:
    enum class Kind {
        Overflow,       // a number or a result beyond the range of a double, and 0 divided by 0
        DivisionByZero, // a number other than 0 divided by 0
    };

    explicit ArithmeticError(Kind kind)
        : std::runtime_error(kind == Kind::Overflow ? "Overflow" : "Division by zero")
        , m_kind(kind)
    {
    }

    [[nodiscard]] Kind kind() const noexcept { return m_kind; }

private:
    Kind m_kind;
};

} // namespace galvix
