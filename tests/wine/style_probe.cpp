// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Says which widget style Qt takes in the folder it is started from, when no program chooses one:
// placed beside the installed galvix.exe, it loads the same Qt and plug-ins, so it shows whether the
// folder carries Qt's native style. Prints the style's name, then every style Qt offers there.

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    std::printf("%s\n%s\n", qPrintable(QApplication::style()->name()),
                qPrintable(QStyleFactory::keys().join(QLatin1Char(' '))));
    return std::fflush(stdout) == 0 ? 0 : 1;
}
