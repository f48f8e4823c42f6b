// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PDFs read back with poppler's tools (pdfinfo, pdftotext, pdftoppm, from poppler-utils): the page
// count and size, the text, each word's box and the page as a picture. A tool that is missing or
// fails fails the test and says why.

#include <QImage>
#include <QRectF>
#include <QString>

#include <vector>

namespace galvix::testing {

struct PdfFacts {
    int pages = 0;
    double width = 0;  // points
    double height = 0; // points
};

[[nodiscard]] PdfFacts pdfFacts(const QString& path);

// What the pages say, in the order it was drawn.
[[nodiscard]] QString pdfText(const QString& path);

// A word on the page and its box, in points from the page's top left corner.
struct WordBox {
    QString word;
    QRectF box;
};

[[nodiscard]] std::vector<WordBox> pdfWords(const QString& path);

// The first page in shades of grey at `dpi` dots an inch; a null image when it could not be made.
[[nodiscard]] QImage pdfFirstPageInGrey(const QString& path, int dpi);

// A text without its white space, and its ligatures as letters: a cell that wraps on the page
// breaks its text into lines anywhere, so texts are compared this way.
[[nodiscard]] QString squeezed(const QString& text);

} // namespace galvix::testing
