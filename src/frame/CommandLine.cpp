#include "frame/CommandLine.h"

#include <QApplication>
#include <clocale>

#include "frame/KelvoApp.h"
#include "ui/Language.h"
#include "ui/QtPrompter.h"

namespace kelvo {

CommandLine::CommandLine(const char* program, AddOptions addOptions, Check check, Usage usage)
    : m_program(program), m_addOptions(addOptions), m_check(check), m_usage(usage) {}

int CommandLine::check(const QStringList& arguments) {
    m_parser.emplace();
    m_parser->addOption({QStringLiteral("root"), QString(), QStringLiteral("DIR")});
    m_parser->addOption({QStringLiteral("scale"), QString(), QStringLiteral("N")});
    m_parser->addOption({QStringLiteral("lang"), QString(), QStringLiteral("L")});
    m_parser->addOption({{QStringLiteral("h"), QStringLiteral("help")}, QString()});
    m_parser->addOption({QStringLiteral("version"), QString()});
    m_addOptions(*m_parser);
    if (!m_parser->parse(arguments)) {
        std::fprintf(stderr, "%s: %s\n", m_program,
                     m_parser->errorText().toLocal8Bit().constData());
        m_usage(stderr);
        return 2;
    }
    return m_check(*m_parser);
}

int CommandLine::checkBeforeApplication(int argc, char** argv) {
    const int status = check(withoutQtOptions(argc, argv));
    const QString scale = deviceOptions().scale;
    if (status < 0 && !scale.isEmpty() && scale != QLatin1String("1") &&
        qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", scale.toLocal8Bit());
    }
    return status;
}

int CommandLine::checkAfterApplication() {
    const int status = check(QApplication::arguments());
    if (status < 0) {
        QApplication::setApplicationName(QStringLiteral("Kelvo"));
        // Data files always carry a '.' decimal point, whatever the desktop's locale says.
        std::setlocale(LC_NUMERIC, "C");
        installQtPlatformHooks();
        installLanguage(deviceOptions().lang);
    }
    return status;
}

DeviceOptions CommandLine::deviceOptions() const {
    DeviceOptions o;
    o.root = m_parser->value(QStringLiteral("root"));
    if (m_parser->isSet(QStringLiteral("scale"))) {
        o.scale = m_parser->value(QStringLiteral("scale"));
    }
    o.lang = m_parser->value(QStringLiteral("lang"));
    return o;
}

std::filesystem::path CommandLine::deviceRoot() const {
    const QString root = deviceOptions().root;
    return root.isEmpty() ? defaultDeviceRoot()
                          : std::filesystem::path(root.toLocal8Bit().toStdString());
}

QStringList withoutQtOptions(int argc, char** argv) {
    QStringList out;
    for (int i = 0; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const bool qtOption = i > 0 && arg.size() > 2 && arg.startsWith(QLatin1Char('-')) &&
                              !arg.startsWith(QLatin1String("--"));
        if (!qtOption) {
            out << arg;
            continue;
        }
        // "-platform offscreen": the value goes with it. A Qt option without a value
        // ("-reverse") followed by a word leaves the word to the check after Qt took its own.
        if (i + 1 < argc && argv[i + 1][0] != '-') {
            ++i;
        }
    }
    return out;
}

}  // namespace kelvo
