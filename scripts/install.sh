#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the release Debian package and installs it with apt, which
# also brings in everything the package depends on. "apt remove galvix" takes it away again.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --workflow --preset package
package=$(ls -t build/release/galvix_*.deb | head -n 1)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing $package"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "./$package"
