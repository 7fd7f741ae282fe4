#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tolvik {

/// What the process does instead of starting the app: print `output` (to stdout) or `error` (to stderr) and end.
struct CommandLineExit
{
    int exitCode = 0;
    QString output;
    QString error;
};

/// The app's own options. The command line configures nothing: it only prints help or the version. Qt's options
/// (-platform, -style, -display, ...) belong to QApplication, which removes them before `rejectUnknownOptions`.
class CommandLine
{
public:
    /// Answers --help and --version from the raw arguments (program name first), before any display is opened, so
    /// that both work in a terminal without one. Nothing to answer means the app starts.
    static std::optional<CommandLineExit> answerInformational(const QStringList& arguments);
    /// Refuses what is left after QApplication took its own options: any other option or a stray argument.
    static std::optional<CommandLineExit> rejectUnknownOptions(const QStringList& arguments);

    /// The version line, with an em dash for a part the build does not know.
    static QString versionText(const QString& version, const QString& buildNumber);
    static QString helpText(const QString& program);
};

} // namespace tolvik
