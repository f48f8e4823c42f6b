// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message box with an OK button only, titled with the application's title; show() returns when
// the user has closed it.

#include <string_view>

namespace galvix::platform {

class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(std::string_view text) = 0;
};

} // namespace galvix::platform
