#pragma once

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
