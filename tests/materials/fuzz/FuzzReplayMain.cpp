// Runs a fuzz target without libFuzzer: every file named on the command line (the seed
// corpus and kept crash inputs), then a fixed number of deterministic mutations of each:
// byte flips, counts overwritten with values at and beyond the limits, cuts and
// appended bytes. Used where the compiler has no libFuzzer, so the targets still run
// under the sanitizers in the ordinary test suite.
//
// Besides the target's own invariant checks it checks the outcomes: every file named
// must be accepted (they are sound files), the empty input refused, and the mutations
// must be refused often enough to show that the reader's checks are reached, and
// accepted sometimes, so that what it accepts is checked too.
#include "FuzzInput.h"

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

bool Run(const QByteArray& bytes) {
    // Its own heap block of exactly the input's size.
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    return vx7::fuzz::ReadInput(copy.data(), copy.size());
}

QByteArray Mutate(QByteArray bytes, QRandomGenerator& rng) {
    static const qint32 kInteresting[] = {-1,    0,     1,     3,      165,    166,    167,        424,
                                          425,   426,   599,   600,    601,    3599,   3600,       3601,
                                          76639, 76640, 76641, 436167, 436168, 436169, 0x7FFFFFFF, INT32_MIN};
    const int steps = 1 + int(rng.bounded(4));
    for (int s = 0; s < steps; ++s) {
        const quint32 what = rng.bounded(5);
        if (bytes.isEmpty() || what == 0) {
            bytes.append(QByteArray(int(rng.bounded(64)), char(rng.bounded(256))));
        } else if (what == 1) {
            bytes[qsizetype(rng.bounded(quint32(bytes.size())))] = char(rng.bounded(256));
        } else if (what == 2 && bytes.size() >= 4) {
            const qint32 v = kInteresting[rng.bounded(quint32(std::size(kInteresting)))];
            const qsizetype at = qsizetype(rng.bounded(quint32(bytes.size() - 3))) & ~qsizetype(3);
            for (int k = 0; k < 4; ++k)
                bytes[at + k] = char((quint32(v) >> (8 * k)) & 0xFF);
        } else if (what == 3) {
            bytes.truncate(qsizetype(rng.bounded(quint32(bytes.size()))));
        } else {
            const qsizetype at = qsizetype(rng.bounded(quint32(bytes.size())));
            bytes[at] = char(bytes[at] ^ char(1 << rng.bounded(8)));
        }
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    int mutations = 3000;
    std::vector<QByteArray> seeds;
    std::vector<const char*> names;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith("--mutations=")) {
            mutations = arg.mid(12).toInt();
            continue;
        }
        QFile f(QString::fromLocal8Bit(arg));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        seeds.push_back(f.readAll());
        names.push_back(argv[i]);
    }
    int failures = 0;
    for (std::size_t i = 0; i < seeds.size(); ++i)
        if (!Run(seeds[i])) {
            std::fprintf(stderr, "refused a sound file: %s\n", names[i]);
            ++failures;
        }
    if (Run(QByteArray())) {
        std::fprintf(stderr, "accepted the empty input\n");
        ++failures;
    }
    seeds.emplace_back(); // the empty input is mutated too
    QRandomGenerator rng(20111);
    long accepted = 0, refused = 0;
    for (const QByteArray& seed : seeds)
        for (int m = 0; m < mutations; ++m)
            (Run(Mutate(seed, rng)) ? accepted : refused) += 1;
    std::printf("ran %zu inputs with %d mutations each: %ld accepted, %ld refused\n", seeds.size(), mutations,
                accepted, refused);
    if (mutations > 0 && (accepted == 0 || refused == 0)) {
        std::fprintf(stderr, "the mutations were all %s\n", accepted == 0 ? "refused" : "accepted");
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
