// vx7tool gif …: building, copying, cropping and inspecting GIF files headlessly.
#include "Commands.h"
#include "core/InstallLayout.h"
#include "core/LittleEndian.h"
#include "core/PathParts.h"

#include "animation/gif/GifAnimationBuilder.h"
#include "animation/gif/GifBlockWalker.h"
#include "animation/gif/GifImageEncoder.h"
#include "animation/gif/GifIndexedReader.h"
#include "animation/reduction/ColourReduction.h"
#include "animation/reduction/GifMaker.h"
#include "animation/reduction/ImageConverterLibrary.h"
#include "animation/reduction/ReferencePicture.h"
#include "core/ImageFiles.h"
#include "platform/Prompt.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

namespace vx7::tools {
namespace {

using namespace vx7::animation;

int Fail(const QString& text) {
    std::fprintf(stderr, "vx7tool gif: %s\n", qPrintable(text));
    return 1;
}

int Usage() {
    std::fputs(
        "usage: vx7tool gif build [--interval SECONDS] [--mode 0|1] [--home DIR] -o OUT.gif PICTURE...\n"
        "       vx7tool gif frames --delay HUNDREDTHS -o OUT.gif FRAME...\n"
        "       vx7tool gif copy --delay HUNDREDTHS -o OUT.gif SINGLE.gif...\n"
        "       vx7tool gif crop --offset N IN.gif OUT\n"
        "       vx7tool gif info FILE.gif\n",
        stderr);
    return 2;
}

// Messages go to stderr; questions are answered No.
class ConsolePrompt final : public platform::Prompt {
  public:
    void Message(const QString& text, const QString&) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    bool Ask(const QString& text, const QString&) override {
        std::fprintf(stderr, "%s (answered No)\n", qPrintable(text));
        return false;
    }
};

// Options of the form "--name value" and "-o value"; the rest are operands.
struct Arguments {
    QMap<QString, QString> options;
    QStringList operands;
    QString error;
};

Arguments Parse(const QStringList& args, const QStringList& valued) {
    Arguments a;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            if (!valued.contains(arg)) {
                a.error = QStringLiteral("unknown option %1").arg(arg);
                return a;
            }
            if (i + 1 >= args.size()) {
                a.error = QStringLiteral("%1 needs a value").arg(arg);
                return a;
            }
            a.options[arg] = args[++i];
        } else {
            a.operands << arg;
        }
    }
    return a;
}

std::optional<int> IntOption(const Arguments& a, const QString& name, int low, int high, QString& error) {
    if (!a.options.contains(name)) {
        error = QStringLiteral("%1 is required").arg(name);
        return std::nullopt;
    }
    bool ok = false;
    const int v = a.options[name].toInt(&ok);
    if (!ok || v < low || v > high) {
        error = QStringLiteral("%1 must be a whole number from %2 to %3").arg(name).arg(low).arg(high);
        return std::nullopt;
    }
    return v;
}

int Report(const GifBuildResult& r, const QString& output) {
    for (const QString& line : r.skipped)
        std::fprintf(stderr, "left out: %s\n", qPrintable(line));
    if (!r.Ok())
        return Fail(r.error);
    std::printf("%s: %d frame%s\n", qPrintable(output), r.framesWritten, r.framesWritten == 1 ? "" : "s");
    return 0;
}

int Build(const QStringList& args) {
    const Arguments a = Parse(args, {"--interval", "--mode", "--home", "-o"});
    if (!a.error.isEmpty())
        return Fail(a.error);
    if (!a.options.contains("-o") || a.operands.isEmpty())
        return Usage();
    bool ok = true;
    const double seconds = a.options.value("--interval", "1.5").toDouble(&ok);
    if (!ok || seconds < 0 || seconds > 655.35)
        return Fail(QStringLiteral("--interval must be a number of seconds from 0 to 655.35"));
    const int mode = a.options.value("--mode", "0").toInt(&ok);
    if (!ok || (mode != kModePopularColours && mode != kModeHighContrast))
        return Fail(QStringLiteral("--mode must be 0 (%1) or 1 (%2)")
                        .arg(GifMaker::ModeText(kModePopularColours), GifMaker::ModeText(kModeHighContrast)));

    // Without --home, a throw-away installation folder with the reference picture.
    QTemporaryDir temporary;
    QString home = a.options.value("--home");
    if (home.isEmpty()) {
        if (!temporary.isValid())
            return Fail(QStringLiteral("cannot make a temporary installation folder"));
        home = temporary.path();
        QDir(home).mkpath(core::layout::WorkFolder());
        QDir(home).mkpath(core::layout::SystemPictureFolder());
        QString error;
        if (!ReferencePicture::Write(QDir(home).filePath(core::JoinPath(core::layout::SystemPictureFolder(),
                                                                        ReferencePicture::FileName())),
                                     &error))
            return Fail(error);
    } else if (!QFileInfo(home).isDir()) {
        return Fail(QStringLiteral("%1 is not a folder").arg(home));
    }
    home = QFileInfo(home).absoluteFilePath();

    core::EncoderRegistry encoders;
    RegisterGifEncoder(encoders);
    ImageConverterLibrary converter;
    ConsolePrompt prompt;
    ColourReduction reduction(home, encoders, converter, prompt);
    GifAnimationBuilder builder;
    GifMaker maker(reduction, builder);
    QStringList pictures;
    for (const QString& p : a.operands)
        pictures << QFileInfo(p).absoluteFilePath();
    const QString output = a.options["-o"];
    return Report(maker.Make(pictures, mode, GifAnimationBuilder::DelayFromSeconds(seconds), output), output);
}

