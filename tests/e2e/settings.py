# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's settings file, as the suite seeds it before a start and reads it after a close."""

import os

from desktop_driving.layout import SETTINGS_APPLICATION, SETTINGS_SECTION


def settings_file(config_home):
    """Where the program keeps its settings under a settings folder (its XDG_CONFIG_HOME)."""
    return os.path.join(config_home, SETTINGS_APPLICATION, f"{SETTINGS_APPLICATION}.conf")


def read_settings(path):
    """The entries of the placement's section of the stored file, as their texts."""
    if not os.path.exists(path):
        return {}
    entries = {}
    section = None
    with open(path, encoding="utf-8") as stored:
        for line in stored:
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                section = line[1:-1]
            elif "=" in line and section == SETTINGS_SECTION:
                key, value = line.split("=", 1)
                entries[key.strip()] = value.strip().strip('"')
    return entries


def write_settings(path, entries):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as stored:
        stored.write(f"[{SETTINGS_SECTION}]\n")
        for key, value in entries.items():
            stored.write(f"{key}={value}\n")
