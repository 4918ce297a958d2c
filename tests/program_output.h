// Other programs on the machine that read back what the tests wrote: their
// standard output, or nothing where the program is missing or fails.
#pragma once

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <string>

namespace hullcalc {

// `program` by its name on the PATH, or by its path.
inline std::optional<std::string> outputOf(const QString& program, const QStringList& arguments)
{
    const QString found = QFileInfo(program).isAbsolute() ? program : QStandardPaths::findExecutable(program);
    if (found.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(found, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput().toStdString();
}

// The text of a PDF as pdftotext reads it (with -layout where asked): nothing
// without pdftotext, an empty text where it fails.
inline std::optional<std::string> pdfText(const std::filesystem::path& file, bool layout = false)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        return std::nullopt;
    const QStringList arguments = {QString::fromStdU16String(file.u16string()), "-"};
    return outputOf("pdftotext", layout ? QStringList{"-layout"} + arguments : arguments).value_or("");
}

}  // namespace hullcalc
