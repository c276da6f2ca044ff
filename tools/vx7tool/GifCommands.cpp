// vx7tool gif …: building, copying, cropping and inspecting GIF files headlessly.
#include "CommandOutput.h"
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

std::optional<int> IntOption(const VerbArguments& a, const QString& name, int low, int high, QString& error) {
    if (!a.IsSet(name)) {
        error = QStringLiteral("--%1 is required").arg(name);
        return std::nullopt;
    }
    bool ok = false;
    const int v = a.Value(name).toInt(&ok);
    if (!ok || v < low || v > high) {
        error = QStringLiteral("--%1 must be a whole number from %2 to %3").arg(name).arg(low).arg(high);
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
    VerbArguments a("gif", "build",
                    {ValueOption("interval", "SECONDS"), ValueOption("mode", "MODE"),
                     ValueOption("home", "DIR"), ValueOption("o", "OUT")});
    if (!a.Parse(args))
        return Usage();
    if (!a.IsSet("o") || a.Operands().isEmpty())
        return Usage();
    bool ok = true;
    const double seconds = a.Value("interval", "1.5").toDouble(&ok);
    if (!ok || seconds < 0 || seconds > 655.35)
        return Fail(QStringLiteral("--interval must be a number of seconds from 0 to 655.35"));
    const int mode = a.Value("mode", "0").toInt(&ok);
    if (!ok || (mode != kModePopularColours && mode != kModeHighContrast))
        return Fail(QStringLiteral("--mode must be 0 (%1) or 1 (%2)")
                        .arg(GifMaker::ModeText(kModePopularColours), GifMaker::ModeText(kModeHighContrast)));

    // Without --home, a throw-away installation folder with the reference picture.
    QTemporaryDir temporary;
    QString home = a.Value("home");
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
    for (const QString& p : a.Operands())
        pictures << QFileInfo(p).absoluteFilePath();
    const QString output = a.Value("o");
    return Report(maker.Make(pictures, mode, GifAnimationBuilder::DelayFromSeconds(seconds), output), output);
}

int FromFrames(const QStringList& args, bool copy) {
    VerbArguments a("gif", copy ? "copy" : "frames",
                    {ValueOption("delay", "HUNDREDTHS"), ValueOption("o", "OUT")});
    if (!a.Parse(args))
        return Usage();
    if (!a.IsSet("o") || a.Operands().isEmpty())
        return Usage();
    QString error;
    const auto delay = IntOption(a, "delay", 0, 0xFFFF, error);
    if (!delay)
        return Fail(error);
    GifAnimationBuilder builder;
    const QString output = a.Value("o");
    const GifBuildResult r = copy ? builder.BuildFromGifFiles(a.Operands(), output, *delay)
                                  : builder.BuildFromPaletteFrames(a.Operands(), output, *delay);
    return Report(r, output);
}

int Crop(const QStringList& args) {
    VerbArguments a("gif", "crop", {ValueOption("offset", "N")});
    if (!a.Parse(args))
        return Usage();
    const QStringList operands = a.Operands();
    if (operands.size() != 2)
        return Usage();
    QString error;
    const auto offset = IntOption(a, "offset", 0, 0xFFFF, error);
    if (!offset)
        return Fail(error);
    if (!ColourReduction::CropToPaletteFrame(operands[0], *offset, operands[1], &error))
        return Fail(error);
    return 0;
}

int Info(const QStringList& arguments) {
    VerbArguments a("gif", "info", {});
    if (!a.Parse(arguments))
        return Usage();
    const QStringList args = a.Operands();
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
    return DispatchVerb(args, Usage,
                        {{"build", Build},
                         {"frames", [](const QStringList& a) { return FromFrames(a, false); }},
                         {"copy", [](const QStringList& a) { return FromFrames(a, true); }},
                         {"crop", Crop},
                         {"info", Info}});
}

} // namespace vx7::tools
