#include "app/CommandLine.h"

#include "appearance/LocalizationManager.h"

#include <QFileInfo>

#include <array>

namespace tolvik {

namespace {

enum class Action
{
    help,
    version,
    quickAdd,
};

struct Option
{
    QLatin1String shortName;
    QLatin1String longName;
    const char* descriptionKey;
    Action action;
};

// One row per option: the help text and the parser both read this table.
const std::array<Option, 3> options = {{
    {QLatin1String("-h"), QLatin1String("--help"), "cli.option.help", Action::help},
    {QLatin1String("-v"), QLatin1String("--version"), "cli.option.version", Action::version},
    // Handled by the start-up itself: it goes to the running instance, or opens quick add in this one.
    {QLatin1String(), QLatin1String("--quick-add"), "cli.option.quickAdd", Action::quickAdd},
}};

const Option* findOption(const QString& argument)
{
    for (const Option& option : options) {
        if ((!option.shortName.isEmpty() && argument == option.shortName) || argument == option.longName) {
            return &option;
        }
    }
    return nullptr;
}

QString programName(const QStringList& arguments)
{
    return arguments.isEmpty() ? QStringLiteral("tolvik-reminder") : QFileInfo(arguments.first()).fileName();
}

QString orDash(const QString& value)
{
    return value.isEmpty() ? QString(QChar(0x2014)) : value;
}

} // namespace

std::optional<CommandLineExit> CommandLine::answerInformational(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--")) {
            break;
        }
        const Option* option = findOption(arguments.at(i));
        if (!option || option->action == Action::quickAdd) {
            continue;
        }
        if (option->action == Action::help) {
            return CommandLineExit{0, helpText(programName(arguments)), {}};
        }
        return CommandLineExit{0,
                               versionText(QStringLiteral(TOLVIK_VERSION), QStringLiteral(TOLVIK_BUILD_NUMBER)) +
                                   QLatin1Char('\n'),
                               {}};
    }
    return std::nullopt;
}

std::optional<CommandLineExit> CommandLine::rejectUnknownOptions(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!findOption(arguments.at(i))) {
            const QString program = programName(arguments);
            return CommandLineExit{
                2,
                {},
                localizedString(QStringLiteral("cli.unknownArgument")).arg(arguments.at(i), program) +
                    QLatin1Char('\n')};
        }
    }
    return std::nullopt;
}

QString CommandLine::versionText(const QString& version, const QString& buildNumber)
{
    return localizedString(QStringLiteral("cli.version")).arg(orDash(version), orDash(buildNumber));
}

QString CommandLine::helpText(const QString& program)
{
    QString text = localizedString(QStringLiteral("cli.usage")).arg(program) + QStringLiteral("\n\n") +
                   localizedString(QStringLiteral("cli.description")) + QStringLiteral("\n\n");
    for (const Option& option : options) {
        const QString names = option.shortName.isEmpty()
                                  ? QStringLiteral("    ") + option.longName
                                  : QStringLiteral("%1, %2").arg(option.shortName, option.longName);
        text += QStringLiteral("  %1  %2\n")
                    .arg(names.leftJustified(16), localizedString(QString::fromLatin1(option.descriptionKey)));
    }
    return text;
}

} // namespace tolvik