int FromFrames(const QStringList& args, bool copy) {
    const Arguments a = Parse(args, {"--delay", "-o"});
    if (!a.error.isEmpty())
        return Fail(a.error);
    if (!a.options.contains("-o") || a.operands.isEmpty())
        return Usage();
    QString error;
    const auto delay = IntOption(a, "--delay", 0, 0xFFFF, error);
    if (!delay)
        return Fail(error);
    GifAnimationBuilder builder;
    const QString output = a.options["-o"];
    const GifBuildResult r = copy ? builder.BuildFromGifFiles(a.operands, output, *delay)
                                  : builder.BuildFromPaletteFrames(a.operands, output, *delay);
    return Report(r, output);
}

int Crop(const QStringList& args) {
    const Arguments a = Parse(args, {"--offset"});
    if (!a.error.isEmpty())
        return Fail(a.error);
    if (a.operands.size() != 2)
        return Usage();
    QString error;
    const auto offset = IntOption(a, "--offset", 0, 0xFFFF, error);
    if (!offset)
        return Fail(error);
    if (!ColourReduction::CropToPaletteFrame(a.operands[0], *offset, a.operands[1], &error))
        return Fail(error);
    return 0;
}

int Info(const QStringList& args) {
    if (args.size() != 1)
        return Usage();
    QByteArray bytes;
    QString error;
    if (!GifIndexedReader::ReadFile(args[0], bytes, &error))
        return Fail(error);
    const ByteSpan data = AsBytes(bytes);
    GifBlockWalker walker(data);
    if (!walker.IsGif())
        return Fail(QStringLiteral("%1 is not a GIF file").arg(args[0]));
    const int screenWidth = core::ReadLe16(data.data(), 6), screenHeight = core::ReadLe16(data.data(), 8);
    std::printf("screen %dx%d%s\n", screenWidth, screenHeight,
                (data[10] & 0x80)
                    ? qPrintable(QStringLiteral(", global colour table of %1").arg(2 << (data[10] & 7)))
                    : "");
    int n = 0;
    std::optional<GifGraphicControl> control;
    while (const auto block = walker.Next()) {
        if (block->kind == GifBlockKind::GraphicControl) {
            control = GifBlockWalker::ReadGraphicControl(data, *block);
        } else if (block->kind == GifBlockKind::Image) {
            const GifImageDescriptor d = GifBlockWalker::ReadImage(data, *block);
            const bool inside = d.left + d.width <= screenWidth && d.top + d.height <= screenHeight;
            std::printf("frame %d: %dx%d at %d,%d delay %d disposal %d%s%s\n", n++, d.width, d.height, d.left,
                        d.top, control ? control->delay : -1, control ? control->disposal : 0,
                        d.interlaced ? " interlaced" : "", inside ? "" : " (outside the screen)");
            control.reset();
        }
    }
    if (walker.Failed())
        std::printf("damaged block at byte %zu\n", walker.Cursor());
    if (n == 0)
        return Fail(QStringLiteral("%1 holds no complete image").arg(args[0]));
    return 0;
}

} // namespace

int RunGifCommand(const QStringList& args) {
    if (args.isEmpty())
        return Usage();
    const QString command = args.first();
    const QStringList rest = args.mid(1);
    if (command == QLatin1String("build"))
        return Build(rest);
    if (command == QLatin1String("frames"))
        return FromFrames(rest, false);
    if (command == QLatin1String("copy"))
        return FromFrames(rest, true);
    if (command == QLatin1String("crop"))
        return Crop(rest);
    if (command == QLatin1String("info"))
        return Info(rest);
    return Usage();
}

} // namespace vx7::tools
