// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/pdf_reading.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace galvix::testing {

namespace {

QString toolPath(const char* path)
{
    const QString program = QString::fromUtf8(path);
    EXPECT_FALSE(program.isEmpty()) << "poppler-utils is missing; scripts/setup.sh installs it";
    return program;
}

// Runs one of poppler's tools and answers what it printed; a tool that fails fails the test.
QString runTool(const char* path, const QStringList& arguments)
{
    QProcess process;
    process.start(toolPath(path), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << path << ' ' << arguments.join(u' ').toStdString() << ": "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

PdfFacts pdfFacts(const QString& path)
{
    const QString info = runTool(GALVIX_PDFINFO, {path});
    PdfFacts facts;
    const auto pages = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
                           .match(info);
    const auto size = QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                         QRegularExpression::MultilineOption)
                          .match(info);
    if (pages.hasMatch())
        facts.pages = pages.captured(1).toInt();
    if (size.hasMatch()) {
        facts.width = size.captured(1).toDouble();
        facts.height = size.captured(2).toDouble();
    }
    return facts;
}

QString pdfText(const QString& path) { return runTool(GALVIX_PDFTOTEXT, {QStringLiteral("-raw"), path, QStringLiteral("-")}); }

std::vector<WordBox> pdfWords(const QString& path)
{
    const QString boxes = runTool(GALVIX_PDFTOTEXT, {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    std::vector<WordBox> words;
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const auto match = it.next();
        words.push_back({match.captured(5), QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                                                   QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()))});
    }
    return words;
}

QImage pdfFirstPageInGrey(const QString& path, int dpi)
{
    const QTemporaryDir folder;
    if (!folder.isValid())
        return {};
    const QString stem = folder.filePath(QStringLiteral("page"));
    runTool(GALVIX_PDFTOPPM, {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                              QStringLiteral("-singlefile"), path, stem});
    return QImage(stem + QStringLiteral(".pgm"));
}

QString squeezed(const QString& text)
{
    QString result = text.normalized(QString::NormalizationForm_KC);
    result.remove(QRegularExpression(QStringLiteral("\\s")));
    return result;
}

} // namespace galvix::testing
