// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

namespace kazenori {

class PageRecording;

// The page as a one-page PDF at its paper size, vector text and lines.
QByteArray PagePdf(const PageRecording& page);
// The page as a picture of `dotsPerInch`, on white.
QImage PageImage(const PageRecording& page, int dotsPerInch);

// Puts the page on the clipboard both as PDF and as an image, so that office
// programs paste whichever they understand.
void CopyPageToClipboard(const PageRecording& page);
void CopyImageToClipboard(const QImage& image);

}  // namespace kazenori
