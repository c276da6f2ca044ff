#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <initializer_list>

namespace vx7::tools {

// One line of a command's result on standard output.
inline void Out(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
}

// One line of failure on standard error, prefixed with the command family ("vx7tool dm3: …").
inline void Err(const char* family, const QString& line) {
    std::fprintf(stderr, "vx7tool %s: %s\n", family, line.toUtf8().constData());
}

// One verb's arguments, read with QCommandLineParser: the declared options (anywhere on
// the line, "--name value" or "--name=value"; one-letter names take one dash) and the
// remaining operands. A mistake on the line is printed as one line on stderr.
class VerbArguments {
  public:
    VerbArguments(const char* family, const char* verb, const QList<QCommandLineOption>& options)
        : family_(family), verb_(verb) {
        parser_.addOptions(options);
    }

    // False, with the mistake printed, for an unknown option or an option without its value.
    bool Parse(const QStringList& args) {
        if (parser_.parse(QStringList{QStringLiteral("vx7tool")} + args))
            return true;
        Err(family_, QStringLiteral("%1: %2").arg(QLatin1String(verb_), parser_.errorText()));
        return false;
    }

    bool IsSet(const QString& name) const { return parser_.isSet(name); }
    QString Value(const QString& name, const QString& fallback = {}) const {
        return parser_.isSet(name) ? parser_.value(name) : fallback;
    }
    QStringList Operands() const { return parser_.positionalArguments(); }

  private:
    const char* family_;
    const char* verb_;
    QCommandLineParser parser_;
};

// An option that takes a value.
inline QCommandLineOption ValueOption(const char* name, const char* valueName) {
    return QCommandLineOption(QString::fromLatin1(name), QString(), QString::fromLatin1(valueName));
}

struct Verb {
    const char* name;
    int (*run)(const QStringList& args);
};

// Runs the verb named by the first argument with the remaining arguments; usage() for an
// unknown or missing verb.
inline int DispatchVerb(const QStringList& args, int (*usage)(), std::initializer_list<Verb> verbs) {
    if (!args.isEmpty()) {
        for (const Verb& v : verbs)
            if (args.front() == QLatin1String(v.name))
                return v.run(args.mid(1));
    }
    return usage();
}

} // namespace vx7::tools
