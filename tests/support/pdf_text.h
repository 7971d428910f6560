// Reading printed PDF files back in tests with pdftotext (poppler-utils).
#pragma once

#include <QProcess>
#include <QString>

namespace parvix::ui {

// The text of one page, with every run of blanks and line ends made one
// blank; "<pdftotext failed>" when the page cannot be read (or is not there).
inline QString PdfPageText(const QString& pdf, int page) {
  QProcess p;
  p.start("pdftotext",
          {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
  if (!p.waitForFinished(10000) || p.exitCode() != 0) return "<pdftotext failed>";
  return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

}  // namespace parvix::ui
